// Season-cycle queries, the free-agent pool upkeep, and the draft's own
// tables kept in the league block: the draft-talent and draft-strategy
// figures by position and the records of forfeited picks.
#pragma once

#include "season/season_services.h"   // Rank_Free_Agent_Pool

#include <cstddef>

#include "season/playoffs.h"   // Is_Season_Complete

// True while the college draft runs: the draft round (preference 36) is
// below 7 and the college pools (teams 38-40) still hold players. No side
// effects: readers ask this, only the draft loop may end a draft.
bool Is_College_Draft_Running();
// True while the off-season's college draft waits to be started: day 100,
// the draft round still 7 (no draft begun) and prospects in the pools. The
// off-season leaves it so when "Begin College Draft?" is answered No, and
// when the timeline holds the draft for the free agents.
bool Is_College_Draft_Pending();


// ---- Draft tables (saved with the league) --------------------------------

constexpr int DRAFT_TALENT_COLUMNS = 3;    // quality offset, spread, development offset
constexpr int DRAFT_TALENT_QUALITY = 0;
constexpr int DRAFT_TALENT_SPREAD = 1;
constexpr int DRAFT_TALENT_DEVELOPMENT = 2;
constexpr int DRAFT_TABLE_POSITIONS = 15;  // QB .. P
constexpr int DRAFT_RESULT_WORDS = 300;

// Where the tables live in the league's season bookkeeping area: the talent
// (3 x 15 int16), the strategy (15 int16) and the forfeit records (300
// int32), 1,328 bytes.
constexpr size_t DRAFT_TABLES_BOOKKEEPING_OFFSET = 65536;

// DRAFT_TALENT column nColumn (0-2) of position 0-14; 0 for a bad index.
int Get_Draft_Talent(int nColumn, int nPosition);
// Stores the value held within the 16-bit range.
void Set_Draft_Talent(int nColumn, int nPosition, int nValue);
// DRAFT_STRATEGY of position 0-14 (a percentage added to 100); 0 for a bad index.
int Get_Draft_Strategy(int nPosition);
void Set_Draft_Strategy(int nPosition, int nValue);
// DRAFT_RESULT word 0-299: 0 free, else (year x 1000 + overall pick) x 100
// + the forfeiting team.
int Get_Draft_Result_Word(int nIndex);
void Set_Draft_Result_Word(int nIndex, int nValue);
