// The all-time leader files: the three leader tables of the league (careers,
// single seasons, single games; league/leader_tables.h) written as CSV files
// and read back.
//
// One file per year, table and leader statistic:
//   "Input/Leaders/<year>-<table>-<statistic>.csv"
// with <table> "Career", "Season" or "Game" and <statistic> the key of
// LEADER_STAT_KEYS ("Passing_Yards", "Sacks" ...), e.g.
// "Input/Leaders/2010-Career-Rushing_Yards.csv". Its header is
//   "Year,ID,First,Last,<statistic>,Week,Age,Experience"
// (the header format "Year,ID,First,Last,%s,%s,Age,Experience" with the
// statistic's key and "Week"), then one row per entry, best first, at most
// 21: the year and week of the entry, the player's external ID (empty when
// he has none), his first and last name, the value in the statistic's own
// scale (see LEADER_STAT), his age and his credited seasons. A field holding
// a comma or a double quote is quoted.
//
// Entries read from a file carry team NO_TEAM (they came from outside); each
// is linked to the league's player by external ID, else by his names, else
// left unlinked (ID 0).
#pragma once

#include <string>

#include "league/leader_tables.h"

constexpr const char* LEADER_FILES_FOLDER = "Input/Leaders";
constexpr const char* LEADER_FILE_HEADER_FORMAT = "Year,ID,First,Last,%s,%s,Age,Experience";
extern const char* const LEADER_TABLE_WORDS[LEADER_TABLE_COUNT];
extern const char* const LEADER_STAT_KEYS[LEADER_STAT_COUNT];

// "Input/Leaders/<year>-<table>-<statistic>.csv"; empty for a bad table or
// statistic.
std::string Get_Leader_File_Path(int nYear, int nTable, int nStat);

// Writes the three tables as the 90 files of nYear, each beside the old one
// and renamed over it. The number of files written; a file that could not be
// written is told once ("File Error", naming it), and then none of the
// year's files is kept (0).
int Write_Leader_Files(int nYear);
// Removes every leader file of the year (a build of that year that failed
// leaves none behind); the count removed.
int Remove_Leader_Files(int nYear);
// Offers the league's players to the career list (career values) and the
// single-season list (last season), then Write_Leader_Files.
int Export_Leaders_CSV(int nYear);

// Reads the files of nYear into the three tables; a list whose file is
// missing stays as it was. The number of files read (0: none, noted in the
// debug log).
int Load_All_Time_Leaders(int nYear);
