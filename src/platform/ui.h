// Message boxes, the progress window and the message pump.
//
// The ui layer keeps the state itself; a backend only shows it. The headless
// backend (always built) answers every box from a queue that tests fill, else
// with the box's default button, and records every box shown.
#pragma once

#include <string>
#include <vector>

#include "platform/errors.h"

// Box styles (the low bits choose the buttons) and flags.
constexpr unsigned BOX_OK = 0;
constexpr unsigned BOX_OKCANCEL = 1;
constexpr unsigned BOX_YESNOCANCEL = 3;
constexpr unsigned BOX_YESNO = 4;
constexpr unsigned BOX_BUTTON_MASK = 0xF;
constexpr unsigned BOX_ICON_QUESTION = 0x20;
constexpr unsigned BOX_ICON_EXCLAMATION = 0x30;
constexpr unsigned BOX_ICON_INFORMATION = 0x40;
constexpr unsigned BOX_DEFAULT_SECOND = 0x100;
constexpr unsigned BOX_DEFAULT_THIRD = 0x200;
constexpr unsigned BOX_TASKMODAL = 0x2000;
// The box asks to confirm a loss (a file overwritten): unattended (a script
// runs) it is declined, Cancel else No, unless an answer was queued for it.
constexpr unsigned BOX_UNATTENDED_DECLINES = 0x4000;

// Button results.
constexpr int ID_OK = 1;
constexpr int ID_CANCEL = 2;
constexpr int ID_YES = 6;
constexpr int ID_NO = 7;

// Shows a box and returns the button chosen.
int Show_Message_Box(const char* szText, const char* szCaption, unsigned nStyle);
// Formats into 2,048 bytes and shows an information box with OK.
int Show_Formatted_Message(const char* szCaption, const char* szFormat, ...) KELVO_PRINTF(2, 3);
// An information box titled "Quick Message".
int Quick_Message(const char* szFormat, ...) KELVO_PRINTF(1, 2);
// A box with the caller's button labels (a null or empty label: no button).
// Returns 6 for the first button, 7 for the second, 2 for the third.
int User_Message_Dialog(const char* szTitle, const char* szText, unsigned nFlags,
                        const char* szFirst, const char* szSecond, const char* szThird);

// Dispatches every waiting message. Headless: nothing waits.
void Pump_Messages();

// The single modeless progress window. Open returns 0 when one is open.
int Open_Progress_Window(const char* szTitle, int nSteps);
void Step_Progress_Window(int n);
void Set_Progress_Text(const char* szText);
void Close_Progress_Window();

// The main window's title names the season phase. Code below the shell asks
// for it to be brought up to date; the shell installs what does it (nothing
// happens until then).
void Set_Title_Refresher(void (*pRefresh)());
void Refresh_Main_Window_Title();

// --- The headless backend's model, read and driven by tests ---------------

struct SHOWN_BOX {
    std::string Caption;
    std::string Text;
    unsigned Style;
    int Result;
    std::vector<std::string> Buttons;   // labels of User_Message_Dialog
    // Declined because nobody was there to confirm (BOX_UNATTENDED_DECLINES).
    bool bDeclinedUnattended = false;
};

// The buttons a box shows, in order, as (label, result): "&OK" 1,
// "&Cancel" 2, "&Yes" 6, "&No" 7 by its style, or the labels of
// User_Message_Dialog (6, 7, 2); the default button is the one Enter presses.
struct BOX_BUTTON {
    std::string Label;
    int nResult;
};
std::vector<BOX_BUTTON> Message_Box_Buttons(const SHOWN_BOX& Box);

struct PROGRESS_MODEL {
    bool Open = false;
    std::string Title;
    std::string Text;
    int Steps = 0;
    int Position = 0;
    int TimesOpened = 0;
    int Repaints = 0;
};

namespace ui {
// Answers to the next boxes, in order; an empty queue takes the default button.
// An answer a message box has no button for declines it (Cancel, else No).
void Queue_Answer(int nButton);
void Clear_Answers();
// For backends: the next queued answer (false: none), to click its button.
bool Take_Queued_Answer(int& nButton);
const std::vector<SHOWN_BOX>& Shown_Boxes();
void Clear_Shown_Boxes();
const PROGRESS_MODEL& Progress();
void Reset();   // answers, boxes and progress window
// Also print every box to stderr (the program without a window does).
void Set_Echo(bool bEcho);
}  // namespace ui
