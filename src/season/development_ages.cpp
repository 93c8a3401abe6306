// Development values every player starts a built league with.

#include "season/development_ages.h"

#include <algorithm>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/team.h"

namespace {

constexpr int EQUAL_DEVELOPMENT_RATE = 100;
constexpr int EQUAL_DEVELOPMENT_AGE = 26;
constexpr int PEAK_AGE[NUMBER_OF_POSITIONS] = {32, 27, 29, 29, 29, 28, 30, 29, 29, 30, 29, 28, 28, 35, 35};

}  // namespace

int Get_Position_Peak_Age(int nPosition, int nYear)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return EQUAL_DEVELOPMENT_AGE;
    int nAge = PEAK_AGE[nPosition];
    if (nPosition == POSITION_QB)
        nAge += std::max(0, (nYear - 1950) / 20);
    return nAge;
}

void Reset_Player_Development_Ages()
{
    const int nYear = Get_Current_Year();
    For_Each_Player_In_Use([nYear](int t, int s) {
        Set_Player_Vital_Stat(t, s, VITAL_LONGEVITY, EQUAL_DEVELOPMENT_RATE);
        Set_Player_Vital_Stat(t, s, VITAL_POTENTIAL, EQUAL_DEVELOPMENT_RATE);
        Set_Player_Vital_Stat(t, s, VITAL_PEAK_START, EQUAL_DEVELOPMENT_AGE);
        Set_Player_Vital_Stat(t, s, VITAL_PEAK_END, Get_Position_Peak_Age(Get_Player_Position(t, s), nYear));
    });
}
