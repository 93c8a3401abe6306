// Running a dialog: the registry's or the caller's procedure, the backend's
// modal run (headless: the queued actions, then the default button), and
// the record of every run.
#include <strings.h>

#include <cstdio>

#include <deque>
#include <utility>

#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/menus.h"
#include "platform/ui.h"
#include "platform/ui_text.h"

namespace {

std::deque<std::pair<int, DIALOG_ACTION>> g_Actions;
std::vector<DIALOG_RECORD> g_Records;
std::string g_Refusal;
bool g_bUnattended = false;
bool g_bHoldDefaults = false;
bool g_bActOnce = false;
int g_nHeldDefaults = 0;
// A dialog a procedure keeps pressing into never ends: a bound on the
// actions of one run keeps a script from looping.
constexpr int MAX_ACTIONS_PER_DIALOG = 10000;

// The dialogs open now, innermost last, each with its record.
struct OPEN_RUN {
    DIALOG* pDialog;
    DIALOG_RECORD* pRecord;
    int nTaken = 0;   // queued actions it took
};
std::vector<OPEN_RUN> g_Open;

DIALOG_RECORD* Record_Of(const DIALOG& Dialog)
{
    for (auto It = g_Open.rbegin(); It != g_Open.rend(); ++It)
        if (It->pDialog == &Dialog)
            return It->pRecord;
    return nullptr;
}

std::string Quoted(const std::string& Text)
{
    return "\"" + Text + "\"";
}

// The entry an action names: Text (ignoring case) when given, else nValue.
int Entry_Of(const DIALOG_CONTROL& Control, const DIALOG_ACTION& Action)
{
    if (!Action.Text.empty()) {
        for (size_t i = 0; i < Control.Items.size(); ++i)
            if (Same_Entry_Text(Control.Items[i], Action.Text))
                return static_cast<int>(i);
        return -1;
    }
    if (Action.nValue >= 0 && Action.nValue < static_cast<int>(Control.Items.size()))
        return Action.nValue;
    return -1;
}

// The row an action names: the first whose first cell is Text when given,
// else nValue.
int Row_Of(const DIALOG_CONTROL& Control, const DIALOG_ACTION& Action)
{
    if (!Action.Text.empty()) {
        for (size_t i = 0; i < Control.Rows.size(); ++i)
            if (!Control.Rows[i].Cells.empty() && Same_Entry_Text(Control.Rows[i].Cells[0], Action.Text))
                return static_cast<int>(i);
        return -1;
    }
    if (Action.nValue >= 0 && Action.nValue < static_cast<int>(Control.Rows.size()))
        return Action.nValue;
    return -1;
}

std::string Entry_Name(const DIALOG_ACTION& Action)
{
    return Quoted(Action.Text.empty() ? std::to_string(Action.nValue) : Action.Text);
}

// Why the control cannot take the action; "" when it can. With bNow false
// only what cannot change while the dialog is open counts (the control's
// kind, a text no edit could hold): its entries, rows and columns may yet be
// filled by the actions before it.
std::string Kind_Refusal(const DIALOG& Dialog, const DIALOG_CONTROL& C, const DIALOG_ACTION& Action,
                         const std::string& Where, bool bNow = true)
{
    switch (Action.nKind) {
    case ACTION_SET_TEXT:
        if (C.nKind != CONTROL_EDIT)
            return Where + " takes no text";
        if ((C.nStyle & CS_TEXT_PUT_BACK) != 0) {
            // Such a line would be logged as done and change nothing.
            for (const DIALOG_CONTROL& UpDown : Dialog.Controls())
                if (UpDown.nKind == CONTROL_UPDOWN && UpDown.nBuddy == C.nId)
                    return Where + " puts typed text back: the arrows of control " + std::to_string(UpDown.nId) +
                           " set the count (spin " + std::to_string(UpDown.nId) + " up or down)";
            return Where + " puts typed text back";
        }
        if (bNow && (C.nStyle & CS_READONLY) != 0)
            return Where + " is read-only";
        if (C.nTextLimit > 0 && static_cast<int>(Action.Text.size()) > C.nTextLimit)
            return Where + " takes at most " + std::to_string(C.nTextLimit) + " characters";
        if (!Is_Windows_1252_Text(Action.Text))
            return Where + " cannot hold that text";
        if ((C.nStyle & CS_MULTILINE) == 0 && Action.Text.find_first_of("\r\n") != std::string::npos)
            return Where + " takes one line";
        return "";
    case ACTION_SELECT:
        if (C.nKind == CONTROL_REPORT)
            return bNow && Row_Of(C, Action) < 0 ? Where + " has no row " + Entry_Name(Action) : "";
        if (C.nKind != CONTROL_COMBO && C.nKind != CONTROL_LIST)
            return Where + " is no list";
        return bNow && Entry_Of(C, Action) < 0 ? Where + " has no entry " + Entry_Name(Action) : "";
    case ACTION_TOGGLE:
        if (C.nKind != CONTROL_LIST || (C.nStyle & CS_MULTI_SELECT) == 0)
            return Where + " is no multi-select list";
        return bNow && Entry_Of(C, Action) < 0 ? Where + " has no entry " + Entry_Name(Action) : "";
    case ACTION_COLUMN_CLICK:
    case ACTION_MOVE_COLUMN: {
        if (C.nKind != CONTROL_REPORT)
            return Where + " is no report list";
        if (!bNow)
            return "";
        bool bFound = false;
        for (const DIALOG_COLUMN& Column : C.Columns)
            bFound = bFound || Column.nTag == Action.nValue;
        if (!bFound)
            return Where + " has no column " + std::to_string(Action.nValue);
        if (Action.nKind == ACTION_MOVE_COLUMN && (Action.nValue2 < 0 || Action.nValue2 >= static_cast<int>(C.Columns.size())))
            return Where + " has no column position " + std::to_string(Action.nValue2);
        return "";
    }
    case ACTION_MENU:
        return C.nKind != CONTROL_REPORT ? Where + " is no report list" : "";
    case ACTION_DOUBLE_CLICK:
        if (C.nKind == CONTROL_LIST)
            return bNow && Entry_Of(C, Action) < 0 ? Where + " has no entry " + Entry_Name(Action) : "";
        if (C.nKind == CONTROL_REPORT)
            return bNow && Row_Of(C, Action) < 0 ? Where + " has no row " + Entry_Name(Action) : "";
        return Where + " is no list";
    case ACTION_CHECK:
        return C.nKind != CONTROL_CHECK ? Where + " is no check box" : "";
    case ACTION_PRESS:
        // A press on a radio button is a click on it: it is chosen.
        return C.nKind != CONTROL_BUTTON && C.nKind != CONTROL_RADIO ? Where + " is no button" : "";
    case ACTION_SPIN:
        return C.nKind != CONTROL_UPDOWN ? Where + " is no up-down control" : "";
    case ACTION_RADIO:
        return C.nKind != CONTROL_RADIO ? Where + " is no radio button" : "";
    case ACTION_TRACK:
        return C.nKind != CONTROL_TRACKBAR ? Where + " is no trackbar" : "";
    case ACTION_ROW_SELECT:
        if (C.nKind != CONTROL_REPORT)
            return Where + " is no report list";
        return bNow && Row_Of(C, Action) < 0 ? Where + " has no row " + Entry_Name(Action) : "";
    case ACTION_HEADER_CLICK:
        if (C.nKind != CONTROL_REPORT)
            return Where + " is no report list";
        return bNow && (Action.nValue < 0 || Action.nValue >= static_cast<int>(C.Columns.size()))
                   ? Where + " has no column " + std::to_string(Action.nValue)
                   : "";
    case ACTION_RIGHT_CLICK:
        if (C.nKind != CONTROL_REPORT)
            return Where + " is no report list";
        return bNow && (Action.nValue < -1 || Action.nValue >= static_cast<int>(C.Rows.size()))
                   ? Where + " has no row " + std::to_string(Action.nValue)
                   : "";
    default:
        return "unknown action";
    }
}

// A refused action ends its dialog before anything more is done: the
// actions still queued for it are dropped (each recorded as not carried
// out, in the order queued), then Cancel is pressed, and when that does not
// end it the dialog ends with Cancel all the same. What a script asked of
// the dialog is never done in part with the rest left to the defaults.
void Cancel_After_Refusal(DIALOG& Dialog)
{
    if (!g_bActOnce)
        return;
    for (auto It = g_Actions.begin(); It != g_Actions.end();) {
        if (It->first != Dialog.Id()) {
            ++It;
            continue;
        }
        dialogs::Record_Line(Dialog, "not carried out: " + dialogs::Describe_Action(It->second));
        It = g_Actions.erase(It);
    }
    if (Dialog.Ended())
        return;
    const DIALOG_CONTROL* pCancel = Dialog.Find(DIALOG_CANCEL);
    if (pCancel != nullptr && pCancel->nKind == CONTROL_BUTTON && pCancel->bEnabled) {
        dialogs::Record_Line(Dialog, "press " + std::to_string(DIALOG_CANCEL) + " (refused)");
        Dialog.Send(DIALOG_COMMAND, DIALOG_CANCEL);
    }
    if (!Dialog.Ended())
        Dialog.End(DIALOG_CANCEL);
}

// Before a dialog takes any of its queued actions: an action that it could
// never carry out (a control it does not have, one of another kind, a text
// no edit holds) is refused at once, so that the actions queued before it
// do not take effect either.
void Refuse_Impossible_Actions(DIALOG& Dialog)
{
    if (!g_bActOnce)
        return;
    size_t nIndex = 0;
    for (auto It = g_Actions.begin(); It != g_Actions.end(); ++It) {
        if (It->first != Dialog.Id())
            continue;
        const DIALOG_ACTION& Action = It->second;
        ++nIndex;
        if (Action.nKind == ACTION_TIMER || Action.nKind == ACTION_CANCEL)
            continue;
        const DIALOG_CONTROL* pControl = Dialog.Find(Action.nControl);
        const std::string Where = "control " + std::to_string(Action.nControl);
        const std::string Why =
            pControl == nullptr ? Where + " does not exist" : Kind_Refusal(Dialog, *pControl, Action, Where, false);
        if (Why.empty())
            continue;
        // The record keeps the order of the queue: those before it, then it.
        for (size_t n = 1; n < nIndex; ++n) {
            DIALOG_ACTION Earlier;
            dialogs::Take_Action(Dialog.Id(), Earlier);
            dialogs::Record_Line(Dialog, "not carried out: " + dialogs::Describe_Action(Earlier));
        }
        DIALOG_ACTION Refused;
        dialogs::Take_Action(Dialog.Id(), Refused);
        dialogs::Refuse(Dialog, Why);
        return;
    }
}

void Run_Headless(DIALOG& Dialog)
{
    DIALOG_ACTION Action;
    for (int n = 0; n < MAX_ACTIONS_PER_DIALOG && !Dialog.Ended() && dialogs::Take_Action(Dialog.Id(), Action); ++n)
        dialogs::Apply_Action(Dialog, Action);
    dialogs::Finish_Unattended(Dialog);
}

int Run(int nDialogId, const char* szTitle, DIALOG_PROC pProc, void* pParam, const DIALOG_TEMPLATE* pTemplate)
{
    DIALOG_RECORD Record;
    Record.nDialogId = nDialogId;
    if (szTitle != nullptr)
        Record.Title = szTitle;
    else if (pTemplate != nullptr)
        Record.Title = pTemplate->szTitle;
    if (pProc == nullptr) {
        Record.nResult = DIALOG_CANCEL;
        g_Records.push_back(Record);
        return DIALOG_CANCEL;
    }
    DIALOG Dialog(nDialogId, Record.Title, pProc, pParam);
    if (pTemplate != nullptr)
        Dialog.Build(*pTemplate);
    g_Open.push_back(OPEN_RUN{&Dialog, &Record});
    Dialog.Send(DIALOG_INIT, 0);
    // A procedure that puts the keyboard on a button puts it on the default
    // one, so that Enter does what the unattended run does.
    if (Dialog.Focus() != 0)
        Dialog.Set_Focus(Dialog.Opening_Focus(Dialog.Focus()));
    if (!Dialog.Ended())
        Refuse_Impossible_Actions(Dialog);
    if (!Dialog.Ended()) {
        const UI_BACKEND& Backend = Ui_Backend();
        if (Backend.Run_Dialog != nullptr) {
            Dialog.Set_Open(true);
            Backend.Run_Dialog(Dialog);
            Dialog.Set_Open(false);
            // A backend that returns without an end: nobody chose, so Cancel.
        } else {
            Run_Headless(Dialog);
        }
    }
    // What it showed at the end, for tests and scripts to read back.
    Record.Controls = Dialog.Controls();
    for (DIALOG_CONTROL& Control : Record.Controls)
        Control.nUpdateDepth = 0;
    Record.Final_Title = Dialog.Title();
    Dialog.Send(DIALOG_DESTROY, 0);
    g_Open.pop_back();
    Record.nResult = Dialog.Ended() ? Dialog.Result() : DIALOG_CANCEL;
    Record.Lines.push_back("end " + std::to_string(Record.nResult));
    Write_Debug_Log("Dialog %d \"%s\" ended with %d", nDialogId, Record.Title.c_str(), Record.nResult);
    g_Records.push_back(Record);
    return Record.nResult;
}

}  // namespace

int Do_Dialog(int nDialogId, void* pParam)
{
    const DIALOG_REGISTRATION* pRegistration = Find_Dialog_Registration(nDialogId);
    if (pRegistration == nullptr || pRegistration->pTemplate == nullptr || pRegistration->pProc == nullptr) {
        char szText[128];
        std::snprintf(szText, sizeof(szText), "Dialog %d is not available in this version.", nDialogId);
        Show_Message_Box(szText, "Vazarudu Kelvo", BOX_OK | BOX_ICON_EXCLAMATION);
        DIALOG_RECORD Record;
        Record.nDialogId = nDialogId;
        Record.nResult = DIALOG_CANCEL;
        Record.Lines.push_back("end " + std::to_string(DIALOG_CANCEL));
        g_Records.push_back(Record);
        return DIALOG_CANCEL;
    }
    return Run(nDialogId, nullptr, pRegistration->pProc, pParam, pRegistration->pTemplate);
}

int Do_Dialog(int nDialogId, const char* szTitle, DIALOG_PROC pProc, void* pParam)
{
    const DIALOG_REGISTRATION* pRegistration = Find_Dialog_Registration(nDialogId);
    const DIALOG_TEMPLATE* pTemplate = pRegistration != nullptr ? pRegistration->pTemplate : nullptr;
    return Run(nDialogId, szTitle, pProc, pParam, pTemplate);
}

namespace dialogs {

void Queue_Action(int nDialogId, const DIALOG_ACTION& Action)
{
    g_Actions.emplace_back(nDialogId, Action);
}

void Clear_Actions()
{
    g_Actions.clear();
}

size_t Pending_Actions()
{
    return g_Actions.size();
}

const std::vector<DIALOG_RECORD>& Records()
{
    return g_Records;
}

void Reset()
{
    g_Actions.clear();
    g_Records.clear();
    g_Refusal.clear();
    g_bHoldDefaults = false;
    g_nHeldDefaults = 0;
    g_bActOnce = false;
}

const std::string& Last_Refusal()
{
    return g_Refusal;
}

void Clear_Refusal()
{
    g_Refusal.clear();
}

bool Take_Action(int nDialogId, DIALOG_ACTION& Action)
{
    for (auto It = g_Actions.begin(); It != g_Actions.end(); ++It) {
        if (It->first == nDialogId) {
            Action = It->second;
            g_Actions.erase(It);
            for (auto Open = g_Open.rbegin(); Open != g_Open.rend(); ++Open)
                if (Open->pDialog->Id() == nDialogId) {
                    ++Open->nTaken;
                    break;
                }
            return true;
        }
    }
    return false;
}

std::string Describe_Action(const DIALOG_ACTION& Action)
{
    const std::string Id = std::to_string(Action.nControl);
    switch (Action.nKind) {
    case ACTION_SET_TEXT:
        return "set " + Id + " " + Quoted(Action.Text);
    case ACTION_SELECT:
        return "select " + Id + " " + Entry_Name(Action);
    case ACTION_CHECK:
        return "check " + Id + " " + (Action.nValue != 0 ? "1" : "0");
    case ACTION_PRESS:
        return "press " + Id;
    case ACTION_SPIN:
        return "spin " + Id + " " + (Action.nValue != 0 ? "up" : "down");
    case ACTION_RADIO:
        return "radio " + Id;
    case ACTION_DOUBLE_CLICK:
        return "double-click " + Id + " " + Entry_Name(Action);
    case ACTION_ROW_SELECT:
        return "row " + Id + " " + Entry_Name(Action);
    case ACTION_HEADER_CLICK:
        return "header " + Id + " " + std::to_string(Action.nValue);
    case ACTION_RIGHT_CLICK:
        return "right-click " + Id + " " + std::to_string(Action.nValue);
    case ACTION_TIMER:
        return "timer " + std::to_string(Action.nValue);
    case ACTION_TRACK:
        return "track " + Id + " " + std::to_string(Action.nValue);
    case ACTION_CANCEL:
        return "cancel";
    case ACTION_TOGGLE:
        return "toggle " + Id + " " + Entry_Name(Action);
    case ACTION_COLUMN_CLICK:
        return "column " + Id + " " + std::to_string(Action.nValue);
    case ACTION_MOVE_COLUMN:
        return "move-column " + Id + " " + std::to_string(Action.nValue) + " " + std::to_string(Action.nValue2);
    case ACTION_MENU:
        return "menu " + Id + " " + Quoted(Action.Text);
    default:
        return "unknown action";
    }
}

void Refuse(DIALOG& Dialog, const std::string& Why)
{
    g_Refusal = Why;
    Record_Line(Dialog, "refused: " + Why);
    Write_Debug_Log("Dialog %d \"%s\": %s", Dialog.Id(), Dialog.Title().c_str(), Why.c_str());
    Cancel_After_Refusal(Dialog);
}

void Fail_Action(DIALOG& Dialog, const std::string& Why)
{
    Record_Line(Dialog, "failed: " + Why);
    Write_Debug_Log("Dialog %d \"%s\": %s", Dialog.Id(), Dialog.Title().c_str(), Why.c_str());
    Cancel_After_Refusal(Dialog);
}

void Record_Line(DIALOG& Dialog, const std::string& Line)
{
    if (DIALOG_RECORD* pRecord = Record_Of(Dialog))
        pRecord->Lines.push_back(Line);
}

// A right click on the focused row (the list itself when none), whose
// handler shows a popup menu, then the entry named. Refused when no menu
// came up or it has no such entry.
bool Apply_Menu_Action(DIALOG& Dialog, const DIALOG_ACTION& Action)
{
    const DIALOG_CONTROL* pControl = Dialog.Find(Action.nControl);
    const int nRow = pControl != nullptr ? pControl->nFocusRow : -1;
    Record_Line(Dialog, Describe_Action(Action));
    const size_t nPopupsBefore = menus::Popups().size();
    menus::Clear_Popup_Choices();
    menus::Queue_Popup_Choice_Text(Action.Text);
    Dialog.User_Right_Click(Action.nControl, nRow, 0, 0, false);
    const std::string Where = "control " + std::to_string(Action.nControl);
    if (menus::Popups().size() == nPopupsBefore) {
        menus::Clear_Popup_Choices();
        Refuse(Dialog, Where + " showed no menu");
        return false;
    }
    if (menus::Popups()[nPopupsBefore].nChosen == 0) {
        Refuse(Dialog, Where + "'s menu has no entry " + Quoted(Action.Text));
        return false;
    }
    return true;
}

bool Apply_Action(DIALOG& Dialog, const DIALOG_ACTION& Action)
{
    if (Action.nKind == ACTION_TIMER) {
        Record_Line(Dialog, Describe_Action(Action));
        return Dialog.User_Timer(Action.nValue);
    }
    if (Action.nKind == ACTION_CANCEL) {
        if (!Dialog.User_Cancel()) {
            Refuse(Dialog, "the dialog cannot be cancelled");
            return false;
        }
        Record_Line(Dialog, "cancel");
        return true;
    }
    const DIALOG_CONTROL* pControl = Dialog.Find(Action.nControl);
    const std::string Where = "control " + std::to_string(Action.nControl);
    if (pControl == nullptr || !pControl->bEnabled || !pControl->bVisible) {
        Refuse(Dialog, Where + (pControl == nullptr ? " does not exist" : !pControl->bEnabled ? " is disabled" : " is hidden"));
        return false;
    }
    const std::string Why = Kind_Refusal(Dialog, *pControl, Action, Where);
    if (!Why.empty()) {
        Refuse(Dialog, Why);
        return false;
    }
    const int nId = Action.nControl;
    switch (Action.nKind) {
    case ACTION_SET_TEXT:
        Record_Line(Dialog, Describe_Action(Action));
        return Dialog.User_Set_Text(nId, Action.Text);
    case ACTION_SELECT: {
        if (pControl->nKind == CONTROL_REPORT) {
            Record_Line(Dialog, Describe_Action(Action));
            return Dialog.User_Row_Select(nId, Row_Of(*pControl, Action));
        }
        const int nEntry = Entry_Of(*pControl, Action);
        Record_Line(Dialog, "select " + std::to_string(nId) + " " + Quoted(pControl->Items[nEntry]));
        return Dialog.User_Select(nId, nEntry);
    }
    case ACTION_DOUBLE_CLICK:
        Record_Line(Dialog, Describe_Action(Action));
        if (pControl->nKind == CONTROL_REPORT)
            return Dialog.User_Row_Double_Click(nId, Row_Of(*pControl, Action));
        return Dialog.User_Double_Click(nId, Entry_Of(*pControl, Action));
    case ACTION_CHECK:
        Record_Line(Dialog, Describe_Action(Action));
        return Dialog.User_Check(nId, Action.nValue != 0);
    case ACTION_PRESS:
        Record_Line(Dialog, Describe_Action(Action));
        return pControl->nKind == CONTROL_RADIO ? Dialog.User_Radio(nId) : Dialog.User_Press(nId);
    case ACTION_SPIN:
        Record_Line(Dialog, Describe_Action(Action));
        return Dialog.User_Spin(nId, Action.nValue != 0);
    case ACTION_RADIO:
        Record_Line(Dialog, Describe_Action(Action));
        return Dialog.User_Radio(nId);
    case ACTION_TRACK:
        Record_Line(Dialog, Describe_Action(Action));
        return Dialog.User_Track(nId, Action.nValue);
    case ACTION_ROW_SELECT:
        Record_Line(Dialog, Describe_Action(Action));
        return Dialog.User_Row_Select(nId, Row_Of(*pControl, Action));
    case ACTION_HEADER_CLICK:
        Record_Line(Dialog, Describe_Action(Action));
        return Dialog.User_Header_Click(nId, Action.nValue);
    case ACTION_RIGHT_CLICK:
        Record_Line(Dialog, Describe_Action(Action));
        return Dialog.User_Right_Click(nId, Action.nValue, 0, 0, Action.nValue < 0);
    case ACTION_TOGGLE: {
        const int nEntry = Entry_Of(*pControl, Action);
        Record_Line(Dialog, "toggle " + std::to_string(nId) + " " + Quoted(pControl->Items[nEntry]));
        return Dialog.User_Toggle_Item(nId, nEntry);
    }
    case ACTION_COLUMN_CLICK:
        Record_Line(Dialog, Describe_Action(Action));
        return Dialog.User_Header_Click(nId, Dialog.Find_Column(nId, Action.nValue));
    case ACTION_MOVE_COLUMN:
        Record_Line(Dialog, Describe_Action(Action));
        return Dialog.User_Move_Column(nId, Dialog.Find_Column(nId, Action.nValue), Action.nValue2);
    case ACTION_MENU:
        return Apply_Menu_Action(Dialog, Action);
    default:
        Refuse(Dialog, "unknown action");
        return false;
    }
}

bool Unattended()
{
    return g_bUnattended || Ui_Is_Headless();
}

void Set_Unattended(bool bUnattended)
{
    g_bUnattended = bUnattended;
}

namespace {

// An action queued for a dialog that is not open now, nor this one: the
// script meant another dialog than the one about to take its default.
bool Actions_Wait_Elsewhere(const DIALOG& Dialog)
{
    for (const auto& Queued : g_Actions) {
        if (Queued.first == Dialog.Id())
            continue;
        bool bOpen = false;
        for (const OPEN_RUN& Run : g_Open)
            bOpen = bOpen || Run.pDialog->Id() == Queued.first;
        if (!bOpen)
            return true;
    }
    return false;
}

}  // namespace

void Finish_Unattended(DIALOG& Dialog)
{
    const bool bHeld = g_bHoldDefaults && Actions_Wait_Elsewhere(Dialog);
    if (bHeld)
        ++g_nHeldDefaults;
    // A dialog that took actions and is still open after them: each action
    // acted once, and what they left undone is not done by the default.
    int nTaken = 0;
    for (const OPEN_RUN& Run : g_Open)
        if (Run.pDialog == &Dialog)
            nTaken = Run.nTaken;
    const bool bLeftOpen = g_bActOnce && !bHeld && nTaken > 0;
    const char* szWhy = bHeld ? " (held)" : bLeftOpen ? " (left open)" : " (default)";
    // Nothing more scripted: the user confirms, else gives up.
    for (int nButton : {Dialog.Default_Button(), DIALOG_CANCEL}) {
        if (Dialog.Ended())
            break;
        if ((bHeld || bLeftOpen) && nButton != DIALOG_CANCEL)
            continue;
        const DIALOG_CONTROL* pButton = Dialog.Find(nButton);
        if (pButton == nullptr || pButton->nKind != CONTROL_BUTTON || !pButton->bEnabled)
            continue;
        Record_Line(Dialog, "press " + std::to_string(nButton) + szWhy);
        Dialog.Send(DIALOG_COMMAND, nButton);
    }
    // No Cancel button to press: the dialog is left unanswered (Cancel).
    if (bHeld && !Dialog.Ended())
        Record_Line(Dialog, "given up (held)");
}

void Set_Defaults_Held_For_Waiting_Actions(bool bHold)
{
    g_bHoldDefaults = bHold;
}

int Count_Held_Defaults()
{
    return g_nHeldDefaults;
}

void Set_Actions_Act_Once(bool bOnce)
{
    g_bActOnce = bOnce;
}

}  // namespace dialogs
