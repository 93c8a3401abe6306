// The weather word of a game from its sky value and temperature.

#include "engine/weather.h"

#include <algorithm>

int Get_Weather_Condition(int nSky, int nTemperature)
{
    const int s = std::clamp(nSky, 0, 144);
    if (s < WEATHER_CLOUDY_SKY)
        return WEATHER_SUNNY;
    if (s < WEATHER_WET_SKY)
        return WEATHER_CLOUDS;
    const bool bHeavy = s >= WEATHER_HEAVY_SKY;
    if (nTemperature <= 28)
        return bHeavy ? WEATHER_SNOW : WEATHER_FLURRIES;
    if (nTemperature <= 34)
        return bHeavy ? WEATHER_SLEET : WEATHER_MIXED;
    // Thunderstorms need warm air; a cold downpour stays rain.
    return bHeavy && nTemperature >= 50 ? WEATHER_STORMS : WEATHER_RAIN;
}

int Get_Game_Weather_Condition(const GAME* pGame)
{
    if (!pGame)
        return WEATHER_SUNNY;
    return Get_Weather_Condition(static_cast<int16_t>(pGame->nWeatherDraw), pGame->nTemperature);
}
