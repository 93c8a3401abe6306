// The game's random generator (the 1998 reference MT19937 with its 69069
// initialisation) and the integer helpers built on it.
//
// The state is a process global outside LEAGUE_DATA: it is neither saved nor
// restored with a game. std::mt19937 is not used because its seeding differs,
// and a given seed must give the reference sequence.

#include "base/random.h"

#include <cmath>
#include <cstdint>

#include "base/int_math.h"

namespace random_detail {

uint32_t g_nWord[MT_WORDS];
int g_nIndex = MT_WORDS + 1;

}  // namespace random_detail

namespace {

using random_detail::g_nIndex;
using random_detail::g_nWord;
using random_detail::MT_WORDS;
constexpr int MT_MIDDLE = 397;
constexpr uint32_t MT_MATRIX = 0x9908B0DFu;
constexpr uint32_t MT_UPPER_MASK = 0x80000000u;
constexpr uint32_t MT_LOWER_MASK = 0x7FFFFFFFu;
constexpr int MT_NEVER_SEEDED = MT_WORDS + 1;
constexpr uint32_t MT_DEFAULT_SEED = 4357;

inline uint32_t Twist(uint32_t nUpper, uint32_t nLower, uint32_t nFar)
{
    uint32_t y = (nUpper & MT_UPPER_MASK) | (nLower & MT_LOWER_MASK);
    return nFar ^ (y >> 1) ^ ((y & 1u) ? MT_MATRIX : 0u);
}

void Regenerate_Words()
{
    int k = 0;
    for (; k < MT_WORDS - MT_MIDDLE; k++)
        g_nWord[k] = Twist(g_nWord[k], g_nWord[k + 1], g_nWord[k + MT_MIDDLE]);
    for (; k < MT_WORDS - 1; k++)
        g_nWord[k] = Twist(g_nWord[k], g_nWord[k + 1], g_nWord[k + MT_MIDDLE - MT_WORDS]);
    g_nWord[MT_WORDS - 1] = Twist(g_nWord[MT_WORDS - 1], g_nWord[0], g_nWord[MT_MIDDLE - 1]);
    g_nIndex = 0;
}

// trunc(U * fScale) for the next draw, as a 64-bit integer.
inline int64_t Draw_Scaled(double fScale)
{
    return static_cast<int64_t>(Random_Word_To_Fraction(Generate_Random_Number()) * fScale);
}

}  // namespace

void Seed_Random_Numbers(uint32_t nSeed)
{
    uint32_t s = nSeed;
    for (int i = 0; i < MT_WORDS; i++) {
        uint32_t nHigh = s & 0xFFFF0000u;
        s = s * 69069u + 1u;
        g_nWord[i] = nHigh | (s >> 16);
        s = s * 69069u + 1u;
    }
    g_nIndex = MT_WORDS;
}

void random_detail::Refill_Words()
{
    if (g_nIndex == MT_NEVER_SEEDED)
        Seed_Random_Numbers(MT_DEFAULT_SEED);
    Regenerate_Words();
}

void Forget_Random_Seed()
{
    g_nIndex = MT_NEVER_SEEDED;
}

int Get_Random_In_Range(int nLow, int nHigh)
{
    // The width in 64 bits: hi - lo + 1 overflows int for wide ranges.
    int64_t nWidth = static_cast<int64_t>(nHigh) - nLow + 1;
    return Clamp_To_Int(nLow + Draw_Scaled(static_cast<double>(nWidth)));
}

float Get_Random_Float(float fMax)
{
    float f = static_cast<float>(Random_Word_To_Fraction(Generate_Random_Number()) * fMax);
    return f > 0.0f ? f : 0.0f;
}

int Get_Random_Around(int nValue, int nSpread)
{
    int f = 1000;
    for (int i = 0; i < 2; i++) {
        int64_t t = Draw_Scaled(2.0 * nSpread) - nSpread + 1000;
        f = Mul_Div_Rounded(f, Clamp_To_Int(t), 1000);
    }
    return Mul_Div_Rounded(nValue, f, 1000);
}

int Get_Rounded_Sqrt(int x)
{
    constexpr int LIMIT = 1000000000;
    if (x > LIMIT)
        x = LIMIT;
    if (x < -LIMIT)
        x = -LIMIT;
    if (x < 0)
        return -static_cast<int>(std::sqrt(static_cast<double>(-x)) + 0.5);
    return static_cast<int>(std::sqrt(static_cast<double>(x)) + 0.5);
}

int Get_Value_Band(int x)
{
    int64_t nBand = (static_cast<int64_t>(x) + 29) / 59 - 9;
    if (nBand < 0)
        return 0;
    if (nBand > 13)
        return 13;
    return static_cast<int>(nBand);
}
