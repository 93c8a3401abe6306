// The headless main window: its title for each phase of the season, the page
// it shows and the draft menu mode.
#include <string>

#include "league/calendar.h"
#include "league/league_data.h"
#include "league/preferences.h"
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
    // Playoffs from day 17: the final on day 20, the off-season from day 21
    // as the status bar says, and so on day 100.
    Set_Season_Playoff_Days(17);
    League.Preferences.nInt[PREF_CURRENT_WEEK] = 20;
    Update_Main_Window_Title();
    EXPECT_STREQ(Get_Main_Window_Title(), "Vazarudu Kelvo - 2022 Week 21");
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

#include "platform/files.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "scratch_folder.h"

namespace {

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
    ASSERT_TRUE(files::Create_Folders("Output"));
    for (const char* szName : {"Output\\Box-19-003.htm", "Output\\Recap-19-003.htm", "Output\\Box-20-003.htm"}) {
        FILE* pFile = files::Open_File(szName, "w");
        ASSERT_NE(pFile, nullptr) << szName;
        std::fputs("<html></html>", pFile);
        std::fclose(pFile);
    }
    EXPECT_TRUE(Open_Shown_Game_Page(false));
    EXPECT_TRUE(Open_Shown_Game_Page(true));
    ASSERT_EQ(services::Opened_Documents().size(), 2u);
    EXPECT_EQ(services::Opened_Documents()[0], files::Resolve_Path("Output\\Box-19-003.htm"));
    EXPECT_EQ(services::Opened_Documents()[1], files::Resolve_Path("Output\\Recap-19-003.htm"));
    // In the season: this year's; a page not written is said to be missing.
    Set_User_Preference(PREF_CURRENT_WEEK, 4);
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

}  // namespace
