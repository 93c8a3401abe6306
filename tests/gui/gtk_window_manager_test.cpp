// The window under a window manager (openbox), as a player's desktop runs
// it, every step a real key press or click sent through the X server: after
// each kind of dialog and message box closes, the main window has the
// keyboard again (the manager calls it active, the X focus is on it, and a
// function key reaches its command); a message box is wide enough for the
// manager to show its whole title. Screenshots of the whole screen, frames
// and titles included, go to build/screenshots/window_manager_*.png.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "editors/options_dialog.h"
#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "platform/main_frame.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/ui.h"
#include "shell/commands.h"
#include "test_support.h"
#include "window_manager.h"
#include "xtest_input.h"

namespace fs = std::filesystem;

namespace {

struct FOCUS_RUN {
    std::string SaveName;          // typed into Save Game, then Enter
    bool bCancelSave = false;      // Escape instead
    std::vector<std::string> Seen;
    std::vector<std::string> Problems;
};
FOCUS_RUN g_Run;

// What the player does in each window as it shows: keys only, into the
// window the manager has given the keyboard.
void Answer(int nKind, int nDialogId)
{
    // The keys wait until the manager has given the window shown the keyboard.
    GtkWidget* pShown = window_manager::Shown_Window(nKind, nDialogId);
    if (pShown != nullptr && !window_manager::Has_Focus(pShown, xtest::WAIT_MS / 3))
        g_Run.Problems.push_back("window " + std::to_string(nDialogId) + " did not take the keyboard: " +
                                 window_manager::Focus_Report());
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        const std::string Title = gtk_probe::Window_Title(gtk_probe::WINDOW_MESSAGE_BOX);
        g_Run.Seen.push_back("box " + Title);
        // The game is not to be saved before resuming: No, by its letter.
        xtest::Key(Title == "Game Not Saved" ? "alt+n" : "Return");
        return;
    }
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    g_Run.Seen.push_back("dialog " + std::to_string(nDialogId));
    switch (nDialogId) {
    case SAVE_GAME_DIALOG:
        if (g_Run.bCancelSave) {
            xtest::Key("Escape");
        } else {
            xtest::Key("ctrl+a");
            xtest::Type(g_Run.SaveName);
            xtest::Key("Return");
        }
        break;
    case RESUME_GAME_DIALOG:
        xtest::Key("Escape");
        break;
    case OPTIONS_DIALOG:
        // Options ignores Escape; Enter presses Done.
        xtest::Key("Return");
        break;
    default:
        g_Run.Problems.push_back("an unexpected dialog " + std::to_string(nDialogId));
        xtest::Key("Escape");
        break;
    }
    if (xtest::Dialog(nDialogId) != nullptr)
        xtest::Settle(200);
}

struct HOOKS : gui_support::ANSWERING_HOOK {
    HOOKS() : ANSWERING_HOOK(Answer) {}
};

// The keyboard reaches the main window: F3 shows the Calendar, F2 the
// Standings.
::testing::AssertionResult Keys_Reach_The_Main_Window()
{
    const int nFirst = Get_User_Preference(PREF_MAIN_PAGE) == CMD_PAGE_CALENDAR ? CMD_PAGE_STANDINGS : CMD_PAGE_CALENDAR;
    xtest::Key(nFirst == CMD_PAGE_CALENDAR ? "F3" : "F2");
    xtest::Wait_Until([nFirst] { return Get_User_Preference(PREF_MAIN_PAGE) == nFirst; }, xtest::WAIT_MS / 3);
    if (Get_User_Preference(PREF_MAIN_PAGE) != nFirst)
        return ::testing::AssertionFailure() << "a function key did not reach the main window; "
                                             << window_manager::Focus_Report();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult Main_Window_Has_The_Keyboard(const std::string& After)
{
    if (!window_manager::Has_Focus(xtest::Main_Window()))
        return ::testing::AssertionFailure() << "after " << After << ": " << window_manager::Focus_Report();
    ::testing::AssertionResult Keys = Keys_Reach_The_Main_Window();
    if (!Keys)
        return ::testing::AssertionFailure() << "after " << After << ": " << Keys.message();
    return ::testing::AssertionSuccess();
}

// A key pressed in the main window; the manager's active window followed
// until the dialogs it opens have closed.
::testing::AssertionResult Press_Watched(const std::string& Key, const std::vector<std::string>& Dialogs)
{
    window_manager::ACTIVATION_TRAIL Trail;
    xtest::Key(Key);
    xtest::Wait_Until([] { return !gtk_probe::Modal_Open(); });
    xtest::Settle(100);
    return Trail.Only(Dialogs);
}

}  // namespace

TEST(GtkWindowManager, TheMainWindowHasTheKeyboardAfterEveryDialogAndBoxCloses)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_window_manager_focus");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    WINDOW_MANAGER Manager;
    ASSERT_TRUE(Manager.Start()) << Manager.Problem();
    const HOOKS Hooks;
    g_Run = FOCUS_RUN{};
    // The player clicks into the window once, as on any desktop.
    xtest::Click(xtest::Main_Area(FRAME_PAGE));
    ASSERT_TRUE(Main_Window_Has_The_Keyboard("the first click")) << window_manager::Focus_Report();

    // Resume Game with no saved game: nothing to save (the page shown is no
    // change), then "No games to resume" with Enter.
    EXPECT_TRUE(Press_Watched("ctrl+o", {"No games to resume"}));
    EXPECT_TRUE(Main_Window_Has_The_Keyboard("the \"No games to resume\" box"));

    // Save Game, the name typed and Enter, again and again.
    for (int i = 1; i <= 6; ++i) {
        g_Run.SaveName = "Focus " + std::to_string(i);
        EXPECT_TRUE(Press_Watched("ctrl+s", {"Save Game"})) << "Save Game " << i;
        EXPECT_TRUE(fs::exists(g_Run.SaveName + ".zrt")) << g_Run.SaveName;
        EXPECT_TRUE(Main_Window_Has_The_Keyboard("Save Game " + std::to_string(i)));
    }
    window_manager::Screenshot_Screen(gui_support::Screenshot_Path("window_manager_after_saves"));

    // Save Game cancelled with Escape.
    g_Run.bCancelSave = true;
    EXPECT_TRUE(Press_Watched("ctrl+s", {"Save Game"}));
    g_Run.bCancelSave = false;
    EXPECT_TRUE(Main_Window_Has_The_Keyboard("Save Game cancelled"));

    // Resume Game, cancelled with Escape.
    EXPECT_TRUE(Press_Watched("ctrl+o", {"Resume Game"}));
    EXPECT_TRUE(Main_Window_Has_The_Keyboard("Resume Game cancelled"));

    // Tools > Options by its letters, closed with Done.
    xtest::Key("alt+o");
    EXPECT_TRUE(xtest::Wait_Menu_Shown(CMD_OPTIONS));
    EXPECT_TRUE(Press_Watched("o", {"Options"}));
    EXPECT_TRUE(Main_Window_Has_The_Keyboard("Options"));

    EXPECT_TRUE(g_Run.Problems.empty()) << g_Run.Problems.front();
    const std::vector<std::string> Expected = {"box No games to resume", "dialog 120",
                                               "dialog 120", "dialog 120", "dialog 120", "dialog 120",
                                               "dialog 120", "dialog 120", "dialog 118", "dialog 147"};
    EXPECT_EQ(g_Run.Seen, Expected);

    // Stopped, the manager leaves nothing of its own on the root window: the
    // tests after this one find a server with no manager.
    Manager.Stop();
    Display* pX = xtest::X_Display();
    EXPECT_FALSE(window_manager::Manager_Runs());
    EXPECT_EQ(window_manager::Active_Window(), static_cast<Window>(None));
    EXPECT_EQ(window_manager::Root_Window_Property(pX, "_NET_SUPPORTING_WM_CHECK"), static_cast<Window>(None));
}

namespace {

struct TITLE_RUN {
    int nBoxWidth = 0;
    int nTitleWidth = 0;
    std::string Shot;
};
TITLE_RUN g_Title;

// The width the manager's title font gives the text: openbox's own theme
// font, sans bold 8 points, at the screen's resolution.
int Title_Text_Width(GtkWidget* pWidget, const std::string& Title)
{
    PangoLayout* pLayout = gtk_widget_create_pango_layout(pWidget, Title.c_str());
    PangoFontDescription* pFont = pango_font_description_from_string("Sans Bold 8");
    pango_layout_set_font_description(pLayout, pFont);
    int cx = 0, cy = 0;
    pango_layout_get_pixel_size(pLayout, &cx, &cy);
    pango_font_description_free(pFont);
    g_object_unref(pLayout);
    return cx;
}

void Measure_Box(int nKind, int)
{
    if (nKind != gtk_probe::WINDOW_MESSAGE_BOX)
        return;
    GtkWidget* pBox = gtk_internal::Message_Box_Window();
    if (pBox != nullptr) {
        g_Title.nBoxWidth = gtk_widget_get_allocated_width(pBox);
        g_Title.nTitleWidth = Title_Text_Width(pBox, gtk_window_get_title(GTK_WINDOW(pBox)));
        window_manager::Screenshot_Screen(gui_support::Screenshot_Path(g_Title.Shot));
    }
    // The player answers with Enter.
    xtest::Key("Return");
}

}  // namespace

TEST(GtkWindowManager, AMessageBoxIsWideEnoughForTheManagerToShowItsWholeTitle)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_window_manager_titles");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    WINDOW_MANAGER Manager;
    ASSERT_TRUE(Manager.Start()) << Manager.Problem();
    const HOOKS Hooks;
    gtk_probe::Set_Shown_Hook(Measure_Box);
    xtest::Click(xtest::Main_Area(FRAME_PAGE));
    struct CASE {
        const char* szTitle;
        const char* szText;
        unsigned nStyle;
        const char* szShot;
    };
    const CASE Cases[] = {
        {"Point After Touchdown", "Go For Two?", BOX_YESNO | BOX_ICON_QUESTION, "window_manager_box_point_after"},
        {"Two-Minute Warning", "Clock stopped for two-minute warning.", BOX_OK, "window_manager_box_two_minute"},
        {"Confirm File Deletion", "Delete?", BOX_YESNO, "window_manager_box_confirm"},
    };
    for (const CASE& Case : Cases) {
        g_Title = TITLE_RUN{};
        g_Title.Shot = Case.szShot;
        Show_Message_Box(Case.szText, Case.szTitle, Case.nStyle);
        ASSERT_GT(g_Title.nBoxWidth, 0) << Case.szTitle;
        // The title bar holds the title, the window's icon and its buttons
        // (iconify and close; a box is not resized): about 100 pixels.
        EXPECT_GE(g_Title.nBoxWidth, g_Title.nTitleWidth + 100)
            << Case.szTitle << ": the title needs " << g_Title.nTitleWidth << " pixels";
    }
}
