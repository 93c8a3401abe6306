// Repairs of player records that the database tools and the game file run.

#include "tools/player_repairs.h"

#include <cmath>

#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"
#include "tools/stat_based_rating.h"

namespace {
constexpr int FIRST_OLD_RATING = 13;   // ratings 13-16 were added in version 1400
constexpr int LAST_OLD_RATING = 16;
}  // namespace

void Remove_Players_Without_Position()
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        bool bRemoved = false;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const PLAYER& Player = League.Team[t].Player[s];
            int nPosition = Player.nVital[VITAL_POSITION];
            // A negative position names no position either, and would index
            // every position table out of bounds.
            if (Player.nVital[VITAL_PLAYER_ID] != 0 && (nPosition < POSITION_QB || nPosition > POSITION_P)) {
                Clear_Player(t, s);
                bRemoved = true;
            }
        }
        if (bRemoved)
            Compact_Team_Roster(t);
    }
}

void Convert_Old_Player_Ratings()
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            PLAYER& Player = League.Team[t].Player[s];
            if (Player.nVital[VITAL_PLAYER_ID] == 0)
                continue;
            for (int r = FIRST_OLD_RATING; r <= LAST_OLD_RATING; ++r) {
                if (std::isnan(Player.fRating[r]))
                    Player.fRating[r] = Get_Default_Rating(r);
                else if (Player.fRating[r] < MINIMUM_RATING)
                    Player.fRating[r] = MINIMUM_RATING;
            }
        }
    }
}

void Recompute_All_Player_Ratings()
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (League.Team[t].Player[s].nVital[VITAL_PLAYER_ID] != 0)
                Recompute_Player_Ratings(t, s);
        }
    }
}
