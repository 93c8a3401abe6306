#include "league/league_norms.h"

#include <cstring>

#include "league/league_data.h"

namespace {

constexpr int16_t NORM_DEFAULTS[LEAGUE_NORM_COUNT] = {420, 625, 1120, 2350, 30, 70, 800};
static_assert(LEAGUE_NORMS_OFFSET + sizeof(int16_t) * LEAGUE_NORM_COUNT <= SEASON_BOOKKEEPING_SIZE);

int16_t Stored_Norm(int nIndex)
{
    int16_t nValue;
    std::memcpy(&nValue, League.SeasonBookkeeping + LEAGUE_NORMS_OFFSET + nIndex * sizeof(int16_t), sizeof(nValue));
    return nValue;
}

}  // namespace

int Get_League_Norm(int nField)
{
    if (nField < 1 || nField > LEAGUE_NORM_COUNT)
        return 0;
    if (!Are_League_Norms_Kept())
        return NORM_DEFAULTS[nField - 1];
    return Stored_Norm(nField - 1);
}

bool Are_League_Norms_Kept()
{
    for (int i = 0; i < LEAGUE_NORM_COUNT; ++i)
        if (Stored_Norm(i) != 0)
            return true;
    return false;
}

void Set_League_Norms(const int16_t (&nNorms)[LEAGUE_NORM_COUNT])
{
    Set_Season_Bookkeeping_Bytes(LEAGUE_NORMS_OFFSET, nNorms, sizeof(nNorms));
}

int Get_Default_League_Norm(int nField)
{
    return nField >= 1 && nField <= LEAGUE_NORM_COUNT ? NORM_DEFAULTS[nField - 1] : 0;
}
