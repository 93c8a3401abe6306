// The dialogs on a small screen (1024 x 600) under a window manager
// (openbox), every step a real key press or click through the X server. The
// test runs itself again in a process of its own whose X server has that
// screen (gui_main.cpp reads gui_support::SCREEN_SIZE_VARIABLE).
//
// The fantasy draft's list (Sortable Stats): the user's club drafts players
// of seven positions by keys, so that the club's picks (a line each) run
// past the foot of the dialog;
// then Auto-Size by its letter. Through all of it the dialog keeps its size
// (its picks grew it without end once they outran their label), lies inside
// the work area, and Draft and Done stay where they can be seen; so too once
// the manager has resized it (Alt and the right button dragged); a last pick is made by clicks on a row and on
// Draft, and Done is clicked. The Playbook Editor, taller than the work area,
// opens inside it, its content scrolls, and its DONE button, scrolled to with
// the mouse wheel, is clicked. A resizable dialog larger than the screen
// opens smaller (the manager stopped, so the program does it), its list giving way and its buttons at hand; a box of a
// hundred lines stands inside the work area too, and its OK is clicked.
// Screenshots: build/screenshots/small_screen_*.png (the whole screen).

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "editors/fantasy_draft_dialog.h"
#include "editors/playbook_editor.h"
#include "editors/sortable_stats.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/league_data.h"
#include "league/player.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/main_frame.h"
#include "platform/ui.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "test_deadlines.h"
#include "test_support.h"
#include "window_manager.h"
#include "xtest_input.h"

namespace {

constexpr int SCREEN_CX = 1024;
constexpr int SCREEN_CY = 600;
constexpr const char* SCREEN_SIZE = "1024x600";
// Well within the watchdog of gui_main.cpp (400 s in a plain build), which
// both runs have; both stretch alike in a slower build.
constexpr int CHILD_DEADLINE_MS = Test_Deadline(330 * 1000);
// Sortable Stats as its template has it: 520 x 230 dialog units.
constexpr int LIST_CX = 780;
constexpr int LIST_CY = 373;
// The club's picks, a line a position under its name, start 289 pixels down
// the 373 of the list's client area: seven lines run past its foot.
constexpr int POSITIONS_DRAFTED = 7;
constexpr const char* LONG_BOX_TITLE = "Long Note";

bool On_The_Small_Screen()
{
    const char* szSize = std::getenv(gui_support::SCREEN_SIZE_VARIABLE);
    return szSize != nullptr && std::strcmp(szSize, SCREEN_SIZE) == 0;
}

// The test named, run again by this program in a process of its own on the
// small screen; its output is kept in the file Log.
::testing::AssertionResult Run_On_The_Small_Screen(const std::string& Test, const std::string& Log)
{
    return gui_support::Run_Test_Alone(Test, std::string(gui_support::SCREEN_SIZE_VARIABLE) + "=" + SCREEN_SIZE, Log,
                                       CHILD_DEADLINE_MS);
}

// A resizable dialog larger than the screen (1050 x 682 pixels), a list
// that stretches with it and its buttons at the foot.
constexpr int BIG_LIST_DIALOG = 9950;
constexpr int BIG_LIST = 3001;
constexpr unsigned FOOT_RIGHT = CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM;
constexpr CONTROL_TEMPLATE BIG_CONTROLS[] = {
    {BIG_LIST, CONTROL_REPORT, "", {5, 5, 690, 385}, CS_ANCHOR_LEFT | CS_ANCHOR_TOP | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
    {DIALOG_OK, CONTROL_BUTTON, "O&K", {590, 400, 50, 14}, CS_DEFAULT | FOOT_RIGHT},
    {DIALOG_CANCEL, CONTROL_BUTTON, "Cancel", {645, 400, 50, 14}, FOOT_RIGHT},
};
constexpr DIALOG_TEMPLATE BIG_TEMPLATE{BIG_LIST_DIALOG, "Big List", 700, 420, DS_RESIZABLE, 300, 200, BIG_CONTROLS};

void Big_List_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT)
        Dialog.Build_Registered();
    else if (nEvent == DIALOG_COMMAND && (nControl == DIALOG_OK || nControl == DIALOG_CANCEL) &&
             Dialog.Is_Change_Command())
        Dialog.End(nControl);
}

struct SMALL_RUN {
    int nUser = -1;
    int nPrompts = 0;   // the user's turns told and answered
    bool bListDone = false;
    bool bPlaybookDone = false;
    bool bLongBoxAnswered = false;
    bool bBigListDone = false;
    std::set<std::string> Positions;   // of the players drafted by keys
    int nDrafted = 0;
    std::vector<std::string> Problems;
};
SMALL_RUN g_Run;

void Problem(const std::string& Text)
{
    if (g_Run.Problems.size() < 30)
        g_Run.Problems.push_back(Text);
}

GdkRectangle Work_Area()
{
    GdkRectangle Work{0, 0, 0, 0};
    GdkDisplay* pDisplay = gdk_display_get_default();
    GdkMonitor* pMonitor = gdk_display_get_primary_monitor(pDisplay);
    if (pMonitor == nullptr)
        pMonitor = gdk_display_get_monitor(pDisplay, 0);
    if (pMonitor != nullptr)
        gdk_monitor_get_workarea(pMonitor, &Work);
    return Work;
}

std::string Describe(const GdkRectangle& r)
{
    return std::to_string(r.width) + " x " + std::to_string(r.height) + " at " + std::to_string(r.x) + ", " +
           std::to_string(r.y);
}

// The dialog's frame (the manager's title bar included) inside the work
// area, and each of the controls named wholly within the part of the
// client area shown.
void Check_Inside(int nDialogId, const std::vector<int>& Controls, const std::string& When)
{
    xtest::Settle(150);
    GtkWidget* pWindow = xtest::Dialog(nDialogId);
    GdkWindow* pGdk = pWindow != nullptr ? gtk_widget_get_window(pWindow) : nullptr;
    if (pGdk == nullptr) {
        Problem(When + ": the dialog is not shown");
        return;
    }
    GdkRectangle Frame;
    gdk_window_get_frame_extents(pGdk, &Frame);
    const GdkRectangle Work = Work_Area();
    if (Frame.x < Work.x || Frame.y < Work.y || Frame.x + Frame.width > Work.x + Work.width ||
        Frame.y + Frame.height > Work.y + Work.height)
        Problem(When + ": the dialog's frame, " + Describe(Frame) + ", leaves the work area, " + Describe(Work));
    GtkWidget* pViewport = gtk_widget_get_parent(gtk_internal::Dialog_Client_Area(nDialogId));
    for (int nControl : Controls) {
        GtkWidget* pControl = gtk_internal::Control_Widget(nDialogId, nControl, true);
        int x = 0, y = 0;
        if (pControl == nullptr || pViewport == nullptr ||
            !gtk_widget_translate_coordinates(pControl, pViewport, 0, 0, &x, &y)) {
            Problem(When + ": control " + std::to_string(nControl) + " is not shown");
            continue;
        }
        const int cx = gtk_widget_get_allocated_width(pControl);
        const int cy = gtk_widget_get_allocated_height(pControl);
        if (x < 0 || y < 0 || x + cx > gtk_widget_get_allocated_width(pViewport) ||
            y + cy > gtk_widget_get_allocated_height(pViewport))
            Problem(When + ": control " + std::to_string(nControl) + " lies outside what the dialog shows");
    }
}

void Check_List_Size(int nDialogId, int cx, int cy, const std::string& When)
{
    gtk_probe::PIXELS Client;
    if (!gtk_probe::Dialog_Pixels(nDialogId, Client) || Client.cx != cx || Client.cy != cy)
        Problem(When + ": the list's client area is " + std::to_string(Client.cx) + " x " + std::to_string(Client.cy) +
                ", not " + std::to_string(cx) + " x " + std::to_string(cy));
}

// Waits for the user's next turn, told by its box (answered with Enter).
void Wait_Turn(int nPrompts, const std::string& After)
{
    if (!xtest::Wait_Until([&] { return g_Run.nPrompts > nPrompts && gtk_internal::Message_Box_Window() == nullptr; },
                           3 * xtest::WAIT_MS))
        Problem("after " + After + " the user's turn did not come back");
    xtest::Settle(100);
}

// Down until a player of a position the club has not drafted yet, then
// Alt+D.
void Draft_A_New_Position(int nDialogId)
{
    std::string Position;
    for (int i = 0; i < 80; ++i) {
        xtest::Key("Down");
        const int nRow = xtest::Selected_Row(xtest::Control(nDialogId, IDC_SS_LIST));
        Position = nRow >= 0 ? gtk_probe::Report_Cell(nDialogId, IDC_SS_LIST, nRow, 2) : "";
        if (!Position.empty() && g_Run.Positions.count(Position) == 0)
            break;
    }
    if (Position.empty() || g_Run.Positions.count(Position) != 0) {
        Problem("no player of a new position was reached with Down");
        return;
    }
    g_Run.Positions.insert(Position);
    const int nPrompts = g_Run.nPrompts;
    xtest::Key("alt+d");
    ++g_Run.nDrafted;
    Wait_Turn(nPrompts, "drafting a " + Position);
}

void In_The_List(int nDialogId)
{
    const std::vector<int> Buttons = {IDC_SS_RELEASE, IDC_SS_DONE};
    Check_Inside(nDialogId, Buttons, "at the opening");
    // The players nobody has drafted: the club list's last entry but one.
    xtest::Key("Tab");
    xtest::Key("End");
    xtest::Key("Up");
    xtest::Key("shift+Tab");
    xtest::Settle(100);
    for (int i = 1; i <= POSITIONS_DRAFTED; ++i) {
        Draft_A_New_Position(nDialogId);
        Check_List_Size(nDialogId, LIST_CX, LIST_CY, "after pick " + std::to_string(i));
        Check_Inside(nDialogId, Buttons, "after pick " + std::to_string(i));
    }
    window_manager::Screenshot_Screen(gui_support::Screenshot_Path("small_screen_fantasy_draft_list"));
    xtest::Key("alt+a");   // Auto-Size
    Check_List_Size(nDialogId, LIST_CX, LIST_CY, "after Auto-Size");
    Check_Inside(nDialogId, Buttons, "after Auto-Size");
    // Resized as the manager resizes: Alt and the right button dragged from
    // inside the dialog 60 pixels to the right (its foot is at the screen's).
    GtkWidget* pClient = gtk_internal::Dialog_Client_Area(nDialogId);
    Display* pX = xtest::X_Display();
    const KeyCode Alt = XKeysymToKeycode(pX, XK_Alt_L);
    int xRoot = 0, yRoot = 0;
    xtest::Screen_Point(pClient, LIST_CX - 40, LIST_CY - 60, xRoot, yRoot);
    xtest::Move_At(xRoot, yRoot);
    XTestFakeKeyEvent(pX, Alt, True, CurrentTime);
    xtest::Button(3, true);
    xtest::Settle(200);
    for (int i = 1; i <= 10; ++i) {
        xtest::Move_At(xRoot + 6 * i, yRoot);
        xtest::Settle(30);
    }
    xtest::Button(3, false);
    XTestFakeKeyEvent(pX, Alt, False, CurrentTime);
    xtest::Settle(300);
    gtk_probe::PIXELS Client;
    gtk_probe::Dialog_Pixels(nDialogId, Client);
    if (Client.cx <= LIST_CX)
        Problem("the manager's resize did not make the list wider");
    Check_Inside(nDialogId, Buttons, "after the manager's resize");
    // A pick by the mouse: a click on the first row, one on Draft.
    GtkWidget* pList = xtest::Control(nDialogId, IDC_SS_LIST);
    int x = 0, y = 0;
    if (!xtest::Row_Point(pList, 0, x, y) || !xtest::Click(pList, x, y))
        Problem("the first row took no click");
    xtest::Settle(100);
    GtkWidget* pDraft = xtest::Control(nDialogId, IDC_SS_RELEASE);
    if (pDraft == nullptr || !gtk_widget_is_sensitive(pDraft))
        Problem("Draft cannot be clicked after a row was");
    const int nPrompts = g_Run.nPrompts;
    xtest::Click(pDraft);
    ++g_Run.nDrafted;
    Wait_Turn(nPrompts, "the click on Draft");
    Check_Inside(nDialogId, Buttons, "after the click on Draft");
    // Done, clicked: the list closes once this returns to its loop.
    g_Run.bListDone = xtest::Click(xtest::Control(nDialogId, IDC_SS_DONE));
}

// Made smaller to fit the work area, as its user would: the list gives
// way, nothing scrolls, the buttons at the foot are there to click.
void In_The_Big_List(int nDialogId)
{
    const size_t nProblems = g_Run.Problems.size();
    Check_Inside(nDialogId, {DIALOG_OK, DIALOG_CANCEL}, "the big list");
    GtkWidget* pClient = gtk_internal::Dialog_Client_Area(nDialogId);
    GtkWidget* pScrolled = pClient != nullptr ? gtk_widget_get_parent(gtk_widget_get_parent(pClient)) : nullptr;
    if (pScrolled != nullptr && GTK_IS_SCROLLED_WINDOW(pScrolled)) {
        GtkAdjustment* pDown = gtk_scrolled_window_get_vadjustment(GTK_SCROLLED_WINDOW(pScrolled));
        GtkAdjustment* pAcross = gtk_scrolled_window_get_hadjustment(GTK_SCROLLED_WINDOW(pScrolled));
        if (gtk_adjustment_get_upper(pDown) > gtk_adjustment_get_page_size(pDown) ||
            gtk_adjustment_get_upper(pAcross) > gtk_adjustment_get_page_size(pAcross))
            Problem("the big list scrolls rather than giving way");
    }
    gtk_probe::PIXELS List;
    if (!gtk_probe::Control_Pixels(nDialogId, BIG_LIST, List) || List.cy >= 385 * 13 / 8)
        Problem("the big list did not give way");
    if (g_Run.Problems.size() > nProblems) {
        xtest::Key("Escape");   // its buttons out of reach
        return;
    }
    g_Run.bBigListDone = xtest::Click(xtest::Control(nDialogId, DIALOG_OK));
}

void In_The_Playbook(int nDialogId)
{
    // Taller than the work area: the frame inside it, the content scrolls.
    Check_Inside(nDialogId, {}, "the Playbook Editor");
    window_manager::Screenshot_Screen(gui_support::Screenshot_Path("small_screen_playbook_editor"));
    GtkWidget* pClient = gtk_internal::Dialog_Client_Area(nDialogId);
    GtkWidget* pScrolled = pClient != nullptr ? gtk_widget_get_parent(gtk_widget_get_parent(pClient)) : nullptr;
    if (pScrolled == nullptr || !GTK_IS_SCROLLED_WINDOW(pScrolled)) {
        Problem("the Playbook Editor's content does not scroll");
        xtest::Key("Escape");
        return;
    }
    GtkAdjustment* pDown = gtk_scrolled_window_get_vadjustment(GTK_SCROLLED_WINDOW(pScrolled));
    if (gtk_adjustment_get_upper(pDown) <= gtk_adjustment_get_page_size(pDown))
        Problem("the Playbook Editor shows no more than fits, yet is taller than the work area");
    // The mouse wheel over it, until DONE is whole in view.
    GtkWidget* pDone = gtk_internal::Control_Widget(nDialogId, PBE_DONE_BUTTON, true);
    for (int i = 0; i < 20 && gtk_adjustment_get_value(pDown) + gtk_adjustment_get_page_size(pDown) <
                                  gtk_adjustment_get_upper(pDown);
         ++i) {
        int xRoot = 0, yRoot = 0;
        xtest::Screen_Point(pScrolled, gtk_widget_get_allocated_width(pScrolled) / 2,
                            gtk_widget_get_allocated_height(pScrolled) / 2, xRoot, yRoot);
        xtest::Click_At(xRoot, yRoot, 5);
        xtest::Settle(50);
    }
    Check_Inside(nDialogId, {PBE_DONE_BUTTON}, "the Playbook Editor scrolled down");
    g_Run.bPlaybookDone = xtest::Click(pDone);
}

// A box whose text is taller than the screen: its frame inside the work
// area, its text scrolled, its OK button clicked.
void In_The_Long_Box()
{
    xtest::Settle(150);
    GtkWidget* pBox = gtk_internal::Message_Box_Window();
    GdkWindow* pGdk = pBox != nullptr ? gtk_widget_get_window(pBox) : nullptr;
    if (pGdk == nullptr) {
        Problem("the long box is not shown");
        return;
    }
    GdkRectangle Frame;
    gdk_window_get_frame_extents(pGdk, &Frame);
    const GdkRectangle Work = Work_Area();
    if (Frame.y < Work.y || Frame.y + Frame.height > Work.y + Work.height) {
        Problem("the long box's frame, " + Describe(Frame) + ", leaves the work area, " + Describe(Work));
        xtest::Key("Return");   // its OK out of reach
        return;
    }
    g_Run.bLongBoxAnswered = xtest::Click(xtest::Find_Button(pBox, "OK"));
}

void Answer(int nKind, int nDialogId)
{
    xtest::Settle(100);
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX && gtk_probe::Window_Title(nKind) == LONG_BOX_TITLE) {
        In_The_Long_Box();
        return;
    }
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        // "Round %d / Pick %d": the user's turn.
        if (gtk_probe::Window_Title(gtk_probe::WINDOW_MESSAGE_BOX).rfind("Round ", 0) == 0)
            ++g_Run.nPrompts;
        xtest::Key("Return");
        return;
    }
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    if (nDialogId == SORTABLE_STATS_DIALOG) {
        In_The_List(nDialogId);
    } else if (nDialogId == PLAYBOOK_EDITOR_DIALOG) {
        In_The_Playbook(nDialogId);
    } else if (nDialogId == BIG_LIST_DIALOG) {
        In_The_Big_List(nDialogId);
    } else {
        if (nDialogId != START_FANTASY_DRAFT_DIALOG)
            Problem("dialog " + std::to_string(nDialogId) + " opened");
        xtest::Key("Return");
    }
}

struct HOOKS : gui_support::ANSWERING_HOOK {
    HOOKS() : ANSWERING_HOOK(Answer) {}
};

}  // namespace

TEST(GtkSmallScreen, DialogsStayInsideTheWorkAreaWithTheirButtonsWithinReach)
{
    REQUIRE_DESKTOP();
    if (!On_The_Small_Screen()) {
        SCRATCH_FOLDER Log("gui_small_screen_log");
        ASSERT_TRUE(Log.Ready());
        EXPECT_TRUE(Run_On_The_Small_Screen("GtkSmallScreen.DialogsStayInsideTheWorkAreaWithTheirButtonsWithinReach",
                                            Log.Path() + "/run.txt"));
        return;
    }
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_small_screen");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    WINDOW_MANAGER Manager;
    ASSERT_TRUE(Manager.Start()) << Manager.Problem();
    const GdkRectangle Work = Work_Area();
    ASSERT_TRUE(Work.width <= SCREEN_CX && Work.height <= SCREEN_CY) << Describe(Work);
    g_Run = SMALL_RUN{};
    g_Run.nUser = gui_support::First_User_Team();
    ASSERT_GE(g_Run.nUser, 0);
    const HOOKS Hooks;
    xtest::Click(xtest::Main_Area(FRAME_PAGE));

    // Tools > Fantasy Draft, the orders offered; the user's turn comes.
    EXPECT_EQ(window_manager::Choose_By_Letters("o", CMD_FANTASY_DRAFT_TOOL, "f"), "");
    ASSERT_TRUE(xtest::Wait_Until([] { return g_Run.nPrompts == 1 && !gtk_probe::Modal_Open(); }, 3 * xtest::WAIT_MS))
        << "the user's first turn did not come";
    // Team > Sortable Stats.
    EXPECT_EQ(window_manager::Choose_By_Letters("t", CMD_SORTABLE_STATS, "r"), "");
    EXPECT_TRUE(xtest::Wait_Until([] { return g_Run.bListDone && !gtk_probe::Modal_Open(); }, 8 * xtest::WAIT_MS));
    int nPicked = 0;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            nPicked += Is_Player_Slot_Used(t, s) && Get_Player_Drafted_By(t, s) == g_Run.nUser ? 1 : 0;
    EXPECT_EQ(nPicked, POSITIONS_DRAFTED + 1);
    EXPECT_EQ(g_Run.nDrafted, POSITIONS_DRAFTED + 1);
    EXPECT_EQ(static_cast<int>(g_Run.Positions.size()), POSITIONS_DRAFTED);
    Close_Fantasy_Draft();

    // Team > Playbook.
    EXPECT_EQ(window_manager::Choose_By_Letters("t", CMD_PLAYBOOK_EDITOR, "b"), "");
    EXPECT_TRUE(xtest::Wait_Until([] { return g_Run.bPlaybookDone && !gtk_probe::Modal_Open(); }, 3 * xtest::WAIT_MS));
    // A resizable dialog larger than the screen, with no manager to make it
    // smaller: the program's own doing.
    Manager.Stop();
    Register_Dialog(BIG_LIST_DIALOG, BIG_TEMPLATE, Big_List_Proc, {});
    EXPECT_EQ(Do_Dialog(BIG_LIST_DIALOG), DIALOG_OK);   // not Cancel, pressed when OK was out of reach
    EXPECT_TRUE(g_Run.bBigListDone);
    // A box of a hundred lines.
    std::string Long;
    for (int i = 1; i <= 100; ++i)
        Long += "Line " + std::to_string(i) + " of the note.\n";
    EXPECT_EQ(Show_Message_Box(Long.c_str(), LONG_BOX_TITLE, BOX_OK), ID_OK);
    EXPECT_TRUE(g_Run.bLongBoxAnswered);
    for (const std::string& Text : g_Run.Problems)
        ADD_FAILURE() << Text;
    Destroy_Main_Window();
}

TEST(GtkSmallScreen, TheMainWindowKeepsItsBarsOnTheScreen)
{
    REQUIRE_DESKTOP();
    if (!On_The_Small_Screen()) {
        SCRATCH_FOLDER Log("gui_small_screen_main_log");
        ASSERT_TRUE(Log.Ready());
        EXPECT_TRUE(Run_On_The_Small_Screen("GtkSmallScreen.TheMainWindowKeepsItsBarsOnTheScreen", Log.Path() + "/run.txt"));
        return;
    }
    ASSERT_TRUE(xtest::Available());
    // The window's rectangle as a larger screen left it (1024 x 720 at 40,
    // 40: the default), framed on 1024 x 600 by a manager: the whole frame,
    // and so the status and news bars at the window's foot, on the screen.
    SCRATCH_FOLDER Data("gui_small_screen_main");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    WINDOW_MANAGER Manager;
    ASSERT_TRUE(Manager.Start()) << Manager.Problem();
    xtest::Settle(500);
    const GdkRectangle Work = Work_Area();
    GtkWidget* pWindow = gtk_internal::Main_Window();
    ASSERT_NE(pWindow, nullptr);
    ASSERT_TRUE(xtest::Wait_Until(
        [&] {
            GdkRectangle Frame;
            gdk_window_get_frame_extents(gtk_widget_get_window(pWindow), &Frame);
            return Frame.x >= Work.x && Frame.y >= Work.y && Frame.x + Frame.width <= Work.x + Work.width &&
                   Frame.y + Frame.height <= Work.y + Work.height;
        },
        xtest::WAIT_MS))
        << "the main window's frame, " << [&] {
               GdkRectangle Frame;
               gdk_window_get_frame_extents(gtk_widget_get_window(pWindow), &Frame);
               return Describe(Frame);
           }() << ", leaves the work area, " << Describe(Work);
    xtest::Settle(300);
    window_manager::Screenshot_Screen(gui_support::Screenshot_Path("small_screen_main_window"));
    Destroy_Main_Window();
}
