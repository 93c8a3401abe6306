// The headless program exports the user's club as a Tolvaren card deck:
// "tool Export_Tolvaren_Cards" after a new game writes the 54 pictures and
// the players' grades under "Tolvaren/Output" and the audible list beside
// it, in the program's current folder (the data folder); a new game's club
// marks no deck plays, so its play cards are blank and the list of plays is
// not started.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "process_runner.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const std::string PROGRAM = KELVO_PROGRAM_PATH;
const std::string BUILT_DATA = fs::path(PROGRAM).parent_path().string() + "/data";

class CardExportProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"card_program_data", false};
    SCRATCH_FOLDER Output{"card_program_out", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        std::error_code Error;
        fs::copy(BUILT_DATA, Data.Path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing, Error);
        ASSERT_FALSE(Error) << Error.message();
        for (const char* szName : {"debug.txt", "ZrtFame.dat", "Output", "HTML_Export", "Tolvaren"})
            fs::remove_all(Data.Path() + "/" + szName, Error);
    }
};

}  // namespace

TEST_F(CardExportProgramTest, AToolLineExportsTheUsersClub)
{
    const std::string ScriptPath = Output.Path() + "/cards.kelvo";
    FILE* pFile = std::fopen(ScriptPath.c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    std::fputs("welcome new\n"
               "dialog 105 select 1089 \"2019\"\n"
               "dialog 105 select 1010 \"Buffalo Frost\"\n"
               "dialog 105 set 1013 \"Pat\"\n"
               "dialog 105 press 1391\n"
               "tool Export_Tolvaren_Cards\n"
               "quit\n",
               pFile);
    std::fclose(pFile);
    process_runner::RUN_OPTIONS Options;
    Options.Env = {"KELVO_DATA=" + Data.Path()};
    Options.Folder = Output.Path();
    Options.Output = Output.Path();
    Options.Limit = std::chrono::seconds(200);
    const process_runner::RUN_RESULT Result =
        process_runner::Run(PROGRAM, {"--headless", "--script", ScriptPath, "IS_NOT_RANDOM"}, Options);
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    // A new game marks no plays for the deck: 25 blank play cards, said once.
    EXPECT_NE(Result.Out.find("Tool Export_Tolvaren_Cards: 54 card pictures written to Tolvaren//Output, deck of 0 "
                              "plays"),
              std::string::npos)
        << Result.Out;
    EXPECT_NE(Result.Out.find("Box [Tolvaren Export] \"The deck holds 0 plays of 25"), std::string::npos) << Result.Out;
    EXPECT_EQ(Result.Out.find("Box [Tolvaren Export]"), Result.Out.rfind("Box [Tolvaren Export]"));
    const std::string Root = Data.Path() + "/Tolvaren/Output";
    size_t nPictures = 0;
    for (const auto& Entry : fs::directory_iterator(Root))
        nPictures += Entry.path().extension() == ".png" ? 1 : 0;
    EXPECT_EQ(nPictures, 54u);
    EXPECT_TRUE(fs::is_regular_file(Root + "/Players.csv"));
    EXPECT_FALSE(fs::exists(Data.Path() + "/Tolvaren-Playbooks.csv"));
    const std::string Audibles = Read_Text_File(Data.Path() + "/Tolvaren-Audibles.csv");
    EXPECT_EQ(std::count(Audibles.begin(), Audibles.end(), '\n'), 5);
}
