// What a popup uncovers on the main window is painted again from the page
// the window shows: New Game loads its season's league (whose page is
// another) without showing it, and the Team combo's list, opened with a click
// and closed with a choice, leaves no strip of that other page behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "gamefile/game_dialogs.h"
#include "gui_support.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "platform/main_frame.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"
#include "xtest_input.h"

namespace {

// The page area as the screen shows it now (RGB rows), and its place.
struct SCREEN_AREA {
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string Pixels;
};

SCREEN_AREA Grab_Page()
{
    SCREEN_AREA Area;
    GtkWidget* pPage = xtest::Main_Area(FRAME_PAGE);
    if (pPage == nullptr || !xtest::Screen_Point(pPage, 0, 0, Area.x, Area.y))
        return Area;
    Area.cx = gtk_widget_get_allocated_width(pPage);
    Area.cy = gtk_widget_get_allocated_height(pPage);
    GdkPixbuf* p = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), Area.x, Area.y, Area.cx, Area.cy);
    if (p == nullptr)
        return Area;
    const int nChannels = gdk_pixbuf_get_n_channels(p);
    const guchar* pRow = gdk_pixbuf_get_pixels(p);
    for (int y = 0; y < Area.cy; ++y, pRow += gdk_pixbuf_get_rowstride(p))
        for (int x = 0; x < Area.cx; ++x)
            Area.Pixels.append(reinterpret_cast<const char*>(pRow + x * nChannels), 3);
    g_object_unref(p);
    return Area;
}

SCREEN_AREA g_Before;
SCREEN_AREA g_After;
int g_xDialog = 0, g_yDialog = 0, g_cxDialog = 0, g_cyDialog = 0;
bool g_bPopupShown = false;
std::string g_TeamBefore;
std::string g_TeamAfter;

void Choose_Team_With_The_Mouse(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != NEW_GAME_DIALOG || !g_Before.Pixels.empty())
        return;
    xtest::Settle(100);
    g_Before = Grab_Page();
    GtkWidget* pDialog = xtest::Dialog(NEW_GAME_DIALOG);
    GdkRectangle Frame{};
    gdk_window_get_frame_extents(gtk_widget_get_window(pDialog), &Frame);
    g_xDialog = Frame.x;
    g_yDialog = Frame.y;
    g_cxDialog = Frame.width;
    g_cyDialog = Frame.height;
    GtkWidget* pTeam = xtest::Control(NEW_GAME_DIALOG, NEW_GAME_TEAM);
    g_TeamBefore = gtk_combo_box_text_get_active_text(GTK_COMBO_BOX_TEXT(pTeam));
    g_bPopupShown = xtest::Open_Combo(pTeam);
    xtest::Settle(100);
    gui_support::g_ShotWritten.clear();
    gtk_probe::Screenshot(gtk_probe::WINDOW_MAIN, 0, gui_support::Screenshot_Path("repaint_team_list_open"));
    // The fourth club of the list, clicked: the list closes over the page.
    xtest::Key("Down");
    xtest::Key("Down");
    xtest::Key("Return");
    xtest::Wait_Combo_Closed(pTeam);
    xtest::Settle(300);
    g_TeamAfter = gtk_combo_box_text_get_active_text(GTK_COMBO_BOX_TEXT(pTeam));
    g_After = Grab_Page();
    gtk_probe::Screenshot(gtk_probe::WINDOW_MAIN, 0, gui_support::Screenshot_Path("repaint_team_list_closed"));
    xtest::Click(xtest::Control(NEW_GAME_DIALOG, DIALOG_CANCEL));
}

}  // namespace

TEST(GtkRepaint, TheTeamListOfNewGameLeavesNoStripOfAnotherPageBehind)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_repaint");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    ASSERT_TRUE(gui_support::Start_Not_Random());
    // The front page, as a player sees it before choosing a game.
    Set_Main_View_Page(0);
    xtest::Settle(300);
    ASSERT_EQ(Get_User_Preference(PREF_MAIN_PAGE), 0);
    gtk_probe::Set_Shown_Hook(Choose_Team_With_The_Mouse);
    Do_Dialog(NEW_GAME_DIALOG, "New Game", Start_Game_Dialog_Proc);
    gtk_probe::Set_Shown_Hook(nullptr);
    ASSERT_FALSE(g_Before.Pixels.empty()) << g_Before.x << "," << g_Before.y << " " << g_Before.cx << "x" << g_Before.cy << " " << g_TeamBefore;
    EXPECT_TRUE(g_bPopupShown);
    EXPECT_NE(g_TeamAfter, g_TeamBefore);
    ASSERT_EQ(g_After.Pixels.size(), g_Before.Pixels.size());
    ASSERT_EQ(g_After.x, g_Before.x);
    // Outside the dialog, the page shows what it showed before the list
    // opened, pixel for pixel.
    int nChanged = 0, xFirst = -1, yFirst = -1;
    for (int y = 0; y < g_Before.cy; ++y) {
        for (int x = 0; x < g_Before.cx; ++x) {
            const int xs = g_Before.x + x, ys = g_Before.y + y;
            if (xs >= g_xDialog && xs < g_xDialog + g_cxDialog && ys >= g_yDialog && ys < g_yDialog + g_cyDialog)
                continue;
            const size_t n = 3 * (static_cast<size_t>(y) * g_Before.cx + x);
            if (g_Before.Pixels.compare(n, 3, g_After.Pixels, n, 3) != 0) {
                if (nChanged++ == 0) {
                    xFirst = x;
                    yFirst = y;
                }
            }
        }
    }
    EXPECT_EQ(nChanged, 0) << "first changed pixel of the page at " << xFirst << "," << yFirst;
    Destroy_Main_Window();
}
