// The game preview, driven headless: grades worked by hand from the rank
// rule, the four texts of the betting line, the "Simulate All" button's
// two faces, what each button leaves in the calendar and the preferences,
// and the engine's hook (opened for a user's game only, never again once
// "Simulate All" was pressed, unanswered it simulates).

#include <string>

#include "editors/game_preview.h"
#include "engine/game_log.h"
#include "engine/game_report.h"
#include "engine/play_game.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "dialog_press.h"
#include "test_support.h"

namespace {

class GamePreviewTest : public LeagueTest {
protected:
    static constexpr int WEEK = 3;
    static constexpr int AWAY = 1;
    static constexpr int HOME = 0;

    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        Use_Franchises(32);
        Set_User_Preference(PREF_CURRENT_WEEK, WEEK);
        League.Team[HOME].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
        ASSERT_TRUE(Schedule_Game(HOME, AWAY, WEEK, 6, 1300));
        Put_Game(0, AWAY, HOME, 0, 0, WEEK, 0).nPointSpread = 1000 + 35;
        Set_Universe_Word(SIMULATION_STOP_DAY_WORD, WEEK + 1);
    }
    void TearDown() override
    {
        Set_Game_Preview_Hook(nullptr);
        dialogs::Reset();
        ui::Reset();
        // A game stopped part-way leaves its pages' text; the next game starts
        // its own.
        Clear_Game_Log_Texts();
        Clear_Game_Report_Html();
    }
    static const DIALOG_RECORD& Last() { return dialogs::Records().back(); }
};

TEST(GamePreviewGrades, GradeRuleWorkedByHand)
{
    // (n / 2 + 4 (n - b) - 4) / n + 1 with 32 clubs.
    EXPECT_EQ(Matchup_Grade(32, 0), 5);    // (16 + 128 - 4) / 32 + 1 = 4 + 1
    EXPECT_EQ(Matchup_Grade(32, 8), 4);    // (16 + 96 - 4) / 32 + 1 = 3 + 1
    EXPECT_EQ(Matchup_Grade(32, 15), 3);   // (16 + 68 - 4) / 32 + 1 = 2 + 1
    EXPECT_EQ(Matchup_Grade(32, 31), 1);   // (16 + 4 - 4) / 32 + 1 = 0 + 1
    EXPECT_EQ(Matchup_Grade(2, 1), 1);     // (1 + 4 - 4) / 2 + 1 = 0 + 1
    EXPECT_EQ(Matchup_Grade(2, 0), 3);     // (1 + 8 - 4) / 2 + 1 = 2 + 1
    EXPECT_EQ(Matchup_Grade(0, 0), 1);     // no clubs: no division by zero
}

TEST(GamePreviewLine, FourTextsWithTheFavouredClub)
{
    EXPECT_EQ(Format_Vegas_Line(35, "AWY", "HOM"), "AWY favored by 3.5 points");
    EXPECT_EQ(Format_Vegas_Line(-20, "AWY", "HOM"), "HOM favored by 2 points");
    EXPECT_EQ(Format_Vegas_Line(10, "AWY", "HOM"), "AWY favored by 1 point");
    EXPECT_EQ(Format_Vegas_Line(-10, "AWY", "HOM"), "HOM favored by 1 point");
    EXPECT_EQ(Format_Vegas_Line(0, "AWY", "HOM"), "Vegas Line: Pick 'em");
    EXPECT_EQ(Format_Vegas_Line(-7, "AWY", "HOM"), "HOM favored by 0.7 points");
}

TEST_F(GamePreviewTest, GradesRankOverEveryClubInUse)
{
    // Eight full clubs above 24 empty ones: every empty club has 8 better
    // in each strength, every full club none.
    for (int t = 0; t < 8; ++t)
        Build_Hand_Made_Club(t);
    int nGrades[MATCHUP_GRADES];
    Compute_Matchup_Grades(nGrades, 20);
    for (int g : nGrades)
        EXPECT_EQ(g, 4);
    Compute_Matchup_Grades(nGrades, 3);
    for (int g : nGrades)
        EXPECT_EQ(g, 5);
}

TEST_F(GamePreviewTest, OpensWithTheLineRecordsAndSimulatesUnanswered)
{
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, WEEK + 5);
    Set_Calendar_PBP_Flag(HOME, WEEK, 1);
    Run_Game_Preview(Get_Game_Record(0), WEEK);
    ASSERT_EQ(dialogs::Records().size(), 1u);
    const DIALOG_RECORD& Record = Last();
    EXPECT_EQ(Record.nDialogId, GAME_PREVIEW_DIALOG);
    const std::string Line = Record.Find(PREVIEW_LINE_LABEL)->Text;
    EXPECT_NE(Line.find("favored by 3.5 points"), std::string::npos) << Line;
    EXPECT_EQ(Record.Find(PREVIEW_SIMULATE_ALL_BUTTON)->Text, "Simulate Until Week 9");
    EXPECT_TRUE(Record.Find(PREVIEW_SIMULATE_ALL_BUTTON)->bVisible);
    // Unanswered, the default button simulates: the watch flag is cleared.
    EXPECT_EQ(Get_Calendar_PBP_Flag(HOME, WEEK), 0);
    EXPECT_EQ(Get_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS), 0);
    // Escape does nothing: the dialog stays until a button closes it.
    DIALOG_ACTION Escape;
    Escape.nKind = ACTION_CANCEL;
    dialogs::Queue_Action(GAME_PREVIEW_DIALOG, Escape);
    dialogs::Queue_Action(GAME_PREVIEW_DIALOG, Press(PREVIEW_PLAY_BUTTON));
    Run_Game_Preview(Get_Game_Record(0), WEEK);
    EXPECT_EQ(Get_Calendar_PBP_Flag(HOME, WEEK), 1);
    EXPECT_EQ(Get_Calendar_PBP_Flag(AWAY, WEEK), 1);
}

TEST_F(GamePreviewTest, SimulateAllHiddenForOneUserWhoseRunStopsNextWeek)
{
    Run_Game_Preview(Get_Game_Record(0), WEEK);
    EXPECT_FALSE(Last().Find(PREVIEW_SIMULATE_ALL_BUTTON)->bVisible);
    // A second user keeps it, with the run's end.
    League.Team[5].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
    Run_Game_Preview(Get_Game_Record(0), WEEK);
    EXPECT_TRUE(Last().Find(PREVIEW_SIMULATE_ALL_BUTTON)->bVisible);
    EXPECT_EQ(Last().Find(PREVIEW_SIMULATE_ALL_BUTTON)->Text, "Simulate Until Week 5");
}

TEST_F(GamePreviewTest, HookOpensForUsersGamesAndNotAfterSimulateAll)
{
    Install_Game_Preview();
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, WEEK + 5);
    // Not running: the game stops at once, after the preview.
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    Set_Calendar_PBP_Flag(HOME, WEEK, 1);
    dialogs::Queue_Action(GAME_PREVIEW_DIALOG, Press(PREVIEW_SIMULATE_ALL_BUTTON));
    Play_Game(HOME, AWAY, WEEK, Get_Game_Record(0));
    ASSERT_EQ(dialogs::Records().size(), 1u);
    EXPECT_EQ(Get_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS), 1);
    EXPECT_EQ(Get_Calendar_PBP_Flag(HOME, WEEK), 0);
    Play_Game(HOME, AWAY, WEEK, Get_Game_Record(0));
    EXPECT_EQ(dialogs::Records().size(), 1u);
    // A game of two computer clubs is never previewed.
    Set_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS, 0);
    ASSERT_TRUE(Schedule_Game(2, 3, WEEK, 6, 1300));
    Play_Game(2, 3, WEEK, Get_Game_Record(1));
    EXPECT_EQ(dialogs::Records().size(), 1u);
    // A resumed game is not previewed either.
    Set_User_Preference(PREF_PLAYING_GAMES, 1);
    Play_Game(HOME, AWAY, WEEK, Get_Game_Record(0));
    EXPECT_EQ(dialogs::Records().size(), 1u);
    Set_User_Preference(PREF_PLAYING_GAMES, 0);
    Play_Game(HOME, AWAY, WEEK, Get_Game_Record(0));
    EXPECT_EQ(dialogs::Records().size(), 2u);
}

}  // namespace
