// The program's dialogs with the default league's content (their combos'
// items, each shown whole, their lists' columns) fit their controls at the
// dialog font's size:
// no control asks GTK for more room than its template's rectangle, so none
// runs into the next column or is clipped, and no control ends outside its
// dialog. (Every toolkit warning fails a GUI test: gui_main.cpp.)

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editors/find_players.h"
#include "editors/league_editor.h"
#include "editors/sortable_stats.h"
#include "gamefile/game_dialogs.h"
#include "gui_support.h"
#include "league/preferences.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"
#include "xtest_input.h"

namespace {

std::vector<std::string> g_Problems;
std::vector<int> g_Checked;

// The room a combo gives its text (its cell view's width), and the widest
// of its items as the cell would draw it whole: the text and its padding.
void Combo_Room_And_Need(GtkWidget* pCombo, int& nRoom, int& nNeed, std::string& Widest)
{
    nRoom = nNeed = 0;
    GtkWidget* pView = gtk_bin_get_child(GTK_BIN(pCombo));
    if (pView == nullptr)
        return;
    nRoom = gtk_widget_get_allocated_width(pView);
    GtkTreeModel* pModel = gtk_combo_box_get_model(GTK_COMBO_BOX(pCombo));
    GtkTreeIter Iter;
    for (bool bMore = pModel != nullptr && gtk_tree_model_get_iter_first(pModel, &Iter); bMore;
         bMore = gtk_tree_model_iter_next(pModel, &Iter)) {
        gchar* sz = nullptr;
        gtk_tree_model_get(pModel, &Iter, 0, &sz, -1);
        PangoLayout* pLayout = gtk_widget_create_pango_layout(pView, sz != nullptr ? sz : "");
        int cx = 0, cy = 0;
        pango_layout_get_pixel_size(pLayout, &cx, &cy);
        g_object_unref(pLayout);
        constexpr int CELL_PADDING = 2 * 2;   // a text cell's xpad on each side
        if (cx + CELL_PADDING > nNeed) {
            nNeed = cx + CELL_PADDING;
            Widest = sz != nullptr ? sz : "";
        }
        g_free(sz);
    }
}

void Check_Fit(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    const DIALOG_REGISTRATION* pRegistration = Find_Dialog_Registration(nDialogId);
    if (pRegistration == nullptr || pRegistration->pTemplate == nullptr)
        return;
    g_Checked.push_back(nDialogId);
    const DIALOG_TEMPLATE& Template = *pRegistration->pTemplate;
    gtk_probe::PIXELS Dialog;
    gtk_probe::Dialog_Pixels(nDialogId, Dialog);
    int nShared = 0;
    for (const CONTROL_TEMPLATE& Control : Template.Controls) {
        const int nOrdinal = Control.nId == -1 ? nShared++ : 0;
        GtkWidget* pOuter = gtk_internal::Control_Widget(nDialogId, Control.nId, true, nOrdinal);
        if (pOuter == nullptr || !gtk_widget_get_visible(pOuter))
            continue;
        const UI_RECT Want = Dialog_Units_To_Pixels(Control.Rect);
        const std::string Name = "dialog " + std::to_string(nDialogId) + " control " + std::to_string(Control.nId) +
                                 (Control.nId == -1 ? " \"" + std::string(Control.szText) + "\"" : std::string());
        int nMinWidth = 0, nNatural = 0, nMinHeight = 0;
        gtk_probe::PIXELS At;
        gtk_probe::Control_Pixels(nDialogId, Control.nId, At, nOrdinal);
        gtk_widget_get_preferred_width(pOuter, &nMinWidth, &nNatural);
        // A label wraps: the lines it needs at the width it has.
        gtk_widget_get_preferred_height_for_width(pOuter, std::max(At.cx, 1), &nMinHeight, &nNatural);
        if (nMinWidth > std::max(Want.cx, 1) + 1 || At.cx > std::max(Want.cx, 1) + 1)
            g_Problems.push_back(Name + " needs " + std::to_string(nMinWidth) + " pixels across, has " +
                                 std::to_string(Want.cx) + " (shown " + std::to_string(At.cx) + ")");
        if (nMinHeight > std::max(Want.cy, 1) + 1 || At.cy > std::max(Want.cy, 1) + 1)
            g_Problems.push_back(Name + " needs " + std::to_string(nMinHeight) + " pixels down, has " +
                                 std::to_string(Want.cy) + " (shown " + std::to_string(At.cy) + ")");
        if (At.x + At.cx > Dialog.cx + 1 || At.y + At.cy > Dialog.cy + 1)
            g_Problems.push_back(Name + " ends outside the dialog");
        // A combo cuts an item too long for it short with an ellipsis: each
        // of its items fits the room it gives its text.
        GtkWidget* pMain = gtk_internal::Control_Widget(nDialogId, Control.nId, false, nOrdinal);
        if (pMain != nullptr && GTK_IS_COMBO_BOX(pMain)) {
            int nRoom = 0, nNeed = 0;
            std::string Widest;
            Combo_Room_And_Need(pMain, nRoom, nNeed, Widest);
            if (nNeed > nRoom + 1)
                g_Problems.push_back(Name + " cuts \"" + Widest + "\": it needs " + std::to_string(nNeed) +
                                     " pixels, has " + std::to_string(nRoom));
        }
    }
    gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path("fit_" + std::to_string(nDialogId)));
}

}  // namespace

TEST(GtkDialogFit, TheProgramsDialogsFitTheirControlsWithTheLeaguesContent)
{
    REQUIRE_DESKTOP();
    SCRATCH_FOLDER Data("gui_fit");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    ASSERT_TRUE(gui_support::Start_Not_Random());
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    g_Problems.clear();
    g_Checked.clear();
    gtk_probe::Set_Shown_Hook(Check_Fit);
    Dispatch_Main_Command(CMD_LEAGUE_EDITOR);
    Dispatch_Main_Command(CMD_SORTABLE_STATS);
    Dispatch_Main_Command(CMD_FIND_PLAYERS);
    Dispatch_Main_Command(CMD_VIEW_OTHER_TEAM);
    Save_Game_Command();
    Do_Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc);
    gtk_probe::Set_Shown_Hook(nullptr);
    for (const std::string& Problem : g_Problems)
        ADD_FAILURE() << Problem;
    for (int nId : {LEAGUE_EDITOR_DIALOG, SORTABLE_STATS_DIALOG, FIND_PLAYERS_DIALOG, SAVE_GAME_DIALOG, NEW_GAME_DIALOG})
        EXPECT_NE(std::find(g_Checked.begin(), g_Checked.end(), nId), g_Checked.end()) << nId;
    Destroy_Main_Window();
}
