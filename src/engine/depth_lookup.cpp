// Depth-chart lookups of a team's players by position.
#include "engine/depth_lookup.h"

#include "league/team.h"

int Get_Team_Position_Player(int nTeam, int nPosition, int n)
{
    // One scan: the finder itself gives -1 past the last such player.
    if (n < 0)
        return -1;
    return Find_Team_Position_Player(nTeam, nPosition, n);
}
