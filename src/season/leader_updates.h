// The all-time leaders brought up to date after every played day.
//
// At the start of a day a snapshot keeps the career record (statistics
// record 2) of every franchise player; after the day the single-game pass
// runs on each player's growth during the day and the career pass on the
// whole record. The snapshot is not saved: after a load it is invalid until
// the next day's start, and a day with an invalid snapshot skips the
// single-game pass.
#pragma once

#include "season/leader_lists.h"   // Update_Leader_Lists, Build_All_Time_Leader_Tables

// Mode 1 takes the day's starting snapshot; 2 keeps each player's record
// after the day; 3 leaves only the day's growth in the record; 4 puts the
// whole record back. Any other mode does nothing.
void Update_Career_Leaders(int nMode);
// After a played day: the single-game pass on the day's growth, then the
// career pass and the relinking of the single-season entries.
void Update_All_Time_Leaders();
// Forgets the snapshot (a league was loaded or replaced).
void Invalidate_Career_Leaders_Snapshot();
// Whether a snapshot taken at a day's start waits to be used.
bool Is_Career_Leaders_Snapshot_Valid();
