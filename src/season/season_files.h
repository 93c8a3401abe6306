// The seasons table that a replay's season start and the database build read
// (the clubs' records have their own reader, team_records_file.h).
#pragma once

#include <string>

// Reads the seasons table ("input/stats/seasons.csv") line by line with
// Read_Season_Line (season_line_import.h): with nFlag 0 every player's past
// seasons for a database build, with 1 the real players' lines of this year
// at a replay's season start. The league's replay flag is nFlag for the read
// and restored after it; the three player lookups are rebuilt first and the
// import's memories forgotten. The progress window advances 35 steps. A file
// that cannot be opened gives one box ("Read Error") and changes nothing.
// With pProblem (a database build) the table is first checked whole
// (Check_Input_Table of base/input_file.h: its header, and no line cut
// short); a damaged one is not read, and pProblem says why, naming the file
// and the line; a file that cannot be opened says so there too.
void Read_Seasons_File(int nFlag, std::string* pProblem = nullptr);
