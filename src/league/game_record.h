// The game and play records: one GAME per game of the season (300 in the
// league block) and the PLAY records inside it (the play being run and a log
// of up to 256 finished plays).
//
// Both records are saved byte for byte inside LEAGUE_DATA, so their layout is
// part of the game file: little-endian, natural alignment, every field at the
// offset asserted below.
//
// Conventions of every GAME user:
// - a side index (bTeam) is 0 for the away team, 1 for the home team; every
//   per-side array is indexed by it;
// - team bytes hold a team 0-40 or NO_TEAM (the byte 0x80); they are read
//   unsigned so that NO_TEAM compares as 128;
// - nClock counts elapsed seconds (900 a quarter, 3,600 at the end of
//   regulation, overtime periods after it);
// - nYardLine is the distance from the ball to the goal line of the team
//   without the ball (1-99 on the field);
// - the low byte of nDown is the down code (0-3 downs, 8 kick-off, 9 free kick
//   after a safety, 10 a further kick code, 11 a conversion try), the bits
//   above it are the GAME_DOWN_FLAG_* flags.
#pragma once

#include <cstddef>
#include <cstdint>

// ---------------------------------------------------------------------------
// Sizes

constexpr int NUMBER_OF_GAMES = 300;        // GAME records of a season
constexpr int GAME_RECORD_SIZE = 48708;
constexpr int PLAY_RECORD_SIZE = 180;
constexpr int PLAY_LOG_SIZE = 256;          // finished plays a game logs
constexpr int GAME_ROSTER_SIZE = 80;        // player IDs kept per side
constexpr int GAME_PLAYER_FIGURES = 5;      // box-score figures per roster entry
constexpr int GAME_TEAM_STATS = 16;         // per-game team counters per side
constexpr int GAME_TEAM_TOTALS = 20;        // per-game team totals per side
constexpr int PLACES_ON_FIELD = 11;
constexpr int NARRATION_ENTRIES = 10;       // narration events queued per play

constexpr int GAME_SIDE_AWAY = 0;
constexpr int GAME_SIDE_HOME = 1;

// ---------------------------------------------------------------------------
// Clock

constexpr int SECONDS_PER_QUARTER = 900;
constexpr int SECONDS_AT_HALF_TIME = 1800;
constexpr int SECONDS_OF_REGULATION = 3600;

// ---------------------------------------------------------------------------
// Down codes (low byte of nDown) and the flags above them

constexpr uint32_t GAME_DOWN_CODE_MASK = 0xFF;
constexpr int FIRST_DOWN_CODE = 0;          // 0-3: first to fourth down
constexpr int FOURTH_DOWN_CODE = 3;
constexpr int KICKOFF_DOWN = 8;             // kick-off after a score or to start a period
constexpr int SAFETY_KICK_DOWN = 9;         // free kick after a safety
constexpr int FURTHER_KICK_DOWN = 10;       // treated like 8 and 9 at the end of a play
constexpr int CONVERSION_ATTEMPT = 11;      // the try after a touchdown

constexpr uint32_t GAME_DOWN_FLAG_CLOCK_STOPPED = 0x100;     // clock stopped for the next snap
constexpr uint32_t GAME_DOWN_FLAG_CLOCK_STOPPED_2 = 0x200;   // second clock-stop bit
constexpr uint32_t GAME_DOWN_FLAG_OUT_OF_BOUNDS = 0x400;     // last play ended out of bounds
constexpr uint32_t GAME_DOWN_FLAG_OUT_OF_BOUNDS_HURRY = 0x800; // ...while the offence hurried
constexpr uint32_t GAME_DOWN_FLAG_CHANGED_HANDS = 0x1000;    // the ball changed hands in the play
constexpr uint32_t GAME_DOWN_FLAG_CHANGED_HANDS_2 = 0x2000;  // second change-of-hands bit
constexpr uint32_t GAME_DOWN_FLAG_AWAY_KICKS_OFF = 0x4000;   // coin toss: 1 the away team kicks off
// The four bits the play loop clears at the start of every play.
constexpr uint32_t GAME_DOWN_FLAGS_CLOCK =
    GAME_DOWN_FLAG_CLOCK_STOPPED | GAME_DOWN_FLAG_CLOCK_STOPPED_2 |
    GAME_DOWN_FLAG_OUT_OF_BOUNDS | GAME_DOWN_FLAG_OUT_OF_BOUNDS_HURRY;
constexpr uint32_t GAME_DOWN_FLAGS_CHANGED_HANDS =
    GAME_DOWN_FLAG_CHANGED_HANDS | GAME_DOWN_FLAG_CHANGED_HANDS_2;

// nOvertimePossession bits.
constexpr int OVERTIME_AWAY_HAD_BALL = 1;
constexpr int OVERTIME_HOME_HAD_BALL = 2;

// ---------------------------------------------------------------------------
// Per-game team counters, bTeamStat[side][k] (one byte each)

enum GAME_TEAM_STAT : int {
    GAME_STAT_SCRIMMAGE_PLAYS = 0,
    GAME_STAT_RED_ZONE_TRIPS = 1,        // counted once per possession
    GAME_STAT_RED_ZONE_TOUCHDOWNS = 2,   // the only counter a conversion try adds to
    GAME_STAT_RED_ZONE_FIELD_GOALS = 3,
    GAME_STAT_PUNT_RETURNS = 4,
    GAME_STAT_KICKOFF_RETURNS = 5,
    GAME_STAT_PUNTS = 6,
    GAME_STAT_FUMBLES = 7,
    GAME_STAT_FUMBLES_LOST = 8,
    GAME_STAT_RED_ZONE_START = 9,        // yard line where the current red-zone trip began
};

// Per-game team totals, nTeamTotal[side][k] (16-bit each)
enum GAME_TEAM_TOTAL : int {
    GAME_TOTAL_SACK_YARDS_MADE = 0,      // yards of the sacks this side's defence made
    GAME_TOTAL_PUNT_YARDS = 1,           // gross
    GAME_TOTAL_PUNT_RETURN_YARDS = 2,
    GAME_TOTAL_KICKOFF_RETURN_YARDS = 3,
    GAME_TOTAL_FIRST_DOWNS = 4,
    GAME_TOTAL_RUSHES = 5,
    GAME_TOTAL_RUSHING_YARDS = 6,
    GAME_TOTAL_PASS_ATTEMPTS = 7,
    GAME_TOTAL_COMPLETIONS = 8,
    GAME_TOTAL_PASSING_YARDS = 9,
    GAME_TOTAL_TURNOVERS = 10,
    GAME_TOTAL_SACKS_MADE = 11,
    GAME_TOTAL_PENALTIES = 12,           // against the side
    GAME_TOTAL_PENALTY_YARDS = 13,       // against the side
    GAME_TOTAL_THIRD_DOWN_TRIES = 14,
    GAME_TOTAL_THIRD_DOWN_CONVERSIONS = 15,
    GAME_TOTAL_FOURTH_DOWN_TRIES = 16,
    GAME_TOTAL_FOURTH_DOWN_CONVERSIONS = 17,
    GAME_TOTAL_POSSESSION_SECONDS = 18,
};

// ---------------------------------------------------------------------------
// Results of a play (7 bits in the PLAY's result byte)

enum PLAY_RESULT : int {
    RESULT_PASS_INCOMPLETE = 0,
    RESULT_PASS_COMPLETE = 1,
    RESULT_PASS_INTERCEPTED = 2,
    RESULT_SACKED = 3,
    RESULT_PASS_KNOCKED_DOWN = 4,
    RESULT_SACK_FUMBLE_LOST = 5,
    RESULT_TOUCHDOWN_PASS = 6,
    RESULT_INTERCEPTION_TOUCHDOWN = 7,
    RESULT_SAFETY = 8,
    RESULT_RUN_LEFT = 9,
    RESULT_RUN_MIDDLE = 10,
    RESULT_RUN_RIGHT = 11,
    RESULT_TOUCHDOWN_RUN = 12,
    RESULT_RUN_FUMBLE_LOST = 13,
    RESULT_FUMBLE_RETURN_TOUCHDOWN = 14,
    RESULT_FIELD_GOAL_GOOD = 15,
    RESULT_FIELD_GOAL_MISSED = 16,
    RESULT_PUNT_RETURNED = 17,           // returned or fair caught
    RESULT_PUNT_TOUCHBACK = 18,
    RESULT_PUNT_RETURN_TOUCHDOWN = 19,
    RESULT_PUNT_MUFFED = 20,
    RESULT_KICKOFF_RETURNED = 21,
    RESULT_KICKOFF_TOUCHBACK = 22,
    RESULT_KICKOFF_RETURN_TOUCHDOWN = 23,
    RESULT_KICKOFF_RETURN_FUMBLE = 24,
    RESULT_ONSIDE_KICK_KEPT = 25,        // recovered by the kicking team
    RESULT_ONSIDE_KICK_LOST = 26,        // recovered by the receiving team
    RESULT_EXTRA_POINT_GOOD = 27,
    RESULT_EXTRA_POINT_MISSED = 28,
    RESULT_TWO_POINT_GOOD = 29,
    RESULT_TWO_POINT_FAILED = 30,
    RESULT_PENALTY = 31,                 // no play
    RESULT_UNDECIDED = 32,               // set before every play
};
constexpr int LAST_SCRIMMAGE_RESULT = RESULT_FUMBLE_RETURN_TOUCHDOWN;
constexpr int LAST_PLAY_RESULT = RESULT_PENALTY;

constexpr int PLAY_NOT_CALLED = 255;     // nOffenseCall / nDefenseCall before the call
constexpr int NARRATION_ENTRY_FREE = 255;

// ---------------------------------------------------------------------------
// PLAY, 180 bytes

// One queued narration event. The two IDs sit at their natural 4-byte places,
// after three bytes of padding that are always zero.
struct NARRATION_ENTRY {
    uint8_t bEvent;              // 0-53; NARRATION_ENTRY_FREE when empty
    uint8_t bVariant;            // 0-19
    int8_t nArg1;                // yards or a spot
    uint8_t bArg2;
    uint8_t bArg3;
    uint8_t Reserved[3];
    int32_t nPlayerID[2];        // -1 or 0 for none
};
static_assert(sizeof(NARRATION_ENTRY) == 16);
static_assert(offsetof(NARRATION_ENTRY, bVariant) == 1);
static_assert(offsetof(NARRATION_ENTRY, nArg1) == 2);
static_assert(offsetof(NARRATION_ENTRY, bArg2) == 3);
static_assert(offsetof(NARRATION_ENTRY, bArg3) == 4);
static_assert(offsetof(NARRATION_ENTRY, nPlayerID) == 8);

struct PLAY {
    uint16_t nClock;             // 0: game clock at the snap, filled when logged
    uint8_t nOtherPasser;        // 2: game roster entry + 1 of a passer other than a quarterback, else 0
    uint8_t Unused;              // 3
    int32_t nPlayer1;            // 4: passer, runner, kicker, penalised player; -1 none
    int32_t nPlayer2;            // 8: receiver, tackler, returner, recoverer; -1 none
    uint8_t nOffenseCall;        // 12: 0-59, PLAY_NOT_CALLED
    uint8_t nDefenseCall;        // 13: PLAY_NOT_CALLED before the call
    int8_t nYard1;               // 14: yards of the play
    int8_t nYard2;               // 15: return yards, return spot or penalty kind
    uint8_t nSnapDown;           // 16: down code at the snap
    int8_t nSnapToGo;            // 17
    int8_t nSnapYardLine;        // 18
    uint8_t bResult;             // 19: bit 0 the home side had the ball, bits 1-7 the PLAY_RESULT
    NARRATION_ENTRY Narration[NARRATION_ENTRIES]; // 20
};
static_assert(sizeof(PLAY) == PLAY_RECORD_SIZE);
static_assert(offsetof(PLAY, nClock) == 0);
static_assert(offsetof(PLAY, nOtherPasser) == 2);
static_assert(offsetof(PLAY, nPlayer1) == 4);
static_assert(offsetof(PLAY, nPlayer2) == 8);
static_assert(offsetof(PLAY, nOffenseCall) == 12);
static_assert(offsetof(PLAY, nDefenseCall) == 13);
static_assert(offsetof(PLAY, nYard1) == 14);
static_assert(offsetof(PLAY, nYard2) == 15);
static_assert(offsetof(PLAY, nSnapDown) == 16);
static_assert(offsetof(PLAY, nSnapToGo) == 17);
static_assert(offsetof(PLAY, nSnapYardLine) == 18);
static_assert(offsetof(PLAY, bResult) == 19);
static_assert(offsetof(PLAY, Narration) == 20);

// ---------------------------------------------------------------------------
// GAME, 48,708 bytes

struct GAME {
    uint8_t nAwayTeam;                                   // 0: side 0
    uint8_t nHomeTeam;                                   // 1: side 1
    uint8_t Reserved1[2];                                // 2
    int32_t nScore[2];                                   // 4
    int32_t nTimeouts[2];                                // 12: left in the half or period
    int32_t nFormation[2];                               // 20: formation ids 0-43
    uint16_t nYear;                                      // 28
    uint16_t nPointSpread;                               // 30: tenths of a point + 1000
    int16_t nWeek;                                       // 32: playoff games from the first playoff week
    uint16_t nOverUnder;                                 // 34: tenths of a point + 1000
    uint16_t nScheduleInfo;                              // 36: home schedule value 2 of the week
    int16_t nOvertimePossession;                         // 38: OVERTIME_*_HAD_BALL
    int16_t nTemperature;                                // 40: degrees Fahrenheit
    int16_t nWindSpeed;                                  // 42: mph, -1 indoors
    uint16_t nWeatherDraw;                               // 44: over 90 keeps a retractable roof shut
    int16_t nWindDirection;                              // 46: degrees 0-359, -1 indoors
    int32_t nAttendance;                                 // 48
    int32_t Reserved2[2];                                // 52
    uint8_t bTeamStat[2][GAME_TEAM_STATS];               // 60: GAME_TEAM_STAT
    uint16_t nTeamTotal[2][GAME_TEAM_TOTALS];            // 92: GAME_TEAM_TOTAL
    int32_t nRosterID[2][GAME_ROSTER_SIZE];              // 172: IDs of roster slots 0-79 at kick-off, 0 empty
    int16_t nPlayerGameStat[2][GAME_ROSTER_SIZE][GAME_PLAYER_FIGURES]; // 812
    PLAY CurrentPlay;                                    // 2,412
    PLAY PlayLog[PLAY_LOG_SIZE];                         // 2,592
    int16_t nPlays;                                      // 48,672: entries used in PlayLog (0-256)
    int16_t nClock;                                      // 48,674: elapsed seconds
    int8_t nPlaySeconds;                                 // 48,676: seconds the current play takes
    int8_t nPlayYards;                                   // 48,677: yards the current play gains
    int8_t nYardLine;                                    // 48,678
    int8_t nToGo;                                        // 48,679
    uint32_t nDown;                                      // 48,680: down code and GAME_DOWN_FLAG_*
    uint8_t nOffense;                                    // 48,684: the team with the ball
    uint8_t nOnField[2][PLACES_ON_FIELD];                // 48,685: roster slot per place, 255 empty
    uint8_t Reserved3;                                   // 48,707
};
static_assert(sizeof(GAME) == GAME_RECORD_SIZE);
static_assert(offsetof(GAME, nAwayTeam) == 0);
static_assert(offsetof(GAME, nHomeTeam) == 1);
static_assert(offsetof(GAME, nScore) == 4);
static_assert(offsetof(GAME, nTimeouts) == 12);
static_assert(offsetof(GAME, nFormation) == 20);
static_assert(offsetof(GAME, nYear) == 28);
static_assert(offsetof(GAME, nPointSpread) == 30);
static_assert(offsetof(GAME, nWeek) == 32);
static_assert(offsetof(GAME, nOverUnder) == 34);
static_assert(offsetof(GAME, nScheduleInfo) == 36);
static_assert(offsetof(GAME, nOvertimePossession) == 38);
static_assert(offsetof(GAME, nTemperature) == 40);
static_assert(offsetof(GAME, nWindSpeed) == 42);
static_assert(offsetof(GAME, nWeatherDraw) == 44);
static_assert(offsetof(GAME, nWindDirection) == 46);
static_assert(offsetof(GAME, nAttendance) == 48);
static_assert(offsetof(GAME, Reserved2) == 52);
static_assert(offsetof(GAME, bTeamStat) == 60);
static_assert(offsetof(GAME, nTeamTotal) == 92);
static_assert(offsetof(GAME, nRosterID) == 172);
static_assert(offsetof(GAME, nPlayerGameStat) == 812);
static_assert(offsetof(GAME, CurrentPlay) == 2412);
static_assert(offsetof(GAME, PlayLog) == 2592);
static_assert(offsetof(GAME, nPlays) == 48672);
static_assert(offsetof(GAME, nClock) == 48674);
static_assert(offsetof(GAME, nPlaySeconds) == 48676);
static_assert(offsetof(GAME, nPlayYards) == 48677);
static_assert(offsetof(GAME, nYardLine) == 48678);
static_assert(offsetof(GAME, nToGo) == 48679);
static_assert(offsetof(GAME, nDown) == 48680);
static_assert(offsetof(GAME, nOffense) == 48684);
static_assert(offsetof(GAME, nOnField) == 48685);
static_assert(offsetof(GAME, Reserved3) == 48707);

// The club playing a side of the game (GAME_SIDE_HOME or GAME_SIDE_AWAY).
inline int Side_Team(const GAME* pGame, int nSide)
{
    return nSide == GAME_SIDE_HOME ? pGame->nHomeTeam : pGame->nAwayTeam;
}

// ---------------------------------------------------------------------------
// The result byte of a PLAY. Read as the little-endian 32-bit word at PLAY
// offset 16, the result code is the word >> 25 and the home-side bit is bit 24.

inline int Get_Play_Result(const PLAY* pPlay) { return pPlay ? pPlay->bResult >> 1 : RESULT_UNDECIDED; }
inline int Get_Play_Home_Bit(const PLAY* pPlay) { return pPlay ? pPlay->bResult & 1 : 0; }
// Stores the low 7 bits of nResult and keeps the home-side bit.
void Set_Play_Result(PLAY* pPlay, int nResult);
// Stores bit 0 of bHome and keeps the result code.
void Set_Play_Home_Bit(PLAY* pPlay, int bHome);

// The game roster entry (0-79, of the side that had the ball) of a player
// other than a quarterback who threw the play's pass: his game figures hold
// his runs and catches, so his passes are counted from the log. -1 for a pass
// of a quarterback and any other play.
inline int Get_Play_Other_Passer_Entry(const PLAY* pPlay)
{
    return pPlay && pPlay->nOtherPasser >= 1 && pPlay->nOtherPasser <= GAME_ROSTER_SIZE ? pPlay->nOtherPasser - 1 : -1;
}

// The box-score word of a result code 0-31 ("Pass", "Rush", ...); "" for any
// other code.
const char* Get_Play_Result_Word(int nResult);

// true for the results of plays from scrimmage (0-14), false for 15-31. A result of
// 32 or more (or below 0) is written to the debug log as unhandled and gives false.
bool Is_Play_From_Scrimmage(const PLAY* pPlay);

// ---------------------------------------------------------------------------
// Down code helpers

inline int Get_Game_Down_Code(const GAME* pGame) { return pGame ? static_cast<int>(pGame->nDown & GAME_DOWN_CODE_MASK) : 0; }
inline bool Is_Conversion_Attempt(const GAME* pGame) { return Get_Game_Down_Code(pGame) == CONVERSION_ATTEMPT; }

// ---------------------------------------------------------------------------
// Operations

// The pre-snap reset of the current play: the whole PLAY zeroed, the
// change-of-hands flags cleared, play seconds and yards 0, result undecided
// with the home bit 0, both player IDs -1, both calls PLAY_NOT_CALLED and
// every narration entry free.
void Start_Play_Record(GAME* pGame);

// The quarter of the clock: 1-4 in regulation (at exactly 1,800 or 3,600
// seconds the quarter before while a conversion try is pending), 5 for the
// first overtime period and one more for each later one. 0 for no record.
int Get_Game_Quarter(const GAME* pGame);

// The team byte with the ball, and the other team; 0 for no record.
int Get_Game_Offense_Team(const GAME* pGame);
int Get_Game_Defense_Team(const GAME* pGame);
bool Is_Home_Team_On_Offense(const GAME* pGame);

// The team with more points. When level: NO_TEAM once the game is over,
// else the home team. 0 for no record.
int Get_Game_Winner(const GAME* pGame);

// Box-score figure 0-4 of game roster entry 0-50 of a side. 0 for no record,
// for a game whose team bytes are equal or 36 or more; a bad side, entry or
// figure is reported and gives 0.
int Get_Game_Player_Stat(const GAME* pGame, int bTeam, int nSlot, int nFigure);

// The player ID, among all 80 game roster entries of the side, with the largest
// positive value of box-score figure nFigure whose position fits nCategory:
// 0 quarterbacks, 1-4 backs, tight ends and receivers, 8-12 defenders,
// 13 kickers, 15 and above (and any negative category: the pages' "all")
// any position; 5, 6, 7 and 14 none.
// The first of equal values wins. -1 when nobody qualifies, for no record
// and for a bad side or figure (reported).
int Get_Game_Top_Player(const GAME* pGame, int nFigure, int nCategory, int bTeam);

// Adds 1 to per-game team counter nStat (0-15) of a side; during a
// conversion try only GAME_STAT_RED_ZONE_TOUCHDOWNS counts.
void Increment_Game_Team_Stat(GAME* pGame, int bTeam, int nStat);
// Stores the low byte of nValue in per-game team counter nStat (0-15).
void Set_Game_Team_Stat(GAME* pGame, int bTeam, int nStat, int nValue);
// Adds nAmount to per-game team total nStat (0-19; 16-bit); nothing during a
// conversion try.
void Increment_Game_Team_Total(GAME* pGame, int bTeam, int nStat, int nAmount);
