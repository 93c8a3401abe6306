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

// The next MT19937 output. Seeds itself with 4357 when never seeded.
uint32_t Generate_Random_Number();

// Returns the generator to its never-seeded state, as at program start.
void Forget_Random_Seed();

// u * 2^-32 in double precision: the one rule for random fractions.
// Pure conversion, draws nothing.
inline double Random_Word_To_Fraction(uint32_t nWord)
{
    return static_cast<double>(nWord) * (1.0 / 4294967296.0);
}

// trunc(U * n): 0..n-1 for n > 0 (0 for n = 0). Draws once on every call.
int Get_Random_Below(int n);
// nLow + trunc(U * (nHigh - nLow + 1)). Draws once.
int Get_Random_In_Range(int nLow, int nHigh);
// (float)(U * fMax) when that is above 0, else 0.0. Draws once.
float Get_Random_Float(float fMax);
// nValue scaled by two random factors of 1000 +/- nSpread per mille
// (a centred, triangular spread). Draws twice.
int Get_Random_Around(int nValue, int nSpread);

// a * b / c in 64 bits, rounded half away from zero; an exact quotient is
// exact; a divisor of 0 gives 0. The result is cut to 32 bits.
int Mul_Div_Rounded(int a, int b, int c);

// Mul_Div_Rounded for a product that fits 64 bits: the same rounding, half
// away from zero, and the same 32-bit saturation, without the 128-bit
// division; inline for the play calling's inner loops.
inline int Mul_Div_Rounded_64(int64_t a, int64_t b, int64_t c)
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

// The rounded square root, x limited to +/-1,000,000,000; for negative x the
// negated root of -x (Get_Rounded_Sqrt(-10) = -3).
int Get_Rounded_Sqrt(int x);

// clamp(trunc((x + 29) / 59) - 9, 0, 13).
int Get_Value_Band(int x);
