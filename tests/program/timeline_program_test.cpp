// The timeline's and the Calendar page's script lines in the real program,
// headless: a cell of the strip, watch marks set and cleared, a week of the
// Calendar page jumped to, the page box and the label's box, and the lines
// a script cannot carry out.

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

class TimelineProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"tl_data", false};
    SCRATCH_FOLDER Output{"tl_out", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        program_support::Copy_Built_Data(Data.Path());
    }

    process_runner::RUN_RESULT Run_Script(const std::string& Script)
    {
        return program_support::Run_Headless_Script({Data.Path(), Output.Path(), "timeline.kelvo", std::chrono::seconds(100)},
                                                    Script);
    }
};

// The lines of stdout that begin with one of the prefixes, in order.
std::vector<std::string> Lines_Of(const std::string& Out, const std::vector<std::string>& Prefixes)
{
    std::vector<std::string> Lines;
    size_t nStart = 0;
    while (nStart < Out.size()) {
        size_t nEnd = Out.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = Out.size();
        const std::string Line = Out.substr(nStart, nEnd - nStart);
        for (const std::string& Prefix : Prefixes)
            if (Line.rfind(Prefix, 0) == 0) {
                Lines.push_back(Line);
                break;
            }
        nStart = nEnd + 1;
    }
    return Lines;
}

TEST_F(TimelineProgramTest, ScriptLinesClickTheStripAndTheCalendar)
{
    // Day 0: cell 3 is day 3 (three weeks); the marks of weeks 8 and 9 are
    // set, week 8's cleared again; week 5 from day 3 is one day; the page box
    // on the Calendar page asks for nothing; the label plays one more day.
    const process_runner::RUN_RESULT Result = Run_Script("welcome new\n"
                                                         "command Calendar\n"
                                                         "answer yes\n"
                                                         "timeline 3\n"
                                                         "calendar watch 8\n"
                                                         "calendar watch 8\n"
                                                         "calendar watch 9\n"
                                                         "answer yes\n"
                                                         "calendar 5\n"
                                                         "timeline page\n"
                                                         "timeline label\n"
                                                         "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err;
    EXPECT_EQ(Lines_Of(Result.Out, {"Timeline", "Calendar", "Box [Confirm]"}),
              (std::vector<std::string>{"Timeline 3", "Box [Confirm] \"Simulate the next 3 weeks?\" -> Yes",
                                        "Calendar watch 8", "Calendar watch 8", "Calendar watch 9", "Calendar 5",
                                        "Box [Confirm] \"Simulate every game in week 4?\" -> Yes", "Timeline page",
                                        "Timeline label"}))
        << Result.Out;
}

TEST_F(TimelineProgramTest, TheFifthCellIsTheLastTheScriptCanClick)
{
    // Day 0: cell 5 is day 5, five weeks ahead; declined, nothing is played.
    const process_runner::RUN_RESULT Result = Run_Script("welcome new\n"
                                                         "command Calendar\n"
                                                         "answer no\n"
                                                         "timeline 5\n"
                                                         "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err;
    EXPECT_EQ(Lines_Of(Result.Out, {"Timeline", "Box [Confirm]"}),
              (std::vector<std::string>{"Timeline 5", "Box [Confirm] \"Simulate the next 5 weeks?\" -> No"}))
        << Result.Out;
}

TEST_F(TimelineProgramTest, LinesTheScriptCannotCarryOutStopIt)
{
    struct BAD {
        const char* szLine;
        const char* szWhy;
    };
    const BAD BADS[] = {
        {"timeline 6", "timeline takes page, label or a cell from 1 to 5"},
        {"timeline", "timeline takes page, label or a cell from 1 to 5"},
        {"calendar 23", "calendar takes a week from 1 to 22, or watch and a week"},
        {"calendar watch", "calendar takes a week from 1 to 22, or watch and a week"},
        // The Standings page is shown after a new game.
        {"calendar 3", "the Calendar page is not shown"},
    };
    for (const BAD& Bad : BADS) {
        const process_runner::RUN_RESULT Result = Run_Script(std::string("welcome new\n") + Bad.szLine + "\nquit\n");
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 2) << Bad.szLine;
        EXPECT_NE(Result.Err.find(std::string("line 2: ") + Bad.szWhy), std::string::npos) << Result.Err;
    }
    // A week in the past has no watch mark.
    const process_runner::RUN_RESULT Past =
        Run_Script("welcome new\ncommand Calendar\nanswer yes\ntimeline 3\ncalendar watch 1\nquit\n");
    EXPECT_EQ(Past.nExitCode, 2);
    EXPECT_NE(Past.Err.find("line 5: week 1 of the Calendar page has no watch mark"), std::string::npos) << Past.Err;
}

}  // namespace
