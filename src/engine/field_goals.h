// Field goals and extra points: the kicker's accuracy, the distance, the
// league's kicking level of the era and the day's conditions (weather, wind,
// altitude) make a chance of a good kick, drawn once.
#pragma once

#include "league/game_record.h"

// The least the kick weather factor is held at, so that a damaged altitude
// can never make a kick's weather-adjusted distance infinite or negative.
constexpr float KICK_WEATHER_FACTOR_MIN = 0.1f;

// Kicks beyond this weather-adjusted distance (yards) always miss.
constexpr double FIELD_GOAL_MAX_ADJUSTED_DISTANCE = 70.0;

// How far a ball carries today, near 1: 1.025 under a roof, in clouds or sun,
// 0.975 in flurries, 1.0 in mixed weather, 0.95 in rain, 0.9 in sleet, snow
// or storms; plus the wind factor less 1; plus, except in the championship
// game, (the home city's altitude - 500) / 60,000. At least
// KICK_WEATHER_FACTOR_MIN; 1 for no record.
float Get_Kick_Weather_Factor(const GAME* pGame);

// The chance of a good field goal from a weather-adjusted distance x (yards)
// for a kicker of FG Accuracy A (at least 20) and range Rm (yards), with the
// league's field-goal percentage H in tenths (H(124)), before the season
// drift and the 70-yard limit:
//   S = 40 when H / 10 >= 80, else max(25, (H / 10 + 70) / 150 x 40);
//   a = (A - 70) / 1800 + 0.975; b = (A - 70) / 160 + 0.75;
//   x < 20: a; x < S: a to b by t = (x - 20) / S; x up to Rm (when Rm > S):
//   b to 0.65 by t = (x - S) / (Rm - S); beyond: 0.65 - (x - Rm) / 10.
// The inner slope divides by S, not S - 20, as the league's kicking tables
// were tuned; a range at or inside S goes straight to the outer slope.
double Get_Field_Goal_Curve(double x, double A, double Rm, int H);

// The season drift of the field-goal chance: (H / norm)^n with n = (week + 2)
// / 5 from week 3 on, 0 once the season is more than 900 per mille done; 1
// when the norm is 20 or less.
double Get_Field_Goal_Drift(int H, int nNorm, int nWeek, int nProgressPerMille);

// The stored league kicking level the drift pulls the field-goal rate
// towards (tenths of a percent).
int Get_League_Kicking_Norm();

// The distance band statistic (attempts) of a kick: 10 under 30 yards, 12 for
// 30-39, 14 for 40-49, 16 for 50 and more; the make is one more.
int Get_Field_Goal_Band_Stat(int nDistance);

// A kick (STAT_LONGEST_FIELD_GOAL or STAT_LONGEST_PUNT) longer than the
// kicker's longest of his current season line, the season or the career
// becomes that record.
void Record_Longest_Kick(int nTeam, int nSlot, int nStat, int nDistance);

// The field-goal attempt of the offence (formation 42): the kicker is its
// place 1; the result (15 good, 16 missed), points, possession after a miss,
// statistics, records and narration.
void Run_Field_Goal(GAME* pGame);

// The chance of a good extra point for the kicker in a roster slot of a team
// (his FG Accuracy held to 20-95; 20 for a bad team or slot) under the
// conversion-spot rule of preference 199 and today's kick weather factor.
float Get_Extra_Point_Chance(GAME* pGame, int nTeam, int nSlot);

// The conversion kick of a try (formation 43): result 27 good or 28 missed.
void Run_Extra_Point(GAME* pGame);

// The yard line of the conversion kick by preference 199: 1 the 15, 2 the
// 20, 3 the 25, 4 the 30, anything else the 2.
int Get_Conversion_Spot();

// Developer tallies of field goals by kick distance 0-99 since the program
// started: attempts (bMade false) or makes. 0 outside 0-99.
int Get_Field_Goal_Tally(int nDistance, bool bMade);
void Clear_Field_Goal_Tallies();
