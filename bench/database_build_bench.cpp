// The database of one year built from the fictional history: in a scratch
// folder the default league is saved as the template and the 32-club
// history of 2006-2011 is written (untimed), then 2010 is built, with the
// seconds of each step, of the seasons reader's lines a second and of the
// whole build, one `name value` a line.
//
//   database_build_bench [--year Y] [--data DATA_FOLDER]
//
// DATA_FOLDER (default: "data" beside the program) holds league/, names/
// and Input/.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench_data.h"
#include "scratch_folder.h"
#include "gamefile/database_builder.h"
#include "gamefile/game_file.h"
#include "platform/files.h"
#include "tools/default_league/default_league.h"
#include "tools/fictional_history/fictional_history.h"

namespace {

using Clock = std::chrono::steady_clock;
Clock::time_point g_Last;
double g_fSeasonsSeconds = 0.0;

void Time_Step(const char* szStep)
{
    const auto Now = Clock::now();
    const double f = std::chrono::duration<double>(Now - g_Last).count();
    std::printf("step %-40s %.3f\n", szStep, f);
    if (std::strcmp(szStep, "Read_Seasons_File") == 0)
        g_fSeasonsSeconds = f;
    g_Last = Now;
}

long Count_Lines(const char* szPath)
{
    std::ifstream In(files::Resolve_Path(szPath));
    long n = 0;
    std::string Line;
    while (std::getline(In, Line))
        ++n;
    return n;
}

}  // namespace

int main(int argc, char** argv)
{
    int nYear = 2010;
    std::string Data = bench_data::Program_Folder() + "/data";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--year") == 0 && i + 1 < argc) {
            nYear = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
            Data = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--year Y] [--data DATA_FOLDER]\n", argv[0]);
            return 2;
        }
    }
    Data = std::filesystem::absolute(Data).string();
    SCRATCH_FOLDER_CORE Scratch("database_build_bench");
    if (!Scratch.Ready())
        return 1;
    bench_data::Copy_League_Inputs(Data);
    std::string Problem;
    if (!Build_Default_League(Problem)) {
        std::fprintf(stderr, "database_build_bench: %s\n", Problem.c_str());
        return 1;
    }
    files::Create_Folders("Databases");
    if (Save_Game(BUILD_TEMPLATE_DATABASE) != 0) {
        std::fprintf(stderr, "database_build_bench: the template could not be saved\n");
        return 1;
    }
    HISTORY_OPTIONS Options;
    HISTORY_SUMMARY Summary;
    if (!Write_Fictional_History(Options, Summary, Problem)) {
        std::fprintf(stderr, "database_build_bench: %s\n", Problem.c_str());
        return 1;
    }
    Remember_League_Fingerprint();
    Set_Build_Step_Observer(Time_Step);
    const auto Start = Clock::now();
    g_Last = Start;
    const DATABASE_BUILD_RESULT Result = Create_Universe_Database(nYear);
    const double fSeconds = std::chrono::duration<double>(Clock::now() - Start).count();
    if (Result.nBuilt != 1) {
        std::fprintf(stderr, "database_build_bench: %s\n", Result.Problem.c_str());
        return 1;
    }
    const long nSeasonLines = Count_Lines("Input/Stats/Seasons.csv") - 1;
    std::printf("seasons_lines %ld\nseasons_lines_per_second %.0f\nbuild_seconds %.3f\n", nSeasonLines,
                g_fSeasonsSeconds > 0 ? nSeasonLines / g_fSeasonsSeconds : 0.0, fSeconds);
    return 0;
}
