// The season harness: a league of 32 generated clubs plays a 17-week season
// (272 games) of the fixture schedule from a fixed seed, and the program
// prints, one `name value` a line, games per second on one core with the
// game pages off and with the box-score and recap files written into a
// scratch folder, then the league's per-team-game averages (where each is
// read from: testsupport/season_fixture.h, Add_Game and Get_Season_Figures).
//
//   season_harness [--games N] [--seed S] [--no-pages] [--fingerprint]
//
// Both timed runs start from the same league and seed, so they play the same
// games; the averages are those of the run with the pages off. --no-pages
// skips the run with the pages (and its line), so that a profiler counts the
// plain games alone. --fingerprint adds a last line, a hash of every game
// record played with the pages off (outside the timing), for showing that a
// change of the engine's speed plays the same games byte for byte.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "scratch_folder.h"
#include "season_fixture.h"

namespace {

struct TIMED_RUN {
    season_fixture::SEASON_SUMS Sums;
    double fSeconds = 0;
};

TIMED_RUN Run_Season(int nGames, uint32_t nSeed, bool bPages, uint64_t* pnFingerprint = nullptr)
{
    season_fixture::Build_Season_League(nSeed);
    TIMED_RUN Run;
    const auto Start = std::chrono::steady_clock::now();
    Run.Sums = season_fixture::Play_Season_Games(nGames, nSeed + 1, bPages, pnFingerprint);
    Run.fSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
    return Run;
}

void Print(const char* szName, double fValue, int nDecimals)
{
    std::printf("%s %.*f\n", szName, nDecimals, fValue);
}

bool Read_Number(const char* szText, long nLow, long nHigh, long* pnValue)
{
    char* pEnd = nullptr;
    const long n = std::strtol(szText, &pEnd, 10);
    if (pEnd == szText || *pEnd != '\0' || n < nLow || n > nHigh)
        return false;
    *pnValue = n;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    long nGames = season_fixture::SEASON_GAMES;
    long nSeed = 2024;
    bool bPagesRun = true;
    bool bFingerprint = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--no-pages") == 0) {
            bPagesRun = false;
            continue;
        }
        if (std::strcmp(argv[i], "--fingerprint") == 0) {
            bFingerprint = true;
            continue;
        }
        const bool bGames = std::strcmp(argv[i], "--games") == 0;
        const bool bSeed = std::strcmp(argv[i], "--seed") == 0;
        if ((bGames || bSeed) && i + 1 < argc &&
            Read_Number(argv[i + 1], bGames ? 1 : 0, bGames ? 1000000 : 0xFFFFFFFFL, bGames ? &nGames : &nSeed)) {
            ++i;
            continue;
        }
        std::fprintf(stderr, "usage: %s [--games N] [--seed S] [--no-pages] [--fingerprint]\n", argv[0]);
        return 2;
    }

    // Every file a game writes (pages, debug and injury logs) goes to a
    // scratch folder removed at the end.
    SCRATCH_FOLDER_CORE Scratch("season_harness");
    if (!Scratch.Ready())
        return 1;

    const uint32_t nSeedValue = static_cast<uint32_t>(nSeed);
    const TIMED_RUN Plain = Run_Season(static_cast<int>(nGames), nSeedValue, false);
    uint64_t nFingerprint = 14695981039346656037ull;
    if (bFingerprint)
        Run_Season(static_cast<int>(nGames), nSeedValue, false, &nFingerprint);
    TIMED_RUN Pages;
    if (bPagesRun)
        Pages = Run_Season(static_cast<int>(nGames), nSeedValue, true);
    const season_fixture::SEASON_FIGURES F = season_fixture::Get_Season_Figures(Plain.Sums);

    Print("games_per_second", nGames / Plain.fSeconds, 0);
    if (bPagesRun)
        Print("games_per_second_with_pages", nGames / Pages.fSeconds, 0);
    Print("points", F.fPoints, 1);
    Print("plays", F.fPlays, 1);
    Print("total_yards", F.fTotalYards, 0);
    Print("pass_attempts", F.fPassAttempts, 1);
    Print("completion_pct", F.fCompletionPct, 1);
    Print("yards_per_pass_attempt", F.fYardsPerPassAttempt, 2);
    Print("yards_per_rush", F.fYardsPerRush, 2);
    Print("sacks", F.fSacks, 2);
    Print("interceptions", F.fInterceptions, 2);
    Print("fumbles_lost", F.fFumblesLost, 2);
    Print("punts", F.fPunts, 2);
    Print("punt_average", F.fPuntAverage, 1);
    Print("field_goal_pct", F.fFieldGoalPct, 1);
    Print("extra_point_pct", F.fExtraPointPct, 1);
    Print("penalties", F.fPenalties, 2);
    Print("penalty_yards", F.fPenaltyYards, 1);
    Print("third_down_pct", F.fThirdDownPct, 1);
    if (bFingerprint)
        std::printf("fingerprint %016llx\n", static_cast<unsigned long long>(nFingerprint));
    if (Plain.Sums.nFullPlayLogs > 0)
        std::fprintf(stderr, "%ld games filled their play log\n", Plain.Sums.nFullPlayLogs);
    return 0;
}
