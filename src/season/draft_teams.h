// Moving every player to the club that drafted him after a fantasy draft,
// and the marks that move relies on.
//
// A player's destination is his drafted-by byte (byte statistic 4; NO_TEAM,
// 128, when nobody drafted him). The placed mark is the value-2 bit of vital
// stat 24: a ratings-file load uses the same bit for a player read from the
// file, and here it marks a player already on his destination club. (The
// game engine's per-game "on the field" mark is a bit of its own, value 8, so
// a game never wipes this one.)
#pragma once

// Byte statistic holding the drafting club.
constexpr int BYTE_STAT_DRAFTED_BY = 4;
// The value-2 bit of vital stat 24.
constexpr int DRAFT_PLACED_FLAG = 2;
// Passes of the move, at most.
constexpr int DRAFT_MOVE_PASS_LIMIT = 4100;

// The drafted-by byte of a player (NO_TEAM when not drafted); reading a bad
// address is reported and gives NO_TEAM.
int Get_Player_Drafted_By(int nTeam, int nSlot);
void Set_Player_Drafted_By(int nTeam, int nSlot, int nDraftingTeam);

// Moves every player to the club in his drafted-by byte: undrafted players of
// the franchises go to the free agents, undrafted players of the pools (free
// agents, hall of fame, college pools) stay. A move that a full roster
// refuses is tried again in later passes; the passes stop when every player
// is placed, when a pass moves nobody (nothing would change after it) or
// after DRAFT_MOVE_PASS_LIMIT passes. A moved player (unless he went to the
// free agents) gets this year's season line with his new club as his current
// line. 1 when every player was placed (the depth charts are then set anew),
// else 0 after the box "Error in Implement_Draft_Teams()"; the moves made so
// far are kept.
int Implement_Draft_Teams();

// Every player of the franchises in use and of slots 36-40 gets drafted-by
// NO_TEAM, then Clear_All_Rating_File_Marks.
void Clear_All_Drafted_By();

// Clears the value-2 bit of vital stat 24 of every player of the franchises
// in use and of slots 36-40.
void Clear_All_Rating_File_Marks();

// 1 when every player of the franchises in use and of slots 36-40 has the
// placed mark, else 0.
int Are_All_Players_Placed();
