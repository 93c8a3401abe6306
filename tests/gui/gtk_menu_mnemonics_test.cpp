// The main window's menus by their underlined letters, with real key
// presses: the walk reads every menu of the bar and every item within each
// and refuses a letter two of them share (or one without a letter); then
// Alt and each menu's letter opens that menu and no other, and a letter
// within a menu reaches its item (Alt+O, O: Tools, Options).
// Screenshot: build/screenshots/menu_mnemonics_tools.png.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "editors/options_dialog.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "platform/dialogs.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/main_frame.h"
#include "shell/commands.h"
#include "test_support.h"
#include "window_manager.h"
#include "xtest_input.h"

namespace {

struct MENU_ENTRY {
    std::string Label;   // as shown, the mark removed
    guint nKey = GDK_KEY_VoidSymbol;
    GtkWidget* pItem = nullptr;
};

std::vector<MENU_ENTRY> Entries_Of(GtkWidget* pShell)
{
    std::vector<MENU_ENTRY> Entries;
    GList* pChildren = gtk_container_get_children(GTK_CONTAINER(pShell));
    for (GList* p = pChildren; p != nullptr; p = p->next) {
        GtkWidget* pItem = GTK_WIDGET(p->data);
        if (!GTK_IS_MENU_ITEM(pItem) || GTK_IS_SEPARATOR_MENU_ITEM(pItem) || !gtk_widget_get_visible(pItem))
            continue;
        MENU_ENTRY Entry;
        Entry.pItem = pItem;
        GtkWidget* pLabel = gtk_bin_get_child(GTK_BIN(pItem));
        // An item with a key shows a box of its label and its accelerator.
        if (pLabel != nullptr && GTK_IS_CONTAINER(pLabel) && !GTK_IS_LABEL(pLabel)) {
            GList* pParts = gtk_container_get_children(GTK_CONTAINER(pLabel));
            pLabel = pParts != nullptr ? GTK_WIDGET(pParts->data) : nullptr;
            g_list_free(pParts);
        }
        if (pLabel != nullptr && GTK_IS_LABEL(pLabel)) {
            Entry.Label = gtk_label_get_text(GTK_LABEL(pLabel));
            Entry.nKey = gdk_keyval_to_lower(gtk_label_get_mnemonic_keyval(GTK_LABEL(pLabel)));
        }
        Entries.push_back(Entry);
    }
    g_list_free(pChildren);
    return Entries;
}

// Letters shared within one menu (or the bar), and entries without one.
std::vector<std::string> Letter_Problems(const std::string& Where, const std::vector<MENU_ENTRY>& Entries)
{
    std::vector<std::string> Problems;
    std::map<guint, std::string> Taken;
    for (const MENU_ENTRY& Entry : Entries) {
        if (Entry.nKey == GDK_KEY_VoidSymbol) {
            Problems.push_back(Where + ": \"" + Entry.Label + "\" has no letter");
            continue;
        }
        auto It = Taken.find(Entry.nKey);
        if (It != Taken.end())
            Problems.push_back(Where + ": \"" + Entry.Label + "\" and \"" + It->second + "\" share the letter " +
                               gdk_keyval_name(Entry.nKey));
        else
            Taken[Entry.nKey] = Entry.Label;
    }
    return Problems;
}

GtkWidget* Menu_Bar()
{
    GtkWidget* pItem = gtk_internal::Menu_Item_Of(CMD_NEW_GAME);
    GtkWidget* pMenu = pItem != nullptr ? gtk_widget_get_parent(pItem) : nullptr;
    GtkWidget* pTop = pMenu != nullptr && GTK_IS_MENU(pMenu) ? gtk_menu_get_attach_widget(GTK_MENU(pMenu)) : nullptr;
    GtkWidget* pBar = pTop != nullptr ? gtk_widget_get_parent(pTop) : nullptr;
    return pBar != nullptr && GTK_IS_MENU_BAR(pBar) ? pBar : nullptr;
}

// The menus of the bar open now, by label.
std::vector<std::string> Open_Menus(const std::vector<MENU_ENTRY>& Bar)
{
    std::vector<std::string> Open;
    for (const MENU_ENTRY& Top : Bar) {
        GtkWidget* pMenu = gtk_menu_item_get_submenu(GTK_MENU_ITEM(Top.pItem));
        if (pMenu != nullptr && gtk_widget_get_mapped(pMenu))
            Open.push_back(Top.Label);
    }
    return Open;
}

void Close_Menus(const std::vector<MENU_ENTRY>& Bar)
{
    for (int i = 0; i < 3; ++i)
        xtest::Key("Escape");
    EXPECT_TRUE(xtest::Wait_Until([&Bar] { return Open_Menus(Bar).empty(); })) << "a menu stayed open";
}

bool g_bOptionsShown = false;
void Answer(int nKind, int nDialogId)
{
    // The key waits until the dialog has the keyboard.
    if (nKind == gtk_probe::WINDOW_DIALOG) {
        EXPECT_TRUE(window_manager::Wait_Keyboard(xtest::Dialog(nDialogId)))
            << "dialog " << nDialogId << ": " << window_manager::Focus_Report();
    }
    if (nKind == gtk_probe::WINDOW_DIALOG && nDialogId == OPTIONS_DIALOG) {
        g_bOptionsShown = true;
        // Options ignores Escape: Done, by Enter.
        xtest::Key("Return");
    } else if (nKind == gtk_probe::WINDOW_DIALOG) {
        xtest::Key("Escape");
    }
}

}  // namespace

TEST(GtkMenuMnemonics, EveryMenuAndEveryItemWithinOneHasALetterOfItsOwn)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_menu_mnemonics");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    GtkWidget* pBar = Menu_Bar();
    ASSERT_NE(pBar, nullptr);

    // The walk: the bar, then each menu.
    const std::vector<MENU_ENTRY> Bar = Entries_Of(pBar);
    ASSERT_GE(Bar.size(), 7u);
    std::vector<std::string> Problems = Letter_Problems("the menu bar", Bar);
    for (const MENU_ENTRY& Top : Bar) {
        GtkWidget* pMenu = gtk_menu_item_get_submenu(GTK_MENU_ITEM(Top.pItem));
        ASSERT_NE(pMenu, nullptr) << Top.Label;
        const std::vector<MENU_ENTRY> Items = Entries_Of(pMenu);
        EXPECT_FALSE(Items.empty()) << Top.Label;
        for (const std::string& Problem : Letter_Problems("the " + Top.Label + " menu", Items))
            Problems.push_back(Problem);
    }
    for (const std::string& Problem : Problems)
        ADD_FAILURE() << Problem;

    // Each menu opened by Alt and its letter: that one and no other.
    xtest::Click(xtest::Main_Area(FRAME_PAGE));
    for (const MENU_ENTRY& Top : Bar) {
        if (Top.nKey == GDK_KEY_VoidSymbol)
            continue;
        xtest::Key(std::string("alt+") + gdk_keyval_name(Top.nKey));
        xtest::Wait_Until([&Bar] { return !Open_Menus(Bar).empty(); });
        EXPECT_EQ(Open_Menus(Bar), std::vector<std::string>{Top.Label})
            << "Alt+" << gdk_keyval_name(Top.nKey) << " opened another menu";
        if (Top.Label == "Tools") {
            EXPECT_TRUE(window_manager::Screenshot_Screen(gui_support::Screenshot_Path("menu_mnemonics_tools")));
        }
        Close_Menus(Bar);
    }

    // Tools > Options by their letters.
    gtk_probe::Set_Shown_Hook(Answer);
    g_bOptionsShown = false;
    xtest::Click(xtest::Main_Area(FRAME_PAGE));
    xtest::Key("alt+o");
    xtest::Wait_Menu_Shown(CMD_OPTIONS);
    xtest::Key("o");
    xtest::Wait_Until([] { return g_bOptionsShown && !gtk_probe::Modal_Open(); });
    gtk_probe::Set_Shown_Hook(nullptr);
    EXPECT_TRUE(g_bOptionsShown) << "Alt+O, O did not open Options";
    Close_Menus(Bar);
    dialogs::Set_Unattended(true);
}
