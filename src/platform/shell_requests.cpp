#include "platform/shell_requests.h"

namespace {

SHELL_HANDLER g_Handler;
int g_nCount[SHELL_REQUEST_COUNT] = {};
int g_nLastArgument[SHELL_REQUEST_COUNT] = {};

void Ask(int nRequest, int nArgument)
{
    ++g_nCount[nRequest];
    g_nLastArgument[nRequest] = nArgument;
    if (g_Handler.pRequest != nullptr)
        g_Handler.pRequest(nRequest, nArgument);
}

}  // namespace

void Install_Shell_Handler(const SHELL_HANDLER* pHandler)
{
    g_Handler = pHandler != nullptr ? *pHandler : SHELL_HANDLER{};
}

void Request_Main_Window_Repaint() { Ask(REQUEST_MAIN_WINDOW_REPAINT, 0); }
void Request_Status_Bar_Repaint() { Ask(REQUEST_STATUS_BAR_REPAINT, 0); }
void Request_News_Bar_Repaint() { Ask(REQUEST_NEWS_BAR_REPAINT, 0); }
void Rebuild_Play_Menu() { Ask(REQUEST_PLAY_MENU, 0); }
void Build_Game_Menu(int bInGame) { Ask(REQUEST_GAME_MENU, bInGame); }
void Stop_News_Ticker() { Ask(REQUEST_NEWS_TICKER_STOP, 0); }
void Start_News_Ticker() { Ask(REQUEST_NEWS_TICKER_START, 0); }
void Show_Main_Page(int nCommand) { Ask(REQUEST_SHOW_PAGE, nCommand); }
void Destroy_Status_Bar() { Ask(REQUEST_STATUS_BAR_DESTROY, 0); }
void Create_Status_Bar() { Ask(REQUEST_STATUS_BAR_CREATE, 0); }
void Reset_Page_Cache() { Ask(REQUEST_PAGE_CACHE_RESET, -1); }
void Rename_Draft_Menu_Items(int bRunning) { Ask(REQUEST_DRAFT_MENU, bRunning != 0 ? 1 : 0); }

bool Post_Main_Window_User_Message()
{
    Ask(REQUEST_USER_MESSAGE, 0);
    return g_Handler.pRequest != nullptr;
}

int Save_League_To(const char* szPath)
{
    if (g_Handler.pSave == nullptr || szPath == nullptr)
        return 1;
    return g_Handler.pSave(szPath);
}

std::string Last_League_Save_Cause()
{
    return g_Handler.pSaveCause != nullptr ? g_Handler.pSaveCause() : std::string();
}

namespace shell_requests {

int Count(int nRequest)
{
    return nRequest >= 0 && nRequest < SHELL_REQUEST_COUNT ? g_nCount[nRequest] : 0;
}

int Last_Page()
{
    return g_nLastArgument[REQUEST_SHOW_PAGE];
}

void Reset()
{
    for (int i = 0; i < SHELL_REQUEST_COUNT; ++i) {
        g_nCount[i] = 0;
        g_nLastArgument[i] = 0;
    }
}

}  // namespace shell_requests
