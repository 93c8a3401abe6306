// The main window's frame, its menu bar and its keys on the real widgets:
// items and accelerators built from the menus model, driven in-process
// (gtk_menu_item_activate, gtk_accel_groups_activate, a key event through
// GTK's dispatch); a greyed bar and a disabled item do nothing; the frame
// keeps its least size, shows the news bar at 24 pixels and paints what the
// shell paints.

#include <gtest/gtest.h>

#include <vector>

#include "gui_support.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/main_frame.h"
#include "platform/menus.h"

namespace {

constexpr int CMD_ONE = 41001;
constexpr int CMD_TWO = 41002;
constexpr int CMD_VIEW = 41003;
constexpr int CMD_OFF = 41004;

std::vector<int> g_Chosen;
void Record_Command(int nCommand)
{
    g_Chosen.push_back(nCommand);
}

int g_nPagePaints = 0;
int g_nPageWidth = 0;
int g_nPageHeight = 0;
int g_nNewsHeight = 0;
void Paint_Area(int nArea, CANVAS& Canvas)
{
    if (nArea == FRAME_PAGE) {
        ++g_nPagePaints;
        g_nPageWidth = Canvas.Width();
        g_nPageHeight = Canvas.Height();
        Canvas.Fill_Rect(CANVAS_RECT{20, 20, 220, 60}, Rgb_Color(0x203040));
    } else if (nArea == FRAME_NEWS_BAR) {
        g_nNewsHeight = Canvas.Height();
    }
}

void Build_Menu()
{
    MENU& Menu = menus::Main_Menu();
    Menu = MENU{};
    Menu.Items.push_back(Menu_Submenu("&Play", {Menu_Command(CMD_ONE, "&One Week", "Ctrl+1"),
                                               Menu_Command(CMD_TWO, "&Two Weeks", "Ctrl+2"), Menu_Separator(),
                                               Menu_Command(CMD_OFF, "&Greyed")}));
    Menu.Items.push_back(Menu_Submenu("&View", {Menu_Command(CMD_VIEW, "&Standings", "F2")}));
    Menu.Accelerators = {{'1', ACCEL_CTRL, CMD_ONE}, {'2', ACCEL_CTRL, CMD_TWO}, {KEY_F1 + 1, 0, CMD_VIEW},
                         {'G', ACCEL_CTRL, CMD_OFF}};
    Find_Menu_Item(Menu, CMD_OFF)->bEnabled = false;
    menus::Set_Command_Handler(Record_Command);
    menus::Main_Menu_Changed();
}

void Open_Frame()
{
    MAIN_FRAME_HANDLERS Handlers;
    Handlers.pPaint = Paint_Area;
    main_frame::Set_Handlers(&Handlers);
    main_frame::Set_Title("Vazarudu Kelvo - 2019 Week 1");
    main_frame::Set_Bars(STATUS_BAR_HEIGHT, true);
    main_frame::Open(FRAME_RECT{10, 10, 10 + 1024, 10 + 768});
}

}  // namespace

TEST(GtkMenus, EveryCommandIsReachedByItsItemAndItsKeyAndGreyedOnesDoNothing)
{
    REQUIRE_DESKTOP();
    menus::Reset();
    Build_Menu();
    Open_Frame();
    ASSERT_TRUE(gtk_probe::Wait_Drawn(gtk_probe::WINDOW_MAIN));
    g_Chosen.clear();
    EXPECT_TRUE(gtk_probe::Activate_Menu_Item(CMD_ONE));
    EXPECT_TRUE(gtk_probe::Activate_Menu_Item(CMD_VIEW));
    EXPECT_TRUE(gtk_probe::Activate_Accelerator("2", true));
    EXPECT_TRUE(gtk_probe::Activate_Accelerator("F2"));
    // A key event through GTK's dispatch reaches the accelerators too.
    EXPECT_TRUE(gtk_probe::Send_Key(gtk_probe::WINDOW_MAIN, 0, "1", true));
    EXPECT_EQ(g_Chosen, (std::vector<int>{CMD_ONE, CMD_VIEW, CMD_TWO, CMD_VIEW, CMD_ONE}));

    // A disabled item and its key do nothing.
    g_Chosen.clear();
    EXPECT_FALSE(gtk_probe::Menu_Item_Sensitive(CMD_OFF));
    gtk_probe::Activate_Menu_Item(CMD_OFF);
    gtk_probe::Activate_Accelerator("g", true);
    EXPECT_TRUE(g_Chosen.empty());

    // The whole bar greyed (a run in progress): items and keys do nothing.
    menus::Grey_Main_Menu(true);
    EXPECT_FALSE(gtk_probe::Menu_Item_Sensitive(CMD_ONE));
    gtk_probe::Activate_Menu_Item(CMD_ONE);
    gtk_probe::Activate_Accelerator("1", true);
    gtk_probe::Send_Key(gtk_probe::WINDOW_MAIN, 0, "F2");
    EXPECT_TRUE(g_Chosen.empty());
    menus::Grey_Main_Menu(false);
    EXPECT_TRUE(gtk_probe::Menu_Item_Sensitive(CMD_ONE));
    EXPECT_TRUE(gtk_probe::Activate_Menu_Item(CMD_ONE));
    EXPECT_EQ(g_Chosen, (std::vector<int>{CMD_ONE}));
    main_frame::Close();
}

TEST(GtkMenus, TheFrameKeepsItsLeastSizeShowsTheNewsBarAndPaintsOnSize)
{
    REQUIRE_DESKTOP();
    menus::Reset();
    Build_Menu();
    Open_Frame();
    ASSERT_TRUE(gtk_probe::Wait_Drawn(gtk_probe::WINDOW_MAIN));
    gtk_probe::Run_For(100);
    EXPECT_EQ(gtk_probe::Window_Title(gtk_probe::WINDOW_MAIN), "Vazarudu Kelvo - 2019 Week 1");
    EXPECT_GT(g_nPagePaints, 0);
    EXPECT_EQ(g_nNewsHeight, NEWS_BAR_HEIGHT);
    gtk_probe::PIXELS Window;
    ASSERT_TRUE(gtk_probe::Window_Pixels(gtk_probe::WINDOW_MAIN, 0, Window));
    EXPECT_EQ(Window.cx, 1024);
    EXPECT_EQ(Window.cy, 768);
    EXPECT_EQ(g_nPageWidth, 1024);
    EXPECT_TRUE(gtk_probe::Screenshot(gtk_probe::WINDOW_MAIN, 0, gui_support::Screenshot_Path("main_window_frame")));

    // Smaller than five sixths of the design space: the page keeps 640 x 423.
    const int nPaints = g_nPagePaints;
    gtk_probe::Resize_Main_Window(300, 200);
    gtk_probe::Run_For(300);
    EXPECT_EQ(g_nPageWidth, FRAME_MIN_PAGE_WIDTH);
    EXPECT_EQ(g_nPageHeight, FRAME_MIN_PAGE_HEIGHT);
    EXPECT_GT(g_nPagePaints, nPaints);   // a new size is a new paint
    main_frame::Set_Title("Vazarudu Kelvo - 2019 Offseason");
    EXPECT_EQ(gtk_probe::Window_Title(gtk_probe::WINDOW_MAIN), "Vazarudu Kelvo - 2019 Offseason");
    main_frame::Close();
    EXPECT_FALSE(gtk_probe::Window_Pixels(gtk_probe::WINDOW_MAIN, 0, Window));
}

namespace {
int g_nPopupChoice = 0;
void Choose_In_Popup(int nKind, int)
{
    if (nKind == gtk_probe::WINDOW_POPUP && g_nPopupChoice != 0)
        gtk_probe::Choose_Popup_Item(g_nPopupChoice);
}
}  // namespace

TEST(GtkMenus, APopupMenuReturnsTheItemChosenOrNothingWhenDismissed)
{
    REQUIRE_DESKTOP();
    menus::Reset();
    Build_Menu();
    Open_Frame();
    ASSERT_TRUE(gtk_probe::Wait_Drawn(gtk_probe::WINDOW_MAIN));
    MENU Popup;
    Popup.Items = {Menu_Command(CMD_ONE, "&Sign"), Menu_Separator(), Menu_Command(CMD_TWO, "&Release"),
                   Menu_Command(CMD_OFF, "&Trade")};
    Popup.Items.back().bEnabled = false;
    gtk_probe::Set_Shown_Hook(Choose_In_Popup);
    g_nPopupChoice = CMD_TWO;
    EXPECT_EQ(menus::Track_Popup_Menu(Popup, 100, 100), CMD_TWO);
    // A greyed item cannot be chosen: the menu goes, nothing chosen.
    g_nPopupChoice = CMD_OFF;
    EXPECT_EQ(menus::Track_Popup_Menu(Popup, 100, 100), 0);
    // Nobody at the keyboard: dismissed once shown.
    dialogs::Set_Unattended(true);
    g_nPopupChoice = 0;
    EXPECT_EQ(menus::Track_Popup_Menu(Popup, 100, 100), 0);
    gtk_probe::Set_Shown_Hook(nullptr);
    ASSERT_EQ(menus::Popups().size(), 3u);
    EXPECT_EQ(menus::Popups()[0].nChosen, CMD_TWO);
    main_frame::Close();
}
