// The main window around the season's long runs, with real input only (XTEST
// key presses and clicks): the season simulator run from the Tools menu
// gives back the window it found (menus, keys, ticker), a fantasy draft's
// corner box follows the pick on the clock and its dialogs are gone before
// the first pick is announced, the Draft page turns to the college draft's
// round before its box, and the Games page leaves a finished watched game
// once another week is played. Screenshots go to build/screenshots/.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "editors/fantasy_draft_dialog.h"
#include "editors/sortable_stats.h"
#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "draft_steps.h"
#include "gui_support.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "pages/game_view.h"
#include "pages/page_layout.h"
#include "pages/score_boxes.h"
#include "platform/dialogs.h"
#include "platform/main_frame.h"
#include "platform/ui.h"
#include "season/day_advance.h"
#include "season/draft_state.h"
#include "season/fantasy_draft.h"
#include "season/timeline.h"
#include "shell/commands.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/news_bar.h"
#include "shell/status_bar.h"
#include "test_support.h"
#include "tools/season_simulator.h"
#include "xtest_input.h"

namespace fs = std::filesystem;

namespace {

using gui_support::Contains;
using gui_support::Page_Text;

std::vector<std::string> g_Problems;
std::vector<std::string> g_Boxes;       // "title: button clicked"
std::map<std::string, std::string> g_BoxAnswers;
// What the window showed when a box came up, by the box's title.
struct AT_BOX {
    std::string Title;
    bool bNewGameShown = false;
    bool bFantasyShown = false;
    int nPage = 0;
    std::string DraftPage;
};
std::vector<AT_BOX> g_AtBox;
bool g_bFantasyChecked = false;
std::string g_ShotPrefix = "season_window";   // the screenshots of the boxes, by test
bool g_bPickMade = false;

void Problem(const std::string& Text)
{
    if (g_Problems.size() < 20)
        g_Problems.push_back(Text);
}

// A window of ours is on the screen: mapped by the X server, not only kept.
bool On_Screen(GtkWidget* pWindow)
{
    return pWindow != nullptr && gtk_widget_get_mapped(pWindow);
}

void Click_Control(int nDialogId, int nControl)
{
    if (!xtest::Click(xtest::Control(nDialogId, nControl)))
        Problem("dialog " + std::to_string(nDialogId) + " control " + std::to_string(nControl) + " took no click");
}

void Shoot_Screen(const std::string& Name)
{
    GdkWindow* pRoot = gdk_get_default_root_window();
    GdkPixbuf* p = gdk_pixbuf_get_from_window(pRoot, 0, 0, gdk_window_get_width(pRoot), gdk_window_get_height(pRoot));
    if (p == nullptr || !gdk_pixbuf_save(p, gui_support::Screenshot_Path(Name).c_str(), "png", nullptr, nullptr))
        Problem("screenshot " + Name + " not written");
    if (p != nullptr)
        g_object_unref(p);
}

// The main window once it shows the state now.
void Shoot_Main(const std::string& Name)
{
    const int nDraws = gtk_probe::Draw_Count(gtk_probe::WINDOW_MAIN);
    Repaint_Window(AREA_ALL);
    gtk_probe::Wait_Draw_After(gtk_probe::WINDOW_MAIN, 0, nDraws, 3000);
    gtk_probe::Run_For(150);
    if (!gtk_probe::Screenshot(gtk_probe::WINDOW_MAIN, 0, gui_support::Screenshot_Path(Name)))
        Problem("screenshot " + Name + " not written");
}

// A person's hand in the modal windows: each answered by clicks and keys once
// it is drawn.
void On_Shown(int nKind, int nDialogId)
{
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        const std::string Title = gtk_probe::Window_Title(gtk_probe::WINDOW_MESSAGE_BOX, 0);
        AT_BOX At;
        At.Title = Title;
        At.bNewGameShown = On_Screen(xtest::Dialog(NEW_GAME_DIALOG));
        At.bFantasyShown = On_Screen(xtest::Dialog(START_FANTASY_DRAFT_DIALOG));
        At.nPage = Get_User_Preference(PREF_MAIN_PAGE);
        At.DraftPage = Page_Text(Layout_Draft_Page());
        if (g_AtBox.empty() || g_AtBox.back().Title != Title)
            Shoot_Screen(g_ShotPrefix + "_box_" + std::to_string(g_AtBox.size()));
        g_AtBox.push_back(At);
        // Each box by its answer, else OK; a question without OK (the
        // timeline's, asked while the click that raised it is still held)
        // takes its default answer by Enter.
        const auto Found = g_BoxAnswers.find(Title);
        const std::string Button = Found != g_BoxAnswers.end() ? Found->second : "OK";
        GtkWidget* pBox = gtk_internal::Message_Box_Window();
        if (Found == g_BoxAnswers.end() && xtest::Find_Button(pBox, Button) == nullptr) {
            g_Boxes.push_back(Title + ": Enter");
            xtest::Focus(pBox);
            xtest::Key("Return");
            return;
        }
        g_Boxes.push_back(Title + ": " + Button);
        std::fprintf(stderr, "season window: box \"%s\": %s\n", Title.c_str(), Button.c_str());
        if (!xtest::Click(xtest::Find_Button(gtk_internal::Message_Box_Window(), Button)))
            Problem("box \"" + Title + "\" has no button " + Button + " to click");
        return;
    }
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    std::fprintf(stderr, "season window: dialog %d\n", nDialogId);
    switch (nDialogId) {
    case NEW_GAME_DIALOG:
        if (g_bFantasyChecked) {
            // A club further down the list: its picks are not the first.
            GtkWidget* pTeam = xtest::Control(NEW_GAME_DIALOG, NEW_GAME_TEAM);
            xtest::Open_Combo(pTeam);
            for (int i = 0; i < 5; ++i)
                xtest::Key("Down");
            xtest::Key("Return");
            xtest::Wait_Combo_Closed(pTeam);
            Click_Control(NEW_GAME_DIALOG, NEW_GAME_FANTASY_DRAFT);
        }
        Click_Control(NEW_GAME_DIALOG, NEW_GAME_PLAY);
        break;
    case START_FANTASY_DRAFT_DIALOG:
        Click_Control(START_FANTASY_DRAFT_DIALOG, FANTASY_FIRST_ALPHABETICAL);
        Click_Control(START_FANTASY_DRAFT_DIALOG, FANTASY_LATER_SNAKE_BUTTON);
        Click_Control(START_FANTASY_DRAFT_DIALOG, DIALOG_OK);
        break;
    case SIMULATOR_DIALOG: {
        GtkWidget* pCount = xtest::Control(SIMULATOR_DIALOG, SIMULATOR_COUNT_EDIT);
        xtest::Click(pCount);
        xtest::Key("ctrl+a");
        xtest::Type("1");
        gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path("simulator_dialog"));
        Click_Control(SIMULATOR_DIALOG, SIMULATOR_SIMULATE_BUTTON);
        break;
    }
    case SAVE_GAME_DIALOG:
        xtest::Click(xtest::Control(SAVE_GAME_DIALOG, SAVE_GAME_NAME));
        xtest::Key("ctrl+a");
        xtest::Type("After Simulator");
        Click_Control(SAVE_GAME_DIALOG, SAVE_BUTTON);
        break;
    case SORTABLE_STATS_DIALOG:
        // The fantasy draft's list: the first player picked with "Draft".
        if (!g_bPickMade) {
            // The list of the players nobody has drafted yet: the group
            // list's last entry but one.
            gui_support::Click_First_Undrafted(nDialogId);
            gtk_probe::Run_For(100);
            std::fprintf(stderr, "season window: pick list row 0 \"%s\", Draft %s\n",
                         gtk_probe::Report_Cell(nDialogId, IDC_SS_LIST, 0, 0).c_str(),
                         gtk_probe::Control_Sensitive(nDialogId, IDC_SS_RELEASE) ? "live" : "greyed");
            gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path("fantasy_draft_pick_list"));
            g_bPickMade = true;
            Click_Control(nDialogId, IDC_SS_RELEASE);
        }
        if (xtest::Dialog(nDialogId) != nullptr)
            Click_Control(nDialogId, IDC_SS_DONE);
        break;
    default:
        Problem("an unexpected dialog " + std::to_string(nDialogId) + "; closed with Escape");
        xtest::Focus(xtest::Dialog(nDialogId));
        xtest::Key("Escape");
        break;
    }
}

// A menu item chosen as a person does, through the menu bar.
bool Click_Menu_Item(int nCommand)
{
    std::string Why;
    if (xtest::Click_Menu_Item(nCommand, Why))
        return true;
    Problem(Why);
    return false;
}

// The titles of the menu bar's top-level items, mnemonic marks dropped.
std::vector<std::string> Menu_Bar_Titles()
{
    std::vector<std::string> Titles;
    for (const MAIN_MENU_POPUP& Popup : Get_Main_Menu().Popups) {
        std::string Title;
        for (char c : Popup.Title)
            if (c != '&')
                Title += c;
        Titles.push_back(Title);
    }
    return Titles;
}

bool Has(const std::vector<std::string>& List, const std::string& Item)
{
    for (const std::string& s : List)
        if (s == Item)
            return true;
    return false;
}

// A key pressed in the main window, as a person at the keyboard.
void Main_Key(const std::string& Combo)
{
    xtest::Focus(xtest::Main_Window());
    xtest::Key(Combo);
    gtk_probe::Run_For(100);
}

class GtkSeasonWindow : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"gui_season_window"};

    // The program as its main starts it, then a new game begun from the
    // File menu (Fantasy Draft checked when asked).
    bool Start_New_Game(bool bFantasy)
    {
        if (!gui_support::Start_Attended(Data, Save_Game))
            return false;
        g_Problems.clear();
        g_Boxes.clear();
        g_BoxAnswers.clear();
        g_AtBox.clear();
        g_bPickMade = false;
        g_bFantasyChecked = bFantasy;
        gtk_probe::Set_Shown_Hook(On_Shown);
        // Only the questions the test is about: no Commissioner Mode
        // question, no automatic save.
        if (!Click_Menu_Item(CMD_NEW_GAME))
            return false;
        gtk_probe::Run_For(200);
        Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
        Set_User_Preference(PREF_AUTO_SAVE, 0);
        return gui_support::First_User_Team() >= 0;
    }
    void TearDown() override
    {
        gtk_probe::Set_Shown_Hook(nullptr);
        for (const std::string& Text : g_Problems)
            ADD_FAILURE() << Text;
        dialogs::Set_Unattended(true);
        Destroy_Main_Window();
    }
};

std::string Boxes_So_Far()
{
    std::string Text;
    for (const std::string& Line : g_Boxes)
        Text += "\n  " + Line;
    return Text;
}

}  // namespace

TEST_F(GtkSeasonWindow, SimulatorFromToolsMenuGivesBackMenusKeysAndNewsThenSavesByCtrlS)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    g_ShotPrefix = "simulator";
    ASSERT_TRUE(Start_New_Game(false));
    ASSERT_TRUE(Is_News_Bar_Shown());
    const std::string TickerBefore = Get_News_Bar().Text;
    const std::vector<std::string> MenusBefore = Menu_Bar_Titles();
    ASSERT_TRUE(Has(MenusBefore, "File") && Has(MenusBefore, "Play")) << MenusBefore.size();
    const int nWeek = Get_Current_Week();
    const std::string TitleBefore = Get_Main_Window_Title();

    // Tools > Single Season Simulator, one season typed, Simulate.
    ASSERT_TRUE(Click_Menu_Item(CMD_SEASON_SIMULATOR));
    gtk_probe::Run_For(300);
    ASSERT_TRUE(fs::exists("Simulator.txt")) << Boxes_So_Far();
    EXPECT_NE(Read_Text_File("Simulator.txt", "").find("1 SEASONS SIMULATED"), std::string::npos);

    // The window as it was: the normal menu with its keys, the same week,
    // title and ticker, built from the restored league.
    EXPECT_FALSE(Get_Main_Menu().bGameMenu);
    EXPECT_EQ(Menu_Bar_Titles(), MenusBefore);
    EXPECT_NE(gtk_internal::Menu_Item_Of(CMD_SAVE_GAME), nullptr);
    EXPECT_NE(gtk_internal::Menu_Item_Of(CMD_PLAY_ONE_WEEK), nullptr);
    EXPECT_EQ(gtk_internal::Menu_Item_Of(CMD_FINISH_GAME), nullptr);
    EXPECT_EQ(Get_Current_Week(), nWeek);
    EXPECT_EQ(Get_Main_Window_Title(), TitleBefore);
    EXPECT_EQ(Get_News_Bar().Text, TickerBefore);
    EXPECT_FALSE(Contains(Get_News_Bar().Text, "Leaders:")) << Get_News_Bar().Text;
    EXPECT_TRUE(Get_News_Bar().bRunning);
    EXPECT_TRUE(Is_Timeline_Active());
    Shoot_Main("simulator_window_after_the_run");

    // File > Save Game by its key: the dialog comes, the game is saved.
    Main_Key("ctrl+s");
    gtk_probe::Run_For(300);
    EXPECT_TRUE(fs::exists("After Simulator.zrt")) << Boxes_So_Far();
    // The ticker, read after the save: still the real season's news.
    EXPECT_EQ(Get_News_Bar().Text, TickerBefore);
    Shoot_Main("simulator_window_saved_by_ctrl_s");
}

TEST_F(GtkSeasonWindow, FantasyDraftDateBoxShowsRoundAndPickOnTheClock)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    // New Game with "Fantasy Draft" checked; Start Fantasy Draft:
    // Alphabetical (club slots are kept in city order), Snake.
    g_ShotPrefix = "fantasy_draft";
    ASSERT_TRUE(Start_New_Game(true));
    ASSERT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), FANTASY_DRAFT_UNDER_WAY);
    const int nUser = gui_support::First_User_Team();
    ASSERT_GE(nUser, 0);
    const int nTeams = Count_Teams();

    // The first pick's box came with both dialogs gone from the screen.
    ASSERT_FALSE(g_AtBox.empty()) << Boxes_So_Far();
    EXPECT_EQ(g_AtBox.front().Title.rfind("Round 1 / Pick ", 0), 0u) << g_AtBox.front().Title;
    for (const AT_BOX& At : g_AtBox) {
        EXPECT_FALSE(At.bNewGameShown) << At.Title;
        EXPECT_FALSE(At.bFantasyShown) << At.Title;
    }

    // The user's club is on the clock: in round 1 the clubs pick in slot
    // order, so its pick is its slot + 1. The Standings page (F2) shows the
    // corner box.
    Main_Key("F2");
    ASSERT_EQ(Get_User_Preference(PREF_MAIN_PAGE), CMD_PAGE_STANDINGS);
    char szFirst[64], szSecond[64];
    Format_Phase_Labels(szFirst, szSecond, sizeof(szFirst));
    EXPECT_STREQ(szFirst, "Round 1");
    EXPECT_EQ(std::string(szSecond), "Pick " + std::to_string(nUser + 1));
    Shoot_Main("fantasy_draft_date_box_round_1");

    // The pick made from the list (Team > Sortable Stats, a row clicked,
    // Draft): the computer picks to the user's turn in round 2, which the
    // snake order reverses: the club in slot s picks n - s.
    ASSERT_TRUE(Click_Menu_Item(CMD_SORTABLE_STATS));
    ASSERT_TRUE(g_bPickMade) << Boxes_So_Far();
    ASSERT_NE(Get_Fantasy_Draft_Club_On_The_Clock(), nUser) << "the pick was not made" << Boxes_So_Far();
    for (int i = 0; i < 200 && Get_Fantasy_Draft_Club_On_The_Clock() != nUser; ++i)
        gtk_probe::Run_For(50);
    ASSERT_EQ(Get_Fantasy_Draft_Club_On_The_Clock(), nUser);
    Format_Phase_Labels(szFirst, szSecond, sizeof(szFirst));
    EXPECT_STREQ(szFirst, "Round 2");
    EXPECT_EQ(std::string(szSecond), "Pick " + std::to_string(nTeams - nUser));
    Shoot_Main("fantasy_draft_date_box_round_2");
}

TEST_F(GtkSeasonWindow, DraftPageTurnsToTheRoundOnTheClockBeforeTheTurnsBox)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    g_ShotPrefix = "college_draft";
    ASSERT_TRUE(Start_New_Game(false));
    const int nUser = gui_support::First_User_Team();
    ASSERT_GE(nUser, 0);
    // The off-season's college draft waiting to be started ("Begin College
    // Draft?" answered No), the Draft page left at last year's last round.
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    Set_User_Preference(PREF_DRAFT_ROUND, DRAFT_OVER_ROUND);
    const int nYear = Get_Current_Year();
    Set_User_Preference(PREF_DRAFT_PAGE_SELECTION, nYear - 1);
    Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, DRAFT_ROUNDS);
    Set_Main_View_Page(MAIN_PAGE_DRAFT);
    Build_Main_Menu();
    gtk_probe::Run_For(200);
    ASSERT_TRUE(Is_College_Draft_Pending());

    // Play > Start Draft: the computer picks to the user's club.
    ASSERT_TRUE(Click_Menu_Item(CMD_START_DRAFT));
    gtk_probe::Run_For(200);
    const AT_BOX* pTurn = nullptr;
    for (const AT_BOX& At : g_AtBox)
        if (pTurn == nullptr && At.Title.rfind("Round 1: Pick #", 0) == 0)
            pTurn = &At;
    ASSERT_NE(pTurn, nullptr) << Boxes_So_Far();
    // Behind the box: this year's draft, round 1, a pick on the clock.
    EXPECT_EQ(pTurn->nPage, MAIN_PAGE_DRAFT);
    EXPECT_TRUE(Contains(pTurn->DraftPage, std::to_string(nYear) + " Draft, Round 1")) << pTurn->DraftPage;
    EXPECT_EQ(Get_Draft_Page_Year(), nYear);
    EXPECT_EQ(Get_Draft_Page_Round(), 1);
    Shoot_Main("college_draft_page_after_the_turns_box");
}

TEST_F(GtkSeasonWindow, GamesPageLeavesAFinishedWatchedGameOnceAnotherWeekIsPlayed)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    g_ShotPrefix = "games_page";
    ASSERT_TRUE(Start_New_Game(false));
    const int nUser = gui_support::First_User_Team();
    ASSERT_GE(nUser, 0);
    // Week 1 played; the user's game of it is the one the window kept
    // showing, as a watched game leaves it.
    ASSERT_EQ(Get_Current_Week(), 0);
    std::fprintf(stderr, "season window: week 1 played\n");
    dialogs::Set_Unattended(true);
    Advance_Day(1);
    dialogs::Set_Unattended(false);
    ASSERT_EQ(Get_Current_Week(), 1);
    int nWatched = -1;
    for (int g = 0; g < NUMBER_OF_GAMES && nWatched < 0; ++g) {
        const GAME* pGame = Get_Game_Record(g);
        if (pGame != nullptr && pGame->nWeek == 0 && Is_Game_Record_Final(g) &&
            (pGame->nAwayTeam == nUser || pGame->nHomeTeam == nUser))
            nWatched = g;
    }
    ASSERT_GE(nWatched, 0);
    ASSERT_TRUE(Is_Game_Record_Final(nWatched));
    Set_User_Preference(PREF_SHOWN_GAME, nWatched);
    Build_Main_Menu();

    std::fprintf(stderr, "season window: F4\n");
    // F4: the Games page shows that final; the timeline stays live.
    Main_Key("F4");
    ASSERT_EQ(Get_User_Preference(PREF_MAIN_PAGE), MAIN_PAGE_GAMES);
    EXPECT_TRUE(Is_Game_View_Shown());
    EXPECT_TRUE(Is_Timeline_Active());
    Shoot_Main("games_page_the_watched_final");

    // A click on the timeline's next week, Yes: week 2 is played.
    gtk_probe::PIXELS Bar;
    ASSERT_TRUE(gtk_probe::Main_Area_Pixels(FRAME_STATUS_BAR, Bar));
    const TIMELINE_LAYOUT Layout = Get_Status_Bar_Timeline_Layout(Bar.cx);
    ASSERT_TRUE(Layout.bLaidOut);
    std::fprintf(stderr, "season window: timeline\n");
    xtest::Click(xtest::Main_Area(FRAME_STATUS_BAR), Layout.nCellX[0] + Layout.nCellWidth / 2, 20);
    gtk_probe::Run_For(300);
    EXPECT_EQ(Get_Current_Week(), 2) << Boxes_So_Far();
    // F4 again: the current week's games, not last week's final.
    Main_Key("F4");
    EXPECT_EQ(Get_User_Preference(PREF_MAIN_PAGE), MAIN_PAGE_GAMES);
    EXPECT_FALSE(Is_Game_View_Shown());
    EXPECT_TRUE(Is_Timeline_Active());
    Shoot_Main("games_page_after_another_week");
}
