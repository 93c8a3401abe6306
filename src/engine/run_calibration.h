// Values of the run resolution that the rules of play leave to us: the base
// figure of a ball carrier's lost fumbles, the divisor the play matchup puts
// on a run, the difficulty factor of a computer defence, and the league's
// stored rushing level. Each is one small function so that a calibration
// changes one place; each comment says what the value is set to give.
#pragma once

#include "league/game_record.h"

// The base figure B of a ball carrier's lost-fumble chance per 10,000
// carries (Get_Ball_Security_Figure multiplies it by 50 and by the Hands
// and weather terms).
float Get_Ball_Carrier_Base_Figure(const GAME* pGame);

// The divisor C of the expected run gain for offensive call nCall against
// the defence's current call, given the defence's Run Defense factor
// fRunDefense (near 1: 1 neutral, above 1 the defence is set for the run).
float Get_Run_Matchup_Divisor(const GAME* pGame, int nCall, float fRunDefense);

// The difficulty factor X of the defence: 1 against a user-run defence and
// between two computer sides; a computer defence facing a user's offence is
// harder by 0.03 a difficulty level (the step of the home-field factor).
float Get_Defense_Difficulty_Factor(const GAME* pGame);

// The league's stored rushing average, yards per rush x 100.
int Get_League_Rushing_Norm();

// A franchise in use that a person runs (never while every team is left to
// the computer).
bool Is_User_Run_Team(int nTeam);
