#include "platform/shell_requests.h"

void Request_Main_Window_Repaint() {}
void Request_Status_Bar_Repaint() {}
void Rebuild_Play_Menu() {}
void Build_Game_Menu() {}
void Stop_News_Ticker() {}
void Start_News_Ticker() {}
void Show_Main_Page(int) {}
void Destroy_Status_Bar() {}
void Create_Status_Bar() {}
int Save_League_To(const char*) { return 1; }
