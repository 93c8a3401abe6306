// Ratings rebuilt from a player's predicted statistics: each rating reads the
// grade of its own statistic.
#include "tools/stat_based_rating.h"

#include "league/player.h"
#include "league/player_stats.h"
#include "platform/errors.h"

namespace {

constexpr int PREDICTED_PERIOD = 3;

// An offensive lineman's blocking ratings read his own blocking statistics.
constexpr int LINEMAN_PASS_BLOCKING_STAT = 6;
constexpr int LINEMAN_RUN_BLOCKING_STAT = 5;
constexpr int OFFENSIVE_LINE_UNIT = 1;

}  // namespace

float Get_Stat_Based_Rating(int nTeam, int nSlot, int nRating)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return MINIMUM_RATING;
    if (nRating < 0 || nRating >= NUMBER_OF_RATINGS) {
        Report_Error("nRating out of bounds in %s(%d,%d,[%d])", __func__, nTeam, nSlot, nRating);
        return MINIMUM_RATING;
    }
    int nStat = Get_Rating_Grade_Code(nRating);
    int nPosition = Get_Player_Position(nTeam, nSlot);
    if (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS && Get_Position_Unit(nPosition) == OFFENSIVE_LINE_UNIT) {
        if (nRating == RATING_PASS_BLOCKING)
            nStat = LINEMAN_PASS_BLOCKING_STAT;
        else if (nRating == RATING_RUN_BLOCKING)
            nStat = LINEMAN_RUN_BLOCKING_STAT;
    }
    return static_cast<float>(Get_Player_Stat(nTeam, nSlot, PREDICTED_PERIOD, nStat));
}

void Recompute_Player_Ratings(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(nTeam, nSlot, r, Get_Stat_Based_Rating(nTeam, nSlot, r));
}

// Stand-in until the career fields are fitted.
void Set_Player_Career_Fields(int, int, int) {}
