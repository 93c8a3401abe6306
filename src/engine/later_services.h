// Services of the game driver and the injury rules that the
// building blocks of a play already call. Each follows the plain rule its
// comment gives until its own rules are written; none draws a number, writes
// text or allocates.
#pragma once

#include "league/game_record.h"

// The watched game's score box: a headless run has none, so nothing is repainted.
void Draw_Game_Score_Box(const GAME* pGame);

// Weeks of a new injury of the player (and sets his injury), 0 for none:
// nobody is hurt and nothing is drawn.
int Roll_Injury_Length(int nTeam, int nSlot);
// Rebuilds a side's line-ups around an injured player (Update_Team_Lineup);
// 0 when a cell stayed empty.
int Rebuild_Game_Lineup(GAME* pGame, int bSide);
// Stops a running simulation when a player is hurt: it never stops.
void Stop_Simulation_For_Injury(int nTeam, int nSlot);
