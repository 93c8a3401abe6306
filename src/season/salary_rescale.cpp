#include "season/salary_rescale.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "league/league_data.h"
#include "league/player.h"
#include "league/team_finance_stats.h"
#include "season/salaries.h"

namespace {

constexpr int READ_FROM_RATINGS_FILE_FLAG = 2;
constexpr int PROTECTED_ROUNDS = 20;
constexpr int MOST_ROUNDS = 50;

// (n x r + 500) / 1000, a half away from zero.
int64_t Scale_Per_Mille(int64_t n, int64_t r)
{
    const int64_t nProduct = n * r;
    return nProduct >= 0 ? (nProduct + 500) / 1000 : -((-nProduct + 500) / 1000);
}

int Clamp_Int(int64_t n)
{
    return static_cast<int>(std::clamp<int64_t>(n, INT32_MIN, INT32_MAX));
}

int Payroll_Ratio(int nTeam, int64_t nTarget)
{
    const int64_t nPayroll = static_cast<int64_t>(Get_Team_Financial_Stat(nTeam, FINANCE_PAYROLL)) * 1000;
    if (nPayroll <= 0)
        return 0;
    return Clamp_Int((nTarget * 1000 + nPayroll / 2) / nPayroll);
}

}  // namespace

int Rescale_Player_Salaries(int nTeam, int64_t nPayroll)
{
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS)
        return 0;
    int r = Payroll_Ratio(nTeam, nPayroll);
    const int nFirst = r;
    for (int k = 0; k < MOST_ROUNDS; ++k) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_Vital_Stat(nTeam, s, VITAL_PLAYER_ID) == 0)
                continue;
            if (k < PROTECTED_ROUNDS && (Get_Player_Vital_Stat(nTeam, s, VITAL_FLAGS) & READ_FROM_RATINGS_FILE_FLAG) != 0)
                continue;
            const int nSalary = Get_Player_Vital_Stat(nTeam, s, VITAL_SALARY);
            const int nMinimum = Get_Player_Minimum_Salary(nTeam, s);
            if (nSalary == nMinimum)
                continue;
            const int64_t nScaled = Scale_Per_Mille(nSalary, r);
            Set_Player_Vital_Stat(nTeam, s, VITAL_SALARY, Clamp_Int(std::max<int64_t>(nMinimum, nScaled)));
            const int nBonus = Get_Player_Vital_Stat(nTeam, s, VITAL_SIGNING_BONUS);
            Set_Player_Vital_Stat(nTeam, s, VITAL_SIGNING_BONUS, Clamp_Int(Scale_Per_Mille(nBonus, r)));
        }
        if (std::abs(r - 1000) < 3)
            break;
        r = Payroll_Ratio(nTeam, nPayroll);
    }
    return nFirst;
}

int Get_Contract_Rescale_Team(int i, int nTeams, int nYear)
{
    if (nTeams <= 0)
        return -1;
    const int64_t n = 43 * (static_cast<int64_t>(nYear) + i) % nTeams;
    return static_cast<int>(n < 0 ? n + nTeams : n);
}

int64_t Get_Contract_Rescale_Target(int64_t nPayroll, int64_t nCap)
{
    if (nCap <= 0)
        return 0;
    const int64_t r = (9 * nPayroll * 2 + nCap) / (2 * nCap);   // a half rounds up
    const int64_t nShare = std::clamp<int64_t>(r + 80, 92, 97);
    return (nShare * nCap + 50) / 100;
}
