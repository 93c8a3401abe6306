// Services of the game driver, the injury rules and the run rules that the
// building blocks of a play already call. Each follows the plain rule its
// comment gives until its own rules are written; none draws a number, writes
// text or allocates.
#pragma once

#include "league/game_record.h"

// The watched game's score box: a headless run has none, so nothing is repainted.
void Draw_Game_Score_Box(const GAME* pGame);

// Weeks of a new injury of the player (and sets his injury), 0 for none:
// nobody is hurt and nothing is drawn.
int Roll_Injury_Length(int nTeam, int nSlot);
// Rebuilds a side's line-ups around an injured player (Update_Team_Lineup);
// 0 when a cell stayed empty.
int Rebuild_Game_Lineup(GAME* pGame, int bSide);
// Stops a running simulation when a player is hurt: it never stops.
void Stop_Simulation_For_Injury(int nTeam, int nSlot);

// The replay league's rushing calibration: 1.0, every league runs uncalibrated.
float Get_Rushing_Calibration(const GAME* pGame);
// The game's base figure of ball carriers' lost fumbles: 1.0 for every game
// (about 50 lost fumbles in 10,000 carries).
float Get_Ball_Carrier_Base_Figure(const GAME* pGame);

// ---------------------------------------------------------------------------
// Test hook: lets a test hurt players, fail the line-up rebuild and set the
// two figures, and counts the injury rolls and stops. Null (the default)
// restores the rules above.
struct LATER_SERVICES_TEST_HOOK {
    int nInjuryWeeks = 0;          // above 0: every roll hurts the player for this long (injury code 5)
    int bRebuildResult = 1;
    float fRushingCalibration = 1.0f;
    float fBallCarrierBaseFigure = 1.0f;
    int nRolls = 0;                // counted by the services
    int nStops = 0;
};
void Set_Later_Services_Test_Hook(LATER_SERVICES_TEST_HOOK* pHook);
