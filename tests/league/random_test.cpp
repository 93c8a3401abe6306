// The generator against an independent reference, the draws built on it, and
// the arithmetic helpers at their edges.
//
// The reference outputs below were printed by tests/league/tools/mt_reference.py,
// a separate Python implementation of the 1998 MT19937 with its 69069 seeding,
// which checks itself against CPython's own generator loaded with that state.

#include <climits>
#include <cstdint>

#include "league/random.h"
#include "league/league_structure.h"
#include "test_support.h"

namespace {

constexpr uint32_t SEED_4357_FIRST[5] = {2867219139u, 1585203162u, 3113124129u, 2953900839u, 2463794868u};
constexpr uint32_t SEED_4357_1000TH = 1030650439u;
constexpr uint32_t SEED_12345_FIRST[5] = {3490534064u, 556046109u, 1094189687u, 3331274444u, 114426109u};
constexpr uint32_t SEED_12345_1000TH = 3555907744u;

void Expect_Reference_Run(const uint32_t (&First)[5], uint32_t nThousandth)
{
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(Generate_Random_Number(), First[i]) << "draw " << i + 1;
    for (int i = 6; i < 1000; i++)
        Generate_Random_Number();
    EXPECT_EQ(Generate_Random_Number(), nThousandth);
}

}  // namespace

TEST(RandomGenerator, MatchesReferenceSequences)
{
    Seed_Random_Numbers(4357);
    Expect_Reference_Run(SEED_4357_FIRST, SEED_4357_1000TH);

    Seed_Random_Numbers(12345);
    Expect_Reference_Run(SEED_12345_FIRST, SEED_12345_1000TH);

    // Seeding again restarts the sequence, whatever was drawn before.
    Seed_Random_Numbers(12345);
    EXPECT_EQ(Generate_Random_Number(), SEED_12345_FIRST[0]);
}

TEST(RandomGenerator, UnseededStartsAsSeed4357)
{
    Forget_Random_Seed();
    Expect_Reference_Run(SEED_4357_FIRST, SEED_4357_1000TH);
}

TEST(RandomDraws, ScaleTheFractionAndDrawOnce)
{
    // Fractions of the seed-4357 outputs: 0.66758, 0.36908, 0.72483, 0.68776,
    // 0.57365, worked out by hand from the reference words / 2^32.
    Seed_Random_Numbers(4357);
    EXPECT_EQ(Get_Random_Below(10), 6);
    EXPECT_EQ(Get_Random_Below(100), 36);
    EXPECT_EQ(Get_Random_In_Range(10, 16), 15);   // 10 + trunc(0.72483 * 7)
    EXPECT_FLOAT_EQ(Get_Random_Float(2.5f), 1.7193966f);
    EXPECT_EQ(Get_Random_Below(-10), -5);          // truncation toward zero

    // Degenerate bounds still draw exactly once each.
    Seed_Random_Numbers(4357);
    EXPECT_EQ(Get_Random_Below(0), 0);
    EXPECT_EQ(Get_Random_Below(1), 0);
    EXPECT_EQ(Get_Random_In_Range(5, 5), 5);
    EXPECT_EQ(Get_Random_Float(-3.0f), 0.0f);
    EXPECT_EQ(Generate_Random_Number(), SEED_4357_FIRST[4]);

    // Two factors per mille: 1000 + 133 - 100 = 1033, then 1000 + 73 - 100 =
    // 973; 1033 * 973 / 1000 = 1005.109 -> 1005; 5000 * 1.005 = 5025.
    Seed_Random_Numbers(4357);
    EXPECT_EQ(Get_Random_Around(5000, 100), 5025);
    EXPECT_EQ(Generate_Random_Number(), SEED_4357_FIRST[2]);
}

TEST(RandomDraws, StayWithinBounds)
{
    Seed_Random_Numbers(12345);
    bool bSeenLow = false, bSeenHigh = false;
    for (int i = 0; i < 20000; i++) {
        int n = Get_Random_Below(7);
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 6);
        bSeenLow |= n == 0;
        bSeenHigh |= n == 6;
        int r = Get_Random_In_Range(-3, 3);
        ASSERT_GE(r, -3);
        ASSERT_LE(r, 3);
        float f = Get_Random_Float(1.0f);
        ASSERT_GE(f, 0.0f);
        ASSERT_LE(f, 1.0f);
    }
    EXPECT_TRUE(bSeenLow && bSeenHigh);
    // The largest word gives a fraction below 1, so the top index is n - 1.
    EXPECT_LT(Random_Word_To_Fraction(0xFFFFFFFFu), 1.0);
    EXPECT_EQ(static_cast<int>(Random_Word_To_Fraction(0xFFFFFFFFu) * 1000), 999);
    EXPECT_EQ(Random_Word_To_Fraction(0), 0.0);
    // The full int range does not overflow its width.
    for (int i = 0; i < 100; i++)
        (void)Get_Random_In_Range(INT_MIN, INT_MAX);
}

TEST(ArithmeticMulDiv, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(Mul_Div_Rounded(7, 1, 2), 4);
    EXPECT_EQ(Mul_Div_Rounded(-3, 1, 2), -2);
    EXPECT_EQ(Mul_Div_Rounded(3, 1, -2), -2);
    EXPECT_EQ(Mul_Div_Rounded(-3, -1, 2), 2);
    EXPECT_EQ(Mul_Div_Rounded(-3, -1, -2), -2);
    EXPECT_EQ(Mul_Div_Rounded(1, 1, 3), 0);
    EXPECT_EQ(Mul_Div_Rounded(2, 1, 3), 1);
    EXPECT_EQ(Mul_Div_Rounded(-2, 1, 3), -1);
    EXPECT_EQ(Mul_Div_Rounded(-1, 1, 3), 0);
    // Small negative quotients round to 0, exact ones stay exact.
    EXPECT_EQ(Mul_Div_Rounded(-1, 1, 4), 0);
    EXPECT_EQ(Mul_Div_Rounded(-2, 3, 3), -2);
    EXPECT_EQ(Mul_Div_Rounded(6, -4, 8), -3);
    EXPECT_EQ(Mul_Div_Rounded(0, -5, 3), 0);
    // A zero divisor gives 0 whatever the signs.
    EXPECT_EQ(Mul_Div_Rounded(5, 3, 0), 0);
    EXPECT_EQ(Mul_Div_Rounded(-5, 3, 0), 0);
}

TEST(ArithmeticMulDiv, Uses64BitProductsAndSaturates)
{
    EXPECT_EQ(Mul_Div_Rounded(100000, 100000, 1000), 10000000);
    EXPECT_EQ(Mul_Div_Rounded(1000000, 3000, 7), 428571429);   // 428,571,428.57
    EXPECT_EQ(Mul_Div_Rounded(-1000000, 3000, 7), -428571429);
    EXPECT_EQ(Mul_Div_Rounded(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(Mul_Div_Rounded(INT_MIN, INT_MIN, INT_MIN), INT_MIN);
    EXPECT_EQ(Mul_Div_Rounded(INT_MIN, INT_MAX, INT_MAX), INT_MIN);
    EXPECT_EQ(Mul_Div_Rounded(INT_MAX, 3, 2), INT_MAX);
    EXPECT_EQ(Mul_Div_Rounded(INT_MIN, 1, -1), INT_MAX);
    EXPECT_EQ(Mul_Div_Rounded(INT_MIN, INT_MIN, 1), INT_MAX);
    EXPECT_EQ(Mul_Div_Rounded(INT_MIN, INT_MAX, 1), INT_MIN);
}

TEST(ArithmeticSqrt, RoundsAndLimits)
{
    EXPECT_EQ(Get_Rounded_Sqrt(0), 0);
    EXPECT_EQ(Get_Rounded_Sqrt(1), 1);
    EXPECT_EQ(Get_Rounded_Sqrt(2), 1);            // 1.414
    EXPECT_EQ(Get_Rounded_Sqrt(3), 2);            // 1.732
    // Around the halfway point 3.5 (12.25): 12 rounds down, 13 up.
    EXPECT_EQ(Get_Rounded_Sqrt(12), 3);
    EXPECT_EQ(Get_Rounded_Sqrt(13), 4);
    EXPECT_EQ(Get_Rounded_Sqrt(16), 4);
    EXPECT_EQ(Get_Rounded_Sqrt(30), 5);           // 5.477
    EXPECT_EQ(Get_Rounded_Sqrt(31), 6);           // 5.568
    EXPECT_EQ(Get_Rounded_Sqrt(-10), -3);
    EXPECT_EQ(Get_Rounded_Sqrt(-13), -4);
    EXPECT_EQ(Get_Rounded_Sqrt(1000000000), 31623);
    EXPECT_EQ(Get_Rounded_Sqrt(2000000000), 31623);
    EXPECT_EQ(Get_Rounded_Sqrt(INT_MAX), 31623);
    EXPECT_EQ(Get_Rounded_Sqrt(INT_MIN), -31623);
    EXPECT_EQ(Get_Rounded_Sqrt(999950884), 31622);   // 31,622 squared
}

TEST(ArithmeticBands, ValueBandsClamp)
{
    EXPECT_EQ(Get_Value_Band(-1000), 0);
    EXPECT_EQ(Get_Value_Band(1000), 8);      // 1029 / 59 = 17, 17 - 9
    EXPECT_EQ(Get_Value_Band(560), 0);       // 589 / 59 = 9
    EXPECT_EQ(Get_Value_Band(561), 1);       // 590 / 59 = 10
    EXPECT_EQ(Get_Value_Band(1300), 13);
    EXPECT_EQ(Get_Value_Band(INT_MAX), 13);
    EXPECT_EQ(Get_Value_Band(INT_MIN), 0);
}

class ArithmeticRank : public LeagueTest {};

TEST_F(ArithmeticRank, RankScoresAreSymmetric)
{
    // 32 franchises in use: slots 32-35 have no controller.
    for (int t = 32; t < MAX_FRANCHISES; t++)
        League.Team[t].nTeamStat[2] = -1;
    ASSERT_EQ(Count_Teams(), 32);
    EXPECT_EQ(Scale_Rank_To_Score(0), 14);    // 7 * 31 / 32 = 6.78 -> 7
    EXPECT_EQ(Scale_Rank_To_Score(31), 0);
    EXPECT_EQ(Scale_Rank_To_Score(15), 7);    // 7 * 1 / 32 -> 0
    // 7 * -1 / 32 = -0.22 rounds to 0 as well: the middle two ranks share 7.
    EXPECT_EQ(Scale_Rank_To_Score(16), 7);
    EXPECT_EQ(Scale_Rank_To_Score(8), 10);    // 7 * 15 / 32 = 3.28 -> 3
    EXPECT_EQ(Scale_Rank_To_Score(23), 4);    // -3.28 -> -3
    EXPECT_EQ(Scale_Rank_To_Score(-100), 14);
    EXPECT_EQ(Scale_Rank_To_Score(100), 0);
}
