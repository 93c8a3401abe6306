// The college draft's pool and final order.

#include "season/draft_pool.h"

#include <utility>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "season/draft_state.h"

namespace {

constexpr int OVERALL_PLACE_INT = 2;   // yearly int 2: overall place, 0 the best

// Tier of the highest bracket slot the team reached: 5 champion, else its
// playoff round (4 final .. 1 first round, 0 none).
int Playoff_Tier(int nTeam)
{
    const int nRound = Get_Team_Playoff_Round(nTeam);
    if (nRound == 4 && Get_Team_Playoff_Slot(nTeam) == PLAYOFF_CHAMPION_SLOT)
        return 5;
    return nRound;
}

// Larger keys pick earlier.
long long Draft_Sort_Key(int nTeam)
{
    int nYear = Get_Current_Season_Index();
    if (Get_Current_Week() == OFFSEASON_WEEK)
        --nYear;
    long long nWins = 0, nLosses = 0, nPlace = 0;
    if (Is_Team_Slot_Used(nTeam) && nYear >= 0 && nYear < YEARLY_RECORD_YEARS) {
        nWins = Get_Team_Yearly_Char(nTeam, nYear, YEARLY_WINS);
        nLosses = Get_Team_Yearly_Char(nTeam, nYear, YEARLY_LOSSES);
        nPlace = Get_Team_Yearly_Int(nTeam, nYear, OVERALL_PLACE_INT);
    }
    return ((6 - Playoff_Tier(nTeam)) * 100LL - (nWins - nLosses)) * 100 + nPlace;
}

}  // namespace

bool Check_Draft_Pool()
{
    // Rule now: the pool only answers; it does not end a draft whose pool ran
    // empty (no notice, no next season's set-up).
    return Is_College_Draft_Running();
}

void Prepare_Draft_Pool()
{
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            Erase_Player_Season_Lines(t, s);
            Clear_Player(t, s);
        }
    }
}

void Set_Draft_Order()
{
    Rank_Teams_By_Standings();
    int n = Count_Teams();
    if (n > MAX_FRANCHISES)
        n = MAX_FRANCHISES;
    int Order[MAX_FRANCHISES];
    long long Key[MAX_FRANCHISES];
    for (int p = 0; p < n; ++p) {
        Order[p] = p;
        Key[p] = Draft_Sort_Key(p);
    }
    for (int nLast = n - 1; nLast > 0; --nLast) {
        for (int p = 0; p < nLast; ++p) {
            if (Key[p + 1] > Key[p]) {
                std::swap(Order[p], Order[p + 1]);
                std::swap(Key[p], Key[p + 1]);
            }
        }
    }
    for (int p = 0; p < n; ++p)
        Set_Draft_Order_Team(p, Order[p]);
}
