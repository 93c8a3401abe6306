// The building blocks that run on every snap of a game nobody watches, with
// the game pages off: the clock step around a scripted play, the penalty
// check, the kick-off, punt and field-goal models, and the narration. Every
// allocation is counted (global operator new below): before the timings, the
// program runs many snaps of each block and fails when any allocated or
// reported an error; each timing also reports its allocations.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <new>

#include "base/random.h"
#include "engine/field_goals.h"
#include "engine/game_clock.h"
#include "engine/game_report.h"
#include "engine/kicking.h"
#include "engine/narration.h"
#include "engine/penalties.h"
#include "engine/playbooks.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"

#include "allocation_counter.h"

namespace {

// ---------------------------------------------------------------------------
// The game

constexpr int AWAY = 0;   // defends and returns
constexpr int HOME = 1;   // has the ball and kicks
constexpr int KICK_UNIT = 40;     // home slots 40-50: kicker (places 0 and 1), then cover men
constexpr int RETURN_UNIT = 31;   // away slot 31: the returner

GAME& Game = League.Game[0];
int g_nPassCall = -1;
int g_nRunCall = -1;

void Put_Player(int nTeam, int nSlot, int nID, int nPosition)
{
    Clear_Player(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, nID);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition);
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Set_Player_Rating(nTeam, nSlot, r, 70.0f);
}

int Find_Call(bool bRun)
{
    for (int c = 0; c < 54; ++c)
        if (bRun ? Is_Running_Play(HOME, c) : Is_Passing_Play(HOME, c))
            return c;
    return 0;
}

void Set_Up_League()
{
    Zero_League_Data();
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = t < 2 ? CONTROLLER_COMPUTER : CONTROLLER_NOT_IN_USE;
    Count_Teams();
    League.StandingsArea.nPlayoffDay[0] = 17;
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2020;
    Set_User_Preference(PREF_CURRENT_WEEK, 5);
    // A simulation runs and nobody marked the game for play-by-play.
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    Set_Game_Pages_Enabled(false);
    Build_Team_Default_Playbook(AWAY);
    Build_Team_Default_Playbook(HOME);
    g_nPassCall = Find_Call(false);
    g_nRunCall = Find_Call(true);

    const int nOffense[] = {POSITION_QB, POSITION_RB, POSITION_FB, POSITION_WR, POSITION_WR, POSITION_TE,
                            POSITION_T,  POSITION_G,  POSITION_C,  POSITION_G,  POSITION_T};
    const int nDefense[] = {POSITION_DE, POSITION_DE, POSITION_DT, POSITION_DT, POSITION_LB, POSITION_LB,
                            POSITION_LB, POSITION_CB, POSITION_CB, POSITION_S,  POSITION_S};
    for (int p = 0; p < PLACES_ON_FIELD; ++p) {
        Put_Player(HOME, p, 100 + p, nOffense[p]);
        Put_Player(HOME, KICK_UNIT + p, 140 + p, p < 2 ? POSITION_K : POSITION_LB);
        Put_Player(AWAY, 20 + p, 200 + p, nDefense[p]);
        Game.nRosterID[GAME_SIDE_HOME][p] = 100 + p;
        Game.nRosterID[GAME_SIDE_HOME][KICK_UNIT + p] = 140 + p;
        Game.nRosterID[GAME_SIDE_AWAY][20 + p] = 200 + p;
    }
    Put_Player(AWAY, RETURN_UNIT, 231, POSITION_WR);
    Game.nRosterID[GAME_SIDE_AWAY][RETURN_UNIT] = 231;
    Game.nAwayTeam = AWAY;
    Game.nHomeTeam = HOME;
    Game.nWeek = 5;
    Game.nYear = 2020;
    Game.nWindSpeed = 8;
    Game.nWindDirection = 45;
    Game.nWeatherDraw = 80;
    Game.nTemperature = 55;
    Seed_Random_Numbers(12345);
}

// The offence and the defence of a play from scrimmage on the field.
void Line_Up_Scrimmage()
{
    for (int p = 0; p < PLACES_ON_FIELD; ++p) {
        Game.nOnField[GAME_SIDE_HOME][p] = static_cast<uint8_t>(p);
        Game.nOnField[GAME_SIDE_AWAY][p] = static_cast<uint8_t>(20 + p);
    }
}

// The kicking unit and the return team on the field.
void Line_Up_Kick()
{
    for (int p = 0; p < PLACES_ON_FIELD; ++p) {
        Game.nOnField[GAME_SIDE_HOME][p] = static_cast<uint8_t>(KICK_UNIT + p);
        Game.nOnField[GAME_SIDE_AWAY][p] = static_cast<uint8_t>(p == 0 ? RETURN_UNIT : 20 + p);
    }
}

// A fresh snap of the home offence at 10:00 of the second quarter.
void Start_Snap(int nDown, int nToGo, int nYardLine, int nCall)
{
    Start_Play_Record(&Game);
    Game.nOffense = HOME;
    Game.nClock = 1500;
    Game.nScore[GAME_SIDE_AWAY] = 0;
    Game.nScore[GAME_SIDE_HOME] = 0;
    Game.nDown = static_cast<uint32_t>(nDown);
    Game.nToGo = static_cast<int8_t>(nToGo);
    Game.nYardLine = static_cast<int8_t>(nYardLine);
    Game.nPlayYards = 0;
    Game.nPlaySeconds = 0;
    Game.CurrentPlay.nOffenseCall = static_cast<uint8_t>(nCall);
    Game.CurrentPlay.nDefenseCall = 3;
    // The log stays short of full, so every play is appended.
    if (Game.nPlays >= PLAY_LOG_SIZE - 1)
        Game.nPlays = 0;
}

// ---------------------------------------------------------------------------
// One snap of each block

// Three scripted plays in turn: a 4-yard run, an incompletion, a 12-yard
// completion for a first down.
void Clock_Step(unsigned n)
{
    static const int SCRIPT[3][3] = {
        {4, 6, RESULT_RUN_MIDDLE},
        {0, 5, RESULT_PASS_INCOMPLETE},
        {12, 7, RESULT_PASS_COMPLETE},
    };
    const int* Row = SCRIPT[n % 3];
    Start_Snap(FIRST_DOWN_CODE + static_cast<int>(n % 3), 10, 60, g_nRunCall);
    Run_Pre_Snap_Clock(&Game);
    Store_Snap_In_Play_Log(&Game);
    Game.nPlayYards = static_cast<int8_t>(Row[0]);
    Game.nPlaySeconds = static_cast<int8_t>(Row[1]);
    Set_Play_Result(&Game.CurrentPlay, Row[2]);
    End_Play(&Game);
    Check_Quarter_End(&Game);
}

void Penalty_Check(unsigned n)
{
    Start_Snap(FIRST_DOWN_CODE, 10, 50, n % 2 ? g_nPassCall : g_nRunCall);
    benchmark::DoNotOptimize(Check_For_Penalty(&Game));
}

void Kickoff(unsigned)
{
    Start_Snap(KICKOFF_DOWN, 10, 65, 0);
    Run_Kickoff(&Game);
}

void Punt(unsigned n)
{
    Start_Snap(FOURTH_DOWN_CODE, 8, 55 + static_cast<int>(n % 20), 58);
    Game.nFormation[GAME_SIDE_HOME] = 41;
    Run_Punt(&Game);
}

void Field_Goal_Chance(unsigned n)
{
    const double x = 20.0 + (n % 45) / Get_Kick_Weather_Factor(&Game);
    const double fChance = Get_Field_Goal_Curve(x, 75.0, 52.0, 812) *
                           Get_Field_Goal_Drift(812, Get_League_Kicking_Norm(), 5 + static_cast<int>(n % 10), 300);
    benchmark::DoNotOptimize(fChance);
}

void Field_Goal(unsigned n)
{
    Start_Snap(FOURTH_DOWN_CODE, 5, 10 + static_cast<int>(n % 30), 59);
    Game.nFormation[GAME_SIDE_HOME] = 42;
    Run_Field_Goal(&Game);
}

// The narration of a pass play and of a run, unwatched.
void Narration(unsigned n)
{
    Start_Snap(FIRST_DOWN_CODE, 10, 60, n % 2 ? g_nPassCall : g_nRunCall);
    Set_Play_Result(&Game.CurrentPlay, RESULT_PASS_COMPLETE);
    Queue_Snap_Commentary(&Game);
    if (n % 2) {
        Queue_Pass_Start_Commentary(&Game, 3, NO_PLAYER, 12, 0);
        Queue_Pass_Result_Commentary(&Game, 3, 4, static_cast<int>(n % 25), 6);
    } else {
        Queue_Handoff_Commentary(&Game, 0);
    }
}

struct SNAP_BLOCK {
    const char* szName;
    void (*pSnap)(unsigned);
    void (*pLineUp)();
};

const SNAP_BLOCK BLOCKS[] = {
    {"Clock_Step", Clock_Step, Line_Up_Scrimmage},
    {"Penalty_Check", Penalty_Check, Line_Up_Scrimmage},
    {"Kickoff", Kickoff, Line_Up_Kick},
    {"Punt", Punt, Line_Up_Kick},
    {"Field_Goal_Chance", Field_Goal_Chance, Line_Up_Kick},
    {"Field_Goal", Field_Goal, Line_Up_Kick},
    {"Narration_Unwatched", Narration, Line_Up_Scrimmage},
};

// Runs nSnaps snaps of every block; false (and says which) when one
// allocated or reported an error.
bool Check_Snaps_Allocate_Nothing(unsigned nSnaps)
{
    bool bClean = true;
    for (const SNAP_BLOCK& Block : BLOCKS) {
        Set_Up_League();
        Block.pLineUp();
        Reset_Error_Count();
        const unsigned long long nBefore = Get_Allocation_Count();
        for (unsigned n = 0; n < nSnaps; ++n)
            Block.pSnap(n);
        const unsigned long long nAllocations = Get_Allocation_Count() - nBefore;
        const int nErrors = Get_Error_Count();
        std::printf("%-20s %u snaps: %llu allocations, %d errors reported\n", Block.szName, nSnaps, nAllocations,
                    nErrors);
        if (nAllocations != 0 || nErrors != 0)
            bClean = false;
    }
    return bClean;
}

void Run_Block(benchmark::State& State, const SNAP_BLOCK* pBlock)
{
    Set_Up_League();
    pBlock->pLineUp();
    unsigned n = 0;
    const unsigned long long nBefore = Get_Allocation_Count();
    for (auto _ : State) {
        pBlock->pSnap(n++);
        benchmark::ClobberMemory();
    }
    const unsigned long long nAllocations = Get_Allocation_Count() - nBefore;
    State.counters["allocs"] = static_cast<double>(nAllocations);
    State.SetItemsProcessed(State.iterations());
    if (nAllocations != 0)
        State.SkipWithError("the snap allocated");
}

}  // namespace

int main(int argc, char** argv)
{
    if (!Check_Snaps_Allocate_Nothing(100000))
        return 1;
    for (const SNAP_BLOCK& Block : BLOCKS)
        benchmark::RegisterBenchmark(Block.szName, Run_Block, &Block);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
