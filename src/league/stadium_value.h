// The money value of a club's stadium: what its seats, roof, grass and
// seating qualities are worth in its city's market.
#pragma once

#include <cstdint>

#include "league/team.h"

// Stadium stats (Get_Team_Stadium_Stat; the capacity is team.h's).
constexpr int STADIUM_STAT_STRUCTURE = 1;     // 0 open, 1 domed, 2 convertible
constexpr int STADIUM_STAT_SURFACE = 2;       // 0 natural grass, 1 artificial turf
constexpr int STADIUM_STAT_YEAR_BUILT = 3;
constexpr int STADIUM_STAT_VALUE = 4;         // dollars
constexpr int STADIUM_STAT_CONVENIENCE = 5;   // qualities: about 1000 is average
constexpr int STADIUM_STAT_COMFORT = 6;
constexpr int STADIUM_STAT_SIGHT_LINES = 7;

// The stadium of club nTeam in dollars, a whole number of millions. Every
// step is a wide product divided with rounding half away from zero, so
// negative figures (a corrupt capacity or city) round like positive ones;
// a result beyond the int range is held to it.
int Get_Stadium_Value(int nTeam);
