// One whole game nobody watches, on the two-club fixture league of the game
// driver tests: with the game pages off, and with them on (the page texts
// built and the box-score and recap files written). Reports microseconds per
// game and games per second on one core; the "allocs_per_game" counter
// counts operator new calls during the games.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <new>

#include "../tests/engine/game_fixture.h"
#include "allocation_counter.h"
#include "engine/game_log.h"

namespace {

using namespace game_fixture;

void Play_Games(benchmark::State& State, bool bPages)
{
    Build_Two_Team_League(11);
    Set_Game_Pages_Enabled(bPages);
    uint32_t nSeed = 1;
    int nPlays = 0;
    unsigned long long nAllocations = 0;
    for (auto _ : State) {
        const unsigned long long nBefore = Get_Allocation_Count();
        const int nOver = Play_Fixture_Game(nSeed++);
        if (bPages) {
            Write_Box_Score_File(&League.Game[0], 0, 1);
            Write_Recap_File(&League.Game[0], 0, 1);
        }
        nAllocations += Get_Allocation_Count() - nBefore;
        nPlays += League.Game[0].nPlays;
        benchmark::DoNotOptimize(nOver);
    }
    Set_Game_Pages_Enabled(false);
    const double n = static_cast<double>(State.iterations());
    State.counters["games_per_second"] = benchmark::Counter(n, benchmark::Counter::kIsRate);
    State.counters["plays_per_game"] = nPlays / n;
    State.counters["allocs_per_game"] = static_cast<double>(nAllocations) / n;
}

void BM_WholeGamePagesOff(benchmark::State& State) { Play_Games(State, false); }
void BM_WholeGamePagesOn(benchmark::State& State) { Play_Games(State, true); }

BENCHMARK(BM_WholeGamePagesOff)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(BM_WholeGamePagesOn)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
