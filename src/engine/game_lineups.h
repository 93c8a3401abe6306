// The players on the field of a game being played.
#pragma once

struct GAME;

// Rebuilds the players on the field of a game after roster changes.
void Update_Game_Lineups(GAME* pGame);
