// The tables the database builder reads besides the statistics files: the
// league structure of a year, its franchises and stadiums, each franchise's
// cap room, the scouting combine's results and the projected wins. All are
// read by the one rule for outside files (base/input_file.h): quoted fields,
// bounded numbers, LF or CRLF, a byte-order mark dropped, UTF-8 lines turned
// into Windows-1252. Each reader returns the number of lines it stored, -1
// when its file could not be opened (after its own message).
//
// Layouts (columns counted from 1; %d is the first season's year):
// - "input/stats/leagues/%d_league.csv": a header line; line 2 league 0's
//   name and the names of divisions 0-3; line 3 league 1's name and
//   divisions 4-7. Names longer than their fields (15 and 11 characters) are
//   cut and logged.
// - "input/stats/%d_teams.csv": a header line, then one franchise a line:
//   abbreviation (a letter first, at most 4 characters), city, nickname,
//   stadium name, capacity, roof ("DOMED", "CONVERTIBLE", else open),
//   surface (empty or holding "GRASS": grass; anything else artificial),
//   year built, stadium value ($), convenience, comfort, sight lines,
//   financial stat 0, ticket price, division 0-7, city name (one of the
//   league's cities). A line repeating an abbreviation or a nickname, with
//   a division outside 0-7, or with an abbreviation or nickname that is no
//   plain name (empty, or holding "/", "\\", ".." or a control character),
//   is refused: read for a build, its file is refused (below); otherwise
//   the line is passed over with an "Import Warning".
// - "input/stats/%d_caproom.csv": no header line; team name, cap room in
//   dollars ("$" and "," allowed when the field is quoted).
// - "Input/Stats/Combine_Results.csv": a header line; column 8 the timed run
//   in seconds, column 15 the player's statistics-database ID.
// - "input/stats/%d_Wins.csv": a header line; abbreviation, projected wins
//   (a decimal: 9.5 is stored as 95 tenths).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

constexpr int MAX_BUILT_TEAMS = 32;
// A payroll this far below the target lets salaries rise to their cap figures.
constexpr int64_t CAP_FIGURE_SLACK = 2248000;
// Timed runs outside (4.0, 7.0) seconds are slips of the file.
constexpr double FASTEST_TIMED_RUN = 4.0;
constexpr double SLOWEST_TIMED_RUN = 7.0;

// With pProblem, the cause of a file that could not be read goes there too
// (Input_Open_Problem: missing, a folder, no regular file). An empty file
// (no byte at all), or a line 2 or 3 holding nothing, names nothing: the
// leagues and divisions keep their default names. With pProblem (a database
// build) the file is first checked whole (Check_Input_Table: no line with
// fewer fields than the header line, no NUL byte; Over_Long_Line_Problem of
// season/season_files.h: no line over the 2,047 characters the reader keeps,
// which it would cut), and line 2 or 3 must hold
// the five names: a damaged file refuses the year, pProblem naming the file,
// the line and why ("\"PATH\": line 3 holds 3 of the header's 5 fields: the
// file ends inside it (cut short)"), and -1 is returned. A last line without
// its line feed is read as any other.
int Read_League_File();
int Read_League_File(std::string* pProblem);
// A club line beyond the 32nd (the most a league can have) refuses the file
// rather than lose the clubs after it: a "Too Many Teams" box names the file
// and the line, pProblem (when given) gets "\"PATH\" line N: a club beyond
// the 32 a league can have (ABBR NICKNAME)", and -1 is returned; the clubs
// before it stay read.
// With pProblem (a database build) the file is taken whole or refused, as
// the statistics tables are: it is first checked whole (Check_Input_Table:
// no line with fewer fields than the header line, no NUL byte; no line over
// the 2,047 characters the reader keeps: "line 11 holds 2048 characters,
// more than the 2047 a line may hold"), and then
// every line that holds anything but empty fields must give a club. A line
// of fewer than the 16 fields, whose abbreviation does not begin with a
// letter, or that is refused (above) refuses the file: pProblem names the
// file, the line and why ("\"PATH\" line 7: the club DIV Divs is refused:
// division outside 0-7"), no box is shown, and -1 is returned.
int Read_Teams_File();
int Read_Teams_File(std::string* pProblem);
// One line of an open teams file into franchise slot Count_Teams(). Returns
// 1 at the end of the file (or on a club beyond the 32nd, after "Too Many
// Teams"), else 0. Without a file: "File Read Error", and 1.
int Read_One_Team_Line(FILE* pFile);
int Read_Caproom_File();
int Read_Combine_Results_File();
int Read_Wins_File();

// Salaries moved toward the cap figures the salaries file recorded (vital
// stat 7, dollars) so the club's payroll nears nTarget dollars.
void Fit_Team_Salaries_To_Cap_Figures(int nTeam, int64_t nTarget);
// Signing bonuses of the shortest contracts dropped, one year of contract
// at a time (1-4), while the payroll is above the larger of nTarget and the
// cap.
void Drop_Short_Contract_Bonuses(int nTeam, int64_t nTarget);

// The speed rating a timed run gives at an age (before it is averaged with
// the rating he has): 381 - 66.6 x seconds, 2 less per year past 25, then
// pulled up below 40 and again below 20.
double Get_Timed_Run_Speed(double fSeconds, int nAge);
