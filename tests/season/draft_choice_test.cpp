// The computer's draft choice: needs, scarcity, ratings and values worked by
// hand.
#include "base/random.h"
#include "league/overall_rating.h"
#include "season/draft_choice.h"
#include "season/draft_state.h"
#include "season_cycle_fixture.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;

class DraftChoiceTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Build_League(2);
        Set_User_Preference(PREF_DRAFT_ROUND, 0);
    }
};

TEST_F(DraftChoiceTest, PositionTablesAreTheStartersDepthAndFullCounts)
{
    const int Starters[15] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};
    const int Depth[15] = {2, 2, 1, 3, 5, 3, 3, 2, 3, 2, 5, 3, 3, 1, 1};
    const int Full[15] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};
    for (int q = 0; q < 15; ++q) {
        EXPECT_EQ(Get_Position_Starters(q), Starters[q]) << q;
        EXPECT_EQ(Get_Position_Depth(q), Depth[q]) << q;
        EXPECT_EQ(Get_Position_Full(q), Full[q]) << q;
    }
}

TEST_F(DraftChoiceTest, AnAverageOrEmptyPositionNeeds1167InEveryRound)
{
    // No player: starter and reserve 60. 70 x (r + 6) x 1000 / (60r + 360).
    for (int r = 0; r < 7; ++r)
        EXPECT_EQ(Get_Team_Position_Need(0, POSITION_QB, r), 1167) << "round " << r;
    // Every club alike: the league need is the same and the relative need 1000.
    EXPECT_EQ(Get_League_Position_Need(POSITION_QB, 0), 1167);
}

TEST_F(DraftChoiceTest, NeedFollowsTheWeakestStarterAndThinsOutFromTheFourthRound)
{
    // A QB with every rating 80 stands at 85.8 by the league's overall rule.
    Put_Player(0, 0, 11, POSITION_QB, 80.0f);
    ASSERT_EQ(static_cast<int>(Get_Position_Overall_Rating(0, 0, POSITION_QB)), 85);
    // Round 1: 420 x 1000 / (6 x 85) = 823.5 -> 824.
    EXPECT_EQ(Get_Team_Position_Need(0, POSITION_QB, 0), 824);
    // Round 3 (r = 2), no reserve (60): 560,000 / (120 + 510) = 888.9 -> 889.
    EXPECT_EQ(Get_Team_Position_Need(0, POSITION_QB, 2), 889);
    // Round 4 (r = 3): 630,000 / 690 = 913.04 -> 913; one QB is below the
    // depth of 2 -> / 3.
    EXPECT_EQ(Get_Team_Position_Need(0, POSITION_QB, 3), 304);
    // A kicker (77.0) counts as full at one: 630,000 / 642 = 981.3 -> 981, / 5.
    Put_Player(0, 1, 12, POSITION_K, 80.0f);
    ASSERT_EQ(static_cast<int>(Get_Position_Overall_Rating(0, 1, POSITION_K)), 77);
    EXPECT_EQ(Get_Team_Position_Need(0, POSITION_K, 3), 196);
    // Before the fourth round the count does not matter.
    EXPECT_EQ(Get_Team_Position_Need(0, POSITION_K, 2), Mul_Div_Rounded(560, 1000, 120 + 6 * 77));
    // League: (824 + 1167) / 2 = 995.5 -> 996.
    EXPECT_EQ(Get_League_Position_Need(POSITION_QB, 0), 996);
}

TEST_F(DraftChoiceTest, RankedPlayersAreBestFirstAndTheLowerSlotOnATie)
{
    Put_Player(0, 0, 11, POSITION_WR, 60.0f);
    Put_Player(0, 1, 12, POSITION_WR, 80.0f);
    Put_Player(0, 2, 13, POSITION_WR, 60.0f);
    Put_Player(0, 3, 14, POSITION_RB, 99.0f);
    EXPECT_EQ(Get_Position_Ranked_Player(0, POSITION_WR, 0), 1);
    EXPECT_EQ(Get_Position_Ranked_Player(0, POSITION_WR, 1), 0);
    EXPECT_EQ(Get_Position_Ranked_Player(0, POSITION_WR, 2), 2);
    EXPECT_EQ(Get_Position_Ranked_Player(0, POSITION_WR, 3), -1);
    EXPECT_EQ(Get_Position_Backup_Alt(0, POSITION_WR), 0);   // two starters: rank 1
    EXPECT_EQ(Get_Position_Backup(0, POSITION_WR), 2);
}

TEST_F(DraftChoiceTest, RatingAndValueByHand)
{
    // trunc(70 x 0.25 + trunc(66 x 0.25 + trunc(9 / 2))) = trunc(17.5 + 20) = 37.
    EXPECT_EQ(Get_Prospect_Draft_Rating(70.0f, 66.0f, 9), 37);
    // A score of -9 halves toward zero to -4: trunc(17.5 + trunc(12.5)) = 29.
    EXPECT_EQ(Get_Prospect_Draft_Rating(70.0f, 66.0f, -9), 29);
    // (1000 / 10 + 80) x 37 = 6660, then x (strategy + 100) / 100.
    EXPECT_EQ(Get_Prospect_Draft_Value(1000, 37, 0, POSITION_QB, 0), 6660);
    EXPECT_EQ(Get_Prospect_Draft_Value(1000, 37, 25, POSITION_QB, 0), 8325);
    EXPECT_EQ(Get_Prospect_Draft_Value(1000, 37, -50, POSITION_QB, 0), 3330);
    EXPECT_EQ(Get_Prospect_Draft_Value(1000, 37, -100, POSITION_QB, 0), 0);
    EXPECT_EQ(Get_Prospect_Draft_Value(857, 37, 0, POSITION_QB, 0), (85 + 80) * 37);
    // FB, K and P must reach 91 - 8r.
    EXPECT_EQ(Get_Prospect_Draft_Value(1000, 90, 0, POSITION_K, 0), 0);
    EXPECT_EQ(Get_Prospect_Draft_Value(1000, 91, 0, POSITION_K, 0), 180 * 91);
    EXPECT_EQ(Get_Prospect_Draft_Value(1000, 83, 0, POSITION_P, 1), 180 * 83);
    EXPECT_EQ(Get_Prospect_Draft_Value(1000, 42, 0, POSITION_FB, 6), 0);
    EXPECT_EQ(Get_Prospect_Draft_Value(1000, 43, 0, POSITION_FB, 6), 180 * 43);
}

TEST_F(DraftChoiceTest, PoolCountsByPositionAndBySide)
{
    Put_Player(38, 0, 41, POSITION_QB);
    Put_Player(38, 1, 42, POSITION_LB);
    Put_Player(39, 0, 43, POSITION_CB);
    Put_Player(40, 0, 44, POSITION_QB);
    Put_Player(40, 2, 45, POSITION_QB);   // after a gap: not in the pool
    EXPECT_EQ(Count_Draft_Pool_Position(POSITION_QB), 2);
    EXPECT_EQ(Count_Draft_Pool_Position(16), 2);
    EXPECT_EQ(Count_Draft_Pool_Position(17), 2);
}

TEST_F(DraftChoiceTest, EqualValuesGoToTheLowerPoolAndSlot)
{
    Put_Player(39, 0, 41, POSITION_WR, 70.0f);
    Put_Player(38, 0, 42, POSITION_WR, 70.0f);
    Put_Player(38, 1, 43, POSITION_WR, 70.0f);
    int t = 0, s = 0;
    ASSERT_TRUE(Choose_Computer_Draft_Pick(0, &t, &s));
    EXPECT_EQ(t, 38);
    EXPECT_EQ(s, 0);
}

TEST_F(DraftChoiceTest, StrategyMinus100MakesAPositionWorthless)
{
    Put_Player(38, 0, 41, POSITION_QB, 90.0f);
    Put_Player(38, 1, 42, POSITION_WR, 50.0f);
    Set_Draft_Strategy(POSITION_QB, -100);
    int t = 0, s = 0;
    ASSERT_TRUE(Choose_Computer_Draft_Pick(0, &t, &s));
    EXPECT_EQ(s, 1);
}

TEST_F(DraftChoiceTest, LowKickersAloneInTheFirstRoundAreWorthNothing)
{
    Put_Player(38, 0, 41, POSITION_K, 40.0f);
    Put_Player(38, 1, 42, POSITION_P, 40.0f);
    int t = 0, s = 0;
    EXPECT_FALSE(Choose_Computer_Draft_Pick(0, &t, &s));
    EXPECT_EQ(t, NO_TEAM);
    EXPECT_EQ(s, NO_PLAYER);
}

TEST_F(DraftChoiceTest, ALoneProspectWeighsAnEighthOfHisPositionsNeed)
{
    // Club 0 has a QB of 85.8 (need 824), club 1 none (1167): league 996,
    // club 0's relative QB need 824,000 / 996 = 827.3 -> 827; a lone QB
    // prospect: 827 / 8 = 103 -> (10 + 80) = 90 a rating point. Four WR
    // prospects (two starters, depth 5) at relative 1000: 1000 / 3 = 333 ->
    // (33 + 80) = 113.
    Put_Player(0, 0, 11, POSITION_QB, 80.0f);
    Put_Player(38, 0, 41, POSITION_QB, 70.0f);
    for (int s = 1; s <= 4; ++s)
        Put_Player(38, s, 41 + s, POSITION_WR, 70.0f);
    // Ratings, taking the potential as the whole overall (the value rules'
    // stand-in for a player at his peak): QB 73.2 -> trunc(18.25 + 18) = 36,
    // WR 70.5 -> trunc(17.5 + 17) = 34. Values 90 x 36 = 3240, 113 x 34 = 3842.
    ASSERT_EQ(static_cast<int>(Get_Position_Overall_Rating(38, 0, POSITION_QB) * 10), 732);
    ASSERT_EQ(static_cast<int>(Get_Position_Overall_Rating(38, 1, POSITION_WR) * 10), 705);
    int t = 0, s = 0;
    ASSERT_TRUE(Choose_Computer_Draft_Pick(0, &t, &s));
    EXPECT_EQ(s, 1);
    // QB strategy +19: 3240 x 1.19 = 3855.6 -> 3856 beats 3842.
    Set_Draft_Strategy(POSITION_QB, 19);
    ASSERT_TRUE(Choose_Computer_Draft_Pick(0, &t, &s));
    EXPECT_EQ(s, 0);
    // +18: 3823 does not.
    Set_Draft_Strategy(POSITION_QB, 18);
    ASSERT_TRUE(Choose_Computer_Draft_Pick(0, &t, &s));
    EXPECT_EQ(s, 1);
}

}  // namespace
