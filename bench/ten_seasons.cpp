// Seasons of the default league played headless, every club run by the
// computer: the league built from the data folder in memory, then each
// season's regular season, playoffs and off-season (draft, development,
// contracts, retirements) one call of the day advance each. After every
// off-season a line of the league's figures; at the end the seconds of the
// off-seasons and of the whole run, one `name value` a line.
//
//   ten_seasons [--pages] [--seasons N] [--data DATA_FOLDER]
//
// With --pages every game writes its pages into Output/ as in a played
// league (the folder fills season by season), and each season's seconds are
// printed (the wall clock's and this process's processor time) with the
// processor time's ratio to the first: a season that takes more than 15%
// longer than the first is a slowdown, and the run exits with status 3.
//
// DATA_FOLDER (default: "data" beside the program) holds league/, names/
// and Input/; the run itself writes into a scratch folder.

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "league_census.h"
#include "bench_data.h"
#include "scratch_folder.h"
#include "engine/game_report.h"
#include "league/preferences.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "season/day_advance.h"
#include "tools/default_league/default_league.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds_Since(Clock::time_point Start)
{
    return std::chrono::duration<double>(Clock::now() - Start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    int nSeasons = 10;
    std::string Data = bench_data::Program_Folder() + "/data";
    bool bPages = false;
    std::vector<char*> Args;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strcmp(argv[i], "--pages") == 0)
            bPages = true;
        else
            Args.push_back(argv[i]);
    }
    if (!bench_data::Read_Season_Options(static_cast<int>(Args.size()), Args.data(), nSeasons, Data))
        return 2;

    SCRATCH_FOLDER_CORE Scratch("ten_seasons");
    if (!Scratch.Ready())
        return 1;
    bench_data::Copy_League_Inputs(Data);
    std::string Problem;
    if (!Build_Default_League(Problem)) {
        std::fprintf(stderr, "ten_seasons: %s\n", Problem.c_str());
        return 1;
    }
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
    Set_User_Preference(PREF_AUTO_SAVE, 0);
    // The box scores and recaps are measured only when asked for.
    Set_Game_Pages_Enabled(bPages);
    std::printf("%s\n", league_census::Format_Census(league_census::Take_Census()).c_str());

    double fOffseasons = 0.0;
    std::vector<double> SeasonSeconds;
    std::vector<double> SeasonCpuSeconds;   // this process's processor time: a busy machine does not count
    const auto Start = Clock::now();
    for (int n = 0; n < nSeasons; ++n) {
        const auto Season = Clock::now();
        const std::clock_t nSeasonCpu = std::clock();
        Advance_Day(22);   // the regular season
        Advance_Day(22);   // the playoffs
        const auto Offseason = Clock::now();
        Advance_Day(22);   // the off-season, the draft and the next season's first day
        fOffseasons += Seconds_Since(Offseason);
        SeasonSeconds.push_back(Seconds_Since(Season));
        SeasonCpuSeconds.push_back(static_cast<double>(std::clock() - nSeasonCpu) / CLOCKS_PER_SEC);
        std::printf("%s errors %d\n", league_census::Format_Census(league_census::Take_Census()).c_str(),
                    Get_Error_Count());
    }
    if (Get_Error_Count() > 0)
        std::printf("recent_errors\n%s\n", Get_Recent_Errors());
    std::printf("offseason_seconds_mean %.3f\n", nSeasons > 0 ? fOffseasons / nSeasons : 0.0);
    std::printf("run_seconds %.3f\n", Seconds_Since(Start));
    bool bSlower = false;
    for (size_t n = 0; n < SeasonSeconds.size(); ++n) {
        const double fRatio = SeasonCpuSeconds[n] / SeasonCpuSeconds[0];
        std::printf("season_%zu_seconds %.3f cpu %.3f ratio %.2f\n", n + 1, SeasonSeconds[n], SeasonCpuSeconds[n],
                    fRatio);
        bSlower = bSlower || fRatio > 1.15;
    }
    if (bPages) {
        std::printf("output_files %zu\n", files::List_Folder("Output", "*").size());
        if (bSlower) {
            std::printf("a season took more than 15%% longer than the first\n");
            return 3;
        }
    }
    return 0;
}
