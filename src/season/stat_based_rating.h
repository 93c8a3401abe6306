// Ratings rebuilt from a player's predicted statistics.
#pragma once

// The rating as the player's predicted (period 3) statistic of that rating
// holds it.
float Get_Stat_Based_Rating(int nTeam, int nSlot, int nRating);
// Stores all 27 ratings of one player from Get_Stat_Based_Rating.
void Recompute_Player_Ratings(int nTeam, int nSlot);

// An offensive lineman's predicted sacks allowed (4), runs behind him (7) and
// their yards (8), from his predicted blocking scores 6 and 5.
void Set_Derived_Player_Stats(int nTeam, int nSlot);
// Set_Derived_Player_Stats for every offensive lineman (his position, an
// expanded code translated, in unit 1) of the franchises in use.
void Derive_Offensive_Line_Stats();

// Fits the development values to a projected peak of nPeak: the development
// rate (vital stat 20) moves by 2 a round, at most 200 rounds, until the
// truncated potential equals nPeak; a player short of the peak who has
// reached his development age (vital stat 21) less one first gets the
// development age max(age + 2, 26). The rate is held within 0-250 (a larger
// value reads as damaged); the fit stops when it can move no further.
void Set_Player_Career_Fields(int nTeam, int nSlot, int nPeak);
