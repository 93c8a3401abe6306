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

// The ball carrier's base figure and the rushing calibration a test pins are
// set in the game's context (game_context.h), which the test binds to its game.
