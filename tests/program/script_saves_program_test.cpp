// A saved game and the scripts that must leave it alone: a script whose
// lines are refused, or that did not ask for the save, never changes the
// bytes of a saved game; the closing summary names only what its run wrote.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace {

using program_support::Contains;
using process_runner::RUN_RESULT;

// Resumes "Mine" and plays a week, so that the league differs from the file.
constexpr const char* RESUME_MINE_AND_PLAY =
    "welcome resume\n"
    "dialog 118 select 1077 \"Mine\"\n"
    "dialog 118 press 1\n"
    "command \"One Week\"\n";

class ScriptSavesProgramTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"saves_data", false};
    SCRATCH_FOLDER Output{"saves_out", false};
    std::string Mine;   // the saved game's bytes as made

    void SetUp() override
    {
        ASSERT_TRUE(Data.Ready());
        ASSERT_TRUE(Output.Ready());
        program_support::Copy_Built_Data(Data.Path());
        const RUN_RESULT Made = Run(std::string(program_support::NEW_GAME) +
                                    "command \"One Week\"\n"
                                    "dialog 120 set 1082 \"Mine\"\n"
                                    "dialog 120 press 1\n"
                                    "command \"Save Game\"\n"
                                    "quit\n");
        ASSERT_EQ(Made.nExitCode, 0) << Made.Out << Made.Err;
        Mine = Read_Text_File(Mine_Path(), "(no saved game)");
        ASSERT_NE(Mine, "(no saved game)");
    }

    std::string Mine_Path() const { return Data.Path() + "/Mine.zrt"; }

    RUN_RESULT Run(const std::string& Script)
    {
        return program_support::Run_Headless_Script({Data.Path(), Output.Path(), "saves.kelvo"}, Script);
    }

    // The run fails with exit status 2 and leaves Mine.zrt byte for byte.
    void Expect_Failed_And_Mine_Kept(const std::string& Lines, const std::string& Message)
    {
        SCOPED_TRACE(Lines);
        const RUN_RESULT Result = Run(std::string(RESUME_MINE_AND_PLAY) + Lines);
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
        EXPECT_TRUE(Contains(Result.Err, Message)) << Result.Err;
        EXPECT_FALSE(Contains(Result.Out, "Overwrite?\" -> OK")) << Result.Out;
        EXPECT_TRUE(Read_Text_File(Mine_Path(), "(gone)") == Mine) << "Mine.zrt was changed\n" << Result.Out;
    }
};

}  // namespace

TEST_F(ScriptSavesProgramTest, ARefusedLineOfTheSaveDialogSavesNothing)
{
    // The lines before Save Game, and the same lines before quit.
    for (const char* szEnd : {"command \"Save Game\"\nquit\n", "quit\n"}) {
        Expect_Failed_And_Mine_Kept(std::string("dialog 120 set 1083 \"Copy\"\ndialog 120 press 1\n") + szEnd,
                                    "line 5: dialog 120 \"Save Game\": control 1083 does not exist");
        Expect_Failed_And_Mine_Kept(std::string("dialog 120 press 3\ndialog 120 press 1\n") + szEnd,
                                    "line 5: dialog 120 \"Save Game\": control 3 does not exist");
        Expect_Failed_And_Mine_Kept(std::string("dialog 120 check 1082 1\ndialog 120 press 1\n") + szEnd,
                                    "line 5: dialog 120 \"Save Game\": control 1082 is no check box");
        // A control byte in the name.
        Expect_Failed_And_Mine_Kept(std::string("dialog 120 set 1082 \"Mi\x01ne\"\ndialog 120 press 1\n") + szEnd,
                                    "line 5: dialog 120 \"Save Game\": control 1082 cannot hold that text");
        // The press first: the dialog would take its own name, "Mine".
        Expect_Failed_And_Mine_Kept(std::string("dialog 120 press 1\ndialog 120 set 1083 \"Copy\"\n") + szEnd,
                                    "line 6: dialog 120 \"Save Game\": control 1083 does not exist");
    }
}

TEST_F(ScriptSavesProgramTest, SaveLinesAfterTheSaveCommandDoNotLetItsDefaultsOverwrite)
{
    // Save Game takes no line of its own: its default name is "Mine", and
    // the "Overwrite?" box is not confirmed for the script.
    Expect_Failed_And_Mine_Kept("command \"Save Game\"\ndialog 120 set 1083 \"Copy\"\ndialog 120 press 1\nquit\n",
                                "line 5: the box [Filename in use]");
    Expect_Failed_And_Mine_Kept("command \"Save Game\"\nquit\n", "line 5: the box [Filename in use]");
    Expect_Failed_And_Mine_Kept("quit\n", "line 5: the box [Filename in use]");

    // The run stopped on its line after a week was played: the closing
    // summary follows the message naming the line, and names what the week
    // wrote (no saved game: none was written).
    program_support::SCRIPT_RUN Merged{Data.Path(), Output.Path(), "saves.kelvo"};
    Merged.bErrorsInOutput = true;
    const RUN_RESULT Result = program_support::Run_Headless_Script(Merged, std::string(RESUME_MINE_AND_PLAY) + "quit\n");
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 2) << Result.Out;
    const size_t nMessage = Result.Out.find("saves.kelvo\" line 5: the box [Filename in use]");
    ASSERT_NE(nMessage, std::string::npos) << Result.Out;
    const size_t nBoxScores = Result.Out.find("\nBox scores: " + Data.Path() + "/Output/Box-*.htm (");
    const size_t nRecaps = Result.Out.find("\nRecaps: " + Data.Path() + "/Output/Recap-*.htm (");
    ASSERT_NE(nBoxScores, std::string::npos) << Result.Out;
    ASSERT_NE(nRecaps, std::string::npos) << Result.Out;
    EXPECT_GT(nBoxScores, nMessage) << Result.Out;
    EXPECT_GT(nRecaps, nBoxScores) << Result.Out;
    EXPECT_FALSE(Contains(Result.Out, "Saved game: " + Mine_Path())) << Result.Out;
    EXPECT_TRUE(Read_Text_File(Mine_Path(), "(gone)") == Mine);
}

TEST_F(ScriptSavesProgramTest, CancelInTheSaveDialogAtQuitIsNotFollowedByASaveOfItsDefaults)
{
    const RUN_RESULT Result = Run(std::string(RESUME_MINE_AND_PLAY) + "dialog 120 press 2\nquit\n");
    ASSERT_FALSE(Result.bTimedOut);
    // The script's Cancel turned the quit down; its end does not offer the
    // save again, and ends the run.
    EXPECT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    const std::string Offer = "Box [Game Not Saved]";
    const size_t nOffer = Result.Out.find(Offer);
    ASSERT_NE(nOffer, std::string::npos) << Result.Out;
    EXPECT_EQ(Result.Out.find(Offer, nOffer + 1), std::string::npos) << Result.Out;
    EXPECT_TRUE(Contains(Result.Out, "Dialog 120 \"Save Game\": press 2; end 0\n")) << Result.Out;
    EXPECT_FALSE(Contains(Result.Out, "Overwrite?\" -> OK")) << Result.Out;
    EXPECT_FALSE(Contains(Result.Out, "Saved game:")) << Result.Out;
    EXPECT_TRUE(Read_Text_File(Mine_Path(), "(gone)") == Mine) << "Mine.zrt was changed\n" << Result.Out;
}

TEST_F(ScriptSavesProgramTest, AnOverwriteTheScriptConfirmsIsMade)
{
    // The same save with the box answered, plainly or "if asked": the file
    // changes, and is named.
    for (const char* szAnswer : {"answer ok\n", "answer ok if asked\n"}) {
        program_support::Write_File(Mine_Path(), Mine);
        const RUN_RESULT Result = Run(std::string(RESUME_MINE_AND_PLAY) +
                                      "dialog 120 set 1082 \"Mine\"\ndialog 120 press 1\n" + szAnswer +
                                      "command \"Save Game\"\nquit\n");
        ASSERT_EQ(Result.nExitCode, 0) << szAnswer << Result.Out << Result.Err;
        EXPECT_TRUE(Contains(Result.Out, "Overwrite?\" -> OK\n")) << Result.Out;
        EXPECT_FALSE(Read_Text_File(Mine_Path(), "(gone)") == Mine) << szAnswer;
        EXPECT_TRUE(Contains(Result.Out, "Saved game: " + Data.Path() + "/Mine.zrt")) << Result.Out;
    }
}

TEST_F(ScriptSavesProgramTest, AnOverwriteAnsweredIfAskedIsMadeWhenAskedAndLapsesWhenNot)
{
    // Asked, the answer is taken as a plain one (AnOverwriteTheScriptConfirmsIsMade).
    // Not asked (a new name): the answer lapses with its step, the run goes
    // on; a plain answer no box takes still fails its line.
    const RUN_RESULT Unasked = Run(std::string(RESUME_MINE_AND_PLAY) +
                                   "dialog 120 set 1082 \"Other\"\ndialog 120 press 1\nanswer ok if asked\n"
                                   "command \"Save Game\"\ncommand Standings\nquit\n");
    ASSERT_EQ(Unasked.nExitCode, 0) << Unasked.Out << Unasked.Err;
    EXPECT_FALSE(Contains(Unasked.Out, "Overwrite?")) << Unasked.Out;
    EXPECT_TRUE(Contains(Unasked.Out, "Saved game: " + Data.Path() + "/Other.zrt")) << Unasked.Out;
    const RUN_RESULT Plain = Run(std::string(RESUME_MINE_AND_PLAY) +
                                 "dialog 120 set 1082 \"Third\"\ndialog 120 press 1\nanswer ok\n"
                                 "command \"Save Game\"\nquit\n");
    EXPECT_EQ(Plain.nExitCode, 2) << Plain.Out << Plain.Err;
    EXPECT_TRUE(Contains(Plain.Err, "line 7: no message box took this answer")) << Plain.Err;

    // The lapsed answer is gone with its step: a later save to the name
    // just made, which no line answers, is declined. The file keeps the
    // bytes of the first save (those of the run above, which saved the
    // same league under the same name), though a week was played since.
    const std::string Other = Data.Path() + "/Other.zrt";
    const std::string First = Read_Text_File(Other, "(no saved game)");
    ASSERT_NE(First, "(no saved game)");
    ASSERT_TRUE(std::filesystem::remove(Other));
    const std::string Save_Other = "dialog 120 set 1082 \"Other\"\ndialog 120 press 1\n";
    const RUN_RESULT Again = Run(std::string(RESUME_MINE_AND_PLAY) + Save_Other + "answer ok if asked\n" +
                                 "command \"Save Game\"\ncommand \"One Week\"\n" + Save_Other +
                                 "command \"Save Game\"\nquit\n");
    EXPECT_EQ(Again.nExitCode, 2) << Again.Out << Again.Err;
    EXPECT_TRUE(Contains(Again.Err, "line 12: the box [Filename in use]")) << Again.Err;
    EXPECT_FALSE(Contains(Again.Out, "Overwrite?\" -> OK")) << Again.Out;
    EXPECT_TRUE(Read_Text_File(Other, "(gone)") == First) << "Other.zrt was replaced\n" << Again.Out;

    // Every answer left is looked at, not only the first: a plain answer
    // behind a lapsed one still fails its line.
    const RUN_RESULT Behind = Run(std::string(RESUME_MINE_AND_PLAY) + "answer ok if asked\nanswer yes\n"
                                                                      "command Standings\nquit\n");
    EXPECT_EQ(Behind.nExitCode, 2) << Behind.Out << Behind.Err;
    EXPECT_TRUE(Contains(Behind.Err, "line 6: no message box took this answer")) << Behind.Err;
}

TEST_F(ScriptSavesProgramTest, TheSummaryOfARunThatWroteNothingNamesNoFileOfAnEarlierRun)
{
    // Right after the run that made Mine (within its second, most likely).
    const RUN_RESULT Result = Run("welcome resume\ndialog 118 select 1077 \"Mine\"\ndialog 118 press 1\nquit\n");
    ASSERT_EQ(Result.nExitCode, 0) << Result.Out << Result.Err;
    EXPECT_FALSE(Contains(Result.Out, "Box scores:")) << Result.Out;
    EXPECT_FALSE(Contains(Result.Out, "Saved game:")) << Result.Out;
    EXPECT_FALSE(Contains(Result.Out, "Recaps:")) << Result.Out;
    EXPECT_TRUE(Read_Text_File(Mine_Path(), "(gone)") == Mine);
}

TEST_F(ScriptSavesProgramTest, EachLineActsOnceAndADialogLeftOpenIsCancelled)
{
    // Print's press is not made again by the default before the cancel.
    const RUN_RESULT Print = Run("welcome resume\ndialog 118 select 1077 \"Mine\"\ndialog 118 press 1\n"
                                 "dialog 155 set 1082 \"Once\"\ndialog 155 press 1\ncommand Print\nquit\n");
    ASSERT_EQ(Print.nExitCode, 0) << Print.Out << Print.Err;
    EXPECT_TRUE(Contains(Print.Out, "Dialog 155 \"Print\": set 1082 \"Once\"; press 1; press 2 (left open); end "))
        << Print.Out;
    // One file written, once.
    const std::string Written = "\"Player statistics successfully written to Output/Once.xls\"";
    const size_t nWritten = Print.Out.find(Written);
    ASSERT_NE(nWritten, std::string::npos) << Print.Out;
    EXPECT_EQ(Print.Out.find(Written, nWritten + 1), std::string::npos) << Print.Out;
    // The closing summary names it as the file it is, not as its folder.
    EXPECT_TRUE(Contains(Print.Out, "\nFile: " + Data.Path() + "/Output/Once.xls\n")) << Print.Out;
    EXPECT_FALSE(Contains(Print.Out, "\nFolder: ")) << Print.Out;

    // A refused name shows its box once, and the run stops there.
    const RUN_RESULT Refused = Run(std::string(RESUME_MINE_AND_PLAY) +
                                   "dialog 120 set 1082 \"../Mine\"\ndialog 120 press 1\ncommand \"Save Game\"\n");
    EXPECT_EQ(Refused.nExitCode, 2) << Refused.Out << Refused.Err;
    const std::string Box = "Box [Invalid Game Name]";
    const size_t nFirst = Refused.Out.find(Box);
    ASSERT_NE(nFirst, std::string::npos) << Refused.Out;
    EXPECT_EQ(Refused.Out.find(Box, nFirst + 1), std::string::npos) << Refused.Out;
    EXPECT_TRUE(Contains(Refused.Out, "Dialog 120 \"Save Game\": set 1082 \"../Mine\"; press 1; press 2 (left open); end "))
        << Refused.Out;
    EXPECT_TRUE(Read_Text_File(Mine_Path(), "(gone)") == Mine);
}
