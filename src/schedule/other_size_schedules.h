// Schedules of the leagues of 12, 26, 28 and 30 teams, made from their
// pairing tables (other_size_tables.h): the season's team order puts every
// team into a table slot, then the table's games are entered one by one with
// Schedule_Game, weekday and kick-off from the default rule. The schedule
// driver clears the schedule and rebuilds the division standings order
// first.
#pragma once

#include "schedule/other_size_tables.h"

// The most slots a table has.
constexpr int OTHER_SIZE_MAX_SLOTS = 36;

// 12 teams, 12 games, weeks 0-11. 1959: the fixed order; else league slots,
// then with one chance in two slots 0-5 and 6-11 change places.
void Generate_Schedule_12_Teams();
// 26 teams, 14 games, weeks 0-13. 1972: the fixed order; else league slots,
// then two coin flips: slots 5-8 with 9-12, slots 18-21 with 22-25.
void Generate_Schedule_26_Teams();
// 28 teams, 14 games, weeks 0-13. 1976: the fixed order; else league slots,
// in 1977 shifted (slot 23 and above less 4, 19-22 plus 5).
void Generate_Schedule_28_Teams_14_Games();
// 28 teams, 16 games before 1990, weeks 0-15. 1986: the fixed order; else
// league slots.
void Generate_Schedule_28_Teams_Before_1990();
// 28 teams, 16 games from 1990, weeks 0-16 with one week off a team. 1990:
// the fixed order; else league slots, then two coin flips: slots 0-4 with
// 9-13 when divisions 0-3 hold 5, 4, 5, 0 teams; slots 14-18 with 19-23 when
// divisions 4-7 hold 5, 5, 4, 0.
void Generate_Schedule_28_Teams();
// 30 teams, 16 games, weeks 0-16 with one week off a team. 1998: the fixed
// order; else league slots, then in each conference whose divisions hold 5,
// 5, 5, 0 teams three swaps of two five-slot blocks drawn among its three.
void Generate_Schedule_30_Teams();

// The member's generator (nothing for a bad member).
void Generate_Other_Size_Schedule(int nMember);

// The slot-to-team map of the member for the current season, with its draws:
// pTeamAtSlot[slot] for slots 0 .. OTHER_SIZE_MAX_SLOTS - 1, NO_TEAM where no
// team sits (a team without a place, a slot outside the table).
void Build_Other_Size_Slot_Map(int nMember, int* pTeamAtSlot);
