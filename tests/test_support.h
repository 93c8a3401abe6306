// Shared fixture: a zeroed league, a fresh headless ui, and a counted error
// log; a scratch folder of a test's own; the lines of "debug.txt".
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

// An empty folder of the test's own under /tmp ("/tmp/kelvo_<tag>_XXXXXX"),
// made on construction and, unless bEnter is false, the current folder while
// the object lives, so that "debug.txt" and every file the test writes are its
// own. On destruction the previous folder is current again and the folder is
// removed with all it holds (read-only files included).
class SCRATCH_FOLDER {
public:
    explicit SCRATCH_FOLDER(const char* szTag = "scratch", bool bEnter = true)
    {
        std::string Template = std::string("/tmp/kelvo_") + szTag + "_XXXXXX";
        std::vector<char> szPath(Template.begin(), Template.end());
        szPath.push_back('\0');
        if (::mkdtemp(szPath.data()) == nullptr) {
            ADD_FAILURE() << "cannot make " << Template;
            return;
        }
        m_Path = szPath.data();
        if (!bEnter) {
            m_bReady = true;
            return;
        }
        m_Previous = files::Get_Current_Folder();
        if (::chdir(m_Path.c_str()) != 0) {
            ADD_FAILURE() << "cannot enter " << m_Path;
            m_Previous.clear();
            return;
        }
        m_bReady = true;
    }
    ~SCRATCH_FOLDER()
    {
        if (!m_Previous.empty() && ::chdir(m_Previous.c_str()) != 0)
            ADD_FAILURE() << "cannot return to " << m_Previous;
        if (m_Path.empty())
            return;
        // Tests may leave read-only files and folders behind; each folder is
        // opened to its owner before the walk goes into it.
        namespace fs = std::filesystem;
        std::error_code Error;
        fs::permissions(m_Path, fs::perms::owner_all, fs::perm_options::add, Error);
        for (auto Entry = fs::recursive_directory_iterator(m_Path, Error); !Error && Entry != fs::end(Entry);
             Entry.increment(Error))
            fs::permissions(Entry->path(), fs::perms::owner_all, fs::perm_options::add, Error);
        Error.clear();
        if (fs::remove_all(m_Path, Error) == static_cast<std::uintmax_t>(-1) || Error)
            ADD_FAILURE() << "cannot remove " << m_Path << ": " << Error.message();
    }
    SCRATCH_FOLDER(const SCRATCH_FOLDER&) = delete;
    SCRATCH_FOLDER& operator=(const SCRATCH_FOLDER&) = delete;

    // The folder's absolute path; "" when it could not be made.
    const std::string& Path() const { return m_Path; }
    // Whether the folder was made (and entered, when asked).
    bool Ready() const { return m_bReady; }

private:
    std::string m_Path;
    std::string m_Previous;
    bool m_bReady = false;
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
