// The constant-divisor product and quotient: hand-worked roundings half away
// from zero, the int range held, and the same result as the general form for
// every value the play search and the run chance can meet.

#include <gtest/gtest.h>

#include <cstdint>

#include "base/int_math.h"
#include "base/random.h"

namespace {

TEST(MulDivRoundedBy, RoundsHalfAwayFromZeroAndHoldsTheIntRange)
{
    // 4096 x 250000 / 1000000 = 1024 exactly; 7 x 35 / 100 = 2.45 -> 2;
    // 9 x 35 / 100 = 3.15 -> 3; 3 x 50 / 100 = 1.5 -> 2; -1.5 -> -2.
    EXPECT_EQ(Mul_Div_Rounded_By<1000000>(4096, 250000), 1024);
    EXPECT_EQ(Mul_Div_Rounded_By<100>(7, 35), 2);
    EXPECT_EQ(Mul_Div_Rounded_By<100>(9, 35), 3);
    EXPECT_EQ(Mul_Div_Rounded_By<100>(3, 50), 2);
    EXPECT_EQ(Mul_Div_Rounded_By<100>(-3, 50), -2);
    EXPECT_EQ(Mul_Div_Rounded_By<100>(3, -50), -2);
    EXPECT_EQ(Mul_Div_Rounded_By<100>(-3, -50), 2);
    // 1 x 14 / 28 = 0.5 -> 1; 13 / 28 = 0.46 -> 0; 0 stays 0.
    EXPECT_EQ(Mul_Div_Rounded_By<28>(1, 14), 1);
    EXPECT_EQ(Mul_Div_Rounded_By<28>(1, 13), 0);
    EXPECT_EQ(Mul_Div_Rounded_By<28>(0, -13), 0);
    // 150 - |f - g| weighed out of 150: 75 x 1000 / 150 = 500.
    EXPECT_EQ(Mul_Div_Rounded_By<150>(75, 1000), 500);
    // Beyond the int range: held at its ends.
    EXPECT_EQ(Mul_Div_Rounded_By<1>(INT32_MAX, 2), INT32_MAX);
    EXPECT_EQ(Mul_Div_Rounded_By<10>(-3000000000LL, 100), INT32_MIN);
    EXPECT_EQ(Mul_Div_Rounded_By<10>(2147483647LL, 10), INT32_MAX);
    static_assert(Mul_Div_Rounded_By<1000>(1500, 1) == 2);
}

TEST(MulDivRoundedBy, AgreesWithTheGeneralFormEverywhereTheEngineUsesIt)
{
    // Weights up to 4096 times multipliers up to 500^2, per mille values, and
    // negative values on both sides.
    for (int64_t a = -5000; a <= 5000; a += 7) {
        for (int64_t b = -300000; b <= 300000; b += 997) {
            ASSERT_EQ(Mul_Div_Rounded_By<1000000>(a, b), Mul_Div_Rounded_64(a, b, 1000000)) << a << " " << b;
            ASSERT_EQ(Mul_Div_Rounded_By<1000>(a, b), Mul_Div_Rounded_64(a, b, 1000)) << a << " " << b;
            ASSERT_EQ(Mul_Div_Rounded_By<35>(a, b), Mul_Div_Rounded_64(a, b, 35)) << a << " " << b;
        }
    }
    for (int64_t a = -2000; a <= 2000; ++a)
        for (int64_t b : {-1000, -51, -1, 0, 1, 8, 25, 35, 65, 120, 900, 1000})
            ASSERT_EQ(Mul_Div_Rounded_By<100>(a, b), Mul_Div_Rounded_64(a, b, 100)) << a << " " << b;
}

}  // namespace
