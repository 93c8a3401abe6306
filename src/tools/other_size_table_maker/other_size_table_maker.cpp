// Writes src/schedule/other_size_table_data.cpp: the pairing tables of the
// leagues of 12, 26, 28 and 30 teams and the team orders of their fixed
// seasons.
//
//   cmake --build build --target other_size_table_maker
//   build/other_size_table_maker src/schedule/other_size_table_data.cpp
//   build/other_size_table_maker --check src/schedule/other_size_table_data.cpp
//
// The second form rewrites the file; the third compares the file with what
// would be written (exit 0 when equal), which the test suite runs.
//
// A table's slots are league slots: the divisions follow each other in
// division order, so each division is a run of slots and each conference a
// run of divisions (12 teams: two groups of six; 26 teams: 5, 4, 4 | 5, 4,
// 4; 28 teams: 5, 4, 5 | 5, 5, 4; 30 teams: 5, 5, 5 | 5, 5, 5). How a table
// is made:
// 1. Every team meets each division rival twice, once at home and once
//    away. The games left to reach the season's length are drawn among teams
//    of other divisions (a team with most games left takes a partner with
//    most games left, ties at random, never the same partner twice); the
//    first games of week 0 are given and come first.
// 2. Home and away: the drawn games get random directions, then paths are
//    turned round until every team has as many home as away games (every
//    season length here is even).
// 3. The weeks: a seeded search puts each game into a week, moving out
//    whatever game stood in its way, with the given games held in week 0. A
//    17-week table first gives every team one week off (28 teams: four a
//    week in weeks 4 to 10; 30 teams: two a week in weeks 1 to 15), and its
//    empty cells stand after the week's games.
// 4. The table of 28 teams before 1990 keeps four ints a cell: the day
//    number of the week's Sunday (10 + 7 x week) and the kick-off 1300 follow
//    the two slots; nothing reads them.
//
// Every draw comes from the league's MT19937 seeded with a fixed number, so
// the output is the same on every run; the tool stops with a message when a
// table cannot be made within its limits.

#include <algorithm>
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

constexpr int EMPTY = -128;




struct GAME_PAIR {
    int nAway;
    int nHome;
};


struct MEMBER {
    const char* szArray;        // the array's name in the data file
    const char* szTitle;        // its comment
    int nTeams;
    int nGames;
    int nWeeks;
    int nGamesPerWeek;
    int nCellInts;              // 2, or 4 for the table of 28 teams before 1990
    std::vector<std::vector<int>> Conferences;   // division sizes, in slot order
    std::vector<GAME_PAIR> Fixed;                // week 0, games 0 ..
    int nFirstByeWeek;          // 17-week tables: weeks with teams off
    int nByeWeeks;
    int nOffPerByeWeek;
};

// Division and conference of every slot.
void Slot_Groups(const MEMBER& m, std::vector<int>* pDivision, std::vector<int>* pConference)
{
    pDivision->clear();
    pConference->clear();
    int nDivision = 0;
    for (int c = 0; c < static_cast<int>(m.Conferences.size()); ++c) {
        for (int nSize : m.Conferences[c]) {
            for (int i = 0; i < nSize; ++i) {
                pDivision->push_back(nDivision);
                pConference->push_back(c);
            }
            ++nDivision;
        }
    }
    if (static_cast<int>(pDivision->size()) != m.nTeams)
        Fail(std::string(m.szArray) + ": the divisions do not hold the teams");
}

// The games between teams of different divisions: each team gets as many as
// its season lacks after its division games.
std::vector<EDGE> Draw_Other_Games(const MEMBER& m, const std::vector<int>& Division)
{
    std::vector<int> Need(m.nTeams);
    for (int t = 0; t < m.nTeams; ++t) {
        int nRivals = 0;
        for (int u = 0; u < m.nTeams; ++u)
            nRivals += (u != t && Division[u] == Division[t]) ? 1 : 0;
        Need[t] = m.nGames - 2 * nRivals;
        if (Need[t] < 0)
            Fail(std::string(m.szArray) + ": a division is too large for the season");
    }
    for (int nTry = 0; nTry < 2000; ++nTry) {
        std::vector<EDGE> Other;
        std::vector<int> Left = Need;
        std::vector<std::vector<bool>> Met(m.nTeams, std::vector<bool>(m.nTeams, false));
        for (const GAME_PAIR& g : m.Fixed) {
            if (Division[g.nAway] == Division[g.nHome])
                continue;
            Other.push_back({g.nAway, g.nHome, true});
            --Left[g.nAway];
            --Left[g.nHome];
            Met[g.nAway][g.nHome] = Met[g.nHome][g.nAway] = true;
        }
        const bool bMade = Pair_Remaining_Games(m.nTeams, [&](int t) { return Division[t]; }, Left, Met, Other);
        if (bMade)
            return Other;
    }
    Fail(std::string(m.szArray) + ": the games between divisions cannot be drawn");
}

// Every team's week off (-1: none), nOff teams a week in the bye weeks; week
// 0's given teams are never off then.
std::vector<int> Plan_Byes(const MEMBER& m)
{
    std::vector<int> Bye(m.nTeams, -1);
    if (m.nByeWeeks == 0)
        return Bye;
    if (m.nByeWeeks * m.nOffPerByeWeek != m.nTeams)
        Fail(std::string(m.szArray) + ": the bye plan does not give every team one week off");
    std::vector<int> Teams(m.nTeams);
    for (int t = 0; t < m.nTeams; ++t)
        Teams[t] = t;
    Shuffle(Teams);
    int i = 0;
    for (int w = m.nFirstByeWeek; w < m.nFirstByeWeek + m.nByeWeeks; ++w)
        for (int k = 0; k < m.nOffPerByeWeek; ++k)
            Bye[Teams[i++]] = w;
    return Bye;
}

// [week][game] = {away, home}, EMPTY in the cells after a week's games.
using TABLE = std::vector<std::vector<GAME_PAIR>>;

TABLE Make_Table(const MEMBER& m)
{
    std::vector<int> Division;
    std::vector<int> Conference;
    Slot_Groups(m, &Division, &Conference);
    for (int nTry = 0; nTry < 40; ++nTry) {
        std::vector<EDGE> Other = Draw_Other_Games(m, Division);
        Balance_Directions(&Other, m.nTeams);

        std::vector<GAME_PAIR> Games(m.Fixed.begin(), m.Fixed.end());
        auto Is_Fixed = [&](int a, int b) {
            for (const GAME_PAIR& g : m.Fixed)
                if (g.nAway == a && g.nHome == b)
                    return true;
            return false;
        };
        for (int a = 0; a < m.nTeams; ++a)
            for (int b = 0; b < m.nTeams; ++b)
                if (a != b && Division[a] == Division[b] && !Is_Fixed(a, b))
                    Games.push_back({a, b});
        for (const EDGE& e : Other)
            if (!e.bLocked)
                Games.push_back({e.a, e.b});
        if (static_cast<int>(Games.size()) != m.nTeams * m.nGames / 2)
            Fail(std::string(m.szArray) + ": wrong number of games");

        const std::vector<int> Bye = Plan_Byes(m);
        bool bClash = false;
        for (const GAME_PAIR& g : m.Fixed)
            bClash = bClash || Bye[g.nAway] == 0 || Bye[g.nHome] == 0;
        if (bClash)
            continue;
        std::vector<int> Week;
        if (!Assign_Weeks(Games, static_cast<int>(m.Fixed.size()), m.nTeams, m.nWeeks, Bye, 3000000, 8, m.szArray, &Week))
            continue;

        TABLE Table(m.nWeeks, std::vector<GAME_PAIR>(m.nGamesPerWeek, {EMPTY, EMPTY}));
        for (int w = 0; w < m.nWeeks; ++w) {
            std::vector<int> Rest;
            int n = 0;
            for (int g = 0; g < static_cast<int>(Games.size()); ++g) {
                if (Week[g] != w)
                    continue;
                if (g < static_cast<int>(m.Fixed.size()))
                    Table[w][n++] = Games[g];
                else
                    Rest.push_back(g);
            }
            Shuffle(Rest);
            for (int g : Rest) {
                if (n >= m.nGamesPerWeek)
                    Fail(std::string(m.szArray) + ": a week holds too many games");
                Table[w][n++] = Games[g];
            }
        }
        return Table;
    }
    Fail(std::string(m.szArray) + ": no week plan found");
}

// ---------------------------------------------------------------------------
// Output

void Write_Table(std::ostringstream& Out, const MEMBER& m, const TABLE& t)
{
    const char* szType = m.nCellInts == 2 ? "int8_t" : "int16_t";
    Out << "// " << m.szTitle << ": [week][game] = {away slot, home slot"
        << (m.nCellInts == 4 ? ", day number, kick-off" : "") << "}; -128 in an empty cell.\n";
    Out << "const " << szType << " " << m.szArray << "[" << m.nWeeks << "][" << m.nGamesPerWeek << "]["
        << m.nCellInts << "] = {\n";
    for (int w = 0; w < m.nWeeks; ++w) {
        Out << "    {";
        for (int g = 0; g < m.nGamesPerWeek; ++g) {
            const GAME_PAIR& c = t[w][g];
            Out << (g ? ", " : "") << "{" << c.nAway << ", " << c.nHome;
            if (m.nCellInts == 4)
                Out << ", " << (c.nHome == EMPTY ? 0 : 10 + 7 * w) << ", " << (c.nHome == EMPTY ? 0 : 1300);
            Out << "}";
        }
        Out << "},  // week " << w << "\n";
    }
    Out << "};\n\n";
}

void Write_Order(std::ostringstream& Out, const char* szArray, const char* szTitle, const std::vector<int>& Order)
{
    Out << "// " << szTitle << ": team number to table slot.\n";
    Out << "const int8_t " << szArray << "[" << Order.size() << "] = {";
    for (size_t t = 0; t < Order.size(); ++t)
        Out << (t ? ", " : "") << Order[t];
    Out << "};\n";
}

std::string Write_All()
{
    Seed_Random_Numbers(19591972);

    std::vector<MEMBER> Members;
    Members.push_back({"SCHEDULE_12_TEAMS", "12 teams, 12 games", 12, 12, 12, 6, 2, {{6}, {6}},
                       {{0, 8}, {1, 2}, {10, 6}}, 0, 0, 0});
    Members.push_back({"SCHEDULE_26_TEAMS", "26 teams, 14 games", 26, 14, 14, 13, 2, {{5, 4, 4}, {5, 4, 4}},
                       {{11, 22}, {21, 5}, {24, 20}}, 0, 0, 0});
    Members.push_back({"SCHEDULE_28_TEAMS_14_GAMES", "28 teams, 14 games", 28, 14, 14, 14, 2,
                       {{5, 4, 5}, {5, 5, 4}}, {{18, 15}, {14, 27}, {10, 6}}, 0, 0, 0});
    Members.push_back({"SCHEDULE_28_TEAMS_BEFORE_1990", "28 teams, 16 games, before 1990", 28, 16, 16, 14, 4,
                       {{5, 4, 5}, {5, 5, 4}}, {{27, 26}, {25, 23}, {24, 18}}, 0, 0, 0});
    Members.push_back({"SCHEDULE_28_TEAMS", "28 teams, 16 games, from 1990", 28, 16, 17, 14, 2,
                       {{5, 4, 5}, {5, 5, 4}}, {}, 4, 7, 4});
    Members.push_back({"SCHEDULE_30_TEAMS", "30 teams, 16 games", 30, 16, 17, 15, 2, {{5, 5, 5}, {5, 5, 5}},
                       {{19, 18}, {27, 26}, {3, 14}}, 1, 15, 2});

    std::ostringstream Out;
    Out << "// Generated by src/tools/other_size_table_maker (do not edit by hand). To make\n"
           "// it again: cmake --build build --target other_size_table_maker &&\n"
           "//   build/other_size_table_maker src/schedule/other_size_table_data.cpp\n"
           "// The tool's comment says how the tables are made.\n\n"
           "#include \"schedule/other_size_table_data.h\"\n\n";
    for (const MEMBER& m : Members)
        Write_Table(Out, m, Make_Table(m));

    Write_Order(Out, "SCHEDULE_ORDER_1959", "1959, 12 teams", {6, 7, 4, 1, 10, 11, 8, 0, 5, 2, 9, 3});
    Write_Order(Out, "SCHEDULE_ORDER_1972", "1972, 26 teams",
                {24, 1, 4, 20, 8, 5, 13, 12, 19, 21, 7, 9, 23, 0, 18, 2, 25, 17, 3, 10, 15, 6, 11, 22, 16, 14});
    Write_Order(Out, "SCHEDULE_ORDER_1976", "1976, 28 teams",
                {25, 0, 2, 21, 6, 8, 15, 10, 20, 22, 7, 11, 23, 1, 19, 3, 26, 17, 4, 9, 18, 5, 12, 24, 27, 14, 13, 16});
    Write_Order(Out, "SCHEDULE_ORDER_1986", "1986, 28 teams",
                {27, 4, 19, 6, 5, 14, 10, 22, 20, 8, 3, 13, 9, 24, 0, 21, 2, 26, 15, 1, 17, 7, 12, 25, 11, 18, 23, 16});
    Write_Order(Out, "SCHEDULE_ORDER_1990", "1990, 28 teams",
                {27, 0, 22, 8, 5, 18, 9, 21, 20, 6, 1, 10, 11, 25, 2, 19, 3, 26, 14, 4, 15, 17, 7, 13, 24, 12, 23, 16});
    Write_Order(Out, "SCHEDULE_ORDER_1998", "1998, 30 teams",
                {19, 27, 9, 3, 26, 24, 8, 18, 11, 22, 20, 4, 6, 10, 1, 23, 0, 28, 2, 15, 13, 17, 5, 14, 25, 12, 29, 21, 7, 16});
    return Out.str();
}

}  // namespace

int main(int argc, char** argv)
{
    return table_maker::Run_Table_Maker(argc, argv, "other_size_table_maker", Write_All);
}
