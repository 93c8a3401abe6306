#include "engine/game_ratings.h"

#include <cstring>

namespace game_ratings_detail {

GAME_RATING_CACHE g_Ratings;

float Read_And_Keep(int bSide, int nTeam, int nSlot, int nRating)
{
    const float f = Get_Player_Rating(nTeam, nSlot, nRating);
    g_Ratings.fRating[bSide][nSlot][nRating] = f;
    g_Ratings.nKnown[bSide][nSlot] |= 1u << nRating;
    return f;
}

}  // namespace game_ratings_detail

using game_ratings_detail::g_Ratings;

void Begin_Game_Rating_Cache(const GAME* pGame)
{
    std::memset(g_Ratings.nKnown, 0, sizeof g_Ratings.nKnown);
    ++g_Ratings.nGeneration;
    g_Ratings.bActive = pGame != nullptr;
    g_Ratings.nTeam[0] = pGame ? pGame->nAwayTeam : -1;
    g_Ratings.nTeam[1] = pGame ? pGame->nHomeTeam : -1;
}

void End_Game_Rating_Cache()
{
    g_Ratings.bActive = false;
    ++g_Ratings.nGeneration;
    g_Ratings.nTeam[0] = g_Ratings.nTeam[1] = -1;
    std::memset(g_Ratings.nKnown, 0, sizeof g_Ratings.nKnown);
}

void Forget_Game_Player_Ratings(int nTeam, int nSlot)
{
    if (nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return;
    ++g_Ratings.nGeneration;
    for (int bSide = 0; bSide < 2; ++bSide)
        if (g_Ratings.nTeam[bSide] == nTeam)
            g_Ratings.nKnown[bSide][nSlot] = 0;
}
