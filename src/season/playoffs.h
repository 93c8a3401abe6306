// The playoff bracket: seeding from the standings, the games of each playoff
// day, the second-round reseeding and division rule, results moving winners
// on, and when the season is complete.
#pragma once

#include "league/game_record.h"

// P2: the day the playoff rounds start, the larger of the first playoff day
// and 2.
int Get_Playoff_Start_Day();

// Every slot empty (NO_TEAM), every score 0, every team's seed (team stat 9) 0.
void Clear_Playoff_Slots();
// Standings key + 10,000,000 for a division leader.
int Get_Playoff_Seed_Key(int nTeam);
void Swap_Playoff_Slots(int nSlotA, int nSlotB);
void Avoid_Division_Rematch();
void Reseed_Conference_Playoff_Slots(int nLeague);
void Reseed_Playoffs();
// Schedules the games of the round due on the current day; the count entered.
int Schedule_Playoff_Games();
// Books a finished playoff game: scores into the bracket, the winner moved on.
void Record_Playoff_Result(const GAME* pGame);
// True once the last slot of the season's playoffs is filled.
bool Is_Season_Complete();
