// Seasons of the default league played headless, every club run by the
// computer: the league built from the data folder in memory, then each
// season's regular season, playoffs and off-season (draft, development,
// contracts, retirements) one call of the day advance each. After every
// off-season a line of the league's figures; at the end the seconds of the
// off-seasons and of the whole run, one `name value` a line.
//
//   ten_seasons [--pages] [--seed S] [--seasons N] [--data DATA_FOLDER]
//
// --seed seeds the random source once the league is built (unseeded: the
// source as the build leaves it). A season that starts with a club over the
// salary cap is named on a line "over_cap_at_start" and the run exits with
// status 4.
//
// With --pages every game writes its pages into Output/ as in a played
// league (the folder fills season by season), and each season's seconds are
// printed (the wall clock's and this process's processor time) with the
// processor time's ratio to the first: a season that takes more than 15%
// longer than the first is a slowdown, and the run exits with status 3.
//
// At the end a line "hall_by_position": the Hall Of Fame's members at each
// position, QB to P.
//
// Each season also gives a line "draft_census": of the first-round picks of
// the draft before it, how many played a game in their first regular season
// and how many sat in the free-agent pool at its end; and of the players the
// clubs released into the pool during the season and the off-season after
// it (contracts that ran out aside), the best one's overall rating per club (mean and largest over the
// clubs that released anyone).
//
// DATA_FOLDER (default: "data" beside the program) holds league/, names/
// and Input/; the run itself writes into a scratch folder.

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "league_census.h"
#include "bench_data.h"
#include "scratch_folder.h"
#include "engine/game_report.h"
#include "league/player.h"
#include "league/team.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "base/random.h"
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

// Where each player is at one moment: his club (or the pool) and slot, and
// his overall rating then.
struct WHERE {
    int nTeam = 0;
    int nSlot = 0;
    float fOverall = 0.0f;
    int nYearsLeft = 0;   // of his contract
};

std::map<int, WHERE> Take_Places()
{
    std::map<int, WHERE> Places;
    const int nTeams = Count_Teams();
    for (int t = 0; t <= nTeams; ++t) {
        const int nTeam = t == nTeams ? FREE_AGENT_TEAM : t;
        if (nTeam != FREE_AGENT_TEAM && !Is_Team_Slot_Used(nTeam))
            continue;
        const int nPlayers = Count_Team_Players(nTeam);
        for (int s = 0; s < nPlayers; ++s)
            Places[Get_Player_Vital_Stat(nTeam, s, VITAL_PLAYER_ID)] = {
                nTeam, s, Get_Player_Overall_Rating(nTeam, s), Get_Player_Vital_Stat(nTeam, s, VITAL_CONTRACT_YEARS_LEFT)};
    }
    return Places;
}

// The best overall rating each club let go into the pool between two moments,
// of the players whose contracts still ran (a contract that ends at the
// season's close lets its player go without a release).
void Note_Releases(const std::map<int, WHERE>& Before, const std::map<int, WHERE>& After, std::map<int, float>& Best,
                   bool bSeasonClose)
{
    for (const auto& [nId, From] : Before) {
        if (From.nTeam == FREE_AGENT_TEAM || (bSeasonClose && From.nYearsLeft <= 1))
            continue;
        const auto To = After.find(nId);
        if (To == After.end() || To->second.nTeam != FREE_AGENT_TEAM)
            continue;
        auto [It, bNew] = Best.emplace(From.nTeam, From.fOverall);
        if (!bNew && From.fOverall > It->second)
            It->second = From.fOverall;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    int nSeasons = 10;
    std::string Data = bench_data::Program_Folder() + "/data";
    bool bPages = false;
    bool bSeeded = false;
    uint32_t nSeed = 0;
    std::vector<char*> Args;
    for (int i = 0; i < argc; ++i) {
        if (i > 0 && std::strcmp(argv[i], "--pages") == 0) {
            bPages = true;
        } else if (i > 0 && std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            bSeeded = true;
            nSeed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            Args.push_back(argv[i]);
        }
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
    if (bSeeded)
        Seed_Random_Numbers(nSeed);
    std::printf("%s\n", league_census::Format_Census(league_census::Take_Census()).c_str());
    bool bOverCap = false;

    double fOffseasons = 0.0;
    std::vector<double> SeasonSeconds;
    std::vector<double> SeasonCpuSeconds;   // this process's processor time: a busy machine does not count
    const auto Start = Clock::now();
    for (int n = 0; n < nSeasons; ++n) {
        const auto Season = Clock::now();
        const std::clock_t nSeasonCpu = std::clock();
        const int nYear = Get_Current_Year();
        const std::map<int, WHERE> Start = Take_Places();
        std::vector<int> Picks;   // this year's first-round picks, wherever they are
        for (const auto& [nId, At] : Start) {
            const int nDrafted = Get_Player_Vital_Stat(At.nTeam, At.nSlot, VITAL_DRAFTED_BY);
            if (Get_Player_Vital_Stat(At.nTeam, At.nSlot, VITAL_DRAFT_PICK) / 100000 == 1 && nDrafted % 10000 == nYear)
                Picks.push_back(nId);
        }
        Advance_Day(22);   // the regular season
        const std::map<int, WHERE> Regular = Take_Places();
        int nPlayed = 0;
        int nInPool = 0;
        for (int nId : Picks) {
            const auto At = Regular.find(nId);
            if (At == Regular.end())
                continue;
            nPlayed += Get_Player_Stat(At->second.nTeam, At->second.nSlot, STAT_PERIOD_THIS_SEASON,
                                       STAT_GAMES_PLAYED) > 0 ? 1 : 0;
            nInPool += At->second.nTeam == FREE_AGENT_TEAM ? 1 : 0;
        }
        Advance_Day(22);   // the playoffs
        const std::map<int, WHERE> Playoffs = Take_Places();
        const auto Offseason = Clock::now();
        Advance_Day(22);   // the off-season, the draft and the next season's first day
        fOffseasons += Seconds_Since(Offseason);
        std::map<int, float> Best;
        Note_Releases(Start, Regular, Best, false);
        Note_Releases(Regular, Playoffs, Best, false);
        Note_Releases(Playoffs, Take_Places(), Best, true);
        float fBestMax = 0.0f;
        double fBestSum = 0.0;
        for (const auto& [nTeam, fBest] : Best) {
            fBestSum += fBest;
            fBestMax = fBest > fBestMax ? fBest : fBestMax;
        }
        std::printf("draft_census %d first_round_picks %zu played %d in_pool %d released_best_mean %.1f "
                    "released_best_max %.1f clubs_releasing %zu\n",
                    nYear, Picks.size(), nPlayed, nInPool, Best.empty() ? 0.0 : fBestSum / Best.size(),
                    static_cast<double>(fBestMax), Best.size());
        SeasonSeconds.push_back(Seconds_Since(Season));
        SeasonCpuSeconds.push_back(static_cast<double>(std::clock() - nSeasonCpu) / CLOCKS_PER_SEC);
        const league_census::CENSUS Census = league_census::Take_Census();
        std::printf("%s errors %d\n", league_census::Format_Census(Census).c_str(), Get_Error_Count());
        if (Census.nClubsOverCap > 0) {
            std::printf("over_cap_at_start %d clubs %d top_payroll %lld cap %lld\n", Census.nYear,
                        Census.nClubsOverCap, static_cast<long long>(Census.nLargestPayroll),
                        static_cast<long long>(Census.nCap));
            bOverCap = true;
        }
    }
    // The Hall Of Fame by position, QB to P, against the shares it aims at.
    std::printf("hall_by_position");
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
        std::printf(" %d", Count_Team_Position_Players(HALL_OF_FAME_TEAM, p));
    std::printf("\n");
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
    if (bOverCap)
        return 4;
    if (bPages) {
        std::printf("output_files %zu\n", files::List_Folder("Output", "*").size());
        if (bSlower) {
            std::printf("a season took more than 15%% longer than the first\n");
            return 3;
        }
    }
    return 0;
}
