#include "shell/main_window.h"

#include <cstdio>
#include <cstring>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "platform/errors.h"
#include "platform/main_frame.h"
#include "shell/owner_hall_of_fame.h"

namespace {

char g_szTitle[MAIN_TITLE_SIZE];
bool g_bDraftMenuRunning = false;
int g_nRepaints = 0;

}  // namespace

void Format_Main_Title(char* szBuffer, size_t nSize)
{
    if (szBuffer == nullptr || nSize == 0)
        return;
    const int nYear = Get_Current_Year();
    const int nWeek = Get_Current_Week();
    if (Get_Universe_Stat(FANTASY_DRAFT_RUNNING) >= 1)
        std::snprintf(szBuffer, nSize, "%s - %d Fantasy Draft", PRODUCT_NAME, nYear);
    else if (nWeek >= OFFSEASON_WEEK)
        std::snprintf(szBuffer, nSize, "%s - %d Offseason", PRODUCT_NAME, nYear);
    else
        std::snprintf(szBuffer, nSize, "%s - %d Week %d", PRODUCT_NAME, nYear, nWeek + 1);
}

void Update_Main_Window_Title()
{
    Format_Main_Title(g_szTitle);
    main_frame::Set_Title(g_szTitle);
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
    main_frame::Invalidate();
}

int Get_Main_Window_Repaints()
{
    return g_nRepaints;
}

namespace {

WINDOW_RECTANGLE g_Window{0, 0, 0, 0};
bool g_bWindowCreated = false;
bool g_bQuitPosted = false;
int g_nQuitCode = 0;

}  // namespace

void Create_Main_Window(const WINDOW_RECTANGLE& Window)
{
    g_Window = Window;
    g_bWindowCreated = true;
    g_bQuitPosted = false;
    g_nQuitCode = 0;
    Update_Main_Window_Title();
    main_frame::Open(FRAME_RECT{Window.nLeft, Window.nTop, Window.nRight, Window.nBottom});
}

bool Is_Main_Window_Created()
{
    return g_bWindowCreated;
}

WINDOW_RECTANGLE Get_Main_Window_Rectangle()
{
    // Where the user has put the window, when it is shown.
    FRAME_RECT Now;
    if (g_bWindowCreated && main_frame::Shown_Rect(Now))
        g_Window = WINDOW_RECTANGLE{Now.nLeft, Now.nTop, Now.nRight, Now.nBottom};
    return g_Window;
}

void Set_Main_Window_Rectangle(const WINDOW_RECTANGLE& Window)
{
    g_Window = Window;
}

void Post_Quit_Message(int nExitCode)
{
    g_bQuitPosted = true;
    g_nQuitCode = nExitCode;
}

bool Is_Quit_Posted()
{
    return g_bQuitPosted;
}

int Get_Quit_Code()
{
    return g_nQuitCode;
}

void Destroy_Main_Window()
{
    main_frame::Close();
    g_bWindowCreated = false;
    g_bQuitPosted = false;
    g_nQuitCode = 0;
}
