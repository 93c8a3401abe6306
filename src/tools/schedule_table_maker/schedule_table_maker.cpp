// Writes src/schedule/schedule_table_data.cpp: the built-in 32-team schedule
// tables, the season team orders and the 31-team table of 2001.
//
//   cmake --build build --target schedule_table_maker
//   build/schedule_table_maker src/schedule/schedule_table_data.cpp
//   build/schedule_table_maker --check src/schedule/schedule_table_data.cpp
//
// The second form rewrites the file; the third compares the file with what
// would be written (exit 0 when equal), which the test suite runs.
//
// How a 32-team table is made (slots 4d .. 4d+3 form division d; divisions
// 0-3 one conference, 4-7 the other):
// 1. The pairings: each team meets its three division rivals home and away
//    (6), a whole division of its own conference (4), a whole division of
//    the other conference (4), the teams at its own place of the two other
//    divisions of its conference (2) and, in a 17-game table, the team at
//    its place of a second division of the other conference (1). Which
//    divisions meet is chosen per table; a table whose first games are fixed
//    takes the first choice that holds them.
// 2. Home and away: division games once each way; the other games are given
//    a random direction and then paths are turned round until every team has
//    as many home as away games among them (the extra 17th game makes 8/9).
// 3. The weeks: every team has one bye, four teams a week in eight weeks, so
//    those weeks hold 14 games and two empty cells; the games are placed by
//    a seeded search that puts a game into a week and moves out whatever
//    game stood in its way, a bounded number of steps and restarts.
// 4. Days and kick-offs by a game's place in its week: the Thursday game
//    first, then the Sunday games (1300, 1605, 1625, the night game at 2020),
//    the Monday game at 2015 (column 14 of a full week); the last week of an
//    18-week table has no Thursday or Monday game and starts with two
//    Saturday games, and a day past 130 falls back to its Saturday.
// The 2001 table is made the same way for 31 slots in six divisions (slot
// blocks 0-4, 5-10, 11-15 and 16-20, 21-25, 26-30), the non-division games
// drawn at random, one team off in each full week and three in seven short
// weeks.
//
// Every draw comes from the league's MT19937 seeded with a fixed number, so
// the output is the same on every run; the tool stops with a message when a
// table cannot be made within its limits.

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/random.h"
#include "tools/table_maker_common.h"

namespace {

using namespace table_maker;

constexpr int SLOTS = 32;
constexpr int GAMES_PER_WEEK = 16;
constexpr int EMPTY = -128;
constexpr int MAX_DAY = 130;

struct CELL {
    int nAway = EMPTY;
    int nHome = EMPTY;
    int nDay = 0;
    int nKickoff = 0;
    int nExtra = 0;
};

struct GAME_PAIR {
    int nAway;
    int nHome;
};

struct TABLE_SPEC {
    const char* szName;          // as written in the comments
    int nWeeks;                  // 17 or 18
    int nDayOffset;              // 0, or 1 / 2 for the two day tables of 18 weeks
    int nOpenerKickoff;
    bool bBroadcastCodes;        // int 4 filled (the 16-game tables)
    std::vector<GAME_PAIR> Fixed;  // week 0, games 0 ..
};




// ---------------------------------------------------------------------------
// Pairings

struct STRUCTURE {
    int nIntra[2];   // matching of a conference's divisions: 0 {0-1,2-3}, 1 {0-2,1-3}, 2 {0-3,1-2}
    int nShift;      // division i of conference 0 meets 4 + (i + shift) mod 4 whole
    int nExtraShift; // the 17th game's division of the other conference
};

int Intra_Partner(int nMatching, int i)
{
    static const int PARTNER[3][4] = {{1, 0, 3, 2}, {2, 3, 0, 1}, {3, 2, 1, 0}};
    return PARTNER[nMatching][i];
}


// Undirected non-division games (each once) and the extra games of a 17-game
// table (a matching across the conferences).
void Build_Pairs(const STRUCTURE& s, bool bSeventeen, std::vector<EDGE>* pOther, std::vector<EDGE>* pExtra)
{
    pOther->clear();
    pExtra->clear();
    for (int c = 0; c < 2; ++c) {
        for (int i = 0; i < 4; ++i) {
            const int j = Intra_Partner(s.nIntra[c], i);
            const int di = 4 * c + i;
            const int dj = 4 * c + j;
            if (i < j) {
                for (int p = 0; p < 4; ++p)
                    for (int q = 0; q < 4; ++q)
                        pOther->push_back({4 * di + p, 4 * dj + q, false});
            }
            for (int k = i + 1; k < 4; ++k) {
                if (k == j)
                    continue;
                const int dk = 4 * c + k;
                for (int p = 0; p < 4; ++p)
                    pOther->push_back({4 * di + p, 4 * dk + p, false});
            }
        }
    }
    for (int i = 0; i < 4; ++i) {
        const int dOther = 4 + (i + s.nShift) % 4;
        for (int p = 0; p < 4; ++p)
            for (int q = 0; q < 4; ++q)
                pOther->push_back({4 * i + p, 4 * dOther + q, false});
        if (bSeventeen) {
            const int dExtra = 4 + (i + s.nExtraShift) % 4;
            for (int p = 0; p < 4; ++p)
                pExtra->push_back({4 * i + p, 4 * dExtra + p, false});
        }
    }
}

bool Same_Pair(const EDGE& e, const GAME_PAIR& g)
{
    return (e.a == g.nAway && e.b == g.nHome) || (e.a == g.nHome && e.b == g.nAway);
}

bool Is_Division_Pair(const GAME_PAIR& g)
{
    return g.nAway / 4 == g.nHome / 4;
}

// The first structure (from the table's own starting point) whose pairings
// hold every fixed game.
STRUCTURE Choose_Structure(int nTableIndex, bool bSeventeen, const std::vector<GAME_PAIR>& Fixed)
{
    std::vector<EDGE> Other;
    std::vector<EDGE> Extra;
    for (int n = 0; n < 3 * 3 * 4 * 3; ++n) {
        const int m = (n + nTableIndex * 7) % (3 * 3 * 4 * 3);
        STRUCTURE s;
        s.nIntra[0] = m % 3;
        s.nIntra[1] = (m / 3) % 3;
        s.nShift = (m / 9) % 4;
        s.nExtraShift = (s.nShift + 1 + (m / 36) % 3) % 4;
        Build_Pairs(s, bSeventeen, &Other, &Extra);
        bool bAll = true;
        for (const GAME_PAIR& g : Fixed) {
            if (Is_Division_Pair(g))
                continue;
            bool bFound = false;
            for (const EDGE& e : Other)
                bFound = bFound || Same_Pair(e, g);
            for (const EDGE& e : Extra)
                bFound = bFound || Same_Pair(e, g);
            bAll = bAll && bFound;
        }
        if (bAll)
            return s;
    }
    Fail("no division pattern holds the fixed games");
}

// ---------------------------------------------------------------------------
// Weeks

struct WEEK_PLAN {
    int nWeeks;
    int nTeams;
    std::vector<int> ByeWeek;   // per team
};

// Bye weeks: nShortWeeks consecutive weeks from nFirstShort hold
// nOffPerShort teams off, every other week nOffPerFull (possibly 0).
WEEK_PLAN Plan_Byes(int nTeams, int nWeeks, int nFirstShort, int nShortWeeks, int nOffPerShort,
                    const std::vector<int>& NotInWeekZero)
{
    WEEK_PLAN Plan{nWeeks, nTeams, std::vector<int>(nTeams, -1)};
    std::vector<int> Teams(nTeams);
    for (int t = 0; t < nTeams; ++t)
        Teams[t] = t;
    Shuffle(Teams);
    // Week 0's fixed teams are not off then: move them to the back.
    std::stable_partition(Teams.begin(), Teams.end(), [&](int t) {
        return std::find(NotInWeekZero.begin(), NotInWeekZero.end(), t) == NotInWeekZero.end();
    });
    std::vector<int> Slots;   // one entry per team-week off
    const int nOffPerFull = (nTeams - nShortWeeks * nOffPerShort) / (nWeeks - nShortWeeks);
    for (int w = 0; w < nWeeks; ++w) {
        const bool bShort = w >= nFirstShort && w < nFirstShort + nShortWeeks;
        for (int i = 0; i < (bShort ? nOffPerShort : nOffPerFull); ++i)
            Slots.push_back(w);
    }
    if (static_cast<int>(Slots.size()) != nTeams)
        Fail("the bye plan does not give every team one week off");
    for (int i = 0; i < nTeams; ++i)
        Plan.ByeWeek[Teams[i]] = Slots[i];
    return Plan;
}

// ---------------------------------------------------------------------------
// Days and kick-offs

struct TIME_SLOT {
    int nDayFromSunday;
    int nKickoff;
    int nCode;   // int 4 of a 16-game table
};

TIME_SLOT Time_Slot(int nGame, int nGamesInWeek, bool bLastOfEighteen)
{
    if (bLastOfEighteen) {
        if (nGame < 2)
            return {-1, nGame == 0 ? 1625 : 2015, 0};
        if (nGame == nGamesInWeek - 1)
            return {0, 2020, 3};
        return {0, nGame >= nGamesInWeek - 4 ? 1625 : 1300, 1 + nGame % 2};
    }
    if (nGame == 0)
        return {-3, 2020, 4};
    if (nGamesInWeek == GAMES_PER_WEEK) {
        static const int KICKOFF[16] = {0, 1300, 1300, 1300, 1300, 1300, 1300, 1300,
                                        1300, 1300, 1605, 1605, 1625, 2020, 2015, 1625};
        if (nGame == 14)
            return {1, 2015, 5};
        if (nGame == 13)
            return {0, 2020, 3};
        return {0, KICKOFF[nGame], 1 + nGame % 2};
    }
    // A bye week: the Monday game last.
    if (nGame == nGamesInWeek - 1)
        return {1, 2015, 5};
    if (nGame == nGamesInWeek - 2)
        return {0, 2020, 3};
    if (nGame >= nGamesInWeek - 5)
        return {0, nGame == nGamesInWeek - 5 ? 1605 : 1625, 1 + nGame % 2};
    return {0, 1300, 1 + nGame % 2};
}

// ---------------------------------------------------------------------------
// One 32-team table

using TABLE = std::vector<std::array<CELL, GAMES_PER_WEEK>>;

TABLE Make_Table(int nTableIndex, const TABLE_SPEC& Spec)
{
    const bool bSeventeen = Spec.nWeeks == 18;
    const STRUCTURE s = Choose_Structure(nTableIndex, bSeventeen, Spec.Fixed);
    std::vector<EDGE> Other;
    std::vector<EDGE> Extra;
    Build_Pairs(s, bSeventeen, &Other, &Extra);

    // The fixed games keep their direction.
    for (const GAME_PAIR& g : Spec.Fixed) {
        for (std::vector<EDGE>* pList : {&Other, &Extra}) {
            for (EDGE& e : *pList) {
                if (Same_Pair(e, g)) {
                    e = {g.nAway, g.nHome, true};
                }
            }
        }
    }
    Balance_Directions(&Other, SLOTS);
    for (EDGE& e : Extra)
        if (!e.bLocked && Below(2) == 1)
            std::swap(e.a, e.b);

    // Fixed games first (week 0, in their order), then the rest.
    std::vector<GAME_PAIR> Games(Spec.Fixed.begin(), Spec.Fixed.end());
    std::vector<bool> DivisionUsed(Spec.Fixed.size(), false);
    auto Is_Fixed = [&](int a, int b) {
        for (const GAME_PAIR& g : Spec.Fixed)
            if (g.nAway == a && g.nHome == b)
                return true;
        return false;
    };
    for (int d = 0; d < 8; ++d) {
        for (int p = 0; p < 4; ++p) {
            for (int q = 0; q < 4; ++q) {
                const int a = 4 * d + p;
                const int b = 4 * d + q;
                if (p != q && !Is_Fixed(a, b))
                    Games.push_back({a, b});
            }
        }
    }
    for (const std::vector<EDGE>* pList : {&Other, &Extra})
        for (const EDGE& e : *pList)
            if (!Is_Fixed(e.a, e.b))
                Games.push_back({e.a, e.b});
    const int nExpected = SLOTS * (Spec.nWeeks - 1) / 2;
    if (static_cast<int>(Games.size()) != nExpected)
        Fail(std::string(Spec.szName) + ": wrong number of games");

    std::vector<int> WeekZeroTeams;
    for (const GAME_PAIR& g : Spec.Fixed) {
        WeekZeroTeams.push_back(g.nAway);
        WeekZeroTeams.push_back(g.nHome);
    }
    const int nFirstShort = bSeventeen ? 5 : 4;
    std::vector<int> Week;
    bool bDone = false;
    for (int nTry = 0; nTry < 50 && !bDone; ++nTry) {
        const WEEK_PLAN Plan = Plan_Byes(SLOTS, Spec.nWeeks, nFirstShort, 8, 4, WeekZeroTeams);
        bDone = Assign_Weeks(Games, static_cast<int>(Spec.Fixed.size()), Plan.nTeams, Plan.nWeeks, Plan.ByeWeek, 400000, 10,
                             "", &Week);
    }
    if (!bDone)
        Fail(std::string(Spec.szName) + ": no week plan found");

    TABLE Table(Spec.nWeeks);
    for (int w = 0; w < Spec.nWeeks; ++w) {
        std::vector<int> Fixed;
        std::vector<int> Rest;
        for (int g = 0; g < static_cast<int>(Games.size()); ++g) {
            if (Week[g] != w)
                continue;
            if (g < static_cast<int>(Spec.Fixed.size()))
                Fixed.push_back(g);
            else
                Rest.push_back(g);
        }
        Shuffle(Rest);
        Fixed.insert(Fixed.end(), Rest.begin(), Rest.end());
        const int nInWeek = static_cast<int>(Fixed.size());
        const bool bLast = bSeventeen && w == Spec.nWeeks - 1;
        const int nSunday = 10 + Spec.nDayOffset + 7 * w;
        for (int i = 0; i < nInWeek; ++i) {
            const TIME_SLOT Slot = Time_Slot(i, nInWeek, bLast);
            CELL& c = Table[w][i];
            c.nAway = Games[Fixed[i]].nAway;
            c.nHome = Games[Fixed[i]].nHome;
            c.nDay = nSunday + Slot.nDayFromSunday;
            // Past the calendar's last day: that week's Saturday.
            if (c.nDay > MAX_DAY)
                c.nDay = nSunday - 1;
            c.nKickoff = (w == 0 && i == 0) ? Spec.nOpenerKickoff : Slot.nKickoff;
            c.nExtra = Spec.bBroadcastCodes ? Slot.nCode : 0;
        }
    }
    return Table;
}

// ---------------------------------------------------------------------------
// The 31-team table of 2001

constexpr int SLOTS_2001 = 31;
constexpr int WEEKS_2001 = 17;
constexpr int GAMES_2001 = 15;

int Division_2001(int nSlot)
{
    static const int FIRST[7] = {0, 5, 11, 16, 21, 26, 31};
    for (int d = 0; d < 6; ++d)
        if (nSlot >= FIRST[d] && nSlot < FIRST[d + 1])
            return d;
    return -1;
}

using TABLE_2001 = std::vector<std::array<GAME_PAIR, GAMES_2001>>;

TABLE_2001 Make_2001_Table(const std::vector<GAME_PAIR>& Fixed)
{
    // Non-division degrees: 16 less two games against each rival.
    std::vector<int> Need(SLOTS_2001);
    for (int t = 0; t < SLOTS_2001; ++t) {
        int nRivals = 0;
        for (int u = 0; u < SLOTS_2001; ++u)
            nRivals += (u != t && Division_2001(u) == Division_2001(t)) ? 1 : 0;
        Need[t] = 16 - 2 * nRivals;
    }
    std::vector<EDGE> Other;
    bool bMade = false;
    for (int nTry = 0; nTry < 1000 && !bMade; ++nTry) {
        Other.clear();
        std::vector<int> Left = Need;
        std::vector<std::vector<bool>> Met(SLOTS_2001, std::vector<bool>(SLOTS_2001, false));
        for (const GAME_PAIR& g : Fixed) {
            Other.push_back({g.nAway, g.nHome, true});
            --Left[g.nAway];
            --Left[g.nHome];
            Met[g.nAway][g.nHome] = Met[g.nHome][g.nAway] = true;
        }
        bMade = Pair_Remaining_Games(SLOTS_2001, Division_2001, Left, Met, Other);
    }
    if (!bMade)
        Fail("2001: the non-division games cannot be drawn");
    Balance_Directions(&Other, SLOTS_2001);

    std::vector<GAME_PAIR> Games(Fixed.begin(), Fixed.end());
    for (int a = 0; a < SLOTS_2001; ++a)
        for (int b = 0; b < SLOTS_2001; ++b)
            if (a != b && Division_2001(a) == Division_2001(b))
                Games.push_back({a, b});
    for (const EDGE& e : Other)
        if (!e.bLocked)
            Games.push_back({e.a, e.b});
    if (static_cast<int>(Games.size()) != SLOTS_2001 * 16 / 2)
        Fail("2001: wrong number of games");

    std::vector<int> WeekZeroTeams;
    for (const GAME_PAIR& g : Fixed) {
        WeekZeroTeams.push_back(g.nAway);
        WeekZeroTeams.push_back(g.nHome);
    }
    std::vector<int> Week;
    bool bDone = false;
    for (int nTry = 0; nTry < 50 && !bDone; ++nTry) {
        const WEEK_PLAN Plan = Plan_Byes(SLOTS_2001, WEEKS_2001, 2, 7, 3, WeekZeroTeams);
        bDone = Assign_Weeks(Games, static_cast<int>(Fixed.size()), Plan.nTeams, Plan.nWeeks, Plan.ByeWeek, 400000, 10, "",
                             &Week);
    }
    if (!bDone)
        Fail("2001: no week plan found");

    TABLE_2001 Table(WEEKS_2001);
    for (auto& Row : Table)
        Row.fill({EMPTY, EMPTY});
    for (int w = 0; w < WEEKS_2001; ++w) {
        std::vector<int> Rest;
        int n = 0;
        for (int g = 0; g < static_cast<int>(Games.size()); ++g) {
            if (Week[g] != w)
                continue;
            if (g < static_cast<int>(Fixed.size()))
                Table[w][n++] = Games[g];
            else
                Rest.push_back(g);
        }
        Shuffle(Rest);
        for (int g : Rest)
            Table[w][n++] = Games[g];
    }
    return Table;
}

// ---------------------------------------------------------------------------
// Team orders

// The given first entries, then the slots not yet used in a seeded order.
std::vector<int> Make_Order(const std::vector<int>& Given, int nSlots)
{
    std::vector<int> Order = Given;
    std::vector<int> Rest;
    for (int s = 0; s < nSlots; ++s)
        if (std::find(Given.begin(), Given.end(), s) == Given.end())
            Rest.push_back(s);
    Shuffle(Rest);
    Order.insert(Order.end(), Rest.begin(), Rest.end());
    return Order;
}

// ---------------------------------------------------------------------------
// Output

std::string Write_All()
{
    Seed_Random_Numbers(20011);

    std::vector<TABLE_SPEC> Specs;
    Specs.push_back({"R3-0", 18, 1, 2020, false, {{0, 28}, {11, 3}, {10, 23}}});
    Specs.push_back({"R3-1", 18, 0, 2020, false, {{25, 12}, {31, 19}, {21, 23}}});
    Specs.push_back({"R3-2", 18, 2, 2020, false, {{18, 21}, {30, 4}, {7, 6}}});
    static const char* const YEAR_NAMES[7] = {"Y2002", "Y2003", "Y2004", "Y2005", "Y2006", "Y2007", "Y2008"};
    for (const char* szName : YEAR_NAMES)
        Specs.push_back({szName, 17, 0, 2030, true, {}});
    static const char* const ROTATION_NAMES[12] = {"R12-0", "R12-1", "R12-2", "R12-3", "R12-4",  "R12-5",
                                                   "R12-6", "R12-7", "R12-8", "R12-9", "R12-10", "R12-11"};
    for (int k = 0; k < 12; ++k) {
        TABLE_SPEC Spec{ROTATION_NAMES[k], 17, 0, 2030, true, {}};
        if (k == 1)
            Spec.Fixed = {{12, 0}, {3, 2}, {20, 27}};
        Specs.push_back(Spec);
    }

    std::ostringstream Out;
    Out << "// Generated by src/tools/schedule_table_maker (do not edit by hand). To make\n"
           "// it again: cmake --build build --target schedule_table_maker &&\n"
           "//   build/schedule_table_maker src/schedule/schedule_table_data.cpp\n"
           "// The tool's comment says how the tables are made.\n\n"
           "#include \"schedule/schedule_table_data.h\"\n\n";

    Out << "// [table][week][game] = {away slot, home slot, day, kick-off, int 4};\n"
           "// a 17-week table's week 17 is empty.\n"
           "const int16_t SCHEDULE_TABLES[SCHEDULE_TABLE_COUNT][SCHEDULE_TABLE_MAX_WEEKS][SCHEDULE_TABLE_GAMES]"
           "[SCHEDULE_CELL_INTS] = {\n";
    for (int i = 0; i < static_cast<int>(Specs.size()); ++i) {
        const TABLE t = Make_Table(i, Specs[i]);
        Out << "    // " << Specs[i].szName << "\n    {\n";
        for (int w = 0; w < 18; ++w) {
            Out << "        {";
            for (int g = 0; g < GAMES_PER_WEEK; ++g) {
                CELL c;
                if (w < Specs[i].nWeeks)
                    c = t[w][g];
                Out << (g ? ", " : "") << "{" << c.nAway << ", " << c.nHome << ", " << c.nDay << ", "
                    << c.nKickoff << ", " << c.nExtra << "}";
            }
            Out << "},  // week " << w << "\n";
        }
        Out << "    },\n";
    }
    Out << "};\n\n";

    std::vector<std::vector<int>> Orders;
    for (int y = 2014; y <= 2023; ++y) {
        if (y == 2023)
            Orders.push_back({31, 23, 9, 0, 21, 27, 8, 11, 17, 15, 25, 26, 7, 6, 4, 12,
                              14, 13, 30, 1, 24, 2, 22, 18, 3, 16, 10, 28, 29, 20, 5, 19});
        else if (y == 2022)
            Orders.push_back(Make_Order({29, 22, 11, 0, 23, 26, 8, 10}, SLOTS));
        else if (y == 2021)
            Orders.push_back(Make_Order({30, 23, 9, 0, 22, 25, 11, 10}, SLOTS));
        else
            Orders.push_back(Make_Order({}, SLOTS));
    }
    for (int k = 0; k < 12; ++k)
        Orders.push_back(Make_Order(k == 0 ? std::vector<int>{31, 23, 8, 2, 20, 26, 9, 11} : std::vector<int>{},
                                    SLOTS));
    Out << "// Team number to table slot: the seasons 2014 to 2023, then year mod 12 = 0 to 11.\n"
           "const int8_t TEAM_SCHEDULE_ORDERS[TEAM_SCHEDULE_ORDER_COUNT][SCHEDULE_TABLE_SLOTS] = {\n";
    for (int i = 0; i < static_cast<int>(Orders.size()); ++i) {
        Out << "    {";
        for (int t = 0; t < SLOTS; ++t)
            Out << (t ? ", " : "") << Orders[i][t];
        if (i < 10)
            Out << "},  // " << 2014 + i << "\n";
        else
            Out << "},  // year mod 12 = " << i - 10 << "\n";
    }
    Out << "};\n\n";

    const TABLE_2001 t2001 = Make_2001_Table({{26, 3}, {4, 9}, {14, 10}});
    Out << "// [week][game] = {away slot, home slot}; -128 in an empty cell.\n"
           "const int8_t SCHEDULE_2001[SCHEDULE_2001_WEEKS][SCHEDULE_2001_GAMES][2] = {\n";
    for (int w = 0; w < WEEKS_2001; ++w) {
        Out << "    {";
        for (int g = 0; g < GAMES_2001; ++g)
            Out << (g ? ", " : "") << "{" << t2001[w][g].nAway << ", " << t2001[w][g].nHome << "}";
        Out << "},  // week " << w << "\n";
    }
    Out << "};\n\n";
    Out << "const int8_t TEAM_SCHEDULE_ORDER_2001[SCHEDULE_2001_SLOTS] = {\n    ";
    static const int ORDER_2001[SLOTS_2001] = {20, 30, 6, 3,  28, 25, 9,  10, 19, 12, 24, 23, 1,  8,  13, 0,
                                               21, 4,  26, 16, 2,  11, 17, 7,  15, 29, 14, 27, 22, 5,  18};
    for (int t = 0; t < SLOTS_2001; ++t)
        Out << (t ? ", " : "") << ORDER_2001[t];
    Out << "};\n";
    return Out.str();
}

}  // namespace

int main(int argc, char** argv)
{
    return table_maker::Run_Table_Maker(argc, argv, "schedule_table_maker", Write_All);
}
