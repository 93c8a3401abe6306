// The college draft: seven rounds in one fixed order, the computer picking
// until a user-run club is on the clock, the report file, the records of
// forfeited picks and the draft's end.
#include "season/college_draft.h"
#include "season/debug_log_line.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "base/random.h"
#include "base/text_utils.h"
#include "frontoffice/college_count.h"
#include "frontoffice/contracts.h"
#include "frontoffice/depth_chart.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/contract_renewal.h"
#include "season/draft_choice.h"
#include "season/draft_pool.h"
#include "season/draft_state.h"
#include "season/offseason.h"
#include "season/player_generation.h"
#include "season/salaries.h"

namespace {

constexpr int REPORT_LINE_SIZE = 256;
// Every pick moves the draft on by one; no draft holds more picks than this.
constexpr int MAX_DRAFT_STEPS = DRAFT_ROUNDS * MAX_FRANCHISES + 1;
constexpr int FORFEIT_BIAS = 128;   // a forfeited pick holds team - 128 as a byte
constexpr int LAST_FRANCHISE_SLOT = MAX_FRANCHISES - 1;
constexpr int DEPTH_CHART_UNITS = 3;

constexpr const char* EMPTY_POOL_TEXT =
    "The College Draft has ended because the draft pool is empty. If you think this is an error, please "
    "report the problem to support@vazarudu-kelvo.invalid. Thanks!";

int Draft_Round()
{
    return Get_User_Preference(PREF_DRAFT_ROUND);
}

int Draft_Pick()
{
    return Get_User_Preference(PREF_DRAFT_PICKS_MADE);
}

bool All_Computer()
{
    return Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) != 0;
}

bool Is_User_Run_Franchise(int nTeam)
{
    return Is_Team_Slot_Used(nTeam) && Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER;
}

// The holder of the pick on the clock (a byte: a franchise, a pool slot, a
// forfeit mark, or nothing).
int Holder_On_The_Clock()
{
    const int nRound = Draft_Round();
    if (nRound < 0 || nRound >= DRAFT_ROUNDS)
        return NO_TEAM;
    const int nPick = Draft_Pick();
    if (nPick < 0 || nPick >= MAX_FRANCHISES)
        return NO_TEAM;
    const int nOrigin = Get_Draft_Order_Team(nPick);
    if (nOrigin < 0 || nOrigin >= MAX_FRANCHISES)
        return NO_TEAM;
    return Get_Draft_Pick_Owner(0, nRound, nOrigin);
}

// A slot a pick can be made for: a franchise in use or the free agents.
// The hall of fame and the pools themselves hold no pick a player could go to.
bool Can_Make_Pick_For(int nHolder)
{
    return Is_Team_Slot_Used(nHolder) || nHolder == FREE_AGENT_TEAM;
}

bool Is_Draft_Slot_Team(int nTeam)
{
    return Is_Team_Slot_Used(nTeam) || (nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM);
}

// " %-15s %-25s (%s)": the drafting club's nickname, the player's name and
// his position.
void Write_Draft_Report_Line(int nTeam, int nPoolTeam, int nPoolSlot)
{
    char szNickname[TEAM_STRING_SIZE] = "";
    if (nTeam <= HALL_OF_FAME_TEAM)
        Get_Team_String(szNickname, nTeam, TEAM_STRING_NICKNAME);
    if (Is_User_Run_Franchise(nTeam) && !All_Computer())
        szNickname[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(szNickname[0])));
    char szName[PLAYER_NAME_TEXT_SIZE];
    Get_Player_Full_Name(nPoolTeam, nPoolSlot, szName);
    char szPosition[16] = "";
    Get_Player_Position_Name(szPosition, nPoolTeam, nPoolSlot);
    char szPath[REPORT_LINE_SIZE];
    Get_Draft_Report_Path(szPath, sizeof(szPath), Get_Current_Year());
    Append_Formatted_Line_To_File(szPath, " %-15s %-25s (%s)", szNickname, szName, szPosition);
}

// Moves the prospect to the club (or to the free agents); his new slot, -1
// when he could not be moved.
int Move_Prospect(int nTeam, int nPoolTeam, int nPoolSlot)
{
    if (nTeam == FREE_AGENT_TEAM)
        return Find_Free_Agent_Slot(nPoolTeam, nPoolSlot);
    const int nSlot = Find_Empty_Player_Slot(nTeam);
    if (nSlot < 0)
        return -1;
    Swap_Players(nPoolTeam, nPoolSlot, nTeam, nSlot);
    // The pool's slot now holds the empty record: clear it and close the gap.
    Shift_Roster_Over_Slot(nPoolTeam, nPoolSlot);
    return nSlot;
}

void End_Draft()
{
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);
    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    Setup_Next_Season();
}

// The open College Draft list's refresh; null while none is open.
void (*g_pDraftListRefresher)() = nullptr;

// A draft under way whose pools ran dry is ended here, by the draft's own
// loop, never by a reader of Check_Draft_Pool.
bool Draft_Goes_On()
{
    if (Draft_Round() >= DRAFT_OVER_ROUND)
        return false;
    if (Count_College_Players() > 0)
        return true;
    End_Draft_Pool_Empty();
    return false;
}

}  // namespace

int Scale_Draft_Bonus_For_Cash(int nBonus, int nRatio)
{
    if (nRatio > 1000)
        return Mul_Div_Rounded(nBonus, nRatio + 9000, 10000);
    return nBonus;
}

int Get_Cash_After_Draft_Bonus(int64_t nCash, int nBonus)
{
    int64_t n = nCash - static_cast<int64_t>(nBonus) * 1000;
    if (n < DRAFT_CASH_FLOOR)
        n = DRAFT_CASH_FLOOR;
    if (n > DRAFT_CASH_CEILING)
        n = DRAFT_CASH_CEILING;
    return static_cast<int>(n);
}

void Record_Drafted_Player(int nTeam, int nPoolTeam, int nPoolSlot)
{
    const int nRound = Draft_Round();
    const int nPick = Draft_Pick();
    const int nTeams = Count_Teams();
    const int nYear = Get_Current_Year();
    Write_Draft_Report_Line(nTeam, nPoolTeam, nPoolSlot);
    const int nSlot = Move_Prospect(nTeam, nPoolTeam, nPoolSlot);
    if (nSlot < 0)
        return;
    if (nTeam != FREE_AGENT_TEAM) {
        Get_Player_Current_Season_Line(nTeam, nSlot);   // assigns and links this year's line
        // His number is his club's to give, free among his new teammates;
        // whatever he wore in the pool is no claim on it.
        Set_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_UNIFORM, 0);
        Assign_Uniform_Number(nTeam, nSlot);
    }
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFT_PICK,
                          ((nRound + 1) * 100 + (nPick + 1)) * 1000 + (nTeams * nRound + nPick + 1));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_DRAFTED_BY, (nTeam + 1) * 10000 + nYear);
    for (int nPeriod = 0; nPeriod <= 2; ++nPeriod)
        Clear_Player_Season_Stats(nTeam, nSlot, nPeriod);
}

void Make_Draft_Pick(int nTeam)
{
    const int nRound = Draft_Round();
    int nPoolTeam = NO_TEAM;
    int nPoolSlot = NO_PLAYER;
    if (!Choose_Computer_Draft_Pick(nTeam, &nPoolTeam, &nPoolSlot))
        return;
    if (nTeam != FREE_AGENT_TEAM) {
        // In the first four rounds a full roster makes room on the prospect's side.
        if (nRound <= 3 && Count_Team_Players(nTeam) >= PLAYERS_PER_TEAM) {
            const int nLast = Find_Last_Team_Side_Player(nTeam, Get_Player_Side(nPoolTeam, nPoolSlot));
            if (nLast >= 0)
                Find_Free_Agent_Slot(nTeam, nLast);
        }
        if (Count_Team_Players(nTeam) >= PLAYERS_PER_TEAM)
            return;
    }
    const int nYears = Get_Contract_Length(nPoolTeam, nPoolSlot);
    int nBonus = Get_Rookie_Signing_Bonus(nPoolTeam, nPoolSlot);
    const int nCash = Get_Team_Financial_Stat(nTeam, FINANCE_CASH);
    nBonus = Scale_Draft_Bonus_For_Cash(nBonus, Get_Team_Financial_Stat(nTeam, FINANCE_CASH_INDEX));
    Set_Player_Vital_Stat(nPoolTeam, nPoolSlot, VITAL_SIGNING_BONUS, nBonus);
    Set_Player_Vital_Stat(nPoolTeam, nPoolSlot, VITAL_CONTRACT_YEARS_LEFT, nYears);
    Set_Player_Vital_Stat(nPoolTeam, nPoolSlot, VITAL_CONTRACT_LENGTH, nYears);
    Compute_Asking_Salary(nPoolTeam, nPoolSlot, 0);
    Set_Team_Financial_Stat(nTeam, FINANCE_CASH, Get_Cash_After_Draft_Bonus(nCash, nBonus));
    if (nRound <= 3) {
        const int nPosition = Get_Player_Vital_Stat(nPoolTeam, nPoolSlot, VITAL_POSITION);
        Set_Draft_Strategy(nPosition, Get_Draft_Strategy(nPosition) - 1);
    }
    Record_Drafted_Player(nTeam, nPoolTeam, nPoolSlot);
}

void Move_To_Next_Draft_Pick()
{
    int nPick = Draft_Pick() + 1;
    int nRound = Draft_Round();
    if (nPick >= Count_Teams()) {
        nPick = 0;
        ++nRound;
        if (nRound < DRAFT_OVER_ROUND) {
            Write_Draft_Round_Header(nRound);
            if (Get_User_Preference(PREF_MAIN_PAGE) == DRAFT_PAGE)
                Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, nRound + 1);
        }
    }
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, nPick);
    Set_User_Preference(PREF_DRAFT_ROUND, nRound);
    if (nRound >= DRAFT_OVER_ROUND)
        Setup_Next_Season();
}

void Advance_Draft_Pick()
{
    if (Count_College_Players() == 0) {
        End_Draft_Pool_Empty();
        return;
    }
    const int nHolder = Holder_On_The_Clock();
    if (Can_Make_Pick_For(nHolder)) {
        if (nHolder <= LAST_FRANCHISE_SLOT)
            for (int nUnit = 0; nUnit < DEPTH_CHART_UNITS; ++nUnit)
                Auto_Set_Depth_Chart(nHolder, nUnit, 0);
        Make_Draft_Pick(nHolder);
    } else if (nHolder > FREE_AGENT_TEAM && nHolder <= LAST_DRAFT_POOL_TEAM) {
        // The hall of fame and the pools cannot take a player: the pick passes.
        Write_Debug_Log("Draft pick of round %d, pick %d held by team slot %d passes.", Draft_Round() + 1,
                        Draft_Pick() + 1, nHolder);
    } else if (nHolder >= FORFEIT_BIAS && Is_Draft_Slot_Team(nHolder - FORFEIT_BIAS)) {
        Record_Forfeited_Draft_Pick(nHolder - FORFEIT_BIAS);
    }
    Move_To_Next_Draft_Pick();
    Reset_Page_Cache();
    Request_Main_Window_Repaint();
}

void End_Draft_Pool_Empty()
{
    Show_Message_Box(EMPTY_POOL_TEXT, "College Draft", BOX_OK | BOX_ICON_INFORMATION);
    End_Draft();
}

void Confirm_End_College_Draft()
{
    if (Show_Message_Box("Ending the Draft will cause the computer to make all remaining draft picks. Are you sure?",
                         "End College Draft?", BOX_YESNO | BOX_ICON_QUESTION) != ID_YES)
        return;
    for (int nStep = 0; nStep < MAX_DRAFT_STEPS && Draft_Goes_On(); ++nStep)
        Advance_Draft_Pick();
}

int Get_Draft_Holder_On_The_Clock()
{
    return Holder_On_The_Clock();
}

void Set_College_Draft_List_Refresher(void (*pRefresh)())
{
    g_pDraftListRefresher = pRefresh;
}

void Notify_User_Draft_Turn()
{
    // The picks made since the list was filled leave it before the box asks
    // for the next one.
    if (g_pDraftListRefresher != nullptr)
        g_pDraftListRefresher();
    const int nHolder = Holder_On_The_Clock();
    Set_User_Preference(PREF_SELECTED_TEAM, nHolder);
    char szTitle[64];
    std::snprintf(szTitle, sizeof(szTitle), "Round %d: Pick #%d", Draft_Round() + 1, Draft_Pick() + 1);
    const bool bShowing = Get_User_Preference(PREF_MAIN_PAGE) == DRAFT_PAGE;
    if (Draft_Round() == 0 || bShowing) {
        // The board behind the box is this draft's, turned to the round on
        // the clock, not the year and round the page was left at.
        Set_User_Preference(PREF_DRAFT_PAGE_SELECTION, Get_Current_Year());
        Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, Draft_Round() + 1);
        Reset_Page_Cache();
    }
    if (Draft_Round() == 0 && !bShowing)
        Show_Main_Page(DRAFT_PAGE);
    else if (bShowing)
        Request_Main_Window_Repaint();
    char szName[TEAM_STRING_SIZE * 2 + 2] = "";
    Get_Team_Full_Name(nHolder, szName);
    Show_Formatted_Message(szTitle, "%s: Make your draft pick.\n\n(Choose 'College Draft' from 'Team' menu.)",
                           szName);
}

void Record_Forfeited_Draft_Pick(int nTeam)
{
    const int nOverall = Draft_Round() * Count_Teams() + Draft_Pick() + 1;
    const int nRecord = (Get_Current_Year() * 1000 + nOverall) * 100 + nTeam;
    for (int i = 0; i < DRAFT_RESULT_WORDS; ++i) {
        if (Get_Draft_Result_Word(i) == 0) {
            Set_Draft_Result_Word(i, nRecord);
            return;
        }
    }
}

int Find_Team_Draft_Record(int nYear, int nOverallPick)
{
    const int64_t nKey = static_cast<int64_t>(nYear) * 1000 + nOverallPick;
    for (int i = 0; i < DRAFT_RESULT_WORDS; ++i) {
        const int nWord = Get_Draft_Result_Word(i);
        if (nWord == 0)
            return NO_TEAM;
        if (nWord / 100 == nKey)
            return static_cast<int>(nWord - nKey * 100);
    }
    return NO_TEAM;
}

void Reset_All_Draft_Picks()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t)
        Reset_Team_Draft_Picks(t);
}

void Reset_Team_Draft_Picks(int nTeam)
{
    if (nTeam < 0 || nTeam >= MAX_FRANCHISES) {
        Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
        return;
    }
    for (int d = 0; d < DRAFT_YEARS; ++d)
        for (int r = 0; r < DRAFT_ROUNDS; ++r)
            Set_Draft_Pick_Owner(d, r, nTeam, nTeam);
}

void Get_Draft_Report_Path(char* szBuffer, int nSize, int nYear)
{
    if (szBuffer == nullptr || nSize <= 0)
        return;
    std::snprintf(szBuffer, static_cast<size_t>(nSize), "Output\\College-Draft-%d.txt", nYear);
}

void Write_Draft_Round_Header(int nRound)
{
    char szOrdinal[64];
    Get_Ordinal_Words(szOrdinal, nRound + 1);
    szOrdinal[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(szOrdinal[0])));
    char szPath[REPORT_LINE_SIZE];
    Get_Draft_Report_Path(szPath, sizeof(szPath), Get_Current_Year());
    Append_Line_To_File(szPath, "");
    Append_Formatted_Line_To_File(szPath, "================= %s ROUND =================", szOrdinal);
}

void Start_Draft_Report()
{
    const int nYear = Get_Current_Year();
    char szPath[REPORT_LINE_SIZE];
    Get_Draft_Report_Path(szPath, sizeof(szPath), nYear);
    files::Create_Folders("Output");
    files::Delete_File(szPath);
    Append_Line_To_File(szPath, "");
    Append_Formatted_Line_To_File(szPath, "               %d COLLEGE DRAFT", nYear);
    Write_Draft_Round_Header(0);
}

void Start_College_Draft()
{
    Write_Debug_Log_Line("Off-Season Finished");

    Set_Draft_Order();
    Rebuild_Play_Menu();
    Stop_News_Ticker();
    Destroy_Status_Bar();
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);

    Start_Draft_Report();
    Load_Draft_Strategy();
    Rebuild_Play_Menu();
    Begin_College_Draft();
    // The draft is under way (or, all picks made by the computer, over):
    // Start Draft is no longer offered.
    Rebuild_Play_Menu();
}

void Begin_College_Draft()
{
    Show_Main_Page(DRAFT_PAGE);
    // Picks change hands during the draft: a trade offer being built is
    // dropped (the trade screen keeps none in this program yet).
    Forget_Position_Needs();
    for (int nStep = 0; nStep < MAX_DRAFT_STEPS; ++nStep) {
        if (!Draft_Goes_On())
            return;
        const int nHolder = Holder_On_The_Clock();
        if (!All_Computer() && nHolder <= LAST_FRANCHISE_SLOT && Is_User_Run_Franchise(nHolder)) {
            Notify_User_Draft_Turn();
            return;
        }
        Advance_Draft_Pick();
    }
    Report_Error("College draft did not end in %s()", __func__);
}

void Resume_College_Draft()
{
    Rebuild_Play_Menu();
    Begin_College_Draft();
    Rebuild_Play_Menu();
}

void Roll_Draft_Pick_Owners_Forward()
{
    const int nTeams = Count_Teams();
    for (int nRound = 0; nRound < DRAFT_ROUNDS; ++nRound) {
        for (int t = 0; t < nTeams; ++t) {
            Set_Draft_Pick_Owner(0, nRound, t, Get_Draft_Pick_Owner(1, nRound, t));
            Set_Draft_Pick_Owner(1, nRound, t, Get_Draft_Pick_Owner(2, nRound, t));
            Set_Draft_Pick_Owner(2, nRound, t, t);
        }
    }
}

void Clear_Negative_Seasons()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t <= FREE_AGENT_TEAM; ++t) {
        if (t >= nTeams && t != FREE_AGENT_TEAM)
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Is_Player_Slot_Used(t, s) && Get_Player_Vital_Stat(t, s, VITAL_SEASONS_PLAYED) < 0)
                Set_Player_Vital_Stat(t, s, VITAL_SEASONS_PLAYED, 0);
        }
    }
}
