// The real program with a display: the demonstration script run headless
// and against the real window gives the same lines and the same saved game;
// a DISPLAY naming no server runs headless with the notice; "--headless"
// opens no window; a display that goes away ends the program with status 1.

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "gui_support.h"
#include "program/process_runner.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

const std::string PROGRAM = KELVO_PROGRAM_PATH;
const std::string DEMO_SCRIPT = std::string(KELVO_SOURCE_ROOT) + "/scripts/demo.kelvo";
constexpr auto RUN_TIME_LIMIT = std::chrono::seconds(150);
const char* const NOTICE = "kelvo: no display; running headless";
const char* const OPENED = "Desktop window: display";

using process_runner::RUN_RESULT;

using gui_support::Contains;

std::string Replace_All(std::string Text, const std::string& From, const std::string& To)
{
    for (size_t n = Text.find(From); n != std::string::npos; n = Text.find(From, n + To.size()))
        Text.replace(n, From.size(), To);
    return Text;
}

// A scratch copy of the built data folder.
class DATA_COPY {
public:
    explicit DATA_COPY(const char* szTag) : m_Data(szTag, false), m_Output((std::string(szTag) + "_out").c_str(), false)
    {
        EXPECT_TRUE(gui_support::Copy_Fresh_Data(gui_support::Built_Data(), m_Data.Path()));
    }
    const std::string& Path() const { return m_Data.Path(); }
    std::string Log() const { return Read_Text_File(m_Data.Path() + "/debug.txt", "(no debug.txt)"); }

    process_runner::RUN_OPTIONS Options(const std::string& Display) const
    {
        process_runner::RUN_OPTIONS Options;
        Options.Env = {"KELVO_DATA=" + m_Data.Path()};
        if (!Display.empty())
            Options.Env.push_back("DISPLAY=" + Display);
        Options.Folder = m_Output.Path();
        Options.Output = m_Output.Path();
        Options.Limit = RUN_TIME_LIMIT;
        return Options;
    }

    RUN_RESULT Run(const std::vector<std::string>& Args, const std::string& Display) const
    {
        return process_runner::Run(PROGRAM, Args, Options(Display));
    }

private:
    SCRATCH_FOLDER m_Data;
    SCRATCH_FOLDER m_Output;
};

bool Have_Display()
{
    if (gui_support::Server_Running())
        return true;
    if (X_SERVER::Must_Have_Server())
        ADD_FAILURE() << "No X server for the GUI tests: " << gui_support::Server_Problem();
    return false;
}

#define REQUIRE_DISPLAY()                                                                 \
    do {                                                                                  \
        if (!Have_Display()) {                                                            \
            if (!X_SERVER::Must_Have_Server())                                            \
                GTEST_SKIP() << "no X server: " << gui_support::Server_Problem();          \
            return;                                                                       \
        }                                                                                 \
    } while (0)

std::string Display()
{
    const char* sz = std::getenv("DISPLAY");
    return sz != nullptr ? sz : "";
}

}  // namespace

TEST(GtkProgram, TheDemonstrationScriptGivesTheSameLinesAndSavedGameOnBothBackends)
{
    REQUIRE_DISPLAY();
    DATA_COPY Headless("gui_demo_hl");
    DATA_COPY Desktop("gui_demo_gtk");
    const RUN_RESULT A = Headless.Run({"--headless", "--script", DEMO_SCRIPT, "IS_NOT_RANDOM"}, Display());
    const RUN_RESULT B = Desktop.Run({"--script", DEMO_SCRIPT, "IS_NOT_RANDOM"}, Display());
    ASSERT_FALSE(A.bTimedOut);
    ASSERT_FALSE(B.bTimedOut);
    EXPECT_EQ(A.nExitCode, 0) << A.Err;
    EXPECT_EQ(B.nExitCode, 0) << B.Err;
    // The desktop run had its window; the headless one did not look for one.
    EXPECT_TRUE(Contains(Desktop.Log(), OPENED)) << Desktop.Log();
    EXPECT_FALSE(Contains(Headless.Log(), OPENED));
    EXPECT_FALSE(Contains(B.Err, NOTICE));
    // The same lines, but for the data folder each names.
    EXPECT_FALSE(A.Out.empty());
    EXPECT_EQ(Replace_All(B.Out, Desktop.Path(), "DATA"), Replace_All(A.Out, Headless.Path(), "DATA"));
    const std::string SavedA = Read_Text_File(Headless.Path() + "/Demo Season.zrt", "(none)");
    const std::string SavedB = Read_Text_File(Desktop.Path() + "/Demo Season.zrt", "(none B)");
    EXPECT_GT(SavedA.size(), 1000u);
    EXPECT_TRUE(SavedA == SavedB) << "the saved games differ: " << SavedA.size() << " and " << SavedB.size()
                                  << " bytes";
}

TEST(GtkProgram, AnswersKeysAndRefusalsOfAScriptActTheSameOnTheWindow)
{
    REQUIRE_DISPLAY();
    DATA_COPY Headless("gui_answers_hl");
    DATA_COPY Desktop("gui_answers_gtk");
    // A week played by its key, the offer to save at quit declined; then a
    // line the open dialog cannot carry out, refused with status 2.
    const std::string Script = Headless.Path() + "/gui_answers.kelvo";
    {
        FILE* pFile = std::fopen(Script.c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        std::fputs("welcome new\n"
                   "dialog 105 select 1010 \"Buffalo Frost\"\n"
                   "dialog 105 press 1391\n"
                   "key Ctrl+1\n"
                   "answer no\n"
                   "quit\n",
                   pFile);
        std::fclose(pFile);
    }
    const RUN_RESULT A = Headless.Run({"--headless", "--script", Script, "IS_NOT_RANDOM"}, Display());
    const RUN_RESULT B = Desktop.Run({"--script", Script, "IS_NOT_RANDOM"}, Display());
    EXPECT_EQ(A.nExitCode, 0) << A.Err;
    EXPECT_EQ(B.nExitCode, 0) << B.Err;
    EXPECT_EQ(Replace_All(B.Out, Desktop.Path(), "DATA"), Replace_All(A.Out, Headless.Path(), "DATA"));
    EXPECT_TRUE(Contains(Desktop.Log(), OPENED));

    const std::string Bad = Headless.Path() + "/gui_refused.kelvo";
    {
        FILE* pFile = std::fopen(Bad.c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        std::fputs("welcome new\ndialog 105 press 4242\n", pFile);
        std::fclose(pFile);
    }
    const RUN_RESULT C = Headless.Run({"--headless", "--script", Bad, "IS_NOT_RANDOM"}, Display());
    const RUN_RESULT D = Desktop.Run({"--script", Bad, "IS_NOT_RANDOM"}, Display());
    EXPECT_EQ(C.nExitCode, 2) << C.Err;
    EXPECT_EQ(D.nExitCode, 2) << D.Err;
    // The script's own path is the same for both runs.
    EXPECT_EQ(D.Err, C.Err);
    EXPECT_TRUE(Contains(D.Err, "control 4242 does not exist")) << D.Err;
    std::remove(Script.c_str());
    std::remove(Bad.c_str());
}

TEST(GtkProgram, DialogLinesWaitingElsewhereAndTheSimulatorsLinesActTheSameOnTheWindow)
{
    REQUIRE_DISPLAY();
    struct CASE {
        const char* szScript;
        int nExit;
    };
    const CASE Cases[] = {
        // The quit's Save dialog is not the one the lines wait for: it is
        // cancelled, nothing is saved, and the run fails at the waiting line.
        {"welcome new\ndialog 105 select 1010 \"Buffalo Frost\"\ndialog 105 press 1391\nkey Ctrl+1\n"
         "dialog 118 press 1\nquit\n",
         2},
        // An answer the quit's box has no button for declines it.
        {"welcome new\ndialog 105 select 1010 \"Buffalo Frost\"\ndialog 105 press 1391\nkey Ctrl+1\n"
         "answer ok\nquit\n",
         2},
        // The simulator's dialog takes the lines given before its command:
        // one season, not the ten it offers.
        {"welcome new\ndialog 104 set 1297 \"1\"\ndialog 104 press 1\ncommand \"Single Season Simulator\"\n"
         "answer no\nquit\n",
         0},
    };
    for (const CASE& Case : Cases) {
        SCOPED_TRACE(Case.szScript);
        // Each case in fresh folders: the summary of a run names the files
        // of its own second, an earlier case's among them.
        DATA_COPY Headless("gui_held_hl");
        DATA_COPY Desktop("gui_held_gtk");
        const std::string Script = Headless.Path() + "/gui_held.kelvo";
        FILE* pFile = std::fopen(Script.c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        std::fputs(Case.szScript, pFile);
        std::fclose(pFile);
        const RUN_RESULT A = Headless.Run({"--headless", "--script", Script, "IS_NOT_RANDOM"}, Display());
        const RUN_RESULT B = Desktop.Run({"--script", Script, "IS_NOT_RANDOM"}, Display());
        ASSERT_FALSE(A.bTimedOut);
        ASSERT_FALSE(B.bTimedOut);
        EXPECT_EQ(A.nExitCode, Case.nExit) << A.Out << A.Err;
        EXPECT_EQ(B.nExitCode, Case.nExit) << B.Out << B.Err;
        EXPECT_EQ(Replace_All(B.Out, Desktop.Path(), "DATA"), Replace_All(A.Out, Headless.Path(), "DATA"));
        EXPECT_EQ(B.Err, A.Err);
        EXPECT_TRUE(Contains(Desktop.Log(), OPENED));
        EXPECT_FALSE(fs::exists(Desktop.Path() + "/Buffalo Frost (2019).zrt"));
        std::remove(Script.c_str());
    }
}

TEST(GtkProgram, ADisplayNamingNoServerRunsHeadlessWithTheNotice)
{
    DATA_COPY Data("gui_nodisplay");
    // A display number no server of this machine holds (the X protocol's
    // numbers stop far below it).
    const RUN_RESULT Result = Data.Run({"IS_NOT_RANDOM"}, ":65500");
    ASSERT_FALSE(Result.bTimedOut);
    // Standard input is empty: the welcome dialog's default, Quit.
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err;
    EXPECT_TRUE(Contains(Result.Err, std::string(NOTICE) + "\n")) << Result.Err;
    EXPECT_TRUE(Contains(Data.Log(), NOTICE)) << Data.Log();
    EXPECT_FALSE(Contains(Data.Log(), OPENED));
}

TEST(GtkProgram, HeadlessWithADisplayOpensNoWindow)
{
    REQUIRE_DISPLAY();
    DATA_COPY Data("gui_headless");
    const RUN_RESULT Result = Data.Run({"--headless", "IS_NOT_RANDOM"}, Display());
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 0) << Result.Err;
    EXPECT_FALSE(Contains(Result.Err, NOTICE)) << Result.Err;
    EXPECT_FALSE(Contains(Data.Log(), OPENED)) << Data.Log();
    EXPECT_FALSE(Contains(Data.Log(), NOTICE));
}

TEST(GtkProgram, ALostDisplayEndsTheProgramWithStatusOneAndALine)
{
    REQUIRE_DISPLAY();
    // A server of this test's own, to take away.
    X_SERVER Server;
    const std::string Ours = Display();
    ASSERT_TRUE(Server.Start()) << Server.Problem();
    const std::string Doomed = Server.Display();
    ::setenv("DISPLAY", Ours.c_str(), 1);
    DATA_COPY Data("gui_lost");
    // No script: the window waits for its user in the welcome dialog.
    process_runner::CHILD Child = process_runner::Start(PROGRAM, {"IS_NOT_RANDOM"}, Data.Options(Doomed));
    ASSERT_GT(Child.nPid, 0);
    bool bUp = false;
    for (int i = 0; i < 1000 && !bUp; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        bUp = Contains(Data.Log(), "Dialog 100");
        bUp = bUp || Contains(Data.Log(), "League database");
    }
    ASSERT_TRUE(bUp) << Data.Log();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    Server.Stop();
    const RUN_RESULT Result = process_runner::Wait(Child, std::chrono::seconds(30));
    ASSERT_FALSE(Result.bTimedOut);
    EXPECT_EQ(Result.nExitCode, 1) << Result.Err;
    EXPECT_TRUE(Contains(Data.Log(), "The connection to the display was lost")) << Data.Log();
}
