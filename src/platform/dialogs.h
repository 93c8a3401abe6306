// Modal dialogs as the game code sees them: a dialog is its controls (by
// id: text, list items, selection, check state, rectangle) and a procedure
// that fills them when the dialog opens and answers each event (a button
// pressed, a selection or text changed, a paint, a timer). A dialog is built
// from its template (dialog_template.h) when its id has one; a procedure may
// still add controls at run time.
//
// The model is the truth. A backend (ui_backend.h) shows it and feeds the
// user's input back through the User_* operations, which send the procedure
// the same events the headless driver sends. The headless backend (always
// built) applies the actions queued for the dialog, then presses its default
// button, and records every dialog run.
//
// Text is Windows-1252 throughout; "&" in a caption marks the mnemonic.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/ui_backend.h"

enum DIALOG_CONTROL_KIND : int {
    CONTROL_LABEL,
    CONTROL_EDIT,
    CONTROL_COMBO,      // drop-down list
    CONTROL_LIST,       // list box (CS_MULTI_SELECT: several selected; tab stops)
    CONTROL_CHECK,
    CONTROL_BUTTON,
    CONTROL_RADIO,      // a group runs from a CS_GROUP control to the next
    CONTROL_GROUP,      // group box: a frame with a caption
    CONTROL_UPDOWN,     // spin arrows with a range, a position and a buddy edit
    CONTROL_TRACKBAR,   // a slider with a range and a position
    CONTROL_PROGRESS,   // progress bar with a range and a position
    CONTROL_PAINT,      // an area the procedure paints (DIALOG_PAINT) and clicks reach
    CONTROL_REPORT,     // report list with a header: columns, rows, cells
    CONTROL_KIND_COUNT
};

// A report list's column: Tag is the caller's code for what it shows.
enum DIALOG_COLUMN_ALIGN : int { COLUMN_LEFT, COLUMN_CENTER, COLUMN_RIGHT };
struct DIALOG_COLUMN {
    int nTag = 0;
    std::string Text;
    int nWidth = 0;   // pixels; 0 lets the backend choose
    int nAlign = COLUMN_LEFT;
};

// A report list's row: the caller's item data and one text per column (in
// the columns' own order, not the user's display order).
struct DIALOG_ROW {
    int64_t nData = 0;
    std::vector<std::string> Cells;
    bool bSelected = false;
};

struct DIALOG_CONTROL {
    int nId = 0;
    int nKind = CONTROL_LABEL;
    std::string Text;                   // label, edit text or caption
    std::vector<std::string> Items;     // combo and list entries
    std::vector<int64_t> ItemData;      // per item (kept as long as Items)
    std::vector<uint8_t> ItemSelected;  // multi-select list: per item
    int nSelected = -1;                 // combo and list (multi: the caret); -1 none
    bool bChecked = false;              // check box and radio button
    bool bEnabled = true;
    bool bVisible = true;
    UI_RECT Rect;                       // dialog units, as laid out now
    UI_RECT TemplateRect;               // as the template gave it (anchors start here)
    unsigned nStyle = 0;                // CS_*
    int nTextLimit = 0;                 // edit: most characters; 0 none
    int nMin = 0;                       // up-down, trackbar, progress
    int nMax = 0;
    int nPosition = 0;
    int nBuddy = 0;                     // up-down's edit
    std::vector<int> TabStops;          // list: dialog units
    int nTopIndex = 0;                  // list and report: the first row shown
    // Report list.
    std::vector<DIALOG_COLUMN> Columns;
    std::vector<int> ColumnOrder;       // display order: indexes into Columns
    std::vector<DIALOG_ROW> Rows;
    int nFocusRow = -1;
    unsigned nRowsRevision = 0;         // bumped when rows change, for backends
    // The last sort, for a backend that shows rows already: the rows of
    // revision nSortedFrom, moved so that new row i is old row SortOrder[i],
    // make revision nRowsRevision (a backend reorders instead of refilling).
    std::vector<int> SortOrder;
    unsigned nSortedFrom = ~0u;
    // Begin_Update / End_Update nesting: while above 0 the backend is not
    // told of the control's changes (a fill of thousands of cells), and is
    // told once at the last End_Update.
    int nUpdateDepth = 0;
};

// Events a procedure answers.
enum DIALOG_EVENT : int {
    DIALOG_INIT,      // opening; Param() holds the caller's parameter
    DIALOG_COMMAND,   // a control's command: Event().nNotification says which
    DIALOG_NOTIFY,    // report list: Event().nNotification is a LIST_* code
    DIALOG_PAINT,     // paint area nControl (0: the dialog): Event().pCanvas, .Area
    DIALOG_CLICK,     // paint area nControl clicked at Event().x, .y (pixels in it)
    DIALOG_SIZE,      // the dialog resized: Event().x, .y its client size in pixels
    DIALOG_TIMER,     // timer nControl fired
    DIALOG_DESTROY,   // closing (after the end): save what must be kept
    DIALOG_SCROLL,    // up-down or trackbar nControl moved: Event().nPosition
    DIALOG_DRAW_ITEM, // owner-drawn combo or list nControl: item Event().nRow into
                      // Event().pCanvas at Event().Area; Event().nCode 1 when selected
};

// Command notifications (DIALOG_COMMAND).
enum DIALOG_NOTIFICATION : int {
    NOTIFY_CLICKED,             // button, check box, radio button
    NOTIFY_SELECTION_CHANGED,   // combo, list
    NOTIFY_DOUBLE_CLICK,        // list
    NOTIFY_TEXT_CHANGED,        // edit
    NOTIFY_FOCUS_GAINED,        // any control
    NOTIFY_DROPPED_DOWN,        // combo's list opened
    NOTIFY_FOCUS_LOST,          // edit, combo, list or report list: the focus went elsewhere
};

// Report-list notifications (DIALOG_NOTIFY).
enum DIALOG_LIST_NOTIFICATION : int {
    LIST_COLUMN_CLICK,   // Event().nColumn: index into Columns; Event().nTag its tag
    LIST_ITEM_CHANGED,   // Event().nRow: selection or focus moved
    LIST_DOUBLE_CLICK,   // Event().nRow
    LIST_RIGHT_CLICK,    // Event().nRow (-1 on the header or no row), .x, .y, .bOnHeader
};

// Scroll codes (DIALOG_SCROLL, Event().nCode).
enum DIALOG_SCROLL_CODE : int { SCROLL_DOWN, SCROLL_UP, SCROLL_THUMB };

struct DIALOG_EVENT_INFO {
    int nNotification = NOTIFY_CLICKED;
    int nCode = 0;
    int nRow = -1;
    int nColumn = -1;
    int x = 0;
    int y = 0;
    int nPosition = 0;
    bool bOnHeader = false;
    int nTag = 0;         // LIST_COLUMN_CLICK: the clicked column's tag
    CANVAS* pCanvas = nullptr;
    UI_RECT Area;
};

class DIALOG {
public:
    DIALOG(int nDialogId, std::string Title, DIALOG_PROC pProc, void* pParam);
    ~DIALOG();
    DIALOG(const DIALOG&) = delete;
    DIALOG& operator=(const DIALOG&) = delete;

    int Id() const { return m_nId; }
    const std::string& Title() const { return m_Title; }
    void Set_Title(const std::string& Title);
    void* Param() const { return m_pParam; }
    DIALOG_PROC Proc() const { return m_pProc; }
    // The template it was built from; null for a dialog of added controls.
    const DIALOG_TEMPLATE* Template() const { return m_pTemplate; }
    unsigned Style() const { return m_nStyle; }
    // Client size in dialog units (the template's, or as resized).
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }

    // Builds the controls of a template (replacing any).
    void Build(const DIALOG_TEMPLATE& Template);
    // Builds from the template registered for its id, unless it was built
    // from one already (a procedure calls it first thing, so that a dialog
    // made by hand gets its controls too); false when it has none.
    bool Build_Registered();
    // Adds a control (one of the same id keeps its rectangle and style but
    // takes the new kind and text, its content emptied) and returns it.
    DIALOG_CONTROL& Add(int nId, int nKind, const std::string& Text = std::string());
    // The same, laid out at Rect (dialog units; anchored from there).
    DIALOG_CONTROL& Add(int nId, int nKind, const std::string& Text, const UI_RECT& Rect, unsigned nStyle = 0);
    // Removes a control at run time; false when there is none.
    bool Remove(int nId);
    // The control of an id; null when the dialog has none.
    DIALOG_CONTROL* Find(int nId);
    const DIALOG_CONTROL* Find(int nId) const;
    const std::vector<DIALOG_CONTROL>& Controls() const { return m_Controls; }

    // Reads and writes; a missing control reads empty / -1 / false and a
    // write to it does nothing. Writes reach the backend.
    std::string Get_Text(int nId) const;
    void Set_Text(int nId, const std::string& Text);
    int Get_Int(int nId) const;   // the text read as atoi does
    int Get_Selected(int nId) const;
    void Set_Selected(int nId, int nIndex);
    bool Is_Checked(int nId) const;
    void Set_Checked(int nId, bool bChecked);
    // Checks one radio button of a group and unchecks the rest of its group.
    void Check_Radio(int nId);
    void Enable(int nId, bool bEnabled);
    bool Is_Enabled(int nId) const;
    void Show(int nId, bool bVisible);
    bool Is_Visible(int nId) const;
    void Set_Focus(int nId);
    int Focus() const { return m_nFocus; }
    // A control's rectangle in pixels of the client area (6 x 13 a base unit);
    // empty when there is no such control.
    UI_RECT Control_Pixels(int nId) const;
    // Moves and resizes a control by deltas (dialog units).
    void Move_Control_By(int nId, int dx, int dy, int dcx, int dcy);

    // Combo and list items.
    void Clear_Items(int nId);
    int Add_Item(int nId, const std::string& Text, int64_t nData = 0);   // its index
    int Insert_Item(int nId, int nIndex, const std::string& Text, int64_t nData = 0);
    int Item_Count(int nId) const;
    std::string Item_Text(int nId, int nIndex) const;
    int64_t Item_Data(int nId, int nIndex) const;   // 0 when out of range
    void Set_Item_Data(int nId, int nIndex, int64_t nData);
    // The first item beginning with Prefix, ignoring case; -1 none.
    int Find_Item_Prefix(int nId, const std::string& Prefix) const;
    // Cuts every item at its last ".".
    void Strip_Item_Extensions(int nId);
    void Set_Tab_Stops(int nId, const std::vector<int>& Stops);
    // Multi-select list.
    void Set_Item_Selected(int nId, int nIndex, bool bSelected);
    bool Is_Item_Selected(int nId, int nIndex) const;
    std::vector<int> Selected_Items(int nId) const;
    // The caret entry of a multi-select list (the one the keyboard is on;
    // -1 none): moving it selects nothing. A single-select list's caret is
    // its selection.
    int Get_Caret_Index(int nId) const;
    void Set_Caret_Index(int nId, int nIndex);
    // List and report list: the first entry or row shown (Set_Top_Index
    // scrolls; clamped to the entries there are).
    void Set_Top_Index(int nId, int nIndex);
    int Get_Top_Index(int nId) const;

    // Up-down, trackbar and progress bar.
    void Set_Range(int nId, int nMin, int nMax);
    void Set_Position(int nId, int nPosition);   // clamped to the range
    int Get_Position(int nId) const;

    // Report list. The model keeps the rows in the order given: sorting is
    // the caller's (Sort_Rows), never the backend's.
    void Add_Column(int nId, int nTag, const std::string& Text, int nWidth = 0, int nAlign = COLUMN_LEFT);
    void Clear_Columns(int nId);
    int Column_Count(int nId) const;
    int Column_Tag(int nId, int nColumn) const;   // -1 out of range
    // The index (into Columns) of the first column with a tag; -1 none.
    int Find_Column(int nId, int nTag) const;
    // Widths in pixels (0: the backend chooses); the user's resizing lands here.
    int Column_Width(int nId, int nColumn) const;   // 0 out of range
    void Set_Column_Width(int nId, int nColumn, int nWidth);
    // The width in pixels of a text in the list's font, as a cell shows it
    // (no mnemonic marks). Headless: 6 pixels a byte (Ui_Text_Width).
    int Text_Width(int nId, const std::string& Text) const;
    std::vector<int> Column_Order(int nId) const;
    // A new display order; false (nothing changed) unless it is a permutation.
    bool Set_Column_Order(int nId, const std::vector<int>& Order);
    void Clear_Rows(int nId);
    int Add_Row(int nId, int64_t nData);   // its index
    // A row keyed by nKey (its item data; the player lists use team x 100 +
    // slot) with its cells, one per column in the columns' own order (fewer
    // are padded empty, more are dropped); its index.
    int Add_Row(int nId, int64_t nKey, const std::vector<std::string>& Cells);
    void Set_Row_Cells(int nId, int nRow, const std::vector<std::string>& Cells);
    void Set_Cell(int nId, int nRow, int nColumn, const std::string& Text);
    std::string Cell(int nId, int nRow, int nColumn) const;
    int Row_Count(int nId) const;
    int64_t Row_Data(int nId, int nRow) const;
    int Find_Row(int nId, int64_t nData) const;   // -1 none (the first row of a key)
    int64_t Row_Key(int nId, int nRow) const { return Row_Data(nId, nRow); }
    // Single selection: selects one row (-1 none) and gives it the focus.
    void Select_Row(int nId, int nRow);
    int Selected_Row(int nId) const;   // the first selected; -1 none
    // The focused row (the keyboard's; -1 none); setting it selects nothing.
    int Focused_Row(int nId) const;
    void Set_Focused_Row(int nId, int nRow);
    // Scrolls as little as needed for the row to be shown (top row moves).
    void Ensure_Visible(int nId, int nRow);
    // Reorders the rows by a strict weak order on them (stable). Selection,
    // focus and item data go with their rows; the top row index stays.
    void Sort_Rows(int nId, bool (*pLess)(const DIALOG_ROW&, const DIALOG_ROW&, void*), void* pContext);
    // The same by a strict weak order on the rows' keys (stable: rows of
    // equal keys keep their order).
    void Sort_Rows_By_Key(int nId, bool (*pLess)(int64_t, int64_t, void*), void* pContext);
    // Suspends showing a control's changes during a fill (nests); the last
    // End_Update shows the whole result at once.
    void Begin_Update(int nId);
    void End_Update(int nId);
    bool Is_Updating(int nId) const;

    // Paint areas: asks for a new paint (null area: all of it).
    void Invalidate(int nId, const UI_RECT* pArea = nullptr);
    // Timers of this dialog: DIALOG_TIMER with the timer's id every nMs.
    void Set_Timer(int nTimer, int nMs);
    void Kill_Timer(int nTimer);

    // Moves the dialog out of the way (the user's picture of the league is
    // needed behind it) and back where it was. Headless nothing moves; the
    // state is kept so the backend and tests can read it.
    void Move_Aside();
    void Move_Back();
    bool Is_Aside() const { return m_bAside; }

    // Ends the dialog with a result (Do_Dialog returns it).
    void End(int nResult);
    bool Ended() const { return m_bEnded; }
    int Result() const { return m_nResult; }

    // The button pressed when the user just confirms (Enter): the
    // template's CS_DEFAULT button, else 1, unless set.
    int Default_Button() const { return m_nDefaultButton; }
    void Set_Default_Button(int nId) { m_nDefaultButton = nId; }
    // The control the keyboard opens on, given the one it would reach first
    // (the procedure's Set_Focus, else the backend's first in its own tab
    // order; 0 none). A push button other than the default gives way to the
    // default button, when that one can be pressed: Enter presses a focused
    // button, and Enter in a dialog presses its default.
    int Opening_Focus(int nReached) const;

    // The details of the event being handled.
    const DIALOG_EVENT_INFO& Event() const { return m_Event; }

    // --- Input, from a backend or the headless driver ---------------------
    // Each sends the procedure its event and returns false (nothing sent)
    // when the control cannot take it: missing, hidden, disabled, wrong kind.
    bool User_Press(int nId);
    // Escape or the close box: the Cancel button's command when there is
    // an enabled one, else ends with Cancel; false when the style ignores it.
    bool User_Cancel();
    // Typed or pasted text (Windows-1252): refused when a byte is none of
    // Windows-1252's characters, or the text passes the edit's limit.
    bool User_Set_Text(int nId, const std::string& Text);
    bool User_Check(int nId, bool bChecked);
    bool User_Radio(int nId);
    bool User_Select(int nId, int nIndex);
    bool User_Double_Click(int nId, int nIndex);
    bool User_Select_Items(int nId, const std::vector<int>& Indexes);   // multi-select list
    // Multi-select list: Ctrl+click on one entry flips its selection and
    // puts the caret there (NOTIFY_SELECTION_CHANGED).
    bool User_Toggle_Item(int nId, int nIndex);
    // The user scrolled a list or report list: the first entry shown now
    // (no event; the model keeps it).
    bool User_Scroll(int nId, int nTopIndex);
    bool User_Focus(int nId);
    bool User_Drop_Down(int nId);
    bool User_Spin(int nId, bool bUp);
    // Up or Down pressed in a control: in the buddy edit of an up-down it
    // moves the up-down as its arrow does (true, the key taken, also at the
    // end of the range); false, and nothing done, in any other control.
    bool User_Arrow_Key(int nId, bool bUp);
    bool User_Track(int nId, int nPosition);
    bool User_Click(int nId, int x, int y);
    bool User_Paint(int nId, CANVAS* pCanvas, const UI_RECT& Area);
    // An owner-drawn (CS_OWNER_DRAW) combo or list asks for an item's picture.
    bool User_Draw_Item(int nId, int nItem, CANVAS* pCanvas, const UI_RECT& Area, bool bSelected);
    // Report list.
    bool User_Header_Click(int nId, int nColumn);
    bool User_Row_Select(int nId, int nRow);
    bool User_Row_Double_Click(int nId, int nRow);
    bool User_Right_Click(int nId, int nRow, int x, int y, bool bOnHeader);
    bool User_Column_Order(int nId, const std::vector<int>& Order);
    // A header dragged to display position nPosition (0 the leftmost); the
    // other columns keep their order.
    bool User_Move_Column(int nId, int nColumn, int nPosition);
    // The user dragged a column's edge (no event; the model keeps it).
    bool User_Column_Width(int nId, int nColumn, int nWidth);
    // The client resized (pixels): clamped to the minimum, controls moved by
    // their anchors, then DIALOG_SIZE.
    bool User_Size(int cxPixels, int cyPixels);
    bool User_Timer(int nTimer);

    // True for the commands that change something: a click, a selection
    // changed, a text changed (not focus, drop-down or double click).
    bool Is_Change_Command() const
    {
        return m_Event.nNotification == NOTIFY_CLICKED || m_Event.nNotification == NOTIFY_SELECTION_CHANGED ||
               m_Event.nNotification == NOTIFY_TEXT_CHANGED;
    }

    // Sends an event straight to the procedure (the runner uses it).
    void Send(int nEvent, int nControl, const DIALOG_EVENT_INFO& Info = DIALOG_EVENT_INFO());
    // True between the backend's showing and the end of the run.
    bool Is_Open() const { return m_bOpen; }
    void Set_Open(bool bOpen) { m_bOpen = bOpen; }
    // The backend's own data of this dialog (its widgets); the model never reads it.
    void* Backend_Data() const { return m_pBackendData; }
    void Set_Backend_Data(void* pData) { m_pBackendData = pData; }

private:
    void Changed(int nControl);
    DIALOG_CONTROL* Usable(int nId, int nKind);

    int m_nId;
    std::string m_Title;
    DIALOG_PROC m_pProc;
    void* m_pParam;
    const DIALOG_TEMPLATE* m_pTemplate = nullptr;
    unsigned m_nStyle = 0;
    int m_cx = 0;
    int m_cy = 0;
    std::vector<DIALOG_CONTROL> m_Controls;
    bool m_bEnded = false;
    int m_nResult = 0;
    int m_nDefaultButton = 1;
    int m_nFocus = 0;
    bool m_bOpen = false;
    bool m_bAside = false;
    void* m_pBackendData = nullptr;
    DIALOG_EVENT_INFO m_Event;
};

constexpr int DIALOG_OK = 1;
constexpr int DIALOG_CANCEL = 2;

// Find_Mnemonic_Clash of dialog_template.h for a dialog as it stands (its
// Controls(), or a record's): the captions as set at run time, hidden and
// removed controls left out.
std::string Find_Mnemonic_Clash(const std::vector<DIALOG_CONTROL>& Controls);

// Runs a registered dialog: built from its template, DIALOG_INIT, then the
// user's (or the script's) actions until it ends; returns its result. An id
// with nothing registered shows one box naming it and returns DIALOG_CANCEL.
int Do_Dialog(int nDialogId, void* pParam = nullptr);
// Runs a dialog with this procedure: built from the id's template when it
// has one (the title given, when not null, replaces the template's), else
// of the controls the procedure adds. A dialog that no action ends is closed
// with its default button, then with Cancel; one that ends with neither
// gives DIALOG_CANCEL.
int Do_Dialog(int nDialogId, const char* szTitle, DIALOG_PROC pProc, void* pParam = nullptr);

// --- The headless driver's actions, queued by tests and the script runner -
enum DIALOG_ACTION_KIND : int {
    ACTION_SET_TEXT,       // edit's text := Text
    ACTION_SELECT,         // combo or list: the entry equal to Text (case-insensitive), else index nValue
    ACTION_CHECK,          // check box := nValue != 0
    ACTION_PRESS,          // button nControl pressed
    ACTION_SPIN,           // up-down: nValue != 0 up, else down
    ACTION_RADIO,          // radio button nControl chosen
    ACTION_DOUBLE_CLICK,   // list: the entry as ACTION_SELECT; report list: row nValue
    ACTION_ROW_SELECT,     // report list: row nValue (or the first whose first cell is Text)
    ACTION_HEADER_CLICK,   // report list: column nValue (index into its columns)
    ACTION_RIGHT_CLICK,    // report list: row nValue (-1: the header)
    ACTION_TIMER,          // timer nValue of the dialog fires (nControl unused)
    ACTION_TRACK,          // trackbar := nValue
    ACTION_CANCEL,         // Escape (nControl unused)
    ACTION_TOGGLE,         // multi-select list: flip the entry as ACTION_SELECT names it
    ACTION_COLUMN_CLICK,   // report list: the header of the column whose tag is nValue
    ACTION_MOVE_COLUMN,    // report list: the column of tag nValue dragged to display position nValue2
    ACTION_MENU,           // report list: right click on the focused row (else the list),
                           // then the popup entry Text (single "&" ignored, any case)
    ACTION_KIND_COUNT
};

struct DIALOG_ACTION {
    int nKind = ACTION_PRESS;
    int nControl = 0;
    std::string Text;
    int nValue = 0;
    int nValue2 = 0;
};

// What a dialog run did, for the log and the tests.
struct DIALOG_RECORD {
    int nDialogId = 0;
    std::string Title;
    int nResult = 0;
    std::vector<std::string> Lines;   // one line per action applied, and the end
    // What the dialog held when it ended (before DIALOG_DESTROY): every
    // control's state (texts, items, selections, a report list's columns
    // in the user's order and rows in their order), and its last title.
    std::vector<DIALOG_CONTROL> Controls;
    std::string Final_Title;
    const DIALOG_CONTROL* Find(int nId) const;
};

// An entry's text as scripts match it: "&" marks dropped ("&&" a literal
// "&"), compared without regard to case.
bool Same_Entry_Text(const std::string& Entry, const std::string& Wanted);
// A report list's cells of one row in the user's column order.
std::vector<std::string> Row_Texts_Shown(const DIALOG_CONTROL& Control, int nRow);
// Its headers in the user's order.
std::vector<std::string> Column_Texts_Shown(const DIALOG_CONTROL& Control);

namespace dialogs {
// Actions for the next dialogs, in order; a dialog takes those queued for it
// (the queue holds (dialog id, action) pairs) and no others.
void Queue_Action(int nDialogId, const DIALOG_ACTION& Action);
void Clear_Actions();
// Actions still queued (a script checks none is left unused).
size_t Pending_Actions();
const std::vector<DIALOG_RECORD>& Records();
void Reset();
// An action the open dialog cannot carry out (no such control, no such
// entry) is refused, and the refusal is kept here for the caller that
// queued it (the script runner stops with it); see Set_Actions_Act_Once.
const std::string& Last_Refusal();
void Clear_Refusal();

// For backends: the next action queued for a dialog id (false: none).
bool Take_Action(int nDialogId, DIALOG_ACTION& Action);
// The record line of an action, as the headless run writes it.
std::string Describe_Action(const DIALOG_ACTION& Action);
// Carries out an action on the model (the headless way); false when refused.
bool Apply_Action(DIALOG& Dialog, const DIALOG_ACTION& Action);
// Keeps a refusal (the record line and Last_Refusal) for the open dialog;
// while actions act once, it also ends the dialog with Cancel.
void Refuse(DIALOG& Dialog, const std::string& Why);
// The action just carried out did not do its work (a file it chose did not
// load): the record gets "failed: Why" after the action's own line, which a
// script's failure then names. While actions act once, the dialog's other
// actions are dropped and it ends with Cancel, as after a refusal; otherwise
// (the user at the window) it stays open for another choice.
void Fail_Action(DIALOG& Dialog, const std::string& Why);
// Adds a line to the record of the open dialog.
void Record_Line(DIALOG& Dialog, const std::string& Line);
// Nobody sits at the keyboard (a script or a test drives the program):
// every dialog ends as the headless run ends it. Headless always is.
bool Unattended();
void Set_Unattended(bool bUnattended);
// Presses the default button, then Cancel, as the unattended end does. While
// defaults are held (below) and actions wait for a dialog that is not open,
// the default is not taken: Cancel is pressed ("press 2 (held)") and the
// dialog counts as held, so that what the user did not ask for (a save, say)
// is never done on the way to a failure.
void Finish_Unattended(DIALOG& Dialog);
// A script sets this while a step of its own runs: its queued actions belong
// to the dialogs that step opens.
void Set_Defaults_Held_For_Waiting_Actions(bool bHold);
// Dialogs ended without their default because actions waited elsewhere.
int Count_Held_Defaults();
// A script sets this for its whole run: each queued action acts once or not
// at all. An action the dialog could never take (a control it lacks or of
// another kind) is refused before any of the dialog's actions is carried
// out; any refusal drops the dialog's other actions and ends it with Cancel;
// a dialog still open after its actions is closed by Cancel ("press 2 (left
// open)"), not by its default. Otherwise (a test that queues actions to
// watch a procedure) a refusal is only kept and the run goes on.
void Set_Actions_Act_Once(bool bOnce);
}  // namespace dialogs
