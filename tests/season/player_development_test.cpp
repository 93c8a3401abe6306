// Growth, decline, the fold and loss of high ratings, decline ages, and the
// per-mille moves of predicted lines, checked against hand-worked values.
#include <cmath>
#include <cstring>

#include "base/random.h"
#include "league/player.h"
#include "league/player_fixture.h"
#include "league/player_stats.h"
#include "season/player_development.h"
#include "test_support.h"

namespace {

class DevelopmentTest : public PlayerTest {
protected:
    // A player aged nAge in 2019 with growth to nGrowEnd, decline after
    // nDeclineAfter, growth rate nRate and decline divisor nDivisor.
    static PLAYER& Put_Aging_Player(int nSlot, int nPosition, int nAge, int nGrowEnd, int nDeclineAfter, int nRate,
                                    int nDivisor, float fRating = 70.0f)
    {
        PLAYER& P = Put_Player(0, nSlot, 100 + nSlot, nPosition, fRating);
        P.nVital[VITAL_BIRTH_DATE] = (2019 - nAge) * 10000 + 601;
        P.nVital[VITAL_PEAK_START] = nGrowEnd;
        P.nVital[VITAL_PEAK_END] = nDeclineAfter;
        P.nVital[VITAL_POTENTIAL] = nRate;
        P.nVital[VITAL_LONGEVITY] = nDivisor;
        return P;
    }

    static float Stored(int nSlot, int nRating) { return League.Team[0].Player[nSlot].fRating[nRating]; }

    // The fraction of the nth word (from 1) after seeding.
    static double Nth_Fraction(uint32_t nSeed, int n)
    {
        Seed_Random_Numbers(nSeed);
        uint32_t nWord = 0;
        for (int i = 0; i < n; ++i)
            nWord = Generate_Random_Number();
        return Random_Word_To_Fraction(nWord);
    }
};

// --- Yearly change ---------------------------------------------------------------

TEST_F(DevelopmentTest, AGrowingPlayerGainsTwiceHisRateInHundredths)
{
    Put_Aging_Player(0, POSITION_WR, 22, 26, 30, 150, 100);
    EXPECT_FLOAT_EQ(Get_Yearly_Rating_Change(0, 0, 0), 3.0f);   // 150 / 100 x 2
    Put_Aging_Player(1, POSITION_WR, 25, 26, 30, 62, 100);
    EXPECT_FLOAT_EQ(Get_Yearly_Rating_Change(0, 1, 0), 1.24f);  // floats: not 0 as whole numbers would give
}

TEST_F(DevelopmentTest, ADecliningPlayerLosesOnePaceThenMoreAfterTheMidpoint)
{
    // Kicker: decline age 35, his own decline after 30: midpoint 32.5.
    Put_Aging_Player(0, POSITION_K, 31, 26, 30, 100, 125);
    EXPECT_FLOAT_EQ(Get_Yearly_Rating_Change(0, 0, 0), -0.8f);   // 100 / 125 x -1
    Put_Aging_Player(1, POSITION_K, 34, 26, 30, 100, 125);
    EXPECT_FLOAT_EQ(Get_Yearly_Rating_Change(0, 1, 0), -1.2f);   // 0.8 x -(34 - 32.5)
    // Receiver: decline age 29, his own after 30: midpoint 29.5; at 33, -3.5.
    Put_Aging_Player(2, POSITION_WR, 33, 26, 30, 100, 125);
    EXPECT_FLOAT_EQ(Get_Yearly_Rating_Change(0, 2, 0), -2.8f);
    // Player Aging +50 makes the pace 150 / 125.
    Set_Player_Aging(50);
    EXPECT_FLOAT_EQ(Get_Yearly_Rating_Change(0, 0, 0), -1.2f);
    Set_Player_Aging(250);
    EXPECT_EQ(Get_Player_Aging(), 100);
}

TEST_F(DevelopmentTest, AtHisGrowthEndOrDeclineStartHeNeitherGrowsNorDeclines)
{
    Put_Aging_Player(0, POSITION_WR, 26, 26, 30, 150, 100);
    EXPECT_EQ(Get_Yearly_Rating_Change(0, 0, 0), 0.0f);
    Put_Aging_Player(1, POSITION_WR, 30, 26, 30, 150, 100);
    EXPECT_EQ(Get_Yearly_Rating_Change(0, 1, 0), 0.0f);
    // Aging then touches no rating (70s, age 24 < 26: no Speed loss).
    Put_Aging_Player(2, POSITION_WR, 24, 23, 30, 150, 100);
    PLAYER Before = League.Team[0].Player[2];
    Age_Player_Ratings(0, 2, 0);
    EXPECT_EQ(std::memcmp(Before.fRating, League.Team[0].Player[2].fRating, sizeof(Before.fRating)), 0);
}

TEST_F(DevelopmentTest, AZeroOrNegativeDeclineDivisorDeclinesAtTheNormalPace)
{
    Put_Aging_Player(0, POSITION_K, 31, 26, 30, 100, 0);
    EXPECT_FLOAT_EQ(Get_Yearly_Rating_Change(0, 0, 0), -1.0f);   // as divisor 100
    Put_Aging_Player(1, POSITION_K, 31, 26, 30, 100, -5);
    EXPECT_FLOAT_EQ(Get_Yearly_Rating_Change(0, 1, 0), -1.0f);
    Age_Player_Ratings(0, 0, 1);
    for (int i = 0; i < NUMBER_OF_RATINGS; ++i)
        EXPECT_TRUE(std::isfinite(Stored(0, i))) << i;
}

TEST_F(DevelopmentTest, ChanceAddsTwoDrawsWithinTwoPointsEitherWay)
{
    Put_Aging_Player(0, POSITION_WR, 22, 26, 30, 150, 100);
    const double u1 = Nth_Fraction(99, 1);
    const double u2 = Nth_Fraction(99, 2);
    const double u3 = Nth_Fraction(99, 3);
    Seed_Random_Numbers(99);
    const float fChange = Get_Yearly_Rating_Change(0, 0, 1);
    EXPECT_FLOAT_EQ(fChange, static_cast<float>(3.0 + 2.0 * u1 - 2.0 * u2));
    EXPECT_EQ(Random_Word_To_Fraction(Generate_Random_Number()), u3);   // exactly two drawn
}

// --- The fold and the loss above 85 --------------------------------------------------

TEST_F(DevelopmentTest, WithoutChanceHighRatingsLoseTheFourthPowerRule)
{
    // Inside his prime, under 26: only the high-rating rule acts.
    PLAYER& P = Put_Aging_Player(0, POSITION_WR, 24, 23, 30, 100, 100);
    P.fRating[RATING_ACCURACY] = 95.0f;     // 10^4 / 41666.7 x 0.25 = 0.06
    P.fRating[RATING_DISTANCE] = 105.0f;    // folded to 93: 8^4 / 41666.7 x 0.25 = 0.024576
    P.fRating[RATING_CONTROL] = 120.0f;     // folded to 78: left at 120
    P.fRating[RATING_RED_ZONE] = 85.0f;     // not above 85: untouched
    Age_Player_Ratings(0, 0, 0);
    EXPECT_NEAR(Stored(0, RATING_ACCURACY), 94.94f, 1e-4);
    EXPECT_NEAR(Stored(0, RATING_DISTANCE), 93.0f - 0.024576f, 1e-4);
    EXPECT_EQ(Stored(0, RATING_CONTROL), 120.0f);
    EXPECT_EQ(Stored(0, RATING_RED_ZONE), 85.0f);
    EXPECT_EQ(Stored(0, RATING_SPEED), 70.0f);
}

TEST_F(DevelopmentTest, AfterThirtyTheLossDoublesAndSpeedFallsFromTwentySix)
{
    PLAYER& P = Put_Aging_Player(0, POSITION_WR, 31, 23, 40, 100, 100);
    P.fRating[RATING_ACCURACY] = 95.0f;
    Age_Player_Ratings(0, 0, 0);
    EXPECT_NEAR(Stored(0, RATING_ACCURACY), 94.88f, 1e-4);    // 0.12 after 30
    EXPECT_FLOAT_EQ(Stored(0, RATING_SPEED), 70.0f - 1.3f);
    // Reversion To Mean +100: k = 200 / 400 = 0.5.
    Set_Reversion_To_Mean(100);
    P.fRating[RATING_ACCURACY] = 95.0f;
    Age_Player_Ratings(0, 0, 0);
    EXPECT_NEAR(Stored(0, RATING_ACCURACY), 94.76f, 1e-4);
    // Age 26 loses Speed; 25 does not.
    Put_Aging_Player(1, POSITION_WR, 26, 23, 40, 100, 100);
    Put_Aging_Player(2, POSITION_WR, 25, 23, 40, 100, 100);
    Age_Player_Ratings(0, 1, 0);
    Age_Player_Ratings(0, 2, 0);
    EXPECT_FLOAT_EQ(Stored(1, RATING_SPEED), 68.7f);
    EXPECT_EQ(Stored(2, RATING_SPEED), 70.0f);
}

TEST_F(DevelopmentTest, WithChanceTheLossIsDrawnOnlyWhenItsTestPasses)
{
    // One rating at 95: s = 100 / 250 = 0.4. The draws: two for the yearly
    // change, then u1 for the test and, when 0.4 > u1, u2 for the loss.
    // Overall of 70s stays under 80, so the pull draws nothing.
    for (uint32_t nSeed = 1; nSeed <= 40; ++nSeed) {
        PLAYER& P = Put_Aging_Player(0, POSITION_WR, 24, 23, 30, 100, 100);
        P.fRating[RATING_ACCURACY] = 95.0f;
        P.fRating[RATING_DISTANCE] = 120.0f;   // folds to 78: no draw
        const double u1 = Nth_Fraction(nSeed, 3);
        const double u2 = Nth_Fraction(nSeed, 4);
        const double u5 = Nth_Fraction(nSeed, 5);
        Seed_Random_Numbers(nSeed);
        Age_Player_Ratings(0, 0, 1);
        const double uNext = Random_Word_To_Fraction(Generate_Random_Number());
        const float s = 10.0f * 10.0f / 250.0f;
        if (s > u1) {
            EXPECT_FLOAT_EQ(Stored(0, RATING_ACCURACY), 95.0f - static_cast<float>(u2) * s * 3.0f * 0.25f) << nSeed;
            EXPECT_EQ(uNext, u5) << nSeed;
        } else {
            EXPECT_EQ(Stored(0, RATING_ACCURACY), 95.0f) << nSeed;
            EXPECT_EQ(uNext, u2) << nSeed;
        }
        EXPECT_EQ(Stored(0, RATING_DISTANCE), 120.0f);
    }
}

// --- Decline ages ---------------------------------------------------------------------

TEST_F(DevelopmentTest, DeclineAgesByPositionAndTheQuarterbacksEra)
{
    const int Expected[NUMBER_OF_POSITIONS] = {35, 27, 29, 29, 29, 28, 30, 29, 29, 30, 29, 28, 28, 35, 35};
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
        EXPECT_EQ(Get_Position_Decline_Age(p), Expected[p]) << p;
    EXPECT_EQ(Get_Position_Decline_Age(-4), 35);     // clamped to QB
    EXPECT_EQ(Get_Position_Decline_Age(22), 35);     // clamped to P
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1969;
    EXPECT_EQ(Get_Position_Decline_Age(POSITION_QB), 32);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1970;
    EXPECT_EQ(Get_Position_Decline_Age(POSITION_QB), 33);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1935;
    EXPECT_EQ(Get_Position_Decline_Age(POSITION_QB), 32);
}

TEST_F(DevelopmentTest, TypicalSeasonTable)
{
    EXPECT_EQ(Get_Typical_Season_Stat(POSITION_QB, 5), 3800);
    EXPECT_EQ(Get_Typical_Season_Stat(POSITION_RB, 8), 1440);
    EXPECT_EQ(Get_Typical_Season_Stat(POSITION_WR, 18), 375);
    EXPECT_EQ(Get_Typical_Season_Stat(POSITION_CB, 15), 350);
    EXPECT_EQ(Get_Typical_Season_Stat(POSITION_K, 18), 60);
    EXPECT_EQ(Get_Typical_Season_Stat(POSITION_P, 3), 2250);
    EXPECT_EQ(Get_Typical_Season_Stat(POSITION_P, 19), 0);
    EXPECT_EQ(Get_Typical_Season_Stat(15, 0), 0);
    EXPECT_EQ(Get_Typical_Season_Stat(POSITION_QB, 20), 0);
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        EXPECT_EQ(Get_Typical_Season_Stat(p, 0), 16);
        EXPECT_EQ(Get_Typical_Season_Stat(p, 1), 16);
    }
}

// --- Predicted lines -----------------------------------------------------------------

TEST_F(DevelopmentTest, PredictedStatisticMovesByTheTypicalSeasonAndItsSensitivity)
{
    Put_Player(0, 0, 1, POSITION_WR);
    Set_Player_Stat(0, 0, 3, STAT_RECEIVING_YARDS, 1000);
    // WR yards 1,300, general sensitivity 150 %: m = trunc((-15,000 + 50) / 100)
    // = -149, less 1 (150 not a multiple of 100, one negative) = -150;
    // 1,300 x -150 = -195,000: 195 yards.
    Modify_Predicted_Player_Stats(0, 0, 3, STAT_RECEIVING_YARDS, -100, 4, 0);
    EXPECT_EQ(Get_Player_Stat(0, 0, 3, STAT_RECEIVING_YARDS), 805);
    // A leg injury (region 0) weighs 120 %: m = -120, 156 yards.
    Set_Player_Stat(0, 0, 3, STAT_RECEIVING_YARDS, 1000);
    Modify_Predicted_Player_Stats(0, 0, 3, STAT_RECEIVING_YARDS, -100, 0, 0);
    EXPECT_EQ(Get_Player_Stat(0, 0, 3, STAT_RECEIVING_YARDS), 844);
    // An arm injury (region 1), 180 %: m = 180 up; 1,300 x 180 = 234,000.
    Set_Player_Stat(0, 0, 3, STAT_RECEIVING_YARDS, 1000);
    Modify_Predicted_Player_Stats(0, 0, 3, STAT_RECEIVING_YARDS, 100, 1, 0);
    EXPECT_EQ(Get_Player_Stat(0, 0, 3, STAT_RECEIVING_YARDS), 1234);
    // A region outside the table reads as the general case.
    Set_Player_Stat(0, 0, 3, STAT_RECEIVING_YARDS, 1000);
    Modify_Predicted_Player_Stats(0, 0, 3, STAT_RECEIVING_YARDS, -100, 9, 0);
    EXPECT_EQ(Get_Player_Stat(0, 0, 3, STAT_RECEIVING_YARDS), 805);
}

TEST_F(DevelopmentTest, PredictedStatisticRoundsItsRemainderAtTheMiddleWithoutChance)
{
    Put_Player(0, 0, 1, POSITION_QB);
    Set_Player_Stat(0, 0, 3, STAT_INTERCEPTIONS_THROWN, 10);
    // QB interceptions (8 a season), general -100 %: +50 gives m = -49,
    // -392: below the middle remainder 500, nothing.
    Modify_Predicted_Player_Stats(0, 0, 3, STAT_INTERCEPTIONS_THROWN, 50, 4, 0);
    EXPECT_EQ(Get_Player_Stat(0, 0, 3, STAT_INTERCEPTIONS_THROWN), 10);
    // +100 gives m = -99, -792: one fewer.
    Modify_Predicted_Player_Stats(0, 0, 3, STAT_INTERCEPTIONS_THROWN, 100, 4, 0);
    EXPECT_EQ(Get_Player_Stat(0, 0, 3, STAT_INTERCEPTIONS_THROWN), 9);
    // A positive remainder: QB attempts 450 at 25 %, +100: m = 25, 11,250:
    // 11 and 250 left, under 500.
    Set_Player_Stat(0, 0, 3, STAT_PASS_ATTEMPTS, 500);
    Modify_Predicted_Player_Stats(0, 0, 3, STAT_PASS_ATTEMPTS, 100, 4, 0);
    EXPECT_EQ(Get_Player_Stat(0, 0, 3, STAT_PASS_ATTEMPTS), 511);
    // +300: m = 75, 33,750: 33 and 750 left, over 500: 34.
    Modify_Predicted_Player_Stats(0, 0, 3, STAT_PASS_ATTEMPTS, 300, 4, 0);
    EXPECT_EQ(Get_Player_Stat(0, 0, 3, STAT_PASS_ATTEMPTS), 545);
}

TEST_F(DevelopmentTest, APredictedStatisticNeverFallsBelowHalfInOneStep)
{
    Put_Player(0, 0, 1, POSITION_RB);
    Set_Player_Stat(0, 0, 3, STAT_RUSHING_YARDS, 100);
    // 1,440 x -99 = -142,560: 100 - 143 = -43 < 50; the proportional rule:
    // trunc((100 x 901 + 500) / 1000) = 90.
    Modify_Predicted_Player_Stats(0, 0, 3, STAT_RUSHING_YARDS, -100, 4, 0);
    EXPECT_EQ(Get_Player_Stat(0, 0, 3, STAT_RUSHING_YARDS), 90);
    // Nothing stays nothing.
    Set_Player_Stat(0, 0, 3, STAT_RUSHING_YARDS, 0);
    Modify_Predicted_Player_Stats(0, 0, 3, STAT_RUSHING_YARDS, -900, 4, 0);
    EXPECT_EQ(Get_Player_Stat(0, 0, 3, STAT_RUSHING_YARDS), 0);
}

TEST_F(DevelopmentTest, PredictedStatisticWithChanceDrawsOnceAndRoundsByTheDraw)
{
    Put_Player(0, 0, 1, POSITION_RB);
    for (uint32_t nSeed = 1; nSeed <= 20; ++nSeed) {
        Set_Player_Stat(0, 0, 3, STAT_RUSHING_YARDS, 1000);
        const int r = static_cast<int>(Nth_Fraction(nSeed, 1) * 1000.0);
        const double u2 = Nth_Fraction(nSeed, 2);
        Seed_Random_Numbers(nSeed);
        // -8: m = -7, -10,080: 10 yards, an 11th when r < 80.
        Modify_Predicted_Player_Stats(0, 0, 3, STAT_RUSHING_YARDS, -8, 4, 1);
        EXPECT_EQ(Get_Player_Stat(0, 0, 3, STAT_RUSHING_YARDS), r < 80 ? 989 : 990) << nSeed;
        EXPECT_EQ(Random_Word_To_Fraction(Generate_Random_Number()), u2);
    }
}

TEST_F(DevelopmentTest, PredictedStatisticRefusalsAndTheTooLargeModifierLog)
{
    SCRATCH_FOLDER Folder("development");
    Put_Player(0, 0, 1, 15);   // no base position: untouched, no draw
    Set_Player_Stat(0, 0, 3, STAT_RUSHING_YARDS, 1000);
    const double u1 = Nth_Fraction(3, 1);
    Seed_Random_Numbers(3);
    Modify_Predicted_Player_Stats(0, 0, 3, STAT_RUSHING_YARDS, -100, 4, 1);
    EXPECT_EQ(Get_Player_Stat(0, 0, 3, STAT_RUSHING_YARDS), 1000);
    EXPECT_EQ(Random_Word_To_Fraction(Generate_Random_Number()), u1);

    Put_Player(0, 1, 2, POSITION_RB);
    Set_Player_Stat(0, 1, 3, STAT_GAMES_PLAYED, 16);
    Modify_Predicted_Player_Stats(0, 1, 3, STAT_GAMES_PLAYED, 951, 4, 0);
    // Applied all the same: 16 x 951 = 15,216: 15 more games.
    EXPECT_EQ(Get_Player_Stat(0, 1, 3, STAT_GAMES_PLAYED), 31);
    bool bFound = false;
    for (const std::string& Line : Read_Debug_Log_Lines(true))
        bFound |= Line.find("Modifier too large in Modify_Predicted_Player_Stats(0,1,3,951,4)") != std::string::npos;
    EXPECT_TRUE(bFound);
    EXPECT_EQ(Errors_Reported(), 0);
    Modify_Predicted_Player_Stats(0, 1, 3, 20, 10, 4, 0);
    EXPECT_EQ(Errors_Reported(), 1);
}

}  // namespace
