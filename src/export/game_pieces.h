// Game, schedule and play-by-play pieces of the encyclopedia pages.
//
// Pieces follow page_links.h: they replace Out, or leave it when they write
// nothing. A GAME outside the game records, a PLAY outside the game's play
// log or a side other than 0 and 1 (for the game leaders, 0 to 2) writes an
// empty text.
#pragma once

#include <string>

void Format_Game(std::string& Out, int nGame);
void Format_Playoff_Game(std::string& Out, int nSlot, int nSeason);
void Format_Game_Result(std::string& Out, int nWeek, int nTeam);
void Format_Game_Score(std::string& Out, int nWeek, int nTeam);
void Format_Game_Points(std::string& Out, int nGame, int nType);
void Format_Game_Team(std::string& Out, int nGame, int nType);
void Format_Opponent_Name(std::string& Out, int nWeek, int nTeam);
void Format_Home_Away_Word(std::string& Out, int nWeek, int nTeam);
void Format_Playoff_Star(std::string& Out, int nTeam, int nSeason);

// The game leader pieces: the player of the game with the most of box-score
// figure STAT among positions POS, of the side TYPE names: 0 the visiting
// club, 1 the home club, GAME_LEADER_BOTH_SIDES the two together.
constexpr int GAME_LEADER_BOTH_SIDES = 2;
void Format_Game_Leader_Ref(std::string& Out, int nGame, int nStat, int nPosition, int nType);
void Format_Game_Leader_Name(std::string& Out, int nGame, int nStat, int nPosition, int nType);
void Format_Game_Leader_Stat(std::string& Out, int nGame, int nStat, int nPosition, int nType);
void Format_Schedule_Leader_Ref(std::string& Out, int nTeam, int nWeek, int nStat, int nPosition);
void Format_Schedule_Leader_Name(std::string& Out, int nTeam, int nWeek, int nStat, int nPosition);
void Format_Schedule_Leader_Stat(std::string& Out, int nTeam, int nWeek, int nStat, int nPosition);

// The heading of the period PLAY starts ("First quarter" .. "Overtime"),
// empty for any other play. A period starts with the first play at its
// first second that is not a conversion try (a try stays with its
// touchdown's quarter).
void Format_Quarter_Begin(std::string& Out, int nGame, int nPlay);
// "QuarterBegin" with its TYPE: 1 makes the heading a row of the
// seven-column play-by-play table, so it stands before the period's first
// play inside that table; any other TYPE the bare heading.
void Format_Quarter_Begin_Of_Type(std::string& Out, int nGame, int nPlay, int nType);
void Format_Play_Time(std::string& Out, int nGame, int nPlay);
void Format_Play_Offensive_Team(std::string& Out, int nGame, int nPlay);
void Format_Play_Down(std::string& Out, int nGame, int nPlay);
void Format_Play_Yardline(std::string& Out, int nGame, int nPlay);
void Format_Play_Offensive_Play(std::string& Out, int nGame, int nPlay);
void Format_Play_Defensive_Play(std::string& Out, int nGame, int nPlay);
void Format_Play_Result(std::string& Out, int nGame, int nPlay);
// The scoring row; keeps a running score from PLAY 0 of a game, so a game's
// plays are expanded in order.
void Format_Play_TD(std::string& Out, int nGame, int nPlay);
void Format_Play_Injury(std::string& Out, int nGame, int nPlay);

// The number of plays in the log of game record nGame; 0 for a bad index.
int Get_Game_Play_Count(int nGame);
