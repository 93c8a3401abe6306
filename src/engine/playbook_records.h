// The playbook records: the offensive and defensive play entries, the two
// playbook areas of a TEAM (each the exact image of a playbook file), and the
// built-in route and responsibility tables the plays refer to.
//
// The play entries and the areas are saved with the league and written to
// ".opb" / ".dpb" files, so their layout is a file format: little-endian,
// natural alignment, every field at the offset asserted below. The route and
// responsibility tables live only in memory and hold name pointers; they are
// ordinary structs.
#pragma once

#include <cstddef>
#include <cstdint>

#include "league/league_data.h"

// ---------------------------------------------------------------------------
// Counts

constexpr int OFFENSIVE_PLAY_COUNT = 60;       // calls 0-59
constexpr int TEAM_OFFENSIVE_PLAYS = 54;       // calls 0-53 live in the team's area
constexpr int DEFENSIVE_PLAY_COUNT = 30;
constexpr int KICK_PLAY_COUNT = 10;
constexpr int PASS_ROUTE_COUNT = 57;           // route codes 0-56
constexpr int RESPONSIBILITY_COUNT = 19;       // responsibility codes 0-18
constexpr int PLAY_RECEIVERS = 5;              // receivers 0-4 stand in places 1-5
constexpr int DEFENDER_PLACES = 11;
constexpr int ROUTE_POINTS = 4;

constexpr int PLAY_NAME_SIZE = 64;
constexpr int PLAY_DESCRIPTION_SIZE = 128;
constexpr int PLAYBOOK_CATEGORY_NAME_SIZE = 32;
constexpr int PLAYBOOK_NOTES_SIZE = 512;
constexpr int PLAYBOOK_NAME_SIZE = 38;

constexpr int OFFENSIVE_CATEGORY_COUNT = 6;
constexpr int DEFENSIVE_CATEGORY_COUNT = 3;
constexpr int OFFENSIVE_SITUATIONS = 5;        // tally columns of the offensive area
constexpr int DEFENSIVE_SITUATIONS = 6;        // tally columns of the defensive area

// ---------------------------------------------------------------------------
// Codes

// Play types 0-22.
enum PLAY_TYPE : int {
    PLAY_TYPE_RUSH = 0,
    PLAY_TYPE_TOSS = 1,
    PLAY_TYPE_SWEEP = 2,
    PLAY_TYPE_DRAW = 3,
    PLAY_TYPE_TRAP = 4,
    PLAY_TYPE_END_AROUND = 5,
    PLAY_TYPE_PASS = 6,
    PLAY_TYPE_ROLLOUT = 7,
    PLAY_TYPE_BOOTLEG = 8,
    PLAY_TYPE_SCREEN = 9,
    PLAY_TYPE_COUNTER = 10,
    PLAY_TYPE_FLEA_FLICKER = 11,
    PLAY_TYPE_HALFBACK_PASS = 12,
    PLAY_TYPE_RECEIVER_PASS = 13,
    PLAY_TYPE_FAKE_REVERSE = 14,
    PLAY_TYPE_DOUBLE_REVERSE = 15,
    PLAY_TYPE_PUNT = 16,
    PLAY_TYPE_FIELD_GOAL = 17,
    PLAY_TYPE_KICKOFF = 18,
    PLAY_TYPE_ONSIDE_KICK = 19,
    PLAY_TYPE_KNEEL_DOWN = 20,
    PLAY_TYPE_SPIKE = 21,
    PLAY_TYPE_REVERSE = 22,
};
constexpr int PLAY_TYPE_COUNT = 23;

// The fixed calls 54-59 (always read from the built-in table).
constexpr int KNEEL_DOWN_PLAY = 54;
constexpr int FAKE_PUNT_RUN_PLAY = 55;
constexpr int FAKE_PUNT_ROLLOUT_PLAY = 56;
constexpr int FAKE_FIELD_GOAL_PLAY = 57;
constexpr int HARD_CODED_PUNT_PLAY = 58;
constexpr int HARD_CODED_FIELD_GOAL_PLAY = 59;

constexpr int RUN_HOLE_COUNT = 10;             // holes 0-9; even right, odd left
constexpr int FIRST_OUTSIDE_HOLE = 4;
constexpr int NO_HOLE = -1;
constexpr int NO_ROUTE = -1;
constexpr int NO_CARRIER = -1;                 // as returned by Get_Offensive_Play_Carrier

// Formation ids the plays use: offence 0-21, defence 22-38, kicks 39-43.
constexpr int LAST_OFFENSIVE_FORMATION = 21;
constexpr int FIRST_DEFENSIVE_FORMATION = 22;
constexpr int LAST_DEFENSIVE_FORMATION = 38;
constexpr int KICKOFF_FORMATION = 39;
constexpr int ONSIDE_FORMATION = 40;
constexpr int PUNT_FORMATION = 41;
constexpr int FIELD_GOAL_FORMATION = 42;
constexpr int EXTRA_POINT_FORMATION = 43;

// Route codes the play queries name.
enum PASS_ROUTE_CODE : int {
    ROUTE_GO = 9,
    ROUTE_SCREEN = 11,
    ROUTE_SWING = 12,
    ROUTE_BENCH = 13,
    ROUTE_FLARE = 27,
    ROUTE_PLAY_ACTION_DUMP = 31,
    ROUTE_PLAY_ACTION_FLAT = 32,
    ROUTE_UNDER = 33,
    ROUTE_WHEEL = 34,
    ROUTE_PLAY_ACTION = 37,
    ROUTE_PASS_BLOCK = 39,
    ROUTE_LEAD_BLOCK = 40,
    ROUTE_BACKFIELD_SCREEN = 55,
};

// Responsibility codes; codes below RESPONSIBILITY_FIRST_NON_RUSH rush the passer.
enum DEFENSIVE_RESPONSIBILITY_CODE : int {
    RESPONSIBILITY_PASS_RUSH = 0,
    RESPONSIBILITY_OUTSIDE_RUSH = 1,
    RESPONSIBILITY_INSIDE_RUSH = 2,
    RESPONSIBILITY_CORNER_BLITZ = 3,
    RESPONSIBILITY_FIRST_NON_RUSH = 4,
    RESPONSIBILITY_DEEP_ZONE = 8,
    RESPONSIBILITY_SHORT_ZONE = 9,
    RESPONSIBILITY_DOUBLE_TEAM = 18,
};

// Segment flags of the route and responsibility points.
constexpr uint32_t WIGGLE = 0x001;
constexpr uint32_t HITCH = 0x002;
constexpr uint32_t ARROW = 0x004;
constexpr uint32_t DOTTED_LINE = 0x008;
constexpr uint32_t BLOCK = 0x010;
constexpr uint32_t TOP_SEMI = 0x020;
constexpr uint32_t BOTTOM_SEMI = 0x040;
constexpr uint32_t SKIP_LINE = 0x080;
constexpr uint32_t LARGE_ARROW = 0x100;
constexpr uint32_t LARGER_ARROW = 0x200;
constexpr uint32_t NEW_PATH = 0x400;

// Playbook sides.
constexpr int PLAYBOOK_OFFENSE = 0;
constexpr int PLAYBOOK_DEFENSE = 1;

// Situations of the offensive tallies.
constexpr int SITUATION_OVERALL = 0;
constexpr int SITUATION_THIRD_DOWN = 1;
constexpr int SITUATION_SHORT_YARDAGE = 2;     // fewer than 4 to go
constexpr int SITUATION_LONG_YARDAGE = 3;      // more than 10 to go
constexpr int SITUATION_VS_BLITZ = 4;

// ---------------------------------------------------------------------------
// OFFENSIVE_PLAY, 228 bytes (KICK_PLAY has the same layout)

struct OFFENSIVE_PLAY {
    char szName[PLAY_NAME_SIZE];               // 0: empty marks a free entry
    int8_t nFormation;                         // 64: 0-21, or 39-43
    int8_t nPlayActionHole;                    // 65: read-option hole 0-9
    uint8_t Padding[2];                        // 66: zero
    int32_t nType;                             // 68: PLAY_TYPE
    int32_t nCarrier;                          // 72: place + 1; 0 or below none
    int32_t nRunHole;                          // 76: 0-9, -1 none
    int32_t nRoute[PLAY_RECEIVERS];            // 80: PASS_ROUTE codes, -1 none
    char szDescription[PLAY_DESCRIPTION_SIZE]; // 100
};
static_assert(sizeof(OFFENSIVE_PLAY) == 228);
static_assert(offsetof(OFFENSIVE_PLAY, szName) == 0);
static_assert(offsetof(OFFENSIVE_PLAY, nFormation) == 64);
static_assert(offsetof(OFFENSIVE_PLAY, nPlayActionHole) == 65);
static_assert(offsetof(OFFENSIVE_PLAY, Padding) == 66);
static_assert(offsetof(OFFENSIVE_PLAY, nType) == 68);
static_assert(offsetof(OFFENSIVE_PLAY, nCarrier) == 72);
static_assert(offsetof(OFFENSIVE_PLAY, nRunHole) == 76);
static_assert(offsetof(OFFENSIVE_PLAY, nRoute) == 80);
static_assert(offsetof(OFFENSIVE_PLAY, szDescription) == 100);

// The name field also carries the play's card: a name holds at most 53
// characters and its terminator, bytes 54-62 are the nine signed card fields
// (scoring play, offence #1 and #2, defence #1 and #2, bonus rating, bonus
// position, bonus value, play kind) and byte 63 stays 0. Writing a name never
// touches the card; the formation stays at 64.
constexpr int PLAY_NAME_LENGTH = 53;
constexpr int PLAY_CARD_OFFSET = 54;
constexpr int PLAY_CARD_FIELDS = 9;
static_assert(PLAY_NAME_LENGTH + 1 <= PLAY_CARD_OFFSET);
static_assert(PLAY_CARD_OFFSET + PLAY_CARD_FIELDS == PLAY_NAME_SIZE - 1);
static_assert(offsetof(OFFENSIVE_PLAY, szName) + PLAY_CARD_OFFSET + PLAY_CARD_FIELDS <
              offsetof(OFFENSIVE_PLAY, nFormation));

using KICK_PLAY = OFFENSIVE_PLAY;

// ---------------------------------------------------------------------------
// DEFENSIVE_PLAY, 240 bytes

struct DEFENSIVE_PLAY {
    char szName[PLAY_NAME_SIZE];                // 0: empty marks a free entry
    int32_t nFormation;                         // 64: 22-38
    int32_t nResponsibility[DEFENDER_PLACES];   // 68: codes 0-18 of places 0-10
    char szDescription[PLAY_DESCRIPTION_SIZE];  // 112
};
static_assert(sizeof(DEFENSIVE_PLAY) == 240);
static_assert(offsetof(DEFENSIVE_PLAY, szName) == 0);
static_assert(offsetof(DEFENSIVE_PLAY, nFormation) == 64);
static_assert(offsetof(DEFENSIVE_PLAY, nResponsibility) == 68);
static_assert(offsetof(DEFENSIVE_PLAY, szDescription) == 112);
static_assert(offsetof(DEFENSIVE_PLAY, szName) + PLAY_CARD_OFFSET + PLAY_CARD_FIELDS <
              offsetof(DEFENSIVE_PLAY, nFormation));

// ---------------------------------------------------------------------------
// The team's playbook areas. They overlay the raw byte arrays of the TEAM
// record, hence may_alias.

struct __attribute__((__may_alias__)) OFFENSIVE_PLAYBOOK_AREA {
    char szCategory[OFFENSIVE_CATEGORY_COUNT][PLAYBOOK_CATEGORY_NAME_SIZE]; // 0
    OFFENSIVE_PLAY Play[TEAM_OFFENSIVE_PLAYS];                              // 192
    uint8_t Carried1[2120];                                                 // 12,504
    int16_t nYards[OFFENSIVE_PLAY_COUNT][OFFENSIVE_SITUATIONS];             // 14,624: saturating
    uint16_t nPlays[OFFENSIVE_PLAY_COUNT][OFFENSIVE_SITUATIONS];            // 15,224
    uint8_t nSacks[OFFENSIVE_PLAY_COUNT][OFFENSIVE_SITUATIONS];             // 15,824
    uint8_t nTouchdowns[OFFENSIVE_PLAY_COUNT][OFFENSIVE_SITUATIONS];        // 16,124
    uint8_t nTurnovers[OFFENSIVE_PLAY_COUNT][OFFENSIVE_SITUATIONS];         // 16,424
    uint8_t nFirstDowns[OFFENSIVE_PLAY_COUNT][OFFENSIVE_SITUATIONS];        // 16,724
    char szNotes[PLAYBOOK_NOTES_SIZE];                                      // 17,024
    char szName[PLAYBOOK_NAME_SIZE];                                        // 17,536
    uint8_t Carried2[2];                                                    // 17,574
    uint8_t bSelected[OFFENSIVE_PLAY_COUNT];                                // 17,576: category x 10 + place
    uint8_t Carried3[2044];                                                 // 17,636
};
static_assert(sizeof(OFFENSIVE_PLAYBOOK_AREA) == OFFENSIVE_PLAYBOOK_SIZE);
static_assert(sizeof(OFFENSIVE_PLAYBOOK_AREA) == 19680);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, szCategory) == 0);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, Play) == 192);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, Carried1) == 12504);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, nYards) == 14624);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, nPlays) == 15224);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, nSacks) == 15824);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, nTouchdowns) == 16124);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, nTurnovers) == 16424);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, nFirstDowns) == 16724);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, szNotes) == 17024);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, szName) == 17536);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, Carried2) == 17574);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, bSelected) == 17576);
static_assert(offsetof(OFFENSIVE_PLAYBOOK_AREA, Carried3) == 17636);

struct __attribute__((__may_alias__)) DEFENSIVE_PLAYBOOK_AREA {
    char szCategory[DEFENSIVE_CATEGORY_COUNT][PLAYBOOK_CATEGORY_NAME_SIZE]; // 0
    DEFENSIVE_PLAY Play[DEFENSIVE_PLAY_COUNT];                              // 96
    int16_t nYards[DEFENSIVE_PLAY_COUNT][DEFENSIVE_SITUATIONS];             // 7,296: saturating
    uint16_t nPlays[DEFENSIVE_PLAY_COUNT][DEFENSIVE_SITUATIONS];            // 7,656
    uint8_t nSacks[DEFENSIVE_PLAY_COUNT][DEFENSIVE_SITUATIONS];             // 8,016
    uint8_t nTouchdowns[DEFENSIVE_PLAY_COUNT][DEFENSIVE_SITUATIONS];        // 8,196
    uint8_t nTurnovers[DEFENSIVE_PLAY_COUNT][DEFENSIVE_SITUATIONS];         // 8,376
    uint8_t nFirstDowns[DEFENSIVE_PLAY_COUNT][DEFENSIVE_SITUATIONS];        // 8,556
    char szNotes[PLAYBOOK_NOTES_SIZE];                                      // 8,736
    char szName[PLAYBOOK_NAME_SIZE];                                        // 9,248
    uint8_t Carried[230];                                                   // 9,286
};
static_assert(sizeof(DEFENSIVE_PLAYBOOK_AREA) == DEFENSIVE_PLAYBOOK_SIZE);
static_assert(sizeof(DEFENSIVE_PLAYBOOK_AREA) == 9516);
static_assert(offsetof(DEFENSIVE_PLAYBOOK_AREA, szCategory) == 0);
static_assert(offsetof(DEFENSIVE_PLAYBOOK_AREA, Play) == 96);
static_assert(offsetof(DEFENSIVE_PLAYBOOK_AREA, nYards) == 7296);
static_assert(offsetof(DEFENSIVE_PLAYBOOK_AREA, nPlays) == 7656);
static_assert(offsetof(DEFENSIVE_PLAYBOOK_AREA, nSacks) == 8016);
static_assert(offsetof(DEFENSIVE_PLAYBOOK_AREA, nTouchdowns) == 8196);
static_assert(offsetof(DEFENSIVE_PLAYBOOK_AREA, nTurnovers) == 8376);
static_assert(offsetof(DEFENSIVE_PLAYBOOK_AREA, nFirstDowns) == 8556);
static_assert(offsetof(DEFENSIVE_PLAYBOOK_AREA, szNotes) == 8736);
static_assert(offsetof(DEFENSIVE_PLAYBOOK_AREA, szName) == 9248);
static_assert(offsetof(DEFENSIVE_PLAYBOOK_AREA, Carried) == 9286);

// ---------------------------------------------------------------------------
// Built-in route and responsibility tables (memory only)

struct ROUTE_POINT {
    double x;   // yards across, from the player's spot
    double y;   // yards downfield
};

struct PASS_ROUTE {
    const char* szName;
    ROUTE_POINT Point[ROUTE_POINTS];   // points past the route's end are 0, 0
    uint32_t nFlag[ROUTE_POINTS];      // segment flags of each point
    int32_t nKind;                     // 0-4; 1 backfield routes
    int32_t nMinDepth;                 // yards
    int32_t nMaxDepth;
};

struct DEFENSIVE_RESPONSIBILITY {
    const char* szName;
    ROUTE_POINT Point[ROUTE_POINTS];
    uint32_t nFlag[ROUTE_POINTS];
};

// The built-in tables, in built_in_plays.cpp.
extern const OFFENSIVE_PLAY BUILT_IN_OFFENSIVE_PLAYS[OFFENSIVE_PLAY_COUNT];
extern const KICK_PLAY BUILT_IN_KICK_PLAYS[KICK_PLAY_COUNT];
extern const DEFENSIVE_PLAY BUILT_IN_DEFENSIVE_PLAYS[DEFENSIVE_PLAY_COUNT];
extern const PASS_ROUTE PASS_ROUTES[PASS_ROUTE_COUNT];
extern const DEFENSIVE_RESPONSIBILITY DEFENSIVE_RESPONSIBILITIES[RESPONSIBILITY_COUNT];
