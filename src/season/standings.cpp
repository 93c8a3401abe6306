#include "season/standings.h"

#include "league/standings_keys.h"

// Least version: the playoff seeding and the other standings stats come with
// the season cycle; until then the standings are the overall places and the
// division rows.
void Update_Standings()
{
    Clear_Standings_Order();
}
