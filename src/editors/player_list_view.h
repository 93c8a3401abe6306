// The sortable player list: one report-list control of a dialog showing
// players as rows (key = team x 100 + roster slot) and statistics as
// columns (one of 113 column codes each). The view owns the column table,
// the text and sort value of every cell, the row order (a two-level sort:
// the sort column, then the previous one, then the key), the column layouts
// kept in the preferences block per list kind, the column popup menu and the
// copy of a list to the clipboard. The dialog decides which players are
// rows.
//
// How a dialog uses it:
//   DIALOG_INIT:    Attach_Player_List_View(View, Dialog, IDC_LIST, "LVD_Roster");
//                   Set_List_Kind(k); Load_List_Column_Layout(View);
//                   Rebuild_Listview_Columns(View);
//                   Init_Player_List_View(View); Add_Player_List_Key(...)...;
//                   Fill_Player_List(View); Sort_Player_List(View);
//   DIALOG_NOTIFY on the list: Handle_Player_List_Notify(View) (header click
//                   sorts, right click opens the column menu).
//   period change:  Refresh_Numeric_Cells(View).
//   DIALOG_DESTROY: Set_List_Kind(k); Save_List_Column_Layout(View);
//                   Detach_Player_List_View(View).
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string>

class DIALOG;

constexpr int LIST_CODE_COUNT = 113;      // column codes 0-112
constexpr int LIST_MAX_COLUMNS = 18;      // a layout keeps at most this many
constexpr int LIST_KEY_COUNT = 4100;      // 41 teams x 100 slots
constexpr int LIST_NO_KEY = -1;

// Column codes the dialogs name.
constexpr int LIST_CODE_NAME = 0;
constexpr int LIST_CODE_TEAM = 1;
constexpr int LIST_CODE_POS = 2;
constexpr int LIST_CODE_OVERALL = 3;
constexpr int LIST_CODE_PEAK = 4;
constexpr int LIST_CODE_SALARY = 5;
constexpr int LIST_CODE_SACKS = 49;
constexpr int LIST_CODE_STAT_LINE = 96;
constexpr int LIST_CODE_CSS = 97;

// Popup menu entries of the column menu.
constexpr int LIST_MENU_CHOOSE_COLUMNS = 1000;
constexpr int LIST_MENU_AUTO_SIZE = 1001;
constexpr int LIST_MENU_DEFAULT_COLUMNS = 1002;
constexpr int LIST_MENU_COPY = 1003;

// One row of the column table.
struct LIST_COLUMN {
    int nCode = 0;                   // 0-112, each code once
    const char* szHeader = "";
    const char* szDescription = "";  // shown by the column chooser; a trailing blank starts a group
    int nNumeric = 0;                // 1: re-read when the statistics period changes
    int nAlign = 0;                  // 0 left, 2 centred
    int nKey = 0;                    // the statistic, rating or vital stat the cell reads
};

// The column of a code (0-112; any other code gives code 0's row).
const LIST_COLUMN& Get_List_Column(int nCode);
// The table in its own order (the chooser's): index 0-112.
const LIST_COLUMN& Get_List_Column_At(int nTableIndex);
// The table index of a code; -1 for a code outside 0-112.
int Get_List_Column_Table_Index(int nCode);

// The state of one list.
struct PLAYER_LIST_VIEW {
    std::string Name;                 // for the trace line ("LVD_Roster", ...)
    DIALOG* pDialog = nullptr;        // the dialog holding the list
    int nList = 0;                    // the report-list control's id
    int nProgress = 0;                // a progress bar the fill shows; 0 none
    std::array<int32_t, LIST_KEY_COUNT> SortValues{};      // by key
    std::array<int32_t, LIST_KEY_COUNT> PrevSortValues{};  // by key
    std::array<int16_t, LIST_KEY_COUNT> Keys{};            // rows in insertion order; -1 ends
    int nKeyCount = 0;
    std::bitset<LIST_KEY_COUNT> Listed;                    // the keys among the rows
    int nFilling = 0;                 // 1 while Fill_Player_List runs
    int nPositionFilter = -1;         // the dialog's: 0-14 a position, -1 or 15 any
    int nGroupFilter = -1;            // the dialog's: the group code of the rows
    int nSortColumn = 0;              // code + 1; negative reverses; 0 none
    int nPrevSortColumn = 0;          // the sort column before the last change; 0 none
    int nColumnCount = 0;             // shown columns
    std::array<int, LIST_CODE_COUNT> ColumnCodes{};        // left to right
    std::array<std::string, LIST_CODE_COUNT> HeaderOverrides;  // by code; empty: the table's
    int64_t nRunningTotal = 0;        // sum of the sort values other than -1
};

// --- Attaching and rows ---------------------------------------------------
// Ties the view to a dialog's report list; clears the rows, the filters and
// the overrides. The layout is not loaded (Load_List_Column_Layout).
void Attach_Player_List_View(PLAYER_LIST_VIEW& View, DIALOG& Dialog, int nListControl, const char* szName);
// The dialog closes: the view forgets it (nothing more reaches the control).
void Detach_Player_List_View(PLAYER_LIST_VIEW& View);
// Empties the rows (keys and sort values); the control keeps its rows until
// the next fill.
void Init_Player_List_View(PLAYER_LIST_VIEW& View);
// Adds a row key (team x 100 + slot); false for a key outside 0-4099, one
// already listed, or a full list.
bool Add_Player_List_Key(PLAYER_LIST_VIEW& View, int nKey);
bool Add_Player_List_Row(PLAYER_LIST_VIEW& View, int nTeam, int nSlot);
// 1 when the slot holds a player and its key is among the rows.
int Is_Player_In_List(int nTeam, int nSlot, const PLAYER_LIST_VIEW& View);

// --- Layouts in the preferences block -------------------------------------
// The list kind (0 Sortable Stats, 1 Free Agents, 2 draft pool, 3 Find
// Players) whose slots the next load or save uses.
void Set_List_Kind(int nKind);
// Validates the current kind's slots, then takes count, sort column and codes.
void Load_List_Column_Layout(PLAYER_LIST_VIEW& View);
// Stores the shown columns in the order the user sees them (at most 18)
// and the sort column into the current kind's slots.
void Save_List_Column_Layout(const PLAYER_LIST_VIEW& View);
// Makes the current kind's slots legal: codes 0-112, each once, first in
// their order, the count matching; a count of 0 loads the kind's default
// row; a sort column not shown becomes 0.
void Validate_List_Columns();
// Writes default row nRow into the current kind's slots (sort column 0).
void Set_Default_List_Columns(int nRow);
// The view's columns become default row nRow.
void Set_List_Columns_From_Defaults(PLAYER_LIST_VIEW& View, int nRow);
// Replaces the columns with default row nRow, rebuilds and refills the list.
void Apply_Preset_Columns(PLAYER_LIST_VIEW& View, int nRow);

// --- Columns of the control ------------------------------------------------
// Empties the control and gives it exactly the view's shown columns.
void Rebuild_Listview_Columns(PLAYER_LIST_VIEW& View);
// Inserts a column of code nCode at display position nPosition.
void Insert_List_Column(PLAYER_LIST_VIEW& View, int nCode, int nPosition);
// The display position of the column showing nCode; -1 none.
int Find_List_Column(int nCode, const PLAYER_LIST_VIEW& View);
// Deletes the column of nCode; 1 when deleted, 0 when absent.
int Remove_List_Column(int nCode, PLAYER_LIST_VIEW& View);
// The control's column count.
int Get_Header_Column_Count(const PLAYER_LIST_VIEW& View);
// The codes of the control's columns in the order the user sees them.
int Get_Shown_Column_Codes(const PLAYER_LIST_VIEW& View, int* pCodes, int nMax);
// Widths: max(header, widest cell) + 10 pixels, the spare width of the
// list shared equally (the remainder a pixel each to the first columns).
void Size_List_Columns(PLAYER_LIST_VIEW& View);
int Measure_List_Column(const PLAYER_LIST_VIEW& View, int nColumn);

// --- Filling and sorting ---------------------------------------------------
// Fills the control with one row per key, every shown column's cell, and
// sizes the columns; the rows stand in key order until sorted.
void Fill_Player_List(PLAYER_LIST_VIEW& View);
// The statistics period changed: re-reads the numeric cells and, when the
// sort column is numeric, sorts again with fresh values.
void Refresh_Numeric_Cells(PLAYER_LIST_VIEW& View);
// A click on the header of code c sets s = c + 1: a new column becomes the
// sort column (the old one the previous), the same one reverses. The caller
// then sorts.
void Set_List_Sort_Column(PLAYER_LIST_VIEW& View, int nSortColumn);
void Sort_Player_List(PLAYER_LIST_VIEW& View);
// Recomputes the sort values of the current and the previous sort column
// for every row (and the running total).
void Compute_List_Sort_Values(PLAYER_LIST_VIEW& View);
// <0, 0, >0: the order of two row keys under the view's sort.
int Compare_List_Rows(int nKey1, int nKey2, const PLAYER_LIST_VIEW& View);

// --- Cells ------------------------------------------------------------------
// The text of one cell (when pText is not null) and its sort value: the
// stored number behind it, -1 when the cell has none.
int Format_Stat_Cell(std::string* pText, int nCode, int nTeam, int nSlot);
// scale 0 "%d"; 10 "%d.%01d"; 100 "%d.%02d"; 1000 "%d.%03d" (".%03d" below
// 1000); any other "%d%%".
std::string Format_Scaled_Number(int nValue, int nScale);
// The Stat Line cell (code 96): the front office's one-line summary is
// installed here by whoever provides it; without one the cell is empty.
using PLAYER_STAT_LINE_FORMATTER = std::string (*)(int nTeam, int nSlot);
void Set_Player_Stat_Line_Formatter(PLAYER_STAT_LINE_FORMATTER pFormatter);

// --- Selection ----------------------------------------------------------------
// Selects, focuses and shows the row of (team, slot); false when not listed.
bool Select_List_Player(PLAYER_LIST_VIEW& View, int nTeam, int nSlot);
// The selected row's key, -1 none; team and slot 255 when none.
int Get_List_Selected_Player(const PLAYER_LIST_VIEW& View, int& nTeam, int& nSlot);
void Clear_List_Selection(PLAYER_LIST_VIEW& View);
// The first row shown, and scrolling back to it after a refill (a fill
// shows the selected row, else the top); 0 for an empty list.
int Get_List_Top_Row(const PLAYER_LIST_VIEW& View);
void Set_List_Top_Row(PLAYER_LIST_VIEW& View, int nRow);
// How many rows the list shows at once: its height over 8 dialog units.
int Get_List_Visible_Rows(const PLAYER_LIST_VIEW& View);

// --- Input of the dialog ----------------------------------------------------
// Handles a DIALOG_NOTIFY of the view's list: a column click sorts (and
// returns the clicked code in *pClickedCode when not null), a right click
// opens the column menu. True when the event was the view's.
bool Handle_Player_List_Notify(PLAYER_LIST_VIEW& View, int* pClickedCode = nullptr);
// The same for any event of the dialog: false unless it is a DIALOG_NOTIFY
// of the view's list.
bool Handle_Player_List_Event(PLAYER_LIST_VIEW& View, int nEvent, int nControl, int* pClickedCode = nullptr);
// The column popup menu at (x, y): choose columns, auto-size, defaults,
// copy. Returns the chosen entry (0 none).
int Show_List_Column_Menu(PLAYER_LIST_VIEW& View, int x = 0, int y = 0);

// --- Clipboard and totals -----------------------------------------------------
// The text a copy puts on the clipboard: the header line and one line per
// row in the order shown, cells by tabs, lines ended by "\r\n", money as
// whole dollars; empty for no rows.
std::string Build_List_Clipboard_Text(const PLAYER_LIST_VIEW& View);
// Copies it; an empty list leaves the clipboard alone.
void Copy_List_To_Clipboard(PLAYER_LIST_VIEW& View);
// A money cell as whole dollars ("$1.25M" -> "$1250000"); other text as is.
std::string List_Cell_To_Clipboard(const std::string& Cell);
// The column total line of a summable column: "%s: %d" up to 1000, above
// with every thousands group ("1,005", "1,234,567"); for Sacks (tenths)
// "Sacks: %d.%d" with the whole sacks grouped the same way.
std::string Format_Column_Total(const char* szDescription, int64_t nTotal, bool bTenths);
// Whether a column's sort values add up to a total the dialogs show.
bool Is_Summable_List_Column(int nCode);
