// Services of the ui model beside the windows: the blocking wait, timers,
// the clipboard, opening documents and help pages. Each goes through the
// backend (ui_backend.h); headless records it for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class DIALOG;

// Waits until an event is handled or nTimeoutMs pass (negative: until an
// event), waking for the nearest timer and firing every timer due. Headless
// it returns at once: the model's clock moves to the nearest timer due
// within the timeout (or by the timeout) and fires what is due.
void Wait_For_Event(int nTimeoutMs);

// Timers. A window-less timer calls pHandler(nId) every nMs; a dialog's
// timer sends DIALOG_TIMER (DIALOG::Set_Timer). Setting an id again restarts
// it with the new interval; an interval below 1 ms counts as 1.
void Set_Timer(int nId, int nMs, void (*pHandler)(int nId));
void Kill_Timer(int nId);
// The model's clock (milliseconds, from the backend; headless: virtual).
uint64_t Ui_Now();
// When the nearest timer is due (a Ui_Now() value); UINT64_MAX when none.
uint64_t Next_Timer_Due();
// Fires every timer due now, earliest first (ties in the order set), each
// once, and schedules its next turn. Returns how many fired.
int Fire_Due_Timers();

// The clipboard's plain text (Windows-1252 here; the backend converts).
void Set_Clipboard_Text(const std::string& Text);
// False when the clipboard holds no text.
bool Get_Clipboard_Text(std::string& Text);

// Opens a path or URL with the desktop's opener (xdg-open); true when it
// started. Headless: recorded, true.
bool Open_Document(const char* szPathOrUrl);
// Opens a file the user asked to see, as Open_Document; when no program
// opens it (the opener cannot start, or ends with a failure) a box titled
// szCaption says so, naming the file by its full path (a relative one taken
// from the current folder). False when the opener did not start.
bool Show_Document(const char* szPath, const char* szCaption);
// A path as a box names it: one taken from the data folder (the current
// one) named from the root; an absolute path or an address as it is.
std::string Get_Document_Full_Path(const std::string& Path);
// For backends: the opener started on a document has ended (nStatus its
// exit status). A failure is noted in debug.txt, and told in a box when the
// document was asked for through Show_Document.
void Document_Opener_Ended(const std::string& Target, int nStatus);
// Prints a text file as monospaced pages through the desktop's print
// dialog; true when it ran (a print the user cancels is no failure), false
// when it could not start (a missing file, no printing). Headless: recorded,
// true when the file exists.
bool Print_Document(const char* szPath);
// The lines of a text file cut into pages of nLinesPerPage lines (at least
// 1) for printing: tabs expanded to 8 columns, line ends dropped; an empty
// file gives one empty page.
std::vector<std::vector<std::string>> Paginate_Text_For_Print(const std::string& Text, int nLinesPerPage);
// Lines per printed page (the backends lay pages out with this many).
constexpr int PRINT_LINES_PER_PAGE = 60;
// Where an unattended print writes its PDF instead of printing (empty: the
// backend's own choice, "print.pdf" beside the file). Tests set it.
void Set_Print_Export_File(const std::string& Path);
const std::string& Get_Print_Export_File();

// Opens "Help/<name>.htm" of the data folder; a missing page (or no opener)
// gives a box naming the page, and false.
bool Open_Help_Page(const char* szName);
// A dialog's page: the name its template gives (szHelp), else the one
// registered for the id (Register_Help_Page), else "dialog<id>".
bool Open_Help_Page(int nDialogId);
void Register_Help_Page(int nDialogId, const char* szName);
// Starts the desktop's opener (xdg-open) on a path or URL without waiting
// for it; true when it started. Backends call it; headless never does.
bool Spawn_Document_Opener(const char* szPathOrUrl);
// The help page's path for a name ("Help/<name>.htm").
std::string Help_Page_Path(const char* szName);

// The cursor over the program's windows.
constexpr int UI_CURSOR_ARROW = 0;
constexpr int UI_CURSOR_WAIT = 1;
void Set_App_Cursor(int nCursor);
int Get_App_Cursor();
// The width in pixels of a text in the dialog font (headless: 6 a byte, the
// width of a base unit, so column sizes are testable).
int Ui_Text_Width(const std::string& Text);

namespace services {
// Headless records, for tests.
struct TIMER_FIRING {
    int nId = 0;
    int nDialogId = 0;   // 0: a window-less timer
    uint64_t nAt = 0;
};
const std::vector<TIMER_FIRING>& Timer_Firings();
const std::vector<std::string>& Opened_Documents();
const std::vector<std::string>& Printed_Documents();
const std::vector<std::string>& Help_Pages_Opened();   // names asked for, found or not
// Paint areas asked to repaint headless: (dialog id, control id) pairs.
const std::vector<std::pair<int, int>>& Invalidations();
void Record_Invalidation(int nDialogId, int nControl);
// Moves the headless clock by nMs, firing what falls due on the way (in
// time order). Only while headless.
void Advance_Clock(uint64_t nMs);
// Headless: Open_Document fails from now on, as on a desktop with no
// opener (false: it records again). Reset() clears it.
void Set_No_Document_Opener(bool bNone);
void Reset();   // timers, clipboard, records, clock (to 0)
}  // namespace services

namespace services {
// A dialog's timers (DIALOG::Set_Timer uses these); a dialog's timers die
// with it.
void Set_Dialog_Timer(DIALOG* pDialog, int nId, int nMs);
void Kill_Dialog_Timer(DIALOG* pDialog, int nId);
void Kill_Dialog_Timers(DIALOG* pDialog);
}  // namespace services
