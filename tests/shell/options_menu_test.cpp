// The menu entries of Options, Database Notes, Injury Contingency, Did You
// Know? and the stroke tester, which shows only under "DTXT_AGG".
#include <gtest/gtest.h>

#include <string>

#include "platform/errors.h"
#include "shell/commands.h"
#include "shell/main_menu.h"

namespace {

TEST(OptionsMenu, TheSmallDialogsHaveTheirEntriesAndTheStrokeTesterOnlyUnderItsFlag)
{
    const unsigned nFlags = Get_Startup_Flags();
    Set_Startup_Flags(nFlags & ~FLAG_DTXT_AGG);
    Build_Main_Menu();
    const std::pair<int, const char*> Entries[] = {{40061, "&Options..."},
                                                   {40087, "&Database Notes..."},
                                                   {40077, "&Injury Contingency..."},
                                                   {CMD_DID_YOU_KNOW, "&Did You Know?..."}};
    for (const auto& Entry : Entries) {
        const MAIN_MENU_ITEM* pItem = Find_Main_Menu_Item(Entry.first);
        ASSERT_NE(pItem, nullptr) << Entry.first;
        EXPECT_EQ(pItem->Text, Entry.second);
    }
    EXPECT_EQ(Find_Main_Menu_Item(CMD_STROKE_TESTER), nullptr);
    EXPECT_STREQ(Get_Command_Help_Page(40061), "options");

    Set_Startup_Flags(nFlags | FLAG_DTXT_AGG);
    Build_Main_Menu();
    EXPECT_NE(Find_Main_Menu_Item(CMD_STROKE_TESTER), nullptr);
    Set_Startup_Flags(nFlags);
    Build_Main_Menu();
}

}  // namespace
