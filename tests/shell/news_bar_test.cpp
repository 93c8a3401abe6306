// The news bar over a league whose games are played: during a run of days
// it tells the games as they are played, not the news of the run's start,
// and a player who changed clubs is named with his club of now once the
// window is drawn again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontoffice/player_moves.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "pages/news_ticker.h"
#include "platform/canvas.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/day_advance.h"
#include "shell/main_window.h"
#include "shell/news_bar.h"
#include "shell/owner_hall_of_fame.h"
#include "test_support.h"
#include "whole_season.h"

namespace {

// What the bar said each time the run asked for it to be drawn, with the
// day it was asked on; and whether the run had ended (the ticker started).
struct SEEN {
    std::vector<std::string> Texts;
    std::vector<int> Days;
    bool bRunEnded = false;
};
SEEN g_Seen;

void Watch_Requests(int nRequest, int nArgument)
{
    Carry_Out_Main_Window_Request(nRequest, nArgument);
    if (nRequest == REQUEST_NEWS_TICKER_START)
        g_Seen.bRunEnded = true;
    if (nRequest == REQUEST_NEWS_BAR_REPAINT && !g_Seen.bRunEnded) {
        g_Seen.Texts.push_back(Get_News_Bar().Text);
        g_Seen.Days.push_back(Get_Current_Week());
    }
}

class NewsBarRunTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"news_bar_run"};
    void SetUp() override
    {
        ASSERT_TRUE(Scratch.Ready());
        ui::Reset();
        shell_requests::Reset();
        whole_season::Build_League(77);
        Install_Main_Window_Requests(nullptr);
        Create_Main_Window(WINDOW_RECTANGLE{0, 0, 800, 600});
        Set_Main_Client_Size(768, 567);
        Set_User_Preference(PREF_NEWS_BAR, 1);
        Create_Status_Bar();
        Start_News_Ticker();
        g_Seen = SEEN{};
    }
    void TearDown() override
    {
        Destroy_Main_Window();
        Install_Shell_Handler(nullptr);
    }
};

TEST_F(NewsBarRunTest, ARunOfDaysTellsEachDaysGamesAsTheyArePlayed)
{
    ASSERT_TRUE(Is_News_Bar_Shown());
    ASSERT_EQ(Get_News_Bar().Text, "No games played yet this season.");
    SHELL_HANDLER Handler;
    Handler.pRequest = Watch_Requests;
    Install_Shell_Handler(&Handler);
    const int nFirstDay = Get_Current_Week();
    Advance_Day(3);
    ASSERT_EQ(Get_Current_Week(), nFirstDay + 3);
    // The bar was drawn again after every game of the three days, each time
    // with the last day that has a result: the day being played.
    ASSERT_FALSE(g_Seen.Texts.empty());
    std::vector<bool> bToldDay(3, false);
    bool bAnyResult = false;
    for (size_t i = 0; i < g_Seen.Texts.size(); ++i) {
        const int nDay = g_Seen.Days[i] - nFirstDay;
        ASSERT_TRUE(nDay >= 0 && nDay <= 2) << g_Seen.Days[i];
        const std::string Week = "Week " + std::to_string(g_Seen.Days[i] + 1) + " results: ";
        if (g_Seen.Texts[i].rfind(Week, 0) == 0)
            bToldDay[nDay] = bAnyResult = true;
        // Only the start of the run, before its first game, has no news.
        if (bAnyResult) {
            EXPECT_EQ(g_Seen.Texts[i].find("No games played yet"), std::string::npos) << "day " << nDay;
        }
    }
    for (int d = 0; d < 3; ++d)
        EXPECT_TRUE(bToldDay[d]) << "the results of day " << d << " were not told during the run";
    // The leaders of the days played are in it too.
    EXPECT_NE(g_Seen.Texts.back().find("Leaders: Passing yards: "), std::string::npos) << g_Seen.Texts.back();
}

TEST_F(NewsBarRunTest, APlayerWhoChangedClubsIsNamedWithHisClubOfNow)
{
    Advance_Day(1);
    const std::vector<SEASON_LEADER> Leaders = Get_Season_Leaders();
    ASSERT_FALSE(Leaders.empty());
    const SEASON_LEADER First = Leaders.front();
    char szName[64];
    Get_Player_Full_Name(First.nTeam, First.nSlot, szName);
    const std::string Told = std::string(First.szCaption) + ": " + szName + " (";
    ASSERT_NE(Get_News_Bar().Text.find(Told + "T" + (First.nTeam < 10 ? "0" : "") + std::to_string(First.nTeam) +
                                       ")"),
              std::string::npos)
        << Get_News_Bar().Text;
    // To another club (one with room), as a trade or a draft moves him; the
    // window is drawn again, as after every command.
    int nTo = -1;
    for (int t = 0; t < 32 && nTo < 0; ++t)
        if (t != First.nTeam && Transfer_Player(t, First.nTeam, First.nSlot) >= 0)
            nTo = t;
    ASSERT_GE(nTo, 0);
    Request_Main_Window_Repaint();
    CANVAS Client;
    ASSERT_TRUE(Client.Resize(768, 567));
    Paint_Main_Window(Client);
    const std::string Now = Told + "T" + (nTo < 10 ? "0" : "") + std::to_string(nTo) + ")";
    EXPECT_NE(Get_News_Bar().Text.find(Now), std::string::npos) << Get_News_Bar().Text;
}

TEST(NewsBarStanding, AStandingTickerKeepsItsTextInSight)
{
    Reset_News_Bar();
    Create_News_Bar();
    // Standing at the right edge (offset 0): the text would be out of
    // sight, so it stands at the left of the ticker.
    EXPECT_EQ(Get_News_Ticker_Text_X(60, 700, 300), 60);
    Start_Main_News_Ticker();
    // Running: it runs in from the right edge.
    EXPECT_EQ(Get_News_Ticker_Text_X(60, 700, 300), 700);
    for (int i = 0; i < 100; ++i)
        Tick_News_Ticker(640, 300);
    EXPECT_EQ(Get_News_Ticker_Text_X(60, 700, 300), 500);
    // Stopped where part of it shows: it stays there.
    Stop_Main_News_Ticker();
    EXPECT_EQ(Get_News_Ticker_Text_X(60, 700, 300), 500);
    // A shorter text that has passed the left edge comes back into sight.
    EXPECT_EQ(Get_News_Ticker_Text_X(600, 700, 50), 600);
    Reset_News_Bar();
}

}  // namespace
