// The Playbook Editor on the desktop with the default league, opened by its
// menu command on a play-action pass with receiver 4 highlighted: the
// diagram is painted beside the controls, the labels and buttons read as
// the model has them, and the editor and its defensive side are captured
// (build/screenshots/) for people to look at. The same queued route changes
// as the headless tests run on the real widgets; how long they took is
// recorded (no bound is checked here: the benchmark measures). A play
// renamed by real key presses and saved with the mouse is named in the Play
// drop-down.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "editors/dialog_action.h"
#include "editors/playbook_dialogs.h"
#include "editors/playbook_editor.h"
#include "engine/playbooks.h"
#include "gui_support.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"
#include "xtest_input.h"

namespace {

int g_nShown = 0;
bool g_bWritten = false;
bool g_bDiagramDrawn = false;
std::string g_CarrierLabel;
std::string g_ViewButton;
bool g_bSlotButtonShown = false;
std::string g_Name = "dialog_playbook_editor";

void Capture(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != PLAYBOOK_EDITOR_DIALOG)
        return;
    ++g_nShown;
    gtk_probe::Run_For(150);
    gtk_probe::PIXELS Pixels;
    g_bDiagramDrawn = gtk_probe::Control_Pixels(nDialogId, PBE_DIAGRAM, Pixels);
    char cMnemonic = 0;
    gtk_probe::Control_Caption(nDialogId, PBE_CARRIER_COMBO + PBE_LABEL_OFFSET, g_CarrierLabel, cMnemonic);
    gtk_probe::Control_Caption(nDialogId, PBE_VIEW_BUTTON, g_ViewButton, cMnemonic);
    g_bSlotButtonShown = gtk_probe::Control_Visible(nDialogId, Get_Number_Button_Id(8));
    g_bWritten = gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path(g_Name));
}

}  // namespace

TEST(GtkPlaybookEditor, TheEditorDrawsItsDiagramWithAHighlightedReceiver)
{
    REQUIRE_DESKTOP();
    SCRATCH_FOLDER Data("gui_playbook_editor");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    ASSERT_TRUE(gui_support::Start_Not_Random());
    const int nTeam = Get_User_Preference(PREF_CURRENT_TEAM);
    // "Pro 879 Play Action" (folder 4, play 0), receiver 4 highlighted.
    Set_User_Preference(PREF_PLAYBOOK_SIDE, 0);
    Set_User_Preference(PREF_PLAYBOOK_FOLDER, 4);
    Set_User_Preference(PREF_PLAYBOOK_PLAY, 0);
    Set_Playbook_Highlight(4);

    gtk_probe::Set_Shown_Hook(Capture);
    EXPECT_TRUE(Dispatch_Main_Command(CMD_PLAYBOOK_EDITOR));
    EXPECT_EQ(g_nShown, 1);
    EXPECT_TRUE(g_bWritten);
    EXPECT_TRUE(g_bDiagramDrawn);
    EXPECT_EQ(g_CarrierLabel, "Primary Receiver");
    EXPECT_EQ(g_ViewButton, "View Offense");
    EXPECT_TRUE(g_bSlotButtonShown);
    EXPECT_EQ(Get_Highlighted_Play_Slot(), -1);   // "&DONE" forgets it

    // Twenty route changes on the real widgets, against none.
    const int nRoute = Get_Offensive_Play_Route(nTeam, 40, 3);
    auto Run = [&](int nChanges) {
        for (int i = 0; i < nChanges; ++i)
            dialogs::Queue_Action(PLAYBOOK_EDITOR_DIALOG,
                                  editor_tests::Action(ACTION_SELECT, PBE_ROUTE_COMBO_FIRST + 3, i % 2 == 0 ? 8 : 7));
        const auto Start = std::chrono::steady_clock::now();
        EXPECT_TRUE(Dispatch_Main_Command(CMD_PLAYBOOK_EDITOR));
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - Start).count();
    };
    gtk_probe::Set_Shown_Hook(nullptr);
    const double fNone = Run(0);
    const double fTwenty = Run(20);
    EXPECT_EQ(Get_Offensive_Play_Route(nTeam, 40, 3), 7);
    EXPECT_NE(nRoute, -1);
    ::testing::Test::RecordProperty("combo_change_ms", std::to_string((fTwenty - fNone) / 20));
    std::printf("Playbook Editor on GTK: %.2f ms a route change (open and close %.1f ms)\n", (fTwenty - fNone) / 20,
                fNone);

    // The defensive side, captured too.
    Set_User_Preference(PREF_PLAYBOOK_SIDE, 1);
    Set_User_Preference(PREF_PLAYBOOK_FOLDER, 0);
    Set_User_Preference(PREF_PLAYBOOK_PLAY, 2);
    Set_Playbook_Highlight(7);
    g_Name = "dialog_playbook_editor_defense";
    g_bWritten = false;
    gtk_probe::Set_Shown_Hook(Capture);
    EXPECT_TRUE(Dispatch_Main_Command(CMD_PLAYBOOK_EDITOR));
    gtk_probe::Set_Shown_Hook(nullptr);
    EXPECT_TRUE(g_bWritten);
    EXPECT_EQ(g_ViewButton, "View Defense");
    Destroy_Main_Window();
}

namespace {

std::vector<std::string> g_Seen;
bool g_bRenamed = false;

std::string Active_Text(int nDialogId, int nControl)
{
    GtkWidget* pCombo = xtest::Control(nDialogId, nControl);
    if (pCombo == nullptr || !GTK_IS_COMBO_BOX_TEXT(pCombo))
        return "(no combo)";
    gchar* szText = gtk_combo_box_text_get_active_text(GTK_COMBO_BOX_TEXT(pCombo));
    const std::string Text = szText != nullptr ? szText : "";
    g_free(szText);
    return Text;
}

// The Play drop-down's text once it reads Wanted, or as it reads after two
// seconds.
std::string Wait_For_Play_Text(const std::string& Wanted)
{
    for (int i = 0; i < 100 && Active_Text(PLAYBOOK_EDITOR_DIALOG, PBE_PLAY_COMBO) != Wanted; ++i)
        xtest::Settle(20);
    return Active_Text(PLAYBOOK_EDITOR_DIALOG, PBE_PLAY_COMBO);
}

// In the editor: the play's name typed over, the book saved (the Save
// dialog cancelled), then the editor closed with "&DONE".
void Rename_And_Save(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    if (nDialogId == SAVE_PLAYBOOK_DIALOG) {
        xtest::Click(xtest::Control(SAVE_PLAYBOOK_DIALOG, PLAYBOOK_CANCEL_BUTTON));
        return;
    }
    if (nDialogId != PLAYBOOK_EDITOR_DIALOG || g_bRenamed)
        return;
    g_bRenamed = true;
    g_Seen.push_back(Active_Text(PLAYBOOK_EDITOR_DIALOG, PBE_PLAY_COMBO));
    xtest::Click(xtest::Control(PLAYBOOK_EDITOR_DIALOG, PBE_PLAY_NAME_EDIT));
    xtest::Key("ctrl+a");
    xtest::Type("Renamed Blast");
    xtest::Click(xtest::Control(PLAYBOOK_EDITOR_DIALOG, PBE_SAVE_BUTTON));
    g_Seen.push_back(Wait_For_Play_Text("Renamed Blast"));
    xtest::Click(xtest::Control(PLAYBOOK_EDITOR_DIALOG, PBE_DONE_BUTTON));
}

}  // namespace

// A play renamed by typing into its name and saved with the mouse: the Play
// drop-down names it at once, as the diagram does.
TEST(GtkPlaybookEditor, ThePlayDropDownNamesARenamedPlay)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_playbook_rename");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    ASSERT_TRUE(gui_support::Start_Not_Random());
    const int nTeam = Get_User_Preference(PREF_CURRENT_TEAM);
    Set_User_Preference(PREF_PLAYBOOK_SIDE, 0);
    Set_User_Preference(PREF_PLAYBOOK_FOLDER, 0);
    Set_User_Preference(PREF_PLAYBOOK_PLAY, 1);   // "Pro 20 Blast"
    gtk_probe::Set_Shown_Hook(Rename_And_Save);
    EXPECT_TRUE(Dispatch_Main_Command(CMD_PLAYBOOK_EDITOR));
    gtk_probe::Set_Shown_Hook(nullptr);
    ASSERT_TRUE(g_bRenamed);
    EXPECT_EQ(g_Seen, (std::vector<std::string>{"Pro 20 Blast", "Renamed Blast"}));
    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(nTeam, 1, szName);
    EXPECT_STREQ(szName, "Renamed Blast");
    Destroy_Main_Window();
}
