// Seasons of the default league played headless, every club run by the
// computer: the league built from the data folder in memory, then each
// season's regular season, playoffs and off-season (draft, development,
// contracts, retirements) one call of the day advance each. After every
// off-season a line of the league's figures; at the end the seconds of the
// off-seasons and of the whole run, one `name value` a line.
//
//   ten_seasons [--seasons N] [--data DATA_FOLDER]
//
// DATA_FOLDER (default: "data" beside the program) holds league/, names/
// and Input/; the run itself writes into a scratch folder.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "league_census.h"
#include "bench_data.h"
#include "scratch_folder.h"
#include "engine/game_report.h"
#include "league/preferences.h"
#include "platform/errors.h"
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
    if (!bench_data::Read_Season_Options(argc, argv, nSeasons, Data))
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
    Set_Game_Pages_Enabled(false);   // the box scores and recaps are not what is measured here
    std::printf("%s\n", league_census::Format_Census(league_census::Take_Census()).c_str());

    double fOffseasons = 0.0;
    const auto Start = Clock::now();
    for (int n = 0; n < nSeasons; ++n) {
        Advance_Day(22);   // the regular season
        Advance_Day(22);   // the playoffs
        const auto Offseason = Clock::now();
        Advance_Day(22);   // the off-season, the draft and the next season's first day
        fOffseasons += Seconds_Since(Offseason);
        std::printf("%s errors %d\n", league_census::Format_Census(league_census::Take_Census()).c_str(),
                    Get_Error_Count());
    }
    if (Get_Error_Count() > 0)
        std::printf("recent_errors\n%s\n", Get_Recent_Errors());
    std::printf("offseason_seconds_mean %.3f\n", nSeasons > 0 ? fOffseasons / nSeasons : 0.0);
    std::printf("run_seconds %.3f\n", Seconds_Since(Start));
    return 0;
}
