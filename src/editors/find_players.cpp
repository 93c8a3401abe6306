#include "editors/find_players.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "base/text_utils.h"
#include "editors/player_list_view.h"
#include "editors/stat_pickers.h"
#include "engine/game_driver.h"
#include "engine/game_state.h"
#include "frontoffice/college_count.h"
#include "frontoffice/computer_manager.h"
#include "frontoffice/list_services.h"
#include "frontoffice/player_moves.h"
#include "frontoffice/trade_offer.h"
#include "league/calendar.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_finance_stats.h"
#include "pages/player_card.h"
#include "pages/player_text.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "season/college_draft.h"
#include "season/draft_state.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"

namespace {

constexpr int STAT_OVERALL = 225;
constexpr int STAT_PEAK = 226;
constexpr int RATINGS_PERIOD = 3;
constexpr int FREE_AGENTS_DIALOG = 130;
constexpr int COLLEGE_DRAFT_DIALOG = 170;
constexpr int COLUMN_CHOOSER_DIALOG = 172;

PLAYER_LIST_VIEW g_View;
// The last player the info lines were drawn for (nothing redrawn for the same).
const DIALOG* g_pInfoDialog = nullptr;
int g_nInfoTeam = -1;
int g_nInfoSlot = -1;

bool Is_Fantasy_Draft_On()
{
    return Get_Universe_Stat(FANTASY_DRAFT_RUNNING) != FANTASY_DRAFT_NONE;
}

std::string Upper(const std::string& Text)
{
    std::string Out = Text;
    for (char& c : Out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return Out;
}

std::string Commas(int n)
{
    char szText[32];
    Format_Number_With_Commas(n, szText);
    return szText;
}

std::string Format(const char* szFormat, const std::string& a, const std::string& b = std::string())
{
    char szText[512];
    std::snprintf(szText, sizeof(szText), szFormat, a.c_str(), b.c_str());
    return szText;
}

// The user's club for the info lines and a trade: preference 32 when it
// names a franchise in use or a special slot, else 0.
int User_Team()
{
    const int nTeam = Get_User_Preference(PREF_SELECTED_TEAM);
    if (Is_Team_Slot_Used(nTeam) || (nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM))
        return nTeam;
    return 0;
}

int Club_On_The_Clock()
{
    FANTASY_DRAFT_STATE State{};
    Get_Fantasy_Draft_State(&State);
    if (State.nRound < 0 || State.nRound >= FANTASY_DRAFT_ROUNDS || State.nPick < 0 ||
        State.nPick >= FANTASY_DRAFT_TEAMS)
        return NO_TEAM;
    return State.nOrder[State.nRound][State.nPick];
}

FIND_PLAYERS_FIELDS Read_Fields(const DIALOG& Dialog)
{
    FIND_PLAYERS_FIELDS Fields;
    Fields.nPosition = Dialog.Get_Selected(FIND_POSITION_COMBO);
    if (Fields.nPosition < 0)
        Fields.nPosition = 0;
    Fields.Age = Dialog.Get_Text(FIND_AGE_EDIT);
    Fields.Name = Dialog.Get_Text(FIND_NAME_EDIT);
    Fields.Salary = Dialog.Get_Text(FIND_SALARY_EDIT);
    Fields.Overall = Dialog.Get_Text(FIND_OVERALL_EDIT);
    Fields.Peak = Dialog.Get_Text(FIND_PEAK_EDIT);
    for (int i = 0; i < 5; ++i)
        Fields.Ratings[i] = Dialog.Get_Text(FIND_RATING_EDITS[i]);
    return Fields;
}

void Show_Fields(DIALOG& Dialog, const FIND_PLAYERS_FIELDS& Fields)
{
    Dialog.Set_Selected(FIND_POSITION_COMBO, Fields.nPosition);
    Dialog.Set_Text(FIND_AGE_EDIT, Fields.Age);
    Dialog.Set_Position(FIND_AGE_SPIN, static_cast<int>(Read_Bounded_Number(Fields.Age, 0, 100)));
    Dialog.Set_Text(FIND_NAME_EDIT, Fields.Name);
    Dialog.Set_Text(FIND_SALARY_EDIT, Fields.Salary);
    Dialog.Set_Text(FIND_OVERALL_EDIT, Fields.Overall);
    Dialog.Set_Text(FIND_PEAK_EDIT, Fields.Peak);
    for (int i = 0; i < 5; ++i)
        Dialog.Set_Text(FIND_RATING_EDITS[i], Fields.Ratings[i]);
}

void Show_Rating_Labels(DIALOG& Dialog)
{
    const int nPosition = Dialog.Get_Selected(FIND_POSITION_COMBO);
    const bool bOne = nPosition >= 0 && nPosition < FIND_ANY_POSITION;
    for (int i = 0; i < 5; ++i) {
        char szName[48] = "";
        const int nRating = bOne ? Get_Position_Key_Rating(nPosition, i) : -1;
        if (nRating >= 0)
            Get_Rating_Name(nRating, szName);
        Dialog.Set_Text(FIND_RATING_LABELS[i], szName);
        Dialog.Show(FIND_RATING_EDITS[i], szName[0] != '\0');
    }
    Dialog.Show(FIND_RATING_CAPTION, bOne);
}

void Enable_Find_Players_Buttons(DIALOG& Dialog)
{
    Dialog.Enable(FIND_SCOUTING_BUTTON, true);
    // While it drafts, Alt+D drafts and Done goes by Alt+O.
    if (Is_Fantasy_Draft_On()) {
        Dialog.Set_Text(FIND_GO_GET_BUTTON, "&Draft");
        Dialog.Set_Text(DIALOG_OK, "D&one");
    }
}

void Show_Info(DIALOG& Dialog, int nTeam, int nSlot)
{
    if (g_pInfoDialog == &Dialog && g_nInfoTeam == nTeam && g_nInfoSlot == nSlot)
        return;
    g_pInfoDialog = &Dialog;
    g_nInfoTeam = nTeam;
    g_nInfoSlot = nSlot;
    std::string Line1;
    std::string Line2;
    Format_Find_Players_Info(nTeam, nSlot, Line1, Line2);
    Dialog.Set_Text(FIND_INFO_LINE_1, Line1);
    Dialog.Set_Text(FIND_INFO_LINE_2, Line2);
}

void Show_Selected_Info(DIALOG& Dialog)
{
    int nTeam = NO_TEAM;
    int nSlot = NO_PLAYER;
    if (Get_List_Selected_Player(g_View, nTeam, nSlot) < 0)
        nTeam = NO_TEAM;
    Show_Info(Dialog, nTeam, nSlot);
}

void Run_Search(DIALOG& Dialog)
{
    Set_App_Cursor(UI_CURSOR_WAIT);
    if (Get_User_Preference(PREF_PLAYER_FINDER_CHOICE) == 0 && !Is_User_Game(Get_Current_Game())) {
        Auto_Set_Computer_Depth_Charts(0);
        Set_User_Preference(PREF_PLAYER_FINDER_CHOICE, 1);
    }
    const std::vector<int> Keys = Search_Players(Read_Find_Players_Query(Read_Fields(Dialog)));
    Init_Player_List_View(g_View);
    for (int nKey : Keys)
        Add_Player_List_Key(g_View, nKey);
    if (Keys.empty())
        Show_Message_Box("Couldn't find any players with those parameters. Try broadening your search.",
                         "Search Failed", BOX_OK | BOX_ICON_INFORMATION);
    Fill_Player_List(g_View);
    Sort_Player_List(g_View);
    Clear_List_Selection(g_View);
    Size_List_Columns(g_View);
    Dialog.Show(FIND_PROGRESS, false);
    Set_App_Cursor(UI_CURSOR_ARROW);
    Show_Selected_Info(Dialog);
}

void Open_Card(DIALOG& Dialog)
{
    int nTeam = NO_TEAM;
    int nSlot = NO_PLAYER;
    if (Get_List_Selected_Player(g_View, nTeam, nSlot) < 0)
        return;
    const int nID = Get_Player_ID(nTeam, nSlot);
    const uint32_t nBefore = Get_Player_Checksum(nID);
    Show_Scouting_Report(nTeam, nSlot);
    if (Get_Player_Checksum(nID) != nBefore) {
        Run_Search(Dialog);
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Is_Player_Slot_Used(t, s) && Get_Player_ID(t, s) == nID && Is_Player_In_List(t, s, g_View))
                    Select_List_Player(g_View, t, s);
    }
    Enable_Find_Players_Buttons(Dialog);
}

void Go_Get(DIALOG& Dialog)
{
    int nTeam = NO_TEAM;
    int nSlot = NO_PLAYER;
    if (Get_List_Selected_Player(g_View, nTeam, nSlot) < 0)
        return;
    if (Is_Fantasy_Draft_On()) {
        Record_Fantasy_Draft_Pick(nTeam, nSlot, Club_On_The_Clock());
        Dialog.End(1);
        return;
    }
    if (!Are_Trades_Allowed()) {
        Show_Formatted_Message("Trading Deadline",
                               nTeam >= FREE_AGENT_TEAM ? "Free agent signings are not allowed after week %d of the season."
                                                        : "No trades are allowed after week %d of the season.",
                               TRADE_DEADLINE_WEEK_SHOWN);
        return;
    }
    if (nTeam >= FREE_AGENT_TEAM) {
        Set_User_Preference(PREF_CARD_TEAM, nTeam);
        Set_User_Preference(PREF_CARD_SLOT, nSlot);
        // The Free Agents list does not hold a college prospect: while the
        // draft runs he is picked from the College Draft list.
        const bool bProspect = nTeam >= FIRST_DRAFT_POOL_TEAM && Is_College_Draft_Running();
        Do_Dialog(bProspect ? COLLEGE_DRAFT_DIALOG : FREE_AGENTS_DIALOG);
    } else {
        Start_Trade_For_Player(nTeam, nSlot);
        Do_Dialog(TRADE_DIALOG);
    }
}

void Init_Dialog(DIALOG& Dialog)
{
    Dialog.Build_Registered();
    Set_List_Kind(FIND_PLAYERS_LIST_KIND);
    Set_User_Preference(PREF_PLAYER_FINDER_CHOICE, 0);
    g_pInfoDialog = nullptr;
    Dialog.Clear_Items(FIND_POSITION_COMBO);
    for (const std::string& Entry : Get_Find_Position_Entries())
        Dialog.Add_Item(FIND_POSITION_COMBO, Entry);
    Dialog.Set_Range(FIND_AGE_SPIN, 0, 100);
    Show_Fields(Dialog, Load_Find_Players_Fields());
    Enable_Find_Players_Buttons(Dialog);
    Show_Rating_Labels(Dialog);
    Show_Info(Dialog, NO_TEAM, NO_PLAYER);
    Attach_Player_List_View(g_View, Dialog, FIND_LIST, "LV_Listview-FindPlayers");
    g_View.nProgress = FIND_PROGRESS;
    Load_List_Column_Layout(g_View);
    Rebuild_Listview_Columns(g_View);
    Init_Player_List_View(g_View);
}

// --- Template -----------------------------------------------------------------

constexpr unsigned STRETCH = CS_ANCHOR_LEFT | CS_ANCHOR_TOP | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM;
constexpr unsigned RIGHT = CS_ANCHOR_RIGHT | CS_ANCHOR_TOP;
constexpr unsigned BOTTOM = CS_ANCHOR_LEFT | CS_ANCHOR_BOTTOM;
constexpr unsigned BOTTOM_WIDE = CS_ANCHOR_LEFT | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM;

constexpr CONTROL_TEMPLATE FIND_CONTROLS[] = {
    {-1, CONTROL_LABEL, "Scout the league for...", {8, 6, 90, 10}},
    {FIND_POSITION_COMBO, CONTROL_COMBO, "", {8, 18, 90, 14}},
    {-1, CONTROL_LABEL, "under age", {104, 20, 34, 10}},
    {FIND_AGE_EDIT, CONTROL_EDIT, "", {140, 18, 24, 13}, 0, 11},
    {FIND_AGE_SPIN, CONTROL_UPDOWN, "", {164, 18, 10, 13}, 0, 0, 0, 100, FIND_AGE_EDIT},
    {-1, CONTROL_LABEL, "and a name containing", {180, 20, 76, 10}},
    {FIND_NAME_EDIT, CONTROL_EDIT, "", {258, 18, 80, 13}, 0, 64},
    {-1, CONTROL_LABEL, "and a current salary below", {8, 38, 92, 10}},
    {FIND_SALARY_EDIT, CONTROL_EDIT, "", {102, 36, 24, 13}, 0, 11},
    {-1, CONTROL_LABEL, "million per year.", {130, 38, 60, 10}},
    {-1, CONTROL_LABEL, "with an Overall Rating of at least", {8, 56, 116, 10}},
    {FIND_OVERALL_EDIT, CONTROL_EDIT, "", {126, 54, 24, 13}, 0, 11},
    {-1, CONTROL_LABEL, "and a Peak Rating of at least", {160, 56, 100, 10}},
    {FIND_PEAK_EDIT, CONTROL_EDIT, "", {262, 54, 24, 13}, 0, 11},
    {FIND_RATING_CAPTION, CONTROL_LABEL, "... and at least:", {8, 74, 60, 10}},
    {FIND_RATING_LABELS[0], CONTROL_LABEL, "", {70, 74, 50, 10}},
    {FIND_RATING_EDITS[0], CONTROL_EDIT, "", {120, 72, 20, 13}, 0, 11},
    {FIND_RATING_LABELS[1], CONTROL_LABEL, "", {144, 74, 50, 10}},
    {FIND_RATING_EDITS[1], CONTROL_EDIT, "", {194, 72, 20, 13}, 0, 11},
    {FIND_RATING_LABELS[2], CONTROL_LABEL, "", {218, 74, 50, 10}},
    {FIND_RATING_EDITS[2], CONTROL_EDIT, "", {268, 72, 20, 13}, 0, 11},
    {FIND_RATING_LABELS[3], CONTROL_LABEL, "", {292, 74, 50, 10}},
    {FIND_RATING_EDITS[3], CONTROL_EDIT, "", {342, 72, 20, 13}, 0, 11},
    {FIND_RATING_LABELS[4], CONTROL_LABEL, "", {366, 74, 50, 10}},
    {FIND_RATING_EDITS[4], CONTROL_EDIT, "", {416, 72, 20, 13}, 0, 11},
    {FIND_BUTTON, CONTROL_BUTTON, "&FIND", {420, 6, 52, 16}, RIGHT},
    {FIND_SCOUTING_BUTTON, CONTROL_BUTTON, "&Scouting", {420, 26, 52, 14}, RIGHT},
    {FIND_GO_GET_BUTTON, CONTROL_BUTTON, "&Go Get", {420, 44, 52, 14}, RIGHT},
    {FIND_LIST, CONTROL_REPORT, "", {8, 90, 464, 110}, STRETCH},
    {FIND_PROGRESS, CONTROL_PROGRESS, "", {8, 202, 464, 6}, BOTTOM_WIDE | CS_HIDDEN, 0, 0, 100},
    {FIND_INFO_LINE_1, CONTROL_LABEL, "", {8, 210, 230, 20}, BOTTOM | CS_MULTILINE},
    {FIND_INFO_LINE_2, CONTROL_LABEL, "", {242, 210, 150, 20}, BOTTOM | CS_MULTILINE},
    {FIND_EDIT_COLUMNS_BUTTON, CONTROL_BUTTON, "&Edit Columns", {8, 231, 60, 12}, BOTTOM},
    {FIND_AUTO_SIZE_BUTTON, CONTROL_BUTTON, "&Auto-Size", {72, 231, 50, 12}, BOTTOM},
    {FIND_HELP_BUTTON, CONTROL_BUTTON, "&Help", {364, 229, 50, 14}, CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
    {DIALOG_OK, CONTROL_BUTTON, "&Done", {420, 229, 52, 14}, CS_DEFAULT | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
};
constexpr DIALOG_TEMPLATE FIND_TEMPLATE{
    FIND_PLAYERS_DIALOG, "Find Players", 480, 245, DS_RESIZABLE, 480, 245, FIND_CONTROLS, "findplayers"};
constexpr int FIND_USED_IDS[] = {FIND_POSITION_COMBO,
                                 FIND_AGE_EDIT,
                                 FIND_AGE_SPIN,
                                 FIND_NAME_EDIT,
                                 FIND_SALARY_EDIT,
                                 FIND_OVERALL_EDIT,
                                 FIND_PEAK_EDIT,
                                 1218,
                                 1219,
                                 1220,
                                 1222,
                                 1380,
                                 1214,
                                 1226,
                                 1227,
                                 1228,
                                 1231,
                                 FIND_RATING_CAPTION,
                                 FIND_BUTTON,
                                 FIND_SCOUTING_BUTTON,
                                 FIND_GO_GET_BUTTON,
                                 FIND_LIST,
                                 FIND_PROGRESS,
                                 FIND_INFO_LINE_1,
                                 FIND_INFO_LINE_2,
                                 FIND_EDIT_COLUMNS_BUTTON,
                                 FIND_AUTO_SIZE_BUTTON,
                                 FIND_HELP_BUTTON,
                                 DIALOG_OK};
const DIALOG_REGISTRAR FIND_REGISTRAR(FIND_PLAYERS_DIALOG, FIND_TEMPLATE, Find_Players_Dialog, FIND_USED_IDS);

}  // namespace

FIND_PLAYERS_QUERY Read_Find_Players_Query(const FIND_PLAYERS_FIELDS& Fields)
{
    FIND_PLAYERS_QUERY Query;
    Query.nPosition = Fields.nPosition >= 0 && Fields.nPosition < FIND_ANY_POSITION ? Fields.nPosition
                                                                                      : FIND_ANY_POSITION;
    Query.nAge = static_cast<int32_t>(Read_Bounded_Number(Fields.Age, INT32_MIN, INT32_MAX));
    Query.nSalary = Read_Bounded_Number(Fields.Salary, INT32_MIN, INT32_MAX) * 1000;
    Query.nOverall = static_cast<int32_t>(Read_Bounded_Number(Fields.Overall, INT32_MIN, INT32_MAX));
    Query.nPeak = static_cast<int32_t>(Read_Bounded_Number(Fields.Peak, INT32_MIN, INT32_MAX));
    // Compared whole, never copied into a name-sized buffer: a part longer
    // than any full name simply matches nobody.
    Query.bNameTooLong = Fields.Name.size() > static_cast<size_t>(FIND_NAME_PART_MAX);
    if (!Query.bNameTooLong)
        Query.NamePart = Upper(Fields.Name);
    for (int i = 0; i < 5; ++i)
        Query.nRatings[i] = static_cast<int32_t>(Read_Bounded_Number(Fields.Ratings[i], INT32_MIN, INT32_MAX));
    return Query;
}

bool Player_Meets_Query(int nTeam, int nSlot, const FIND_PLAYERS_QUERY& Query)
{
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return false;
    if (Query.nPosition != FIND_ANY_POSITION && Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION) != Query.nPosition)
        return false;
    if (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY) > Query.nSalary)
        return false;
    if (Get_Player_Exact_Age(nTeam, nSlot) >= Query.nAge)
        return false;
    if (Get_Player_Stat(nTeam, nSlot, RATINGS_PERIOD, STAT_PEAK) < Query.nPeak ||
        Get_Player_Stat(nTeam, nSlot, RATINGS_PERIOD, STAT_OVERALL) < Query.nOverall)
        return false;
    if (Query.bNameTooLong)
        return false;
    if (!Query.NamePart.empty()) {
        char szName[64] = "";
        Get_Player_Full_Name(nTeam, nSlot, szName);
        if (Upper(szName).find(Query.NamePart) == std::string::npos)
            return false;
    }
    if (Is_Fantasy_Draft_On() && Get_Player_Drafted_By(nTeam, nSlot) != NO_TEAM)
        return false;
    if (Query.nPosition != FIND_ANY_POSITION) {
        for (int i = 0; i < 5; ++i) {
            const int nRating = Get_Position_Key_Rating(Query.nPosition, i);
            if (nRating >= 0 && static_cast<int>(Get_Player_Rating(nTeam, nSlot, nRating)) < Query.nRatings[i])
                return false;
        }
    }
    return true;
}

std::vector<int> Search_Players(const FIND_PLAYERS_QUERY& Query)
{
    std::vector<int> Keys;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (t == HALL_OF_FAME_TEAM)
            continue;   // retired players are never scouted
        if (t < MAX_FRANCHISES && !Is_Team_Slot_Used(t))
            continue;
        const bool bPool = t >= FIRST_DRAFT_POOL_TEAM;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (!Is_Player_Slot_Used(t, s))
                continue;
            if (bPool) {
                if (Get_User_Preference(PREF_DRAFT_ROUND) >= DRAFT_OVER_ROUND)
                    break;
                if (Count_College_Players() == 0) {
                    End_Draft_Pool_Empty();
                    break;
                }
            }
            if (Player_Meets_Query(t, s, Query))
                Keys.push_back(t * PLAYERS_PER_TEAM + s);
        }
    }
    return Keys;
}

std::vector<std::string> Get_Find_Position_Entries()
{
    std::vector<std::string> Entries;
    for (int p = 0; p < 15; ++p)
        Entries.push_back(Get_Position_Plural_Name(p));
    Entries.push_back("Any Player");
    return Entries;
}

FIND_PLAYERS_FIELDS Load_Find_Players_Fields()
{
    FIND_PLAYERS_FIELDS Fields;
    const int nPosition = Get_User_Preference(PREF_FIND_POSITION);
    Fields.nPosition = nPosition >= 0 && nPosition <= FIND_ANY_POSITION ? nPosition : 0;
    // A slot never stored (0) keeps the default: an age limit of 0 or a
    // salary of nothing would find nobody.
    if (Get_User_Preference(PREF_FIND_AGE) != 0)
        Fields.Age = std::to_string(Get_User_Preference(PREF_FIND_AGE));
    if (Get_User_Preference(PREF_FIND_SALARY) != 0) {
        const int nSalary = Get_User_Preference(PREF_FIND_SALARY);
        Fields.Salary = std::to_string(nSalary > 50 ? 50 : nSalary);
    }
    Fields.Overall = std::to_string(Get_User_Preference(PREF_FIND_OVERALL));
    Fields.Peak = std::to_string(Get_User_Preference(PREF_FIND_PEAK));
    for (int i = 0; i < 5; ++i)
        Fields.Ratings[i] = std::to_string(Get_User_Preference(PREF_FIND_RATING_FIRST + i));
    return Fields;
}

void Save_Find_Players_Fields(const FIND_PLAYERS_FIELDS& Fields)
{
    auto Number = [](const std::string& Text) {
        return static_cast<int>(Read_Bounded_Number(Text, INT32_MIN, INT32_MAX));
    };
    Set_User_Preference(PREF_FIND_POSITION, Fields.nPosition);
    Set_User_Preference(PREF_FIND_AGE, Number(Fields.Age));
    Set_User_Preference(PREF_FIND_SALARY, Number(Fields.Salary));
    Set_User_Preference(PREF_FIND_OVERALL, Number(Fields.Overall));
    Set_User_Preference(PREF_FIND_PEAK, Number(Fields.Peak));
    for (int i = 0; i < 5; ++i)
        Set_User_Preference(PREF_FIND_RATING_FIRST + i, Number(Fields.Ratings[i]));
}

void Start_Trade_For_Player(int nTeam, int nSlot)
{
    const int nUser = Get_User_Preference(PREF_SELECTED_TEAM);
    const bool bKept = Is_Team_Slot_Used(nUser) || (nUser >= FREE_AGENT_TEAM && nUser <= LAST_DRAFT_POOL_TEAM);
    Clear_Trade_Offer();
    TRADE_OFFER& Offer = Get_Trade_Offer();
    Offer.nTeam[0] = static_cast<uint8_t>(bKept ? nUser : 0);
    Offer.nTeam[1] = static_cast<uint8_t>(nTeam);
    Offer.nItem[1][0] = static_cast<uint8_t>(nSlot);
    Offer.nCash = 0;
    Set_User_Preference(PREF_TRADE_PARTNER, -128);
}

void Format_Find_Players_Info(int nTeam, int nSlot, std::string& Line1, std::string& Line2)
{
    const int nUser = User_Team();
    char szNickname[40] = "";
    if (nUser < FIRST_DRAFT_POOL_TEAM)
        Get_Team_String(szNickname, nUser, TEAM_STRING_NICKNAME);
    const std::string Nickname = szNickname;
    const int nRoom = Get_Universe_Stat(SALARY_CAP) / 1000 - Get_Team_Financial_Stat(nUser, FINANCE_PAYROLL);
    const int nPayroll = Get_Team_Financial_Stat(nUser, FINANCE_PAYROLL);
    const bool bPlayer = nTeam != NO_TEAM && Is_Player_Slot_Used(nTeam, nSlot);
    Line1.clear();
    Line2.clear();
    if (Is_Fantasy_Draft_On()) {
        Line1 = "Note: During a Fantasy Draft,\nthis screen only displays UNDRAFTED players.";
        if (bPlayer) {
            char szLast[40] = "";
            Get_Player_Last_Name(nTeam, nSlot, szLast);
            char szText[256];
            std::snprintf(szText, sizeof(szText), "%s is %d, earning %s thru %d.", szLast,
                          Get_Player_Exact_Age(nTeam, nSlot), Format_Salary(nTeam, nSlot).c_str(),
                          Get_Player_Vital_Stat(nTeam, nSlot, VITAL_CONTRACT_YEARS_LEFT) + Get_Current_Year() - 1);
            Line2 = szText;
        }
        return;
    }
    if (!bPlayer) {
        if (nRoom >= 0 && nRoom < 30000)
            Line1 = Format("The %s are $%s,000 under the salary cap.", Nickname, Commas(nRoom));
        else if (nRoom >= 30000)
            Line1 = Format("The %s currently have a $%s,000 total payroll.", Nickname, Commas(nPayroll));
        Line2 = "To view all players at one team or position,\nchoose 'Sortable Stats' from the Team Menu.";
        return;
    }
    if (nTeam >= FREE_AGENT_TEAM) {
        char szName[64] = "";
        Get_Player_Full_Name(nTeam, nSlot, szName);
        Line1 = Format("%s is seeking a $%s,000 salary", szName,
                       Commas(Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY)));
        if (nRoom < 0)
            Line2 = Format("The %s are exceeding the salary cap", Nickname);
        else if (nRoom >= 5000)
            Line2 = Format("The %s currently have a $%s,000 total payroll", Nickname, Commas(nPayroll));
        else
            Line2 = Format("The %s are $%s,000 under the salary cap", Nickname, Commas(nRoom));
        return;
    }
    char szCity[40] = "";
    Get_Team_City(nTeam, szCity);
    Line1 = Format("%s is seeking\n%s...", szCity, Format_Trade_Wish(nTeam));
    if (nRoom < 0)
        Line2 = Format("The %s are exceeding the salary cap.", Nickname);
    else if (nRoom >= 30000)
        Line2 = Format("The %s currently have a $%s,000 total payroll.", Nickname, Commas(nPayroll));
    else
        Line2 = Format("The %s are\n$%s,000 under the salary cap.", Nickname, Commas(nRoom));
}

void Find_Players_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    switch (nEvent) {
    case DIALOG_INIT:
        Init_Dialog(Dialog);
        return;
    case DIALOG_DESTROY:
        Set_List_Kind(FIND_PLAYERS_LIST_KIND);
        Save_List_Column_Layout(g_View);
        Detach_Player_List_View(g_View);
        g_pInfoDialog = nullptr;
        return;
    case DIALOG_NOTIFY:
        if (nControl != FIND_LIST)
            return;
        if (Dialog.Event().nNotification == LIST_ITEM_CHANGED) {
            if (g_View.nFilling == 0)
                Show_Selected_Info(Dialog);
        } else if (Dialog.Event().nNotification == LIST_DOUBLE_CLICK) {
            Open_Card(Dialog);
        } else {
            Handle_Player_List_Notify(g_View);
        }
        return;
    case DIALOG_SCROLL:
        if (nControl == FIND_AGE_SPIN)
            Dialog.Set_Text(FIND_AGE_EDIT, std::to_string(Dialog.Event().nPosition));
        return;
    case DIALOG_COMMAND:
        break;
    default:
        return;
    }
    if (nControl == FIND_POSITION_COMBO) {
        if (Dialog.Event().nNotification == NOTIFY_SELECTION_CHANGED)
            Show_Rating_Labels(Dialog);
        return;
    }
    if (!Dialog.Is_Change_Command() || Dialog.Event().nNotification != NOTIFY_CLICKED)
        return;
    switch (nControl) {
    case FIND_BUTTON:
        Run_Search(Dialog);
        break;
    case FIND_SCOUTING_BUTTON:
        Open_Card(Dialog);
        break;
    case FIND_GO_GET_BUTTON:
        Go_Get(Dialog);
        break;
    case FIND_AUTO_SIZE_BUTTON:
        Size_List_Columns(g_View);
        break;
    case FIND_EDIT_COLUMNS_BUTTON:
        Do_Dialog(COLUMN_CHOOSER_DIALOG, &g_View);
        break;
    case FIND_HELP_BUTTON:
        Open_Help_Page(FIND_PLAYERS_DIALOG);
        break;
    case DIALOG_OK:
        Save_Find_Players_Fields(Read_Fields(Dialog));
        Dialog.End(1);
        break;
    case DIALOG_CANCEL:
        Dialog.End(1);
        break;
    default:
        break;
    }
}
