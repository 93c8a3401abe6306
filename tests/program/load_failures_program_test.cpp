// Files a script's dialog cannot load, and answers that wait for the first
// command: a damaged saved game or a playbook that is no whole playbook fails
// the line that pressed Load or Resume, with the reason in the box and in
// the message, and nothing after it runs; an "answer" line before the first
// command answers that command's box.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <string>

#include "process_runner.h"
#include "program_support.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

using program_support::Contains;
using process_runner::RUN_RESULT;

class LoadFailuresProgramTest : public program_support::HEADLESS_PROGRAM_TEST {
protected:
    LoadFailuresProgramTest() : HEADLESS_PROGRAM_TEST("loadfail_data", "loadfail_out", "load.kelvo") {}

    // A new game played one week, saved as "Mine"; its bytes.
    std::string Make_Mine()
    {
        const RUN_RESULT Made = Run_Script(std::string(program_support::NEW_GAME) +
                                    "command \"One Week\"\n"
                                    "dialog 120 set 1082 \"Mine\"\n"
                                    "dialog 120 press 1\n"
                                    "command \"Save Game\"\n"
                                    "quit\n");
        EXPECT_EQ(Made.nExitCode, 0) << Made.Out << Made.Err;
        return Read_Text_File(Data.Path() + "/Mine.zrt", "(no saved game)");
    }
};

}  // namespace

// Before this, an answer after the welcome's lines was refused as taken by
// no box, so no script could confirm an overwrite as its first command.
TEST_F(LoadFailuresProgramTest, AnAnswerBeforeTheFirstCommandAnswersThatCommandsBox)
{
    const std::string Mine = Make_Mine();
    ASSERT_NE(Mine, "(no saved game)");
    // A new game saved over Mine by the first command: the overwrite box
    // takes the answer that waited for it.
    const RUN_RESULT Saved = Run_Script(std::string(program_support::NEW_GAME) +
                                 "answer ok\n"
                                 "dialog 120 set 1082 \"Mine\"\n"
                                 "dialog 120 press 1\n"
                                 "command \"Save Game\"\n"
                                 "quit\n");
    ASSERT_FALSE(Saved.bTimedOut);
    EXPECT_EQ(Saved.nExitCode, 0) << Saved.Out << Saved.Err;
    EXPECT_TRUE(Contains(Saved.Out, "Box [Filename in use] \"A saved game with that name already exists. Overwrite?\" -> OK\n"))
        << Saved.Out;
    EXPECT_TRUE(Contains(Saved.Out, "Saved game: " + Data.Path() + "/Mine.zrt")) << Saved.Out;
    EXPECT_NE(Read_Text_File(Data.Path() + "/Mine.zrt", "(gone)"), Mine) << "the new game was not saved over Mine";

    // Play Multiple Seasons as the first command, its question answered
    // Cancel: nothing is played, and the run ends well.
    const RUN_RESULT Declined = Run_Script(std::string(program_support::NEW_GAME) +
                                    "answer cancel\ncommand \"Play Multiple Seasons\"\nquit\n");
    ASSERT_FALSE(Declined.bTimedOut);
    EXPECT_EQ(Declined.nExitCode, 0) << Declined.Out << Declined.Err;
    EXPECT_TRUE(Contains(Declined.Out, "Is this OK?\" -> Cancel\n")) << Declined.Out;
    EXPECT_FALSE(Contains(Declined.Out, "Box scores:")) << Declined.Out;

    // An answer that neither the welcome's boxes nor the command's take is
    // still a line not carried out.
    const RUN_RESULT Unused = Run_Script(std::string(program_support::NEW_GAME) + "answer ok\ncommand Standings\nquit\n");
    EXPECT_EQ(Unused.nExitCode, 2) << Unused.Out << Unused.Err;
    EXPECT_TRUE(Contains(Unused.Err, "line 6: no message box took this answer")) << Unused.Err;
}

// Before this, the Load dialog's "Unable to load playbook file." box was
// shown and the run went on to exit 0.
TEST_F(LoadFailuresProgramTest, APlaybookTheLoadDialogCannotLoadFailsThePressLine)
{
    const std::string Books = Data.Path() + "/playbooks/";
    struct BAD_BOOK {
        const char* szKind;
        const char* szReason;
    };
    const BAD_BOOK Kinds[] = {
        {"one byte", "it holds 1 byte; a playbook of its side is 19680 bytes long"},
        {"empty", "it holds 0 bytes; a playbook of its side is 19680 bytes long"},
        {"longer", "it holds more bytes than that; a playbook of its side is 19680 bytes long"},
        {"fifo", "not a regular file"},
        {"folder", "it is a folder, not a file"},
        {"link loop", "Too many levels of symbolic links"},
    };
    const std::string Whole = Read_Text_File(Books + "Default.opb");
    ASSERT_EQ(Whole.size(), 19680u);
    // The kind of bad book at Path (a link that leads to itself for the loop).
    auto Make = [&Whole](const std::string& Kind, const std::string& Path) {
        if (Kind == "one byte")
            program_support::Write_File(Path, "x");
        else if (Kind == "empty")
            program_support::Write_File(Path, "");
        else if (Kind == "longer")
            program_support::Write_File(Path, Whole + "x");
        else if (Kind == "fifo")
            ASSERT_EQ(::mkfifo(Path.c_str(), 0600), 0);
        else if (Kind == "folder")
            ASSERT_TRUE(fs::create_directory(Path));
        else
            fs::create_symlink(fs::path(Path).filename(), Path);
    };
    for (const BAD_BOOK& Kind : Kinds) {
        SCOPED_TRACE(Kind.szKind);
        const std::string Bad = Books + "Bad.opb";
        std::error_code Error;
        fs::remove_all(Bad, Error);
        Make(Kind.szKind, Bad);
        // The lines after the failed press (another book) are not carried out.
        const RUN_RESULT Result = Run_Script("welcome new\n"
                                      "dialog 196 select 1444 \"Bad\"\n"
                                      "dialog 196 press 1\n"
                                      "dialog 196 select 1444 \"Default\"\n"
                                      "dialog 196 press 1\n"
                                      "command 40141\n"
                                      "command \"One Week\"\n"
                                      "quit\n");
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
        const std::string Reason = std::string("\"playbooks/Bad.opb\": ") + Kind.szReason;
        EXPECT_TRUE(Contains(Result.Out, "Box [Read Error] \"Unable to load playbook file.\\n\\n" + Reason + ".\""))
            << Result.Out;
        EXPECT_TRUE(Contains(Result.Err, "line 3: dialog 196 \"Load Offensive Playbook\": the playbook was not loaded: " +
                                             Reason))
            << Result.Err;
        EXPECT_FALSE(Contains(Result.Out, "Command 40011")) << "the run went on after the failed load";
        EXPECT_TRUE(Contains(Result.Out, "; not carried out: select 1444 \"Default\"; not carried out: press 1; "
                                         "press 2 (refused); end 2"))
            << Result.Out;
        // The tool reads the same kind of file and fails its line too.
        fs::remove_all(Bad, Error);
        const std::string Named = Books + "2019-Frost.opb";
        Make(Kind.szKind, Named);
        const RUN_RESULT Tool = Run_Script("tool Load_Playbooks\n");
        EXPECT_EQ(Tool.nExitCode, 2) << Tool.Out << Tool.Err;
        EXPECT_TRUE(Contains(Tool.Err, "\"playbooks/2019-Frost.opb\" is not a whole playbook (" +
                                           std::string(Kind.szReason) + ")"))
            << Tool.Err;
        fs::remove_all(Named, Error);
    }
}

// Before this, the Read Error box gave no reason (only debug.txt did), the
// failure named the line after the press, and a file claiming version 9999
// loaded as a current one.
TEST_F(LoadFailuresProgramTest, ADamagedSavedGameFailsTheResumeLineWithTheReason)
{
    const std::string Mine = Make_Mine();
    ASSERT_GT(Mine.size(), 1000u);
    auto Length_At = [&Mine](size_t nAt) {
        return static_cast<size_t>(static_cast<unsigned char>(Mine[nAt])) |
               static_cast<size_t>(static_cast<unsigned char>(Mine[nAt + 1])) << 8 |
               static_cast<size_t>(static_cast<unsigned char>(Mine[nAt + 2])) << 16;
    };
    // The second block's stream starts after the head, the first block and
    // the second's length.
    const size_t nSecond = 25 + 4 + Length_At(25);
    std::string Flipped = Mine;
    Flipped[nSecond + 4 + 40] = static_cast<char>(Flipped[nSecond + 4 + 40] ^ 0x10);
    std::string Head = Mine;
    Head[0] = 'X';
    std::string Future = Mine;
    Future.replace(13, 4, "9999");
    const struct {
        const char* szKind;
        std::string Bytes;
        const char* szReason;
    } Cases[] = {
        {"truncated", Mine.substr(0, Mine.size() / 3),
         "The file is cut short or damaged: its block lengths end at block "},
        {"flipped byte", Flipped, "Block 2 of 100 is damaged: its compressed data do not inflate ("},
        {"bad head", Head, "Its head is not \"RIRARUVAZAVIZ\" and four version digits"},
        {"version 9999", Future, "Its head names version V9.999, which this program does not know"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.szKind);
        program_support::Write_File(Data.Path() + "/Bad.zrt", Case.Bytes);
        const RUN_RESULT Result = Run_Script("welcome resume\n"
                                      "dialog 118 select 1077 \"Mine\"\n"
                                      "dialog 118 press 1\n"
                                      "command \"One Week\"\n"
                                      "answer no\n"
                                      "dialog 118 select 1077 \"Bad\"\n"
                                      "dialog 118 press 1\n"
                                      "command \"Resume Game\"\n"
                                      "command \"One Week\"\n"
                                      "quit\n");
        ASSERT_FALSE(Result.bTimedOut);
        EXPECT_EQ(Result.nExitCode, 2) << Result.Out << Result.Err;
        // The box keeps its words and gives the reason after them.
        EXPECT_TRUE(Contains(Result.Out, "Box [Read Error] \"Couldn't load the game \"Bad.zrt\".\\n\\nThere was an "
                                         "error in reading the file.\\n\\n" +
                                             std::string(Case.szReason)))
            << Result.Out;
        // The press that asked for the file is the failed line (the week's
        // changes are not saved first).
        EXPECT_TRUE(Contains(Result.Err, "line 7: dialog 118 \"Resume Game\": the game was not loaded: \"Bad.zrt\" "
                                         "could not be loaded: "))
            << Result.Err;
        std::string Lower = Case.szReason;
        Lower[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(Lower[0])));
        EXPECT_TRUE(Contains(Result.Err, Lower)) << Result.Err;
        // Nothing ran after it, and nothing was saved: the one week played
        // was played on Mine, before the resume.
        const size_t nWeek = Result.Out.find("Command 40011");
        ASSERT_NE(nWeek, std::string::npos) << Result.Out;
        EXPECT_EQ(Result.Out.find("Command 40011", nWeek + 1), std::string::npos) << Result.Out;
        EXPECT_EQ(Read_Text_File(Data.Path() + "/Mine.zrt", "(gone)"), Mine);
    }
}
