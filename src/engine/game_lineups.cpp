// The players on the field of a game being played.
#include "engine/game_lineups.h"

namespace {
int nLineupUpdates = 0;
}

// The game engine rebuilds the on-field places here; until it exists no game
// has line-ups to rebuild, so a refresh only counts the request.
void Update_Game_Lineups(GAME* pGame)
{
    if (pGame != nullptr)
        ++nLineupUpdates;
}

int Count_Game_Lineup_Updates()
{
    return nLineupUpdates;
}
