// The whole encyclopedia export of the default league after one simulated
// regular season, as a user waits for it: every page of the 13 templates
// expanded and written into a scratch folder. Reports the seconds of one
// export and the pages written per second. The goal: the whole export in
// under 3 seconds on one core (taskset -c 5 build/bench_export_bench). The
// pages go into the scratch folder under /tmp, or under the folder that
// KELVO_EXPORT_FOLDER names: a file system where many files were just
// deleted makes each new file cost the kernel far more than the page itself.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "scratch_folder.h"
#include "export/encyclopedia.h"
#include "league/preferences.h"
#include "platform/ui.h"
#include "season/day_advance.h"
#include "tools/default_league/default_league.h"

namespace fs = std::filesystem;

namespace {

// The league, its inputs and the templates, made once in the scratch folder.
bool Prepare_League()
{
    static bool bReady = false;
    static bool bTried = false;
    if (bTried)
        return bReady;
    bTried = true;
    // The folder stays the current one for the whole run.
    static SCRATCH_FOLDER_CORE Scratch("export_bench");
    if (!Scratch.Ready())
        return false;
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    const fs::path Data = fs::path(szSource != nullptr ? szSource : KELVO_SOURCE_DIR_DEFAULT) / "data";
    std::error_code Error;
    for (const char* szFolder : {"league", "names", "Input", "HTML_Templates"})
        fs::copy(Data / szFolder, szFolder, fs::copy_options::recursive, Error);
    std::string Problem;
    if (Error || !Build_Default_League(Problem)) {
        std::fprintf(stderr, "export_bench: %s\n", Error ? Error.message().c_str() : Problem.c_str());
        return false;
    }
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_User_Preference(PREF_AUTO_SAVE, 0);
    Advance_Day(22);
    bReady = true;
    return true;
}

void BM_Export_Whole_Encyclopedia(benchmark::State& State)
{
    if (!Prepare_League()) {
        State.SkipWithError("the league could not be made");
        return;
    }
    int nPages = 0;
    int nRun = 0;
    for (auto _ : State) {
        // A fresh folder each time: the first export of a folder is the case users meet.
        // KELVO_EXPORT_FOLDER puts the pages on another file system (a tmpfs, say).
        const char* szBase = std::getenv("KELVO_EXPORT_FOLDER");
        const std::string Folder =
            (szBase != nullptr ? std::string(szBase) + "/" : std::string()) + "Export" + std::to_string(nRun++);
        ui::Reset();
        Export_Html_Encyclopedia(Folder.c_str(), nullptr);
        nPages = Count_Html_Pages_Written();
    }
    State.counters["pages"] = nPages;
    State.counters["pages_per_second"] =
        benchmark::Counter(static_cast<double>(nPages) * static_cast<double>(State.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Export_Whole_Encyclopedia)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
