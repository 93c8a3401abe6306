#include "engine/display_random.h"

#include "base/random.h"

void Seed_Display_Random(DISPLAY_RANDOM* pRandom, uint64_t nSeed)
{
    if (pRandom)
        pRandom->nState = nSeed;
}

uint32_t Next_Display_Random(DISPLAY_RANDOM* pRandom)
{
    if (!pRandom)
        return 0;
    pRandom->nState += 0x9E3779B97F4A7C15ULL;
    uint64_t z = pRandom->nState;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<uint32_t>(z >> 32);
}

int Get_Display_Random_Below(DISPLAY_RANDOM* pRandom, int n)
{
    if (n <= 0)
        return 0;
    const int k = static_cast<int>(Random_Word_To_Fraction(Next_Display_Random(pRandom)) * n);
    return k < n ? k : n - 1;
}
