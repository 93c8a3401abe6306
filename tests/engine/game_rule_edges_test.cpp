// The edges of the game's rules, one value either side of each: the lead that
// ends a six-point overtime, where a red-zone trip begins, the deficit that
// calls an onside kick, a road result booked on the right records, and a
// crowd that never outgrows its stadium.

#include <memory>

#include "engine/game_driver.h"
#include "engine/game_fixture.h"
#include "engine/game_state.h"
#include "engine/offense_calling.h"
#include "engine/play_game.h"
#include "league/team_finance_stats.h"
#include "league/team_schedule.h"
#include "scratch_folder.h"
#include "test_support.h"
#include "whole_season.h"

namespace {

using namespace game_fixture;

class GameRuleEdgesTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Build_Two_Team_League(11, OVERTIME_SIX_POINT_THRESHOLD);
        m_pGame = std::make_unique<GAME>();
        m_pGame->nAwayTeam = AWAY_TEAM;
        m_pGame->nHomeTeam = HOME_TEAM;
    }

    void Score(int nHome, int nAway)
    {
        m_pGame->nScore[GAME_SIDE_HOME] = nHome;
        m_pGame->nScore[GAME_SIDE_AWAY] = nAway;
    }

    std::unique_ptr<GAME> m_pGame;
};

TEST_F(GameRuleEdgesTest, ASixPointOvertimeLeadOfFiveWaitsForTheOtherSide)
{
    GAME& G = *m_pGame;
    G.nClock = SECONDS_OF_REGULATION + 200;   // inside the 600 s period
    for (int nRule : {OVERTIME_SIX_POINT_THRESHOLD, OVERTIME_SIX_POINT_THRESHOLD_NO_TIES}) {
        Set_User_Preference(PREF_REGULAR_SEASON_OVERTIME_RULE, nRule);
        // Home leads by exactly 5; the visitors have not had the ball.
        Score(15, 10);
        G.nOvertimePossession = OVERTIME_HOME_HAD_BALL;
        EXPECT_FALSE(Is_Game_Over(&G)) << nRule;
        G.nOvertimePossession = OVERTIME_HOME_HAD_BALL | OVERTIME_AWAY_HAD_BALL;
        EXPECT_TRUE(Is_Game_Over(&G)) << nRule;
        // A lead of 6 ends it at once.
        Score(16, 10);
        G.nOvertimePossession = OVERTIME_HOME_HAD_BALL;
        EXPECT_TRUE(Is_Game_Over(&G)) << nRule;
        // The visitors by exactly 5 before the home side has had the ball.
        Score(10, 15);
        G.nOvertimePossession = OVERTIME_AWAY_HAD_BALL;
        EXPECT_FALSE(Is_Game_Over(&G)) << nRule;
        G.nOvertimePossession = OVERTIME_HOME_HAD_BALL | OVERTIME_AWAY_HAD_BALL;
        EXPECT_TRUE(Is_Game_Over(&G)) << nRule;
    }
}

TEST_F(GameRuleEdgesTest, ARedZoneTripBeginsAtTheTwentyNotTheTwentyOne)
{
    GAME& G = *m_pGame;
    G.nOffense = HOME_TEAM;
    G.nDown = FIRST_DOWN_CODE;
    G.nToGo = 10;
    G.nClock = 600;
    Set_Team_Stat(HOME_TEAM, TEAM_STAT_RED_ZONE, 0);

    G.nYardLine = 21;
    Count_Red_Zone_Trip(&G);
    EXPECT_EQ(G.bTeamStat[GAME_SIDE_HOME][GAME_STAT_RED_ZONE_TRIPS], 0);
    EXPECT_EQ(Get_Team_Stat(HOME_TEAM, TEAM_STAT_RED_ZONE), 0);

    G.nYardLine = 20;
    Count_Red_Zone_Trip(&G);
    EXPECT_EQ(G.bTeamStat[GAME_SIDE_HOME][GAME_STAT_RED_ZONE_TRIPS], 1);
    EXPECT_EQ(G.bTeamStat[GAME_SIDE_HOME][GAME_STAT_RED_ZONE_START], 20);
    EXPECT_EQ(Get_Team_Stat(HOME_TEAM, TEAM_STAT_RED_ZONE), 1);
    // The next snap of the same possession is the same trip.
    G.nYardLine = 15;
    Count_Red_Zone_Trip(&G);
    EXPECT_EQ(G.bTeamStat[GAME_SIDE_HOME][GAME_STAT_RED_ZONE_TRIPS], 1);
    EXPECT_EQ(G.bTeamStat[GAME_SIDE_AWAY][GAME_STAT_RED_ZONE_TRIPS], 0);
}

TEST_F(GameRuleEdgesTest, WithAHundredSecondsLeftDownEightKicksOnsideDownNineDoesNot)
{
    GAME& G = *m_pGame;
    G.nOffense = HOME_TEAM;   // the kicking team has the ball
    G.nDown = KICKOFF_DOWN;
    G.nClock = SECONDS_OF_REGULATION - 100;
    Score(10, 18);
    EXPECT_TRUE(Should_Onside_Kick(&G));
    Score(10, 19);
    EXPECT_FALSE(Should_Onside_Kick(&G));
    Score(10, 11);
    EXPECT_TRUE(Should_Onside_Kick(&G));
    Score(10, 10);
    EXPECT_FALSE(Should_Onside_Kick(&G));
    // The same deficit of 8 with 121 s left is too early.
    Score(10, 18);
    G.nClock = SECONDS_OF_REGULATION - 121;
    EXPECT_FALSE(Should_Onside_Kick(&G));
}

TEST_F(GameRuleEdgesTest, ARoadWinIsBookedAsARoadWinAndAHomeWinAsAHomeWin)
{
    SCRATCH_FOLDER Scratch{"rule_edges"};
    GAME& G = *m_pGame;
    G.nClock = SECONDS_OF_REGULATION;
    Score(10, 20);   // the visitors win
    Finish_Played_Game(&G, FIXTURE_WEEK);
    EXPECT_EQ(Get_Team_Wins(AWAY_TEAM), 1);
    EXPECT_EQ(Get_Team_Home_Wins(AWAY_TEAM), 0);
    EXPECT_EQ(Get_Team_Away_Wins(AWAY_TEAM), 1);
    EXPECT_EQ(Get_Team_Losses(AWAY_TEAM), 0);
    EXPECT_EQ(Get_Team_Losses(HOME_TEAM), 1);
    EXPECT_EQ(Get_Team_Home_Losses(HOME_TEAM), 1);
    EXPECT_EQ(Get_Team_Away_Losses(HOME_TEAM), 0);
    EXPECT_EQ(Get_Team_Wins(HOME_TEAM), 0);
    EXPECT_EQ(Get_Team_Home_Wins(HOME_TEAM), 0);

    Score(27, 3);   // then the home side wins
    Finish_Played_Game(&G, FIXTURE_WEEK);
    EXPECT_EQ(Get_Team_Wins(HOME_TEAM), 1);
    EXPECT_EQ(Get_Team_Home_Wins(HOME_TEAM), 1);
    EXPECT_EQ(Get_Team_Home_Losses(HOME_TEAM), 1);
    EXPECT_EQ(Get_Team_Losses(AWAY_TEAM), 1);
    EXPECT_EQ(Get_Team_Home_Losses(AWAY_TEAM), 0);
    EXPECT_EQ(Get_Team_Away_Losses(AWAY_TEAM), 1);
    EXPECT_EQ(Get_Team_Home_Wins(AWAY_TEAM), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

// On the 32-club league of the season tests, whose clubs draw crowds of
// tens of thousands.
TEST(AttendanceTest, DemandFarAboveTheSeatsFillsExactlyTheSeats)
{
    whole_season::Build_League(77);
    // A stadium of score 1,000 ((2 x (1,000 + 1,000) + 1,000) / 5), free
    // tickets and visitors who draw: the crowd is the home city's fans.
    for (int nQuality = 5; nQuality <= 7; ++nQuality)
        League.Team[0].nStadiumStat[nQuality] = 1000;
    Set_Team_Financial_Stat(0, FINANCE_TICKET_PRICE, 0);
    Set_Team_Financial_Stat(1, 0, 1000);   // the visitors' draw
    auto pGame = std::make_unique<GAME>();
    pGame->nAwayTeam = 1;
    pGame->nHomeTeam = 0;
    Set_Game_Attendance(pGame.get());
    const int nCrowd = pGame->nAttendance;
    ASSERT_GT(nCrowd, 1000);
    // Seats for a tenth of that crowd or fewer: demand D is at least ten
    // times the seats C, so the crowding formula gives D / 5 + 4 C / 5 > 1.05 C
    // and then N / 21 + C, more than C; the stadium holds exactly C.
    for (int nSeats : {50, 100, nCrowd / 10}) {
        League.Team[0].nStadiumStat[STADIUM_STAT_CAPACITY] = nSeats;
        Set_Game_Attendance(pGame.get());
        EXPECT_EQ(pGame->nAttendance, nSeats) << nSeats;
    }
}

}  // namespace
