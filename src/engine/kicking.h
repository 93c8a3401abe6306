// Kicking plays that hand the ball over, and the kneel-down: kick-offs (also
// squib kicks and the free kick after a safety), onside kicks, punts, the
// return models of both, and the quarterback's knee.
//
// During a kick nOffense is the kicking team. Each routine leaves the play's
// result, nPlayYards, nPlaySeconds and the possession for End_Play.
#pragma once

#include "league/game_record.h"

// A return that goes all the way.
constexpr int RETURN_ALL_THE_WAY = 110;

// Redraws of the kick-off tackler that may land on the kicker before another
// place is taken.
constexpr int KICKOFF_TACKLER_REDRAWS = 20;

// How far the wind carries the offence's kicks: 1.0 indoors (nWindSpeed -1);
// else with S the speed and d the direction (d - 360 above 270),
// a = 90 - |90 - d|, t = floor((10 S a + 45) / 90), negated when the home
// team has the ball, and the factor (t - 3 S + 1000) / 1000. 1 for no record.
float Get_Wind_Factor(const GAME* pGame);

// The kick-off distance's era term: max(trunc((year - 1980) / 4), 0) - 8.
int Get_Kickoff_Era_Term(int nYear);

// The fair-catch chance of a punt (per cent) landing nSpot yards from the
// receiving goal line after travelling D yards, in a year with a league punt
// average of A yards: Q = clamp(6 year - 11,744, 100, 220),
// (Q x ((trunc(A) - D) x 2 + 30) + 50) / 100; 0 inside the 10.
int Get_Fair_Catch_Chance(int nYear, double A, int D, int nSpot);

// The league's average punt distance in yards (historical code 116).
double Get_League_Punt_Average();

// Return yards of a kick-off by the player in a roster slot (at least 1;
// RETURN_ALL_THE_WAY for a touchdown). Draws three numbers.
int Roll_Kick_Return_Yards(int nTeam, int nSlot, bool bSquib);
// Return yards of a punt of D yards. Draws three numbers.
int Roll_Punt_Return_Yards(int nTeam, int nSlot, int D);

// The touchdown chance of a return: kick-offs 0.006 (before 2017 0.001 more a
// year, at most 0.014) x (Speed + Kick Returns - 70) / 70, halved on a squib;
// punts 0.01 (before 2017 0.001 more a year, at most 0.015) x (Speed + Punt
// Returns + Vision - 160) / 80. 0 under Speed 60.
double Get_Kick_Return_Touchdown_Chance(int nYear, float fSpeed, float fKickReturns, bool bSquib);
double Get_Punt_Return_Touchdown_Chance(int nYear, float fSpeed, float fPuntReturns, float fVision);

void Run_Kickoff(GAME* pGame);
void Run_Onside_Kick(GAME* pGame);
void Run_Punt(GAME* pGame);
void Run_Kneel_Down(GAME* pGame);
