// Plays from scrimmage and the run: the choice between a kneel-down, a
// designed run, a pass and a quarterback scramble; the run itself (expected
// gain from the carrier against the defence, the random yards, a lost fumble
// and its return, the breakaway, out of bounds, tacklers, touchdowns,
// safeties and two-point tries); the narration of a run; and the rushing
// calibration of a league that replays real seasons.
//
// A run writes its result into the current PLAY and the GAME; the clock,
// downs, points and possession are settled afterwards by End_Play.
#pragma once

#include "league/game_record.h"

// What a run starts from, worked out before the carrier takes the ball.
struct RUN_SITUATION {
    int bScramble = 0;       // the quarterback runs with a pass play
    int bHurry = 0;          // Is_Hurry_Up_Time, 0 or 1
    int nHole = -1;          // run hole 0-9 of the call, -1 none
    int nSideline = 0;       // the hole's share of the out-of-bounds chance
    int nDirection = 1;      // 0 left, 1 middle, 2 right
    float fWeather = 1.0f;   // W, Get_Run_Weather_Factor
    int nCarrier = 0;        // the carrier's roster slot on the offence
    int nDesignedYards = 0;  // Y, the gain the call is designed for
};

// What the expected gain of a run is made of (see Compute_Expected_Run_Gain).
struct RUN_GAIN_INPUTS {
    double H = 4.0;                // the league's yards per rush of the time
    int nYear = 2015;
    float fSpeed = 50.0f, fPower = 50.0f, fQuickness = 50.0f, fVision = 50.0f;
    float fCarry = 1.0f;           // offence: backfield (carrying) factor
    float fReceiving = 1.0f;       // offence: receiving factor
    float fDifficulty = 1.0f;      // X
    float fCalibration = 1.0f;     // the replay calibration, 1 elsewhere
    float fRunDefense = 1.0f;      // A
    float fTackling = 1.0f;        // B
    float fMatchup = 1.0f;         // C
    float fRunBlocking = 1.0f;     // D
    int nDesignedYards = 0;        // Y
    int nSpot = 50;
    int nWeek = 0;                 // the day of the season
    int nProgressPerMille = 0;     // Get_Season_Progress_Per_Mille
    int nNorm = 420;               // the league's stored rushing average x 100
    float fWeather = 1.0f;         // W
};

// ---------------------------------------------------------------------------
// A play from scrimmage

// Runs one play from scrimmage: the fourth-down tally, the snap narration,
// the play count, then the kneel-down, the run, or the pass (which may turn
// into a scramble).
void Run_Scrimmage_Play(GAME* pGame);
// Resolves the run of the current call (bScramble 1: the quarterback runs
// with a pass call).
void Run_Rushing_Play(GAME* pGame, int bScramble);
// Narration of a scramble: looking to pass, the pressure when the primary
// receiver is covered, then the quarterback runs.
void Queue_Scramble_Commentary(GAME* pGame);

// ---------------------------------------------------------------------------
// The run, piece by piece

// The run's steps from the fumble draw on (everything after the carrier has
// the ball and the designed gain is known).
void Resolve_Rushing_Play(GAME* pGame, const RUN_SITUATION& Run);

// bRandom: one draw r = trunc(100U), 0 for r under 25, 2 for 25-79, 1 for
// 80-99. Otherwise from the call's run hole: under 4 (or none) the middle,
// an odd hole left (0), an even hole right (2). No draw then.
int Get_Run_Direction(GAME* pGame, int bRandom);
// Direction 1: 0-3; 2: 4, 6 or 8; any other: 5, 7 or 9. One draw.
int Get_Random_Run_Hole(int nDirection);
// 1.025 indoors or dry, 0.975 flurries, 1.0 mixed, 0.95 rain, 0.9 sleet,
// snow and storms.
float Get_Run_Weather_Factor(const GAME* pGame);
// (10 hurry + 5) x (hole / 2) - 5, the hole's part of the out-of-bounds
// chance (per cent).
int Get_Run_Sideline_Term(int bHurry, int nHole);
// The carrier's lost-fumble chance per 10,000 (Get_Ball_Security_Figure);
// inside the opponent's 10 scaled by (spot + 10) / 20, rounded.
int Get_Run_Fumble_Threshold(const GAME* pGame, int nCarrier);
// The league's yards per rush of a year: the mean of the historical average
// of the year before and of the year, over 100.
double Get_League_Rush_Average(int nYear);

// The expected gain G of a run in yards (at most 15): the carrier's quality
// against the league, the line, the difficulty, the calibration, the
// defence, the goal line, the season's drift and the weather.
double Compute_Expected_Run_Gain(const RUN_GAIN_INPUTS& In);
// The same inputs read from the game for the carrier's roster slot.
RUN_GAIN_INPUTS Get_Run_Gain_Inputs(const GAME* pGame, int nCarrier, int nDesignedYards, float fWeather);

// The yards of a run from its expected gain (steps in tenths: the spread
// around G, the designed-gain swing, short-yardage power, a small loss,
// the goal-line push), before the breakaway; -5..100.
int Draw_Run_Yards(double G, int nDesignedYards, int nSpot, float fPower, float fVision, bool bQuarterback);
// The breakaway: with chance min(G / 200, 0.07) the yards grow by a draw
// on Speed and Quickness; at most 120. Two draws when it happens, one else.
int Draw_Run_Breakaway(double G, int nYards, float fSpeed, float fQuickness);

// Lost fumbles returned for a touchdown since the program started.
int Get_Fumble_Return_Touchdown_Count();

// A fumble the offence keeps: with chance T per 10,000 (T 0: the carrier's
// Get_Ball_Security_Figure), never on a try: narration, the forced fumble
// (nForcer -1: drawn), the carrier's fumble, a random recoverer of the
// offence; returns 1 when it happened, else 0.
int Fumble_Kept_By_Offense(GAME* pGame, int nCarrier, int nForcer, int T);

// The colour narration of a run of y yards; the carrier's slot in the
// offence's roster, the tackler's in the defence's (NO_PLAYER for none).
void Queue_Run_Commentary(GAME* pGame, int nCarrier, int nTackler, int y, int bScramble);

// The offence's player who threw the key block of the run: a lineman next
// to the hole, by a draw on his Run Blocking; else the first receiver whose
// route is a block; else -1.
int Choose_Key_Blocker(GAME* pGame);

// ---------------------------------------------------------------------------
// The rushing calibration of a replay league

// The average of team stat 21 (the replayed season's points scored) over
// the franchises in use; 0 without any.
int Get_League_Average_Team_Stat_21();
// The factor that moves the offence's runs towards the replayed season's
// points scored by the offence and allowed by the defence, 0.6024096-1.66.
// Kept per team in the game's context (game_context.h) for the day; the
// result equals Compute_Rushing_Calibration.
float Get_Rushing_Calibration(const GAME* pGame);
// The same without the kept sums: scans the season's GAME records.
float Compute_Rushing_Calibration(const GAME* pGame);
