// The state of one game being played, kept in one object: the calls made so
// far and the last calls, the snapshot of both offences' playbooks and of the
// players' mixes, what the calls of the open snap have read and weighed, the
// matchup tables of both offences against the other defence, and the replay
// calibration's sums. The records of the league stay in LEAGUE_DATA.
//
// Run_Game owns a fresh context for each game it plays and binds it to the
// game while it runs, so nothing of the context's tables reaches the next
// game. The engine still keeps file-level state of its own (the current game,
// the narration queue, the watched game's hooks and others), so games are
// played one at a time, on the game-logic thread. The engine's calls about a game use the
// context bound to it; a game that none is bound to (a test calling one rule
// by itself) uses one shared context, which Build_Play_Matchup_Table and the
// snap functions fill as they always have.
//
// Engine-internal: only the engine's own files and its tests include it.
#pragma once

#include <cstdint>

#include "engine/playbook_records.h"
#include "league/game_record.h"
#include "league/league_data.h"

// ---------------------------------------------------------------------------
// Offensive calls (offense_calling.cpp)

struct CALL_STATE {
    int nOffenseTally[2][OFFENSIVE_PLAY_COUNT] = {};
    int nDefenseTally[2][DEFENSIVE_PLAY_COUNT] = {};
    int nLastOffenseCall = -1;
    int nLastDefenseCall = -1;
    // The square of each play's redundancy multiplier from its tally and the
    // difficulty shift nSquareShift, -1 for a multiplier below 0 (reported at
    // every weighing); and the weight of a play m steps from the target after
    // the redundancy and the formation's fit (m = 13: none). A side's rows are
    // filled on its first search, kept in step with its tally by every
    // recorded call and dropped when the playbook snapshot is taken again.
    static constexpr int STEPS = 14;
    bool bSquareKnown[2] = {};
    int nSquareShift[2] = {};
    int nRedundancySquare[2][OFFENSIVE_PLAY_COUNT];
    int nNegativeSquares[2] = {};   // how many of the side's squares are -1
    int nFitted[2][OFFENSIVE_PLAY_COUNT][STEPS];
};

struct PLAY_PROFILE {
    bool bValid;          // a named play of a valid team
    bool bHailMary;       // named exactly "Hail Mary"
    int8_t nCategory;     // PLAY_CATEGORY_*
    int8_t nFormation;
    int8_t nCarrier;      // place 0-10, -1 none
    int8_t nCarrierView;  // the carrier's place + 1, 0 for none (a search's carrier views)
    bool bSpecial;        // a punt or field-goal formation, or a hail mary
    int16_t nYardage;
    int16_t nSystemMatch; // fit of the formation to the team's system
};

struct PLAYER_MIX {
    bool bKnown;
    float A;   // running
    float B;   // receiving
    float C;   // passing
};

struct SIDE_PROFILE {
    int nTeam;
    // Roster finders: the depth order of a roster does not change in a game.
    int nReceiver1;     // first and second WR, -1 none
    int nReceiver2;
    int nRunningBack2;  // second RB, -1 none
    int nOverall[2];    // the receivers' overall ratings, -1 not yet read
    int nUsageLimit;    // 50 x (the club's games played + 1), -1 not yet read
    // The offence's strength for the fourth-down models, kept for the snap
    // it was read in (the five predictions and the call read it alike).
    double fStrength;
    int nStrengthSnap[6];
    PLAY_PROFILE Play[OFFENSIVE_PLAY_COUNT];
    PLAYER_MIX Mix[PLAYERS_PER_TEAM];
    // The plays a call of each category (run, draw, pass) can draw at all,
    // in playbook order: the others weigh 0 on every call of the game.
    int8_t nCandidate[3][OFFENSIVE_PLAY_COUNT];
    int nCandidates[3];
    // The steps (0-12, 13 for none) of every play from a target gain 0 to
    // STEP_GAINS - 1: they depend on the play's designed gain and the target
    // alone, so a row is worked out on the first search for its target and
    // kept for the game.
    static constexpr int STEP_GAINS = 128;
    bool bStepKnown[STEP_GAINS];
    uint8_t nStep[STEP_GAINS][OFFENSIVE_PLAY_COUNT];
};

struct CALL_PROFILES {
    bool bBuilt = false;
    int nAway = -1;
    int nHome = -1;
    SIDE_PROFILE Side[2];
};

// What a search reads of the player at each carrier place, by a play's
// nCarrierView (0: a play without a carrier): read once rather than once a
// weighed play.
struct CARRIER_VIEW {
    int nPlace;
    int nSlot;        // NO_PLAYER for no carrier
    int nPosition;    // -1 for no player
    bool bDoubled;    // the second running back of system 3: his plays weigh double
    bool bReceiver1;  // the first receiver, whose plays the focus moves
};

// The view of the players Find_Offensive_Play weighs: each filled only when
// a candidate first needs it.
struct FIND_CONTEXT {
    int nTeam = -1;
    int bSide = 0;
    int nSystem = 0;
    int nPunt = -1;          // Should_Punt, -1 not yet asked
    int nFieldGoal = -1;     // Should_Kick_Field_Goal
    int nFocus = -1;         // the top receiver's focus
    int nLimit[PLACES_ON_FIELD];
    int nCarries[PLACES_ON_FIELD];
    bool bWorkloadKnown[PLACES_ON_FIELD] = {};
    int nPosition[PLACES_ON_FIELD];
    bool bPositionKnown[PLACES_ON_FIELD] = {};
    int nQuarterbackWeight[PLACES_ON_FIELD];
    bool bQuarterbackWeightKnown[PLACES_ON_FIELD] = {};
    int nPlaceStat[PLACES_ON_FIELD];   // a fullback's predicted carries, a tight end's usage
    bool bPlaceStatKnown[PLACES_ON_FIELD] = {};
    // The carrier views and what they were read from.
    bool bCarriersKnown = false;
    uint8_t nCarrierSlots[PLACES_ON_FIELD];
    int nCarrierKey[4];   // side, system, second running back, first receiver
    CARRIER_VIEW Carrier[PLACES_ON_FIELD + 1];
    // What every search of an open snap reads alike (the side, the team and
    // its system above, these): read at the snap's first search.
    bool bSearchKnown = false;
    bool bTeam = false;
    bool bNoHailMary = false;
    int nShift = 0;

    // Back to nothing read, as a fresh context (the values behind a flag
    // that is false are never read).
    void Forget()
    {
        nPunt = nFieldGoal = nFocus = -1;
        for (int n = 0; n < PLACES_ON_FIELD; ++n)
            bWorkloadKnown[n] = bPositionKnown[n] = bQuarterbackWeightKnown[n] = bPlaceStatKnown[n] = false;
        bCarriersKnown = false;
        bSearchKnown = false;
    }
};

// What the offence's call reads of the game before its first draw: the
// same for every call of an open snap.
struct CALL_SITUATION {
    bool bScrimmage;
    int nYardLine;
    int nToGo;
    int nBehind;        // points the offence trails by
    int nHalfLeft;      // seconds left in the half
    int nFixedCall;     // the call the fixed situations make, -1 none
    bool bTwoMinutePass;   // the two-minute rules call a pass
    bool bLastSecondsRun;  // the last seconds at the goal line may call a run
};

// The calls of one snap (the offence's and the defence's five predictions
// of it) read the same game, the same players on the field and the same
// tallies: while the driver keeps the snap open, what they read is read once.
struct SNAP_CALLS {
    bool bOpen = false;
    const GAME* pGame = nullptr;
    int nRunChance = -1;
    int nGoForIt = -1;         // Go_For_It, -1 not yet asked
    int nFieldGoalRange = -1;  // Get_Field_Goal_Range
    int nShift = 0;
    bool bShiftKnown = false;
    bool bSituationKnown = false;
    CALL_SITUATION Situation;
    FIND_CONTEXT Find;
};

// One search of the open snap: the offence's call and the defence's
// predictions of it often look for the same category and target gain, and
// then weigh the same plays alike.
struct FIND_MEMO {
    int nCategory;
    int nGain;
    int nWeighed;
    int64_t nTotal;
    int64_t nCum[OFFENSIVE_PLAY_COUNT];
    int nPlayOf[OFFENSIVE_PLAY_COUNT];
};

struct SNAP_FIND_MEMOS {
    int nCount = 0;   // the searches kept for the open snap
    FIND_MEMO Memo[8];
};

// ---------------------------------------------------------------------------
// Defensive calls (defense_calling.cpp)

// The tables of the game, the one of index s for side s with the ball, and
// the defence's data its call weighs, by defending side.
struct MATCHUP_TABLES {
    bool bBuilt = false;
    int nAway = -1;
    int nHome = -1;
    int nTable[2][OFFENSIVE_PLAY_COUNT][DEFENSIVE_PLAY_COUNT];
    int nFocus[2][DEFENSIVE_PLAY_COUNT];         // pass focus of the play's formation
    int nSystemMatch[2][DEFENSIVE_PLAY_COUNT];   // fit of the formation to the alignment
    bool bDouble[2][DEFENSIVE_PLAY_COUNT];
    int8_t nDoublePlay[2][DEFENSIVE_PLAY_COUNT];   // the plays with bDouble, in order
    int nDoubles[2];
    // The greatest fit of each side's plays, or UINT64_MAX for a side with a
    // fit below 0: bounds the weighing of its calls like nRowMax.
    uint64_t nFitMax[2];
    // Whether the bounds let every call of side s with the ball take its
    // products and weighing in 32 bits, whatever the predictions.
    bool bAlwaysNarrow[2];
    // The greatest entry of each row, or UINT64_MAX for a row with an entry
    // below 0: bounds the defence's products so that it can take them in 32
    // bits when they fit.
    uint64_t nRowMax[2][OFFENSIVE_PLAY_COUNT];
    // The weight of each play of the defending side against each defensive
    // formation it may show, from the formations' pass focus.
    int nShownWeight[2][LAST_DEFENSIVE_FORMATION - FIRST_DEFENSIVE_FORMATION + 1][DEFENSIVE_PLAY_COUNT];
};

// ---------------------------------------------------------------------------
// The replay calibration (rushing_plays.cpp)

// Points for and against a team in the calibration's records, without the
// game being played (its score changes play by play and is read live).
struct CALIBRATION_SUMS {
    bool bValid = false;
    int nYear = 0;
    int nWeek = 0;
    const GAME* pGame = nullptr;
    int64_t nPointsFor = 0;
    int64_t nPointsAgainst = 0;
    int nCurrent = -1;    // the index of pGame among the records, -1 none
};

// ---------------------------------------------------------------------------
// The era's pass averages (pass_outcome.cpp)

// The league averages of the current year a pass reads on every attempt:
// they depend on the year alone (the historical tables are constant), so
// they are read again only when the year is not the one kept.
struct PASS_AVERAGES {
    bool bKnown = false;
    int nYear = 0;
    int nHist101 = 0;
    int nHist107 = 0;
    int nHist109 = 0;
    int nHist111 = 0;
};

// ---------------------------------------------------------------------------

struct GAME_CONTEXT {
    CALL_STATE Calls;
    CALL_PROFILES Profiles;
    SNAP_CALLS Snap;
    SNAP_FIND_MEMOS FindMemos;
    MATCHUP_TABLES Matchup;
    CALIBRATION_SUMS CalibrationSums[TOTAL_NUMBER_OF_TEAMS];
    PASS_AVERAGES PassAverages;
    // Set by tests: a figure here replaces the computed one, read at every
    // call (a test may change the value between plays).
    const float* pBallCarrierBaseFigure = nullptr;
    const float* pRushingCalibration = nullptr;
};

// The context bound to the game, or the shared one when none is.
GAME_CONTEXT& Get_Game_Context(const GAME* pGame);

// Binds a context to a game for the binding's life (the newest binding of a
// game counts). At most MAX_BOUND_GAMES games at once; past that the game
// keeps the shared context, and the overflow is reported.
constexpr int MAX_BOUND_GAMES = 8;
class GAME_CONTEXT_BINDING {
public:
    GAME_CONTEXT_BINDING(const GAME* pGame, GAME_CONTEXT& Context);
    ~GAME_CONTEXT_BINDING();
    GAME_CONTEXT_BINDING(const GAME_CONTEXT_BINDING&) = delete;
    GAME_CONTEXT_BINDING& operator=(const GAME_CONTEXT_BINDING&) = delete;

private:
    const GAME* m_pGame;
    GAME_CONTEXT* m_pContext;
    bool m_bBound;
};
