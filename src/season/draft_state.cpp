#include "season/draft_state.h"

#include <vector>

#include "league/league_data.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/standings_keys.h"

namespace {

// Weeks of the playoffs after the regular season (wild-card round to final).
constexpr int PLAYOFF_WEEK_COUNT = 6;

// Players of a college pool, counted up to its first empty slot.
int Count_Pool_Players(int nTeam)
{
    int n = 0;
    while (n < PLAYERS_PER_TEAM && League.Team[nTeam].Player[n].nVital[VITAL_PLAYER_ID] != 0)
        ++n;
    return n;
}

}  // namespace

int Is_College_Draft_Running()
{
    // The same answer the draft loop's own check gives, without ending a
    // draft whose pool has run dry.
    if (League.Preferences.nInt[PREF_DRAFT_ROUND] >= DRAFT_OVER_ROUND)
        return 0;
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t)
        if (Count_Pool_Players(t) > 0)
            return 1;
    return 0;
}

void Rank_Free_Agent_Pool()
{
    // Least version until free agency is built: close the gaps and order the
    // pool by overall rating, best first (the salary and position orders and
    // the topping-up of the pool come with the season cycle).
    Compact_Team_Roster(FREE_AGENT_TEAM);
    int n = Count_Pool_Players(FREE_AGENT_TEAM);
    std::vector<float> Key(n);
    for (int s = 0; s < n; ++s)
        Key[s] = Get_Player_Overall_Rating(FREE_AGENT_TEAM, s);
    for (int nPass = n - 1; nPass >= 1; --nPass) {
        for (int j = 1; j <= nPass; ++j) {
            if (Key[j] > Key[j - 1]) {
                Swap_Players(FREE_AGENT_TEAM, j - 1, FREE_AGENT_TEAM, j);
                float fTemp = Key[j];
                Key[j] = Key[j - 1];
                Key[j - 1] = fTemp;
            }
        }
    }
}

int Is_Season_Complete()
{
    // Least version until the playoff bracket is built: the season counts as
    // complete once the calendar has moved past all six playoff weeks (the
    // bracket's champion slot decides it with the season cycle).
    int nWeek = League.Preferences.nInt[PREF_CURRENT_WEEK];
    int nFirstPlayoffWeek = Get_First_Playoff_Week();
    if (nWeek == 0 || nWeek == OFFSEASON_WEEK || nFirstPlayoffWeek <= 0)
        return 0;
    return nWeek >= nFirstPlayoffWeek + PLAYOFF_WEEK_COUNT ? 1 : 0;
}
