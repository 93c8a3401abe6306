#include "shell/main_window.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "engine/game_log.h"
#include "engine/watched_game.h"
#include "league/preferences.h"
#include "league/team_schedule.h"
#include "pages/calendar_page.h"
#include "pages/draft_page.h"
#include "pages/game_view.h"
#include "pages/page_layout.h"
#include "pages/page_paint.h"
#include "pages/page_stats.h"
#include "pages/score_boxes.h"
#include "season/playoffs.h"
#include "season/timeline.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/main_frame.h"
#include "platform/pictures.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "platform/ui_backend.h"
#include "platform/ui_services.h"
#include "shell/commands.h"
#include "shell/draft_commands.h"
#include "shell/main_menu.h"
#include "shell/news_bar.h"
#include "shell/owner_hall_of_fame.h"
#include "shell/status_bar.h"

namespace {

// The ui model's timer id of the news ticker.
constexpr int NEWS_TICKER_TIMER_ID = 0x4E57;

char g_szTitle[MAIN_TITLE_SIZE];
bool g_bDraftMenuRunning = false;
int g_nRepaints = 0;

}  // namespace

// The timeline's off-season phase starts four days after the first playoff day.
constexpr int OFFSEASON_PHASE_OFFSET = 4;

void Format_Main_Title(char* szBuffer, size_t nSize)
{
    if (szBuffer == nullptr || nSize == 0)
        return;
    const int nYear = Get_Current_Year();
    const int nWeek = Get_Current_Week();
    if (Get_Universe_Stat(FANTASY_DRAFT_RUNNING) >= 1)
        std::snprintf(szBuffer, nSize, "%s - %d Fantasy Draft", PRODUCT_NAME, nYear);
    else if (nWeek >= OFFSEASON_WEEK || nWeek >= Get_Playoff_Start_Day() + OFFSEASON_PHASE_OFFSET)
        // The days after the final are the off-season, as the status bar says.
        std::snprintf(szBuffer, nSize, "%s - %d Off-Season", PRODUCT_NAME, nYear);
    else if (nWeek >= Get_Playoff_Start_Day()) {
        // A playoff day is named by its round, as the pages and the bar do.
        char szRound[64];
        Get_Week_Name(nWeek, szRound);
        std::snprintf(szBuffer, nSize, "%s - %d %s", PRODUCT_NAME, nYear, szRound);
    } else
        std::snprintf(szBuffer, nSize, "%s - %d Week %d", PRODUCT_NAME, nYear, nWeek + 1);
}

void Update_Main_Window_Title()
{
    // A new phase (a day played, a league loaded) changes what every area
    // shows, not only the title.
    Repaint_Window(AREA_ALL);
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
    Build_Main_Menu();
}

bool Is_Draft_Menu_Running()
{
    return g_bDraftMenuRunning;
}

void Redraw_Main_Window()
{
    ++g_nRepaints;
    // Whatever asked for it may have changed the league the news tells.
    Mark_News_Bar_Stale();
    Repaint_Window(AREA_ALL);
}

int Get_Main_Window_Repaints()
{
    return g_nRepaints;
}

bool Open_Shown_Game_Page(bool bRecap)
{
    char szName[64];
    const bool bNamed = bRecap ? Get_Selected_Recap_File_Name(szName, sizeof(szName))
                               : Get_Selected_Box_Score_File_Name(szName, sizeof(szName));
    if (!bNamed)
        return false;
    const std::string Path = files::Resolve_Path(szName);
    if (Was_Game_Page_Lost(szName)) {
        Show_Formatted_Message(bRecap ? "Recap" : "Box Score", "%s could not be written when the game was played",
                               Path.c_str());
        return false;
    }
    const char* szCaption = bRecap ? "Recap" : "Box Score";
    const std::string FullPath = Get_Document_Full_Path(Path);
    const int nShown = Get_User_Preference(PREF_SHOWN_GAME);
    switch (Check_Game_Page(szName, Get_Game_Record(nShown), nShown)) {
    case GAME_PAGE_OWN:
        break;
    case GAME_PAGE_REPLACED:
        Show_Formatted_Message(szCaption,
                               "%s is not this game's page: a later game of the same name (another league in "
                               "this folder, or this league played on from an older save) replaced it.",
                               FullPath.c_str());
        return false;
    case GAME_PAGE_UNMARKED: {
        char szText[ERROR_TEXT_SIZE];
        std::snprintf(szText, sizeof(szText),
                      "%s was written before pages carried a mark of their game, so it cannot be told from a "
                      "later game's page of the same name. Open it anyway?",
                      FullPath.c_str());
        if (Show_Message_Box(szText, szCaption, BOX_YESNO | BOX_ICON_QUESTION | BOX_DEFAULT_SECOND) != ID_YES)
            return false;
        break;
    }
    default:
        Show_Formatted_Message(szCaption, "Couldn't find %s", Path.c_str());
        return false;
    }
    return Show_Document(Path.c_str(), szCaption);
}

bool Remake_Watched_Game_Calls()
{
    if (!Is_Awaiting_User_Play_Call())
        return false;
    Call_Current_Game_Plays();
    return true;
}

namespace {

WINDOW_RECTANGLE g_Window{0, 0, 0, 0};
bool g_bWindowCreated = false;
bool g_bQuitPosted = false;
int g_nQuitCode = 0;

}  // namespace

namespace {

// The watched game's view: the engine's frames, repaints and score boxes
// become repaints of the page area, painted by the pages.
int On_Play_Text_Frame(int nFrame, bool bFinal)
{
    const int nWait = Show_Play_Text_Frame(nFrame, bFinal);
    if (Is_Game_View_Shown())
        Repaint_Window(AREA_PAGE);
    return nWait;
}

void On_Watched_Game_Repaint()
{
    Repaint_Window(AREA_PAGE);
}

// Called after every play of every game: the page is repainted only when
// the box shows something new (a score, another game).
void On_Game_Score_Box(const GAME* pGame)
{
    const SCORE_BOX Before = Get_Score_Box();
    Record_Game_Score_Box(pGame);
    const SCORE_BOX& After = Get_Score_Box();
    const bool bChanged = Before.bShown != After.bShown || Before.nTeam[0] != After.nTeam[0] ||
                          Before.nTeam[1] != After.nTeam[1] || Before.nScore[0] != After.nScore[0] ||
                          Before.nScore[1] != After.nScore[1];
    if (bChanged && Is_Corner_Box_Page(Get_User_Preference(PREF_MAIN_PAGE)))
        Repaint_Window(AREA_PAGE);
}

// A click on the page: the game view's calls and page buttons.
void On_Game_View_Click(int nArea, int x, int y, int nButton)
{
    if (nArea != AREA_PAGE || nButton != 1 || !Is_Game_View_Shown())
        return;
    const CANVAS_RECT rcPage = Get_Main_Window_Areas().Page;
    if (Click_Play_Call_Area(rcPage, x, y)) {
        Repaint_Window(AREA_PAGE);
        return;
    }
    const int nLink = Find_Game_View_Page_Link(rcPage, x, y);
    if (nLink != GAME_VIEW_PAGE_NONE)
        Open_Shown_Game_Page(nLink == GAME_VIEW_PAGE_RECAP);
}

// A key before the menu's: the game view's digit keys.
bool On_Game_View_Key(int nKey, unsigned nModifiers)
{
    return nModifiers == 0 && Press_Game_View_Key(nKey);
}

}  // namespace

void Create_Main_Window(const WINDOW_RECTANGLE& Window)
{
    g_Window = Window;
    g_bWindowCreated = true;
    g_bQuitPosted = false;
    g_nQuitCode = 0;
    Update_Main_Window_Title();
    // The frame's areas are painted here; its close box keeps the handler
    // start-up gave it.
    MAIN_FRAME_HANDLERS Frame = main_frame::Handlers();
    Frame.pPaint = Paint_Main_Window_Area;
    Frame.pSize = On_Page_Area_Size;
    Frame.pClick = On_Main_Window_Click;
    Frame.pKey = On_Game_View_Key;
    Frame.pHotSpot = Is_Main_Window_Hot_Spot;
    main_frame::Set_Handlers(&Frame);
    // A user may watch games only where the window shows them.
    if (!Ui_Is_Headless()) {
        WATCHED_GAME_VIEW View;
        View.pfnPaintPlayTextBox = On_Play_Text_Frame;
        View.pfnRepaint = On_Watched_Game_Repaint;
        View.pfnDrawScoreBox = On_Game_Score_Box;
        View.pfnHoldSnap = Hold_Game_View_Snap;
        Install_Watched_Game_View(&View);
    }
    // The timeline stands still while a game under way is on the screen; a
    // game over leaves it live.
    Set_Timeline_Game_On_Screen_Query(Is_Game_Under_Way_On_Screen);
    main_frame::Open(FRAME_RECT{Window.nLeft, Window.nTop, Window.nRight, Window.nBottom});
    // The bars come with a game begun or resumed (Create_Status_Bar).
    Refresh_Main_Window_Layout();
    Enable_Main_Menu(1);
    // The ticker moves on a timer of the ui model.
    NEWS_TICKER_TIMER Timer;
    Timer.pStart = [](int nMs) { Set_Timer(NEWS_TICKER_TIMER_ID, nMs, [](int) { On_News_Ticker_Timer(); }); };
    Timer.pStop = [] { Kill_Timer(NEWS_TICKER_TIMER_ID); };
    Set_News_Ticker_Timer(Timer);
}

WINDOW_RECTANGLE Get_Main_Window_Rectangle()
{
    // Where the user has put the window, when it is shown.
    FRAME_RECT Now;
    if (g_bWindowCreated && main_frame::Shown_Rect(Now))
        g_Window = WINDOW_RECTANGLE{Now.nLeft, Now.nTop, Now.nRight, Now.nBottom};
    return g_Window;
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
    Install_Watched_Game_View(nullptr);
    Set_Timeline_Game_On_Screen_Query(nullptr);
    main_frame::Close();
    g_bWindowCreated = false;
    g_bQuitPosted = false;
    g_nQuitCode = 0;
    // The ticker's timer dies with the window.
    Stop_Main_News_Ticker();
    Reset_News_Bar();
    Reset_Status_Bar();
}

// --- The client area --------------------------------------------------------

namespace {

int g_nClientWidth = PAGE_DESIGN_WIDTH;
int g_nClientHeight = PAGE_DESIGN_HEIGHT + STATUS_BAR_HEIGHT + NEWS_BAR_HEIGHT;
int g_nAreaRepaints[MAIN_AREA_COUNT] = {};
void (*g_pInvalidate)(int nArea) = nullptr;

// News bar colours: a dark band for the news.
constexpr uint32_t NEWS_BAR_RGB = 0x111111;
constexpr uint32_t NEWS_LABEL_RGB = 0xA31F1F;
constexpr uint32_t NEWS_TEXT_RGB = 0xF7F3E8;
constexpr int NEWS_LABEL_WIDTH = 64;

CANVAS_FONT Ticker_Font()
{
    return CANVAS_FONT{FONT_FAMILY_SANS_CONDENSED, 13.0, false, false};
}

void Update_Page_Client_Size()
{
    const MAIN_WINDOW_AREAS Areas = Get_Main_Window_Areas();
    if (!Areas.Page.Is_Empty())
        Set_Client_Size(Areas.Page.Width(), Areas.Page.Height());
}

}  // namespace

void Refresh_Main_Window_Layout()
{
    main_frame::Set_Bars(Is_Status_Bar_Shown() ? STATUS_BAR_HEIGHT : 0, Is_News_Bar_Shown());
    Update_Page_Client_Size();
    Repaint_Window(AREA_ALL);
}

void Set_Main_Client_Size(int nWidth, int nHeight)
{
    g_nClientWidth = nWidth > 0 ? nWidth : 0;
    g_nClientHeight = nHeight > 0 ? nHeight : 0;
    Update_Page_Client_Size();
    Repaint_Window(AREA_ALL);
}

int Get_Main_Client_Width()
{
    return g_nClientWidth;
}

int Get_Main_Client_Height()
{
    return g_nClientHeight;
}

MAIN_WINDOW_AREAS Get_Main_Window_Areas()
{
    MAIN_WINDOW_AREAS Areas;
    int nBottom = g_nClientHeight;
    if (Is_News_Bar_Shown()) {
        const int nTop = std::max(0, nBottom - NEWS_BAR_HEIGHT);
        Areas.NewsBar = CANVAS_RECT{0, nTop, g_nClientWidth, nBottom};
        nBottom = nTop;
    }
    if (Is_Status_Bar_Shown()) {
        const int nTop = std::max(0, nBottom - STATUS_BAR_HEIGHT);
        Areas.StatusBar = CANVAS_RECT{0, nTop, g_nClientWidth, nBottom};
        nBottom = nTop;
    }
    Areas.Page = CANVAS_RECT{0, 0, g_nClientWidth, nBottom};
    return Areas;
}

void Paint_Status_Bar(CANVAS& Canvas, const CANVAS_RECT& rcBar)
{
    Paint_Status_Bar_Strip(Canvas, rcBar);
}

void Paint_News_Bar(CANVAS& Canvas, const CANVAS_RECT& rcBar)
{
    if (rcBar.Is_Empty())
        return;
    const CANVAS_RECT rcOld = Canvas.Get_Clip();
    Canvas.Set_Clip(rcBar);
    Canvas.Fill_Rect(rcBar, Rgb_Color(NEWS_BAR_RGB));
    // The skin's background stretched to the bar once for each size (the
    // ticker repaints the bar many times a second).
    static CANVAS Background;
    static std::string BackgroundPath;
    const std::string Path = Get_Skin_File_Path(SKIN_NEWS_BAR_BACKGROUND);
    if (Background.Width() != rcBar.Width() || Background.Height() != rcBar.Height() || BackgroundPath != Path) {
        BackgroundPath = Path;
        if (Background.Resize(rcBar.Width(), rcBar.Height()) &&
            !Draw_Cached_Image(Background, Path.c_str(), Background.Bounds()))
            Background.Resize(0, 0);
    }
    if (!Background.Is_Empty())
        Canvas.Draw_Canvas(Background, rcBar.left, rcBar.top);
    Update_News_Bar_Text();
    const NEWS_BAR_STATE& Bar = Get_News_Bar();
    const CANVAS_FONT Font = Ticker_Font();
    // The text runs in from the right edge and passes under the label.
    const CANVAS_RECT rcTicker{rcBar.left + NEWS_LABEL_WIDTH, rcBar.top, rcBar.right, rcBar.bottom};
    Canvas.Set_Clip(rcTicker);
    const double fBaseline = rcBar.top + (rcBar.Height() + Get_Font_Ascent(Font) - Get_Font_Descent(Font)) / 2.0;
    // A standing ticker is measured to keep its text in sight.
    const int nTextWidth = Bar.bRunning ? 0 : static_cast<int>(Measure_Text(Font, Bar.Text.c_str()));
    const int x = Get_News_Ticker_Text_X(rcTicker.left, rcBar.right, nTextWidth);
    Canvas.Draw_Text(Font, x, fBaseline, Bar.Text.c_str(), Rgb_Color(NEWS_TEXT_RGB));
    Canvas.Set_Clip(rcBar);
    const CANVAS_RECT rcLabel{rcBar.left, rcBar.top, rcBar.left + NEWS_LABEL_WIDTH, rcBar.bottom};
    Canvas.Fill_Rect(rcLabel, Rgb_Color(NEWS_LABEL_RGB));
    Draw_Text_In_Box(Canvas, "NEWS", rcLabel, TEXT_SINGLELINE | TEXT_VCENTER | TEXT_CENTER, false,
                     CANVAS_FONT{FONT_FAMILY_SANS, 12.0, true, false}, Rgb_Color(NEWS_TEXT_RGB));
    Canvas.Set_Clip(rcOld);
}

void Paint_Page_Area(CANVAS& Canvas, const CANVAS_RECT& rcPage)
{
    const int nPage = Get_User_Preference(PREF_MAIN_PAGE);
    if (Is_Game_View_Shown()) {
        Paint_Game_View(Canvas, rcPage);
        return;
    }
    Paint_Main_Page(Canvas, nPage, rcPage);
    Paint_Corner_Boxes(Canvas, rcPage, nPage);
    // The club's logo in the page's corner; over the game view it would
    // cover a diagram.
    Draw_Timeline_Team_Logo(Canvas, rcPage);
}

void Paint_Main_Window_Area(int nArea, CANVAS& Canvas)
{
    switch (nArea) {
    case AREA_PAGE:
        Paint_Page_Area(Canvas, Canvas.Bounds());
        break;
    case AREA_STATUS_BAR:
        Paint_Status_Bar(Canvas, Canvas.Bounds());
        break;
    case AREA_NEWS_BAR:
        Paint_News_Bar(Canvas, Canvas.Bounds());
        break;
    default:
        Paint_Main_Window(Canvas);
        break;
    }
}

void On_Page_Area_Size(int nWidth, int nHeight)
{
    const int nBars = (Is_Status_Bar_Shown() ? STATUS_BAR_HEIGHT : 0) + (Is_News_Bar_Shown() ? NEWS_BAR_HEIGHT : 0);
    g_nClientWidth = nWidth > 0 ? nWidth : 0;
    g_nClientHeight = (nHeight > 0 ? nHeight : 0) + nBars;
    Update_Page_Client_Size();
}

void Paint_Main_Window(CANVAS& Canvas)
{
    const MAIN_WINDOW_AREAS Areas = Get_Main_Window_Areas();
    Paint_Page_Area(Canvas, Areas.Page);
    Paint_Status_Bar(Canvas, Areas.StatusBar);
    Paint_News_Bar(Canvas, Areas.NewsBar);
}

namespace {

// The statistic heading of the page shown under (x, y) of the page area.
PAGE_STAT_HEADING Page_Stat_Heading_At(int x, int y)
{
    return Find_Page_Stat_Heading(Get_User_Preference(PREF_MAIN_PAGE), x, y, Get_Main_Window_Areas().Page);
}

}  // namespace

void On_Main_Window_Click(int nArea, int x, int y, int nButton)
{
    // While the progress window is open the work under way pumps the
    // window's events: a click then would act on a league half made.
    if (nButton != 1 || ui::Progress().Open)
        return;
    if (nArea == AREA_STATUS_BAR)
        Status_Bar_Click(x, y);
    else if (nArea == AREA_PAGE && Is_Game_View_Shown())
        On_Game_View_Click(nArea, x, y, nButton);
    else if (nArea == AREA_PAGE && Page_Stat_Heading_At(x, y).nSlot >= 0) {
        const PAGE_STAT_HEADING Heading = Page_Stat_Heading_At(x, y);
        Choose_Page_Statistic(Heading.nSlot, Heading.nDialog);
    } else if (nArea == AREA_PAGE && Get_User_Preference(PREF_MAIN_PAGE) == MAIN_PAGE_CALENDAR)
        Calendar_Page_Click(x, y, Get_Main_Window_Areas().Page);
    else if (nArea == AREA_PAGE && Get_User_Preference(PREF_MAIN_PAGE) == MAIN_PAGE_DRAFT)
        Draft_Page_Click(x, y, Get_Main_Window_Areas().Page);
}

bool Is_Main_Window_Hot_Spot(int nArea, int x, int y)
{
    if (nArea == AREA_PAGE && Is_Game_View_Shown())
        return Hit_Test_Game_View(Get_Main_Window_Areas().Page, x, y) >= 0;
    if (nArea == AREA_PAGE && Page_Stat_Heading_At(x, y).nSlot >= 0)
        return true;
    if (nArea == AREA_PAGE && Get_User_Preference(PREF_MAIN_PAGE) == MAIN_PAGE_DRAFT)
        return Is_Draft_Page_Hot_Spot(x, y, Get_Main_Window_Areas().Page);
    return nArea == AREA_STATUS_BAR && Is_Status_Bar_Hot_Spot(x, y);
}

void Repaint_Window(int nArea)
{
    if (nArea < 0 || nArea >= MAIN_AREA_COUNT)
        nArea = AREA_ALL;
    ++g_nAreaRepaints[nArea];
    if (g_pInvalidate != nullptr)
        g_pInvalidate(nArea);
    static_assert(int(AREA_PAGE) == int(FRAME_PAGE) && int(AREA_STATUS_BAR) == int(FRAME_STATUS_BAR) &&
                  int(AREA_NEWS_BAR) == int(FRAME_NEWS_BAR));
    main_frame::Invalidate(nArea == AREA_ALL ? -1 : nArea);
}

int Get_Area_Repaints(int nArea)
{
    return nArea >= 0 && nArea < MAIN_AREA_COUNT ? g_nAreaRepaints[nArea] : 0;
}

void Set_Main_Window_Invalidator(void (*pInvalidate)(int nArea))
{
    g_pInvalidate = pInvalidate;
}

void On_News_Ticker_Timer()
{
    const NEWS_BAR_STATE& Bar = Get_News_Bar();
    if (!Bar.bRunning)
        return;
    const MAIN_WINDOW_AREAS Areas = Get_Main_Window_Areas();
    // The text is measured once for each text the ticker is given.
    static std::string MeasuredText;
    static int nTextWidth = 0;
    if (MeasuredText != Bar.Text) {
        MeasuredText = Bar.Text;
        nTextWidth = static_cast<int>(Measure_Text(Ticker_Font(), Bar.Text.c_str()));
    }
    Tick_News_Ticker(Areas.NewsBar.Width() - NEWS_LABEL_WIDTH, nTextWidth);
    Repaint_Window(AREA_NEWS_BAR);
}

int Run_Dialog(int nDialogId, const char* szTitle, DIALOG_PROC pProc, void* pParam)
{
    Repaint_Window(AREA_STATUS_BAR);
    Repaint_Window(AREA_NEWS_BAR);
    return Do_Dialog(nDialogId, szTitle, pProc, pParam);
}

void Carry_Out_Main_Window_Request(int nRequest, int nArgument)
{
    switch (nRequest) {
    case REQUEST_MAIN_WINDOW_REPAINT:
        Redraw_Main_Window();
        break;
    case REQUEST_STATUS_BAR_REPAINT:
        Repaint_Window(AREA_STATUS_BAR);
        break;
    case REQUEST_NEWS_BAR_REPAINT:
        // Asked for after each game and day of a run: the news of now.
        Mark_News_Bar_Stale();
        Update_News_Bar_Text();
        Repaint_Window(AREA_NEWS_BAR);
        break;
    case REQUEST_PLAY_MENU:
    case REQUEST_GAME_MENU:
        // The menu shown follows the program's state, not the argument.
        Build_Main_Menu();
        break;
    case REQUEST_NEWS_TICKER_STOP:
        Stop_Main_News_Ticker();
        break;
    case REQUEST_NEWS_TICKER_START:
        Start_Main_News_Ticker();
        Repaint_Window(AREA_NEWS_BAR);
        break;
    case REQUEST_SHOW_PAGE:
        Set_Main_View_Page(nArgument);
        break;
    case REQUEST_STATUS_BAR_DESTROY:
        Destroy_Main_Status_Bar();
        Refresh_Main_Window_Layout();
        break;
    case REQUEST_STATUS_BAR_CREATE:
        Create_Main_Status_Bar();
        if (Get_User_Preference(PREF_NEWS_BAR) != 0)
            Create_News_Bar();
        Refresh_Main_Window_Layout();
        break;
    case REQUEST_PAGE_CACHE_RESET:
        Set_Page_Cache_Marker(-1);
        Mark_News_Bar_Stale();
        break;
    case REQUEST_USER_MESSAGE:
        Post_User_Message();
        break;
    case REQUEST_DRAFT_MENU:
        Set_Draft_Menu_Items(nArgument);
        break;
    default:
        break;
    }
}

void Install_Main_Window_Requests(int (*pSave)(const char* szPath), std::string (*pSaveCause)())
{
    SHELL_HANDLER Handler;
    Handler.pRequest = Carry_Out_Main_Window_Request;
    Handler.pSave = pSave;
    Handler.pSaveCause = pSaveCause;
    Install_Shell_Handler(&Handler);
}
