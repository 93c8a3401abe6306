// League-wide per-season totals gathered while databases are built, and
// "HistoricalStats.txt", which lays them out as per-year table entries
// ("%d, // %d": the figure, then the year) for the program's era tables.
//
// Thirteen totals per year, 64-bit, for the years 1950-2023 (a build of year
// Y gathers the season Y - 1, so 1951 feeds 1950); other years are ignored.
// They belong to the process, are never saved with a league, and add up over
// the builds of one run. Each year is fed once, from the record-season
// rebuild of the build of the year after; that build first clears it
// (Reset_Historical_Totals_For_Build), so building a year twice does not
// double it.
#pragma once

#include <cstdint>

constexpr const char* HISTORICAL_STATS_FILE = "HistoricalStats.txt";
constexpr int HISTORICAL_TOTALS_FIRST_YEAR = 1950;
constexpr int HISTORICAL_TOTALS_LAST_YEAR = 2023;
// The years the file shows.
constexpr int HISTORICAL_FILE_FIRST_YEAR = 1951;
constexpr int HISTORICAL_FILE_LAST_YEAR = 2022;
constexpr int HISTORICAL_SECTION_COUNT = 13;

enum HISTORICAL_TOTAL : int {
    HISTORICAL_PASS_ATTEMPTS = 0,
    HISTORICAL_COMPLETIONS = 1,
    HISTORICAL_INTERCEPTIONS = 2,
    HISTORICAL_PASS_YARDS = 3,
    HISTORICAL_PASS_TOUCHDOWNS = 4,
    HISTORICAL_RUSH_ATTEMPTS = 5,
    HISTORICAL_RUSH_YARDS = 6,
    HISTORICAL_RECEPTIONS = 7,
    HISTORICAL_YARDS_AFTER_CATCH = 8,
    HISTORICAL_SOLO_TACKLES = 9,
    HISTORICAL_ASSISTS = 10,
    HISTORICAL_SACKS = 11,
    HISTORICAL_KNOCKDOWNS = 12,
    HISTORICAL_TOTAL_COUNT = 13,
};

// Adds one statistic of a player's season to the totals of its year, by his
// position: a quarterback's passing (2 attempts, 3 completions, 4
// interceptions, 5 yards, 6 touchdowns) and rushing (7, 8); the other backs'
// and receivers' rushing (7, 8), receptions (10) and yards after catch (6);
// a defender's solo tackles (2), assists (3), sacks (4, half sacks halved)
// and knockdowns (6). Only the season before the first season year counts.
void Add_To_Historical_Totals(int nTeam, int nSlot, int nYear, int nStat, int nValue);
// The 20 statistics of a season line with its year (line -1: year 0).
void Copy_Season_Line_To_Historical_Totals(int nTeam, int nSlot, int nLine);
// Clears the totals of the season a build of nBuiltYear gathers (nBuiltYear
// - 1); the builder calls it before it reads that year.
void Reset_Historical_Totals_For_Build(int nBuiltYear);
// Clears every year.
void Clear_All_Historical_Totals();
// One total of a year; 0 outside the years kept or for an unknown total.
int64_t Get_Historical_Total(int nTotal, int nYear);

// Franchises of the outside league in a year: 12 before 1960, 13 in 1960, 22
// in 1961-1965, 24 in 1966, 25 in 1967, 26 in 1968-1975, 28 in 1976-1994, 30
// in 1995, 31 in 1996-2001, 32 from 2002.
int Get_League_Size_For_Year(int nYear);

// Writes HISTORICAL_STATS_FILE in the current folder: 13 sections, each an
// empty line, its title and one line per year 1951-2022 (74 lines). Per-team
// sections divide by the league size; ratios are rounded (0 for a divisor of
// 0). Written beside the old file and renamed over it; false, after a
// "File Error" box naming the file, when it could not be written.
bool Write_Historical_Stats();
