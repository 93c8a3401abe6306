// Historical league averages: what was normal in the league in a given year,
// for the statistic codes the engine and the grades calibrate against.
//
// Values are in the scale of the statistic code's own result (ratios per
// mille, averages times 100 or 10).
#pragma once

constexpr int HISTORICAL_FIRST_YEAR = 1950;
constexpr int HISTORICAL_LAST_YEAR = 2024;
constexpr int HISTORICAL_YEARS = HISTORICAL_LAST_YEAR - HISTORICAL_FIRST_YEAR + 1;   // 75
constexpr int HISTORICAL_TABLE_COUNT = 9;

// The codes with a table of their own, in table order; code 113 is derived
// from 109.
extern const int HISTORICAL_STAT_CODES[HISTORICAL_TABLE_COUNT];
// The tables, indexed year - 1950.
extern const int HISTORICAL_AVERAGES[HISTORICAL_TABLE_COUNT][HISTORICAL_YEARS];

// The mean of the year's and the year before's table values (years clamp to
// 1950-2024) for codes 101, 105, 107, 109, 111, 112, 116, 121 and 124; code
// 113 is that of 109 / 10. Another code shows "Code Error" and gives 0.
int Get_Historical_Average_Stat(int nStat, int nYear);

// The league average of a code this season: the mean of
// Get_Historical_Average_Stat of the current year and the year before.
int Get_Current_Average_Stat(int nStat);

// true for a code Get_Historical_Average_Stat knows.
bool Is_Historical_Stat_Code(int nStat);
