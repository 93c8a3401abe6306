// Writes the fictional league history under "Input/Stats" of a data folder.
//
//   fictional_history_generator DATA_FOLDER [--first YEAR] [--last YEAR]
//                               [--teams N] [--seed S]
//
// Reads league/ and names/ of DATA_FOLDER. The years default to 2006-2011,
// the clubs to all 32 (12 at the least), the seed to a fixed one; the range
// must end before 2019, the default league's first season. Prints what it
// wrote and the seconds it took; exit status 0 on success, 1 on failure, 2
// for bad usage.

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "tools/fictional_history/fictional_history.h"

int main(int argc, char** argv)
{
    const char* szProgram = argc > 0 ? argv[0] : "fictional_history_generator";
    HISTORY_OPTIONS Options;
    std::string Problem;
    if (argc < 2 || argv[1][0] == '-' || !Parse_History_Arguments(argc - 2, argv + 2, Options, Problem)) {
        if (!Problem.empty())
            std::fprintf(stderr, "%s: %s\n", szProgram, Problem.c_str());
        std::fprintf(stderr, "usage: %s DATA_FOLDER [--first YEAR] [--last YEAR] [--teams N] [--seed S]\n",
                     szProgram);
        return 2;
    }
    if (::chdir(argv[1]) != 0) {
        std::fprintf(stderr, "%s: cannot enter \"%s\" (%s).\n", szProgram, argv[1], std::strerror(errno));
        return 1;
    }
    const bool bHadLog = files::File_Exists(DEBUG_LOG_FILE);
    const auto Start = std::chrono::steady_clock::now();
    HISTORY_SUMMARY Summary;
    if (!Write_Fictional_History(Options, Summary, Problem)) {
        std::fprintf(stderr, "%s: %s\n", szProgram, Problem.c_str());
        return 1;
    }
    const double fSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
    if (Get_Error_Count() > 0)
        std::fprintf(stderr, "%s: %d internal errors logged in \"%s/%s\"; the newest:\n%s\n", szProgram,
                     Get_Error_Count(), argv[1], DEBUG_LOG_FILE, Get_Recent_Errors());
    else if (!bHadLog)
        files::Delete_File(DEBUG_LOG_FILE);
    std::printf("fictional_history_generator: %d-%d, %d clubs: %d files, %d players, %d season lines in %.2f s\n",
                Options.nFirstYear, Options.nLastYear, Options.nTeams, Summary.nFiles, Summary.nPlayers,
                Summary.nSeasonLines, fSeconds);
    return 0;
}
