// Finding a player by his player ID.
//
// The lookup itself lives with the player hashes (player_hash.cpp).
#pragma once

#include <cstdint>

// A team byte and a slot byte (NO_TEAM / NO_PLAYER when not found).
struct PLAYER_LOCATION {
    uint8_t nTeam;
    uint8_t nSlot;
};

// Fills pOut (may be null) and returns true when a slot of teams 0-40 holds the
// ID; else fills 128 / 255 and returns false. An ID below 1 is never found.
bool Find_Player_By_ID(PLAYER_LOCATION* pOut, int nPlayerID);
