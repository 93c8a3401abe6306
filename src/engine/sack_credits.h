// Small services of the pass and run resolution: who is credited with a sack
// (half-sacks when two defenders share it) and who is charged with allowing
// it, the weather factor of a pass and the ball-security figure of a carrier.
// The per-player event weight of the event-player draw is
// Get_Blended_Stat_Frequency in event_players.h. The weather and wind come
// from weather.h and kicking.h; the base figure and the rushing calibration
// from run_calibration.h and rushing_plays.h.
#pragma once

#include "league/game_record.h"

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
