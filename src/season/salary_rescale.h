// A club's contracts scaled toward a payroll, and the contract
// recalculation that runs it for every club under a salary cap.
#pragma once

#include <cstdint>

// Scales the club's salaries and signing bonuses toward a payroll in dollars
// (the cap charges of financial stat 89 x 1000). Each round multiplies every
// salary that is not at its minimum and every bonus by r / 1000, r = target
// / payroll per mille (rounded; 0 for an empty payroll), never below the
// minimum salary; players read from a ratings file (flag 2 of vital stat 24)
// are left alone in the first 20 rounds. Rounds run until one was made with
// r within 2 of 1000, or 50 rounds. Returns the first r (1000: on target).
int Rescale_Player_Salaries(int nTeam, int64_t nPayroll);

// The franchise handled i-th (0-based) of nTeams in season year nYear:
// (43 x (year + i)) mod nTeams, a permutation since 43 is prime and there
// are at most 36 clubs. -1 for no clubs.
int Get_Contract_Rescale_Team(int i, int nTeams, int nYear);

// The payroll, in dollars, a club of the given payroll is aimed at under
// nCap: share = 9 x payroll / cap (rounded) + 80, held to 92..97 %, of the
// cap (rounded). All in 64 bits. 0 without a cap.
int64_t Get_Contract_Rescale_Target(int64_t nPayroll, int64_t nCap);
