// What code below the shell asks of the main window and its bars: repaints,
// menus, the page shown, the news ticker, the status bar, and saving the
// league to a file. The shell installs a handler that carries them out; until
// then (and in a run without a window) each request is only counted, the
// page asked for is remembered, and a save fails.
#pragma once

#include <string>

enum SHELL_REQUEST : int {
    REQUEST_MAIN_WINDOW_REPAINT,
    REQUEST_STATUS_BAR_REPAINT,
    REQUEST_NEWS_BAR_REPAINT,
    REQUEST_PLAY_MENU,
    REQUEST_GAME_MENU,            // argument 1: the game-in-progress menu, 0 the normal one
    REQUEST_NEWS_TICKER_STOP,
    REQUEST_NEWS_TICKER_START,    // the ticker's text rebuilt and the ticker restarted
    REQUEST_SHOW_PAGE,            // argument: the page's command number
    REQUEST_STATUS_BAR_DESTROY,
    REQUEST_STATUS_BAR_CREATE,
    REQUEST_PAGE_CACHE_RESET,     // the game view rebuilds its cached picture on the next paint
    REQUEST_USER_MESSAGE,         // the main window's own message: the fantasy draft's next pick
    REQUEST_DRAFT_MENU,           // argument 1: the draft items renamed for a running fantasy draft, 0 back
    SHELL_REQUEST_COUNT
};

struct SHELL_HANDLER {
    void (*pRequest)(int nRequest, int nArgument) = nullptr;
    // Saves the league to the path; 0 on success.
    int (*pSave)(const char* szPath) = nullptr;
    // Why the last save failed, in words ("" when it did not say).
    std::string (*pSaveCause)() = nullptr;
};

// Installs the shell's handler (a copy is kept); null restores the headless one.
void Install_Shell_Handler(const SHELL_HANDLER* pHandler);

void Request_Main_Window_Repaint();
void Request_Status_Bar_Repaint();
void Request_News_Bar_Repaint();
void Rebuild_Play_Menu();
void Build_Game_Menu(int bInGame);
void Stop_News_Ticker();
void Start_News_Ticker();
void Show_Main_Page(int nCommand);
void Destroy_Status_Bar();
void Create_Status_Bar();
void Reset_Page_Cache();
// The two draft menu items named for a running fantasy draft (1) or back (0):
// a loaded league may be in the middle of one.
void Rename_Draft_Menu_Items(int bRunning);
// Posts the main window its own message, handled once the current command
// is done (the fantasy draft's next pick comes through it). False when no
// shell takes it (no window): the caller then does the work itself.
bool Post_Main_Window_User_Message();
// Saves the league to the path; 0 on success. Without an installed saver the
// save fails (nonzero).
int Save_League_To(const char* szPath);
// The cause of the last Save_League_To that failed, in words; "" when the
// saver gives none.
std::string Last_League_Save_Cause();

// --- The headless model, read by tests -------------------------------------
namespace shell_requests {
int Count(int nRequest);
// The page of the last REQUEST_SHOW_PAGE, 0 before any.
int Last_Page();
void Reset();
}  // namespace shell_requests
