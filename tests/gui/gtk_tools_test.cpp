// Advanced Tools, View Encyclopedia and its folder chooser on the desktop
// with the default league: the later tools show greyed on the real buttons,
// the chooser lists its places, and each dialog is captured once drawn
// (build/screenshots/).

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "editors/advanced_tools.h"
#include "editors/encyclopedia_dialog.h"
#include "gui_support.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"

namespace {

std::map<int, std::string> g_Names;
std::map<int, bool> g_Written;
std::map<int, bool> g_Sensitive;
bool g_bRecalculateSensitive = false;
bool g_bLoadersSensitive = false;

void Capture(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || g_Names.count(nDialogId) == 0 || g_Written[nDialogId])
        return;
    if (nDialogId == ADVANCED_TOOLS_DIALOG) {
        for (int nId : {TOOL_CREATE_MODERN_DATABASE, TOOL_CREATE_HISTORICAL_DATABASE})
            g_Sensitive[nId] = gtk_probe::Control_Sensitive(nDialogId, nId);
        g_bLoadersSensitive = gtk_probe::Control_Sensitive(nDialogId, TOOL_IMPORT_PLAYBOOKS) &&
                              gtk_probe::Control_Sensitive(nDialogId, TOOL_LOAD_PLAYER_RATINGS);
        g_bRecalculateSensitive = gtk_probe::Control_Sensitive(nDialogId, TOOL_RECALCULATE_CONTRACTS);
    }
    g_Written[nDialogId] = gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path(g_Names[nDialogId]));
}

}  // namespace

TEST(GtkTools, AdvancedToolsAndTheEncyclopediaDialogsShowAndAreCaptured)
{
    REQUIRE_DESKTOP();
    SCRATCH_FOLDER Data("gui_tools");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    ASSERT_TRUE(gui_support::Start_Not_Random());

    g_Names = {{ADVANCED_TOOLS_DIALOG, "dialog_advanced_tools"},
               {ENCYCLOPEDIA_DIALOG, "dialog_view_encyclopedia"},
               {EXPORT_FOLDER_DIALOG, "dialog_export_folder"}};
    gtk_probe::Set_Shown_Hook(Capture);
    Show_Advanced_Tools();
    DIALOG_ACTION Browse;
    Browse.nKind = ACTION_PRESS;
    Browse.nControl = ENCYCLOPEDIA_BROWSE;
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Browse);
    Show_Encyclopedia_Dialog();
    gtk_probe::Set_Shown_Hook(nullptr);
    for (const auto& [nId, Name] : g_Names)
        EXPECT_TRUE(g_Written[nId]) << Name;
    for (const auto& [nId, bSensitive] : g_Sensitive)
        EXPECT_FALSE(bSensitive) << nId;
    EXPECT_EQ(g_Sensitive.size(), 2u);
    EXPECT_TRUE(g_bRecalculateSensitive);
    EXPECT_TRUE(g_bLoadersSensitive);
    // The chooser listed "/" first among its places.
    const DIALOG_RECORD* pChooser = nullptr;
    for (const DIALOG_RECORD& Record : dialogs::Records())
        if (Record.nDialogId == EXPORT_FOLDER_DIALOG)
            pChooser = &Record;
    ASSERT_NE(pChooser, nullptr);
    ASSERT_FALSE(pChooser->Find(EXPORT_ROOT_LIST)->Items.empty());
    EXPECT_EQ(pChooser->Find(EXPORT_ROOT_LIST)->Items[0], "/");
    Destroy_Main_Window();
}
