// A regular season of the default league played by the real program,
// headless, and its box scores read afterwards as a reader reads them: the
// scoring plays of each quarter run down the clock, every touchdown of
// regulation has its try, each club's rows add up to its passing, rushing and
// receiving lines, and each player's box lines of the season add up to the
// season line of the saved game.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include "engine/box_score_reading.h"
#include "engine/game_state.h"
#include "gamefile/game_file.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "league/stat_codes.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace {

using namespace box_score_reading;

class SeasonBoxScoresProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"sbs_data", false};
    SCRATCH_FOLDER Output{"sbs_out", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        program_support::Copy_Built_Data(Data.Path());
    }
    void TearDown() override
    {
        Zero_League_Data();
        ui::Reset();
    }
};

TEST_F(SeasonBoxScoresProgramTest, TheDefaultLeaguesRegularSeasonReadsAsItWasPlayed)
{
    const std::string Script = std::string(program_support::NEW_GAME) +
                               "command \"Through Playoffs\"\n"
                               "dialog 120 set 1082 \"Box Season\"\n"
                               "dialog 120 press 1\n"
                               "command \"Save Game\"\n"
                               "quit\n";
    const process_runner::RUN_RESULT Run = program_support::Run_Headless_Script(
        {Data.Path(), Output.Path(), "season.kelvo", std::chrono::seconds(250)}, Script);
    ASSERT_EQ(Run.nExitCode, 0) << Run.Out << Run.Err;
    ASSERT_EQ(Load_Universe_Database((Data.Path() + "/Box Season.zrt").c_str()), 1);

    std::map<std::string, PLAYER_ROW> BoxLines;
    int nGames = 0;
    std::string Faults;
    for (int g = 0; g < NUMBER_OF_GAMES; ++g) {
        if (!Is_Game_Record_Final(g))
            continue;
        const GAME* pGame = Get_Game_Record(g);
        char szName[64];
        std::snprintf(szName, sizeof szName, "/Output/Box-%02d-%03d.htm", pGame->nYear % 100, g);
        BOX_SCORE Box;
        ASSERT_TRUE(Read_Box_Score(Read_Text_File(Data.Path() + szName, ""), Box)) << szName;
        ++nGames;
        const std::string Where = szName;
        Faults += Scoring_Out_Of_Order(Box, pGame->nClock <= SECONDS_OF_REGULATION + Get_Overtime_Period_Length(pGame), Where);
        Faults += Touchdowns_Without_Try(Box, Where);
        if (pGame->nPlays >= PLAY_LOG_SIZE)
            continue;   // rows of the logged plays only
        for (int s = 0; s < 2; ++s) {
            const std::string Club = Rows_Against_Club(Box, s);
            if (!Club.empty())
                Faults += Where + " side " + std::to_string(s) + ": " + Club + "\n";
            for (const PLAYER_ROW& Row : Box.Rows[s])
                Add_Row(BoxLines[Row.Name], Row);
        }
    }
    EXPECT_EQ(nGames, 32 * 16 / 2);   // sixteen games a club in 2019
    EXPECT_EQ(Faults, "");

    // Players of the backs' unit whose names are the league's only ones.
    std::map<std::string, int> Named;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Get_Player_ID(t, s) > 0) {
                char szPlayer[64];
                Get_Player_Full_Name(t, s, szPlayer);
                ++Named[szPlayer];
            }
    int nPlayers = 0;
    std::string Lines;
    for (int t = 0; t < 32; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_ID(t, s) <= 0 || Get_Player_Unit(t, s) != UNIT_BACKS)
                continue;
            char szPlayer[64];
            Get_Player_Full_Name(t, s, szPlayer);
            if (Named[szPlayer] != 1)
                continue;
            const auto it = BoxLines.find(szPlayer);
            const PLAYER_ROW Box = it == BoxLines.end() ? PLAYER_ROW{} : it->second;
            auto Stat = [&](int nCode) { return Get_Player_Stat(t, s, STAT_PERIOD_THIS_SEASON, nCode); };
            PLAYER_ROW Season;
            Season.nRushes = Stat(STAT_RUSHING_ATTEMPTS);
            Season.nRushYards = Stat(STAT_RUSHING_YARDS);
            Season.nFumbles = Stat(STAT_FUMBLES_LOST);
            Season.nReceptions = Stat(STAT_RECEPTIONS);
            Season.nReceivingYards = Stat(STAT_RECEIVING_YARDS);
            if (Get_Player_Position(t, s) == POSITION_QB) {
                Season.nCompletions = Stat(STAT_PASS_COMPLETIONS);
                Season.nAttempts = Stat(STAT_PASS_ATTEMPTS);
                Season.nPassYards = Stat(STAT_PASSING_YARDS);
            } else {
                Season.nCompletions = Box.nCompletions;
                Season.nAttempts = Box.nAttempts;
                Season.nPassYards = Box.nPassYards;
            }
            auto Line = [](const PLAYER_ROW& R) {
                char szLine[160];
                std::snprintf(szLine, sizeof szLine, "%d-%d %d, %d for %d, %d fum, %d for %d", R.nCompletions,
                              R.nAttempts, R.nPassYards, R.nRushes, R.nRushYards, R.nFumbles, R.nReceptions,
                              R.nReceivingYards);
                return std::string(szLine);
            };
            if (Line(Box) != Line(Season))
                Lines += std::string(szPlayer) + ": box " + Line(Box) + ", season " + Line(Season) + "\n";
            nPlayers += Season.nRushes + Season.nReceptions > 0;
        }
    }
    EXPECT_EQ(Lines, "");
    EXPECT_GT(nPlayers, 32 * 4);
}

}  // namespace
