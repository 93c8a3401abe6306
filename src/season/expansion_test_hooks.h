// Test hooks of franchise moves and the expansion draft, never used by the
// program itself.
#pragma once

#include "season/franchise_moves.h"

// Makes Apply_Franchise_Changes and Run_League_Expansion read the caller's
// table (kept by pointer, so it must outlive its use); null restores the
// built-in history.
void Set_Franchise_Event_Table(const FRANCHISE_EVENT* pEvents, int nEvents);

// The two worth figures the draft's score is made of: (team, slot) and (new
// team, team, slot). Null restores the front office's own.
using EXPANSION_TRADE_WORTH = int (*)(int nTeam, int nSlot);
using EXPANSION_VALUE_TO_TEAM = int (*)(int nNewTeam, int nTeam, int nSlot);
void Set_Expansion_Worth_Functions(EXPANSION_TRADE_WORTH pTradeWorth, EXPANSION_VALUE_TO_TEAM pValueToTeam);
