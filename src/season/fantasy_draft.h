// The fantasy draft's state. It is kept inside the league block (so it is
// saved with the game) at the start of the season bookkeeping area, and is
// also the exact content of the file "%s.draft" that older saved games kept
// beside the game file.
//
// FANTASY_DRAFT_STATE, 18,016 bytes, little-endian:
//   0       int32            first-round order mode
//   4       int32            remaining-rounds order mode
//   8       int32            current round, from 0
//   12      int32            current pick within the round, from 0
//   16      int32[100][36]   player ID taken at [round][pick]
//   14,416  int8[100][36]    team on the clock at [round][pick]
#pragma once

#include <cstddef>

constexpr size_t FANTASY_DRAFT_STATE_SIZE = 18016;
// Offset of the state within the season bookkeeping area.
constexpr size_t FANTASY_DRAFT_STATE_OFFSET = 0;

// Reads "%s.draft", the current game's name with ".draft", over the state.
// A missing file is no error and changes nothing; so does a file shorter
// than the state (noted in the debug log). True when the state was read.
bool Load_Fantasy_Draft_File();
