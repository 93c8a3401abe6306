// Bad input and faults on the real program: each ends in time, says what
// went wrong and, for a script line, ends the run with exit status 2.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

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

using program_support::Contains;
using program_support::NEW_GAME;

class FailureProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"failure_data", false};
    SCRATCH_FOLDER Output{"failure_out", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        program_support::Copy_Built_Data(Data.Path());
    }

    process_runner::RUN_RESULT Run_Script(const std::string& Script, std::chrono::seconds Limit = std::chrono::seconds(60))
    {
        return program_support::Run_Headless_Script({Data.Path(), Output.Path(), "failure.kelvo", Limit}, Script);
    }

    std::string Debug_Log() const { return Read_Text_File(Data.Path() + "/debug.txt"); }
};

// A talent file whose values the generator cannot use once made New Game
// plus One Week run for ever while the log filled the disk: it is refused,
// naming the file and its line, and the week is played.
TEST_F(FailureProgramTest, TalentFileBeyondTheGeneratorsRangeIsRefusedAndTheWeekEnds)
{
    std::string Talent;
    for (int i = 0; i < 15; ++i)
        Talent += i == 2 ? "0,0,0\n" : "-32768,0,0\n";
    program_support::Write_File(Data.Path() + "/Input/DraftTalent.txt", Talent);
    const process_runner::RUN_RESULT Result = Run_Script(std::string(NEW_GAME) + "command \"One Week\"\nquit\n");
    ASSERT_FALSE(Result.bTimedOut) << Result.Out << Result.Err;
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    const std::string Log = Debug_Log();
    EXPECT_TRUE(Contains(Result.Out + Log, "Input/DraftTalent.txt, line 1: -32768 is outside -100 to 100"))
        << Result.Out << Log.substr(0, 4000);
    EXPECT_FALSE(Contains(Log, "fValue out of bounds")) << Log.substr(0, 4000);
    EXPECT_LT(Log.size(), 200000u);
}

// New Game on a full disk: the calibration report it writes cannot be
// written, so the old report keeps its bytes, the failure is told with the
// file's name, the closing summary does not name it, and the game goes on.
TEST_F(FailureProgramTest, NewGameOnAFullDiskKeepsTheOldCalibrationReportAndSaysSo)
{
    const std::string Report = Data.Path() + "/Calibrate_Player_Ratings (2019).csv";
    program_support::Write_File(Report, "an earlier report\n");
    program_support::SCRIPT_RUN Full{Data.Path(), Output.Path(), "failure.kelvo", std::chrono::seconds(60)};
    Full.Env = program_support::Write_Faults_Env(Data.Path(), "KELVO_FAULT_FULL=1");
    const process_runner::RUN_RESULT Result =
        program_support::Run_Headless_Script(Full, std::string(NEW_GAME) + "answer no\nquit\n");
    ASSERT_FALSE(Result.bTimedOut) << Result.Out << Result.Err;
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    EXPECT_EQ(Read_Text_File(Report, "(gone)"), "an earlier report\n");
    EXPECT_TRUE(Contains(Result.Err, "Calibrate_Player_Ratings (2019).csv\" could not be written (No space left on "
                                     "device); the ratings were calibrated all the same."))
        << Result.Err;
    EXPECT_FALSE(Contains(Result.Out, "Calibrate_Player_Ratings")) << Result.Out;
    // The new game was made: its first season is under way.
    EXPECT_TRUE(Contains(Result.Out, "Dialog 105 \"New Game\"")) << Result.Out;
}

// The replay ratings export works the ratings over only to write them: as
// its sibling loops over the databases, it leaves the league unchanged, and
// a script that ends on it ends with status 0 and nothing offered to save.
TEST_F(FailureProgramTest, TheDatabaseLoopsEndAScriptWithNothingToSave)
{
    const process_runner::RUN_RESULT Result = Run_Script("tool Export_Every_Season_Player_Ratings\n"
                                                         "tool Refit_All_Universe_Databases\n"
                                                         "tool Export_Replay_Mode_Player_Ratings\n");
    ASSERT_FALSE(Result.bTimedOut) << Result.Out << Result.Err;
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Out, "Export_Replay_Mode_Player_Ratings(1951-2019) completed.")) << Result.Out;
    EXPECT_TRUE(fs::exists(Data.Path() + "/Output/Ratings/2018_Player_Ratings.csv"));
    EXPECT_FALSE(Contains(Result.Out, "Game Not Saved")) << Result.Out;
    EXPECT_FALSE(Contains(Result.Err, "line 4")) << Result.Err;
}

// A failure at the end of a script names the end, not a line past the
// last: here the save its end offers for the league the script changed,
// which has no name to be saved under.
TEST_F(FailureProgramTest, AFailureAtTheEndOfTheScriptNamesTheEnd)
{
    const process_runner::RUN_RESULT Result = Run_Script("# the ratings refitted\ntool Refit_Player_Ratings\n");
    ASSERT_FALSE(Result.bTimedOut) << Result.Out << Result.Err;
    EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Err, "failure.kelvo\" at its end: nothing was saved: Please type a name for the "
                                     "saved game."))
        << Result.Err;
    EXPECT_FALSE(Contains(Result.Err, "line 3")) << Result.Err;
    EXPECT_TRUE(Contains(Debug_Log(), "failure.kelvo\" at its end: nothing was saved")) << Debug_Log();
}

// A named pipe nobody writes in place of the first names: the program once
// waited in open() for ever; it refuses the file and goes on.
TEST_F(FailureProgramTest, PipeInPlaceOfTheFirstNamesIsNotWaitedOn)
{
    const std::string Names = Data.Path() + "/names/first.txt";
    std::error_code Error;
    fs::remove(Names, Error);
    ASSERT_EQ(::mkfifo(Names.c_str(), 0644), 0);
    const process_runner::RUN_RESULT Result =
        Run_Script(std::string(NEW_GAME) + "command \"One Week\"\nquit\n", std::chrono::seconds(60));
    ASSERT_FALSE(Result.bTimedOut) << Result.Out << Result.Err;
    EXPECT_NE(Result.nExitCode, -1);
}

}  // namespace

namespace {

// A script on standard input from /dev/zero: NUL bytes with no line end once
// ran for ever; the first NUL fails line 1.
TEST_F(FailureProgramTest, ScriptOfNulBytesFailsAtOnce)
{
    process_runner::RUN_OPTIONS Options;
    Options.Env = {"KELVO_DATA=" + Data.Path()};
    Options.Input = "/dev/zero";
    Options.Folder = Output.Path();
    Options.Output = Output.Path();
    Options.Limit = std::chrono::seconds(30);
    const process_runner::RUN_RESULT Result =
        process_runner::Run(program_support::PROGRAM, {"--headless", "IS_NOT_RANDOM"}, Options);
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Err, "line 1: the line holds a NUL byte")) << Result.Err;
}

// A line past the length limit is refused before its end comes: the writer
// keeps the pipe open and never sends one.
TEST_F(FailureProgramTest, OverlongLineFailsBeforeItsEndIsRead)
{
    process_runner::RUN_OPTIONS Options;
    Options.Env = {"KELVO_DATA=" + Data.Path()};
    Options.Folder = Output.Path();
    Options.Output = Output.Path();
    process_runner::CHILD Child =
        process_runner::Start(program_support::PROGRAM, {"--headless", "IS_NOT_RANDOM"}, Options, true);
    ASSERT_GE(Child.nInput, 0);
    const std::string Long(5000, 'a');
    ASSERT_EQ(::write(Child.nInput, Long.data(), Long.size()), static_cast<ssize_t>(Long.size()));
    const int nKeptOpen = ::dup(Child.nInput);
    const process_runner::RUN_RESULT Result = process_runner::Wait(Child, std::chrono::seconds(30));
    ::close(nKeptOpen);
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Err, "line 1: the line is longer than 4096 characters")) << Result.Err;
}

}  // namespace

namespace {

// Game pages that cannot be written (a file where their folder should be)
// are told once on stderr, each one logged, and the week is played.
TEST_F(FailureProgramTest, GamePagesThatCannotBeWrittenAreToldOnceAndTheWeekGoesOn)
{
    fs::remove_all(Data.Path() + "/Output");
    program_support::Write_File(Data.Path() + "/Output", "a file, not a folder");
    const process_runner::RUN_RESULT Result =
        Run_Script(std::string(NEW_GAME) + "command \"One Week\"\ncommand \"One Week\"\nquit\n");
    ASSERT_FALSE(Result.bTimedOut) << Result.Out << Result.Err;
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    const std::string Told = "further pages that cannot be written are listed in debug.txt";
    size_t nTold = 0;
    for (size_t n = Result.Err.find(Told); n != std::string::npos; n = Result.Err.find(Told, n + 1))
        ++nTold;
    EXPECT_EQ(nTold, 1u) << Result.Err;
    EXPECT_TRUE(Contains(Result.Err, "Box-19-000.htm\" could not be written: Not a directory")) << Result.Err;
    const std::string Log = Debug_Log();
    EXPECT_TRUE(Contains(Log, "Recap-19-000.htm\" could not be written: Not a directory")) << Log;
    EXPECT_TRUE(Contains(Log, "Recap-19-020.htm\" could not be written: Not a directory")) << Log;
    EXPECT_EQ(Read_Text_File(Data.Path() + "/Output"), "a file, not a folder");
}

// A new game, then one line; its run's result.
class ToolLineTest : public FailureProgramTest {
protected:
    process_runner::RUN_RESULT Run_Line(const std::string& Line)
    {
        return Run_Script(std::string(NEW_GAME) + Line + "\nquit\n");
    }
    void Expect_Line_Fails(const std::string& Line, const std::string& Reason)
    {
        Expect_Result(Run_Line(Line), Line, Reason);
    }
    // The same with every write in Folder failing as on a full disk.
    void Expect_Line_Fails_On_A_Full_Disk(const std::string& Folder, const std::string& Line, const std::string& Reason)
    {
        program_support::SCRIPT_RUN Full{Data.Path(), Output.Path(), "failure.kelvo", std::chrono::seconds(60)};
        Full.Env = program_support::Write_Faults_Env(Folder, "KELVO_FAULT_FULL=1");
        Expect_Result(program_support::Run_Headless_Script(Full, std::string(NEW_GAME) + Line + "\nquit\n"), Line,
                      Reason);
    }
    static void Expect_Result(const process_runner::RUN_RESULT& Result, const std::string& Line,
                              const std::string& Reason)
    {
        ASSERT_FALSE(Result.bTimedOut) << Line;
        EXPECT_EQ(Result.nExitCode, 2) << Line << "\n" << Result.Out << Result.Err;
        EXPECT_TRUE(Contains(Result.Err, Reason)) << Line << "\n" << Result.Err;
    }
};

TEST_F(ToolLineTest, ExportIntoAFileFailsItsLine)
{
    program_support::Write_File(Data.Path() + "/site", "a file, not a folder");
    Expect_Line_Fails("tool Export_Html_Encyclopedia site", "cannot make the folder");
}

TEST_F(ToolLineTest, ExportWithoutItsIndexTemplateFailsItsLine)
{
    fs::remove(Data.Path() + "/HTML_Templates/index.template");
    Expect_Line_Fails("tool Export_Html_Encyclopedia", "cannot read the template");
    EXPECT_FALSE(fs::exists(Data.Path() + "/HTML_Export/index.htm"));
}

// A pipe in place of a template is told as no regular file.
TEST_F(ToolLineTest, ExportWithAPipeForATemplateSaysItIsNoRegularFile)
{
    const std::string Template = Data.Path() + "/HTML_Templates/index.template";
    fs::remove(Template);
    ASSERT_EQ(::mkfifo(Template.c_str(), 0644), 0);
    Expect_Line_Fails("tool Export_Html_Encyclopedia", "index.template\" (not a regular file)");
}

// A page that cannot be written whole (a full disk, where every write of the
// site fails) fails the export with the system's words, and leaves no start
// page and no temporary behind.
TEST_F(ToolLineTest, ExportOntoAFullDiskFailsItsLine)
{
    const std::string Root = Data.Path() + "/HTML_Export";
    fs::create_directories(Root);
    program_support::SCRIPT_RUN Full{Data.Path(), Output.Path(), "failure.kelvo", std::chrono::seconds(60)};
    Full.Env = program_support::Write_Faults_Env(Root, "KELVO_FAULT_FULL=1");
    const process_runner::RUN_RESULT Result =
        program_support::Run_Headless_Script(Full, std::string(NEW_GAME) + "tool Export_Html_Encyclopedia\nquit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Err, "(No space left on device)")) << Result.Err;
    EXPECT_FALSE(fs::exists(Root + "/index.htm"));
    for (const auto& Entry : fs::recursive_directory_iterator(Root))
        EXPECT_NE(Entry.path().filename().string().rfind(".kelvo-save-", 0), 0u) << Entry.path();
}

// The free agents' list from a rosters file with no player's line (empty,
// or its heading alone): the line fails naming the file, the old list kept.
TEST_F(ToolLineTest, FreeAgentsFromARostersFileWithNoPlayerFailAndKeepTheList)
{
    const std::string Stats = Data.Path() + "/Input/Stats";
    fs::create_directories(Stats);
    const std::string List = Data.Path() + "/Free-Agents.csv";
    program_support::Write_File(Stats + "/2023_rosters.csv", "CorvelID,PlayerID\nB2,0\n");
    for (const char* szOld : {"", "CorvelID,PlayerID,FirstName\n"}) {
        program_support::Write_File(Stats + "/2022_rosters.csv", szOld);
        program_support::Write_File(List, "A1,0\n");
        Expect_Line_Fails("tool Write_Free_Agents_List", "2022_rosters.csv\" holds no player line");
        EXPECT_EQ(Read_Text_File(List, "(gone)"), "A1,0\n") << szOld;
    }
}

TEST_F(ToolLineTest, RelativeNamesThatLeaveTheDataFolderAreRefused)
{
    Expect_Line_Fails("tool Export_Html_Encyclopedia ../escape_site", "leaves the data folder");
    Expect_Line_Fails("tool Write_Player_Stats_File ../x.txt 0 0 0 -1 0", "leaves the data folder");
    EXPECT_FALSE(fs::exists(Output.Path() + "/../escape_site"));
}

TEST_F(ToolLineTest, PlayerStatsFileMakesItsFolderOrFails)
{
    const process_runner::RUN_RESULT Made = Run_Line("tool Write_Player_Stats_File Output/Lists/x.txt 0 0 0 -1 0");
    EXPECT_EQ(Made.nExitCode, 0) << Made.Out << Made.Err;
    EXPECT_TRUE(fs::is_regular_file(Data.Path() + "/Output/Lists/x.txt"));
    Expect_Line_Fails("tool Write_Player_Stats_File /dev/full 0 0 0 -1 0", "No space left on device");
}

TEST_F(ToolLineTest, RenamingRefusesNamesListsThatGiveNoNames)
{
    const std::string First = Data.Path() + "/names/first.txt";
    program_support::Write_File(First, "");
    Expect_Line_Fails("tool Rename_All_Players", "holds no name");
    program_support::Write_File(First, std::string("Jo\x01\x02hn\n", 7));
    Expect_Line_Fails("tool Rename_All_Players", "holds control bytes");
    fs::remove(First);
    Expect_Line_Fails("tool Rename_All_Players", "cannot be read");
    fs::create_directory(First);
    Expect_Line_Fails("tool Rename_All_Players", "cannot be read");
}

TEST_F(ToolLineTest, RatingsFileThatNamesNoPlayerFails)
{
    Expect_Line_Fails("tool Load_Player_Ratings_File /etc/passwd", "names a player of the league");
}

TEST_F(ToolLineTest, ReversedOrImpossibleRangesAreRefused)
{
    Expect_Line_Fails("tool Create_Universe_Databases_Range 2011 2010", "the first year 2011 is after the last 2010");
    Expect_Line_Fails("tool Export_Player_Ratings -1 -2147483647", "position -1 is not one of 0-15");
    Expect_Line_Fails("tool Export_Player_Ratings 3 -2147483647", "the year -2147483647 is not one of 1000-9999");
}

}  // namespace

namespace {

// A damaged saved game chosen in Resume: the line fails, and no later line
// acts on whatever league was in memory.
TEST_F(FailureProgramTest, AResumeThatCannotLoadFailsItsLine)
{
    program_support::Write_File(Data.Path() + "/Broken.zrt", "RIRARUVAZAVIZ2101    not a league at all");
    const process_runner::RUN_RESULT Result =
        Run_Script("welcome resume\ndialog 118 select 1077 \"Broken\"\ndialog 118 press 1\ncommand Standings\nquit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
    // The press that asked for it is the line that failed, with the reason.
    EXPECT_TRUE(Contains(Result.Err, "line 3: dialog 118 \"Resume Game\": the game was not loaded: \"Broken.zrt\" "
                                     "could not be loaded: the file is cut short or damaged: its block lengths end "
                                     "at block 1 of 100"))
        << Result.Err;
    EXPECT_FALSE(Contains(Result.Out, "Command")) << Result.Out;
}

// Names the Save dialog refuses fail the line that typed them, and "." is
// refused rather than saved as "..zrt".
TEST_F(FailureProgramTest, SaveNamesTheDialogRefusesFailTheirLine)
{
    for (const std::string& Name : {std::string("../x"), std::string("a/b"), std::string(300, 'n'), std::string("a\tb"), std::string(".")}) {
        const process_runner::RUN_RESULT Result = Run_Script("welcome new\ncommand Standings\ndialog 120 set 1082 \"" +
                                                             Name + "\"\ndialog 120 press 1\ncommand \"Save Game\"\nquit\n");
        ASSERT_FALSE(Result.bTimedOut) << Name;
        EXPECT_EQ(Result.nExitCode, 2) << Name << "\n" << Result.Out << Result.Err;
        EXPECT_TRUE(Contains(Result.Err, "line 5: nothing was saved: ")) << Name << Result.Err;
    }
    EXPECT_FALSE(fs::exists(Data.Path() + "/..zrt"));
    // An overwrite confirmed "if asked" does not make a refused save pass.
    const process_runner::RUN_RESULT Result = Run_Script(
        "welcome new\ncommand Standings\ndialog 120 set 1082 \"../x\"\ndialog 120 press 1\nanswer ok if asked\n"
        "command \"Save Game\"\nquit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Err, "line 6: nothing was saved: ")) << Result.Err;
}

// A button whose box says that it did not do its work fails the line of
// its step, as a refused save name does.
TEST_F(FailureProgramTest, ButtonsThatDidNotDoTheirWorkFailTheirLine)
{
    struct CASE {
        const char* szLines;   // after the welcome and a first command
        const char* szMessage;
    };
    const CASE Cases[] = {
        {"dialog 155 set 1082 \"\"\ndialog 155 press 1\ncommand Print\n",
         "line 5: nothing was saved: You need to enter a filename to output the stats."},
        {"dialog 155 set 1082 \"a/b\"\ndialog 155 press 1\ncommand Print\n",
         "line 5: nothing was saved: The filename may not contain"},
        {"dialog 182 set 1409 \".\"\ndialog 182 press 1411\ncommand \"View Encyclopedia\"\n",
         "line 5: nothing was saved: The HTML encyclopedia was not exported: \".\" is the data folder itself"},
        {"dialog 182 set 1409 \"\"\ndialog 182 press 1411\ncommand \"View Encyclopedia\"\n",
         "line 5: You must choose output dir."},
        {"dialog 182 set 1409 \"   \"\ndialog 182 press 1411\ncommand \"View Encyclopedia\"\n",
         "line 5: You must choose output dir."},
        {"command \"Through Playoffs\"\ncommand \"Through Playoffs\"\ndialog 104 set 1297 \"1\"\ndialog 104 press 1\n"
         "command \"Single Season Simulator\"\n",
         "line 7: The season is complete."},
    };
    for (const CASE& Case : Cases) {
        SCOPED_TRACE(Case.szLines);
        const process_runner::RUN_RESULT Result =
            Run_Script(std::string("welcome new\ncommand Standings\n") + Case.szLines + "quit\n");
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
        EXPECT_TRUE(Contains(Result.Err, Case.szMessage)) << Result.Err;
    }
    EXPECT_FALSE(fs::exists(Data.Path() + "/Simulator.dat"));
    EXPECT_FALSE(fs::exists(Data.Path() + "/   "));
}

}  // namespace

namespace {

// A playbook file of the right size loads whatever it holds (its plays are
// repaired); one cut short fails the line that loads it.
TEST_F(ToolLineTest, PlaybooksOfTheRightSizeLoadAndCutShortOnesFailTheLine)
{
    const std::string Shipped = Data.Path() + "/playbooks/Default.opb";
    ASSERT_TRUE(fs::is_regular_file(Shipped));
    const std::string Bytes = Read_Text_File(Shipped);
    std::string Random(Bytes.size(), '\0');
    unsigned nState = 12345;
    for (char& c : Random) {
        nState = nState * 1103515245u + 12345u;
        c = static_cast<char>(nState >> 16);
    }
    program_support::Write_File(Data.Path() + "/playbooks/2019-Frost.opb", Random);
    const process_runner::RUN_RESULT Loaded = Run_Line("tool Load_Playbooks");
    EXPECT_EQ(Loaded.nExitCode, 0) << Loaded.Out << Loaded.Err;
    EXPECT_TRUE(Contains(Loaded.Out, "Tool Load_Playbooks: 1 offensive and 0 defensive playbooks loaded")) << Loaded.Out;

    program_support::Write_File(Data.Path() + "/playbooks/2019-Frost.opb", Bytes.substr(0, Bytes.size() / 2));
    Expect_Line_Fails("tool Load_Playbooks", "playbooks/2019-Frost.opb\" is not a whole playbook");
}

// Neither a pipe, a folder nor a device passes for a missing playbook.
TEST_F(ToolLineTest, PlaybooksThatAreNoFilesFailTheLine)
{
    const std::string Book = Data.Path() + "/playbooks/2019-Frost.opb";
    ASSERT_EQ(::mkfifo(Book.c_str(), 0600), 0);
    Expect_Line_Fails("tool Load_Playbooks", "playbooks/2019-Frost.opb\" is not a whole playbook");
    fs::remove(Book);
    fs::create_directory(Book);
    Expect_Line_Fails("tool Load_Playbooks", "playbooks/2019-Frost.opb\" is not a whole playbook");
    fs::remove(Book);
    if (fs::exists("/dev/null")) {
        fs::create_symlink("/dev/null", Book);
        Expect_Line_Fails("tool Load_Playbooks", "playbooks/2019-Frost.opb\" is not a whole playbook");
    }
}

// Every tool whose output cannot be written (a full disk; a folder in the
// file's place) fails its line with the file and the system's words.
TEST_F(ToolLineTest, ToolsWhoseOutputCannotBeWrittenFailTheirLine)
{
    const std::string Ratings = Data.Path() + "/Output/Ratings/2019_Player_Ratings.csv";
    fs::create_directories(Data.Path() + "/Output/Ratings");
    Expect_Line_Fails_On_A_Full_Disk(Data.Path() + "/Output/Ratings", "tool Export_Player_Ratings 15 2019",
                                     "2019_Player_Ratings.csv\" could not be written (No space");
    Expect_Line_Fails_On_A_Full_Disk(Data.Path() + "/Output/Ratings", "tool Export_Current_Player_Ratings 15",
                                     "2019_Player_Ratings.csv\" could not be written (No space");
    fs::create_directories(Ratings + "/taken");
    Expect_Line_Fails("tool Export_Player_Ratings 15 2019", "2019_Player_Ratings.csv\" could not be written (Is a");

    const std::string Multipliers = Data.Path() + "/Play_Multipliers.csv";
    Expect_Line_Fails_On_A_Full_Disk(Data.Path(), "tool Output_Play_Selection_Multipliers",
                                     "Play_Multipliers.csv\" could not be written (No space");
    fs::create_directories(Multipliers + "/taken");
    Expect_Line_Fails("tool Output_Play_Selection_Multipliers", "Play_Multipliers.csv\" could not be written (Is a");

    // The statistics file replaces whatever stood under its name whole: a
    // link to the full device is replaced by the file; a folder stays.
    const std::string Historical = Data.Path() + "/HistoricalStats.txt";
    fs::create_directories(Historical + "/taken");
    Expect_Line_Fails("tool Write_Historical_Stats", "HistoricalStats.txt\" could not be written (Is a");
    if (fs::exists("/dev/full")) {
        fs::remove_all(Historical);
        fs::create_symlink("/dev/full", Historical);
        const process_runner::RUN_RESULT Written = Run_Line("tool Write_Historical_Stats");
        EXPECT_EQ(Written.nExitCode, 0) << Written.Out << Written.Err;
        // Still the link, it would be read through to the device, which never ends.
        ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(Historical)));
        EXPECT_TRUE(Contains(Read_Text_File(Historical), ", // 1951\n"));
    }

    // One card of the club's 54 has a folder in its place, whichever club
    // the user's is.
    for (int nTeam = 0; nTeam <= 40; ++nTeam) {
        char szCard[64];
        std::snprintf(szCard, sizeof(szCard), "/Tolvaren/Output/Team-%02d-Card-05.png/taken", nTeam);
        fs::create_directories(Data.Path() + szCard);
    }
    Expect_Line_Fails("tool Export_Tolvaren_Cards", "-Card-05.png\" could not be written (Is a");
}

// Tools that once reported success with nothing written fail their line,
// naming the file and the system's words; an import the league cannot serve
// says why.
TEST_F(ToolLineTest, ToolsThatWroteNothingFailTheirLineWithTheCause)
{
    // No contract or cap page: nothing to rebuild the salaries from, so
    // whatever stands at the name stays.
    fs::create_directories(Data.Path() + "/Input/Stats/2023_salaries.csv/taken");
    Expect_Line_Fails("tool Extract_All_Player_Salary_Data",
                      "salaries not written: no contract or cap page was found under \"Input/Downloads/Contracts\" or "
                      "\"Input/Downloads/Cap\", so \"Input/Stats/2023_salaries.csv\" was not replaced");
    EXPECT_TRUE(fs::is_directory(Data.Path() + "/Input/Stats/2023_salaries.csv/taken"));
    fs::create_directories(Data.Path() + "/Vazarudu Stats/2k6_league.txt/taken");
    Expect_Line_Fails("tool Write_League_Names_File", "2k6_league.txt\" could not be written (Is a directory)");
    fs::create_directories(Data.Path() + "/Fractions.txt/taken");
    Expect_Line_Fails("tool Write_Fractions_Table", "\"Fractions.txt\" could not be written (Is a directory)");
    Expect_Line_Fails("tool Download_Football_Data",
                      "statistics files not replaced: the league is not one this import can serve");
}

// On a full disk the league names file and the card export fail their line
// and keep the user's files as they were: the names file gets no part of
// its lines, the old "Players.csv" is not emptied first, and the closing
// summary names no list the export did not change.
TEST_F(ToolLineTest, WritersOnAFullDiskFailAndKeepTheOldFiles)
{
    const std::string Names = Data.Path() + "/Vazarudu Stats/2k6_league.txt";
    fs::create_directories(Data.Path() + "/Vazarudu Stats");
    program_support::Write_File(Names, "1990\nold names\n");
    Expect_Line_Fails_On_A_Full_Disk(Data.Path() + "/Vazarudu Stats", "tool Write_League_Names_File",
                                     "2k6_league.txt\" could not be written (No space left on device)");
    EXPECT_EQ(Read_Text_File(Names), "1990\nold names\n");

    const std::string Players = Data.Path() + "/Tolvaren/Output/Players.csv";
    fs::create_directories(Data.Path() + "/Tolvaren/Output");
    program_support::Write_File(Players, "old players\n");
    program_support::Write_File(Data.Path() + "/Tolvaren-Playbooks.csv", "old plays\n");
    program_support::Write_File(Data.Path() + "/Tolvaren-Audibles.csv", "old audibles\n");
    program_support::SCRIPT_RUN Full{Data.Path(), Output.Path(), "failure.kelvo", std::chrono::seconds(100)};
    Full.Env = program_support::Write_Faults_Env(Data.Path(), "KELVO_FAULT_FULL=1");
    const process_runner::RUN_RESULT Result =
        program_support::Run_Headless_Script(Full, std::string(NEW_GAME) + "tool Export_Tolvaren_Cards\nquit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Err, "could not be written (No space left on device)")) << Result.Err;
    EXPECT_EQ(Read_Text_File(Players), "old players\n");
    EXPECT_EQ(Read_Text_File(Data.Path() + "/Tolvaren-Playbooks.csv"), "old plays\n");
    EXPECT_EQ(Read_Text_File(Data.Path() + "/Tolvaren-Audibles.csv"), "old audibles\n");
    EXPECT_FALSE(Contains(Result.Out, "Tolvaren-Playbooks.csv")) << Result.Out;
    EXPECT_FALSE(Contains(Result.Out, "Tolvaren-Audibles.csv")) << Result.Out;
    EXPECT_FALSE(Contains(Result.Out, "/Tolvaren (")) << Result.Out;
}

// Arguments no list or export can take are refused before anything is
// written.
TEST_F(ToolLineTest, ArgumentsOutsideTheirRangeAreRefused)
{
    Expect_Line_Fails("tool Write_Player_Stats_File Output/p.txt 0 4 0 -1 0", "period 4 is not one of 0-3");
    Expect_Line_Fails("tool Write_Player_Stats_File Output/p.txt 0 2147483647 0 -1 0",
                      "period 2147483647 is not one of 0-3");
    EXPECT_FALSE(fs::exists(Data.Path() + "/Output/p.txt"));
    Expect_Line_Fails("tool Export_Html_Encyclopedia .", "is the data folder itself");
    Expect_Line_Fails("tool Export_Html_Encyclopedia " + Data.Path(), "is the data folder itself");
    EXPECT_FALSE(fs::exists(Data.Path() + "/index.htm"));
}

}  // namespace

namespace {

// The temporaries a killed program leaves in any folder a writer makes them
// in are gone after the next start.
TEST_F(FailureProgramTest, LeftoverTemporariesAreRemovedFromEveryWritersFolder)
{
    const std::vector<std::string> Folders = {"",       "Databases",      "playbooks",      "Input",          "Input/Leaders",
                                              "Input/Stats", "Input/Stats/Leagues", "Input/Downloads/Players", "Output",
                                              "Output/Ratings", "Tolvaren/Output", "Logos/Downloads", "Photos/Downloads"};
    for (const std::string& Folder : Folders) {
        fs::create_directories(Data.Path() + "/" + Folder);
        program_support::Write_File(Data.Path() + "/" + Folder + "/.kelvo-save-Ab12Cd", "half a file");
    }
    const process_runner::RUN_RESULT Result = Run_Script("quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    for (const std::string& Folder : Folders)
        EXPECT_FALSE(fs::exists(Data.Path() + "/" + Folder + "/.kelvo-save-Ab12Cd")) << Folder;
}

// A link planted at the name a playbook or the owners' file was once written
// under first (NAME.tmp beside it), or at a temporary's name, is never
// written through: the linked file keeps its bytes, the saved files are
// files of their own, and only the regular leftovers go at the start.
TEST_F(FailureProgramTest, APlaybookSavedBesideALinkAtItsTemporaryNameLeavesTheLinkedFileAsItWas)
{
    const std::string Linked = Output.Path() + "/linked.bin";
    program_support::Write_File(Linked, "the linked file's own bytes");
    for (const char* szName : {"playbooks/Linked Book.opb.tmp", "ZrtFame.dat.tmp", "playbooks/.kelvo-save-Zz99Zz"})
        fs::create_symlink(Linked, Data.Path() + "/" + szName);
    program_support::Write_File(Data.Path() + "/playbooks/.kelvo-save-Ab12Cd", "half a playbook");
    const process_runner::RUN_RESULT Result = Run_Script("welcome new\n"
                                                         "command Standings\n"
                                                         "dialog 195 set 1082 \"Linked Book\"\n"
                                                         "dialog 195 press 1\n"
                                                         "command \"Save Offensive Playbook\"\n"
                                                         "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    EXPECT_TRUE(Read_Text_File(Linked) == "the linked file's own bytes") << "the linked file was written through";
    const fs::path Book = Data.Path() + "/playbooks/Linked Book.opb";
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Book)));
    std::error_code Error;
    EXPECT_EQ(fs::file_size(Book, Error), 19680u) << Error.message();
    const fs::path Fame = Data.Path() + "/ZrtFame.dat";
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Fame)));
    EXPECT_EQ(fs::file_size(Fame, Error), 23552u) << Error.message();
    EXPECT_FALSE(fs::exists(fs::symlink_status(Data.Path() + "/playbooks/.kelvo-save-Ab12Cd")));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Data.Path() + "/playbooks/.kelvo-save-Zz99Zz")));
}

}  // namespace
