// The headless main window: its title for each phase of the season, the page
// it shows and the draft menu mode.
#include <string>

#include "league/calendar.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "league/league_fixture.h"
#include "league/team.h"
#include "shell/main_window.h"
#include "test_support.h"

namespace {

class MainWindowTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        League.Preferences.nInt[PREF_SEASON_INDEX] = 3;
    }
};

TEST_F(MainWindowTest, TitleNamesThePhaseOfTheSeason)
{
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 0;
    Update_Main_Window_Title();
    EXPECT_STREQ(Get_Main_Window_Title(), "Vazarudu Kelvo - 2022 Week 1");
    // Playoffs from day 17, each day named by its round as the pages and
    // the status bar name it (two leagues of four divisions and two wild
    // cards play every round): the final on day 20, the off-season from day
    // 21 as the status bar says, and so on day 100.
    Set_Season_Playoff_Days(17);
    for (int t = 0; t < 32; ++t)
        League.Team[t].nTeamStat[TEAM_STAT_DIVISION] = t / 4;
    Use_Franchises(32);
    League.Universe.nStat[WILD_CARD_TEAMS] = 2;
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 16;
    Update_Main_Window_Title();
    EXPECT_STREQ(Get_Main_Window_Title(), "Vazarudu Kelvo - 2022 Week 17");
    const char* const ROUNDS[4] = {"Wild Card", "Division Round", "Conference Championship", "Super Bowl"};
    for (int r = 0; r < 4; ++r) {
        League.Preferences.nInt[PREF_CURRENT_WEEK] = 17 + r;
        Update_Main_Window_Title();
        EXPECT_EQ(std::string(Get_Main_Window_Title()), std::string("Vazarudu Kelvo - 2022 ") + ROUNDS[r]);
    }
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 21;
    Update_Main_Window_Title();
    EXPECT_STREQ(Get_Main_Window_Title(), "Vazarudu Kelvo - 2022 Off-Season");
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 23;
    Update_Main_Window_Title();
    EXPECT_STREQ(Get_Main_Window_Title(), "Vazarudu Kelvo - 2022 Off-Season");
    League.Preferences.nInt[PREF_CURRENT_WEEK] = OFFSEASON_WEEK;
    Update_Main_Window_Title();
    EXPECT_STREQ(Get_Main_Window_Title(), "Vazarudu Kelvo - 2022 Off-Season");
    League.Universe.nStat[FANTASY_DRAFT_RUNNING] = 1;
    char szTitle[MAIN_TITLE_SIZE];
    Format_Main_Title(szTitle);
    EXPECT_STREQ(szTitle, "Vazarudu Kelvo - 2022 Fantasy Draft");
    Format_Main_Title(nullptr, MAIN_TITLE_SIZE);   // ignored
    // A smaller buffer holds the title's start.
    char szShort[8];
    Format_Main_Title(szShort);
    EXPECT_STREQ(szShort, "Vazarud");
}

TEST_F(MainWindowTest, PageIsStoredAndRepainted)
{
    const int nRepaints = Get_Main_Window_Repaints();
    Set_Main_View_Page(GAMES_PAGE);
    EXPECT_EQ(League.Preferences.nInt[PREF_MAIN_PAGE], GAMES_PAGE);
    EXPECT_EQ(Get_Main_Window_Repaints(), nRepaints + 1);
}

TEST_F(MainWindowTest, DraftMenuFollowsTheFantasyDraft)
{
    Set_Draft_Menu_Items(1);
    EXPECT_TRUE(Is_Draft_Menu_Running());
    Set_Draft_Menu_Items(0);
    EXPECT_FALSE(Is_Draft_Menu_Running());
}

}  // namespace

#include <cstdio>

#include "engine/game_log.h"
#include "engine/game_report.h"
#include "league/game_record.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "scratch_folder.h"

namespace {

// Game record 3 of the year played 20-17, its pages written as its last
// whistle writes them (the box score only with bRecap false).
void Write_Game_3_Pages(int nYear, bool bRecap = true)
{
    GAME& Game = League.Game[3];
    Game.nAwayTeam = 1;
    Game.nHomeTeam = 2;
    Game.nYear = static_cast<uint16_t>(nYear);
    Game.nScore[GAME_SIDE_AWAY] = 20;
    Game.nScore[GAME_SIDE_HOME] = 17;
    Game.nClock = SECONDS_OF_REGULATION;
    Set_Game_Pages_Enabled(true);
    Write_Game_Page_Header(&Game);
    ASSERT_TRUE(Write_Box_Score_File(&Game, 3, 1));
    if (bRecap) {
        ASSERT_TRUE(Write_Recap_File(&Game, 3, 1));
    }
    Clear_Game_Log_Texts();
}

// The shown game's box score and recap open by the names of the shown
// game's pages: last season's in the off-season.
TEST_F(MainWindowTest, TheShownGamesPagesOpenByTheirNames)
{
    SCRATCH_FOLDER Scratch("shown_game_pages");
    services::Reset();
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    Set_User_Preference(PREF_SEASON_INDEX, 1);   // 2020
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    Set_User_Preference(PREF_SHOWN_GAME, 3);
    Write_Game_3_Pages(2019);
    EXPECT_TRUE(Open_Shown_Game_Page(false));
    EXPECT_TRUE(Open_Shown_Game_Page(true));
    ASSERT_EQ(services::Opened_Documents().size(), 2u);
    EXPECT_EQ(services::Opened_Documents()[0], files::Resolve_Path("Output\\Box-19-003.htm"));
    EXPECT_EQ(services::Opened_Documents()[1], files::Resolve_Path("Output\\Recap-19-003.htm"));
    // In the season: this year's; a page not written is said to be missing.
    Set_User_Preference(PREF_CURRENT_WEEK, 4);
    Write_Game_3_Pages(2020, false);
    EXPECT_TRUE(Open_Shown_Game_Page(false));
    EXPECT_EQ(services::Opened_Documents().back(), files::Resolve_Path("Output\\Box-20-003.htm"));
    EXPECT_FALSE(Open_Shown_Game_Page(true));
    EXPECT_EQ(services::Opened_Documents().size(), 3u);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Recap");
    // No game shown: nothing.
    Set_User_Preference(PREF_SHOWN_GAME, -1);
    EXPECT_FALSE(Open_Shown_Game_Page(false));
    EXPECT_EQ(services::Opened_Documents().size(), 3u);
    // No program to open a page: a box says so, naming it.
    Set_User_Preference(PREF_SHOWN_GAME, 3);
    services::Set_No_Document_Opener(true);
    EXPECT_FALSE(Open_Shown_Game_Page(false));
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[1].Caption, "Box Score");
    // Named from the root, as a person can find it.
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "No program could open " + std::filesystem::current_path().string() +
                                             "/Output/Box-20-003.htm: the desktop's opener (xdg-open) could not be "
                                             "started.");
    EXPECT_EQ(services::Opened_Documents().size(), 3u);
    services::Reset();
}

// A page of the shown game's name without a mark (written by an older
// version) cannot be told from another game's: it opens only when the user
// says so.
TEST_F(MainWindowTest, APageWithoutAMarkOpensOnlyWhenTheUserSaysSo)
{
    SCRATCH_FOLDER Scratch("shown_game_unmarked_page");
    services::Reset();
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    Set_User_Preference(PREF_CURRENT_WEEK, 1);
    Set_User_Preference(PREF_SHOWN_GAME, 3);
    const std::string Root = std::filesystem::current_path().string();
    // The game's own pages open without a question.
    Write_Game_3_Pages(2019);
    EXPECT_TRUE(Open_Shown_Game_Page(false));
    EXPECT_TRUE(Open_Shown_Game_Page(true));
    EXPECT_EQ(services::Opened_Documents().size(), 2u);
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // A page of an older program, without a mark: asked; No leaves it shut.
    ASSERT_TRUE(files::Write_Whole_File("Output/Box-19-003.htm", "<html></html>", 13));
    ui::Queue_Answer(ID_NO);
    EXPECT_FALSE(Open_Shown_Game_Page(false));
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Box Score");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              Root + "/Output/Box-19-003.htm was written before pages carried a mark of their game, so it cannot be "
                     "told from a later game's page of the same name. Open it anyway?");
    EXPECT_EQ(ui::Shown_Boxes()[0].Style & BOX_BUTTON_MASK, BOX_YESNO);
    EXPECT_EQ(services::Opened_Documents().size(), 2u);
    // Nobody there to answer: the default, No.
    EXPECT_FALSE(Open_Shown_Game_Page(false));
    EXPECT_EQ(ui::Shown_Boxes()[1].Result, ID_NO);
    EXPECT_EQ(services::Opened_Documents().size(), 2u);
    ui::Queue_Answer(ID_YES);
    EXPECT_TRUE(Open_Shown_Game_Page(false));
    ASSERT_EQ(services::Opened_Documents().size(), 3u);
    EXPECT_EQ(services::Opened_Documents()[2], files::Resolve_Path("Output\\Box-19-003.htm"));
    services::Reset();
}

}  // namespace
