// The ratings of the two clubs' players as a game reads them, kept from the
// first read to the final whistle. The play loop reads the same few ratings
// thousands of times a game; the accessor checks and repairs each on every
// read, and a kept rating is what that read would give again.
//
// Health and Durability are never kept (above 120 they are worked out from
// the player's record, which the game changes). Every stored rating change
// moves Get_Player_Rating_Changes(); when it has moved, everything kept is
// forgotten. Play_Game keeps ratings only while Run_Game runs; outside that,
// and for any other club, the reads go to Get_Player_Rating.
#pragma once

#include <cstdint>

#include "league/game_record.h"
#include "league/league_data.h"
#include "league/player.h"

void Begin_Game_Rating_Cache(const GAME* pGame);
void End_Game_Rating_Cache();

// Get_Team_Pass_Rating(nTeam) + Get_Team_Run_Rating(nTeam), kept while no
// rating changes (the starters they read are the roster's, which a game does
// not change).
int Get_Game_Team_Offense_Strength(int nTeam);

namespace game_ratings_detail {
struct GAME_RATING_CACHE {
    bool bActive = false;
    unsigned nGeneration = 0;   // moves whenever what is kept is forgotten
    unsigned nChanges = 0;      // Get_Player_Rating_Changes() when last in step
    int nTeam[2] = {-1, -1};
    uint32_t nKnown[2][PLAYERS_PER_TEAM];   // bit r: rating r kept
    float fRating[2][PLAYERS_PER_TEAM][NUMBER_OF_RATINGS];
};
extern GAME_RATING_CACHE g_Ratings;
float Read_And_Keep(int bSide, int nTeam, int nSlot, int nRating);
void Forget_All();

// Forgets what is kept when a rating has changed since.
inline void Keep_In_Step()
{
    if (g_Ratings.nChanges != Get_Player_Rating_Changes())
        Forget_All();
}
}  // namespace game_ratings_detail

static_assert(NUMBER_OF_RATINGS <= 32, "one bit a rating");

// Get_Player_Rating(nTeam, nSlot, nRating), kept for the game.
inline float Get_Game_Player_Rating(int nTeam, int nSlot, int nRating)
{
    using game_ratings_detail::g_Ratings;
    if (g_Ratings.bActive && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM && nRating > RATING_DURABILITY &&
        nRating < NUMBER_OF_RATINGS) {
        const int bSide = nTeam == g_Ratings.nTeam[0] ? 0 : nTeam == g_Ratings.nTeam[1] ? 1 : -1;
        if (bSide >= 0) {
            game_ratings_detail::Keep_In_Step();
            if (g_Ratings.nKnown[bSide][nSlot] & (1u << nRating))
                return g_Ratings.fRating[bSide][nSlot][nRating];
            return game_ratings_detail::Read_And_Keep(bSide, nTeam, nSlot, nRating);
        }
    }
    return Get_Player_Rating(nTeam, nSlot, nRating);
}

// Whether ratings are being kept, and a number that changes whenever a kept
// rating may have (a game begun or ended, a rating changed).
inline bool Is_Game_Rating_Cache_Active()
{
    return game_ratings_detail::g_Ratings.bActive;
}
inline unsigned Get_Game_Rating_Generation()
{
    game_ratings_detail::Keep_In_Step();
    return game_ratings_detail::g_Ratings.nGeneration;
}
