#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <limits>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/random.h"
#include "league/team.h"
#include "league/team_strength.h"
#include "league_fixture.h"
#include "test_support.h"

namespace {

// Slots of the hand-made club (league_fixture.h).
constexpr int SLOT_QB = 0, SLOT_RB2 = 2, SLOT_TE1 = 3, SLOT_TE2 = 4, SLOT_WR1 = 5;
constexpr int SLOT_DE1 = 15, SLOT_DE2 = 16, SLOT_DT1 = 17, SLOT_CB1 = 23, SLOT_K = 27;
// The overall of an absent player (all ratings 20).
constexpr int MISSING_OVERALL_FOR_TEST = 40;

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

    // By code, read twice from a sound roster: the same values, nothing written.
    LEAGUE_SNAPSHOT Before;
    const int nByCode[][2] = {{TEAM_RATING_RUNNING, 609},      {TEAM_RATING_PASSING, 681},
                              {TEAM_RATING_RUN_DEFENSE, 697},  {TEAM_RATING_PASS_DEFENSE, 660},
                              {TEAM_RATING_SPECIAL_TEAMS, 683}, {45, 0}};
    for (const auto& c : nByCode)
        EXPECT_EQ(Get_Team_Strength_By_Code(0, c[0]), c[1]) << c[0];
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(TeamStrengthTest, RunningWeighsTheBacksMoreInOlderEras)
{
    Build_Hand_Made_Club(0);
    // 1985-1999: T = 417 + rush(RB1) 70 = 487, divided by 7:
    // 13 x 487 = 6331 / 7 = 904; 904 - 294 = 610.
    Set_Year(1990);
    EXPECT_EQ(Get_Team_Run_Rating(0), 610);
    // Before 1985 also the (missing) fullback's rush 20: T = 507, divided by
    // 8: 6591 / 8 = 823; 823 - 294 = 529.
    Set_Year(1984);
    EXPECT_EQ(Get_Team_Run_Rating(0), 529);
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
    // Second back Speed 123: rush 0.2 x 123 + 56 = 80.6 -> 80 adds 2.5,
    // truncated after the addition: T = 422, 5486 / 6 = 914 -> 620.
    Set_Player_Rating(0, SLOT_RB2, RATING_SPEED, 123.0f);
    EXPECT_EQ(Get_Team_Run_Rating(0), 620);

    // Passing now starts from the quarterback's overall 88.2 - 6.3 + 8.28
    // - 15 = 75.18 -> 75: S = 3 x (75 + 280) + 697 = 1762.
    // Tight ends: Receiving 96 gives 41.69 + 38.4 = 80.09 -> 80. The first
    // adds his whole excess 5: S = 1767, 17670 / 25 = 706 -> 685.
    Set_Player_Rating(0, SLOT_TE1, RATING_RECEIVING, 96.0f);
    EXPECT_EQ(Get_Team_Pass_Rating(0), 685);
    // The second adds half of his: 1769.5 -> 1769, 17690 / 25 = 707 -> 686.
    Set_Player_Rating(0, SLOT_TE2, RATING_RECEIVING, 96.0f);
    EXPECT_EQ(Get_Team_Pass_Rating(0), 686);

    // Defensive end Pass Rush 95: his overall becomes (1617 + 0.46 x 9025 +
    // 98 + 245 + 1029 + 3900) / 125 = 88.324 -> 88.
    Set_Player_Rating(0, SLOT_DE1, RATING_PASS_RUSH, 95.0f);
    // Pass defence: 420 + 70 + (95 + 210) / 2 = 152 + 140 + bonus 5 = 787;
    // 7870 / 11 = 715 -> 675.
    EXPECT_EQ(Get_Team_Pass_Defense_Rating(0), 675);
    // Run defence: 560 + (88 + 73 + 69 + 69) / 2 = 149 + 144 + 70 = 923;
    // 11076 / 13 = 852 -> 704.
    EXPECT_EQ(Get_Team_Run_Defense_Rating(0), 704);
    // Exactly 90 is no bonus. The second end at 90 has the overall
    // (1617 + 0.46 x 8100 + 98 + 245 + 1029 + 3900) / 125 = 84.92 -> 84.
    Set_Player_Rating(0, SLOT_DE2, RATING_PASS_RUSH, 90.0f);
    // 420 + 70 + (95 + 90 + 140) / 2 = 162 + 140 + 5 = 797; 7970 / 11 = 724
    // -> 684.
    EXPECT_EQ(Get_Team_Pass_Defense_Rating(0), 684);
    // 560 + (88 + 84 + 69 + 69) / 2 = 155 + 144 + 70 = 929; 11148 / 13 =
    // 857 -> 709.
    EXPECT_EQ(Get_Team_Run_Defense_Rating(0), 709);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamStrengthTest, ReadsRepairBadRatingsAndNothingElse)
{
    Build_Hand_Made_Club(0);
    ASSERT_EQ(Get_Default_Rating(RATING_RUN_DEFENSE), 70.0f);
    League.Team[0].Player[SLOT_DE2].fRating[RATING_RUN_DEFENSE] = std::numeric_limits<float>::quiet_NaN();
    League.Team[0].Player[SLOT_DT1].fRating[RATING_RUN_DEFENSE] = 5.0f;
    LEAGUE_SNAPSHOT Before;

    // DE2 reads his default 70 (no change); DT1 reads 20, and his overall
    // drops to (7127 / 125 = 57.016 + 70) / 2 = 63.508 -> 63:
    // S = 510 + (73 + 73 + 63 + 69) / 2 = 139 + 144 + 70 = 863;
    // 10356 / 13 = 796 -> 648.
    EXPECT_EQ(Get_Team_Run_Defense_Rating(0), 648);
    EXPECT_EQ(League.Team[0].Player[SLOT_DE2].fRating[RATING_RUN_DEFENSE], 70.0f);
    EXPECT_EQ(League.Team[0].Player[SLOT_DT1].fRating[RATING_RUN_DEFENSE], 20.0f);

    // Put the two bad values back: then nothing else differs.
    League.Team[0].Player[SLOT_DE2].fRating[RATING_RUN_DEFENSE] = std::numeric_limits<float>::quiet_NaN();
    League.Team[0].Player[SLOT_DT1].fRating[RATING_RUN_DEFENSE] = 5.0f;
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(TeamStrengthTest, MissingStartersCountTwentyAndForty)
{
    // An empty franchise, a slot not in use, NO_TEAM and a code above 40
    // all rate as a club with every starter missing. Worked by hand:
    //   running  T = 40 + 20 + 420 / 7 + 200 / 5 = 160; 2080 / 6 = 346 -> 52
    //   passing  360 + 120 + 180 / 3 + 40 + 120 / 3 = 620; 6200 / 25 -> 227
    //   run def  160 + 80 + 80 + 20 = 340; 4080 / 13 = 313 -> 165
    //   pass def 200 + 20 + 40 + 40 = 300; 3000 / 11 = 272 -> 232
    //   special  50 + 30 + 10 + 10 = 100; 600 / 4 = 150 -> 433
    LEAGUE_SNAPSHOT Before;
    for (int nTeam : {1, FREE_AGENT_TEAM, NO_TEAM}) {
        SCOPED_TRACE(nTeam);
        EXPECT_EQ(Get_Team_Run_Rating(nTeam), 52);
        EXPECT_EQ(Get_Team_Pass_Rating(nTeam), 227);
        EXPECT_EQ(Get_Team_Run_Defense_Rating(nTeam), 165);
        EXPECT_EQ(Get_Team_Pass_Defense_Rating(nTeam), 232);
        EXPECT_EQ(Get_Team_Special_Teams_Rating(nTeam), 433);
    }
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_TRUE(Before.Unchanged());

    EXPECT_EQ(Get_Team_Run_Rating(41), 52);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Team_Run_Rating([41])"));
    EXPECT_EQ(Get_Team_Special_Teams_Rating(-1), 433);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Team_Special_Teams_Rating([-1])"));
    EXPECT_EQ(Errors_Reported(), 2);
    EXPECT_TRUE(Before.Unchanged());

    // A club with only a fullback: he is no running back, so running still
    // reads RB1 as missing; his blocking (70 instead of 20) lifts the
    // blocking group to 470 / 7 = 67: T = 167, 2171 / 6 = 361 -> 67.
    Add_Club_Player(1, 0, POSITION_FB);
    EXPECT_EQ(Get_Team_Run_Rating(1), 67);
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
    {
        LEAGUE_SNAPSHOT Before;
        EXPECT_EQ(Get_Team_Starters_Score(2), 465);
        EXPECT_TRUE(Before.Unchanged());
    }

    // Only defenders: the first empty slot (2) reads as a quarterback, and
    // the offence has nobody, so the side lookup makes an offensive player
    // there. He counts at his own position (twice only as a quarterback),
    // the empty slots 3-12 after him 80 each, the two ends 73 each.
    Add_Club_Player(3, 0, POSITION_DE);
    Add_Club_Player(3, 1, POSITION_DE);
    const int nScore = Get_Team_Starters_Score(3);
    ASSERT_EQ(Count_Team_Players(3), 3);
    const int nMade = League.Team[3].Player[2].nVital[VITAL_POSITION];
    EXPECT_GE(nMade, POSITION_QB);
    EXPECT_LE(nMade, POSITION_C);
    const int nOverall = static_cast<int>(Get_Player_Overall_Or_Regenerate(3, 2));
    EXPECT_GT(nOverall, MISSING_OVERALL_FOR_TEST);
    const int nTimes = nMade == POSITION_QB ? 2 : 1;
    EXPECT_EQ(nScore, (146 + nTimes * nOverall + 800) / 2);
    // The made-up player now starts: a second call makes nobody else.
    EXPECT_EQ(Get_Team_Starters_Score(3), nScore);
    EXPECT_EQ(Count_Team_Players(3), 3);

    // An empty roster of a franchise in use: the player is made in slot 0,
    // followed by ten empty slots.
    const int nEmptyScore = Get_Team_Starters_Score(1);
    ASSERT_EQ(Count_Team_Players(1), 1);
    const int nTimesFirst = League.Team[1].Player[0].nVital[VITAL_POSITION] == POSITION_QB ? 2 : 1;
    EXPECT_EQ(nEmptyScore, (nTimesFirst * static_cast<int>(Get_Player_Overall_Or_Regenerate(1, 0)) + 800) / 2);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace
