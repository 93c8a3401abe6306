// Reading and storing a player's statistics: the stored statistics of the
// record's four periods and the computed codes the league records read so far.

#include "league/player_stats.h"

#include <cstdint>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_text.h"
#include "platform/errors.h"

namespace {

constexpr int LAST_SEASON_LINE_PERIOD = 33;
constexpr int YARDS_PER_RUSH = 112;
constexpr int LONGEST_FIELD_GOAL = 18;
constexpr int PREDICTED_LONGEST_FIELD_GOAL_LIMIT = 67;

// a per b, x k: rounded half up for a quotient of 0 or more, floored below
// 0; 0 when b is 0.
int Rate(int a, int b, int k)
{
    if (b == 0)
        return 0;
    long long nNum = static_cast<long long>(a) * k;
    long long nDen = b;
    if (nDen < 0) {
        nNum = -nNum;
        nDen = -nDen;
    }
    long long q;
    if (nNum >= 0) {
        q = (nNum + nDen / 2) / nDen;
    } else {
        q = nNum / nDen;
        if (q * nDen != nNum)
            q--;
    }
    if (q > INT32_MAX)
        return INT32_MAX;
    if (q < INT32_MIN)
        return INT32_MIN;
    return static_cast<int>(q);
}

int Stored(int nTeam, int nSlot, int nPeriod, int nStat)
{
    return League.Team[nTeam].Player[nSlot].nStat[nPeriod][nStat];
}

}  // namespace

int Get_Player_Stat(int nTeam, int nSlot, int nPeriod, int nCode)
{
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    if (nPeriod < 0 || nPeriod > LAST_SEASON_LINE_PERIOD) {
        Report_Error("nSeason out of bounds in Get_Player_Stat(%d,%d,[%d],%d)", nTeam, nSlot, nPeriod, nCode);
        return 0;
    }
    if (nCode >= 0 && nCode < STATS_PER_PERIOD) {
        // Season-line periods come with the season-line table.
        if (nPeriod >= STORED_PERIODS)
            return 0;
        int nValue = Stored(nTeam, nSlot, nPeriod, nCode);
        if (nPeriod == 3 && nCode == LONGEST_FIELD_GOAL && Get_Player_Unit(nTeam, nSlot) == UNIT_KICKERS &&
            nValue > PREDICTED_LONGEST_FIELD_GOAL_LIMIT)
            nValue = PREDICTED_LONGEST_FIELD_GOAL_LIMIT;
        return nValue;
    }
    if (nPeriod == 3) {
        int nCached = 0;
        if (Find_Cached_Predicted_Stat(nTeam, nSlot, nCode, &nCached))
            return nCached;
    }
    if (nCode != YARDS_PER_RUSH) {
        Report_Error("Unrecognized SEASON_STAT in Get_Player_Stat(%d,%d,%d,%d)", nTeam, nSlot, nPeriod, nCode);
        return 0;
    }
    int nValue = 0;
    if (nPeriod < STORED_PERIODS)
        nValue = Rate(Stored(nTeam, nSlot, nPeriod, 8), Stored(nTeam, nSlot, nPeriod, 7), 100);
    if (nPeriod == 3)
        Store_Cached_Predicted_Stat(nTeam, nSlot, nCode, nValue);
    return nValue;
}

void Set_Player_Stat(int nTeam, int nSlot, int nPeriod, int nStat, int nValue)
{
    if (nTeam == NO_TEAM)
        return;
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("Invalid nTeam in Set_Player_Stat(nTeam = %d, nSlot = %d, nSeason = %d, nStat = %d, nValue = %d)",
                     nTeam, nSlot, nPeriod, nStat, nValue);
        return;
    }
    if (nSlot < 0 || nSlot >= PLAYERS_PER_TEAM) {
        Report_Error(
            "Invalid nSlot in Set_Player_Stat(nTeam = %d, nSlot = %d, nSeason = %d, nStat = %d, nValue = %d) [Week %d]",
            nTeam, nSlot, nPeriod, nStat, nValue, Get_Current_Week());
        return;
    }
    if (nPeriod < 0 || nPeriod > LAST_SEASON_LINE_PERIOD) {
        Report_Error(
            "Invalid nSeason in Set_Player_Stat(nTeam = %d, nSlot = %d, nSeason = %d, nStat = %d, nValue = %d)",
            nTeam, nSlot, nPeriod, nStat, nValue);
        return;
    }
    if (nStat < 0 || nStat >= STATS_PER_PERIOD) {
        Report_Error("Invalid nStat in Set_Player_Stat(nTeam = %d, nSlot = %d, nSeason = %d, nStat = %d, nValue = %d)",
                     nTeam, nSlot, nPeriod, nStat, nValue);
        return;
    }
    // Season-line periods come with the season-line table.
    if (nPeriod >= STORED_PERIODS)
        return;
    League.Team[nTeam].Player[nSlot].nStat[nPeriod][nStat] = nValue;
}
