// Leagues of 33 to 36 clubs, built by the default-league generator and
// played by the real program headless through two off-seasons: each new
// season is scheduled whole for its own clubs (cut to the games the league's
// GAME records hold, and said so, when its length does not fit them), and no
// game of a season is played on another season's schedule.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"
#include "season/playoffs.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::Count_Files;
using program_support::Contains;

#ifndef KELVO_GENERATOR_PATH
#error "the build passes the path of the default-league generator as KELVO_GENERATOR_PATH"
#endif
const std::string GENERATOR = KELVO_GENERATOR_PATH;

// Clubs beyond the 32 of the shipped league, one per division in turn; the
// city index is that city's row of "league/cities.csv".
constexpr const char* EXTRA_CLUBS[] = {
    "XBO,Boston,Comets,Comet Field,0,2,60000,2000\n",
    "XMI,Miami,Sharks,Shark Field,1,17,60000,2000\n",
    "XSE,Seattle,Owls,Owl Field,2,27,60000,2000\n",
    "XDE,Denver,Elks,Elk Field,3,9,60000,2000\n",
};

// The league's shape in a copy of the built data folder, and its database
// made there by the generator.
void Make_League(const std::string& Folder, int nClubs, int nGames)
{
    program_support::Copy_Built_Data(Folder);
    std::string Franchises = Read_Text_File(Folder + "/league/franchises.csv");
    ASSERT_FALSE(Franchises.empty());
    for (int i = 0; i < nClubs - 32; ++i)
        Franchises += EXTRA_CLUBS[i];
    program_support::Write_File(Folder + "/league/franchises.csv", Franchises);
    std::string Settings = Read_Text_File(Folder + "/league/settings-2019.csv");
    const size_t nAt = Settings.find("games_per_season,16\n");
    ASSERT_NE(nAt, std::string::npos);
    Settings.replace(nAt, 20, "games_per_season," + std::to_string(nGames) + "\n");
    program_support::Write_File(Folder + "/league/settings-2019.csv", Settings);
    fs::remove(Folder + "/Databases/Universe-2019.dat");

    process_runner::RUN_OPTIONS Options;
    Options.Folder = Folder;
    Options.Output = Folder;
    const process_runner::RUN_RESULT Made = process_runner::Run(GENERATOR, {Folder}, Options);
    ASSERT_EQ(Made.nExitCode, 0) << Made.Out << Made.Err;
    ASSERT_TRUE(fs::exists(Folder + "/Databases/Universe-2019.dat"));
}

// The shipped league cut to its first nClubs clubs, and its database made
// there by the generator.
void Make_Small_League(const std::string& Folder, int nClubs)
{
    program_support::Copy_Built_Data(Folder);
    const std::string Franchises = Read_Text_File(Folder + "/league/franchises.csv");
    size_t nEnd = 0;
    for (int i = 0; i <= nClubs; ++i) {   // the header and nClubs rows
        nEnd = Franchises.find('\n', nEnd);
        ASSERT_NE(nEnd, std::string::npos);
        ++nEnd;
    }
    program_support::Write_File(Folder + "/league/franchises.csv", Franchises.substr(0, nEnd));
    fs::remove(Folder + "/Databases/Universe-2019.dat");
    process_runner::RUN_OPTIONS Options;
    Options.Folder = Folder;
    Options.Output = Folder;
    const process_runner::RUN_RESULT Made = process_runner::Run(GENERATOR, {Folder}, Options);
    ASSERT_EQ(Made.nExitCode, 0) << Made.Out << Made.Err;
    ASSERT_TRUE(fs::exists(Folder + "/Databases/Universe-2019.dat"));
}

// One season played on and two of its weeks saved as NAME.
std::string Next_Season_Saved_As(const std::string& Name)
{
    return program_support::Play_Seasons(1) +
           "command \"One Week\"\n"
           "command \"One Week\"\n" +
           program_support::Save_As(Name);
}

// The saved season's schedule and game records, as the league in memory
// holds them after a load.
void Check_Season(const std::string& Saved, int nYear, int nClubs, int nExpectedGames)
{
    SCOPED_TRACE(Saved);
    SCRATCH_FOLDER Here{"shape_load"};
    ASSERT_TRUE(Here.Ready());
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database(Saved.c_str()), 1);
    ui::Reset();
    EXPECT_EQ(Get_Current_Year(), nYear);
    ASSERT_EQ(Count_Teams(), nClubs);
    const int nGames = Get_Games_Per_Season();
    EXPECT_EQ(nGames, nExpectedGames);
    // The year's three wild cards per conference are kept by every league
    // with three or four divisions a conference.
    if (nClubs > 2) {
        EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 3);
    }
    // Every club's entry of a week names another club whose entry names it
    // back at the other venue: no club plays twice in a week. Each plays the
    // season's games; with an odd number of clubs and of games one club's
    // bye plan gives it one game more.
    const bool bOddTotal = (nClubs * nGames) % 2 != 0;
    int nMore = 0;
    for (int t = 0; t < nClubs; ++t) {
        int nPlayed = 0;
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            const int nCode = Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT);
            if (nCode == 0)
                continue;
            ++nPlayed;
            const int nOpponent = (nCode > 0 ? nCode : -nCode) - 1;
            ASSERT_TRUE(nOpponent != t && nOpponent >= 0 && nOpponent < nClubs) << t << " in week " << w;
            EXPECT_EQ(Get_Team_Schedule_Stat(nOpponent, w, SCHEDULE_OPPONENT), nCode > 0 ? -(t + 1) : t + 1)
                << "club " << t << " and " << nOpponent << " in week " << w;
        }
        if (bOddTotal && nPlayed == nGames + 1)
            ++nMore;
        else
            EXPECT_EQ(nPlayed, nGames) << "club " << t;
    }
    EXPECT_EQ(nMore, bOddTotal ? 1 : 0);
    // The league's game records hold the whole season.
    const int nNeeded = (nClubs * nGames + 1) / 2 + 13;
    EXPECT_LE(nNeeded, NUMBER_OF_GAMES);
    // Every record in use is a game of this season, played in the week and
    // by the two clubs whose schedule entries point at it.
    int nInUse = 0;
    for (int i = 0; i < Count_Season_Game_Records(); ++i) {
        const GAME* pGame = Get_Game_Record(i);
        ASSERT_NE(pGame, nullptr);
        if (pGame->nHomeTeam == 0 && pGame->nAwayTeam == 0 && pGame->nYear == 0)
            continue;
        ++nInUse;
        SCOPED_TRACE("game record " + std::to_string(i));
        EXPECT_EQ(pGame->nYear, nYear);
        const int nWeek = pGame->nWeek;
        ASSERT_GE(nWeek, 0);
        ASSERT_LT(nWeek, SCHEDULE_WEEKS);
        EXPECT_EQ(Get_Team_Schedule_Stat(pGame->nHomeTeam, nWeek, SCHEDULE_GAME_INDEX), i);
        EXPECT_EQ(Get_Team_Schedule_Stat(pGame->nAwayTeam, nWeek, SCHEDULE_GAME_INDEX), i);
        EXPECT_EQ(Get_Team_Schedule_Stat(pGame->nHomeTeam, nWeek, SCHEDULE_OPPONENT), pGame->nAwayTeam + 1);
    }
    // Two weeks were played: every club once in each week it is scheduled.
    int nScheduled = 0;
    for (int w = 0; w < 2; ++w)
        for (int t = 0; t < nClubs; ++t)
            if (Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT) > 0)
                ++nScheduled;
    EXPECT_EQ(nInUse, nScheduled);
}

}  // namespace

TEST(LeagueShapeProgram, LeaguesOfThirtyThreeToThirtySixClubsPlayEachSeasonOnItsOwnWholeSchedule)
{
    // The seasons after 2019 are of 16 games (2020) and 17 (2021) whatever
    // the first one was; a first season of 17 games is made by the generator
    // for an even number of clubs (for an odd one it cannot give every club
    // 17 games and refuses).
    for (int nClubs = 33; nClubs <= 36; ++nClubs) {
        for (int nGames : {16, 17}) {
            if (nGames == 17 && nClubs % 2 != 0)
                continue;
            SCOPED_TRACE(std::to_string(nClubs) + " clubs, " + std::to_string(nGames) + " games");
            SCRATCH_FOLDER Data{"shape_data", false};
            SCRATCH_FOLDER Output{"shape_out", false};
            ASSERT_TRUE(Data.Ready() && Output.Ready());
            Make_League(Data.Path(), nClubs, nGames);
            if (HasFatalFailure())
                return;
            const process_runner::RUN_RESULT Run = program_support::Run_Headless_Script(
                {Data.Path(), Output.Path(), "shape.kelvo", std::chrono::seconds(200)},
                std::string(program_support::NEW_GAME) + "command Standings\n" + Next_Season_Saved_As("Shape 2020") +
                    Next_Season_Saved_As("Shape 2021") + "quit\n");
            ASSERT_FALSE(Run.bTimedOut);
            ASSERT_EQ(Run.nExitCode, 0) << Run.Err;
            // A season cut to fit says so, naming what it needs.
            if (nClubs == 36) {
                EXPECT_TRUE(Contains(Run.Out, "Box [Season Schedule] \"A season of 36 teams playing 16 games each, "
                                              "with 14 playoff teams, needs 301 game records; 300 exist. This "
                                              "season is played with 15 games each.\" -> OK"))
                    << Run.Out;
            }
            // The year's 17 games are for 32 clubs only: no season of 17
            // games is asked of these leagues, and none is cut.
            EXPECT_FALSE(Contains(Run.Out, "playing 17 games each")) << Run.Out;
            EXPECT_FALSE(Contains(Run.Out, "Playoff Format Change")) << Run.Out;
            EXPECT_FALSE(Contains(Run.Out, "Unable to generate")) << Run.Out;
            // 2020 and 2021 ask for 16 games (the year's 17 of 2021 are for
            // 32 clubs only), with 14 playoff teams (13 playoff games): n
            // clubs at g games need (n g + 1) / 2 + 13 of the 300 records,
            // so 36 clubs play 15 (283; 16 would need 301) and 33 to 35
            // clubs 16 (277, 285 and 293).
            const int nGames2020 = nClubs == 36 ? 15 : 16;
            const int nGames2021 = nClubs == 36 ? 15 : 16;
            Check_Season(Data.Path() + "/Shape 2020.zrt", 2020, nClubs, nGames2020);
            Check_Season(Data.Path() + "/Shape 2021.zrt", 2021, nClubs, nGames2021);
            // Every box score of the seasons carries its own year.
            EXPECT_GT(Count_Files(Data.Path() + "/Output", "Box-19-"), 0u);
            EXPECT_GT(Count_Files(Data.Path() + "/Output", "Box-20-"), 0u);
            EXPECT_GT(Count_Files(Data.Path() + "/Output", "Box-21-"), 0u);
            EXPECT_EQ(Count_Files(Data.Path() + "/Output", "Box-00-"), 0u);
        }
    }
}

// A league of two clubs (one division of one conference, as the first two
// rows of the shipped list stand): one division allows no wild card, as the
// box at its load says, so its playoffs seed the division winner alone, who
// is champion without a game. Its season does not stop there, and the next
// season starts on a schedule of its own.
TEST(LeagueShapeProgram, ALeagueOfTwoClubsPlaysItsPlayoffsAndTheNextSeason)
{
    SCRATCH_FOLDER Data{"two_club_data", false};
    SCRATCH_FOLDER Output{"two_club_out", false};
    ASSERT_TRUE(Data.Ready() && Output.Ready());
    Make_Small_League(Data.Path(), 2);
    if (HasFatalFailure())
        return;
    const process_runner::RUN_RESULT Run = program_support::Run_Headless_Script(
        {Data.Path(), Output.Path(), "two.kelvo", std::chrono::seconds(200)},
        std::string(program_support::NEW_GAME) +
            "command \"Through Playoffs\"\n"
            "dialog 120 set 1082 \"Two Done\"\n"
            "dialog 120 press 1\n"
            "command \"Save Game\"\n" +
            Next_Season_Saved_As("Two 2020") + "quit\n");
    ASSERT_FALSE(Run.bTimedOut);
    ASSERT_EQ(Run.nExitCode, 0) << Run.Err;
    EXPECT_FALSE(Contains(Run.Out, "stopped")) << Run.Out;
    EXPECT_TRUE(Contains(Run.Out, "Box [Playoff Format Change] \"The 2019 playoffs take 0 wild-card teams per "
                                  "conference instead of 2"))
        << Run.Out;
    // The 16 games of the regular season, and no playoff game.
    EXPECT_EQ(Count_Files(Data.Path() + "/Output", "Box-19-"), 16u);
    {
        SCRATCH_FOLDER Here{"two_club_load"};
        ASSERT_TRUE(Here.Ready());
        Zero_League_Data();
        ASSERT_EQ(Load_Universe_Database((Data.Path() + "/Two Done.zrt").c_str()), 1);
        ui::Reset();
        ASSERT_EQ(Count_Teams(), 2);
        EXPECT_EQ(Get_Current_Year(), 2019);
        EXPECT_TRUE(Is_Season_Complete());
        EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 0);
        // The champion is the club with more wins (of their 16 meetings).
        const int nChampion = Get_Playoff_Team(Get_Season_Last_Playoff_Slot());
        ASSERT_TRUE(nChampion == 0 || nChampion == 1) << nChampion;
        EXPECT_GE(Get_Team_Wins(nChampion), Get_Team_Wins(1 - nChampion));
    }
    Check_Season(Data.Path() + "/Two 2020.zrt", 2020, 2, 16);
}
