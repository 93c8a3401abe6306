// The yearly renewal of one player's contract and the re-signing choice.
#include "season/contract_renewal.h"

#include <algorithm>
#include <cstdio>
#include <cstdint>

#include "base/random.h"
#include "frontoffice/computer_manager.h"
#include "frontoffice/contracts.h"
#include "league/calendar.h"
#include "league/inflation.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/money_math.h"
#include "season/player_development.h"
#include "season/player_value.h"
#include "season/retirement.h"
#include "season/salaries.h"
#include "season/season_services.h"

namespace {

constexpr int MAX_CREDITED_SEASONS = 30;
constexpr int CAREER_PERIOD = 2;
constexpr int STAT_GAMES = 0;
constexpr int COLLEGE_CONTRACT_YEARS = 4;
constexpr int OWNER_MODE = 1;
constexpr int RATING_PIVOT = 70;

void Credit_Season(int nTeam, int nSlot, int nSeasons)
{
    if (nSeasons > 0) {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED, std::min(nSeasons + 1, MAX_CREDITED_SEASONS));
    } else if (nSeasons == 0 && Get_Player_Stat(nTeam, nSlot, CAREER_PERIOD, STAT_GAMES) != 0) {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED, 1);
    }
}

bool Is_User_Club(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Team_Slot_Used(nTeam) &&
           Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER && !Is_Computer_Run_Team(nTeam);
}

bool Is_Season_Under_Way()
{
    return Get_Current_Week() <= Get_Season_Playoff_Day(SEASON_CALENDAR_DAYS - 1);
}

// The contract fields a probe puts back when the player is not re-signed.
struct CONTRACT_FIELDS {
    int nSalary;
    int nYears;
    int nBonusYears;
    int nBonus;
};

CONTRACT_FIELDS Read_Contract(int nTeam, int nSlot)
{
    return {Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY), Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT),
            Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH), Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS)};
}

void Write_Contract(int nTeam, int nSlot, const CONTRACT_FIELDS& C)
{
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, C.nSalary);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, C.nYears);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, C.nBonusYears);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, C.nBonus);
}

void Set_Length(int nTeam, int nSlot, int nLength)
{
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nLength);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, nLength);
}

// The club pays the signing bonus out of its cash ($K to dollars, in 64 bits).
void Pay_Signing_Bonus(int nTeam, int nBonus)
{
    const int64_t nCash = static_cast<int64_t>(Get_Team_Stored_Financial_Stat(nTeam, FINANCE_CASH)) -
                          static_cast<int64_t>(nBonus) * 1000;
    Set_Team_Financial_Stat(nTeam, FINANCE_CASH,
                            static_cast<int>(std::clamp<int64_t>(nCash, FINANCE_CASH_MINIMUM, FINANCE_CASH_MAXIMUM)));
}

// Re-signed at the given salary for L years with his bonus demand.
int Resign(int nTeam, int nSlot, int nSalary, int nLength, int nBonus)
{
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nSalary);
    Set_Length(nTeam, nSlot, nLength);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, nBonus);
    Pay_Signing_Bonus(nTeam, nBonus);
    return 1;
}

// Let go to the free agents with a new asking price.
int Release(int nTeam, int nSlot, int nLength, int nValue)
{
    Set_Length(nTeam, nSlot, nLength);
    Compute_Asking_Salary(nTeam, nSlot, nValue);
    Find_Free_Agent_Slot(nTeam, nSlot);
    return 0;
}

}  // namespace

int Renew_Player_Contract(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return 0;
    if (!Is_Player_Slot_Used(nTeam, nSlot)) {
        Report_Error("No player in %s(%d,[%d])", __func__, nTeam, nSlot);
        return 0;
    }
    // Members of the hall of fame have no contract left to run.
    if (nTeam == HALL_OF_FAME_TEAM)
        return 1;
    const int nYears = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT);
    const int nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS);
    const int nSeasons = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED);
    const int nPlayerID = Get_Player_ID(nTeam, nSlot);

    Age_Player_Ratings(nTeam, nSlot, 1);
    Settle_Player_Ratings(nTeam, nSlot);
    Credit_Season(nTeam, nSlot, nSeasons);

    if (nTeam >= FREE_AGENT_TEAM) {
        Compute_Asking_Salary(nTeam, nSlot, 0);
        return Check_Player_Retirement(nTeam, nSlot) ? 0 : 1;
    }

    if (nYears - 1 > 0) {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears - 1);
        if (nBonus != 0)
            Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, Mul_Div_Rounded(nBonus, nYears - 1, nYears));
        return 1;
    }

    const int nResult = Resign_Or_Release_Player(nTeam, nSlot, 1);
    // Only he can have a negative length: a player who left no longer
    // stands in the slot.
    if (Get_Player_ID(nTeam, nSlot) == nPlayerID && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) < 0)
        Report_Error("Check_Renew_Contract yielded negative contract length.");
    return nResult;
}

int Get_Contract_Length(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    if (nTeam >= FIRST_DRAFT_POOL_TEAM)
        return COLLEGE_CONTRACT_YEARS;

    const int r = Get_Rounded_Sqrt(Get_Player_Value(nTeam, nSlot));   // value held within +/-1e9
    int y = (r + 60) * 5;

    const int nAge = Get_Player_Age(nTeam, nSlot);
    const int nDecline = Get_Position_Decline_Age(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION));
    if (nAge > nDecline)
        y = Mul_Div_Rounded(y, 3, nAge - nDecline + 3);

    int nMinimum = 2;
    if (nTeam == FREE_AGENT_TEAM && Is_Season_Under_Way()) {
        y = Mul_Div_Rounded(y, 3, Get_Current_Week() + 6);
        nMinimum = 1;
    }
    return std::max(std::min(y / 100, MAXIMUM_CONTRACT_YEARS), nMinimum);
}

int Resign_Or_Release_Player(int nTeam, int nSlot, int bFinal)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    // 1. What he is and what he costs.
    const int P = static_cast<int>(Compute_Player_Potential(nTeam, nSlot));
    const int O = static_cast<int>(Get_Player_Overall_Or_Regenerate(nTeam, nSlot));
    const int V = Get_Player_Value(nTeam, nSlot);
    const CONTRACT_FIELDS Old = Read_Contract(nTeam, nSlot);
    POSITION_NEEDS Needs;
    Get_Team_Position_Needs(nTeam, &Needs);
    const int L = Get_Contract_Length(nTeam, nSlot);
    const int CV = Get_Player_Contract_Value(nTeam, nSlot, V);
    const int SA = Get_Salary_Above_Minimum(nTeam, nSlot, V);
    const int X = Scale_From_Base_Cap(V);
    const bool bCommissioner = Get_User_Preference(PREF_COMMISSIONER_MODE) != 0;

    // 2-3. Commissioner Mode renews every expiring contract at once.
    if (bCommissioner) {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, CV);
        Set_Length(nTeam, nSlot, L);
        return 1;
    }
    if (Is_User_Club(nTeam)) {
        // A probe neither asks the user nor lets a player go.
        if (!bFinal)
            return 0;
        if (Get_User_Preference(PREF_OWNER_MODE) == OWNER_MODE &&
            Get_Team_Stored_Financial_Stat(nTeam, FINANCE_CASH) < 0) {
            char szClub[TEAM_STRING_SIZE * 2 + 2];
            char szPlayer[PLAYER_NAME_TEXT_SIZE];
            char szText[256];
            Get_Team_Full_Name(nTeam, szClub);
            Get_Player_Full_Name(nTeam, nSlot, szPlayer);
            std::snprintf(szText, sizeof(szText),
                          "Because you are in debt, you may not discuss a new contract with %s. He is being released.",
                          szPlayer);
            Show_Message_Box(szText, szClub, BOX_OK);
            return Release(nTeam, nSlot, L, V);
        }
        Set_Length(nTeam, nSlot, L);
        Compute_Asking_Salary(nTeam, nSlot, V);
        if (Run_Contract_Offer_Dialog(nTeam, nSlot) != 0)
            return 1;
        Find_Free_Agent_Slot(nTeam, nSlot);
        return 0;
    }

    // 4. What a computer club will pay.
    int64_t W = X;
    if (P > RATING_PIVOT)
        W = Mul_Div_Rounded_64(W, P, RATING_PIVOT);
    if (O > RATING_PIVOT)
        W = Mul_Div_Rounded_64(W, O, RATING_PIVOT);
    const int f = Get_Team_Financial_Stat(nTeam, FINANCE_CASH_INDEX);
    W = f < 0 ? 0 : Money_Scale(W, static_cast<int64_t>(f) + 1000, 2000);

    int64_t nPayroll = Get_Team_Financial_Stat(nTeam, FINANCE_PAYROLL);
    if (bFinal)
        nPayroll += Get_Team_Draft_Pick_Costs(nTeam);
    const int64_t nCap = Get_Universe_Stat(SALARY_CAP) / 1000;
    if (nCap > 0 && nPayroll > nCap) {
        W = 0;
    } else {
        const int d = std::clamp(Rate_Player_Against_Depth(nTeam, nTeam, nSlot), 0, NEED_DEPTH_RANKS - 1);
        const int nPosition = std::clamp(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION), 0, 14);
        const int nNeed = Needs.nNeed[d][nPosition];
        const int64_t B = Divide_Rounded(Get_Team_Payroll_Budget(nTeam), 1000);
        W = Money_Scale(W, static_cast<int64_t>(nNeed) + 1000, 1400);
        // Empty books do not make a club pay nothing: the payroll scaling
        // needs a payroll to scale by.
        if (nPayroll > 0)
            W = Mul_Div_Rounded_64(W, nCap > 0 ? nCap : B, nPayroll);
    }

    // 5-6. At his price, or halfway when the roster has room.
    if (W >= CV)
        return Resign(nTeam, nSlot, CV, L, SA);
    if (W > 0 && Count_Team_Players(nTeam) <= COMPROMISE_ROSTER_LIMIT)
        return Resign(nTeam, nSlot, static_cast<int>(std::min<int64_t>(CV, (CV + W) / 2)), L, SA);

    // 7. Let go, or (a probe) left as he was.
    if (bFinal)
        return Release(nTeam, nSlot, L, V);
    Write_Contract(nTeam, nSlot, Old);
    return 0;
}
