// The main window's upkeep that the game code asks for.
//
// The shell owns the main window; it may call every layer below it. Without a
// desktop window the main window is this headless model: it keeps its title
// text, the draft menu mode and a repaint count, which tests read back; the
// current page is preference 26.
#pragma once

#include <cstddef>

constexpr size_t MAIN_TITLE_SIZE = 256;

// The main window's title for the current phase of the season:
// "Vazarudu Kelvo - <year> Fantasy Draft" while a fantasy draft runs,
// "Vazarudu Kelvo - <year> Offseason" from week 100 on, else
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

// --- The window itself (headless: a rectangle and a quit message) ----------
struct WINDOW_RECTANGLE;
// Creates the main window at the rectangle (the one stored in the owners'
// hall of fame).
void Create_Main_Window(const WINDOW_RECTANGLE& Window);
bool Is_Main_Window_Created();
WINDOW_RECTANGLE Get_Main_Window_Rectangle();
// Moves or sizes the window (the user's drag; tests).
void Set_Main_Window_Rectangle(const WINDOW_RECTANGLE& Window);
// Ends the message loop with the exit code once the current command is done.
void Post_Quit_Message(int nExitCode);
bool Is_Quit_Posted();
int Get_Quit_Code();
// Destroys the window and forgets the quit message (start-up of tests).
void Destroy_Main_Window();
