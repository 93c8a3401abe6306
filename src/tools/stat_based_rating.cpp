// Ratings rebuilt from a player's predicted statistics.
//
// The least the rating accessor needs until the statistics grades exist:
// health and durability come from the health grade of the predicted games
// (games played plus games started, at most 28: above 16 that number + 54,
// else 70). The full version, with every grade, comes with the database tools.
#include "tools/stat_based_rating.h"

#include <cmath>

#include "league/player.h"
#include "platform/errors.h"

namespace {
constexpr int PREDICTED_PERIOD = 3;
constexpr int STAT_GAMES_PLAYED = 0;
constexpr int STAT_GAMES_STARTED = 1;
}  // namespace

float Get_Stat_Based_Rating(int nTeam, int nSlot, int nRating)
{
    if (!Check_Player_Address("Get_Stat_Based_Rating", nTeam, nSlot))
        return MINIMUM_RATING;
    if (nRating < 0 || nRating >= NUMBER_OF_RATINGS) {
        Report_Error("nRating out of bounds in Get_Stat_Based_Rating(%d,%d,[%d])", nTeam, nSlot, nRating);
        return MINIMUM_RATING;
    }
    const PLAYER& Player = League.Team[nTeam].Player[nSlot];
    if (nRating == RATING_HEALTH || nRating == RATING_DURABILITY) {
        int64_t nGames = static_cast<int64_t>(Player.nStat[PREDICTED_PERIOD][STAT_GAMES_PLAYED]) +
                         Player.nStat[PREDICTED_PERIOD][STAT_GAMES_STARTED];
        if (nGames > 28)
            nGames = 28;
        int nGrade = nGames > 16 ? static_cast<int>(nGames) + 54 : 70;
        return static_cast<float>(nGrade);
    }
    // Without the grades, the stored rating stands for its statistic.
    float fValue = Player.fRating[nRating];
    if (std::isnan(fValue))
        return Get_Default_Rating(nRating);
    return fValue < MINIMUM_RATING ? MINIMUM_RATING : fValue;
}
