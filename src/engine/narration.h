// Play-by-play narration: the sentences a watched game shows for each play.
//
// The play code queues narration events (up to ten per play) in the current
// PLAY's narration area; each queued event is rendered at once into one of ten
// text buffers that the game view paints. Every call of Queue_Play_Commentary
// draws exactly one number from the game's generator, watched or not, and
// nothing else of the game's generator: the variant sub-choices come from a
// display generator seeded from that one draw. A game nobody watches
// therefore consumes the same random numbers as the same game watched, and the
// unwatched path neither formats nor allocates.
#pragma once

#include <cstdint>

#include "league/game_record.h"

constexpr int NARRATION_EVENTS = 54;        // events 0-53
constexpr int NARRATION_VARIANTS = 20;      // phrases per event
constexpr int NARRATION_TOKENS = 24;        // $-tokens
constexpr int NARRATION_TEXT_SIZE = 2048;   // one rendered sentence

// The events the sentence builders here queue, by row of the phrase table.
enum NARRATION_EVENT : int {
    NARRATE_SERIES = 0,            // down and distance before the snap
    NARRATE_SNAP = 1,
    NARRATE_LOOKING_TO_PASS = 2,
    NARRATE_GREAT_BLOCK = 3,
    NARRATE_BLOCKER_STOPS_RUSHER = 4,
    NARRATE_BLITZ = 5,
    NARRATE_PRESSURE = 6,
    NARRATE_ESCAPES_PRESSURE = 7,
    NARRATE_SCRAMBLES_AWAY = 8,
    NARRATE_COVERAGE = 9,
    NARRATE_RECEIVER_OPEN = 10,
    NARRATE_PASS_THROWN = 11,
    NARRATE_KNOCKED_DOWN = 12,
    NARRATE_INCOMPLETE = 13,
    NARRATE_CAUGHT = 14,
    NARRATE_DROPPED = 15,
    NARRATE_HIT = 16,
    NARRATE_EXTRA_YARDS = 17,
    NARRATE_BREAKS_FREE = 18,
    NARRATE_BREAKS_TACKLE = 19,
    NARRATE_ROOM_TO_RUN = 20,
    NARRATE_TACKLED = 21,
    NARRATE_INTERCEPTED = 22,
    NARRATE_HANDOFF = 23,
    NARRATE_PLAY_ACTION = 24,
    NARRATE_BITES_ON_FAKE = 25,
    NARRATE_DROPS_INTO_COVERAGE = 26,
    NARRATE_RUSHES = 27,
    NARRATE_LONG_RUN = 28,
    NARRATE_FUMBLE = 29,
    NARRATE_PILE_UP = 30,
    NARRATE_BALL_AWARDED = 31,
    NARRATE_RECOVERS = 32,
    NARRATE_DIVES = 33,
    NARRATE_TOUCHDOWN = 34,
    NARRATE_FIRST_DOWN = 35,
    NARRATE_SACKED = 36,
    NARRATE_SAFETY = 37,
    NARRATE_RETURNER_BACK = 38,
    NARRATE_KICK_TO = 39,
    NARRATE_KICK_CAUGHT = 40,
    NARRATE_PENALTY_FLAG = 41,
    NARRATE_FIELD_GOAL_UNIT = 42,
    NARRATE_KICK_SNAP = 43,
    NARRATE_KICK_UP = 44,
    NARRATE_KICK_RESULT = 45,
    NARRATE_INJURY = 46,
    NARRATE_INJURY_LEAVES = 47,
    NARRATE_INJURY_STAYS = 48,
    NARRATE_TURNOVER_ON_DOWNS = 49,
    NARRATE_QB_RUNS = 50,
    NARRATE_PUSHED_OUT = 51,
    NARRATE_END_OF_PERIOD = 52,
    NARRATE_KNEEL = 53,
};

// ---------------------------------------------------------------------------
// Phrase table (narration_phrases.cpp)

// Phrase [event][variant]; "" outside 0-53 / 0-19.
const char* Get_Narration_Phrase(int nEvent, int nVariant);

// ---------------------------------------------------------------------------
// Queue and rendering

// Draws v = trunc(20U) from the game's generator, then, only when the game is
// watched, takes the first free narration entry of the current play (none
// free: the sentence is dropped), chooses the variant, stores the entry and
// renders it.
void Queue_Play_Commentary(GAME* pGame, int nEvent, int a1, int a2, int a3, int nPlayer0ID, int nPlayer1ID);

// The play-action fake told after a completed pass of a play-action call
// (half the time: "Play action to $PLAYER1." or "$PLAYER0 bites on the play
// action."). Only a watched game tells it, so every choice comes from a
// display generator seeded by the play: it draws nothing from the game's
// generator and is not counted among the narration calls.
void Queue_Play_Action_Sentence(GAME* pGame, int nPasserID, int nBackID, int nBitID);

// How many times Queue_Play_Commentary has been called since the program
// started (wrapping), watched or not: the difference across a play counts its
// narration calls the same way in both.
uint32_t Get_Play_Commentary_Call_Count();

// True while a simulation runs, fast-forward is off and either team's game of
// the current week is marked for play-by-play.
bool Is_Game_Narrated(const GAME* pGame);

// The variant rule of the event, drawing its sub-choices from pDisplay; v is
// the variant drawn by the call, kept where the rule keeps it.
int Choose_Commentary_Variant(const GAME* pGame, int nEvent, int v, int a1, int a2, int a3, int nPlayer0ID,
                              int nPlayer1ID, struct DISPLAY_RANDOM* pDisplay);

// Phrase [event][variant] of entry nEntry of the current play, tokens
// expanded, into output buffer nEntry.
void Render_Play_Commentary(GAME* pGame, int nEntry);

// Expands the tokens of szText (the phrase of entry nEntry) into szOut
// (nOutSize bytes) in one left-to-right pass: text that came from a value is
// never searched again. A token without a value turns the whole sentence into
// "..." ("Hit hard." for event 16). The first letter is raised to a capital.
void Expand_Commentary_Tokens(GAME* pGame, int nEntry, const char* szText, char* szOut, int nOutSize);

// The value of token nToken for entry nEntry into szOut (nOutSize bytes):
// true when a value was made. A token index outside 0-23 gives "<ERROR>".
bool Get_Commentary_Token_Value(GAME* pGame, int nEntry, int nToken, char* szOut, int nOutSize);

// The token that starts at szText, or -1; *pLength gets its length.
int Find_Commentary_Token(const char* szText, int* pLength);

// Rendered sentence of entry 0-9 ("" otherwise).
const char* Get_Play_Commentary_Text(int nEntry);
// Empties the ten output buffers.
void Clear_Play_Commentary_Texts();

// ---------------------------------------------------------------------------
// Words

// The $YARDLINE words for a place Y yards from the goal line of the team now
// defending; s picks among equivalent wordings; szShortName and szCity name
// the defence (used in its half only); bKickoffReturn for a returned kick-off.
void Format_Yard_Line_Words(int Y, int s, const char* szShortName, const char* szCity, bool bKickoffReturn,
                            char* szOut, int nOutSize);
// The run words of hole 0-9 for variant n ("" for another hole).
const char* Get_Run_Location_Text(int nHole, int nVariant);
// The pass words for a depth in yards: bOutside for a route that ends
// outside (in the end zone the caller allows that only once a play),
// bBeyondSpot when the ball is caught beyond the goal line.
const char* Get_Pass_Location_Words(int nYards, bool bOutside, bool bBeyondSpot);
// True when the route ends outside (see narration.cpp); false without points.
bool Is_Route_Outside(int nRoute);
// The route of the offence's player in roster slot nSlot in the current call:
// places 1-5 give receiver 0-4's route, place 0 -1, a slot not on the
// field (or a lineman) gives -1 without asking the playbook.
int Get_Player_Route(GAME* pGame, int nSlot);
// True when the leader after the play differs from the leader before it.
bool Did_Play_Change_Leader(const GAME* pGame);

// ---------------------------------------------------------------------------
// Sentence builders called by the play code. Each draws its own numbers from
// the game's generator in a fixed order whether the game is watched or not.

void Queue_Snap_Commentary(GAME* pGame);
void Queue_Handoff_Commentary(GAME* pGame, int bScramble);
void Queue_Pressure_Commentary(GAME* pGame, int nRusherID);
void Queue_Sack_Commentary(GAME* pGame, int nSackerSlot);
void Queue_Pass_Start_Commentary(GAME* pGame, int nReceiverSlot, int nDefenderSlot, int a1, int bIntercepted);
void Queue_Pass_Result_Commentary(GAME* pGame, int nReceiverSlot, int nTacklerSlot, int nYardsAfterCatch,
                                  int nCatchLocation);
