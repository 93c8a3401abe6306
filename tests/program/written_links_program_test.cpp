// Files written by a name a user chose or a tool fixes, met by links planted
// at those names and by a full disk: no link is written through, and a Print
// that fails keeps the old file and fails its line.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// File > Print of the user's club to "Output/Stats.xls": script lines 6-10.
const std::string PRINT = "dialog 155 set 1082 \"Stats\"\ndialog 155 select 1226 \"Tab-delmited (.xls)\"\n"
                          "dialog 155 press 1\ndialog 155 press 2\ncommand Print\n";

TEST(WrittenLinksProgramTest, NoWriterFollowsALinkAndAFailedPrintKeepsTheOldFile)
{
    SCRATCH_FOLDER Data{"written_links_data", false};
    SCRATCH_FOLDER Output{"written_links_out", false};
    ASSERT_TRUE(Data.Ready() && Output.Ready());
    program_support::Copy_Built_Data(Data.Path());
    fs::create_directories(Data.Path() + "/Output/Ratings");
    fs::create_directories(Data.Path() + "/Vazarudu Stats");
    const std::string Linked = Output.Path() + "/linked.txt";
    program_support::Write_File(Linked, "the linked file");
    for (const char* szName : {"Output/Stats.xls", "Output/stats.htm", "Vazarudu Stats/2k6_league.txt"})
        fs::create_symlink(Linked, Data.Path() + "/" + szName);
    const std::string Ratings = Data.Path() + "/Output/Ratings/2019_Player_Ratings.csv";
    fs::create_symlink(Output.Path() + "/nowhere.csv", Ratings);
    const process_runner::RUN_RESULT Result = program_support::Run_Headless_Script(
        {Data.Path(), Output.Path()},
        std::string(program_support::NEW_GAME) + PRINT + "tool Write_Player_Stats_File Output/stats.htm 0 0 0 -1 3\n" +
            "tool Write_League_Names_File\ntool Export_Current_Player_Ratings 15\nanswer no\nquit\n");
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    EXPECT_EQ(Read_Text_File(Linked), "the linked file");
    EXPECT_FALSE(fs::exists(fs::symlink_status(Output.Path() + "/nowhere.csv")));
    for (const char* szName : {"Output/Stats.xls", "Output/stats.htm", "Vazarudu Stats/2k6_league.txt",
                               "Output/Ratings/2019_Player_Ratings.csv"})
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(Data.Path() + "/" + szName))) << szName;
    const std::string Printed = Read_Text_File(Data.Path() + "/Output/Stats.xls");
    EXPECT_EQ(Printed.rfind("2019 Offense\t", 0), 0u) << Printed.substr(0, 100);

    // On a full disk the Print keeps the old file and its line fails.
    program_support::SCRIPT_RUN Full{Data.Path(), Output.Path()};
    Full.Env = program_support::Write_Faults_Env(Data.Path() + "/Output", "KELVO_FAULT_FULL=1");
    const process_runner::RUN_RESULT Failed =
        program_support::Run_Headless_Script(Full, std::string(program_support::NEW_GAME) + PRINT + "quit\n");
    EXPECT_EQ(Failed.nExitCode, 2) << Failed.Out << Failed.Err;
    EXPECT_TRUE(program_support::Contains(Failed.Err, "line 10: nothing was saved: Unable to write to file "
                                                      "Output/Stats.xls. It is possible that the drive is full, or "
                                                      "the file is in use. (No space left on device)"))
        << Failed.Err;
    EXPECT_EQ(Read_Text_File(Data.Path() + "/Output/Stats.xls"), Printed);
    EXPECT_EQ(program_support::Count_Files(Data.Path() + "/Output", ".kelvo-save-"), 0u);
}

}  // namespace
