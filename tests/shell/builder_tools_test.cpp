// The builder's tools run by name, as a script's "tool NAME [ARG...]" line
// runs them: their arguments checked, what they did told in one line, and a
// tool that could not do its work refused with the reason.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../league/player_fixture.h"
#include "shell/tool_commands.h"
#include "tools/historical_stats.h"

namespace {

class BuilderToolsTest : public PlayerTest {
protected:
    SCRATCH_FOLDER Scratch{"builder_tools"};
    std::string Result;
    std::string Problem;
    bool Run(const std::vector<std::string>& Words)
    {
        Result.clear();
        Problem.clear();
        return Run_Tool_By_Name(Words, Result, Problem);
    }
    void SetUp() override
    {
        PlayerTest::SetUp();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2010;
        Use_Franchises(2);
        Put_Player(0, 0, 1, POSITION_K, 20.0f).fRating[RATING_TACKLING] = 70.0f;
        League.Team[0].Player[0].nVital[VITAL_BIRTH_DATE] = 19800101;
    }
};

TEST_F(BuilderToolsTest, TheToolsAreListedWithTheirArguments)
{
    const std::vector<std::string> Names = List_Tool_Names();
    for (const char* szName : {"Write_Historical_Stats", "Estimate_Line_Blocking_Ratings", "Balance_Position_Ratings",
                               "Nudge_Team_Ratings TEAM FACTOR", "Blend_Recent_Draft_Pick_Rating TEAM SLOT"})
        EXPECT_NE(std::find(Names.begin(), Names.end(), szName), Names.end()) << szName;
}

TEST_F(BuilderToolsTest, ArgumentsAreCheckedBeforeAnythingChanges)
{
    LEAGUE_SNAPSHOT Before;
    EXPECT_FALSE(Run({"Nudge_Team_Ratings", "5", "1"}));
    EXPECT_EQ(Problem, "no team 5 in use");
    EXPECT_FALSE(Run({"Nudge_Team_Ratings", "0", "lots"}));
    EXPECT_EQ(Problem, "\"lots\" is not a number from -1000 to 1000");
    EXPECT_FALSE(Run({"Nudge_Team_Ratings", "0", "nan"}));
    EXPECT_FALSE(Run({"Nudge_Team_Ratings", "0"}));
    EXPECT_EQ(Problem, "tool Nudge_Team_Ratings takes TEAM FACTOR");
    EXPECT_FALSE(Run({"Blend_Recent_Draft_Pick_Rating", "0", "7"}));
    EXPECT_EQ(Problem, "no player in slot 7 of team 0");
    EXPECT_FALSE(Run({"Blend_Recent_Draft_Pick_Rating", "0", "x"}));
    EXPECT_TRUE(Before.Unchanged());

    EXPECT_TRUE(Run({"nudge_team_ratings", "0", "1.0"}));
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 0, RATING_TACKLING), 71.0f);
    EXPECT_EQ(Result, "ratings of team 0 nudged by 1.0");
    EXPECT_TRUE(Run({"Estimate_Line_Blocking_Ratings"}));
    EXPECT_TRUE(Run({"Balance_Position_Ratings"}));
    // A player who is no recent pick is not blended, and the line says so.
    EXPECT_FALSE(Run({"Blend_Recent_Draft_Pick_Rating", "0", "0"}));
    EXPECT_EQ(Problem, "the player in slot 0 of team 0 is not a recent draft pick (the blend takes players drafted "
                       "in 2020 or later): nothing changed");
    League.Team[0].Player[0].nVital[VITAL_DRAFTED_BY] = 10000 + 2020;
    EXPECT_TRUE(Run({"Blend_Recent_Draft_Pick_Rating", "0", "0"}));
    EXPECT_EQ(Result, "draft pick rating blended for team 0, slot 0");
}

TEST_F(BuilderToolsTest, TheHistoricalFileToolFailsWhenTheFileCannotBeWritten)
{
    EXPECT_TRUE(Run({"Write_Historical_Stats"}));
    EXPECT_EQ(Result, "historical statistics written to HistoricalStats.txt");
    EXPECT_TRUE(std::filesystem::is_regular_file(HISTORICAL_STATS_FILE));
    std::filesystem::remove(HISTORICAL_STATS_FILE);
    std::filesystem::create_directory(HISTORICAL_STATS_FILE);
    EXPECT_FALSE(Run({"Write_Historical_Stats"}));
    EXPECT_EQ(Problem, "\"HistoricalStats.txt\" could not be written (Is a directory)");
}

}  // namespace
