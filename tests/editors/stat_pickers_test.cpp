// The pickers run headless: Choose Stat stores the button's index in the
// slot preference 44 names (a bad slot stores nothing and is reported),
// dialog 145 reads "Salary Budget" in a league without a cap, Other Team
// views a computer club without taking it and takes a user-run one, and the
// league-values dialog shows and stores its eight 16-bit values however it
// closes, reading typed text with a bounded parse.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "editors/stat_pickers.h"
#include "pages/page_layout.h"
#include "platform/shell_requests.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "season/season_cycle_fixture.h"
#include "test_support.h"
#include "editors/dialog_action.h"

namespace {

using editor_tests::Action;

class StatPickersTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        season_cycle::Build_League(3, 1);   // club 0 the user's
        Set_Team_Stat(2, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
        Set_User_Preference(PREF_CURRENT_TEAM, 0);
        Set_User_Preference(PREF_SELECTED_TEAM, 0);
    }
};

TEST_F(StatPickersTest, ChooseStatStoresTheIndexInTheSlotPreference44Names)
{
    Set_User_Preference(PREF_CHOOSE_STAT_COLUMN, 200);
    dialogs::Queue_Action(CHOOSE_TEAM_STAT_DIALOG, Action(ACTION_PRESS, 1242 + 36));
    EXPECT_EQ(Do_Dialog(CHOOSE_TEAM_STAT_DIALOG), 1);
    EXPECT_EQ(Get_User_Preference(200), 36);
    EXPECT_EQ(dialogs::Records().back().Find(1242 + 36)->Text, "Passes Defensed");

    dialogs::Queue_Action(CHOOSE_LEADER_STAT_DIALOG, Action(ACTION_PRESS, 1242 + 21));
    EXPECT_EQ(Do_Dialog(CHOOSE_LEADER_STAT_DIALOG), 1);
    EXPECT_EQ(Get_User_Preference(200), 21);
    EXPECT_EQ(dialogs::Records().back().Final_Title, "Leader Heading");

    dialogs::Queue_Action(CHOOSE_GAME_STAT_DIALOG, Action(ACTION_PRESS, 1242 + 19));
    EXPECT_EQ(Do_Dialog(CHOOSE_GAME_STAT_DIALOG), 1);
    EXPECT_EQ(Get_User_Preference(200), 19);

    // Cancel stores nothing.
    dialogs::Queue_Action(CHOOSE_TEAM_STAT_DIALOG, Action(ACTION_PRESS, DIALOG_CANCEL));
    EXPECT_EQ(Do_Dialog(CHOOSE_TEAM_STAT_DIALOG), 0);
    EXPECT_EQ(Get_User_Preference(200), 19);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StatPickersTest, ABadSlotStoresNothingAndIsReported)
{
    Set_User_Preference(PREF_CHOOSE_STAT_COLUMN, 360);
    const LEAGUE_SNAPSHOT Before;
    dialogs::Queue_Action(CHOOSE_TEAM_STAT_DIALOG, Action(ACTION_PRESS, 1242 + 4));
    Do_Dialog(CHOOSE_TEAM_STAT_DIALOG);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("nPreference out of bounds in Set_User_Preference([360],4)"));
}

TEST_F(StatPickersTest, TheFranchiseStatsNameTheCapRoomByTheLeaguesCap)
{
    Set_Universe_Stat(SALARY_CAP, 0);
    Do_Dialog(CHOOSE_FRANCHISE_STAT_DIALOG);
    const DIALOG_RECORD& NoCap = dialogs::Records().back();
    EXPECT_EQ(NoCap.Find(SALARY_ROOM_BUTTON)->Text, "Salary Budget");
    EXPECT_EQ(NoCap.Find(1242 + 7), nullptr);    // no text, no button
    EXPECT_EQ(NoCap.Find(1242 + 16), nullptr);
    EXPECT_EQ(NoCap.Find(1242 + 49)->Text, "Overall");
    EXPECT_STREQ(Get_Stat_Button_Text(CHOOSE_FRANCHISE_STAT_DIALOG, 17), "Salary Budget");

    Set_Universe_Stat(SALARY_CAP, 150000000);
    Do_Dialog(CHOOSE_FRANCHISE_STAT_DIALOG);
    EXPECT_EQ(dialogs::Records().back().Find(SALARY_ROOM_BUTTON)->Text, "Salary Cap Room");
    EXPECT_EQ(Get_Stat_Button_Id(50), 1292);
    EXPECT_EQ(Get_Stat_Button_Id(51), 0);
    EXPECT_EQ(Get_Stat_Button_Id(-1), 0);
}

TEST_F(StatPickersTest, OtherTeamViewsAComputerClubAndTakesAUserRunOne)
{
    dialogs::Queue_Action(OTHER_TEAM_DIALOG, Action(ACTION_SELECT, TEAM_LIST, 0, "City1 Nick1"));
    dialogs::Queue_Action(OTHER_TEAM_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    EXPECT_EQ(Do_Dialog(OTHER_TEAM_DIALOG), 1);
    EXPECT_EQ(dialogs::Records().back().Find(TEAM_LIST)->Items,
              (std::vector<std::string>{"City0 Nick0", "City1 Nick1", "City2 Nick2"}));
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), 1);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 0);

    dialogs::Queue_Action(OTHER_TEAM_DIALOG, Action(ACTION_DOUBLE_CLICK, TEAM_LIST, 0, "City2 Nick2"));
    EXPECT_EQ(Do_Dialog(OTHER_TEAM_DIALOG), 1);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), 2);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 2);

    // Cancel changes nothing, whatever was selected.
    dialogs::Queue_Action(OTHER_TEAM_DIALOG, Action(ACTION_SELECT, TEAM_LIST, 0, "City0 Nick0"));
    dialogs::Queue_Action(OTHER_TEAM_DIALOG, Action(ACTION_PRESS, DIALOG_CANCEL));
    EXPECT_EQ(Do_Dialog(OTHER_TEAM_DIALOG), 1);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), 2);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 2);

    // With every club the computer's, a user-run club is only viewed.
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    dialogs::Queue_Action(OTHER_TEAM_DIALOG, Action(ACTION_SELECT, TEAM_LIST, 0, "City0 Nick0"));
    dialogs::Queue_Action(OTHER_TEAM_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(OTHER_TEAM_DIALOG);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), 0);
    EXPECT_EQ(Get_User_Preference(PREF_SELECTED_TEAM), 2);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(StatPickersTest, OtherTeamsOkTurnsTheMainWindowsPagesToTheViewedClub)
{
    // On the Standings page, not the Calendar: the pages are repainted all
    // the same, and they now show the viewed computer club while the status
    // bar's club stays the user's.
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_STANDINGS);
    shell_requests::Reset();
    dialogs::Queue_Action(OTHER_TEAM_DIALOG, Action(ACTION_SELECT, TEAM_LIST, 0, "City1 Nick1"));
    dialogs::Queue_Action(OTHER_TEAM_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    EXPECT_EQ(Do_Dialog(OTHER_TEAM_DIALOG), 1);
    EXPECT_GE(shell_requests::Count(REQUEST_MAIN_WINDOW_REPAINT), 1);
    EXPECT_GE(shell_requests::Count(REQUEST_STATUS_BAR_REPAINT), 1);
    EXPECT_GE(shell_requests::Count(REQUEST_NEWS_BAR_REPAINT), 1);
    EXPECT_EQ(Get_Calendar_Page_Team(), 1);
    EXPECT_EQ(Get_User_Page_Team(), 0);
    // Cancel repaints nothing.
    shell_requests::Reset();
    dialogs::Queue_Action(OTHER_TEAM_DIALOG, Action(ACTION_PRESS, DIALOG_CANCEL));
    Do_Dialog(OTHER_TEAM_DIALOG);
    EXPECT_EQ(shell_requests::Count(REQUEST_MAIN_WINDOW_REPAINT), 0);
    EXPECT_EQ(Get_Calendar_Page_Team(), 1);
}

TEST_F(StatPickersTest, TheLeagueValuesAreShownAndStoredOnDoneAndOnEscape)
{
    int16_t Values[LEAGUE_VALUE_COUNT] = {1, -2, 3, 4, 5, 6, 7, 8};
    dialogs::Queue_Action(LEAGUE_VALUES_DIALOG, Action(ACTION_SET_TEXT, 41016, 0, "40000"));
    dialogs::Queue_Action(LEAGUE_VALUES_DIALOG, Action(ACTION_SET_TEXT, 41017, 0, "abc"));
    dialogs::Queue_Action(LEAGUE_VALUES_DIALOG, Action(ACTION_SET_TEXT, 41018, 0, "-70000"));
    dialogs::Queue_Action(LEAGUE_VALUES_DIALOG, Action(ACTION_SET_TEXT, 41019, 0, "12x"));
    dialogs::Queue_Action(LEAGUE_VALUES_DIALOG, Action(ACTION_CANCEL, 0));
    Do_Dialog(LEAGUE_VALUES_DIALOG, Values);
    EXPECT_EQ(dialogs::Records().back().Find(41023)->Text, "8");
    const int16_t AFTER_ESCAPE[LEAGUE_VALUE_COUNT] = {32767, 0, -32768, 12, 5, 6, 7, 8};
    for (int i = 0; i < LEAGUE_VALUE_COUNT; ++i)
        EXPECT_EQ(Values[i], AFTER_ESCAPE[i]) << i;

    dialogs::Queue_Action(LEAGUE_VALUES_DIALOG, Action(ACTION_SET_TEXT, 41023, 0, " -9"));
    dialogs::Queue_Action(LEAGUE_VALUES_DIALOG, Action(ACTION_PRESS, DIALOG_OK));
    EXPECT_EQ(Do_Dialog(LEAGUE_VALUES_DIALOG, Values), DIALOG_OK);
    EXPECT_EQ(Values[7], -9);
    EXPECT_EQ(Values[0], 32767);
}

TEST_F(StatPickersTest, TypedNumbersAreReadWithinBounds)
{
    EXPECT_EQ(Read_Bounded_Number("12abc", INT32_MIN, INT32_MAX), 12);
    EXPECT_EQ(Read_Bounded_Number("  -5", INT32_MIN, INT32_MAX), -5);
    EXPECT_EQ(Read_Bounded_Number("+7", INT32_MIN, INT32_MAX), 7);
    EXPECT_EQ(Read_Bounded_Number("x", INT32_MIN, INT32_MAX), 0);
    EXPECT_EQ(Read_Bounded_Number("", INT32_MIN, INT32_MAX), 0);
    EXPECT_EQ(Read_Bounded_Number("-", INT32_MIN, INT32_MAX), 0);
    EXPECT_EQ(Read_Bounded_Number("99999999999999999999999999", INT32_MIN, INT32_MAX), INT32_MAX);
    EXPECT_EQ(Read_Bounded_Number("-99999999999999999999999999", INT32_MIN, INT32_MAX), INT32_MIN);
    EXPECT_EQ(Read_Bounded_Number("2147483648", INT32_MIN, INT32_MAX), INT32_MAX);
    EXPECT_EQ(Read_Bounded_Number("x", 5, 10), 5);
}

}  // namespace
