// Roster moves of the front office.
#pragma once

#include <cstdint>

// When the team holds 52 or more players, releases its weakest one
// (Find_Weakest_Team_Player) and returns true; else false. A free agent
// released from the pool leaves the league, and the pool stays compact.
bool Release_Excess_Player(int nTeam);

// The roster slot of the player the team can best spare, -1 for none: at
// its surplus position (Find_Surplus_Position), the smallest
// (R x R x V + 1,250) / 2,500 - C, with R his overall there (his ratings made
// anew first when it is below 25), V his value (Get_Player_Value) and C his
// scaled cap charge on a franchise in use (0 elsewhere); the first of equals.
int Find_Weakest_Team_Player(int nTeam);

// What the club makes of keeping the player, without his cap charge:
// (R x R x V + 1,250) / 2,500 with R his overall at his position and V his
// value (0 when V is 0). The spare player of least kept value is the one a
// club lets go when the rules of its own choice cannot decide.
int64_t Get_Player_Keep_Value(int nTeam, int nSlot);

// Chooses a returner of kind 0 (kick-offs) or 1 (punts) among the team's
// backs and receivers, stores it with Set_Team_Returner and returns its
// roster slot; -1 when the team has none.
int Choose_Team_Returner(int nTeam, int nKind);

// The fewest players a legal roster keeps at a position (0-14; 0 otherwise).
int Get_Position_Minimum(int nPosition);
