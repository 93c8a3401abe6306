// Modal dialogs as the game code sees them: a dialog is its controls (by
// id: text, list items, selection, check state) and a procedure that fills
// them when the dialog opens and answers each command (a button pressed, a
// selection changed). The desktop backend draws them; the headless backend
// (always built) applies the scripted actions queued for the dialog, then
// presses its default button, and records every dialog run.
#pragma once

#include <string>
#include <vector>

enum DIALOG_CONTROL_KIND : int {
    CONTROL_LABEL,
    CONTROL_EDIT,
    CONTROL_COMBO,
    CONTROL_LIST,
    CONTROL_CHECK,
    CONTROL_BUTTON,
};

struct DIALOG_CONTROL {
    int nId = 0;
    int nKind = CONTROL_LABEL;
    std::string Text;                 // label, edit text or button caption
    std::vector<std::string> Items;   // combo and list entries
    int nSelected = -1;               // combo and list; -1 none
    bool bChecked = false;
    bool bEnabled = true;
};

class DIALOG;
// Events a procedure answers: the dialog opening, a command of a control
// (a button pressed, a selection or text changed, a box checked).
enum DIALOG_EVENT : int { DIALOG_INIT, DIALOG_COMMAND };
using DIALOG_PROC = void (*)(DIALOG& Dialog, int nEvent, int nControl);

class DIALOG {
public:
    DIALOG(int nDialogId, std::string Title, DIALOG_PROC pProc, void* pParam);

    int Id() const { return m_nId; }
    const std::string& Title() const { return m_Title; }
    void* Param() const { return m_pParam; }
    DIALOG_PROC Proc() const { return m_pProc; }

    // Adds a control (replacing one of the same id) and returns it.
    DIALOG_CONTROL& Add(int nId, int nKind, const std::string& Text = std::string());
    // The control of an id; null when the dialog has none.
    DIALOG_CONTROL* Find(int nId);
    const DIALOG_CONTROL* Find(int nId) const;
    const std::vector<DIALOG_CONTROL>& Controls() const { return m_Controls; }

    // Convenience reads and writes; a missing control reads empty / -1 / false.
    std::string Get_Text(int nId) const;
    void Set_Text(int nId, const std::string& Text);
    int Get_Selected(int nId) const;
    void Set_Selected(int nId, int nIndex);
    bool Is_Checked(int nId) const;
    void Set_Checked(int nId, bool bChecked);
    void Enable(int nId, bool bEnabled);

    // Ends the dialog with a result (Do_Dialog returns it).
    void End(int nResult);
    bool Ended() const { return m_bEnded; }
    int Result() const { return m_nResult; }

    // The button pressed when the user just confirms (Enter); 1 unless set.
    int Default_Button() const { return m_nDefaultButton; }
    void Set_Default_Button(int nId) { m_nDefaultButton = nId; }

private:
    int m_nId;
    std::string m_Title;
    DIALOG_PROC m_pProc;
    void* m_pParam;
    std::vector<DIALOG_CONTROL> m_Controls;
    bool m_bEnded = false;
    int m_nResult = 0;
    int m_nDefaultButton = 1;
};

constexpr int DIALOG_OK = 1;
constexpr int DIALOG_CANCEL = 2;

// Runs a modal dialog: the procedure fills it (DIALOG_INIT), then the
// user's (or the script's) actions go to it until it ends; returns its
// result. A dialog that no action ends is closed with its default button,
// then with Cancel; one that ends with neither gives DIALOG_CANCEL.
int Do_Dialog(int nDialogId, const char* szTitle, DIALOG_PROC pProc, void* pParam = nullptr);

// --- The headless backend's actions, queued by tests and the script runner -
enum DIALOG_ACTION_KIND : int {
    ACTION_SET_TEXT,     // edit's text := Text
    ACTION_SELECT,       // combo or list: the entry equal to Text (case-insensitive), else index nValue
    ACTION_CHECK,        // check box := nValue != 0
    ACTION_PRESS,        // button nControl pressed
};

struct DIALOG_ACTION {
    int nKind = ACTION_PRESS;
    int nControl = 0;
    std::string Text;
    int nValue = 0;
};

// What a headless dialog run did, for the log and the tests.
struct DIALOG_RECORD {
    int nDialogId = 0;
    std::string Title;
    int nResult = 0;
    std::vector<std::string> Lines;   // one line per action applied, and the end
};

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
// entry) is refused: the run goes on, and the refusal is kept here for the
// caller that queued it (the script runner stops with it).
const std::string& Last_Refusal();
void Clear_Refusal();
}  // namespace dialogs
