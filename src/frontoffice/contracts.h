// Contract figures of a whole roster.
#pragma once

#include <cstdint>

// The worth of the contracts of the team's roster (salary in $K x years
// left, over the used slots) x 2,000. Team 0-40; a bad team is reported and
// gives 0.
int64_t Get_Team_Contract_Total(int nTeam);
