// The college prospects of the three pools (teams 38-40): counting them,
// finding the k-th, and the pools' order.
#pragma once

// The players of the three college pools (teams 38-40), each pool counted up
// to its first empty roster slot.
int Count_College_Players();

// The k-th college player (from 0) in pool order: pool 38's players, then
// 39's, then 40's, each pool up to its first empty slot. With full pools
// filled in order that is pool 38 + k / 100, slot k mod 100. True and the
// team and slot when there is one; false (NO_TEAM, -1) otherwise.
bool Find_College_Player_Slot(int k, int* pnTeam, int* pnSlot);

// Sort keys of the pools.
constexpr int COLLEGE_SORT_OVERALL = 3;     // overall at his position (regenerated below 25)
constexpr int COLLEGE_SORT_POTENTIAL = 4;   // Compute_Player_Potential

// Orders the college players as one list, best first, by nKey (3 overall,
// 4 potential; any other key sorts by overall). With bRealFirst a real
// prospect (vital stat 24, bit 0 clear) ranks ahead of every fictional one.
// Equal players keep their order, as a bubble sort that swaps only a
// strictly better player forward leaves them. Each key is taken once, in
// pool order, before sorting. Shows "Sorting College Players..." while it
// works.
void Sort_College_Players(int bRealFirst, int nKey);
