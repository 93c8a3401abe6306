// Depth-chart lookups of a team's players by position.
#pragma once

// The roster slot of the n-th (from 0) player of the team at the position,
// in roster order; -1 when n is at least the number of such players.
int Get_Team_Position_Player(int nTeam, int nPosition, int n);
