// The fictional history in memory: clubs, players, their seasons and the
// clubs' records, made year by year; fictional_history.cpp writes it out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/fictional_history/fictional_history.h"

// A club, as the teams file and the records describe it.
struct HISTORY_CLUB {
    std::string Abbreviation;
    std::string City;
    std::string Nickname;
    std::string Stadium;
    std::string CityName;     // the name in the league's city list
    int nDivision = 0;        // 0-7
    int nCapacity = 0;
    int nYearBuilt = 0;
    int nRoof = 0;            // 0 open, 1 domed, 2 convertible
    bool bGrass = true;
    int nStadiumValue = 0;    // dollars
    int nConvenience = 1000;
    int nComfort = 1000;
    int nSightLines = 1000;
    int nLoyalty = 0;
    int nTicketPrice = 0;
};

// One statistic cell of a season line: a column of Seasons.csv and its
// value, in tenths when bTenths (sacks).
struct HISTORY_CELL {
    uint8_t nColumn;
    bool bTenths;
    int nValue;
};

// One line of Seasons.csv: a player's season with one club, or a traded
// player's total ("2TM", nClub -1).
struct HISTORY_SEASON {
    int nYear = 0;
    int nClub = -1;
    int nUniform = 0;
    std::string Position;
    int nGames = 0;
    int nStarts = 0;
    std::vector<HISTORY_CELL> Cells;
};

struct HISTORY_PLAYER {
    std::string Id;
    std::string First;
    std::string Last;
    std::string College;
    std::string PositionText;   // Players.csv and the rosters
    std::string SeasonText;     // Seasons.csv (the base text for "DB" and fullbacks)
    int nPosition = 0;          // base position 0-14
    int nUniform = 0;
    int nHeight = 0;            // inches
    int nWeight = 0;
    int nBirthYear = 0;
    int nBirthMonth = 1;
    int nBirthDay = 1;
    int nDraftYear = 0;         // or the year he signed undrafted
    int nDraftRound = 0;        // 0: undrafted
    int nDraftPick = 0;
    int nDraftClub = -1;
    int nQuality = 50;          // 40-99
    int nPlannedSeasons = 0;
    int nSeasonsPlayed = 0;
    int nClub = -1;             // -1: not on a club (retired, or not yet)
    bool bRetired = false;
    bool bOlForm = false;       // a guard whose later seasons say "OL"
    bool bOnRangeRoster = false;
    int nRangeExperience = 0;   // seasons played before his last season of the range
    bool bCombine = true;
    int nCombineTime = 0;       // hundredths of a second; 0: did not run
    // The contract of the current year.
    int nContractYears = 1;
    int nYearsRemaining = 0;
    int nSalary = 0;            // dollars a year
    int nBonus = 0;             // dollars over the contract
    int nCapHit = 0;
    std::vector<HISTORY_SEASON> Seasons;
};

// A roster row of one year: the player and his club at the season's start.
struct HISTORY_ROSTER_ROW {
    int nPlayer;
    int nClub;
    bool bStarter;
};

struct HISTORY_SALARY_ROW {
    int nPlayer;
    int nClub;
    int nUniform;
    int nYearsRemaining;
    int nSalary;
    int nBonus;
    int nContractYears;
    int nCapHit;
};

struct HISTORY_RECORD {
    int nYear;
    int nClub;
    int nWins;
    int nLosses;
    int nTies;
    int nFinish;             // 1 .. teams in the division
    int nPlayoffs;           // -1 none, else an index of TEAM_RECORDS_PLAYOFF_RESULTS
    bool bDivisionWinner;
    bool bWildCard;
    int nPointsFor;
    int nPointsAgainst;
    int nLineFigure;         // tenths, -500 .. 500
    int nDefenseFigure;
};

struct HISTORY_YEAR {
    int nYear = 0;
    int nCap = 0;
    std::vector<HISTORY_ROSTER_ROW> Roster;
    std::vector<HISTORY_SALARY_ROW> Salaries;
    std::vector<int> ProjectedWinsHalves;   // per club, in halves
    std::vector<int> Offense;               // per club, 0-3
    std::vector<int> Defense;               // per club, 0-1
};

struct HISTORY_WORLD {
    HISTORY_OPTIONS Options;
    std::vector<HISTORY_CLUB> Clubs;
    std::string LeagueName[2];
    std::string DivisionName[8];
    std::vector<std::string> FirstNames;
    std::vector<std::string> LastNames;
    std::vector<HISTORY_PLAYER> Players;
    std::vector<HISTORY_YEAR> Years;       // the range only
    std::vector<HISTORY_RECORD> Records;   // the range only
};

// Reads the data folder's league and names files into World (clubs, league
// and division names, name lists). False with Problem.
bool Read_History_Inputs(HISTORY_WORLD& World, std::string& Problem);
// Plays the history from the warm-up years through the range.
void Make_History(HISTORY_WORLD& World);
// Writes the files of a made history. False with Problem.
bool Write_History_Files(const HISTORY_WORLD& World, HISTORY_SUMMARY& Summary, std::string& Problem);

// Games a club plays in a regular season of the year.
int Get_History_Games_Per_Season(int nYear);
