// The main window's upkeep that the game code asks for.
//
// The shell owns the main window; it may call every layer below it. The
// window is a model that both backends show: its title, its menu
// (main_menu.h), the page shown (preference 26) in the page area, the status
// bar and the news bar (status_bar.h, news_bar.h) below it, and a count of
// repaints per area, which tests read back. A backend gives the client size,
// paints the client with Paint_Main_Window and is told what to redraw.
#pragma once

#include <cstddef>
#include <string>

#include "platform/canvas.h"
#include "platform/dialogs.h"

constexpr size_t MAIN_TITLE_SIZE = 256;

// The main window's title for the current phase of the season:
// "Vazarudu Kelvo - <year> Fantasy Draft" while a fantasy draft runs,
// "Vazarudu Kelvo - <year> Off-Season" after the final and from week 100 on,
// "Vazarudu Kelvo - <year> <round>" on a playoff day (its short week name:
// "Wild Card", "Division Round" ...), else
// "Vazarudu Kelvo - <year> Week <week + 1>". szBuffer holds MAIN_TITLE_SIZE
// bytes; null is ignored.
void Format_Main_Title(char* szBuffer, size_t nSize);
template <size_t N> void Format_Main_Title(char (&szBuffer)[N])
{
    return Format_Main_Title(szBuffer, N);
}
// Sets the title from Format_Main_Title.
void Update_Main_Window_Title();
const char* Get_Main_Window_Title();
// Stores the page in preference 26 and repaints.
void Set_Main_View_Page(int nPage);
// Renames the two draft menu items for a running fantasy draft (1) or back (0).
void Set_Draft_Menu_Items(int bRunning);
bool Is_Draft_Menu_Running();
// Repaints the main window (the headless model counts repaints).
void Redraw_Main_Window();
int Get_Main_Window_Repaints();
// A watched game's calls are made again (the computer's sides and the
// suggestion pages) when they wait for the user and what decides them has
// changed, e.g. Options switched automatic calling during the wait. False
// when no call was awaited.
bool Remake_Watched_Game_Calls();
// Opens the box score (bRecap false) or the recap of the game shown in the
// game window with the desktop's opener, by the names the engine gives the
// shown game's pages; a page not written says so, and so does a page no
// program could open. A page of the name that another game wrote (another
// league in the folder, or this one played on from an older save) is never
// opened: a box says a later game replaced it. A page written before pages
// carried their game's mark is opened only when the user says so. False
// when nothing opened.
bool Open_Shown_Game_Page(bool bRecap);

// --- The client area: the page, the status bar, the news bar ---------------
// Areas a repaint names.
enum MAIN_AREA : int { AREA_PAGE, AREA_STATUS_BAR, AREA_NEWS_BAR, AREA_ALL, MAIN_AREA_COUNT };
// The client's size (the backend's drawing area); the default is the design
// space with both bars below it. The page area's size becomes the canvas's
// client size (Enlarge_Rectangle scales to it).
void Set_Main_Client_Size(int nWidth, int nHeight);
int Get_Main_Client_Width();
int Get_Main_Client_Height();
struct MAIN_WINDOW_AREAS {
    CANVAS_RECT Page;
    CANVAS_RECT StatusBar;   // empty when the bar is not shown
    CANVAS_RECT NewsBar;     // empty when the bar is not shown
};
// The page on top, the status bar (STATUS_BAR_HEIGHT) and the news bar
// (NEWS_BAR_HEIGHT) at the foot, each present only while shown.
MAIN_WINDOW_AREAS Get_Main_Window_Areas();
// After a bar came or went: the page area's size again, everything redrawn.
void Refresh_Main_Window_Layout();
// Paints the whole client (a canvas of the client's size) or one area.
void Paint_Main_Window(CANVAS& Canvas);
void Paint_Status_Bar(CANVAS& Canvas, const CANVAS_RECT& rcBar);
// The page shown: the game view on the Games page while a game is shown,
// else the page with its corner boxes.
void Paint_Page_Area(CANVAS& Canvas, const CANVAS_RECT& rcPage);
// The frame's paint of one area, the canvas the area's size (AREA_ALL: the
// whole client).
void Paint_Main_Window_Area(int nArea, CANVAS& Canvas);
// The frame's page area has a new size: the client is it and the bars.
void On_Page_Area_Size(int nWidth, int nHeight);
void Paint_News_Bar(CANVAS& Canvas, const CANVAS_RECT& rcBar);
// A mouse button pressed at (x, y) of an area (its pixels): the status bar's
// timeline, the Calendar page's weeks.
void On_Main_Window_Click(int nArea, int x, int y, int nButton);
// Whether a click there would do something (the pointer shows a hand): the
// status bar's timeline.
bool Is_Main_Window_Hot_Spot(int nArea, int x, int y);
// Asks for an area to be drawn again: counted, and the frame told
// (platform/main_frame.h: the backend paints the area through the shell's
// handler).
void Repaint_Window(int nArea);
int Get_Area_Repaints(int nArea);
// The backend's hook that redraws an area (null: none).
void Set_Main_Window_Invalidator(void (*pInvalidate)(int nArea));
// The ticker's timer fired: the text moves on and the news bar is redrawn.
void On_News_Ticker_Timer();

// Runs a modal dialog over the main window: the status bar and the news bar
// are repainted first, then Do_Dialog.
int Run_Dialog(int nDialogId, const char* szTitle, DIALOG_PROC pProc, void* pParam = nullptr);

// Carries out a request of platform/shell_requests.h for real.
void Carry_Out_Main_Window_Request(int nRequest, int nArgument);
// Installs the handler of those requests, with the league's save. (The
// frame's handlers that paint the areas and follow the page area's size
// come with Create_Main_Window.)
void Install_Main_Window_Requests(int (*pSave)(const char* szPath), std::string (*pSaveCause)() = nullptr);

// --- The window itself (headless: a rectangle and a quit message) ----------
struct WINDOW_RECTANGLE;
// Creates the main window at the rectangle (the one stored in the owners'
// hall of fame).
void Create_Main_Window(const WINDOW_RECTANGLE& Window);
WINDOW_RECTANGLE Get_Main_Window_Rectangle();
// Ends the message loop with the exit code once the current command is done.
void Post_Quit_Message(int nExitCode);
bool Is_Quit_Posted();
int Get_Quit_Code();
// Destroys the window and forgets the quit message (start-up of tests).
void Destroy_Main_Window();
