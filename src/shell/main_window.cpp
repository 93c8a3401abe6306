#include "shell/main_window.h"

#include <cstdio>
#include <cstring>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "platform/errors.h"

namespace {

char g_szTitle[MAIN_TITLE_SIZE];
bool g_bDraftMenuRunning = false;
int g_nRepaints = 0;

}  // namespace

void Format_Main_Title(char* szBuffer)
{
    if (szBuffer == nullptr)
        return;
    const int nYear = Get_Current_Year();
    const int nWeek = Get_Current_Week();
    if (Get_Universe_Stat(FANTASY_DRAFT_RUNNING) >= 1)
        std::snprintf(szBuffer, MAIN_TITLE_SIZE, "%s - %d Fantasy Draft", PRODUCT_NAME, nYear);
    else if (nWeek >= OFFSEASON_WEEK)
        std::snprintf(szBuffer, MAIN_TITLE_SIZE, "%s - %d Offseason", PRODUCT_NAME, nYear);
    else
        std::snprintf(szBuffer, MAIN_TITLE_SIZE, "%s - %d Week %d", PRODUCT_NAME, nYear, nWeek + 1);
}

void Update_Main_Window_Title()
{
    Format_Main_Title(g_szTitle);
}

const char* Get_Main_Window_Title()
{
    return g_szTitle;
}

void Set_Main_View_Page(int nPage)
{
    Set_User_Preference(PREF_MAIN_PAGE, nPage);
    Redraw_Main_Window();
}

void Set_Draft_Menu_Items(int bRunning)
{
    g_bDraftMenuRunning = bRunning != 0;
}

bool Is_Draft_Menu_Running()
{
    return g_bDraftMenuRunning;
}

void Redraw_Main_Window()
{
    ++g_nRepaints;
}

int Get_Main_Window_Repaints()
{
    return g_nRepaints;
}
