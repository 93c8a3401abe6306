// Ratings rebuilt from a player's predicted statistics: each rating reads the
// grade of its own statistic.
#include "tools/stat_based_rating.h"

#include "league/player.h"
#include "league/player_stats.h"
#include "platform/errors.h"

namespace {

constexpr int PREDICTED_PERIOD = 3;

// The statistic that holds each rating 0-26.
constexpr int STAT_OF_RATING[NUMBER_OF_RATINGS] = {
    208, 209,                     // health, durability
    200, 201, 202, 203, 204,      // accuracy, distance, control, red zone, mobility
    227, 228, 229, 230,           // speed, power, quickness, vision
    206, 207,                     // receiving, hands
    231, 232,                     // kick returns, punt returns
    210, 211, 212,                // pass blocking, run blocking, discipline
    215, 216, 217, 218, 219,      // run defence, pass rush, coverage, turnovers, tackling
    220, 221, 223, 222,           // field-goal accuracy and power, punt accuracy and power
};
static_assert(sizeof(STAT_OF_RATING) / sizeof(STAT_OF_RATING[0]) == NUMBER_OF_RATINGS);

// An offensive lineman's blocking ratings read his own blocking statistics.
constexpr int LINEMAN_PASS_BLOCKING_STAT = 6;
constexpr int LINEMAN_RUN_BLOCKING_STAT = 5;
constexpr int RATING_PASS_BLOCKING_INDEX = 15;
constexpr int RATING_RUN_BLOCKING_INDEX = 16;
constexpr int OFFENSIVE_LINE_UNIT = 1;

}  // namespace

float Get_Stat_Based_Rating(int nTeam, int nSlot, int nRating)
{
    if (!Check_Player_Address("Get_Stat_Based_Rating", nTeam, nSlot))
        return MINIMUM_RATING;
    if (nRating < 0 || nRating >= NUMBER_OF_RATINGS) {
        Report_Error("nRating out of bounds in Get_Stat_Based_Rating(%d,%d,[%d])", nTeam, nSlot, nRating);
        return MINIMUM_RATING;
    }
    int nStat = STAT_OF_RATING[nRating];
    int nPosition = League.Team[nTeam].Player[nSlot].nVital[VITAL_POSITION];
    if (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS && Get_Position_Unit(nPosition) == OFFENSIVE_LINE_UNIT) {
        if (nRating == RATING_PASS_BLOCKING_INDEX)
            nStat = LINEMAN_PASS_BLOCKING_STAT;
        else if (nRating == RATING_RUN_BLOCKING_INDEX)
            nStat = LINEMAN_RUN_BLOCKING_STAT;
    }
    return static_cast<float>(Get_Player_Stat(nTeam, nSlot, PREDICTED_PERIOD, nStat));
}

void Recompute_Player_Ratings(int nTeam, int nSlot)
{
    if (!Check_Player_Address("Recompute_Player_Ratings", nTeam, nSlot))
        return;
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(nTeam, nSlot, r, Get_Stat_Based_Rating(nTeam, nSlot, r));
}
