// The player list view: rows, layouts, filling, sorting, sizing, the
// column menu and the clipboard. The column table is player_list_columns.cpp,
// the cells player_list_cells.cpp.

#include "editors/player_list_view.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

#include "editors/column_chooser.h"
#include "league/list_columns.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/menus.h"
#include "platform/ui_backend.h"
#include "platform/ui_services.h"

namespace {

int g_nListKind = 0;

int Layout_Base(int nKind)
{
    return LIST_LAYOUT_FIRST_SLOT + LIST_LAYOUT_STRIDE * nKind;
}

int Abs_Int(int n)
{
    return n < 0 ? -n : n;
}

DIALOG_CONTROL* List_Control(const PLAYER_LIST_VIEW& View)
{
    return View.pDialog != nullptr ? View.pDialog->Find(View.nList) : nullptr;
}

// The header text of a code: the view's override, else the table's.
std::string Header_Text(const PLAYER_LIST_VIEW& View, int nCode)
{
    if (nCode >= 0 && nCode < LIST_CODE_COUNT && !View.HeaderOverrides[nCode].empty())
        return View.HeaderOverrides[nCode];
    return Get_List_Column(nCode).szHeader;
}

int Column_Align(int nCode)
{
    return Get_List_Column(nCode).nAlign == 0 ? COLUMN_LEFT : COLUMN_CENTER;
}

// The view's codes from the control's columns, in the order the user sees.
void Take_Codes_From_Control(PLAYER_LIST_VIEW& View)
{
    int nCodes[LIST_CODE_COUNT];
    View.nColumnCount = Get_Shown_Column_Codes(View, nCodes, LIST_CODE_COUNT);
    for (int i = 0; i < View.nColumnCount; ++i)
        View.ColumnCodes[i] = nCodes[i];
}

bool Less_Keys(int64_t nKey1, int64_t nKey2, void* pContext)
{
    const auto& View = *static_cast<const PLAYER_LIST_VIEW*>(pContext);
    return Compare_List_Rows(static_cast<int>(nKey1), static_cast<int>(nKey2), View) < 0;
}

// Last names compared without regard to case, an empty last name by the
// first name; then the first names.
int Lower(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
}

int Compare_No_Case(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        int ca = Lower(static_cast<unsigned char>(*a));
        int cb = Lower(static_cast<unsigned char>(*b));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

void Name_Parts(int nKey, char (&szLast)[PLAYER_NAME_TEXT_SIZE], char (&szFirst)[PLAYER_NAME_TEXT_SIZE])
{
    szLast[0] = '\0';
    szFirst[0] = '\0';
    int nTeam = nKey / 100;
    int nSlot = nKey % 100;
    if (nKey < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS || nSlot >= PLAYERS_PER_TEAM)
        return;
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return;
    // The stored last name only: the league's getter would draw one for an
    // empty field, and sorting must not write the records.
    if (Has_Player_Last_Name(nTeam, nSlot))
        Get_Player_Last_Name(nTeam, nSlot, szLast, sizeof(szLast));
    Get_Player_First_Name(nTeam, nSlot, szFirst, sizeof(szFirst));
}

int Compare_Names(int nKey1, int nKey2)
{
    char szLast1[PLAYER_NAME_TEXT_SIZE], szFirst1[PLAYER_NAME_TEXT_SIZE];
    char szLast2[PLAYER_NAME_TEXT_SIZE], szFirst2[PLAYER_NAME_TEXT_SIZE];
    Name_Parts(nKey1, szLast1, szFirst1);
    Name_Parts(nKey2, szLast2, szFirst2);
    const char* szA = szLast1[0] != '\0' ? szLast1 : szFirst1;
    const char* szB = szLast2[0] != '\0' ? szLast2 : szFirst2;
    int n = Compare_No_Case(szA, szB);
    if (n == 0)
        n = Compare_No_Case(szFirst1, szFirst2);
    return n;
}

// One pass of the comparison with sort column s and its values.
int Compare_Pass(int nKey1, int nKey2, int s, const std::array<int32_t, LIST_KEY_COUNT>& Values, bool bLast)
{
    const int a = Abs_Int(s);
    int d = (a == 1 || a == 2 || a == 3 || a == 5) ? 1 : -1;
    if (s < 0)
        d = -d;
    int n = 0;
    if (a == 1) {
        n = Compare_Names(nKey1, nKey2) * d;
    } else {
        int32_t v1 = (nKey1 >= 0 && nKey1 < LIST_KEY_COUNT) ? Values[nKey1] : 0;
        int32_t v2 = (nKey2 >= 0 && nKey2 < LIST_KEY_COUNT) ? Values[nKey2] : 0;
        if (v1 < v2)
            n = -d;
        else if (v1 > v2)
            n = d;
    }
    // The last pass settles a tie by the keys, so that the order is total.
    if (n == 0 && bLast && nKey1 != nKey2)
        n = nKey1 < nKey2 ? d : -d;
    return n;
}

// The sort value of every listed key for sort column s; the running total
// adds every value but -1.
void Compute_Values(const PLAYER_LIST_VIEW& View, int s, std::array<int32_t, LIST_KEY_COUNT>& Values, int64_t* pTotal)
{
    const int nCode = s == 0 ? 0 : Abs_Int(s) - 1;
    if (pTotal != nullptr)
        *pTotal = 0;
    for (int i = 0; i < View.nKeyCount; ++i) {
        int nKey = View.Keys[i];
        int nValue = nCode == 0 ? 0 : Format_Stat_Cell(nullptr, nCode, nKey / 100, nKey % 100);
        Values[nKey] = nValue;
        if (pTotal != nullptr && nValue != -1)
            *pTotal += nValue;
    }
}

// The rows of the control as they stand (data, cells by code, selection).
struct KEPT_ROW {
    int64_t nData = 0;
    std::vector<std::string> Cells;   // by display position
    bool bSelected = false;
};

}  // namespace

// --- Attaching and rows ------------------------------------------------------

void Attach_Player_List_View(PLAYER_LIST_VIEW& View, DIALOG& Dialog, int nListControl, const char* szName)
{
    View.Name = szName != nullptr ? szName : "";
    View.pDialog = &Dialog;
    View.nList = nListControl;
    View.nPositionFilter = -1;
    View.nGroupFilter = -1;
    View.nSortColumn = 0;
    View.nPrevSortColumn = 0;
    View.nFilling = 0;
    for (std::string& Override : View.HeaderOverrides)
        Override.clear();
    Init_Player_List_View(View);
}

void Detach_Player_List_View(PLAYER_LIST_VIEW& View)
{
    View.pDialog = nullptr;
    View.nList = 0;
    View.nProgress = 0;
}

void Init_Player_List_View(PLAYER_LIST_VIEW& View)
{
    View.Keys.fill(LIST_NO_KEY);
    View.SortValues.fill(0);
    View.PrevSortValues.fill(0);
    View.nKeyCount = 0;
    View.Listed.reset();
}

bool Add_Player_List_Key(PLAYER_LIST_VIEW& View, int nKey)
{
    if (nKey < 0 || nKey >= LIST_KEY_COUNT || View.nKeyCount >= LIST_KEY_COUNT || View.Listed[nKey])
        return false;
    View.Listed[nKey] = true;
    View.Keys[View.nKeyCount++] = static_cast<int16_t>(nKey);
    return true;
}

bool Add_Player_List_Row(PLAYER_LIST_VIEW& View, int nTeam, int nSlot)
{
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS || nSlot < 0 || nSlot >= PLAYERS_PER_TEAM)
        return false;
    return Add_Player_List_Key(View, nTeam * 100 + nSlot);
}

int Is_Player_In_List(int nTeam, int nSlot, const PLAYER_LIST_VIEW& View)
{
    if (!Is_Player_Slot_Used(nTeam, nSlot))
        return 0;
    return View.Listed[nTeam * 100 + nSlot] ? 1 : 0;
}

// --- Layouts ------------------------------------------------------------------

void Set_List_Kind(int nKind)
{
    if (nKind >= 0 && nKind < LIST_KIND_COUNT)
        g_nListKind = nKind;
}

void Set_Default_List_Columns(int nRow)
{
    const int nBase = Layout_Base(g_nListKind);
    int nCount = 0;
    for (int i = 0; i < LIST_COLUMN_SLOTS; ++i) {
        int nCode = Get_Default_List_Column(nRow, i);
        if (nCode >= 0)
            ++nCount;
        Set_User_Preference(nBase + 2 + i, nCode);
    }
    Set_User_Preference(nBase + 1, 0);
    Set_User_Preference(nBase, nCount);
}

void Validate_List_Columns()
{
    const int nBase = Layout_Base(g_nListKind);
    if (Get_User_Preference(nBase) == 0) {
        Set_Default_List_Columns(g_nListKind);
        return;
    }
    int nCodes[LIST_COLUMN_SLOTS];
    int nKept = 0;
    for (int i = 0; i < LIST_COLUMN_SLOTS; ++i) {
        int nCode = Get_User_Preference(nBase + 2 + i);
        if (nCode < 0 || nCode >= LIST_CODE_COUNT)
            continue;
        bool bSeen = false;
        for (int j = 0; j < nKept; ++j)
            bSeen = bSeen || nCodes[j] == nCode;
        if (!bSeen)
            nCodes[nKept++] = nCode;
    }
    if (nKept == 0) {
        // Nothing legal was stored: the kind's defaults.
        Set_Default_List_Columns(g_nListKind);
        return;
    }
    for (int i = 0; i < LIST_COLUMN_SLOTS; ++i)
        Set_User_Preference(nBase + 2 + i, i < nKept ? nCodes[i] : -1);
    Set_User_Preference(nBase, nKept);
    // The sort column (code + 1, negative reversed) must be a shown column.
    const int nSort = Get_User_Preference(nBase + 1);
    bool bShown = false;
    for (int j = 0; j < nKept; ++j)
        bShown = bShown || nCodes[j] + 1 == Abs_Int(nSort);
    if (!bShown)
        Set_User_Preference(nBase + 1, 0);
}

void Load_List_Column_Layout(PLAYER_LIST_VIEW& View)
{
    View.ColumnCodes.fill(0);
    Validate_List_Columns();
    const int nBase = Layout_Base(g_nListKind);
    View.nSortColumn = Get_User_Preference(nBase + 1);
    View.nPrevSortColumn = 0;
    View.nColumnCount = std::clamp(Get_User_Preference(nBase), 0, LIST_COLUMN_SLOTS);
    for (int i = 0; i < LIST_COLUMN_SLOTS; ++i) {
        int nCode = Get_User_Preference(nBase + 2 + i);
        View.ColumnCodes[i] = nCode >= 0 ? nCode : 0;
    }
}

void Save_List_Column_Layout(const PLAYER_LIST_VIEW& View)
{
    const int nBase = Layout_Base(g_nListKind);
    int nCodes[LIST_CODE_COUNT];
    int nCount = 0;
    if (List_Control(View) != nullptr) {
        nCount = Get_Shown_Column_Codes(View, nCodes, LIST_CODE_COUNT);
    } else {
        nCount = std::clamp(View.nColumnCount, 0, LIST_CODE_COUNT);
        for (int i = 0; i < nCount; ++i)
            nCodes[i] = View.ColumnCodes[i];
    }
    nCount = std::min(nCount, LIST_COLUMN_SLOTS);
    Set_User_Preference(nBase, nCount);
    Set_User_Preference(nBase + 1, View.nSortColumn);
    for (int i = 0; i < LIST_COLUMN_SLOTS; ++i)
        Set_User_Preference(nBase + 2 + i, i < nCount ? nCodes[i] : -1);
}

void Set_List_Columns_From_Defaults(PLAYER_LIST_VIEW& View, int nRow)
{
    View.ColumnCodes.fill(0);
    int nCount = 0;
    for (int i = 0; i < LIST_COLUMN_SLOTS; ++i) {
        int nCode = Get_Default_List_Column(nRow, i);
        if (nCode < 0)
            break;
        View.ColumnCodes[nCount++] = nCode;
    }
    View.nColumnCount = nCount;
}

void Apply_Preset_Columns(PLAYER_LIST_VIEW& View, int nRow)
{
    Set_List_Columns_From_Defaults(View, nRow);
    Rebuild_Listview_Columns(View);
    Fill_Player_List(View);
    Sort_Player_List(View);
}

// --- Columns --------------------------------------------------------------------

void Rebuild_Listview_Columns(PLAYER_LIST_VIEW& View)
{
    if (View.pDialog == nullptr)
        return;
    Write_Debug_Log("Rebuild_Listview_Columns(%s)", View.Name.c_str());
    View.pDialog->Clear_Rows(View.nList);
    View.pDialog->Clear_Columns(View.nList);
    const int nCount = std::clamp(View.nColumnCount, 0, LIST_CODE_COUNT);
    for (int i = 0; i < nCount; ++i) {
        int nCode = View.ColumnCodes[i];
        if (nCode >= 0 && nCode < LIST_CODE_COUNT)
            View.pDialog->Add_Column(View.nList, nCode, Header_Text(View, nCode), 0, Column_Align(nCode));
    }
    Take_Codes_From_Control(View);
    Size_List_Columns(View);
}

void Insert_List_Column(PLAYER_LIST_VIEW& View, int nCode, int nPosition)
{
    if (View.pDialog == nullptr || nCode < 0 || nCode >= LIST_CODE_COUNT)
        return;
    View.pDialog->Add_Column(View.nList, nCode, Header_Text(View, nCode), 0, Column_Align(nCode));
    std::vector<int> Order = View.pDialog->Column_Order(View.nList);
    if (!Order.empty()) {
        int nNew = Order.back();
        Order.pop_back();
        nPosition = std::clamp(nPosition, 0, static_cast<int>(Order.size()));
        Order.insert(Order.begin() + nPosition, nNew);
        View.pDialog->Set_Column_Order(View.nList, Order);
    }
    Take_Codes_From_Control(View);
}

int Find_List_Column(int nCode, const PLAYER_LIST_VIEW& View)
{
    if (nCode < 0 || View.pDialog == nullptr)
        return -1;
    std::vector<int> Order = View.pDialog->Column_Order(View.nList);
    for (size_t i = 0; i < Order.size(); ++i)
        if (View.pDialog->Column_Tag(View.nList, Order[i]) == nCode)
            return static_cast<int>(i);
    return -1;
}

int Remove_List_Column(int nCode, PLAYER_LIST_VIEW& View)
{
    const int nPosition = Find_List_Column(nCode, View);
    DIALOG_CONTROL* pList = List_Control(View);
    if (nPosition < 0 || pList == nullptr)
        return 0;
    // The model cannot delete one column: the columns are laid out again
    // without it and the rows keep their order, texts and selection.
    DIALOG& Dialog = *View.pDialog;
    std::vector<int> Order = pList->ColumnOrder;
    std::vector<DIALOG_COLUMN> Columns;
    for (size_t i = 0; i < Order.size(); ++i)
        if (static_cast<int>(i) != nPosition)
            Columns.push_back(pList->Columns[Order[i]]);
    std::vector<KEPT_ROW> Rows;
    Rows.reserve(pList->Rows.size());
    for (const DIALOG_ROW& Row : pList->Rows) {
        KEPT_ROW Kept;
        Kept.nData = Row.nData;
        Kept.bSelected = Row.bSelected;
        for (size_t i = 0; i < Order.size(); ++i)
            if (static_cast<int>(i) != nPosition)
                Kept.Cells.push_back(Order[i] < static_cast<int>(Row.Cells.size()) ? Row.Cells[Order[i]] : std::string());
        Rows.push_back(std::move(Kept));
    }
    const int nTop = Dialog.Get_Top_Index(View.nList);
    Dialog.Begin_Update(View.nList);
    Dialog.Clear_Rows(View.nList);
    Dialog.Clear_Columns(View.nList);
    for (const DIALOG_COLUMN& Column : Columns)
        Dialog.Add_Column(View.nList, Column.nTag, Column.Text, Column.nWidth, Column.nAlign);
    int nSelected = -1;
    for (const KEPT_ROW& Kept : Rows) {
        int nRow = Dialog.Add_Row(View.nList, Kept.nData, Kept.Cells);
        if (Kept.bSelected && nSelected < 0)
            nSelected = nRow;
    }
    if (nSelected >= 0)
        Dialog.Select_Row(View.nList, nSelected);
    Dialog.Set_Top_Index(View.nList, nTop);
    Dialog.End_Update(View.nList);
    Take_Codes_From_Control(View);
    return 1;
}

int Get_Header_Column_Count(const PLAYER_LIST_VIEW& View)
{
    return View.pDialog != nullptr ? View.pDialog->Column_Count(View.nList) : 0;
}

int Get_Shown_Column_Codes(const PLAYER_LIST_VIEW& View, int* pCodes, int nMax)
{
    if (View.pDialog == nullptr || pCodes == nullptr)
        return 0;
    std::vector<int> Order = View.pDialog->Column_Order(View.nList);
    int n = 0;
    for (size_t i = 0; i < Order.size() && n < nMax; ++i)
        pCodes[n++] = View.pDialog->Column_Tag(View.nList, Order[i]);
    return n;
}

namespace {

// Widths of the texts measured so far: a desktop measure lays each text out
// in the list's font, and a list repeats its numbers and names from fill to
// fill. Kept for one backend's measure, and never without bound.
int Measured_Width(const DIALOG& Dialog, int nList, const std::string& Text)
{
    static std::unordered_map<std::string, int> Widths;
    static int (*pMeasure)(const std::string&) = nullptr;
    if (Ui_Backend().Measure_Text != pMeasure || Widths.size() > 50000) {
        Widths.clear();
        pMeasure = Ui_Backend().Measure_Text;
    }
    const auto Found = Widths.find(Text);
    if (Found != Widths.end())
        return Found->second;
    const int nWidth = Dialog.Text_Width(nList, Text);
    Widths.emplace(Text, nWidth);
    return nWidth;
}

}  // namespace

int Measure_List_Column(const PLAYER_LIST_VIEW& View, int nColumn)
{
    const DIALOG_CONTROL* pList = List_Control(View);
    if (pList == nullptr || nColumn < 0 || nColumn >= static_cast<int>(pList->Columns.size()))
        return 0;
    const DIALOG& Dialog = *View.pDialog;
    int nWidest = Measured_Width(Dialog, View.nList, pList->Columns[nColumn].Text);
    for (const DIALOG_ROW& Row : pList->Rows)
        if (nColumn < static_cast<int>(Row.Cells.size()))
            nWidest = std::max(nWidest, Measured_Width(Dialog, View.nList, Row.Cells[nColumn]));
    return nWidest + 10;
}

void Size_List_Columns(PLAYER_LIST_VIEW& View)
{
    DIALOG_CONTROL* pList = List_Control(View);
    if (pList == nullptr || pList->Columns.empty())
        return;
    const int nColumns = static_cast<int>(pList->Columns.size());
    std::vector<int> Widths(nColumns);
    int nTotal = 0;
    for (int c = 0; c < nColumns; ++c) {
        Widths[c] = Measure_List_Column(View, c);
        nTotal += Widths[c];
    }
    const int nClient = View.pDialog->Control_Pixels(View.nList).cx;
    if (nTotal < nClient) {
        // The spare width shared equally, what the division leaves a pixel
        // each to the first columns the user sees.
        const int nSpare = nClient - nTotal;
        std::vector<int> Order = pList->ColumnOrder;
        for (int i = 0; i < nColumns; ++i) {
            int c = i < static_cast<int>(Order.size()) ? Order[i] : i;
            Widths[c] += nSpare / nColumns + (i < nSpare % nColumns ? 1 : 0);
        }
    }
    for (int c = 0; c < nColumns; ++c)
        View.pDialog->Set_Column_Width(View.nList, c, Widths[c]);
}

// --- Filling and sorting ----------------------------------------------------------

void Compute_List_Sort_Values(PLAYER_LIST_VIEW& View)
{
    // Both columns' values come from the rows as they stand now, so a tie
    // never follows a value another player left under a key.
    Compute_Values(View, View.nSortColumn, View.SortValues, &View.nRunningTotal);
    Compute_Values(View, View.nPrevSortColumn, View.PrevSortValues, nullptr);
}

void Fill_Player_List(PLAYER_LIST_VIEW& View)
{
    if (View.pDialog == nullptr)
        return;
    DIALOG& Dialog = *View.pDialog;
    const int nCount = View.nKeyCount;
    if (View.nProgress != 0) {
        Dialog.Set_Range(View.nProgress, 0, LIST_KEY_COUNT);
        Dialog.Set_Position(View.nProgress, 0);
        Dialog.Show(View.nProgress, true);
    }
    if (nCount > 100)
        Set_App_Cursor(UI_CURSOR_WAIT);
    Compute_List_Sort_Values(View);
    int nTeam = 0;
    int nSlot = 0;
    const int nSelectedKey = Get_List_Selected_Player(View, nTeam, nSlot);
    View.nFilling = 1;
    Dialog.Begin_Update(View.nList);
    Dialog.Clear_Rows(View.nList);
    const int nColumns = Dialog.Column_Count(View.nList);
    std::vector<int> Codes(nColumns);
    for (int c = 0; c < nColumns; ++c)
        Codes[c] = Dialog.Column_Tag(View.nList, c);
    const int nStep = std::max(nCount / 10, 1);
    int nSelectedRow = -1;
    std::vector<std::string> Cells(nColumns);
    for (int i = 0; i < nCount; ++i) {
        const int nKey = View.Keys[i];
        if (View.nProgress != 0 && i > 0 && i % nStep == 0)
            Dialog.Set_Position(View.nProgress, i * LIST_KEY_COUNT / nCount);
        for (int c = 0; c < nColumns; ++c)
            Format_Stat_Cell(&Cells[c], Codes[c], nKey / 100, nKey % 100);
        const int nRow = Dialog.Add_Row(View.nList, nKey, Cells);
        if (nKey == nSelectedKey)
            nSelectedRow = nRow;
    }
    if (nSelectedRow >= 0) {
        Dialog.Select_Row(View.nList, nSelectedRow);
        Dialog.Ensure_Visible(View.nList, nSelectedRow);
    }
    if (View.nProgress != 0 && nCount == 0)
        Dialog.Show(View.nProgress, false);
    Size_List_Columns(View);
    Dialog.End_Update(View.nList);
    View.nFilling = 0;
    if (nCount > 100)
        Set_App_Cursor(UI_CURSOR_ARROW);
}

void Refresh_Numeric_Cells(PLAYER_LIST_VIEW& View)
{
    DIALOG_CONTROL* pList = List_Control(View);
    if (pList == nullptr)
        return;
    DIALOG& Dialog = *View.pDialog;
    const int nRows = Dialog.Row_Count(View.nList);
    if (nRows > 100)
        Set_App_Cursor(UI_CURSOR_WAIT);
    const int nColumns = Dialog.Column_Count(View.nList);
    std::string Text;
    Dialog.Begin_Update(View.nList);
    for (int c = 0; c < nColumns; ++c) {
        const int nCode = Dialog.Column_Tag(View.nList, c);
        if (Get_List_Column(nCode).nNumeric != 1)
            continue;
        for (int r = 0; r < nRows; ++r) {
            const int nKey = static_cast<int>(Dialog.Row_Data(View.nList, r));
            Format_Stat_Cell(&Text, nCode, nKey / 100, nKey % 100);
            Dialog.Set_Cell(View.nList, r, c, Text);
        }
    }
    Dialog.End_Update(View.nList);
    // Sorted again when either sorting column reads the period, so that
    // ties too follow the new period's values.
    const int nSortCode = Abs_Int(View.nSortColumn) - 1;
    const int nPrevCode = Abs_Int(View.nPrevSortColumn) - 1;
    if ((nSortCode >= 0 && Get_List_Column(nSortCode).nNumeric == 1) ||
        (nPrevCode >= 0 && Get_List_Column(nPrevCode).nNumeric == 1)) {
        Compute_List_Sort_Values(View);
        Sort_Player_List(View);
    }
    if (nRows > 100)
        Set_App_Cursor(UI_CURSOR_ARROW);
}

void Set_List_Sort_Column(PLAYER_LIST_VIEW& View, int nSortColumn)
{
    if (nSortColumn != Abs_Int(View.nSortColumn)) {
        View.nPrevSortColumn = View.nSortColumn;
        View.nSortColumn = nSortColumn;
        Compute_List_Sort_Values(View);
    } else {
        View.nSortColumn = -View.nSortColumn;
    }
}

void Sort_Player_List(PLAYER_LIST_VIEW& View)
{
    if (View.pDialog != nullptr)
        View.pDialog->Sort_Rows_By_Key(View.nList, Less_Keys, &View);
}

int Compare_List_Rows(int nKey1, int nKey2, const PLAYER_LIST_VIEW& View)
{
    int n = Compare_Pass(nKey1, nKey2, View.nSortColumn, View.SortValues, false);
    if (n == 0)
        n = Compare_Pass(nKey1, nKey2, View.nPrevSortColumn, View.PrevSortValues, true);
    return n;
}

// --- Selection ------------------------------------------------------------------------

bool Select_List_Player(PLAYER_LIST_VIEW& View, int nTeam, int nSlot)
{
    if (View.pDialog == nullptr)
        return false;
    const int nRow = View.pDialog->Find_Row(View.nList, static_cast<int64_t>(nTeam) * 100 + nSlot);
    if (nRow < 0)
        return false;
    View.pDialog->Select_Row(View.nList, nRow);
    View.pDialog->Ensure_Visible(View.nList, nRow);
    View.pDialog->Set_Focus(View.nList);
    return true;
}

int Get_List_Selected_Player(const PLAYER_LIST_VIEW& View, int& nTeam, int& nSlot)
{
    nTeam = 255;
    nSlot = 255;
    if (View.pDialog == nullptr)
        return -1;
    const int nRow = View.pDialog->Selected_Row(View.nList);
    if (nRow < 0)
        return -1;
    const int nKey = static_cast<int>(View.pDialog->Row_Data(View.nList, nRow));
    nTeam = nKey / 100;
    nSlot = nKey % 100;
    return nKey;
}

void Clear_List_Selection(PLAYER_LIST_VIEW& View)
{
    if (View.pDialog != nullptr)
        View.pDialog->Select_Row(View.nList, -1);
}

int Get_List_Top_Row(const PLAYER_LIST_VIEW& View)
{
    return View.pDialog != nullptr ? std::max(View.pDialog->Get_Top_Index(View.nList), 0) : 0;
}

void Set_List_Top_Row(PLAYER_LIST_VIEW& View, int nRow)
{
    if (View.pDialog != nullptr)
        View.pDialog->Set_Top_Index(View.nList, std::max(nRow, 0));
}

int Get_List_Visible_Rows(const PLAYER_LIST_VIEW& View)
{
    if (View.pDialog == nullptr)
        return 0;
    // 8 dialog units of height are 13 pixels.
    return View.pDialog->Control_Pixels(View.nList).cy / 13;
}

// --- Input --------------------------------------------------------------------------------

bool Handle_Player_List_Notify(PLAYER_LIST_VIEW& View, int* pClickedCode)
{
    if (View.pDialog == nullptr)
        return false;
    const DIALOG_EVENT_INFO& Info = View.pDialog->Event();
    switch (Info.nNotification) {
    case LIST_COLUMN_CLICK: {
        const int nCode = View.pDialog->Column_Tag(View.nList, Info.nColumn);
        if (nCode < 0)
            return false;
        Set_List_Sort_Column(View, nCode + 1);
        Sort_Player_List(View);
        if (pClickedCode != nullptr)
            *pClickedCode = nCode;
        return true;
    }
    case LIST_RIGHT_CLICK:
        Show_List_Column_Menu(View, Info.x, Info.y);
        return true;
    default:
        return false;
    }
}

bool Handle_Player_List_Event(PLAYER_LIST_VIEW& View, int nEvent, int nControl, int* pClickedCode)
{
    if (nEvent != DIALOG_NOTIFY || nControl != View.nList)
        return false;
    return Handle_Player_List_Notify(View, pClickedCode);
}

int Show_List_Column_Menu(PLAYER_LIST_VIEW& View, int x, int y)
{
    if (View.pDialog == nullptr)
        return 0;
    MENU Menu;
    Menu.Items.push_back(Menu_Command(LIST_MENU_CHOOSE_COLUMNS, "Choose Column Headings..."));
    Menu.Items.push_back(Menu_Command(LIST_MENU_AUTO_SIZE, "Auto-Size Column Headings"));
    Menu.Items.push_back(Menu_Command(LIST_MENU_DEFAULT_COLUMNS, "Default Column Headings"));
    Menu.Items.push_back(Menu_Separator());
    Menu.Items.push_back(Menu_Command(LIST_MENU_COPY, "Copy Players to Clipboard"));
    const int nChoice = menus::Track_Popup_Menu(Menu, x, y);
    switch (nChoice) {
    case LIST_MENU_CHOOSE_COLUMNS:
        Run_Stat_Column_Chooser(View);
        if (View.pDialog != nullptr && View.pDialog->Focus() == 0)
            View.pDialog->Set_Focus(View.nList);
        break;
    case LIST_MENU_AUTO_SIZE:
        Size_List_Columns(View);
        break;
    case LIST_MENU_DEFAULT_COLUMNS:
        Apply_Preset_Columns(View, g_nListKind);
        break;
    case LIST_MENU_COPY:
        Copy_List_To_Clipboard(View);
        break;
    default:
        break;
    }
    return nChoice;
}

// --- Clipboard and totals --------------------------------------------------------------

std::string List_Cell_To_Clipboard(const std::string& Cell)
{
    if (Cell.empty() || Cell[0] != '$')
        return Cell;
    std::string Text = Cell;
    size_t nAt = Text.find('B');
    const char* szZeros = "000000";
    bool bDropDots = true;
    if (nAt == std::string::npos) {
        nAt = Text.find('M');
        szZeros = "000";
    }
    if (nAt == std::string::npos) {
        nAt = Text.find('K');
        szZeros = "00";
        bDropDots = false;
    }
    if (nAt == std::string::npos)
        return Text;
    Text[nAt] = '0';
    Text += szZeros;
    if (bDropDots)
        Text.erase(std::remove(Text.begin(), Text.end(), '.'), Text.end());
    return Text;
}

std::string Build_List_Clipboard_Text(const PLAYER_LIST_VIEW& View)
{
    const DIALOG_CONTROL* pList = List_Control(View);
    if (pList == nullptr || pList->Rows.empty())
        return std::string();
    const std::vector<int>& Order = pList->ColumnOrder;
    size_t nSize = 0;
    for (const DIALOG_ROW& Row : pList->Rows)
        for (const std::string& Cell : Row.Cells)
            nSize += Cell.size() + 4;
    std::string Text;
    Text.reserve(nSize + 256);
    for (size_t i = 0; i < Order.size(); ++i) {
        if (i > 0)
            Text += '\t';
        Text += pList->Columns[Order[i]].Text;
    }
    Text += "\r\n";
    for (const DIALOG_ROW& Row : pList->Rows) {
        for (size_t i = 0; i < Order.size(); ++i) {
            if (i > 0)
                Text += '\t';
            if (Order[i] < static_cast<int>(Row.Cells.size()))
                Text += List_Cell_To_Clipboard(Row.Cells[Order[i]]);
        }
        Text += "\r\n";
    }
    return Text;
}

void Copy_List_To_Clipboard(PLAYER_LIST_VIEW& View)
{
    // The whole text is built before the clipboard is touched: nothing is
    // ever cut, and an empty list leaves the clipboard as it was.
    std::string Text = Build_List_Clipboard_Text(View);
    if (Text.empty())
        return;
    Set_App_Cursor(UI_CURSOR_WAIT);
    Set_Clipboard_Text(Text);
    Set_App_Cursor(UI_CURSOR_ARROW);
}

namespace {

// Every thousands group of a number above 1000 ("1,005", "1,234,567").
std::string Group_Thousands(int64_t nValue)
{
    char szDigits[32];
    std::snprintf(szDigits, sizeof(szDigits), "%lld", static_cast<long long>(nValue));
    std::string Digits = szDigits;
    std::string Sign;
    if (!Digits.empty() && Digits[0] == '-') {
        Sign = "-";
        Digits.erase(0, 1);
    }
    std::string Out;
    const size_t n = Digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            Out += ',';
        Out += Digits[i];
    }
    return Sign + Out;
}

std::string Trim_Blanks(const char* szText)
{
    std::string Text = szText != nullptr ? szText : "";
    size_t nFirst = Text.find_first_not_of(' ');
    if (nFirst == std::string::npos)
        return std::string();
    size_t nLast = Text.find_last_not_of(' ');
    return Text.substr(nFirst, nLast - nFirst + 1);
}

}  // namespace

std::string Format_Column_Total(const char* szDescription, int64_t nTotal, bool bTenths)
{
    const std::string Description = Trim_Blanks(szDescription);
    char szTenths[8] = "";
    int64_t nWhole = nTotal;
    int64_t nLimit = 1000;
    if (bTenths) {
        nWhole = nTotal / 10;
        std::snprintf(szTenths, sizeof(szTenths), ".%d", static_cast<int>((nTotal < 0 ? -nTotal : nTotal) % 10));
        nLimit = 10000;
    }
    std::string Number;
    if (nTotal > nLimit) {
        Number = Group_Thousands(nWhole);
    } else {
        char szNumber[32];
        std::snprintf(szNumber, sizeof(szNumber), "%lld", static_cast<long long>(nWhole));
        Number = szNumber;
    }
    return Description + ": " + Number + szTenths;
}

bool Is_Summable_List_Column(int nCode)
{
    static constexpr int SUMMABLE[] = {9,  10, 16, 17, 18, 19, 20, 23, 24, 25, 26, 28, 29, 30, 31,
                                       33, 34, 35, 37, 38, 39, 41, 43, 44, 45, 46, 48, 49, 50, 51,
                                       52, 53, 54, 56, 57, 59, 61, 62, 101, 102, 108};
    return std::find(std::begin(SUMMABLE), std::end(SUMMABLE), nCode) != std::end(SUMMABLE);
}
