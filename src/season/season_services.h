// Season figures the contract rules read.
#pragma once

// The rookie salaries of the picks franchise nTeam holds in the coming draft:
// for each pick the slot's salary and a quarter of its bonus, $K. 0 when it
// holds none; a team outside 0-35 is reported and gives 0.
int Get_Team_Draft_Pick_Costs(int nTeam);
// The league's cap room: the clubs' average room (financial stat 90) against
// the cap, scaled so that 6 % room gives 1000; 0 without a cap or clubs.
int Get_League_Payroll_Ratio();
