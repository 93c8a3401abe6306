// Which franchises the user runs. A franchise is human-run when it is in use,
// its controller (team stat 2) is 1 and the league is not set to run every
// franchise by the computer (preference 96).
#pragma once

// Franchise 0-35 in use, preference 96 off, controller 1.
bool Is_Human_Team(int nTeam);
// Franchise 0-35 in use and (preference 96 on, or controller 0).
bool Is_Computer_Team(int nTeam);
// The same tests over the team slots 0..Count_Teams()-1.
int Count_Human_Teams();
int Count_Computer_Teams();
bool Has_Several_Human_Teams();
// The n-th human team in slot order, n from 0; an n not below the number of
// human teams is taken as 0; 0 when there is no human team.
int Get_Nth_Human_Team(int n);
