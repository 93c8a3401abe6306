// Ratings rebuilt from a player's predicted statistics.
#pragma once

// The rating as the player's predicted (period 3) statistic of that rating
// holds it.
float Get_Stat_Based_Rating(int nTeam, int nSlot, int nRating);
// Stores all 27 ratings of one player from Get_Stat_Based_Rating.
void Recompute_Player_Ratings(int nTeam, int nSlot);

// Fits development ages (vital stats 20 and 21) to a projected peak of nPeak.
void Set_Player_Career_Fields(int nTeam, int nSlot, int nPeak);
