#include "shell/main_window.h"

#include <cstdio>
#include <cstring>

#include "league/league_data.h"
#include "platform/errors.h"

namespace {

char g_szTitle[MAIN_TITLE_SIZE];
int g_bDraftMenuRunning = 0;
int g_nRepaints = 0;

constexpr int PREF_SLOT_SEASON_INDEX = 22;
constexpr int PREF_SLOT_CURRENT_WEEK = 23;
constexpr int PREF_SLOT_CURRENT_PAGE = 26;


}  // namespace

void Format_Main_Title(char* szBuffer)
{
    if (szBuffer == nullptr)
        return;
    int nYear = League.Universe.nStat[FIRST_SEASON_YEAR] + League.Preferences.nInt[PREF_SLOT_SEASON_INDEX];
    int nWeek = League.Preferences.nInt[PREF_SLOT_CURRENT_WEEK];
    if (League.Universe.nStat[FANTASY_DRAFT_RUNNING] >= 1)
        std::snprintf(szBuffer, MAIN_TITLE_SIZE, "%s - %d Fantasy Draft", PRODUCT_NAME, nYear);
    else if (nWeek >= 100)
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
    League.Preferences.nInt[PREF_SLOT_CURRENT_PAGE] = nPage;
    Redraw_Main_Window();
}

void Set_Draft_Menu_Items(int bRunning)
{
    g_bDraftMenuRunning = bRunning ? 1 : 0;
}

int Get_Draft_Menu_Running()
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
