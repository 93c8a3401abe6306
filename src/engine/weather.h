// The weather word of a game: its sky value (0 clear to 144 the foulest) and
// temperature turned into one of eight conditions, which the kicking, running
// and passing factors and the pages read.
#pragma once

#include "league/game_record.h"

enum WEATHER_CONDITION : int {
    WEATHER_CLOUDS = 0,
    WEATHER_FLURRIES = 1,
    WEATHER_MIXED = 2,
    WEATHER_RAIN = 3,
    WEATHER_SLEET = 4,
    WEATHER_SNOW = 5,
    WEATHER_STORMS = 6,
    WEATHER_SUNNY = 7,
};
constexpr int WEATHER_CONDITION_COUNT = 8;

// Sky values from which the sky is overcast, from which something falls, and
// from which it falls hard.
constexpr int WEATHER_CLOUDY_SKY = 60;
constexpr int WEATHER_WET_SKY = 115;
constexpr int WEATHER_HEAVY_SKY = 132;

// The condition of a sky value and a temperature (degrees Fahrenheit):
// - below WEATHER_CLOUDY_SKY Sunny, below WEATHER_WET_SKY Clouds;
// - wetter than that, by temperature: 28 degrees or less Flurries (Snow from
//   WEATHER_HEAVY_SKY), 29-34 Mixed (Sleet from the heavy sky), above 34 Rain
//   (Storms from the heavy sky when it is 50 degrees or warmer).
// A sky value outside 0-144 is held to that range.
int Get_Weather_Condition(int nSky, int nTemperature);

// The condition of a game: its sky value (nWeatherDraw) and temperature. A
// roof keeps the sky value, so the word stays that of the city's weather.
// Sunny for no record.
int Get_Game_Weather_Condition(const GAME* pGame);
