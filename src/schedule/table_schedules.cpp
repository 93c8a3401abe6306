#include "schedule/table_schedules.h"

#include <array>

#include "base/random.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "schedule/schedule_tables.h"

namespace {

constexpr int TABLE_SLOTS = 32;
constexpr int SLOTS_2001 = 31;
constexpr int WEEKS_17_GAMES = 18;
constexpr int WEEKS_16_GAMES = 17;
constexpr int GAMES_A_WEEK = 16;
constexpr int GAMES_A_WEEK_2001 = 15;
constexpr int AWAY_INT = 0;
constexpr int HOME_INT = 1;
constexpr int DAY_INT = 2;
constexpr int KICKOFF_INT = 3;
constexpr int TEAMS_PER_DIVISION = 4;
constexpr int FIRST_ROTATED_YEAR = 2024;
constexpr int ROTATION_BASE_YEAR = 2022;
constexpr int FIRST_ORDER_YEAR = 2014;
constexpr int LAST_ORDER_YEAR = 2023;
constexpr int FIRST_YEAR_TABLE = 2002;
constexpr int LAST_YEAR_TABLE = 2008;
constexpr int BLOCK_SLOTS = 5;

constexpr const char* ASSERT_CAPTION = "Assert Error";

// Which team sits in each table slot; NO_TEAM where none does (an order
// that is no permutation, a team without a place).
struct SLOT_MAP {
    std::array<int, TABLE_SLOTS> nTeam;
    int nSlots;

    explicit SLOT_MAP(int nSlotCount) : nSlots(nSlotCount) { nTeam.fill(NO_TEAM); }

    // Only slots of the table are written; a slot already held keeps its team.
    void Put(int nSlot, int nTeamNumber)
    {
        if (nSlot >= 0 && nSlot < nSlots && nTeam[nSlot] == NO_TEAM)
            nTeam[nSlot] = nTeamNumber;
    }
    int Team_At(int nSlot) const { return nSlot >= 0 && nSlot < nSlots ? nTeam[nSlot] : NO_TEAM; }
};

int Positive_Mod(int n, int m)
{
    const int r = n % m;
    return r < 0 ? r + m : r;
}

// Teams 0 to the table's last slot that are in use.
int Teams_To_Place(int nSlots)
{
    const int nTeams = Count_Teams();
    return nTeams < nSlots ? nTeams : nSlots;
}

// The team of one int of a cell: NO_TEAM for an empty int and, after the
// box, for any other negative value.
int Cell_Team(const SLOT_MAP& Map, int nValue, const char* szWhat)
{
    if (nValue == SCHEDULE_NO_VALUE)
        return NO_TEAM;
    if (nValue < 0) {
        Show_Formatted_Message(ASSERT_CAPTION, "%s", szWhat);
        return NO_TEAM;
    }
    return Map.Team_At(nValue);
}

// A game is entered only between two teams; a cell with an empty or bad
// int gives no game.
void Enter_Game(int nHome, int nAway, int nWeek, int nDay, int nKickoff)
{
    if (nHome == NO_TEAM || nAway == NO_TEAM)
        return;
    Schedule_Game(nHome, nAway, nWeek, nDay, nKickoff);
}

int Place_Of(int nTeam)
{
    const int nPlace = Get_Team_Division_Place(nTeam);
    return nPlace < 0 ? SCHEDULE_NO_VALUE : nPlace;
}

// The tables pair slots 4g .. 4g+3 as division g. A fixed order maps the
// team numbers of the league the tables were made for; a league numbered
// another way (the default league numbers its clubs by division) would have
// its divisions scattered over the table and rivals who never meet. So the
// order is taken only when every division's clubs land in one such group.
bool Order_Keeps_Divisions(int nOrder)
{
    const int nTeams = Teams_To_Place(TABLE_SLOTS);
    std::array<int, TABLE_SLOTS> nGroupOfDivision;
    nGroupOfDivision.fill(NO_TEAM);
    std::array<bool, TABLE_SLOTS> bSlotUsed{};
    for (int t = 0; t < nTeams; ++t) {
        const int nSlot = Get_Team_Schedule_Order(nOrder, t);
        const int nDivision = Get_Team_Division(t);
        if (nSlot < 0 || nSlot >= TABLE_SLOTS || bSlotUsed[nSlot] || nDivision < 0 || nDivision >= TABLE_SLOTS)
            return false;
        bSlotUsed[nSlot] = true;
        const int nGroup = nSlot / TEAMS_PER_DIVISION;
        if (nGroupOfDivision[nDivision] == NO_TEAM)
            nGroupOfDivision[nDivision] = nGroup;
        else if (nGroupOfDivision[nDivision] != nGroup)
            return false;
    }
    return true;
}

}  // namespace

int Rotate_Schedule_Slot(int nSlot, int nYear)
{
    const int d = nYear - ROTATION_BASE_YEAR;
    if (nSlot >= 4 && nSlot <= 15) {
        nSlot += 4 * Positive_Mod(d, 3);
        return nSlot > 15 ? nSlot - 12 : nSlot;
    }
    if (nSlot >= 16 && nSlot <= 31) {
        nSlot += 4 * Positive_Mod(d, 4);
        if (nSlot > 31)
            nSlot -= 16;
        if (Positive_Mod(d, 4) == 2) {
            if (nSlot >= 20 && nSlot <= 23)
                nSlot += 4;
            else if (nSlot >= 24 && nSlot <= 27)
                nSlot -= 4;
        }
    }
    return nSlot;
}

int Get_Team_Division_Slot(int nTeam)
{
    const int nPlace = Place_Of(nTeam);
    if (nPlace < 0)
        return SCHEDULE_NO_VALUE;
    return TEAMS_PER_DIVISION * Get_Team_Division(nTeam) + nPlace;
}

int Get_Team_League_Slot(int nTeam)
{
    const int nPlace = Place_Of(nTeam);
    if (nPlace < 0)
        return SCHEDULE_NO_VALUE;
    const int nDivision = Get_Team_Division(nTeam);
    const int nTeams = Count_Teams();
    int nLower = 0;
    for (int t = 0; t < nTeams; ++t)
        if (Get_Team_Division(t) < nDivision)
            ++nLower;
    return nPlace + nLower;
}

void Fill_Schedule()
{
    const int nYear = Get_Current_Year();
    SLOT_MAP Map(TABLE_SLOTS);
    const int nTeams = Teams_To_Place(TABLE_SLOTS);
    const int nOrder = TEAM_SCHEDULE_ORDER_2014 + nYear - FIRST_ORDER_YEAR;
    const bool bFixedOrder = nYear >= 2021 && nYear <= 2023 && Order_Keeps_Divisions(nOrder);
    for (int t = 0; t < nTeams; ++t)
        Map.Put(bFixedOrder ? Get_Team_Schedule_Order(nOrder, t) : Get_Team_Division_Slot(t), t);

    static const int PAIRING_TABLE[3] = {SCHEDULE_TABLE_R3_0, SCHEDULE_TABLE_R3_1, SCHEDULE_TABLE_R3_2};
    const int nTable = PAIRING_TABLE[Positive_Mod(nYear, 3)];
    const bool bOdd = Positive_Mod(nYear, 2) == 1;
    const int nDayTable = bOdd ? SCHEDULE_TABLE_R3_2 : SCHEDULE_TABLE_R3_0;
    const int nDayShift = bOdd ? 6 : 5;

    for (int w = 0; w < WEEKS_17_GAMES; ++w) {
        for (int g = 0; g < GAMES_A_WEEK; ++g) {
            int nSide[2] = {NO_TEAM, NO_TEAM};
            for (int i : {AWAY_INT, HOME_INT}) {
                int v = Get_Schedule_Opponent(nTable, w, g, i);
                if (v != SCHEDULE_NO_VALUE && nYear >= FIRST_ROTATED_YEAR)
                    v = Rotate_Schedule_Slot(v, nYear);
                nSide[i] = Cell_Team(Map, v, "Get_Schedule_Opponent() returned negative in Fill_Schedule()");
            }
            // A remainder outside 0-6 (an empty day cell) becomes Sunday.
            const int nDay = (Get_Schedule_Opponent(nDayTable, w, g, DAY_INT) - nDayShift) % 7;
            const int nKickoff = Get_Schedule_Opponent(nDayTable, w, g, KICKOFF_INT);
            Enter_Game(nSide[HOME_INT], nSide[AWAY_INT], w, nDay, nKickoff);
        }
    }
}

void Fill_Schedule_16_Games()
{
    const int nYear = Get_Current_Year();
    SLOT_MAP Map(TABLE_SLOTS);
    const int nTeams = Teams_To_Place(TABLE_SLOTS);
    int nOrder = -1;
    if (nYear >= FIRST_ORDER_YEAR && nYear <= LAST_ORDER_YEAR)
        nOrder = TEAM_SCHEDULE_ORDER_2014 + nYear - FIRST_ORDER_YEAR;
    else if (nYear < FIRST_ROTATED_YEAR)
        nOrder = TEAM_SCHEDULE_ORDER_MOD12_0 + Positive_Mod(nYear, 12);
    if (nOrder >= 0 && !Order_Keeps_Divisions(nOrder))
        nOrder = -1;
    for (int t = 0; t < nTeams; ++t)
        Map.Put(nOrder >= 0 ? Get_Team_Schedule_Order(nOrder, t) : Get_Team_Division_Slot(t), t);

    const int nTable = nYear >= FIRST_YEAR_TABLE && nYear <= LAST_YEAR_TABLE
                           ? SCHEDULE_TABLE_Y2002 + nYear - FIRST_YEAR_TABLE
                           : SCHEDULE_TABLE_R12_0 + Positive_Mod(nYear, 12);
    for (int w = 0; w < WEEKS_16_GAMES; ++w) {
        for (int g = 0; g < GAMES_A_WEEK; ++g) {
            int nSide[2] = {NO_TEAM, NO_TEAM};
            for (int i : {AWAY_INT, HOME_INT})
                nSide[i] = Cell_Team(Map, Get_Schedule_Opponent(nTable, w, g, i),
                                     "Get_Schedule_Opponent() returned negative in Fill_Schedule()");
            Enter_Game(nSide[HOME_INT], nSide[AWAY_INT], w, -1, -1);
        }
    }
}

void Generate_Schedule()
{
    const int nYear = Get_Current_Year();
    SLOT_MAP Map(SLOTS_2001);
    const int nTeams = Teams_To_Place(SLOTS_2001);
    for (int t = 0; t < nTeams; ++t)
        Map.Put(nYear == 2001 ? Get_2001_NFL_Team_Schedule_Order(t) : Get_Team_League_Slot(t), t);

    if (nYear != 2001) {
        // Divisions of five trade their slots: the first conference's two
        // blocks, then the second's three.
        static const int FIRST_STARTS[6] = {0, 11, 0, 11, 0, 11};
        static const int SECOND_STARTS[6] = {16, 21, 26, 16, 21, 26};
        for (const int* pStarts : {FIRST_STARTS, SECOND_STARTS}) {
            for (int n = 0; n < 3; ++n) {
                const int a = pStarts[Get_Random_Below(6)];
                const int b = pStarts[Get_Random_Below(6)];
                for (int i = 0; i < BLOCK_SLOTS; ++i)
                    std::swap(Map.nTeam[a + i], Map.nTeam[b + i]);
            }
        }
    }

    for (int w = 0; w < WEEKS_16_GAMES; ++w) {
        for (int g = 0; g < GAMES_A_WEEK_2001; ++g) {
            int nSide[2] = {NO_TEAM, NO_TEAM};
            for (int i : {AWAY_INT, HOME_INT})
                nSide[i] = Cell_Team(Map, Get_2001_NFL_Schedule_Opponent(w, g, i),
                                     "Get_2001_NFL_Schedule_Opponent() returned negative in Generate_Schedule()");
            Enter_Game(nSide[HOME_INT], nSide[AWAY_INT], w, -1, -1);
        }
    }
}
