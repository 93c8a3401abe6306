// Ratings rebuilt from a player's predicted statistics.
#pragma once

// The rating as the player's predicted (period 3) statistics hold it.
float Get_Stat_Based_Rating(int nTeam, int nSlot, int nRating);
