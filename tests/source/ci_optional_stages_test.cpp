// The optional stages of CI (.ci/run_optional, which .ci/run sources) met
// with stand-in stages and deadlines of seconds: a stage that fits runs to
// its end even past its own stated length, one that overruns the mark is cut
// short and fails nothing (also when it ignores the polite signal), one that
// does not fit is skipped without running, and one that fails fails the run.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "program/process_runner.h"
#include "test_support.h"

namespace {

namespace fs = std::filesystem;

class CiOptionalStagesTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"ci_optional_stages", false};

    void SetUp() override { ASSERT_TRUE(Scratch.Ready()); }

    // A file a stage writes when it gets past its work.
    std::string Mark(const std::string& Name) const { return Scratch.Path() + "/" + Name + ".mark"; }

    // Starts bash on the script with run_optional sourced, the log emptied
    // and the deadline nDeadline seconds away; it prints the log last.
    process_runner::CHILD Start(const std::string& Name, int nDeadline, const std::string& Script)
    {
        const std::string Folder = Scratch.Path() + "/" + Name;
        fs::create_directories(Folder);
        const char* szSource = std::getenv("KELVO_SOURCE_DIR");
        EXPECT_NE(szSource, nullptr);
        const std::string Text = "set -euo pipefail\nsource \"" + std::string(szSource ? szSource : ".") +
                                 "/.ci/run_optional\"\nOPTIONAL_LOG=()\nDEADLINE=$(( $(date +%s) + " +
                                 std::to_string(nDeadline) + " ))\n" + Script +
                                 "\necho \"log: ${OPTIONAL_LOG[*]}\"\n";
        process_runner::RUN_OPTIONS Options;
        Options.Folder = Folder;
        Options.Output = Folder;
        return process_runner::Start("/bin/bash", {"-c", Text}, Options);
    }
};

TEST_F(CiOptionalStagesTest, AStageRunsSkipsIsCutShortOrFailsTheRunByTheTimeLeft)
{
    // Each case is a shell of its own, all at once: the whole takes a few
    // seconds.
    struct CASE {
        std::string Name;
        process_runner::CHILD Child;
        std::chrono::steady_clock::time_point Started;
    };
    std::vector<CASE> Cases;
    const auto Begin = [&](const std::string& Name, int nDeadline, const std::string& Script) {
        Cases.push_back({Name, Start(Name, nDeadline, Script), std::chrono::steady_clock::now()});
    };
    // Stated as 1 second, it takes 2: bounded by the minute left, not by
    // its length, it ends. Then one that cannot fit is not started.
    Begin("fits", 60,
          "stage_long() { sleep 2; echo done > \"" + Mark("fits") + "\"; }\n"
          "stage_huge() { echo done > \"" + Mark("huge") + "\"; }\n"
          "run_optional stage_long 1 \"The long stage\"\n"
          "run_optional stage_huge 100000 \"The huge stage\"");
    // Three seconds left, a minute of work: cut at the mark, and the run
    // goes on.
    Begin("overrun", 3,
          "stage_slow() { sleep 60; echo done > \"" + Mark("overrun") + "\"; }\n"
          "run_optional stage_slow 1 \"The slow stage\"\necho after");
    // One deaf to the polite signal is killed a second later, and counts as
    // cut short all the same.
    Begin("deaf", 3,
          "OPTIONAL_KILL_AFTER=1\nstage_deaf() { trap '' TERM; sleep 60; echo done > \"" + Mark("deaf") +
              "\"; }\nrun_optional stage_deaf 1 \"The deaf stage\"\necho after");
    // A stage whose command fails stops there and fails the run.
    Begin("fails", 60,
          "stage_bad() { false; echo done > \"" + Mark("fails") + "\"; }\n"
          "run_optional stage_bad 1 \"The bad stage\"\necho after");
    Begin("exits", 60, "stage_exit() { exit 3; }\nrun_optional stage_exit 1 \"The exiting stage\"\necho after");

    std::vector<process_runner::RUN_RESULT> Results;
    std::vector<double> Seconds;
    for (CASE& Case : Cases) {
        Results.push_back(process_runner::Wait(Case.Child, std::chrono::milliseconds(120000)));
        Seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - Case.Started).count());
    }
    for (const process_runner::RUN_RESULT& Result : Results)
        ASSERT_FALSE(Result.bTimedOut) << Result.Out << Result.Err;

    const process_runner::RUN_RESULT& Fits = Results[0];
    EXPECT_EQ(Fits.nExitCode, 0) << Fits.Out << Fits.Err;
    EXPECT_EQ(Read_Text_File(Mark("fits"), "(none)"), "done\n");
    EXPECT_FALSE(fs::exists(Mark("huge")));
    EXPECT_NE(Fits.Out.find("Skipping The huge stage: "), std::string::npos) << Fits.Out;
    EXPECT_NE(Fits.Out.find("s left before the 75-minute mark, and it takes up to 100000s.\n"), std::string::npos)
        << Fits.Out;
    EXPECT_NE(Fits.Out.find("log: The long stage: run The huge stage: skipped\n"), std::string::npos) << Fits.Out;

    for (size_t n : {size_t(1), size_t(2)}) {
        SCOPED_TRACE(Cases[n].Name);
        const process_runner::RUN_RESULT& Cut = Results[n];
        const std::string What = n == 1 ? "The slow stage" : "The deaf stage";
        EXPECT_EQ(Cut.nExitCode, 0) << Cut.Out << Cut.Err;
        EXPECT_NE(Cut.Out.find(What + " was cut short at the 75-minute mark ("), std::string::npos) << Cut.Out;
        EXPECT_NE(Cut.Out.find("after\nlog: " + What + ": cut short\n"), std::string::npos) << Cut.Out;
        EXPECT_FALSE(fs::exists(Mark(Cases[n].Name)));
        // Cut at the mark, not after the minute the stage asked for.
        EXPECT_LT(Seconds[n], 40.0);
    }

    for (size_t n : {size_t(3), size_t(4)}) {
        SCOPED_TRACE(Cases[n].Name);
        const process_runner::RUN_RESULT& Failed = Results[n];
        EXPECT_EQ(Failed.nExitCode, 1) << Failed.Out << Failed.Err;
        EXPECT_NE(Failed.Out.find(n == 3 ? "The bad stage failed (status 1).\n" : "The exiting stage failed (status 3).\n"),
                  std::string::npos)
            << Failed.Out;
        EXPECT_EQ(Failed.Out.find("after"), std::string::npos) << Failed.Out;
        EXPECT_EQ(Failed.Out.find("log: "), std::string::npos) << Failed.Out;
    }
    EXPECT_FALSE(fs::exists(Mark("fails")));
}

}  // namespace
