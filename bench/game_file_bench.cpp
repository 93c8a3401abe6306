// Saving and loading a full league: every team and game record filled as
// late in a season. Reports the time of a save (level 6 and the automatic
// save's level 1), of a load with and without the rebuilds that follow it,
// and the file's size, each at 1, 2 and 8 threads. The goals, at 2 threads:
// a level-6 save under 150 ms, a load with every rebuild under 60 ms.

#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gamefile/game_file.h"
#include "gamefile/game_file_test_hooks.h"
#include "league/league_data.h"
#include "league/player.h"
#include "platform/ui.h"
#include "scratch_folder.h"

namespace {

uint32_t g_nState = 2463534242u;

// A small generator of our own: the game's generator is left untouched.
uint32_t Next(uint32_t nRange)
{
    g_nState ^= g_nState << 13;
    g_nState ^= g_nState >> 17;
    g_nState ^= g_nState << 5;
    return g_nState % nRange;
}

void Fill_Text(char* p, size_t nSize, const char* szStem)
{
    std::snprintf(p, nSize, "%s%u", szStem, Next(1000));
}

// Values of the ranges the records really hold, so that the file compresses
// as a real late-season league does.
void Fill_League()
{
    g_nState = 2463534242u;
    Zero_League_Data();
    std::strcpy(League.szSkinName, "earth");
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
    League.Universe.nStat[GAMES_PER_SEASON] = 17;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        TEAM& Team = League.Team[t];
        for (int k = 0; k < 6; ++k)
            Fill_Text(Team.szString[k], TEAM_STRING_SIZE, "Team");
        Team.nTeamStat[2] = t < 32 ? 0 : (t < 36 ? -1 : 0);
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            PLAYER& Player = Team.Player[s];
            Fill_Text(Player.szLastName, sizeof(Player.szLastName), "Last");
            Fill_Text(Player.szFirstName, sizeof(Player.szFirstName), "F");
            Fill_Text(Player.szCollege, sizeof(Player.szCollege), "College");
            Player.nVital[VITAL_PLAYER_ID] = 100000 * (t + 1) + s;
            Player.nVital[VITAL_POSITION] = static_cast<int32_t>(Next(15));
            Player.nVital[VITAL_HEIGHT] = 68 + static_cast<int32_t>(Next(12));
            Player.nVital[VITAL_WEIGHT] = 180 + static_cast<int32_t>(Next(140));
            Player.nVital[VITAL_BIRTH_DATE] = 19850000 + static_cast<int32_t>(Next(15)) * 10000 + 101;
            for (int v = 6; v < NUMBER_OF_VITAL_STATS; ++v)
                Player.nVital[v] = static_cast<int32_t>(Next(2000));
            for (auto& Period : Player.nStat)
                for (int32_t& nStat : Period)
                    nStat = static_cast<int32_t>(Next(400));
            for (int k = 0; k < SEASON_LINK_COUNT; ++k)
                Player.nSeasonLink[k] = k < 8 ? static_cast<int32_t>(Next(SEASON_LINE_COUNT)) : -1;
            Player.nCurrentLine = Player.nSeasonLink[0];
            for (float& fRating : Player.fRating)
                fRating = 20.0f + static_cast<float>(Next(7900)) / 100.0f;
        }
        for (auto& Category : Team.nTotals)
            for (auto& Season : Category)
                for (int32_t& n : Season)
                    n = static_cast<int32_t>(Next(6000));
        for (int32_t& n : Team.nFinancialStat)
            n = static_cast<int32_t>(Next(100000000));
        for (int y = 0; y < 20; ++y)
            for (int8_t& b : Team.bYearly[y])
                b = static_cast<int8_t>(Next(17));
        for (auto& Week : Team.nSchedule) {
            Week[0] = static_cast<int32_t>(Next(65)) - 32;
            Week[2] = 1300;
            Week[3] = static_cast<int32_t>(Next(300));
            Week[4] = 6;
        }
        for (uint8_t& b : Team.OffensivePlaybook)
            b = static_cast<uint8_t>(Next(60));
        for (uint8_t& b : Team.DepthChart)
            b = static_cast<uint8_t>(Next(100));
        for (uint8_t& b : Team.DefensivePlaybook)
            b = static_cast<uint8_t>(Next(30));
    }
    for (int g = 0; g < NUMBER_OF_GAMES; ++g) {
        GAME& Game = League.Game[g];
        Game.nAwayTeam = static_cast<uint8_t>(Next(32));
        Game.nHomeTeam = static_cast<uint8_t>(Next(32));
        Game.nScore[0] = static_cast<int32_t>(Next(45));
        Game.nScore[1] = static_cast<int32_t>(Next(45));
        Game.nClock = 3600;
        for (auto& Side : Game.nRosterID)
            for (int32_t& nID : Side)
                nID = static_cast<int32_t>(100000 + Next(4000000));
        for (auto& Side : Game.nPlayerGameStat)
            for (auto& Entry : Side)
                for (int16_t& n : Entry)
                    n = static_cast<int16_t>(Next(120));
        Game.nPlays = PLAY_LOG_SIZE;
        for (PLAY& Play : Game.PlayLog) {
            Play.nClock = static_cast<uint16_t>(Next(3600));
            Play.nPlayer1 = static_cast<int32_t>(100000 + Next(4000000));
            Play.nPlayer2 = static_cast<int32_t>(100000 + Next(4000000));
            Play.nOffenseCall = static_cast<uint8_t>(Next(60));
            Play.nDefenseCall = static_cast<uint8_t>(Next(30));
            Play.nYard1 = static_cast<int8_t>(Next(30));
            Play.nSnapDown = static_cast<uint8_t>(Next(4));
            Play.nSnapToGo = static_cast<int8_t>(Next(15));
            Play.nSnapYardLine = static_cast<int8_t>(Next(99));
            Play.bResult = static_cast<uint8_t>(Next(64));
            for (NARRATION_ENTRY& Entry : Play.Narration)
                Entry.bEvent = NARRATION_ENTRY_FREE;
        }
    }
    for (auto& Line : League.SeasonLines)
        for (int w = 0; w < SEASON_LINE_WORDS; ++w)
            Line[w] = w == 0 ? 1990 + static_cast<int32_t>(Next(30)) : static_cast<int32_t>(Next(200));
}

long File_Size(const char* szPath)
{
    FILE* pFile = std::fopen(szPath, "rb");
    if (pFile == nullptr)
        return -1;
    std::fseek(pFile, 0, SEEK_END);
    long n = std::ftell(pFile);
    std::fclose(pFile);
    return n;
}

// Argument 0: the path (0 "league.zrt" at level 6, 1 the automatic save at
// level 1); argument 1: the thread count.
void BM_Save_Game(benchmark::State& State)
{
    SCRATCH_FOLDER_CORE Folder("bench");
    Fill_League();
    const char* szPath = State.range(0) == 0 ? "league.zrt" : AUTO_SAVE_FILE;
    Set_Game_File_Threads(static_cast<int>(State.range(1)));
    for (auto _ : State) {
        if (Save_Game(szPath) != SAVE_GAME_OK)
            State.SkipWithError("save failed");
        ui::Reset();
    }
    Set_Game_File_Threads(0);
    State.counters["file_bytes"] = static_cast<double>(File_Size(szPath));
    State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * static_cast<int64_t>(LEAGUE_DATA_SIZE));
}
BENCHMARK(BM_Save_Game)
    ->ArgsProduct({{0, 1}, {1, 2, 8}})
    ->ArgNames({"auto", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Argument 0: 1 with the rebuilds of a load, 0 reading and checking only;
// argument 1: the thread count.
void BM_Load_Game(benchmark::State& State)
{
    SCRATCH_FOLDER_CORE Folder("bench");
    Fill_League();
    if (Save_Game("league.zrt") != SAVE_GAME_OK) {
        State.SkipWithError("save failed");
        return;
    }
    Set_Load_Sequence_Enabled(State.range(0) != 0);
    Set_Game_File_Threads(static_cast<int>(State.range(1)));
    for (auto _ : State) {
        if (Load_Universe_Database("league.zrt") != 1)
            State.SkipWithError("load failed");
        ui::Reset();
    }
    Set_Load_Sequence_Enabled(true);
    Set_Game_File_Threads(0);
    State.counters["file_bytes"] = static_cast<double>(File_Size("league.zrt"));
}
BENCHMARK(BM_Load_Game)
    ->ArgsProduct({{0, 1}, {1, 2, 8}})
    ->ArgNames({"rebuilds", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
