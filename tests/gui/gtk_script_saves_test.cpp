// A script driving the real window saves only what it asked for, as the
// headless run does: a refused line of the Save dialog, or an "Overwrite?"
// box nobody answered, leaves the saved game's bytes as they were.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "gui_support.h"
#include "program/process_runner.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const std::string PROGRAM = KELVO_PROGRAM_PATH;
const char* const OPENED = "Desktop window: display";

using gui_support::Contains;
using process_runner::RUN_RESULT;

class GtkScriptSaves : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"gui_saves", false};
    SCRATCH_FOLDER Output{"gui_saves_out", false};
    std::string Mine;

    void SetUp() override
    {
        if (!gui_support::Server_Running()) {
            if (X_SERVER::Must_Have_Server())
                FAIL() << "No X server for the GUI tests: " << gui_support::Server_Problem();
            GTEST_SKIP() << "no X server: " << gui_support::Server_Problem();
        }
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        ASSERT_TRUE(gui_support::Copy_Fresh_Data(gui_support::Built_Data(), Data.Path()));
        const RUN_RESULT Made = Run("welcome new\ndialog 105 select 1089 \"2019\"\ndialog 105 select 1010 \"Buffalo Frost\"\n"
                                    "dialog 105 set 1013 \"Pat\"\ndialog 105 press 1391\ncommand \"One Week\"\n"
                                    "dialog 120 set 1082 \"Mine\"\ndialog 120 press 1\ncommand \"Save Game\"\nquit\n",
                                    true);
        ASSERT_EQ(Made.nExitCode, 0) << Made.Out << Made.Err;
        Mine = Read_Text_File(Data.Path() + "/Mine.zrt", "(no saved game)");
        ASSERT_NE(Mine, "(no saved game)");
    }

    RUN_RESULT Run(const std::string& Script, bool bHeadless = false)
    {
        const std::string Path = Output.Path() + "/saves.kelvo";
        FILE* pFile = std::fopen(Path.c_str(), "wb");
        EXPECT_NE(pFile, nullptr);
        if (pFile != nullptr) {
            std::fwrite(Script.data(), 1, Script.size(), pFile);
            std::fclose(pFile);
        }
        process_runner::RUN_OPTIONS Options;
        Options.Env = {"KELVO_DATA=" + Data.Path()};
        if (const char* szDisplay = std::getenv("DISPLAY"))
            Options.Env.push_back(std::string("DISPLAY=") + szDisplay);
        Options.Folder = Output.Path();
        Options.Output = Output.Path();
        Options.Limit = std::chrono::seconds(150);
        std::vector<std::string> Args = {"--script", Path, "IS_NOT_RANDOM"};
        if (bHeadless)
            Args.insert(Args.begin(), "--headless");
        return process_runner::Run(PROGRAM, Args, Options);
    }
};

}  // namespace

TEST_F(GtkScriptSaves, ThroughTheWindowAFailedScriptLeavesTheSavedGameAsItWas)
{
    const std::string Resume = "welcome resume\ndialog 118 select 1077 \"Mine\"\ndialog 118 press 1\n"
                               "command \"One Week\"\n";
    struct CASE {
        const char* szLines;
        const char* szMessage;
    };
    const CASE Cases[] = {
        {"dialog 120 set 1083 \"Copy\"\ndialog 120 press 1\ncommand \"Save Game\"\nquit\n",
         "line 5: dialog 120 \"Save Game\": control 1083 does not exist"},
        {"dialog 120 press 1\ndialog 120 set 1083 \"Copy\"\nquit\n",
         "line 6: dialog 120 \"Save Game\": control 1083 does not exist"},
        {"dialog 120 check 1082 1\ndialog 120 press 1\nquit\n",
         "line 5: dialog 120 \"Save Game\": control 1082 is no check box"},
        {"command \"Save Game\"\nquit\n", "line 5: the box [Filename in use]"},
    };
    for (const CASE& Case : Cases) {
        SCOPED_TRACE(Case.szLines);
        const RUN_RESULT Result = Run(Resume + Case.szLines);
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
        EXPECT_TRUE(Contains(Result.Err, Case.szMessage)) << Result.Err;
        EXPECT_TRUE(Contains(Read_Text_File(Data.Path() + "/debug.txt"), OPENED));
        EXPECT_FALSE(Contains(Result.Out, "Overwrite?\" -> OK")) << Result.Out;
        EXPECT_TRUE(Read_Text_File(Data.Path() + "/Mine.zrt", "(gone)") == Mine) << "Mine.zrt was changed\n"
                                                                                 << Result.Out;
    }
}
