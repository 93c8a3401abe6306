// Writes the league the program starts with.
//
//   default_league_generator DATA_FOLDER [OUTPUT]
//
// Reads league/, names/ and Input/ of DATA_FOLDER and writes OUTPUT
// (default "Databases/Universe-2019.dat", relative to DATA_FOLDER). The build
// runs it on the data folder it copies beside the program. Prints the
// seconds it took; exit status 0 on success, 1 on failure, 2 for bad usage.

#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "tools/default_league/default_league.h"

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: %s DATA_FOLDER [OUTPUT]\n", argc > 0 ? argv[0] : "default_league_generator");
        return 2;
    }
    const char* szOutput = argc == 3 ? argv[2] : DEFAULT_LEAGUE_DATABASE;
    if (::chdir(argv[1]) != 0) {
        std::fprintf(stderr, "default_league_generator: cannot enter \"%s\" (%s).\n", argv[1], std::strerror(errno));
        return 1;
    }
    // The program's own log starts afresh at every start; leave none behind
    // unless something went wrong.
    const bool bHadLog = files::File_Exists(DEBUG_LOG_FILE);
    const auto Start = std::chrono::steady_clock::now();
    std::string Problem;
    const bool bOk = Write_Default_League(szOutput, Problem);
    const double fSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
    const int nErrors = Get_Error_Count();
    if (!bOk) {
        std::fprintf(stderr, "default_league_generator: %s\n", Problem.c_str());
        return 1;
    }
    if (nErrors > 0)
        std::fprintf(stderr, "default_league_generator: %d internal errors logged in \"%s/%s\"; the newest:\n%s\n",
                     nErrors, argv[1], DEBUG_LOG_FILE, Get_Recent_Errors());
    else if (!bHadLog)
        files::Delete_File(DEBUG_LOG_FILE);
    std::printf("default_league_generator: wrote \"%s\" in %.2f s\n", szOutput, fSeconds);
    return 0;
}
