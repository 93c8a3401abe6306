// The timeline on the main window's status bar, headless: clicks routed
// from the bar's area to the strip's cells at the window's width now (after
// a resize too), only the left button, and a missing left picture reported
// with nothing laid out. The pages' small league on day 3; the day advance
// replaced by a recorder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "pages/page_fixture.h"
#include "pages/page_layout.h"
#include "platform/errors.h"
#include "platform/main_frame.h"
#include "platform/pictures.h"
#include "platform/ui.h"
#include "shell/main_window.h"
#include "shell/owner_hall_of_fame.h"
#include "shell/status_bar.h"
#include "season/timeline.h"

namespace fs = std::filesystem;

namespace {

std::vector<int> g_Days;
void Record_Advance(int nDays)
{
    g_Days.push_back(nDays);
}

class StatusBarTimelineTest : public PageLeagueTest {
protected:
    void SetUp() override
    {
        PageLeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        const char* szSource = std::getenv("KELVO_SOURCE_DIR");
        std::error_code Error;
        fs::copy(fs::path(szSource != nullptr ? szSource : ".") / "data" / "skins", "skins",
                 fs::copy_options::recursive, Error);
        Clear_Bitmap_Cache();
        Set_User_Preference(PREF_SELECTED_TEAM, A);
        g_Days.clear();
        Set_Timeline_Day_Advancer(Record_Advance);
        Create_Main_Window(WINDOW_RECTANGLE{0, 0, 1046, 600});
        Create_Main_Status_Bar();
        Refresh_Main_Window_Layout();
        Set_Main_Client_Size(1046, 567);
    }
    void TearDown() override
    {
        Set_Timeline_Day_Advancer(nullptr);
        Destroy_Main_Window();
        Clear_Bitmap_Cache();
        ui::Reset();
    }
    // Clicks (x, y) of the status bar, answering Yes; the days played.
    static std::vector<int> Click_Bar(int x, int y, int nButton = 1)
    {
        g_Days.clear();
        ui::Reset();
        ui::Queue_Answer(ID_YES);
        On_Main_Window_Click(AREA_STATUS_BAR, x, y, nButton);
        return g_Days;
    }
    SCRATCH_FOLDER Scratch{"status_bar_timeline"};
};

TEST_F(StatusBarTimelineTest, ClicksReachTheCellDrawnUnderThemAfterAResize)
{
    ASSERT_TRUE(fs::exists("skins/earth/news/bottombarleft.png"));
    ASSERT_EQ(Get_Main_Window_Areas().StatusBar.Width(), 1046);
    // The skin's left picture is 376 wide: at 1046 the cells stand at
    // 376 + 134 i. x = 650 is cell 2 (day 6 from day 3: three days).
    const TIMELINE_LAYOUT Layout = Get_Status_Bar_Timeline_Layout(1046);
    ASSERT_TRUE(Layout.bLaidOut);
    EXPECT_EQ(Layout.nLeftWidth, 376);
    EXPECT_EQ(Click_Bar(650, 20), (std::vector<int>{3}));
    EXPECT_TRUE(Is_Status_Bar_Hot_Spot(650, 20));
    // The frame asks the same for the pointer: the bar's cells and boxes,
    // nothing between them, nothing on the page.
    EXPECT_TRUE(Is_Main_Window_Hot_Spot(AREA_STATUS_BAR, 650, 20));
    EXPECT_TRUE(Is_Main_Window_Hot_Spot(AREA_STATUS_BAR, 20, 20));
    EXPECT_FALSE(Is_Main_Window_Hot_Spot(AREA_STATUS_BAR, 300, 20));
    EXPECT_FALSE(Is_Main_Window_Hot_Spot(AREA_PAGE, 650, 20));
    EXPECT_EQ(main_frame::Handlers().pHotSpot, &Is_Main_Window_Hot_Spot);
    // Wider: cells at 411 + 204 i; x = 650 is cell 1 (two days).
    Set_Main_Client_Size(1400, 567);
    EXPECT_EQ(Click_Bar(650, 20), (std::vector<int>{2}));
    // At 1600 it falls between cells 0 (431-564) and 1 (675-808).
    Set_Main_Client_Size(1600, 567);
    EXPECT_TRUE(Click_Bar(650, 20).empty());
    EXPECT_FALSE(Is_Status_Bar_Hot_Spot(650, 20));
    // The right button, and clicks on the page of another page: nothing.
    Set_Main_Client_Size(1046, 567);
    EXPECT_TRUE(Click_Bar(650, 20, 3).empty());
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_STANDINGS);
    On_Main_Window_Click(AREA_PAGE, 300, 400, 1);
    EXPECT_TRUE(g_Days.empty());
    // The bar gone: its clicks do nothing.
    Destroy_Main_Status_Bar();
    EXPECT_TRUE(Click_Bar(650, 20).empty());
}

TEST_F(StatusBarTimelineTest, AMissingLeftPictureIsReportedAndNothingIsLaidOut)
{
    std::error_code Error;
    fs::remove_all("skins", Error);
    Clear_Bitmap_Cache();
    Clear_Recent_Errors();
    Reset_Error_Count();
    const TIMELINE_LAYOUT Layout = Get_Status_Bar_Timeline_Layout(1046);
    EXPECT_FALSE(Layout.bLaidOut);
    EXPECT_NE(std::strstr(Get_Recent_Errors(),
                          "Missing File: news\\bottombarleft.png (required by Timeline.cpp for text placement)"),
              nullptr)
        << Get_Recent_Errors();
    const int nErrors = Get_Error_Count();
    // Painted again: not reported again; the bar is its plain band, and no
    // click lands anywhere.
    CANVAS Bar(1046, STATUS_BAR_HEIGHT);
    Paint_Status_Bar(Bar, Bar.Bounds());
    Paint_Status_Bar(Bar, Bar.Bounds());
    EXPECT_EQ(Get_Error_Count(), nErrors);
    EXPECT_NE(Bar.Get_Pixel(8, 20), 0xFF1A2314u);
    EXPECT_TRUE(Click_Bar(650, 20).empty());
    EXPECT_TRUE(Click_Bar(150, 20).empty());
}

TEST_F(StatusBarTimelineTest, TheViewedClubsLogoStandsOnTheBarAtTheRight)
{
    // A 40 x 30 logo of A ("logos\\ALP.png"), red: its right edge 8 pixels
    // from the page's, its bottom on the page's bottom (the bar's top).
    std::error_code Error;
    fs::create_directories("logos", Error);
    CANVAS Logo(40, 30);
    Logo.Clear(Rgb_Color(0xC01010));
    ASSERT_TRUE(Write_Png_File("logos/ALP.png", Logo));
    CANVAS Page(800, 500);
    Page.Clear(Rgb_Color(0xFFFFFF));
    const CANVAS_RECT rcLogo = Draw_Timeline_Team_Logo(Page, Page.Bounds());
    EXPECT_EQ(rcLogo, (CANVAS_RECT{752, 470, 792, 500}));
    EXPECT_EQ(Page.Get_Pixel(770, 485), 0xFFC01010u);
    EXPECT_EQ(Page.Get_Pixel(795, 485), 0xFFFFFFFFu);
    // A club with no logo file: nothing drawn.
    Set_User_Preference(PREF_SELECTED_TEAM, B);
    EXPECT_TRUE(Draw_Timeline_Team_Logo(Page, Page.Bounds()).Is_Empty());
}

}  // namespace

namespace {

TEST_F(StatusBarTimelineTest, TheBarKeepsTheUsersClubWhileAnotherIsViewed)
{
    // A runs A (2-0); B (1-2) is viewed through View Other Team: the pages
    // show B, the bar's club and record stay A's.
    League.Team[A].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
    Set_User_Preference(PREF_SELECTED_TEAM, A);
    Set_User_Preference(PREF_CURRENT_TEAM, B);
    EXPECT_EQ(Get_Calendar_Page_Team(), B);
    EXPECT_EQ(Get_Timeline_View().Record, "(2-0)");
}

}  // namespace

namespace {

TEST_F(StatusBarTimelineTest, ADraftPageTabClickedInTheWindowShowsItsRound)
{
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_DRAFT);
    Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, 1);
    const CANVAS_RECT Page = Get_Main_Window_Areas().Page;
    ASSERT_FALSE(Page.Is_Empty());
    // The middle of round 6's tab (design x 448 + 5 x 44 + 21, y 94) in the
    // window's pixels.
    const int x = Page.left + ((448 + 5 * 44 + 21) * Page.Width() + PAGE_DESIGN_WIDTH - 1) / PAGE_DESIGN_WIDTH;
    const int y = Page.top + (94 * Page.Height() + PAGE_DESIGN_HEIGHT - 1) / PAGE_DESIGN_HEIGHT;
    EXPECT_TRUE(Is_Main_Window_Hot_Spot(AREA_PAGE, x, y));
    On_Main_Window_Click(AREA_PAGE, x, y, 1);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PAGE_SCROLL), 6);
    EXPECT_FALSE(Is_Main_Window_Hot_Spot(AREA_PAGE, x, y));   // now the round shown
    // On another page the same point is no tab.
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_STANDINGS);
    Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, 1);
    On_Main_Window_Click(AREA_PAGE, x, y, 1);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PAGE_SCROLL), 1);
}

}  // namespace
