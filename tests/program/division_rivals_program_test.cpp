// Leagues of 24 to 31 clubs as a user builds them: the fictional history of
// 1995 written by its generator for that many clubs (divisions of three and
// four), the 1995 database built by the program's tool line, and a new game
// started in it. The new game's season gives every club 16 games, 8 at home,
// and meets each division rival once at home and once away.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace {

// The first fault of the loaded league's schedule, empty when there is none.
std::string Schedule_Fault()
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; ++t) {
        int nGames = 0;
        int nHome = 0;
        for (int w = 0; w < SCHEDULE_WEEKS; ++w) {
            const int nCode = Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT);
            nGames += nCode != 0 ? 1 : 0;
            nHome += nCode > 0 ? 1 : 0;
        }
        if (nGames != 16 || nHome != 8)
            return "club " + std::to_string(t) + " plays " + std::to_string(nGames) + " games, " +
                   std::to_string(nHome) + " at home";
        for (int r = 0; r < nTeams; ++r) {
            if (r == t || Get_Team_Stat(r, TEAM_STAT_DIVISION) != Get_Team_Stat(t, TEAM_STAT_DIVISION))
                continue;
            if (Count_Home_Games_Against(t, r) != 1 || Count_Away_Games_Against(t, r) != 1)
                return "club " + std::to_string(t) + " hosts " + std::to_string(r) + " " +
                       std::to_string(Count_Home_Games_Against(t, r)) + " times and visits it " +
                       std::to_string(Count_Away_Games_Against(t, r)) + " times";
        }
    }
    return "";
}

}  // namespace

TEST(DivisionRivalsProgram, LeaguesOfTwentyFourToThirtyOneClubsMeetTheirRivalsHomeAndAway)
{
    for (int nClubs = 24; nClubs <= 31; ++nClubs) {
        SCOPED_TRACE(std::to_string(nClubs) + " clubs");
        SCRATCH_FOLDER Data{"rivals_data", false};
        SCRATCH_FOLDER Output{"rivals_out", false};
        ASSERT_TRUE(Data.Ready() && Output.Ready());
        program_support::Copy_Data_With_History(Data.Path(), Output.Path(), 1995, 1995, nClubs);
        if (HasFatalFailure())
            return;

        const process_runner::RUN_RESULT Run = program_support::Run_Headless_Script(
            {Data.Path(), Output.Path(), "rivals.kelvo", std::chrono::seconds(200)},
            "tool Create_Universe_Databases_Range 1995 1995\n"
            "welcome new\n"
            "dialog 105 select 1089 \"1995\"\n"
            "dialog 105 set 1013 \"Pat\"\n"
            "dialog 105 press 1391\n"
            "dialog 120 set 1082 \"Rivals\"\n"
            "dialog 120 press 1\n"
            "command \"Save Game\"\n"
            "quit\n");
        ASSERT_FALSE(Run.bTimedOut);
        ASSERT_EQ(Run.nExitCode, 0) << Run.Out << Run.Err;
        EXPECT_TRUE(program_support::Contains(Run.Out, "Tool Create_Universe_Databases_Range: 1 database built"))
            << Run.Out;

        SCRATCH_FOLDER Here{"rivals_load"};
        ASSERT_TRUE(Here.Ready());
        Zero_League_Data();
        ASSERT_EQ(Load_Universe_Database((Data.Path() + "/Rivals.zrt").c_str()), 1);
        ui::Reset();
        ASSERT_EQ(Count_Teams(), nClubs);
        EXPECT_EQ(Get_Current_Year(), 1995);
        EXPECT_EQ(Schedule_Fault(), "");
    }
}
