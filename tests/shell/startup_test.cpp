#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "league/league_data.h"
#include "league/team.h"
#include "platform/errors.h"
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
    void TearDown() override { Set_Startup_Flags(0); }
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
    // The loader tells that the file cannot be opened, then that the game
    // data cannot be loaded.
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Load Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Couldn't open \"Databases/Universe-2019.dat\".\n\nPlease re-install Vazarudu Kelvo.");
    EXPECT_EQ(ui::Shown_Boxes()[1].Caption, "Read Error");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "Couldn't load game data. Please re-install Vazarudu Kelvo.");
    std::string Log = Read_Text_File(DEBUG_LOG_FILE);
    EXPECT_NE(Log.find("started at: "), std::string::npos);
    EXPECT_NE(Log.find("Databases/Universe-2019.dat\" is missing"), std::string::npos);
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
