// The players on the field of a game being played.
#pragma once

struct GAME;

// Rebuilds the players on the field of a game after roster changes.
void Update_Game_Lineups(GAME* pGame);
// How many refreshes were asked for since start (the game view and tests read it).
int Count_Game_Lineup_Updates();
