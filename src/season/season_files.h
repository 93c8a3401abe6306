// The seasons table that a replay's season start and the database build read
// (the clubs' records have their own reader, team_records_file.h).
#pragma once

#include <cstdio>
#include <string>

// The line a statistics table's readers keep: a longer one would be cut and
// read short (seasons.csv, players.csv, the rosters).
constexpr int STAT_TABLE_LINE_SIZE = 2048;

// Why an open table holds a line that a reader keeping nLimit - 1 characters
// (its end, LF or CRLF, aside) would cut: "line 12 holds 5000 characters,
// more than the 2047 a line may hold", else "". A cut line loses its later
// fields, so a build refuses the table rather than read such a line short.
// The file is read from its start and rewound after.
std::string Over_Long_Line_Problem(FILE* pFile, int nLimit);

// Reads the seasons table ("input/stats/seasons.csv") line by line with
// Read_Season_Line (season_line_import.h): with nFlag 0 every player's past
// seasons for a database build, with 1 the real players' lines of this year
// at a replay's season start. The league's replay flag is nFlag for the read
// and restored after it; the three player lookups are rebuilt first and the
// import's memories forgotten. The progress window advances 35 steps. A file
// that cannot be opened gives one box ("Read Error") and changes nothing.
// With pProblem (a database build) the table is first checked whole
// (Check_Input_Table of base/input_file.h: its header, no line cut short;
// and no line over STAT_TABLE_LINE_SIZE - 1 characters, which the reader
// would cut); a damaged one is not read, and pProblem says why, naming the
// file and the line; a file that cannot be opened says so there too.
void Read_Seasons_File(int nFlag, std::string* pProblem = nullptr);
