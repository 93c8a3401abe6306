// Contract figures of a whole roster.
#pragma once

#include <cstdint>

// The worth of the contracts of the team's roster (salary in $K x years
// left, over the used slots) x 2,000. Team 0-40; a bad team is reported and
// gives 0.
int64_t Get_Team_Contract_Total(int nTeam);

// Stores the player's signing bonus and yearly salary from his worth
// (nValue 0: computed here): salary (vital stat 11) := his contract value,
// bonus (vital stat 10) := his bonus demand.
void Compute_Asking_Salary(int nTeam, int nSlot, int nValue);

// A club's needs per position (0-14) and depth rank: 0 a starter, 1 a
// backup, 2 a young player for later; per mille, 400 an ordinary need.
struct POSITION_NEEDS {
    int nNeed[3][15];
};
constexpr int NEED_DEPTH_RANKS = 3;
// Fills pNeeds for franchise nTeam (0-35); anything else gets ordinary needs.
void Get_Team_Position_Needs(int nTeam, POSITION_NEEDS* pNeeds);

// Players of each position (0-14) a club starts.
int Get_Position_Starters(int nPosition);
// The depth rank (0, 1 or 2) at which the player (nPlayerTeam, nSlot) would
// stand at his position on club nTeam: 0 among its starters, 1 among as many
// backups again, 2 below them.
int Rate_Player_Against_Depth(int nTeam, int nPlayerTeam, int nSlot);
// The user's answer to a contract offer for the player: non-zero when he
// signed. The desktop program asks; a run without a window follows the
// installed policy (none: not signed).
int Run_Contract_Offer_Dialog(int nTeam, int nSlot);
void Set_Contract_Offer_Policy(int (*pPolicy)(int nTeam, int nSlot));
