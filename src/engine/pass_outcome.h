// What happens to a thrown pass: incomplete, complete, intercepted, sacked,
// knocked down, or sacked with a lost fumble. One weight per outcome from the
// era's passing rates, the passer's and the target's ratings, both units, the
// weather, the home field and the depth of the throw; then one weighted draw.
#pragma once

#include "league/game_record.h"

// Outcome codes (stored as the play's result by the pass play).
constexpr int PASS_OUTCOME_INCOMPLETE = 0;
constexpr int PASS_OUTCOME_COMPLETE = 1;
constexpr int PASS_OUTCOME_INTERCEPTED = 2;
constexpr int PASS_OUTCOME_SACKED = 3;
constexpr int PASS_OUTCOME_KNOCKED_DOWN = 4;
constexpr int PASS_OUTCOME_SACK_FUMBLE = 5;

// Everything the weights are computed from. Ratings are at least 20.
struct PASS_MODEL_INPUTS {
    // The era (historical averages of this season and the one before):
    // completions per mille, interceptions per mille, yards per completion x
    // 100, sacks per mille.
    int nHist101 = 626;
    int nHist107 = 29;
    int nHist109 = 1125;
    int nHist111 = 64;
    // This season's league rates in the same units (by default the era's).
    int nNormCompletions = 626;
    int nNormYardsPerCompletion = 1125;
    int nNormInterceptions = 29;
    int nNormSacks = 64;
    int nWeek = 0;
    int nProgressPerMille = 0;      // of the regular season
    bool bReversion = false;        // the league pulls towards its means
    int nHomeTeam = 0;
    // The throw.
    int nDownCode = 0;
    int nSpot = 50;                 // yards to the goal line
    bool bFlag = false;             // a throw to the play's primary receiver
    float fCatchLocation = 0.0f;    // yards downfield where the ball is caught
    float fDistance = 0.0f;         // yards the play would gain
    // The passer.
    bool bPasserIsQuarterback = true;
    float fAccuracy = 70.0f;
    float fControl = 70.0f;
    float fArm = 70.0f;             // Distance
    float fRedZone = 70.0f;
    float fMobility = 70.0f;
    // The target.
    float fSpeed = 70.0f;
    float fPower = 70.0f;
    float fQuickness = 70.0f;
    float fVision = 70.0f;
    float fReceiving = 70.0f;
    float fHands = 70.0f;
    // Multipliers of the two calls, the weather and the unit factors.
    float fCoverageMultiplier = 1.0f;
    float fRushMultiplier = 1.0f;
    float fWeather = 1.0f;
    float fCoverage = 1.0f;
    float fBallHawk = 1.0f;
    float fBallHawkTrend = 1.0f;    // the defence's trend for interceptions
    float fBackfield = 1.0f;
    float fReceivingFactor = 1.0f;
    float fHomeField = 1.0f;
    float fPassRush = 1.0f;
    float fPassRushTrend = 1.0f;    // the defence's trend for sacks
    float fPassBlocking = 1.0f;
    float fOffenseTrend = 1.0f;
};

struct PASS_OUTCOME_WEIGHTS {
    float fIncomplete = 0.0f;
    float fComplete = 0.0f;
    float fIntercepted = 0.0f;
    float fSacked = 0.0f;
    float fKnockedDown = 0.0f;
};

// The five weights (in the order of the draw: incomplete, complete,
// intercepted, sacked, knocked down), none below 0 and none NaN.
PASS_OUTCOME_WEIGHTS Get_Pass_Outcome_Weights(const PASS_MODEL_INPUTS& In);

// The inputs of a pass of the current play of the game to the offence's
// player in roster slot nTarget; false (inputs untouched) for no record.
// Get_Current_Average_Stat(109), the era's yards per completion of the
// current year, as the pass model keeps it in the game's context.
int Get_Current_Yards_Per_Completion_Average(const GAME* pGame);

bool Get_Pass_Model_Inputs(const GAME* pGame, int nTarget, int bFlag, float fCatchLocation, float fDistance,
                           PASS_MODEL_INPUTS* pIn);

// One draw among the weights (a uniform code 0-4 when they are all 0); a
// sack drawn becomes a lost fumble (5) when a second draw trunc(1000 U) is
// below nFumblePerMille.
// The multipliers of the two calls of the current play: the coverage and the
// pass rush that the defensive call puts against the offensive one, each
// scaled by how often the two calls were repeated this game (1 and 1
// without a game).
void Get_Pass_Call_Multipliers(const GAME* pGame, float* pCoverage, float* pRush);

int Draw_Pass_Outcome(const PASS_OUTCOME_WEIGHTS& W, int nFumblePerMille);

// The outcome 0-5 of a pass to the offence's player in roster slot nTarget,
// caught fCatchLocation yards downfield on a play that would gain fDistance;
// bFlag marks a throw to the play's primary receiver.
int Simulate_Pass_Outcome(GAME* pGame, int nTarget, int bFlag, float fCatchLocation, float fDistance);
