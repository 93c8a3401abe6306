// Test hooks of the engine, never used by the program itself.
#pragma once

// Lets a test hurt players and fail the line-up rebuild, and counts the
// injury rolls and stops. Null (the default)
// restores the rules above.
struct INJURY_SERVICES_TEST_HOOK {
    int nInjuryWeeks = 0;          // above 0: every roll hurts the player for this long (injury code 5)
    int bRebuildResult = 1;
    int nRolls = 0;                // counted by the services
    int nStops = 0;
};
void Set_Injury_Services_Test_Hook(INJURY_SERVICES_TEST_HOOK* pHook);

// A figure set here replaces the computed one until null restores it; the
// pointer is read at every call, so a test may change the value between plays.
void Override_Ball_Carrier_Base_Figure(const float* pFigure);
void Override_Rushing_Calibration(const float* pValue);
