// The headless program exports the league: "tool Export_Html_Encyclopedia"
// after a simulated week writes the site into the data folder's
// "HTML_Export" and prints its index page; a second export asks first; an
// unknown tool stops the run with exit status 2.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::Contains;
using program_support::NEW_GAME;

class ExportProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"export_data", false};
    SCRATCH_FOLDER Output{"export_out", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        program_support::Copy_Built_Data(Data.Path());
    }

    process_runner::RUN_RESULT Run_Script(const std::string& Script)
    {
        return program_support::Run_Headless_Script({Data.Path(), Output.Path(), "export.kelvo", std::chrono::seconds(100)},
                                                    Script);
    }
};

}  // namespace

TEST_F(ExportProgramTest, AToolLineExportsTheLeagueAfterAWeekAndPrintsTheIndexPage)
{
    const process_runner::RUN_RESULT Result = Run_Script(std::string(NEW_GAME) +
                                                         "command \"One Week\"\n"
                                                         "tool export_html_encyclopedia\n"
                                                         "answer ok\n"
                                                         "tool Export_Html_Encyclopedia\n"
                                                         "answer no\n"
                                                         "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    const std::string Root = Data.Path() + "/HTML_Export";
    EXPECT_TRUE(Contains(Result.Out, "Tool export_html_encyclopedia: HTML encyclopedia: ")) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "pages, index " + Root + "/index.htm\n")) << Result.Out;
    // The second export asked before it overwrote.
    EXPECT_TRUE(Contains(Result.Out, "Box [Caution] \"This will overwrite any existing HTML Encyclopedia files\" -> OK"))
        << Result.Out;
    EXPECT_TRUE(fs::is_regular_file(Root + "/index.htm"));
    EXPECT_TRUE(fs::is_regular_file(Root + "/Images/default.css"));
    EXPECT_TRUE(fs::is_regular_file(Root + "/SeasonDetail/Season details.htm"));
    // A week of 32 clubs: 16 game pages.
    size_t nGames = 0;
    for (const auto& Entry : fs::directory_iterator(Root + "/GameDetails"))
        nGames += Entry.path().filename().string().rfind("G-19-", 0) == 0 ? 1 : 0;
    EXPECT_EQ(nGames, 16u);
    const std::string Index = Read_Text_File(Root + "/index.htm");
    EXPECT_TRUE(Contains(Index, "<meta charset=\"windows-1252\">"));
    EXPECT_FALSE(Contains(Index, "qlv:"));
}

TEST_F(ExportProgramTest, AnUnknownToolOrBadArgumentsStopTheRunWithStatusTwo)
{
    const process_runner::RUN_RESULT Unknown = Run_Script(std::string(NEW_GAME) + "tool Export_Everything\nquit\n");
    ASSERT_FALSE(Unknown.bTimedOut);
    EXPECT_EQ(Unknown.nExitCode, 2) << Unknown.Out << Unknown.Err;
    EXPECT_TRUE(Contains(Unknown.Out + Unknown.Err, "no tool \"Export_Everything\"")) << Unknown.Out << Unknown.Err;
    EXPECT_FALSE(fs::exists(Data.Path() + "/HTML_Export"));

    const process_runner::RUN_RESULT Bad = Run_Script(std::string(NEW_GAME) + "tool Export_Player_Ratings QB 2019\nquit\n");
    ASSERT_FALSE(Bad.bTimedOut);
    EXPECT_EQ(Bad.nExitCode, 2);
    EXPECT_TRUE(Contains(Bad.Out + Bad.Err, "\"QB\" is not a whole number")) << Bad.Out << Bad.Err;
}
