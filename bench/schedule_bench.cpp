// One schedule of a 32-team league of 17 games made by the generic
// generator (eight divisions of four, 2024), as the season start waits for
// it when no built-in table covers the league. Each iteration runs the
// attempts the driver would run until one succeeds; the attempts counter
// reports how many that took on average.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "base/random.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "schedule/generic_schedule.h"
#include "schedule/schedule_driver.h"

namespace {

constexpr int TEAMS = 32;

void Build_League()
{
    Clear_League_Data();
    for (int t = 0; t < TEAMS; ++t) {
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t / 4);
    }
    Count_Teams();
    Set_Universe_Stat(GAMES_PER_SEASON, 17);
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2024);
    Set_User_Preference(PREF_SEASON_INDEX, 0);
}

void Generic_Schedule_32_Teams_17_Games(benchmark::State& State)
{
    Build_League();
    Seed_Random_Numbers(12345);
    int64_t nAttempts = 0;
    int64_t nSchedules = 0;
    for (auto _ : State) {
        bool bDone = false;
        for (int i = 0; i < SCHEDULE_ATTEMPTS && !bDone; ++i) {
            bDone = Generate_Schedule_With_Progress();
            ++nAttempts;
        }
        ++nSchedules;
        benchmark::DoNotOptimize(bDone);
    }
    State.counters["attempts"] = static_cast<double>(nAttempts) / static_cast<double>(nSchedules);
}
BENCHMARK(Generic_Schedule_32_Teams_17_Games)->Unit(benchmark::kMillisecond);

// One attempt, successful or not.
void Generic_Schedule_Attempt_32_Teams_17_Games(benchmark::State& State)
{
    Build_League();
    Seed_Random_Numbers(12345);
    for (auto _ : State)
        benchmark::DoNotOptimize(Generate_Schedule_With_Progress());
}
BENCHMARK(Generic_Schedule_Attempt_32_Teams_17_Games)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
