// Every page of the default league after part of a season and after its
// playoffs, painted in a 1024 x 720 main window with its status bar and news
// bar, written as PNG files to build/screenshots/ for a person to look at.
// The checks are what must hold of any such render: the files are written,
// every club of the league has its standings row inside the page, the
// ticker tells of the last day.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/random.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "pages/news_ticker.h"
#include "pages/page_layout.h"
#include "pages/page_paint.h"
#include "platform/canvas.h"
#include "platform/pictures.h"
#include "season/day_advance.h"
#include "shell/main_window.h"
#include "shell/news_bar.h"
#include "shell/owner_hall_of_fame.h"
#include "shell/status_bar.h"
#include "test_support.h"
#include "tools/default_league/default_league.h"
#include "tools/default_league_inputs.h"

namespace {

namespace fs = std::filesystem;

// build/screenshots beside the tests' working folder build/testrun.
fs::path Screenshot_Folder()
{
    const fs::path Here = fs::current_path();
    const fs::path Folder =
        Here.filename() == "testrun" ? Here.parent_path() / "screenshots" : Here / "screenshots";
    fs::create_directories(Folder);
    return Folder;
}

struct NAMED_PAGE {
    int nPage;
    const char* szName;
};
const NAMED_PAGE PAGES[] = {
    {MAIN_PAGE_FRONT, "front"},       {MAIN_PAGE_STANDINGS, "standings"}, {MAIN_PAGE_CALENDAR, "calendar"},
    {MAIN_PAGE_GAMES, "games"},       {MAIN_PAGE_PLAYOFFS, "playoffs"},   {MAIN_PAGE_CHAMPIONS, "champions"},
    {MAIN_PAGE_DRAFT, "draft"},
};

class PageScreenshotsTest : public LeagueTest {};

void Write_Window(const fs::path& Folder, const std::string& Name)
{
    CANVAS Canvas(Get_Main_Client_Width(), Get_Main_Client_Height());
    Paint_Main_Window(Canvas);
    const std::string Path = (Folder / (Name + ".png")).string();
    EXPECT_TRUE(Write_Png_File(Path.c_str(), Canvas)) << Path;
    EXPECT_TRUE(fs::exists(Path)) << Path;
}

TEST_F(PageScreenshotsTest, EveryPageOfTheDefaultLeague)
{
    const fs::path Folder = Screenshot_Folder();
    SCRATCH_FOLDER Scratch("page_screenshots");
    ASSERT_TRUE(Scratch.Ready());
    Copy_Default_League_Inputs();
    // The skin's pictures of the bars.
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    std::error_code Error;
    fs::copy(fs::path(szSource != nullptr ? szSource : ".") / "data" / "skins", "skins", fs::copy_options::recursive,
             Error);
    Clear_Bitmap_Cache();
    std::string Problem;
    ASSERT_TRUE(Build_Default_League(Problem)) << Problem;
    Seed_Random_Numbers(12345);
    Set_User_Preference(PREF_SELECTED_TEAM, 3);
    Create_Main_Window(WINDOW_RECTANGLE{0, 0, 1040, 820});
    League.Preferences.nInt[PREF_NEWS_BAR] = 1;
    Set_Main_Client_Size(1024, 720);
    Create_Main_Status_Bar();
    Create_News_Bar();

    // Five weeks into the season.
    Advance_Day(5);
    Start_Main_News_Ticker();
    const std::string Ticker = Get_News_Bar().Text;
    EXPECT_EQ(Ticker.rfind("Week 5 results: ", 0), 0u) << Ticker;
    EXPECT_NE(Ticker.find("Leaders: Passing yards: "), std::string::npos) << Ticker;
    // The standings hold every club once, inside the page.
    const PAGE_LAYOUT Standings = Layout_Standings_Page();
    EXPECT_EQ(static_cast<int>(Standings.Rows.size()), Count_Teams());
    const PAGE_RECT Space{0, 0, PAGE_DESIGN_WIDTH, PAGE_DESIGN_HEIGHT};
    for (const PAGE_ROW& Row : Standings.Rows)
        EXPECT_TRUE(Space.Contains(Row.Box)) << Row.nTeam;
    // Painting reads the league only and draws no number of the game's
    // generator: the block and the next number are as they were.
    {
        Seed_Random_Numbers(777);
        League.Preferences.nInt[PREF_MAIN_PAGE] = MAIN_PAGE_FRONT;
        const LEAGUE_SNAPSHOT Before;
        CANVAS Canvas(Get_Main_Client_Width(), Get_Main_Client_Height());
        for (const NAMED_PAGE& Page : PAGES)
            Paint_Main_Page(Canvas, Page.nPage, Get_Main_Window_Areas().Page);
        Paint_Main_Window(Canvas);
        Build_News_Ticker_Text();
        EXPECT_TRUE(Before.Unchanged());
        const uint32_t nAfterPaint = Generate_Random_Number();
        Seed_Random_Numbers(777);
        EXPECT_EQ(Generate_Random_Number(), nAfterPaint);
    }
    for (const NAMED_PAGE& Page : PAGES) {
        Set_Main_View_Page(Page.nPage);
        Write_Window(Folder, std::string("season-") + Page.szName);
    }
    // The ticker part-way across.
    for (int i = 0; i < 120; ++i)
        On_News_Ticker_Timer();
    Write_Window(Folder, "season-ticker");

    // Through the playoffs: the bracket filled and a champion (the first run
    // ends at the playoffs, the second plays them).
    // The wild-card round played: the corner box names the round that
    // comes, the longest of the week names.
    Advance_Day(22);
    Advance_Day(1);
    Set_Main_View_Page(MAIN_PAGE_STANDINGS);
    Write_Window(Folder, "division-round-standings");
    Advance_Day(22);
    Start_Main_News_Ticker();
    for (const NAMED_PAGE& Page : PAGES) {
        Set_Main_View_Page(Page.nPage);
        Write_Window(Folder, std::string("playoffs-") + Page.szName);
    }
    EXPECT_FALSE(Layout_Champions_Page().Rows.empty());
    // The status bar's left end is the skin's picture: its record plate's
    // dark green (0x1A2314) at (8, 20) of the bar, where the plain band is
    // lighter.
    CANVAS Bar(1024, STATUS_BAR_HEIGHT);
    Paint_Status_Bar(Bar, Bar.Bounds());
    EXPECT_EQ(Bar.Get_Pixel(8, 20), 0xFF1A2314u);
    Destroy_Main_Window();
    Clear_Bitmap_Cache();
}

}  // namespace
