// Season figures the contract rules read.
#pragma once

// The rookie salaries of the picks the team holds in the coming draft, $K.
int Get_Team_Draft_Pick_Costs(int nTeam);
// The league's payroll level against the cap, per mille; 0 without teams.
int Get_League_Payroll_Ratio();
