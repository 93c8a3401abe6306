// The real-input helpers on a plain GTK entry: what XTEST sends arrives as a
// person's typing, keys, clicks and mouse selection would. A click aimed at a
// button off the screen stops the run at once, naming the button.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gui_support.h"
#include "xtest_input.h"

namespace {

struct PLAIN_WINDOW {
    GtkWidget* pWindow = nullptr;
    GtkWidget* pEntry = nullptr;
    PLAIN_WINDOW()
    {
        pWindow = gtk_window_new(GTK_WINDOW_TOPLEVEL);
        pEntry = gtk_entry_new();
        gtk_container_add(GTK_CONTAINER(pWindow), pEntry);
        gtk_window_set_default_size(GTK_WINDOW(pWindow), 300, 40);
        gtk_widget_show_all(pWindow);
        xtest::Settle(200);
    }
    ~PLAIN_WINDOW() { gtk_widget_destroy(pWindow); }
    std::string Text() const { return gtk_entry_get_text(GTK_ENTRY(pEntry)); }
    int Cursor() const { return gtk_editable_get_position(GTK_EDITABLE(pEntry)); }
};

}  // namespace

TEST(XtestInput, KeysClicksAndDragsReachAPlainEntry)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    PLAIN_WINDOW W;
    ASSERT_TRUE(xtest::Click(W.pEntry));
    EXPECT_TRUE(gtk_widget_has_focus(W.pEntry));
    ASSERT_TRUE(xtest::Type("Kim Lee"));
    EXPECT_EQ(W.Text(), "Kim Lee");
    // Shifted and unshifted punctuation, digits.
    ASSERT_TRUE(xtest::Type(" (42)!"));
    EXPECT_EQ(W.Text(), "Kim Lee (42)!");
    ASSERT_TRUE(xtest::Key("Home"));
    EXPECT_EQ(W.Cursor(), 0);
    ASSERT_TRUE(xtest::Key("Delete"));
    EXPECT_EQ(W.Text(), "im Lee (42)!");
    ASSERT_TRUE(xtest::Key("End"));
    ASSERT_TRUE(xtest::Key("BackSpace"));
    EXPECT_EQ(W.Text(), "im Lee (42)");
    ASSERT_TRUE(xtest::Key("ctrl+a"));
    ASSERT_TRUE(xtest::Type("Z"));
    EXPECT_EQ(W.Text(), "Z");

    // A mouse selection from the far left over the first letters is replaced.
    ASSERT_TRUE(xtest::Key("BackSpace"));
    ASSERT_TRUE(xtest::Type("abcdefgh"));
    PangoLayout* pLayout = gtk_entry_get_layout(GTK_ENTRY(W.pEntry));
    int xLayout = 0, yLayout = 0;
    gtk_entry_get_layout_offsets(GTK_ENTRY(W.pEntry), &xLayout, &yLayout);
    PangoRectangle Fourth;
    pango_layout_index_to_pos(pLayout, 4, &Fourth);
    const int xFourth = xLayout + PANGO_PIXELS(Fourth.x);
    const int yMiddle = gtk_widget_get_allocated_height(W.pEntry) / 2;
    // (A press on the entry's frame, outside its text, is no press on the text.)
    ASSERT_TRUE(xtest::Drag(W.pEntry, xLayout + 1, yMiddle, xFourth, yMiddle));
    int nStart = -1, nEnd = -1;
    EXPECT_TRUE(gtk_editable_get_selection_bounds(GTK_EDITABLE(W.pEntry), &nStart, &nEnd));
    EXPECT_EQ(nStart, 0);
    EXPECT_EQ(nEnd, 4);
    ASSERT_TRUE(xtest::Type("X"));
    EXPECT_EQ(W.Text(), "Xefgh");

    // A double click selects the word under the pointer.
    ASSERT_TRUE(xtest::Key("End"));
    ASSERT_TRUE(xtest::Type(" word"));
    EXPECT_EQ(W.Text(), "Xefgh word");
    PangoRectangle Inside;
    pLayout = gtk_entry_get_layout(GTK_ENTRY(W.pEntry));
    pango_layout_index_to_pos(pLayout, 8, &Inside);
    ASSERT_TRUE(xtest::Double_Click(W.pEntry, xLayout + PANGO_PIXELS(Inside.x), yMiddle));
    EXPECT_TRUE(gtk_editable_get_selection_bounds(GTK_EDITABLE(W.pEntry), &nStart, &nEnd));
    EXPECT_EQ(nStart, 6) << W.Text() << " " << nEnd;
    EXPECT_EQ(nEnd, 10);
}

namespace {
// Set in the run of its own that the test below starts.
constexpr const char* OFF_SCREEN_RUN = "KELVO_GUI_OFF_SCREEN_RUN";
}  // namespace

// The click would land on nothing (the pointer stops at the screen's edge)
// and a dialog waiting for it would wait until the watchdog: the run stops
// at once instead, saying which button and which window. Tried in a run of
// its own, which the stop ends.
TEST(XtestInput, AClickOnAButtonOffTheScreenStopsTheRunAtOnceNamingIt)
{
    REQUIRE_DESKTOP();
    if (std::getenv(OFF_SCREEN_RUN) == nullptr) {
        SCRATCH_FOLDER Log("gui_off_screen_click");
        ASSERT_TRUE(Log.Ready());
        std::string Output;
        EXPECT_FALSE(gui_support::Run_Test_Alone("XtestInput.AClickOnAButtonOffTheScreenStopsTheRunAtOnceNamingIt",
                                                 std::string(OFF_SCREEN_RUN) + "=1", Log.Path() + "/run.txt",
                                                 Test_Deadline(120000), &Output));
        EXPECT_NE(Output.find("the button \"Far Away\" of the window \"Off Screen\" lies off the screen"),
                  std::string::npos)
            << Output;
        EXPECT_NE(Output.find("stopped at once"), std::string::npos) << Output;
        EXPECT_EQ(Output.find("went on"), std::string::npos) << Output;
        EXPECT_EQ(Output.find("watchdog"), std::string::npos) << Output;
        return;
    }
    ASSERT_TRUE(xtest::Available());
    // A window hanging over the right edge of the screen (no manager
    // moves it back), its button's middle beyond the edge.
    GtkWidget* pWindow = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(pWindow), "Off Screen");
    GtkWidget* pButton = gtk_button_new_with_mnemonic("_Far Away");
    gtk_container_add(GTK_CONTAINER(pWindow), pButton);
    gtk_window_set_default_size(GTK_WINDOW(pWindow), 200, 40);
    gtk_window_move(GTK_WINDOW(pWindow), gdk_window_get_width(gdk_get_default_root_window()) - 60, 100);
    gtk_widget_show_all(pWindow);
    xtest::Settle(200);
    bool bClicked = false;
    g_signal_connect(pButton, "clicked", G_CALLBACK(+[](GtkButton*, gpointer p) { *static_cast<bool*>(p) = true; }),
                     &bClicked);
    xtest::Click(pButton);
    xtest::Wait_Until([&] { return bClicked; }, xtest::WAIT_MS / 3);
    ADD_FAILURE() << "the run went on after a click off the screen, " << (bClicked ? "clicked" : "not clicked");
    gtk_widget_destroy(pWindow);
}
