// Copies of the stored player photos and team logos into the folders the
// pages show pictures from. The stored pictures are optional data: a missing
// one copies nothing, and a picture already in place is kept.
#pragma once

#include <cstddef>

constexpr const char* DOWNLOADED_PHOTOS_FOLDER = "Photos/Downloads";
constexpr const char* DOWNLOADED_LOGOS_FOLDER = "Logos/Downloads";
// A stored photo or logo is a small picture; a larger file is not copied.
constexpr size_t PICTURE_FILE_LIMIT = 8u << 20;

// One player's pictures, named by his statistics-database ID, which must be
// a plain external ID (1-11 letters and digits) to name a file at all. The
// name getters write an empty text and return 0 otherwise.
// "Photos/Downloads/%s.jpg"
int Get_Photo_File_Name(int nTeam, int nSlot, char* szOut, size_t nSize);
// "Input/Stats/Players/%s.dat"
int Get_Stored_Photo_File_Name(int nTeam, int nSlot, char* szOut, size_t nSize);
template <size_t N> int Get_Photo_File_Name(int nTeam, int nSlot, char (&szOut)[N])
{
    return Get_Photo_File_Name(nTeam, nSlot, szOut, N);
}
template <size_t N> int Get_Stored_Photo_File_Name(int nTeam, int nSlot, char (&szOut)[N])
{
    return Get_Stored_Photo_File_Name(nTeam, nSlot, szOut, N);
}
// Copies his stored photo to his photo name, never over a file that exists;
// 1 when a copy was made.
int Copy_Player_Photo(int nTeam, int nSlot);

// For every player with a statistics-database ID of every team in use
// (franchises in use and slots 36-40): "Input/Stats/Players/%s.dat" to
// "Photos/Downloads/%s.jpg". Steps an open progress window by 2 after each of
// team slots 0-34. Returns the number of photos copied.
int Copy_Downloaded_Photos();

// For every franchise in use: the stored logo "Input/Stats/Historical/%d%d.gz"
// (logo index by nickname, year) to "Logos/Downloads/%s-%d.png"
// (abbreviation, year), the year being the current one and at most 2023.
// Returns the number of logos copied.
int Copy_Downloaded_Logos();

// The logo index (0-31) of a nickname in a season year; -1 for none.
int Get_Logo_Index(const char* szNickname, int nYear);
