// Small integer helpers shared by the money, rating and rank code: holding a
// 64-bit intermediate within the int range, and the one rounding rule of the
// formulas' ratios (half away from zero).
//
// Include only from .cpp files, so that no file meets these names through
// another header.
#pragma once

#include <cstdint>
#include <limits>

// n held within [nLow, nHigh].
constexpr bool In_Range(int64_t n, int64_t nLow, int64_t nHigh)
{
    return n >= nLow && n <= nHigh;
}

// A 64-bit intermediate held within the 32-bit int range.
constexpr int Clamp_To_Int(int64_t n)
{
    if (n > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (n < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return static_cast<int>(n);
}

// nNumerator / nDivisor rounded half away from zero (an exact quotient stays
// exact), 0 for a zero divisor. The numerator may be a full 64 x 64-bit
// product; the rounding works on magnitudes, so a negative quotient rounds
// like a positive one, and a quotient beyond 64 bits saturates.
constexpr int64_t Divide_Rounded(__int128 nNumerator, int64_t nDivisor)
{
    if (nDivisor == 0)
        return 0;
    using WIDE = unsigned __int128;
    const WIDE nMagnitude = nNumerator < 0 ? static_cast<WIDE>(-nNumerator) : static_cast<WIDE>(nNumerator);
    const WIDE nDivide = nDivisor < 0 ? static_cast<WIDE>(-static_cast<__int128>(nDivisor)) : static_cast<WIDE>(nDivisor);
    const WIDE q = (nMagnitude + nDivide / 2) / nDivide;
    const int64_t nResult = q > static_cast<WIDE>(std::numeric_limits<int64_t>::max())
                                ? std::numeric_limits<int64_t>::max()
                                : static_cast<int64_t>(q);
    return (nNumerator < 0) != (nDivisor < 0) ? -nResult : nResult;
}

// a * b / C rounded half away from zero and held within the int range, for a
// divisor C above 0 fixed where it is written: the rounding and saturation of
// Mul_Div_Rounded_64 (random.h) to the bit, with the division always one by
// a constant, which the compiler turns into a multiplication. The product
// must fit 64 bits, as there.
template <int64_t C>
constexpr int Mul_Div_Rounded_By(int64_t a, int64_t b)
{
    static_assert(C > 0, "a constant divisor above 0");
    const int64_t n = a * b;
    const uint64_t nMagnitude = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    const uint64_t q = (nMagnitude + static_cast<uint64_t>(C / 2)) / static_cast<uint64_t>(C);
    return Clamp_To_Int(n < 0 ? -static_cast<int64_t>(q) : static_cast<int64_t>(q));
}
