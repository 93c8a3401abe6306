// The menu bar and the accelerators from the menus model, and popup menus.
// An item chosen or a key pressed goes back through the model
// (menus::Activate_Command, menus::Press_Key), which refuses what the menu
// shown does not offer now.

#include <gtk/gtk.h>

#include <map>
#include <vector>

#include "platform/errors.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/gtk/gtk_probe.h"
#include "platform/gtk/gtk_text.h"
#include "platform/menus.h"
#include "platform/ui_text.h"

namespace {

GtkWidget* g_pWindow = nullptr;
GtkWidget* g_pHolder = nullptr;
GtkWidget* g_pMenuBar = nullptr;
GtkAccelGroup* g_pAccelerators = nullptr;
std::map<int, GtkWidget*> g_Items;
int g_nQuiet = 0;

guint Keyval_Of(int nKey)
{
    if (nKey >= KEY_F1 && nKey < KEY_F1 + 12)
        return GDK_KEY_F1 + static_cast<guint>(nKey - KEY_F1);
    switch (nKey) {
    case KEY_RETURN:
        return GDK_KEY_Return;
    case KEY_ESCAPE:
        return GDK_KEY_Escape;
    case KEY_DELETE:
        return GDK_KEY_Delete;
    case KEY_INSERT:
        return GDK_KEY_Insert;
    case KEY_SPACE:
        return GDK_KEY_space;
    default:
        break;
    }
    if (nKey >= 'A' && nKey <= 'Z')
        return GDK_KEY_a + static_cast<guint>(nKey - 'A');
    if (nKey > 0 && nKey < 0x100)
        return gdk_unicode_to_keyval(static_cast<guint32>(nKey));
    return 0;
}

GdkModifierType Modifiers_Of(unsigned nModifiers)
{
    int n = 0;
    if (nModifiers & ACCEL_CTRL)
        n |= GDK_CONTROL_MASK;
    if (nModifiers & ACCEL_SHIFT)
        n |= GDK_SHIFT_MASK;
    if (nModifiers & ACCEL_ALT)
        n |= GDK_MOD1_MASK;
    return static_cast<GdkModifierType>(n);
}

gboolean On_Accelerator(GtkAccelGroup*, GObject*, guint, GdkModifierType, gpointer pData)
{
    const ACCELERATOR* pKey = static_cast<const ACCELERATOR*>(pData);
    menus::Press_Key(pKey->nKey, pKey->nModifiers);
    return TRUE;
}

void On_Item_Activate(GtkMenuItem*, gpointer pId)
{
    if (g_nQuiet == 0)
        menus::Activate_Command(GPOINTER_TO_INT(pId));
}

GtkWidget* Make_Items(const std::vector<MENU_ITEM>& Items, const MENU& Menu, bool bRecord,
                      void (*pActivate)(GtkMenuItem*, gpointer), gpointer pExtra);

// A menu of the bar says in the log each time it has dropped down and been
// drawn: what shows is ready for its items' letters (a test that drives the
// program from outside types them only then).
void On_Bar_Menu_Shown(GtkWidget* pMenu, gpointer)
{
    g_object_set_data(G_OBJECT(pMenu), "kelvo-menu-undrawn", GINT_TO_POINTER(1));
}

gboolean On_Bar_Menu_Drawn(GtkWidget* pMenu, cairo_t*, gpointer pName)
{
    if (g_object_get_data(G_OBJECT(pMenu), "kelvo-menu-undrawn") != nullptr) {
        g_object_set_data(G_OBJECT(pMenu), "kelvo-menu-undrawn", nullptr);
        Write_Debug_Log("Menu \"%s\" drawn", static_cast<const char*>(pName));
    }
    return FALSE;
}

void Log_When_Drawn(GtkWidget* pMenu, const std::string& Name)
{
    gchar* szName = g_strdup(Name.c_str());
    g_object_set_data_full(G_OBJECT(pMenu), "kelvo-menu-name", szName, g_free);
    g_signal_connect(pMenu, "map", G_CALLBACK(On_Bar_Menu_Shown), nullptr);
    g_signal_connect_after(pMenu, "draw", G_CALLBACK(On_Bar_Menu_Drawn), szName);
}

GtkWidget* Make_Item(const MENU_ITEM& Item, const MENU& Menu, bool bRecord,
                     void (*pActivate)(GtkMenuItem*, gpointer), gpointer pExtra)
{
    if (Item.bSeparator)
        return gtk_separator_menu_item_new();
    const std::string Label = gtk_text::Mnemonic_Label(Item.Text);
    GtkWidget* pItem = Item.bChecked ? gtk_check_menu_item_new_with_mnemonic(Label.c_str())
                                     : gtk_menu_item_new_with_mnemonic(Label.c_str());
    if (Item.bChecked)
        gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(pItem), TRUE);
    gtk_widget_set_sensitive(pItem, Item.bEnabled);
    if (!Item.Submenu.empty()) {
        GtkWidget* pSubmenu = Make_Items(Item.Submenu, Menu, bRecord, pActivate, pExtra);
        if (bRecord)
            Log_When_Drawn(pSubmenu, Strip_Mnemonic(Item.Text));
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(pItem), pSubmenu);
        return pItem;
    }
    if (Item.nId != 0) {
        if (pExtra != nullptr)
            g_object_set_data(G_OBJECT(pItem), "kelvo-command", GINT_TO_POINTER(Item.nId));
        g_signal_connect(pItem, "activate", G_CALLBACK(pActivate), pExtra != nullptr ? pExtra : GINT_TO_POINTER(Item.nId));
        if (bRecord)
            g_Items[Item.nId] = pItem;
        // The key beside the text, as the accelerators give it.
        for (const ACCELERATOR& Key : Menu.Accelerators) {
            if (Key.nCommand != Item.nId)
                continue;
            GtkWidget* pLabel = gtk_bin_get_child(GTK_BIN(pItem));
            if (GTK_IS_ACCEL_LABEL(pLabel))
                gtk_accel_label_set_accel(GTK_ACCEL_LABEL(pLabel), Keyval_Of(Key.nKey), Modifiers_Of(Key.nModifiers));
            break;
        }
    }
    return pItem;
}

GtkWidget* Make_Items(const std::vector<MENU_ITEM>& Items, const MENU& Menu, bool bRecord,
                      void (*pActivate)(GtkMenuItem*, gpointer), gpointer pExtra)
{
    GtkWidget* pMenu = gtk_menu_new();
    for (const MENU_ITEM& Item : Items)
        gtk_menu_shell_append(GTK_MENU_SHELL(pMenu), Make_Item(Item, Menu, bRecord, pActivate, pExtra));
    return pMenu;
}

std::vector<ACCELERATOR> g_Keys;
MENU g_Built;                        // what the bar shows now
std::vector<GtkWidget*> g_TopItems;  // the bar's own items, in order

// Whether two lists of items have the same entries (ids, texts, keys,
// separators, submenus), whatever their states.
bool Same_Shape(const std::vector<MENU_ITEM>& A, const std::vector<MENU_ITEM>& B)
{
    if (A.size() != B.size())
        return false;
    for (size_t i = 0; i < A.size(); ++i)
        if (A[i].nId != B[i].nId || A[i].Text != B[i].Text || A[i].Accelerator != B[i].Accelerator ||
            A[i].bSeparator != B[i].bSeparator || A[i].bChecked != B[i].bChecked ||
            !Same_Shape(A[i].Submenu, B[i].Submenu))
            return false;
    return true;
}

bool Same_Keys(const std::vector<ACCELERATOR>& A, const std::vector<ACCELERATOR>& B)
{
    if (A.size() != B.size())
        return false;
    for (size_t i = 0; i < A.size(); ++i)
        if (A[i].nKey != B[i].nKey || A[i].nModifiers != B[i].nModifiers || A[i].nCommand != B[i].nCommand)
            return false;
    return true;
}

bool Holds_Live_Command(const MENU& Menu, const std::vector<MENU_ITEM>& Items)
{
    for (const MENU_ITEM& Item : Items)
        if ((Item.nId != 0 && Bar_Leaves_Command_Live(Menu, Item.nId)) || Holds_Live_Command(Menu, Item.Submenu))
            return true;
    return false;
}

// The items' sensitivity as the model says: each item by its own state, and
// while the bar is greyed only the menus and items of the commands it
// leaves live.
void Set_Sensitivity(const MENU& Menu, const std::vector<MENU_ITEM>& Items, bool bTop)
{
    for (const MENU_ITEM& Item : Items) {
        if (!Item.Submenu.empty())
            Set_Sensitivity(Menu, Item.Submenu, false);
        if (bTop)
            continue;
        auto It = g_Items.find(Item.nId);
        if (Item.nId != 0 && It != g_Items.end())
            gtk_widget_set_sensitive(It->second, Item.bEnabled && Bar_Leaves_Command_Live(Menu, Item.nId));
    }
    if (!bTop)
        return;
    for (size_t i = 0; i < Items.size() && i < g_TopItems.size(); ++i)
        gtk_widget_set_sensitive(g_TopItems[i], Items[i].bEnabled &&
                                                    (!Is_Bar_Greyed(Menu) || Holds_Live_Command(Menu, Items[i].Submenu)));
}

void Build(const MENU& Menu)
{
    if (g_pHolder == nullptr)
        return;
    // The same entries: only their states change, in place, so a menu the
    // user has open stays open (a watched game greys the bar at every play).
    if (g_pMenuBar != nullptr && gtk_widget_get_parent(g_pMenuBar) == g_pHolder && Same_Shape(Menu.Items, g_Built.Items) && Same_Keys(Menu.Accelerators, g_Keys)) {
        ++g_nQuiet;
        g_Built = Menu;
        Set_Sensitivity(Menu, Menu.Items, true);
        --g_nQuiet;
        return;
    }
    g_Built = Menu;
    ++g_nQuiet;
    if (g_pMenuBar != nullptr)
        gtk_widget_destroy(g_pMenuBar);
    g_Items.clear();
    g_TopItems.clear();
    g_pMenuBar = gtk_menu_bar_new();
    gtk_widget_set_name(g_pMenuBar, "kelvo-menu-bar");
    for (const MENU_ITEM& Item : Menu.Items) {
        GtkWidget* pItem = Make_Item(Item, Menu, true, On_Item_Activate, nullptr);
        g_TopItems.push_back(pItem);
        gtk_menu_shell_append(GTK_MENU_SHELL(g_pMenuBar), pItem);
    }
    // A greyed bar: nothing of it can be chosen while a run goes on, but
    // what it leaves live.
    Set_Sensitivity(Menu, Menu.Items, true);
    gtk_box_pack_start(GTK_BOX(g_pHolder), g_pMenuBar, FALSE, FALSE, 0);
    gtk_widget_show_all(g_pMenuBar);

    // The accelerators: a new group for the new table.
    if (g_pAccelerators != nullptr && g_pWindow != nullptr) {
        gtk_window_remove_accel_group(GTK_WINDOW(g_pWindow), g_pAccelerators);
        g_object_unref(g_pAccelerators);
    }
    g_pAccelerators = gtk_accel_group_new();
    g_Keys = Menu.Accelerators;
    for (const ACCELERATOR& Key : g_Keys) {
        const guint nKeyval = Keyval_Of(Key.nKey);
        if (nKeyval == 0)
            continue;
        GClosure* pClosure = g_cclosure_new(G_CALLBACK(On_Accelerator), const_cast<ACCELERATOR*>(&Key), nullptr);
        gtk_accel_group_connect(g_pAccelerators, nKeyval, Modifiers_Of(Key.nModifiers), static_cast<GtkAccelFlags>(0),
                                pClosure);
    }
    if (g_pWindow != nullptr)
        gtk_window_add_accel_group(GTK_WINDOW(g_pWindow), g_pAccelerators);
    --g_nQuiet;
}

struct POPUP_RUN {
    int nChosen = 0;
    bool bDone = false;
    guint nShownSource = 0;
    // A choice queued by a test or a script: clicked once the menu shows.
    bool bQueued = false;
    int nQueued = 0;
};

// The item of a command id in a popup (or its submenus); null when none.
GtkWidget* Popup_Item_Of(GtkWidget* pMenu, int nCommand)
{
    GtkWidget* pFound = nullptr;
    GList* pChildren = gtk_container_get_children(GTK_CONTAINER(pMenu));
    for (GList* q = pChildren; q != nullptr && pFound == nullptr; q = q->next) {
        GtkWidget* pItem = GTK_WIDGET(q->data);
        if (!GTK_IS_MENU_ITEM(pItem))
            continue;
        if (GPOINTER_TO_INT(g_object_get_data(G_OBJECT(pItem), "kelvo-command")) == nCommand && nCommand != 0)
            pFound = pItem;
        else if (GtkWidget* pSubmenu = gtk_menu_item_get_submenu(GTK_MENU_ITEM(pItem)))
            pFound = Popup_Item_Of(pSubmenu, nCommand);
    }
    g_list_free(pChildren);
    return pFound;
}

void On_Popup_Item(GtkMenuItem* pItem, gpointer pData)
{
    POPUP_RUN* pRun = static_cast<POPUP_RUN*>(pData);
    pRun->nChosen = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(pItem), "kelvo-command"));
}

void On_Popup_Done(GtkMenuShell*, gpointer pData)
{
    static_cast<POPUP_RUN*>(pData)->bDone = true;
}

GtkWidget* g_pPopup = nullptr;

gboolean Popup_Shown(gpointer pData)
{
    POPUP_RUN* pRun = static_cast<POPUP_RUN*>(pData);
    pRun->nShownSource = 0;
    gtk_probe::Shown(gtk_probe::WINDOW_POPUP, 0);
    // A queued choice is clicked as the user would; an entry that cannot be
    // clicked (missing, greyed) leaves the menu dismissed.
    if (!pRun->bDone && pRun->bQueued && g_pPopup != nullptr) {
        GtkWidget* pItem = Popup_Item_Of(g_pPopup, pRun->nQueued);
        if (pItem != nullptr && gtk_widget_is_sensitive(pItem))
            gtk_menu_item_activate(GTK_MENU_ITEM(pItem));
        if (!pRun->bDone)
            gtk_menu_shell_deactivate(GTK_MENU_SHELL(g_pPopup));
        return G_SOURCE_REMOVE;
    }
    // Nobody at the keyboard: the menu is dismissed once shown.
    if (!pRun->bDone && gtk_internal::Unattended() && g_pPopup != nullptr)
        gtk_menu_shell_deactivate(GTK_MENU_SHELL(g_pPopup));
    return G_SOURCE_REMOVE;
}

}  // namespace

namespace gtk_internal {

void Main_Menu_Changed(const MENU& Menu)
{
    Build(Menu);
}

void Attach_Menu_Bar(GtkWidget* pWindow, GtkWidget* pHolder)
{
    g_pWindow = pWindow;
    g_pHolder = pHolder;
    Build(menus::Main_Menu());
}

void Detach_Menu_Bar()
{
    if (g_pAccelerators != nullptr) {
        if (g_pWindow != nullptr)
            gtk_window_remove_accel_group(GTK_WINDOW(g_pWindow), g_pAccelerators);
        g_object_unref(g_pAccelerators);
        g_pAccelerators = nullptr;
    }
    g_pWindow = nullptr;
    g_pHolder = nullptr;
    g_pMenuBar = nullptr;
    g_Items.clear();
    g_TopItems.clear();
}

GtkWidget* Menu_Item_Of(int nCommand)
{
    auto It = g_Items.find(nCommand);
    return It != g_Items.end() ? It->second : nullptr;
}

GtkWidget* Popup_Shown_Now()
{
    return g_pPopup;
}

GtkAccelGroup* Accelerators()
{
    return g_pAccelerators;
}

int Popup_Menu(const MENU& Menu, int x, int y)
{
    POPUP_RUN Run;
    Run.bQueued = menus::Take_Popup_Choice(Menu, Run.nQueued);
    GtkWidget* pMenu = Make_Items(Menu.Items, Menu, false, On_Popup_Item, &Run);
    gtk_widget_set_name(pMenu, "kelvo-popup-menu");
    g_signal_connect(pMenu, "deactivate", G_CALLBACK(On_Popup_Done), &Run);
    gtk_widget_show_all(pMenu);
    GtkWindow* pOwner = Owner_Window();
    GdkWindow* pAt = pOwner != nullptr ? gtk_widget_get_window(GTK_WIDGET(pOwner)) : nullptr;
    if (pAt != nullptr) {
        int nOriginX = 0, nOriginY = 0;
        gdk_window_get_origin(pAt, &nOriginX, &nOriginY);
        GdkRectangle At{x - nOriginX, y - nOriginY, 1, 1};
        // A popup asked for outside any event (a script's, a timer's) has
        // the press it would have had: GTK wants one to place and grab.
        GdkEvent* pTrigger = gtk_get_current_event();
        if (pTrigger == nullptr) {
            pTrigger = gdk_event_new(GDK_BUTTON_PRESS);
            pTrigger->button.window = GDK_WINDOW(g_object_ref(pAt));
            pTrigger->button.send_event = TRUE;
            pTrigger->button.time = GDK_CURRENT_TIME;
            pTrigger->button.x = At.x;
            pTrigger->button.y = At.y;
            pTrigger->button.x_root = x;
            pTrigger->button.y_root = y;
            pTrigger->button.button = 3;
            GdkSeat* pSeat = gdk_display_get_default_seat(gdk_window_get_display(pAt));
            if (pSeat != nullptr && gdk_seat_get_pointer(pSeat) != nullptr)
                gdk_event_set_device(pTrigger, gdk_seat_get_pointer(pSeat));
        }
        gtk_menu_popup_at_rect(GTK_MENU(pMenu), pAt, &At, GDK_GRAVITY_NORTH_WEST, GDK_GRAVITY_NORTH_WEST, pTrigger);
        gdk_event_free(pTrigger);
    } else {
        gtk_menu_popup_at_pointer(GTK_MENU(pMenu), nullptr);
    }
    GtkWidget* pOuter = g_pPopup;
    g_pPopup = pMenu;
    if (!gtk_widget_get_visible(pMenu)) {
        // It could not be shown (no window to show it at): the queued
        // choice stands, as it would headless.
        if (Run.bQueued)
            Run.nChosen = Run.nQueued;
        gtk_menu_shell_deactivate(GTK_MENU_SHELL(pMenu));
    } else
        Run.nShownSource = g_idle_add(Popup_Shown, &Run);
    Run_Until(&Run.bDone);
    if (Run.nShownSource != 0)
        g_source_remove(Run.nShownSource);
    g_pPopup = pOuter;
    gtk_widget_destroy(pMenu);
    return Run.nChosen;
}

}  // namespace gtk_internal
