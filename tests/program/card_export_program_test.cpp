// The headless program exports the user's club as a Tolvaren card deck:
// "tool Export_Tolvaren_Cards" after a new game writes the 54 pictures and
// the players' grades under "Tolvaren/Output" and the audible list beside
// it, in the program's current folder (the data folder); a new game's club
// marks no deck plays, so the export fills its deck of 25 from the playbook
// and says so once.

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

class CardExportProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"card_program_data", false};
    SCRATCH_FOLDER Output{"card_program_out", false};

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        program_support::Copy_Built_Data(Data.Path());
    }
};

}  // namespace

TEST_F(CardExportProgramTest, AToolLineExportsTheUsersClub)
{
    const process_runner::RUN_RESULT Result = program_support::Run_Headless_Script(
        {Data.Path(), Output.Path(), "cards.kelvo", std::chrono::seconds(200)},
        "welcome new\n"
        "dialog 105 select 1089 \"2019\"\n"
        "dialog 105 select 1010 \"Buffalo Frost\"\n"
        "dialog 105 set 1013 \"Pat\"\n"
        "dialog 105 press 1391\n"
        "tool Export_Tolvaren_Cards\n"
        "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    // A new game marks no plays for the deck: the export fills all 25 of
    // the deck it draws, and says so once.
    EXPECT_NE(Result.Out.find("Tool Export_Tolvaren_Cards: 54 card pictures written to Tolvaren/Output, deck of 25 "
                              "plays (0 marked by the club's playbook, 25 filled)"),
              std::string::npos)
        << Result.Out;
    EXPECT_NE(Result.Out.find("Box [Tolvaren Export] \"The deck holds 25 plays: the club's offensive playbook marks 0 "
                              "for the deck, and 25 were filled from its other plays"),
              std::string::npos)
        << Result.Out;
    const size_t nLine = Result.Out.find("Tool Export_Tolvaren_Cards:");
    ASSERT_NE(nLine, std::string::npos);
    const std::string Line = Result.Out.substr(nLine, Result.Out.find('\n', nLine) - nLine);
    EXPECT_EQ(Line.find("//"), std::string::npos) << Line;
    EXPECT_EQ(Result.Out.find("Box [Tolvaren Export]"), Result.Out.rfind("Box [Tolvaren Export]"));
    const std::string Root = Data.Path() + "/Tolvaren/Output";
    size_t nPictures = 0;
    for (const auto& Entry : fs::directory_iterator(Root))
        nPictures += Entry.path().extension() == ".png" ? 1 : 0;
    EXPECT_EQ(nPictures, 54u);
    EXPECT_TRUE(fs::is_regular_file(Root + "/Players.csv"));
    const std::string Plays = Read_Text_File(Data.Path() + "/Tolvaren-Playbooks.csv");
    EXPECT_EQ(std::count(Plays.begin(), Plays.end(), '\n'), 25);
    const std::string Audibles = Read_Text_File(Data.Path() + "/Tolvaren-Audibles.csv");
    EXPECT_EQ(std::count(Audibles.begin(), Audibles.end(), '\n'), 5);
}
