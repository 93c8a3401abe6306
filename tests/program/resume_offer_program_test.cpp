// A game saved and resumed before its first game, through the real program
// run headless: the same offer to the same free agent meets the same answer,
// the room and the part of it kept for the rookies named alike.

#include <gtest/gtest.h>

#include <string>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace {

using process_runner::RUN_RESULT;
using program_support::Contains;

// The first free agent of the Free Agents list offered his terms.
constexpr const char* OFFER_FIRST_FREE_AGENT =
    "dialog 130 select 1124 @0\n"
    "dialog 186 press 1706\n"
    "dialog 130 press 1044\n"
    "command \"Free Agents\"\n";

// The "Not Enough Cap Room" box of a run's output, as the log writes it
// (empty when none was shown).
std::string Cap_Room_Box(const std::string& Out)
{
    const size_t nStart = Out.find("Box [Not Enough Cap Room]");
    if (nStart == std::string::npos)
        return "";
    return Out.substr(nStart, Out.find('\n', nStart) - nStart);
}

class ResumeOfferProgramTest : public program_support::HEADLESS_PROGRAM_TEST {
protected:
    ResumeOfferProgramTest() : HEADLESS_PROGRAM_TEST("resume_offer_data", "resume_offer_out", "offer.kelvo") {}
};

}  // namespace

TEST_F(ResumeOfferProgramTest, AnOfferBeforeTheFirstGameIsAnsweredAlikeAfterASaveAndAResume)
{
    // New Game 2019 as Buffalo: the offer, then the save.
    const RUN_RESULT Made = Run_Script(std::string(program_support::NEW_GAME) + OFFER_FIRST_FREE_AGENT +
                                program_support::Save_As("Before") + "quit\n");
    ASSERT_FALSE(Made.bTimedOut);
    ASSERT_EQ(Made.nExitCode, 0) << Made.Out << Made.Err;
    const std::string Before = Cap_Room_Box(Made.Out);
    // The club's room is short of his first year once the rookies' part is
    // kept: the box that says so is the one compared.
    ASSERT_TRUE(Contains(Before, "kept for the rookies of your draft picks")) << Made.Out;

    // Resumed: the same offer, the same box.
    const RUN_RESULT Resumed = Run_Script("welcome resume\n"
                                   "dialog 118 select 1077 \"Before\"\n"
                                   "dialog 118 press 1\n" +
                                   std::string(OFFER_FIRST_FREE_AGENT) + "answer no\nquit\n");
    ASSERT_FALSE(Resumed.bTimedOut);
    ASSERT_EQ(Resumed.nExitCode, 0) << Resumed.Out << Resumed.Err;
    EXPECT_TRUE(Contains(Resumed.Out, "Dialog 118 \"Resume Game\": select 1077 \"Before\"; press 1")) << Resumed.Out;
    EXPECT_EQ(Cap_Room_Box(Resumed.Out), Before) << Resumed.Out;
}
