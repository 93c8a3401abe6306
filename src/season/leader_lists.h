// Merging the league's players into the all-time leader tables.
//
// Modes of Update_Leader_Lists:
//   2  careers (table 0) from career values; an entry takes every change
//   3  single seasons (table 1) from this season; only entries of the
//      current year are refreshed, and values only rise
//   4  single seasons (table 1) from last season; values only rise
//   5  single games (table 2) from the career record while it holds one
//      day's growth; existing entries are left alone
#pragma once

#include "league/leader_tables.h"

// Players a pass may offer: one mark per franchise slot and roster slot.
struct LEADER_CANDIDATES {
    bool bSlot[MAX_FRANCHISES][PLAYERS_PER_TEAM];
};

// One pass over the 30 lists of the mode's table. 1 when done; any other
// mode reports "WTF?", changes nothing and gives 0.
int Update_Leader_Lists(int nMode);
// The same, offering only the marked players (all franchise players when
// pOnly is null).
int Update_Leader_Lists_Of(int nMode, const LEADER_CANDIDATES* pOnly);

// Offers every franchise player not yet seen in this pass to one list: a
// player whose value is 0 or below the 21st is skipped; otherwise he walks
// down past the entries with greater values and replaces an outside entry
// (team NO_TEAM) with his names, passes over an entry of his names with a
// real team, or is inserted (the 21st drops off).
void Insert_Leader_Candidates(int nTable, int nLeaderStat, int nPeriod);

// List order: value, then year, then week, all descending; then last name
// and first name ascending, ignoring case.
int Compare_Leader_Entries(const LEADER_ENTRY& A, const LEADER_ENTRY& B);
// Stable insertion sort of a list by Compare_Leader_Entries.
void Sort_Leader_List(LEADER_LIST& List);

// Relinks the single-season entries: an ID that finds no player becomes 0,
// and an entry with ID 0 and both names takes the ID of the first player
// in use with the same names.
void Build_All_Time_Leader_Tables();
