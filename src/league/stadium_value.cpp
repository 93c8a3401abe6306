#include "league/stadium_value.h"

#include "base/int_math.h"
#include "league/cities.h"
#include "league/team.h"

namespace {

// a x b / d rounded, the product taken whole.
int64_t Scale(int64_t a, int64_t b, int64_t d)
{
    return Divide_Rounded(static_cast<__int128>(a) * b, d);
}

int64_t Structure_Factor(int nStructure)
{
    switch (nStructure) {
    case 1:
        return 1200;   // domed
    case 2:
        return 1500;   // convertible
    default:
        return 1000;   // open
    }
}

}  // namespace

int Get_Stadium_Value(int nTeam)
{
    const int64_t nCapacity = Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_CAPACITY);
    const int nStructure = Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_STRUCTURE);
    const int nSurface = Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_SURFACE);
    const int64_t nConvenience = Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_CONVENIENCE);
    const int64_t nComfort = Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_COMFORT);
    const int64_t nSightLines = Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_SIGHT_LINES);
    const int64_t nPopulation = Get_Team_City_Stat(nTeam, CITY_STAT_POPULATION);
    const int64_t nIncome = Get_Team_City_Stat(nTeam, CITY_STAT_INCOME);

    const int64_t f = Scale(nIncome, 1000, 25000);
    const int64_t g = Scale(nPopulation, f, 1000000);
    const int64_t h = Scale(g, nConvenience, 1000);
    const int64_t k = Scale(f, nComfort, 1000);
    int64_t v = Structure_Factor(nStructure) * (nCapacity + 100000) + (nSurface == 0 ? 10000000 : 0);
    v = Scale(v, h + 1000, 2000);
    v = Scale(v, k + 1000, 2000);
    v = Scale(v, nSightLines + 3000, 4000);
    return Clamp_To_Int(Scale(Divide_Rounded(v, 1000000), 1000000, 1));
}
