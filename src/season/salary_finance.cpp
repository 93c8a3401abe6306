// League-wide money passes: payrolls to the cap, contracts redrawn from
// worth, absurd contracts repaired; and the era's passer rating.
#include "season/salary_finance.h"

#include <algorithm>
#include <cstdint>

#include "frontoffice/contracts.h"
#include "league/historical.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/team_finance_stats.h"
#include "platform/ui.h"
#include "season/contract_renewal.h"
#include "season/money_math.h"
#include "season/player_value.h"
#include "season/salaries.h"

namespace {

constexpr int TARGET_PERCENT = 90;
constexpr int64_t NO_CAP_TARGET = 225000;   // $K at inflation 1000
constexpr int RATINGS_FILE_FLAG = 2;
constexpr int MAX_PROGRESS_STEPS = 10;

// A scaled amount: rounded up to $5K above the minimum, else the minimum.
int Scale_Contract_Amount(int nAmount, int64_t nRatio, int nMinimum)
{
    const int64_t nScaled = nAmount == 0 ? 0 : Money_Round_Half_Up(static_cast<int64_t>(nAmount) * nRatio, 1000);
    return nScaled > nMinimum ? Money_Round_Up_To_5(nScaled) : nMinimum;
}

// The memos of one pass over the players' contracts, for its length.
class CONTRACT_PASS_MEMOS {
public:
    CONTRACT_PASS_MEMOS()
    {
        Begin_Payroll_Memo();
        Begin_Potential_Memo();
        Begin_Market_Memo();
    }
    ~CONTRACT_PASS_MEMOS()
    {
        End_Market_Memo();
        End_Potential_Memo();
        End_Payroll_Memo();
    }
    CONTRACT_PASS_MEMOS(const CONTRACT_PASS_MEMOS&) = delete;
    CONTRACT_PASS_MEMOS& operator=(const CONTRACT_PASS_MEMOS&) = delete;
};

int64_t Absolute(int n)
{
    return n < 0 ? -static_cast<int64_t>(n) : n;
}

}  // namespace

void Update_Team_Financial_Stats()
{
    const int64_t nCap = Get_Universe_Stat(SALARY_CAP);
    int64_t T = Money_Round_Half_Up(nCap / 1000 * TARGET_PERCENT, 100);
    if (nCap == 0 || T == 0)
        T = Money_Round_Half_Up(Get_Universe_Stat(INFLATION_FACTOR) * NO_CAP_TARGET, 1000);
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;   // a slot not in use has no books to balance
        const int64_t P = Get_Team_Financial_Stat(t, FINANCE_PAYROLL);
        const int64_t nCash = (T - P) * 1000 + Get_Team_Stored_Financial_Stat(t, FINANCE_CASH);
        Set_Team_Financial_Stat(t, FINANCE_CASH,
                                static_cast<int>(std::clamp<int64_t>(nCash, FINANCE_CASH_MINIMUM, FINANCE_CASH_MAXIMUM)));
        const int64_t r = P == 0 ? 0 : Money_Round_Half_Up(T * 1000, P);
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) == 0)
                continue;
            const int m = Get_Player_Minimum_Salary(t, s);
            Set_Player_Vital_Stat(t, s, VITAL_SALARY, Scale_Contract_Amount(Get_Player_Vital_Stat(t, s, VITAL_SALARY), r, m));
            Set_Player_Vital_Stat(t, s, VITAL_SIGNING_BONUS,
                                  Scale_Contract_Amount(Get_Player_Vital_Stat(t, s, VITAL_SIGNING_BONUS), r, m));
        }
    }
}

void Update_Player_Computed_Value(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return;
    const int L = Get_Contract_Length(nTeam, nSlot);
    if (L <= 0)
        return;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, L);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, 0);
    // A college player's seasons are negative: he has his whole contract.
    const int nSeasons = std::max(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED), 0);
    const int nYears = nSeasons % L;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears == 0 ? L : nYears);
    Compute_Asking_Salary(nTeam, nSlot, 0);
    const int64_t nBonus = static_cast<int64_t>(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY)) * L / 3;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, Clamp_To_Int(nBonus));
}

void Update_All_Player_Computed_Values(int bAll)
{
    // A player's contract is drawn from figures of the whole league (the
    // payrolls, the market, the pool's best prospect): they are kept while
    // the pass runs and worked out again only where a contract changed.
    const CONTRACT_PASS_MEMOS Memos;
    int nSteps = 0;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        // Franchises in use, the free agents and the pools; the hall of
        // fame's members have retired and sign nothing.
        if (t == HALL_OF_FAME_TEAM || (t < MAX_FRANCHISES && !Is_Team_Slot_Used(t)))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) == 0)
                continue;
            if (!bAll && (Get_Player_Vital_Stat(t, s, VITAL_FLAGS) & RATINGS_FILE_FLAG) != 0)
                continue;
            Update_Player_Computed_Value(t, s);
        }
        if (t < MAX_FRANCHISES && t % 3 == 2 && nSteps < MAX_PROGRESS_STEPS) {
            Step_Progress_Window(1);
            ++nSteps;
        }
    }
}

void Repair_Absurd_Contracts()
{
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) == 0)
                continue;
            int v = 0;
            if (Absolute(Get_Player_Vital_Stat(t, s, VITAL_SIGNING_BONUS)) > ABSURD_CONTRACT_FIELD) {
                v = Get_Player_Value(t, s);
                Set_Player_Vital_Stat(t, s, VITAL_SIGNING_BONUS, Get_Salary_Above_Minimum(t, s, v));
            }
            // An absurd salary is as corrupt as absurd bonus years, and
            // absurd bonus years are themselves put right.
            const bool bYears = Absolute(Get_Player_Vital_Stat(t, s, VITAL_CONTRACT_LENGTH)) > ABSURD_CONTRACT_FIELD;
            if (bYears || Absolute(Get_Player_Vital_Stat(t, s, VITAL_SALARY)) > ABSURD_CONTRACT_FIELD) {
                if (bYears)
                    Set_Player_Vital_Stat(t, s, VITAL_CONTRACT_LENGTH, Get_Contract_Length(t, s));
                Compute_Asking_Salary(t, s, v);
            }
        }
    }
}

int Get_League_Passer_Rating()
{
    // The passer rating of the league's average line: completion rate (101),
    // yards per completion (109), touchdown rate (105), interception rate (107).
    const int64_t c = Get_Current_Average_Stat(101);
    const int64_t g = Get_Current_Average_Stat(109);
    const int64_t v = Money_Round_Half_Up(c * g, 1000);
    const int64_t e = Get_Current_Average_Stat(105);
    const int64_t i = Get_Current_Average_Stat(107);
    const int64_t nSum = 25 * (95 - i) + Money_Round_Half_Up(25 * (v - 300), 10) + 20 * e + 5 * (c - 300);
    return Clamp_To_Int(nSum / 6);
}
