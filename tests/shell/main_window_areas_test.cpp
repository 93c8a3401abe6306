// The main window's client: the page area and the two bars, the requests of
// the code below the shell carried out, the news ticker's run and the
// status bar's phase labels.
#include <gtest/gtest.h>

#include <string>

#include "league/league_data.h"
#include "league/preferences.h"
#include "pages/page_paint.h"
#include "platform/shell_requests.h"
#include "season/fantasy_draft.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/news_bar.h"
#include "shell/owner_hall_of_fame.h"
#include "shell/status_bar.h"
#include "test_support.h"

namespace {

int g_nTimerStarts = 0;
int g_nTimerStops = 0;
int g_nLastInterval = 0;
int g_nInvalidated[MAIN_AREA_COUNT] = {};

class MainWindowAreasTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        g_nTimerStarts = g_nTimerStops = g_nLastInterval = 0;
        for (int& n : g_nInvalidated)
            n = 0;
        Install_Main_Window_Requests(nullptr);
        Create_Main_Window(WINDOW_RECTANGLE{0, 0, 800, 600});
        NEWS_TICKER_TIMER Timer;
        Timer.pStart = [](int nMs) {
            ++g_nTimerStarts;
            g_nLastInterval = nMs;
        };
        Timer.pStop = [] { ++g_nTimerStops; };
        Set_News_Ticker_Timer(Timer);
        Set_Main_Window_Invalidator([](int nArea) { ++g_nInvalidated[nArea]; });
        Set_Main_Client_Size(768, 567);
    }
    void TearDown() override
    {
        Set_Main_Window_Invalidator(nullptr);
        Destroy_Main_Window();
        Install_Shell_Handler(nullptr);
    }
};

TEST_F(MainWindowAreasTest, BarsTakeTheFootOfTheClient)
{
    // No bar yet: the page fills the client.
    MAIN_WINDOW_AREAS Areas = Get_Main_Window_Areas();
    EXPECT_EQ(Areas.Page, (CANVAS_RECT{0, 0, 768, 567}));
    EXPECT_TRUE(Areas.StatusBar.Is_Empty());
    EXPECT_TRUE(Areas.NewsBar.Is_Empty());
    // The status bar comes with the news bar (preference 48 on): news 24 at
    // the foot, status 36 above it, the page the 507 left.
    League.Preferences.nInt[PREF_NEWS_BAR] = 1;
    Create_Status_Bar();
    Areas = Get_Main_Window_Areas();
    EXPECT_EQ(Areas.NewsBar, (CANVAS_RECT{0, 543, 768, 567}));
    EXPECT_EQ(Areas.StatusBar, (CANVAS_RECT{0, 507, 768, 543}));
    EXPECT_EQ(Areas.Page, (CANVAS_RECT{0, 0, 768, 507}));
    // The page area is the client Enlarge_Rectangle scales to.
    EXPECT_EQ(Get_Client_Width(), 768);
    EXPECT_EQ(Get_Client_Height(), 507);
    // Without the news bar the status bar sits at the foot.
    Close_News_Bar();
    Areas = Get_Main_Window_Areas();
    EXPECT_EQ(Areas.StatusBar, (CANVAS_RECT{0, 531, 768, 567}));
    EXPECT_EQ(Areas.Page, (CANVAS_RECT{0, 0, 768, 531}));
    EXPECT_EQ(Get_Client_Height(), 531);
    // The college draft takes the status bar away.
    Destroy_Status_Bar();
    EXPECT_EQ(Get_Main_Window_Areas().Page, (CANVAS_RECT{0, 0, 768, 567}));
    // Preference 48 off: the status bar comes alone.
    League.Preferences.nInt[PREF_NEWS_BAR] = 0;
    Create_Status_Bar();
    EXPECT_FALSE(Is_News_Bar_Shown());
    EXPECT_TRUE(Is_Status_Bar_Shown());
}

TEST_F(MainWindowAreasTest, RequestsAreCarriedOut)
{
    // Repaints reach the backend, area by area.
    Request_Status_Bar_Repaint();
    Request_News_Bar_Repaint();
    Request_Main_Window_Repaint();
    EXPECT_EQ(g_nInvalidated[AREA_STATUS_BAR], 1);
    EXPECT_EQ(g_nInvalidated[AREA_NEWS_BAR], 1);
    EXPECT_GE(g_nInvalidated[AREA_ALL], 1);
    // A page asked for is shown.
    Show_Main_Page(40069);
    EXPECT_EQ(League.Preferences.nInt[PREF_MAIN_PAGE], 40069);
    // The menus are rebuilt.
    const int nBuilds = Get_Main_Menu_Builds();
    Rebuild_Play_Menu();
    Build_Game_Menu(1);
    EXPECT_EQ(Get_Main_Menu_Builds(), nBuilds + 2);
    // The page cache is reset.
    Set_Page_Cache_Marker(40030);
    Reset_Page_Cache();
    EXPECT_EQ(Get_Page_Cache_Marker(), -1);
    // The save goes to the saver installed with the handler.
    static std::string Saved;
    Install_Main_Window_Requests([](const char* szPath) {
        Saved = szPath;
        return 0;
    });
    EXPECT_EQ(Save_League_To("x.zrt"), 0);
    EXPECT_EQ(Saved, "x.zrt");
}

TEST_F(MainWindowAreasTest, TickerRunsWhileNoGamesArePlayed)
{
    League.Preferences.nInt[PREF_NEWS_BAR] = 1;
    // No bar: the ticker does not start.
    Start_News_Ticker();
    EXPECT_EQ(g_nTimerStarts, 0);
    Create_Status_Bar();
    ASSERT_TRUE(Is_News_Bar_Shown());
    Start_News_Ticker();
    EXPECT_EQ(g_nTimerStarts, 1);
    EXPECT_EQ(g_nLastInterval, NEWS_TICKER_INTERVAL_MS);
    EXPECT_TRUE(Get_News_Bar().bRunning);
    EXPECT_EQ(Get_News_Bar().Text, "No games played yet this season.");
    // Each tick moves the text 2 pixels; past the bar and the text (100 +
    // 50) it starts again from the right edge.
    for (int i = 0; i < 75; ++i)
        Tick_News_Ticker(100, 50);
    EXPECT_EQ(Get_News_Bar().nOffset, 150);
    Tick_News_Ticker(100, 50);
    EXPECT_EQ(Get_News_Bar().nOffset, 0);
    Tick_News_Ticker(100, 50);
    EXPECT_EQ(Get_News_Bar().nOffset, 2);
    // A run stops it where it stands; ticks then move nothing.
    Stop_News_Ticker();
    EXPECT_EQ(g_nTimerStops, 1);
    Tick_News_Ticker(100, 50);
    EXPECT_EQ(Get_News_Bar().nOffset, 2);
    // Started again: from the right edge, one timer.
    Start_News_Ticker();
    EXPECT_EQ(Get_News_Bar().nOffset, 0);
    Start_News_Ticker();
    EXPECT_EQ(g_nTimerStarts, 2);
    // Destroying the bar stops its timer.
    Destroy_News_Bar();
    EXPECT_EQ(g_nTimerStops, 2);
    EXPECT_FALSE(Get_News_Bar().bRunning);
}

TEST_F(MainWindowAreasTest, RunDialogRepaintsTheBarsFirst)
{
    static int s_nStatusAtInit = -1;
    static int s_nNewsAtInit = -1;
    const int nStatus = Get_Area_Repaints(AREA_STATUS_BAR);
    const int nNews = Get_Area_Repaints(AREA_NEWS_BAR);
    const auto Proc = [](DIALOG& Dialog, int nEvent, int) {
        if (nEvent == DIALOG_INIT) {
            s_nStatusAtInit = Get_Area_Repaints(AREA_STATUS_BAR);
            s_nNewsAtInit = Get_Area_Repaints(AREA_NEWS_BAR);
            Dialog.End(7);
        }
    };
    EXPECT_EQ(Run_Dialog(990, "Test", Proc), 7);
    EXPECT_EQ(s_nStatusAtInit, nStatus + 1);
    EXPECT_EQ(s_nNewsAtInit, nNews + 1);
}

TEST_F(MainWindowAreasTest, PhaseLabelsNameThePhase)
{
    char szFirst[32];
    char szSecond[32];
    League.Preferences.nInt[PREF_SEASON_INDEX] = 2;
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 4;
    League.StandingsArea.nPlayoffDay[0] = 17;
    Format_Phase_Labels(szFirst, szSecond, sizeof(szFirst));
    EXPECT_STREQ(szFirst, "2021");
    EXPECT_STREQ(szSecond, "Week 5");
    League.Preferences.nInt[PREF_CURRENT_WEEK] = OFFSEASON_WEEK;
    Format_Phase_Labels(szFirst, szSecond, sizeof(szFirst));
    EXPECT_STREQ(szSecond, "Offseason");
    // The fantasy draft's own round and pick; the college draft's are last
    // spring's.
    League.Universe.nStat[FANTASY_DRAFT_RUNNING] = 1;
    League.Preferences.nInt[PREF_DRAFT_ROUND] = 7;
    League.Preferences.nInt[PREF_DRAFT_PICKS_MADE] = 0;
    FANTASY_DRAFT_STATE State{};
    State.nRound = 2;
    State.nPick = 9;
    Set_Fantasy_Draft_State(State);
    Format_Phase_Labels(szFirst, szSecond, sizeof(szFirst));
    EXPECT_STREQ(szFirst, "Round 3");
    EXPECT_STREQ(szSecond, "Pick 10");
    Format_Phase_Labels(nullptr, szSecond, sizeof(szSecond));   // ignored
}

}  // namespace
