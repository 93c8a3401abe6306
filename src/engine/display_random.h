// A small random source for choices that only the display needs (which of
// several equivalent sentences to show, and the like). It never touches the
// game's generator, so a game draws the same numbers whether anyone watches
// it or not.
//
// SplitMix64: one 64-bit word of state, seeded by the caller, so the same
// seed always gives the same sequence.
#pragma once

#include <cstdint>

struct DISPLAY_RANDOM {
    uint64_t nState;
};

void Seed_Display_Random(DISPLAY_RANDOM* pRandom, uint64_t nSeed);
// The next 32-bit word.
uint32_t Next_Display_Random(DISPLAY_RANDOM* pRandom);
// trunc(n * u) with u = word * 2^-32: 0..n-1 for n > 0, 0 otherwise.
int Get_Display_Random_Below(DISPLAY_RANDOM* pRandom, int n);
