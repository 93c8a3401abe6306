// The seam between the ui model and whatever shows it.
//
// The model (ui.h, dialogs.h, menus.h, ui_services.h) keeps every state:
// texts, items, selections, checks, enabled and visible flags, column order,
// menu state, timers. A backend only shows that state and feeds the user's
// input back through the model's own operations (DIALOG::User_* and
// friends), which send the procedure the same events the headless driver
// sends. No code outside the backend knows which backend runs.
//
// Installing: fill a UI_BACKEND with the operations (a null entry keeps the
// headless behaviour of that operation) and call Install_Ui_Backend(&Table)
// once the display is up; the table must outlive its use.
// Install_Ui_Backend(nullptr) restores the headless backend, which is the
// default and always built; it records what it is asked to show (see the
// ui::, dialogs::, menus:: and services:: test hooks).
//
// What each operation must do:
// - Message_Box: show Box (caption, text, style; Buttons holds the three
//   labels of User_Message_Dialog, empty for a standard box), wait for the
//   user (a nested loop), return the button's id (1 OK, 2 Cancel, 6 Yes, 7 No;
//   for labelled boxes 6, 7, 2 for the first, second, third label).
//   nDefault is the box's default button (Enter). Escape answers 2 when the
//   box has Cancel, else its only button. A test's queued answer comes
//   first: ui::Take_Queued_Answer(n), then click that button; unattended
//   with none queued, answer nDefault. (The model records the box.)
// - Run_Dialog: the model is built from the template and the procedure has
//   had DIALOG_INIT. Show the dialog (controls at their rectangles in dialog
//   units, texts with their mnemonics), then run a nested loop until
//   Dialog.Ended(). User input goes back through Dialog.User_*(). Enter is
//   Dialog.User_Press(Dialog.Default_Button()); Escape and the close box are
//   Dialog.User_Cancel() (which the dialog's style may ignore). Once shown,
//   take the actions queued for it (dialogs::Take_Action(Dialog.Id(), A))
//   and carry each out on the real widgets, so their signal handlers feed
//   the model (dialogs::Describe_Action names it; an action the widgets
//   cannot take is refused with dialogs::Refuse(Dialog, Why)). When none is
//   left and dialogs::Unattended() holds (a script or a test drives the
//   program), end it as the headless run does: dialogs::Finish_Unattended.
//   Destroy the widgets on return (the model sends DIALOG_DESTROY itself).
//   A dialog that comes back without an end counts as cancelled.
// - Dialog_Changed: the model of an open dialog changed (a procedure set a
//   text, an item, a check, a column order...); nControl is the control, or
//   0 for every control and the dialog itself (title, size, moved aside or
//   back, controls added or removed). Bring the widgets in line without
//   sending events back. A control between Begin_Update and End_Update is
//   not reported until the last End_Update. A report list whose rows were
//   only sorted since the backend showed them (nSortedFrom is the revision
//   shown) may be reordered by SortOrder instead of refilled.
// - Dialog_Ended: the procedure ended an open dialog. Take its window off
//   the screen at once: what the procedure does before it returns (the next
//   dialog, a box) is not to be shown over it.
// - Progress_Changed: the progress window's model changed (opened, stepped,
//   text, closed). Show it modeless, one at a time.
// - Pump: dispatch every waiting event, then return; never block.
// - Wait: block until one event is handled or nTimeoutMs pass (negative: no
//   limit); return whether an event was handled. Never spin.
// - Timers_Changed: the model's timers changed; arrange to call
//   Fire_Due_Timers() when Next_Timer_Due() (ui_services.h: a Now() value, or
//   UINT64_MAX for none) comes, also inside nested loops.
// - Now: a monotonic millisecond clock (headless: a clock that only the
//   blocking wait and tests move).
// - Main_Menu_Changed: the main menu model (menus::Main_Menu()) changed;
//   rebuild or update the menu bar and the accelerators. An activated item
//   or key goes back through menus::Activate_Command(nId).
// - Popup_Menu: show Menu at (x, y) in screen pixels, wait, return the chosen
//   command id, or 0 when the user dismissed it. A queued choice comes first
//   (menus::Take_Popup_Choice(Menu, nId), taken before showing): once the
//   menu shows, click its item (an id the menu cannot choose dismisses it);
//   unattended with none, dismiss it.
// - Set_Clipboard_Text: replace the clipboard with Text (Windows-1252; the
//   backend converts). Get_Clipboard_Text: the clipboard's plain text in
//   Windows-1252 (characters it cannot hold dropped); false when empty.
// - Open_Document: open a path or URL with the desktop's opener; true when
//   the opener started.
// - Print_Document: show the desktop's print dialog for a text file laid
//   out as monospaced pages (Paginate_Text_For_Print); true when the dialog
//   ran (a print the user cancelled is no failure), false when it could not
//   start. Unattended, export the pages as a PDF (Set_Print_Export_File)
//   without showing the dialog.
// - Invalidate: the area (x, y, cx, cy in pixels of the control; null: all
//   of it) of paint area nControl of pDialog needs a new paint; pDialog null
//   means the main window's page area. The backend later sends DIALOG_PAINT
//   through Dialog.User_Paint(...) (or the shell's painter).
// - Set_Cursor: show the arrow (UI_CURSOR_ARROW) or the wait cursor
//   (UI_CURSOR_WAIT) over the program's windows.
// - Measure_Text: the width in pixels of Text (Windows-1252, no mnemonic
//   marks) in the dialog font; headless it is 6 pixels a byte.
#pragma once

#include <cstdint>
#include <string>

class CANVAS;
class DIALOG;
struct MENU;
struct SHOWN_BOX;
struct PROGRESS_MODEL;

// A rectangle in pixels or dialog units, as the context says.
struct UI_RECT {
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
};

struct UI_BACKEND {
    const char* szName = "headless";
    int (*Message_Box)(const SHOWN_BOX& Box, int nDefault) = nullptr;
    void (*Run_Dialog)(DIALOG& Dialog) = nullptr;
    void (*Dialog_Changed)(DIALOG& Dialog, int nControl) = nullptr;
    void (*Dialog_Ended)(DIALOG& Dialog) = nullptr;
    void (*Progress_Changed)(const PROGRESS_MODEL& Progress) = nullptr;
    void (*Pump)() = nullptr;
    bool (*Wait)(int nTimeoutMs) = nullptr;
    void (*Timers_Changed)() = nullptr;
    uint64_t (*Now)() = nullptr;
    void (*Main_Menu_Changed)(const MENU& Menu) = nullptr;
    int (*Popup_Menu)(const MENU& Menu, int x, int y) = nullptr;
    void (*Set_Clipboard_Text)(const std::string& Text) = nullptr;
    bool (*Get_Clipboard_Text)(std::string& Text) = nullptr;
    bool (*Open_Document)(const char* szPathOrUrl) = nullptr;
    bool (*Print_Document)(const char* szPath) = nullptr;
    void (*Invalidate)(DIALOG* pDialog, int nControl, const UI_RECT* pArea) = nullptr;
    void (*Set_Cursor)(int nCursor) = nullptr;
    int (*Measure_Text)(const std::string& Text) = nullptr;
};

// Installs a backend (null: headless again).
void Install_Ui_Backend(const UI_BACKEND* pBackend);
// The backend in force (never null: the headless table when none is installed).
const UI_BACKEND& Ui_Backend();
// True while the headless backend is in force.
bool Ui_Is_Headless();
