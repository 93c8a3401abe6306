// Fixed tables that tie the league's clubs to the 32 franchises of the
// outside league, so that pictures and styles drawn for those franchises can
// be found from a club's abbreviation and the season's year: helmets,
// franchise colours, model clubs for play styles and the names of the logos
// and photos kept beside the statistics inputs. Also the random permutation
// the fantasy draft deals its orders from. All of it is pure lookup.
//
// An abbreviation that is in no row of the table maps to index 26. The clubs
// of the fictional league mostly have codes of their own, so 14 of the
// default league's 32 clubs (BOS, NYE, JAX, NSH, KCB, LAN, NYB, GBN, CHA,
// NOK, TBM, PHO, LAP, SFS) share the helmet of index 26; the other 18 take
// the helmet of the index their code gives. This is kept on purpose: a
// helmet is only a picture, and any fixed choice would be as arbitrary. No
// fictional nickname is in the logo lists, so fictional clubs get no logo.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int FRANCHISE_TABLE_SIZE = 32;
// The index an abbreviation of no franchise gets.
constexpr int UNKNOWN_FRANCHISE_INDEX = 26;

// The abbreviation of franchise index 0-31 ("ARZ" .. "WAS"); any other index
// writes an empty text.
void Get_Franchise_Info(int nIndex, char* szOut, size_t nSize);
template <size_t N> void Get_Franchise_Info(int nIndex, char (&szOut)[N]) { Get_Franchise_Info(nIndex, szOut, N); }

// The franchise index of an abbreviation in the league's current year: up to
// 1983 "BAL" is 13; "LAR" and "OAK" are 16; up to 1987 "STL" is 0; "PHX" is
// 0; otherwise the first row whose abbreviation matches without regard to
// case; no match (or no text) gives UNKNOWN_FRANCHISE_INDEX.
int Get_Franchise_Index(const char* szAbbreviation);
// The same for an explicit year.
int Get_Franchise_Index_In_Year(const char* szAbbreviation, int nYear);

// The franchise colour as a Windows colour value 0x00BBGGRR; the index is
// clamped to 0-31.
uint32_t Get_Franchise_Color(int nIndex);

// The nickname of the model club whose play style franchise 0-31 takes; an
// index outside 0-31 writes an empty text.
void Get_Model_Team_Nickname(int nIndex, char* szOut, size_t nSize);
template <size_t N> void Get_Model_Team_Nickname(int nIndex, char (&szOut)[N])
{
    Get_Model_Team_Nickname(nIndex, szOut, N);
}

// "Tolvaren//Helmets//Helmet-%d%s.png": the club's franchise index (through
// its abbreviation), then "" for side 0 and "a" for side 1.
void Get_Helmet_Image_Path(char* szOut, size_t nSize, int nTeam, int nSide);
template <size_t N> void Get_Helmet_Image_Path(char (&szOut)[N], int nTeam, int nSide)
{
    Get_Helmet_Image_Path(szOut, N, nTeam, nSide);
}

// "Logos/Downloads/%s-%d.png" (abbreviation, current year at most 2023),
// written either way; 1 when that file exists, else 0.
int Get_Logo_File_Name(int nTeam, char* szOut, size_t nSize);
template <size_t N> int Get_Logo_File_Name(int nTeam, char (&szOut)[N]) { return Get_Logo_File_Name(nTeam, szOut, N); }

// "Input/Stats/Historical/%d%d.gz" (logo index, year) for the club's
// nickname in the current year (at most 2023); 0 with an empty name when the
// nickname has no logo.
int Get_Stored_Logo_File_Name(int nTeam, char* szOut, size_t nSize);
template <size_t N> int Get_Stored_Logo_File_Name(int nTeam, char (&szOut)[N])
{
    return Get_Stored_Logo_File_Name(nTeam, szOut, N);
}

// Fills pIndex with 0 .. n-1, then for i from 0 to n-1 swaps element i with
// element i + floor(u * (n - i)), u the next game draw read as a fraction of
// 2^32. n of 0 or less leaves the array untouched.
void Shuffle_Index_Array(int* pIndex, int n);

// The player ID the fantasy draft recorded at [row][team] (row 0-99, team
// 0-35); 0, reported, for a cell outside the table.
int Get_Fantasy_Draft_Cell(int nRow, int nTeam);
