// A player's predicted season (statistics period 3) made from his ratings,
// completed and scaled for the league build, and the long-kick estimates.
#pragma once

#include <cstdint>

// ---------------------------------------------------------------------------
// Arithmetic of the predicted lines

// A float statistic stored as a whole number: truncated toward zero, held
// within the int range, NaN giving 0.
int Trunc_To_Int(double fValue);

// x scaled by nPerMille per mille: (x m + 500) / 1000 in 64 bits, one less
// when that quotient is negative and inexact (so halves round up); 0 when x
// is 0. Held within the int range.
int Scale_Per_Mille(int64_t x, int64_t nPerMille);

// ---------------------------------------------------------------------------
// Lines from ratings

// Overwrites games (16), starts (16) and the statistics of his position in
// the predicted line, from his ratings alone.
void Write_Predicted_Player_Stats(int nTeam, int nSlot);

// ---------------------------------------------------------------------------
// Completing a line read from the statistics (the league build)

// Completes and scales the predicted line against a playing-time norm of
// nNorm games (5 x nNorm against 4 x games + starts).
void Complete_Player_Predicted_Stats(int nTeam, int nSlot, int nNorm);
// The above for every player of every team slot in use.
void Complete_All_Predicted_Stats(int nNorm);

// Offensive linemen only: blocking scores (predicted statistics 5 and 6)
// from his predicted games and starts and his career, then the figures
// derived from them.
void Predict_Player_Stats_From_Career(int nTeam, int nSlot);

// Every scalable predicted statistic v becomes v - v scaled by nPerMille.
void Reduce_Predicted_Stats(int nTeam, int nSlot, int nPerMille);
// Adds his position's template season scaled by nPerMille to every scalable
// predicted statistic; in 2023, a player with fewer than 18 career games
// then gets his draft boost at the same rate.
void Add_Predicted_Stat_Template(int nTeam, int nSlot, int nPerMille);
// The template season of position 0-14, statistic 0-19, with the passing,
// punting and field-goal cells scaled by the league averages of the
// current year against 2023. 0 for a bad argument.
int Get_Predicted_Stat_Template(int nPosition, int nStat);
// Raises a drafted 2023 rookie's predicted line by his draft slot, at
// nPerMille of the full boost.
void Apply_Rookie_Draft_Boost(int nTeam, int nSlot, int nPerMille);

// ---------------------------------------------------------------------------
// Longest kicks

// Longest punt of period nSeason from his punts and punt yards; stored as
// statistic 5 and returned. Draws once when he has two punts or more.
int Estimate_Longest_Punt(int nTeam, int nSlot, int nSeason);
// Longest field goal of period nSeason from his field goals by distance;
// stored as statistic 18 and returned. Always draws twice; the predicted
// period (3) takes no jitter from them.
int Estimate_Longest_Field_Goal(int nTeam, int nSlot, int nSeason);
// For periods 0-33 of one kicker: a longest field goal of 0 with field goals
// made is estimated.
void Estimate_Player_Long_Stats(int nTeam, int nSlot);
// The above for every kicker of every team slot in use.
void Estimate_All_Long_Stats();
