// Small services of the pass and run resolution: who is credited with a sack
// (half-sacks when two defenders share it) and who is charged with allowing
// it, the weather factor of a pass and the ball-security figure of a carrier.
// The per-player event weight of the event-player draw is
// Get_Blended_Stat_Frequency in event_players.h.
#pragma once

#include "league/game_record.h"

// The game's weather, as the weather service reports it.
constexpr int GAME_WEATHER_CLOUDS = 0;
constexpr int GAME_WEATHER_FLURRIES = 1;
constexpr int GAME_WEATHER_MIXED = 2;
constexpr int GAME_WEATHER_RAIN = 3;
constexpr int GAME_WEATHER_SLEET = 4;
constexpr int GAME_WEATHER_SNOW = 5;
constexpr int GAME_WEATHER_STORMS = 6;
constexpr int GAME_WEATHER_SUNNY = 7;

// What these factors read from the kicking rules, the weather service and the
// run calibration. The game loop installs them; an entry left null answers:
// wind factor 1 (calm), clouds, calibration 1, base figure 1.
struct PLAY_FACTOR_SERVICES {
    float (*Get_Wind_Factor)(const GAME* pGame);
    int (*Get_Game_Weather_Condition)(const GAME* pGame);
    // The replay league's rushing calibration (read only in such a league).
    float (*Get_Rushing_Calibration)(const GAME* pGame);
    // The game's base figure of ball carriers' lost fumbles.
    float (*Get_Ball_Carrier_Base_Figure)(const GAME* pGame);
};

// Installs the services (copied); null restores the defaults above.
void Set_Play_Factor_Services(const PLAY_FACTOR_SERVICES* pServices);

// After the pass play has set nPlayYards to the loss: the sacker (and with
// chance 25 in 100 a second defender, each then with half a sack and a tackle
// assist; alone a whole sack and a solo tackle), the teams' sack totals
// (not on a try), the blockers charged, the quarterback's times sacked and
// yards lost. Returns the first sacker's roster slot.
int Credit_Sack(GAME* pGame, int nPasserSlot);
// One draw: one lineman charged four times (25%), two twice (25%), four once
// (25%) or nobody; each further lineman is one event-player draw.
void Charge_Sack_Blockers(GAME* pGame);
// 1.05 under a roof; else by the weather (1.05 dry down to 0.75 in sleet and
// storms) times the mean of the wind factor and 1.
float Get_Pass_Weather_Factor(const GAME* pGame);
// The carrier's chance of a lost fumble per 10,000 plays: the base figure
// scaled by his Hands (held in 60-100) and the weather; in a replay league
// divided by the rushing calibration.
int Get_Ball_Security_Figure(const GAME* pGame, int nSlot);
