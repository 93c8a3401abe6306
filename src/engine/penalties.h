// Penalties: before every run or pass from scrimmage a fixed cascade of
// draws decides whether a flag is thrown, of which of 16 kinds, on whom, and
// how far the ball moves. A called penalty replaces the play.
#pragma once

#include "league/game_record.h"

constexpr int PENALTY_KINDS = 16;

enum PENALTY_KIND : int {
    PENALTY_ENCROACHMENT = 0,
    PENALTY_ILLEGAL_CONTACT = 1,
    PENALTY_DEFENSIVE_HOLDING = 2,
    PENALTY_ROUGHING_THE_PASSER = 3,
    PENALTY_ROUGHING_THE_KICKER = 4,
    PENALTY_DEFENSIVE_ROUGHNESS = 5,
    PENALTY_PASS_INTERFERENCE = 6,
    PENALTY_OFFENSIVE_OFFSIDES = 7,
    PENALTY_FALSE_START = 8,
    PENALTY_ILLEGAL_MOTION = 9,
    PENALTY_OFFENSIVE_PASS_INTERFERENCE = 10,
    PENALTY_OFFENSIVE_HOLDING = 11,
    PENALTY_INTENTIONAL_GROUNDING = 12,
    PENALTY_CLIPPING = 13,
    PENALTY_BLOCK_IN_THE_BACK = 14,
    PENALTY_OFFENSIVE_ROUGHNESS = 15,
};

// One kind: its yards (positive against the defence, negative against the
// offence; pass interference is the route's depth and reads 0 here) and
// whether it gives the offence a first down.
struct PENALTY_RULE {
    int nYards;
    bool bFirstDown;
};
// The rule of a kind; {0, false} outside 0-15.
PENALTY_RULE Get_Penalty_Rule(int nKind);
// Kinds 0-6 are the defence's, 7-15 the offence's.
bool Is_Defensive_Penalty(int nKind);

// The sum of Discipline (each at least 20) of the offence's places 6-10,
// divided by 350 and held to 0.5-2.0. 1 for no record.
float Get_Offensive_Line_Discipline(const GAME* pGame);

// The offence's call is a pass from the pocket: its formation is none of
// 8-12, 15, 17-19, 21 and 41-43, it does not roll out and has no play-action
// route.
bool Is_Dropback_Pass_Call(const GAME* pGame);

// The yards a penalty of nKind drawn for Y yards moves the ball from a spot
// nYardLine yards from the goal: against the defence at most half the
// distance to the goal (pass interference reaching the goal line: the 1);
// against the offence at most half the distance to its own goal.
int Enforce_Penalty_Yards(int nKind, int Y, int nYardLine);

// The penalty check of a snap: 1 when a penalty replaced the play (the
// current PLAY holds result 31, the kind in nYard2, the yards in nYard1 and
// the penalised player in nPlayer1; nPlayYards the enforced yards; nToGo 0
// for an automatic first down), else 0 with nothing changed.
int Check_For_Penalty(GAME* pGame);
