// The rating-value curve, position multipliers, the blend by seasons, the
// decline fall-off, production values and the exact restore of the ratings
// after a potential.
#include <cmath>
#include <cstring>
#include <limits>

#include "league/player.h"
#include "league/player_fixture.h"
#include "league/player_stats.h"
#include "season/player_value.h"
#include "test_support.h"

namespace {

class ValueTest : public PlayerTest {
protected:
    static PLAYER& Put_Aged(int nSlot, int nPosition, int nAge, float fRating = 70.0f)
    {
        PLAYER& P = Put_Player(0, nSlot, 200 + nSlot, nPosition, fRating);
        P.nVital[VITAL_BIRTH_DATE] = (2019 - nAge) * 10000 + 101;
        P.nVital[VITAL_PEAK_START] = 23;
        P.nVital[VITAL_PEAK_END] = 30;
        P.nVital[VITAL_POTENTIAL] = 100;
        P.nVital[VITAL_LONGEVITY] = 100;
        return P;
    }
};

TEST_F(ValueTest, RoundedProductWithItsSignCorrection)
{
    EXPECT_EQ(Get_Rounded_Product(85, 85, 100), 72);     // 72.25
    EXPECT_EQ(Get_Rounded_Product(-1, 85, 100), -1);     // trunc(-0.35) = 0, less 1
    EXPECT_EQ(Get_Rounded_Product(-8, 100, 100), -7);    // a multiple: no correction
    EXPECT_EQ(Get_Rounded_Product(0, 85, 100), 0);
    EXPECT_EQ(Get_Rounded_Product(7, 3, 0), 0);
    EXPECT_EQ(Get_Rounded_Product(3000000000LL, 3000000000LL, 1000000000LL), 9000000000LL);   // no overflow
}

TEST_F(ValueTest, RatingValueCurveAndItsKinkAt65)
{
    // An empty slot: the bare curve.
    EXPECT_EQ(Get_Rating_Value(0, 9, 60.0f), 100);     // x = 50: 20^2 / 4
    EXPECT_EQ(Get_Rating_Value(0, 9, 65.0f), 225);     // x = 60: 30^2 / 4
    EXPECT_EQ(Get_Rating_Value(0, 9, 67.4f), 302);     // x = 64.8: 34.8^2 / 4 = 302.76
    EXPECT_EQ(Get_Rating_Value(0, 9, 67.5f), 306);     // x = 65: both pieces 306.25
    EXPECT_EQ(Get_Rating_Value(0, 9, 70.0f), 681);     // 5^2 x 15 + 306.25
    EXPECT_EQ(Get_Rating_Value(0, 9, 85.0f), 6306);    // 20^2 x 15 + 306.25
    EXPECT_EQ(Get_Rating_Value(0, 9, 50.0f), 0);       // x = 30
    EXPECT_EQ(Get_Rating_Value(0, 9, 20.0f), 0);       // x = -30
}

TEST_F(ValueTest, PositionMultipliersAndTheRunningBackEra)
{
    Put_Player(0, 0, 1, POSITION_G);
    Put_Player(0, 1, 2, POSITION_QB);
    Put_Player(0, 2, 3, POSITION_P);
    Put_Player(0, 3, 4, POSITION_RB);
    Put_Player(0, 4, 5, POSITION_K);
    EXPECT_EQ(Get_Rating_Value(0, 0, 85.0f), 6306);     // x 1.0
    EXPECT_EQ(Get_Rating_Value(0, 1, 85.0f), 12612);    // x 2.0: 12,612.5
    EXPECT_EQ(Get_Rating_Value(0, 2, 85.0f), 1072);     // x 0.17: 1,072.06
    EXPECT_EQ(Get_Rating_Value(0, 4, 85.0f), 2207);     // x 0.35: 2,207.19
    EXPECT_EQ(Get_Rating_Value(0, 3, 85.0f), 6936);     // x 1.1 from 2015 on: 6,936.875
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1996;
    EXPECT_EQ(Get_Rating_Value(0, 3, 85.0f), 4300);     // x 1.1 x 0.62: 4,300.86
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2005;
    EXPECT_EQ(Get_Rating_Value(0, 3, 85.0f), 5549);     // x 1.1 x 0.8: 5,549.5
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1995;
    EXPECT_EQ(Get_Rating_Value(0, 3, 85.0f), 6936);     // no era factor yet
}

TEST_F(ValueTest, ValueWeighsRatingsBySeasonsAndFallsAwayPastTheDeclineAge)
{
    // A kicker without statistics has no production: the value is the
    // ratings' share alone. Past his growth, potential = overall.
    PLAYER& P = Put_Aged(0, POSITION_K, 25, 80.0f);
    const float O = std::trunc(Get_Player_Overall_Rating(0, 0));
    EXPECT_EQ(Compute_Player_Potential(0, 0), O);
    const int r = Get_Rating_Value(0, 0, O);
    ASSERT_GT(r, 0);
    EXPECT_EQ(Get_Player_Production_Value(0, 0, 1), 0);
    const int Weight[] = {88, 76, 70, 70};     // 88 - 12 x seasons, at least 70
    for (int s = 0; s < 4; ++s) {
        P.nVital[VITAL_SEASONS_PLAYED] = s;
        EXPECT_EQ(Get_Player_Value(0, 0), (Weight[s] * r + 50) / 100) << s;
    }
    // Decline age 35: at 41 half (6 / 12), at 47 nothing, at 49 negative.
    const int v = (70 * r + 50) / 100;
    P.nVital[VITAL_BIRTH_DATE] = (2019 - 41) * 10000 + 101;
    EXPECT_EQ(Get_Player_Value(0, 0), (v * 6 + 6) / 12);
    P.nVital[VITAL_BIRTH_DATE] = (2019 - 47) * 10000 + 101;
    EXPECT_EQ(Get_Player_Value(0, 0), 0);
    P.nVital[VITAL_BIRTH_DATE] = (2019 - 49) * 10000 + 101;
    EXPECT_EQ(Get_Player_Value(0, 0), -((v * 2 + 6) / 12));
    EXPECT_EQ(Get_Player_Value(0, 50), 0);    // empty slot
}

TEST_F(ValueTest, ValueBlendsLastSeasonsProduction)
{
    PLAYER& P = Put_Aged(0, POSITION_LB, 27, 80.0f);
    P.nVital[VITAL_SEASONS_PLAYED] = 3;
    Set_Player_Stat(0, 0, STAT_PERIOD_LAST_SEASON, STAT_INTERCEPTIONS, 5);    // 1,000,000 -> 333
    EXPECT_EQ(Get_Player_Production_Value(0, 0, 1), 333);
    const int r = Get_Rating_Value(0, 0, std::trunc(Get_Player_Overall_Rating(0, 0)));
    // 70 % of r, 30 % of 333: trunc((9,990 + 50) / 100) = 100.
    EXPECT_EQ(Get_Player_Value(0, 0), (70 * r + 50) / 100 + 100);
}

TEST_F(ValueTest, PotentialPutsTheRatingsBackBitForBit)
{
    PLAYER& P = Put_Aged(0, POSITION_WR, 20, 66.37f);
    P.nVital[VITAL_PEAK_START] = 26;
    P.nVital[VITAL_POTENTIAL] = 200;
    P.fRating[RATING_ACCURACY] = 105.0f;                                   // folded by aging
    P.fRating[RATING_DISTANCE] = 97.123f;                                  // loses each year
    P.fRating[RATING_CONTROL] = 5.5f;                                      // raised to 20 by a read
    P.fRating[RATING_RED_ZONE] = std::numeric_limits<float>::quiet_NaN();  // repaired by a read
    P.fRating[RATING_MOBILITY] = -0.0f;
    PLAYER Before = P;
    const float fPotential = Compute_Player_Potential(0, 0);
    EXPECT_EQ(std::memcmp(Before.fRating, League.Team[0].Player[0].fRating, sizeof(Before.fRating)), 0);
    EXPECT_EQ(fPotential, std::trunc(fPotential));
    EXPECT_EQ(Errors_Reported(), 0);
    // Six years of growth make him no worse (rate 2 x 2 points a year).
    EXPECT_GE(fPotential, std::trunc(Get_Player_Overall_Rating(0, 0)));
    EXPECT_EQ(Compute_Player_Potential(0, 77), 0.0f);
}

TEST_F(ValueTest, ProductionOfReceiversAndTightEnds)
{
    // WR: k = 1,200 + 25 x 10 = 1,450: 3,190,000; after the catch 500 x 400 =
    // 200,000; catches 1000 x 80 - 570 x 120 targets = 11,600: 3,401,600 -> 2401.
    for (int nPosition : {POSITION_WR, POSITION_TE}) {
        const int nSlot = nPosition == POSITION_WR ? 0 : 1;
        Put_Aged(nSlot, nPosition, 27);
        Set_Player_Stat(0, nSlot, 1, STAT_RECEPTIONS, 80);
        Set_Player_Stat(0, nSlot, 1, STAT_RECEIVING_YARDS, 1200);
        Set_Player_Stat(0, nSlot, 1, STAT_RECEIVING_TOUCHDOWNS, 10);
        Set_Player_Stat(0, nSlot, 1, STAT_TARGETS, 120);
        Set_Player_Stat(0, nSlot, 1, STAT_YARDS_AFTER_CATCH, 400);
    }
    EXPECT_EQ(Get_Player_Production_Value(0, 0, 1), 2401);
    // TE: + 800 x 1,450 + 250,000 = 4,811,600 -> 3811.
    EXPECT_EQ(Get_Player_Production_Value(0, 1, 1), 3811);
    // Blocking 80 and 80: q = 80, 30,000 x 10 x 3 more -> 4711.
    League.Team[0].Player[1].fRating[RATING_PASS_BLOCKING] = 80.0f;
    League.Team[0].Player[1].fRating[RATING_RUN_BLOCKING] = 80.0f;
    EXPECT_EQ(Get_Player_Production_Value(0, 1, 1), 4711);
    // Without yards after the catch a third of the yards counts: 500 x 400 again.
    Set_Player_Stat(0, 0, 1, STAT_YARDS_AFTER_CATCH, 0);
    EXPECT_EQ(Get_Player_Production_Value(0, 0, 1), 2401);
}

TEST_F(ValueTest, ProductionOfLinemenKickersAndPunters)
{
    // G 80/80/60: trunc(360 + 360) + 60 = 780; 15 x 330 x 430 = 2,128,500.
    PLAYER& G = Put_Aged(0, POSITION_G, 27);
    G.fRating[RATING_PASS_BLOCKING] = 80.0f;
    G.fRating[RATING_RUN_BLOCKING] = 80.0f;
    G.fRating[RATING_DISCIPLINE] = 60.0f;
    EXPECT_EQ(Get_Player_Production_Value(0, 0, 3), 1128);       // predicted: whole
    EXPECT_EQ(Get_Player_Production_Value(0, 0, 1), 236);        // no games: 17 / 51 -> 709,500
    Set_Player_Stat(0, 0, 1, STAT_GAMES_PLAYED, 18);
    Set_Player_Stat(0, 0, 1, STAT_GAMES_STARTED, 17);
    EXPECT_EQ(Get_Player_Production_Value(0, 0, 1), 1128);       // a full season keeps it all

    // K: 40 attempts (10 a band), 30 made; n = 40 - 3 + 3 + 5 = 45; p = 667;
    // y = 85,000; T = 85,000; PATs 38 of 40: f = min(4,000, 50) -> 80,750.
    Put_Aged(1, POSITION_K, 27);
    const int Attempts[] = {10, 10, 10, 10};
    const int Made[] = {9, 8, 7, 6};
    for (int b = 0; b < 4; ++b) {
        Set_Player_Stat(0, 1, 1, STAT_FIELD_GOAL_ATTEMPTS_BAND_1 + 2 * b, Attempts[b]);
        Set_Player_Stat(0, 1, 1, STAT_FIELD_GOALS_MADE_BAND_1 + 2 * b, Made[b]);
    }
    Set_Player_Stat(0, 1, 1, STAT_PAT_ATTEMPTS, 40);
    Set_Player_Stat(0, 1, 1, STAT_PATS_MADE, 38);
    EXPECT_EQ(Get_Player_Production_Value(0, 1, 1), 26);
    Set_Player_Stat(0, 1, 1, STAT_PATS_MADE, 40);
    EXPECT_EQ(Get_Player_Production_Value(0, 1, 1), 28);          // 85,000

    // P: 70 punts for 3,150 yards (45.0): 70 x 6000 x 100 / 80 = 525,000 -> 175.
    Put_Aged(2, POSITION_P, 27);
    Set_Player_Stat(0, 2, 1, STAT_PUNTS, 70);
    Set_Player_Stat(0, 2, 1, STAT_PUNT_YARDS, 3150);
    EXPECT_EQ(Get_Player_Production_Value(0, 2, 1), 175);
    Set_Player_Stat(0, 2, 1, STAT_PUNT_YARDS, 2100);              // 30.0 a punt: below 35.0, nothing
    EXPECT_EQ(Get_Player_Production_Value(0, 2, 1), 0);
}

TEST_F(ValueTest, ProductionAddsUpInSixtyFourBits)
{
    // 100,000 solo tackles x 25,000 = 2.5 x 10^9, past 32 bits.
    Put_Aged(0, POSITION_LB, 27);
    Set_Player_Stat(0, 0, 2, STAT_SOLO_TACKLES, 100000);
    EXPECT_EQ(Get_Player_Production_Value(0, 0, 2), 2499000);
    // A DT adds 7,500 a tackle: 3.25 x 10^9.
    Put_Aged(1, POSITION_DT, 27);
    Set_Player_Stat(0, 1, 2, STAT_SOLO_TACKLES, 100000);
    EXPECT_EQ(Get_Player_Production_Value(0, 1, 2), 3249000);
    EXPECT_EQ(Get_Player_Production_Value(0, 55, 2), 0);
}

}  // namespace
