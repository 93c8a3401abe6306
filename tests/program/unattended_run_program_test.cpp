// Runs nobody watches, through the real program run headless: Play Multiple
// Seasons and the season simulator go on without a box when a draft finds
// no rookie class (the misses are in "debug.txt"), the one box such a miss
// shows afterwards shows once, and a refused draft-strategy file is told
// once however many drafts read it.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace {

using program_support::Contains;

// How many lines of Text hold Part.
int Count_Lines_With(const std::string& Text, const std::string& Part)
{
    int n = 0;
    size_t nStart = 0;
    while (nStart < Text.size()) {
        size_t nEnd = Text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = Text.size();
        n += Text.substr(nStart, nEnd - nStart).find(Part) != std::string::npos ? 1 : 0;
        nStart = nEnd + 1;
    }
    return n;
}

class UnattendedRunProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"ur_data", false};
    SCRATCH_FOLDER Output{"ur_out", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        program_support::Copy_Built_Data(Data.Path());
    }
};

// The 2019 league with Fictional Rookies turned off reads a class file for
// every draft up to 2023, and ships none. The 2019 draft takes the pool New
// Game made; Play Multiple Seasons (two seasons) misses the class of 2021,
// the simulator (the 2021 season) the class of 2022: no box. Filling the
// pool twice by hand misses 2022 again: one box, then the log only. The
// strategy file, refused, is read by each of the two drafts of the
// multiple seasons: in the log each time, and no box stops the run.
TEST_F(UnattendedRunProgramTest, MissingClassesAndABadStrategyStopNoUnattendedRun)
{
    program_support::Write_File(Data.Path() + "/Input/DraftStrategy.txt", "10\n200\n");
    const process_runner::RUN_RESULT Result = program_support::Run_Headless_Script(
        {Data.Path(), Output.Path(), "unattended.kelvo", std::chrono::seconds(400)},
        std::string(program_support::NEW_GAME) +
            "command Standings\n"
            "answer yes\n"
            "dialog 159 check 1457 0\n"
            "dialog 159 press 1\n"
            "command \"League Editor\"\n"
            "dialog 179 spin 1138 down\n"
            "dialog 179 spin 1138 down\n"
            "dialog 179 spin 1138 down\n"
            "dialog 179 press 1\n"
            "command \"Play Multiple Seasons\"\n"
            "dialog 104 set 1297 \"1\"\n"
            "dialog 104 press 1\n"
            "command \"Single Season Simulator\"\n"
            "dialog 175 press 22\n"
            "command \"Advanced Tools\"\n"
            "dialog 175 press 22\n"
            "command \"Advanced Tools\"\n"
            "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    ASSERT_TRUE(Contains(Result.Out, "Dialog 179 \"Play Multiple Seasons\": spin 1138 down; spin 1138 down; spin 1138 "
                                     "down; press 1; end 2"))
        << Result.Out;
    ASSERT_TRUE(Contains(Result.Out, "Dialog 104 \"Simulation Tool\": set 1297 \"1\"; press 1; end 1")) << Result.Out;

    // The one box of the missing classes: the first fill by hand, after
    // both runs.
    EXPECT_EQ(Count_Lines_With(Result.Out, "Box [Generating Random Rookies]"), 1) << Result.Out;
    const size_t nBox = Result.Out.find("Box [Generating Random Rookies] \"databases/rookies-2022.dat not found. "
                                        "Generating random rookies.\"");
    ASSERT_NE(nBox, std::string::npos) << Result.Out;
    EXPECT_GT(nBox, Result.Out.find("Dialog 104 \"Simulation Tool\"")) << Result.Out;
    // Every miss is in the log: 2021's in the multiple seasons, 2022's in
    // the simulator and at each fill.
    const std::string Log = Read_Text_File(Data.Path() + "/debug.txt");
    EXPECT_EQ(Count_Lines_With(Log, " databases/rookies-2021.dat not found. Generating random rookies."), 1) << Log;
    EXPECT_EQ(Count_Lines_With(Log, " databases/rookies-2022.dat not found. Generating random rookies."), 3) << Log;

    // The refused strategy file: no box, each draft's refusal in the log.
    const std::string Refusal = "Input/DraftStrategy.txt, line 2: 200 is outside -100 to 100; the file is not used.";
    EXPECT_EQ(Count_Lines_With(Result.Out, "Box [Bad File]"), 0) << Result.Out;
    EXPECT_EQ(Count_Lines_With(Log, " " + Refusal), 2) << Log;
}

}  // namespace
