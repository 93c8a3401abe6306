#include "season/draft_state.h"

#include "frontoffice/college_count.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/standings_keys.h"

namespace {

// Weeks of the playoffs after the regular season (wild-card round to final).
constexpr int PLAYOFF_WEEK_COUNT = 6;

}  // namespace

bool Is_College_Draft_Running()
{
    if (Get_User_Preference(PREF_DRAFT_ROUND) >= DRAFT_OVER_ROUND)
        return false;
    return Count_College_Players() > 0;
}

void Rank_Free_Agent_Pool()
{
    // Rule now: close the gaps and order the pool by overall rating, best
    // first (no salary or position order, no topping-up of the pool).
    Compact_Team_Roster(FREE_AGENT_TEAM);
    int n = Count_Team_Players(FREE_AGENT_TEAM);
    float Key[PLAYERS_PER_TEAM];
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
