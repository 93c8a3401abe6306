#include "platform/ui.h"

#include <cstdio>
#include <deque>

#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/ui_backend.h"

namespace {

std::deque<int> g_Answers;
std::vector<SHOWN_BOX> g_ShownBoxes;
PROGRESS_MODEL g_Progress;
bool g_bEcho = false;

// The button a box takes when nobody answers: its default button.
int Default_Button(unsigned nStyle)
{
    bool bSecond = (nStyle & BOX_DEFAULT_SECOND) != 0;
    bool bThird = (nStyle & BOX_DEFAULT_THIRD) != 0;
    switch (nStyle & BOX_BUTTON_MASK) {
    case BOX_OKCANCEL:
        return bSecond ? ID_CANCEL : ID_OK;
    case BOX_YESNOCANCEL:
        return bThird ? ID_CANCEL : (bSecond ? ID_NO : ID_YES);
    case BOX_YESNO:
        return bSecond ? ID_NO : ID_YES;
    default:
        return ID_OK;
    }
}

bool Is_Button_Of(unsigned nStyle, int nButton)
{
    switch (nStyle & BOX_BUTTON_MASK) {
    case BOX_OKCANCEL:
        return nButton == ID_OK || nButton == ID_CANCEL;
    case BOX_YESNOCANCEL:
        return nButton == ID_YES || nButton == ID_NO || nButton == ID_CANCEL;
    case BOX_YESNO:
        return nButton == ID_YES || nButton == ID_NO;
    default:
        return nButton == ID_OK;
    }
}

// The button that declines what a box asks: Cancel, else No, else its
// default (a box with OK alone).
int Declining_Button(unsigned nStyle)
{
    if (Is_Button_Of(nStyle, ID_CANCEL))
        return ID_CANCEL;
    if (Is_Button_Of(nStyle, ID_NO))
        return ID_NO;
    return Default_Button(nStyle);
}

int Take_Answer(int nDefault)
{
    if (g_Answers.empty())
        return nDefault;
    int nAnswer = g_Answers.front();
    g_Answers.pop_front();
    return nAnswer;
}

void Echo_Box(const char* szCaption, const char* szText)
{
    if (g_bEcho)
        std::fprintf(stderr, "[%s]\n%s\n\n", szCaption, szText);
}

}  // namespace

int Show_Message_Box(const char* szText, const char* szCaption, unsigned nStyle)
{
    if (szText == nullptr)
        szText = "";
    if (szCaption == nullptr)
        szCaption = "";
    SHOWN_BOX Box{szCaption, szText, nStyle, 0, {}};
    // A loss nobody confirmed is not made: the box is answered as declined,
    // through the backend as a queued answer would be.
    if ((nStyle & BOX_UNATTENDED_DECLINES) != 0 && dialogs::Unattended() && g_Answers.empty()) {
        g_Answers.push_back(Declining_Button(nStyle));
        Box.bDeclinedUnattended = true;
    }
    const UI_BACKEND& Backend = Ui_Backend();
    int nResult = Backend.Message_Box != nullptr ? Backend.Message_Box(Box, Default_Button(nStyle))
                                                 : Take_Answer(Default_Button(nStyle));
    // An answer the box has no button for cannot be clicked: a mistaken
    // answer declines what the box asks rather than confirm it (the script
    // that gave it stops there).
    if (!Is_Button_Of(nStyle, nResult))
        nResult = Declining_Button(nStyle);
    Box.Result = nResult;
    g_ShownBoxes.push_back(Box);
    Echo_Box(szCaption, szText);
    return nResult;
}

// An information box with one OK button and a formatted text.
static int Show_Information_Box(const char* szCaption, const char* szFormat, va_list args)
{
    char szText[ERROR_TEXT_SIZE] = "";
    if (szFormat != nullptr)
        std::vsnprintf(szText, sizeof(szText), szFormat, args);
    return Show_Message_Box(szText, szCaption, BOX_OK | BOX_ICON_INFORMATION | BOX_TASKMODAL);
}

int Show_Formatted_Message(const char* szCaption, const char* szFormat, ...)
{
    va_list args;
    va_start(args, szFormat);
    int nResult = Show_Information_Box(szCaption, szFormat, args);
    va_end(args);
    return nResult;
}

int Quick_Message(const char* szFormat, ...)
{
    va_list args;
    va_start(args, szFormat);
    int nResult = Show_Information_Box("Quick Message", szFormat, args);
    va_end(args);
    return nResult;
}

int User_Message_Dialog(const char* szTitle, const char* szText, unsigned /*nFlags*/,
                        const char* szFirst, const char* szSecond, const char* szThird)
{
    SHOWN_BOX Box{szTitle ? szTitle : "", szText ? szText : "", 0, ID_YES, {}};
    const char* Labels[3] = {szFirst, szSecond, szThird};
    const int Codes[3] = {ID_YES, ID_NO, ID_CANCEL};
    int nFirstButton = 0;
    bool bHas[3] = {false, false, false};
    for (int i = 0; i < 3; ++i) {
        bHas[i] = Labels[i] != nullptr && Labels[i][0] != '\0';
        Box.Buttons.push_back(bHas[i] ? Labels[i] : "");
    }
    while (nFirstButton < 3 && !bHas[nFirstButton])
        ++nFirstButton;
    int nDefault = nFirstButton < 3 ? Codes[nFirstButton] : ID_CANCEL;
    const UI_BACKEND& Backend = Ui_Backend();
    int nResult = Backend.Message_Box != nullptr ? Backend.Message_Box(Box, nDefault) : Take_Answer(nDefault);
    bool bValid = false;
    for (int i = 0; i < 3; ++i)
        bValid = bValid || (bHas[i] && nResult == Codes[i]);
    Box.Result = bValid ? nResult : nDefault;
    g_ShownBoxes.push_back(Box);
    Echo_Box(Box.Caption.c_str(), Box.Text.c_str());
    return Box.Result;
}

std::vector<BOX_BUTTON> Message_Box_Buttons(const SHOWN_BOX& Box)
{
    std::vector<BOX_BUTTON> Buttons;
    if (!Box.Buttons.empty()) {
        const int Codes[3] = {ID_YES, ID_NO, ID_CANCEL};
        for (size_t i = 0; i < Box.Buttons.size() && i < 3; ++i)
            if (!Box.Buttons[i].empty())
                Buttons.push_back(BOX_BUTTON{Box.Buttons[i], Codes[i]});
        return Buttons;
    }
    switch (Box.Style & BOX_BUTTON_MASK) {
    case BOX_OKCANCEL:
        return {{"&OK", ID_OK}, {"&Cancel", ID_CANCEL}};
    case BOX_YESNOCANCEL:
        return {{"&Yes", ID_YES}, {"&No", ID_NO}, {"&Cancel", ID_CANCEL}};
    case BOX_YESNO:
        return {{"&Yes", ID_YES}, {"&No", ID_NO}};
    default:
        return {{"&OK", ID_OK}};
    }
}

void Pump_Messages()
{
    // Headless: no window, so no message ever waits.
    const UI_BACKEND& Backend = Ui_Backend();
    if (Backend.Pump != nullptr)
        Backend.Pump();
}

static void Progress_Changed()
{
    const UI_BACKEND& Backend = Ui_Backend();
    if (Backend.Progress_Changed != nullptr)
        Backend.Progress_Changed(g_Progress);
}

int Open_Progress_Window(const char* szTitle, int nSteps)
{
    if (g_Progress.Open)
        return 0;
    g_Progress.Open = true;
    g_Progress.Title = szTitle ? szTitle : "";
    g_Progress.Text.clear();
    g_Progress.Steps = nSteps > 0 ? nSteps : 0;
    g_Progress.Position = 0;
    g_Progress.TimesOpened++;
    menus::Hold_Main_Menu_For_Progress(true);
    Progress_Changed();
    Pump_Messages();
    return 1;
}

void Step_Progress_Window(int n)
{
    if (n < 1 || !g_Progress.Open)
        return;
    for (int i = 0; i < n && g_Progress.Position < g_Progress.Steps; ++i) {
        g_Progress.Position++;
        g_Progress.Repaints++;
    }
    Progress_Changed();
}

void Set_Progress_Text(const char* szText)
{
    if (!g_Progress.Open)
        return;
    g_Progress.Text = szText ? szText : "";
    g_Progress.Repaints++;
    Progress_Changed();
}

void Close_Progress_Window()
{
    const bool bWasOpen = g_Progress.Open;
    g_Progress.Open = false;
    if (bWasOpen) {
        menus::Hold_Main_Menu_For_Progress(false);
        Progress_Changed();
    }
    Pump_Messages();
}

namespace ui {

void Queue_Answer(int nButton)
{
    g_Answers.push_back(nButton);
}

bool Take_Queued_Answer(int& nButton)
{
    if (g_Answers.empty())
        return false;
    nButton = g_Answers.front();
    g_Answers.pop_front();
    return true;
}

void Clear_Answers()
{
    g_Answers.clear();
}

const std::vector<SHOWN_BOX>& Shown_Boxes()
{
    return g_ShownBoxes;
}

void Clear_Shown_Boxes()
{
    g_ShownBoxes.clear();
}

const PROGRESS_MODEL& Progress()
{
    return g_Progress;
}

void Reset()
{
    g_Answers.clear();
    g_ShownBoxes.clear();
    g_Progress = PROGRESS_MODEL{};
}

void Set_Echo(bool bEcho)
{
    g_bEcho = bEcho;
}

}  // namespace ui

namespace {
void (*g_pTitleRefresher)() = nullptr;
}

void Set_Title_Refresher(void (*pRefresh)())
{
    g_pTitleRefresher = pRefresh;
}

void Refresh_Main_Window_Title()
{
    if (g_pTitleRefresher != nullptr)
        g_pTitleRefresher();
}
