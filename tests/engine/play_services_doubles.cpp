// Test doubles of the score and possession services until their own file is
// in the tree: each does what its declaration says, without the line-up
// refresh of a decided game. Delete this file when game_clock.cpp defines them.

#include "engine/play_services.h"

void Add_Team_Points(GAME* pGame, int bSide, int nPoints)
{
    pGame->nScore[bSide] += nPoints;
}

void Change_Possession(GAME* pGame)
{
    if (pGame->nClock > SECONDS_OF_REGULATION)
        pGame->nOvertimePossession = static_cast<int16_t>(
            pGame->nOvertimePossession |
            (pGame->nOffense == pGame->nHomeTeam ? OVERTIME_HOME_HAD_BALL : OVERTIME_AWAY_HAD_BALL));
    pGame->nOffense = pGame->nOffense == pGame->nHomeTeam ? pGame->nAwayTeam : pGame->nHomeTeam;
    pGame->nYardLine = static_cast<int8_t>(100 - pGame->nYardLine);
}

void Clear_Red_Zone_Flags(GAME*) {}

void Set_Out_Of_Bounds_Clock(GAME* pGame)
{
    pGame->nDown |= GAME_DOWN_FLAG_OUT_OF_BOUNDS;
}
