// A second program started with a window on a data folder another program
// holds says so in a box on the screen (and on stderr), waits for the user
// to close it, then ends with status 1 having written nothing there.

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "gui_support.h"
#include "program/process_runner.h"
#include "test_support.h"
#include "xtest_input.h"

namespace fs = std::filesystem;

namespace {

const std::string PROGRAM = KELVO_PROGRAM_PATH;

// The top-level window whose title is Name, searched below Root; 0 if none.
Window Find_Titled_Window(Display* pX, Window Root, const std::string& Name)
{
    Window Parent = 0;
    Window Top = 0;
    Window* pChildren = nullptr;
    unsigned nChildren = 0;
    if (!XQueryTree(pX, Root, &Top, &Parent, &pChildren, &nChildren))
        return 0;
    Window Found = 0;
    for (unsigned i = 0; i < nChildren && Found == 0; ++i) {
        XTextProperty Title;
        if (XGetWMName(pX, pChildren[i], &Title) != 0 && Title.value != nullptr) {
            if (std::string(reinterpret_cast<const char*>(Title.value), Title.nitems) == Name) {
                XWindowAttributes Attributes;
                if (XGetWindowAttributes(pX, pChildren[i], &Attributes) && Attributes.map_state == IsViewable)
                    Found = pChildren[i];
            }
            XFree(Title.value);
        }
        if (Found == 0)
            Found = Find_Titled_Window(pX, pChildren[i], Name);
    }
    if (pChildren != nullptr)
        XFree(pChildren);
    return Found;
}

}  // namespace

TEST(GtkFolderInUse, ASecondProgramWithAWindowShowsTheRefusalInABox)
{
    REQUIRE_DESKTOP();
    Display* pX = xtest::X_Display();
    ASSERT_NE(pX, nullptr);
    SCRATCH_FOLDER Data{"gui_folder_in_use", false};
    SCRATCH_FOLDER Out{"gui_folder_in_use_out", false};
    SCRATCH_FOLDER Out2{"gui_folder_in_use_out2", false};
    ASSERT_TRUE(Data.Ready() && Out.Ready() && Out2.Ready());
    ASSERT_TRUE(gui_support::Copy_Fresh_Data(gui_support::Built_Data(), Data.Path()));

    // The first program, headless, waits for its script on a pipe.
    process_runner::RUN_OPTIONS First;
    First.Env = {"KELVO_DATA=" + Data.Path()};
    First.Folder = Out.Path();
    First.Output = Out.Path();
    process_runner::CHILD Holder = process_runner::Start(PROGRAM, {"--headless", "IS_NOT_RANDOM"}, First, true);
    ASSERT_GT(Holder.nPid, 0);
    const auto Deadline = std::chrono::steady_clock::now() + Test_Deadline(std::chrono::seconds(60));
    while (!gui_support::Contains(Read_Text_File(Data.Path() + "/debug.txt"), "Script (standard input)") &&
           std::chrono::steady_clock::now() < Deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const std::string Log = Read_Text_File(Data.Path() + "/debug.txt");
    ASSERT_TRUE(gui_support::Contains(Log, "Script (standard input)"));

    // The second, with the test's display and nobody's script: a user's start.
    process_runner::RUN_OPTIONS Second = First;
    const char* szDisplay = std::getenv("DISPLAY");
    ASSERT_NE(szDisplay, nullptr);
    Second.Env.push_back(std::string("DISPLAY=") + szDisplay);
    Second.Folder = Out2.Path();
    Second.Output = Out2.Path();
    process_runner::CHILD Refused = process_runner::Start(PROGRAM, {"IS_NOT_RANDOM"}, Second);
    ASSERT_GT(Refused.nPid, 0);
    Window Box = 0;
    while (Box == 0 && std::chrono::steady_clock::now() < Deadline) {
        Box = Find_Titled_Window(pX, DefaultRootWindow(pX), "Vazarudu Kelvo");
        if (Box == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_NE(Box, 0u) << "no box of the refused program came up";
    if (Box != 0) {
        // The user presses Enter in it.
        XSetInputFocus(pX, Box, RevertToParent, CurrentTime);
        XSync(pX, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        EXPECT_TRUE(xtest::Key("Return"));
        XSync(pX, False);
    }
    const process_runner::RUN_RESULT Result = process_runner::Wait(Refused, std::chrono::seconds(30));
    EXPECT_FALSE(Result.bTimedOut) << "the box did not close with Enter";
    EXPECT_EQ(Result.nExitCode, 1) << Result.Err;
    EXPECT_TRUE(gui_support::Contains(Result.Err, "kelvo: the data folder \"" + Data.Path() +
                                                      "\" is in use by another Vazarudu Kelvo program.\n"))
        << Result.Err;
    // The refused program wrote nothing into the folder, its log included.
    EXPECT_EQ(Read_Text_File(Data.Path() + "/debug.txt"), Log);

    const std::string Quit = "welcome quit\n";
    ASSERT_EQ(::write(Holder.nInput, Quit.data(), Quit.size()), static_cast<ssize_t>(Quit.size()));
    EXPECT_EQ(process_runner::Wait(Holder, std::chrono::seconds(60)).nExitCode, 0);
}
