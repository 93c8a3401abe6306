// The limits kept on a predicted season line, with hand-worked values.
#include "../league/league_fixture.h"
#include "league/player_stats.h"
#include "season/predicted_fixup.h"
#include "test_support.h"

namespace {

constexpr int P = STAT_PERIOD_PREDICTED;

class PredictedFixupTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(1);
    }
    static int S(int nStat) { return Get_Player_Stat(0, 0, P, nStat); }
    static void Put(int nStat, int nValue) { Set_Player_Stat(0, 0, P, nStat, nValue); }
};

TEST_F(PredictedFixupTest, QuarterbackYardsPerCompletionStayBetween8And15)
{
    Put_Player(0, 0, 1, POSITION_QB);
    Put(STAT_PASS_COMPLETIONS, 0);
    Put(STAT_PASSING_YARDS, 40);
    Put(STAT_RUSHING_ATTEMPTS, 30);
    Fix_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(STAT_PASSING_YARDS), 0);
    Put(STAT_PASS_COMPLETIONS, 100);
    Put(STAT_PASSING_YARDS, 700);
    Fix_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(STAT_PASSING_YARDS), 800);
    Put(STAT_PASSING_YARDS, 1600);
    Fix_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(STAT_PASSING_YARDS), 1500);
    Put(STAT_RUSHING_ATTEMPTS, 3);
    Fix_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(STAT_RUSHING_ATTEMPTS), 15);
}

TEST_F(PredictedFixupTest, RunningBackWithTwoThousandYardsOnAHundredCarries)
{
    Put_Player(0, 0, 1, POSITION_RB);
    Put(STAT_RUSHING_ATTEMPTS, 100);
    Put(STAT_RUSHING_YARDS, 2000);
    Put(STAT_RECEPTIONS, 40);
    Put(STAT_RECEIVING_YARDS, 300);
    Put(6, 300);
    Put(5, 25);
    Fix_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(STAT_RUSHING_YARDS), 1750);
    EXPECT_EQ(S(STAT_RUSHING_ATTEMPTS), 292);
    // r = 40: yards 200..(210 - 20) x 40 / 10 = 760; stat 6 from 280 to 440;
    // stat 5 from 22 to 30.
    EXPECT_EQ(S(STAT_RECEPTIONS), 40);
    EXPECT_EQ(S(STAT_RECEIVING_YARDS), 300);
    EXPECT_EQ(S(6), 300);
    EXPECT_EQ(S(5), 25);
}

TEST_F(PredictedFixupTest, ReceiverWithNoCatchesGetsEightButHisLimitsUseNone)
{
    Put_Player(0, 0, 1, POSITION_WR);
    Put(STAT_RECEIVING_YARDS, 50);
    Put(6, 9);
    Put(5, 4);
    Fix_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(STAT_RECEPTIONS), 8);
    EXPECT_EQ(S(STAT_RECEIVING_YARDS), 0);
    EXPECT_EQ(S(6), 0);
    EXPECT_EQ(S(5), 0);
}

TEST_F(PredictedFixupTest, ReceiverWithTenCatchesIsLiftedThenHeldToTheOldCount)
{
    Put_Player(0, 0, 1, POSITION_WR);
    Put(STAT_RECEPTIONS, 10);
    Put(STAT_RECEIVING_YARDS, 100);
    Put(6, 10);
    Put(5, 2);
    Fix_Predicted_Player_Stats(0, 0);
    // k = 3, h = 1: 13 catches, yards 100 + 39, stat 6 10 + 15, stat 5 3; then
    // stat 6 at least (28 x 10 + 5) / 10 = 28, stat 5 at least (55 x 10 + 50) / 100 = 6.
    EXPECT_EQ(S(STAT_RECEPTIONS), 13);
    EXPECT_EQ(S(STAT_RECEIVING_YARDS), 139);
    EXPECT_EQ(S(6), 28);
    EXPECT_EQ(S(5), 6);
    // A tight end's yards are capped at (210 - 10) x 20 / 10 = 400.
    Put_Player(0, 0, 1, POSITION_TE);
    Put(STAT_RECEPTIONS, 20);
    Put(STAT_RECEIVING_YARDS, 900);
    Put(6, 500);
    Fix_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(STAT_RECEIVING_YARDS), 400);
    EXPECT_EQ(S(6), 140);   // the ceiling 70 x 20 / 10
}

TEST_F(PredictedFixupTest, LinemenKeepTheirBlockingScoresAndYardsBehind)
{
    Put_Player(0, 0, 1, POSITION_G);
    Put(STAT_RUNS_BEHIND, 100);
    Put(STAT_RUN_YARDS_BEHIND, 250);
    Put(5, 12);
    Put(6, 35);
    Fix_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(STAT_RUN_YARDS_BEHIND), 300);
    EXPECT_EQ(S(5), 20);
    EXPECT_EQ(S(6), 35);
}

TEST_F(PredictedFixupTest, PunterWithTenPuntsGetsThirtyAtLeast35Yards)
{
    Put_Player(0, 0, 1, POSITION_P);
    Put(STAT_PUNTS, 10);
    Put(STAT_PUNT_YARDS, 300);   // 30.0 a punt
    Fix_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(STAT_PUNTS), 30);
    EXPECT_EQ(S(STAT_PUNT_YARDS), 1050);
    // 100 punts averaging 46.0 are held to 80 at 100 / 2 + 400 = 45.0.
    Put(STAT_PUNTS, 100);
    Put(STAT_PUNT_YARDS, 4600);
    Fix_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(STAT_PUNTS), 80);
    EXPECT_EQ(S(STAT_PUNT_YARDS), 3600);
}

TEST_F(PredictedFixupTest, ReturnsAreCountedWhenReturnYardsExist)
{
    Put_Player(0, 0, 1, POSITION_CB);
    Put(STAT_KICK_RETURN_YARDS, 40);
    Put(STAT_PUNT_RETURN_YARDS, 0);
    Fix_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(STAT_KICK_RETURNS), 1);
    EXPECT_EQ(S(STAT_PUNT_RETURNS), 0);
    // Linebackers are left alone.
    Put_Player(0, 0, 1, POSITION_LB);
    Put(STAT_KICK_RETURN_YARDS, 40);
    Fix_Predicted_Player_Stats(0, 0);
    EXPECT_EQ(S(STAT_KICK_RETURNS), 0);
}

TEST_F(PredictedFixupTest, ABadAddressIsReported)
{
    Fix_Predicted_Player_Stats(41, 0);
    EXPECT_EQ(Errors_Reported(), 1);
}

}  // namespace
