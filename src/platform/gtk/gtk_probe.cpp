#include "platform/gtk/gtk_probe.h"

#include <gtk/gtk.h>

#include <cstring>
#include <functional>
#include <vector>

#include "platform/gtk/gtk_internal.h"

namespace {

gtk_probe::SHOWN_HOOK g_pHook = nullptr;

GtkWidget* Window_Of(int nKind, int nDialogId)
{
    switch (nKind) {
    case gtk_probe::WINDOW_DIALOG:
        return gtk_internal::Dialog_Window(nDialogId);
    case gtk_probe::WINDOW_MESSAGE_BOX:
        return gtk_internal::Message_Box_Window();
    case gtk_probe::WINDOW_PROGRESS:
        return gtk_internal::Progress_Window();
    case gtk_probe::WINDOW_POPUP:
        return gtk_internal::Popup_Shown_Now();
    case gtk_probe::WINDOW_MAIN:
    default:
        return gtk_internal::Main_Window();
    }
}

// The label a control shows its caption with.
GtkWidget* Caption_Label(GtkWidget* pMain)
{
    if (pMain == nullptr)
        return nullptr;
    if (GTK_IS_LABEL(pMain))
        return pMain;
    if (GTK_IS_FRAME(pMain))
        return gtk_frame_get_label_widget(GTK_FRAME(pMain));
    if (GTK_IS_BUTTON(pMain)) {
        GtkWidget* pChild = gtk_bin_get_child(GTK_BIN(pMain));
        return pChild != nullptr && GTK_IS_LABEL(pChild) ? pChild : nullptr;
    }
    return nullptr;
}

guint Keyval_Of_Name(const std::string& Key)
{
    if (Key.size() == 1)
        return gdk_unicode_to_keyval(static_cast<guint32>(g_ascii_tolower(Key[0])));
    return gdk_keyval_from_name(Key.c_str());
}

GdkModifierType Modifiers(bool bCtrl, bool bAlt, bool bShift)
{
    int n = 0;
    if (bCtrl)
        n |= GDK_CONTROL_MASK;
    if (bAlt)
        n |= GDK_MOD1_MASK;
    if (bShift)
        n |= GDK_SHIFT_MASK;
    return static_cast<GdkModifierType>(n);
}

gboolean Stop_Waiting(gpointer pFired)
{
    *static_cast<bool*>(pFired) = true;
    return G_SOURCE_REMOVE;
}

GtkTreeView* Tree_Of(int nDialogId, int nControl)
{
    gtk_internal::Flush_Dialog(nDialogId);
    GtkWidget* pMain = gtk_internal::Control_Widget(nDialogId, nControl, false);
    return pMain != nullptr && GTK_IS_TREE_VIEW(pMain) ? GTK_TREE_VIEW(pMain) : nullptr;
}

}  // namespace

namespace gtk_probe {

void Set_Shown_Hook(SHOWN_HOOK pHook)
{
    g_pHook = pHook;
}

void Shown(int nKind, int nDialogId)
{
    if (g_pHook != nullptr)
        g_pHook(nKind, nDialogId);
}

bool Control_Pixels(int nDialogId, int nControl, PIXELS& Pixels, int nOrdinal)
{
    GtkWidget* pOuter = gtk_internal::Control_Widget(nDialogId, nControl, true, nOrdinal);
    if (pOuter == nullptr)
        return false;
    GtkWidget* pLayout = gtk_widget_get_parent(pOuter);
    int x = 0, y = 0;
    if (pLayout == nullptr || !gtk_widget_translate_coordinates(pOuter, pLayout, 0, 0, &x, &y))
        return false;
    Pixels = PIXELS{x, y, gtk_widget_get_allocated_width(pOuter), gtk_widget_get_allocated_height(pOuter)};
    return true;
}

bool Dialog_Pixels(int nDialogId, PIXELS& Pixels)
{
    GtkWidget* pWindow = gtk_internal::Dialog_Window(nDialogId);
    if (pWindow == nullptr)
        return false;
    GtkWidget* pLayout = gtk_bin_get_child(GTK_BIN(pWindow));
    Pixels = PIXELS{0, 0, gtk_widget_get_allocated_width(pLayout), gtk_widget_get_allocated_height(pLayout)};
    return true;
}

bool Control_Caption(int nDialogId, int nControl, std::string& Caption, char& cMnemonic, int nOrdinal)
{
    GtkWidget* pLabel = Caption_Label(gtk_internal::Control_Widget(nDialogId, nControl, false, nOrdinal));
    if (pLabel == nullptr)
        return false;
    Caption = gtk_label_get_text(GTK_LABEL(pLabel));
    const guint nKey = gtk_label_get_mnemonic_keyval(GTK_LABEL(pLabel));
    cMnemonic = nKey == GDK_KEY_VoidSymbol ? 0 : static_cast<char>(gdk_keyval_to_unicode(gdk_keyval_to_lower(nKey)));
    return true;
}

bool Control_Visible(int nDialogId, int nControl)
{
    GtkWidget* pOuter = gtk_internal::Control_Widget(nDialogId, nControl, true);
    return pOuter != nullptr && gtk_widget_get_visible(pOuter);
}

bool Control_Sensitive(int nDialogId, int nControl)
{
    GtkWidget* pOuter = gtk_internal::Control_Widget(nDialogId, nControl, true);
    return pOuter != nullptr && gtk_widget_is_sensitive(pOuter);
}

std::string Entry_Text(int nDialogId, int nControl)
{
    gtk_internal::Flush_Dialog(nDialogId);
    GtkWidget* pMain = gtk_internal::Control_Widget(nDialogId, nControl, false);
    return pMain != nullptr && GTK_IS_ENTRY(pMain) ? gtk_entry_get_text(GTK_ENTRY(pMain)) : "";
}

bool Type_Into(int nDialogId, int nControl, const std::string& Utf8)
{
    GtkWidget* pMain = gtk_internal::Control_Widget(nDialogId, nControl, false);
    if (pMain != nullptr && GTK_IS_TEXT_VIEW(pMain)) {
        GtkTextBuffer* pBuffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(pMain));
        GtkTextIter End;
        gtk_text_buffer_get_end_iter(pBuffer, &End);
        gtk_text_buffer_insert(pBuffer, &End, Utf8.c_str(), static_cast<gint>(Utf8.size()));
        return true;
    }
    if (pMain == nullptr || !GTK_IS_EDITABLE(pMain))
        return false;
    gint nPosition = -1;
    gtk_editable_set_position(GTK_EDITABLE(pMain), -1);
    nPosition = gtk_editable_get_position(GTK_EDITABLE(pMain));
    gtk_editable_insert_text(GTK_EDITABLE(pMain), Utf8.c_str(), static_cast<gint>(Utf8.size()), &nPosition);
    return true;
}

int Report_Rows(int nDialogId, int nControl)
{
    GtkTreeView* pTree = Tree_Of(nDialogId, nControl);
    GtkTreeModel* pModel = pTree != nullptr ? gtk_tree_view_get_model(pTree) : nullptr;
    return pModel != nullptr ? gtk_tree_model_iter_n_children(pModel, nullptr) : -1;
}

std::string Report_Cell(int nDialogId, int nControl, int nRow, int nColumn)
{
    GtkTreeView* pTree = Tree_Of(nDialogId, nControl);
    GtkTreeModel* pModel = pTree != nullptr ? gtk_tree_view_get_model(pTree) : nullptr;
    GtkTreeIter Iter;
    if (pModel == nullptr || nColumn < 0 || nColumn >= gtk_tree_model_get_n_columns(pModel) ||
        !gtk_tree_model_iter_nth_child(pModel, &Iter, nullptr, nRow))
        return "";
    gchar* szText = nullptr;
    gtk_tree_model_get(pModel, &Iter, nColumn, &szText, -1);
    std::string Text = szText != nullptr ? szText : "";
    g_free(szText);
    return Text;
}

std::string Report_Column_Order(int nDialogId, int nControl)
{
    GtkTreeView* pTree = Tree_Of(nDialogId, nControl);
    if (pTree == nullptr)
        return "";
    std::string Order;
    GList* pColumns = gtk_tree_view_get_columns(pTree);
    for (GList* q = pColumns; q != nullptr; q = q->next) {
        const int nColumn = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(q->data), "kelvo-column"));
        if (nColumn < 0)
            continue;   // the empty last column
        if (!Order.empty())
            Order += ",";
        Order += std::to_string(nColumn);
    }
    g_list_free(pColumns);
    return Order;
}

bool Click_Button(int nDialogId, int nControl)
{
    GtkWidget* pMain = gtk_internal::Control_Widget(nDialogId, nControl, false);
    if (pMain == nullptr || !GTK_IS_BUTTON(pMain))
        return false;
    gtk_button_clicked(GTK_BUTTON(pMain));
    return true;
}

bool Click_Header(int nDialogId, int nControl, int nColumn)
{
    GtkTreeView* pTree = Tree_Of(nDialogId, nControl);
    if (pTree == nullptr)
        return false;
    GList* pColumns = gtk_tree_view_get_columns(pTree);
    GtkTreeViewColumn* pFound = nullptr;
    for (GList* q = pColumns; q != nullptr; q = q->next)
        if (GPOINTER_TO_INT(g_object_get_data(G_OBJECT(q->data), "kelvo-column")) == nColumn)
            pFound = GTK_TREE_VIEW_COLUMN(q->data);
    g_list_free(pColumns);
    if (pFound == nullptr)
        return false;
    gtk_tree_view_column_clicked(pFound);
    return true;
}

bool Send_Key(int nKind, int nDialogId, const std::string& Key, bool bCtrl, bool bAlt, bool bShift)
{
    GtkWidget* pWindow = Window_Of(nKind, nDialogId);
    GdkWindow* pGdk = pWindow != nullptr ? gtk_widget_get_window(pWindow) : nullptr;
    const guint nKeyval = Keyval_Of_Name(Key);
    if (pGdk == nullptr || nKeyval == 0 || nKeyval == GDK_KEY_VoidSymbol)
        return false;
    GdkDisplay* pDisplay = gtk_widget_get_display(pWindow);
    GdkKeymap* pKeymap = gdk_keymap_get_for_display(pDisplay);
    GdkKeymapKey* pKeys = nullptr;
    gint nKeys = 0;
    guint16 nKeycode = 0;
    guint8 nGroup = 0;
    if (gdk_keymap_get_entries_for_keyval(pKeymap, nKeyval, &pKeys, &nKeys) && nKeys > 0) {
        nKeycode = static_cast<guint16>(pKeys[0].keycode);
        nGroup = static_cast<guint8>(pKeys[0].group);
    }
    g_free(pKeys);
    GdkSeat* pSeat = gdk_display_get_default_seat(pDisplay);
    GdkDevice* pKeyboard = pSeat != nullptr ? gdk_seat_get_keyboard(pSeat) : nullptr;
    gtk_window_present(GTK_WINDOW(pWindow));
    for (GdkEventType nType : {GDK_KEY_PRESS, GDK_KEY_RELEASE}) {
        GdkEvent* pEvent = gdk_event_new(nType);
        pEvent->key.window = GDK_WINDOW(g_object_ref(pGdk));
        pEvent->key.send_event = TRUE;
        pEvent->key.time = GDK_CURRENT_TIME;
        pEvent->key.state = Modifiers(bCtrl, bAlt, bShift);
        pEvent->key.keyval = nKeyval;
        pEvent->key.hardware_keycode = nKeycode;
        pEvent->key.group = nGroup;
        pEvent->key.length = 0;
        pEvent->key.string = g_strdup("");
        if (pKeyboard != nullptr)
            gdk_event_set_device(pEvent, pKeyboard);
        gtk_main_do_event(pEvent);
        gdk_event_free(pEvent);
    }
    return true;
}

bool Click_Main_Area(int nArea, int x, int y, int nButton)
{
    GtkWidget* pArea = gtk_internal::Frame_Area(nArea);
    GdkWindow* pGdk = pArea != nullptr ? gtk_widget_get_window(pArea) : nullptr;
    if (pGdk == nullptr)
        return false;
    GdkSeat* pSeat = gdk_display_get_default_seat(gtk_widget_get_display(pArea));
    GdkDevice* pPointer = pSeat != nullptr ? gdk_seat_get_pointer(pSeat) : nullptr;
    for (GdkEventType nType : {GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE}) {
        GdkEvent* pEvent = gdk_event_new(nType);
        pEvent->button.window = GDK_WINDOW(g_object_ref(pGdk));
        pEvent->button.send_event = TRUE;
        pEvent->button.time = GDK_CURRENT_TIME;
        pEvent->button.x = x;
        pEvent->button.y = y;
        pEvent->button.button = static_cast<guint>(nButton);
        if (pPointer != nullptr)
            gdk_event_set_device(pEvent, pPointer);
        gtk_main_do_event(pEvent);
        gdk_event_free(pEvent);
    }
    return true;
}

bool Activate_Menu_Item(int nCommand)
{
    GtkWidget* pItem = gtk_internal::Menu_Item_Of(nCommand);
    if (pItem == nullptr)
        return false;
    gtk_menu_item_activate(GTK_MENU_ITEM(pItem));
    return true;
}

bool Menu_Item_Sensitive(int nCommand)
{
    GtkWidget* pItem = gtk_internal::Menu_Item_Of(nCommand);
    // Up through the menus to the bar: each level must be sensitive.
    while (pItem != nullptr) {
        if (!gtk_widget_get_sensitive(pItem))
            return false;
        GtkWidget* pMenu = gtk_widget_get_parent(pItem);
        if (pMenu == nullptr || !GTK_IS_MENU(pMenu))
            return true;
        pItem = gtk_menu_get_attach_widget(GTK_MENU(pMenu));
    }
    return false;
}

bool Choose_Popup_Item(int nCommand)
{
    GtkWidget* pMenu = gtk_internal::Popup_Shown_Now();
    if (pMenu == nullptr)
        return false;
    GList* pItems = gtk_container_get_children(GTK_CONTAINER(pMenu));
    GtkWidget* pFound = nullptr;
    for (GList* q = pItems; q != nullptr; q = q->next)
        if (GPOINTER_TO_INT(g_object_get_data(G_OBJECT(q->data), "kelvo-command")) == nCommand)
            pFound = GTK_WIDGET(q->data);
    g_list_free(pItems);
    if (pFound == nullptr)
        return false;
    // What a click does: the menu goes, the item is activated.
    gtk_menu_shell_activate_item(GTK_MENU_SHELL(pMenu), pFound, TRUE);
    return true;
}

bool Activate_Accelerator(const std::string& Key, bool bCtrl, bool bAlt, bool bShift)
{
    GtkWidget* pWindow = gtk_internal::Main_Window();
    const guint nKeyval = Keyval_Of_Name(Key);
    if (pWindow == nullptr || nKeyval == 0)
        return false;
    return gtk_accel_groups_activate(G_OBJECT(pWindow), nKeyval, Modifiers(bCtrl, bAlt, bShift)) != FALSE;
}

bool Drawn(int nKind, int nDialogId)
{
    return gtk_internal::Drawn_Full_Size(Window_Of(nKind, nDialogId));
}

bool Wait_Drawn(int nKind, int nDialogId, int nTimeoutMs)
{
    GtkWidget* pWindow = Window_Of(nKind, nDialogId);
    if (pWindow == nullptr)
        return false;
    gtk_internal::Watch_First_Draw(pWindow);
    bool bFired = false;
    const guint nSource = g_timeout_add(static_cast<guint>(nTimeoutMs), Stop_Waiting, &bFired);
    while (!bFired && !gtk_internal::Drawn_Full_Size(Window_Of(nKind, nDialogId)))
        g_main_context_iteration(nullptr, TRUE);
    if (!bFired)
        g_source_remove(nSource);
    return gtk_internal::Drawn_Full_Size(Window_Of(nKind, nDialogId));
}

int Draw_Count(int nKind, int nDialogId)
{
    return gtk_internal::Draw_Count(Window_Of(nKind, nDialogId));
}

bool Wait_Draw_After(int nKind, int nDialogId, int nDraws, int nTimeoutMs)
{
    bool bFired = false;
    const guint nSource = g_timeout_add(static_cast<guint>(nTimeoutMs), Stop_Waiting, &bFired);
    while (!bFired && gtk_internal::Draw_Count(Window_Of(nKind, nDialogId)) <= nDraws)
        g_main_context_iteration(nullptr, TRUE);
    if (!bFired)
        g_source_remove(nSource);
    return gtk_internal::Draw_Count(Window_Of(nKind, nDialogId)) > nDraws;
}

bool Wait_Until(const std::function<bool()>& Done, int nTimeoutMs)
{
    if (Done())
        return true;
    bool bFired = false;
    const guint nLimit = g_timeout_add(static_cast<guint>(nTimeoutMs), Stop_Waiting, &bFired);
    // Woken every few milliseconds to ask again: a state reached without an
    // event of ours (a timer's work, another process) is seen too.
    const guint nTick = g_timeout_add(10, [](gpointer) -> gboolean { return G_SOURCE_CONTINUE; }, nullptr);
    while (!bFired && !Done())
        g_main_context_iteration(nullptr, TRUE);
    g_source_remove(nTick);
    if (!bFired)
        g_source_remove(nLimit);
    return Done();
}

bool Modal_Open()
{
    return gtk_internal::Top_Dialog_Window() != nullptr || gtk_internal::Message_Box_Window() != nullptr;
}

void Run_For(int nMs)
{
    bool bFired = false;
    g_timeout_add(static_cast<guint>(nMs), Stop_Waiting, &bFired);
    while (!bFired)
        g_main_context_iteration(nullptr, TRUE);
}

bool Window_Pixels(int nKind, int nDialogId, PIXELS& Pixels)
{
    GtkWidget* pWindow = Window_Of(nKind, nDialogId);
    if (pWindow == nullptr)
        return false;
    Pixels = PIXELS{0, 0, gtk_widget_get_allocated_width(pWindow), gtk_widget_get_allocated_height(pWindow)};
    return true;
}

bool Main_Area_Pixels(int nArea, PIXELS& Pixels)
{
    GtkWidget* pArea = gtk_internal::Frame_Area(nArea);
    if (pArea == nullptr || !gtk_widget_get_visible(pArea))
        return false;
    GtkAllocation Allocation;
    gtk_widget_get_allocation(pArea, &Allocation);
    Pixels = PIXELS{Allocation.x, Allocation.y, Allocation.width, Allocation.height};
    return true;
}

void Resize_Main_Window(int cx, int cy)
{
    if (GtkWidget* pWindow = gtk_internal::Main_Window())
        gtk_window_resize(GTK_WINDOW(pWindow), cx, cy);
}

void Resize_Dialog(int nDialogId, int cx, int cy)
{
    if (GtkWidget* pWindow = gtk_internal::Dialog_Window(nDialogId))
        gtk_window_resize(GTK_WINDOW(pWindow), cx, cy);
}

bool Screenshot(int nKind, int nDialogId, const std::string& Path)
{
    GtkWidget* pWindow = Window_Of(nKind, nDialogId);
    GdkWindow* pGdk = pWindow != nullptr ? gtk_widget_get_window(pWindow) : nullptr;
    if (pGdk == nullptr)
        return false;
    // What is on the screen now: pending draws done first.
    gdk_display_sync(gtk_widget_get_display(pWindow));
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
    GdkPixbuf* pPixbuf = gdk_pixbuf_get_from_window(pGdk, 0, 0, gdk_window_get_width(pGdk), gdk_window_get_height(pGdk));
    if (pPixbuf == nullptr)
        return false;
    const gboolean bSaved = gdk_pixbuf_save(pPixbuf, Path.c_str(), "png", nullptr, nullptr);
    g_object_unref(pPixbuf);
    return bSaved != FALSE;
}

std::string Window_Title(int nKind, int nDialogId)
{
    GtkWidget* pWindow = Window_Of(nKind, nDialogId);
    const char* szTitle = pWindow != nullptr ? gtk_window_get_title(GTK_WINDOW(pWindow)) : nullptr;
    return szTitle != nullptr ? szTitle : "";
}

void Base_Units(int& cx, int& cy)
{
    GtkWidget* pLabel = gtk_label_new("");
    g_object_ref_sink(pLabel);
    PangoLayout* pLayout =
        gtk_widget_create_pango_layout(pLabel, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    int nWidth = 0, nHeight = 0;
    pango_layout_get_pixel_size(pLayout, &nWidth, &nHeight);
    g_object_unref(pLayout);
    g_object_unref(pLabel);
    // The average letter, rounded as Windows rounds it.
    cx = (nWidth / 26 + 1) / 2;
    cy = nHeight;
}

bool Drag_Header(int nDialogId, int nControl, int nColumn, int nPosition)
{
    GtkTreeView* pTree = Tree_Of(nDialogId, nControl);
    if (pTree == nullptr)
        return false;
    std::vector<GtkTreeViewColumn*> Shown;
    GtkTreeViewColumn* pMoved = nullptr;
    GList* pColumns = gtk_tree_view_get_columns(pTree);
    for (GList* q = pColumns; q != nullptr; q = q->next) {
        GtkTreeViewColumn* pColumn = GTK_TREE_VIEW_COLUMN(q->data);
        const int nMark = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(pColumn), "kelvo-column"));
        if (nMark == nColumn)
            pMoved = pColumn;
        else if (nMark >= 0)
            Shown.push_back(pColumn);
    }
    g_list_free(pColumns);
    if (pMoved == nullptr || nPosition < 0 || nPosition > static_cast<int>(Shown.size()))
        return false;
    gtk_tree_view_move_column_after(pTree, pMoved, nPosition > 0 ? Shown[static_cast<size_t>(nPosition - 1)] : nullptr);
    return true;
}

int View_Top_Row(int nDialogId, int nControl)
{
    GtkTreeView* pTree = Tree_Of(nDialogId, nControl);
    GtkTreePath* pStart = nullptr;
    if (pTree == nullptr || !gtk_tree_view_get_visible_range(pTree, &pStart, nullptr))
        return -1;
    const gint* pIndexes = gtk_tree_path_get_indices(pStart);
    const int nRow = pIndexes != nullptr ? pIndexes[0] : -1;
    gtk_tree_path_free(pStart);
    return nRow;
}

int View_Cursor_Row(int nDialogId, int nControl)
{
    GtkTreeView* pTree = Tree_Of(nDialogId, nControl);
    GtkTreePath* pPath = nullptr;
    if (pTree == nullptr)
        return -1;
    gtk_tree_view_get_cursor(pTree, &pPath, nullptr);
    if (pPath == nullptr)
        return -1;
    const gint* pIndexes = gtk_tree_path_get_indices(pPath);
    const int nRow = pIndexes != nullptr ? pIndexes[0] : -1;
    gtk_tree_path_free(pPath);
    return nRow;
}

int View_Selected_Row(int nDialogId, int nControl)
{
    GtkTreeView* pTree = Tree_Of(nDialogId, nControl);
    if (pTree == nullptr)
        return -1;
    GList* pRows = gtk_tree_selection_get_selected_rows(gtk_tree_view_get_selection(pTree), nullptr);
    int nRow = -1;
    if (pRows != nullptr) {
        const gint* pIndexes = gtk_tree_path_get_indices(static_cast<GtkTreePath*>(pRows->data));
        nRow = pIndexes != nullptr ? pIndexes[0] : -1;
    }
    g_list_free_full(pRows, reinterpret_cast<GDestroyNotify>(gtk_tree_path_free));
    return nRow;
}

bool View_Row_Shown_Whole(int nDialogId, int nControl, int nRow)
{
    GtkTreeView* pTree = Tree_Of(nDialogId, nControl);
    if (pTree == nullptr || nRow < 0 || !gtk_widget_get_realized(GTK_WIDGET(pTree)))
        return false;
    GtkTreePath* pPath = gtk_tree_path_new_from_indices(nRow, -1);
    GdkRectangle Row{};
    gtk_tree_view_get_background_area(pTree, pPath, nullptr, &Row);
    gtk_tree_path_free(pPath);
    // The row's area is in the bin window's coordinates, the visible part
    // of the view in the tree's.
    int yTop = 0;
    gtk_tree_view_convert_bin_window_to_tree_coords(pTree, 0, Row.y, nullptr, &yTop);
    GdkRectangle Shown{};
    gtk_tree_view_get_visible_rect(pTree, &Shown);
    return Row.height > 0 && yTop >= Shown.y && yTop + Row.height <= Shown.y + Shown.height;
}

int View_Columns(int nDialogId, int nControl)
{
    GtkTreeView* pTree = Tree_Of(nDialogId, nControl);
    return pTree != nullptr ? static_cast<int>(gtk_tree_view_get_n_columns(pTree)) : -1;
}

int View_Column_Width(int nDialogId, int nControl, int nColumn)
{
    GtkTreeView* pTree = Tree_Of(nDialogId, nControl);
    if (pTree == nullptr)
        return -1;
    int nWidth = -1;
    GList* pColumns = gtk_tree_view_get_columns(pTree);
    for (GList* q = pColumns; q != nullptr; q = q->next)
        if (GPOINTER_TO_INT(g_object_get_data(G_OBJECT(q->data), "kelvo-column")) == nColumn)
            nWidth = gtk_tree_view_column_get_fixed_width(GTK_TREE_VIEW_COLUMN(q->data));
    g_list_free(pColumns);
    return nWidth;
}

bool Right_Click_Report(int nDialogId, int nControl, int nRow)
{
    GtkTreeView* pTree = Tree_Of(nDialogId, nControl);
    if (pTree == nullptr || !gtk_widget_get_realized(GTK_WIDGET(pTree)))
        return false;
    GdkWindow* pTarget = gtk_tree_view_get_bin_window(pTree);
    double y = 0;
    if (nRow >= 0) {
        GtkTreePath* pPath = gtk_tree_path_new_from_indices(nRow, -1);
        GdkRectangle Area{};
        gtk_tree_view_get_background_area(pTree, pPath, nullptr, &Area);
        gtk_tree_path_free(pPath);
        y = Area.y + Area.height / 2;
    } else {
        // The header's window: the first column's button.
        GtkWidget* pButton = gtk_tree_view_column_get_button(gtk_tree_view_get_column(pTree, 0));
        pTarget = pButton != nullptr ? gtk_widget_get_window(pButton) : nullptr;
        y = 2;
    }
    if (pTarget == nullptr)
        return false;
    int xOrigin = 0, yOrigin = 0;
    gdk_window_get_origin(pTarget, &xOrigin, &yOrigin);
    GdkEvent* pEvent = gdk_event_new(GDK_BUTTON_PRESS);
    pEvent->button.window = GDK_WINDOW(g_object_ref(pTarget));
    pEvent->button.send_event = TRUE;
    pEvent->button.time = GDK_CURRENT_TIME;
    pEvent->button.x = 4;
    pEvent->button.y = y;
    pEvent->button.x_root = xOrigin + 4;
    pEvent->button.y_root = yOrigin + y;
    pEvent->button.button = 3;
    GdkSeat* pSeat = gdk_display_get_default_seat(gtk_widget_get_display(GTK_WIDGET(pTree)));
    if (pSeat != nullptr)
        gdk_event_set_device(pEvent, gdk_seat_get_pointer(pSeat));
    gtk_main_do_event(pEvent);
    gdk_event_free(pEvent);
    return true;
}

bool Window_Origin(int nKind, int nDialogId, int& x, int& y)
{
    GtkWidget* pWindow = Window_Of(nKind, nDialogId);
    GdkWindow* pGdk = pWindow != nullptr ? gtk_widget_get_window(pWindow) : nullptr;
    if (pGdk == nullptr)
        return false;
    gdk_window_get_root_origin(pGdk, &x, &y);
    return true;
}

bool Window_Cursor_Set(int nKind, int nDialogId)
{
    GtkWidget* pWindow = Window_Of(nKind, nDialogId);
    GdkWindow* pGdk = pWindow != nullptr ? gtk_widget_get_window(pWindow) : nullptr;
    return pGdk != nullptr && gdk_window_get_cursor(pGdk) != nullptr;
}

bool Size_Grip_Pixels(int nDialogId, PIXELS& Pixels)
{
    GtkWidget* pFixed = gtk_internal::Dialog_Client_Area(nDialogId);
    if (pFixed == nullptr || !GTK_IS_CONTAINER(pFixed))
        return false;
    bool bFound = false;
    GList* pChildren = gtk_container_get_children(GTK_CONTAINER(pFixed));
    for (GList* q = pChildren; q != nullptr; q = q->next) {
        GtkWidget* pChild = GTK_WIDGET(q->data);
        if (std::strcmp(gtk_widget_get_name(pChild), "kelvo-size-grip") != 0 || !gtk_widget_get_visible(pChild))
            continue;
        GtkAllocation Allocation;
        gtk_widget_get_allocation(pChild, &Allocation);
        Pixels = PIXELS{Allocation.x, Allocation.y, Allocation.width, Allocation.height};
        bFound = true;
    }
    g_list_free(pChildren);
    return bFound;
}

std::string Clipboard_Utf8()
{
    // The bytes as a pasting program gets them (GTK's own text reading
    // would turn "\r\n" into "\n").
    GtkSelectionData* pData = gtk_clipboard_wait_for_contents(gtk_clipboard_get(GDK_SELECTION_CLIPBOARD),
                                                              gdk_atom_intern_static_string("UTF8_STRING"));
    if (pData == nullptr)
        return "";
    const guchar* pBytes = gtk_selection_data_get_data(pData);
    const gint nLength = gtk_selection_data_get_length(pData);
    std::string Text = pBytes != nullptr && nLength > 0 ? std::string(reinterpret_cast<const char*>(pBytes), static_cast<size_t>(nLength)) : "";
    gtk_selection_data_free(pData);
    return Text;
}

}  // namespace gtk_probe
