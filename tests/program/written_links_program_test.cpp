// Files the program writes by a name a user chose or a tool fixes, met by
// links planted at those names and by a full disk: a link is never written
// through (its target keeps its bytes, a dangling one's target is never
// made), and a write that fails keeps the old file and fails its line.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::Contains;
using program_support::NEW_GAME;

// The script lines that print the statistics of the user's club to
// "Output/NAME.xls" through the Print dialog (File > Print).
std::string Print_As(const std::string& Name)
{
    return "dialog 155 set 1082 \"" + Name + "\"\n"
           "dialog 155 select 1226 \"Tab-delmited (.xls)\"\n"
           "dialog 155 press 1\n"
           "dialog 155 press 2\n"
           "command Print\n";
}

bool Is_Plain_File(const std::string& Path)
{
    return fs::is_regular_file(fs::symlink_status(Path));
}

class WrittenLinksProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"written_links_data", false};
    SCRATCH_FOLDER Output{"written_links_out", false};
    SCRATCH_FOLDER Elsewhere{"written_links_elsewhere", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        ASSERT_TRUE(Elsewhere.Ready());
        program_support::Copy_Built_Data(Data.Path());
        fs::create_directories(Data.Path() + "/Output/Ratings");
        fs::create_directories(Data.Path() + "/Vazarudu Stats");
    }
    std::string In_Data(const std::string& Name) const { return Data.Path() + "/" + Name; }
    std::string Outside(const std::string& Name) const { return Elsewhere.Path() + "/" + Name; }
    // A file outside the data folder with its own bytes, and a link to it at
    // Name.
    void Plant_Link(const std::string& Name, const std::string& Target)
    {
        program_support::Write_File(Outside(Target), "the linked file " + Target);
        fs::create_symlink(Outside(Target), In_Data(Name));
    }
};

// Every writer that replaces its file whole or appends to it, each with a
// link planted at its name: the print, the statistics file, the league names
// file, the ratings file (a dangling link) and the multipliers file (a
// dangling link). The linked files keep their bytes, no dangling link's
// target is made, and each name holds the program's own file.
TEST_F(WrittenLinksProgramTest, NoWriterWritesThroughALinkAtItsName)
{
    Plant_Link("Output/Stats.xls", "print.xls");
    Plant_Link("Output/stats.htm", "stats.htm");
    Plant_Link("Vazarudu Stats/2k6_league.txt", "league.txt");
    fs::create_symlink(Outside("ratings.csv"), In_Data("Output/Ratings/2019_Player_Ratings.csv"));
    fs::create_symlink(Outside("multipliers.csv"), In_Data("Play_Multipliers.csv"));
    const process_runner::RUN_RESULT Result = program_support::Run_Headless_Script(
        {Data.Path(), Output.Path(), "links.kelvo", std::chrono::seconds(100)},
        std::string(NEW_GAME) + Print_As("Stats") +
            "tool Write_Player_Stats_File Output/stats.htm 0 0 0 -1 3\n"
            "tool Write_League_Names_File\n"
            "tool Export_Current_Player_Ratings 15\n"
            "tool Output_Play_Selection_Multipliers\n"
            "quit\n");
    ASSERT_FALSE(Result.bTimedOut) << Result.Out << Result.Err;
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;

    for (const char* szTarget : {"print.xls", "stats.htm", "league.txt"})
        EXPECT_EQ(Read_Text_File(Outside(szTarget)), std::string("the linked file ") + szTarget) << szTarget;
    EXPECT_FALSE(fs::exists(fs::symlink_status(Outside("ratings.csv")))) << "the ratings made the link's target";
    EXPECT_FALSE(fs::exists(fs::symlink_status(Outside("multipliers.csv")))) << "the multipliers made the link's target";
    size_t nOutside = 0;
    for ([[maybe_unused]] const auto& Entry : fs::directory_iterator(Elsewhere.Path()))
        ++nOutside;
    EXPECT_EQ(nOutside, 3u) << "a file was made beside the linked ones";

    // Each name now holds the program's own file, with what it writes.
    for (const char* szName : {"Output/Stats.xls", "Output/stats.htm", "Vazarudu Stats/2k6_league.txt",
                               "Output/Ratings/2019_Player_Ratings.csv", "Play_Multipliers.csv"})
        EXPECT_TRUE(Is_Plain_File(In_Data(szName))) << szName;
    EXPECT_EQ(Read_Text_File(In_Data("Output/Stats.xls")).rfind("2019 Offense\t", 0), 0u)
        << Read_Text_File(In_Data("Output/Stats.xls")).substr(0, 200);
    EXPECT_TRUE(Contains(Read_Text_File(In_Data("Output/stats.htm")), "<HTML>"));
    // The league names file holds the eleven lines appended, nothing of the
    // linked file's.
    const std::string Names = Read_Text_File(In_Data("Vazarudu Stats/2k6_league.txt"));
    EXPECT_EQ(std::count(Names.begin(), Names.end(), '\n'), 11) << Names;
    EXPECT_EQ(Read_Text_File(In_Data("Output/Ratings/2019_Player_Ratings.csv")).rfind("PlayerID,2019_Team,", 0), 0u);
    EXPECT_EQ(Read_Text_File(In_Data("Play_Multipliers.csv")).rfind("Pass Rush: ", 0), 0u);
}

// Print on a full disk: the box says so in the system's words, the old file
// stays whole under its name, no temporary is left, and the script line that
// printed fails with exit status 2.
TEST_F(WrittenLinksProgramTest, APrintOntoAFullDiskKeepsTheOldFileAndFailsItsLine)
{
    program_support::Write_File(In_Data("Output/Stats.xls"), "the old statistics\n");
    program_support::SCRIPT_RUN Full{Data.Path(), Output.Path(), "full.kelvo", std::chrono::seconds(100)};
    Full.Env = program_support::Write_Faults_Env(In_Data("Output"), "KELVO_FAULT_FULL=1");
    const process_runner::RUN_RESULT Result =
        program_support::Run_Headless_Script(Full, std::string(NEW_GAME) + Print_As("Stats") + "command Standings\nquit\n");
    ASSERT_FALSE(Result.bTimedOut) << Result.Out << Result.Err;
    EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
    // NEW_GAME is five lines; the Print's are lines 6-10.
    EXPECT_TRUE(Contains(Result.Err, "line 10: nothing was saved: Unable to write to file "
                                     "Output/Stats.xls. It is possible that the drive is full, or the file is in "
                                     "use. (No space left on device)"))
        << Result.Err;
    EXPECT_FALSE(Contains(Result.Out, "Command Standings")) << Result.Out;
    EXPECT_EQ(Read_Text_File(In_Data("Output/Stats.xls")), "the old statistics\n");
    EXPECT_EQ(program_support::Count_Files(In_Data("Output"), ".kelvo-save-"), 0u);

    // The same line with room writes the file, exit status 0.
    const process_runner::RUN_RESULT Room = program_support::Run_Headless_Script(
        {Data.Path(), Output.Path(), "room.kelvo", std::chrono::seconds(100)},
        std::string(NEW_GAME) + Print_As("Stats") + "answer no\nquit\n");
    EXPECT_EQ(Room.nExitCode, 0) << Room.Out << Room.Err;
    EXPECT_EQ(Read_Text_File(In_Data("Output/Stats.xls")).rfind("2019 Offense\t", 0), 0u);
}

// The database builder's ratings file is whole or absent after a kill in
// its middle: it is written under a temporary that a kill leaves behind
// (removed at the next start), never cut under its own name. (Its lines
// once went in one at a time: a kill left 169 of 1,697.)
TEST_F(WrittenLinksProgramTest, AKilledDatabaseBuildLeavesNoCutRatingsFile)
{
    const std::string Ratings = In_Data("Output/Ratings/2010_Player_Ratings.csv");
    program_support::Write_File(Ratings, "the old ratings\n");
    program_support::SCRIPT_RUN Killed{Data.Path(), Output.Path(), "killed.kelvo", std::chrono::seconds(200)};
    Killed.Env = program_support::Write_Faults_Env(In_Data("Output/Ratings"), "KELVO_FAULT_KILL_AT=1");
    const process_runner::RUN_RESULT Result =
        program_support::Run_Headless_Script(Killed, "tool Create_Universe_Database 2010\nquit\n");
    ASSERT_FALSE(Result.bTimedOut) << Result.Out << Result.Err;
    EXPECT_FALSE(Contains(Result.Out, "Tool Create_Universe_Database")) << "the kill did not come: " << Result.Out;
    EXPECT_EQ(Read_Text_File(Ratings), "the old ratings\n");
    EXPECT_EQ(program_support::Count_Files(In_Data("Output/Ratings"), ".kelvo-save-"), 1u);

    // Built again unhindered: the whole file, one line per player after the
    // header, takes the name and the leftover temporary is gone.
    const process_runner::RUN_RESULT Built = program_support::Run_Headless_Script(
        {Data.Path(), Output.Path(), "built.kelvo", std::chrono::seconds(200)}, "tool Create_Universe_Database 2010\nquit\n");
    ASSERT_EQ(Built.nExitCode, 0) << Built.Out << Built.Err;
    const std::string Text = Read_Text_File(Ratings);
    EXPECT_EQ(Text.rfind("PlayerID,2010_Team,", 0), 0u) << Text.substr(0, 200);
    EXPECT_EQ(Text.back(), '\n');
    EXPECT_GT(std::count(Text.begin(), Text.end(), '\n'), 1000);
    EXPECT_EQ(program_support::Count_Files(In_Data("Output/Ratings"), ".kelvo-save-"), 0u);
}

}  // namespace
