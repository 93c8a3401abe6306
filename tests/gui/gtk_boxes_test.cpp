// Message boxes of every style and the progress window on the real widgets:
// the buttons each style has, Enter taking the default, Escape the Cancel
// (or the only button), the labelled boxes' 6, 7 and 2; one progress window,
// stepping and closing. Screenshots of a box and the progress window.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui_support.h"
#include "platform/dialogs.h"
#include "platform/ui.h"

namespace {

std::string g_Key;
bool g_bShot = false;
std::string g_ShotName;
int g_nShown = 0;

void Answer_With_Key(int nKind, int)
{
    if (nKind != gtk_probe::WINDOW_MESSAGE_BOX)
        return;
    ++g_nShown;
    if (!g_ShotName.empty()) {
        g_bShot = gtk_probe::Screenshot(gtk_probe::WINDOW_MESSAGE_BOX, 0, gui_support::Screenshot_Path(g_ShotName));
        g_ShotName.clear();
    }
    if (!g_Key.empty())
        gtk_probe::Send_Key(gtk_probe::WINDOW_MESSAGE_BOX, 0, g_Key);
}

int Box_With_Key(const std::string& Key, unsigned nStyle)
{
    g_Key = Key;
    return Show_Message_Box("Save the changes to\n\"Demo Season\"?", "Vazarudu Kelvo", nStyle);
}

}  // namespace

TEST(GtkBoxes, EveryStyleAnswersEnterWithItsDefaultAndEscapeWithCancel)
{
    REQUIRE_DESKTOP();
    // Keys decide here, not the unattended default.
    dialogs::Set_Unattended(false);
    gtk_probe::Set_Shown_Hook(Answer_With_Key);
    EXPECT_EQ(Box_With_Key("Return", BOX_OK), ID_OK);
    EXPECT_EQ(Box_With_Key("Escape", BOX_OK), ID_OK);   // its only button
    EXPECT_EQ(Box_With_Key("Return", BOX_OKCANCEL), ID_OK);
    EXPECT_EQ(Box_With_Key("Return", BOX_OKCANCEL | BOX_DEFAULT_SECOND), ID_CANCEL);
    EXPECT_EQ(Box_With_Key("Escape", BOX_OKCANCEL), ID_CANCEL);
    EXPECT_EQ(Box_With_Key("Return", BOX_YESNO | BOX_ICON_QUESTION), ID_YES);
    EXPECT_EQ(Box_With_Key("Return", BOX_YESNO | BOX_DEFAULT_SECOND), ID_NO);
    EXPECT_EQ(Box_With_Key("Return", BOX_YESNOCANCEL | BOX_DEFAULT_THIRD), ID_CANCEL);
    EXPECT_EQ(Box_With_Key("Escape", BOX_YESNOCANCEL), ID_CANCEL);
    // Alt and the mnemonic: "&No".
    g_Key.clear();
    gtk_probe::Set_Shown_Hook([](int nKind, int) {
        if (nKind == gtk_probe::WINDOW_MESSAGE_BOX)
            gtk_probe::Send_Key(nKind, 0, "n", false, true);
    });
    EXPECT_EQ(Show_Message_Box("Play on?", "Vazarudu Kelvo", BOX_YESNO), ID_NO);
    gtk_probe::Set_Shown_Hook(Answer_With_Key);
    // A labelled box: first, second, third label give 6, 7, 2.
    g_Key = "Return";
    EXPECT_EQ(User_Message_Dialog("Add New Team", "Add the team?", 0, "Add Team", "Abort", nullptr), ID_YES);
    g_Key = "Escape";
    EXPECT_EQ(User_Message_Dialog("Erase Team", "Erase it?", 0, "Erase", "Keep", "Cancel"), ID_CANCEL);
    gtk_probe::Set_Shown_Hook(nullptr);
    EXPECT_EQ(g_nShown, 11);   // all but the one the mnemonic answered
    // Every box is in the model's record with its answer.
    ASSERT_GE(ui::Shown_Boxes().size(), 12u);
    EXPECT_EQ(ui::Shown_Boxes().back().Result, ID_CANCEL);
    EXPECT_EQ(ui::Shown_Boxes().back().Caption, "Erase Team");
}

TEST(GtkBoxes, AnUnansweredBoxTakesItsDefaultWhenNobodyIsAtTheKeyboard)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    g_Key.clear();
    g_ShotName = "message_box";
    gtk_probe::Set_Shown_Hook(Answer_With_Key);
    EXPECT_EQ(Show_Message_Box("The season is over.\nPlay the next one?", "Vazarudu Kelvo",
                               BOX_YESNO | BOX_ICON_QUESTION | BOX_DEFAULT_SECOND),
              ID_NO);
    gtk_probe::Set_Shown_Hook(nullptr);
    EXPECT_TRUE(g_bShot);
}

TEST(GtkBoxes, OneProgressWindowStepsAndCloses)
{
    REQUIRE_DESKTOP();
    ui::Reset();
    ASSERT_EQ(Open_Progress_Window("Playing Games", 4), 1);
    EXPECT_EQ(Open_Progress_Window("A Second One", 4), 0);   // one at a time
    Set_Progress_Text("Week 3");
    Step_Progress_Window(1);
    ASSERT_TRUE(gtk_probe::Wait_Drawn(gtk_probe::WINDOW_PROGRESS));
    EXPECT_EQ(gtk_probe::Window_Title(gtk_probe::WINDOW_PROGRESS), "Playing Games");
    Step_Progress_Window(2);
    EXPECT_EQ(ui::Progress().Position, 3);
    gtk_probe::Run_For(50);
    EXPECT_TRUE(gtk_probe::Screenshot(gtk_probe::WINDOW_PROGRESS, 0, gui_support::Screenshot_Path("progress_window")));
    Close_Progress_Window();
    EXPECT_FALSE(gtk_probe::Drawn(gtk_probe::WINDOW_PROGRESS));
    gtk_probe::PIXELS Size;
    EXPECT_FALSE(gtk_probe::Window_Pixels(gtk_probe::WINDOW_PROGRESS, 0, Size));
    // Open again after the close.
    EXPECT_EQ(Open_Progress_Window("Playing Games", 2), 1);
    Close_Progress_Window();
}
