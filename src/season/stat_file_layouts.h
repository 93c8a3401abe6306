// The statistics CSV files under "Input/Stats": their names, header lines,
// column numbers and row formats, shared by everything that writes them (the
// statistics importer, the fictional history generator) and everything that
// reads them (the database builder's readers, the season start).
//
// All files are plain text, one record per line, fields separated by commas,
// lines ended by a line feed. The importer quotes no field; readers follow
// the one reading rule of base/input_file.h, so a user's file may also quote
// a field ("$1,250,000") and end its lines with CRLF. Columns are numbered
// from 1, as a reader pops them.
//
// The files, with the one who starts each:
//   "Input/Stats/Players.csv"          each import run      27 columns
//   "Input/Stats/Seasons.csv"          each import run      97 columns, then 22
//                                                          empty fields and a
//                                                          trailing comma
//   "Input/Stats/Personnel.csv"        each import run      4 columns
//   "Input/Stats/<year>_salaries.csv"  per year             15 columns
//   "Input/Stats/Salaries-Missing.csv" import (header only) 4 columns; the
//                                                          builder appends
//   "Input/Stats/<year>_rosters.csv"   per year             14 columns (an
//                                                          optional 15th: the
//                                                          full name)
//   "Input/Stats/<year>_injuries.csv"  never (no header)    13 columns
// and the shipped inputs the builder reads beside them:
//   "Input/Stats/Leagues/<year>_league.csv"  a header line; line 2 the first
//        league's name and its divisions 0-3, line 3 the second's and 4-7
//   "Input/Stats/<year>_teams.csv"     a header line, then 16 columns a club
//   "Input/Stats/<year>_caproom.csv"   no header line: team name, cap room
//   "Input/Stats/<year>_Wins.csv"      a header line; abbreviation, wins
//   "Input/Stats/Team_Records.csv"     a header line, then 16 columns a club
//                                      and season
//   "Input/Stats/Combine_Results.csv"  a header line; column 8 the timed run
//                                      in seconds, column 15 the external ID
#pragma once

#include <cstddef>

// ---- Names -------------------------------------------------------------------

constexpr const char* STATS_FOLDER = "Input/Stats";
constexpr const char* PLAYERS_CSV_FILE = "Input/Stats/Players.csv";
constexpr const char* SEASONS_CSV_FILE = "Input/Stats/Seasons.csv";
constexpr const char* PERSONNEL_CSV_FILE = "Input/Stats/Personnel.csv";
// With the year (always 2023 for the importer's own file).
constexpr const char* SALARIES_CSV_FILE_FORMAT = "Input/Stats/%d_salaries.csv";
constexpr const char* SALARIES_MISSING_CSV_FILE = "Input/Stats/Salaries-Missing.csv";
// With STATS_FOLDER and the year.
constexpr const char* ROSTERS_CSV_FILE_FORMAT = "%s/%d_rosters.csv";
constexpr const char* INJURIES_CSV_FILE_FORMAT = "%s/%d_injuries.csv";
// The shipped inputs, with the year where there is a %d. Opens match letter
// case against what exists, so "input/stats/team_records.csv" is this file
// too; a writer of a new folder spells them as here.
constexpr const char* LEAGUES_FOLDER = "Input/Stats/Leagues";
constexpr const char* LEAGUE_CSV_FILE_FORMAT = "Input/Stats/Leagues/%d_league.csv";
constexpr const char* TEAMS_CSV_FILE_FORMAT = "Input/Stats/%d_teams.csv";
constexpr const char* CAPROOM_CSV_FILE_FORMAT = "Input/Stats/%d_caproom.csv";
constexpr const char* WINS_CSV_FILE_FORMAT = "Input/Stats/%d_Wins.csv";
constexpr const char* TEAM_RECORDS_CSV_FILE = "Input/Stats/Team_Records.csv";
constexpr const char* COMBINE_RESULTS_CSV_FILE = "Input/Stats/Combine_Results.csv";
// Where a player's saved page and stored photo are found, by external ID.
constexpr const char* PLAYER_PAGE_FILE_FORMAT = "Input/Downloads/Players/%s.txt";
constexpr const char* PLAYER_PHOTO_FILE_FORMAT = "Input/Stats/Players/%s.dat";

// An external player ID: 1-11 letters and digits (Is_Plain_External_Id).
constexpr int EXTERNAL_ID_MAX_LENGTH = 11;
// The line buffer a row is formatted into.
constexpr size_t STAT_ROW_LINE_BYTES = 2048;

// ---- Players.csv ---------------------------------------------------------------

extern const char PLAYERS_CSV_HEADER[];
// Kelvo ID (empty), external ID, Player ID (0), Team (empty), uniform, first
// and last name, Nickname (empty), position, an empty column, the height as
// 6'2" (the double quote is part of the unquoted field) from feet and inches,
// weight, college, seasons of experience (text), the full name as first and
// last name, two empty columns, draft team, draft year, draft round and
// overall pick (texts), Undrafted (empty; a user's file may say "TRUE"),
// feet, inches, birth month, day and year.
extern const char PLAYERS_CSV_ROW_FORMAT[];
enum PLAYERS_CSV_COLUMN {
    PLAYERS_COL_KELVO_ID = 1,
    PLAYERS_COL_CORVEL_ID = 2,
    PLAYERS_COL_PLAYER_ID = 3,
    PLAYERS_COL_TEAM = 4,
    PLAYERS_COL_UNIFORM = 5,
    PLAYERS_COL_FIRST_NAME = 6,
    PLAYERS_COL_LAST_NAME = 7,
    PLAYERS_COL_NICKNAME = 8,
    PLAYERS_COL_POSITION = 9,
    PLAYERS_COL_HEIGHT = 11,
    PLAYERS_COL_WEIGHT = 12,
    PLAYERS_COL_COLLEGE = 13,
    PLAYERS_COL_SEASONS = 14,
    PLAYERS_COL_FULL_NAME = 15,
    PLAYERS_COL_GIVEN_NAME = 16,
    PLAYERS_COL_DRAFT_TEAM = 18,
    PLAYERS_COL_DRAFT_YEAR = 19,
    PLAYERS_COL_DRAFT_ROUND = 20,
    PLAYERS_COL_OVERALL_PICK = 21,
    PLAYERS_COL_UNDRAFTED = 22,
    PLAYERS_COL_FEET = 23,
    PLAYERS_COL_INCHES = 24,
    PLAYERS_COL_BIRTH_MONTH = 25,
    PLAYERS_COL_BIRTH_DATE = 26,
    PLAYERS_COL_BIRTH_YEAR = 27,
};
constexpr int PLAYERS_CSV_COLUMNS = 27;
// The Undrafted column's word for an undrafted player (any case).
constexpr const char* PLAYERS_UNDRAFTED_WORD = "TRUE";

// ---- Seasons.csv ---------------------------------------------------------------

extern const char SEASONS_CSV_HEADER[];
enum SEASONS_CSV_COLUMN {
    SEASONS_COL_CORVEL_ID = 1, SEASONS_COL_PLAYER_ID, SEASONS_COL_SEASON_FLAG, SEASONS_COL_YEAR,
    SEASONS_COL_TEAM, SEASONS_COL_UNIFORM, SEASONS_COL_NAME, SEASONS_COL_POSITION, SEASONS_COL_ACTIVE,
    SEASONS_COL_G = 10, SEASONS_COL_GS, SEASONS_COL_PA_ATT, SEASONS_COL_PA_COM, SEASONS_COL_PA_YDS,
    SEASONS_COL_PA_TD, SEASONS_COL_PA_INT, SEASONS_COL_PA_QBR, SEASONS_COL_PA_LG, SEASONS_COL_PA_SK,
    SEASONS_COL_PA_SK_YDS = 20, SEASONS_COL_RU_ATT, SEASONS_COL_RU_YDS, SEASONS_COL_RU_TD, SEASONS_COL_RU_LG,
    SEASONS_COL_TARGETED, SEASONS_COL_RECEPTS, SEASONS_COL_RE_YDS, SEASONS_COL_RE_TD, SEASONS_COL_RE_LG,
    SEASONS_COL_FUMBLES = 30, SEASONS_COL_FUMBLES_LOST, SEASONS_COL_PUNT_RETURNS, SEASONS_COL_PUNT_RET_YDS,
    SEASONS_COL_PUNT_RET_TD, SEASONS_COL_PUNT_RET_LG, SEASONS_COL_KICK_RETURNS, SEASONS_COL_KICK_RET_YDS,
    SEASONS_COL_KICK_RET_TD, SEASONS_COL_KICK_RET_LG,
    SEASONS_COL_COMB = 40, SEASONS_COL_ASST, SEASONS_COL_TKL_FOR_LOSS, SEASONS_COL_SK, SEASONS_COL_SK_YDS,
    SEASONS_COL_QB_HITS, SEASONS_COL_PD, SEASONS_COL_FF, SEASONS_COL_FR, SEASONS_COL_FUM_RET_YDS,
    SEASONS_COL_FUM_RET_TD = 50, SEASONS_COL_INT, SEASONS_COL_INT_RETURN_YDS, SEASONS_COL_INT_RETURN_TD,
    SEASONS_COL_BLOCKS, SEASONS_COL_ST_TKL, SEASONS_COL_ST_ASST, SEASONS_COL_OFF_TKL, SEASONS_COL_OFF_ASST,
    SEASONS_COL_PUNTS,
    SEASONS_COL_PUNT_YARDS = 60, SEASONS_COL_FGA, SEASONS_COL_FGM, SEASONS_COL_FG_LG, SEASONS_COL_XPM,
    SEASONS_COL_PUNT_RET_FC, SEASONS_COL_TB, SEASONS_COL_INSIDE_20, SEASONS_COL_PUNT_NET_AVG,
    SEASONS_COL_XPA,
    SEASONS_COL_SAF = 70, SEASONS_COL_FG_BLOCKED, SEASONS_COL_PUNTS_BLOCKED, SEASONS_COL_XP_BLOCKED,
    SEASONS_COL_PUNT_LG, SEASONS_COL_PUNT_NET_YDS, SEASONS_COL_OFF_SNAPS, SEASONS_COL_DEF_SNAPS,
    SEASONS_COL_ST_SNAPS, SEASONS_COL_OFF_TEAM_SNAPS,
    SEASONS_COL_DEF_TEAM_SNAPS = 80, SEASONS_COL_ST_TEAM_SNAPS, SEASONS_COL_FGM_UNDER_20,
    SEASONS_COL_FGM_20_29, SEASONS_COL_FGM_30_39, SEASONS_COL_FGM_40_49, SEASONS_COL_FGM_50_PLUS,
    SEASONS_COL_FGA_UNDER_20, SEASONS_COL_FGA_20_29, SEASONS_COL_FGA_30_39,
    SEASONS_COL_FGA_40_49 = 90, SEASONS_COL_FGA_50_PLUS, SEASONS_COL_YAC, SEASONS_COL_REC_1STD,
    SEASONS_COL_DEF_INT_LG, SEASONS_COL_VALUE, SEASONS_COL_RUSH_1STD, SEASONS_COL_PASS_1STD,
};
constexpr int SEASONS_CSV_COLUMNS = 97;
// A row: the external ID, "0" (PlayerID), then the cells of columns 3 to
// SEASONS_ROW_LAST_COLUMN, each followed by a comma. So a row holds the 97
// header columns, SEASONS_ROW_EXTRA_FIELDS empty fields more, and ends with a
// comma.
constexpr int SEASONS_ROW_LAST_COLUMN = 119;
constexpr int SEASONS_ROW_EXTRA_FIELDS = SEASONS_ROW_LAST_COLUMN - SEASONS_CSV_COLUMNS;
// The importer's row buffer: 120 cells of 100 bytes, at most 95 characters
// of a page cell kept.
constexpr int SEASONS_ROW_CELLS = 120;
constexpr int SEASONS_ROW_CELL_BYTES = 100;
constexpr int SEASONS_ROW_CELL_TEXT_LIMIT = 95;
// The columns no statistics table fills: empty in every row the importer
// writes.
extern const int SEASONS_UNFILLED_COLUMNS[];
constexpr int SEASONS_UNFILLED_COLUMN_COUNT = 24;
// Texts of the Team column that total a traded player's season.
extern const char* const SEASONS_MULTI_TEAM_WORDS[];
constexpr int SEASONS_MULTI_TEAM_WORD_COUNT = 3;
// Texts of the SeasonFlag column whose lines the builder skips.
extern const char* const SEASONS_SKIPPED_FLAGS[];
constexpr int SEASONS_SKIPPED_FLAG_COUNT = 3;

// Which page cell (counted after the year cell 0) fills which column, for
// each statistics table of a player's page. Cell 0 goes to Year.
struct STAT_PAGE_CELL {
    int nCell;
    int nColumn;
};
struct STAT_PAGE_TABLE {
    const char* szHeading;   // the page heading, entities as on the page
    const STAT_PAGE_CELL* pCells;
    int nCells;
};
extern const STAT_PAGE_TABLE STAT_PAGE_TABLES[];
constexpr int STAT_PAGE_TABLE_COUNT = 8;
// The column a table's cell fills, 0 when the table skips the cell or no
// table has that heading.
int Get_Stat_Page_Column(const char* szHeading, int nCell);

// ---- Personnel.csv -------------------------------------------------------------

extern const char PERSONNEL_CSV_HEADER[];
// Year, the franchise's nickname, the offensive grouping and the defensive
// front, each field led by an apostrophe.
extern const char PERSONNEL_CSV_ROW_FORMAT[];
enum PERSONNEL_CSV_COLUMN {
    PERSONNEL_COL_YEAR = 1,
    PERSONNEL_COL_TEAM = 2,
    PERSONNEL_COL_OFFENSE = 3,
    PERSONNEL_COL_DEFENSE = 4,
};
constexpr int PERSONNEL_CSV_COLUMNS = 4;
// Offensive groupings in the order of their scheme numbers 0-3, defensive
// fronts 0-1.
extern const char* const PERSONNEL_OFFENSE_NAMES[];
constexpr int PERSONNEL_OFFENSE_COUNT = 4;
extern const char* const PERSONNEL_DEFENSE_NAMES[];
constexpr int PERSONNEL_DEFENSE_COUNT = 2;

// ---- <year>_salaries.csv -------------------------------------------------------

// With the year in place of %d ("2023 Team"); the file rebuilt from a loaded
// league has SALARIES_CSV_HEADER_PLAIN, whose third cell is "Team".
extern const char SALARIES_CSV_HEADER_FORMAT[];
extern const char SALARIES_CSV_HEADER_PLAIN[];
// External ID, PlayerID (empty), team abbreviation, uniform, first and last
// name, position, three empty columns, years remaining, average salary,
// signing bonus (times the contract years), contract years, cap hit; money
// in dollars.
extern const char SALARIES_CSV_ROW_FORMAT[];
enum SALARIES_CSV_COLUMN {
    SALARIES_COL_CORVEL_ID = 1,
    SALARIES_COL_PLAYER_ID = 2,
    SALARIES_COL_TEAM = 3,
    SALARIES_COL_UNIFORM = 4,
    SALARIES_COL_FIRST_NAME = 5,
    SALARIES_COL_LAST_NAME = 6,
    SALARIES_COL_POSITION = 7,
    SALARIES_COL_DEPTH_CHART = 8,
    SALARIES_COL_WEEKS_OUT = 9,
    SALARIES_COL_REASON_OUT = 10,
    SALARIES_COL_YEARS_REMAINING = 11,
    SALARIES_COL_AVERAGE_SALARY = 12,
    SALARIES_COL_SIGNING_BONUS = 13,
    SALARIES_COL_CONTRACT_YEARS = 14,
    SALARIES_COL_CAP_HIT = 15,
};
constexpr int SALARIES_CSV_COLUMNS = 15;

// ---- Salaries-Missing.csv ------------------------------------------------------

extern const char SALARIES_MISSING_CSV_HEADER[];
// First name, last name, team, position.
extern const char SALARIES_MISSING_CSV_ROW_FORMAT[];
constexpr int SALARIES_MISSING_CSV_COLUMNS = 4;

// ---- <year>_rosters.csv and <year>_injuries.csv -------------------------------

// With the year in place of %d ("1999_Team").
extern const char ROSTERS_CSV_HEADER_FORMAT[];
// External ID, PlayerID (0), first and last name, team abbreviation,
// position, height in inches, weight, birth month, day and year, weeks out
// and reason (2023 only), Starter ("YES" or empty).
extern const char ROSTERS_CSV_ROW_FORMAT[];
enum ROSTERS_CSV_COLUMN {
    ROSTERS_COL_CORVEL_ID = 1,
    ROSTERS_COL_PLAYER_ID = 2,
    ROSTERS_COL_FIRST_NAME = 3,
    ROSTERS_COL_LAST_NAME = 4,
    ROSTERS_COL_TEAM = 5,
    ROSTERS_COL_POSITION = 6,
    ROSTERS_COL_HEIGHT = 7,
    ROSTERS_COL_WEIGHT = 8,
    ROSTERS_COL_BIRTH_MONTH = 9,
    ROSTERS_COL_BIRTH_DATE = 10,
    ROSTERS_COL_BIRTH_YEAR = 11,
    ROSTERS_COL_WEEKS_OUT = 12,
    ROSTERS_COL_REASON = 13,
    ROSTERS_COL_STARTER = 14,
    ROSTERS_COL_FULL_NAME = 15,   // optional
};
constexpr int ROSTERS_CSV_COLUMNS = 14;
constexpr const char* ROSTERS_STARTER_WORD = "YES";
// External ID, 0, first and last name, franchise abbreviation, six empty
// fields, weeks out and reason; no header line.
extern const char INJURIES_CSV_ROW_FORMAT[];
constexpr int INJURIES_CSV_COLUMNS = 13;

// ---- Shipped inputs -------------------------------------------------------------
// The readers skip the header lines (the caproom file has none, and the
// combine's header is read as a line that finds no player); their texts are
// ours.

extern const char LEAGUE_CSV_HEADER[];
constexpr int LEAGUE_CSV_COLUMNS = 5;   // a league's name, then four divisions

extern const char TEAMS_CSV_HEADER[];
enum TEAMS_CSV_COLUMN {
    TEAMS_COL_ABBREVIATION = 1,
    TEAMS_COL_CITY = 2,
    TEAMS_COL_NICKNAME = 3,
    TEAMS_COL_STADIUM = 4,
    TEAMS_COL_CAPACITY = 5,
    TEAMS_COL_STRUCTURE = 6,      // "CONVERTIBLE", "DOMED", anything else open
    TEAMS_COL_SURFACE = 7,        // containing "GRASS" (or empty): grass
    TEAMS_COL_YEAR_BUILT = 8,
    TEAMS_COL_STADIUM_VALUE = 9,  // dollars
    TEAMS_COL_CONVENIENCE = 10,
    TEAMS_COL_COMFORT = 11,
    TEAMS_COL_SIGHT_LINES = 12,
    TEAMS_COL_FAN_LOYALTY = 13,
    TEAMS_COL_TICKET_PRICE = 14,  // at the 2023 money level
    TEAMS_COL_DIVISION = 15,      // 0-7
    TEAMS_COL_CITY_NAME = 16,     // a city of the league's city list
};
constexpr int TEAMS_CSV_COLUMNS = 16;

// Caproom: the team's full name and its cap room in dollars ("$" and ","
// allowed inside a quoted field).
constexpr int CAPROOM_CSV_COLUMNS = 2;

extern const char WINS_CSV_HEADER[];
constexpr int WINS_CSV_COLUMNS = 2;   // abbreviation, projected wins (9.5)

extern const char TEAM_RECORDS_CSV_HEADER[];
enum TEAM_RECORDS_CSV_COLUMN {
    TEAM_RECORDS_COL_YEAR = 1,
    TEAM_RECORDS_COL_LEAGUE = 2,          // not read
    TEAM_RECORDS_COL_TEAM = 3,            // full name; "*" and "+" ignored
    TEAM_RECORDS_COL_WINS = 4,
    TEAM_RECORDS_COL_LOSSES = 5,
    TEAM_RECORDS_COL_TIES = 6,
    TEAM_RECORDS_COL_DIVISION_FINISH = 7, // "1" .. "5"
    TEAM_RECORDS_COL_PLAYOFFS = 8,        // TEAM_RECORDS_PLAYOFF_RESULTS or empty
    TEAM_RECORDS_COL_POINTS_FOR = 9,
    TEAM_RECORDS_COL_POINTS_AGAINST = 10,
    TEAM_RECORDS_COL_LINE_FIGURE = 15,    // decimal, -50 to 50
    TEAM_RECORDS_COL_DEFENSE_FIGURE = 16, // decimal, -50 to 50
};
constexpr int TEAM_RECORDS_CSV_COLUMNS = 16;
// Best first: won the final, lost it, lost the conference final, the
// divisional round, the wild-card round.
extern const char* const TEAM_RECORDS_PLAYOFF_RESULTS[];
constexpr int TEAM_RECORDS_PLAYOFF_RESULT_COUNT = 5;

extern const char COMBINE_RESULTS_CSV_HEADER[];
enum COMBINE_RESULTS_CSV_COLUMN {
    COMBINE_COL_YEAR = 1,
    COMBINE_COL_NAME = 2,
    COMBINE_COL_POSITION = 3,
    COMBINE_COL_COLLEGE = 4,
    COMBINE_COL_HEIGHT = 5,
    COMBINE_COL_WEIGHT = 6,
    COMBINE_COL_TIMED_RUN = 8,   // seconds, 4.0 to 7.0 count
    COMBINE_COL_CORVEL_ID = 15,
};
constexpr int COMBINE_RESULTS_CSV_COLUMNS = 15;

// ---- Starting the import's files ------------------------------------------------

// Deletes "Input/Stats/Players.csv", "Input/Stats/Seasons.csv" and
// "Input/Stats/Personnel.csv" and starts each with its header line. False
// when one could not be written (the others are still started).
bool Write_Import_File_Headers();

// The number of comma-separated fields of a line (an empty line has one).
int Count_Csv_Fields(const char* szLine);
