// Rookie contracts of the draft slots and the repair of corrupt salaries.

#include "season/salaries.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "league/finance_basics.h"
#include "league/inflation.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "base/int_math.h"
#include "base/random.h"
#include "league/salary_cap.h"
#include "league/team_finance_stats.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/player_generation.h"
#include "frontoffice/computer_manager.h"
#include "league/calendar.h"
#include "league/overall_rating.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_finances.h"
#include "season/money_math.h"
#include "season/player_value.h"
#include "season/retirement.h"
#include "season/season_services.h"

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
// Yearly-salary anchors of each round, the same way.
constexpr int SALARY_ANCHORS[DRAFT_ROUNDS_OF_TABLE][3] = {
    {833, 417, 333}, {277, 253, 243}, {208, 205, 200}, {180, 160, 140},
    {100, 100, 100}, {100, 100, 100}, {100, 100, 100},
};

// Contract value's age factor, percent, ages 20 (and younger) to 39 (and older).
constexpr int FIRST_FACTOR_AGE = 20;
constexpr int AGE_FACTOR[20] = {75, 78, 80, 83, 85, 88, 90, 92, 95, 98,
                                100, 100, 98, 96, 94, 92, 90, 88, 86, 84};

constexpr int HOLDOUT_INJURY = 185;
constexpr int DRAFT_SCORE_BYTE = 5;
constexpr int DRAFT_SCORE_CODE = 299;
constexpr int PREDICTED_PERIOD = 3;
constexpr int SALARY_DEMANDS_LIMIT = 100;
constexpr int OWNER_MODE = 1;

// Anchor interpolation of a round: from A0 to A1 over the first half of the
// picks, from A1 to A2 over the second.
int Interpolate_Anchors(const int* A, int nPick, int nTeams)
{
    const int nHalf = nTeams / 2;
    return nPick < nHalf ? A[0] - Mul_Div_Rounded(A[0] - A[1], nPick, nHalf)
                         : A[1] - Mul_Div_Rounded(A[1] - A[2], nPick - nHalf, nHalf);
}

bool Is_Draft_Slot(int nRound, int nPick)
{
    return nRound >= 0 && nRound < DRAFT_ROUNDS_OF_TABLE && nPick >= 0 && nPick < Count_Teams();
}

bool Is_College_Pool(int nTeam)
{
    return nTeam >= FIRST_DRAFT_POOL_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM;
}

// A franchise in use run by the user (not while every club is computer-run).
bool Is_User_Club(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Team_Slot_Used(nTeam) && !Is_Computer_Run_Team(nTeam) &&
           Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER;
}

// The current week is not past the last playoff week (the season is on).
bool Is_Season_Under_Way()
{
    return Get_Current_Week() <= Get_Season_Playoff_Day(SEASON_CALENDAR_DAYS - 1);
}

constexpr const char* SALARY_QUESTION =
    "Vazarudu Kelvo has found corrupt salary data, due to a bug in a previous version of Vazarudu Kelvo.\n\n"
    "Would you like Vazarudu Kelvo to automatically fix this data?";
constexpr const char* CASH_QUESTION = "Fix negative team cash levels caused by corrupt salary data?";

// The salary a corrupt one is repaired to: his contract value.
int Repaired_Salary(int nTeam, int nSlot)
{
    return Get_Player_Contract_Value(nTeam, nSlot, 0);
}

// A player in the slot whose salary is above the limit.
bool Is_Corrupt_Salary(int nTeam, int nSlot, int nLimit)
{
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID) != 0 &&
           Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY) > nLimit;
}

// The franchise players of each position, listed once while a contract
// pass runs (Begin_Market_Memo): the pass moves no player, so the market of
// a position is the same places in the same order every time.
struct MARKET_PLACE {
    int nTeam;
    int nSlot;
};
struct MARKET_POSITION {
    bool bKnown = false;
    std::vector<MARKET_PLACE> Places;
};
struct MARKET_MEMO {
    int nDepth = 0;
    MARKET_POSITION Positions[NUMBER_OF_POSITIONS];
};
MARKET_MEMO g_MarketMemo;

// The places of a position in franchise and slot order; null outside a
// pass or for a code that is no base position.
const std::vector<MARKET_PLACE>* Market_Places(int nPosition)
{
    if (g_MarketMemo.nDepth == 0 || nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return nullptr;
    MARKET_POSITION& Position = g_MarketMemo.Positions[nPosition];
    if (!Position.bKnown) {
        Position.Places.clear();
        for (int t = 0; t < MAX_FRANCHISES; ++t) {
            if (!Is_Team_Slot_Used(t))
                continue;
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) != 0 &&
                    Get_Player_Vital_Stat(t, s, VITAL_POSITION) == nPosition)
                    Position.Places.push_back(MARKET_PLACE{t, s});
        }
        Position.bKnown = true;
    }
    return &Position.Places;
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
    if (!Is_Draft_Slot(nRound, nPick))
        return 0;
    return Scale_From_Base_Cap(Interpolate_Anchors(BONUS_ANCHORS[nRound], nPick, Count_Teams()));
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
    // The four years run from the draft year: what is left of them this
    // league year, at least the current one (draft year - 2019 is right
    // only in 2023).
    const int nYearsLeft =
        std::clamp(nDraftYear + ROOKIE_CONTRACT_LENGTH - Get_Current_Year(), 1, ROOKIE_CONTRACT_LENGTH);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYearsLeft);
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


int Get_Salary_Demands()
{
    return std::clamp(Get_Universe_Stat(SALARY_DEMANDS_STAT), -SALARY_DEMANDS_LIMIT, SALARY_DEMANDS_LIMIT);
}

void Set_Salary_Demands(int nValue)
{
    Set_Universe_Stat(SALARY_DEMANDS_STAT, std::clamp(nValue, -SALARY_DEMANDS_LIMIT, SALARY_DEMANDS_LIMIT));
}

int Get_Contract_Age_Factor(int nAge)
{
    const int i = std::clamp(nAge - FIRST_FACTOR_AGE, 0, 19);
    return AGE_FACTOR[i];
}

int Get_Draft_Slot_Salary(int nRound, int nPick)
{
    // Out of the table's bounds: the rookie minimum, not a read past it.
    if (!Is_Draft_Slot(nRound, nPick))
        return Get_Minimum_Salary(0);
    const int nSalary = Scale_From_Base_Cap(Interpolate_Anchors(SALARY_ANCHORS[nRound], nPick, Count_Teams()));
    return std::max(nSalary, Get_Minimum_Salary(0));
}

int Get_Player_Draft_Score(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    return static_cast<int8_t>(Get_Player_Byte_Stat(nTeam, nSlot, DRAFT_SCORE_BYTE));
}

void Set_Player_Draft_Score(int nTeam, int nSlot, int nScore)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return;
    // Held within the signed byte instead of wrapping round.
    const int8_t nByte = static_cast<int8_t>(std::clamp(nScore, -128, 127));
    Set_Player_Byte_Stat(nTeam, nSlot, DRAFT_SCORE_BYTE, static_cast<uint8_t>(nByte));
}

int Get_Max_College_Player_Score()
{
    // Every player of the three pools, whatever gaps a pool has.
    bool bAny = false;
    int nBest = 0;
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) == 0)
                continue;
            Set_Player_Draft_Score(t, s, Get_Player_Stat(t, s, PREDICTED_PERIOD, DRAFT_SCORE_CODE));
            const int nScore = Get_Player_Draft_Score(t, s);
            if (!bAny || nScore > nBest)
                nBest = nScore;
            bAny = true;
        }
    }
    return nBest;
}

int Get_Rookie_Signing_Bonus(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    const int nMax = Get_Max_College_Player_Score();
    // No best score to measure by: no bonus (and never a flipped sign).
    if (nMax <= 0)
        return 0;
    const int nSlotBonus =
        Get_Draft_Slot_Bonus(Get_User_Preference(PREF_DRAFT_ROUND), Get_User_Preference(PREF_DRAFT_PICKS_MADE));
    return std::max(Mul_Div_Rounded(nSlotBonus, Get_Player_Draft_Score(nTeam, nSlot), nMax), 0);
}

int Get_Market_Salary(int nTeam, int nSlot, int nBase)
{
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    const int nAge = Get_Player_Age(nTeam, nSlot);
    const int nOverall = static_cast<int>(Get_Player_Overall_Or_Regenerate(nTeam, nSlot));
    int64_t nSum = 0;
    int64_t nWeights = 0;
    auto fWeigh = [&](int t, int s) {
        const int nAgeWeight = 5 - std::abs(nAge - Get_Player_Age(t, s)) / 4;
        if (nAgeWeight <= 0)
            return;   // the overall cannot lift it above 0
        const int nOther = static_cast<int>(Get_Player_Overall_Rating(t, s));
        const int w = nAgeWeight - std::abs(nOverall - nOther);
        if (w <= 0)
            return;
        nSum += static_cast<int64_t>(w) * Get_Player_Vital_Stat(t, s, VITAL_CAP_CHARGE);
        nWeights += w;
    };
    if (const std::vector<MARKET_PLACE>* pPlaces = Market_Places(nPosition)) {
        for (const MARKET_PLACE& Place : *pPlaces)
            fWeigh(Place.nTeam, Place.nSlot);
    } else {
        for (int t = 0; t < MAX_FRANCHISES; ++t) {
            if (!Is_Team_Slot_Used(t))
                continue;
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) != 0 &&
                    Get_Player_Vital_Stat(t, s, VITAL_POSITION) == nPosition)
                    fWeigh(t, s);
        }
    }
    // Nobody alike on the franchises: his own price stands.
    if (nWeights == 0)
        return nBase;
    return Clamp_To_Int(nSum / nWeights);
}

void Begin_Market_Memo()
{
    if (g_MarketMemo.nDepth++ == 0)
        for (MARKET_POSITION& Position : g_MarketMemo.Positions)
            Position.bKnown = false;
}

void End_Market_Memo()
{
    if (g_MarketMemo.nDepth > 0 && --g_MarketMemo.nDepth == 0)
        for (MARKET_POSITION& Position : g_MarketMemo.Positions) {
            Position.bKnown = false;
            Position.Places.clear();
        }
}

int Get_Player_Contract_Value(int nTeam, int nSlot, int nValue)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    const int nDemands = Get_Salary_Demands();
    const int nDifficulty = Get_User_Preference(PREF_DIFFICULTY);
    const int nSeasons = std::max(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED), 0);
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);

    // 1-2. His worth for his age.
    const int V = nValue != 0 ? nValue : Get_Player_Value(nTeam, nSlot);
    const int nAge = Get_Player_Age(nTeam, nSlot);
    int c = Money_Scale(V, Get_Contract_Age_Factor(nAge), 100);

    // 3. Short of his potential: priced down by the square of the ratio.
    const int P = static_cast<int>(Compute_Player_Potential(nTeam, nSlot));
    const int O = static_cast<int>(Get_Player_Overall_Or_Regenerate(nTeam, nSlot));
    if (P > O)
        c = Mul_Div_Rounded_64(c, static_cast<int64_t>(O) * O, static_cast<int64_t>(P) * P);

    // 4. Veterans' floor, in 64 bits: a value near the bottom of the int
    // range (an old player's) would otherwise wrap round to a large price.
    const int64_t nFloor = 100 * static_cast<int64_t>(nSeasons);
    if (c < nFloor)
        c = Clamp_To_Int(c + (c + nFloor) / 2);

    // 5. A free agent in the season asks less the later it is.
    if (nTeam == FREE_AGENT_TEAM && Is_Season_Under_Way())
        c = Mul_Div_Rounded(c, 5, Get_Current_Week() + 7);

    // 6. A holdout of a losing club asks more.
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY) == HOLDOUT_INJURY) {
        const int k = 35 * Get_Team_Current_Yearly_Char(nTeam, YEARLY_LOSSES) -
                      100 * Get_Team_Current_Yearly_Char(nTeam, YEARLY_WINS) + 1250;
        if (k > 1000)
            c = Money_Scale(c, k, 1000);
    }

    // 7. The current money level, blended 1:2 with what the market pays.
    const int m = Scale_From_Base_Cap(c);
    const int t = Get_Market_Salary(nTeam, nSlot, m);
    int s = Clamp_To_Int((static_cast<int64_t>(m) + 2 * static_cast<int64_t>(t)) / 3);

    // 8-9. The user's club (and free agents) pays for the difficulty; the
    // user's club pays for fame too.
    const bool bUserClub = Is_User_Club(nTeam);
    if (bUserClub || nTeam == FREE_AGENT_TEAM)
        s = Money_Scale(s, nDifficulty + 10, 10);
    if (bUserClub) {
        const int h = Get_Career_Score(nTeam, nSlot) + 3 * Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_CHAMPIONSHIPS);
        if (h > 37) {
            const int q = (nDifficulty + 1) * (h - 37);
            const int f = Money_Scale(q, 1000, 185);
            s = Money_Scale(s, static_cast<int64_t>(f) + 1000, 1000);
        }
    }

    // 10. The league's payroll level.
    s = Money_Scale(s, static_cast<int64_t>(Get_League_Payroll_Ratio()) + 2000, 3000);

    // 11. Owner mode: the league's finances.
    const int e = Get_User_Preference(PREF_OWNER_MODE) == OWNER_MODE ? Get_Cached_Finance_Index() : 1000;
    s = Money_Scale(s, static_cast<int64_t>(e) + 1000, 2000);

    // 12. Nobody but a quarterback is paid far above a tenth of the cap.
    const int nCap = Get_Universe_Stat(SALARY_CAP);
    if (nPosition != POSITION_QB && nCap > 0) {
        const int L = nCap / 1000 / 10;
        if (s > L)
            s = L / 2 + s / 2;
    }

    // 13-14. The league's Salary Demands; at least the minimum, else up to $5K.
    s = Money_Scale(s, nDemands + 100, 100);
    const int nMinimum = Get_Minimum_Salary(nSeasons);
    if (s <= nMinimum)
        return nMinimum;
    return Money_Round_Up_To_5(s);
}

int Get_Salary_Above_Minimum(int nTeam, int nSlot, int nValue)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    if (Is_College_Pool(nTeam))
        return Get_Rookie_Signing_Bonus(nTeam, nSlot);
    const int nSeasons = std::max(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED), 0);
    const int e = Get_Player_Contract_Value(nTeam, nSlot, nValue) / 2 - Get_Minimum_Salary(nSeasons);
    const int a = Get_Player_Age(nTeam, nSlot) - 10;
    int b = a == 0 ? 0 : Money_Scale(e, 17, a);   // (17e + a/2) / a
    b = Money_Scale(b, Get_Salary_Demands() + 100, 100);
    const int nStep = Get_Price_Step(Get_Universe_Stat(INFLATION_FACTOR));
    b -= b % nStep;
    return b < 0 ? 0 : b;
}
