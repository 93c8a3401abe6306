#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editors/advanced_tools.h"
#include "editors/playbook_editor.h"
#include "engine/play_game.h"
#include "frontoffice/contracts.h"
#include "league/league_data.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/main_frame.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"

namespace {

// Each test runs in an empty folder of its own.
class StartupTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"start"};
    const std::string Root = Scratch.Path();

    void SetUp() override
    {
        ASSERT_TRUE(Scratch.Ready());
        Zero_League_Data();
        ui::Reset();
        Set_Startup_Flags(0);
    }
    // A run of the program installs its window's handlers and the hooks of
    // the layers above the engine; they go with the test, so that no later
    // test plays a game with the preview dialog or offers a contract
    // through the offer dialog.
    void TearDown() override
    {
        Set_Startup_Flags(0);
        ui::Set_Echo(false);
        Set_Terminal_Notices(false);
        Set_Title_Refresher(nullptr);
        main_frame::Set_Handlers(nullptr);
        Install_Shell_Handler(nullptr);
        Set_Contract_Offer_Policy(nullptr);
        Set_Game_Preview_Hook(nullptr);
        Set_Database_Build_Hooks(DATABASE_BUILD_HOOKS{});
        Set_Playbook_View_Hooks(nullptr, nullptr);
        dialogs::Set_Unattended(false);
    }
};

}  // namespace

TEST_F(StartupTest, FlagsComeFromCommandLineAndFile)
{
    char szProgram[] = "kelvo";
    char szFlag[] = "IS_NOT_RANDOM";
    char* argv[] = {szProgram, szFlag};
    EXPECT_EQ(Read_Startup_Flags(2, argv), FLAG_IS_NOT_RANDOM);

    FILE* pFile = std::fopen("CommandLine.txt", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fputs("SHOW_SYSTEM_ERRORS\r\n", pFile);
    std::fclose(pFile);
    EXPECT_EQ(Read_Startup_Flags(2, argv), FLAG_IS_NOT_RANDOM | FLAG_SHOW_SYSTEM_ERRORS);
    EXPECT_EQ(Read_Startup_Flags(1, argv), FLAG_SHOW_SYSTEM_ERRORS);
}

TEST_F(StartupTest, OptionsBeginWithTwoDashesAndAnyOtherDashArgumentIsUnknown)
{
    struct CASE {
        std::vector<std::string> Args;
        PROGRAM_ACTION Action;
        const char* szUnknown;
    };
    const CASE Cases[] = {
        {{}, PROGRAM_ACTION::RUN, ""},
        {{"IS_NOT_RANDOM", "FAST"}, PROGRAM_ACTION::RUN, ""},
        {{"--help"}, PROGRAM_ACTION::SHOW_HELP, ""},
        {{"--version"}, PROGRAM_ACTION::SHOW_VERSION, ""},
        {{"--version", "IS_NOT_RANDOM", "--help"}, PROGRAM_ACTION::SHOW_HELP, ""},
        {{"--HELP"}, PROGRAM_ACTION::UNKNOWN_OPTION, "--HELP"},
        {{"-h"}, PROGRAM_ACTION::UNKNOWN_OPTION, "-h"},
        {{"-"}, PROGRAM_ACTION::UNKNOWN_OPTION, "-"},
        {{"--help", "-IS_NOT_RANDOM", "--x"}, PROGRAM_ACTION::UNKNOWN_OPTION, "-IS_NOT_RANDOM"},
        // A script option names a file, whichever way it is written.
        {{"--script=run.kelvo"}, PROGRAM_ACTION::RUN, ""},
        {{"--script", "run.kelvo"}, PROGRAM_ACTION::RUN, ""},
        {{"--script="}, PROGRAM_ACTION::UNKNOWN_OPTION, "--script="},
        {{"--script"}, PROGRAM_ACTION::UNKNOWN_OPTION, "--script"},
    };
    for (const CASE& Case : Cases) {
        std::vector<std::string> Args = Case.Args;
        Args.insert(Args.begin(), "kelvo");
        std::vector<char*> argv;
        for (std::string& Arg : Args)
            argv.push_back(Arg.data());
        std::string Unknown = "stale";
        EXPECT_EQ(Read_Program_Options(static_cast<int>(argv.size()), argv.data(), Unknown), Case.Action)
            << testing::PrintToString(Case.Args);
        EXPECT_EQ(Unknown, Case.szUnknown);
    }
}

TEST_F(StartupTest, UnknownWordsOfTheCommandLineAreNotedAndOptionsAreNoFlags)
{
    char szProgram[] = "kelvo";
    char szWords[] = "IS_NOT_RANDOM,FAST";
    char szOption[] = "-SHOW_SYSTEM_ERRORS";
    char szLast[] = " DTXT_AGG slow ";
    char* argv[] = {szProgram, szWords, szOption, szLast};
    std::vector<std::string> Notes{"kept"};
    EXPECT_EQ(Read_Startup_Flags(4, argv, &Notes), FLAG_IS_NOT_RANDOM | FLAG_DTXT_AGG);
    const std::vector<std::string> Expected = {"kept", "Start-up word \"FAST\" is no flag; ignored.",
                                               "Start-up word \"slow\" is no flag; ignored."};
    EXPECT_EQ(Notes, Expected);

    // The flags file's other words are noted too, with the file named.
    FILE* pFile = std::fopen("CommandLine.txt", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fputs("kelvo.exe SHOW_SYSTEM_ERRORS,Fast", pFile);
    std::fclose(pFile);
    Notes.clear();
    EXPECT_EQ(Read_Startup_Flags(1, argv, &Notes), FLAG_SHOW_SYSTEM_ERRORS);
    const std::vector<std::string> FileNotes = {
        "Start-up word \"kelvo\" of \"CommandLine.txt\" is no flag; ignored.",
        "Start-up word \"exe\" of \"CommandLine.txt\" is no flag; ignored.",
        "Start-up word \"Fast\" of \"CommandLine.txt\" is no flag; ignored."};
    EXPECT_EQ(Notes, FileNotes);
}

TEST_F(StartupTest, FlagsFileEndsAtANulAndIsReadOnlyWithinItsLimit)
{
    char szProgram[] = "kelvo";
    char* argv[] = {szProgram};
    auto Write_Flags = [](const std::string& Text) {
        FILE* pFile = std::fopen("CommandLine.txt", "wb");
        ASSERT_NE(pFile, nullptr);
        std::fwrite(Text.data(), 1, Text.size(), pFile);
        std::fclose(pFile);
    };
    std::vector<std::string> Notes;
    Write_Flags(std::string("DTXT_AGG \0IS_NOT_RANDOM", 23));
    EXPECT_EQ(Read_Startup_Flags(1, argv, &Notes), FLAG_DTXT_AGG);
    ASSERT_EQ(Notes.size(), 1u);
    EXPECT_EQ(Notes[0], "\"CommandLine.txt\" holds a NUL byte at offset 9; the text after it is ignored.");

    // The flag at the very end of a file of the greatest length counts.
    std::string Full(COMMAND_LINE_FILE_LIMIT - 14, ' ');
    Full += " IS_NOT_RANDOM";
    Write_Flags(Full);
    Notes.clear();
    EXPECT_EQ(Read_Startup_Flags(1, argv, &Notes), FLAG_IS_NOT_RANDOM);
    EXPECT_TRUE(Notes.empty());
    // One byte more and the file is not read at all.
    Write_Flags(Full + " ");
    EXPECT_EQ(Read_Startup_Flags(1, argv, &Notes), 0u);
    ASSERT_EQ(Notes.size(), 1u);
    EXPECT_EQ(Notes[0], "\"CommandLine.txt\" is longer than 65536 bytes; ignored.");

    // A pipe is not waited on.
    ASSERT_EQ(std::remove("CommandLine.txt"), 0);
    ASSERT_EQ(::mkfifo("CommandLine.txt", 0600), 0);
    Notes.clear();
    EXPECT_EQ(Read_Startup_Flags(1, argv, &Notes), 0u);
    ASSERT_EQ(Notes.size(), 1u);
    EXPECT_EQ(Notes[0], "\"CommandLine.txt\" is not a regular file; ignored.");
}

TEST_F(StartupTest, DataFolderNamedByTheEnvironmentMustExist)
{
    std::string Problem = "stale";
    ::setenv("KELVO_DATA", Root.c_str(), 1);
    EXPECT_EQ(Find_Data_Folder("kelvo", Problem), Root);
    EXPECT_EQ(Problem, "");
    const std::string Missing = Root + "/missing";
    ::setenv("KELVO_DATA", Missing.c_str(), 1);
    EXPECT_EQ(Find_Data_Folder("kelvo", Problem), "");
    EXPECT_EQ(Problem, "The data folder \"" + Missing + "\" named by KELVO_DATA does not exist.");
    // Set but empty names no folder: the one beside the program is not used.
    ::setenv("KELVO_DATA", "", 1);
    Problem = "stale";
    EXPECT_EQ(Find_Data_Folder("kelvo", Problem), "");
    EXPECT_EQ(Problem, "KELVO_DATA is set but empty; it must name the data folder, or be unset.");
    ::unsetenv("KELVO_DATA");
}

TEST_F(StartupTest, DebugLogStartsAfreshWithTheStartLine)
{
    Write_Debug_Log("old line from the last run");
    Start_Debug_Log();
    std::string Log = Read_Text_File(DEBUG_LOG_FILE);
    EXPECT_EQ(Log.find("old line"), std::string::npos);
    size_t nSpace = Log.find(' ');
    ASSERT_NE(nSpace, std::string::npos);
    EXPECT_EQ(Log.compare(nSpace, 32, " Vazarudu Kelvo 2019 (V21.01) st"), 0) << Log;
    EXPECT_NE(Log.find(") started at: "), std::string::npos);
    EXPECT_EQ(Log.back(), '\n');
    EXPECT_EQ(Log.find('\n'), Log.size() - 1);
}

TEST_F(StartupTest, ProgramEndsWithReadErrorWhenTheDatabaseIsMissing)
{
    ::setenv("KELVO_DATA", Root.c_str(), 1);
    char szProgram[] = "kelvo";
    char* argv[] = {szProgram};
    EXPECT_EQ(Run_Program(1, argv), 1);
    ::unsetenv("KELVO_DATA");
    ui::Set_Echo(false);
    Set_Terminal_Notices(false);
    // The loader tells that the file cannot be opened, then that the game
    // data cannot be loaded.
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Load Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Couldn't open \"Databases/Universe-2019.dat\".\n\nPlease re-install Vazarudu Kelvo.");
    EXPECT_EQ(ui::Shown_Boxes()[1].Caption, "Read Error");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "Couldn't load game data. Please re-install Vazarudu Kelvo.\n\nThere is no "
                                         "such file.");
    std::string Log = Read_Text_File(DEBUG_LOG_FILE);
    EXPECT_NE(Log.find("started at: "), std::string::npos);
    EXPECT_NE(Log.find("Databases/Universe-2019.dat\" is missing"), std::string::npos);
    EXPECT_NE(Log.find("Loading \"Databases/Universe-2019.dat\" failed: there is no such file."), std::string::npos)
        << Log;
}

TEST_F(StartupTest, CurrentTeamSelectionIsMadeValid)
{
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        League.Team[t].nTeamStat[2] = -1;
    League.Team[0].nTeamStat[2] = 0;
    League.Team[1].nTeamStat[2] = 0;
    League.Team[2].nTeamStat[2] = 1;   // the user's club
    League.Preferences.nInt[28] = 5;   // slot 5 is not in use
    Fix_Current_Team_Selection();
    EXPECT_EQ(League.Preferences.nInt[28], 2);

    League.Preferences.nInt[28] = 37;  // the hall of fame may be viewed
    Fix_Current_Team_Selection();
    EXPECT_EQ(League.Preferences.nInt[28], 37);

    League.Team[2].nTeamStat[2] = 0;   // nobody's club: the first in use
    League.Preferences.nInt[28] = -1;
    Fix_Current_Team_Selection();
    EXPECT_EQ(League.Preferences.nInt[28], 0);
}
