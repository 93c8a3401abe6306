// Finding players by player ID, by full name and by the statistics-database
// ID text (the Corvel ID).
//
// Three open-addressing tables of 8192 entries map a key to a team byte and a
// slot byte. They are caches kept beside the league, never saved: an entry is
// only a hint that is checked against the record it names, and a miss falls
// back to a scan of every roster slot whose answer is written back. A table is
// rebuilt from scratch when a miss finds it holding 8191 entries.
//
// Players move between slots (swaps, trades, compaction) without telling the
// tables; the next lookup finds the stale entry, scans and repairs it.
#pragma once

#include <cstdint>

#include "league/player_lookup.h"   // PLAYER_LOCATION, Find_Player_By_ID

constexpr int PLAYER_HASH_SIZE = 8192;
constexpr int PLAYER_HASH_FULL_COUNT = 8191;

// ---------------------------------------------------------------------------
// Building. Run after a league is loaded or built; the lookups rebuild a
// table themselves when it fills.

// Files every player with an ID above 0 of all 41 team slots.
void Build_Player_ID_Hash();
// Files the full name ("First Last") of every used slot of every team in use.
void Build_Player_Name_Hash();
// Files the ID text of every used slot of every team in use.
void Build_Corvel_ID_Hash();

// ---------------------------------------------------------------------------
// Lookups. The one-output forms fill pOut (may be null) with the team and slot
// and return true, or fill NO_TEAM / NO_PLAYER and return false. An ID below 1 and an
// empty or absent text are never found.
//
// int Find_Player_By_ID(PLAYER_LOCATION* pOut, int nPlayerID);  (player_lookup.h)
bool Find_Player_By_Corvel_ID(PLAYER_LOCATION* pOut, const char* szCorvelID);
bool Lookup_Player_Name_Hash(PLAYER_LOCATION* pOut, const char* szName);

// The two-output forms return true and fill both outputs when found; otherwise
// they return false and leave the outputs as they were. Null outputs are allowed.
bool Find_Player_ID_Team_Slot(int* pTeam, int* pSlot, int nPlayerID);
bool Find_Player_Name_Team_Slot(int* pTeam, int* pSlot, const char* szName);
bool Find_Corvel_ID_Team_Slot(int* pTeam, int* pSlot, const char* szCorvelID);

// A plain scan, no table: 1 and the team and slot of the first used slot (of
// teams 0-40 in order, slots 0-99) whose ID text equals szId, letter case
// ignored; else 0 with NO_TEAM / NO_PLAYER. An empty or null szId gives 0 at
// once. pResult may be null.
int Scan_Player_By_Corvel_ID(PLAYER_LOCATION* pResult, const char* szId);

// ---------------------------------------------------------------------------
// Unique IDs

// Checks every used slot of every team in use for player IDs held more than
// once and gives every holder of such an ID (the first included) a new one,
// logging each change. Returns true when all IDs were unique, false otherwise.
bool Sanity_Check_Player_IDs();

// ---------------------------------------------------------------------------
// Inspection (diagnostics and tests): what a table holds, without checking the
// record or scanning.

enum PLAYER_HASH_TABLE : int {
    PLAYER_HASH_ID = 0,
    PLAYER_HASH_NAME = 1,
    PLAYER_HASH_CORVEL_ID = 2,
};
// The table's count of filled entries; -1 for an unknown table.
int Get_Player_Hash_Count(int nTable);
// The entry the ID's probe path ends on: fills pOut with its team and slot
// bytes and returns true when the entry holds the ID, else fills NO_TEAM /
// NO_PLAYER and returns false.
bool Peek_Player_ID_Hash(PLAYER_LOCATION* pOut, int nPlayerID);
// Home index of a text key: 400 x (c[i] mod 20) + 20 x (c[j] mod 20) +
// (c[k] mod 20), characters taken as unsigned and positions past the end as 0.
int Get_Player_Name_Home(const char* szName);
int Get_Corvel_ID_Home(const char* szCorvelID);
