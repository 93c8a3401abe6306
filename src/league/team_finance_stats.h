// Two blocks of every team record that screens and computer managers compare
// across teams: the financial stats (80 stored int32 codes and the computed
// codes 80-109 derived from them) and the team totals (the statistics of a
// team's games by category and season, with computed codes 101-153), plus the
// league totals and the ranks among teams.
//
// Team values: 0-40, NO_TEAM (128) and, for the financial reader, 255 (the
// league average). Franchises in use run from slot 0 to Count_Teams() - 1.
#pragma once

#include "league/league_data.h"

// ---------------------------------------------------------------------------
// Financial stat codes. Stored: 0-79. Computed by Get_Team_Financial_Stat:
// 50 and 53 (when stored 0), 80-109.

enum FINANCIAL_STAT_CODE : int {
    FINANCE_LOYALTY = 0,                 // per mille
    FINANCE_TICKET_PRICE = 1,            // cents
    FINANCE_SCOUTING_LEVEL = 2,          // per mille
    FINANCE_MEDICAL_LEVEL = 3,           // per mille
    FINANCE_FOURTH_LEVEL = 4,            // reads 1000 while owner mode is off
    FINANCE_WEEK_BROADCAST = 9,
    FINANCE_BROADCAST = 10,              // this season; 11 last season
    FINANCE_BROADCAST_LAST = 11,
    FINANCE_GAME_GATE = 12,
    FINANCE_GAME_ATTENDANCE = 13,
    FINANCE_TICKETS = 14,                // this season; 16 last season
    FINANCE_HOME_ATTENDANCE = 15,        // this season; 17 last season
    FINANCE_TICKETS_LAST = 16,
    FINANCE_HOME_ATTENDANCE_LAST = 17,
    FINANCE_ROAD_ATTENDANCE = 19,
    FINANCE_FOOD_PRICE = 20,             // 20-23: price, latest game, season, last season
    FINANCE_FOOD_GAME = 21,
    FINANCE_FOOD_SEASON = 22,
    FINANCE_FOOD_LAST = 23,
    FINANCE_BEVERAGE_PRICE = 27,         // 27-30
    FINANCE_BEVERAGE_GAME = 28,
    FINANCE_BEVERAGE_SEASON = 29,
    FINANCE_BEVERAGE_LAST = 30,
    FINANCE_SOUVENIR_PRICE = 34,         // 34-37
    FINANCE_SOUVENIR_GAME = 35,
    FINANCE_SOUVENIR_SEASON = 36,
    FINANCE_SOUVENIR_LAST = 37,
    FINANCE_OPERATING_GAME = 50,         // 50-52: latest game, season, last season
    FINANCE_OPERATING_SEASON = 51,
    FINANCE_OPERATING_LAST = 52,
    FINANCE_SALARIES_GAME = 53,          // 53-55
    FINANCE_SALARIES_SEASON = 54,
    FINANCE_SALARIES_LAST = 55,
    FINANCE_DIVIDENDS_GAME = 56,         // 56-58
    FINANCE_DIVIDENDS_SEASON = 57,
    FINANCE_DIVIDENDS_LAST = 58,
    FINANCE_SCOUTING_BUDGET = 59,        // per game
    FINANCE_SCOUTING_SEASON = 60,
    FINANCE_SCOUTING_LAST = 61,
    FINANCE_MEDICAL_BUDGET = 62,         // per game
    FINANCE_MEDICAL_SEASON = 63,
    FINANCE_MEDICAL_LAST = 64,
    FINANCE_CASH = 68,                   // dollars
    FINANCE_FRANCHISE_VALUE = 69,        // thousands of dollars
    FINANCE_HOME_GAMES = 70,             // this season; 71 last season
    FINANCE_HOME_GAMES_LAST = 71,
    FINANCE_GAMES = 72,                  // this season; 73 last season
    FINANCE_GAMES_LAST = 73,
    FINANCE_BONUS_POINTS = 74,

    FINANCE_EXPENSES = 80,
    FINANCE_EXPENSES_LAST = 81,
    FINANCE_REVENUE = 82,
    FINANCE_REVENUE_LAST = 83,
    FINANCE_PROFIT = 84,
    FINANCE_PROFIT_LAST = 85,
    FINANCE_RUNNING_COSTS = 86,          // operating + salaries + scouting + medical
    FINANCE_RUNNING_COSTS_LAST = 87,
    FINANCE_BONUS_PAYROLL = 88,          // $K
    FINANCE_PAYROLL = 89,                // $K
    FINANCE_CAP_ROOM = 90,               // $K
    FINANCE_OVERHEAD = 91,
    FINANCE_AVERAGE_ATTENDANCE = 92,
    FINANCE_AVERAGE_ROAD_ATTENDANCE = 93,
    FINANCE_AVERAGE_SALARY = 94,         // $K
    FINANCE_AVERAGE_AGE = 95,            // tenths of a year
    FINANCE_AVERAGE_CONTRACT = 96,       // years
    FINANCE_LIQUIDITY = 97,
    FINANCE_CASH_INDEX = 98,
    FINANCE_PAYROLL_INDEX = 99,
    FINANCE_VALUE_INDEX = 100,
    FINANCE_PROJECTED_REVENUE = 101,
    FINANCE_PROJECTED_EXPENSES = 102,
    FINANCE_PROJECTED_PROFIT = 103,
    FINANCE_AVERAGE_BONUS = 104,         // $K
    FINANCE_CONCESSIONS_GAME = 105,
    FINANCE_CONCESSIONS = 106,
    FINANCE_CONCESSIONS_LAST = 107,
    FINANCE_MEDICAL_SEASON_BUDGET = 108,
    FINANCE_SCOUTING_SEASON_BUDGET = 109,
};

constexpr int LAST_FINANCIAL_CODE = 109;
constexpr int FINANCE_CASH_MINIMUM = -100000000;
constexpr int FINANCE_CASH_MAXIMUM = 1000000000;
constexpr int FINANCE_LEVEL_STANDARD = 1000;   // levels while owner mode is off

// ---------------------------------------------------------------------------
// Financial stats

// Code n (0-109) of team 0-40, in this order: while owner mode (preference 51)
// is not 1, codes 0, 2, 3 and 4 give 1000 and code 68 the inflated base;
// team 255 gives the average over the teams in use (0 with none); NO_TEAM
// gives 0; codes 50-109 are computed as documented at FINANCIAL_STAT_CODE,
// the rest are stored values. A bad team or code is reported and gives 0.
int Get_Team_Financial_Stat(int nTeam, int nStat);
// While a pass over the players' contracts runs (the calls nest), each
// club's payroll (code 89 under the own-roster rule) is kept and worked out
// again only after Set_Player_Vital_Stat stored into its roster. The pass
// must change nothing else a payroll reads: the cap, the money level, the
// payroll mode, or records copied in whole.
void Begin_Payroll_Memo();
// The payroll (code 89) of team 0-40 with the player of roster place nSlot
// left out, as if the place were empty: what everyone else's charges come
// to. A bad address is reported and gives 0.
int64_t Get_Team_Payroll_Without_Player(int nTeam, int nSlot);
void End_Payroll_Memo();
// The stored value of code 0-79 of team 0-40 as it is, whatever owner mode
// is. A bad team or code is reported and gives 0.
int Get_Team_Stored_Financial_Stat(int nTeam, int nStat);

// Stores code 0-79 of team 0-36; cash (code 68) is held within
// FINANCE_CASH_MINIMUM..FINANCE_CASH_MAXIMUM. NO_TEAM is ignored; any other
// bad team or code is reported and nothing is stored.
void Set_Team_Financial_Stat(int nTeam, int nStat, int nValue);

// (2 x teams with a greater value + teams with an equal value, this team
// included) / 2 over the teams in use: 0 is the best.
int Get_Team_Financial_Stat_Rank(int nTeam, int nStat);

// Zeroes this season's running codes 10, 14, 15, 19, 22, 29, 36, 51, 54, 57,
// 60, 63, 70 and 72 of team 0-36 (the last-season codes are left alone).
void Clear_Previous_Financial_Stats(int nTeam);

// ---------------------------------------------------------------------------
// Team totals: (category 0-7, season 0-2, stat 0-19)

enum TEAM_TOTALS_CATEGORY : int {
    TOTALS_BACKS = 0,          // running backs, fullbacks, tight ends, wide receivers
    TOTALS_DEFENSE = 1,        // defensive ends to safeties
    TOTALS_KICKERS = 2,        // kickers and punters
    TOTALS_QUARTERBACKS = 3,
    TOTALS_OPPONENTS = 4,      // + 0..3: the same groups of the opponents (allowed)
};
constexpr int TOTALS_QUARTERBACK_OFFSET = 3;   // category c + 3 joins the quarterbacks to c

enum TEAM_TOTALS_SEASON : int {
    TOTALS_THIS_SEASON = 0,
    TOTALS_LAST_SEASON = 1,
    TOTALS_ALL_SEASONS = 2,    // running total, cleared only with the whole block
};

// Stored stats 0-19; computed codes 101, 103, 112, 113, 131-135, 143, 147,
// 148 and 153 (any other code 0). Categories c + 3 of 8 or more add nothing.
// A bad team, category, season or negative stat is reported and gives 0;
// NO_TEAM gives 0.
int Get_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat);
// Get_Team_Totals_Stat without the inline shortcut below: every check and case.
int Read_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat);

// Stores stat 0-19 of team 0-40. NO_TEAM is ignored; a bad team, category,
// season or stat is reported (in that order) and nothing is stored.
void Set_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat, int nValue);
// Set_Team_Totals_Stat without the inline shortcut below.
void Store_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat, int nValue);

// The game engine adds to a club's totals on every credited statistic: a
// stored statistic at a sound address is read and stored here at once.
inline bool Is_Stored_Team_Total(int nTeam, int nCategory, int nSeason, int nStat)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM && nCategory >= 0 && nCategory < TEAM_TOTAL_CATEGORIES && nSeason >= 0 &&
           nSeason < TEAM_TOTAL_SEASONS && nStat >= 0 && nStat < STATS_PER_PERIOD;
}

inline int Get_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat)
{
    if (Is_Stored_Team_Total(nTeam, nCategory, nSeason, nStat))
        return League.Team[nTeam].nTotals[nCategory][nSeason][nStat];
    return Read_Team_Totals_Stat(nTeam, nCategory, nSeason, nStat);
}

inline void Set_Team_Totals_Stat(int nTeam, int nCategory, int nSeason, int nStat, int nValue)
{
    if (Is_Stored_Team_Total(nTeam, nCategory, nSeason, nStat))
        League.Team[nTeam].nTotals[nCategory][nSeason][nStat] = nValue;
    else
        Store_Team_Totals_Stat(nTeam, nCategory, nSeason, nStat, nValue);
}

// Adds nValue to stored statistic nStat of this season and of all seasons,
// as Get_Team_Totals_Stat then Set_Team_Totals_Stat of each would: one check
// for both on the game engine's every credited statistic.
inline void Add_To_Team_Totals_Stat(int nTeam, int nCategory, int nStat, int nValue)
{
    if (Is_Stored_Team_Total(nTeam, nCategory, TOTALS_THIS_SEASON, nStat)) {
        auto& nSeasons = League.Team[nTeam].nTotals[nCategory];
        nSeasons[TOTALS_THIS_SEASON][nStat] = nSeasons[TOTALS_THIS_SEASON][nStat] + nValue;
        nSeasons[TOTALS_ALL_SEASONS][nStat] = nSeasons[TOTALS_ALL_SEASONS][nStat] + nValue;
        return;
    }
    for (int nSeason : {TOTALS_THIS_SEASON, TOTALS_ALL_SEASONS})
        Set_Team_Totals_Stat(nTeam, nCategory, nSeason, nStat,
                             Get_Team_Totals_Stat(nTeam, nCategory, nSeason, nStat) + nValue);
}

// Zeroes the whole totals block of team 0-40 (every category and season,
// the running total of all seasons too). NO_TEAM and a bad team are reported
// and nothing is cleared.
void Clear_Team_Totals(int nTeam);
// Zeroes season 0 of all 8 categories of team 0-40.
void Clear_Team_Totals_Season(int nTeam);

// Season 1 of every category and stat := season 0 (team 0-40).
void Copy_Team_Totals_To_Last_Season(int nTeam);

// Stored stats 0-19 summed over the teams in use; the league codes 101, 107,
// 111, 112, 113, 122-124, 131-135, 143, 147, 148 and 153 computed from those
// sums. Any other code reports "Unrecognized nStat in Get_League_Total(...)"
// and gives 0.
int Get_League_Total(int nCategory, int nSeason, int nStat);

// The number of teams in use whose season-0 value of (category, stat) is
// greater than this team's: 0 is the best.
int Get_Team_Totals_Stat_Rank(int nTeam, int nCategory, int nStat);
