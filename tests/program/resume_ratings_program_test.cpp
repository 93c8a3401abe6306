// A save and a resume leave every player as he was: the ratings export of
// a league read the same right after it is resumed in a new run.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace {

using program_support::Count_Text;
using program_support::Save_As;

class ResumeRatingsProgramTest : public program_support::HEADLESS_PROGRAM_TEST {
protected:
    ResumeRatingsProgramTest() : HEADLESS_PROGRAM_TEST("resume_ratings_data", "resume_ratings_out", "ratings.kelvo") {}

    std::string Exported() const { return Read_Text_File(Data.Path() + "/Output/Ratings/2019_Player_Ratings.csv"); }
};

// The first line that differs between two texts, both sides shown; "" when
// they hold the same lines.
std::string First_Different_Line(const std::string& A, const std::string& B)
{
    std::istringstream InA(A), InB(B);
    std::string LineA, LineB;
    while (true) {
        const bool bA = static_cast<bool>(std::getline(InA, LineA));
        const bool bB = static_cast<bool>(std::getline(InB, LineB));
        if (!bA && !bB)
            return "";
        if (!bA || !bB || LineA != LineB)
            return "before: " + (bA ? LineA : "(none)") + "\nafter:  " + (bB ? LineB : "(none)");
    }
}

// Half a season as Seattle's owner: players made during it, the free agents
// drawn to fill the pool among them, read the same once the game is resumed.
TEST_F(ResumeRatingsProgramTest, HalfASeasonSavedAndResumedExportsTheSameRatings)
{
    const process_runner::RUN_RESULT Played = Run_Script(
        "welcome new\n"
        "dialog 105 select 1089 \"2019\"\n"
        "dialog 105 select 1010 \"Seattle Rainmakers\"\n"
        "dialog 105 set 1013 \"Pat\"\n"
        "dialog 105 press 1391\n"
        "command \"Half Season\"\n"
        "tool Export_Current_Player_Ratings 15\n" +
        Save_As("Mine") + "quit\n");
    ASSERT_FALSE(Played.bTimedOut);
    ASSERT_EQ(Played.nExitCode, 0) << Played.Out << Played.Err;
    const std::string Before = Exported();
    ASSERT_GT(Count_Text(Before, "\n"), 1500u) << Before.substr(0, 300);

    const process_runner::RUN_RESULT Resumed = Run_Script(
        "welcome resume\n"
        "dialog 118 select 1077 \"Mine\"\n"
        "dialog 118 press 1\n"
        "tool Export_Current_Player_Ratings 15\n"
        "quit\n");
    ASSERT_FALSE(Resumed.bTimedOut);
    ASSERT_EQ(Resumed.nExitCode, 0) << Resumed.Out << Resumed.Err;
    EXPECT_EQ(First_Different_Line(Before, Exported()), "");
}

}  // namespace
