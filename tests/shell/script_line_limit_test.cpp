// A script line may hold 4,096 characters before its line end, whichever
// line end it has; one more and the line is refused, naming it.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/ui.h"
#include "shell/script_runner.h"

namespace {

struct SCRIPT_RESULT {
    int nStatus = -1;
    std::string Errors;
};

// Runs a script of a comment line of nLength characters ('#' and x's), then
// a line no program can carry out, every line ended by szEnd.
SCRIPT_RESULT Run_Long_Line_Script(size_t nLength, const char* szEnd)
{
    // Built up piece by piece: GCC 12 warns wrongly about chained string sums.
    std::string Text(1, '#');
    Text.append(nLength - 1, 'x');
    Text += szEnd;
    Text += "bogus";
    Text += szEnd;
    FILE* pFile = std::tmpfile();
    SCRIPT_RESULT Result;
    if (pFile == nullptr)
        return Result;
    std::fwrite(Text.data(), 1, Text.size(), pFile);
    std::rewind(pFile);
    ui::Reset();
    testing::internal::CaptureStderr();
    Result.nStatus = Run_Script(pFile, "long.txt");
    Result.Errors = testing::internal::GetCapturedStderr();
    std::fclose(pFile);
    return Result;
}

TEST(ScriptLineLimitTest, FourThousandNinetySixCharactersPassAndOneMoreIsRefused)
{
    for (const char* szEnd : {"\n", "\r\n"}) {
        const std::string End = szEnd[0] == '\r' ? "CR LF" : "LF";
        // 4,096: read whole; the run stops at the second line.
        SCRIPT_RESULT Fits = Run_Long_Line_Script(4096, szEnd);
        EXPECT_EQ(Fits.nStatus, SCRIPT_EXIT_FAILED) << End;
        EXPECT_NE(Fits.Errors.find("script long.txt line 2: unknown instruction \"bogus\""), std::string::npos)
            << End << ": " << Fits.Errors;
        // 4,097: refused at the first line.
        SCRIPT_RESULT Long = Run_Long_Line_Script(4097, szEnd);
        EXPECT_EQ(Long.nStatus, SCRIPT_EXIT_FAILED) << End;
        EXPECT_NE(Long.Errors.find("script long.txt line 1: the line is longer than 4096 characters"),
                  std::string::npos)
            << End << ": " << Long.Errors;
    }
}

}  // namespace
