#include "frontoffice/player_moves.h"

#include <cstdint>
#include <cstdio>

#include "base/text_utils.h"
#include "frontoffice/contracts.h"
#include "league/sack_text.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "league/team_finances.h"
#include "platform/dialogs.h"
#include "platform/resources.h"
#include "platform/ui.h"
#include "season/college_draft.h"
#include "season/contract_renewal.h"
#include "season/draft_state.h"
#include "season/salaries.h"

int Transfer_Player(int nDestination, int nTeam, int nSlot)
{
    if (nDestination == nTeam || nDestination < 0 || nDestination >= TOTAL_NUMBER_OF_TEAMS ||
        !Is_Player_Slot_Used(nTeam, nSlot))
        return -1;
    if (nDestination == FREE_AGENT_TEAM)
        return Find_Free_Agent_Slot(nTeam, nSlot);
    const int nNew = Find_Empty_Player_Slot(nDestination);
    if (nNew < 0)
        return -1;
    Copy_Player(nDestination, nNew, nTeam, nSlot);
    Shift_Roster_Over_Slot(nTeam, nSlot);
    return nNew;
}

void Set_Draft_Pick_Contract(int nTeam, int nSlot)
{
    if (!Is_College_Draft_Running() || !Is_Player_Slot_Used(nTeam, nSlot))
        return;
    // The contract the computer gives a prospect at the same pick, so the
    // user's pick costs what anybody's does.
    const int nYears = Get_Contract_Length(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, Get_Rookie_Signing_Bonus(nTeam, nSlot));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT, nYears);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_LENGTH, nYears);
    Compute_Asking_Salary(nTeam, nSlot, 0);
    const int nSlotSalary =
        Get_Draft_Slot_Salary(Get_User_Preference(PREF_DRAFT_ROUND), Get_User_Preference(PREF_DRAFT_PICKS_MADE));
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY) < nSlotSalary)
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, nSlotSalary);
}

void Show_Team_Full_Message(int nTeam, int nSlot)
{
    char szName[64] = "";
    Get_Player_Full_Name(nTeam, nSlot, szName);
    char szText[160];
    std::snprintf(szText, sizeof(szText), "Your team is currently full. You must release a player before you add %s.",
                  szName);
    Show_Message_Box(szText, "Too Many Players", BOX_OK | BOX_ICON_EXCLAMATION);
}

namespace {

// The user's club for the cap and roster lines: the selected club when the
// user runs it, else the only user-run club; -1 none.
int User_Club()
{
    const int nSelected = Get_Selected_Team();
    if (Is_Human_Team(nSelected))
        return nSelected;
    if (Count_Human_Teams() == 1)
        return Get_Nth_Human_Team(0);
    return -1;
}

std::string With_Commas(int64_t n)
{
    char szText[32];
    std::snprintf(szText, sizeof(szText), "%lld", static_cast<long long>(n < 0 ? -n : n));
    std::string Digits = szText;
    std::string Out;
    const int nLength = static_cast<int>(Digits.size());
    for (int i = 0; i < nLength; ++i) {
        if (i > 0 && (nLength - i) % 3 == 0)
            Out += ',';
        Out += Digits[i];
    }
    return Out;
}

}  // namespace

std::string Format_Cap_Room_Text(int64_t nRoom)
{
    if (Get_Universe_Stat(SALARY_CAP) > 0) {
        if (nRoom > 0)
            return "$" + With_Commas(nRoom) + ",000 under salary cap";
        return "$" + With_Commas(-nRoom) + ",000 OVER salary cap";
    }
    if (nRoom > 0)
        return "Under budget by $" + With_Commas(nRoom);
    return "Over budget by $" + With_Commas(-nRoom);
}

std::string Format_Cap_Room_Line(int nTeam)
{
    if (!((nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Team_Slot_Used(nTeam)) || nTeam == FREE_AGENT_TEAM))
        return "";
    return Format_Cap_Room_Text(Get_Cap_Room_Thousands(nTeam));
}

int64_t Get_Cap_Room_Thousands(int nTeam)
{
    return Get_Cap_Room_For_Payroll(nTeam, Get_Team_Financial_Stat(nTeam, FINANCE_PAYROLL));
}

int64_t Get_Cap_Room_For_Payroll(int nTeam, int64_t nPayroll)
{
    const int nCap = Get_Universe_Stat(SALARY_CAP);
    if (nCap > 0)
        return nCap / 1000 - nPayroll;
    return static_cast<int64_t>(Get_Team_Payroll_Budget(nTeam)) - nPayroll;
}

void Show_Cap_Room_Text(DIALOG& Dialog)
{
    const int nTeam = User_Club();
    Dialog.Set_Text(IDC_BUDGET_LINE, nTeam < 0 ? std::string() : Format_Cap_Room_Line(nTeam));
}

void Format_Roster_Count_Text(DIALOG& Dialog)
{
    const int nTeam = User_Club();
    if (nTeam < 0) {
        Dialog.Set_Text(IDC_ROSTER_LINE, "");
        return;
    }
    char szNickname[TEXT_BUFFER_SIZE] = "";
    Get_Team_Nickname(nTeam, szNickname);
    Dialog.Set_Text(IDC_ROSTER_LINE, std::string("The ") + szNickname + " have " +
                                         std::to_string(Count_Team_Players(nTeam)) +
                                         " roster players, out of a maximum of " + std::to_string(ROSTER_MAXIMUM) + ".");
}

std::string Format_Player_Stat_Summary(int nTeam, int nSlot)
{
    return Format_Player_Period_Stat_Summary(nTeam, nSlot, Get_User_Preference(PREF_STAT_PERIOD));
}

std::string Format_Player_Period_Stat_Summary(int nTeam, int nSlot, int nPeriod)
{
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return "";
    if (nPeriod < STAT_PERIOD_THIS_SEASON || nPeriod > STAT_PERIOD_PREDICTED)
        nPeriod = STAT_PERIOD_THIS_SEASON;
    auto Stat = [&](int nCode) { return Get_Player_Stat(nTeam, nSlot, nPeriod, nCode); };
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    char szText[160] = "";
    if (nPosition == 0) {
        std::snprintf(szText, sizeof(szText), "%d/%d, %d yds, %d TD, %d INT", Stat(STAT_PASS_COMPLETIONS),
                      Stat(STAT_PASS_ATTEMPTS), Stat(STAT_PASSING_YARDS), Stat(STAT_PASSING_TOUCHDOWNS),
                      Stat(STAT_INTERCEPTIONS_THROWN));
    } else if (nPosition >= 1 && nPosition <= 4) {
        std::snprintf(szText, sizeof(szText), "%d rush, %d yds, %d TD; %d rec, %d yds, %d TD",
                      Stat(STAT_RUSHING_ATTEMPTS), Stat(STAT_RUSHING_YARDS), Stat(STAT_RUSHING_TOUCHDOWNS),
                      Stat(STAT_RECEPTIONS), Stat(STAT_RECEIVING_YARDS), Stat(STAT_RECEIVING_TOUCHDOWNS));
    } else if (nPosition >= 5 && nPosition <= 7) {
        std::snprintf(szText, sizeof(szText), "%d games, %d starts", Stat(STAT_GAMES_PLAYED),
                      Stat(STAT_GAMES_STARTED));
    } else if (nPosition >= 8 && nPosition <= 12) {
        std::snprintf(szText, sizeof(szText), "%d tackles, %s sacks, %d INT",
                      Stat(STAT_SOLO_TACKLES) + Stat(STAT_TACKLE_ASSISTS), Format_Sacks(Stat(STAT_SACKS)).c_str(),
                      Stat(STAT_INTERCEPTIONS));
    } else if (nPosition == 13) {
        int nMade = 0;
        int nTried = 0;
        for (int b = 0; b < 4; ++b) {
            nTried += Stat(STAT_FIELD_GOAL_ATTEMPTS_BAND_1 + 2 * b);
            nMade += Stat(STAT_FIELD_GOALS_MADE_BAND_1 + 2 * b);
        }
        std::snprintf(szText, sizeof(szText), "%d/%d FG, %d/%d XP", nMade, nTried, Stat(STAT_PATS_MADE),
                      Stat(STAT_PAT_ATTEMPTS));
    } else if (nPosition == 14) {
        std::snprintf(szText, sizeof(szText), "%d punts, %d yds", Stat(STAT_PUNTS), Stat(STAT_PUNT_YARDS));
    }
    return szText;
}

std::string Format_Trade_Wish(int nTeam)
{
    POSITION_NEEDS Needs;
    Get_Team_Position_Needs(nTeam, &Needs);
    std::string Text;
    int nNames = 0;
    for (;;) {
        int nBest = -1;
        int nBestValue = 0;
        for (int p = 0; p < 15; ++p) {
            const int nStarter = Needs.nNeed[0][p];
            const int nBackup = nStarter + Needs.nNeed[1][p];
            const int nYoung = nBackup + Needs.nNeed[2][p];
            int nValue = nStarter;
            if (nBackup > nValue)
                nValue = nBackup;
            if (nYoung > nValue)
                nValue = nYoung;
            if (nBest < 0 || nValue > nBestValue) {
                nBest = p;
                nBestValue = nValue;
            }
        }
        if (nBestValue <= 1400 || nNames >= 2)
            break;
        std::string Name = Get_Resource_String(28 + nBest);
        if (!Name.empty() && Name.back() == 'y')
            Name = Name.substr(0, Name.size() - 1) + "ies";
        else if (!Name.empty() && Name.back() == 's')
            Name += "es";
        else
            Name += "s";
        Text += Name;
        if (nNames == 0)
            Text += ", ";
        ++nNames;
        for (int r = 0; r < 3; ++r)
            Needs.nNeed[r][nBest] = 0;
    }
    return nNames == 0 ? std::string("anyone who can help the team") : Text;
}
