// Team and player statistic cells of the encyclopedia pages, and the
// position-by-statistic table that decides which columns a position shows.
//
// Pieces follow page_links.h: they replace Out, or leave it when they write
// nothing.
#pragma once

#include <string>

constexpr int STAT_COLUMN_COUNT = 26;

// The column (1-25) of statistic nStat in group 0 (offence), 1 (defence) or
// 2 (kicking); 0 when it has none.
int Get_Stat_Column_Index(int nGroup, int nStat);
// Whether position 0-14 shows (and may lead in) column 0-25; false outside.
bool Position_Shows_Stat_Column(int nPosition, int nColumn);

void Format_Team_Wins(std::string& Out, int nTeam, int nSeason);
void Format_Team_Losses(std::string& Out, int nTeam, int nSeason);
void Format_Team_Ties(std::string& Out, int nTeam, int nSeason);
void Format_Team_Points_For(std::string& Out, int nTeam);
void Format_Team_Points_Against(std::string& Out, int nTeam);
void Format_Team_Points_For_Rank(std::string& Out, int nTeam);
void Format_Team_Points_Against_Rank(std::string& Out, int nTeam);
void Format_Team_Offense(std::string& Out, int nStat, int nTeam);
void Format_Team_Defense(std::string& Out, int nStat, int nTeam);
void Format_Team_Offense_Rank(std::string& Out, int nStat, int nTeam);
void Format_Team_Defense_Rank(std::string& Out, int nStat, int nTeam);
void Format_Player_Stat(std::string& Out, int nStat, int nPlayer, int nTeam, int nSeason, int nType);
void Format_Table_Stat_Caption(std::string& Out, int nPlayer, int nTeam, int nPosition);
void Format_Player_Vital_Stat(std::string& Out, int nStat, int nPlayer, int nTeam);
void Format_Player_College(std::string& Out, int nPlayer, int nTeam);
void Format_Player_Team(std::string& Out, int nPlayer, int nTeam, int nSeason);
void Format_Season_Year(std::string& Out, int nPlayer, int nTeam, int nSeason);

// The 40-yard time a player's speed rating suggests, in seconds (4.20-6.00):
// what the pages show when the stored time is missing or implausible.
float Estimate_Forty_Yard_Time(int nTeam, int nSlot);

// Points for and against of a team over the season's game records.
int Get_Team_Points_For(int nTeam);
int Get_Team_Points_Against(int nTeam);
