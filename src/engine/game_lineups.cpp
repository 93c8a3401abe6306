// The players on the field of a game being played.
#include "engine/game_lineups.h"

void Update_Game_Lineups(GAME* pGame)
{
    // Rule now: teams keep no per-formation line-up tables, so a refresh has
    // nothing to rebuild.
    (void)pGame;
}
