// Counting the college prospects.

#include "frontoffice/college_count.h"

#include "league/league_data.h"
#include "league/player.h"

int Count_College_Players()
{
    int n = 0;
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t)
        n += Count_Team_Players(t);
    return n;
}
