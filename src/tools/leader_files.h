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

// Writes the three tables as the 90 files of nYear: all are written beside
// the ones in use first (Stage_Leader_Files) and renamed over them once every
// one is (Commit_Leader_Files). The number of files written; when one cannot
// be written none of the year's files is replaced, the failure is told once
// ("File Error", naming the file and why), and 0 is returned.
int Write_Leader_Files(int nYear);
// Offers the league's players to the career list (career values) and the
// single-season list (last season), then Write_Leader_Files. With pProblem
// (a database build) the files are only staged (below): a file that cannot
// be written puts its name and why there, with no box, and 0 is returned.
int Export_Leaders_CSV(int nYear, std::string* pProblem = nullptr);

// A database build replaces a year's leader files together with its database
// and never without it: the new files are staged beside those in use, each
// under its own name followed by LEADER_STAGED_SUFFIX, and renamed in once
// the database is written; a year refused at any step before discards them,
// leaving the files in use as they were.
constexpr const char* LEADER_STAGED_SUFFIX = ".staged";
// Writes the 90 staged files of nYear. 90; or 0 when one cannot be written
// (Problem naming the staged file and why: "\"Input/Leaders/2010-Season-
// Sacks.csv.staged\" could not be written (No space left on device)") or a
// folder stands where it is to be renamed in (Problem naming the file in
// use: "\"Input/Leaders/2010-Season-Sacks.csv\" could not be written (Is a
// directory)"), with the year's staged files removed. Shows no box.
int Stage_Leader_Files(int nYear, std::string& Problem);
// Renames the staged files of nYear over those in use. false (Problem naming
// the first file that could not take its name, and why) when one could not;
// the others are renamed in still and no staged file is left. A file no
// longer staged is taken as renamed in already (by a commit a kill cut
// short, which the next start-up finishes).
bool Commit_Leader_Files(int nYear, std::string& Problem);
// Removes the staged files of nYear, by their names, wherever the leader
// folder leads (a link to a folder outside the data folder included: the
// year's build put exactly these names there); the count removed. A folder
// at a staged name is left.
int Discard_Leader_Files(int nYear);
// Whether a file name is one a build stages: a year in digits and a leader
// file's name, as Get_Leader_File_Path gives them, then LEADER_STAGED_SUFFIX
// ("2010-Season-Sacks.csv.staged"); case aside, as names are resolved.
bool Is_Staged_Leader_File_Name(const std::string& Name);
// Removes the staged files of every year (what a build killed before its
// database was written leaves): only names Is_Staged_Leader_File_Name takes,
// never a folder, nothing when the leader folder lies outside the data
// folder (a link to elsewhere: it may hold another data folder's build), and
// none of a year pKeepYear (when given) keeps; the count removed.
int Discard_All_Staged_Leader_Files(bool (*pKeepYear)(int nYear) = nullptr);

// Reads the files of nYear into the three tables (with bStaged, the files a
// build staged, not yet in use); a list whose file is missing stays as it
// was. The number of files read (0: none, noted in the debug log).
int Load_All_Time_Leaders(int nYear, bool bStaged = false);
