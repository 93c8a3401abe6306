// Reading a player ratings file back into the league: the 34 columns the
// ratings export writes (PlayerID, <year>_Team, First, Last, Position,
// Expanded, OVERALL, PEAK, the 25 ratings Accuracy to Punt Power, Durability).
// A line finds its player by player ID, else by the statistics-database ID
// text; the rating columns of at least 20 replace his ratings, OVERALL scales
// him to it and PEAK fits his development to it.
#pragma once

#include <cstdio>
#include <string>

constexpr const char* RATINGS_LOAD_TITLE = "Load Player Ratings";
constexpr const char* DUPLICATE_RATING_TITLE = "Player Rating File";
// Vital stat 24 bits this load sets: the player was met in the file while
// duplicate warnings were on, and his overall was set from the file.
constexpr int RATINGS_FILE_MET_FLAG = 2;
constexpr int RATINGS_FILE_OVERALL_FLAG = 4;

// The file of the current year: "Input/Ratings/Replay/%d_Player_Ratings.csv"
// for a historical replay before 2023, else
// "Input/Ratings/Simulation/%d_Player_Ratings.csv"; then
// Load_Player_Ratings_File. Its result.
int Load_Year_Player_Ratings(int bShowMessage);
// The path Load_Year_Player_Ratings reads.
void Get_Year_Player_Ratings_Path(char* szOut, size_t nSize);

// Loads every line after the header. 0 when the file cannot be opened (with
// bShowMessage, "Unable to open %s." says so), else 1, and with bShowMessage
// "Player ratings loaded from %s: N players changed.", or a warning that no
// player was changed and why. A player met twice in one load brings the
// duplicate warning, until the user picks "Ignore Duplicate IDs" for the rest
// of that load.
int Load_Player_Ratings_File(int bShowMessage, const char* szPath);
// The lines of the last load that named a player of the league.
int Count_Player_Ratings_Matched();
// The players whose ratings, positions or development the last load changed.
int Count_Player_Ratings_Changed();
// Why the last load changed no player: no line after the header, no line
// naming a player of the league, or nothing new in the lines that did.
std::string Get_Player_Ratings_Unchanged_Reason();

// Reads and applies one line of an open ratings file (a load started by
// Load_Player_Ratings_File, or Start_Player_Ratings_Load for a caller that
// reads on its own). Returns 1 at the end of the file, else 0.
int Read_One_Rating_Line(FILE* pFile);
// Starts a load's duplicate check afresh: warnings on, nobody met yet.
void Start_Player_Ratings_Load();
