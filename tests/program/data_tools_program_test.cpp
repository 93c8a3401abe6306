// The headless program runs the ratings and playbook loaders by name: a
// ratings file the user put in the data folder reaches the new game, and a
// year without one stops the run with exit status 2 and the reason.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "process_runner.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const std::string PROGRAM = KELVO_PROGRAM_PATH;
const std::string BUILT_DATA = fs::path(PROGRAM).parent_path().string() + "/data";

bool Contains(const std::string& Text, const std::string& Part)
{
    return Text.find(Part) != std::string::npos;
}

class DataToolsProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"data_tools_data", false};
    SCRATCH_FOLDER Output{"data_tools_out", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        std::error_code Error;
        fs::copy(BUILT_DATA, Data.Path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing, Error);
        ASSERT_FALSE(Error) << Error.message();
        for (const char* szName : {"debug.txt", "ZrtFame.dat", "Output", "Demo Season.zrt"})
            fs::remove_all(Data.Path() + "/" + szName, Error);
    }

    process_runner::RUN_RESULT Run_Script(const std::string& Script)
    {
        const std::string ScriptPath = Output.Path() + "/tools.kelvo";
        FILE* pFile = std::fopen(ScriptPath.c_str(), "wb");
        EXPECT_NE(pFile, nullptr);
        if (pFile) {
            std::fputs(Script.c_str(), pFile);
            std::fclose(pFile);
        }
        process_runner::RUN_OPTIONS Options;
        Options.Env = {"KELVO_DATA=" + Data.Path()};
        Options.Folder = Output.Path();
        Options.Output = Output.Path();
        Options.Limit = std::chrono::seconds(100);
        return process_runner::Run(PROGRAM, {"--headless", "--script", ScriptPath, "IS_NOT_RANDOM"}, Options);
    }
};

const char* const NEW_GAME = "welcome new\n"
                             "dialog 105 select 1089 \"2019\"\n"
                             "dialog 105 select 1010 \"Buffalo Frost\"\n"
                             "dialog 105 set 1013 \"Pat\"\n"
                             "dialog 105 press 1391\n";

TEST_F(DataToolsProgramTest, LoadersRunByNameAndAMissingRatingsFileFailsTheLine)
{
    const process_runner::RUN_RESULT Missing =
        Run_Script(std::string(NEW_GAME) + "tool Load_Playbooks\ntool load_year_player_ratings\nquit\n");
    ASSERT_FALSE(Missing.bTimedOut);
    EXPECT_EQ(Missing.nExitCode, 2) << Missing.Out << Missing.Err;
    EXPECT_TRUE(Contains(Missing.Out, "Tool Load_Playbooks: 0 offensive and 0 defensive playbooks loaded"))
        << Missing.Out;
    EXPECT_TRUE(Contains(Missing.Out + Missing.Err, "Unable to open Input/Ratings/Simulation/2019_Player_Ratings.csv"))
        << Missing.Out << Missing.Err;

    std::error_code Error;
    fs::create_directories(Data.Path() + "/Input/Ratings/Simulation", Error);
    FILE* pFile = std::fopen((Data.Path() + "/Input/Ratings/Simulation/2019_Player_Ratings.csv").c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    std::fputs("PlayerID,2019_Team,First,Last\r\n", pFile);
    std::fclose(pFile);
    const process_runner::RUN_RESULT Loaded = Run_Script(std::string(NEW_GAME) + "tool Load_Year_Player_Ratings\nquit\n");
    ASSERT_FALSE(Loaded.bTimedOut);
    EXPECT_EQ(Loaded.nExitCode, 0) << Loaded.Out << Loaded.Err;
    EXPECT_TRUE(Contains(Loaded.Out, "player ratings loaded from Input/Ratings/Simulation/2019_Player_Ratings.csv"))
        << Loaded.Out;
}

}  // namespace
