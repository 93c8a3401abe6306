// The clubs' payrolls held to the cap, contracts drawn again from worth, and
// the repairs of absurd or stale contracts.
#pragma once

// A field beyond this many $K (or years) is absurd.
constexpr int ABSURD_CONTRACT_FIELD = 219180;

// Every franchise in use (slots not in use are skipped) brought to 90 % of
// the cap (225,000 $K at the current money level without a cap): the
// difference to its payroll is credited to its cash, and every salary and
// bonus is scaled by target / payroll, rounded up to $5K, at least the
// minimum salary of the player's seasons.
void Update_Team_Financial_Stats();
// A player's contract drawn again from his worth: length, years left from
// his seasons, asking salary, bonus = salary x length / 3.
void Update_Player_Computed_Value(int nTeam, int nSlot);
// Update_Player_Computed_Value for every player of the franchises in use,
// the free agents and the college pools; players marked as read from a
// ratings file (the value-2 bit of vital stat 24) only with bAll. Steps the
// caller's progress window (at most 10 steps).
void Update_All_Player_Computed_Values(int bAll);
// Before a fantasy draft: a franchise player whose bonus, salary or bonus
// years are absurd gets a sound bonus demand, asking salary and length.
void Repair_Absurd_Contracts();
// The league's passer rating of the era, in tenths of a point, from the
// historical averages of the current year and the year before.
int Get_League_Passer_Rating();
