// Season-cycle queries and the free-agent pool upkeep.
#pragma once

#include "season/playoffs.h"   // Is_Season_Complete

// True while the college draft runs: the draft round (preference 36) is
// below 7 and the college pools (teams 38-40) still hold players. No side
// effects: readers ask this, only the draft loop may end a draft.
bool Is_College_Draft_Running();

// Sorts the free-agent pool (team 36) by overall rating, best first, after
// closing any gaps in it.
void Rank_Free_Agent_Pool();

