// The player ratings file "Output/Ratings/<year>_Player_Ratings.csv": one
// header line and one line per player (ID, team, names, positions, overall,
// peak and the 26 ratings as whole numbers), comma-separated, unquoted.
// Commas and line breaks inside text fields are dropped when written, so a
// name never shifts a column.
#pragma once

#include <string>

// The file's path for a year.
std::string Get_Player_Ratings_Path(int nYear);
// Writes the file for position 0-14 (15: all players) and a year, replacing
// it whole (files::Write_Whole_File: a failure or a kill leaves the old file;
// a link at the name is replaced, never followed); the number of player
// lines written, -1 (errno saying why) when the folder or file could not be
// made or written.
int Export_Player_Ratings(int nPosition, int nYear);
// A database build writes the file beside the one in use, under its name
// followed by RATINGS_STAGED_SUFFIX, and renames it in with the year's
// database.
constexpr const char* RATINGS_STAGED_SUFFIX = ".staged";
// Export_Player_Ratings to the staged name; -1 (errno saying why) also when a
// folder stands at the file's own name (EISDIR), which would refuse the
// rename.
int Stage_Player_Ratings(int nPosition, int nYear);
// Appends the lines of position 0-14 (15: all) to the year's file in one
// write (files::Open_File_To_Append), starting it with the header line when
// it holds nothing yet; counted as above.
int Append_Player_Ratings(int nPosition, int nYear);
// The player's line, without writing it (his ratings are first made sound
// in the record itself: a missing one takes its default, one below the
// least is raised to it); false when the player is skipped. The file is written whole
// (above), never a line at a time, so a killed run leaves the old file.
bool Build_Player_Ratings_Line(int nTeam, int nSlot, std::string& Line);
// The players of the last export's position that had no line because they
// have no statistics ID: before the first week of a league's first season a
// player without one is left out. Nothing gives a player of a new game one
// later (only a database built from statistics files does), so from then on
// his line is written with an empty ID, which no ratings load can match.
int Get_Player_Ratings_Skipped();
// Why they were left out, following "N players have".
extern const char PLAYER_RATINGS_SKIPPED_NOTE[];
// Export_Player_Ratings for the current year.
int Export_Current_Player_Ratings(int nPosition);
// The command: asks, exports every player for the current year and reports.
void Export_Position_Ratings();
