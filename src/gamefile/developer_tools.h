// One-shot tools for the people who prepare the league databases and tune
// the engine. Each runs to completion on the league in memory or on the
// databases "databases/universe-%d.dat", writes its file in the current
// folder and shows at most one message at the end. They have no menu entry:
// the script command "tool NAME" runs them.
//
// The tools that load other databases replace the league in memory, so they
// first offer to save it. A year whose database is missing or unreadable gets
// the loader's own box and is skipped: nothing of that year is written or
// saved, so a failed load can never be followed by a save of the league that
// was in memory over that year's file.
#pragma once

#include <string>

// Years the database loops walk.
constexpr int DEVELOPER_FIRST_YEAR = 1951;
constexpr int DEVELOPER_LAST_REFIT_YEAR = 2022;
constexpr int DEVELOPER_LAST_YEAR = 2023;

// What a database loop did; bCancelled when the save offer was cancelled
// (then nothing was loaded).
struct DATABASE_LOOP_RESULT {
    bool bCancelled = false;
    int nDone = 0;      // years loaded and handled
    int nSkipped = 0;   // years whose database could not be loaded
};

// "databases/universe-%d.dat".
std::string Get_Developer_Database_Path(int nYear);

// For every pair of an even-numbered club (the offence) and an odd-numbered
// one (the defence), over 50 defensive plays by 30 offensive plays, averages
// the pass-rush and pass-coverage multipliers (x 1000) and the run-defence
// multiplier, and writes "Play_Multipliers.csv" anew as
// "Pass Rush: %d\nPass Coverage: %d\nRush Play: %d" (each sum over the
// cases, truncated; 0 without cases). The count of 50 is kept although a
// book holds 30 defensive plays: plays 30-49 give the engine's no-play
// values, which are part of the averages. Returns the number of cases, -1
// (errno saying why) when the file could not be written.
long Output_Play_Selection_Multipliers();

// "Fractions.txt" anew: the batting averages .010-.990 that a fewest
// hits-for-at-bats pair gives alone (".%03d   %d-for-%d"), then the earned
// run averages 0.10-9.90 by earned runs and innings ("%d.%02d   %3d   %d.%d").
// Returns the number of lines written, -1 (errno saying why, the old file
// untouched) when the file cannot be written.
int Write_Fractions_Table();

// Reports each pair of players in use with the same full name through
// Report_Error as "Duplicate player name found: %s (%s, %s)" (the name and
// both clubs' abbreviations); the number of pairs.
int Check_Duplicate_Player_Names();

// Whether any line of the file (read as Read_Line_Limit reads, 2,047
// characters a line) contains the text: 1 or 0; -1 (errno saying why) when
// it cannot be opened, a folder or a missing file among them.
int File_Contains_Text(const char* szPath, const char* szText);

// "Free-Agents.csv" anew: every line of "input/stats/2022_rosters.csv" whose
// whole first field (up to the first comma) is the first field of no line of
// "input/stats/2023_rosters.csv", which is read once. Without either file:
// "Unable to open %s." titled "Read Error", *pUnread (when given) naming it,
// and -1; -2 when the list cannot be written (errno saying why for both);
// -3, with "%s holds no player line." titled "Read Error" and *pUnread
// naming it, when the 2022 file has no line but its heading or blank ones.
// The old list is kept on every failure. Returns the lines written.
int Write_Free_Agents_List(std::string* pUnread = nullptr);

// Over the players in use of team slots 0-36: period-3 statistics 231 and
// 232 become ratings 13 and 14; then each is scaled toward a blend of his
// overall rating and a target from his production and age; last the
// young-player cap of the setup.
void Refit_Player_Ratings();

// For 1951-2022: loads the year's database, refits it and saves it back.
DATABASE_LOOP_RESULT Refit_All_Universe_Databases();

// For 1951-2022: loads the database of the next year and writes the ratings
// file of year y once: the header and the offensive linemen (positions 5-7)
// as loaded, then, after last season's statistics become the
// predicted ones and the ratings are recomputed, repaired and calibrated,
// the other positions. Ends with "Export_Replay_Mode_Player_Ratings(1951-2019)
// completed." titled "Do_Special_Tool()".
DATABASE_LOOP_RESULT Export_Replay_Mode_Player_Ratings();

// For 1951-2023: loads the year's database and writes the ratings file of
// every player for the loaded league's year. Ends with
// "Export_Every_Season_Player_Ratings() completed." titled "Do_Special_Tool()".
DATABASE_LOOP_RESULT Export_Every_Season_Player_Ratings();

// Sets every player's predicted statistics 4, 7, 8, 10 and 11 to the
// built-in averages of his position.
void Set_Average_Period_Stats();

// Maps a code 0-15 to a column 0-8: 0, 2, 3, 5, 8, 10, 12 and 15 to 0-7,
// every other code to 8.
int Map_Stat_Column(int nCode);

// A player's value to the salary report: the sum of max(grade - 65, 0) over
// his composite grades 400-406 at an offensive position (QB to C), else over
// 407-410.
int Get_Player_Salary_Value(int nTeam, int nSlot);

// "Tolvaren-Salaries.csv" anew. First a row per club in use and an AVERAGE
// row (the clubs' mean, truncated): payroll, offence and defence pay in $M
// (salaries in thousands summed, then rounded to the nearest million), the
// salary values of the whole roster, its offence and its defence, and the
// mean raw composite-grade sum of its offensive and defensive players. Then a
// row per position and "Any Position": players per club (rounded), total pay
// in $M, its share of the league's pay and the share its salary value would
// ideally take (one decimal), pay per player and per club in $M (one
// decimal), and how many players earn at least $20M, $15M, $12M, $10M, $8M,
// $5M, $3M, $2M and less; a TOTAL row sums the nine counts over the
// positions. The players are those of the clubs in use. Returns the rows
// written below the two headers, -1 (errno saying why) when the file cannot
// be written.
int Write_Salary_Report();

// The nine pay brackets of the salary report's position rows.
constexpr int SALARY_BRACKET_COUNT = 9;
// The bracket 0-8 of a salary in thousands ($20M and up is 0, under $2M is 8).
int Get_Salary_Bracket(int nThousands);

// Appends "\"%s\"," to "TooLong.txt" (written anew) for each play of the
// first six clubs' offensive books, plays 0-53, whose name is longer than 28
// characters. Returns the names written, -1 (errno saying why) when the file
// cannot be written.
int Find_Long_Play_Names();

// For every season line linked by a player in use that has games played,
// each statistic 1-19 that is 0 is estimated from the line's other
// statistics: the position's average of that statistic scaled by the line's
// nonzero statistics 2-19 over their averages (by games played over the
// average games when there are none), rounded. A line linked twice is
// filled once. Returns the statistics filled.
int Fill_Missing_Season_Line_Stats();

// Every player's predicted statistics 8, 10, 11 and 4: the mean of the
// position's average and last season's value brought to the average games
// played (rounded half up); the average alone when he played no game last
// season.
void Derive_Period_Stats();

// Every player in use gets a new first and last name from the name pool of
// "names\\first.txt" and "names\\last.txt" (refilled as it empties). Both
// lists are checked first: a list that is missing, not a regular file, holds
// no name or holds control bytes renames nobody and gives -1 with Problem
// saying which file and why. Else the players renamed.
int Rename_All_Players(std::string& Problem);
int Rename_All_Players();

// The statistics importer (Download_Football_Data); whether it replaced the
// CSV files, and when not, *pProblem (when given) says why.
bool Run_Data_Import(std::string* pProblem = nullptr);

// The two words a run of computer-played weeks keeps and the Stop command
// clears: "every club computer-run" and the run's count of computer trade
// attempts.
int Get_Simulation_Run_Word();
int Get_Simulation_Stop_Word();
