// The League Editor in the real program run headless: a new game of 2019
// played through its playoffs; with the season complete a script turns on
// Commissioner Mode, adds a club, moves it into a division with room and
// hands every club to the computer; in week 0 of the next season it sets 14
// games, and the schedule built as the editor closes is played through the
// playoffs; saved and resumed, the league keeps its 33 clubs and 14 games
// and every game of the season fits the league's GAME records.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "schedule/season_checks.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::Count_Files;
using program_support::Contains;

class LeagueEditorProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"le_data", false};
    SCRATCH_FOLDER Output{"le_out", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        program_support::Copy_Built_Data(Data.Path());
    }

    // A new game played through its playoffs and saved as "A_done".
    void Play_Season_Saved_As_A_Done()
    {
        const process_runner::RUN_RESULT First = Run_Script(std::string(program_support::NEW_GAME) +
                                                            "command \"Through Playoffs\"\n"
                                                            "command \"Through Playoffs\"\n"
                                                            "dialog 120 set 1082 \"A_done\"\n"
                                                            "dialog 120 press 1\n"
                                                            "command \"Save Game\"\n"
                                                            "quit\n");
        ASSERT_FALSE(First.bTimedOut);
        ASSERT_EQ(First.nExitCode, 0) << First.Out << First.Err;
    }

    process_runner::RUN_RESULT Run_Script(const std::string& Script)
    {
        return program_support::Run_Headless_Script({Data.Path(), Output.Path(), "league.kelvo", std::chrono::seconds(200)},
                                                    Script);
    }
};

}  // namespace

TEST_F(LeagueEditorProgramTest, ACommissionersThirtyThirdClubPlaysASeasonOfFourteenGames)
{
    const process_runner::RUN_RESULT First = Run_Script(
        "welcome new\n"
        "dialog 105 select 1089 \"2019\"\n"
        "dialog 105 select 1010 \"Buffalo Frost\"\n"
        "dialog 105 press 1391\n"
        "command \"Through Playoffs\"\n"
        "command \"Through Playoffs\"\n"
        // The season complete: Commissioner Mode on, a club added (16 games
        // take 34), moved from its division of five into "American North", and every
        // club run by the computer.
        "answer yes\n"
        "answer yes\n"
        "dialog 159 press 11\n"
        "dialog 159 select 1134 \"American North\"\n"
        "dialog 159 press 1262\n"
        "dialog 159 press 1\n"
        "command \"League Editor\"\n"
        // The off-season (Commissioner Mode kept), into week 0 of 2020,
        // where the season's length is set and its schedule built again.
        "answer no\n"
        "command \"One Week\"\n"
        "dialog 159 set 1315 14\n"
        "dialog 159 press 1\n"
        "command \"League Editor\"\n"
        "command \"Through Playoffs\"\n"
        "command \"Through Playoffs\"\n"
        "dialog 120 set 1082 \"League Season\"\n"
        "dialog 120 press 1\n"
        "command \"Save Game\"\n"
        "quit\n");
    ASSERT_FALSE(First.bTimedOut);
    ASSERT_EQ(First.nExitCode, 0) << First.Out << First.Err;
    EXPECT_TRUE(Contains(First.Out, "Dialog 159 \"League Editor\": press 11; select 1134 \"American North\"; press 1262; "
                                    "press 1; end 1"))
        << First.Out;
    EXPECT_TRUE(Contains(First.Out, "Dialog 159 \"League Editor\": set 1315 \"14\"; press 1; end 1")) << First.Out;
    EXPECT_FALSE(Contains(First.Out, "Box [Season Schedule]")) << First.Out;
    // 2020: 33 clubs x 14 games / 2 = 231 games, and the playoffs of two
    // conferences of four divisions and three wild cards, 14 clubs: 13.
    EXPECT_EQ(Count_Files(Data.Path() + "/Output", "Box-20-"), 244u);
    const std::string Saved = Data.Path() + "/League Season.zrt";
    ASSERT_TRUE(fs::exists(Saved)) << First.Out;

    const process_runner::RUN_RESULT Second = Run_Script(
        "welcome resume\n"
        "dialog 118 select 1077 \"League Season\"\n"
        "dialog 118 press 1\n"
        "command Standings\n"
        "quit\n");
    ASSERT_FALSE(Second.bTimedOut);
    EXPECT_EQ(Second.nExitCode, 0) << Second.Out << Second.Err;
    // A page looked at leaves nothing to save.
    EXPECT_FALSE(Contains(Second.Out, "Game Not Saved")) << Second.Out;
    EXPECT_TRUE(Contains(Second.Out, "Dialog 118 \"Resume Game\": select 1077 \"League Season\"")) << Second.Out;

    SCRATCH_FOLDER Again{"le_again"};
    ASSERT_TRUE(Again.Ready());
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database(Saved.c_str()), 1);
    EXPECT_EQ(Count_Teams(), 33);
    EXPECT_EQ(Get_Games_Per_Season(), 14);
    EXPECT_EQ(Get_Current_Year(), 2020);
    // Every club's regular season holds its 14 games, and the played season's
    // 244 games took GAME records 0-243 (Box-20-000 to Box-20-243).
    const int nPlayoffWeek = Get_First_Playoff_Week();
    EXPECT_GE(nPlayoffWeek, 14);
    for (int t = 0; t < Count_Teams(); ++t) {
        int nGames = 0;
        for (int w = 0; w < nPlayoffWeek; ++w)
            nGames += Get_Team_Week_Home_Away(t, w) != WEEK_NO_GAME ? 1 : 0;
        EXPECT_EQ(nGames, 14) << t;
    }
    EXPECT_TRUE(fs::exists(Data.Path() + "/Output/Box-20-243.htm"));
    EXPECT_FALSE(fs::exists(Data.Path() + "/Output/Box-20-244.htm"));
    char szWhy[512] = "";
    EXPECT_TRUE(Check_League_Fits_Game_Records(szWhy, sizeof(szWhy))) << szWhy;
    EXPECT_LE(Count_Season_Game_Records_Needed(Count_Teams(), Get_Games_Per_Season(), Count_League_Playoff_Teams()),
              NUMBER_OF_GAMES);
    EXPECT_LE(Count_League_Teams(0), 18);
    EXPECT_LE(Count_League_Teams(1), 18);
    EXPECT_LE(Get_Largest_Division_Size(), 13);
    // The new club plays in "North" beside its four, and no division lost one.
    int nNew = NO_TEAM;
    for (int t = 0; t < Count_Teams(); ++t) {
        char szCity[32];
        Get_Team_String(szCity, t, TEAM_STRING_CITY);
        if (std::strcmp(szCity, "[Empty") == 0)
            nNew = t;
    }
    ASSERT_NE(nNew, NO_TEAM);
    EXPECT_EQ(Get_Team_Stat(nNew, TEAM_STAT_DIVISION), 1);
    EXPECT_EQ(Count_Division_Teams(1), 5);
    for (int d = 0; d < 8; ++d)
        EXPECT_GE(Count_Division_Teams(d), 4) << d;
    ui::Reset();
}

namespace {

// What a played season shows of one club: the season's results (wins,
// losses, ties, at home, in the playoffs), its finish code and seed.
struct CLUB_SEASON {
    std::vector<int> Values;
    bool operator==(const CLUB_SEASON&) const = default;
};

std::string Club_Name(int nTeam)
{
    char szCity[32];
    char szNick[32];
    Get_Team_String(szCity, nTeam, TEAM_STRING_CITY);
    Get_Team_String(szNick, nTeam, TEAM_STRING_NICKNAME);
    return std::string(szCity) + " " + szNick;
}

// The 2019 season of every club of the saved game, by name, and the
// playoff bracket by slot as club names.
struct PLAYED_SEASON {
    std::map<std::string, std::vector<int>> Clubs;
    std::vector<std::string> Bracket;
};

PLAYED_SEASON Read_Played_Season(const std::string& Saved, int nSeason)
{
    PLAYED_SEASON Season;
    SCRATCH_FOLDER Here{"le_played"};
    EXPECT_TRUE(Here.Ready());
    Zero_League_Data();
    EXPECT_EQ(Load_Universe_Database(Saved.c_str()), 1) << Saved;
    ui::Reset();
    for (int t = 0; t < Count_Teams(); ++t) {
        std::vector<int>& Row = Season.Clubs[Club_Name(t)];
        for (int n : {YEARLY_WINS, YEARLY_LOSSES, YEARLY_TIES, YEARLY_HOME_WINS, YEARLY_HOME_LOSSES, YEARLY_HOME_TIES,
                      YEARLY_PLAYOFF_WINS, YEARLY_PLAYOFF_LOSSES})
            Row.push_back(Get_Team_Yearly_Char(t, nSeason, n));
        Row.push_back(Get_Team_Yearly_Int(t, nSeason, YEARLY_INT_FINISH));
        Row.push_back(Get_Team_Stat(t, TEAM_STAT_PLAYOFF_SEED));
    }
    for (int s = 0; s < PLAYOFF_SLOTS; ++s) {
        const int nTeam = Get_Playoff_Team(s);
        Season.Bracket.push_back(nTeam == NO_TEAM ? "-" : Club_Name(nTeam));
    }
    return Season;
}

}  // namespace

// A season played through its playoffs, then in the League Editor a club
// added and the editor closed: saved and resumed, the played season is as
// it was. Every club's results, finish code and seed, and the bracket, are
// those of the save made before the edit; the added club has no row in it.
TEST_F(LeagueEditorProgramTest, AClubAddedAfterTheSeasonLeavesThePlayedSeasonAsItWas)
{
    Play_Season_Saved_As_A_Done();
    if (HasFatalFailure())
        return;
    const process_runner::RUN_RESULT Second = Run_Script("welcome resume\n"
                                                         "dialog 118 select 1077 \"A_done\"\n"
                                                         "dialog 118 press 1\n"
                                                         "dialog 159 press 11\n"
                                                         "dialog 159 press 1\n"
                                                         "command \"League Editor\"\n"
                                                         "dialog 120 set 1082 \"B_edit\"\n"
                                                         "dialog 120 press 1\n"
                                                         "command \"Save Game\"\n"
                                                         "quit\n");
    ASSERT_FALSE(Second.bTimedOut);
    ASSERT_EQ(Second.nExitCode, 0) << Second.Out << Second.Err;
    EXPECT_TRUE(Contains(Second.Out, "Dialog 159 \"League Editor\": press 11; press 1; end 1")) << Second.Out;

    const PLAYED_SEASON Before = Read_Played_Season(Data.Path() + "/A_done.zrt", 0);
    const PLAYED_SEASON After = Read_Played_Season(Data.Path() + "/B_edit.zrt", 0);
    ASSERT_EQ(Before.Clubs.size(), 32u);
    ASSERT_EQ(After.Clubs.size(), 33u);
    for (const auto& [Name, Row] : Before.Clubs) {
        const auto Found = After.Clubs.find(Name);
        ASSERT_NE(Found, After.Clubs.end()) << Name;
        EXPECT_EQ(Found->second, Row) << Name;
    }
    // The added club played no game of 2019 and holds no place in its playoffs.
    const auto Added = After.Clubs.find("[Empty Team]");
    ASSERT_NE(Added, After.Clubs.end());
    EXPECT_EQ(Added->second, std::vector<int>(10, 0));
    EXPECT_EQ(After.Bracket, Before.Bracket);
}
