// Contract figures of a whole roster.
#pragma once

#include <cstdint>

// The worth of the contracts of the team's roster (salary in $K x years
// left, over the used slots) x 2,000. Team 0-40; a bad team is reported and
// gives 0.
int64_t Get_Team_Contract_Total(int nTeam);

// Stores the player's signing bonus and yearly salary from his worth
// (nValue 0: computed here).
void Compute_Asking_Salary(int nTeam, int nSlot, int nValue);
// The depth rank (0, 1 or 2) at which the player would stand at his position
// on club nTeam.
int Rate_Player_Against_Depth(int nTeam, int nPlayerTeam, int nSlot);
// The user's answer to a contract offer for the player: non-zero when he
// signed. The desktop program asks; a run without a window follows the
// installed policy (none: not signed).
int Run_Contract_Offer_Dialog(int nTeam, int nSlot);
void Set_Contract_Offer_Policy(int (*pPolicy)(int nTeam, int nSlot));
