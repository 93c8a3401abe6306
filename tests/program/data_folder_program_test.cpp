// The data folder shared by programs: one program at a time, saves that a
// kill cannot spoil, the leftovers of a killed save cleared at the next
// start-up, and failures of saves and scripts that end a script with status 2.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "gamefile/game_file.h"
#include "league/league_data.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::PROGRAM;
using program_support::Contains;
using program_support::Write_File;

constexpr auto RUN_TIME_LIMIT = std::chrono::seconds(100);

using process_runner::RUN_RESULT;

// Every entry under a folder with its size and modification time: what
// "nothing was written" compares.
std::map<std::string, std::string> Snapshot(const std::string& Folder)
{
    std::map<std::string, std::string> Entries;
    std::error_code Error;
    for (const auto& Entry : fs::recursive_directory_iterator(Folder, Error)) {
        struct stat st;
        if (::lstat(Entry.path().c_str(), &st) != 0)
            continue;
        Entries[Entry.path().string()] = std::to_string(st.st_size) + " " + std::to_string(st.st_mtim.tv_sec) + "." +
                                         std::to_string(st.st_mtim.tv_nsec);
    }
    return Entries;
}

std::vector<std::string> Temporaries(const std::string& Folder)
{
    std::vector<std::string> Names;
    std::error_code Error;
    for (const auto& Entry : fs::directory_iterator(Folder, Error)) {
        const std::string Name = Entry.path().filename().string();
        if (Name.rfind(".kelvo-save-", 0) == 0)
            Names.push_back(Name);
    }
    return Names;
}

class DataFolderProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"df_data", false};
    SCRATCH_FOLDER Output{"df_out", false};
    SCRATCH_FOLDER Output2{"df_out2", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        ASSERT_TRUE(Output2.Ready());
        program_support::Copy_Built_Data(Data.Path());
        ASSERT_TRUE(fs::exists(Data.Path() + "/Databases/Universe-2019.dat"));
    }

    std::string Path(const std::string& Name) const { return Data.Path() + "/" + Name; }

    process_runner::RUN_OPTIONS Options(const SCRATCH_FOLDER& Out) const
    {
        process_runner::RUN_OPTIONS Result;
        Result.Env = {"KELVO_DATA=" + Data.Path()};
        Result.Folder = Out.Path();
        Result.Output = Out.Path();
        Result.Limit = RUN_TIME_LIMIT;
        return Result;
    }

    std::vector<std::string> Script_Args(const std::string& Script, const std::string& Name = "test.kelvo")
    {
        const std::string ScriptPath = Output.Path() + "/" + Name;
        Write_File(ScriptPath, Script);
        return {"--headless", "--script", ScriptPath, "IS_NOT_RANDOM"};
    }

    RUN_RESULT Run_Script(const std::string& Script)
    {
        return process_runner::Run(PROGRAM, Script_Args(Script), Options(Output));
    }
};

constexpr const char* SAVE_AS_KILL_TEST =
    "dialog 120 set 1082 \"Kill Test\"\n"
    "dialog 120 press 1\n"
    "command \"Save Game\"\n";

}  // namespace

TEST_F(DataFolderProgramTest, ASecondProgramOnTheFolderRefusesWithStatusOneAndWritesNothing)
{
    // The first program waits for its script on a pipe, holding the folder.
    process_runner::CHILD First = process_runner::Start(PROGRAM, {"IS_NOT_RANDOM"}, Options(Output), true);
    ASSERT_GT(First.nPid, 0);
    const auto Deadline = std::chrono::steady_clock::now() + Test_Deadline(RUN_TIME_LIMIT);
    while (!Contains(Read_Text_File(Path("debug.txt")), "Script (standard input)") &&
           std::chrono::steady_clock::now() < Deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(Contains(Read_Text_File(Path("debug.txt")), "Script (standard input)"));

    const std::map<std::string, std::string> Before = Snapshot(Data.Path());
    const RUN_RESULT Second = process_runner::Run(PROGRAM, Script_Args("welcome new\nquit\n"), Options(Output2));
    EXPECT_EQ(Second.nExitCode, 1);
    EXPECT_EQ(Second.Err, "kelvo: the data folder \"" + Data.Path() +
                              "\" is in use by another Vazarudu Kelvo program.\n");
    EXPECT_EQ(Second.Out, "");
    EXPECT_EQ(Snapshot(Data.Path()), Before) << "the second program wrote into the folder";

    // The first one goes on undisturbed, and once it has ended the folder is free.
    const std::string Quit = "welcome quit\n";
    ASSERT_EQ(::write(First.nInput, Quit.data(), Quit.size()), static_cast<ssize_t>(Quit.size()));
    const RUN_RESULT FirstResult = process_runner::Wait(First, RUN_TIME_LIMIT);
    EXPECT_EQ(FirstResult.nExitCode, 0) << FirstResult.Err;
    EXPECT_EQ(process_runner::Run(PROGRAM, Script_Args("welcome quit\n"), Options(Output2)).nExitCode, 0);
}

TEST_F(DataFolderProgramTest, ALockThatCannotBeTakenOrAnEmptyFolderVariableRefusesTheStart)
{
    // A folder in the lock file's place cannot be locked: the program stops
    // as it does for a held lock, and a second one cannot start either.
    fs::create_directory(Path("kelvo.lock"));
    const std::map<std::string, std::string> Before = Snapshot(Data.Path());
    for (int nRun = 0; nRun < 2; ++nRun) {
        const RUN_RESULT Run = Run_Script("welcome new\nquit\n");
        EXPECT_EQ(Run.nExitCode, 1) << Run.Out << Run.Err;
        EXPECT_EQ(Run.Err, "kelvo: the data folder \"" + Data.Path() +
                               "\" cannot be locked (\"kelvo.lock\": Is a directory).\n");
        EXPECT_EQ(Run.Out, "");
        EXPECT_EQ(Snapshot(Data.Path()), Before) << "the refused program wrote into the folder";
    }

    // KELVO_DATA set but empty names no folder; the program, installed with
    // a data folder beside it, does not go on in that one.
    SCRATCH_FOLDER Install{"df_install", false};
    ASSERT_TRUE(Install.Ready());
    const std::string Copy = Install.Path() + "/kelvo";
    ASSERT_TRUE(fs::copy_file(PROGRAM, Copy));
    program_support::Copy_Built_Data(Install.Path() + "/data");
    const std::map<std::string, std::string> Beside = Snapshot(Install.Path());
    process_runner::RUN_OPTIONS Empty = Options(Output);
    Empty.Env = {"KELVO_DATA="};
    const RUN_RESULT Unnamed = process_runner::Run(Copy, Script_Args("welcome new\nquit\n"), Empty);
    EXPECT_EQ(Unnamed.nExitCode, 1) << Unnamed.Out << Unnamed.Err;
    EXPECT_EQ(Unnamed.Err, "kelvo: KELVO_DATA is set but empty; it must name the data folder, or be unset.\n");
    EXPECT_EQ(Unnamed.Out, "");
    EXPECT_EQ(Snapshot(Install.Path()), Beside) << "the program ran on the folder beside it";
}

TEST_F(DataFolderProgramTest, AProgramKilledWhileSavingLeavesTheEarlierSaveAndNoTemporaryAfterTheNextStart)
{
    // The earlier save.
    const RUN_RESULT Made = Run_Script(std::string("welcome new\ncommand Standings\n") + SAVE_AS_KILL_TEST + "quit\n");
    ASSERT_EQ(Made.nExitCode, 0) << Made.Out << Made.Err;
    const std::string Saved = Path("Kill Test.zrt");
    ASSERT_TRUE(fs::exists(Saved));

    // A program that resumes it and saves it again and again, killed in turn
    // at each file it writes in the data folder (the first write to the N-th
    // file: half its bytes, then SIGKILL), so that the kills land on every
    // save and between them whatever the machine's load, until a run writes
    // fewer files than that and ends by itself.
    std::string Script = "welcome resume\ndialog 118 select 1077 \"Kill Test\"\ndialog 118 press 1\ncommand Standings\n";
    for (int i = 0; i < 6; ++i)
        Script += std::string("answer ok\n") + SAVE_AS_KILL_TEST;
    Script += "quit\n";
    const std::vector<std::string> Args = Script_Args(Script, "saves.kelvo");
    constexpr int MOST_KILLS = 60;
    int nKilledMidSave = 0;
    bool bRanThrough = false;
    for (int nAt = 1; nAt <= MOST_KILLS && !bRanThrough; ++nAt) {
        SCOPED_TRACE("killed at the first write to file " + std::to_string(nAt));
        process_runner::RUN_OPTIONS Killing = Options(Output);
        const std::vector<std::string> Faults =
            program_support::Write_Faults_Env(Data.Path(), "KELVO_FAULT_KILL_AT=" + std::to_string(nAt));
        Killing.Env.insert(Killing.Env.end(), Faults.begin(), Faults.end());
        const RUN_RESULT Killed = process_runner::Run(PROGRAM, Args, Killing);
        ASSERT_FALSE(Killed.bTimedOut);
        bRanThrough = Killed.nExitCode == 0;
        if (!bRanThrough && !Temporaries(Data.Path()).empty())
            ++nKilledMidSave;
        // Whatever the moment, the file is a save made whole before the
        // kill (the one before or the one the run finished), and it resumes.
        ASSERT_TRUE(fs::exists(Saved));
        SCRATCH_FOLDER Here{"df_load"};
        ASSERT_TRUE(Here.Ready());
        Zero_League_Data();
        EXPECT_EQ(Load_Universe_Database(Saved.c_str()), 1) << "the saved game does not resume";
        ui::Reset();
    }
    EXPECT_TRUE(bRanThrough) << "every one of " << MOST_KILLS << " runs was killed";
    // Each of the six saves was killed once while its file was written.
    EXPECT_GE(nKilledMidSave, 6) << "kills while a save was being written";

    // The next start-up clears what the killed saves left, and the game resumes.
    const RUN_RESULT Next = Run_Script("welcome resume\ndialog 118 select 1077 \"Kill Test\"\ndialog 118 press 1\nquit\n");
    EXPECT_EQ(Next.nExitCode, 0) << Next.Out << Next.Err;
    EXPECT_EQ(Temporaries(Data.Path()), std::vector<std::string>{});
}

TEST_F(DataFolderProgramTest, AFailedSaveEndsTheScriptWithStatusTwoNamingTheLine)
{
    // A folder takes the saved game's name: the save cannot replace it.
    fs::create_directory(Path("Blocked.zrt"));
    const RUN_RESULT Command = Run_Script(
        "welcome new\n"
        "command Standings\n"
        "dialog 120 set 1082 \"Blocked\"\n"
        "dialog 120 press 1\n"
        "command \"Save Game\"\n"
        "command Calendar\n");
    EXPECT_EQ(Command.nExitCode, 2) << Command.Out << Command.Err;
    EXPECT_TRUE(Contains(Command.Err, "test.kelvo\" line 5: nothing was saved: Vazarudu Kelvo was unable to "
                                      "write the saved game file: a folder has its name."))
        << Command.Err;
    EXPECT_FALSE(Contains(Command.Out, "Command 40036")) << "the run went on after the failed save";
    EXPECT_TRUE(fs::is_directory(Path("Blocked.zrt")));

    // The save offered at quit, answered yes, under a name that fails.
    const RUN_RESULT AtQuit = Run_Script(
        "welcome new\n"
        "command \"One Week\"\n"
        "answer yes\n"
        "dialog 120 set 1082 \"Blocked\"\n"
        "dialog 120 press 1\n"
        "quit\n");
    EXPECT_EQ(AtQuit.nExitCode, 2) << AtQuit.Out << AtQuit.Err;
    EXPECT_TRUE(Contains(AtQuit.Err, "test.kelvo\" line 6: nothing was saved: ")) << AtQuit.Err;
    EXPECT_EQ(Temporaries(Data.Path()), std::vector<std::string>{});
}

TEST_F(DataFolderProgramTest, TheScriptFileIsReadWholeOrRefusedWithItsReason)
{
    // A folder as the script.
    const RUN_RESULT Folder = process_runner::Run(PROGRAM, {"--script", Output.Path()}, Options(Output2));
    EXPECT_EQ(Folder.nExitCode, 2);
    EXPECT_EQ(Folder.Err, "kelvo: cannot read the script \"" + Output.Path() + "\" (Is a directory).\n");
    EXPECT_FALSE(fs::exists(Path("debug.txt")));

    // A byte-order mark before the first line is no part of it.
    const RUN_RESULT Marked = Run_Script("\xEF\xBB\xBFwelcome quit\n");
    EXPECT_EQ(Marked.nExitCode, 0) << Marked.Err;

    // A NUL byte refuses its line.
    const RUN_RESULT Nul = Run_Script(std::string("# a comment\nwelcome\0 quit\n", 27));
    EXPECT_EQ(Nul.nExitCode, 2);
    EXPECT_TRUE(Contains(Nul.Err, "test.kelvo\" line 2: the line holds a NUL byte")) << Nul.Err;

    // A device is refused at once, unopened.
    const RUN_RESULT Device = process_runner::Run(PROGRAM, {"--headless", "--script", "/dev/null"}, Options(Output2));
    EXPECT_EQ(Device.nExitCode, 2);
    EXPECT_EQ(Device.Err, "kelvo: cannot read the script \"/dev/null\" (not a regular file or a pipe).\n");

    // A pipe is read as its lines come: a process substitution of the shell,
    // and a named pipe whose writer comes after the program started.
    const std::string Lines = "welcome new\ncommand Standings\nanswer no\nquit\n";
    const RUN_RESULT Substituted = process_runner::Run(
        "/bin/bash", {"-c", "exec \"$0\" --headless --script <(printf '" + Lines + "') IS_NOT_RANDOM", PROGRAM},
        Options(Output2));
    EXPECT_EQ(Substituted.nExitCode, 0) << Substituted.Out << Substituted.Err;
    EXPECT_TRUE(Contains(Substituted.Out, "Command 40030 \"Standings\"")) << Substituted.Out;
    const std::string Fifo = Output2.Path() + "/script.fifo";
    ASSERT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
    process_runner::CHILD Reader =
        process_runner::Start(PROGRAM, {"--headless", "--script", Fifo, "IS_NOT_RANDOM"}, Options(Output2));
    ASSERT_GT(Reader.nPid, 0);
    // Until the program opens it for reading (or ends without, left for Wait).
    const auto Ended = [&Reader] {
        siginfo_t Info{};
        return ::waitid(P_PID, Reader.nPid, &Info, WEXITED | WNOHANG | WNOWAIT) == 0 && Info.si_pid == Reader.nPid;
    };
    int nWriter = -1;
    const auto Deadline = std::chrono::steady_clock::now() + Test_Deadline(RUN_TIME_LIMIT);
    while ((nWriter = ::open(Fifo.c_str(), O_WRONLY | O_NONBLOCK)) < 0 && errno == ENXIO && !Ended() &&
           std::chrono::steady_clock::now() < Deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_GE(nWriter, 0) << "the program never opened its script: " << process_runner::Wait(Reader, RUN_TIME_LIMIT).Err;
    ASSERT_EQ(::write(nWriter, Lines.data(), Lines.size()), static_cast<ssize_t>(Lines.size()));
    ::close(nWriter);
    const RUN_RESULT Named = process_runner::Wait(Reader, RUN_TIME_LIMIT);
    EXPECT_EQ(Named.nExitCode, 0) << Named.Out << Named.Err;
    EXPECT_TRUE(Contains(Named.Out, "Command 40030 \"Standings\"")) << Named.Out;
}

TEST_F(DataFolderProgramTest, AResumedCopyIsSavedUnderItsOwnFileName)
{
    const RUN_RESULT Made = Run_Script("welcome new\ncommand Standings\ndialog 120 set 1082 \"Demo Season\"\ndialog 120 press 1\n"
                                       "command \"Save Game\"\nquit\n");
    ASSERT_EQ(Made.nExitCode, 0) << Made.Err;
    fs::copy_file(Path("Demo Season.zrt"), Path("What If.zrt"));
    const std::string Original = Read_Text_File(Path("Demo Season.zrt"));
    // The Save dialog offers the copy's own name; pressing Save saves there
    // without an "Overwrite?" question about the other file.
    const RUN_RESULT Resumed = Run_Script(
        "welcome resume\n"
        "dialog 118 select 1077 \"What If\"\n"
        "dialog 118 press 1\n"
        "command \"One Week\"\n"
        "dialog 120 press 1\n"
        "answer ok\n"
        "command \"Save Game\"\n"
        "quit\n");
    EXPECT_EQ(Resumed.nExitCode, 0) << Resumed.Out << Resumed.Err;
    EXPECT_TRUE(Contains(Resumed.Out, "Box [Filename in use] \"A saved game with that name already exists. "
                                      "Overwrite?\" -> OK")) << Resumed.Out;
    EXPECT_TRUE(Read_Text_File(Path("Demo Season.zrt")) == Original) << "the other file was overwritten";
    EXPECT_FALSE(Read_Text_File(Path("What If.zrt")) == Original) << "the week played was not saved to the copy";
}

namespace {

// A lock file that is a symbolic link is not followed: a dangling one makes
// no file where it points, and the start is refused saying why.
TEST_F(DataFolderProgramTest, ALockFileThatIsALinkIsNotFollowed)
{
    SCRATCH_FOLDER Elsewhere{"df_elsewhere", false};
    ASSERT_TRUE(Elsewhere.Ready());
    const std::string Target = Elsewhere.Path() + "/made-by-the-lock";
    fs::create_symlink(Target, Path("kelvo.lock"));
    const RUN_RESULT Run = Run_Script("welcome new\nquit\n");
    EXPECT_EQ(Run.nExitCode, 1) << Run.Out << Run.Err;
    EXPECT_EQ(Run.Err, "kelvo: the data folder \"" + Data.Path() +
                           "\" cannot be locked (\"kelvo.lock\": a symbolic link, which is not followed).\n");
    EXPECT_FALSE(fs::exists(fs::symlink_status(Target))) << "the lock followed its link out of the data folder";
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Path("kelvo.lock"))));
}

// KELVO_DATA naming a regular file says so, not that nothing is there.
TEST_F(DataFolderProgramTest, ADataFolderVariableNamingAFileSaysItIsAFile)
{
    const std::string Plain = Output.Path() + "/plain.txt";
    Write_File(Plain, "not a folder");
    process_runner::RUN_OPTIONS Named = Options(Output);
    Named.Env = {"KELVO_DATA=" + Plain};
    const RUN_RESULT Run = process_runner::Run(PROGRAM, Script_Args("welcome new\nquit\n"), Named);
    EXPECT_EQ(Run.nExitCode, 1) << Run.Out << Run.Err;
    EXPECT_EQ(Run.Err, "kelvo: The data folder \"" + Plain + "\" named by KELVO_DATA is a file, not a folder.\n");
}

// Under a file-size limit (ulimit -f) a save that outgrows it fails with the
// system's words and the run ends with status 2, rather than the program
// being killed by the signal; the earlier save stays whole.
TEST_F(DataFolderProgramTest, ASaveBeyondTheFileSizeLimitFailsSayingSo)
{
    const RUN_RESULT Made = Run_Script(std::string("welcome new\ncommand Standings\n") + SAVE_AS_KILL_TEST + "quit\n");
    ASSERT_EQ(Made.nExitCode, 0) << Made.Out << Made.Err;
    const std::string Before = Read_Text_File(Path("Kill Test.zrt"));
    ASSERT_GT(Before.size(), 200u * 1024u);
    // 200 blocks (100 KB for the shell's 512-byte blocks, 200 KB for 1 KB
    // ones): room for the log, not for a saved game.
    std::vector<std::string> Args = {"-c", "ulimit -f 200 && exec \"$0\" \"$@\"", PROGRAM};
    const std::vector<std::string> Script =
        Script_Args("welcome resume\ndialog 118 select 1077 \"Kill Test\"\ndialog 118 press 1\ncommand Standings\n"
                    "answer ok\n" + std::string(SAVE_AS_KILL_TEST) + "quit\n");
    Args.insert(Args.end(), Script.begin(), Script.end());
    const RUN_RESULT Limited = process_runner::Run("/bin/sh", Args, Options(Output));
    ASSERT_FALSE(Limited.bTimedOut);
    EXPECT_EQ(Limited.nExitCode, 2) << Limited.Out << Limited.Err;
    EXPECT_TRUE(Contains(Limited.Err, "nothing was saved: ")) << Limited.Err;
    EXPECT_TRUE(Contains(Limited.Err, "File too large")) << Limited.Err;
    EXPECT_EQ(Read_Text_File(Path("Kill Test.zrt")), Before);
    EXPECT_EQ(Temporaries(Data.Path()), std::vector<std::string>{});
}

}  // namespace
