// The league the program starts with: "Databases/Universe-2019.dat".
//
// Built from the text files of data/league (the 32 franchises, their cities
// and the league settings of 2019) and filled with players of our own
// generator from a fixed seed: every roster, the free agents and the college
// pools. The clubs play in real cities under names of our own; every player
// is fictional. The same files give the same bytes on every build.
//
// The files are CSV with a header line; blank lines are skipped, fields are
// trimmed, a trailing carriage return is dropped:
//   league/cities.csv        name,population,region_population,growth,income,
//                            altitude,longitude,latitude,time_zone
//   league/franchises.csv    abbreviation,city,nickname,stadium,division,
//                            city_index,capacity,year_built
//   league/settings-2019.csv setting,value
#pragma once

#include <string>
#include <vector>

#include "league/league_data.h"

constexpr const char* DEFAULT_LEAGUE_CITIES_FILE = "league/cities.csv";
constexpr const char* DEFAULT_LEAGUE_FRANCHISES_FILE = "league/franchises.csv";
constexpr const char* DEFAULT_LEAGUE_SETTINGS_FILE = "league/settings-2019.csv";
constexpr const char* DEFAULT_LEAGUE_FIRST_NAMES = "names/first.txt";
constexpr const char* DEFAULT_LEAGUE_LAST_NAMES = "names/last.txt";
constexpr const char* DEFAULT_LEAGUE_DATABASE = "Databases/Universe-2019.dat";

// The 16-bit league flag "Fictional Rookies": drafts take generated rookies
// and look for no class file. No accessor names it yet; this is its word.


// Players a club of the default league carries at each position (QB .. P):
// the quota of a new club less one FB, one TE, one LB and one S, 53 in all.
extern const int DEFAULT_ROSTER[NUMBER_OF_POSITIONS];
constexpr int DEFAULT_ROSTER_SIZE = 53;
// Starters at each position; the depth rank below them sets a player's level.
extern const int DEFAULT_STARTERS[NUMBER_OF_POSITIONS];

struct CITY_ROW {
    std::string Name;
    int nPopulation = 0;
    int nRegionPopulation = 0;
    int nGrowth = 0;
    int nIncome = 0;
    int nAltitude = 0;
    int nLongitude = 0;   // thousandths of a degree west
    int nLatitude = 0;    // thousandths of a degree north
    int nTimeZone = 0;    // 0 Pacific .. 3 Eastern
};

struct FRANCHISE_ROW {
    std::string Abbreviation;
    std::string City;
    std::string Nickname;
    std::string Stadium;
    int nDivision = 0;    // 0-3 the first league, 4-7 the second
    int nCity = 0;        // index into the cities file
    int nCapacity = 0;
    int nYearBuilt = 0;
};

struct LEAGUE_SETTINGS_ROWS {
    int nFirstSeasonYear = 0;
    int nSalaryCap = 0;
    int nGamesPerSeason = 0;
    int nWildCardTeams = 0;
    int nPlayoffTeamsPerLeague = 0;
    int nInflationFactor = 0;
    int nFreeAgents = 0;
    unsigned nSeed = 0;
    std::string LeagueName[NUMBER_OF_LEAGUES];
    std::string DivisionName[NUMBER_OF_DIVISIONS];
};

// Readers: true with the rows, or false with Problem naming the file, the
// line and what is wrong with it.
bool Read_Cities_File(const char* szPath, std::vector<CITY_ROW>& Rows, std::string& Problem);
bool Read_Franchises_File(const char* szPath, std::vector<FRANCHISE_ROW>& Rows, std::string& Problem);
bool Read_League_Settings_File(const char* szPath, LEAGUE_SETTINGS_ROWS& Settings, std::string& Problem);

// Lines of a names file (a last line without a line feed counts; an empty
// last line does not); 0 when the file is missing.
int Count_Name_File_Lines(const char* szPath);

// Builds the default league in memory from the files above, read from the
// current folder (the data folder). True on success; false with Problem
// when a file is missing or wrong, or no schedule could be made.
bool Build_Default_League(std::string& Problem);

// Build_Default_League, then Save_Game to szPath (its folder made when
// missing). True on success, else false with Problem.
bool Write_Default_League(const char* szPath, std::string& Problem);
