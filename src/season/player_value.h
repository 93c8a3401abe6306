// A player's worth as the front office sees it: his projected peak and his
// figures as the user's scouts report them.
#pragma once

#include <cstdint>

#include "season/scouting.h"   // Adjust_Player_Stat_By_Modifier: a figure as the scouts see it

// The rounded product trunc((x k + d/2) / d) of the money and value rules,
// with their sign correction: lowered by 1 when k is not a whole multiple of
// d and exactly one of x and k is negative; 0 when x or d is 0. 128-bit
// inside, so any 64-bit operands are safe.
int64_t Get_Rounded_Product(int64_t x, int64_t k, int64_t d);

// The projected overall rating at the player's peak age (a whole number as a
// float): his ratings aged without chance to the end of his growth, then put
// back exactly as they were; 0 for an empty slot.
float Compute_Player_Potential(int nTeam, int nSlot);
// While a pass over the players' contracts runs (the calls nest), each
// player's potential is kept and projected again only when his record
// (contract fields aside) changed. The pass must not change the year or the
// aging settings.
void Begin_Potential_Memo();
void End_Potential_Memo();


// The player's worth (0 for an empty slot): his ratings now and at his peak,
// with last season's production, falling off past his decline age.
int Get_Player_Value(int nTeam, int nSlot);
// The worth of an overall rating for this player's position.
int Get_Rating_Value(int nTeam, int nSlot, float fRating);
// The worth of one season period's statistics (1 last season, 2 career);
// never negative.
int Get_Player_Production_Value(int nTeam, int nSlot, int nPeriod);
