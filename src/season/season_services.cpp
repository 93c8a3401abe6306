// Season figures the contract rules read: what a club's coming draft picks
// will cost, and how full the league's payrolls are against the cap.
#include "season/season_services.h"

#include <cstdint>

#include "base/int_math.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "frontoffice/roster_moves.h"
#include "season/player_generation.h"
#include "league/team_finance_stats.h"
#include "season/draft_pool.h"
#include "season/playoffs.h"
#include "season/salaries.h"
#include "platform/errors.h"

namespace {

constexpr int DRAFT_ROUNDS_PRICED = 7;
constexpr int COMING_DRAFT = 0;

}  // namespace

int Get_Team_Draft_Pick_Costs(int nTeam)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES) {
        Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
        return 0;
    }
    // Once the season is over the order is final, and on the off-season's
    // day 100 it is the one the draft will use: both read the season just
    // played. During the season the order by the record so far prices the
    // picks.
    if (Is_Season_Complete() || Get_Current_Week() == OFFSEASON_WEEK)
        Set_Draft_Order();
    else
        Sort_Draft_Order_By_Record();
    const int nTeams = Count_Teams();
    int64_t nCost = 0;
    for (int r = 0; r < DRAFT_ROUNDS_PRICED; ++r) {
        for (int i = 0; i < nTeams && i < MAX_FRANCHISES; ++i) {
            const int nPicker = Get_Draft_Order_Team(i);
            if (nPicker == NO_TEAM || Get_Draft_Pick_Owner(COMING_DRAFT, r, nPicker) != nTeam)
                continue;
            nCost += Get_Draft_Slot_Salary(r, i) + Get_Draft_Slot_Bonus(r, i) / 4;
        }
    }
    return Clamp_To_Int(nCost);
}

bool Is_Contract_Expiring(int nTeam, int nSlot)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return false;
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) <= 1 && Is_Season_Complete();
}

int Get_League_Payroll_Ratio()
{
    const int nTeams = Count_Teams();
    const int64_t nCap = Get_Universe_Stat(SALARY_CAP);
    if (nTeams <= 0 || nCap == 0)
        return 0;
    int64_t nSum = 0;
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t)
        nSum += static_cast<int64_t>(Get_Team_Financial_Stat(t, FINANCE_CAP_ROOM)) * 1000;
    const int64_t A = nSum / nTeams;
    const int64_t R = Divide_Rounded(static_cast<__int128>(A) * 1000, nCap);
    return Clamp_To_Int((R * 1000 + 30) / 60);
}

namespace {

constexpr int POOL_TARGET[NUMBER_OF_POSITIONS] = {2, 2, 1, 3, 5, 3, 3, 2, 3, 2, 5, 3, 3, 1, 1};
constexpr int POOL_ROOM_LIMIT = 97;   // a pool this full lets its weakest go before it grows
constexpr int SORT_BY_SALARY = 0;
constexpr int SORT_BY_GRADE = 2;
constexpr int GRADE_STAT = 225;
constexpr int64_t POSITION_KEY_STEP = 100000;

int64_t Free_Agent_Key(int nSlot, int nMode)
{
    const int64_t nSalary = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_SALARY);
    if (nMode == SORT_BY_SALARY)
        return nSalary;
    if (nMode == SORT_BY_GRADE)
        return Get_Player_Stat(FREE_AGENT_TEAM, nSlot, STAT_PERIOD_PREDICTED, GRADE_STAT);
    const int64_t nPosition = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VITAL_POSITION);
    return (NUMBER_OF_POSITIONS - nPosition) * POSITION_KEY_STEP + nSalary;
}

}  // namespace

void Rank_Free_Agent_Pool()
{
    Compact_Team_Roster(FREE_AGENT_TEAM);
    const int n = Count_Team_Players(FREE_AGENT_TEAM);
    const int nMode = Get_User_Preference(PREF_POOL_SORT_MODE);
    // Each key is read once; the exchanges move the keys with the players.
    int64_t nKey[PLAYERS_PER_TEAM];
    for (int s = 0; s < n; ++s)
        nKey[s] = Free_Agent_Key(s, nMode);
    for (int nPass = n - 1; nPass >= 1; --nPass) {
        for (int j = 1; j <= nPass; ++j) {
            if (nKey[j] > nKey[j - 1]) {
                Swap_Players(FREE_AGENT_TEAM, j - 1, FREE_AGENT_TEAM, j);
                const int64_t nTemp = nKey[j];
                nKey[j] = nKey[j - 1];
                nKey[j - 1] = nTemp;
            }
        }
    }
    Replenish_Free_Agents();
}

void Replenish_Free_Agents()
{
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        int nMissing = POOL_TARGET[p] - Count_Position_Players(FREE_AGENT_TEAM, p);
        while (nMissing > 0) {
            // Each release shrinks the pool, so this ends; a release that
            // cannot happen leaves no room, and the position waits.
            while (Count_Team_Players(FREE_AGENT_TEAM) >= POOL_ROOM_LIMIT)
                if (!Release_Excess_Player(FREE_AGENT_TEAM))
                    return;
            const int nSlot = Find_Empty_Player_Slot(FREE_AGENT_TEAM);
            if (nSlot < 0)
                return;
            Fit_Player_Ratings_To_Target(FREE_AGENT_TEAM, nSlot, p, 1.0f);
            --nMissing;
        }
    }
}

int Get_Free_Agent_Target(int nPosition)
{
    return nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS ? POOL_TARGET[nPosition] : 0;
}
