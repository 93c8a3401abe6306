// A whole season of the 32-club fixture league, headless and with the game
// pages off, from a fixed seed: the regular season (272 games), the
// playoffs and the off-season up to the next season's first day, each one
// call of the day advance. Prints, one `name value` a line, the seconds of
// each phase and of the whole season, and the champion's abbreviation.
//
//   season_bench [--seed S]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scratch_folder.h"
#include "whole_season.h"

namespace {

double Seconds_Of(void (*pPhase)())
{
    const auto Start = std::chrono::steady_clock::now();
    pPhase();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
}

void Through_Playoffs()
{
    Advance_Day(22);
}

}  // namespace

int main(int argc, char** argv)
{
    unsigned long nSeed = 2024;
    for (int i = 1; i < argc; ++i) {
        char* pEnd = nullptr;
        if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            nSeed = std::strtoul(argv[i + 1], &pEnd, 10);
            if (pEnd != argv[i + 1] && *pEnd == '\0' && nSeed <= 0xFFFFFFFFUL) {
                ++i;
                continue;
            }
        }
        std::fprintf(stderr, "usage: %s [--seed S]\n", argv[0]);
        return 2;
    }

    // The reports and logs of the season go to a scratch folder removed at the end.
    SCRATCH_FOLDER_CORE Scratch("season_bench");
    if (!Scratch.Ready())
        return 1;

    whole_season::Build_League(static_cast<uint32_t>(nSeed));
    const double fRegular = Seconds_Of(Through_Playoffs);   // stops on the first playoff day
    const double fPlayoffs = Seconds_Of(Through_Playoffs);
    const int nChampion = whole_season::Get_Champion();
    const double fOffseason = Seconds_Of(Through_Playoffs);   // off-season, draft, next season's schedule

    char szChampion[16] = "none";
    if (nChampion >= 0 && nChampion < MAX_FRANCHISES)
        Get_Team_String(szChampion, nChampion, TEAM_STRING_ABBREVIATION);
    std::printf("regular_season_seconds %.3f\n", fRegular);
    std::printf("playoffs_seconds %.3f\n", fPlayoffs);
    std::printf("offseason_seconds %.3f\n", fOffseason);
    std::printf("season_seconds %.3f\n", fRegular + fPlayoffs + fOffseason);
    std::printf("champion %s\n", szChampion);
    return nChampion == NO_TEAM ? 1 : 0;
}
