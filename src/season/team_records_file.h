// The clubs' records of past seasons ("Team_Records.csv"): one line per club
// and season holding its record, playoff result, points and two strength
// figures. A season start before 2023 and the database builder read the
// lines of the current season into the team statistics below.
//
// Columns, counted from 1: 1 year, 3 team name ("*" and "+" dropped), 4 wins,
// 5 losses, 6 ties, 7 division finish, 8 playoff result, 9 points scored,
// 10 points allowed, 15 offensive-line figure, 16 defence figure; the rest
// are not read. A field that begins with a double quote runs to its closing
// quote (base/input_file.h); any other quote is an ordinary character.
#pragma once

#include <cstdio>

// Team statistics the file fills.
constexpr int TEAM_STAT_TEAM_QUALITY = 11;        // (W - L + 330) x 3 +- points / 20, + playoff bonus
constexpr int TEAM_STAT_PROJECTED_WINS = 16;      // wins in tenths
constexpr int TEAM_STAT_WINNING_PERCENTAGE = 20;  // thousandths, a tie half a win
constexpr int TEAM_STAT_POINTS_SCORED = 21;
constexpr int TEAM_STAT_POINTS_ALLOWED = 22;
constexpr int TEAM_STAT_LINE_FIGURE = 23;         // tenths
constexpr int TEAM_STAT_DEFENSE_FIGURE = 24;      // tenths

constexpr const char* TEAM_RECORDS_FILE_NAME = "team_records";
// The last season whose records the file may hold.
constexpr int LAST_TEAM_RECORDS_YEAR = 2023;
// Strength figures outside this bound are ignored (and logged): the builder
// adds a twentieth and a twenty-fifth of them to ratings.
constexpr double TEAM_FIGURE_LIMIT = 50.0;

// The playoff level of a division finish and a playoff result: a finish "1"
// gives 5, "2" 3, "3" 2, "4" 1, "5" 0, anything else 0; then "Won SB" 8,
// "Lost SB" 7, "Lost Conf" 6, "Lost Div" and "Lost WC" at least 4 (letter
// case ignored); any other result leaves the level.
int Get_Team_Record_Playoff_Level(const char* szFinish, const char* szResult);

// Reads one line of the open file and stores it when it is of the current
// season (not after 2023) and names a club in use. Returns 1 at the end of
// the file, else 0. Without a file: the "File Read Error" box, and 1.
int Read_Team_Record_Line(FILE* pFile);

// "input/stats/team_records.csv": the header skipped, every line read. A
// missing file gives one "Read Error" box and changes nothing.
void Read_Team_Records_File();
