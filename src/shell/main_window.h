// The main window's upkeep that league code asks for. Until the desktop window
// exists these keep only the state they own (title text, current page, the
// draft menu mode) so that callers and tests can read it.
#pragma once

#include <cstddef>

constexpr size_t MAIN_TITLE_SIZE = 256;

// The main window's title for the current phase of the season.
void Format_Main_Title(char* szBuffer);
// Sets the title (headless: keeps it for Get_Main_Window_Title).
void Update_Main_Window_Title();
const char* Get_Main_Window_Title();
// Stores the page in preference 26 and repaints.
void Set_Main_View_Page(int nPage);
// Renames the two draft menu items for a running fantasy draft (1) or back (0).
void Set_Draft_Menu_Items(int bRunning);
int Get_Draft_Menu_Running();
// Repaints the main window (headless: counts repaints).
void Redraw_Main_Window();
int Get_Main_Window_Repaints();
