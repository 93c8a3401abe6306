// The season simulator on the default league: the league built from the data
// folder in memory, then `Simulate_Seasons` of N seasons (each one regular
// season and playoffs, the league restored after it), timed whole.
//
//   simulator_bench [--seasons N] [--data DATA_FOLDER]
//
// Prints the seconds and the seasons a minute, one `name value` a line.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "bench_data.h"
#include "scratch_folder.h"
#include "league/preferences.h"
#include "platform/errors.h"
#include "tools/default_league/default_league.h"
#include "tools/season_simulator.h"

int main(int argc, char** argv)
{
    int nSeasons = 10;
    std::string Data = bench_data::Program_Folder() + "/data";
    if (!bench_data::Read_Season_Options(argc, argv, nSeasons, Data))
        return 2;
    SCRATCH_FOLDER_CORE Scratch("simulator_bench");
    if (!Scratch.Ready())
        return 1;
    bench_data::Copy_League_Inputs(Data);
    std::string Problem;
    if (!Build_Default_League(Problem)) {
        std::fprintf(stderr, "simulator_bench: %s\n", Problem.c_str());
        return 1;
    }
    Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
    const auto Start = std::chrono::steady_clock::now();
    if (!Simulate_Seasons(nSeasons, Problem)) {
        std::fprintf(stderr, "simulator_bench: %s\n", Problem.c_str());
        return 1;
    }
    const double fSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
    std::printf("seasons %d\nrun_seconds %.3f\nseconds_per_season %.3f\nseasons_per_minute %.1f\n", nSeasons,
                fSeconds, fSeconds / nSeasons, fSeconds > 0 ? 60.0 * nSeasons / fSeconds : 0.0);
    return 0;
}
