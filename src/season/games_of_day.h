// The games of one day: the league norms the engine reads, every home
// team's game played and booked, the day's score lines.
#pragma once

#include "league/game_record.h"

// LEAGUE_NORMS fields 1-7 (per-game league averages; defaults before any game).
int Get_League_Norm(int nField);
void Prepare_Game_Day();
void Play_Todays_Games();
void Format_Score_Text(const GAME* pGame, int k);
void Clear_Game_Buffers();
