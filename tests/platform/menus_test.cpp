// The menu model: what can be chosen (enabled items, enabled submenus, the
// whole bar greyed), accelerators, and popup menus answered headless.
#include <gtest/gtest.h>

#include <vector>

#include "platform/menus.h"
#include "platform/ui.h"

namespace {

std::vector<int> g_Handled;

void Handle(int nCommand)
{
    g_Handled.push_back(nCommand);
}

class MenusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        menus::Reset();
        g_Handled.clear();
        MENU& Menu = menus::Main_Menu();
        Menu.Items = {
            Menu_Submenu("&File", {Menu_Command(40001, "&New Game", "Ctrl+N"), Menu_Separator(),
                                   Menu_Command(40002, "&Save Game", "Ctrl+S")}),
            Menu_Submenu("&Play", {Menu_Command(40011, "One &Week", "Ctrl+1")}),
            Menu_Command(40020, "&Help"),
        };
        Menu.Accelerators = {{'N', ACCEL_CTRL, 40001}, {'S', ACCEL_CTRL, 40002}, {'1', ACCEL_CTRL, 40011}};
        menus::Main_Menu_Changed();
        menus::Set_Command_Handler(Handle);
    }
    void TearDown() override
    {
        menus::Set_Command_Handler(nullptr);
        menus::Reset();
    }
};

}  // namespace

TEST_F(MenusTest, OnlyWhatTheUserCouldClickIsCarriedOut)
{
    MENU& Menu = menus::Main_Menu();
    EXPECT_NE(Find_Menu_Item(Menu, 40011), nullptr);
    EXPECT_EQ(Find_Menu_Item(Menu, 0), nullptr);   // separators and submenu titles have no command
    menus::Enable_Command(40002, false);
    EXPECT_TRUE(menus::Activate_Command(40001));
    EXPECT_FALSE(menus::Activate_Command(40002));   // greyed item
    EXPECT_FALSE(menus::Activate_Command(49999));   // no such item
    // A greyed submenu hides its items.
    Menu.Items[1].bEnabled = false;
    menus::Main_Menu_Changed();
    EXPECT_FALSE(menus::Press_Key('1', ACCEL_CTRL));
    Menu.Items[1].bEnabled = true;
    // The whole bar greyed: nothing, by item or key, until it is lifted.
    menus::Grey_Main_Menu(true);
    EXPECT_FALSE(menus::Activate_Command(40020));
    EXPECT_FALSE(menus::Press_Key('N', ACCEL_CTRL));
    menus::Grey_Main_Menu(false);
    EXPECT_TRUE(menus::Press_Key('1', ACCEL_CTRL));
    EXPECT_FALSE(menus::Press_Key('1', 0));                 // Ctrl is part of the key
    EXPECT_FALSE(menus::Press_Key('S', ACCEL_CTRL));        // its command is greyed
    EXPECT_EQ(g_Handled, (std::vector<int>{40001, 40011}));
    EXPECT_EQ(menus::Activated(), g_Handled);
    menus::Check_Command(40020, true);
    EXPECT_TRUE(Find_Menu_Item(Menu, 40020)->bChecked);
    // Told each time: set-up, the item greyed, the submenu, grey, ungrey, the check.
    EXPECT_EQ(menus::Main_Menu_Changes(), 6);
}

TEST_F(MenusTest, TheProgressWindowHoldsTheBarButForTheCommandsLiveWhileBusy)
{
    MENU& Menu = menus::Main_Menu();
    Menu.LiveWhileBusy = {40011};
    ASSERT_EQ(Open_Progress_Window("Setting Up League", 3), 1);
    EXPECT_TRUE(Menu.bHeldByProgress);
    EXPECT_TRUE(Is_Bar_Greyed(Menu));
    EXPECT_FALSE(menus::Press_Key('S', ACCEL_CTRL));   // no save of a league half made
    EXPECT_FALSE(menus::Activate_Command(40001));
    EXPECT_TRUE(menus::Press_Key('1', ACCEL_CTRL));    // live while busy
    // Greyed as well: a command must be live for both holds.
    Menu.LiveWhileGreyed = {40020};
    menus::Grey_Main_Menu(true);
    EXPECT_FALSE(menus::Activate_Command(40011));
    EXPECT_FALSE(menus::Activate_Command(40020));
    menus::Grey_Main_Menu(false);
    Close_Progress_Window();
    EXPECT_FALSE(Menu.bHeldByProgress);
    EXPECT_TRUE(menus::Press_Key('S', ACCEL_CTRL));
    EXPECT_TRUE(menus::Activate_Command(40020));
    EXPECT_EQ(g_Handled, (std::vector<int>{40011, 40002, 40020}));
}

TEST_F(MenusTest, PopupMenusAnswerFromTheQueueAndOnlyWithAnItemThatCanBeChosen)
{
    MENU Popup;
    Popup.Items = {Menu_Command(501, "&Sort"), Menu_Command(502, "&Hide Column"), Menu_Separator(),
                   Menu_Command(503, "&Reset")};
    Popup.Items[3].bEnabled = false;
    menus::Queue_Popup_Choice(502);
    menus::Queue_Popup_Choice(503);
    EXPECT_EQ(menus::Track_Popup_Menu(Popup, 10, 20), 502);
    EXPECT_EQ(menus::Track_Popup_Menu(Popup, 10, 20), 0);   // 503 is greyed
    EXPECT_EQ(menus::Track_Popup_Menu(Popup, 30, 40), 0);   // nothing queued: dismissed
    ASSERT_EQ(menus::Popups().size(), 3u);
    EXPECT_EQ(menus::Popups()[0].Ids, (std::vector<int>{501, 502, 503}));
    EXPECT_EQ(menus::Popups()[2].x, 30);
    EXPECT_EQ(menus::Popups()[0].nChosen, 502);
    // A popup's choice is the caller's, not a main-menu command.
    EXPECT_TRUE(g_Handled.empty());
}
