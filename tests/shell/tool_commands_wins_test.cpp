// The "tool Read_Wins_File" line: the projected wins in tenths, and a
// missing file failing the line with its reason.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../tools/reader_files.h"
#include "league/league_data.h"
#include "league/team.h"
#include "season/season_cycle_fixture.h"
#include "season/team_records_file.h"
#include "shell/tool_commands.h"
#include "test_support.h"

namespace {

class ToolWinsTest : public LeagueTest {};

TEST_F(ToolWinsTest, ReadWinsFileStoresTenthsAndFailsWithoutItsFile)
{
    SCRATCH_FOLDER Scratch("tool_wins");
    season_cycle::Build_League(2);
    Set_Team_String("AAA", 0, TEAM_STRING_ABBREVIATION);
    Set_Team_String("BBB", 1, TEAM_STRING_ABBREVIATION);
    std::string Result;
    std::string Problem;
    EXPECT_FALSE(Run_Tool_By_Name({"read_wins_file"}, Result, Problem));
    EXPECT_EQ(Problem, "the year's wins file could not be opened");
    EXPECT_EQ(Count_Boxes("File Read Error"), 1);

    Write_Input_File("input/stats/2020_Wins.csv", "Team,Wins\nAAA,9.5\nBBB,11\n");
    ASSERT_TRUE(Run_Tool_By_Name({"Read_Wins_File"}, Result, Problem)) << Problem;
    EXPECT_EQ(Result, "2 projected wins read");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_PROJECTED_WINS), 95);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_PROJECTED_WINS), 110);
    EXPECT_FALSE(Run_Tool_By_Name({"Read_Wins_File", "2020"}, Result, Problem));
}

}  // namespace
