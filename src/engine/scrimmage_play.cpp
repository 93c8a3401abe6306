// The play from scrimmage at the snap and the start of a run: who carries,
// the gain the call is designed for, the handoff and the scramble. These
// lean on the pass play and the play caller; the run itself is in
// rushing_plays.cpp.
#include "engine/rushing_plays.h"

#include <algorithm>

#include "base/random.h"
#include "engine/event_players.h"
#include "engine/game_clock.h"
#include "engine/game_stats.h"
#include "engine/kicking.h"
#include "engine/narration.h"
#include "engine/penalties.h"
#include "engine/play_data.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/league_data.h"
#include "league/player.h"

// The pass play's services (passing_plays.h).
void Run_Pass_Play(GAME* pGame);
bool Should_Scramble(GAME* pGame);
int Choose_Pass_Target(GAME* pGame, int* pbPrimary);
// The play caller's designed gain of a play (play_calling.h).
int Get_Play_Yardage(int nTeam, int nPlay);

namespace {

int Offense_Side(const GAME* pGame) { return Is_Home_Team_On_Offense(pGame) ? GAME_SIDE_HOME : GAME_SIDE_AWAY; }

}  // namespace

void Run_Scrimmage_Play(GAME* pGame)
{
    if (!pGame)
        return;
    const int nTeam = pGame->nOffense;
    const int nCall = pGame->CurrentPlay.nOffenseCall;

    Queue_Snap_Commentary(pGame);

    if (!Is_Conversion_Attempt(pGame))
        Increment_Game_Team_Stat(pGame, Offense_Side(pGame), GAME_STAT_SCRIMMAGE_PLAYS);

    if (Is_Kneel_Down_Play(nTeam, nCall)) {
        Run_Kneel_Down(pGame);
        return;
    }
    if (Is_Running_Play(nTeam, nCall)) {
        Run_Rushing_Play(pGame, 0);
        return;
    }
    if (Should_Scramble(pGame))
        Run_Rushing_Play(pGame, 1);
    else
        Run_Pass_Play(pGame);
}

void Run_Rushing_Play(GAME* pGame, int bScramble)
{
    if (!pGame)
        return;
    const int bOffense = Offense_Side(pGame);
    const int nTeam = pGame->nOffense;
    const int nCall = pGame->CurrentPlay.nOffenseCall;

    RUN_SITUATION Run;
    Run.bScramble = bScramble ? 1 : 0;
    Run.bHurry = Is_Hurry_Up_Time(pGame) ? 1 : 0;
    Run.nHole = Get_Play_Run_Hole(pGame);
    Run.nSideline = Get_Run_Sideline_Term(Run.bHurry, Run.nHole);
    Run.nDirection = Get_Run_Direction(pGame, Run.bScramble);
    Run.fWeather = Get_Run_Weather_Factor(pGame);
    Run.nCarrier = Get_Ball_Carrier(pGame);
    Run.nDesignedYards = Get_Play_Yardage(nTeam, nCall);

    Queue_Handoff_Commentary(pGame, Run.bScramble);

    if (Run.bScramble) {
        // The quarterback breaks to the side he rolled to, else mostly right.
        Run.nDirection = Is_Rollout_Play(nTeam, nCall) ? RUN_DIRECTION_RIGHT : Get_Run_Direction(pGame, 1);
        Run.nDesignedYards = (Get_Random_Run_Hole(Run.nDirection) / 2) * 2 + 4;
        Queue_Scramble_Commentary(pGame);
        Run.nCarrier = pGame->nOnField[bOffense][0];
    }

    Resolve_Rushing_Play(pGame, Run);
}

void Queue_Scramble_Commentary(GAME* pGame)
{
    if (!pGame)
        return;
    const int bOffense = Offense_Side(pGame);
    const int nTeam = pGame->nOffense;
    const int nQuarterback = pGame->nOnField[bOffense][0];
    const int nQuarterbackID =
        nQuarterback < PLAYERS_PER_TEAM && nTeam <= LAST_TEAM ? Get_Player_ID(nTeam, nQuarterback) : -1;

    if (Is_Dropback_Pass_Call(pGame))
        Queue_Play_Commentary(pGame, NARRATE_LOOKING_TO_PASS, 0, 0, 0, nQuarterbackID, 0);
    int bPrimary = 0;
    const int k = Choose_Pass_Target(pGame, &bPrimary);
    const int nPrimary = Get_Offensive_Play_Carrier(nTeam, pGame->CurrentPlay.nOffenseCall) - 1;
    if (k == nPrimary) {
        const int nRusher = Pick_Random_Pass_Rusher(pGame);
        const int nDefenseTeam = Get_Game_Defense_Team(pGame);
        Queue_Pressure_Commentary(pGame, nRusher >= 0 && nRusher < PLAYERS_PER_TEAM && nDefenseTeam <= LAST_TEAM
                                             ? Get_Player_ID(nDefenseTeam, nRusher)
                                             : -1);
    }
    Queue_Play_Commentary(pGame, NARRATE_QB_RUNS, 0, 0, 0, nQuarterbackID, 0);
}
