// Rookie contracts of the draft slots and the repair of corrupt salaries.

#include "season/salaries.h"

#include <algorithm>
#include <cstdint>

#include "league/finance_basics.h"
#include "league/inflation.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "base/random.h"
#include "league/salary_cap.h"
#include "league/team_finance_stats.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/player_generation.h"

namespace {

constexpr int DRAFT_ROUNDS_OF_TABLE = 7;
constexpr int FIRST_ROOKIE_CONTRACT_YEAR = 2020;
constexpr int ROOKIE_CONTRACT_LENGTH = 4;
constexpr int DRAFT_YEAR_DIVISOR = 10000;          // vital stat 13: (team + 1) x 10000 + year
constexpr int DRAFT_ROUND_DIVISOR = 100000;        // vital stat 16: round x 100000 + pick x 1000
constexpr int DRAFT_PICK_DIVISOR = 1000;
constexpr int CASH_MINIMUM = -100000000;
constexpr int CASH_MAXIMUM = 1000000000;

// Signing-bonus anchors of each round at the base level, $K: the first, the
// middle and the last pick.
constexpr int BONUS_ANCHORS[DRAFT_ROUNDS_OF_TABLE][3] = {
    {6675, 2195, 1200}, {1000, 680, 385}, {325, 275, 235}, {230, 205, 140},
    {100, 85, 65},      {60, 48, 38},     {32, 27, 22},
};

constexpr const char* SALARY_QUESTION =
    "Vazarudu Kelvo has found corrupt salary data, due to a bug in a previous version of Vazarudu Kelvo.\n\n"
    "Would you like Vazarudu Kelvo to automatically fix this data?";
constexpr const char* CASH_QUESTION = "Fix negative team cash levels caused by corrupt salary data?";

// The salary a corrupt one is repaired to. Rule now: the league minimum for
// his credited seasons (the contract is not priced from his value).
int Repaired_Salary(int nTeam, int nSlot)
{
    return Get_Player_Minimum_Salary(nTeam, nSlot);
}

// A player in the slot whose salary is above the limit.
bool Is_Corrupt_Salary(int nTeam, int nSlot, int nLimit)
{
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID) != 0 &&
           Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY) > nLimit;
}

}  // namespace

int Scale_From_Base_Cap(int nAmount)
{
    if (nAmount == 0)
        return 0;
    long long nInside =
        (static_cast<long long>(nAmount) * BASE_SALARY_CAP + SALARY_TABLE_LEVEL_CAP / 2) / SALARY_TABLE_LEVEL_CAP;
    if (nAmount < 0)
        --nInside;
    nInside = std::clamp<long long>(nInside, INT32_MIN, INT32_MAX);
    return Apply_Inflation(static_cast<int>(nInside));
}

int Get_Draft_Slot_Bonus(int nRound, int nPick)
{
    const int nTeams = Count_Teams();
    if (nRound < 0 || nRound >= DRAFT_ROUNDS_OF_TABLE || nPick < 0 || nPick >= nTeams)
        return 0;
    const int nHalf = nTeams / 2;
    const int* A = BONUS_ANCHORS[nRound];
    int nBonus = nPick < nHalf ? A[0] - Mul_Div_Rounded(A[0] - A[1], nPick, nHalf)
                               : A[1] - Mul_Div_Rounded(A[1] - A[2], nPick - nHalf, nHalf);
    return Scale_From_Base_Cap(nBonus);
}

int Get_Inflated_Cap_Third()
{
    int nLevel = Apply_Inflation(BASE_SALARY_CAP);
    if (nLevel == 0)
        return 0;
    return Mul_Div_Rounded(nLevel, 1, 3000);
}

bool Update_Rookie_Contract(int nTeam, int nSlot, int bSetBonus)
{
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("nTeam out of bounds in %s([%d],%d,%d)", __func__, nTeam, nSlot, bSetBonus);
        return false;
    }
    if (nSlot < 0 || nSlot >= PLAYERS_PER_TEAM) {
        Report_Error("nSlot out of bounds in %s(%d,[%d],%d)", __func__, nTeam, nSlot, bSetBonus);
        return false;
    }
    auto Vital = [nTeam, nSlot](int nCode) { return Get_Player_Vital_Stat(nTeam, nSlot, nCode); };
    const int nDraftYear = Vital(VITAL_DRAFTED_BY) % DRAFT_YEAR_DIVISOR;
    if (nDraftYear < FIRST_ROOKIE_CONTRACT_YEAR || Vital(VITAL_CONTRACT_LENGTH) >= ROOKIE_CONTRACT_LENGTH)
        return false;
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, ROOKIE_CONTRACT_LENGTH);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nDraftYear - (FIRST_ROOKIE_CONTRACT_YEAR - 1));
    if (bSetBonus) {
        const int nPick = Vital(VITAL_DRAFT_PICK);
        const int nRound = nPick / DRAFT_ROUND_DIVISOR;
        const int nPlace = (nPick % DRAFT_ROUND_DIVISOR) / DRAFT_PICK_DIVISOR;
        const int nSlotBonus = Get_Draft_Slot_Bonus(nRound - 1, nPlace - 1);
        const int nFloor = nSlotBonus - nSlotBonus / 5;
        if (Vital(VITAL_SIGNING_BONUS) < nFloor)
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, nFloor);
    }
    return true;
}

void Update_All_Rookie_Contract_Values(int nMode)
{
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) != 0)
                Update_Rookie_Contract(t, s, nMode);
        }
    }
}

void Check_Fix_Salary_Data()
{
    const int nLimit = Get_Inflated_Cap_Third();
    bool bCorrupt = false;
    for (int t = 0; t < MAX_FRANCHISES && !bCorrupt; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Is_Corrupt_Salary(t, s, nLimit)) {
                bCorrupt = true;
                break;
            }
        }
    }
    if (!bCorrupt || Show_Message_Box(SALARY_QUESTION, "Fix salary data?", BOX_YESNO) != ID_YES)
        return;
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Is_Corrupt_Salary(t, s, nLimit))
                Set_Player_Vital_Stat(t, s, VITAL_SALARY, Repaired_Salary(t, s));
        }
    }
    if (Show_Message_Box(CASH_QUESTION, "Fix cash levels?", BOX_YESNO) != ID_YES)
        return;
    const int nCash = std::clamp(Get_Inflated_Base_Amount(), CASH_MINIMUM, CASH_MAXIMUM);
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (Is_Team_Slot_Used(t) && Get_Team_Stored_Financial_Stat(t, FINANCE_CASH) < 0)
            Set_Team_Financial_Stat(t, FINANCE_CASH, nCash);
    }
}
