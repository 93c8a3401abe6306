// The script as a file: a read error part-way stops the run with its reason,
// a byte-order mark before the first line is skipped, a NUL byte refuses its
// line. Every case here stops before the welcome dialog, so no league is
// needed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/dialogs.h"
#include "platform/ui.h"
#include "shell/script_runner.h"
#include "test_support.h"

namespace {

// A stream that gives Text, then fails to read with EIO.
struct FAILING_INPUT {
    std::string Text;
    size_t nAt = 0;
};

ssize_t Read_Then_Fail(void* pCookie, char* pBuffer, size_t nSize)
{
    FAILING_INPUT& Input = *static_cast<FAILING_INPUT*>(pCookie);
    if (Input.nAt >= Input.Text.size()) {
        errno = EIO;
        return -1;
    }
    const size_t n = std::min(nSize, Input.Text.size() - Input.nAt);
    std::memcpy(pBuffer, Input.Text.data() + Input.nAt, n);
    Input.nAt += n;
    return static_cast<ssize_t>(n);
}

class ScriptFileTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"script_file"};

    void SetUp() override
    {
        ASSERT_TRUE(Scratch.Ready());
        ui::Reset();
        dialogs::Reset();
    }
    void TearDown() override
    {
        ui::Reset();
        dialogs::Reset();
    }

    // Runs the bytes as a script; the exit status, with what it said on stderr.
    int Run_Text(const std::string& Text, std::string& Err)
    {
        FILE* pInput = fmemopen(const_cast<char*>(Text.data()), Text.size(), "r");
        EXPECT_NE(pInput, nullptr);
        ::testing::internal::CaptureStderr();
        const int nExit = Run_Script(pInput, "\"t\"");
        Err = ::testing::internal::GetCapturedStderr();
        std::fclose(pInput);
        return nExit;
    }
};

}  // namespace

TEST_F(ScriptFileTest, AReadErrorPartWayStopsTheRunWithItsReason)
{
    FAILING_INPUT Input{"# first line\n# second\n"};
    cookie_io_functions_t Functions{};
    Functions.read = Read_Then_Fail;
    FILE* pInput = fopencookie(&Input, "r", Functions);
    ASSERT_NE(pInput, nullptr);
    ::testing::internal::CaptureStderr();
    const int nExit = Run_Script(pInput, "\"broken\"");
    const std::string Err = ::testing::internal::GetCapturedStderr();
    std::fclose(pInput);
    EXPECT_EQ(nExit, SCRIPT_EXIT_FAILED);
    EXPECT_EQ(Err, "kelvo: script \"broken\" line 3: the script cannot be read (Input/output error)\n");
    // Nothing ran: the welcome dialog never opened.
    EXPECT_TRUE(dialogs::Records().empty());
}

TEST_F(ScriptFileTest, AByteOrderMarkIsSkippedAndANulRefusesItsLine)
{
    std::string Err;
    // The mark is no part of the first word.
    EXPECT_EQ(Run_Text("\xEF\xBB\xBF" "fly\n", Err), SCRIPT_EXIT_FAILED);
    EXPECT_EQ(Err, "kelvo: script \"t\" line 1: unknown instruction \"fly\"\n");
    // Only at the start of the script.
    EXPECT_EQ(Run_Text("# one\n\xEF\xBB\xBF" "fly\n", Err), SCRIPT_EXIT_FAILED);
    EXPECT_EQ(Err, "kelvo: script \"t\" line 2: unknown instruction \"\xEF\xBB\xBF" "fly\"\n");
    // A NUL byte, even in a comment.
    EXPECT_EQ(Run_Text(std::string("# one\n# tw\0o\nfly\n", 17), Err), SCRIPT_EXIT_FAILED);
    EXPECT_EQ(Err, "kelvo: script \"t\" line 2: the line holds a NUL byte\n");
    // A line of the greatest length with a CRLF end, after a mark, is whole.
    EXPECT_EQ(Run_Text("\xEF\xBB\xBF#" + std::string(4095, 'x') + "\r\nfly\n", Err), SCRIPT_EXIT_FAILED);
    EXPECT_EQ(Err, "kelvo: script \"t\" line 2: unknown instruction \"fly\"\n");
    EXPECT_EQ(Run_Text("#" + std::string(4096, 'x') + "\r\n", Err), SCRIPT_EXIT_FAILED);
    EXPECT_EQ(Err, "kelvo: script \"t\" line 1: the line is longer than 4096 characters\n");
}
