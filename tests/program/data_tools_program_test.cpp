// The headless program runs the ratings and playbook loaders by name: a
// ratings file the user put in the data folder reaches the new game, and a
// year without one stops the run with exit status 2 and the reason.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::Contains;
using program_support::NEW_GAME;

class DataToolsProgramTest : public program_support::HEADLESS_PROGRAM_TEST {
protected:
    DataToolsProgramTest() : HEADLESS_PROGRAM_TEST("data_tools_data", "data_tools_out", "tools.kelvo") {}
};

TEST_F(DataToolsProgramTest, LoadersRunByNameAndAMissingRatingsFileFailsTheLine)
{
    const process_runner::RUN_RESULT Missing =
        Run_Script(std::string(NEW_GAME) + "tool Load_Playbooks\ntool load_year_player_ratings\nquit\n");
    ASSERT_FALSE(Missing.bTimedOut);
    EXPECT_EQ(Missing.nExitCode, 2) << Missing.Out << Missing.Err;
    EXPECT_TRUE(Contains(Missing.Out, "Tool Load_Playbooks: 0 offensive and 0 defensive playbooks loaded"))
        << Missing.Out;
    EXPECT_TRUE(Contains(Missing.Out + Missing.Err, "Unable to open Input/Ratings/Simulation/2019_Player_Ratings.csv"))
        << Missing.Out << Missing.Err;

    std::error_code Error;
    fs::create_directories(Data.Path() + "/Input/Ratings/Simulation", Error);
    FILE* pFile = std::fopen((Data.Path() + "/Input/Ratings/Simulation/2019_Player_Ratings.csv").c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    std::fputs("PlayerID,2019_Team,First,Last\r\n", pFile);
    std::fclose(pFile);
    // A header alone changes no player: the line fails saying so.
    const process_runner::RUN_RESULT Loaded = Run_Script(std::string(NEW_GAME) + "tool Load_Year_Player_Ratings\nquit\n");
    ASSERT_FALSE(Loaded.bTimedOut);
    EXPECT_EQ(Loaded.nExitCode, 2) << Loaded.Out << Loaded.Err;
    EXPECT_TRUE(Contains(Loaded.Err, "no player was changed by Input/Ratings/Simulation/2019_Player_Ratings.csv: it "
                                     "holds no line of a player after its header"))
        << Loaded.Err;
    EXPECT_FALSE(Contains(Loaded.Out, "player ratings loaded")) << Loaded.Out;
}

// The ratings file a game of the default league exports, loaded back: its
// players have no statistics ID, so its lines name nobody, and the load
// fails saying so rather than claiming the ratings loaded.
TEST_F(DataToolsProgramTest, TheDefaultLeaguesOwnRatingsExportLoadsBackNoPlayerAndFails)
{
    const process_runner::RUN_RESULT Result = Run_Script(
        std::string(NEW_GAME) + "command \"One Week\"\ntool Export_Current_Player_Ratings 15\nquit\n");
    ASSERT_FALSE(Result.bTimedOut);
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    EXPECT_TRUE(Contains(Result.Out, "Tool Export_Current_Player_Ratings: ")) << Result.Out;
    const std::string Exported = Read_Text_File(Data.Path() + "/Output/Ratings/2019_Player_Ratings.csv", "(missing)");
    ASSERT_GT(std::count(Exported.begin(), Exported.end(), '\n'), 1000) << Exported.substr(0, 200);
    // Every line after the header starts with its empty ID.
    EXPECT_EQ(Exported.find("\n,"), Exported.find('\n')) << Exported.substr(0, 300);
    std::error_code Error;
    fs::create_directories(Data.Path() + "/Input/Ratings/Simulation", Error);
    program_support::Write_File(Data.Path() + "/Input/Ratings/Simulation/2019_Player_Ratings.csv", Exported);
    const process_runner::RUN_RESULT Loaded =
        Run_Script(std::string(NEW_GAME) + "tool Load_Year_Player_Ratings\nquit\n");
    ASSERT_FALSE(Loaded.bTimedOut);
    EXPECT_EQ(Loaded.nExitCode, 2) << Loaded.Out << Loaded.Err;
    EXPECT_TRUE(Contains(Loaded.Err, "no line names a player of the league")) << Loaded.Err;
}

// Right after a new game no player has a statistics ID (nor gets one later),
// so the ratings export writes its header only: the line says why, not just
// "0 players", and does not promise an ID the first week never brings.
TEST_F(DataToolsProgramTest, ARatingsExportBeforeTheFirstWeekSaysWhyNoPlayerWasWritten)
{
    const process_runner::RUN_RESULT Result =
        Run_Script(std::string(NEW_GAME) + "tool Export_Current_Player_Ratings 15\nquit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    const std::string Said = "Tool Export_Current_Player_Ratings: 0 players written to "
                             "Output/Ratings/2019_Player_Ratings.csv: the ";
    const size_t nAt = Result.Out.find(Said);
    ASSERT_NE(nAt, std::string::npos) << Result.Out;
    const std::string Rest = Result.Out.substr(nAt + Said.size(), Result.Out.find('\n', nAt) - nAt - Said.size());
    // "the N players have no statistics ID yet ...", N the league's players.
    const size_t nDigits = Rest.find_first_not_of("0123456789");
    ASSERT_GT(nDigits, 0u) << Rest;
    EXPECT_GT(std::stoi(Rest.substr(0, nDigits)), 1000) << Rest;
    EXPECT_EQ(Rest.substr(nDigits),
              " players have no statistics ID, and a line needs one to be loaded back: until the first week is "
              "played a player without one is left out, and from then on his line is written with an empty ID (a "
              "new game's players never get one; a database built from statistics files gives them)")
        << Rest;
}

// "Cities.txt" as the City Editor exports it, then saved by an editor that
// puts a byte-order mark first, imported back: every club stays in its
// city, and the file exported again is the first one.
TEST_F(DataToolsProgramTest, ACitiesFileSavedWithAByteOrderMarkMovesNoClubWhenImported)
{
    // Commissioner Mode (offered by the League Editor) lets the City Editor
    // write and read the file; each of its buttons asks first, after the
    // editor's box of a data folder without city pictures.
    const std::string Commissioner = "answer yes\ndialog 159 press 1\ncommand \"League Editor\"\n";
    const process_runner::RUN_RESULT Exported = Run_Script(std::string(NEW_GAME) + Commissioner +
                                                           "answer ok\nanswer yes\ndialog 160 press 1381\n"
                                                           "dialog 160 press 1\ncommand \"City Editor\"\nanswer no\nquit\n");
    ASSERT_FALSE(Exported.bTimedOut);
    ASSERT_EQ(Exported.nExitCode, 0) << Exported.Out << Exported.Err;
    const std::string Cities = Data.Path() + "/Cities.txt";
    const std::string Original = Read_Text_File(Cities, "(missing)");
    ASSERT_EQ(Original.rfind("Atlanta,", 0), 0u) << Original.substr(0, 80);
    program_support::Write_File(Cities, "\xEF\xBB\xBF" + Original);

    const process_runner::RUN_RESULT Imported =
        Run_Script(std::string(NEW_GAME) + Commissioner +
                   "answer ok\nanswer yes\ndialog 160 press 1380\nanswer ok\nanswer yes\ndialog 160 press 1381\n"
                   "dialog 160 press 1\ncommand \"City Editor\"\nanswer no\nquit\n");
    ASSERT_FALSE(Imported.bTimedOut);
    EXPECT_EQ(Imported.nExitCode, 0) << Imported.Out << Imported.Err;
    const long nCities = std::count(Original.begin(), Original.end(), '\n');
    EXPECT_TRUE(Contains(Imported.Out, "Box [City Import Complete] \"" + std::to_string(nCities) + " cities imported"))
        << Imported.Out;
    EXPECT_FALSE(Contains(Imported.Out, "Franchises Moved")) << Imported.Out;
    EXPECT_FALSE(Contains(Imported.Out, "now play in")) << Imported.Out;
    EXPECT_EQ(Read_Text_File(Cities, "(missing)"), Original);
}

// A cities file with lines that name a city but give no population: the
// import takes the others, and its box, printed by the script, names each
// line it skipped and why.
TEST_F(DataToolsProgramTest, ACitiesImportNamesTheLinesItSkipped)
{
    program_support::Write_File(Data.Path() + "/Cities.txt",
                                "Springfield,500000,1000000,1000,30000,0,90000,40000,2,0,0\nBoise\n"
                                "Shelbyville,,2000000\nCapital City,700000\n");
    const process_runner::RUN_RESULT Imported = Run_Script(
        std::string(NEW_GAME) + "answer yes\ndialog 159 press 1\ncommand \"League Editor\"\n"
                                "answer ok\nanswer yes\ndialog 160 press 1380\nanswer ok\n"
                                "dialog 160 press 1\ncommand \"City Editor\"\nanswer no\nquit\n");
    ASSERT_FALSE(Imported.bTimedOut);
    EXPECT_EQ(Imported.nExitCode, 0) << Imported.Out << Imported.Err;
    EXPECT_TRUE(Contains(Imported.Out, "Box [City Import Complete] \"2 cities imported")) << Imported.Out;
    EXPECT_TRUE(Contains(Imported.Out, "line 2 (Boise): no population")) << Imported.Out;
    EXPECT_TRUE(Contains(Imported.Out, "line 3 (Shelbyville): no population")) << Imported.Out;
    EXPECT_FALSE(Contains(Imported.Out, "(Springfield)")) << Imported.Out;
}

// "Simulator.dat" on a full disk: every season of a run fails to write it,
// and one box tells it in the system's words (it is the write that fails,
// not the open); the line that ran the simulator fails with it.
TEST_F(DataToolsProgramTest, ASimulatorDataFileOnAFullDiskIsToldOnceWithItsCause)
{
    program_support::SCRIPT_RUN Full{Data.Path(), Output.Path(), "tools.kelvo", std::chrono::seconds(200)};
    Full.Env = program_support::Write_Faults_Env(Data.Path(), "KELVO_FAULT_FULL=1");
    const process_runner::RUN_RESULT Result = program_support::Run_Headless_Script(
        Full, std::string(NEW_GAME) + "dialog 104 set 1297 \"2\"\ndialog 104 press 1\n"
                                      "command \"Single Season Simulator\"\nanswer no\nquit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
    const std::string Said = "\"Simulator.dat\" could not be written (No space left on device).";
    EXPECT_TRUE(Contains(Result.Err, "nothing was saved: " + Said)) << Result.Err;
    size_t nBoxes = 0;
    for (size_t n = Result.Out.find("Box [File Error]"); n != std::string::npos;
         n = Result.Out.find("Box [File Error]", n + 1))
        ++nBoxes;
    EXPECT_EQ(nBoxes, 1u) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Box [File Error] \"" + Said + "\"")) << Result.Out;
    EXPECT_FALSE(Contains(Result.Out, "Couldn't open")) << Result.Out;
    EXPECT_FALSE(fs::exists(Data.Path() + "/Simulator.dat"));
}

}  // namespace

namespace {

// The rosters text file, by its tool and by its Tools menu command: every
// club's players, then the free agents. A file that cannot be written fails
// the line, naming it.
TEST_F(DataToolsProgramTest, TheRostersTextFileIsWrittenByItsToolAndItsCommand)
{
    const std::string Rosters = Data.Path() + "/Output/rosters.txt";
    const process_runner::RUN_RESULT Tool = Run_Script(std::string(NEW_GAME) + "tool Output_Rosters_Text\nquit\n");
    ASSERT_FALSE(Tool.bTimedOut);
    EXPECT_EQ(Tool.nExitCode, 0) << Tool.Out << Tool.Err;
    EXPECT_TRUE(Contains(Tool.Out, "Tool Output_Rosters_Text: rosters written to Output/rosters.txt")) << Tool.Out;
    const std::string Text = Read_Text_File(Rosters, "(missing)");
    EXPECT_TRUE(Contains(Text, "Buffalo Frost\n")) << Text.substr(0, 80);
    EXPECT_TRUE(Contains(Text, "\n\nFREE AGENTS\n")) << Text.substr(0, 80);
    fs::remove(Rosters);

    const process_runner::RUN_RESULT Command =
        Run_Script(std::string(NEW_GAME) + "command \"Output Rosters Text\"\nanswer no\nquit\n");
    ASSERT_FALSE(Command.bTimedOut);
    EXPECT_EQ(Command.nExitCode, 0) << Command.Out << Command.Err;
    // The note comes first, and tells of no box New Game does not have.
    EXPECT_TRUE(Contains(Command.Out, "Box [Output Rosters] \"This will create a ROSTERS.TXT file in your 'Output' "
                                      "directory.\""))
        << Command.Out;
    EXPECT_FALSE(Contains(Command.Out, "Roster File")) << Command.Out;
    EXPECT_EQ(Read_Text_File(Rosters, "(missing)"), Text);

    // A folder in the file's place: both fail, naming the file.
    fs::remove(Rosters);
    fs::create_directories(Rosters + "/taken");
    for (const char* szLine : {"tool Output_Rosters_Text", "command \"Output Rosters Text\""}) {
        const process_runner::RUN_RESULT Failed = Run_Script(std::string(NEW_GAME) + szLine + "\nquit\n");
        ASSERT_FALSE(Failed.bTimedOut);
        EXPECT_EQ(Failed.nExitCode, 2) << szLine << "\n" << Failed.Out << Failed.Err;
        EXPECT_TRUE(Contains(Failed.Err, "\"Output/rosters.txt\" could not be written (Is a directory)"))
            << szLine << "\n" << Failed.Err;
    }
    EXPECT_TRUE(fs::is_directory(Rosters + "/taken"));
}

// An import of a "Cities.txt" that holds no city is refused with a box, and
// the script's line fails; the clubs keep their cities.
TEST_F(DataToolsProgramTest, ACitiesFileThatHoldsNoCityIsRefused)
{
    const std::string Commissioner = "answer yes\ndialog 159 press 1\ncommand \"League Editor\"\n";
    for (const char* szFile : {"", "no cities here\n"}) {
        program_support::Write_File(Data.Path() + "/Cities.txt", szFile);
        const process_runner::RUN_RESULT Imported =
            Run_Script(std::string(NEW_GAME) + Commissioner +
                       "answer ok\nanswer yes\ndialog 160 press 1380\ndialog 160 press 1\ncommand \"City Editor\"\n"
                       "quit\n");
        ASSERT_FALSE(Imported.bTimedOut);
        EXPECT_EQ(Imported.nExitCode, 2) << Imported.Out << Imported.Err;
        EXPECT_TRUE(Contains(Imported.Out, "Box [Import City Error] \"The city import file \"Cities.txt\" holds "
                                           "no city"))
            << Imported.Out;
        EXPECT_TRUE(Contains(Imported.Err, "holds no city")) << Imported.Err;
        EXPECT_FALSE(Contains(Imported.Out, "City Import Complete")) << Imported.Out;
        EXPECT_FALSE(Contains(Imported.Out, "now play in")) << Imported.Out;
    }
}

}  // namespace
