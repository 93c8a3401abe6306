// Unit factors of a snap: floats near 1.0 computed from the ratings of the
// eleven players a side has on the field (above 1 better than the league's
// usual level), each bounded so that no unit more than doubles or triples a
// chance; the home-field and difficulty factor; and three small operations
// of the play code.
#pragma once

#include "league/game_record.h"

// Soft bound with limit K: beyond sqrt(K) (or below sqrt(1/K)) the factor
// moves halfway back to that root, then it is held in [1/K, K].
float Bound_Play_Factor(float f, float fLimit);

// Offence, all eleven: receivers' Receiving above 60 (K 1.66).
float Get_Receiving_Factor(const GAME* pGame);
// Offence, quarterbacks, running backs and fullbacks: a carrying figure above 60 (K 1.66).
float Get_Backfield_Factor(const GAME* pGame);
// Defence, all eleven (K 2, 3, 1.66, 1.66, 1.66, 3).
float Get_Ball_Hawk_Factor(const GAME* pGame);
float Get_Pass_Rush_Factor(const GAME* pGame);
float Get_Coverage_Factor(const GAME* pGame);
float Get_Tackling_Factor(const GAME* pGame);
float Get_Run_Defense_Factor(const GAME* pGame);
// Offence, the line places 6-10 and backfield places 2 and 3 (K 2).
float Get_Run_Blocking_Factor(const GAME* pGame);
// Offence, places 6-10 and 2: held in [0.25, 1.75] without the soft bound.
float Get_Pass_Blocking_Factor(const GAME* pGame);
// Offence, places 6-10: Discipline, held in [0.5, 2] before the bound (K 2).
float Get_Line_Discipline_Factor(const GAME* pGame);
// Defence, all eleven: the predicted rate of statistic n per game against
// this season's (K 2); 1 without games or without any of the statistic.
float Get_Defense_Stat_Trend_Factor(const GAME* pGame, int nStat);

// 1 + 0.03 for a home offence (0.06 in the playoffs), 1 - that for a
// visiting one; then 0.03 per difficulty level off a user's offence and onto
// a computer offence facing a user's defence. 1 for no record.
float Get_Home_Field_Factor(const GAME* pGame);

// The weight, or scaled down by Mul_Div_Rounded when the player's statistic
// 11 this season exceeds 50 per game his club has played plus one.
int Limit_Weight_By_Usage(int nTeam, int nSlot, int nWeight);

// Whether the seconds the current play takes reach the end of the half (or,
// after half time, of the game or overtime period).
bool Does_Play_Reach_End_Of_Half(const GAME* pGame);

// true for the receiving routes 0-36 and 55; false for 37-51 and 54; any
// other code is reported ("Unhandled nPassRoute in Valid_Receiving_Route([%d])").
bool Valid_Receiving_Route(int nRoute);
