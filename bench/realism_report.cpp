// How real the football looks: the figures of real pro football's bands per
// team and game, measured on the two leagues the program plays.
//
// - The default league (built in memory from the data folder as
//   default_league_generator builds it), every club run by the computer,
//   played through the day advance with all a season has: the league norms
//   of each game day, injuries, the computer managers and the off-season.
//   For each seed, the given number of seasons; the regular seasons' games
//   are counted, the playoffs are played but not counted.
// - The generated league of the season harness (testsupport/season_fixture.h),
//   N games from each of several seeds.
//
// One line per measured run and one per league total, columns as the band
// table below; then the table itself with each league's total beside the band.
//
//   realism_report [--seeds N] [--seasons N] [--harness-seeds N]
//                  [--harness-games N] [--data DATA_FOLDER] [--no-default] [--no-harness]
//                  [--ratings]
//
// --ratings also prints the mean ratings of each league's starters.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "scratch_folder.h"
#include "season_fixture.h"
#include "base/random.h"
#include "engine/game_report.h"
#include "league/game_record.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "platform/errors.h"
#include "engine/game_state.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"
#include "season/day_advance.h"
#include "tools/default_league/default_league.h"

namespace {

using season_fixture::SEASON_FIGURES;
using season_fixture::SEASON_SUMS;

struct COLUMN {
    const char* szName;
    double fLow;    // the real league's band; -1 reported only, 0 not in the table
    double fHigh;
    int nDecimals;
    double (*pRead)(const SEASON_FIGURES&);
};

const COLUMN COLUMNS[] = {
    {"points", 21, 24, 1, [](const SEASON_FIGURES& F) { return F.fPoints; }},
    {"touchdowns", 2.3, 2.7, 2, [](const SEASON_FIGURES& F) { return F.fTouchdowns; }},
    {"fg_attempts", 1.6, 2.0, 2, [](const SEASON_FIGURES& F) { return F.fFieldGoalTries; }},
    {"completion_pct", 62, 66, 1, [](const SEASON_FIGURES& F) { return F.fCompletionPct; }},
    {"yards_per_pass", 6.8, 7.4, 2, [](const SEASON_FIGURES& F) { return F.fYardsPerPassAttempt; }},
    {"total_yards", 320, 360, 0, [](const SEASON_FIGURES& F) { return F.fTotalYards; }},
    {"sacks", 2.2, 2.8, 2, [](const SEASON_FIGURES& F) { return F.fSacks; }},
    {"interceptions", 0.7, 1.0, 2, [](const SEASON_FIGURES& F) { return F.fInterceptions; }},
    {"plays", 60, 65, 1, [](const SEASON_FIGURES& F) { return F.fPlays; }},
    {"third_down_pct", 37, 41, 1, [](const SEASON_FIGURES& F) { return F.fThirdDownPct; }},
    {"fumbles_lost", 0.4, 0.6, 2, [](const SEASON_FIGURES& F) { return F.fFumblesLost; }},
    {"penalties", -1, -1, 2, [](const SEASON_FIGURES& F) { return F.fPenalties; }},
    // Not in the band table; shown because they explain the others.
    {"pass_attempts", 0, 0, 1, [](const SEASON_FIGURES& F) { return F.fPassAttempts; }},
    {"yards_per_rush", 4.1, 4.5, 2, [](const SEASON_FIGURES& F) { return F.fYardsPerRush; }},
    {"punts", 4, 5, 2, [](const SEASON_FIGURES& F) { return F.fPunts; }},
    {"field_goal_pct", 80, 88, 1, [](const SEASON_FIGURES& F) { return F.fFieldGoalPct; }},
};

void Print_Header()
{
    std::printf("%-22s", "run");
    for (const COLUMN& C : COLUMNS)
        std::printf(" %s", C.szName);
    std::printf("\n");
}

void Print_Row(const char* szRun, const SEASON_SUMS& Sums)
{
    const SEASON_FIGURES F = season_fixture::Get_Season_Figures(Sums);
    std::printf("%-22s", szRun);
    for (const COLUMN& C : COLUMNS)
        std::printf(" %*.*f", static_cast<int>(std::strlen(C.szName)), C.nDecimals, C.pRead(F));
    if (Sums.nFullPlayLogs > 0)
        std::printf("  (%ld full play logs)", Sums.nFullPlayLogs);
    std::printf("\n");
    std::fflush(stdout);
}

void Add_Sums(SEASON_SUMS& Total, const SEASON_SUMS& S)
{
    Total.nTeamGames += S.nTeamGames;
    Total.nPoints += S.nPoints;
    Total.nTouchdowns += S.nTouchdowns;
    Total.nRushes += S.nRushes;
    Total.nRushingYards += S.nRushingYards;
    Total.nPassAttempts += S.nPassAttempts;
    Total.nCompletions += S.nCompletions;
    Total.nNetPassingYards += S.nNetPassingYards;
    Total.nSacks += S.nSacks;
    Total.nSackYards += S.nSackYards;
    Total.nInterceptions += S.nInterceptions;
    Total.nFumblesLost += S.nFumblesLost;
    Total.nPunts += S.nPunts;
    Total.nPuntYards += S.nPuntYards;
    Total.nFieldGoalTries += S.nFieldGoalTries;
    Total.nFieldGoalsGood += S.nFieldGoalsGood;
    Total.nExtraPointTries += S.nExtraPointTries;
    Total.nExtraPointsGood += S.nExtraPointsGood;
    Total.nPenalties += S.nPenalties;
    Total.nPenaltyYards += S.nPenaltyYards;
    Total.nThirdDownTries += S.nThirdDownTries;
    Total.nThirdDownConversions += S.nThirdDownConversions;
    Total.nFullPlayLogs += S.nFullPlayLogs;
}

std::string Program_Folder()
{
    char szPath[4096];
    const ssize_t n = readlink("/proc/self/exe", szPath, sizeof(szPath) - 1);
    if (n <= 0)
        return ".";
    szPath[n] = '\0';
    return std::filesystem::path(szPath).parent_path().string();
}

// The mean of each playing rating (accuracy .. tackling) over each club's
// best players of a position by overall, as many as a club of the default
// league starts there: what the two leagues put on the field.
void Print_Starter_Ratings(const char* szLeague, int nTeams)
{
    std::printf("\nstarters of the %s: mean ratings (acc dist ctl rz mob spd pow qck vis rec hnd kr pr pbk rbk dis rdf prs pcv to tck) and overall\n", szLeague);
    static const char* const POSITION_NAMES[] = {"QB", "RB", "FB", "TE", "WR", "T", "G", "C",
                                                 "DE", "DT", "LB", "CB", "S", "K", "P"};
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        double fSum[NUMBER_OF_RATINGS] = {};
        double fOverall = 0;
        int nCount = 0;
        for (int t = 0; t < nTeams; ++t) {
            std::vector<std::pair<float, int>> Players;
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
                if (Get_Player_ID(t, s) > 0 && Get_Player_Position(t, s) == p)
                    Players.push_back({-Get_Player_Overall_Rating(t, s), s});
            std::sort(Players.begin(), Players.end());
            for (int k = 0; k < DEFAULT_STARTERS[p] && k < static_cast<int>(Players.size()); ++k) {
                const int s = Players[static_cast<size_t>(k)].second;
                for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
                    fSum[r] += Get_Player_Rating(t, s, r);
                fOverall -= Players[static_cast<size_t>(k)].first;
                ++nCount;
            }
        }
        std::printf("%-3s", POSITION_NAMES[p]);
        for (int r = RATING_ACCURACY; r <= RATING_TACKLING; ++r)
            std::printf(" %3.0f", nCount > 0 ? fSum[r] / nCount : 0.0);
        std::printf("  %4.1f\n", nCount > 0 ? fOverall / nCount : 0.0);
    }
}

// The regular season's finished games, read from the game records before
// the playoffs add theirs.
SEASON_SUMS Sum_Regular_Season_Games()
{
    SEASON_SUMS Sums;
    const int nPlayoffStart = Get_First_Playoff_Week();
    for (int g = 0; g < NUMBER_OF_GAMES; ++g) {
        const GAME* pGame = Get_Game_Record(g);
        if (pGame && Is_Game_Over(pGame) && pGame->nWeek < nPlayoffStart)
            season_fixture::Add_Game(*pGame, Sums);
    }
    return Sums;
}

bool Measure_Default_League(const std::string& Data, int nSeeds, int nSeasons, bool bRatings, SEASON_SUMS& Total)
{
    SCRATCH_FOLDER_CORE Scratch("realism_report");
    if (!Scratch.Ready())
        return false;
    for (const char* szFolder : {"league", "names", "Input"}) {
        std::error_code Error;
        std::filesystem::copy(Data + "/" + szFolder, szFolder, std::filesystem::copy_options::recursive, Error);
    }
    for (int nSeed = 1; nSeed <= nSeeds; ++nSeed) {
        std::string Problem;
        if (!Build_Default_League(Problem)) {
            std::fprintf(stderr, "realism_report: %s\n", Problem.c_str());
            return false;
        }
        Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
        Set_User_Preference(PREF_COMMISSIONER_MODE, 0);
        Set_User_Preference(PREF_AUTO_SAVE, 0);
        Set_Game_Pages_Enabled(false);
        if (bRatings && nSeed == 1)
            Print_Starter_Ratings("default league", Count_Teams());
        Seed_Random_Numbers(static_cast<uint32_t>(nSeed));
        for (int n = 0; n < nSeasons; ++n) {
            Advance_Day(22);   // the regular season
            const SEASON_SUMS Season = Sum_Regular_Season_Games();
            char szRun[64];
            std::snprintf(szRun, sizeof(szRun), "default s%d y%d", nSeed, Get_Current_Year());
            Print_Row(szRun, Season);
            Add_Sums(Total, Season);
            Advance_Day(22);   // the playoffs
            Advance_Day(22);   // the off-season and the next season's first day
        }
    }
    if (Get_Error_Count() > 0)
        std::fprintf(stderr, "%d errors; the last:\n%s\n", Get_Error_Count(), Get_Recent_Errors());
    return true;
}

void Measure_Harness_League(int nSeeds, int nGames, bool bRatings, SEASON_SUMS& Total)
{
    SCRATCH_FOLDER_CORE Scratch("realism_report_harness");
    if (!Scratch.Ready())
        return;
    for (int k = 0; k < nSeeds; ++k) {
        const uint32_t nSeed = 2024 + static_cast<uint32_t>(k);
        season_fixture::Build_Season_League(nSeed);
        if (bRatings && k == 0)
            Print_Starter_Ratings("harness league", season_fixture::SEASON_TEAMS);
        const SEASON_SUMS Sums = season_fixture::Play_Season_Games(nGames, nSeed + 1, false);
        char szRun[64];
        std::snprintf(szRun, sizeof(szRun), "harness %u", nSeed);
        Print_Row(szRun, Sums);
        Add_Sums(Total, Sums);
    }
}

void Print_Table(const SEASON_SUMS* pDefault, const SEASON_SUMS* pHarness)
{
    std::printf("\n| figure | default league | harness league | band |\n|---|---|---|---|\n");
    const SEASON_FIGURES D = season_fixture::Get_Season_Figures(pDefault ? *pDefault : SEASON_SUMS());
    const SEASON_FIGURES H = season_fixture::Get_Season_Figures(pHarness ? *pHarness : SEASON_SUMS());
    for (const COLUMN& C : COLUMNS) {
        if (C.fHigh == 0)
            continue;
        const bool bReported = C.fHigh < 0;
        const auto Cell = [&](bool bHave, double f) {
            if (!bHave)
                return std::string("-");
            char sz[32];
            const bool bOut = !bReported && (f < C.fLow || f > C.fHigh);
            std::snprintf(sz, sizeof(sz), bOut ? "**%.*f**" : "%.*f", C.nDecimals, f);
            return std::string(sz);
        };
        char szBand[32] = "reported";
        if (!bReported)
            std::snprintf(szBand, sizeof(szBand), "%g-%g", C.fLow, C.fHigh);
        std::printf("| %s | %s | %s | %s |\n", C.szName, Cell(pDefault != nullptr, C.pRead(D)).c_str(),
                    Cell(pHarness != nullptr, C.pRead(H)).c_str(), szBand);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    int nSeeds = 3;
    int nSeasons = 3;
    int nHarnessSeeds = 5;
    int nHarnessGames = 1000;
    bool bDefault = true;
    bool bHarness = true;
    bool bRatings = false;
    std::string Data = Program_Folder() + "/data";
    for (int i = 1; i < argc; ++i) {
        const bool bValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--seeds") == 0 && bValue) {
            nSeeds = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--seasons") == 0 && bValue) {
            nSeasons = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--harness-seeds") == 0 && bValue) {
            nHarnessSeeds = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--harness-games") == 0 && bValue) {
            nHarnessGames = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--data") == 0 && bValue) {
            Data = argv[++i];
        } else if (std::strcmp(argv[i], "--no-default") == 0) {
            bDefault = false;
        } else if (std::strcmp(argv[i], "--ratings") == 0) {
            bRatings = true;
        } else if (std::strcmp(argv[i], "--no-harness") == 0) {
            bHarness = false;
        } else {
            std::fprintf(stderr,
                         "usage: %s [--seeds N] [--seasons N] [--harness-seeds N] [--harness-games N] "
                         "[--data DATA_FOLDER] [--no-default] [--no-harness] [--ratings]\n",
                         argv[0]);
            return 2;
        }
    }
    Data = std::filesystem::absolute(Data).string();

    Print_Header();
    SEASON_SUMS Default;
    SEASON_SUMS Harness;
    if (bDefault) {
        if (!Measure_Default_League(Data, nSeeds, nSeasons, bRatings, Default))
            return 1;
        Print_Row("default total", Default);
    }
    if (bHarness) {
        Measure_Harness_League(nHarnessSeeds, nHarnessGames, bRatings, Harness);
        Print_Row("harness total", Harness);
    }
    Print_Table(bDefault ? &Default : nullptr, bHarness ? &Harness : nullptr);
    return 0;
}
