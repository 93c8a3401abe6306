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
