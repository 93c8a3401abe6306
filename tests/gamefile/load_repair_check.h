// What the two rating repairs every load runs would change in the league's
// players: a league this program made must come out of them byte for byte.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gamefile/old_files.h"
#include "league/league_data.h"
#include "league/player.h"

// Runs Repair_Player_Ratings and Fix_Low_Speed_Ratings, as a load does, and
// compares every player record (all 41 x 100 slots, whole) with what it
// held before: "" when no byte moved, else how many players changed and the
// first of them, with the first rating that moved.
inline std::string Players_Changed_By_Load_Repairs()
{
    std::vector<PLAYER> Before;
    Before.reserve(TOTAL_NUMBER_OF_TEAMS * PLAYERS_PER_TEAM);
    for (const TEAM& Team : League.Team)
        for (const PLAYER& Player : Team.Player)
            Before.push_back(Player);

    Repair_Player_Ratings();
    Fix_Low_Speed_Ratings();

    int nChanged = 0;
    std::string First;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const PLAYER& Old = Before[static_cast<size_t>(t * PLAYERS_PER_TEAM + s)];
            const PLAYER& New = League.Team[t].Player[s];
            if (std::memcmp(&Old, &New, sizeof(PLAYER)) == 0)
                continue;
            if (++nChanged > 1)
                continue;
            char szLine[256];
            std::snprintf(szLine, sizeof(szLine), "team %d slot %d (ID %d, position %d)", t, s,
                          Old.nVital[VITAL_PLAYER_ID], Old.nVital[VITAL_POSITION]);
            First = szLine;
            for (int r = 0; r < NUMBER_OF_RATINGS; ++r) {
                if (std::memcmp(&Old.fRating[r], &New.fRating[r], sizeof(float)) == 0)
                    continue;
                std::snprintf(szLine, sizeof(szLine), ": rating %d from %g to %g", r,
                              static_cast<double>(Old.fRating[r]), static_cast<double>(New.fRating[r]));
                First += szLine;
                break;
            }
        }
    }
    if (nChanged == 0)
        return "";
    return std::to_string(nChanged) + " players changed, first " + First;
}
