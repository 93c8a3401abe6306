// The summary line that names a game: it is the name a new game is saved
// under (the current game name, the text at the head of the league block),
// renewed each season while the user keeps the automatic name.
#pragma once

#include <cstddef>

// Writes the summary of the league into szBuffer (TEXT_BUFFER_SIZE bytes by
// convention): "%d teams - %d players (%d)" (teams, human teams, current
// year) with two or more human teams; otherwise the full name of the team of
// preference 32 (a franchise in use or a slot 36-40, anything else taken as
// 0) followed by " (%d)" in the first season, else " (%d-%d)" from the
// first season's year to the current one.
void Format_Game_File_Summary(char* szBuffer, size_t nSize);
template <size_t N> void Format_Game_File_Summary(char (&szBuffer)[N])
{
    return Format_Game_File_Summary(szBuffer, N);
}

// After the first season: when the current game name, cut to the length of
// the new summary less five characters, equals the new summary cut the same
// way (an automatic name of this league from an earlier season), or is the
// first season's name "<team> (<first year>)", the name becomes the new
// summary. Any other name is the user's and stays.
void Update_Game_Name_For_Season();

// The current game name (the league block's first text field).
void Get_Current_Game_Name(char* szBuffer, size_t nBufferSize);
// Stores the name, cut to the field (255 bytes) and zero-filled; false when
// it had to be cut.
bool Set_Current_Game_Name(const char* szName);
