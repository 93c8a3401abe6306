#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>

#include "league/preferences.h"
#include "base/random.h"
#include "league/team_strength.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

// Slots of the hand-made club (league_fixture.h).
constexpr int SLOT_QB = 0, SLOT_TE1 = 3, SLOT_DE1 = 15, SLOT_DE2 = 16, SLOT_DT1 = 17;

// The club's values, worked by hand, truncating each value to an integer:
//
//   overalls  QB 73.2 -> 73; RB 0.22x73 + 0.88x70 + 0.10x70 - 10 = 74.66
//             -> 74; TE 0.05x73 + 1.07x70 = 78.55 -> 78; WR 0.14x73 +
//             1.01x70 - 10 = 70.92 -> 70; T/G/C 0.96x70 + 0.067x70 = 71.89
//             -> 71; DE (1.07 x 4900 + 3900) / 125 = 73.144 -> 73; DT
//             8702 / 125 = 69.616, (69.616 + 70) / 2 = 69.808 -> 69; LB
//             9094 / 125 = 72.752 -> 72; CB 8359 / 125 = 66.872 -> 68.436
//             -> 68; S 9045 / 125 = 72.36 -> 72; K 1.1x71 - 11 = 67.1 ->
//             68.55 -> 68; P 77 - 10 = 67 -> 68.5 -> 68
//   rushing   0.2x73 + 0.8x70 = 70.6 -> 70 (QB: (70.6 + 70) / 2 = 70.3 -> 70)
//   receiving 0.13x73 + 0.86x70 = 69.69 -> 69
//   missing   fullback: 20 for ratings, 40 for overalls
class TeamStrengthTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Seed_Random_Numbers(12345);
        Set_Year(2010);
        League.Preferences.nInt[PREF_DRAFT_ROUND] = DRAFT_OVER_ROUND;
        Use_Franchises(4);
    }

    static void Set_Year(int nYear)
    {
        League.Universe.nStat[FIRST_SEASON_YEAR] = nYear;
        League.Preferences.nInt[PREF_SEASON_INDEX] = 0;
    }
};

// ---------------------------------------------------------------------------
// The five strengths

TEST_F(TeamStrengthTest, HandMadeClubRatesAsWorkedByHand)
{
    Build_Hand_Made_Club(0);

    // Running, 2010: T = o(RB1) 74 + rush 70 = 144; blocking (FB 20 +
    // 3x70 x3 + 4x70 x2 + 2x70 + 70) = 1420 / 7 = 202; line 355 / 5 = 71;
    // T = 417; 13 x 417 / 6 = 903; 903 - 294 = 609.
    EXPECT_EQ(Get_Team_Run_Rating(0), 609);
    // Passing: 3 x (73 + 4 x 70) = 1059; + 70 + 70 + 69 + 69 = 1337;
    // + (3 x 70 + 3 x 69) / 3 = 139 -> 1476; + 140 -> 1616; + 420 / 3 = 140
    // -> 1756; no receiving bonus (69; the missing fullback 20);
    // 17560 / 25 = 702; 702 - 21 = 681.
    EXPECT_EQ(Get_Team_Pass_Rating(0), 681);
    // Run defence: 8 x 70 = 560; + (73 + 73 + 69 + 69) / 2 = 142; + 4 x 72
    // / 2 = 144; + 140 / 2 = 70 -> 916; 12 x 916 / 13 = 845; 845 - 148 = 697.
    EXPECT_EQ(Get_Team_Run_Defense_Rating(0), 697);
    // Pass defence: 68 + 68 + 70 + 70 + 72 + 72 = 420; + 70 + 140 + 140 =
    // 770; 7700 / 11 = 700; 700 - 40 = 660.
    EXPECT_EQ(Get_Team_Pass_Defense_Rating(0), 660);
    // Special teams: (68 + 142 + 71) / 2 = 140; (68 + 70) / 2 = 69; punt
    // returns 57 / 2 = 28; kick returns 61 / 2 = 30 -> 267; 1602 / 4 = 400;
    // 400 + 283 = 683.
    EXPECT_EQ(Get_Team_Special_Teams_Rating(0), 683);
}

TEST_F(TeamStrengthTest, RunningWeighsTheBacksMoreInOlderEras)
{
    Build_Hand_Made_Club(0);
    // Before 1985 also the (missing) fullback's rush 20: T = 417 + 70 + 20 =
    // 507, divided by 8: 6591 / 8 = 823; 823 - 294 = 529.
    Set_Year(1984);
    EXPECT_EQ(Get_Team_Run_Rating(0), 529);
    // 1985-1999: T = 417 + rush(RB1) 70 = 487, divided by 7:
    // 13 x 487 = 6331 / 7 = 904; 904 - 294 = 610.
    Set_Year(1985);
    EXPECT_EQ(Get_Team_Run_Rating(0), 610);
}

TEST_F(TeamStrengthTest, BonusesCountOnlyAboveTheirThresholds)
{
    Build_Hand_Made_Club(0);

    // Quarterback Mobility 80: rush (70.6 + 80) / 2 = 75.3 -> 75, not above
    // 75, so running stays 609.
    Set_Player_Rating(0, SLOT_QB, RATING_MOBILITY, 80.0f);
    EXPECT_EQ(Get_Team_Run_Rating(0), 609);
    // Mobility 92: rush 81.3 -> 81 adds (81 - 75) x 0.5 = 3: T = 420,
    // 5460 / 6 = 910 -> 616.
    Set_Player_Rating(0, SLOT_QB, RATING_MOBILITY, 92.0f);
    EXPECT_EQ(Get_Team_Run_Rating(0), 616);

    // Passing now starts from the quarterback's overall 88.2 - 6.3 + 8.28
    // - 15 = 75.18 -> 75: S = 3 x (75 + 280) + 697 = 1762.
    // Tight ends: Receiving 96 gives 41.69 + 38.4 = 80.09 -> 80. The first
    // adds his whole excess 5: S = 1767, 17670 / 25 = 706 -> 685.
    Set_Player_Rating(0, SLOT_TE1, RATING_RECEIVING, 96.0f);
    EXPECT_EQ(Get_Team_Pass_Rating(0), 685);

    // Defensive end Pass Rush 95: his overall becomes (1617 + 0.46 x 9025 +
    // 98 + 245 + 1029 + 3900) / 125 = 88.324 -> 88.
    Set_Player_Rating(0, SLOT_DE1, RATING_PASS_RUSH, 95.0f);
    // Pass defence: 420 + 70 + (95 + 210) / 2 = 152 + 140 + bonus 5 = 787;
    // 7870 / 11 = 715 -> 675.
    EXPECT_EQ(Get_Team_Pass_Defense_Rating(0), 675);
    // Exactly 90 is no bonus.
    Set_Player_Rating(0, SLOT_DE2, RATING_PASS_RUSH, 90.0f);
    // 420 + 70 + (95 + 90 + 140) / 2 = 162 + 140 + 5 = 797; 7970 / 11 = 724
    // -> 684.
    EXPECT_EQ(Get_Team_Pass_Defense_Rating(0), 684);
}

TEST_F(TeamStrengthTest, StartersAreTheFirstOfTheirPositionBeforeTheRosterEnd)
{
    Build_Hand_Made_Club(0);
    ASSERT_EQ(Get_Team_Pass_Rating(0), 681);
    // A sixth receiver, however good, is no starter.
    Add_Club_Player(0, HAND_MADE_CLUB_SIZE, POSITION_WR);
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(0, HAND_MADE_CLUB_SIZE, r, 99.0f);
    EXPECT_EQ(Get_Team_Pass_Rating(0), 681);
    // Nor is a quarterback behind an empty slot (past the roster's end).
    Add_Club_Player(0, HAND_MADE_CLUB_SIZE + 2, POSITION_QB);
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(0, HAND_MADE_CLUB_SIZE + 2, r, 99.0f);
    EXPECT_EQ(Get_Team_Pass_Rating(0), 681);
    // The fifth receiver in slot order is one: the sixth, made fifth by
    // turning the fourth into a tight end, raises the rating.
    League.Team[0].Player[8].nVital[VITAL_POSITION] = POSITION_TE;
    EXPECT_GT(Get_Team_Pass_Rating(0), 681);
}

TEST_F(TeamStrengthTest, MissingStartersCountTwentyAndForty)
{
    // An empty franchise, NO_TEAM and a code above 40 all rate as a club
    // with every starter missing. Worked by hand:
    //   running  T = 40 + 20 + 420 / 7 + 200 / 5 = 160; 2080 / 6 = 346 -> 52
    //   passing  360 + 120 + 180 / 3 + 40 + 120 / 3 = 620; 6200 / 25 -> 227
    //   run def  160 + 80 + 80 + 20 = 340; 4080 / 13 = 313 -> 165
    //   pass def 200 + 20 + 40 + 40 = 300; 3000 / 11 = 272 -> 232
    //   special  50 + 30 + 10 + 10 = 100; 600 / 4 = 150 -> 433
    LEAGUE_SNAPSHOT Before;
    for (int nTeam : {1, NO_TEAM}) {
        SCOPED_TRACE(nTeam);
        EXPECT_EQ(Get_Team_Run_Rating(nTeam), 52);
        EXPECT_EQ(Get_Team_Pass_Rating(nTeam), 227);
        EXPECT_EQ(Get_Team_Run_Defense_Rating(nTeam), 165);
        EXPECT_EQ(Get_Team_Pass_Defense_Rating(nTeam), 232);
        EXPECT_EQ(Get_Team_Special_Teams_Rating(nTeam), 433);
    }
    EXPECT_EQ(Errors_Reported(), 0);

    EXPECT_EQ(Get_Team_Run_Rating(41), 52);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Team_Run_Rating([41])"));
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(TeamStrengthTest, DamagedRatingsStayWithinIntegerRange)
{
    Build_Hand_Made_Club(0);
    const float fInfinity = std::numeric_limits<float>::infinity();
    League.Team[0].Player[SLOT_QB].fRating[RATING_ACCURACY] = fInfinity;
    League.Team[0].Player[SLOT_DT1].fRating[RATING_PASS_COVERAGE] = fInfinity;

    // An infinite Accuracy makes the quarterback's Accuracy and overall
    // terms 1,000,000 each, the bound of a term: S = 3 x (2,000,000 + 210)
    // + 697 = 6,001,327; 60,013,270 / 25 = 2,400,530 -> 2,400,509.
    EXPECT_EQ(Get_Team_Pass_Rating(0), 2400509);
    // A defensive tackle's coverage weight is 0, and 0 x infinity is not a
    // number: his overall reads as a missing one (40). 560 + (73 + 73 + 40
    // + 69) / 2 = 127 + 144 + 70 = 901; 10812 / 13 = 831 -> 683.
    EXPECT_EQ(Get_Team_Run_Defense_Rating(0), 683);
    // Offence 871 - 146 + 2 x 1,000,000; defence 780 - 29; kickers 136:
    // 2,001,612 / 2.
    EXPECT_EQ(Get_Team_Starters_Score(0), 1000806);
}

// ---------------------------------------------------------------------------
// The starters score

TEST_F(TeamStrengthTest, StartersScoreTakesTheFirstElevenOfEachSide)
{
    Build_Hand_Made_Club(0);
    // Offence slots 0-10: QB 2 x 73 + RB 2 x 74 + TE 2 x 78 + WR 5 x 70 +
    // T 71 = 871. Defence from slot 15, slots 15-25: 2 x 73 + 2 x 69 +
    // 4 x 72 + 2 x 68 + 72 = 780. Kickers 27-28: 68 + 68 = 136.
    // (871 + 780 + 136) / 2 = 893.
    EXPECT_EQ(Get_Team_Starters_Score(0), 893);

    // The special slots and slots not in use give 0.
    for (int nTeam : {FREE_AGENT_TEAM, NO_TEAM, 10})
        EXPECT_EQ(Get_Team_Starters_Score(nTeam), 0) << nTeam;
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Get_Team_Starters_Score(-3), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Team_Starters_Score([-3])"));

    // Windows follow the first slot of each side, not the side order: a
    // defender in slot 0, then a QB and eleven receivers. Offence: slots
    // 1-11 (QB 146 + ten receivers 700); the twelfth receiver is out.
    // Defence: slots 0-10, only the end counts (73). (146 + 700 + 73) / 2.
    Add_Club_Player(1, 0, POSITION_DE);
    Add_Club_Player(1, 1, POSITION_QB);
    for (int s = 2; s <= 12; ++s)
        Add_Club_Player(1, s, POSITION_WR);
    EXPECT_EQ(Get_Team_Starters_Score(1), 459);
}

TEST_F(TeamStrengthTest, StartersScoreOfShortRosters)
{
    // Three offensive players: the empty slots 3-10 fall inside the
    // offensive window and count as missing quarterbacks (2 x 40 each):
    // (146 + 74 + 70 + 8 x 80) / 2 = 465. Nothing is written.
    Add_Club_Player(2, 0, POSITION_QB);
    Add_Club_Player(2, 1, POSITION_RB);
    Add_Club_Player(2, 2, POSITION_WR);
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Get_Team_Starters_Score(2), 465);
    EXPECT_TRUE(Before.Unchanged());
}

}  // namespace
