// The salary cap of each season year, the inflation factor that scales every
// money amount of the league, and the year-dependent rules (games per
// season, wild cards, overtime and field rules, the 1970 league exchange)
// that switch when a new game is set up, an older file is brought up to date
// or a new season starts.
//
// The season year is the first season's year (universe stat 3) plus the
// season index (preference 22).
#pragma once

#include <cstdint>

// The 2023 cap in dollars: the money level every amount is stated at.
constexpr int BASE_SALARY_CAP = 224800000;
constexpr int FIRST_TABLE_CAP_YEAR = 1994;
constexpr int LAST_TABLE_CAP_YEAR = 2023;

// The cap of a season year in dollars: 4% less per year (compounded) before
// 1994, the table for 1994-2023, then 3% of the 2023 cap added per year for
// at most 30 years. A result outside 1,000,000..1,000,000,000 is reported and
// returned all the same.
int Get_Season_Salary_Cap(int nYear);

// Universe stat 9 := the cap setting (or, without a cap, the season's table
// cap) x 1000 / 224,800,000, rounded.
void Update_Inflation_Factor();

// Raises the cap setting for a new season towards the year's table cap
// (damped by the finance index, rounded to the price step); it never falls,
// and a league without a cap keeps none. With bAsk the user may refuse.
void Update_Salary_Cap(int bAsk);

// Games per season by year: 12 before 1961, 14 to 1977, 16 to 2020, then 17.
int Get_Regular_Season_Games(int nYear);

// Wild-card teams per conference by year: none before 1970, 1 to 1977, 2 to
// 1989, 3 to 2001, 2 to 2019, then 3.
int Get_Year_Wild_Card_Teams(int nYear);

// The 17-game season is played only by a league of 32 clubs.
constexpr int SEVENTEEN_GAME_SEASON = 17;
constexpr int SEVENTEEN_GAME_LEAGUE_CLUBS = 32;

// Games per season by year (Get_Regular_Season_Games; 16 instead of 17 for
// a league of other than 32 clubs) and wild-card teams per conference by
// year, stored in the universe stats.
void Update_Games_Per_Season(int bAsk);
void Update_Wild_Card_Teams(int bAsk);

// The whole roll of rules for the current season year: league flags, the
// cap and the 1970 league exchange (after the first season), the inflation
// factor, the rule preferences, games per season, wild cards, the finance
// index and the league per-game amount.
void Apply_Season_Rule_Changes();

// The first Count_Teams() franchise slots become computer-run (team stat 2
// := 0), the rest of slots 0-35 not in use (-1).
void Reset_Team_Controllers();

// Single rules of the current season year, for bringing an older game file
// up to date.
// Overtime period: 15 minutes before 2017, else 10.
void Update_Overtime_Period_Rule();
// Two-point tries: allowed from 1994.
void Update_Two_Point_Rule();
// Regular-season overtime (on from 1974), the playoff overtime rule (3 from
// 2010, else 2) and the regular-season overtime rule (1 from 2013, else 0).
void Update_Overtime_Rules();
// Kick-off spot rule: 0 for 1994-2010, else 1 from 1974, 2 before.
void Update_Kickoff_Spot_Rule();
// Spot after a missed field goal: 2 before 1974, 1 for 1974-1993, 0 from 1994.
void Update_Missed_Field_Goal_Spot_Rule();
