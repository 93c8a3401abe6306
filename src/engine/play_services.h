// Score, possession and clock services the kicking and penalty rules call.
// They are defined with the rest of the score and clock rules (game_clock.cpp).
#pragma once

#include "league/game_record.h"

// Adds points to a side (0 away, 1 home); refreshes the line-ups when the
// game becomes decided or stops being decided.
void Add_Team_Points(GAME* pGame, int bSide, int nPoints);

// The other team gets the ball at 100 minus the yard line; in overtime the
// team that had it is marked; the red-zone flags are cleared.
void Change_Possession(GAME* pGame);

// Both teams' red-zone flags cleared.
void Clear_Red_Zone_Flags(GAME* pGame);

// The ball carrier went out of bounds: flag it, and stop the clock late in
// the second and fourth quarters.
void Set_Out_Of_Bounds_Clock(GAME* pGame);
