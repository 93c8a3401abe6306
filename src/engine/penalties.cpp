// The penalty check of a snap.

#include "engine/penalties.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "base/random.h"
#include "engine/event_players.h"
#include "engine/game_clock.h"
#include "engine/game_ratings.h"
#include "engine/game_stats.h"
#include "engine/game_state.h"
#include "engine/narration.h"
#include "engine/passing_plays.h"
#include "engine/play_data.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "engine/rushing_plays.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/stat_codes.h"
#include "platform/errors.h"

namespace {

constexpr PENALTY_RULE PENALTY_RULES[PENALTY_KINDS] = {
    {5, false},    // Encroachment
    {5, true},     // Illegal Contact
    {5, true},     // Defensive Holding
    {15, true},    // Roughing The Passer
    {15, true},    // Roughing The Kicker (never drawn)
    {15, true},    // Unnecessary Roughness (defence)
    {0, true},     // Pass Interference: the route's depth
    {-5, false},   // Offensive Offsides
    {-5, false},   // False Start
    {-5, false},   // Illegal Motion (never drawn)
    {-10, false},  // Offensive Pass Interference
    {-10, false},  // Offensive Holding
    {-10, false},  // Intentional Grounding (never drawn)
    {-15, false},  // Clipping
    {-10, false},  // Block In The Back
    {-15, false},  // Unnecessary Roughness (offence)
};

int Side_Of_Team(const GAME* pGame, int nTeam)
{
    return nTeam == pGame->nHomeTeam ? GAME_SIDE_HOME : GAME_SIDE_AWAY;
}

bool Valid_Player(int nTeam, int nSlot)
{
    return nTeam >= 0 && nTeam <= LAST_TEAM && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}

int Player_ID(int nTeam, int nSlot)
{
    return Valid_Player(nTeam, nSlot) ? Get_Player_ID(nTeam, nSlot) : -1;
}

// A depth drawn between the least and greatest depth of the receiver's
// route; a receiver or route outside the tables reads as depth 0.
int Draw_Route_Depth(const GAME* pGame, int nReceiver)
{
    int nRoute = -1;
    if (nReceiver >= 0 && nReceiver < 5)
        nRoute = Get_Offensive_Play_Route(pGame->nOffense, pGame->CurrentPlay.nOffenseCall, nReceiver);
    const PASS_ROUTE* pRoute = nRoute >= 0 && nRoute < PASS_ROUTE_COUNT ? Get_Pass_Route(nRoute) : nullptr;
    const int nMin = pRoute ? pRoute->nMinDepth : 0;
    const int nMax = pRoute ? std::max(pRoute->nMaxDepth, nMin) : 0;
    return Get_Random_In_Range(nMin, nMax);
}

// The last discipline worked out while a game kept ratings, and its key.
struct KEPT_DISCIPLINE {
    unsigned nGeneration = 0;   // 0 is never a generation
    int nTeam = -1;
    uint8_t nSlot[5] = {};
    float F = 1.0f;
};
// By the offence's side, the last few lines it put out (a line changes with
// the formation).
constexpr int KEPT_LINES = 4;
KEPT_DISCIPLINE g_KeptDiscipline[2][KEPT_LINES];
int g_nNextKeptLine[2] = {0, 0};

// G drawn in [0, 2): the flag stands only when G reaches the line's
// discipline F.
bool Discipline_Holds(float F)
{
    return F > Get_Random_Float(2.0f);
}

}  // namespace

PENALTY_RULE Get_Penalty_Rule(int nKind)
{
    if (nKind < 0 || nKind >= PENALTY_KINDS)
        return {0, false};
    return PENALTY_RULES[nKind];
}

bool Is_Defensive_Penalty(int nKind)
{
    return nKind >= 0 && nKind <= PENALTY_PASS_INTERFERENCE;
}

float Get_Offensive_Line_Discipline(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const int bSide = Side_Of_Team(pGame, pGame->nOffense);
    const int nTeam = pGame->nOffense;
    const uint8_t* pLine = &pGame->nOnField[bSide][6];
    // Valid while a game keeps ratings: the answer reads only the offence's
    // five linemen's slots and their Discipline, and the generation moves
    // with any rating change and at each game's start and end. The reads it
    // saves gave the kept value again (the first read made any repair).
    const bool bKeep = Is_Game_Rating_Cache_Active();
    if (bKeep) {
        const unsigned nGeneration = Get_Game_Rating_Generation();
        for (const KEPT_DISCIPLINE& Kept : g_KeptDiscipline[bSide])
            if (Kept.nGeneration == nGeneration && Kept.nTeam == nTeam && std::memcmp(Kept.nSlot, pLine, 5) == 0)
                return Kept.F;
    }
    float fSum = 0.0f;
    for (int p = 0; p < 5; ++p) {
        const int nSlot = pLine[p];
        if (Valid_Player(nTeam, nSlot))
            fSum += std::max(Get_Game_Player_Rating(nTeam, nSlot, RATING_DISCIPLINE), 20.0f);
    }
    const float F = std::clamp(fSum / 350.0f, 0.5f, 2.0f);
    if (bKeep) {
        KEPT_DISCIPLINE& Kept = g_KeptDiscipline[bSide][g_nNextKeptLine[bSide]];
        g_nNextKeptLine[bSide] = (g_nNextKeptLine[bSide] + 1) % KEPT_LINES;
        Kept.nGeneration = Get_Game_Rating_Generation();
        Kept.nTeam = nTeam;
        std::memcpy(Kept.nSlot, pLine, 5);
        Kept.F = F;
    }
    return F;
}

bool Is_Dropback_Pass_Call(const GAME* pGame)
{
    if (!pGame)
        return false;
    const int nTeam = pGame->nOffense;
    const int nCall = pGame->CurrentPlay.nOffenseCall;
    const int f = Get_Offensive_Play_Formation(nTeam, nCall);
    if ((f >= 8 && f <= 12) || f == 15 || (f >= 17 && f <= 19) || f == 21 || (f >= 41 && f <= 43))
        return false;
    if (Is_Rollout_Play(nTeam, nCall))
        return false;
    return !Play_Has_Play_Action(nTeam, nCall);
}

int Enforce_Penalty_Yards(int nKind, int Y, int nYardLine)
{
    if (Y > 0) {
        if (nKind == PENALTY_PASS_INTERFERENCE && Y >= nYardLine)
            return nYardLine - 1;
        return std::min(Y, nYardLine / 2);
    }
    return std::max(Y, (nYardLine - 100) / 2);
}

int Check_For_Penalty(GAME* pGame)
{
    if (!pGame) {
        Report_Error("%s(null)", __func__);
        return 0;
    }
    PLAY& Play = pGame->CurrentPlay;
    const float F = Get_Offensive_Line_Discipline(pGame);
    const int nOffenseTeam = pGame->nOffense;
    const int bOffense = Side_Of_Team(pGame, nOffenseTeam);
    const int bDefense = 1 - bOffense;
    const int nDefenseTeam = Side_Team(pGame, bDefense);
    const int nCall = Play.nOffenseCall;
    const bool bRun = Is_Running_Play(nOffenseTeam, nCall);
    const bool bPass = Is_Passing_Play(nOffenseTeam, nCall);
    const int nDown = Get_Game_Down_Code(pGame);
    if (!(bRun || bPass) || nDown > 2 || Get_Seconds_Left_In_Half(pGame) < 120)
        return 0;
    const bool bEarlyDown = nDown <= 1;

    int nKind = -1;
    int nSlot = NO_PLAYER;
    int Y = 0;
    int D = 0;
    int nReceiver = -1;
    // Line 1 and 2 draw trunc(1000 U), the rest Get_Random_Below(1000): the same number.
    if (Get_Random_Below(1000) < 10) {
        nKind = PENALTY_ENCROACHMENT;
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_SACK, 1);
    } else if (Get_Random_Below(1000) < 7) {
        nKind = PENALTY_DEFENSIVE_HOLDING;
        static constexpr int STATS[3] = {EVENT_PASS_DEFENSED, EVENT_SOLO_TACKLE, EVENT_INTERCEPTION};
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, STATS[Get_Random_Below(3)], 1);
    } else if (Get_Random_Below(1000) < 2 && !bRun) {
        nKind = PENALTY_ROUGHING_THE_PASSER;
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_SACK, 1);
    } else if (Get_Random_Below(1000) < 2) {
        nKind = PENALTY_DEFENSIVE_ROUGHNESS;
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_SOLO_TACKLE, 1);
    } else if (Get_Random_Below(1000) < 4 && bPass) {
        nKind = PENALTY_ILLEGAL_CONTACT;
        nReceiver = Choose_Pass_Target(pGame, nullptr);
        D = std::min(Draw_Route_Depth(pGame, nReceiver), static_cast<int>(pGame->nYardLine));
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, 6 + Get_Random_Below(2), 1);
    } else if (Get_Random_Below(1000) < 6 && bPass) {
        nKind = PENALTY_PASS_INTERFERENCE;
        nReceiver = Choose_Pass_Target(pGame, nullptr);
        D = std::min(Draw_Route_Depth(pGame, nReceiver), static_cast<int>(pGame->nYardLine));
        D = std::clamp(D, 1, 120);
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, 6 + Get_Random_Below(2), 1);
        Y = D;
    } else if (Get_Random_Below(1000) < 17) {
        if (Discipline_Holds(F))
            return 0;
        nKind = PENALTY_OFFENSIVE_OFFSIDES;
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_LINE, EVENT_PENALTY, 1);
    } else if (Get_Random_Below(1000) < 15) {
        if (Discipline_Holds(F))
            return 0;
        nKind = PENALTY_FALSE_START;
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_LINE, EVENT_PENALTY, 1);
    } else if (Get_Random_Below(1000) < 5 && !bRun && bEarlyDown) {
        nKind = PENALTY_OFFENSIVE_PASS_INTERFERENCE;
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_SKILL, EVENT_PENALTY_2, 1);
    } else if (Get_Random_Below(1000) < 15 * (bRun ? 1 : 0) + 5 && bEarlyDown) {
        if (Discipline_Holds(F))
            return 0;
        nKind = PENALTY_OFFENSIVE_HOLDING;
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_LINE, EVENT_PENALTY, 1);
    } else if (Get_Random_Below(1000) < 1 && bEarlyDown) {
        nKind = PENALTY_CLIPPING;
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_LINE, EVENT_PENALTY, 1);
    } else if (Get_Random_Below(1000) < 3 && bEarlyDown) {
        nKind = PENALTY_BLOCK_IN_THE_BACK;
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_LINE, EVENT_PENALTY, 1);
    } else if (Get_Random_Below(1000) < 2 && bEarlyDown) {
        nKind = PENALTY_OFFENSIVE_ROUGHNESS;
        nSlot = Choose_Game_Event_Player(pGame, EVENT_TYPE_LINE, EVENT_PENALTY, 1);
    } else {
        return 0;
    }

    const bool bDefensive = Is_Defensive_Penalty(nKind);
    const int nPenalisedTeam = bDefensive ? nDefenseTeam : nOffenseTeam;
    const int bPenalisedSide = bDefensive ? bDefense : bOffense;
    const int nPlayerID = Player_ID(nPenalisedTeam, nSlot);
    const PENALTY_RULE Rule = Get_Penalty_Rule(nKind);
    if (nKind != PENALTY_PASS_INTERFERENCE)
        Y = Rule.nYards;
    Y = Enforce_Penalty_Yards(nKind, Y, pGame->nYardLine);
    const int nAbsYards = std::abs(Y);

    if (nKind != PENALTY_OFFENSIVE_PASS_INTERFERENCE) {
        const int nUnit = Valid_Player(nPenalisedTeam, nSlot)
                              ? Get_Position_Unit(Get_Player_Position(nPenalisedTeam, nSlot)) : -1;
        if ((bDefensive && nUnit == UNIT_DEFENSE) || (!bDefensive && nUnit == UNIT_LINE)) {
            Increment_Player_Stat(nPenalisedTeam, nSlot, STAT_PENALTIES, 1);
            Increment_Player_Stat(nPenalisedTeam, nSlot, STAT_PENALTY_YARDS, nAbsYards);
        }
        Increment_Game_Team_Total(pGame, bPenalisedSide, GAME_TOTAL_PENALTIES, 1);
        Increment_Game_Team_Total(pGame, bPenalisedSide, GAME_TOTAL_PENALTY_YARDS, nAbsYards);
    }

    // The narration of the called-back play.
    Queue_Snap_Commentary(pGame);
    const bool bBeforeSnap =
        nKind == PENALTY_ENCROACHMENT || nKind == PENALTY_OFFENSIVE_OFFSIDES || nKind == PENALTY_FALSE_START;
    const bool bPlayHappened = !bBeforeSnap && nKind != PENALTY_ROUGHING_THE_KICKER &&
                               nKind != PENALTY_ILLEGAL_MOTION && nKind != PENALTY_INTENTIONAL_GROUNDING &&
                               nKind != PENALTY_BLOCK_IN_THE_BACK;
    if (bPlayHappened) {
        if (bPass) {
            const int nDefender = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_SOLO_TACKLE, 0);
            if (Is_Dropback_Pass_Call(pGame))
                Queue_Play_Commentary(pGame, NARRATE_LOOKING_TO_PASS, 0, 0, 0,
                                      Player_ID(nOffenseTeam, pGame->nOnField[bOffense][0]), -1);
            const int nPlace = (nKind == PENALTY_ILLEGAL_CONTACT || nKind == PENALTY_PASS_INTERFERENCE)
                                   ? (nReceiver >= 0 ? nReceiver + 1 : 3) : 3;
            Queue_Pass_Start_Commentary(pGame, pGame->nOnField[bOffense][nPlace], nDefender, D, 0);
        } else {
            const int nRunner = Get_Ball_Carrier(pGame);
            const int nTackler = Choose_Game_Event_Player(pGame, EVENT_TYPE_DEFENSE, EVENT_SOLO_TACKLE, 0);
            const int nGain = std::min(Get_Random_Below(7) - 2, pGame->nYardLine / 2);
            // The run is told as any run is, then the runner goes down
            // (player 0) and the tackler brings him down.
            Queue_Run_Commentary(pGame, nRunner, nTackler, nGain, 0);
            Queue_Play_Commentary(pGame, NARRATE_TACKLED, nGain, 0, 0, Player_ID(nOffenseTeam, nRunner),
                                  Player_ID(nDefenseTeam, nTackler));
        }
    }
    if (nPenalisedTeam == NO_TEAM)
        Report_Error("NO_TEAM generated in Check_For_Penalty()");
    Queue_Play_Commentary(pGame, NARRATE_PENALTY_FLAG, Y, nPenalisedTeam, bBeforeSnap ? 0 : 1, nPlayerID, -1);

    pGame->nPlayYards = static_cast<int8_t>(Y);
    if (Rule.bFirstDown)
        pGame->nToGo = 0;
    Play.nYard2 = static_cast<int8_t>(nKind);
    Play.nYard1 = static_cast<int8_t>(nAbsYards);
    Play.nPlayer1 = nPlayerID;
    Set_Play_Result(&Play, RESULT_PENALTY);
    pGame->nPlaySeconds = static_cast<int8_t>(
        std::min(pGame->nPlaySeconds + 5 + static_cast<int>(5.0 * Random_Word_To_Fraction(Generate_Random_Number())),
                 127));
    return 1;
}
