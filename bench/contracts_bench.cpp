// "&Recalculate Contracts" of Advanced Tools on the default league under its
// cap: every player's computed values drawn again, then every club's
// payroll rescaled toward its share of the cap. The goal: under 0.5 s on
// one core (taskset -c 5 build/bench_contracts_bench).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "editors/advanced_tools.h"
#include "league/league_data.h"
#include "season/salary_finance.h"
#include "scratch_folder.h"
#include "tools/default_league/default_league.h"

namespace fs = std::filesystem;

namespace {

bool Prepare_League(std::vector<unsigned char>& Saved)
{
    static SCRATCH_FOLDER_CORE Scratch("contracts_bench");
    if (!Scratch.Ready())
        return false;
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    const fs::path Data = fs::path(szSource != nullptr ? szSource : KELVO_SOURCE_DIR_DEFAULT) / "data";
    std::error_code Error;
    for (const char* szFolder : {"league", "names", "Input"})
        fs::copy(Data / szFolder, szFolder, fs::copy_options::recursive, Error);
    std::string Problem;
    if (Error || !Build_Default_League(Problem)) {
        std::fprintf(stderr, "contracts_bench: %s\n", Error ? Error.message().c_str() : Problem.c_str());
        return false;
    }
    Saved.assign(reinterpret_cast<const unsigned char*>(&League),
                 reinterpret_cast<const unsigned char*>(&League) + sizeof(League));
    return true;
}

// The default league built once, its bytes kept for every iteration.
std::vector<unsigned char>& Saved_League()
{
    static std::vector<unsigned char> Saved;
    static bool bTried = false;
    if (!bTried) {
        bTried = true;
        Prepare_League(Saved);
    }
    return Saved;
}

void BM_Recalculate_Contracts(benchmark::State& State)
{
    std::vector<unsigned char>& Saved = Saved_League();
    if (Saved.empty()) {
        State.SkipWithError("the default league could not be built");
        return;
    }
    for (auto _ : State) {
        State.PauseTiming();
        std::memcpy(static_cast<void*>(&League), Saved.data(), Saved.size());
        State.ResumeTiming();
        Run_Advanced_Tool(1);
    }
}
BENCHMARK(BM_Recalculate_Contracts)->Unit(benchmark::kMillisecond)->Iterations(5);

// Its first step alone, to tell the rescale's share.
void BM_Computed_Values_Only(benchmark::State& State)
{
    std::vector<unsigned char>& Saved = Saved_League();
    if (Saved.empty()) {
        State.SkipWithError("the default league could not be built");
        return;
    }
    for (auto _ : State) {
        State.PauseTiming();
        std::memcpy(static_cast<void*>(&League), Saved.data(), Saved.size());
        State.ResumeTiming();
        Update_All_Player_Computed_Values(1);
    }
}
BENCHMARK(BM_Computed_Values_Only)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
