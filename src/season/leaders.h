// The league's leader lists and all-time leader tables (the last 98,280 bytes
// of the league block).
#pragma once

// A pass over the leader lists: mode 2 careers, 3 this season, 4 last
// season, 5 single games. Returns 1; another mode reports "WTF?".
int Update_Leader_Lists(int nMode);
// Relinks the entries of the single-season table to the league's players.
void Build_All_Time_Leader_Tables();
