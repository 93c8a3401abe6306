// What code below the shell asks of the main window and its bars: repaints,
// menus, the page shown, the news ticker, the status bar, and saving the
// league to a file. The shell installs what carries them out; until then
// (and in a run without a window) each request is only counted.
#pragma once

void Request_Main_Window_Repaint();
void Request_Status_Bar_Repaint();
void Rebuild_Play_Menu();
void Build_Game_Menu();
void Stop_News_Ticker();
void Start_News_Ticker();
void Show_Main_Page(int nCommand);
void Destroy_Status_Bar();
void Create_Status_Bar();
// Saves the league to the path; 0 on success. Without an installed saver the
// save fails (nonzero).
int Save_League_To(const char* szPath);
