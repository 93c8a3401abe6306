// The league's per-game averages that the game engine reads, refreshed
// before every day's games and saved with the league.
#pragma once

#include <cstddef>
#include <cstdint>

// LEAGUE_NORMS: seven per-game league averages kept in the season
// bookkeeping area (int16, little-endian) and saved with the league.
constexpr size_t LEAGUE_NORMS_OFFSET = 18016;
constexpr int LEAGUE_NORM_COUNT = 7;
constexpr int LEAGUE_NORM_RUSHING = 1;        // yards per carry x 100
constexpr int LEAGUE_NORM_COMPLETIONS = 2;    // completions per mille
constexpr int LEAGUE_NORM_COMPLETION_YARDS = 3;  // yards per completion x 100
constexpr int LEAGUE_NORM_PASSING = 4;
constexpr int LEAGUE_NORM_INTERCEPTIONS = 5;  // per mille
constexpr int LEAGUE_NORM_SACKS = 6;
constexpr int LEAGUE_NORM_KICKING = 7;

// Field 1-7 as stored; the default of the field while the league has never
// had its norms prepared (all seven stored values 0); 0 for another field.
int Get_League_Norm(int nField);
// True once the norms have been prepared for this league.
bool Are_League_Norms_Kept();
// Stores the seven fields in order.
void Set_League_Norms(const int16_t (&nNorms)[LEAGUE_NORM_COUNT]);
// The values a season starts from, field 1-7; 0 for another field.
int Get_Default_League_Norm(int nField);
