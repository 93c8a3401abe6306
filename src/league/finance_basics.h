// The few money figures of the team finances that the financial statistics
// read on every call: the inflated cash base, the operating expenses of one
// game and the per-game payroll. Apply_Inflation itself is in
// league/inflation.h.
#pragma once

// Cash base of a franchise: Apply_Inflation(28,100,000) dollars.
constexpr int FINANCE_BASE_AMOUNT = 28100000;

// Apply_Inflation(28,100,000).
int Get_Inflated_Base_Amount();

// The operating expenses of one game of a team:
// Apply_Inflation((fan income of its city + 25,000) x 20), in dollars.
// Team 0-40; a bad team is reported and gives 0.
int Get_Stadium_Scaled_Amount(int nTeam);

// Sum over the team's used roster slots of nearest(salary in $K x 1000 /
// games per season): the salaries of one game, in dollars. 0 when the season
// has no games. Team 0-40; a bad team is reported and gives 0.
int Get_Team_Per_Game_Payroll(int nTeam);
