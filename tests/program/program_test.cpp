// The real program: the built kelvo runs as a child process with a scratch
// data folder, and its exit status, its output and its log are checked.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/preferences.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

extern char** environ;

namespace {

using program_support::PROGRAM;
using program_support::Contains;

#ifndef KELVO_PROGRAM_PATH
#error "the build passes the path of the kelvo executable as KELVO_PROGRAM_PATH"
#endif

// Far more than any run here takes, sanitizers included; a run that takes it
// hangs.
constexpr auto RUN_TIME_LIMIT = std::chrono::seconds(60);

const char* const DATABASE_MISSING_BOX = "Couldn't load game data. Please re-install Vazarudu Kelvo.";

using process_runner::RUN_RESULT;

size_t Count_Lines(const std::string& Text)
{
    size_t n = 0;
    for (char c : Text)
        n += c == '\n';
    return n;
}

void Write_File(const std::string& Path, const std::string& Text)
{
    FILE* pFile = std::fopen(Path.c_str(), "wb");
    ASSERT_NE(pFile, nullptr) << Path;
    ASSERT_EQ(std::fwrite(Text.data(), 1, Text.size(), pFile), Text.size());
    ASSERT_EQ(std::fclose(pFile), 0);
}

std::vector<std::string> Entries(const std::string& Folder)
{
    std::vector<std::string> Names;
    std::error_code Error;
    for (const auto& Entry : std::filesystem::directory_iterator(Folder, Error))
        Names.push_back(Entry.path().filename().string());
    return Names;
}

// A game file of the given head whose blocks hold zero bytes, as many in each
// block as asked, each compressed here with zlib itself.
std::string Zero_Block_File(const std::string& Head, const std::vector<size_t>& Sizes)
{
    std::string File = Head;
    for (size_t nSize : Sizes) {
        const std::vector<Bytef> Piece(nSize, 0);
        uLongf nOut = compressBound(nSize);
        std::vector<Bytef> Block(nOut);
        EXPECT_EQ(compress2(Block.data(), &nOut, Piece.data(), nSize, 1), Z_OK);
        const uint32_t nLength = static_cast<uint32_t>(nOut);
        File.append(reinterpret_cast<const char*>(&nLength), 4);   // little-endian, as the machine
        File.append(reinterpret_cast<const char*>(Block.data()), nOut);
    }
    return File;
}

class ProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"prog_data", false};    // the data folder given as KELVO_DATA
    SCRATCH_FOLDER Start{"prog_start", false};  // the folder the program is started from
    SCRATCH_FOLDER Output{"prog_out", false};   // where its stdout and stderr go

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Start.Ready());
        ASSERT_TRUE(Output.Ready());
    }

    // Runs the program with the arguments, started from Start, with the
    // environment of the tests less KELVO_DATA and KELVO_DEBUG, plus Env
    // ("NAME=value").
    RUN_RESULT Run(const std::vector<std::string>& Args, const std::vector<std::string>& Env,
                   const std::string& Program = PROGRAM)
    {
        process_runner::RUN_OPTIONS Options;
        Options.Env = Env;
        Options.Folder = Start.Path();
        Options.Output = Output.Path();
        Options.Limit = RUN_TIME_LIMIT;
        return process_runner::Run(Program, Args, Options);
    }

    RUN_RESULT Run_With_Data(const std::vector<std::string>& Args)
    {
        return Run(Args, {"KELVO_DATA=" + Data.Path()});
    }

    std::string Log() const { return Read_Text_File(Data.Path() + "/debug.txt", "(no debug.txt)"); }

    // A league database saved by the game-file code, in the data folder.
    std::string Write_Database()
    {
        const std::string Folder = Data.Path() + "/Databases";
        EXPECT_EQ(::mkdir(Folder.c_str(), 0777), 0);
        const std::string Path = Folder + "/Universe-2019.dat";
        // An empty league but for one player: a league without a club that
        // has players is refused.
        Zero_League_Data();
        League.Team[0].Player[0].nVital[VITAL_PLAYER_ID] = 1;
        League.Team[0].Player[0].nVital[VITAL_POSITION] = POSITION_QB;
        EXPECT_EQ(Save_Game(Path.c_str()), SAVE_GAME_OK);
        return Path;
    }
};

}  // namespace

TEST_F(ProgramTest, HelpNamesTheOptionsFlagsAndDataFolderAndWritesNothing)
{
    const RUN_RESULT Result = Run({"--help"}, {});
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0);
    EXPECT_EQ(Result.Err, "");
    for (const char* szPart : {"--help", "--version", "IS_NOT_RANDOM", "SHOW_SYSTEM_ERRORS", "DTXT_PBPDIAGRAM",
                               "DTXT_PBPSELECTOR", "DTXT_AGG", "KELVO_DATA", "KELVO_DEBUG", "CommandLine.txt",
                               "  Create_Universe_Databases_Range FIRST LAST\n", "  Load_Player_Ratings_File PATH\n"})
        EXPECT_TRUE(Contains(Result.Out, szPart)) << szPart << " missing in\n" << Result.Out;
    // Where the data folder is looked for beside the program.
    const std::string Beside = std::filesystem::path(PROGRAM).parent_path().string() + "/data";
    EXPECT_TRUE(Contains(Result.Out, Beside)) << Result.Out;
    EXPECT_TRUE(Entries(Start.Path()).empty());
    // With other words and options of ours it still only helps.
    const RUN_RESULT Mixed = Run({"IS_NOT_RANDOM", "--version", "--help"}, {"KELVO_DATA=" + Data.Path()});
    EXPECT_EQ(Mixed.nExitCode, 0);
    EXPECT_EQ(Mixed.Out, Result.Out);
    EXPECT_TRUE(Entries(Data.Path()).empty());
}

TEST_F(ProgramTest, VersionPrintsTheVersion)
{
    const RUN_RESULT Result = Run({"--version"}, {});
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0);
    EXPECT_EQ(Result.Out, "Vazarudu Kelvo 2019 (V21.01)\n");
    EXPECT_EQ(Result.Err, "");
    EXPECT_TRUE(Entries(Start.Path()).empty());
}

TEST_F(ProgramTest, UnknownOptionsAreNamedOnOneLineAndEndWithStatusTwo)
{
    for (const std::vector<std::string>& Args : std::vector<std::vector<std::string>>{
             {"-x"}, {"--helpme"}, {"-"}, {"--"}, {"IS_NOT_RANDOM", "-help"}, {"--help", "--verbose"}}) {
        const std::string Unknown = Args.back();
        SCOPED_TRACE(Unknown);
        const RUN_RESULT Result = Run_With_Data(Args);
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 2);
        EXPECT_EQ(Result.Out, "");
        EXPECT_EQ(Result.Err, "kelvo: unknown option \"" + Unknown + "\" (see kelvo --help)\n");
        // Refused before anything is written.
        EXPECT_TRUE(Entries(Data.Path()).empty());
    }
}

TEST_F(ProgramTest, UnknownBareWordsAreLoggedAndIgnored)
{
    const RUN_RESULT Result = Run_With_Data({"FAST", "IS_NOT_RANDOM"});
    ASSERT_FALSE(Result.bTimedOut);
    // No database ships in the scratch folder: the program ends after the
    // flags have been read and logged.
    EXPECT_EQ(Result.nExitCode, 1);
    const std::string Log = this->Log();
    EXPECT_TRUE(Contains(Log, "(V21.01 NR) started at: ")) << Log;
    EXPECT_TRUE(Contains(Log, "Start-up word \"FAST\" is no flag; ignored.")) << Log;
    EXPECT_FALSE(Contains(Log, "\"IS_NOT_RANDOM\" is no flag")) << Log;
    EXPECT_TRUE(Contains(Result.Err, "Start-up word \"FAST\" is no flag; ignored.")) << Result.Err;
}

TEST_F(ProgramTest, WordsOfTheFlagsFileThatAreNoFlagsAreLoggedAsTheCommandLinesAre)
{
    program_support::Write_File(Data.Path() + "/CommandLine.txt", "SLOWLY IS_NOT_RANDOM\n");
    const RUN_RESULT Result = Run_With_Data({});
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 1);
    const std::string Log = this->Log();
    EXPECT_TRUE(Contains(Log, "(V21.01 NR) started at: ")) << Log;
    EXPECT_TRUE(Contains(Log, "Start-up word \"SLOWLY\" of \"CommandLine.txt\" is no flag; ignored.")) << Log;
    EXPECT_FALSE(Contains(Log, "\"IS_NOT_RANDOM\" of")) << Log;
    EXPECT_TRUE(Contains(Result.Err, "Start-up word \"SLOWLY\" of \"CommandLine.txt\" is no flag; ignored."))
        << Result.Err;
}

TEST_F(ProgramTest, DataFolderNamedByKelvoDataMustExist)
{
    const std::string Missing = Data.Path() + "/nowhere";
    const RUN_RESULT Result = Run({}, {"KELVO_DATA=" + Missing});
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 1);
    EXPECT_EQ(Result.Out, "");
    EXPECT_EQ(Result.Err, "kelvo: The data folder \"" + Missing + "\" named by KELVO_DATA does not exist.\n");
    // Nothing is written where it was started, nor beside the missing folder.
    EXPECT_TRUE(Entries(Start.Path()).empty());
    EXPECT_TRUE(Entries(Data.Path()).empty());
}

TEST_F(ProgramTest, DataFolderIsLookedForBesideTheProgramWhenKelvoDataIsUnset)
{
    // A copy of the program in a folder of its own, with no data beside it.
    SCRATCH_FOLDER Install{"prog_install", false};
    ASSERT_TRUE(Install.Ready());
    const std::string Copy = Install.Path() + "/kelvo";
    ASSERT_TRUE(std::filesystem::copy_file(PROGRAM, Copy));
    const RUN_RESULT Alone = Run({}, {}, Copy);
    ASSERT_FALSE(Alone.bTimedOut);
    EXPECT_EQ(Alone.nExitCode, 1);
    EXPECT_EQ(Alone.Err, "kelvo: No data folder: \"" + Install.Path() +
                             "/data\" does not exist and KELVO_DATA is not set (see kelvo --help).\n");
    EXPECT_EQ(Count_Lines(Alone.Err), 1u);
    EXPECT_TRUE(Entries(Start.Path()).empty());

    // With data beside it, the program works there.
    ASSERT_EQ(::mkdir((Install.Path() + "/data").c_str(), 0777), 0);
    const RUN_RESULT Beside = Run({}, {}, Copy);
    EXPECT_EQ(Beside.nExitCode, 1);   // no database in it
    EXPECT_TRUE(Contains(Read_Text_File(Install.Path() + "/data/debug.txt"), "started at: "));
    EXPECT_TRUE(Entries(Start.Path()).empty());

    // KELVO_DATA takes precedence over the folder beside the program. (The
    // owners' hall of fame is made sure of before the league is loaded.)
    ASSERT_TRUE(std::filesystem::remove(Install.Path() + "/data/debug.txt"));
    ASSERT_TRUE(std::filesystem::remove(Install.Path() + "/data/ZrtFame.dat"));
    ASSERT_TRUE(std::filesystem::remove(Install.Path() + "/data/kelvo.lock"));
    const RUN_RESULT Named = Run({}, {"KELVO_DATA=" + Data.Path()}, Copy);
    EXPECT_EQ(Named.nExitCode, 1);
    EXPECT_TRUE(Contains(Log(), "started at: "));
    EXPECT_TRUE(Entries(Install.Path() + "/data").empty());
}

TEST_F(ProgramTest, EndlessCommandLineFileDoesNotHangStartUp)
{
    struct ENDLESS {
        const char* szName;
        const char* szNotice;
    };
    // A device that never ends, a pipe nobody writes, and a file far over
    // the limit (sparse: it takes no room).
    const ENDLESS Cases[] = {
        {"/dev/zero", "\"CommandLine.txt\" is not a regular file; ignored."},
        {"pipe", "\"CommandLine.txt\" is not a regular file; ignored."},
        {"huge file", "\"CommandLine.txt\" is longer than 65536 bytes; ignored."},
    };
    const std::string Flags = Data.Path() + "/CommandLine.txt";
    for (const ENDLESS& Case : Cases) {
        SCOPED_TRACE(Case.szName);
        std::filesystem::remove(Flags);
        if (std::strcmp(Case.szName, "/dev/zero") == 0) {
            ASSERT_EQ(::symlink("/dev/zero", Flags.c_str()), 0);
        } else if (std::strcmp(Case.szName, "pipe") == 0) {
            ASSERT_EQ(::mkfifo(Flags.c_str(), 0644), 0);
        } else {
            Write_File(Flags, "IS_NOT_RANDOM\n");
            ASSERT_EQ(::truncate(Flags.c_str(), 1LL << 30), 0);
        }
        const RUN_RESULT Result = Run_With_Data({"DTXT_AGG"});
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 1);   // no database
        const std::string Log = this->Log();
        EXPECT_TRUE(Contains(Log, "started at: ")) << Log;
        EXPECT_TRUE(Contains(Log, Case.szNotice)) << Log;
        // Nothing of the file was taken as a flag.
        EXPECT_FALSE(Contains(Log, " NR)")) << Log;
        EXPECT_TRUE(Contains(Result.Err, Case.szNotice)) << Result.Err;
    }
}

TEST_F(ProgramTest, NulByteEndsTheCommandLineFile)
{
    Write_File(Data.Path() + "/CommandLine.txt", std::string("DTXT_AGG\0IS_NOT_RANDOM\n", 24));
    const RUN_RESULT Result = Run_With_Data({});
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 1);
    const std::string Log = this->Log();
    EXPECT_TRUE(Contains(Log, "(V21.01) started at: ")) << Log;
    EXPECT_TRUE(Contains(Log, "\"CommandLine.txt\" holds a NUL byte at offset 8; the text after it is ignored."))
        << Log;

    // Before the NUL, the words count.
    Write_File(Data.Path() + "/CommandLine.txt", std::string("IS_NOT_RANDOM\0DTXT_AGG", 23));
    Run_With_Data({});
    EXPECT_TRUE(Contains(this->Log(), "(V21.01 NR) started at: ")) << this->Log();
}

TEST_F(ProgramTest, MissingDatabaseKeepsItsBoxAndSaysWhatIsMissing)
{
    const RUN_RESULT Result = Run_With_Data({});
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 1);
    EXPECT_TRUE(Contains(Result.Err, DATABASE_MISSING_BOX)) << Result.Err;
    const char* szCheck = "Loading \"Databases/Universe-2019.dat\" failed: there is no such file.";
    EXPECT_TRUE(Contains(Result.Err, szCheck)) << Result.Err;
    EXPECT_TRUE(Contains(Log(), szCheck)) << Log();
    EXPECT_TRUE(Contains(Log(), "League database \"Databases/Universe-2019.dat\" is missing.")) << Log();
}

TEST_F(ProgramTest, GoodDatabaseLoadsAndTheProgramEndsWell)
{
    Write_Database();
    const RUN_RESULT Result = Run_With_Data({"IS_NOT_RANDOM"});
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err;
    EXPECT_FALSE(Contains(Result.Err, "failed")) << Result.Err;
    EXPECT_FALSE(Contains(Log(), "failed")) << Log();
}

TEST_F(ProgramTest, DamagedDatabaseSaysWhichCheckFailed)
{
    const std::string Path = Write_Database();
    const std::string Good = Read_Text_File(Path);
    ASSERT_GT(Good.size(), 1000u);
    struct DAMAGE {
        const char* szName;
        std::string Bytes;
        const char* szCheck;
    };
    std::string WrongTag = Good;
    WrongTag[0] = 'X';
    // Cut in the middle of the fourth block: the block lengths end long
    // before the blocks could fill the league, so nothing is inflated.
    size_t nFourth = GAME_FILE_HEAD_SIZE;
    for (int k = 0; k < 3; ++k) {
        uint32_t nLength;
        std::memcpy(&nLength, Good.data() + nFourth, 4);   // little-endian, as the machine
        nFourth += 4 + nLength;
    }
    std::string Corrupt = Good;
    for (size_t i = 40; i < 60; ++i)
        Corrupt[i] = static_cast<char>(0xA5);   // inside the first block's zlib stream
    // The head as the program writes it, then blocks too small for the
    // layout: 100 of 1,000 bytes where 99 of 229,752 and one of 229,824
    // (22,975,272 bytes) are needed.
    const std::string Head = Good.substr(0, GAME_FILE_HEAD_SIZE);
    ASSERT_EQ(Good.substr(GAME_FILE_TAG_SIZE, 4), "2101");
    const std::string Small = Zero_Block_File(Head, std::vector<size_t>(100, 1000));
    const std::string SmallCheck = "failed: the data blocks hold 100000 bytes; version V21.00 needs 22975272.";
    const DAMAGE Cases[] = {
        {"blocks too small", Small, SmallCheck.c_str()},
        {"cut in a block", Good.substr(0, nFourth + 10),
         "failed: the file is cut short or damaged: its block lengths end at block 4 of 100, before its blocks could "
         "fill the league."},
        {"cut inside the head", Good.substr(0, 10), "failed: the file ends after 10 bytes, inside its head."},
        {"cut after the digits", Good.substr(0, 20), "failed: the file ends inside its 25-byte head."},
        {"wrong tag", WrongTag,
         "failed: its head is not \"RIRARUVAZAVIZ\" and four version digits: it is no game file, or its head is "
         "damaged."},
        {"corrupt block", Corrupt, "failed: block 1 of 100 is damaged: its compressed data do not inflate ("},
    };
    for (const DAMAGE& Case : Cases) {
        SCOPED_TRACE(Case.szName);
        Write_File(Path, Case.Bytes);
        const RUN_RESULT Result = Run_With_Data({});
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 1);
        const std::string Check = std::string("Loading \"Databases/Universe-2019.dat\" ") + Case.szCheck;
        EXPECT_TRUE(Contains(Log(), Check)) << Log();
        EXPECT_TRUE(Contains(Result.Err, "kelvo: " + Check)) << Result.Err;
        EXPECT_TRUE(Contains(Result.Err, DATABASE_MISSING_BOX)) << Result.Err;
        // The file is there: nothing says it is missing.
        EXPECT_FALSE(Contains(Result.Err, "is missing")) << Result.Err;
    }
}

TEST_F(ProgramTest, ChecksumThatDoesNotMatchIsReportedAndTheLoadGoesOn)
{
    const std::string Path = Write_Database();
    // A file of version 7800, the first whose stored checksum is compared:
    // the league of Write_Database with a stored checksum of zero, while the
    // sum of the team records never is (adler-32 is not zero).
    League.Preferences.nInt[PREF_SAVED_CHECKSUM] = 0;
    std::string File("RIRARUVAZAVIZ7800    Cc\0\0", 25);
    const Bytef* pLeague = reinterpret_cast<const Bytef*>(&League);
    for (size_t k = 0, nAt = 0; k < 100; ++k) {
        const size_t nSize = k == 99 ? 229824 : 229752;
        uLongf nOut = compressBound(nSize);
        std::vector<Bytef> Block(nOut);
        ASSERT_EQ(compress2(Block.data(), &nOut, pLeague + nAt, nSize, 1), Z_OK);
        const uint32_t nLength = static_cast<uint32_t>(nOut);
        File.append(reinterpret_cast<const char*>(&nLength), 4);   // little-endian, as the machine
        File.append(reinterpret_cast<const char*>(Block.data()), nOut);
        nAt += nSize;
    }
    Write_File(Path, File);
    const RUN_RESULT Result = Run_With_Data({});
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err;
    const char* szCheck =
        "Loading \"Databases/Universe-2019.dat\": the stored checksum does not match the data; loaded all the same.";
    EXPECT_TRUE(Contains(Log(), szCheck)) << Log();
    EXPECT_TRUE(Contains(Result.Err, szCheck)) << Result.Err;
    EXPECT_TRUE(Contains(Result.Err, "[Load Game Warning]")) << Result.Err;
}
