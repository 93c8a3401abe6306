#!/usr/bin/env python3
"""Independent reference for the game's random generator.

The 1998 reference MT19937 with its two-step 69069 initialisation, written
from the published algorithm without looking at the C++ code. Its output was
pasted as literals into tests/league/random_test.cpp:

    python3 tests/league/tools/mt_reference.py

prints, for the seeds 4357 and 12345, the first five outputs and the 1000th.
"""

N, M = 624, 397
MASK32 = 0xFFFFFFFF


def seeded_state(seed):
    state = []
    s = seed & MASK32
    for _ in range(N):
        high = s & 0xFFFF0000
        s = (69069 * s + 1) & MASK32
        low = (s & 0xFFFF0000) >> 16
        s = (69069 * s + 1) & MASK32
        state.append(high | low)
    return state


def outputs(seed, count):
    mt = seeded_state(seed)
    index = N
    result = []
    while len(result) < count:
        if index >= N:
            for k in range(N):
                y = (mt[k] & 0x80000000) | (mt[(k + 1) % N] & 0x7FFFFFFF)
                mt[k] = mt[(k + M) % N] ^ (y >> 1) ^ (0x9908B0DF if y & 1 else 0)
            index = 0
        y = mt[index]
        index += 1
        y ^= y >> 11
        y ^= (y << 7) & 0x9D2C5680
        y ^= (y << 15) & 0xEFC60000
        y ^= y >> 18
        result.append(y & MASK32)
    return result


if __name__ == "__main__":
    for seed in (4357, 12345):
        values = outputs(seed, 1000)
        print(f"seed {seed}: first five {values[:5]}, 1000th {values[999]}")
