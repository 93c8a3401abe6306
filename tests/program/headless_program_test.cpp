// The real program run headless: a script in place of the user, the built
// default league in a scratch data folder, and the files it leaves behind.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "league/league_structure.h"
#include "gamefile/game_file_test_hooks.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

using program_support::PROGRAM;
using program_support::Contains;
using program_support::Write_File;

// The build names the source tree (a compiler cache may shorten __FILE__ to a
// relative path).
const std::string SOURCE_SCRIPTS = std::string(KELVO_SOURCE_ROOT) + "/scripts";
constexpr auto RUN_TIME_LIMIT = std::chrono::seconds(250);

using process_runner::RUN_RESULT;

size_t Count_Files(const std::string& Folder, const std::string& Prefix, const std::string& Suffix)
{
    size_t n = 0;
    std::error_code Error;
    for (const auto& Entry : fs::directory_iterator(Folder, Error)) {
        const std::string Name = Entry.path().filename().string();
        if (Name.rfind(Prefix, 0) == 0 && Name.size() >= Suffix.size() &&
            Name.compare(Name.size() - Suffix.size(), Suffix.size(), Suffix) == 0)
            ++n;
    }
    return n;
}

// The lines of debug.txt without their time stamps.
std::vector<std::string> Log_Lines(const std::string& Text)
{
    std::vector<std::string> Lines;
    size_t nStart = 0;
    while (nStart < Text.size()) {
        size_t nEnd = Text.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = Text.size();
        std::string Line = Text.substr(nStart, nEnd - nStart);
        const size_t nBlank = Line.find(' ');
        Lines.push_back(nBlank == std::string::npos ? Line : Line.substr(nBlank + 1));
        nStart = nEnd + 1;
    }
    return Lines;
}

// Every file under Folder with its time of change, to the nanosecond.
std::map<std::string, fs::file_time_type> File_Times(const std::string& Folder)
{
    std::map<std::string, fs::file_time_type> Times;
    for (const auto& Entry : fs::recursive_directory_iterator(Folder))
        if (Entry.is_regular_file())
            Times[fs::relative(Entry.path(), Folder).string()] = Entry.last_write_time();
    return Times;
}

// The closing summary names each file that changed since Before (the
// folder's lock file too, when the run made it), and no more: each of its
// counts is the number of such files.
void Expect_Summary_Names_What_Changed(const std::string& Folder, const std::map<std::string, fs::file_time_type>& Before,
                                       const std::string& Out)
{
    std::map<std::string, size_t> Expected;   // a summary line's start: its files
    for (const auto& [Name, Time] : File_Times(Folder)) {
        const auto It = Before.find(Name);
        if (It != Before.end() && It->second == Time)
            continue;
        const size_t nSlash = Name.find('/');
        const std::string Top = Name.substr(0, nSlash);
        const std::string Leaf = Name.substr(Name.rfind('/') + 1);
        std::string Line;
        if (Top == "Output" && Leaf.rfind("Box-", 0) == 0)
            Line = "Box scores: " + Folder + "/Output/Box-*.htm (";
        else if (Top == "Output" && Leaf.rfind("Recap-", 0) == 0)
            Line = "Recaps: " + Folder + "/Output/Recap-*.htm (";
        else if (nSlash == std::string::npos && Name.size() > 4 && Name.compare(Name.size() - 4, 4, ".zrt") == 0)
            Line = "Saved game: " + Folder + "/" + Name + "\n";
        else if (nSlash == std::string::npos || (Top == "Output" && Name.find('/', nSlash + 1) == std::string::npos))
            Line = "File: " + Folder + "/" + Name + "\n";
        else
            Line = "Folder: " + Folder + "/" + Top + " (";
        ++Expected[Line];
    }
    size_t nLines = 0;
    for (const auto& [Line, nFiles] : Expected) {
        const bool bCounted = Line.back() == '(';
        const std::string Whole = bCounted ? Line + std::to_string(nFiles) + (nFiles == 1 ? " file)" : " files)") : Line;
        EXPECT_TRUE(Contains(Out, Whole)) << Whole << " missing in\n" << Out;
        ++nLines;
    }
    // No line for anything else (the summary may be all the run printed).
    const std::string Lines = "\n" + Out;
    size_t nSummary = 0;
    for (const char* szStart : {"\nBox scores: ", "\nRecaps: ", "\nReports: ", "\nSaved game: ", "\nFile: ", "\nFolder: "})
        for (size_t n = Lines.find(szStart); n != std::string::npos; n = Lines.find(szStart, n + 1))
            ++nSummary;
    EXPECT_EQ(nSummary, nLines) << Out;
}

class HeadlessProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"hl_data", false};
    SCRATCH_FOLDER Output{"hl_out", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        program_support::Copy_Built_Data(Data.Path());
        ASSERT_TRUE(fs::exists(Data.Path() + "/Databases/Universe-2019.dat"));
    }

    std::string Path(const std::string& Name) const { return Data.Path() + "/" + Name; }
    std::string Log() const { return Read_Text_File(Path("debug.txt"), "(no debug.txt)"); }

    // Runs kelvo with the arguments and KELVO_DATA set, standard input from
    // szInput (a path) or /dev/null.
    RUN_RESULT Run(const std::vector<std::string>& Args, const std::string& Input = "/dev/null")
    {
        process_runner::RUN_OPTIONS Options;
        Options.Env = {"KELVO_DATA=" + Data.Path()};
        Options.Input = Input;
        Options.Folder = Output.Path();
        Options.Output = Output.Path();
        Options.Limit = RUN_TIME_LIMIT;
        return process_runner::Run(PROGRAM, Args, Options);
    }

    // Writes the script into the output folder and runs it with --script.
    RUN_RESULT Run_Script(const std::string& Script, std::vector<std::string> Extra = {"IS_NOT_RANDOM"})
    {
        const std::string ScriptPath = Output.Path() + "/test.kelvo";
        Write_File(ScriptPath, Script);
        std::vector<std::string> Args{"--headless", "--script", ScriptPath};
        Args.insert(Args.end(), Extra.begin(), Extra.end());
        return Run(Args);
    }
};

}  // namespace

// ---------------------------------------------------------------------------
// Start-up and shut-down

TEST_F(HeadlessProgramTest, StartUpRunsInOrderAndQuitStoresTheWindow)
{
    const RUN_RESULT Result = Run_Script("# nothing but \"quit\", said \"twice\n  # indented\nwelcome quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err;
    const std::vector<std::string> Lines = Log_Lines(Log());
    const char* const ORDER[] = {
        "Vazarudu Kelvo 2019 (V21.01 NR) started at: ",
        "Random numbers seeded with 12345",
        "\"ZrtFame.dat\" is not there yet; written with the defaults.",
        "Owners' hall of fame \"ZrtFame.dat\" ready",
        "Main window created at 40,40-1064,760",
        "Accelerator table 101 loaded: 20 keys",
        "League database \"Databases/Universe-2019.dat\" loaded",
        "Dialog 100 \"Welcome\" ended with 1003",
        "Main window rectangle stored in \"ZrtFame.dat\"",
        "Message loop",
        "Shut down with exit status 0",
    };
    size_t nAt = 0;
    for (const char* szStep : ORDER) {
        while (nAt < Lines.size() && Lines[nAt].rfind(szStep, 0) != 0)
            ++nAt;
        ASSERT_LT(nAt, Lines.size()) << "\"" << szStep << "\" missing or out of order in\n" << Log();
    }
    EXPECT_EQ(Lines[0].rfind(ORDER[0], 0), 0u) << "the start line comes first";
    // A plain start tells no error.
    EXPECT_FALSE(Contains(Log(), "ERROR")) << Log();
    // The welcome dialog's run is on standard output too.
    EXPECT_TRUE(Contains(Result.Out, "Dialog 100 \"Welcome\": press 1003; end 1003")) << Result.Out;
    EXPECT_EQ(fs::file_size(Path("ZrtFame.dat")), 23552u);
}

TEST_F(HeadlessProgramTest, WindowRectangleComesFromTheHallOfFameAndGoesBackAtExit)
{
    ASSERT_EQ(Run_Script("welcome quit\n").nExitCode, 0);
    std::string Fame = Read_Text_File(Path("ZrtFame.dat"));
    ASSERT_EQ(Fame.size(), 23552u);
    const int32_t Window[4] = {100, 120, 900, 720};
    std::memcpy(Fame.data() + 76, Window, sizeof(Window));
    Write_File(Path("ZrtFame.dat"), Fame);
    ASSERT_EQ(Run_Script("welcome quit\n").nExitCode, 0);
    EXPECT_TRUE(Contains(Log(), "Main window created at 100,120-900,720")) << Log();
    EXPECT_EQ(Read_Text_File(Path("ZrtFame.dat")), Fame);
}

TEST_F(HeadlessProgramTest, DamagedHallOfFameIsRebuiltAndTheProgramGoesOn)
{
    std::string Good;
    ASSERT_EQ(Run_Script("welcome quit\n").nExitCode, 0);
    Good = Read_Text_File(Path("ZrtFame.dat"));
    std::string WrongVersion = Good;
    WrongVersion[0] = 7;
    struct CASE {
        const char* szName;
        std::string Bytes;
        const char* szNotice;
    };
    const CASE Cases[] = {
        {"short", Good.substr(0, 100), "\"ZrtFame.dat\": it holds 100 bytes, not 23552; rebuilt with the defaults."},
        {"one byte long", Good + "x", "\"ZrtFame.dat\": it holds 23553 bytes, not 23552; rebuilt with the defaults."},
        {"far too long", Good + Good, "\"ZrtFame.dat\": it is longer than 23552 bytes; rebuilt with the defaults."},
        {"version", WrongVersion, "\"ZrtFame.dat\": its version word is 7, not 1; rebuilt with the defaults."},
    };
    for (const CASE& Case : Cases) {
        SCOPED_TRACE(Case.szName);
        Write_File(Path("ZrtFame.dat"), Case.Bytes);
        const RUN_RESULT Result = Run_Script("welcome quit\n");
        EXPECT_EQ(Result.nExitCode, 0);
        EXPECT_TRUE(Contains(Result.Err, Case.szNotice)) << Result.Err;
        EXPECT_TRUE(Contains(Log(), Case.szNotice)) << Log();
        EXPECT_EQ(Read_Text_File(Path("ZrtFame.dat")), Good);
    }
}

TEST_F(HeadlessProgramTest, StandardInputIsTheScriptWithoutScriptOption)
{
    const std::string Input = Output.Path() + "/input.kelvo";
    Write_File(Input, "welcome new\ncommand Standings\nkey F3\nquit\n");
    const RUN_RESULT Result = Run({"IS_NOT_RANDOM"}, Input);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err;
    EXPECT_TRUE(Contains(Result.Out, "Command 40030 \"Standings\"")) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Command 40036 \"Calendar\"")) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Dialog 105 \"New Game\"")) << Result.Out;
    EXPECT_TRUE(Contains(Log(), "Script (standard input)")) << Log();
}

// ---------------------------------------------------------------------------
// Script lines that cannot be carried out

TEST_F(HeadlessProgramTest, ScriptErrorsStopTheRunWithStatusTwoNamingTheLine)
{
    struct CASE {
        const char* szScript;
        const char* szMessage;
        const char* szRecord = nullptr;   // the dialog's record as the run prints it
    };
    const CASE Cases[] = {
        {"welcome quit\nfly away\n", "line 2: unknown instruction \"fly\""},
        {"# one\n\ncommand \"Fly Away\"\n", "line 3: no menu command \"Fly Away\""},
        {"welcome new\nkey Ctrl+9\n", "line 2: the key \"Ctrl+9\" is not in accelerator table 101"},
        {"welcome new\ncommand Standings\nanswer yes\ncommand Retire\n", "line 3: the answer Yes fits no button of the box [Retire]"},
        {"welcome new\nanswer ok\ncommand Standings\n", "line 2: no message box took this answer"},
        {"dialog 100 press 1999\n", "line 1: dialog 100 \"Welcome\": control 1999 does not exist"},
        {"welcome new\ncommand Standings\ndialog 120 press 1\ncommand Calendar\n",
         "line 3: dialog 120 did not take this action"},
        {"command \"One Week\n", "line 1: a quote is not closed"},
        {"welcome quit\ncommand Standings\n", "line 2: the program has already quit"},
        {"dialog 105 check 1321 2\n", "line 1: dialog actions are:"},
        {"dialog 179 spin 1138 sideways\n", "line 1: dialog actions are:"},
        {"welcome new\ncommand Standings\ndialog 179 spin 1078 up\ndialog 179 press 2\n"
         "command \"Play Multiple Seasons\"\n",
         "line 3: dialog 179 \"Play Multiple Seasons\": control 1078 is no up-down control"},
        // Typed text is put back there, so the line would change nothing; the
        // spin before it is not carried out either: the refusal comes before
        // any of the dialog's actions acts.
        {"welcome new\ncommand Standings\ndialog 179 spin 1138 up\ndialog 179 set 1078 \"2020\"\n"
         "dialog 179 press 1\ncommand \"Play Multiple Seasons\"\n",
         "line 4: dialog 179 \"Play Multiple Seasons\": control 1078 puts typed text back: the arrows of control "
         "1138 set the count (spin 1138 up or down)",
         "Dialog 179 \"Play Multiple Seasons\": not carried out: spin 1138 up; refused: control 1078 puts typed text "
         "back: the arrows of control 1138 set the count (spin 1138 up or down); not carried out: press 1;"},
        {"answer maybe\n", "line 1: answer takes yes, no, ok or cancel"},
        // Only "if asked" follows an answer.
        {"answer ok if maybe\n", "line 1: answer takes yes, no, ok or cancel, and \"if asked\" after it"},
        {"answer ok if\n", "line 1: answer takes yes, no, ok or cancel, and \"if asked\" after it"},
        // A dialog line without its action is told every action there is.
        {"dialog 105\n", "line 1: dialog takes a dialog id, an action (select, open, toggle, set, check, spin, slide, "
                         "radio, press, column, move-column, menu) and a control id"},
        // The welcome's Quit ends the program: no step is left to take the
        // lines after it, as after "quit".
        {"welcome quit\nanswer ok\n", "line 2: the program has already quit; this line cannot be carried out"},
        {"welcome quit\ndialog 120 press 1\n",
         "line 2: the program has already quit; this line cannot be carried out"},
    };
    for (const CASE& Case : Cases) {
        SCOPED_TRACE(Case.szScript);
        // The first run makes the owners' hall of fame at its start: the
        // summary of a run that stops names it too.
        const auto Before = File_Times(Data.Path());
        const RUN_RESULT Result = Run_Script(Case.szScript);
        Expect_Summary_Names_What_Changed(Data.Path(), Before, Result.Out);
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
        const std::string Expected = "kelvo: script \"" + Output.Path() + "/test.kelvo\" " + Case.szMessage;
        EXPECT_TRUE(Contains(Result.Err, Expected)) << Result.Err;
        EXPECT_TRUE(Contains(Log(), Case.szMessage)) << Log();
        if (Case.szRecord != nullptr) {
            EXPECT_TRUE(Contains(Result.Out, Case.szRecord)) << Result.Out;
        }
        // A failed run offers no save and leaves no saved game.
        EXPECT_FALSE(Contains(Result.Out, "Game Not Saved")) << Result.Out;
        EXPECT_EQ(Count_Files(Data.Path(), "", ".zrt"), 0u);
    }
}

TEST_F(HeadlessProgramTest, SpinLinesClickTheArrowsOfAnUpDownControl)
{
    const RUN_RESULT Result = Run_Script(
        "welcome new\ncommand Standings\ndialog 179 spin 1138 up\ndialog 179 spin 1138 down\ndialog 179 spin 1138 DOWN\n"
        "dialog 179 press 2\ncommand \"Play Multiple Seasons\"\nquit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err;
    EXPECT_TRUE(Contains(Result.Out, "Dialog 179 \"Play Multiple Seasons\": spin 1138 up; spin 1138 down; "
                                     "spin 1138 down; press 2; end -1"))
        << Result.Out;
}

TEST_F(HeadlessProgramTest, ScriptFileThatCannotBeReadOrIsNotNamedIsRefused)
{
    const RUN_RESULT Missing = Run({"--script", Output.Path() + "/nowhere.kelvo"});
    EXPECT_EQ(Missing.nExitCode, 2);
    EXPECT_TRUE(Contains(Missing.Err, "kelvo: cannot read the script \"" + Output.Path() + "/nowhere.kelvo\""))
        << Missing.Err;
    EXPECT_FALSE(fs::exists(Path("debug.txt")));
    const RUN_RESULT Unnamed = Run({"--headless", "--script"});
    EXPECT_EQ(Unnamed.nExitCode, 2);
    EXPECT_EQ(Unnamed.Err, "kelvo: option \"--script\" needs a file name (see kelvo --help)\n");
    // The script's name is no start-up word.
    Write_File(Output.Path() + "/IS_NOT_RANDOM.kelvo", "welcome quit\n");
    EXPECT_EQ(Run({"--script", Output.Path() + "/IS_NOT_RANDOM.kelvo"}).nExitCode, 0);
    EXPECT_TRUE(Contains(Log(), "(V21.01) started at: ")) << Log();
    EXPECT_FALSE(Contains(Log(), "is no flag")) << Log();
}

// ---------------------------------------------------------------------------
// Playing

TEST_F(HeadlessProgramTest, PlayCommandsAdvanceTheSeasonAndWriteBoxScores)
{
    const RUN_RESULT Result = Run_Script("welcome new\ncommand \"One Week\"\nkey Ctrl+1\nquit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err;
    // Two weeks of a 32-club league: 16 games each.
    EXPECT_EQ(Count_Files(Path("Output"), "Box-", ".htm"), 32u);
    EXPECT_TRUE(Contains(Result.Out, "Box scores: " + Data.Path() + "/Output/Box-*.htm (32 files)")) << Result.Out;
}

// The whole road through the real dialogs: a new game for a chosen club, the
// season through the playoffs, saved; then resumed and one more week played.
// Find Players on the road: a new game, quarterbacks under 30 found, the
// first one's card opened, the limits kept by "&Done" and a column clicked;
// the fields and the list's sort column come back with the saved game.
TEST_F(HeadlessProgramTest, FindPlayersFindsOpensACardAndKeepsItsFields)
{
    const RUN_RESULT Result = Run_Script(
        "welcome new\n"
        "dialog 105 select 1089 \"2019\"\n"
        "dialog 105 select 1010 \"Buffalo Frost\"\n"
        "dialog 105 press 1391\n"
        "command Standings\n"
        "dialog 140 set 1221 \"30\"\n"
        "dialog 140 set 1255 \"5\"\n"
        "dialog 140 press 1215\n"
        "dialog 140 column 1124 3\n"
        "dialog 140 select 1124 @0\n"
        "dialog 140 press 1045\n"
        "dialog 140 press 1\n"
        "command \"Find Players\"\n"
        "dialog 120 set 1082 \"Scouted Season\"\n"
        "dialog 120 press 1\n"
        "command \"Save Game\"\n"
        "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Out, "Dialog 140 \"Find Players\": set 1221 \"30\"; set 1255 \"5\"; press 1215; "
                                     "column 1124 3; select 1124 \"0\"; press 1045; press 1"))
        << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Dialog 20001 ")) << Result.Out;   // the card
    EXPECT_FALSE(Contains(Result.Out, "Search Failed")) << Result.Out;
    const std::string Saved = Path("Scouted Season.zrt");
    ASSERT_TRUE(fs::exists(Saved)) << Result.Out;
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database(Saved.c_str()), 1);
    EXPECT_EQ(Get_User_Preference(64), 30);   // age limit
    EXPECT_EQ(Get_User_Preference(70), 5);    // salary limit, millions
    EXPECT_EQ(Get_User_Preference(63), 0);    // quarterbacks
    EXPECT_EQ(std::abs(Get_User_Preference(301)), 4);   // list kind 3 sorted by Overall
    ui::Reset();
}

TEST_F(HeadlessProgramTest, EndToEndNewGamePlayoffsSaveResumeAndOneMoreWeek)
{
    const std::string DemoScript = SOURCE_SCRIPTS + "/demo.kelvo";
    const auto Before = File_Times(Data.Path());
    const RUN_RESULT First = Run({"--headless", "--script", DemoScript, "IS_NOT_RANDOM"});
    ASSERT_FALSE(First.bTimedOut);
    ASSERT_EQ(First.nExitCode, 0) << First.Out << First.Err;
    // The summary names all the run wrote (recaps, the export, its CSV
    // files among them), and only that.
    Expect_Summary_Names_What_Changed(Data.Path(), Before, First.Out);
    // The data folder's lock file, which the run made and leaves, among them.
    ASSERT_EQ(Before.count("kelvo.lock"), 0u);
    EXPECT_TRUE(Contains(First.Out, "\nFile: " + Data.Path() + "/kelvo.lock\n")) << First.Out;
    EXPECT_TRUE(Contains(First.Out, "Recaps: " + Data.Path() + "/Output/Recap-*.htm")) << First.Out;
    EXPECT_GT(Count_Files(Path("Output"), "Box-", ".htm"), 256u) << "the regular season and the playoffs";
    const std::string Saved = Path("Demo Season.zrt");
    ASSERT_TRUE(fs::exists(Saved)) << First.Out;
    EXPECT_TRUE(Contains(First.Out, "Saved game: " + Saved)) << First.Out;
    EXPECT_TRUE(Contains(First.Out, "Box scores: " + Data.Path() + "/Output/Box-*.htm")) << First.Out;
    // The run ends before the off-season, which writes the reports: the
    // summary names none. The export after the save changed nothing, so
    // quitting has nothing to save and overwrites nothing.
    EXPECT_FALSE(Contains(First.Out, "Reports: ")) << First.Out;
    EXPECT_FALSE(Contains(First.Out, "Save changes")) << First.Out;
    EXPECT_FALSE(Contains(First.Out, "Overwrite")) << First.Out;
    EXPECT_FALSE(Contains(First.Out, "Invalid playoff slot")) << First.Out;
    const std::string SavedBytes = Read_Text_File(Saved);

    // The saved game loads as it was saved: the league block read back saves
    // to the same bytes (the rebuild that follows a load, which refreshes
    // the leader tables for the day it is loaded on, is left out here).
    {
        SCRATCH_FOLDER Again{"hl_again"};
        ASSERT_TRUE(Again.Ready());
        Zero_League_Data();
        Set_Load_Sequence_Enabled(false);
        const int nLoaded = Load_Universe_Database(Saved.c_str());
        Set_Load_Sequence_Enabled(true);
        ASSERT_EQ(nLoaded, 1);
        ASSERT_EQ(Save_Game("again.zrt"), SAVE_GAME_OK);
        EXPECT_TRUE(Read_Text_File("again.zrt") == SavedBytes) << "the loaded game saves to other bytes";
        // With the rebuild too, it is the same league: the same clubs and players.
        Zero_League_Data();
        ASSERT_EQ(Load_Universe_Database(Saved.c_str()), 1);
        EXPECT_EQ(Count_Teams(), 32);
        ui::Reset();
    }

    const RUN_RESULT Second = Run_Script(
        "welcome resume\n"
        "dialog 118 select 1077 \"Demo Season\"\n"
        "dialog 118 press 1\n"
        "command \"One Week\"\n"
        "answer no\n"
        "quit\n");
    ASSERT_FALSE(Second.bTimedOut);
    EXPECT_EQ(Second.nExitCode, 0) << Second.Out << Second.Err;
    EXPECT_TRUE(Contains(Second.Out, "Dialog 118 \"Resume Game\": select 1077 \"Demo Season\"")) << Second.Out;
    // The lock file was there before this run: not its work.
    EXPECT_TRUE(fs::exists(Path("kelvo.lock")));
    EXPECT_FALSE(Contains(Second.Out, "kelvo.lock")) << Second.Out;
    // Declining the offer to save leaves the saved game as it was.
    EXPECT_TRUE(Read_Text_File(Saved) == SavedBytes);

    // The demonstration played again in the same folder finds its own "Demo
    // Season" and replaces it, ending as the first run did. (Text that is no
    // game stands in its place, so that the replacement shows.)
    Write_File(Saved, "the first run's season");
    const RUN_RESULT Again = Run({"--headless", "--script", DemoScript, "IS_NOT_RANDOM"});
    ASSERT_FALSE(Again.bTimedOut);
    EXPECT_EQ(Again.nExitCode, 0) << Again.Out << Again.Err;
    EXPECT_TRUE(Contains(Again.Out, "Overwrite?\" -> OK\n")) << Again.Out;
    EXPECT_TRUE(Contains(Again.Out, "Saved game: " + Saved)) << Again.Out;
    EXPECT_TRUE(Read_Text_File(Saved) == SavedBytes) << "the second run saved another season";
}

// The player lists on the road: a new game, a player released through
// Sortable Stats, a free agent offered his terms, the season played to the
// college draft, the user's pick made through College Draft (the computer
// then picks on to the user's next turn), saved; the list layouts (a column
// clicked in each list) come back with the saved game.
TEST_F(HeadlessProgramTest, PlayerListsReleaseSignDraftAndKeepTheirLayouts)
{
    const RUN_RESULT Result = Run_Script(
        "welcome new\n"
        "dialog 105 select 1089 \"2019\"\n"
        "dialog 105 select 1010 \"Buffalo Frost\"\n"
        "dialog 105 press 1391\n"
        "command Standings\n"
        "dialog 114 select 1132 \"Buffalo Frost\"\n"
        "dialog 114 column 1124 15\n"
        "dialog 114 select 1124 @0\n"
        "answer yes\n"
        "dialog 114 press 1044\n"
        "command \"Sortable Stats\"\n"
        "dialog 130 column 1124 15\n"
        "dialog 130 select 1124 @0\n"
        "dialog 186 press 1706\n"
        "dialog 130 press 1044\n"
        "command \"Free Agents\"\n"
        "command \"Through Playoffs\"\n"
        "command \"Through Playoffs\"\n"
        "command \"One Week\"\n"
        "dialog 170 column 1124 3\n"
        "dialog 170 select 1124 @0\n"
        "dialog 186 press 1706\n"
        "dialog 170 press 1044\n"
        "command \"College Draft\"\n"
        "dialog 120 set 1082 \"Lists Season\"\n"
        "dialog 120 press 1\n"
        "command \"Save Game\"\n"
        "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Out, "Box [Release Player] \"Do you really want to release ")) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Dialog 114 \"Sortable Stats\": select 1132 \"Buffalo Frost\"; column 1124 15; "
                                     "select 1124 \"0\"; press 1044"))
        << Result.Out;
    // The offer answered: the player signed, or the user is told why not.
    EXPECT_TRUE(Contains(Result.Out, "Dialog 186 \"Contract Offer\": press 1706")) << Result.Out;
    // The user's first pick, then the computer's picks to his next turn.
    // The club's place in the order follows the season played, so the pick
    // number is read from the first round and must come again in the second.
    const size_t nFirst = Result.Out.find("Box [Round 1: Pick #");
    ASSERT_NE(nFirst, std::string::npos) << Result.Out;
    const std::string Pick = Result.Out.substr(nFirst + 20, Result.Out.find(']', nFirst) - nFirst - 20);
    EXPECT_TRUE(Contains(Result.Out, "Box [Round 1: Pick #" + Pick + "] \"Buffalo Frost: Make your draft pick."))
        << Result.Out;
    const size_t nPick = Result.Out.find("Dialog 170 \"Sortable Stats\": column 1124 3; select 1124 \"0\"; press 1044");
    ASSERT_NE(nPick, std::string::npos) << Result.Out;
    const size_t nNext = Result.Out.find("Box [Round 2: Pick #" + Pick + "] \"Buffalo Frost: Make your draft pick.");
    EXPECT_NE(nNext, std::string::npos) << Result.Out;
    const std::string Saved = Path("Lists Season.zrt");
    ASSERT_TRUE(fs::exists(Saved)) << Result.Out;

    // The saved game holds each list's sort column: Cap Impact (code 15) in
    // Sortable Stats and Free Agents, Overall (code 3) in the draft list,
    // stored as code + 1 with the sign of the direction.
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database(Saved.c_str()), 1);
    EXPECT_EQ(std::abs(Get_User_Preference(241)), 16);
    EXPECT_EQ(std::abs(Get_User_Preference(261)), 16);
    EXPECT_EQ(std::abs(Get_User_Preference(281)), 4);
    ui::Reset();
}

TEST_F(HeadlessProgramTest, DialogLinesNoDialogTakesStopTheRunBeforeAnythingIsSaved)
{
    // A saved game the later runs must leave alone.
    const RUN_RESULT Saved = Run_Script(std::string(program_support::NEW_GAME) +
                                        "command Standings\ndialog 120 press 1\ncommand \"Save Game\"\nquit\n");
    ASSERT_EQ(Saved.nExitCode, 0) << Saved.Out << Saved.Err;
    const std::string File = Path("Buffalo Frost (2019).zrt");
    const std::string Before = Read_Text_File(File, "(no saved game)");
    ASSERT_NE(Before, "(no saved game)");

    struct CASE {
        const char* szLines;   // after a week played, before the end
        const char* szEnd;     // "quit\n" or the end of the script
        const char* szMessage;
    };
    const CASE Cases[] = {
        // An id the program has no dialog for fails at its own line.
        {"dialog 121 set 1082 \"Mine\"\ndialog 121 press 1\n", "quit\n", "line 7: the program has no dialog 121"},
        {"dialog 121 set 1082 \"Mine\"\ndialog 121 press 1\n", "", "line 7: the program has no dialog 121"},
        // A dialog that the quit does not open: the save it offers is given
        // up, not made with its defaults.
        {"dialog 118 select 1077 \"Mine\"\ndialog 118 press 1\n", "quit\n",
         "line 7: dialog 118 did not take this action (it did not open, or it closed first)"},
        {"dialog 118 select 1077 \"Mine\"\ndialog 118 press 1\n", "",
         "line 7: dialog 118 did not take this action (it did not open, or it closed first)"},
        // An answer the quit's box has no button for declines it.
        {"answer ok\n", "quit\n", "line 7: the answer OK fits no button of the box [Game Not Saved]"},
    };
    for (const CASE& Case : Cases) {
        SCOPED_TRACE(std::string(Case.szLines) + Case.szEnd);
        const RUN_RESULT Result = Run_Script(std::string(program_support::NEW_GAME) + "command \"One Week\"\n" +
                                             Case.szLines + Case.szEnd);
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
        EXPECT_TRUE(Contains(Result.Err, std::string("test.kelvo\" ") + Case.szMessage)) << Result.Err;
        EXPECT_FALSE(Contains(Result.Out, "Dialog 120 \"Save Game\": press 1 (default)")) << Result.Out;
        EXPECT_TRUE(Read_Text_File(File, "(gone)") == Before) << "the saved game was overwritten";
    }
}

TEST_F(HeadlessProgramTest, TheSimulatorsDialogIsDrivenByLinesBeforeItsCommand)
{
    // Right after the welcome, before the first command, as after any other.
    for (const char* szFirst : {"", "command Standings\n"}) {
        SCOPED_TRACE(szFirst);
        std::error_code Error;
        fs::remove(Path("Simulator.txt"), Error);
        fs::remove(Path("Simulator.dat"), Error);
        const RUN_RESULT Result = Run_Script(std::string("welcome new\n") + szFirst +
                                             "dialog 104 set 1297 \"2\"\n"
                                             "dialog 104 press 1\n"
                                             "command \"Single Season Simulator\"\n"
                                             "answer no\n"
                                             "quit\n");
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
        EXPECT_TRUE(Contains(Result.Out, "Dialog 104 \"Simulation Tool\": set 1297 \"2\"; press 1; end 2\n"))
            << Result.Out;
        EXPECT_EQ(Read_Text_File(Path("Simulator.txt"), "(none)").rfind("2 SEASONS SIMULATED\n", 0), 0u)
            << Read_Text_File(Path("Simulator.txt"), "(none)");
    }
}
