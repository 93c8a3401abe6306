#include "engine/game_ratings.h"

#include <cstring>

#include "league/team_strength.h"

namespace {

// The offence strengths of the game's clubs, by side; the generation they
// were worked out in (0: not yet).
struct KEPT_STRENGTH {
    unsigned nGeneration = 0;
    int nStrength = 0;
};
KEPT_STRENGTH g_Strength[2];

}  // namespace

namespace game_ratings_detail {

GAME_RATING_CACHE g_Ratings;

float Read_And_Keep(int bSide, int nTeam, int nSlot, int nRating)
{
    const float f = Get_Player_Rating(nTeam, nSlot, nRating);
    g_Ratings.fRating[bSide][nSlot][nRating] = f;
    g_Ratings.nKnown[bSide][nSlot] |= 1u << nRating;
    return f;
}

void Forget_All()
{
    std::memset(g_Ratings.nKnown, 0, sizeof g_Ratings.nKnown);
    g_Ratings.nChanges = Get_Player_Rating_Changes();
    // 0 is never a generation, so nothing kept under it ever matches.
    if (++g_Ratings.nGeneration == 0)
        ++g_Ratings.nGeneration;
}

}  // namespace game_ratings_detail

using game_ratings_detail::g_Ratings;

void Begin_Game_Rating_Cache(const GAME* pGame)
{
    game_ratings_detail::Forget_All();
    g_Ratings.bActive = pGame != nullptr;
    g_Ratings.nTeam[0] = pGame ? pGame->nAwayTeam : -1;
    g_Ratings.nTeam[1] = pGame ? pGame->nHomeTeam : -1;
}

void End_Game_Rating_Cache()
{
    game_ratings_detail::Forget_All();
    g_Ratings.bActive = false;
    g_Ratings.nTeam[0] = g_Ratings.nTeam[1] = -1;
}

int Get_Game_Team_Offense_Strength(int nTeam)
{
    const int bSide = !g_Ratings.bActive ? -1 : nTeam == g_Ratings.nTeam[0] ? 0 : nTeam == g_Ratings.nTeam[1] ? 1 : -1;
    if (bSide < 0)
        return Get_Team_Pass_Rating(nTeam) + Get_Team_Run_Rating(nTeam);
    const unsigned nGeneration = Get_Game_Rating_Generation();
    KEPT_STRENGTH& K = g_Strength[bSide];
    if (K.nGeneration == nGeneration)
        return K.nStrength;
    const unsigned nChanges = Get_Player_Rating_Changes();
    const int nStrength = Get_Team_Pass_Rating(nTeam) + Get_Team_Run_Rating(nTeam);
    // A read that regenerated a player's ratings is not kept: the next read
    // sees the new ratings.
    if (Get_Player_Rating_Changes() == nChanges) {
        K.nGeneration = nGeneration;
        K.nStrength = nStrength;
    }
    return nStrength;
}
