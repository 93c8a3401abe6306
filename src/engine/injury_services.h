// What a play calls when a player may be hurt: the injury check, the line-up
// rebuild and the stop of a running simulation; and the watched game's score
// box. None writes text or allocates.
#pragma once

#include "league/game_record.h"

// The score box of a game in the pages' corner, through the game view's hook
// (watched_game.h); a headless run has none, so nothing is painted.
void Draw_Game_Score_Box(const GAME* pGame);

// The injury check of one player on a play (Check_Player_Injury): the weeks
// of his new injury, 0 when he is not hurt.
int Roll_Injury_Length(int nTeam, int nSlot);
// Rebuilds a side's line-ups around an injured player (Update_Team_Lineup);
// 0 when a cell stayed empty.
int Rebuild_Game_Lineup(GAME* pGame, int bSide);
// Stops a running simulation when a user club's player is hurt for long
// enough (Stop_Simulation_For_Injury).
void Stop_Run_For_Injury(int nTeam, int nSlot, int nWeeks);
