// Shared fixture: a zeroed league, a fresh headless ui, and a counted error
// log; a scratch folder of a test's own (testsupport/scratch_folder.h); the
// lines of "debug.txt".
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "league/league_data.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "scratch_folder.h"

class LeagueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Zero_League_Data();
        ui::Reset();
        Clear_Recent_Errors();
        Reset_Error_Count();
    }

    // Errors reported since SetUp or the last call.
    int Errors_Reported()
    {
        int n = Get_Error_Count();
        Reset_Error_Count();
        return n;
    }

    // Whether the newest reported error contains the text.
    static bool Last_Error_Contains(const std::string& Text)
    {
        std::string Recent = Get_Recent_Errors();
        std::string First = Recent.substr(0, Recent.find('\n'));
        return First.find(Text) != std::string::npos;
    }
};

// Byte-for-byte snapshot of the league block, to prove nothing was written.
struct LEAGUE_SNAPSHOT {
    std::string Bytes;
    LEAGUE_SNAPSHOT() : Bytes(reinterpret_cast<const char*>(&League), sizeof(League)) {}
    bool Unchanged() const
    {
        return Bytes.compare(0, Bytes.size(), reinterpret_cast<const char*>(&League), sizeof(League)) == 0;
    }
};

// The shared scratch folder, its problems reported as test failures.
inline void Report_Scratch_Problem(const std::string& Problem)
{
    ADD_FAILURE() << Problem;
}

class SCRATCH_FOLDER : public SCRATCH_FOLDER_CORE {
public:
    explicit SCRATCH_FOLDER(const char* szTag = "scratch", bool bEnter = true)
        : SCRATCH_FOLDER_CORE(szTag, bEnter, Report_Scratch_Problem)
    {
    }
};

// The whole of a file as bytes in a string, szMissing when there is no file
// of exactly that name (tests check the names the program writes, so the
// name is not resolved as the program's own opens resolve it).
inline std::string Read_Text_File(const std::string& Path, const char* szMissing = "")
{
    FILE* pFile = std::fopen(Path.c_str(), "rb");
    if (pFile == nullptr)
        return szMissing;
    std::string Text;
    char Buffer[4096];
    size_t n;
    while ((n = std::fread(Buffer, 1, sizeof(Buffer), pFile)) > 0)
        Text.append(Buffer, n);
    std::fclose(pFile);
    return Text;
}

// The lines of "debug.txt" in the current folder (none when there is no log),
// without their line ends (LF or CRLF). With bDropStamp each line loses its
// "<seconds> " time stamp (digits and one blank); a line without one stays.
inline std::vector<std::string> Read_Debug_Log_Lines(bool bDropStamp)
{
    std::vector<std::string> Lines;
    const std::string Text = Read_Text_File(DEBUG_LOG_FILE);
    size_t nStart = 0;
    while (nStart < Text.size()) {
        size_t nEnd = Text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = Text.size();
        std::string Line = Text.substr(nStart, nEnd - nStart);
        if (!Line.empty() && Line.back() == '\r')
            Line.pop_back();
        if (bDropStamp) {
            const size_t nSpace = Line.find(' ');
            if (nSpace != std::string::npos && nSpace > 0 &&
                Line.find_first_not_of("0123456789") == nSpace)
                Line.erase(0, nSpace + 1);
        }
        Lines.push_back(Line);
        nStart = nEnd + 1;
    }
    return Lines;
}

// How many lines of "debug.txt", their time stamps dropped, are Line exactly.
inline int Count_Logged_Lines(const std::string& Line)
{
    int n = 0;
    for (const std::string& Logged : Read_Debug_Log_Lines(true))
        n += Logged == Line ? 1 : 0;
    return n;
}

// A call that must be refused: the value it returns and a text its one
// report holds (null: the text is not checked).
struct REFUSAL_CASE {
    int (*pCall)();
    int nExpected;
    const char* szMessage;
};

// Every call returns its value and reports exactly once, and the league
// block is left as it was.
template <size_t N>
void Expect_Refusals(const REFUSAL_CASE (&Cases)[N])
{
    LEAGUE_SNAPSHOT Before;
    for (const REFUSAL_CASE& Case : Cases) {
        const char* szWhat = Case.szMessage ? Case.szMessage : "(no message)";
        Reset_Error_Count();
        EXPECT_EQ(Case.pCall(), Case.nExpected) << szWhat << " #" << (&Case - Cases);
        std::string Recent = Get_Recent_Errors();
        if (Case.szMessage != nullptr) {
            EXPECT_NE(Recent.substr(0, Recent.find('\n')).find(Case.szMessage), std::string::npos)
                << "wanted " << Case.szMessage << "\n got " << Recent;
        }
        EXPECT_EQ(Get_Error_Count(), 1) << szWhat << " #" << (&Case - Cases);
    }
    Reset_Error_Count();
    EXPECT_TRUE(Before.Unchanged());
}
