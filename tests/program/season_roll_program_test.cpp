// The season roll in the real program run headless on a league of another
// era: the fictional history of 1956-1962 written for 12 clubs, the 1959
// database built by the program's tool line and a new game of 1959 played on
// one season at a time. Its 1960 expansion makes 13 clubs, and 1961 asks
// for 14 games: every club of 1961 plays (the weeks' byes outnumber the
// clubs, so one club rests twice), and the standings and box scores of 1961
// say so. A season for which no schedule can be made is not played: every
// advance stops with a box naming the League Editor, and the editor is the
// way out.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "league/calendar.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "schedule/schedule_driver.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::Count_Files;
using program_support::Save_As;
using program_support::Contains;
using program_support::Count_Text;
using program_support::Play_Seasons;

// A new game of 1959 in the league built from the 12-club history.
constexpr const char* NEW_1959_GAME =
    "tool Create_Universe_Database 1959\n"
    "welcome new\n"
    "dialog 105 select 1089 \"1959\"\n"
    "dialog 105 set 1013 \"Pat\"\n"
    "dialog 105 press 1391\n";

class SeasonRollProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"roll_data", false};
    SCRATCH_FOLDER Output{"roll_out", false};

    // The data folder with the history of 1956-1962 for 12 clubs.
    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready() && Output.Ready());
        program_support::Copy_Data_With_History(Data.Path(), Output.Path(), 1956, 1962, 12);
    }

    process_runner::RUN_RESULT Run_Script(const std::string& Script)
    {
        return program_support::Run_Headless_Script(
            {Data.Path(), Output.Path(), "roll.kelvo", std::chrono::seconds(300)}, Script);
    }
};

}  // namespace

TEST_F(SeasonRollProgramTest, ThirteenClubsOf1961PlayEveryGameOfTheirSeason)
{
    const process_runner::RUN_RESULT Run = Run_Script(std::string(NEW_1959_GAME) + Play_Seasons(1) + Play_Seasons(1) +
                                                      Play_Seasons(1) + Save_As("Roll 1962") + "quit\n");
    ASSERT_FALSE(Run.bTimedOut);
    ASSERT_EQ(Run.nExitCode, 0) << Run.Out << Run.Err;
    EXPECT_FALSE(Contains(Run.Out, "Unable to generate")) << Run.Out;
    EXPECT_FALSE(Contains(Run.Out, "Season Stopped")) << Run.Out;
    EXPECT_FALSE(Contains(Run.Out, "Play Multiple Seasons stopped")) << Run.Out;

    // The 1961 standings: 13 clubs, each with 12 or 13 games (14 weeks
    // before 1990 and one bye a week: twelve clubs rest once, one twice),
    // 168 in all, the 84 games of the regular season.
    const std::string Standings = Read_Text_File(Data.Path() + "/Output/Stndng61.txt");
    ASSERT_FALSE(Standings.empty());
    const std::regex Row(R"(^ (\S.*?)\s+(\d+)\s+(\d+)\s+(\d+)\s+[.\d]+\s+\d+\s+\d+\s+\d+\s+[-+]?\d+\s*$)");
    std::istringstream Lines(Standings);
    std::string Line;
    int nClubs = 0;
    int nClubGames = 0;
    std::map<std::string, int> GamesOf;
    while (std::getline(Lines, Line)) {
        std::smatch Match;
        if (!std::regex_match(Line, Match, Row))
            continue;
        const int nGames = std::stoi(Match[2]) + std::stoi(Match[3]) + std::stoi(Match[4]);
        EXPECT_TRUE(nGames == 12 || nGames == 13) << Line;
        GamesOf[Match[1]] = nGames;
        nClubGames += nGames;
        ++nClubs;
    }
    EXPECT_EQ(nClubs, 13) << Standings;
    EXPECT_EQ(nClubGames, 2 * 84) << Standings;
    // The champion named below them played its season.
    const size_t nAt = Standings.find("LEAGUE CHAMPIONSHIPS\n");
    ASSERT_NE(nAt, std::string::npos) << Standings;
    const std::string Final = Standings.substr(nAt + 21, Standings.find('\n', nAt + 21) - nAt - 21);
    const std::string Champion = Final.substr(1, Final.find(" defeat ") - 1);
    ASSERT_EQ(GamesOf.count(Champion), 1u) << Final;
    EXPECT_GE(GamesOf[Champion], 12) << Final;

    // A box score of each of the 84 games and of the playoff games (one a
    // pair of division winners: no wild cards before 1970).
    const size_t nBoxes = Count_Files(Data.Path() + "/Output", "Box-61-");
    EXPECT_GE(nBoxes, 85u);
    EXPECT_LE(nBoxes, 84u + 7u);

    // The saved league of 1962 kept the 13 clubs and each one's 1961 record.
    SCRATCH_FOLDER Here{"roll_load"};
    ASSERT_TRUE(Here.Ready());
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database((Data.Path() + "/Roll 1962.zrt").c_str()), 1);
    ui::Reset();
    EXPECT_EQ(Get_Current_Year(), 1962);
    ASSERT_EQ(Count_Teams(), 13);
    for (int t = 0; t < 13; ++t) {
        const int nGames = Get_Team_Yearly_Char(t, 2, YEARLY_WINS) + Get_Team_Yearly_Char(t, 2, YEARLY_LOSSES) +
                           Get_Team_Yearly_Char(t, 2, YEARLY_TIES);
        EXPECT_GE(nGames, 12) << "club " << t;
    }
}

TEST_F(SeasonRollProgramTest, ASeasonWithoutAScheduleIsPlayedOnlyOnceTheLeagueEditorGivesItOne)
{
    const process_runner::RUN_RESULT First = Run_Script(std::string(NEW_1959_GAME) + Save_As("Start") + "quit\n");
    std::vector<int> Finishes;   // the clubs' finishes of 1959 as the league's history gives them
    ASSERT_FALSE(First.bTimedOut);
    ASSERT_EQ(First.nExitCode, 0) << First.Out << First.Err;

    // The new game as a season whose start found no schedule leaves it: none
    // stands, and the season's length of 0 (a value a saved game may hold)
    // lets no new one be made.
    {
        SCRATCH_FOLDER Here{"roll_edit"};
        ASSERT_TRUE(Here.Ready());
        Zero_League_Data();
        ASSERT_EQ(Load_Universe_Database((Data.Path() + "/Start.zrt").c_str()), 1);
        ui::Reset();
        ASSERT_EQ(Get_Current_Week(), 0);
        ASSERT_EQ(Count_Teams(), 12);
        Set_Universe_Stat(GAMES_PER_SEASON, 0);
        Clear_League_Schedule();
        Set_Season_Playoff_Days(0);
        for (int t = 0; t < 12; ++t)
            Finishes.push_back(Get_Team_Yearly_Int(t, 0, YEARLY_INT_FINISH));
        ASSERT_EQ(Save_Game((Data.Path() + "/No Schedule.zrt").c_str()), SAVE_GAME_OK);
    }

    const std::string Resume = "welcome resume\n"
                               "dialog 118 select 1077 \"No Schedule\"\n"
                               "dialog 118 press 1\n";
    const process_runner::RUN_RESULT Stopped =
        Run_Script(Resume + "command \"One Week\"\n" + Play_Seasons(1) + Save_As("Still Unplayed") + "quit\n");
    ASSERT_FALSE(Stopped.bTimedOut);
    ASSERT_EQ(Stopped.nExitCode, 0) << Stopped.Out << Stopped.Err;
    // Each advance stops with the box, the run of seasons with it alone.
    EXPECT_EQ(Count_Text(Stopped.Out, "Box [Season Stopped] \"The 1959 season cannot start: no schedule could be made "
                                      "for its 12 teams playing 0 games each, so no game is played.\\n\\nChange the "
                                      "league's teams, divisions or games per season in the League Editor"),
              2u)
        << Stopped.Out;
    EXPECT_FALSE(Contains(Stopped.Out, "Box [Play Multiple Seasons] \"Play Multiple Seasons stopped")) << Stopped.Out;
    // Nothing played, ranked or awarded.
    EXPECT_EQ(Count_Files(Data.Path() + "/Output", "Box-59-"), 0u);
    EXPECT_FALSE(fs::exists(Data.Path() + "/Output/Stndng59.txt"));
    EXPECT_FALSE(fs::exists(Data.Path() + "/Output/Awards59.txt"));
    {
        SCRATCH_FOLDER Here{"roll_still"};
        ASSERT_TRUE(Here.Ready());
        Zero_League_Data();
        ASSERT_EQ(Load_Universe_Database((Data.Path() + "/Still Unplayed.zrt").c_str()), 1);
        ui::Reset();
        EXPECT_EQ(Get_Current_Year(), 1959);
        EXPECT_EQ(Get_Current_Week(), 0);
        EXPECT_EQ(Get_Season_Playoff_Day(0), 0);
        for (int t = 0; t < 12; ++t)
            EXPECT_EQ(Get_Team_Yearly_Int(t, 0, YEARLY_INT_FINISH), Finishes[t]) << t;
    }

    // The way out: Commissioner Mode on, 12 games set in the League Editor,
    // whose closing makes the schedule; the next week is played.
    const process_runner::RUN_RESULT Edited = Run_Script(Resume +
                                                         "command Standings\n"
                                                         "answer yes\n"
                                                         "dialog 159 set 1315 12\n"
                                                         "dialog 159 press 1\n"
                                                         "command \"League Editor\"\n"
                                                         "answer no\n"
                                                         "command \"One Week\"\n" +
                                                         Save_As("First Week") + "quit\n");
    ASSERT_FALSE(Edited.bTimedOut);
    ASSERT_EQ(Edited.nExitCode, 0) << Edited.Out << Edited.Err;
    EXPECT_FALSE(Contains(Edited.Out, "Season Stopped")) << Edited.Out;
    // Twelve clubs: six games a week.
    EXPECT_EQ(Count_Files(Data.Path() + "/Output", "Box-59-"), 6u) << Edited.Out;
    SCRATCH_FOLDER Here{"roll_played"};
    ASSERT_TRUE(Here.Ready());
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database((Data.Path() + "/First Week.zrt").c_str()), 1);
    ui::Reset();
    EXPECT_EQ(Get_Current_Week(), 1);
    EXPECT_EQ(Get_Games_Per_Season(), 12);
    EXPECT_GT(Get_Season_Playoff_Day(0), 0);
}
