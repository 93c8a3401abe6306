// The league's cities: up to 100 CITY records in which franchises can play.
//
// A franchise points to its city by team stat 3, so every operation that
// moves a record (swap, compaction, sort, import) carries those indexes along.
// The used cities form one run from entry 0: the first empty name ends the
// table. The city editor's current city is preference 43.
#pragma once

#include <cstddef>

#include "league/league_data.h"

constexpr int CITY_NAME_SIZE = 20;    // 19 characters and the terminator
constexpr int CITY_PHOTO_SIZE = 12;   // 11 characters and the terminator

// City stats.
enum CITY_STAT_CODE : int {
    CITY_STAT_POPULATION = 0,
    CITY_STAT_REGION_POPULATION = 1,
    CITY_STAT_GROWTH = 2,             // new population per year
    CITY_STAT_INCOME = 3,             // per-capita income, dollars
    CITY_STAT_ALTITUDE = 4,
    CITY_STAT_LONGITUDE = 5,          // thousandths of a degree, west
    CITY_STAT_LATITUDE = 6,           // thousandths of a degree, north
    CITY_STAT_TIME_ZONE = 7,
};

// The file of the export and import, in the current folder.
constexpr const char* CITIES_FILE_NAME = "Cities.txt";

// ---------------------------------------------------------------------------
// Table

// The index of the first entry with an empty name (0-100).
int Count_Cities();
// The first city in use (below Count_Cities) whose name is szName, letter
// case ignored; -1 when none matches or no city is in use.
int Find_City_By_Name(const char* szName);
// Names the first free entry "New City" with the photo "Default" and the
// default stats, makes it the current city (preference 43) and returns it;
// -1 (nothing changed) when all 100 are used.
int Add_City();
// Empties the current city (preference 43), closes the gap and moves the
// current city back when it fell off the end. A city that a franchise in use
// plays in is not deleted (a box says why). True when deleted, else false.
bool Delete_City();
// Empties one entry whole (name, photo and stats). City 0-99.
void Clear_City(int nCity);
// Exchanges two records; franchises and the current city follow the records.
void Swap_Cities(int nCityA, int nCityB);
// Moves empty entries behind the used ones (through Swap_Cities).
void Compact_Cities();
// Orders the used cities by name, bytewise and case-sensitive.
void Sort_Cities();
// The used city without a franchise whose market value is greatest (the
// first of equal ones); -1 when no free city has a value above 0.
int Find_Best_Free_City();

// ---------------------------------------------------------------------------
// Fields (city 0-99, stat 0-9)

// Copies at most 19 / 11 characters and zero-fills the rest of the field.
void Set_City_Name(int nCity, const char* szName);
void Set_City_Photo(int nCity, const char* szPhoto);
// Copies the photo's name into szOut (always terminated); "" for a bad city.
void Get_City_Photo(int nCity, char* szOut, size_t nOutSize);
// Copies the name into szOut (always terminated); "" for a bad city.
void Get_City_Name(int nCity, char* szOut, size_t nOutSize);
// true when city 0-99 has a name; false for city 100 (one past the table) and for
// an empty entry; any other value is reported and gives false.
bool Is_City_Named(int nCity);

// Stat n of a city; 0 for a bad argument (reported).
int Get_City_Stat(int nCity, int nStat);
// Stores stat n of city 0-99.
void Set_City_Index_Stat(int nCity, int nStat, int nValue);
// Stat n of the team's city (team stat 3); team 0-40.
int Get_Team_City_Stat(int nTeam, int nStat);
// Stores stat n of the team's city; a bad team (NO_TEAM silently) or a bad
// city index stores nothing.
void Set_City_Stat(int nTeam, int nStat, int nValue);
// The stats of a new city.
void Set_Default_City_Stats(int nCity);

// ---------------------------------------------------------------------------
// "Cities.txt"

// Asks, then writes one line per city: the name (commas written as blanks)
// and the ten stats. Returns the number of cities written, -1 when cancelled
// or the file could not be written.
int Export_Cities();
// Asks, then replaces the table by the file's cities, compacts and sorts it,
// and keeps every franchise on its city (by name; else its old index while
// still valid; else the best free city), telling about any move. A line is
// a city when its name is followed by a number, its population. Returns the
// number of cities read; -1 when cancelled, or refused with a box (a file
// that cannot be opened or read, or holds no city), the table and the
// franchises' homes then as they were.
// A UTF-8 byte-order mark before the first line is dropped, and a line of
// UTF-8 text is read as Windows-1252 (as an editor may save the file).
int Import_Cities();
