// Historical schedules: for seasons before 2001 the league can replay the
// schedule of its year from the data folder's CSV files
// "Input/Schedules/<year>-NFL.csv" and, for the years of the second league,
// "Input/Schedules/<year>-AFL.csv".
//
// A file: a header line (skipped whatever it holds), then one game a line:
// the week counted from 1, the away team's name, the home team's name, and
// further fields nobody reads ("Week,Away_Team,Home_Team,Day,Date"). Fields
// are split at each comma; a line is read whole up to 2,047 characters (the
// rest of a longer line is dropped) and a line end of CR LF is taken as one.
#pragma once

// The year's files, then those of each earlier year down to 1950, until one
// year's games make an acceptable schedule: at least one game, every team in
// use with at least one game, and every team of a conference with the same
// number (Check_Equal_Games_Per_League). Returns 1 with that schedule in
// place, 0 with the schedule cleared when no year gave one.
int Load_Builtin_Schedule();

// Reads one schedule file and enters its games with Schedule_Game (weekday
// and kick-off by the default rule). A line enters nothing unless its week is
// 1 to 18 and both names are those of franchises in use or of the pools (the
// pools Schedule_Game refuses with its report); a file that cannot be opened
// adds nothing.
void Import_Schedule_File(const char* szPath);

// The week field's number: leading blanks and tabs skipped, then the decimal
// digits (anything after them ignored); 0 when the field starts with no
// digit. Values above 1,000,000 read as 1,000,000.
int Read_Schedule_Week_Number(const char* szField);
