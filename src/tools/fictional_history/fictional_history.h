// A fictional league history to build league databases from: every input
// file the database builder reads under "Input/Stats", for a range of years,
// in the layouts of season/stat_file_layouts.h.
//
// The clubs are those of data/league (the first N of them for a smaller
// league), the same every year; the players are invented from data/names.
// Players are drafted (or sign undrafted), play a few seasons with
// statistics of a plausible size for their position, change clubs now and
// then (a few in mid-season, which gives a traded player's two team rows and
// his "2TM" total) and retire. Contracts stay under each year's cap.
//
// Written for each year of the range: the league file, the teams, caproom
// (no header line), rosters, salaries and Wins files; across the years:
// Players.csv, Seasons.csv (with the careers of earlier years, simulated
// from HISTORY_WARMUP_YEARS before the range), Team_Records.csv,
// Combine_Results.csv and Personnel.csv.
//
// Forms the readers treat specially appear on purpose: "DB" players in
// Players.csv (corners in the 20s, safeties in the 30s and 40s), fullbacks
// listed "RB" with numbers in the 40s, a guard's later seasons written "OL",
// a traded player's rows, undrafted players ("TRUE"), money quoted as
// "$1,250,000", one-word nicknames, abbreviations of at most four letters and
// external IDs of 1-11 letters and digits.
//
// The same inputs, range, club count and seed give the same bytes.
#pragma once

#include <cstdint>
#include <string>

// The years nobody may write: the default league's seasons, which read
// the records and personnel files at their starts.
constexpr int HISTORY_FIRST_FORBIDDEN_YEAR = 2019;
constexpr int HISTORY_EARLIEST_YEAR = 1951;
constexpr int HISTORY_MIN_TEAMS = 12;
constexpr int HISTORY_MAX_TEAMS = 32;
constexpr int HISTORY_WARMUP_YEARS = 8;
constexpr uint32_t HISTORY_DEFAULT_SEED = 20061001u;

struct HISTORY_OPTIONS {
    int nFirstYear = 2006;
    int nLastYear = 2011;
    int nTeams = HISTORY_MAX_TEAMS;
    uint32_t nSeed = HISTORY_DEFAULT_SEED;
};

// What was written, for the program's closing line and the tests.
struct HISTORY_SUMMARY {
    int nPlayers = 0;       // rows of Players.csv
    int nSeasonLines = 0;   // rows of Seasons.csv
    int nFiles = 0;
};

// True when the options can be written; else false with Problem.
bool Check_History_Options(const HISTORY_OPTIONS& Options, std::string& Problem);

// Reads "league/franchises.csv", "league/cities.csv",
// "league/settings-2019.csv", "names/first.txt" and "names/last.txt" of the
// current folder (a data folder) and writes the history under its
// "Input/Stats", replacing the files it writes. True on success; false with
// Problem naming what is wrong.
bool Write_Fictional_History(const HISTORY_OPTIONS& Options, HISTORY_SUMMARY& Summary, std::string& Problem);

// Parses the program's arguments after the data folder ("--first Y",
// "--last Y", "--teams N", "--seed S"). False with Problem for a bad one.
bool Parse_History_Arguments(int argc, const char* const* argv, HISTORY_OPTIONS& Options, std::string& Problem);
