// The draft-class file and the ratings file of a built league: writing a
// class of 960 rookies (32 clubs of 30), reading a class into the college
// pools, and reading a ratings file of 3,200 lines (lines per second).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_hash.h"
#include "league/team.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "scratch_folder.h"
#include "season/draft_class.h"
#include "tools/draft_class_file.h"
#include "tools/ratings_loader.h"

namespace {

constexpr int CLUBS = 32;
constexpr int ROOKIES_PER_CLUB = 30;
constexpr int PLAYERS_PER_CLUB = 100;

void Fill_League(int nPlayersPerClub)
{
    Zero_League_Data();
    Clear_League_Data();
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2010);
    for (int t = 0; t < CLUBS; ++t) {
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
        for (int s = 0; s < nPlayersPerClub; ++s) {
            Clear_Player(t, s);
            PLAYER& Player = League.Team[t].Player[s];
            Player.nVital[VITAL_PLAYER_ID] = 1 + t * PLAYERS_PER_CLUB + s;
            Player.nVital[VITAL_POSITION] = s % 15;
            Player.nVital[VITAL_BIRTH_DATE] = 19880101 + s;
            Player.nVital[VITAL_CAREER_GAMES_AND_STARTS] = s;
            for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
                Player.fRating[r] = 40.0f + static_cast<float>((s * 7 + r * 3) % 50);
            std::snprintf(Player.szLastName, sizeof(Player.szLastName), "Last%d", s);
            std::snprintf(Player.szFirstName, sizeof(Player.szFirstName), "First%d", t);
            std::snprintf(Player.szCorvelID, sizeof(Player.szCorvelID), "Id%dx%d", t, s);
        }
    }
    Count_Teams();
    Build_Player_ID_Hash();
}

void BM_Write_Draft_Class(benchmark::State& State)
{
    SCRATCH_FOLDER_CORE Folder("bench");
    Fill_League(ROOKIES_PER_CLUB);
    for (auto _ : State) {
        if (Write_Draft_Class_Database() != DRAFT_CLASS_WRITTEN)
            State.SkipWithError("class not written");
        ui::Reset();
    }
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(DRAFT_CLASS_FILE_SIZE));
}
BENCHMARK(BM_Write_Draft_Class)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Load_Draft_Class(benchmark::State& State)
{
    SCRATCH_FOLDER_CORE Folder("bench");
    Fill_League(ROOKIES_PER_CLUB);
    // A class of the 2011 draft, read in the 2010 season.
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2011);
    if (Write_Draft_Class_Database() != DRAFT_CLASS_WRITTEN) {
        State.SkipWithError("class not written");
        return;
    }
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2010);
    for (auto _ : State) {
        if (Load_Draft_Class_Database() != 1)
            State.SkipWithError("class not read");
        ui::Reset();
    }
}
BENCHMARK(BM_Load_Draft_Class)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Load_Ratings_File(benchmark::State& State)
{
    SCRATCH_FOLDER_CORE Folder("bench");
    Fill_League(PLAYERS_PER_CLUB);
    FILE* pFile = std::fopen("ratings.csv", "wb");
    if (pFile == nullptr) {
        State.SkipWithError("no file");
        return;
    }
    std::fprintf(pFile, "PlayerID,2010_Team,First,Last,Position,Expanded,OVERALL,PEAK\n");
    int nLines = 0;
    for (int t = 0; t < CLUBS; ++t) {
        for (int s = 0; s < PLAYERS_PER_CLUB; ++s, ++nLines) {
            // Every other line by ID text, the rest by number.
            if (s % 2 == 0)
                std::fprintf(pFile, "Id%dx%d", t, s);
            else
                std::fprintf(pFile, "%d", 1 + t * PLAYERS_PER_CLUB + s);
            std::fprintf(pFile, ",AAA,First,Last,QB,QB,%d,%d", 60 + s % 20, 70 + s % 20);
            for (int k = 0; k < 26; ++k)
                std::fprintf(pFile, ",%d", 30 + (s + k) % 60);
            std::fprintf(pFile, "\n");
        }
    }
    std::fclose(pFile);
    for (auto _ : State) {
        if (Load_Player_Ratings_File(0, "ratings.csv") != 1)
            State.SkipWithError("not read");
        ui::Reset();
    }
    State.counters["lines_per_second"] =
        benchmark::Counter(static_cast<double>(nLines) * static_cast<double>(State.iterations()),
                           benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Load_Ratings_File)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
