#include "editors/sortable_stats.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "editors/column_chooser.h"
#include "league/list_columns.h"
#include "editors/player_list_view.h"
#include "frontoffice/college_count.h"
#include "frontoffice/contracts.h"
#include "frontoffice/list_services.h"
#include "frontoffice/player_moves.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "pages/player_card.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/resources.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "season/college_draft.h"
#include "season/contract_renewal.h"
#include "season/draft_state.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"
#include "season/season_services.h"

namespace {

constexpr int DRAFT_OVER_ROUND = 7;
constexpr int OFFSEASON_ROSTER_MINIMUM = 36;
constexpr int SEASON_ROSTER_MINIMUM = 51;
constexpr int ROSTER_WARNING_COUNT = 91;
constexpr int ANY_POSITION_ENTRY = 15;
constexpr const char* RELEASE_CAPTION = "&Release";
constexpr const char* SIGN_CAPTION = "Si&gn";
constexpr const char* DRAFT_CAPTION = "&Draft";

constexpr unsigned STRETCH = CS_ANCHOR_LEFT | CS_ANCHOR_TOP | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM;
constexpr unsigned BOTTOM_LEFT = CS_ANCHOR_LEFT | CS_ANCHOR_BOTTOM;
constexpr unsigned BOTTOM_RIGHT = CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM;

constexpr CONTROL_TEMPLATE SS_CONTROLS[] = {
    {IDC_SS_LIST, CONTROL_REPORT, "", {5, 5, 510, 150}, STRETCH},
    {IDC_SS_GROUP, CONTROL_COMBO, "", {5, 160, 150, 14}, BOTTOM_LEFT | CS_OWNER_DRAW},
    {IDC_SS_POSITION, CONTROL_COMBO, "", {160, 160, 80, 14}, BOTTOM_LEFT},
    {IDC_SS_PERIOD, CONTROL_COMBO, "", {245, 160, 70, 14}, BOTTOM_LEFT},
    {IDC_SS_MY_TEAM, CONTROL_BUTTON, "&View My Team", {320, 160, 60, 14}, BOTTOM_LEFT},
    {IDC_SS_COUNT, CONTROL_LABEL, "", {385, 161, 130, 10}, BOTTOM_LEFT},
    {IDC_SS_BUDGET, CONTROL_LABEL, "", {5, 178, 200, 10}, BOTTOM_LEFT},
    {IDC_SS_ROSTER, CONTROL_LABEL, "", {5, 190, 310, 10}, BOTTOM_LEFT},
    {IDC_SS_PICKS, CONTROL_LABEL, "", {320, 178, 195, 26}, BOTTOM_LEFT | CS_MULTILINE},
    {IDC_SS_PROGRESS, CONTROL_PROGRESS, "", {5, 202, 310, 6}, BOTTOM_LEFT | CS_HIDDEN},
    {IDC_SS_SCOUTING, CONTROL_BUTTON, "&Scouting", {5, 211, 55, 14}, BOTTOM_LEFT | CS_GROUP},
    {IDC_SS_RELEASE, CONTROL_BUTTON, "&Release", {65, 211, 55, 14}, BOTTOM_LEFT},
    {IDC_SS_EDIT_COLUMNS, CONTROL_BUTTON, "&Edit Columns", {125, 211, 60, 14}, BOTTOM_LEFT},
    {IDC_SS_AUTO_SIZE, CONTROL_BUTTON, "&Auto-Size", {190, 211, 50, 14}, BOTTOM_LEFT},
    {IDC_SS_HELP, CONTROL_BUTTON, "&Help", {400, 211, 55, 14}, BOTTOM_RIGHT},
    {IDC_SS_DONE, CONTROL_BUTTON, "&Done", {460, 211, 55, 14}, BOTTOM_RIGHT | CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE SS_TEMPLATE{SORTABLE_STATS_DIALOG, "Sortable Stats", 520, 230, DS_RESIZABLE, 520, 230,
                                      SS_CONTROLS, "sortablestats"};
constexpr int SS_USED_IDS[] = {IDC_SS_LIST,     IDC_SS_SCOUTING, IDC_SS_RELEASE,      IDC_SS_HELP,
                               IDC_SS_DONE,     IDC_SS_BUDGET,   IDC_SS_COUNT,        IDC_SS_ROSTER,
                               IDC_SS_PERIOD,   IDC_SS_GROUP,    IDC_SS_PROGRESS,     IDC_SS_EDIT_COLUMNS,
                               IDC_SS_POSITION, IDC_SS_MY_TEAM,  IDC_SS_AUTO_SIZE,    IDC_SS_PICKS};
const DIALOG_REGISTRAR SS_REGISTRAR(SORTABLE_STATS_DIALOG, SS_TEMPLATE, Sortable_Stats_Dialog, SS_USED_IDS);
const DIALOG_REGISTRAR FA_REGISTRAR(FREE_AGENTS_DIALOG, SS_TEMPLATE, Sortable_Stats_Dialog, SS_USED_IDS);
const DIALOG_REGISTRAR CD_REGISTRAR(COLLEGE_DRAFT_DIALOG, SS_TEMPLATE, Sortable_Stats_Dialog, SS_USED_IDS);

// The Stat Line column reads the front office's summary.
struct STAT_LINE_INSTALLER {
    STAT_LINE_INSTALLER() { Set_Player_Stat_Line_Formatter(Format_Player_Stat_Summary); }
};
const STAT_LINE_INSTALLER STAT_LINE_INSTALLED;

// Kept between openings, as the list is one at a time.
int g_nGroup = 0;
int g_nKind = 0;
DIALOG* g_pDialog = nullptr;
std::unique_ptr<PLAYER_LIST_VIEW> g_pView;
int g_nGroupIndex = -1;   // the group combo's entry before the user's change

int Kind_Of(int nDialogId)
{
    if (nDialogId == FREE_AGENTS_DIALOG)
        return 1;
    if (nDialogId == COLLEGE_DRAFT_DIALOG)
        return 2;
    return 0;
}

bool In_Fantasy_Draft()
{
    return Get_Universe_Stat(FANTASY_DRAFT_RUNNING) == FANTASY_DRAFT_UNDER_WAY;
}

bool Is_Franchise_In_Use(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Team_Slot_Used(nTeam);
}

bool Draft_Round_Open()
{
    return Get_User_Preference(PREF_DRAFT_ROUND) < DRAFT_OVER_ROUND;
}

// The fewest players club nTeam may keep now: 36 in the off-season, else 51,
// less the college picks it still has to make.
int Roster_Minimum(int nTeam)
{
    int nMinimum = Get_Current_Week() == OFFSEASON_WEEK ? OFFSEASON_ROSTER_MINIMUM : SEASON_ROSTER_MINIMUM;
    if (Draft_Round_Open() && Is_Franchise_In_Use(nTeam))
        nMinimum -= Count_Team_Remaining_Draft_Picks(nTeam);
    return nMinimum;
}

// The viewed club, made valid: preference 28 when it is a club in use, else
// the user's.
int Viewed_Team()
{
    const int nTeam = Get_User_Preference(PREF_CURRENT_TEAM);
    if (Is_Franchise_In_Use(nTeam))
        return nTeam;
    return Get_Selected_Team();
}

// The pick button's caption for what it does, each control keeping a
// letter of its own: while it drafts, Alt+D drafts and Done goes by Alt+O.
void Label_Pick_Button(DIALOG& Dialog, const char* szCaption)
{
    const bool bDrafting = std::string(szCaption) == DRAFT_CAPTION;
    Dialog.Set_Text(IDC_SS_RELEASE, szCaption);
    Dialog.Set_Text(IDC_SS_DONE, bDrafting ? "D&one" : "&Done");
}

bool Is_Team_Group(int nGroup)
{
    return nGroup >= GROUP_TEAM_BASE && nGroup < GROUP_TEAM_BASE + MAX_FRANCHISES;
}

void Show_Budget_Line(DIALOG& Dialog)
{
    int nTeam = Get_User_Preference(PREF_CURRENT_TEAM);
    if (!Is_Franchise_In_Use(nTeam) && nTeam != FREE_AGENT_TEAM && Count_Human_Teams() == 1)
        nTeam = Get_Nth_Human_Team(0);
    // In a fantasy draft a club's payroll is what it has drafted, as its list
    // shows it: the players its roster still holds are in the pool.
    if (In_Fantasy_Draft() && Is_Franchise_In_Use(nTeam))
        Dialog.Set_Text(IDC_SS_BUDGET,
                        Format_Cap_Room_Text(Get_Cap_Room_For_Payroll(nTeam, Get_Fantasy_Drafted_Payroll(nTeam))));
    else
        Dialog.Set_Text(IDC_SS_BUDGET, Format_Cap_Room_Line(nTeam));
}

void Show_Player_Count(DIALOG& Dialog)
{
    if (g_nKind != 0) {
        Dialog.Set_Text(IDC_SS_COUNT, "");
        return;
    }
    const int nRows = Dialog.Row_Count(IDC_SS_LIST);
    const int nSelected = Dialog.Selected_Row(IDC_SS_LIST);
    char szText[64];
    if (nSelected >= 0)
        std::snprintf(szText, sizeof(szText), "Player #%d of %d", nSelected + 1, nRows);
    else
        std::snprintf(szText, sizeof(szText), "%d Players", nRows);
    Dialog.Set_Text(IDC_SS_COUNT, szText);
}

void Show_Draft_Picks_Text(DIALOG& Dialog)
{
    if (!In_Fantasy_Draft()) {
        Dialog.Set_Text(IDC_SS_PICKS, "");
        return;
    }
    const int nTeam = Is_Team_Group(g_nGroup) ? g_nGroup - GROUP_TEAM_BASE : Get_Selected_Team();
    Dialog.Set_Text(IDC_SS_PICKS, Format_Team_Picks(nTeam));
}

void Set_Sortable_Stats_Title(DIALOG& Dialog, int nGroup)
{
    std::string Title = "Sortable Stats";
    char szName[TEXT_BUFFER_SIZE] = "";
    if (Is_Team_Group(nGroup)) {
        Get_Team_Full_Name(nGroup - GROUP_TEAM_BASE, szName);
        Title = std::string("Sortable Stats: ") + szName;
    } else if (nGroup == GROUP_ALL_ACTIVE) {
        Title = "Sortable Stats: All Active Players";
    } else if (nGroup == GROUP_LEAGUE_BASE || nGroup == GROUP_LEAGUE_BASE + 1) {
        Get_League_Name(nGroup - GROUP_LEAGUE_BASE, szName);
        Title = std::string("Sortable Stats: ") + szName;
    } else if (nGroup == GROUP_DRAFTED) {
        Title = "Sortable Stats: Drafted Players";
    } else if (nGroup == GROUP_UNDRAFTED) {
        Title = "Sortable Stats: Undrafted Players";
    } else if (nGroup == GROUP_FREE_AGENTS) {
        Title = "Free Agents";
    } else if (nGroup == GROUP_DRAFT_POOLS) {
        Title = "College Draft";
    }
    Dialog.Set_Title(Title);
}

void Fill_Group_Combo(DIALOG& Dialog)
{
    Dialog.Clear_Items(IDC_SS_GROUP);
    const int nViewed = Get_User_Preference(PREF_CURRENT_TEAM);
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        char szName[TEXT_BUFFER_SIZE] = "";
        Get_Team_Full_Name(t, szName);
        const int nEntry = Dialog.Add_Item(IDC_SS_GROUP, szName, GROUP_TEAM_BASE + t);
        if (t == nViewed)
            Dialog.Set_Selected(IDC_SS_GROUP, nEntry);
    }
    Dialog.Add_Item(IDC_SS_GROUP, "       ", GROUP_SEPARATOR);
    if (!In_Fantasy_Draft() && Count_Leagues() >= 2) {
        for (int l = 0; l < 2; ++l) {
            char szLeague[TEXT_BUFFER_SIZE] = "";
            Get_League_Name(l, szLeague);
            if (l == 1 && szLeague[0] == ' ')
                continue;
            Dialog.Add_Item(IDC_SS_GROUP, std::string(szLeague) + " Players", GROUP_LEAGUE_BASE + l);
        }
    }
    if (In_Fantasy_Draft()) {
        Dialog.Add_Item(IDC_SS_GROUP, "Drafted Players", GROUP_DRAFTED);
        Dialog.Add_Item(IDC_SS_GROUP, "Undrafted Players", GROUP_UNDRAFTED);
    }
    Dialog.Add_Item(IDC_SS_GROUP, "All Active Players", GROUP_ALL_ACTIVE);
}

void Fill_Position_Combo(DIALOG& Dialog)
{
    Dialog.Clear_Items(IDC_SS_POSITION);
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
        Dialog.Add_Item(IDC_SS_POSITION, Get_Resource_String(28 + p), p);
    Dialog.Add_Item(IDC_SS_POSITION, "Any Position", ANY_POSITION_ENTRY);
    int nPosition = Get_User_Preference(PREF_FANTASY_LIST_POSITION);
    if (nPosition < 0 || nPosition > ANY_POSITION_ENTRY)
        nPosition = ANY_POSITION_ENTRY;
    Dialog.Set_Selected(IDC_SS_POSITION, nPosition);
}

int Find_Group_Entry(const DIALOG& Dialog, int nGroup)
{
    for (int i = 0; i < Dialog.Item_Count(IDC_SS_GROUP); ++i)
        if (Dialog.Item_Data(IDC_SS_GROUP, i) == nGroup)
            return i;
    return -1;
}

void Prepare_Free_Agents()
{
    for (int s = 0; s < PLAYERS_PER_TEAM && Is_Player_Slot_Used(FREE_AGENT_TEAM, s); ++s) {
        const int nYears = Get_Contract_Length(FREE_AGENT_TEAM, s);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, s, VITAL_CONTRACT_YEARS_LEFT, nYears);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, s, VITAL_CONTRACT_LENGTH, nYears);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, s, VITAL_SIGNING_BONUS, 0);
        Compute_Asking_Salary(FREE_AGENT_TEAM, s, 0);
    }
    Rank_Free_Agent_Pool();
}

void Update_Sortable_Stats_Status(DIALOG& Dialog)
{
    const int nTeam = Viewed_Team();
    // The pools ran dry under the draft: the draft ends here, once.
    if (Draft_Round_Open() && Get_Current_Week() == OFFSEASON_WEEK && Count_College_Players() == 0)
        End_Draft_Pool_Empty();
    const int nMinimum = Roster_Minimum(nTeam);
    const bool bSelected = Dialog.Selected_Row(IDC_SS_LIST) >= 0;
    Dialog.Enable(IDC_SS_SCOUTING, bSelected);
    if (g_nKind == 1 || g_nKind == 2) {
        const bool bCanPick = g_nKind == 1 || In_Fantasy_Draft() || Is_College_Draft_Running();
        Dialog.Enable(IDC_SS_RELEASE, bSelected && bCanPick);
        Show_Cap_Room_Text(Dialog);
        Format_Roster_Count_Text(Dialog);
        return;
    }
    int nPlayerTeam = 0;
    int nPlayerSlot = 0;
    const bool bPlayer = g_pView != nullptr && Get_List_Selected_Player(*g_pView, nPlayerTeam, nPlayerSlot) >= 0;
    if (In_Fantasy_Draft()) {
        Label_Pick_Button(Dialog, DRAFT_CAPTION);
        Dialog.Enable(IDC_SS_RELEASE, bPlayer && Get_Player_Drafted_By(nPlayerTeam, nPlayerSlot) == NO_TEAM);
    } else {
        // Only a player of a club the user runs, and only above its minimum,
        // whatever group is shown.
        Label_Pick_Button(Dialog, RELEASE_CAPTION);
        Dialog.Enable(IDC_SS_RELEASE, bPlayer && Is_Human_Team(nPlayerTeam) &&
                                          Count_Team_Players(nPlayerTeam) > Roster_Minimum(nPlayerTeam));
    }
    const int nCount = Count_Team_Players(nTeam);
    const bool bTeamGroup = Is_Team_Group(g_nGroup);
    char szLine[160];
    if (bTeamGroup && nCount >= ROSTER_WARNING_COUNT)
        std::snprintf(szLine, sizeof(szLine), "Teams may not have more than 100 players under contract.");
    else if (nCount > nMinimum || !bTeamGroup)
        std::snprintf(szLine, sizeof(szLine), "Drag the corner of this dialog box to make it wider as needed.");
    else if (nCount < nMinimum)
        std::snprintf(szLine, sizeof(szLine), "This team is below the minimum roster size.");
    else
        std::snprintf(szLine, sizeof(szLine), "This team is at the minimum of %d players on the roster.", nMinimum);
    Dialog.Set_Text(IDC_SS_ROSTER, szLine);
    Show_Player_Count(Dialog);
}

void Fill_Rows(DIALOG& Dialog)
{
    if (g_pView == nullptr)
        return;
    Build_Sortable_Stats_Rows(*g_pView);
    Fill_Player_List(*g_pView);
    Sort_Player_List(*g_pView);
    Dialog.Show(IDC_SS_PROGRESS, false);
    Show_Player_Count(Dialog);
    Show_Draft_Picks_Text(Dialog);
    Set_App_Cursor(UI_CURSOR_ARROW);
}

// With no row chosen, the keyboard's row is the first one shown, so the
// list shows where the keys act (and where its focus is).
void Keep_Keyboard_Row(DIALOG& Dialog)
{
    if (Dialog.Row_Count(IDC_SS_LIST) > 0 && Dialog.Focused_Row(IDC_SS_LIST) < 0)
        Dialog.Set_Focused_Row(IDC_SS_LIST, std::max(Dialog.Get_Top_Index(IDC_SS_LIST), 0));
}

// The rows again, the view's place kept.
void Refresh_Keeping_Scroll(DIALOG& Dialog)
{
    const int nTop = Dialog.Find(IDC_SS_LIST) != nullptr ? Dialog.Find(IDC_SS_LIST)->nTopIndex : 0;
    Show_Budget_Line(Dialog);
    Fill_Rows(Dialog);
    Clear_List_Selection(*g_pView);
    Dialog.Set_Top_Index(IDC_SS_LIST, nTop);
    Keep_Keyboard_Row(Dialog);
}

void Fantasy_Refresh()
{
    Refresh_Sortable_Stats_List();
}

// The picks made while the College Draft list waited leave it before the
// draft asks the user for his next one.
void College_Draft_Refresh()
{
    if (g_pDialog == nullptr || g_pView == nullptr)
        return;
    Refresh_Keeping_Scroll(*g_pDialog);
    Update_Sortable_Stats_Status(*g_pDialog);
}

// The user's club, for the signings: no user-run franchise gives -1.
int User_Team()
{
    const int nTeam = Get_Selected_Team();
    return Is_Human_Team(nTeam) ? nTeam : -1;
}

void Sign_Free_Agent(DIALOG& Dialog, int nSlot)
{
    if (!Are_Trades_Allowed()) {
        Show_Message_Box("You cannot sign a free agent after the transaction deadline. Please wait until the off-season.",
                         "Trading Deadline", BOX_OK);
        return;
    }
    const int nUser = User_Team();
    if (nUser < 0)
        return;
    if (Get_Team_Financial_Stat(nUser, FINANCE_CASH) < 0) {
        Show_Message_Box(
            "Because you are currently in debt, you are not allowed to sign free agents or increase your payroll.",
            "Debt", BOX_OK);
        return;
    }
    if (Run_Contract_Offer_Dialog(FREE_AGENT_TEAM, nSlot) != 1)
        return;
    const int nNew = Transfer_Player(nUser, FREE_AGENT_TEAM, nSlot);
    if (nNew < 0) {
        Show_Team_Full_Message(FREE_AGENT_TEAM, nSlot);
        return;
    }
    // His season goes on with the new club.
    Get_Player_Current_Season_Line(nUser, nNew);
    Set_Player_Vital_Stat(nUser, nNew, VITAL_WEEK_COUNTER, 0);
    Refresh_Keeping_Scroll(Dialog);
}

void Draft_College_Player(DIALOG& Dialog, int nTeam, int nSlot)
{
    if (!Is_College_Draft_Running())
        return;
    const int nHolder = Get_Draft_Holder_On_The_Clock();
    if (!Is_Human_Team(nHolder)) {
        Show_Message_Box("None of your clubs is on the clock.", "College Draft", BOX_OK);
        return;
    }
    Set_Draft_Pick_Contract(nTeam, nSlot);
    if (Run_Contract_Offer_Dialog(nTeam, nSlot) != 1)
        return;
    if (Count_Team_Players(nHolder) >= ROSTER_MAXIMUM) {
        Show_Team_Full_Message(nTeam, nSlot);
        return;
    }
    const int nBonus = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS);
    Set_Team_Financial_Stat(nHolder, FINANCE_CASH,
                            Get_Cash_After_Draft_Bonus(Get_Team_Financial_Stat(nHolder, FINANCE_CASH), nBonus));
    Record_Drafted_Player(nHolder, nTeam, nSlot);
    Move_To_Next_Draft_Pick();
    Request_Main_Window_Repaint();
    // The computer picks on, the league showing behind.
    Dialog.Move_Aside();
    Begin_College_Draft();
    Dialog.Move_Back();
    Refresh_Keeping_Scroll(Dialog);
}

void Open_Card(DIALOG& Dialog, int nTeam, int nSlot)
{
    if (g_nKind == 2 && Is_College_Draft_Running())
        Set_Draft_Pick_Contract(nTeam, nSlot);
    const int nId = Get_Player_ID(nTeam, nSlot);
    const uint32_t nBefore = Get_Player_Checksum(nId);
    Show_Scouting_Report(nTeam, nSlot);
    if (Get_Player_Checksum(nId) == nBefore)
        return;
    Refresh_Keeping_Scroll(Dialog);
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Get_Player_ID(t, s) == nId && Select_List_Player(*g_pView, t, s))
                return;
}

void On_Release_Button(DIALOG& Dialog)
{
    int nTeam = 0;
    int nSlot = 0;
    if (Get_List_Selected_Player(*g_pView, nTeam, nSlot) < 0)
        return;
    if (In_Fantasy_Draft() && g_nKind != 1) {
        const int nClub = Get_User_Preference(PREF_SELECTED_TEAM);
        if (Record_Fantasy_Draft_Pick(nTeam, nSlot, nClub)) {
            Show_Draft_Picks_Text(Dialog);
            Refresh_Keeping_Scroll(Dialog);
            // The keys go on in the list, for the next pick.
            Dialog.Set_Focus(IDC_SS_LIST);
        }
        return;
    }
    if (g_nKind == 1) {
        Sign_Free_Agent(Dialog, nSlot);
    } else if (g_nKind == 2) {
        Draft_College_Player(Dialog, nTeam, nSlot);
    } else if (Is_Human_Team(nTeam) && Count_Team_Players(nTeam) > Roster_Minimum(nTeam)) {
        if (Confirm_Release_Player(nTeam, nSlot))
            Refresh_Keeping_Scroll(Dialog);
    }
}

// The entry reached in the group combo, handled as what it is.
void Take_Group_Entry(DIALOG& Dialog, int nIndex)
{
    const int nCode = static_cast<int>(Dialog.Item_Data(IDC_SS_GROUP, nIndex));
    if (Is_Team_Group(nCode)) {
        Set_Selected_Team(nCode - GROUP_TEAM_BASE);
    } else {
        Set_User_Preference(PREF_CURRENT_TEAM, -1);
    }
    // The main window's pages follow the viewed club.
    Reset_Page_Cache();
    Request_Main_Window_Repaint();
    g_nGroup = nCode;
    g_nGroupIndex = nIndex;
    g_pView->nGroupFilter = nCode;
    Refresh_Sortable_Stats_List();
    Set_Sortable_Stats_Title(Dialog, g_nGroup);
}

void On_Group_Change(DIALOG& Dialog)
{
    int nIndex = Dialog.Get_Selected(IDC_SS_GROUP);
    if (nIndex < 0)
        return;
    const int nSeparator = Find_Group_Entry(Dialog, GROUP_SEPARATOR);
    if (nIndex == nSeparator) {
        const int nFrom = g_nGroupIndex;
        if (nFrom == nSeparator - 1) {
            nIndex = nSeparator + 1;   // on down past it
        } else if (nFrom >= 0 && nFrom < nSeparator) {
            Dialog.Set_Selected(IDC_SS_GROUP, nFrom);   // back, nothing changes
            return;
        } else {
            nIndex = nSeparator > 0 ? nSeparator - 1 : 0;
        }
        if (nIndex >= Dialog.Item_Count(IDC_SS_GROUP))
            nIndex = nSeparator > 0 ? nSeparator - 1 : 0;
        Dialog.Set_Selected(IDC_SS_GROUP, nIndex);
    }
    Take_Group_Entry(Dialog, nIndex);
}

void On_View_My_Team(DIALOG& Dialog)
{
    const int nEntry = Find_Group_Entry(Dialog, GROUP_TEAM_BASE + Get_Selected_Team());
    if (nEntry >= 0 && nEntry != Dialog.Get_Selected(IDC_SS_GROUP)) {
        Dialog.Set_Selected(IDC_SS_GROUP, nEntry);
        Take_Group_Entry(Dialog, nEntry);
        return;
    }
    Show_Message_Box("The team you control is already being displayed.", "View My Team", BOX_OK);
}

void On_Init(DIALOG& Dialog)
{
    Dialog.Build_Registered();
    g_nKind = Kind_Of(Dialog.Id());
    g_pDialog = &Dialog;
    if (g_nKind == 1 && User_Team() < 0) {
        Show_Message_Box("You can't sign free agents if you don't have a team.", "Can't sign", BOX_OK);
        g_pDialog = nullptr;
        Dialog.End(0);
        return;
    }
    Fill_Stat_Period_Combo(Dialog);
    Fill_Group_Combo(Dialog);
    Fill_Position_Combo(Dialog);
    g_pView = std::make_unique<PLAYER_LIST_VIEW>();
    const char* szName = "LVD_Roster";
    int nGroup = g_nGroup;
    if (g_nKind == 1) {
        Dialog.Remove(IDC_SS_GROUP);
        Dialog.Remove(IDC_SS_MY_TEAM);
        Label_Pick_Button(Dialog, SIGN_CAPTION);
        Prepare_Free_Agents();
        szName = "LVD_Free_Agents";
        nGroup = GROUP_FREE_AGENTS;
    } else if (g_nKind == 2) {
        Dialog.Remove(IDC_SS_GROUP);
        Dialog.Remove(IDC_SS_MY_TEAM);
        Dialog.Remove(IDC_SS_PERIOD);
        Label_Pick_Button(Dialog, DRAFT_CAPTION);
        szName = "LVD_College_Draft";
        nGroup = GROUP_DRAFT_POOLS;
    } else {
        // A group the list no longer offers (none yet, the free agents) shows
        // the viewed club.
        if (nGroup == GROUP_FREE_AGENTS || nGroup == GROUP_DRAFT_POOLS || Find_Group_Entry(Dialog, nGroup) < 0 ||
            nGroup == GROUP_SEPARATOR)
            nGroup = GROUP_TEAM_BASE + Viewed_Team();
        if (Is_Team_Group(nGroup) && nGroup - GROUP_TEAM_BASE != Get_User_Preference(PREF_CURRENT_TEAM) &&
            Is_Franchise_In_Use(Get_User_Preference(PREF_CURRENT_TEAM)))
            nGroup = GROUP_TEAM_BASE + Get_User_Preference(PREF_CURRENT_TEAM);
        g_nGroup = nGroup;
        int nEntry = Find_Group_Entry(Dialog, nGroup);
        if (nEntry < 0)
            nEntry = 0;
        Dialog.Set_Selected(IDC_SS_GROUP, nEntry);
        g_nGroupIndex = nEntry;
        if (In_Fantasy_Draft())
            Label_Pick_Button(Dialog, DRAFT_CAPTION);
    }
    Attach_Player_List_View(*g_pView, Dialog, IDC_SS_LIST, szName);
    g_pView->nProgress = IDC_SS_PROGRESS;
    g_pView->nGroupFilter = nGroup;
    int nPosition = Get_User_Preference(PREF_FANTASY_LIST_POSITION);
    g_pView->nPositionFilter = nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS ? nPosition : -1;
    Show_Budget_Line(Dialog);
    Set_List_Kind(g_nKind);
    Load_List_Column_Layout(*g_pView);
    Rebuild_Listview_Columns(*g_pView);
    Fill_Rows(Dialog);
    Clear_List_Selection(*g_pView);
    Size_List_Columns(*g_pView);
    Set_Sortable_Stats_Title(Dialog, nGroup);
    Update_Sortable_Stats_Status(Dialog);
    // The keys start in the list, on its first row.
    Dialog.Set_Focus(IDC_SS_LIST);
    Keep_Keyboard_Row(Dialog);
    Set_Fantasy_Draft_List_Refresher(Fantasy_Refresh);
    if (g_nKind == 2)
        Set_College_Draft_List_Refresher(College_Draft_Refresh);
}

void On_Command(DIALOG& Dialog, int nControl)
{
    const int nNotification = Dialog.Event().nNotification;
    switch (nControl) {
    case IDC_SS_RELEASE:
        if (nNotification == NOTIFY_CLICKED)
            On_Release_Button(Dialog);
        break;
    case IDC_SS_SCOUTING:
        if (nNotification == NOTIFY_CLICKED) {
            int nTeam = 0;
            int nSlot = 0;
            if (Get_List_Selected_Player(*g_pView, nTeam, nSlot) >= 0)
                Open_Card(Dialog, nTeam, nSlot);
        }
        break;
    case IDC_SS_MY_TEAM:
        if (nNotification == NOTIFY_CLICKED)
            On_View_My_Team(Dialog);
        break;
    case IDC_SS_GROUP:
        if (nNotification == NOTIFY_SELECTION_CHANGED)
            On_Group_Change(Dialog);
        break;
    case IDC_SS_POSITION:
        if (nNotification == NOTIFY_SELECTION_CHANGED) {
            const int nPosition = Dialog.Get_Selected(IDC_SS_POSITION);
            Set_User_Preference(PREF_FANTASY_LIST_POSITION, nPosition);
            g_pView->nPositionFilter = nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS ? nPosition : -1;
            Refresh_Sortable_Stats_List();
        }
        break;
    case IDC_SS_PERIOD:
        if (nNotification == NOTIFY_SELECTION_CHANGED) {
            Set_User_Preference(PREF_STAT_PERIOD, Dialog.Get_Selected(IDC_SS_PERIOD));
            Refresh_Numeric_Cells(*g_pView);
        }
        break;
    case IDC_SS_AUTO_SIZE:
        if (nNotification == NOTIFY_CLICKED)
            Size_List_Columns(*g_pView);
        break;
    case IDC_SS_EDIT_COLUMNS:
        if (nNotification == NOTIFY_CLICKED)
            Run_Stat_Column_Chooser(*g_pView);
        break;
    case IDC_SS_HELP:
        if (nNotification == NOTIFY_CLICKED)
            Open_Help_Page(SORTABLE_STATS_DIALOG);
        break;
    case IDC_SS_DONE:
    case DIALOG_CANCEL:
        if (nNotification == NOTIFY_CLICKED) {
            Dialog.End(1);
            return;
        }
        break;
    default:
        break;
    }
    if (!Dialog.Ended())
        Update_Sortable_Stats_Status(Dialog);
}

void On_Notify(DIALOG& Dialog, int nControl)
{
    if (nControl != IDC_SS_LIST || g_pView == nullptr)
        return;
    const int nNotification = Dialog.Event().nNotification;
    if (nNotification == LIST_DOUBLE_CLICK) {
        int nTeam = 0;
        int nSlot = 0;
        const int nRow = Dialog.Event().nRow;
        if (nRow >= 0) {
            const int nKey = static_cast<int>(Dialog.Row_Data(IDC_SS_LIST, nRow));
            nTeam = nKey / 100;
            nSlot = nKey % 100;
            Open_Card(Dialog, nTeam, nSlot);
        }
        Update_Sortable_Stats_Status(Dialog);
        return;
    }
    int nClicked = -1;
    Handle_Player_List_Notify(*g_pView, &nClicked);
    if (nNotification == LIST_COLUMN_CLICK && nClicked >= 0) {
        if (Is_Summable_List_Column(nClicked))
            Dialog.Set_Text(IDC_SS_COUNT, Format_Column_Total(Get_List_Column(nClicked).szDescription,
                                                              g_pView->nRunningTotal, nClicked == LIST_CODE_SACKS));
        else
            Show_Player_Count(Dialog);
        return;
    }
    if (nNotification == LIST_ITEM_CHANGED && g_pView->nFilling == 0)
        Update_Sortable_Stats_Status(Dialog);
}

}  // namespace

void Sortable_Stats_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    switch (nEvent) {
    case DIALOG_INIT:
        On_Init(Dialog);
        break;
    case DIALOG_COMMAND:
        if (g_pView != nullptr)
            On_Command(Dialog, nControl);
        else if (nControl == IDC_SS_DONE || nControl == DIALOG_CANCEL)
            Dialog.End(1);
        break;
    case DIALOG_NOTIFY:
        On_Notify(Dialog, nControl);
        break;
    case DIALOG_DESTROY:
        Set_Fantasy_Draft_List_Refresher(nullptr);
        Set_College_Draft_List_Refresher(nullptr);
        if (g_pView != nullptr) {
            Set_List_Kind(g_nKind);
            Save_List_Column_Layout(*g_pView);
            Detach_Player_List_View(*g_pView);
            g_pView.reset();
        }
        g_pDialog = nullptr;
        break;
    default:
        break;
    }
}

int Run_Sortable_Stats(int nDialogId)
{
    return Do_Dialog(nDialogId, reinterpret_cast<void*>(static_cast<intptr_t>(Kind_Of(nDialogId))));
}

void Refresh_Sortable_Stats_List()
{
    if (g_pDialog == nullptr || g_pView == nullptr)
        return;
    Show_Budget_Line(*g_pDialog);
    Fill_Rows(*g_pDialog);
    Clear_List_Selection(*g_pView);
    Keep_Keyboard_Row(*g_pDialog);
    Update_Sortable_Stats_Status(*g_pDialog);
}

bool Build_Sortable_Stats_Rows(PLAYER_LIST_VIEW& View)
{
    Set_App_Cursor(UI_CURSOR_WAIT);
    Init_Player_List_View(View);
    const int nGroup = View.nGroupFilter;
    const int nPosition = View.nPositionFilter;
    auto Keep_Position = [&](int t, int s) {
        return nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS ||
               Get_Player_Vital_Stat(t, s, VITAL_POSITION) == nPosition;
    };
    const bool bFantasy = In_Fantasy_Draft() && nGroup != GROUP_FREE_AGENTS;
    if (bFantasy) {
        const bool bKnown = Is_Team_Group(nGroup) || nGroup == GROUP_ALL_ACTIVE || nGroup == GROUP_DRAFTED ||
                            nGroup == GROUP_UNDRAFTED || nGroup == GROUP_LEAGUE_BASE || nGroup == GROUP_LEAGUE_BASE + 1;
        if (!bKnown) {
            Report_Error("Unknown team identifier %d", nGroup);
            return false;
        }
        for (int t = 0; t <= FREE_AGENT_TEAM; ++t) {
            if (t != FREE_AGENT_TEAM && !Is_Franchise_In_Use(t))
                continue;
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
                if (!Is_Player_Slot_Used(t, s) || !Keep_Position(t, s))
                    continue;
                const int nBy = Get_Player_Drafted_By(t, s);
                bool bKeep = false;
                if (Is_Team_Group(nGroup))
                    bKeep = nBy == nGroup - GROUP_TEAM_BASE;
                else if (nGroup == GROUP_DRAFTED)
                    bKeep = nBy != NO_TEAM;
                else if (nGroup == GROUP_UNDRAFTED)
                    bKeep = nBy == NO_TEAM;
                else if (nGroup == GROUP_ALL_ACTIVE)
                    bKeep = true;
                else
                    bKeep = Is_Franchise_In_Use(nBy) &&
                            Get_Team_Stat(nBy, TEAM_STAT_DIVISION) / 4 == nGroup - GROUP_LEAGUE_BASE;
                if (bKeep)
                    Add_Player_List_Row(View, t, s);
            }
        }
        return true;
    }
    auto Team_Selected = [&](int t) {
        if (Is_Team_Group(nGroup))
            return t == nGroup - GROUP_TEAM_BASE;
        if (nGroup >= GROUP_LEAGUE_BASE && nGroup < GROUP_LEAGUE_BASE + 1000)
            return Is_Franchise_In_Use(t) && Get_Team_Stat(t, TEAM_STAT_DIVISION) / 4 == nGroup - GROUP_LEAGUE_BASE;
        if (nGroup == GROUP_ALL_ACTIVE)
            return t < HALL_OF_FAME_TEAM;
        if (nGroup == GROUP_FREE_AGENTS)
            return t == FREE_AGENT_TEAM;
        if (nGroup == GROUP_DRAFT_POOLS)
            return t >= FIRST_DRAFT_POOL_TEAM;
        return false;
    };
    const bool bKnown = Is_Team_Group(nGroup) || (nGroup >= GROUP_LEAGUE_BASE && nGroup < GROUP_LEAGUE_BASE + 1000) ||
                        nGroup == GROUP_ALL_ACTIVE || nGroup == GROUP_FREE_AGENTS || nGroup == GROUP_DRAFT_POOLS;
    if (!bKnown) {
        Report_Error("Unknown team identifier %d", nGroup);
        return false;
    }
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Team_Selected(t) || (t < MAX_FRANCHISES && !Is_Franchise_In_Use(t)))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Is_Player_Slot_Used(t, s) && Keep_Position(t, s))
                Add_Player_List_Row(View, t, s);
    }
    return true;
}

std::string Format_Team_Picks(int nTeam)
{
    char szName[TEXT_BUFFER_SIZE] = "";
    Get_Team_Full_Name(nTeam, szName);
    std::string Text = std::string(szName) + " Picks:\n";
    bool bAny = false;
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        const int nCount = Count_Team_Picks_At_Position(nTeam, p);
        if (nCount <= 0)
            continue;
        char szLine[64];
        std::snprintf(szLine, sizeof(szLine), "%d %s\n", nCount, Get_Resource_String(59 + p));
        Text += szLine;
        bAny = true;
    }
    if (!bAny)
        Text += "None";
    return Text;
}

int Get_Sortable_Stats_Group()
{
    return g_nGroup;
}

void Set_Sortable_Stats_Group(int nGroup)
{
    g_nGroup = nGroup;
}
