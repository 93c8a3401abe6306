// The narration on the path of every snap when nobody watches: one draw from
// the game's generator and the watch test, nothing formatted. Also the
// summary sentence of a logged play, written for the game log.

#include <benchmark/benchmark.h>

#include "base/random.h"
#include "base/text_utils.h"
#include "engine/narration.h"
#include "engine/play_wording.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/preferences.h"

static void Narration_Call_Unwatched(benchmark::State& State)
{
    Zero_League_Data();
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    GAME& Game = League.Game[0];
    Game.nAwayTeam = 1;
    Game.nHomeTeam = 2;
    Game.nOffense = 1;
    Start_Play_Record(&Game);
    Seed_Random_Numbers(12345);
    for (auto _ : State) {
        Queue_Play_Commentary(&Game, NARRATE_TACKLED, 4, 0, 0, 17, 18);
        benchmark::ClobberMemory();
    }
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(Narration_Call_Unwatched);

static void Pass_Result_Narration_Unwatched(benchmark::State& State)
{
    Zero_League_Data();
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    GAME& Game = League.Game[0];
    Game.nAwayTeam = 1;
    Game.nHomeTeam = 2;
    Game.nOffense = 1;
    Start_Play_Record(&Game);
    Set_Play_Result(&Game.CurrentPlay, RESULT_PASS_COMPLETE);
    Seed_Random_Numbers(12345);
    for (auto _ : State) {
        Queue_Pass_Result_Commentary(&Game, 2, 3, 7, 9);
        benchmark::ClobberMemory();
    }
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(Pass_Result_Narration_Unwatched);

static void Play_Summary_Sentence(benchmark::State& State)
{
    Zero_League_Data();
    GAME& Game = League.Game[0];
    Game.nAwayTeam = 1;
    Game.nHomeTeam = 2;
    PLAY Play{};
    Play.nPlayer1 = -1;
    Play.nPlayer2 = -1;
    Play.nYard1 = 7;
    Set_Play_Result(&Play, RESULT_RUN_LEFT);
    char szText[TEXT_BUFFER_SIZE];
    for (auto _ : State) {
        Write_Play_Summary_Sentence(&Game, &Play, szText, sizeof(szText));
        benchmark::DoNotOptimize(szText);
    }
    State.SetItemsProcessed(State.iterations());
}
BENCHMARK(Play_Summary_Sentence);

BENCHMARK_MAIN();
