// Whether a game is over, and the overtime period length it is played under.
#pragma once

#include "league/game_record.h"

// Overtime rules (preferences 45 regular season, 46 playoffs).
constexpr int OVERTIME_SUDDEN_DEATH = 0;
constexpr int OVERTIME_SIX_POINT_THRESHOLD = 1;
constexpr int OVERTIME_SUDDEN_DEATH_NO_TIES = 2;
constexpr int OVERTIME_SIX_POINT_THRESHOLD_NO_TIES = 3;

// True while a simulation runs and either team's game of the current week is
// marked for play-by-play; false for no record.
bool Is_User_Game(const GAME* pGame);

// True for a game played from the league's first playoff week on.
bool Is_Playoff_Game(const GAME* pGame);

// Seconds of one overtime period: 900 in the playoffs, else the
// minutes-per-period preference x 60. A length a damaged file makes 0 or
// negative counts as 900. 900 for no record.
int Get_Overtime_Period_Length(const GAME* pGame);

// True when the game has ended by the clock, the score and the overtime rule
// of the season or the playoffs; false otherwise and for no record. Nothing
// stores the verdict: it is computed from the record each time.
bool Is_Game_Over(const GAME* pGame);
