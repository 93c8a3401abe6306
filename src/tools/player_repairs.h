// Repairs of player records that the database tools and the game file run.
#pragma once

#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"

// Calls f(team, slot) for every player (ID not 0) of every team in use:
// the franchises in use and slots 36-40. The repairs of a load walk the
// league this way.
template <typename F> void For_Each_Player_In_Use(F f)
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (League.Team[t].Player[s].nVital[VITAL_PLAYER_ID] != 0)
                f(t, s);
        }
    }
}

// Clears every player whose position (vital stat 1) is not 0-14 and closes
// the gap in his roster. Runs on every load.
void Remove_Players_Without_Position();
// Ratings 13-16 of every player: not a number becomes the default rating,
// below 20 becomes 20 (files older than version 1400).
void Convert_Old_Player_Ratings();
// Recomputes the ratings of every player of every team in use from his record.
void Recompute_All_Player_Ratings();
