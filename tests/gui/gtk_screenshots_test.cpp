// Screenshots for people to look at (build/screenshots/): the program's
// main window with the default league loaded, and its dialogs built from
// their templates with their real procedures, each captured in-process once
// drawn at full size. Pixel checks belong to canvas renders; these files are
// for eyes, so the test checks only that each was written.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "gamefile/game_file.h"
#include "gui_support.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"

namespace {

using gui_support::g_ShotNames;
using gui_support::g_ShotWritten;

}  // namespace

TEST(GtkScreenshots, TheMainWindowAndTheProgramsDialogs)
{
    REQUIRE_DESKTOP();
    SCRATCH_FOLDER Data("gui_shots");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    ASSERT_TRUE(gui_support::Start_Not_Random());
    // A saved game for the resume dialog to list.
    ASSERT_EQ(Save_Game("Demo Season.zrt"), SAVE_GAME_OK);
    ASSERT_TRUE(gtk_probe::Wait_Drawn(gtk_probe::WINDOW_MAIN));
    gtk_probe::Run_For(200);
    EXPECT_TRUE(gtk_probe::Screenshot(gtk_probe::WINDOW_MAIN, 0, gui_support::Screenshot_Path("main_window")));

    g_ShotNames = {{100, "dialog_welcome"}, {105, "dialog_new_game"}, {118, "dialog_resume"},
               {120, "dialog_save"},    {179, "dialog_play_multiple_seasons"}};
    gtk_probe::Set_Shown_Hook(gui_support::Capture_Named_Dialog);
    // Each with its real procedure; nobody answers, so each ends by its
    // default (the new game's start is cancelled first, to keep the league).
    DIALOG_ACTION Cancel;
    Cancel.nKind = ACTION_CANCEL;
    for (int nId : {100, 105, 118, 120, 179}) {
        if (nId == 105)
            dialogs::Queue_Action(105, Cancel);
        Do_Dialog(nId);
        dialogs::Clear_Actions();
    }
    gtk_probe::Set_Shown_Hook(nullptr);
    for (const auto& [nId, Name] : g_ShotNames)
        EXPECT_TRUE(g_ShotWritten[nId]) << Name;
    Destroy_Main_Window();
}
