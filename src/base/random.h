// The one random source of the game logic and the small arithmetic helpers
// used for money, ratings and ranks.
//
// Every draw takes the unsigned 32-bit output u of Generate_Random_Number and
// turns it into the fraction u * 2^-32 (double), which lies in [0, 1).
// Conversions of a scaled fraction to an integer truncate toward zero.
#pragma once

#include <algorithm>
#include <cstdint>

// Fills the generator state from the seed (the 69069 initialisation of the
// 1998 reference MT19937); the next draw regenerates the words.
void Seed_Random_Numbers(uint32_t nSeed);

namespace random_detail {
constexpr int MT_WORDS = 624;
// The generator state: the words of the current block and the index of the
// next one to temper (MT_WORDS: block used up; MT_WORDS + 1: never seeded).
extern uint32_t g_nWord[MT_WORDS];
extern int g_nIndex;
// Regenerates the block (seeding with 4357 first when never seeded) and
// sets the index to 0.
void Refill_Words();
}  // namespace random_detail

// The next MT19937 output. Seeds itself with 4357 when never seeded. Inline:
// the game draws thousands of numbers a game, and the call cost as much as
// the tempering.
__attribute__((always_inline)) inline uint32_t Generate_Random_Number()
{
    using namespace random_detail;
    if (__builtin_expect(g_nIndex >= MT_WORDS, 0))
        Refill_Words();
    uint32_t y = g_nWord[g_nIndex++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

// Returns the generator to its never-seeded state, as at program start.
void Forget_Random_Seed();

// u * 2^-32 in double precision: the one rule for random fractions.
// Pure conversion, draws nothing.
inline double Random_Word_To_Fraction(uint32_t nWord)
{
    return static_cast<double>(nWord) * (1.0 / 4294967296.0);
}

// trunc(U * n): 0..n-1 for n > 0 (0 for n = 0). Draws once on every call.
// For 0 <= n <= 2^21 the double product u * 2^-32 * n is exact (u * n has
// fewer than 53 bits), so its truncation is the integer (u * n) >> 32.
__attribute__((always_inline)) inline int Get_Random_Below(int n)
{
    const uint32_t u = Generate_Random_Number();
    if (static_cast<uint32_t>(n) <= (1u << 21))
        return static_cast<int>((static_cast<uint64_t>(u) * static_cast<uint32_t>(n)) >> 32);
    return static_cast<int>(static_cast<int64_t>(Random_Word_To_Fraction(u) * static_cast<double>(n)));
}
// nLow + trunc(U * (nHigh - nLow + 1)). Draws once.
int Get_Random_In_Range(int nLow, int nHigh);
// (float)(U * fMax) when that is above 0, else 0.0. Draws once.
float Get_Random_Float(float fMax);
// nValue scaled by two random factors of 1000 +/- nSpread per mille
// (a centred, triangular spread). Draws twice.
int Get_Random_Around(int nValue, int nSpread);


// Mul_Div_Rounded for a product that fits 64 bits: the same rounding, half
// away from zero, and the same 32-bit saturation, without the 128-bit
// division; inline for the play calling's inner loops.
__attribute__((always_inline)) inline int Mul_Div_Rounded_64(int64_t a, int64_t b, int64_t c)
{
    if (c == 0)
        return 0;
    const int64_t n = a * b;
    const uint64_t nMagnitude = n < 0 ? static_cast<uint64_t>(-n) : static_cast<uint64_t>(n);
    const uint64_t nDivide = c < 0 ? static_cast<uint64_t>(-c) : static_cast<uint64_t>(c);
    const uint64_t q = (nMagnitude + nDivide / 2) / nDivide;
    const int64_t r = (n < 0) != (c < 0) ? -static_cast<int64_t>(q) : static_cast<int64_t>(q);
    return static_cast<int>(std::clamp<int64_t>(r, INT32_MIN, INT32_MAX));
}

// a * b / c in 64 bits, rounded half away from zero; an exact quotient is
// exact; a divisor of 0 gives 0. The result is cut to 32 bits. The product
// of two ints always fits 64 bits (at most 2^62), so the 64-bit division of
// Mul_Div_Rounded_64 gives the exact rounded quotient.
__attribute__((always_inline)) inline int Mul_Div_Rounded(int a, int b, int c)
{
    return Mul_Div_Rounded_64(a, b, c);
}

// The rounded square root, x limited to +/-1,000,000,000; for negative x the
// negated root of -x (Get_Rounded_Sqrt(-10) = -3).
int Get_Rounded_Sqrt(int x);

// clamp(trunc((x + 29) / 59) - 9, 0, 13).
int Get_Value_Band(int x);
