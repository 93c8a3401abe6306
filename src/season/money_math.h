// The rounding rules of the money formulas. Include only from .cpp files.
#pragma once

#include <cstdint>

#include "base/int_math.h"

// trunc((x x k + d / 2) / d) lowered by 1 when k is not a whole multiple of d
// and exactly one of x and k is negative; 0 for x = 0 or d = 0. In 64 bits,
// held within the int range.
inline int Money_Scale(int64_t x, int64_t k, int64_t d)
{
    if (x == 0 || d == 0)
        return 0;
    int64_t n = (x * k + d / 2) / d;
    if (k % d != 0 && ((x < 0) != (k < 0)))
        --n;
    return Clamp_To_Int(n);
}

// n / d rounded to the nearest, halves up (towards +infinity); 0 for d = 0.
inline int64_t Money_Round_Half_Up(int64_t n, int64_t d)
{
    if (d == 0)
        return 0;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    const int64_t t = 2 * n + d;
    const int64_t q = t / (2 * d);
    return (t % (2 * d) != 0 && t < 0) ? q - 1 : q;   // floor
}

// x rounded up to a multiple of 5 (towards +infinity).
inline int Money_Round_Up_To_5(int64_t x)
{
    int64_t r = x % 5;
    if (r < 0)
        r += 5;
    return Clamp_To_Int(r == 0 ? x : x + (5 - r));
}
