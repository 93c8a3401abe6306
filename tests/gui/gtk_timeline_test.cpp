// The season timeline in the real window: clicks on the status bar's strip
// handed to the bar's own widget, before and after the window is resized,
// the strip greyed and deaf while switched off, and a screenshot of the
// window and of the strip alone in each phase (regular season, each playoff
// round, the third round before 1970, the season over, the off-season's
// steps) in build/screenshots/ for a person to look at; the off-season's
// steps clicked in their order through the X server.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "gui_support.h"
#include "league/league_data.h"
#include "league/human_teams.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/team.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"
#include "pages/calendar_page.h"
#include "pages/page_layout.h"
#include "pages/page_paint.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/main_frame.h"
#include "platform/pictures.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/day_advance.h"
#include "season/draft_state.h"
#include "season/offseason.h"
#include "season/playoffs.h"
#include "season/timeline.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "shell/status_bar.h"
#include "test_support.h"
#include "xtest_input.h"

namespace {

int Bar_Width()
{
    gtk_probe::PIXELS Bar;
    return gtk_probe::Main_Area_Pixels(FRAME_STATUS_BAR, Bar) ? Bar.cx : 0;
}

// The window and the strip alone, once the window shows the state now.
void Shoot(const std::string& Name)
{
    const int nDraws = gtk_probe::Draw_Count(gtk_probe::WINDOW_MAIN);
    Repaint_Window(AREA_ALL);
    gtk_probe::Wait_Draw_After(gtk_probe::WINDOW_MAIN, 0, nDraws, 3000);
    gtk_probe::Run_For(100);
    EXPECT_TRUE(gtk_probe::Screenshot(gtk_probe::WINDOW_MAIN, 0, gui_support::Screenshot_Path("timeline_window_" + Name)));
    CANVAS Strip(Bar_Width(), STATUS_BAR_HEIGHT);
    Paint_Status_Bar(Strip, Strip.Bounds());
    EXPECT_TRUE(Write_Png_File(gui_support::Screenshot_Path("timeline_strip_" + Name).c_str(), Strip));
}

// The middle of cell i for the bar's width now.
int Cell_Middle(int nCell)
{
    const TIMELINE_LAYOUT Layout = Get_Status_Bar_Timeline_Layout(Bar_Width());
    return Layout.nCellX[nCell] + Layout.nCellWidth / 2;
}

bool Click_Strip(int x, int y)
{
    const bool bClicked = gtk_probe::Click_Main_Area(FRAME_STATUS_BAR, x, y);
    gtk_probe::Run_For(50);
    return bClicked;
}

}  // namespace

TEST(GtkTimeline, TheStripInEachPhaseAndItsClicksAfterAResize)
{
    REQUIRE_DESKTOP();
    SCRATCH_FOLDER Data("gui_timeline");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    // What the program installs before it starts up: the main window carries
    // out the requests of the code below it.
    Install_Main_Window_Requests(nullptr);
    ASSERT_TRUE(gui_support::Start_Not_Random());
    ASSERT_TRUE(gtk_probe::Wait_Drawn(gtk_probe::WINDOW_MAIN));
    // The bars, as a game begun brings them.
    Create_Status_Bar();
    gtk_probe::Resize_Main_Window(1046, 760);
    gtk_probe::Run_For(300);
    ASSERT_TRUE(Is_Status_Bar_Shown());
    ASSERT_GT(Bar_Width(), 900);
    ASSERT_EQ(Get_Current_Week(), 0);
    Set_Selected_Team(0);
    // Only the strip's own questions: no Commissioner Mode question, no
    // automatic save.
    Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
    Set_User_Preference(PREF_AUTO_SAVE, 0);
    Shoot("regular_season");

    // Cell 0 is next week: one day after "Simulate every game in week 1?".
    ui::Reset();
    ui::Queue_Answer(ID_YES);
    ASSERT_TRUE(Click_Strip(Cell_Middle(0), 20));
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Simulate every game in week 1?");
    EXPECT_EQ(Get_Current_Week(), 1);

    // Wider: the cells move; cell 2 under the click is still day + 3.
    const int nNarrow = Bar_Width();
    // (Within the test server's 1280-pixel screen.)
    gtk_probe::Resize_Main_Window(1250, 760);
    gtk_probe::Run_For(300);
    ASSERT_GT(Bar_Width(), nNarrow);
    ui::Reset();
    ui::Queue_Answer(ID_YES);
    ASSERT_TRUE(Click_Strip(Cell_Middle(2), 20));
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Simulate the next 3 weeks?");
    EXPECT_EQ(Get_Current_Week(), 4);
    Shoot("regular_season_wide");

    // Switched off: grey, and a click does nothing.
    Set_Timeline_Enabled(false);
    Shoot("inactive");
    ui::Reset();
    Click_Strip(Cell_Middle(0), 20);
    Click_Strip(150, 20);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Get_Current_Week(), 4);
    Set_Timeline_Enabled(true);

    // The label's box plays one day without a question (the day's own news,
    // such as a computer club's signing, may still be told).
    ui::Reset();
    ASSERT_TRUE(Click_Strip(150, 20));
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        EXPECT_EQ(Message_Box_Buttons(Box).size(), 1u) << Box.Text;
    EXPECT_EQ(Get_Current_Week(), 5);

    // The Calendar page: a click on the first watch mark to come crosses
    // it; a second click clears it.
    Set_Main_View_Page(MAIN_PAGE_CALENDAR);
    const int nTeam = Get_Calendar_Page_Team();
    int nWeek = Get_Current_Week();
    while (nWeek < SCHEDULE_WEEKS && !Has_Calendar_Watch_Mark(nTeam, nWeek))
        ++nWeek;
    ASSERT_LT(nWeek, SCHEDULE_WEEKS);
    gtk_probe::PIXELS Page;
    ASSERT_TRUE(gtk_probe::Main_Area_Pixels(FRAME_PAGE, Page));
    const PAGE_RECT Row = Layout_Calendar_Page().Rows[static_cast<size_t>(nWeek)].Box;
    const CANVAS_RECT rcMark = Scale_Page_Rect(Get_Calendar_Watch_Box(Row), CANVAS_RECT{0, 0, Page.cx, Page.cy});
    const int xMark = (rcMark.left + rcMark.right) / 2;
    const int yMark = (rcMark.top + rcMark.bottom) / 2;
    ASSERT_TRUE(gtk_probe::Click_Main_Area(FRAME_PAGE, xMark, yMark));
    EXPECT_EQ(Get_Calendar_PBP_Flag(nTeam, nWeek), 1);
    Shoot("calendar_watch_mark");
    ASSERT_TRUE(gtk_probe::Click_Main_Area(FRAME_PAGE, xMark, yMark));
    EXPECT_EQ(Get_Calendar_PBP_Flag(nTeam, nWeek), 0);
    EXPECT_EQ(Get_Current_Week(), 5);

    // To the playoffs, viewed from a club in the bracket; each round.
    Advance_Day(22);
    const int nP2 = Get_Playoff_Start_Day();
    ASSERT_EQ(Get_Current_Week(), nP2);
    for (int s = 0; s < 16; ++s)
        if (Get_Playoff_Team(s) != NO_TEAM) {
            Set_Selected_Team(Get_Playoff_Team(s));
            break;
        }
    const char* const ROUNDS[] = {"wildcard", "divisional", "conference", "super_bowl"};
    for (int k = 0; k < 4 && Get_Current_Week() == nP2 + k; ++k) {
        Shoot(std::string("playoffs_") + ROUNDS[k]);
        if (k == 2) {
            // The same round before 1970.
            const int nFirstYear = Get_Universe_Stat(FIRST_SEASON_YEAR);
            Set_Universe_Stat(FIRST_SEASON_YEAR, 1965 - Get_Current_Season_Index());
            EXPECT_EQ(Get_Timeline_View().Label.rfind("Title Game", 0), 0u) << Get_Timeline_View().Label;
            Shoot("playoffs_title_game_before_1970");
            Set_Universe_Stat(FIRST_SEASON_YEAR, nFirstYear);
        }
        Advance_Day(1);
    }
    // The final played on the fourth round's day ends the season.
    ASSERT_TRUE(Is_Season_Complete());
    Shoot("season_over");

    // The off-season's steps on day 100, as the season's end leaves them.
    Set_Current_Day(OFFSEASON_WEEK);
    for (int j = 0; j < TIMELINE_STEPS; ++j)
        Set_User_Preference(PREF_TIMELINE_FIRST + j, j < 2 ? 0 : 1);
    Shoot("offseason_steps");
    // Free Agents: the list's dialog run (a box naming it until it is
    // built), the draft and the season opened.
    dialogs::Reset();
    ASSERT_TRUE(Click_Strip(Cell_Middle(1), 20));
    ASSERT_FALSE(dialogs::Records().empty());
    EXPECT_EQ(dialogs::Records().back().nDialogId, FREE_AGENTS_LIST_DIALOG);
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST + 1), 1);
    EXPECT_EQ(Get_User_Preference(PREF_TIMELINE_FIRST + 2), 0);
    Shoot("offseason_draft_open");
    Destroy_Main_Window();
    Install_Shell_Handler(nullptr);
}

// The off-season strip as a person meets it, clicked through the X server:
// the season over and the user's club with contracts running out, Renew
// Contracts begins the off-season with the renewals and asks nothing about
// the draft; College Draft and Begin Season stay grey until Free Agents has
// been clicked too; College Draft then starts the draft.
TEST(GtkTimeline, RenewContractsLeavesTheDraftGreyUntilFreeAgentsIsClicked)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_timeline_steps");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    Install_Main_Window_Requests(nullptr);
    ASSERT_TRUE(gui_support::Start_Not_Random());
    ASSERT_TRUE(gtk_probe::Wait_Drawn(gtk_probe::WINDOW_MAIN));
    Create_Status_Bar();
    gtk_probe::Resize_Main_Window(1046, 760);
    gtk_probe::Run_For(300);
    ASSERT_TRUE(Is_Status_Bar_Shown());
    Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
    Set_User_Preference(PREF_AUTO_SAVE, 0);
    // One club is the user's, the others the computer's.
    int nUser = gui_support::First_User_Team();
    if (nUser < 0) {
        nUser = 0;
        Set_Team_Stat(nUser, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    }
    for (int t = 0; t < Count_Teams(); ++t)
        if (t != nUser)
            Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
    Set_Selected_Team(nUser);

    // The season played out; one of the club's contracts runs out.
    for (int i = 0; i < 4 && !Is_Season_Complete(); ++i)
        Advance_Day(22);
    ASSERT_TRUE(Is_Season_Complete());
    if (!Human_Team_Has_Flagged_Players())
        Set_Player_Vital_Stat(nUser, 0, VITAL_CONTRACT_YEARS_LEFT, 1);
    ASSERT_TRUE(Human_Team_Has_Flagged_Players());
    const int nYear = Get_Current_Year();
    GtkWidget* pBar = xtest::Main_Area(FRAME_STATUS_BAR);
    ASSERT_NE(pBar, nullptr);

    // Renew Contracts: the renewals and the rest of the season's end, the
    // draft left waiting without a question.
    ui::Reset();
    ASSERT_TRUE(xtest::Click(pBar, Cell_Middle(TIMELINE_STEP_RENEW_CONTRACTS), 20));
    ASSERT_TRUE(xtest::Wait_Until([] { return Get_Current_Week() == OFFSEASON_WEEK && Is_Timeline_Active(); }));
    EXPECT_EQ(Get_Current_Year(), nYear + 1);
    for (const SHOWN_BOX& Box : ui::Shown_Boxes()) {
        EXPECT_NE(Box.Caption, "Begin College Draft?") << Box.Text;
        EXPECT_NE(Box.Caption, "College Draft") << Box.Text;
    }
    EXPECT_TRUE(Is_College_Draft_Pending());
    TIMELINE_VIEW View = Get_Timeline_View();
    EXPECT_TRUE(View.Cells[TIMELINE_STEP_RENEW_CONTRACTS].bDone);
    EXPECT_FALSE(View.Cells[TIMELINE_STEP_FREE_AGENTS].bDone);
    EXPECT_TRUE(View.Cells[TIMELINE_STEP_COLLEGE_DRAFT].bDone);
    EXPECT_TRUE(View.Cells[TIMELINE_STEP_BEGIN_SEASON].bDone);
    Shoot("offseason_renewed");

    // Free Agents: the list, and the draft's and the season's steps open.
    dialogs::Reset();
    ASSERT_TRUE(xtest::Click(pBar, Cell_Middle(TIMELINE_STEP_FREE_AGENTS), 20));
    ASSERT_TRUE(xtest::Wait_Until([] { return !dialogs::Records().empty(); }));
    EXPECT_EQ(dialogs::Records().back().nDialogId, FREE_AGENTS_LIST_DIALOG);
    View = Get_Timeline_View();
    EXPECT_FALSE(View.Cells[TIMELINE_STEP_COLLEGE_DRAFT].bDone);
    EXPECT_FALSE(View.Cells[TIMELINE_STEP_BEGIN_SEASON].bDone);
    Shoot("offseason_free_agents_done");

    // College Draft: the draft runs to the user's club's pick.
    ui::Reset();
    ASSERT_TRUE(xtest::Click(pBar, Cell_Middle(TIMELINE_STEP_COLLEGE_DRAFT), 20));
    ASSERT_TRUE(xtest::Wait_Until([] { return Is_College_Draft_Running(); }));
    bool bTurn = false;
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        bTurn = bTurn || Box.Caption.rfind("Round ", 0) == 0;
    EXPECT_TRUE(bTurn);
    Destroy_Main_Window();
    Install_Shell_Handler(nullptr);
}
