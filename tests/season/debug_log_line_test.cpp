// The debug log's timing line: its fields, and the two lines a season writes
// around its off-season.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "test_support.h"
#include "whole_season.h"
#include "league/league_structure.h"
#include "platform/errors.h"
#include "platform/ui.h"
#include "season/debug_log_line.h"

namespace {

std::vector<std::string> Log_Lines()
{
    std::vector<std::string> Lines;
    const std::string Text = Read_Text_File("debug.txt");
    size_t nStart = 0;
    while (nStart < Text.size()) {
        size_t nEnd = Text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = Text.size();
        Lines.push_back(Text.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    return Lines;
}

TEST(DebugLogLineTest, YearTextMillisecondsOfTheHourThenMinuteSecondAndMillisecond)
{
    SCRATCH_FOLDER Scratch("debug_log_line");
    ASSERT_TRUE(Scratch.Ready());
    ui::Reset();
    whole_season::Build_League(5);
    Write_Debug_Log_Line("Step Done");
    const std::vector<std::string> Lines = Log_Lines();
    ASSERT_FALSE(Lines.empty());
    int nYear = 0, nHour = 0, nMinute = 0, nSecond = 0, nMilli = 0;
    char szText[32] = "";
    ASSERT_EQ(std::sscanf(Lines.back().c_str(), "%d,%31[^,],%d,%d:%d.%d", &nYear, szText, &nHour, &nMinute, &nSecond,
                          &nMilli),
              6)
        << Lines.back();
    EXPECT_EQ(nYear, Get_Current_Year());
    EXPECT_STREQ(szText, "Step Done");
    EXPECT_EQ(nHour, (nMinute * 60 + nSecond) * 1000 + nMilli);
    EXPECT_LT(nMinute, 60);
    EXPECT_LT(nSecond, 61);
    EXPECT_LT(nMilli, 1000);
    // Two-digit seconds and three-digit milliseconds.
    const std::string Clock = Lines.back().substr(Lines.back().rfind(',') + 1);
    EXPECT_EQ(Clock.size() - Clock.find(':'), 7u) << Clock;

    // A whole season: the off-season starts and ends with the timing line.
    const int nSeasonYear = Get_Current_Year();
    Advance_Day(22);
    Advance_Day(22);
    Advance_Day(22);
    const std::string Log = Read_Text_File("debug.txt");
    EXPECT_NE(Log.find(std::to_string(nSeasonYear) + ",Off-Season Started,"), std::string::npos);
    EXPECT_NE(Log.find(",Off-Season Finished,"), std::string::npos);
}

}  // namespace
