// The all-time leader tables kept at the end of the league block, and the
// players' values of the 30 leader statistics they rank.
//
// Three tables (0 careers, 1 single seasons, 2 single games) of 30 lists,
// one per leader statistic, of 21 entries each, best first:
// 3 x 30 x 21 entries of 52 bytes = 98,280 bytes, table after table, list
// after list. Entries that came from outside files carry team NO_TEAM.
#pragma once

#include <cstddef>
#include <cstdint>

#include "league/league_data.h"
#include "league/player_lookup.h"

constexpr int LEADER_TABLE_COUNT = 3;
constexpr int LEADER_TABLE_CAREER = 0;
constexpr int LEADER_TABLE_SEASON = 1;
constexpr int LEADER_TABLE_GAME = 2;
constexpr int LEADER_STAT_COUNT = 30;
constexpr int LEADER_LIST_LENGTH = 21;

// Periods of Get_Player_Leader_Stat.
constexpr int LEADER_PERIOD_THIS_SEASON = 0;
constexpr int LEADER_PERIOD_LAST_SEASON = 1;
constexpr int LEADER_PERIOD_CAREER = 2;

// The leader statistics, in the order of the leaders' heading list.
enum LEADER_STAT : int {
    LEADER_PASSING_ATTEMPTS = 0,
    LEADER_COMPLETIONS = 1,
    LEADER_PASSING_YARDS = 2,
    LEADER_COMPLETION_PERCENT = 3,     // per mille
    LEADER_PASSING_TDS = 4,
    LEADER_YARDS_PER_ATTEMPT = 5,      // x 100
    LEADER_QUARTERBACK_RATING = 6,     // x 10
    LEADER_PASSING_PER_GAME = 7,       // yards per game played, x 10
    LEADER_KICK_RETURN_AVERAGE = 8,    // x 10
    LEADER_KICK_RETURN_TDS = 9,
    LEADER_RUSHES = 10,
    LEADER_RUSH_YARDS = 11,
    LEADER_RUSHING_TDS = 12,
    LEADER_YARDS_PER_RUSH = 13,        // x 100
    LEADER_RECEPTIONS = 14,
    LEADER_RECEIVING_YARDS = 15,
    LEADER_RECEIVING_TDS = 16,
    LEADER_YARDS_PER_RECEPTION = 17,   // x 10
    LEADER_CATCH_RATE = 18,            // receptions per target, per mille
    LEADER_PUNT_RETURN_AVERAGE = 19,   // x 10
    LEADER_PUNT_RETURN_TDS = 20,
    LEADER_TACKLES = 21,               // solo + assisted
    LEADER_PASSES_DEFENDED = 22,
    LEADER_FUMBLES_FORCED = 23,
    LEADER_SACKS = 24,
    LEADER_INTERCEPTIONS = 25,
    LEADER_FIELD_GOALS = 26,
    LEADER_FIELD_GOAL_PERCENT = 27,    // per mille
    LEADER_PUNT_AVERAGE = 28,          // x 10
    LEADER_CAP_IMPACT = 29,            // cap charge of the year, thousands
};

// One list entry, saved with the league.
struct LEADER_ENTRY {
    char szLastName[20];   // NUL-terminated
    char szFirstName[12];  // NUL-terminated
    int32_t nPlayerID;     // -1 player not found, 0 empty entry or not linked
    int32_t nValue;
    int32_t nSeasons;      // seasons played (vital stat 8) at the update
    uint8_t nAge;          // whole years at the update
    int8_t nWeek;          // week of the update
    int16_t nYear;         // year of the update
    uint8_t nTeam;         // NO_TEAM for entries from outside files
    uint8_t Padding[3];
};
static_assert(sizeof(LEADER_ENTRY) == 52);
static_assert(offsetof(LEADER_ENTRY, szLastName) == 0);
static_assert(offsetof(LEADER_ENTRY, szFirstName) == 20);
static_assert(offsetof(LEADER_ENTRY, nPlayerID) == 32);
static_assert(offsetof(LEADER_ENTRY, nValue) == 36);
static_assert(offsetof(LEADER_ENTRY, nSeasons) == 40);
static_assert(offsetof(LEADER_ENTRY, nAge) == 44);
static_assert(offsetof(LEADER_ENTRY, nWeek) == 45);
static_assert(offsetof(LEADER_ENTRY, nYear) == 46);
static_assert(offsetof(LEADER_ENTRY, nTeam) == 48);
static_assert(static_cast<size_t>(LEADER_TABLE_COUNT) * LEADER_STAT_COUNT * LEADER_LIST_LENGTH * sizeof(LEADER_ENTRY) ==
              LEADER_TABLES_SIZE);
static_assert(offsetof(LEAGUE_DATA, LeaderTables) + LEADER_TABLES_SIZE == LEAGUE_DATA_SIZE);

using LEADER_LIST = LEADER_ENTRY[LEADER_LIST_LENGTH];

// ---------------------------------------------------------------------------
// The stored lists. A bad table or statistic is reported; the read then
// gives an empty list and the write stores nothing.

bool Read_Leader_List(int nTable, int nStat, LEADER_LIST& List);
bool Write_Leader_List(int nTable, int nStat, const LEADER_LIST& List);
// One entry (place 0-20); false and a report for a bad argument.
bool Get_Leader_Entry(int nTable, int nStat, int nPlace, LEADER_ENTRY* pOut);
bool Set_Leader_Entry(int nTable, int nStat, int nPlace, const LEADER_ENTRY& Entry);

// ---------------------------------------------------------------------------
// Entries and players

// Stores the text in a name field, cut to fit and NUL-terminated.
void Set_Leader_Entry_Names(LEADER_ENTRY* pEntry, const char* szLast, const char* szFirst);
// Copies the player's stored names (an empty name stays empty).
void Copy_Player_Names_To_Leader_Entry(LEADER_ENTRY* pEntry, int nTeam, int nSlot);
// Byte comparison of the names ignoring ASCII case, as strcmp orders.
int Compare_Leader_Name_Text(const char* pA, size_t nSizeA, const char* pB, size_t nSizeB);
// Both names equal (ignoring case) to the player's stored names.
bool Leader_Entry_Has_Player_Names(const LEADER_ENTRY& Entry, int nTeam, int nSlot);
// An entry without a last or a first name (F20: never matched by name).
bool Is_Leader_Entry_Nameless(const LEADER_ENTRY& Entry);

// Indexes every player of the franchises in use and of slots 36-40 by his
// names (ignoring case); the lookup below answers from that index.
void Build_Leader_Name_Index();
// The first indexed player (team order, then slot order) whose names equal
// the entry's; false for a nameless entry or when none does.
bool Find_Player_By_Leader_Names(const LEADER_ENTRY& Entry, PLAYER_LOCATION* pOut);

// Statistics record 2 (career) of a player as stored, and stored back,
// without the repairs the statistics reader makes on a read.
void Copy_Player_Career_Record(int nTeam, int nSlot, int32_t (&nOut)[STATS_PER_PERIOD]);
void Store_Player_Career_Record(int nTeam, int nSlot, const int32_t (&nIn)[STATS_PER_PERIOD]);

// ---------------------------------------------------------------------------
// Leader statistics

// The player's value of leader statistic 0-29 for period 0 (this season),
// 1 (last season) or 2 (career). 0 for statistics 30 and above, for slots
// not in use, for positions above 14, for positions that cannot lead in the
// statistic, and for a rate whose player does not reach its qualifying
// minimum. Rates are scaled as LEADER_STAT says.
int Get_Player_Leader_Stat(int nTeam, int nSlot, int nLeaderStat, int nPeriod);
// The same value for the season of nYear: this season's record for the
// current year, else the sum of his professional season lines of that year
// (a traded player's lines together), its rate minimums counted over a full
// season; last season without a line of his, last season's record. 0 for
// another year without a line of his.
int Get_Player_Year_Leader_Stat(int nTeam, int nSlot, int nLeaderStat, int nYear);
// His best single season in the statistic (this season, last season and
// every year of his professional lines); *pYear (when given) its year, the earliest of
// equal values; 0 and year 0 when no season has a value above 0.
int Get_Player_Best_Season_Leader_Stat(int nTeam, int nSlot, int nLeaderStat, int* pYear);

// The qualifying minimum of a rate statistic in thousandths of an attempt
// (or return, punt ...) per team game; 0 for a statistic without one.
int Get_Leader_Stat_Minimum_Per_Mille(int nLeaderStat);
// The team games a period's minimum is counted over: this season the games
// his team has played, last season a full season, a career his own games
// played; never below 1.
int Get_Leader_Stat_Team_Games(int nTeam, int nSlot, int nPeriod);
