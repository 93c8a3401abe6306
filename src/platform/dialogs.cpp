#include "platform/dialogs.h"

#include <strings.h>

#include <deque>
#include <utility>

#include "platform/errors.h"

namespace {

std::deque<std::pair<int, DIALOG_ACTION>> g_Actions;
std::vector<DIALOG_RECORD> g_Records;
std::string g_Refusal;
// A dialog a procedure keeps pressing into never ends: a bound on the
// actions of one run keeps a script from looping.
constexpr int MAX_ACTIONS_PER_DIALOG = 10000;

bool Take_Action(int nDialogId, DIALOG_ACTION& Action)
{
    for (auto It = g_Actions.begin(); It != g_Actions.end(); ++It) {
        if (It->first == nDialogId) {
            Action = It->second;
            g_Actions.erase(It);
            return true;
        }
    }
    return false;
}

void Refuse(DIALOG_RECORD& Record, const std::string& Why)
{
    g_Refusal = Why;
    Record.Lines.push_back("refused: " + Why);
    Write_Debug_Log("Dialog %d \"%s\": %s", Record.nDialogId, Record.Title.c_str(), Why.c_str());
}

// Applies one action; false when the dialog has no control for it.
bool Apply(DIALOG& Dialog, const DIALOG_ACTION& Action, DIALOG_RECORD& Record)
{
    DIALOG_CONTROL* pControl = Dialog.Find(Action.nControl);
    const std::string Where = "control " + std::to_string(Action.nControl);
    if (pControl == nullptr || !pControl->bEnabled) {
        Refuse(Record, Where + (pControl == nullptr ? " does not exist" : " is disabled"));
        return false;
    }
    switch (Action.nKind) {
    case ACTION_SET_TEXT:
        if (pControl->nKind != CONTROL_EDIT) {
            Refuse(Record, Where + " takes no text");
            return false;
        }
        pControl->Text = Action.Text;
        Record.Lines.push_back("set " + std::to_string(Action.nControl) + " \"" + Action.Text + "\"");
        break;
    case ACTION_SELECT: {
        if (pControl->nKind != CONTROL_COMBO && pControl->nKind != CONTROL_LIST) {
            Refuse(Record, Where + " is no list");
            return false;
        }
        int nIndex = -1;
        if (!Action.Text.empty()) {
            for (size_t i = 0; i < pControl->Items.size() && nIndex < 0; ++i)
                if (strcasecmp(pControl->Items[i].c_str(), Action.Text.c_str()) == 0)
                    nIndex = static_cast<int>(i);
        } else if (Action.nValue >= 0 && Action.nValue < static_cast<int>(pControl->Items.size())) {
            nIndex = Action.nValue;
        }
        if (nIndex < 0) {
            Refuse(Record, Where + " has no entry \"" +
                               (Action.Text.empty() ? std::to_string(Action.nValue) : Action.Text) + "\"");
            return false;
        }
        pControl->nSelected = nIndex;
        Record.Lines.push_back("select " + std::to_string(Action.nControl) + " \"" + pControl->Items[nIndex] + "\"");
        break;
    }
    case ACTION_CHECK:
        if (pControl->nKind != CONTROL_CHECK) {
            Refuse(Record, Where + " is no check box");
            return false;
        }
        pControl->bChecked = Action.nValue != 0;
        Record.Lines.push_back("check " + std::to_string(Action.nControl) + " " + (pControl->bChecked ? "1" : "0"));
        break;
    case ACTION_PRESS:
        if (pControl->nKind != CONTROL_BUTTON) {
            Refuse(Record, Where + " is no button");
            return false;
        }
        Record.Lines.push_back("press " + std::to_string(Action.nControl));
        break;
    default:
        Refuse(Record, "unknown action");
        return false;
    }
    Dialog.Proc()(Dialog, DIALOG_COMMAND, Action.nControl);
    return true;
}

}  // namespace

DIALOG::DIALOG(int nDialogId, std::string Title, DIALOG_PROC pProc, void* pParam)
    : m_nId(nDialogId), m_Title(std::move(Title)), m_pProc(pProc), m_pParam(pParam)
{
}

DIALOG_CONTROL& DIALOG::Add(int nId, int nKind, const std::string& Text)
{
    for (DIALOG_CONTROL& Control : m_Controls) {
        if (Control.nId == nId) {
            Control = DIALOG_CONTROL{};
            Control.nId = nId;
            Control.nKind = nKind;
            Control.Text = Text;
            return Control;
        }
    }
    DIALOG_CONTROL Control;
    Control.nId = nId;
    Control.nKind = nKind;
    Control.Text = Text;
    m_Controls.push_back(Control);
    return m_Controls.back();
}

DIALOG_CONTROL* DIALOG::Find(int nId)
{
    for (DIALOG_CONTROL& Control : m_Controls)
        if (Control.nId == nId)
            return &Control;
    return nullptr;
}

const DIALOG_CONTROL* DIALOG::Find(int nId) const
{
    for (const DIALOG_CONTROL& Control : m_Controls)
        if (Control.nId == nId)
            return &Control;
    return nullptr;
}

std::string DIALOG::Get_Text(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? p->Text : std::string();
}

void DIALOG::Set_Text(int nId, const std::string& Text)
{
    if (DIALOG_CONTROL* p = Find(nId))
        p->Text = Text;
}

int DIALOG::Get_Selected(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr ? p->nSelected : -1;
}

void DIALOG::Set_Selected(int nId, int nIndex)
{
    if (DIALOG_CONTROL* p = Find(nId))
        p->nSelected = nIndex >= 0 && nIndex < static_cast<int>(p->Items.size()) ? nIndex : -1;
}

bool DIALOG::Is_Checked(int nId) const
{
    const DIALOG_CONTROL* p = Find(nId);
    return p != nullptr && p->bChecked;
}

void DIALOG::Set_Checked(int nId, bool bChecked)
{
    if (DIALOG_CONTROL* p = Find(nId))
        p->bChecked = bChecked;
}

void DIALOG::Enable(int nId, bool bEnabled)
{
    if (DIALOG_CONTROL* p = Find(nId))
        p->bEnabled = bEnabled;
}

void DIALOG::End(int nResult)
{
    m_bEnded = true;
    m_nResult = nResult;
}

int Do_Dialog(int nDialogId, const char* szTitle, DIALOG_PROC pProc, void* pParam)
{
    DIALOG_RECORD Record;
    Record.nDialogId = nDialogId;
    Record.Title = szTitle != nullptr ? szTitle : "";
    if (pProc == nullptr) {
        Record.nResult = DIALOG_CANCEL;
        g_Records.push_back(Record);
        return DIALOG_CANCEL;
    }
    DIALOG Dialog(nDialogId, Record.Title, pProc, pParam);
    pProc(Dialog, DIALOG_INIT, 0);
    DIALOG_ACTION Action;
    for (int n = 0; n < MAX_ACTIONS_PER_DIALOG && !Dialog.Ended() && Take_Action(nDialogId, Action); ++n)
        Apply(Dialog, Action, Record);
    // Nothing more scripted: the user confirms, else gives up.
    for (int nButton : {Dialog.Default_Button(), DIALOG_CANCEL}) {
        if (Dialog.Ended())
            break;
        const DIALOG_CONTROL* pButton = Dialog.Find(nButton);
        if (pButton == nullptr || pButton->nKind != CONTROL_BUTTON || !pButton->bEnabled)
            continue;
        Record.Lines.push_back("press " + std::to_string(nButton) + " (default)");
        pProc(Dialog, DIALOG_COMMAND, nButton);
    }
    Record.nResult = Dialog.Ended() ? Dialog.Result() : DIALOG_CANCEL;
    Record.Lines.push_back("end " + std::to_string(Record.nResult));
    Write_Debug_Log("Dialog %d \"%s\" ended with %d", nDialogId, Record.Title.c_str(), Record.nResult);
    g_Records.push_back(Record);
    return Record.nResult;
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
}

const std::string& Last_Refusal()
{
    return g_Refusal;
}

void Clear_Refusal()
{
    g_Refusal.clear();
}

}  // namespace dialogs
