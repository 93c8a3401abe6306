// The script's "tool" entries of the ratings and playbook loaders: each runs
// with its message, and one that could not do its work fails the line.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "league/league_fixture.h"
#include "shell/tool_commands.h"
#include "test_support.h"

namespace {

class DataToolCommandsTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"data_tools"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2012);
        Use_Franchises(2);
        Put_Player(0, 0, 77, POSITION_QB);
    }

    static bool Run(const std::vector<std::string>& Words, std::string& Result, std::string& Problem)
    {
        Result.clear();
        Problem.clear();
        return Run_Tool_By_Name(Words, Result, Problem);
    }
};

TEST_F(DataToolCommandsTest, RatingsLoadsSayWhatTheyReadOrFailTheLine)
{
    std::string Result;
    std::string Problem;
    EXPECT_FALSE(Run({"load_year_player_ratings"}, Result, Problem));
    EXPECT_EQ(Problem, "Unable to open Input/Ratings/Simulation/2012_Player_Ratings.csv");
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Unable to open Input/Ratings/Simulation/2012_Player_Ratings.csv.");

    EXPECT_FALSE(Run({"Load_Player_Ratings_File"}, Result, Problem));
    EXPECT_EQ(Problem, "tool Load_Player_Ratings_File takes PATH");
    EXPECT_FALSE(Run({"Load_Player_Ratings_File", "none.csv"}, Result, Problem));
    EXPECT_EQ(Problem, "Unable to open none.csv");

    std::filesystem::create_directories("Input/Ratings/Simulation");
    std::ofstream("Input/Ratings/Simulation/2012_Player_Ratings.csv") << "PlayerID\n77,X,A,B,QB,QB,0,0,64\n";
    ui::Reset();
    EXPECT_TRUE(Run({"Load_Year_Player_Ratings"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "player ratings loaded from Input/Ratings/Simulation/2012_Player_Ratings.csv");
    EXPECT_EQ(Get_Player_Rating(0, 0, RATING_ACCURACY), 64.0f);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Player ratings loaded from Input/Ratings/Simulation/2012_Player_Ratings.csv.");
    EXPECT_TRUE(Run({"LOAD_PLAYER_RATINGS_FILE", "input/ratings/simulation/2012_player_ratings.csv"}, Result, Problem));
}

TEST_F(DataToolCommandsTest, PlaybookImportCountsWhatItLoaded)
{
    std::string Result;
    std::string Problem;
    EXPECT_TRUE(Run({"load_playbooks"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "0 offensive and 0 defensive playbooks loaded");
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Import Playbooks");

    const std::vector<std::string> Names = List_Tool_Names();
    for (const char* szName : {"Load_Year_Player_Ratings", "Load_Player_Ratings_File PATH", "Load_Playbooks"})
        EXPECT_NE(std::find(Names.begin(), Names.end(), szName), Names.end()) << szName;
}

}  // namespace
