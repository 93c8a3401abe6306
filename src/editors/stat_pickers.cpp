#include "editors/stat_pickers.h"

#include <cctype>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "frontoffice/list_services.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/canvas.h"
#include "platform/shell_requests.h"
#include "platform/ui_services.h"

namespace {

// A caption in a button table: it takes a row of the layout and no index.
struct STAT_ENTRY {
    int nIndex;          // button index, -1 for a caption
    const char* szText;
};

const STAT_ENTRY TEAM_STATS[] = {
    {0, "Record (Last 3 Games)"}, {1, "Record (Last 5 Games)"}, {2, "Win/Loss Streak"}, {3, "Record (Home)"},
    {4, "Record (Away)"}, {5, "Record (Division)"}, {6, "Record (Conference)"}, {7, "Points Scored"},
    {8, "Points Allowed"}, {9, "Offensive Yards"}, {10, "Yards Allowed / Game"}, {11, "Passing Yards / Game"},
    {12, "Rushing Yards / Game"}, {13, "Passing Allowed"}, {14, "Rushing Allowed"}, {15, "Turnovers"},
    {16, "Takeaways"}, {17, "Turnover +/-"}, {18, "Offensive Yards Rank"}, {19, "Yards Allowed Rank"},
    {20, "Passing Rank"}, {21, "Rushing Rank"}, {22, "Passing Allowed Rank"}, {23, "Rushing Allowed Rank"},
    {24, "Yards Per Play"}, {25, "Third Down"}, {26, "Sacks"}, {27, "Sacks Allowed"}, {28, "Run Plays / Game"},
    {29, "Pass Plays / Game"}, {30, "Yards / Run Play"}, {31, "Yards / Pass Play"}, {32, "Plays / Game"},
    {33, "Completion Percent"}, {34, "Interceptions Caught"}, {35, "Fumbles Forced"}, {36, "Passes Defensed"},
    {37, "Fourth Down"}, {38, "Possession (Time)"}, {39, "Record (vs. Spread)"}, {-1, "Team Scouting:"},
    {40, "Running Game"}, {41, "Passing Game"}, {42, "Run Defense"}, {43, "Pass Defense"}, {44, "Special Teams"},
    {45, "Offensive Line"}, {46, "Rush Blocking"}, {47, "Pass Blocking"},
};

const STAT_ENTRY LEADER_STATS[] = {
    {0, "Passing Attempts"}, {1, "Completions"}, {2, "Passing Yards"}, {3, "Completion Percent"},
    {4, "Passing TDs"}, {5, "Yards/Attempt"}, {6, "Quarterback Rating"}, {7, "Passing/Game"},
    {8, "Kick Return Average"}, {9, "Kick Return Touchdowns"}, {10, "Rushes"}, {11, "Rush Yards"},
    {12, "Rushing Touchdowns"}, {13, "Yards/Rush"}, {14, "Receptions"}, {15, "Receiving Yards"},
    {16, "Receiving TDs"}, {17, "Yards/Recept"}, {18, "Catch Rate"}, {19, "Punt Return Average"},
    {20, "Punt Return Touchdowns"}, {21, "Tackles (Solo + Asst)"}, {22, "Passes Defended"}, {23, "Fumbles Forced"},
    {24, "Sacks"}, {25, "Interceptions"}, {26, "Field Goals"}, {27, "Field Goal Percent"}, {28, "Punt Average"},
    {29, "Cap Impact"},
};

const STAT_ENTRY FRANCHISE_STATS[] = {
    {-1, "Team"}, {0, "Kelvo Rating"}, {1, "Super Bowl Wins"}, {2, "Conference Championships"},
    {3, "Playoff Appearances"}, {4, "Fan Loyalty"}, {5, "Attendance (per Game)"}, {6, "Ticket Price"},
    {8, "Total Payroll"}, {9, "Average Age"}, {10, "Average Contract Length"}, {11, "Revenue (YTD)"},
    {12, "Expenses (YTD)"}, {13, "Profit (YTD)"}, {14, "Franchise Value"}, {15, "Cash"}, {17, "Salary Cap Room"},
    {18, "Medical Staff Rating"}, {19, "Scouting Staff Rating"}, {20, "Kelvo Rating Bonus"},
    {21, "Broadcast Revenue"}, {22, "Concessions Revenue"}, {23, "Revenue (Projected)"},
    {36, "Expenses (Projected)"}, {37, "Profit (Projected)"}, {38, "Average Signing Bonus"},
    {39, "Ticket Revenue (YTD)"}, {40, "Medical Budget"}, {41, "Scouting Budget"}, {42, "Attendance (YTD)"},
    {43, "Road Attendance (YTD)"}, {44, "Overhead (YTD)"}, {45, "Road Attendance (per Game)"}, {46, "Power Rank"},
    {-1, "Players"}, {24, "Quarterbacks"}, {25, "Running Backs"}, {26, "Tight Ends"}, {27, "Wide Receivers"},
    {28, "Offensive Line"}, {29, "Defensive Line"}, {30, "Linebackers"}, {31, "Cornerbacks"}, {32, "Safeties"},
    {33, "Return Teams"}, {34, "Kicking"}, {35, "Punting"}, {47, "Offense (Overall)"}, {48, "Defense (Overall)"},
    {49, "Overall"},
};

const STAT_ENTRY GAME_STATS[] = {
    {0, "Offense (Total Yards)"}, {1, "Defense (Yards Allowed)"}, {2, "Passing Yards"}, {3, "Rushing Yards"},
    {4, "Passing Yards Allowed"}, {5, "Rush Yards Allowed"}, {6, "Turnovers"}, {7, "Takeaways"},
    {8, "Turnover +/-"}, {9, "Time of Possession"}, {10, "Yards / Play"}, {11, "Yards / Play Allowed"},
    {12, "Third Down Conversion"}, {13, "Fourth Down Conversion"}, {14, "Sacks"}, {15, "Sacks Allowed"},
    {16, "Red Zone Scoring"}, {17, "Red Zone Touchdowns"}, {18, "Point Spread"}, {19, "Over/Under"},
};

struct STAT_TABLE {
    int nDialogId;
    const char* szTitle;
    const STAT_ENTRY* pEntries;
    int nCount;
};

const STAT_TABLE STAT_TABLES[] = {
    {CHOOSE_TEAM_STAT_DIALOG, "Choose Stat", TEAM_STATS, static_cast<int>(std::size(TEAM_STATS))},
    {CHOOSE_LEADER_STAT_DIALOG, "Leader Heading", LEADER_STATS, static_cast<int>(std::size(LEADER_STATS))},
    {CHOOSE_FRANCHISE_STAT_DIALOG, "Choose Stat", FRANCHISE_STATS, static_cast<int>(std::size(FRANCHISE_STATS))},
    {CHOOSE_GAME_STAT_DIALOG, "Choose Stat", GAME_STATS, static_cast<int>(std::size(GAME_STATS))},
};

const STAT_TABLE* Find_Stat_Table(int nDialogId)
{
    for (const STAT_TABLE& Table : STAT_TABLES)
        if (Table.nDialogId == nDialogId)
            return &Table;
    return nullptr;
}

// Layout: the entries flow down columns of ROWS rows; a caption takes a row.
constexpr int ROWS = 14;
constexpr int BUTTON_CX = 108;
constexpr int BUTTON_CY = 12;
constexpr int ROW_CY = 14;

struct BUILT_TEMPLATE {
    std::vector<CONTROL_TEMPLATE> Controls;
    std::vector<int> UsedIds;
    DIALOG_TEMPLATE Template;
};

BUILT_TEMPLATE Build_Stat_Template(const STAT_TABLE& Table)
{
    BUILT_TEMPLATE Built;
    const int nColumns = (Table.nCount + ROWS - 1) / ROWS;
    bool bFirstCaption = true;
    for (int k = 0; k < Table.nCount; ++k) {
        const UI_RECT Rect{8 + (k / ROWS) * (BUTTON_CX + 6), 8 + (k % ROWS) * ROW_CY, BUTTON_CX, BUTTON_CY};
        const STAT_ENTRY& Entry = Table.pEntries[k];
        if (Entry.nIndex < 0) {
            Built.Controls.push_back({bFirstCaption ? CHOOSE_STAT_CAPTION : -1, CONTROL_LABEL, Entry.szText, Rect});
            bFirstCaption = false;
        } else {
            Built.Controls.push_back({Get_Stat_Button_Id(Entry.nIndex), CONTROL_BUTTON, Entry.szText, Rect});
            Built.UsedIds.push_back(Get_Stat_Button_Id(Entry.nIndex));
        }
    }
    const int cx = 8 + nColumns * (BUTTON_CX + 6) + 2;
    const int cy = 8 + ROWS * ROW_CY + 24;
    Built.Controls.push_back({DIALOG_CANCEL, CONTROL_BUTTON, "&Cancel", {cx - 58, cy - 20, 50, 14}, CS_DEFAULT});
    Built.UsedIds.push_back(DIALOG_CANCEL);
    if (!bFirstCaption)
        Built.UsedIds.push_back(CHOOSE_STAT_CAPTION);
    Built.UsedIds.push_back(SALARY_ROOM_BUTTON);
    Built.Template = DIALOG_TEMPLATE{Table.nDialogId, Table.szTitle, cx, cy, 0, 0, 0, {}, nullptr};
    Built.Template.Controls = Built.Controls;
    return Built;
}

struct STAT_REGISTRAR {
    BUILT_TEMPLATE Built[std::size(STAT_TABLES)];
    STAT_REGISTRAR()
    {
        for (size_t i = 0; i < std::size(STAT_TABLES); ++i) {
            Built[i] = Build_Stat_Template(STAT_TABLES[i]);
            Built[i].Template.Controls = Built[i].Controls;
            Register_Dialog(STAT_TABLES[i].nDialogId, Built[i].Template, Choose_Stat_Dialog, Built[i].UsedIds);
        }
    }
};
const STAT_REGISTRAR STAT_REGISTRATIONS;

// --- Other Team --------------------------------------------------------------

constexpr CONTROL_TEMPLATE OTHER_TEAM_CONTROLS[] = {
    {-1, CONTROL_LABEL, "Choose Team:", {8, 6, 120, 10}},
    {TEAM_LIST, CONTROL_LIST, "", {8, 18, 150, 150}},
    {DIALOG_OK, CONTROL_BUTTON, "&OK", {166, 18, 50, 14}, CS_DEFAULT},
    {DIALOG_CANCEL, CONTROL_BUTTON, "&Cancel", {166, 36, 50, 14}},
};
constexpr DIALOG_TEMPLATE OTHER_TEAM_TEMPLATE{
    OTHER_TEAM_DIALOG, "Other Team", 224, 176, 0, 0, 0, OTHER_TEAM_CONTROLS, "otherteam"};
constexpr int OTHER_TEAM_USED_IDS[] = {TEAM_LIST, DIALOG_OK, DIALOG_CANCEL};
const DIALOG_REGISTRAR OTHER_TEAM_REGISTRAR(OTHER_TEAM_DIALOG, OTHER_TEAM_TEMPLATE, Other_Team_Dialog,
                                            OTHER_TEAM_USED_IDS);

void Choose_Viewed_Team(DIALOG& Dialog)
{
    const int nRow = Dialog.Get_Selected(TEAM_LIST);
    if (nRow >= 0) {
        Set_Selected_Team(static_cast<int>(Dialog.Item_Data(TEAM_LIST, nRow)));
        Request_Status_Bar_Repaint();
        Request_News_Bar_Repaint();
        // The main window's pages show the viewed club.
        Reset_Page_Cache();
        Request_Main_Window_Repaint();
    }
    Dialog.End(1);
}

// --- League values -------------------------------------------------------------

constexpr CONTROL_TEMPLATE LEAGUE_VALUE_CONTROLS[] = {
    {-1, CONTROL_LABEL, "Value 1:", {8, 8, 40, 10}},
    {FIRST_LEAGUE_VALUE_EDIT, CONTROL_EDIT, "", {50, 6, 50, 13}, 0, 6},
    {-1, CONTROL_LABEL, "Value 2:", {8, 24, 40, 10}},
    {FIRST_LEAGUE_VALUE_EDIT + 1, CONTROL_EDIT, "", {50, 22, 50, 13}, 0, 6},
    {-1, CONTROL_LABEL, "Value 3:", {8, 40, 40, 10}},
    {FIRST_LEAGUE_VALUE_EDIT + 2, CONTROL_EDIT, "", {50, 38, 50, 13}, 0, 6},
    {-1, CONTROL_LABEL, "Value 4:", {8, 56, 40, 10}},
    {FIRST_LEAGUE_VALUE_EDIT + 3, CONTROL_EDIT, "", {50, 54, 50, 13}, 0, 6},
    {-1, CONTROL_LABEL, "Value 5:", {110, 8, 40, 10}},
    {FIRST_LEAGUE_VALUE_EDIT + 4, CONTROL_EDIT, "", {152, 6, 50, 13}, 0, 6},
    {-1, CONTROL_LABEL, "Value 6:", {110, 24, 40, 10}},
    {FIRST_LEAGUE_VALUE_EDIT + 5, CONTROL_EDIT, "", {152, 22, 50, 13}, 0, 6},
    {-1, CONTROL_LABEL, "Value 7:", {110, 40, 40, 10}},
    {FIRST_LEAGUE_VALUE_EDIT + 6, CONTROL_EDIT, "", {152, 38, 50, 13}, 0, 6},
    {-1, CONTROL_LABEL, "Value 8:", {110, 56, 40, 10}},
    {FIRST_LEAGUE_VALUE_EDIT + 7, CONTROL_EDIT, "", {152, 54, 50, 13}, 0, 6},
    {DIALOG_OK, CONTROL_BUTTON, "Done", {96, 76, 50, 14}, CS_DEFAULT},
    {9, CONTROL_BUTTON, "Help", {152, 76, 50, 14}},
};
constexpr DIALOG_TEMPLATE LEAGUE_VALUES_TEMPLATE{
    LEAGUE_VALUES_DIALOG, "League Values", 210, 96, 0, 0, 0, LEAGUE_VALUE_CONTROLS, "playing"};
constexpr int LEAGUE_VALUE_USED_IDS[] = {FIRST_LEAGUE_VALUE_EDIT,     FIRST_LEAGUE_VALUE_EDIT + 1,
                                         FIRST_LEAGUE_VALUE_EDIT + 2, FIRST_LEAGUE_VALUE_EDIT + 3,
                                         FIRST_LEAGUE_VALUE_EDIT + 4, FIRST_LEAGUE_VALUE_EDIT + 5,
                                         FIRST_LEAGUE_VALUE_EDIT + 6, FIRST_LEAGUE_VALUE_EDIT + 7,
                                         DIALOG_OK,                   9};
const DIALOG_REGISTRAR LEAGUE_VALUES_REGISTRAR(LEAGUE_VALUES_DIALOG, LEAGUE_VALUES_TEMPLATE, League_Values_Dialog,
                                               LEAGUE_VALUE_USED_IDS);

}  // namespace

int Get_Stat_Button_Id(int i)
{
    return i >= 0 && i < STAT_BUTTON_COUNT ? FIRST_STAT_BUTTON + i : 0;
}

const char* Get_Stat_Button_Text(int nDialogId, int i)
{
    const STAT_TABLE* pTable = Find_Stat_Table(nDialogId);
    if (pTable == nullptr)
        return nullptr;
    if (nDialogId == CHOOSE_FRANCHISE_STAT_DIALOG && i == 17 && Get_Universe_Stat(SALARY_CAP) == 0)
        return "Salary Budget";
    for (int k = 0; k < pTable->nCount; ++k)
        if (pTable->pEntries[k].nIndex == i)
            return pTable->pEntries[k].szText;
    return nullptr;
}

int Get_Selected_Team_Byte()
{
    Fix_Current_Team_Selection();
    return Get_User_Preference(PREF_CURRENT_TEAM) & 0xFF;
}

void Apply_Dialog_Font(DIALOG& Dialog)
{
    (void)Dialog;   // the backend gives every control the dialog font
    Use_App_Font(FONT_DIALOG);
    Release_App_Font(FONT_DIALOG);
}

void Move_Control_By(DIALOG& Dialog, int nId, int dx, int dy, int dcx, int dcy)
{
    Dialog.Move_Control_By(nId, dx, dy, dcx, dcy);
}

int64_t Read_Bounded_Number(const std::string& Text, int64_t nLow, int64_t nHigh)
{
    size_t i = 0;
    while (i < Text.size() && (Text[i] == ' ' || Text[i] == '\t'))
        ++i;
    bool bNegative = false;
    if (i < Text.size() && (Text[i] == '-' || Text[i] == '+')) {
        bNegative = Text[i] == '-';
        ++i;
    }
    // Digits beyond what any bound needs only keep the value pinned.
    constexpr int64_t CEILING = int64_t{1} << 40;
    int64_t nValue = 0;
    bool bDigits = false;
    for (; i < Text.size() && Text[i] >= '0' && Text[i] <= '9'; ++i) {
        bDigits = true;
        if (nValue < CEILING)
            nValue = nValue * 10 + (Text[i] - '0');
    }
    if (!bDigits)
        nValue = 0;
    if (bNegative)
        nValue = -nValue;
    return nValue < nLow ? nLow : nValue > nHigh ? nHigh : nValue;
}

void Choose_Stat_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Apply_Dialog_Font(Dialog);
        if (Dialog.Id() == CHOOSE_FRANCHISE_STAT_DIALOG && Get_Universe_Stat(SALARY_CAP) == 0)
            Dialog.Set_Text(SALARY_ROOM_BUTTON, "Salary Budget");
        return;
    }
    if (nEvent != DIALOG_COMMAND || !Dialog.Is_Change_Command())
        return;
    if (nControl >= FIRST_STAT_BUTTON && nControl < FIRST_STAT_BUTTON + STAT_BUTTON_COUNT) {
        // An out-of-range slot is reported by the setter and nothing stored.
        Set_User_Preference(Get_User_Preference(PREF_CHOOSE_STAT_COLUMN), nControl - FIRST_STAT_BUTTON);
        Dialog.End(1);
    } else if (nControl == DIALOG_CANCEL) {
        Dialog.End(0);
    }
}

void Other_Team_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Fill_Roster_List_Control(Dialog);
        return;
    }
    if (nEvent != DIALOG_COMMAND)
        return;
    if (nControl == TEAM_LIST && Dialog.Event().nNotification == NOTIFY_DOUBLE_CLICK)
        Choose_Viewed_Team(Dialog);
    else if (nControl == DIALOG_OK && Dialog.Is_Change_Command())
        Choose_Viewed_Team(Dialog);
    else if (nControl == DIALOG_CANCEL && Dialog.Is_Change_Command())
        Dialog.End(1);
}

void Show_League_Values(DIALOG& Dialog, const int16_t* pValues)
{
    for (int i = 0; i < LEAGUE_VALUE_COUNT; ++i)
        Dialog.Set_Text(FIRST_LEAGUE_VALUE_EDIT + i, std::to_string(pValues[i]));
}

void Store_League_Values(const DIALOG& Dialog, int16_t* pValues)
{
    for (int i = 0; i < LEAGUE_VALUE_COUNT; ++i)
        pValues[i] = static_cast<int16_t>(
            Read_Bounded_Number(Dialog.Get_Text(FIRST_LEAGUE_VALUE_EDIT + i), INT16_MIN, INT16_MAX));
}

void League_Values_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    auto* pValues = static_cast<int16_t*>(Dialog.Param());
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        if (pValues != nullptr)
            Show_League_Values(Dialog, pValues);
        return;
    }
    if (nEvent == DIALOG_DESTROY) {
        // Done, Escape and the close box all keep what the fields hold.
        if (pValues != nullptr)
            Store_League_Values(Dialog, pValues);
        return;
    }
    if (nEvent != DIALOG_COMMAND || !Dialog.Is_Change_Command())
        return;
    if (nControl == 9) {
        Open_Help_Page("playing");
    } else if (nControl == DIALOG_OK) {
        Dialog.End(DIALOG_OK);
    }
}
