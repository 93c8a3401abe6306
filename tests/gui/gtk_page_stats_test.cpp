// The statistics of the main window's pages chosen as a person chooses them,
// through the X server: a click of the pointer on a heading of the front
// page, the Standings, the Calendar and the Games page opens its Choose Stat
// dialog (Leader Heading, 143, 145, 163), a click on a statistic's button
// closes it, and the page shows that statistic, kept in the heading's
// preference slot and so in the saved game. F7 (View, Choose Statistic...)
// opens the page's first heading's dialog from the keyboard; Escape leaves
// the choice as it was.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/stat_pickers.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/preferences.h"
#include "pages/page_layout.h"
#include "pages/page_paint.h"
#include "pages/page_stats.h"
#include "platform/dialogs.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/main_frame.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "test_support.h"
#include "xtest_input.h"

namespace {

// What the dialog hook does: the dialog it saw and the button it pressed
// (-1: Escape).
struct CHOOSER {
    int nChoice = -1;
    std::vector<int> Dialogs;
    std::vector<std::string> Problems;
};
CHOOSER g_Chooser;

void On_Shown(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    g_Chooser.Dialogs.push_back(nDialogId);
    if (g_Chooser.nChoice < 0) {
        xtest::Key("Escape");
        return;
    }
    GtkWidget* pButton = xtest::Control(nDialogId, Get_Stat_Button_Id(g_Chooser.nChoice));
    if (pButton == nullptr || !xtest::Click(pButton)) {
        g_Chooser.Problems.push_back("no button " + std::to_string(g_Chooser.nChoice) + " in dialog " +
                                     std::to_string(nDialogId));
        xtest::Key("Escape");
    }
}

void Show_Page(int nPage)
{
    const int nDraws = gtk_probe::Draw_Count(gtk_probe::WINDOW_MAIN);
    Set_Main_View_Page(nPage);
    gtk_probe::Wait_Draw_After(gtk_probe::WINDOW_MAIN, 0, nDraws, xtest::WAIT_MS);
    xtest::Settle(50);
}

// Waits until a dialog after the first nBefore has shown and closed again.
bool Wait_Chooser(size_t nBefore)
{
    return xtest::Wait_Until([nBefore] { return g_Chooser.Dialogs.size() > nBefore && !gtk_probe::Modal_Open(); });
}

// A click as a hand makes it: the button goes down and up before the
// program has handled the press. (The press opens a modal dialog at once;
// a release sent only after the program answered the press would come after
// the dialog had closed, and the button held down meanwhile would keep every
// click in the dialog for the page.)
bool Press_And_Release(GtkWidget* pWidget, int x, int y)
{
    int xRoot = 0, yRoot = 0;
    Display* pX = xtest::X_Display();
    if (pX == nullptr || !xtest::Screen_Point(pWidget, x, y, xRoot, yRoot) || !xtest::Focus(pWidget) ||
        !xtest::Move_At(xRoot, yRoot))
        return false;
    XTestFakeButtonEvent(pX, 1, True, CurrentTime);
    XTestFakeButtonEvent(pX, 1, False, CurrentTime);
    XFlush(pX);
    xtest::Settle(100);
    return true;
}

// A click of the pointer in the middle of the page's n-th heading, choosing
// statistic nChoice in the dialog it opens.
bool Click_Heading(int nPage, size_t n, int nChoice)
{
    const PAGE_LAYOUT Layout = Layout_Main_Page(nPage);
    if (n >= Layout.StatHeadings.size())
        return false;
    const CANVAS_RECT rc = Scale_Page_Rect(Layout.StatHeadings[n].Box, Get_Main_Window_Areas().Page);
    g_Chooser.nChoice = nChoice;
    const size_t nBefore = g_Chooser.Dialogs.size();
    return Press_And_Release(xtest::Main_Area(FRAME_PAGE), (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2) &&
           Wait_Chooser(nBefore);
}

// The text the page lays out in a heading's box.
std::string Heading_Text(int nPage, size_t n)
{
    const PAGE_LAYOUT Layout = Layout_Main_Page(nPage);
    if (n >= Layout.StatHeadings.size())
        return "<no heading>";
    const PAGE_RECT& Box = Layout.StatHeadings[n].Box;
    for (const PAGE_TEXT& Text : Layout.Texts)
        if (Text.Box.nLeft == Box.nLeft && Text.Box.nTop == Box.nTop && Text.Box.nRight == Box.nRight)
            return Text.Text;
    return "<no text>";
}

}  // namespace

TEST(GtkPageStats, AClickOnAPagesHeadingChoosesItsStatisticAndTheGameKeepsIt)
{
    REQUIRE_DESKTOP();
    if (!xtest::Available())
        GTEST_SKIP() << "the X server has no XTEST";
    SCRATCH_FOLDER Data("gui_page_stats");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    ASSERT_TRUE(xtest::Focus(xtest::Main_Window()));
    g_Chooser = CHOOSER{};
    gtk_probe::Set_Shown_Hook(On_Shown);

    // Front page: the second leader heading (slot 114) becomes
    // "Interceptions" (25).
    Show_Page(MAIN_PAGE_FRONT);
    ASSERT_TRUE(Click_Heading(MAIN_PAGE_FRONT, 1, 25));
    EXPECT_EQ(Get_User_Preference(114), 25);
    EXPECT_EQ(Heading_Text(MAIN_PAGE_FRONT, 1), "Interceptions:");

    // Standings: the figure column (slot 100) becomes "Points Scored" (7).
    Show_Page(MAIN_PAGE_STANDINGS);
    ASSERT_TRUE(Click_Heading(MAIN_PAGE_STANDINGS, 0, 7));
    EXPECT_EQ(Get_User_Preference(100), 7);
    EXPECT_EQ(Heading_Text(MAIN_PAGE_STANDINGS, 0), "Points Scored");

    // Calendar: the club's measure (slot 105) becomes "Cash" (15).
    Show_Page(MAIN_PAGE_CALENDAR);
    ASSERT_TRUE(Click_Heading(MAIN_PAGE_CALENDAR, 0, 15));
    EXPECT_EQ(Get_User_Preference(105), 15);
    EXPECT_EQ(Heading_Text(MAIN_PAGE_CALENDAR, 0).rfind("Cash: $", 0), 0u) << Heading_Text(MAIN_PAGE_CALENDAR, 0);

    // Games: the boxes' figure (slot 119) becomes "Over/Under" (19).
    Show_Page(MAIN_PAGE_GAMES);
    ASSERT_TRUE(Click_Heading(MAIN_PAGE_GAMES, 0, 19));
    EXPECT_EQ(Get_User_Preference(119), 19);
    EXPECT_EQ(Heading_Text(MAIN_PAGE_GAMES, 0), "Over/Under");

    // The keyboard: F7 opens the Games page's dialog; Escape keeps the choice,
    // then F7 again and "Sacks" (14).
    g_Chooser.nChoice = -1;
    xtest::Focus(xtest::Main_Window());
    xtest::Key("F7");
    ASSERT_TRUE(Wait_Chooser(4));
    EXPECT_EQ(Get_User_Preference(119), 19);
    g_Chooser.nChoice = 14;
    xtest::Focus(xtest::Main_Window());
    xtest::Key("F7");
    ASSERT_TRUE(Wait_Chooser(5));
    EXPECT_EQ(Get_User_Preference(119), 14);
    EXPECT_EQ(Heading_Text(MAIN_PAGE_GAMES, 0), "Sacks");

    // A click beside the heading opens nothing.
    const size_t nOpened = g_Chooser.Dialogs.size();
    Press_And_Release(xtest::Main_Area(FRAME_PAGE), 3, 3);
    EXPECT_EQ(g_Chooser.Dialogs.size(), nOpened);
    gtk_probe::Set_Shown_Hook(nullptr);
    EXPECT_EQ(g_Chooser.Dialogs, (std::vector<int>{144, 143, 145, 163, 163, 163}));
    for (const std::string& Problem : g_Chooser.Problems)
        ADD_FAILURE() << Problem;

    // The choices are the saved game's: saved, changed, loaded back.
    ASSERT_EQ(Save_Game("Stat Choices.zrt"), 0);
    for (int nSlot : {100, 105, 114, 119})
        Set_User_Preference(nSlot, 0);
    ASSERT_NE(Load_Game_File("Stat Choices.zrt"), 0);
    EXPECT_EQ(Get_User_Preference(100), 7);
    EXPECT_EQ(Get_User_Preference(105), 15);
    EXPECT_EQ(Get_User_Preference(114), 25);
    EXPECT_EQ(Get_User_Preference(119), 14);

    dialogs::Set_Unattended(true);
    Destroy_Main_Window();
}

namespace {

// What the keys of the next test opened: each dialog with the slot it
// chooses for, and each box's title.
struct KEYED {
    std::vector<int> Slots;
    std::vector<std::string> Titles;   // each dialog's title as its window shows it
    std::vector<std::string> Boxes;
};
KEYED g_Keyed;

void Note_And_Close(int nKind, int nDialogId)
{
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        g_Keyed.Boxes.push_back(gtk_probe::Window_Title(gtk_probe::WINDOW_MESSAGE_BOX));
        xtest::Focus(gtk_internal::Message_Box_Window());
        xtest::Key("Return");
    } else if (nKind == gtk_probe::WINDOW_DIALOG) {
        g_Keyed.Slots.push_back(Get_User_Preference(PREF_CHOOSE_STAT_COLUMN));
        g_Keyed.Titles.push_back(gtk_probe::Window_Title(gtk_probe::WINDOW_DIALOG, nDialogId));
        xtest::Key("Escape");
    }
}

// A key pressed in the main window, then the windows it opened answered.
bool Press_In_Main_Window(const std::string& Key, int nWindows)
{
    xtest::Focus(xtest::Main_Window());
    xtest::Key(Key);
    return gui_support::Wait_Answered(nWindows);
}

}  // namespace

TEST(GtkPageStats, TheFrontAndDraftPagesHaveKeysAndF7ReachesEachHeadingOfAPage)
{
    REQUIRE_DESKTOP();
    if (!xtest::Available())
        GTEST_SKIP() << "the X server has no XTEST";
    SCRATCH_FOLDER Data("gui_page_keys");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    g_Keyed = KEYED{};
    const gui_support::ANSWERING_HOOK Hook(Note_And_Close);

    // F2 the Standings, F8 back to the front page, F9 the Draft page.
    xtest::Focus(xtest::Main_Window());
    xtest::Key("F2");
    EXPECT_TRUE(xtest::Wait_Until([] { return Get_User_Preference(PREF_MAIN_PAGE) == MAIN_PAGE_STANDINGS; }));
    xtest::Key("F8");
    EXPECT_TRUE(xtest::Wait_Until([] { return Get_User_Preference(PREF_MAIN_PAGE) == MAIN_PAGE_FRONT; }));
    xtest::Key("F9");
    EXPECT_TRUE(xtest::Wait_Until([] { return Get_User_Preference(PREF_MAIN_PAGE) == MAIN_PAGE_DRAFT; }));
    // F9 again turns the Draft page round by round, the last back to the first.
    const int nFirstRound = Get_Draft_Page_Round();
    for (int i = 1; i <= DRAFT_ROUNDS; ++i) {
        xtest::Key("F9");
        const int nWanted = (nFirstRound - 1 + i) % DRAFT_ROUNDS + 1;
        EXPECT_TRUE(xtest::Wait_Until([nWanted] { return Get_Draft_Page_Round() == nWanted; })) << "F9 press " << i;
    }
    EXPECT_EQ(Get_User_Preference(PREF_MAIN_PAGE), MAIN_PAGE_DRAFT);
    xtest::Key("F8");
    ASSERT_TRUE(xtest::Wait_Until([] { return Get_User_Preference(PREF_MAIN_PAGE) == MAIN_PAGE_FRONT; }));

    // F7 five times on the front page: its four Season Leaders headings in
    // turn (slots 113-116), then the first again.
    for (int i = 1; i <= 5; ++i)
        ASSERT_TRUE(Press_In_Main_Window("F7", i)) << "F7 press " << i;
    EXPECT_EQ(g_Keyed.Slots, (std::vector<int>{113, 114, 115, 116, 113}));
    EXPECT_TRUE(g_Keyed.Boxes.empty());
    // Each dialog's title says which heading it changes and what that
    // heading shows on the page now.
    ASSERT_EQ(g_Keyed.Titles.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        std::string Shown = Heading_Text(MAIN_PAGE_FRONT, i % 4);
        if (!Shown.empty() && Shown.back() == ':')
            Shown.pop_back();
        EXPECT_EQ(g_Keyed.Titles[i], "Leader Heading " + std::to_string(i % 4 + 1) + " of 4 (now " + Shown + ")");
    }

    // The Champions page (F6) has no heading: F7 says so in a box.
    xtest::Key("F6");
    ASSERT_TRUE(xtest::Wait_Until([] { return Get_User_Preference(PREF_MAIN_PAGE) == MAIN_PAGE_CHAMPIONS; }));
    ASSERT_TRUE(Press_In_Main_Window("F7", 6));
    EXPECT_EQ(g_Keyed.Boxes, std::vector<std::string>{"Choose Statistic"});
    EXPECT_EQ(g_Keyed.Slots.size(), 5u);

    // The Standings' headings (one a division) share one slot: F7 opens it
    // each time.
    xtest::Key("F2");
    ASSERT_TRUE(xtest::Wait_Until([] { return Get_User_Preference(PREF_MAIN_PAGE) == MAIN_PAGE_STANDINGS; }));
    ASSERT_TRUE(Press_In_Main_Window("F7", 7));
    ASSERT_TRUE(Press_In_Main_Window("F7", 8));
    EXPECT_EQ(g_Keyed.Slots, (std::vector<int>{113, 114, 115, 116, 113, 100, 100}));
}
