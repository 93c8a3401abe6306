// Every text of the main window's pages fits the box its page gives it, at
// every size of the page area the window allows (from its least size to a
// large screen, wide or tall), with the default league's own names: a club's
// nickname in the Standings, the playoff bracket's clubs, each heading.
// Nothing is cut short to an ellipsis. The type grows with the smaller of the
// two scales, so the design size and a tall area are the tightest. The
// pages are read after a week and again after the playoffs, when the
// bracket's winners are set in bold.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui_support.h"
#include "pages/page_layout.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "pages/page_paint.h"
#include "pages/page_stats.h"
#include "platform/canvas.h"
#include "platform/main_frame.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "test_support.h"

namespace {

// Where a text does not fit: the page, the text, the room and the need.
std::vector<std::string> Cut_Texts(const PAGE_LAYOUT& Layout, const CANVAS_RECT& Area)
{
    std::vector<std::string> Cut;
    for (const PAGE_TEXT& Text : Layout.Texts) {
        if (Text.Text.empty() || Text.Text.find('\n') != std::string::npos)
            continue;
        const CANVAS_RECT Box = Scale_Page_Rect(Text.Box, Area);
        const double fNeed = Measure_Text(Page_Type_Font(Text.nType, Area), Text.Text.c_str());
        if (fNeed > Box.Width() + 0.5)
            Cut.push_back("page " + std::to_string(Layout.nPage) + " at " + std::to_string(Area.Width()) + " x " +
                          std::to_string(Area.Height()) + ": \"" + Text.Text + "\" needs " +
                          std::to_string(static_cast<int>(fNeed + 0.5)) + " pixels, has " +
                          std::to_string(Box.Width()));
    }
    return Cut;
}

}  // namespace

TEST(GtkPageFit, EveryTextOfEveryPageFitsItsBoxAtEveryWindowSize)
{
    REQUIRE_DESKTOP();
    SCRATCH_FOLDER Data("gui_page_fit");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    ASSERT_TRUE(gui_support::Start_Not_Random());
    // A week played, so that the pages hold results, leaders and a bracket.
    Dispatch_Main_Command(CMD_PLAY_ONE_WEEK);
    const CANVAS_RECT AREAS[] = {
        {0, 0, FRAME_MIN_PAGE_WIDTH, FRAME_MIN_PAGE_HEIGHT},   // the window at its least
        {0, 0, PAGE_DESIGN_WIDTH, PAGE_DESIGN_HEIGHT},
        {0, 0, 1240, 940 - 24 - 22 - 24},                      // 1240 x 940 with its bars
        {0, 0, 1920, 1000},
        {0, 0, FRAME_MIN_PAGE_WIDTH, 1000},                    // narrow and tall
        {0, 0, 1920, FRAME_MIN_PAGE_HEIGHT},                   // wide and low
    };
    std::vector<std::string> Cut;
    const auto Check = [&](int nPage) {
        const PAGE_LAYOUT Layout = Layout_Main_Page(nPage);
        for (const CANVAS_RECT& Area : AREAS)
            for (const std::string& Text : Cut_Texts(Layout, Area))
                Cut.push_back(Text);
    };
    for (int nPage : {MAIN_PAGE_FRONT, MAIN_PAGE_STANDINGS, MAIN_PAGE_CALENDAR, MAIN_PAGE_GAMES, MAIN_PAGE_PLAYOFFS,
                      MAIN_PAGE_CHAMPIONS, MAIN_PAGE_DRAFT})
        Check(nPage);
    // Each statistic a page's heading can be given, with its figures.
    const struct {
        int nSlot;
        int nCount;
        int nPage;
    } SLOTS[] = {{STANDINGS_STAT_SLOT, TEAM_STAT_COLUMN_CODES, MAIN_PAGE_STANDINGS},
                 {CALENDAR_MEASURE_SLOT, FRANCHISE_MEASURE_CODES, MAIN_PAGE_CALENDAR},
                 {FIRST_LEADER_HEADING_SLOT, LEADER_HEADING_CODES, MAIN_PAGE_FRONT},
                 {GAMES_STAT_SLOT, GAME_STAT_CODES, MAIN_PAGE_GAMES}};
    for (const auto& Slot : SLOTS) {
        const int nKept = Get_User_Preference(Slot.nSlot);
        for (int n = 0; n < Slot.nCount; ++n) {
            Set_User_Preference(Slot.nSlot, n);
            Check(Slot.nPage);
        }
        Set_User_Preference(Slot.nSlot, nKept);
    }
    // Through the playoffs: the bracket's winners in bold and a champion.
    Dispatch_Main_Command(CMD_PLAY_THROUGH_PLAYOFFS);
    Dispatch_Main_Command(CMD_PLAY_THROUGH_PLAYOFFS);
    ASSERT_NE(Get_Playoff_Team(PLAYOFF_CHAMPION_SLOT), NO_TEAM);
    for (int nPage : {MAIN_PAGE_PLAYOFFS, MAIN_PAGE_CHAMPIONS, MAIN_PAGE_STANDINGS, MAIN_PAGE_FRONT})
        Check(nPage);
    for (size_t i = 0; i < Cut.size() && i < 60; ++i)
        ADD_FAILURE() << Cut[i];
    EXPECT_TRUE(Cut.empty()) << Cut.size() << " texts cut";
    Destroy_Main_Window();
}
