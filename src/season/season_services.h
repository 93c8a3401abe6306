// Season figures the contract rules read.
#pragma once

// The rookie salaries of the picks franchise nTeam holds in the coming draft:
// for each pick the slot's salary and a quarter of its bonus, $K, at the
// place the order gives it (the final order once the season is complete, the
// order by record so far before). 0 when it holds none; a team outside 0-35
// is reported and gives 0.
int Get_Team_Draft_Pick_Costs(int nTeam);
// True when the player of franchise nTeam (0-35) has a contract of 1 year
// or less left and the season is complete: his contract runs out at this
// season's end. False for any other team (free agents, the pools) or a slot
// outside 0-99.
bool Is_Contract_Expiring(int nTeam, int nSlot);
// The league's cap room: the clubs' average room (financial stat 90) against
// the cap, scaled so that 6 % room gives 1000; 0 without a cap or clubs.
int Get_League_Payroll_Ratio();

// Sorts the free-agent pool (team slot 36) by the sort mode of preference 84
// (0 salary, 2 the predicted grade, otherwise position then salary; the
// larger key first, a stable exchange sort), then tops it up.
void Rank_Free_Agent_Pool();
// Makes the pool hold at least its target of every position (QB 2, RB 2,
// FB 1, TE 3, WR 5, T 3, G 3, C 2, DE 3, DT 2, LB 5, CB 3, S 3, K 1, P 1)
// with new veterans, releasing the weakest while it holds 97 or more.
void Replenish_Free_Agents();
// The pool's target of a position 0-14; 0 otherwise.
int Get_Free_Agent_Target(int nPosition);
