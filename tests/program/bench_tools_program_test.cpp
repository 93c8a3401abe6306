// The measuring tools built beside the program find its data folder as the
// program does, and refuse the same mistakes at once.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace {

const std::string GUI_MEASURE = std::filesystem::path(program_support::PROGRAM).parent_path().string() + "/gui_measure";

}  // namespace

TEST(BenchToolsProgramTest, GuiMeasureRefusesAnEmptyKelvoDataAsTheProgramDoes)
{
    if (!std::filesystem::exists(GUI_MEASURE))
        GTEST_SKIP() << "gui_measure is not built (no desktop window in this build)";
    SCRATCH_FOLDER Output{"gui_measure_out", false};
    ASSERT_TRUE(Output.Ready());
    process_runner::RUN_OPTIONS Options;
    Options.Env = {"KELVO_DATA="};
    Options.Folder = Output.Path();
    Options.Output = Output.Path();
    // A bound for a run that would never end; a refusal takes no time at all.
    Options.Limit = std::chrono::seconds(60);
    const process_runner::RUN_RESULT Result = process_runner::Run(GUI_MEASURE, {}, Options);
    ASSERT_FALSE(Result.bTimedOut) << Result.Err;
    EXPECT_EQ(Result.nExitCode, 1);
    EXPECT_EQ(Result.Err, "gui_measure: KELVO_DATA is set but empty; it must name the data folder, or be unset.\n");
    EXPECT_EQ(Result.Out, "");
}
