#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/errors.h"
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
    std::string Long(10000, 'n');
    for (int i = 0; i < 20; ++i)
        Report_Error("%s", Long.c_str());
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

TEST_F(ErrorsTest, DebugLogLineHasStampAndText)
{
    Write_Debug_Log("Erased %d non-empty season lines.", 12);
    std::vector<std::string> Lines = Read_Debug_Log_Lines(false);
    ASSERT_EQ(Lines.size(), 1u);
    EXPECT_EQ(After_Stamp(Lines[0], ""), "Erased 12 non-empty season lines.");
    // Debug output never reaches the log file.
    EXPECT_EQ(Debug_Printf("x %d", 1), 0);
    EXPECT_EQ(Debug_Message(FLAG_DTXT_AGG, "y"), 0);
    EXPECT_EQ(Read_Debug_Log_Lines(false).size(), 1u);
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
