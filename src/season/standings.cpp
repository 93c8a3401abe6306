// The season's standings.
#include "season/standings.h"

#include "league/standings_keys.h"

void Update_Standings()
{
    // Rule now: the standings are the overall places and the division rows,
    // rebuilt from the standings order (no playoff seeding).
    Clear_Standings_Order();
}
