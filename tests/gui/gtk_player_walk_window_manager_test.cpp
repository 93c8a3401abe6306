// The player's walk on a desktop with a window manager (openbox): weeks
// played by their keys and the game saved under typed names in between, as
// a player does over an evening, every step a real key press. After every
// save the main window has the keyboard again, so the next Ctrl+1 or Ctrl+2
// plays on without a click; at the end Resume Game offers the newest save
// and Enter resumes it. Screenshots of the whole screen:
// build/screenshots/walk_window_manager_*.png.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/league_structure.h"
#include "platform/dialogs.h"
#include "platform/main_frame.h"
#include "shell/main_window.h"
#include "test_support.h"
#include "window_manager.h"
#include "xtest_input.h"

namespace fs = std::filesystem;

namespace {

struct WALK {
    std::string SaveName;
    std::string ResumeChosen;
    std::vector<std::string> Boxes;
    std::vector<std::string> Problems;
};
WALK g_Walk;

// The row a list has selected, its first column.
std::string Selected_Text(GtkWidget* pList)
{
    if (pList == nullptr || !GTK_IS_TREE_VIEW(pList))
        return "";
    GtkTreeModel* pModel = nullptr;
    GtkTreeIter Iter;
    if (!gtk_tree_selection_get_selected(gtk_tree_view_get_selection(GTK_TREE_VIEW(pList)), &pModel, &Iter))
        return "";
    gchar* sz = nullptr;
    gtk_tree_model_get(pModel, &Iter, 0, &sz, -1);
    std::string Text = sz != nullptr ? sz : "";
    g_free(sz);
    return Text;
}

void Answer(int nKind, int nDialogId)
{
    // The keys wait until the manager has given the window shown the keyboard.
    GtkWidget* pShown = window_manager::Shown_Window(nKind, nDialogId);
    if (pShown != nullptr && !window_manager::Has_Focus(pShown, xtest::WAIT_MS / 3))
        g_Walk.Problems.push_back("window " + std::to_string(nDialogId) + " did not take the keyboard: " +
                                  window_manager::Focus_Report());
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        g_Walk.Boxes.push_back(gtk_probe::Window_Title(gtk_probe::WINDOW_MESSAGE_BOX));
        xtest::Key("Return");
        return;
    }
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    switch (nDialogId) {
    case SAVE_GAME_DIALOG:
        xtest::Key("ctrl+a");
        xtest::Type(g_Walk.SaveName);
        window_manager::Screenshot_Screen(gui_support::Screenshot_Path("walk_window_manager_save_dialog"));
        xtest::Key("Return");
        break;
    case RESUME_GAME_DIALOG:
        g_Walk.ResumeChosen = Selected_Text(xtest::Control(nDialogId, SAVED_GAME_LIST));
        window_manager::Screenshot_Screen(gui_support::Screenshot_Path("walk_window_manager_resume"));
        xtest::Key("Return");
        break;
    default:
        g_Walk.Problems.push_back("an unexpected dialog " + std::to_string(nDialogId) + "; closed with Escape");
        xtest::Key("Escape");
        break;
    }
}

struct HOOKS : gui_support::ANSWERING_HOOK {
    HOOKS() : ANSWERING_HOOK(Answer) { g_Walk = WALK{}; }
};

}  // namespace

TEST(GtkPlayerWalk, WeeksAndSavesUnderAWindowManagerKeepTheKeyboardWithTheMainWindow)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_walk_window_manager");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    WINDOW_MANAGER Manager;
    ASSERT_TRUE(Manager.Start()) << Manager.Problem();
    const HOOKS Hooks;
    // One click into the window, as on any desktop; from then on keys only.
    xtest::Click(xtest::Main_Area(FRAME_PAGE));

    int nWeek = Get_Current_Week();
    const char* const KEYS[] = {"ctrl+1", "ctrl+2", "ctrl+1", "ctrl+1"};
    int nSave = 0;
    for (const char* szKey : KEYS) {
        xtest::Key(szKey);
        xtest::Wait_Until([nWeek] { return Get_Current_Week() > nWeek && !gtk_probe::Modal_Open(); });
        // Ctrl+S goes to the main window once the manager has given it the keyboard back.
        EXPECT_TRUE(window_manager::Has_Focus(xtest::Main_Window(), xtest::WAIT_MS / 3))
            << szKey << ": " << window_manager::Focus_Report();
        EXPECT_GT(Get_Current_Week(), nWeek) << szKey << " after save " << nSave << " played nothing; "
                                             << window_manager::Focus_Report();
        nWeek = Get_Current_Week();
        g_Walk.SaveName = "Walk Week" + std::to_string(nWeek) + " " + std::to_string(++nSave);
        window_manager::ACTIVATION_TRAIL Trail;
        xtest::Key("ctrl+s");
        EXPECT_TRUE(Trail.Only({"Save Game"})) << "saving \"" << g_Walk.SaveName << "\"";
        EXPECT_TRUE(fs::exists(g_Walk.SaveName + ".zrt")) << g_Walk.SaveName;
        EXPECT_TRUE(window_manager::Has_Focus(xtest::Main_Window()))
            << "after saving \"" << g_Walk.SaveName << "\": " << window_manager::Focus_Report();
    }
    window_manager::Screenshot_Screen(gui_support::Screenshot_Path("walk_window_manager_after_saves"));

    // Resume Game offers the newest save; Enter resumes it.
    const std::string Newest = g_Walk.SaveName;
    const std::string Title = Get_Main_Window_Title();
    xtest::Key("ctrl+o");
    EXPECT_EQ(g_Walk.ResumeChosen, Newest);
    EXPECT_EQ(Get_Main_Window_Title(), Title);
    EXPECT_TRUE(window_manager::Has_Focus(xtest::Main_Window())) << "after Resume: " << window_manager::Focus_Report();
    window_manager::Screenshot_Screen(gui_support::Screenshot_Path("walk_window_manager_resumed"));
    for (const std::string& Problem : g_Walk.Problems)
        ADD_FAILURE() << Problem;
}
