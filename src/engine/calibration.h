// The engine's tuning values that the rules of play leave to us: each is one
// small function whose comment says what it is calibrated to, so that a
// season-scale run can retune them in one place.
#pragma once

#include "league/game_record.h"

// The chance per mille that a sack strips the ball and the defence keeps it,
// for the passer in roster slot nPasserSlot of the offence.
int Get_Passer_Fumble_Chance(const GAME* pGame, int nPasserSlot);

// The offence's trend factor of the game for the pass model (1 neutral;
// above 1 the offence has been doing better than its ratings say).
float Get_Offense_Trend_Factor(const GAME* pGame);
