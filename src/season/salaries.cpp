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

// ---- Minimum salaries ($K) by league year 2015-2030 and credited seasons 0-10 --

constexpr int FIRST_SALARY_YEAR = 2015;
constexpr int LAST_SALARY_YEAR = 2030;
constexpr int BASE_SALARY_YEAR = 2023;   // inflated for years outside the table
constexpr int MINIMUM_SALARY[LAST_SALARY_YEAR - FIRST_SALARY_YEAR + 1][11] = {
    {435, 510, 585, 660, 745, 745, 745, 870, 870, 870, 970},           // 2015
    {450, 525, 600, 675, 760, 760, 760, 885, 885, 885, 985},           // 2016
    {465, 540, 615, 690, 775, 775, 775, 900, 900, 900, 1000},          // 2017
    {480, 555, 630, 705, 790, 790, 790, 915, 915, 915, 1015},          // 2018
    {495, 570, 645, 720, 805, 805, 805, 930, 930, 930, 1030},          // 2019
    {610, 675, 750, 825, 910, 910, 910, 1050, 1050, 1050, 1050},       // 2020
    {660, 780, 850, 920, 990, 990, 990, 1075, 1075, 1075, 1075},       // 2021
    {705, 825, 895, 965, 1035, 1035, 1035, 1120, 1120, 1120, 1120},    // 2022
    {750, 870, 940, 1010, 1080, 1080, 1080, 1165, 1165, 1165, 1165},   // 2023
    {795, 915, 985, 1055, 1125, 1125, 1125, 1210, 1210, 1210, 1210},   // 2024
    {840, 960, 1030, 1100, 1170, 1170, 1170, 1255, 1165, 1165, 1165},  // 2025 (as the league set it)
    {885, 1005, 1075, 1145, 1215, 1215, 1215, 1300, 1300, 1300, 1300}, // 2026
    {930, 1050, 1120, 1190, 1260, 1260, 1260, 1345, 1345, 1345, 1345}, // 2027
    {975, 1095, 1165, 1235, 1305, 1305, 1305, 1390, 1390, 1390, 1390}, // 2028
    {1020, 1140, 1215, 1280, 1350, 1350, 1350, 1435, 1435, 1435, 1435},// 2029
    {1065, 1185, 1255, 1325, 1395, 1395, 1395, 1480, 1480, 1480, 1480},// 2030
};


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

int Get_Minimum_Salary(int nSeasons)
{
    if (nSeasons < 0)
        nSeasons = 0;
    if (nSeasons > 10)
        nSeasons = 10;
    int nYear = Get_Current_Year();
    if (nYear < FIRST_SALARY_YEAR || nYear > LAST_SALARY_YEAR)
        return Apply_Inflation(MINIMUM_SALARY[BASE_SALARY_YEAR - FIRST_SALARY_YEAR][nSeasons]);
    return MINIMUM_SALARY[nYear - FIRST_SALARY_YEAR][nSeasons];
}

int Get_Player_Minimum_Salary(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    return Get_Minimum_Salary(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED));
}

int Scale_To_Salary_Cap(int nAmount)
{
    int64_t nCap = Get_Universe_Stat(SALARY_CAP);
    if (nCap == 0) {
        // No cap: the base level moved by inflation.
        int64_t nInflation = Get_Universe_Stat(INFLATION_FACTOR);
        nCap = (nInflation * BASE_SALARY_CAP + 500) / 1000;
        if (nInflation < 0 && nInflation % 1000 != 0)
            nCap -= 1;
    }
    if (nCap > INT32_MAX)
        nCap = INT32_MAX;
    if (nCap < INT32_MIN)
        nCap = INT32_MIN;
    return Mul_Div_Rounded(nAmount, SALARY_TABLE_LEVEL_CAP, static_cast<int>(nCap));
}

// Stand-ins until the contract prices are in.
int Get_Draft_Slot_Salary(int, int)
{
    return Get_Minimum_Salary(0);
}

int Get_Rookie_Signing_Bonus(int, int)
{
    return 0;
}

int Get_Max_College_Player_Score()
{
    return 0;
}

int Get_Player_Contract_Value(int nTeam, int nSlot, int)
{
    return Get_Player_Minimum_Salary(nTeam, nSlot);
}

int Get_Salary_Above_Minimum(int, int, int)
{
    return 0;
}
