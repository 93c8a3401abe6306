// The Stat Column Chooser, dialog 172.

#include "editors/column_chooser.h"

#include <vector>

#include "editors/player_list_view.h"
#include "platform/dialogs.h"
#include "platform/ui_services.h"

namespace {

constexpr int GROUP_X0 = 216;
constexpr int GROUP_X1 = 306;
constexpr int GROUP_CX = 86;
constexpr int GROUP_CY = 14;
constexpr int Group_Y(int nRow)
{
    return 44 + nRow * 16;
}

constexpr CONTROL_TEMPLATE CHOOSER_CONTROLS[] = {
    {IDC_CHOOSER_LIST, CONTROL_LIST, "", {8, 8, 200, 264}, CS_MULTI_SELECT},
    {IDC_CHOOSER_TEXT, CONTROL_LABEL,
     "Click stats in the list to toggle each one on and off...\n\n... or click below for a pre-defined group of stats:",
     {GROUP_X0, 6, 176, 34}, CS_MULTILINE},
    {IDC_CHOOSER_DEFAULT, CONTROL_BUTTON, "Default Stats", {GROUP_X0, Group_Y(0), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_FREE_AGENTS, CONTROL_BUTTON, "Free Agents", {GROUP_X1, Group_Y(0), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_QB_STATS, CONTROL_BUTTON, "Quarterback Stats", {GROUP_X0, Group_Y(1), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_QB_RATINGS, CONTROL_BUTTON, "Quarterback Ratings", {GROUP_X1, Group_Y(1), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_SKILL_STATS, CONTROL_BUTTON, "Skill Positions Stats", {GROUP_X0, Group_Y(2), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_SKILL_RATINGS, CONTROL_BUTTON, "Skill Position Ratings", {GROUP_X1, Group_Y(2), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_OFFENSIVE_LINE, CONTROL_BUTTON, "Offensive Line", {GROUP_X0, Group_Y(3), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_RETURNS, CONTROL_BUTTON, "Kick && Punt Returns", {GROUP_X1, Group_Y(3), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_DEFENSIVE_STATS, CONTROL_BUTTON, "Defensive Stats", {GROUP_X0, Group_Y(4), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_DEFENSIVE_RATINGS, CONTROL_BUTTON, "Defensive Ratings", {GROUP_X1, Group_Y(4), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_KICKING, CONTROL_BUTTON, "Kicking", {GROUP_X0, Group_Y(5), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_PUNTING, CONTROL_BUTTON, "Punting", {GROUP_X1, Group_Y(5), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_SALARY, CONTROL_BUTTON, "Salary && Contract", {GROUP_X0, Group_Y(6), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_COLLEGE, CONTROL_BUTTON, "College Players", {GROUP_X1, Group_Y(6), GROUP_CX, GROUP_CY}},
    {IDC_CHOOSER_CLEAR, CONTROL_BUTTON, "Clear All Selected Stats", {GROUP_X0, 164, 176, 14}},
    {IDC_CHOOSER_PROGRESS, CONTROL_PROGRESS, "", {GROUP_X0, 186, 176, 10}, CS_HIDDEN, 0, 0, 4100},
    {IDC_CHOOSER_DONE, CONTROL_BUTTON, "Done", {GROUP_X0, 258, 56, 14}, CS_DEFAULT},
    {IDC_CHOOSER_CANCEL, CONTROL_BUTTON, "Cancel", {276, 258, 56, 14}},
    {IDC_CHOOSER_HELP, CONTROL_BUTTON, "Help", {336, 258, 56, 14}},
};

constexpr DIALOG_TEMPLATE CHOOSER_TEMPLATE{
    COLUMN_CHOOSER_DIALOG, "Stat Column Chooser", 400, 280, 0, 0, 0, CHOOSER_CONTROLS, "editcolumns"};

constexpr int CHOOSER_USED_IDS[] = {
    IDC_CHOOSER_DONE, IDC_CHOOSER_CANCEL, IDC_CHOOSER_HELP, IDC_CHOOSER_LIST, IDC_CHOOSER_CLEAR,
    IDC_CHOOSER_PROGRESS, IDC_CHOOSER_DEFAULT, IDC_CHOOSER_QB_STATS, IDC_CHOOSER_QB_RATINGS,
    IDC_CHOOSER_SKILL_STATS, IDC_CHOOSER_SKILL_RATINGS, IDC_CHOOSER_OFFENSIVE_LINE, IDC_CHOOSER_FREE_AGENTS,
    IDC_CHOOSER_DEFENSIVE_STATS, IDC_CHOOSER_DEFENSIVE_RATINGS, IDC_CHOOSER_COLLEGE, IDC_CHOOSER_PUNTING,
    IDC_CHOOSER_KICKING, IDC_CHOOSER_RETURNS, IDC_CHOOSER_SALARY};

const DIALOG_REGISTRAR CHOOSER_REGISTRAR(COLUMN_CHOOSER_DIALOG, CHOOSER_TEMPLATE, Stat_Column_Chooser_Dialog,
                                         CHOOSER_USED_IDS);

struct PRESET {
    int nButton;
    int nRow;
};
constexpr PRESET PRESETS[] = {
    {IDC_CHOOSER_DEFAULT, 0},         {IDC_CHOOSER_FREE_AGENTS, 1},      {IDC_CHOOSER_COLLEGE, 2},
    {IDC_CHOOSER_QB_STATS, 4},        {IDC_CHOOSER_QB_RATINGS, 5},       {IDC_CHOOSER_SKILL_STATS, 6},
    {IDC_CHOOSER_SKILL_RATINGS, 7},   {IDC_CHOOSER_OFFENSIVE_LINE, 8},   {IDC_CHOOSER_RETURNS, 9},
    {IDC_CHOOSER_DEFENSIVE_STATS, 10}, {IDC_CHOOSER_DEFENSIVE_RATINGS, 11}, {IDC_CHOOSER_KICKING, 12},
    {IDC_CHOOSER_PUNTING, 13},        {IDC_CHOOSER_SALARY, 14},
};

bool Is_Preset_Button(int nButton)
{
    for (const PRESET& Preset : PRESETS)
        if (Preset.nButton == nButton)
            return true;
    return false;
}

PLAYER_LIST_VIEW* View_Of(DIALOG& Dialog)
{
    return static_cast<PLAYER_LIST_VIEW*>(Dialog.Param());
}

// Separators are never selected, whichever way the user reached them.
void Deselect_Separators(DIALOG& Dialog)
{
    const int nCount = Dialog.Item_Count(IDC_CHOOSER_LIST);
    for (int i = 0; i < nCount; ++i)
        if (Dialog.Item_Data(IDC_CHOOSER_LIST, i) < 0 && Dialog.Is_Item_Selected(IDC_CHOOSER_LIST, i))
            Dialog.Set_Item_Selected(IDC_CHOOSER_LIST, i, false);
}

}  // namespace

int Get_Column_Preset_Index(int nButton)
{
    for (const PRESET& Preset : PRESETS)
        if (Preset.nButton == nButton)
            return Preset.nRow;
    return 0;
}

std::string Format_Column_Choice(int nTableIndex)
{
    const LIST_COLUMN& Column = Get_List_Column_At(nTableIndex);
    std::string Header = Column.szHeader;
    size_t nFirst = Header.find_first_not_of(' ');
    Header = nFirst == std::string::npos ? std::string() : Header.substr(nFirst);
    return Header + "\t" + Column.szDescription;
}

void Select_Chosen_Columns(DIALOG& Dialog, const PLAYER_LIST_VIEW& View)
{
    const int nCount = Dialog.Item_Count(IDC_CHOOSER_LIST);
    for (int i = 0; i < nCount; ++i) {
        const int nCode = static_cast<int>(Dialog.Item_Data(IDC_CHOOSER_LIST, i));
        Dialog.Set_Item_Selected(IDC_CHOOSER_LIST, i, nCode >= 0 && Find_List_Column(nCode, View) >= 0);
    }
    Dialog.Set_Top_Index(IDC_CHOOSER_LIST, 0);
}

void Apply_Column_Choice(DIALOG& Dialog, PLAYER_LIST_VIEW& View)
{
    Set_App_Cursor(UI_CURSOR_WAIT);
    Dialog.Enable(IDC_CHOOSER_DONE, false);
    if (View.pDialog != nullptr)
        View.pDialog->Show(View.nList, false);

    const int nCount = Dialog.Item_Count(IDC_CHOOSER_LIST);
    std::vector<int> Wanted;   // selected codes not shown, by table index
    std::vector<bool> bSelectedCode(LIST_CODE_COUNT, false);
    for (int i = 0; i < nCount; ++i) {
        const int nCode = static_cast<int>(Dialog.Item_Data(IDC_CHOOSER_LIST, i));
        if (nCode < 1 || nCode >= LIST_CODE_COUNT)
            continue;
        const bool bSelected = Dialog.Is_Item_Selected(IDC_CHOOSER_LIST, i);
        bSelectedCode[nCode] = bSelected;
        if (!bSelected && Find_List_Column(nCode, View) >= 0)
            Remove_List_Column(nCode, View);
    }
    bool bAdded = false;
    for (int t = 1; t < LIST_CODE_COUNT; ++t) {
        const int nCode = Get_List_Column_At(t).nCode;
        if (bSelectedCode[nCode] && Find_List_Column(nCode, View) < 0) {
            Insert_List_Column(View, nCode, Get_Header_Column_Count(View));
            bAdded = true;
        }
    }
    if (bAdded) {
        Fill_Player_List(View);
        Size_List_Columns(View);
        Sort_Player_List(View);
    }

    if (View.pDialog != nullptr)
        View.pDialog->Show(View.nList, true);
    Dialog.Enable(IDC_CHOOSER_DONE, true);
    Set_App_Cursor(UI_CURSOR_ARROW);
}

void Stat_Column_Chooser_Dialog(DIALOG& Dialog, int nEvent, int nControl)
{
    PLAYER_LIST_VIEW* pView = View_Of(Dialog);
    if (nEvent == DIALOG_INIT) {
        Dialog.Build_Registered();
        Dialog.Clear_Items(IDC_CHOOSER_LIST);
        // Name (table index 0) is never offered: it can be neither removed
        // nor added here.
        for (int t = 1; t < LIST_CODE_COUNT; ++t) {
            const LIST_COLUMN& Column = Get_List_Column_At(t);
            std::string Description = Column.szDescription;
            if (!Description.empty() && Description.back() == ' ')
                Dialog.Add_Item(IDC_CHOOSER_LIST, "", -1);
            Dialog.Add_Item(IDC_CHOOSER_LIST, Format_Column_Choice(t), Column.nCode);
        }
        Dialog.Set_Tab_Stops(IDC_CHOOSER_LIST, {56});
        if (pView != nullptr) {
            Select_Chosen_Columns(Dialog, *pView);
            Size_List_Columns(*pView);
        }
        return;
    }
    if (nEvent != DIALOG_COMMAND || pView == nullptr)
        return;
    PLAYER_LIST_VIEW& View = *pView;
    if (nControl == IDC_CHOOSER_LIST) {
        if (Dialog.Event().nNotification != NOTIFY_SELECTION_CHANGED)
            return;
        Deselect_Separators(Dialog);
        Apply_Column_Choice(Dialog, View);
    } else if (nControl == IDC_CHOOSER_CLEAR) {
        const int nCount = Dialog.Item_Count(IDC_CHOOSER_LIST);
        for (int i = 0; i < nCount; ++i)
            Dialog.Set_Item_Selected(IDC_CHOOSER_LIST, i, false);
    } else if (Is_Preset_Button(nControl)) {
        Apply_Preset_Columns(View, Get_Column_Preset_Index(nControl));
        Select_Chosen_Columns(Dialog, View);
        Size_List_Columns(View);
    } else if (nControl == IDC_CHOOSER_HELP) {
        Open_Help_Page("editcolumns");
    } else if (nControl == IDC_CHOOSER_DONE) {
        Apply_Column_Choice(Dialog, View);
        Dialog.End(1);
    } else if (nControl == IDC_CHOOSER_CANCEL) {
        // What was applied stays applied.
        Dialog.End(0);
    }
}

int Run_Stat_Column_Chooser(PLAYER_LIST_VIEW& View)
{
    return Do_Dialog(COLUMN_CHOOSER_DIALOG, &View);
}
