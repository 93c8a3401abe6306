// The statistics importer on one year of synthetic saved pages: the default
// league made a 2023 league, its 32 roster pages, one page per player (about
// 1,700), the injury report and the contract and cap pages, all written once
// into a scratch folder; each iteration is one whole import run (the 73
// years it looks for, the parsed copies, the CSV files written at the end).
// The goal: under 2 seconds a run on one core
// (taskset -c 5 build/bench_stat_importer_bench).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "league/league_data.h"
#include "platform/ui.h"
#include "scratch_folder.h"
#include "synthetic_pages.h"
#include "tools/default_league/default_league.h"
#include "tools/stat_importer.h"

namespace fs = std::filesystem;

namespace {

int g_nPlayerPages = 0;

bool Prepare_Pages()
{
    static bool bReady = false;
    static bool bTried = false;
    if (bTried)
        return bReady;
    bTried = true;
    static SCRATCH_FOLDER_CORE Scratch("stat_importer_bench");
    if (!Scratch.Ready())
        return false;
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    const fs::path Data = fs::path(szSource != nullptr ? szSource : KELVO_SOURCE_DIR_DEFAULT) / "data";
    std::error_code Error;
    for (const char* szFolder : {"league", "names", "Input"})
        fs::copy(Data / szFolder, szFolder, fs::copy_options::recursive, Error);
    std::string Problem;
    if (Error || !Build_Default_League(Problem)) {
        std::fprintf(stderr, "stat_importer_bench: %s\n", Error ? Error.message().c_str() : Problem.c_str());
        return false;
    }
    Set_Universe_Stat(FIRST_SEASON_YEAR, IMPORT_MODERN_YEAR);
    Give_Players_External_Ids();
    g_nPlayerPages = Write_Synthetic_Pages();
    bReady = g_nPlayerPages > 0;
    return bReady;
}

void BM_Import_One_Year_Of_Pages(benchmark::State& State)
{
    if (!Prepare_Pages()) {
        State.SkipWithError("the pages could not be made");
        return;
    }
    for (auto _ : State) {
        ui::Reset();
        if (!Download_Football_Data())
            State.SkipWithError("the import read no page");
    }
    State.counters["player_pages"] = g_nPlayerPages;
}
BENCHMARK(BM_Import_One_Year_Of_Pages)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
