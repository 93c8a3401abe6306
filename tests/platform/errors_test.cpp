#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/system.h"
#include "platform/ui.h"
#include "test_support.h"

namespace {

// Runs each test in an empty folder so that "debug.txt" is its own.
class ErrorsTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"errors"};

    void SetUp() override
    {
        ASSERT_TRUE(Scratch.Ready());
        ui::Reset();
        Clear_Recent_Errors();
        Reset_Error_Count();
        Set_Startup_Flags(0);
    }
    void TearDown() override { Set_Startup_Flags(0); }
};

// "1234567890 ERROR: text" -> "text", checking the time stamp's form.
std::string After_Stamp(const std::string& Line, const std::string& Marker)
{
    size_t nSpace = Line.find(' ');
    if (nSpace == std::string::npos || nSpace == 0)
        return "<no stamp>";
    for (size_t i = 0; i < nSpace; ++i) {
        if (Line[i] < '0' || Line[i] > '9')
            return "<bad stamp>";
    }
    if (Line.compare(nSpace + 1, Marker.size(), Marker) != 0)
        return "<no marker>";
    return Line.substr(nSpace + 1 + Marker.size());
}

}  // namespace

TEST_F(ErrorsTest, ReportErrorLogsKeepsRecentAndReturnsMinusOne)
{
    EXPECT_EQ(Report_Error("nTeam out of bounds in Set_Team_Stat(<%d>,%d,%d)", 41, 2, 7), -1);
    EXPECT_EQ(Report_Error("second %s", "error"), -1);
    std::vector<std::string> Lines = Read_Debug_Log_Lines(false);
    ASSERT_EQ(Lines.size(), 2u);
    EXPECT_EQ(After_Stamp(Lines[0], "ERROR: "), "nTeam out of bounds in Set_Team_Stat(<41>,2,7)");
    EXPECT_EQ(After_Stamp(Lines[1], "ERROR: "), "second error");

    // The newest error is at the head of the recent-errors buffer.
    std::string Recent = Get_Recent_Errors();
    EXPECT_EQ(After_Stamp(Recent.substr(0, Recent.find('\n')), "ERROR: "), "second error");
    EXPECT_NE(Recent.find("Set_Team_Stat(<41>,2,7)"), std::string::npos);
    EXPECT_EQ(Get_Error_Count(), 2);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(ErrorsTest, LongTextIsTruncatedAndRecentBufferStaysBounded)
{
    for (int i = 0; i < 20; ++i)
        Report_Error("%s", std::string(10000, static_cast<char>('a' + i)).c_str());
    std::vector<std::string> Lines = Read_Debug_Log_Lines(false);
    ASSERT_EQ(Lines.size(), 20u);
    // The text is cut to 2,047 characters, then the line to 2,047 with its stamp.
    EXPECT_EQ(Lines[0].size(), 2047u);
    EXPECT_LE(std::string(Get_Recent_Errors()).size(), ERROR_TEXT_SIZE - 1);

    // Data that looks like a format is written as it stands.
    Report_Error("%s", "100%s %n %d");
    Lines = Read_Debug_Log_Lines(false);
    EXPECT_EQ(After_Stamp(Lines.back(), "ERROR: "), "100%s %n %d");
}

TEST_F(ErrorsTest, RepeatedMessageIsWrittenFiveTimesThenCounted)
{
    // The same words with other numbers are the same message.
    for (int i = 0; i < 20; ++i)
        Report_Error("fValue out of bounds in Set_Player_Rating(38,%d,12,[%d.5])", i, -16000 - i);
    std::vector<std::string> Lines = Read_Debug_Log_Lines(false);
    ASSERT_EQ(Lines.size(), 5u);
    EXPECT_EQ(After_Stamp(Lines[4], "ERROR: "), "fValue out of bounds in Set_Player_Rating(38,4,12,[-16004.5])");
    // Another message writes the count first; then it starts its own run.
    Write_Debug_Log("Erased %d lines.", 1);
    Write_Debug_Log("Erased %d lines.", 2);
    Lines = Read_Debug_Log_Lines(false);
    ASSERT_EQ(Lines.size(), 8u);
    EXPECT_EQ(After_Stamp(Lines[5], ""), "... 15 more");
    EXPECT_EQ(After_Stamp(Lines[6], ""), "Erased 1 lines.");
    EXPECT_EQ(After_Stamp(Lines[7], ""), "Erased 2 lines.");
    // Every error still counts.
    EXPECT_EQ(Get_Error_Count(), 20);
    // Thousands are grouped.
    for (int i = 0; i < 1005; ++i)
        Write_Debug_Log("x");
    Write_Debug_Log("y");
    Lines = Read_Debug_Log_Lines(false);
    ASSERT_EQ(Lines.size(), 15u);
    EXPECT_EQ(After_Stamp(Lines[13], ""), "... 1,000 more");
}

TEST_F(ErrorsTest, TheCountOfRepeatsGoesToTheLogOfTheRepeatsAfterTheFolderChanged)
{
    // Eight repeats in a folder of their own: five written, three counted.
    // The next message comes in the scratch folder again: the count goes to
    // the log that holds the repeats, and this log has only its own line.
    {
        SCRATCH_FOLDER Inner("errors_inner");
        ASSERT_TRUE(Inner.Ready());
        for (int i = 0; i < 8; ++i)
            Write_Debug_Log("Loaded %d", i);
        const std::string InnerPath = Inner.Path();
        {
            SCRATCH_FOLDER Back("errors_back");
            ASSERT_TRUE(Back.Ready());
            Write_Debug_Log("Elsewhere");
            const std::vector<std::string> Here = Read_Debug_Log_Lines(true);
            EXPECT_EQ(Here, std::vector<std::string>{"Elsewhere"});
        }
        const std::vector<std::string> There = Read_Debug_Log_Lines(true);
        ASSERT_EQ(There.size(), 6u);
        EXPECT_EQ(There[4], "Loaded 4");
        EXPECT_EQ(There[5], "... 3 more");
    }
    // Repeats whose folder is gone: the count is dropped, never written into
    // the current folder.
    {
        SCRATCH_FOLDER Gone("errors_gone");
        ASSERT_TRUE(Gone.Ready());
        for (int i = 0; i < 7; ++i)
            Write_Debug_Log("Saved %d", i);
    }
    Write_Debug_Log("Back");
    EXPECT_EQ(Read_Debug_Log_Lines(true), std::vector<std::string>{"Back"});
}

TEST_F(ErrorsTest, DebugLogLineHasStampAndText)
{
    Write_Debug_Log("Erased %d non-empty season lines.", 12);
    std::vector<std::string> Lines = Read_Debug_Log_Lines(false);
    ASSERT_EQ(Lines.size(), 1u);
    EXPECT_EQ(After_Stamp(Lines[0], ""), "Erased 12 non-empty season lines.");
    // Debug output goes to stderr under KELVO_DEBUG, never to the log file;
    // Debug_Message only on a debug channel that was switched on at start.
    ::setenv("KELVO_DEBUG", "1", 1);
    Set_Startup_Flags(FLAG_IS_NOT_RANDOM | FLAG_DTXT_PBPDIAGRAM);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Debug_Printf("x %d", 1), 0);
    EXPECT_EQ(Debug_Message(0x10000, "move_to %d", 2), 0);   // the diagram channel
    EXPECT_EQ(Debug_Message(0x30000, "diagram %d", 3), 0);   // either of two channels
    EXPECT_EQ(Debug_Message(FLAG_DTXT_AGG, "agg"), 0);       // not switched on
    EXPECT_EQ(Debug_Message(FLAG_IS_NOT_RANDOM, "nr"), 0);   // not a debug channel
    std::string Output = ::testing::internal::GetCapturedStderr();
    ::unsetenv("KELVO_DEBUG");
    std::vector<std::string> Shown;
    for (size_t nStart = 0, nEnd; (nEnd = Output.find('\n', nStart)) != std::string::npos; nStart = nEnd + 1)
        Shown.push_back(After_Stamp(Output.substr(nStart, nEnd - nStart), "Debug: "));
    const std::vector<std::string> Expected = {"x 1", "move_to 2", "diagram 3"};
    EXPECT_EQ(Shown, Expected);
    EXPECT_EQ(Read_Debug_Log_Lines(false).size(), 1u);

    // Without KELVO_DEBUG nothing is shown.
    ::testing::internal::CaptureStderr();
    Debug_Printf("quiet");
    Report_Error("logged only");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST_F(ErrorsTest, CrashReportNamesTheSignalAndTheRecentErrors)
{
    // "Crash-Vazarudu-Kelvo-" + a four-digit year + "-" + the day 001-366.
    const std::string Name = sys::Crash_Report_Name();
    ASSERT_EQ(Name.size(), std::string("Crash-Vazarudu-Kelvo-2026-123.txt").size()) << Name;
    EXPECT_EQ(Name.compare(0, 21, "Crash-Vazarudu-Kelvo-"), 0);
    EXPECT_EQ(Name.substr(29), ".txt");
    int nDay = std::atoi(Name.substr(26, 3).c_str());
    EXPECT_TRUE(nDay >= 1 && nDay <= 366) << Name;

    Report_Error("nSlot out of bounds in Get_Player_Rating(%d,[%d])", 3, 120);
    ASSERT_TRUE(sys::Write_Crash_Report("crash.txt", 11));
    ASSERT_TRUE(sys::Write_Crash_Report("crash.txt", 6));   // appended, not replaced
    std::string Report = Read_Text_File("crash.txt");
    EXPECT_EQ(Report.find("Vazarudu Kelvo stopped on signal 11 (SIGSEGV).\nRecent errors, newest first:\n"), 0u);
    EXPECT_NE(Report.find("ERROR: nSlot out of bounds in Get_Player_Rating(3,[120])"), std::string::npos);
    EXPECT_NE(Report.find("stopped on signal 6 (SIGABRT)."), std::string::npos);
    EXPECT_FALSE(sys::Write_Crash_Report("no/such/folder/crash.txt", 11));

    // A link at the report's name gives way to the report.
    ASSERT_EQ(::symlink("crash.txt", "linked.txt"), 0);
    ASSERT_TRUE(sys::Write_Crash_Report("linked.txt", 11));
    EXPECT_EQ(Read_Text_File("crash.txt"), Report);
}

TEST_F(ErrorsTest, SystemErrorBoxAsksAndCancelStopsFurtherBoxes)
{
    Set_Startup_Flags(FLAG_SHOW_SYSTEM_ERRORS);
    Report_Error("first %d", 1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "System Error!");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "first 1\n\nENTER DEBUGGER?\n(Cancel to stop showing errors)");
    // No is the default button.
    EXPECT_EQ(ui::Shown_Boxes()[0].Result, ID_NO);

    // Yes without a debugger attached goes on.
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Report_Error("second"), -1);
    ui::Queue_Answer(ID_CANCEL);
    Report_Error("third");
    Report_Error("fourth");
    EXPECT_EQ(ui::Shown_Boxes().size(), 3u);
    EXPECT_EQ(Read_Debug_Log_Lines(false).size(), 4u);
}

TEST_F(ErrorsTest, StartupFlagsAreWholeWords)
{
    EXPECT_EQ(Parse_Startup_Flags("IS_NOT_RANDOM SHOW_SYSTEM_ERRORS"), FLAG_IS_NOT_RANDOM | FLAG_SHOW_SYSTEM_ERRORS);
    EXPECT_EQ(Parse_Startup_Flags("DTXT_AGG\r\nDTXT_PBPDIAGRAM\n"), FLAG_DTXT_AGG | FLAG_DTXT_PBPDIAGRAM);
    EXPECT_EQ(Parse_Startup_Flags("IS_NOT_RANDOMLY XDTXT_AGG"), 0u);
    EXPECT_EQ(Parse_Startup_Flags(""), 0u);
    EXPECT_EQ(Parse_Startup_Flags(nullptr), 0u);
}
