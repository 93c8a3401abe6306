// How players develop.
//
// Rule now: a predicted statistic moves by the modifier per mille of its own
// value, truncated toward zero (no position sensitivity, no typical season
// and no rounding by chance yet).
#include "season/player_development.h"

#include <cstdint>

#include "league/league_data.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "platform/errors.h"

namespace {

constexpr int MODIFIER_LOG_LIMIT = 950;

}  // namespace

void Modify_Predicted_Player_Stats(int nTeam, int nSlot, int nSeason, int nStat, int nModifier, int nRegion,
                                   int bRandom)
{
    (void)bRandom;
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    if (nStat < 0 || nStat >= STATS_PER_PERIOD) {
        Report_Error("nStat out of bounds in %s(%d,%d,%d,[%d])", __func__, nTeam, nSlot, nSeason, nStat);
        return;
    }
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return;
    if (nModifier < -MODIFIER_LOG_LIMIT || nModifier > MODIFIER_LOG_LIMIT)
        Write_Debug_Log("Modifier too large in Modify_Predicted_Player_Stats(%d,%d,%d,%d,%d)", nTeam, nSlot, nSeason,
                        nModifier, nRegion);
    const int64_t nValue = Get_Player_Stat(nTeam, nSlot, nSeason, nStat);
    const int64_t nNew = nValue + nValue * nModifier / 1000;
    Set_Player_Stat(nTeam, nSlot, nSeason, nStat, static_cast<int>(nNew));
}

// Stand-ins until the aging rules are in.
void Age_Player_Ratings(int, int, int) {}

float Get_Yearly_Rating_Change(int, int, int)
{
    return 0.0f;
}

int Get_Position_Decline_Age(int)
{
    return 30;
}

int Get_Typical_Season_Stat(int, int)
{
    return 0;
}
