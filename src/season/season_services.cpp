// Season figures the contract rules read: what a club's coming draft picks
// will cost, and how full the league's payrolls are against the cap.
#include "season/season_services.h"

#include <cstdint>

#include "base/int_math.h"
#include "league/league_data.h"
#include "league/league_structure.h"
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
    // Once the season is over the order is final. During the season the
    // order stands as it was last set (no provisional order by record yet).
    if (Is_Season_Complete())
        Set_Draft_Order();
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
