// Score, possession and clock: scripted plays through End_Play and
// Check_Quarter_End with the clock, downs and scores worked out by hand.

#include "engine/engine_test_hooks.h"
#include "engine/game_clock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "base/random.h"
#include "engine/game_log.h"
#include "engine/game_report.h"
#include "engine/game_state.h"
#include "engine/injury_services.h"
#include "engine/narration.h"
#include "engine/play_wording.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "test_support.h"

namespace {

constexpr int AWAY = 2;
constexpr int HOME = 5;
constexpr int WEEK = 3;
constexpr int AWAY_ID = 2000;
constexpr int HOME_ID = 5000;

class GameClockTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(8);
        Set_Regular_Season_Weeks(17);
        Set_User_Preference(PREF_CURRENT_WEEK, WEEK);
        Set_User_Preference(PREF_KICKOFF_SPOT_RULE, 1);   // kick off from the 35: yard line 65
        // The clock rules run without pages; tests of the headings and
        // injury lines turn them on (Log_Pages).
        Set_Game_Pages_Enabled(false);
        Clear_Game_Log_Texts();
        Set_Injury_Services_Test_Hook(&Hook);

        Game.nAwayTeam = AWAY;
        Game.nHomeTeam = HOME;
        Game.nWeek = WEEK;
        Game.nOffense = HOME;
        Game.nTimeouts[0] = Game.nTimeouts[1] = 0;
        Game.nWindSpeed = 10;
        Game.nWindDirection = 90;
        for (int k = 0; k < PLACES_ON_FIELD; ++k) {
            Put_Player(AWAY, k, AWAY_ID + k, POSITION_LB);
            Put_Player(HOME, k, HOME_ID + k, k == 0 ? POSITION_QB : POSITION_WR);
            Game.nRosterID[GAME_SIDE_AWAY][k] = AWAY_ID + k;
            Game.nRosterID[GAME_SIDE_HOME][k] = HOME_ID + k;
            Game.nOnField[GAME_SIDE_AWAY][k] = static_cast<uint8_t>(k);
            Game.nOnField[GAME_SIDE_HOME][k] = static_cast<uint8_t>(k);
        }
        Build_Player_ID_Hash();
        League.Team[HOME].nSchedule[WEEK][SCHEDULE_OPPONENT] = AWAY + 1;
        League.Team[AWAY].nSchedule[WEEK][SCHEDULE_OPPONENT] = -(HOME + 1);
        Start_Play_Record(&Game);
    }

    void TearDown() override
    {
        Set_Injury_Services_Test_Hook(nullptr);
        Set_Game_Pages_Enabled(true);
        Clear_Game_Log_Texts();
    }

    // Turns the game pages on, so the period headings and injury lines reach
    // the text log.
    static void Log_Pages()
    {
        Set_Game_Pages_Enabled(true);
        Clear_Game_Log_Texts();
    }
    // Period headings in the text log: one column header line each.
    static int Headings() { return Count_In_Log(" <=> Down Yardline"); }
    static int Injury_Lines() { return Count_In_Log("was injured on the play"); }
    static int Count_In_Log(const char* szText)
    {
        const std::string& Log = Get_Game_Text_Log();
        int n = 0;
        for (size_t k = Log.find(szText); k != std::string::npos; k = Log.find(szText, k + 1))
            ++n;
        return n;
    }

    // A play from scrimmage of the offence: down code, to go, spot, then the
    // play's yards, seconds and result.
    void Set_Series(int nDown, int nToGo, int nYardLine)
    {
        Game.nDown = (Game.nDown & ~GAME_DOWN_CODE_MASK) | static_cast<uint32_t>(nDown);
        Game.nToGo = static_cast<int8_t>(nToGo);
        Game.nYardLine = static_cast<int8_t>(nYardLine);
    }
    void Set_Play(int nYards, int nSeconds, int nResult)
    {
        Game.nPlayYards = static_cast<int8_t>(nYards);
        Game.nPlaySeconds = static_cast<int8_t>(nSeconds);
        Set_Play_Result(&Game.CurrentPlay, nResult);
    }
    void Watch()
    {
        Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
        Set_Calendar_PBP_Flag(HOME, WEEK, 1);
    }
    int Total(int bSide, int k) const { return static_cast<int16_t>(Game.nTeamTotal[bSide][k]); }
    bool Clock_Stopped() const { return (Game.nDown & GAME_DOWN_FLAG_CLOCK_STOPPED) != 0; }

    GAME Game{};
    INJURY_SERVICES_TEST_HOOK Hook{};
};

// ---------------------------------------------------------------------------
// Two-minute warning

TEST_F(GameClockTest, PlayCrossingTwoMinutesStopsAtExactlyTwoMinutes)
{
    Log_Pages();
    // 2:05 left in the second quarter; a 3-yard run of 10 seconds.
    Game.nClock = 1675;
    Set_Series(0, 10, 50);
    Set_Play(3, 10, RESULT_RUN_MIDDLE);
    End_Play(&Game);
    // The play ends at the mark: it is logged and told at 2:00.
    EXPECT_EQ(Game.nClock, 1680);
    EXPECT_EQ(Game.nPlaySeconds, 5);
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 1680);
    EXPECT_TRUE(Clock_Stopped());
    // Only the 5 seconds down to 2:00 count as possession.
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_POSSESSION_SECONDS), 5);
    EXPECT_EQ(Get_Game_Down_Code(&Game), 1);
    EXPECT_EQ(Game.nToGo, 7);
    EXPECT_EQ(Game.nYardLine, 47);
    EXPECT_EQ(Headings(), 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());   // nobody watches
}

TEST_F(GameClockTest, FourthQuarterWarningAndNoSecondWarning)
{
    Game.nClock = 3490;   // 1:50 left after a 15-second play from 2:05
    Game.nPlaySeconds = 15;
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 3480);
    // The next play starts at 2:00 and ends at 1:50: no warning.
    Game.nDown &= ~GAME_DOWN_FLAGS_CLOCK;
    Game.nClock = 3490;
    Game.nPlaySeconds = 10;
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 3490);
    EXPECT_FALSE(Clock_Stopped());
}

TEST_F(GameClockTest, TouchdownAcrossTwoMinutesScoresAtTwoMinutesAndItsTryWarnsNoMore)
{
    Log_Pages();
    Watch();
    // 2:20 left in the fourth quarter; a 12-yard touchdown pass of 31 seconds.
    Game.nClock = 3460;
    Set_Series(0, 10, 12);
    Set_Play(12, 31, RESULT_TOUCHDOWN_PASS);
    End_Play(&Game);
    EXPECT_EQ(Game.nClock, 3480);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_POSSESSION_SECONDS), 20);
    Log_Play_Result(&Game);
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 3480);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_POSSESSION_SECONDS), 20);
    Show_Due_Two_Minute_Warning();
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);

    // The extra point at 2:00: no time, no second warning.
    Start_Play_Record(&Game);
    Game.nScore[GAME_SIDE_HOME] = 7;
    Set_Play(0, 0, RESULT_EXTRA_POINT_GOOD);
    End_Play(&Game);
    Log_Play_Result(&Game);
    Check_Quarter_End(&Game);
    Show_Due_Two_Minute_Warning();
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(Game.nClock, 3480);
    EXPECT_EQ(Get_Game_Down_Code(&Game), KICKOFF_DOWN);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_POSSESSION_SECONDS), 20);

    // Both scoring rows read 4th Q 2:00.
    const std::string& Html = Get_Game_Report_Html();
    const std::string Cell = "<TD width=\"6%\" class=lmc>4th Q</TD><TD width=\"6%\" class=lmc>2:00</TD>";
    size_t nRows = 0;
    for (size_t k = Html.find(Cell); k != std::string::npos; k = Html.find(Cell, k + 1))
        ++nRows;
    EXPECT_EQ(nRows, 2u) << Html;

    // A two-point try at 2:00 of the second quarter crosses no mark either.
    ui::Clear_Shown_Boxes();
    Game.nClock = 1680;
    Game.nDown &= ~GAME_DOWN_FLAGS_CLOCK;
    Start_Play_Record(&Game);
    Set_Series(CONVERSION_ATTEMPT, 2, 2);
    Set_Play(1, 6, RESULT_RUN_MIDDLE);
    End_Play(&Game);
    Check_Quarter_End(&Game);
    Show_Due_Two_Minute_Warning();
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Game.nClock, 1680);
    // The kick-off waits with the clock stopped.
    EXPECT_TRUE(Clock_Stopped());
}

TEST_F(GameClockTest, WarningBoxOnlyInAWatchedGameThatWaitsForTheUser)
{
    Watch();
    Game.nClock = 1685;
    Game.nPlaySeconds = 10;
    Check_Quarter_End(&Game);
    // The box waits until the play has been told, then shows once.
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    Show_Due_Two_Minute_Warning();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Two-Minute Warning");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Clock stopped for two-minute warning.");
    Show_Due_Two_Minute_Warning();
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);

    // Both sides called automatically without a click pause: no box.
    ui::Clear_Shown_Boxes();
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 1);
    Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, 1);
    Game.nClock = 1685;
    Check_Quarter_End(&Game);
    Show_Due_Two_Minute_Warning();
    EXPECT_EQ(Game.nClock, 1680);
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // Fast-forward: no box either.
    Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, 0);
    Set_User_Preference(PREF_ANIMATION_MODE, 2);
    Game.nClock = 1685;
    Check_Quarter_End(&Game);
    Show_Due_Two_Minute_Warning();
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(GameClockTest, OvertimePeriodWarningAndNoTiesRule)
{
    // A playoff game, sudden death: 15 seconds into the last 2:10 of the
    // first overtime period (period end 4,500).
    Game.nWeek = 18;
    Game.nClock = 4385;
    Game.nPlaySeconds = 15;
    Game.nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_POSSESSION_SECONDS] = 100;
    EXPECT_EQ(Get_Seconds_Left_In_Game(&Game), 115);
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 4380);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_POSSESSION_SECONDS), 95);

    // Without ties the overtime clock has no warning.
    Set_User_Preference(PREF_PLAYOFF_OVERTIME_RULE, 2);
    Game.nClock = 4385;
    EXPECT_EQ(Get_Seconds_Left_In_Game(&Game), 9000);
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 4385);
}

// ---------------------------------------------------------------------------
// Ends of quarters and halves

TEST_F(GameClockTest, FirstQuarterEndGivesBackTheExcessAndTeamsChangeEnds)
{
    Log_Pages();
    Game.nClock = 905;
    Game.nPlaySeconds = 20;
    Game.nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_POSSESSION_SECONDS] = 100;
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 900);
    EXPECT_TRUE(Clock_Stopped());
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_POSSESSION_SECONDS), 95);
    EXPECT_EQ(Headings(), 1);
    EXPECT_EQ(Game.nWindDirection, 270);
    // The third quarter ends at 2,700; a roof keeps its no-wind mark.
    Game.nDown = 0;
    Game.nWindDirection = -1;
    Game.nClock = 2710;
    Game.nPlaySeconds = 15;
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 2700);
    EXPECT_EQ(Headings(), 2);
    EXPECT_EQ(Game.nWindDirection, -1);
}

TEST_F(GameClockTest, QuarterEndAfterExtraPointKeepsEndsAndWritesNoHeading)
{
    Log_Pages();
    Game.nClock = 900;
    Game.nPlaySeconds = 1;   // the second End_Play gives a try
    Game.nFormation[GAME_SIDE_HOME] = 43;
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 900);
    EXPECT_EQ(Headings(), 0);
    EXPECT_EQ(Game.nWindDirection, 90);
}

TEST_F(GameClockTest, TouchdownOnTheFirstQuartersLastPlayHeadsTheSecondQuarterAfterItsTry)
{
    Log_Pages();
    Game.nClock = 895;
    Set_Series(0, 3, 3);
    Set_Play(5, 8, RESULT_TOUCHDOWN_RUN);
    End_Play(&Game);   // 5 seconds were left
    EXPECT_EQ(Game.nClock, 900);
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 900);
    EXPECT_EQ(Get_Game_Down_Code(&Game), CONVERSION_ATTEMPT);
    // The try is the first quarter's: no second-quarter heading before it.
    EXPECT_EQ(Headings(), 0);
    EXPECT_EQ(Game.nWindDirection, 270);
    char szClock[32];
    Format_Scoreboard_Clock(&Game, szClock, sizeof(szClock));
    EXPECT_STREQ(szClock, "1st 0:00");

    Start_Play_Record(&Game);
    Game.nScore[GAME_SIDE_HOME] = 7;
    Set_Play(0, 4, RESULT_EXTRA_POINT_GOOD);
    End_Play(&Game);
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 900);
    EXPECT_EQ(Headings(), 1);
    EXPECT_NE(Get_Game_Text_Log().find(" 2nd Q <=> "), std::string::npos);
    EXPECT_EQ(Game.nWindDirection, 270);
    Format_Scoreboard_Clock(&Game, szClock, sizeof(szClock));
    EXPECT_STREQ(szClock, "2nd 15:00");
}

TEST_F(GameClockTest, HalfEndsAtExactly1800AndTheOtherTeamKicksOff)
{
    Log_Pages();
    // The home team kicked off the game (coin-toss bit 0).
    Game.nClock = 1790;
    Game.nTimeouts[GAME_SIDE_AWAY] = 0;
    Game.nTimeouts[GAME_SIDE_HOME] = 1;
    Set_Series(1, 8, 60);
    Set_Play(4, 15, RESULT_RUN_LEFT);
    End_Play(&Game);
    EXPECT_EQ(Game.nClock, 1800);
    EXPECT_EQ(Game.nPlaySeconds, 10);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_POSSESSION_SECONDS), 10);
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 1800);
    EXPECT_EQ(Game.nOffense, AWAY);
    EXPECT_EQ(Get_Game_Down_Code(&Game), KICKOFF_DOWN);
    EXPECT_EQ(Game.nYardLine, 65);
    EXPECT_EQ(Game.nTimeouts[GAME_SIDE_AWAY], 3);
    EXPECT_EQ(Game.nTimeouts[GAME_SIDE_HOME], 3);
    EXPECT_TRUE(Clock_Stopped());
    EXPECT_EQ(Headings(), 1);
}

TEST_F(GameClockTest, HalfEndTakesTheExcessOffPossession)
{
    Game.nClock = 1807;
    Game.nPlaySeconds = 12;
    Game.nTeamTotal[GAME_SIDE_HOME][GAME_TOTAL_POSSESSION_SECONDS] = 50;
    EXPECT_EQ(Check_Half_End(&Game), 1);
    EXPECT_EQ(Game.nClock, 1800);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_POSSESSION_SECONDS), 43);
    // Within a half nothing happens.
    Game.nClock = 1830;
    Game.nPlaySeconds = 12;
    EXPECT_EQ(Check_Half_End(&Game), 0);
    EXPECT_EQ(Game.nClock, 1830);
}

TEST_F(GameClockTest, TouchdownOnTheLastPlayOfTheHalfKeepsTheTryBeforeTheKickOff)
{
    Log_Pages();
    Game.nDown |= GAME_DOWN_FLAG_AWAY_KICKS_OFF;   // the away team kicked off the game
    Game.nClock = 1795;
    Set_Series(0, 3, 3);
    Set_Play(5, 8, RESULT_TOUCHDOWN_RUN);
    End_Play(&Game);
    EXPECT_EQ(Game.nClock, 1800);
    EXPECT_EQ(Game.nScore[GAME_SIDE_HOME], 6);
    EXPECT_EQ(Get_Game_Down_Code(&Game), CONVERSION_ATTEMPT);
    EXPECT_EQ(Game.nYardLine, 2);
    EXPECT_EQ(Game.nToGo, 2);
    Check_Quarter_End(&Game);
    // The try is still due: no kick-off yet.
    EXPECT_EQ(Game.nClock, 1800);
    EXPECT_EQ(Get_Game_Down_Code(&Game), CONVERSION_ATTEMPT);
    EXPECT_EQ(Game.nOffense, HOME);
    EXPECT_EQ(Get_Game_Quarter(&Game), 2);
    EXPECT_EQ(Headings(), 0);

    // The kicked extra point (scored by the kick itself), then the half ends.
    Start_Play_Record(&Game);
    Game.nScore[GAME_SIDE_HOME] = 7;
    Set_Play(0, 4, RESULT_EXTRA_POINT_GOOD);
    End_Play(&Game);
    EXPECT_EQ(Game.nScore[GAME_SIDE_HOME], 7);
    EXPECT_EQ(Game.nClock, 1800);
    EXPECT_EQ(Game.nPlaySeconds, 1);
    EXPECT_EQ(Get_Play_Result(&Game.CurrentPlay), RESULT_EXTRA_POINT_GOOD);
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 1800);
    // Second half: the home team kicks, the away team having kicked first.
    EXPECT_EQ(Game.nOffense, HOME);
    EXPECT_EQ(Get_Game_Down_Code(&Game), KICKOFF_DOWN);
    EXPECT_EQ(Headings(), 1);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_POSSESSION_SECONDS), 5);
}

// ---------------------------------------------------------------------------
// Overtime

TEST_F(GameClockTest, TiedRegulationStartsOvertimeWithTheHomeTeamKickingByRule)
{
    Set_User_Preference(PREF_KICKOFF_CHOICE, 1);
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 10);
    Game.nOffense = AWAY;
    Game.nClock = 3590;
    Set_Series(2, 6, 70);
    Set_Play(2, 15, RESULT_RUN_RIGHT);
    Seed_Random_Numbers(99);
    End_Play(&Game);
    EXPECT_EQ(Game.nClock, 3600);
    Check_Quarter_End(&Game);
    EXPECT_EQ(Game.nClock, 3600);
    EXPECT_EQ(Game.nOffense, HOME);
    EXPECT_EQ(Game.nTimeouts[GAME_SIDE_AWAY], 2);   // regular season: two each
    EXPECT_EQ(Game.nTimeouts[GAME_SIDE_HOME], 2);
    EXPECT_EQ(Game.nYardLine, 65);
    EXPECT_EQ(Get_Period_Length(&Game), 600);
    EXPECT_EQ(Get_Seconds_Left_In_Quarter(&Game), 600);
    // The rule draws nothing.
    Seed_Random_Numbers(99);
    const uint32_t nFirst = Generate_Random_Number();
    Seed_Random_Numbers(99);
    Game.nClock = 3610;
    Game.nPlaySeconds = 20;
    Check_Quarter_End(&Game);
    EXPECT_EQ(Generate_Random_Number(), nFirst);
}

// A touchdown on the last snap of regulation in a season of 15-minute
// overtime periods: home trails by nBehind, scores 6, then kicks (or misses)
// the extra point at 0:00.
struct LAST_SNAP_CASE {
    int nBehind;
    int nTryResult;
    bool bOvertime;   // level after the try: overtime; else over at 3,600
};

TEST_F(GameClockTest, TouchdownOnTheLastSnapOfRegulationGetsItsTryAtTheGun)
{
    const LAST_SNAP_CASE CASES[] = {
        {6, RESULT_EXTRA_POINT_MISSED, true},   // tying, the kick missed
        {6, RESULT_EXTRA_POINT_GOOD, false},    // tying, the kick wins it
        {3, RESULT_EXTRA_POINT_GOOD, false},    // not tying
        {3, RESULT_EXTRA_POINT_MISSED, false},
    };
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME, 1);
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, OVERTIME_SUDDEN_DEATH);
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 15);
    Set_User_Preference(PREF_KICKOFF_CHOICE, 1);
    for (const LAST_SNAP_CASE& Case : CASES) {
        const std::string Label = std::to_string(Case.nBehind) + "/" + std::to_string(Case.nTryResult);
        Game = GAME{};
        Game.nAwayTeam = AWAY;
        Game.nHomeTeam = HOME;
        Game.nWeek = WEEK;
        Game.nOffense = HOME;
        Game.nScore[GAME_SIDE_AWAY] = 20;
        Game.nScore[GAME_SIDE_HOME] = 20 - Case.nBehind;
        Start_Play_Record(&Game);
        // 0:06 left; an 18-yard touchdown pass of 9 seconds.
        Game.nClock = 3594;
        Set_Series(0, 10, 18);
        Set_Play(18, 9, RESULT_TOUCHDOWN_PASS);
        End_Play(&Game);
        Check_Quarter_End(&Game);
        EXPECT_EQ(Game.nClock, 3600) << Label;
        EXPECT_EQ(Get_Game_Down_Code(&Game), CONVERSION_ATTEMPT) << Label;
        EXPECT_FALSE(Is_Game_Over(&Game)) << Label;
        EXPECT_EQ(Get_Game_Quarter(&Game), 4) << Label;

        Start_Play_Record(&Game);
        if (Case.nTryResult == RESULT_EXTRA_POINT_GOOD)
            Game.nScore[GAME_SIDE_HOME] += 1;
        Set_Play(0, 0, Case.nTryResult);
        End_Play(&Game);
        Check_Quarter_End(&Game);
        EXPECT_EQ(Game.nClock, 3600) << Label;
        EXPECT_EQ(Is_Game_Over(&Game), !Case.bOvertime) << Label;
        if (Case.bOvertime) {
            // The overtime kick-off: the home team by rule, 15:00 to play.
            EXPECT_EQ(Get_Game_Down_Code(&Game), KICKOFF_DOWN) << Label;
            EXPECT_EQ(Game.nOffense, HOME) << Label;
            EXPECT_EQ(Get_Seconds_Left_In_Quarter(&Game), 900) << Label;
        }
    }
}

TEST_F(GameClockTest, GameOverAtTheGunShowsNoOvertimeInItsLineScore)
{
    Log_Pages();
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME, 1);
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, OVERTIME_SUDDEN_DEATH);
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 15);
    Game.nScore[GAME_SIDE_AWAY] = 27;
    Game.nScore[GAME_SIDE_HOME] = 24;
    Game.nClock = 3594;
    Set_Series(0, 10, 18);
    Set_Play(18, 9, RESULT_TOUCHDOWN_PASS);
    End_Play(&Game);
    Check_Quarter_End(&Game);
    Start_Play_Record(&Game);
    Game.nScore[GAME_SIDE_HOME] += 1;
    Set_Play(0, 0, RESULT_EXTRA_POINT_GOOD);
    End_Play(&Game);
    Check_Quarter_End(&Game);
    ASSERT_TRUE(Is_Game_Over(&Game));
    Write_Line_Score_Table(&Game);
    const std::string& Head = Get_Game_Page_Head();
    // Both rows end "-" under OT before the final.
    EXPECT_NE(Head.find("class=tmc>-</TD><TD width=\"60\" class=tmc><B>27</B>"), std::string::npos) << Head;
    EXPECT_NE(Head.find("class=tbc>-</TD><TD width=\"60\" class=tbc><B>31</B>"), std::string::npos) << Head;
}

TEST_F(GameClockTest, EachOvertimePeriodOfAPlayoffGameStartsWithAKickOffAndItsHeading)
{
    Log_Pages();
    Set_User_Preference(PREF_PLAYOFF_OVERTIME_RULE, OVERTIME_SUDDEN_DEATH_NO_TIES);
    Set_User_Preference(PREF_KICKOFF_CHOICE, 1);
    Game.nWeek = 18;   // a playoff game: 15-minute periods
    Game.nScore[GAME_SIDE_AWAY] = Game.nScore[GAME_SIDE_HOME] = 17;
    Game.nOffense = AWAY;
    Game.nTimeouts[GAME_SIDE_AWAY] = Game.nTimeouts[GAME_SIDE_HOME] = 0;
    // 0:30 left in the first overtime period; a 6-yard run of 35 seconds.
    Game.nClock = 4470;
    Set_Series(1, 8, 60);
    Set_Play(6, 35, RESULT_RUN_LEFT);
    End_Play(&Game);
    EXPECT_EQ(Game.nClock, 4500);
    Check_Quarter_End(&Game);
    EXPECT_FALSE(Is_Game_Over(&Game));
    EXPECT_EQ(Game.nClock, 4500);
    EXPECT_EQ(Get_Game_Down_Code(&Game), KICKOFF_DOWN);
    EXPECT_EQ(Game.nOffense, HOME);
    EXPECT_EQ(Game.nYardLine, 65);
    EXPECT_EQ(Game.nTimeouts[GAME_SIDE_AWAY], 3);
    EXPECT_TRUE(Clock_Stopped());
    EXPECT_EQ(Headings(), 1);
    EXPECT_NE(Get_Game_Text_Log().find("OT #2"), std::string::npos);
    EXPECT_EQ(Get_Game_Quarter(&Game), 6);

    // A regular-season period of 10 minutes: its second period starts at 4,200.
    Clear_Game_Log_Texts();
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME, 1);
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, OVERTIME_SUDDEN_DEATH_NO_TIES);
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 10);
    Game.nWeek = WEEK;
    Game.nOffense = AWAY;
    Game.nDown = 0;
    Game.nClock = 4190;
    Set_Series(1, 8, 60);
    Set_Play(6, 35, RESULT_RUN_LEFT);
    End_Play(&Game);
    EXPECT_EQ(Game.nClock, 4200);
    Check_Quarter_End(&Game);
    EXPECT_EQ(Get_Game_Down_Code(&Game), KICKOFF_DOWN);
    EXPECT_EQ(Game.nOffense, HOME);
    EXPECT_EQ(Headings(), 1);
    EXPECT_NE(Get_Game_Text_Log().find("OT #2"), std::string::npos) << Get_Game_Text_Log();
}

TEST_F(GameClockTest, OvertimeKickingTeamDrawnOnceAndPlayoffsKeepThreeTimeouts)
{
    Game.nWeek = 17;   // the first playoff week
    for (uint32_t nSeed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        Seed_Random_Numbers(nSeed);
        const uint32_t u = Generate_Random_Number();
        const uint32_t nNext = Generate_Random_Number();
        Seed_Random_Numbers(nSeed);
        Game.nClock = 3600;
        Start_Game_Period(&Game);
        // trunc(-2U) is 0 (the away team) below one half, -1 (home) from it.
        EXPECT_EQ(Game.nOffense, u >= 0x80000000u ? HOME : AWAY) << nSeed;
        EXPECT_EQ(Generate_Random_Number(), nNext) << nSeed;
        EXPECT_EQ(Game.nTimeouts[GAME_SIDE_AWAY], 3);
    }
}

TEST_F(GameClockTest, TimeLeftInQuarterHalfAndOvertimePeriods)
{
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 10);
    Game.nClock = 1000;
    EXPECT_EQ(Get_Period_Length(&Game), 900);
    EXPECT_EQ(Get_Seconds_Left_In_Quarter(&Game), 800);
    EXPECT_EQ(Get_Seconds_Left_In_Half(&Game), 800);
    EXPECT_EQ(Get_Seconds_Left_In_Game(&Game), 2600);
    Game.nClock = 2000;
    EXPECT_EQ(Get_Seconds_Left_In_Quarter(&Game), 700);
    EXPECT_EQ(Get_Seconds_Left_In_Half(&Game), 1600);
    Game.nClock = 4000;
    EXPECT_EQ(Get_Seconds_Left_In_Quarter(&Game), 200);
    Game.nClock = 4300;
    EXPECT_EQ(Get_Seconds_Left_In_Quarter(&Game), 500);
    // A zero overtime length from a damaged file counts as fifteen minutes.
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 0);
    Game.nClock = 3700;
    EXPECT_EQ(Get_Period_Length(&Game), 900);
    EXPECT_EQ(Get_Seconds_Left_In_Quarter(&Game), 800);
    EXPECT_EQ(Get_Seconds_Left_In_Game(&Game), 800);
}

TEST_F(GameClockTest, PossessionChangeMarksOvertimeOnlyAfterRegulation)
{
    Game.nClock = 3600;
    Game.nYardLine = 30;
    Set_Team_Stat(HOME, TEAM_STAT_RED_ZONE, 1);
    Change_Possession(&Game);
    EXPECT_EQ(Game.nOffense, AWAY);
    EXPECT_EQ(Game.nYardLine, 70);
    EXPECT_EQ(Game.nOvertimePossession, 0);
    EXPECT_EQ(Get_Team_Stat(HOME, TEAM_STAT_RED_ZONE), 0);
    Game.nClock = 3601;
    Change_Possession(&Game);
    EXPECT_EQ(Game.nOffense, HOME);
    EXPECT_EQ(Game.nYardLine, 30);
    EXPECT_EQ(Game.nOvertimePossession, OVERTIME_AWAY_HAD_BALL);
    Change_Possession(&Game);
    EXPECT_EQ(Game.nOvertimePossession, OVERTIME_AWAY_HAD_BALL | OVERTIME_HOME_HAD_BALL);
}

// ---------------------------------------------------------------------------
// Timeouts and the time between plays

TEST_F(GameClockTest, ComputerOffenceSpendsATimeoutUnder40SecondsPerTimeoutLeft)
{
    Game.nClock = 1700;   // 100 seconds left in the half
    Game.nTimeouts[GAME_SIDE_HOME] = 3;
    EXPECT_EQ(Should_Call_Timeout(&Game), 1);
    EXPECT_EQ(Game.nTimeouts[GAME_SIDE_HOME], 2);
    // 100 is not under 80: no more.
    EXPECT_EQ(Should_Call_Timeout(&Game), 0);
    EXPECT_EQ(Game.nTimeouts[GAME_SIDE_HOME], 2);
    // A stopped clock needs none.
    Game.nTimeouts[GAME_SIDE_HOME] = 3;
    Game.nDown |= GAME_DOWN_FLAG_CLOCK_STOPPED_2;
    EXPECT_EQ(Should_Call_Timeout(&Game), 0);
    EXPECT_EQ(Game.nTimeouts[GAME_SIDE_HOME], 3);
}

TEST_F(GameClockTest, LeadingOffenceKeepsItsTimeoutsAndTheDefenceCallsOne)
{
    Game.nClock = 3500;
    Game.nScore[GAME_SIDE_HOME] = 17;
    Game.nScore[GAME_SIDE_AWAY] = 14;
    Game.nTimeouts[GAME_SIDE_HOME] = 3;
    Game.nTimeouts[GAME_SIDE_AWAY] = 1;
    EXPECT_EQ(Should_Call_Timeout(&Game), 1);
    EXPECT_EQ(Game.nTimeouts[GAME_SIDE_HOME], 3);
    EXPECT_EQ(Game.nTimeouts[GAME_SIDE_AWAY], 0);
    EXPECT_EQ(Should_Call_Timeout(&Game), 0);
    // The defence never calls one in the first half.
    Game.nClock = 1700;
    Game.nTimeouts[GAME_SIDE_HOME] = 0;
    Game.nTimeouts[GAME_SIDE_AWAY] = 3;
    EXPECT_EQ(Should_Call_Timeout(&Game), 0);
}

TEST_F(GameClockTest, UserOffenceInItsWatchedGameCallsItsOwnTimeouts)
{
    Watch();
    Set_Team_Stat(HOME, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Game.nClock = 1700;
    Game.nTimeouts[GAME_SIDE_HOME] = 3;
    EXPECT_EQ(Should_Call_Timeout(&Game), 0);
    EXPECT_EQ(Game.nTimeouts[GAME_SIDE_HOME], 3);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    EXPECT_EQ(Should_Call_Timeout(&Game), 1);
}

TEST_F(GameClockTest, PreSnapRunOff)
{
    Game.nClock = 600;
    Run_Pre_Snap_Clock(&Game);
    EXPECT_EQ(Game.nPlaySeconds, 37);
    Game.nDown |= GAME_DOWN_FLAG_OUT_OF_BOUNDS;
    Run_Pre_Snap_Clock(&Game);
    EXPECT_EQ(Game.nPlaySeconds, 14);
    // Hurrying at the end of the first half (no timeouts left).
    Game.nClock = 1750;
    Run_Pre_Snap_Clock(&Game);
    EXPECT_EQ(Game.nPlaySeconds, 2);
    Game.nDown &= ~GAME_DOWN_FLAGS_CLOCK;
    Run_Pre_Snap_Clock(&Game);
    EXPECT_EQ(Game.nPlaySeconds, 12);
    // A timeout stops the clock: no run-off.
    Game.nTimeouts[GAME_SIDE_HOME] = 2;
    Run_Pre_Snap_Clock(&Game);
    EXPECT_EQ(Game.nPlaySeconds, 0);
    EXPECT_TRUE(Clock_Stopped());
    EXPECT_EQ(Game.nTimeouts[GAME_SIDE_HOME], 1);
}

TEST_F(GameClockTest, SituationsOfTheClockAndScore)
{
    // The home team has the ball.
    struct ROW {
        const char* szRule;
        bool (*Rule)(const GAME*);
        int nClock, nHome, nAway;
        bool bStopped, bExpected;
    } const ROWS[] = {
        {"hurry", Is_Hurry_Up_Time, 1690, 0, 0, false, true},
        {"hurry", Is_Hurry_Up_Time, 1680, 0, 0, false, false},
        // Second half: 9 behind with under 10 minutes, or level with under 4.
        {"hurry", Is_Hurry_Up_Time, 3001, 0, 9, false, true},
        {"hurry", Is_Hurry_Up_Time, 3000, 0, 9, false, false},
        {"hurry", Is_Hurry_Up_Time, 3361, 0, 0, false, true},
        {"hurry", Is_Hurry_Up_Time, 3361, 0, 30, false, false},   // decided: nobody hurries
        {"last play", Is_Last_Play_Of_Half, 1765, 0, 0, false, true},
        {"last play", Is_Last_Play_Of_Half, 1760, 0, 0, false, false},
        {"last play", Is_Last_Play_Of_Half, 1789, 0, 0, true, true},
        {"last play", Is_Last_Play_Of_Half, 1788, 0, 0, true, false},
        {"run out", Is_Running_Out_Clock, 3481, 3, 0, true, true},
        {"run out", Is_Running_Out_Clock, 3480, 3, 0, true, false},
        {"run out", Is_Running_Out_Clock, 1750, 3, 0, true, false},
        {"run out", Is_Running_Out_Clock, 3500, 3, 3, true, false},
        {"decided", Is_Game_Decided, 2800, 30, 0, false, true},
        {"decided", Is_Game_Decided, 2600, 30, 0, false, false},   // third quarter
        {"decided", Is_Game_Decided, 3241, 30, 7, false, true},    // 359 left
        {"decided", Is_Game_Decided, 3240, 30, 7, false, false},
    };
    for (const ROW& Row : ROWS) {
        Game.nClock = static_cast<int16_t>(Row.nClock);
        Game.nScore[GAME_SIDE_HOME] = Row.nHome;
        Game.nScore[GAME_SIDE_AWAY] = Row.nAway;
        Game.nDown = Row.bStopped ? GAME_DOWN_FLAG_CLOCK_STOPPED : 0;
        EXPECT_EQ(Row.Rule(&Game), Row.bExpected) << Row.szRule << " at " << Row.nClock;
    }
    // No last play of an overtime period without ties.
    Game.nClock = 4495;
    Game.nDown = GAME_DOWN_FLAG_CLOCK_STOPPED;
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, 2);
    EXPECT_FALSE(Is_Last_Play_Of_Half(&Game));
}

TEST_F(GameClockTest, OutOfBoundsStopsTheClockOnlyLateInTheHalf)
{
    Game.nClock = 300;
    Set_Out_Of_Bounds_Clock(&Game);
    EXPECT_EQ(Game.nDown & GAME_DOWN_FLAGS_CLOCK, GAME_DOWN_FLAG_OUT_OF_BOUNDS);
    Game.nDown &= ~GAME_DOWN_FLAGS_CLOCK;
    Game.nClock = 2600;   // 100 left in the third quarter
    Set_Out_Of_Bounds_Clock(&Game);
    EXPECT_FALSE(Clock_Stopped());
    Game.nDown &= ~GAME_DOWN_FLAGS_CLOCK;
    Game.nClock = 3300;   // 300 left in the fourth
    Set_Out_Of_Bounds_Clock(&Game);
    EXPECT_TRUE(Clock_Stopped());
    Game.nDown &= ~GAME_DOWN_FLAGS_CLOCK;
    Game.nClock = 1680;   // 120 left in the second
    Set_Out_Of_Bounds_Clock(&Game);
    EXPECT_EQ(Game.nDown & GAME_DOWN_FLAGS_CLOCK, GAME_DOWN_FLAG_OUT_OF_BOUNDS | GAME_DOWN_FLAG_CLOCK_STOPPED);
    Game.nDown &= ~GAME_DOWN_FLAGS_CLOCK;
    Game.nClock = 1700;   // 100 left: the offence hurries
    Set_Out_Of_Bounds_Clock(&Game);
    EXPECT_EQ(Game.nDown & GAME_DOWN_FLAGS_CLOCK,
              GAME_DOWN_FLAG_OUT_OF_BOUNDS_HURRY | GAME_DOWN_FLAG_CLOCK_STOPPED);
    Game.nDown &= ~GAME_DOWN_FLAGS_CLOCK;
    Game.nClock = 1679;
    Set_Out_Of_Bounds_Clock(&Game);
    EXPECT_FALSE(Clock_Stopped());
}

// ---------------------------------------------------------------------------
// Downs and distance

TEST_F(GameClockTest, FourthDownShortTurnsTheBallOver)
{
    Game.nClock = 600;
    Set_Team_Stat(HOME, TEAM_STAT_RED_ZONE, 1);
    Set_Series(3, 5, 30);
    Set_Play(2, 6, RESULT_RUN_MIDDLE);
    End_Play(&Game);
    EXPECT_EQ(Game.nOffense, AWAY);
    EXPECT_EQ(Game.nYardLine, 72);
    EXPECT_EQ(Get_Game_Down_Code(&Game), 0);
    EXPECT_EQ(Game.nToGo, 10);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_FOURTH_DOWN_TRIES), 1);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_FOURTH_DOWN_CONVERSIONS), 0);
    EXPECT_EQ(Get_Team_Stat(HOME, TEAM_STAT_RED_ZONE), 0);
    EXPECT_EQ(Game.nOvertimePossession, 0);
    // In overtime the team that had the ball is marked.
    Game.nOffense = HOME;
    Game.nDown = 0;
    Game.nWeek = 18;
    Game.nClock = 3700;
    Set_Series(3, 5, 30);
    Set_Play(2, 6, RESULT_RUN_MIDDLE);
    End_Play(&Game);
    EXPECT_EQ(Game.nOvertimePossession, OVERTIME_HOME_HAD_BALL);
    EXPECT_EQ(Game.nOffense, AWAY);
}

TEST_F(GameClockTest, DownsAndDistanceAfterThePlay)
{
    // -1: not checked.
    struct ROW {
        int nDown, nToGo, nYardLine, nYards, nResult;
        int nOffense, nNewDown, nNewToGo, nNewYardLine, nThirdTries, nFirstDowns;
    } const ROWS[] = {
        {0, 10, 75, 4, RESULT_RUN_LEFT, HOME, 1, 6, 71, 0, 0},
        {1, 6, 71, -3, RESULT_SACKED, HOME, 2, 9, 74, 0, 0},
        {1, 6, 71, 8, RESULT_PASS_COMPLETE, HOME, 0, 10, 63, 0, 1},
        // A penalty short of the line repeats the down, first down too.
        {1, 10, 50, -5, RESULT_PENALTY, HOME, 1, 15, 55, -1, -1},
        {0, 10, 50, -10, RESULT_PENALTY, HOME, 0, 20, 60, -1, -1},
        // A third-down conversion inside the ten is goal to go.
        {2, 4, 15, 8, RESULT_PASS_COMPLETE, HOME, 0, 7, 7, 1, 1},
        // Fourth and goal short: first and ten from deep.
        {3, 5, 5, 3, RESULT_PASS_COMPLETE, AWAY, 0, 10, 98, -1, -1},
        {KICKOFF_DOWN, 0, 75, 0, RESULT_KICKOFF_RETURNED, -1, 0, 10, -1, -1, 0},
    };
    const GAME Start = Game;
    for (const ROW& Row : ROWS) {
        Game = Start;
        Set_Series(Row.nDown, Row.nToGo, Row.nYardLine);
        Set_Play(Row.nYards, 6, Row.nResult);
        End_Play(&Game);
        SCOPED_TRACE(testing::Message() << "down " << Row.nDown << " " << Row.nToGo << " at " << Row.nYardLine);
        EXPECT_EQ(Get_Game_Down_Code(&Game), Row.nNewDown);
        EXPECT_EQ(Game.nToGo, Row.nNewToGo);
        if (Row.nOffense >= 0) {
            EXPECT_EQ(Game.nOffense, Row.nOffense);
        }
        if (Row.nNewYardLine >= 0) {
            EXPECT_EQ(Game.nYardLine, Row.nNewYardLine);
        }
        if (Row.nThirdTries >= 0) {
            EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_THIRD_DOWN_TRIES), Row.nThirdTries);
            EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_THIRD_DOWN_CONVERSIONS), Row.nThirdTries);
        }
        if (Row.nFirstDowns >= 0) {
            EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_FIRST_DOWNS), Row.nFirstDowns);
        }
    }
}

TEST_F(GameClockTest, ChangeOfHandsStartsAFirstDownWithoutCountingTheDown)
{
    // An interception on third down, already turned around by the pass play.
    Set_Team_Stat(AWAY, TEAM_STAT_RED_ZONE, 1);
    Game.nDown |= GAME_DOWN_FLAG_CHANGED_HANDS;
    Set_Series(2, 3, 40);
    Set_Play(5, 6, RESULT_PASS_INTERCEPTED);
    End_Play(&Game);
    EXPECT_EQ(Get_Game_Down_Code(&Game), 0);
    EXPECT_EQ(Game.nYardLine, 35);
    EXPECT_EQ(Game.nToGo, 10);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_THIRD_DOWN_TRIES), 0);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_FIRST_DOWNS), 0);
    EXPECT_EQ(Get_Team_Stat(AWAY, TEAM_STAT_RED_ZONE), 0);
}

TEST_F(GameClockTest, InvalidDownIsReported)
{
    Set_Series(5, 5, 50);
    Set_Play(0, 6, RESULT_RUN_MIDDLE);
    End_Play(&Game);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Invalid Down Number: 6 (CONVERSION_ATTEMPT = 11)"));
}

// ---------------------------------------------------------------------------
// Scores and tries

TEST_F(GameClockTest, TouchdownScoresSixAndSetsUpTheTryFromTheTwo)
{
    Set_Team_Stat(HOME, TEAM_STAT_RED_ZONE, 1);
    Set_Series(1, 8, 8);
    Set_Play(8, 5, RESULT_TOUCHDOWN_PASS);
    End_Play(&Game);
    EXPECT_EQ(Game.nScore[GAME_SIDE_HOME], 6);
    EXPECT_EQ(Game.nScore[GAME_SIDE_AWAY], 0);
    EXPECT_EQ(Get_Game_Down_Code(&Game), CONVERSION_ATTEMPT);
    EXPECT_EQ(Game.nYardLine, 2);
    EXPECT_EQ(Game.nToGo, 2);
    EXPECT_EQ(Game.bTeamStat[GAME_SIDE_HOME][GAME_STAT_RED_ZONE_TOUCHDOWNS], 1);
    EXPECT_EQ(Get_Team_Stat(HOME, TEAM_STAT_RED_ZONE), 0);
    // A touchdown from outside the red zone counts no red-zone touchdown.
    Set_Series(0, 10, 60);
    Set_Play(60, 9, RESULT_TOUCHDOWN_RUN);
    End_Play(&Game);
    EXPECT_EQ(Game.nScore[GAME_SIDE_HOME], 12);
    EXPECT_EQ(Game.bTeamStat[GAME_SIDE_HOME][GAME_STAT_RED_ZONE_TOUCHDOWNS], 1);
}

TEST_F(GameClockTest, FieldGoalSetsUpTheKickOff)
{
    Set_User_Preference(PREF_KICKOFF_SPOT_RULE, 2);
    Set_Team_Stat(HOME, TEAM_STAT_RED_ZONE, 1);
    Set_Series(3, 6, 12);
    Set_Play(0, 5, RESULT_FIELD_GOAL_GOOD);
    End_Play(&Game);
    EXPECT_EQ(Get_Game_Down_Code(&Game), KICKOFF_DOWN);
    EXPECT_EQ(Game.nYardLine, 60);
    EXPECT_EQ(Game.nOffense, HOME);
    EXPECT_EQ(Game.bTeamStat[GAME_SIDE_HOME][GAME_STAT_RED_ZONE_FIELD_GOALS], 1);
    EXPECT_EQ(Get_Team_Stat(HOME, TEAM_STAT_RED_ZONE), 0);
    // The field goal scores its own points; no down is counted.
    EXPECT_EQ(Game.nScore[GAME_SIDE_HOME], 0);
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_FOURTH_DOWN_TRIES), 0);
}

TEST_F(GameClockTest, SafetyScoresTwoForTheDefenceAndAFreeKickFromThe20)
{
    Set_Series(0, 10, 98);
    Set_Play(-3, 5, RESULT_SAFETY);
    End_Play(&Game);
    EXPECT_EQ(Game.nScore[GAME_SIDE_AWAY], 2);
    EXPECT_EQ(Game.nScore[GAME_SIDE_HOME], 0);
    EXPECT_EQ(Get_Game_Down_Code(&Game), SAFETY_KICK_DOWN);
    EXPECT_EQ(Game.nYardLine, 80);
    EXPECT_EQ(Game.nOffense, HOME);
}

TEST_F(GameClockTest, TwoPointTryGoodAndFailed)
{
    Game.nClock = 1200;
    Game.nScore[GAME_SIDE_HOME] = 6;
    Set_Series(CONVERSION_ATTEMPT, 2, 2);
    Set_Play(3, 5, RESULT_RUN_MIDDLE);
    End_Play(&Game);
    EXPECT_EQ(Game.nScore[GAME_SIDE_HOME], 8);
    EXPECT_EQ(Get_Play_Result(&Game.CurrentPlay), RESULT_TWO_POINT_GOOD);
    EXPECT_EQ(Get_Game_Down_Code(&Game), KICKOFF_DOWN);
    EXPECT_EQ(Game.nYardLine, 65);
    EXPECT_EQ(Game.nPlaySeconds, 1);
    EXPECT_EQ(Game.nClock, 1200);   // a try takes no time
    EXPECT_TRUE(Clock_Stopped());     // and the kick-off waits for the whistle
    EXPECT_EQ(Total(GAME_SIDE_HOME, GAME_TOTAL_POSSESSION_SECONDS), 0);

    Start_Play_Record(&Game);
    Set_Series(CONVERSION_ATTEMPT, 2, 2);
    Set_Play(1, 5, RESULT_PASS_COMPLETE);
    End_Play(&Game);
    EXPECT_EQ(Game.nScore[GAME_SIDE_HOME], 8);
    EXPECT_EQ(Get_Play_Result(&Game.CurrentPlay), RESULT_TWO_POINT_FAILED);
    EXPECT_EQ(Get_Game_Down_Code(&Game), KICKOFF_DOWN);

    // A missed kick keeps its result.
    Start_Play_Record(&Game);
    Set_Series(CONVERSION_ATTEMPT, 2, 2);
    Set_Play(0, 0, RESULT_EXTRA_POINT_MISSED);
    End_Play(&Game);
    EXPECT_EQ(Game.nScore[GAME_SIDE_HOME], 8);
    EXPECT_EQ(Get_Play_Result(&Game.CurrentPlay), RESULT_EXTRA_POINT_MISSED);
    EXPECT_EQ(Get_Game_Down_Code(&Game), KICKOFF_DOWN);
}

TEST_F(GameClockTest, AddTeamPointsChecksTheSide)
{
    Add_Team_Points(&Game, GAME_SIDE_AWAY, 3);
    EXPECT_EQ(Game.nScore[GAME_SIDE_AWAY], 3);
    Add_Team_Points(&Game, 2, 3);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_EQ(Game.nScore[GAME_SIDE_AWAY] + Game.nScore[GAME_SIDE_HOME], 3);
}

// ---------------------------------------------------------------------------
// Kick-off set-up and the log

TEST_F(GameClockTest, OpeningKickOffFollowsTheCoinToss)
{
    Set_User_Preference(PREF_KICKOFF_SPOT_RULE, 0);
    Game.nTimeouts[0] = Game.nTimeouts[1] = 1;
    Start_Game_Period(&Game);
    EXPECT_EQ(Game.nOffense, HOME);
    EXPECT_EQ(Game.nYardLine, 70);
    EXPECT_EQ(Game.nTimeouts[0], 3);
    EXPECT_EQ(Game.nTimeouts[1], 3);
    Game.nDown = GAME_DOWN_FLAG_AWAY_KICKS_OFF;
    Set_User_Preference(PREF_KICKOFF_SPOT_RULE, 7);
    Start_Game_Period(&Game);
    EXPECT_EQ(Game.nOffense, AWAY);
    EXPECT_EQ(Game.nYardLine, 65);
    EXPECT_EQ(Game.nDown, GAME_DOWN_FLAG_AWAY_KICKS_OFF | GAME_DOWN_FLAG_CLOCK_STOPPED | KICKOFF_DOWN);
}

TEST_F(GameClockTest, PlaysAreLoggedWithTheirSnapClockUntilTheLogIsFull)
{
    Game.nClock = 600;
    Store_Snap_In_Play_Log(&Game);
    Set_Series(0, 10, 50);
    Set_Play(4, 30, RESULT_RUN_LEFT);
    Game.CurrentPlay.nYard1 = 4;
    End_Play(&Game);
    ASSERT_EQ(Game.nPlays, 1);
    EXPECT_EQ(Game.PlayLog[0].nClock, 600);
    EXPECT_EQ(Get_Play_Home_Bit(&Game.PlayLog[0]), 1);
    EXPECT_EQ(Get_Play_Result(&Game.PlayLog[0]), RESULT_RUN_LEFT);
    EXPECT_EQ(Game.PlayLog[0].nYard1, 4);

    Game.nPlays = PLAY_LOG_SIZE;
    const PLAY Last = Game.PlayLog[PLAY_LOG_SIZE - 1];
    Start_Play_Record(&Game);
    Store_Snap_In_Play_Log(&Game);
    Set_Play(4, 30, RESULT_RUN_RIGHT);
    End_Play(&Game);
    EXPECT_EQ(Game.nPlays, PLAY_LOG_SIZE);
    EXPECT_EQ(std::memcmp(&Game.PlayLog[PLAY_LOG_SIZE - 1], &Last, sizeof(PLAY)), 0);
}

TEST_F(GameClockTest, EndOfQuarterTestOfThePlay)
{
    Game.nClock = 880;
    Game.nPlaySeconds = 20;
    EXPECT_TRUE(Does_Play_Reach_End_Of_Quarter(&Game));
    Game.nPlaySeconds = 19;
    EXPECT_FALSE(Does_Play_Reach_End_Of_Quarter(&Game));
    Game.nPlaySeconds = 40;
    Set_Series(CONVERSION_ATTEMPT, 2, 2);
    EXPECT_FALSE(Does_Play_Reach_End_Of_Quarter(&Game));
}

// ---------------------------------------------------------------------------
// Injuries

class InjuryTest : public GameClockTest {
protected:
    // The side and place the two injury draws of a seed pick, and the draw
    // that follows them.
    struct PICK {
        int bSide;
        int nPlace;
        uint32_t nThird;
        uint32_t nFourth;
    };
    static PICK Pick(uint32_t nSeed)
    {
        Seed_Random_Numbers(nSeed);
        PICK Result{};
        Result.bSide = static_cast<int>(Random_Word_To_Fraction(Generate_Random_Number()) * 2);
        Result.nPlace = static_cast<int>(Random_Word_To_Fraction(Generate_Random_Number()) * 11);
        Result.nThird = Generate_Random_Number();
        Result.nFourth = Generate_Random_Number();
        return Result;
    }
    int Picked_ID(const PICK& P) const { return (P.bSide ? HOME_ID : AWAY_ID) + P.nPlace; }

    // A play with nCalls narration calls, then the injury check under nSeed.
    void Run_Play_With_Calls(int nCalls, uint32_t nSeed)
    {
        Run_Pre_Snap_Clock(&Game);
        Start_Play_Record(&Game);
        for (int k = 0; k < nCalls; ++k)
            Queue_Play_Commentary(&Game, NARRATE_TACKLED, 3, 0, 0, AWAY_ID, HOME_ID);
        Set_Series(0, 10, 50);
        Set_Play(3, 5, RESULT_RUN_MIDDLE);
        End_Play(&Game);
        Seed_Random_Numbers(nSeed);
        Check_Play_Injury(&Game);
    }
};

TEST_F(InjuryTest, MoreThanSevenNarrationCallsSkipTheRollWatchedOrNot)
{
    for (bool bWatched : {false, true}) {
        if (bWatched)
            Watch();
        Hook.nRolls = 0;
        const PICK P = Pick(11);
        Run_Play_With_Calls(8, 11);
        EXPECT_EQ(Hook.nRolls, 0) << bWatched;
        // Two draws only.
        EXPECT_EQ(Generate_Random_Number(), P.nThird) << bWatched;

        Run_Play_With_Calls(7, 11);
        EXPECT_EQ(Hook.nRolls, 1) << bWatched;
        // Two draws and the shaken-up draw.
        EXPECT_EQ(Generate_Random_Number(), P.nFourth) << bWatched;
    }
}

TEST_F(InjuryTest, InjuryIsMarkedOnTheLoggedPlayAndTold)
{
    Log_Pages();
    Watch();
    Hook.nInjuryWeeks = 3;
    const PICK P = Pick(21);
    Run_Play_With_Calls(2, 21);
    EXPECT_EQ(Hook.nRolls, 1);
    EXPECT_EQ(Injury_Lines(), 1);
    EXPECT_EQ(Hook.nStops, 1);
    ASSERT_EQ(Game.nPlays, 1);
    const NARRATION_ENTRY& Mark = Game.PlayLog[0].Narration[NARRATION_ENTRIES - 1];
    EXPECT_EQ(Mark.bEvent, NARRATE_INJURY_LEAVES);
    EXPECT_EQ(Mark.nPlayerID[0], Picked_ID(P));
    // Events 46 and 47 follow the play's two.
    EXPECT_EQ(Game.CurrentPlay.Narration[2].bEvent, NARRATE_INJURY);
    EXPECT_EQ(Game.CurrentPlay.Narration[2].nPlayerID[0], Picked_ID(P));
    EXPECT_EQ(Game.CurrentPlay.Narration[3].bEvent, NARRATE_INJURY_LEAVES);
    // No shaken-up draw after an injury: two draws, then the two narration calls.
    Seed_Random_Numbers(21);
    for (int k = 0; k < 4; ++k)
        Generate_Random_Number();
    const uint32_t nFifth = Generate_Random_Number();
    Run_Play_With_Calls(0, 21);
    EXPECT_EQ(Generate_Random_Number(), nFifth);
}

TEST_F(InjuryTest, InjuryAfterTheLogIsFullMarksNoOlderPlay)
{
    Hook.nInjuryWeeks = 3;
    Game.nPlays = PLAY_LOG_SIZE;
    const PLAY Last = Game.PlayLog[PLAY_LOG_SIZE - 1];
    Run_Play_With_Calls(1, 21);
    EXPECT_EQ(Hook.nRolls, 1);
    EXPECT_EQ(Hook.nStops, 1);
    EXPECT_EQ(std::memcmp(&Game.PlayLog[PLAY_LOG_SIZE - 1], &Last, sizeof(PLAY)), 0);
}

TEST_F(InjuryTest, FailedLineupRebuildUndoesTheInjury)
{
    Hook.nInjuryWeeks = 4;
    Hook.bRebuildResult = 0;
    const PICK P = Pick(5);
    const int nTeam = P.bSide ? HOME : AWAY;
    Run_Play_With_Calls(0, 5);
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, P.nPlace, VITAL_INJURY_WEEKS), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, P.nPlace, VITAL_INJURY), -1);
    EXPECT_EQ(Hook.nStops, 0);
    EXPECT_EQ(Game.PlayLog[0].Narration[NARRATION_ENTRIES - 1].bEvent, NARRATION_ENTRY_FREE);
}

TEST_F(InjuryTest, ShakenUpFiveTimesInAThousand)
{
    Watch();
    // A seed whose third draw falls under 5 in 1,000, and one whose does not.
    uint32_t nShaken = 0;
    uint32_t nFine = 0;
    for (uint32_t nSeed = 1; nSeed < 100000 && (!nShaken || !nFine); ++nSeed) {
        const PICK P = Pick(nSeed);
        const bool bUnder = static_cast<int>(Random_Word_To_Fraction(P.nThird) * 1000) < 5;
        if (bUnder && !nShaken)
            nShaken = nSeed;
        if (!bUnder && !nFine)
            nFine = nSeed;
    }
    ASSERT_NE(nShaken, 0u);
    const PICK P = Pick(nShaken);
    Run_Play_With_Calls(0, nShaken);
    EXPECT_EQ(Game.CurrentPlay.Narration[0].bEvent, NARRATE_INJURY);
    EXPECT_EQ(Game.CurrentPlay.Narration[0].nPlayerID[0], Picked_ID(P));
    EXPECT_EQ(Game.CurrentPlay.Narration[1].bEvent, NARRATE_INJURY_STAYS);
    Run_Play_With_Calls(0, nFine);
    EXPECT_EQ(Game.CurrentPlay.Narration[0].bEvent, NARRATION_ENTRY_FREE);
}

// ---------------------------------------------------------------------------
// Games played

TEST_F(GameClockTest, GamesPlayedCreditedToPlayersPutOnTheField)
{
    // Value 8 is the per-game mark; 1, 2 and 4 belong to other rules.
    Set_Player_Vital_Stat(HOME, 2, VITAL_FLAGS, 0x8);
    Set_Player_Vital_Stat(AWAY, 7, VITAL_FLAGS, 0x9);
    Set_Player_Vital_Stat(AWAY, 8, VITAL_FLAGS, 0x7);
    Credit_Games_Played(&Game);
    EXPECT_EQ(Get_Player_Stat(HOME, 2, STAT_PERIOD_THIS_SEASON, 0), 1);
    EXPECT_EQ(Get_Player_Stat(AWAY, 7, STAT_PERIOD_THIS_SEASON, 0), 1);
    EXPECT_EQ(Get_Player_Stat(AWAY, 8, STAT_PERIOD_THIS_SEASON, 0), 0);
    EXPECT_EQ(Get_Player_Stat(HOME, 3, STAT_PERIOD_THIS_SEASON, 0), 0);

    // A second game, won by a touchdown in sudden-death overtime: it is over
    // with the try still pending, and each player put on the field has his
    // game all the same.
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME, 1);
    Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, OVERTIME_SUDDEN_DEATH);
    Set_User_Preference(PREF_MINUTES_PER_PERIOD, 15);
    Game.nScore[GAME_SIDE_AWAY] = Game.nScore[GAME_SIDE_HOME] = 20;
    Game.nOffense = HOME;
    Game.nClock = 3900;
    Set_Series(1, 8, 8);
    Set_Play(8, 5, RESULT_TOUCHDOWN_PASS);
    End_Play(&Game);
    Check_Quarter_End(&Game);
    ASSERT_TRUE(Is_Game_Over(&Game));
    ASSERT_EQ(Get_Game_Down_Code(&Game), CONVERSION_ATTEMPT);
    EXPECT_EQ(Game.nScore[GAME_SIDE_HOME], 26);
    Credit_Games_Played(&Game);
    EXPECT_EQ(Get_Player_Stat(HOME, 2, STAT_PERIOD_THIS_SEASON, 0), 2);
    EXPECT_EQ(Get_Player_Stat(AWAY, 7, STAT_PERIOD_THIS_SEASON, 0), 2);
    EXPECT_EQ(Get_Player_Stat(AWAY, 8, STAT_PERIOD_THIS_SEASON, 0), 0);
    EXPECT_EQ(Get_Player_Stat(HOME, 3, STAT_PERIOD_THIS_SEASON, 0), 0);
    // The game is left as it ended.
    EXPECT_EQ(Get_Game_Down_Code(&Game), CONVERSION_ATTEMPT);
    EXPECT_TRUE(Is_Game_Over(&Game));
}

}  // namespace
