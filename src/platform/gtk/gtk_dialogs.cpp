// Dialogs from their templates: a GtkFixed holds each control at its
// rectangle (dialog units at 6 x 13 pixels per base unit). The model is the
// truth: the widgets show it (Sync), and what the user does goes back through
// DIALOG::User_*, which sends the procedure its event. While the backend
// brings a widget in line with the model, its signal handlers stay quiet.
// A dialog never takes more than its monitor's work area: a resizable one
// is made smaller there, and what still does not fit scrolls.

#include <gtk/gtk.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/gtk/gtk_dialog_widgets.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/gtk/gtk_probe.h"
#include "platform/gtk/gtk_text.h"
#include "platform/menus.h"
#include "platform/ui_text.h"

namespace {

// The client area: a GtkFixed that asks for the size it is given (the
// model's, through gtk_widget_set_size_request) and never for what its
// controls would like. A control whose text outgrows its rectangle must not
// grow the dialog: a taller dialog moves its bottom-anchored controls down,
// which asks for a taller one again, without end.
struct KelvoFixed {
    GtkFixed Parent;
};
struct KelvoFixedClass {
    GtkFixedClass Parent;
};
G_DEFINE_TYPE(KelvoFixed, kelvo_fixed, GTK_TYPE_FIXED)

void Ask_For_Nothing(GtkWidget*, gint* pMinimum, gint* pNatural)
{
    *pMinimum = 0;
    *pNatural = 0;
}

void kelvo_fixed_class_init(KelvoFixedClass* pClass)
{
    GtkWidgetClass* pWidgetClass = GTK_WIDGET_CLASS(pClass);
    pWidgetClass->get_preferred_width = Ask_For_Nothing;
    pWidgetClass->get_preferred_height = Ask_For_Nothing;
}

void kelvo_fixed_init(KelvoFixed*) {}

}  // namespace

namespace gtk_dialog_widgets {

std::vector<OPEN_DIALOG*> g_Open;
int g_nBoxesShown = 0;   // message boxes up now

// Widgets are found by control id; the labels and group boxes that share
// the id -1 are told apart by their order among themselves.
constexpr int SHARED_ID = -1;
int Widget_Key(int nId, int nOrdinal)
{
    return nId == SHARED_ID ? -1000000 - nOrdinal : nId;
}

OPEN_DIALOG* Find_Open(const DIALOG& Dialog)
{
    for (OPEN_DIALOG* p : g_Open)
        if (p->pDialog == &Dialog)
            return p;
    return nullptr;
}

HANDLER_DATA* Data_Of(OPEN_DIALOG& Open, int nId, gpointer pOwner)
{
    HANDLER_DATA* p = new HANDLER_DATA{&Open, nId};
    g_object_set_data_full(G_OBJECT(pOwner), "kelvo-handler", p, [](gpointer q) { delete static_cast<HANDLER_DATA*>(q); });
    return p;
}

bool Quiet(const HANDLER_DATA* p)
{
    return p->pOpen->nQuiet > 0 || p->pOpen->pDialog == nullptr || p->pOpen->pDialog->Ended();
}

UI_RECT Pixels_Of(const DIALOG_CONTROL& Control)
{
    return Dialog_Units_To_Pixels(Control.Rect);
}

// --- Signal handlers: the user's input goes to the model ------------------

void On_Clicked(GtkButton*, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (!Quiet(p))
        p->pOpen->pDialog->User_Press(p->nId);
}

void On_Toggled(GtkToggleButton* pButton, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    DIALOG& Dialog = *p->pOpen->pDialog;
    const DIALOG_CONTROL* pControl = Dialog.Find(p->nId);
    if (pControl == nullptr)
        return;
    const bool bActive = gtk_toggle_button_get_active(pButton) != FALSE;
    if (pControl->nKind == CONTROL_RADIO) {
        // The button let go of is news only through the one chosen.
        if (!bActive)
            return;
        Dialog.User_Radio(p->nId);
    } else {
        Dialog.User_Check(p->nId, bActive);
    }
    // A refused change (or one the procedure undid) shows the model again.
    gtk_internal::Dialog_Changed(Dialog, p->nId);
}

void On_Combo_Changed(GtkComboBox* pCombo, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    DIALOG& Dialog = *p->pOpen->pDialog;
    if (!Dialog.User_Select(p->nId, gtk_combo_box_get_active(pCombo)))
        gtk_internal::Dialog_Changed(Dialog, p->nId);
}

void On_Popup_Shown(GObject* pCombo, GParamSpec*, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    gboolean bShown = FALSE;
    g_object_get(pCombo, "popup-shown", &bShown, nullptr);
    if (!Quiet(p) && bShown)
        p->pOpen->pDialog->User_Drop_Down(p->nId);
}

std::vector<int> Selected_Rows(GtkTreeSelection* pSelection)
{
    std::vector<int> Rows;
    GList* pRows = gtk_tree_selection_get_selected_rows(pSelection, nullptr);
    for (GList* q = pRows; q != nullptr; q = q->next) {
        const gint* pIndexes = gtk_tree_path_get_indices(static_cast<GtkTreePath*>(q->data));
        if (pIndexes != nullptr)
            Rows.push_back(pIndexes[0]);
    }
    g_list_free_full(pRows, reinterpret_cast<GDestroyNotify>(gtk_tree_path_free));
    std::sort(Rows.begin(), Rows.end());
    return Rows;
}

void On_List_Selection(GtkTreeSelection* pSelection, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    DIALOG& Dialog = *p->pOpen->pDialog;
    const DIALOG_CONTROL* pControl = Dialog.Find(p->nId);
    if (pControl == nullptr)
        return;
    const std::vector<int> Rows = Selected_Rows(pSelection);
    bool bTaken = true;
    if (pControl->nKind == CONTROL_REPORT) {
        bTaken = Dialog.User_Row_Select(p->nId, Rows.empty() ? -1 : Rows.front());
    } else if (pControl->nStyle & CS_MULTI_SELECT) {
        // One entry more or less than the model holds is a Ctrl+click on it.
        std::vector<int> Now = Dialog.Selected_Items(p->nId);
        std::vector<int> Changed;
        std::set_symmetric_difference(Rows.begin(), Rows.end(), Now.begin(), Now.end(), std::back_inserter(Changed));
        if (Changed.size() == 1)
            bTaken = Dialog.User_Toggle_Item(p->nId, Changed.front());
        else
            bTaken = Dialog.User_Select_Items(p->nId, Rows);
    } else
        bTaken = Dialog.User_Select(p->nId, Rows.empty() ? -1 : Rows.front());
    if (!bTaken)
        gtk_internal::Dialog_Changed(Dialog, p->nId);
}

void On_Row_Activated(GtkTreeView*, GtkTreePath* pPath, GtkTreeViewColumn*, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    const gint* pIndexes = gtk_tree_path_get_indices(pPath);
    if (pIndexes == nullptr)
        return;
    DIALOG& Dialog = *p->pOpen->pDialog;
    const DIALOG_CONTROL* pControl = Dialog.Find(p->nId);
    if (pControl != nullptr && pControl->nKind == CONTROL_REPORT)
        Dialog.User_Row_Double_Click(p->nId, pIndexes[0]);
    else
        Dialog.User_Double_Click(p->nId, pIndexes[0]);
}

// Space chooses the keyboard's row of a list that takes one row; it does
// not open it (GTK would activate it, as a double click does).
gboolean On_List_Key(GtkWidget* pTree, GdkEventKey* pEvent, gpointer)
{
    if ((pEvent->keyval != GDK_KEY_space && pEvent->keyval != GDK_KEY_KP_Space) ||
        (pEvent->state & gtk_accelerator_get_default_mod_mask()) != 0)
        return FALSE;
    GtkTreeSelection* pSelection = gtk_tree_view_get_selection(GTK_TREE_VIEW(pTree));
    if (gtk_tree_selection_get_mode(pSelection) != GTK_SELECTION_SINGLE)
        return FALSE;
    GtkTreePath* pPath = nullptr;
    gtk_tree_view_get_cursor(GTK_TREE_VIEW(pTree), &pPath, nullptr);
    if (pPath == nullptr)
        return FALSE;
    gtk_tree_selection_select_path(pSelection, pPath);
    gtk_tree_path_free(pPath);
    return TRUE;
}

gboolean On_Tree_Button(GtkWidget* pTree, GdkEventButton* pEvent, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p) || pEvent->type != GDK_BUTTON_PRESS || pEvent->button != 3)
        return FALSE;
    // A click outside the rows' window is on the header.
    if (pEvent->window != gtk_tree_view_get_bin_window(GTK_TREE_VIEW(pTree))) {
        p->pOpen->pDialog->User_Right_Click(p->nId, -1, static_cast<int>(pEvent->x_root),
                                            static_cast<int>(pEvent->y_root), true);
        return TRUE;
    }
    GtkTreePath* pPath = nullptr;
    int nRow = -1;
    if (gtk_tree_view_get_path_at_pos(GTK_TREE_VIEW(pTree), static_cast<gint>(pEvent->x),
                                      static_cast<gint>(pEvent->y), &pPath, nullptr, nullptr, nullptr)) {
        const gint* pIndexes = gtk_tree_path_get_indices(pPath);
        nRow = pIndexes != nullptr ? pIndexes[0] : -1;
        gtk_tree_path_free(pPath);
    }
    p->pOpen->pDialog->User_Right_Click(p->nId, nRow, static_cast<int>(pEvent->x_root),
                                        static_cast<int>(pEvent->y_root), false);
    return TRUE;
}

void On_Header_Clicked(GtkTreeViewColumn* pColumn, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    const int nColumn = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(pColumn), "kelvo-column"));
    p->pOpen->pDialog->User_Header_Click(p->nId, nColumn);
}

void On_Columns_Changed(GtkTreeView* pTree, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    std::vector<int> Order;
    GList* pColumns = gtk_tree_view_get_columns(pTree);
    for (GList* q = pColumns; q != nullptr; q = q->next) {
        const int nColumn = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(q->data), "kelvo-column"));
        if (nColumn != FILLER_COLUMN)
            Order.push_back(nColumn);
    }
    g_list_free(pColumns);
    DIALOG& Dialog = *p->pOpen->pDialog;
    const DIALOG_CONTROL* pControl = Dialog.Find(p->nId);
    if (pControl != nullptr && Order.size() == pControl->Columns.size() && Order != pControl->ColumnOrder)
        Dialog.User_Column_Order(p->nId, Order);
}

// The user scrolled: the first row shown goes to the model.
void On_Scrolled(GtkAdjustment*, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    auto It = p->pOpen->Widgets.find(p->nId);
    if (It == p->pOpen->Widgets.end() || !gtk_widget_get_realized(It->second->pMain))
        return;
    GtkTreePath* pStart = nullptr;
    if (!gtk_tree_view_get_visible_range(GTK_TREE_VIEW(It->second->pMain), &pStart, nullptr))
        return;
    const gint* pIndexes = gtk_tree_path_get_indices(pStart);
    const int nTop = pIndexes != nullptr ? pIndexes[0] : 0;
    gtk_tree_path_free(pStart);
    It->second->nTopShown = nTop;
    p->pOpen->pDialog->User_Scroll(p->nId, nTop);
}

// The user dragged a column's edge.
void On_Column_Width(GObject* pColumn, GParamSpec*, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    const int nColumn = GPOINTER_TO_INT(g_object_get_data(pColumn, "kelvo-column"));
    p->pOpen->pDialog->User_Column_Width(p->nId, nColumn,
                                         gtk_tree_view_column_get_fixed_width(GTK_TREE_VIEW_COLUMN(pColumn)));
}

// The size grip: a drag there resizes the window from its corner.
gboolean On_Grip_Draw(GtkWidget* pGrip, cairo_t* pCairo, gpointer)
{
    const int n = gtk_widget_get_allocated_width(pGrip);
    cairo_set_source_rgb(pCairo, 0.55, 0.55, 0.55);
    cairo_set_line_width(pCairo, 1.0);
    for (int i = 3; i < n; i += 4) {
        cairo_move_to(pCairo, n - 0.5, i + 0.5);
        cairo_line_to(pCairo, i + 0.5, n - 0.5);
    }
    cairo_stroke(pCairo);
    return TRUE;
}

gboolean On_Grip_Button(GtkWidget* pGrip, GdkEventButton* pEvent, gpointer)
{
    if (pEvent->type != GDK_BUTTON_PRESS || pEvent->button != 1)
        return FALSE;
    gtk_window_begin_resize_drag(GTK_WINDOW(gtk_widget_get_toplevel(pGrip)), GDK_WINDOW_EDGE_SOUTH_EAST,
                                 static_cast<gint>(pEvent->button), static_cast<gint>(pEvent->x_root),
                                 static_cast<gint>(pEvent->y_root), pEvent->time);
    return TRUE;
}

void On_Spin(GtkButton* pButton, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    const bool bUp = g_object_get_data(G_OBJECT(pButton), "kelvo-up") != nullptr;
    p->pOpen->pDialog->User_Spin(p->nId, bUp);
}

void On_Range_Changed(GtkRange* pRange, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    DIALOG& Dialog = *p->pOpen->pDialog;
    if (!Dialog.User_Track(p->nId, static_cast<int>(gtk_range_get_value(pRange) + 0.5)))
        gtk_internal::Dialog_Changed(Dialog, p->nId);
}

gboolean On_Paint(GtkWidget* pArea, cairo_t* pCairo, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (p->pOpen->pDialog == nullptr || p->pOpen->pDialog->Ended())
        return FALSE;
    const int cx = gtk_widget_get_allocated_width(pArea);
    const int cy = gtk_widget_get_allocated_height(pArea);
    if (cx <= 0 || cy <= 0)
        return FALSE;
    CANVAS Canvas(cx, cy);
    p->pOpen->pDialog->User_Paint(p->nId, &Canvas, UI_RECT{0, 0, cx, cy});
    gtk_internal::Paint_Canvas(pCairo, Canvas, 0, 0);
    return TRUE;
}

gboolean On_Area_Button(GtkWidget*, GdkEventButton* pEvent, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p) || pEvent->type != GDK_BUTTON_PRESS || pEvent->button != 1)
        return FALSE;
    p->pOpen->pDialog->User_Click(p->nId, static_cast<int>(pEvent->x), static_cast<int>(pEvent->y));
    return TRUE;
}

gboolean On_Focus_In(GtkWidget*, GdkEvent*, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (!Quiet(p))
        p->pOpen->pDialog->User_Focus(p->nId);
    return FALSE;
}

// The control a widget of the dialog belongs to (a combo box's own button,
// say); null when none.
CONTROL_WIDGETS* Control_Of_Widget(OPEN_DIALOG& Open, GtkWidget* pWidget)
{
    for (GtkWidget* p = pWidget; p != nullptr && p != Open.pFixed; p = gtk_widget_get_parent(p))
        for (auto& Entry : Open.Widgets)
            if (Entry.second->pMain == p || Entry.second->pOuter == p)
                return Entry.second.get();
    return nullptr;
}

// The keyboard focus moved within the window: the model follows, so that it
// never puts the focus back on the control the user left. A widget's own
// focus-in is no sure sign: GTK sends it only while the window holds the X
// keyboard focus, which a modal dialog need not (on a server without a
// window manager the keys reach it through its grab while the X focus stays
// on the main window), and a combo box's button, not the combo, takes the
// focus.
void On_Set_Focus(GtkWindow*, GtkWidget* pFocus, gpointer pData)
{
    OPEN_DIALOG* pOpen = static_cast<OPEN_DIALOG*>(pData);
    if (pFocus == nullptr || pOpen->nQuiet > 0 || pOpen->pDialog == nullptr || pOpen->pDialog->Ended())
        return;
    const CONTROL_WIDGETS* pWidgets = Control_Of_Widget(*pOpen, pFocus);
    if (pWidgets == nullptr || pOpen->pDialog->Focus() == pWidgets->nId)
        return;   // the model has it already (told by the control's focus-in)
    pOpen->pDialog->User_Focus(pWidgets->nId);
}

void Sync_Control(OPEN_DIALOG& Open, CONTROL_WIDGETS& W, const DIALOG_CONTROL& Control);

// GTK puts the cursor, and with it the selection, on a list's first row when
// the list takes the keyboard focus while nothing is selected; what shows is
// the model's selection.
gboolean On_List_Focus_In_After(GtkWidget*, GdkEvent*, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (p->pOpen->pDialog == nullptr || p->pOpen->pDialog->Ended())
        return FALSE;
    const DIALOG_CONTROL* pControl = p->pOpen->pDialog->Find(p->nId);
    const auto It = p->pOpen->Widgets.find(p->nId);
    if (pControl != nullptr && It != p->pOpen->Widgets.end() && It->second != nullptr)
        Sync_Control(*p->pOpen, *It->second, *pControl);
    return FALSE;
}

// Enter presses the default button (a focused button presses itself; a
// multi-line edit takes the line end); Escape cancels unless the dialog
// forbids it.
gboolean On_Dialog_Key(GtkWidget* pWindow, GdkEventKey* pEvent, gpointer pData)
{
    OPEN_DIALOG* pOpen = static_cast<OPEN_DIALOG*>(pData);
    if (pOpen->pDialog == nullptr || pOpen->pDialog->Ended())
        return FALSE;
    GtkWidget* pFocus = gtk_window_get_focus(GTK_WINDOW(pWindow));
    if (pEvent->keyval == GDK_KEY_Escape) {
        if (pFocus != nullptr && GTK_IS_COMBO_BOX(gtk_widget_get_parent(pFocus)))
            return FALSE;
        pOpen->pDialog->User_Cancel();
        return TRUE;
    }
    if (pEvent->keyval == GDK_KEY_Return || pEvent->keyval == GDK_KEY_KP_Enter || pEvent->keyval == GDK_KEY_ISO_Enter) {
        // A focused push button presses itself; a check box or radio
        // button takes Enter as the default button's, as the templates mean.
        const bool bPushButton = pFocus != nullptr && GTK_IS_BUTTON(pFocus) && !GTK_IS_TOGGLE_BUTTON(pFocus);
        if (bPushButton || (pFocus != nullptr && GTK_IS_TEXT_VIEW(pFocus)))
            return FALSE;
        pOpen->pDialog->User_Press(pOpen->pDialog->Default_Button());
        return TRUE;
    }
    return FALSE;
}

gboolean On_Dialog_Delete(GtkWidget*, GdkEvent*, gpointer pData)
{
    OPEN_DIALOG* pOpen = static_cast<OPEN_DIALOG*>(pData);
    if (pOpen->pDialog != nullptr && !pOpen->pDialog->Ended() && !(pOpen->pDialog->Style() & DS_NO_CLOSE_BOX))
        pOpen->pDialog->User_Cancel();
    return TRUE;   // the window goes when the run ends, never before
}

void On_Fixed_Allocated(GtkWidget*, GdkRectangle* pAllocation, gpointer pData)
{
    OPEN_DIALOG* pOpen = static_cast<OPEN_DIALOG*>(pData);
    DIALOG* pDialog = pOpen->pDialog;
    // The grip keeps to the bottom-right corner (moved only when it must:
    // a move asks for another allocation).
    if (pOpen->pGrip != nullptr) {
        const UI_RECT Grip = Get_Size_Grip_Rect(pAllocation->width, pAllocation->height);
        int x = 0, y = 0;
        gtk_container_child_get(GTK_CONTAINER(pOpen->pFixed), pOpen->pGrip, "x", &x, "y", &y, nullptr);
        if (x != Grip.x || y != Grip.y)
            gtk_fixed_move(GTK_FIXED(pOpen->pFixed), pOpen->pGrip, Grip.x, Grip.y);
    }
    if (pDialog == nullptr || pDialog->Ended() || pOpen->nQuiet > 0 || !(pDialog->Style() & DS_RESIZABLE))
        return;
    if (pAllocation->width == Dialog_Units_To_Pixels_X(pDialog->Width()) &&
        pAllocation->height == Dialog_Units_To_Pixels_Y(pDialog->Height()))
        return;
    pDialog->User_Size(pAllocation->width, pAllocation->height);
}

// --- Building and bringing widgets in line with the model ------------------

void Set_Label_Text(GtkWidget* pLabel, const std::string& Text)
{
    gtk_label_set_text_with_mnemonic(GTK_LABEL(pLabel), gtk_text::Mnemonic_Label(Text).c_str());
}

// A scrolled window around a widget that does not scroll by itself, with
// scroll bars of their own (not laid over the content) where they are
// needed and no frame.
GtkWidget* Scroller_Around(GtkWidget* pContent, GtkPolicyType nAcross)
{
    GtkWidget* pScroller = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(pScroller), nAcross, GTK_POLICY_AUTOMATIC);
    gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(pScroller), FALSE);
    gtk_container_add(GTK_CONTAINER(pScroller), pContent);
    if (GtkWidget* pViewport = gtk_bin_get_child(GTK_BIN(pScroller)); pViewport != nullptr && GTK_IS_VIEWPORT(pViewport))
        gtk_viewport_set_shadow_type(GTK_VIEWPORT(pViewport), GTK_SHADOW_NONE);
    return pScroller;
}

// An owner-drawn combo's entry of blanks only is its divider: a line
// between its groups of entries, which the keys and the mouse pass over.
gboolean Is_Divider_Row(GtkTreeModel* pModel, GtkTreeIter* pIter, gpointer)
{
    gchar* szText = nullptr;
    gtk_tree_model_get(pModel, pIter, 0, &szText, -1);
    const bool bDivider = szText != nullptr && szText[std::strspn(szText, " ")] == '\0';
    g_free(szText);
    return bDivider ? TRUE : FALSE;
}

std::unique_ptr<CONTROL_WIDGETS> Make_Control(OPEN_DIALOG& Open, const DIALOG_CONTROL& Control, GSList*& pRadioGroup)
{
    auto p = std::make_unique<CONTROL_WIDGETS>();
    p->nId = Control.nId;
    p->nKind = Control.nKind;
    GtkWidget* pMain = nullptr;
    GtkWidget* pOuter = nullptr;
    switch (Control.nKind) {
    case CONTROL_LABEL:
        pMain = gtk_label_new(nullptr);
        gtk_label_set_xalign(GTK_LABEL(pMain), 0.0f);
        gtk_label_set_yalign(GTK_LABEL(pMain), 0.0f);
        gtk_label_set_line_wrap(GTK_LABEL(pMain), TRUE);
        if (Control.nStyle & CS_MULTILINE) {
            // Lines beyond its rectangle scroll, rather than run over the
            // controls below it.
            pOuter = Scroller_Around(pMain, GTK_POLICY_NEVER);
        }
        break;
    case CONTROL_EDIT:
        if (Control.nStyle & CS_MULTILINE) {
            // A multi-line edit shows its text; typing goes to the model too.
            pMain = gtk_text_view_new();
            gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(pMain), GTK_WRAP_WORD);
            gtk_text_view_set_editable(GTK_TEXT_VIEW(pMain), !(Control.nStyle & CS_READONLY));
            pOuter = gtk_scrolled_window_new(nullptr, nullptr);
            gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(pOuter), GTK_SHADOW_IN);
            gtk_container_add(GTK_CONTAINER(pOuter), pMain);
            GtkTextBuffer* pBuffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(pMain));
            HANDLER_DATA* pData = Data_Of(Open, Control.nId, pMain);
            g_signal_connect(pBuffer, "insert-text", G_CALLBACK(On_Buffer_Insert), pData);
            g_signal_connect(pBuffer, "changed", G_CALLBACK(On_Buffer_Changed), pData);
        } else {
            pMain = gtk_entry_new();
            gtk_entry_set_activates_default(GTK_ENTRY(pMain), TRUE);
            gtk_entry_set_width_chars(GTK_ENTRY(pMain), 1);
            gtk_editable_set_editable(GTK_EDITABLE(pMain), !(Control.nStyle & CS_READONLY));
            if (Control.nTextLimit > 0)
                gtk_entry_set_max_length(GTK_ENTRY(pMain), Control.nTextLimit);
            HANDLER_DATA* pData = Data_Of(Open, Control.nId, pMain);
            g_signal_connect(pMain, "insert-text", G_CALLBACK(On_Insert_Text), pData);
            g_signal_connect(pMain, "changed", G_CALLBACK(On_Entry_Changed), pData);
            g_signal_connect(pMain, "key-press-event", G_CALLBACK(On_Entry_Key), pData);
        }
        break;
    case CONTROL_COMBO: {
        pMain = gtk_combo_box_text_new();
        // The longest item never widens the combo past its rectangle (into
        // the next column): what does not fit ends with an ellipsis, and the
        // list that drops down shows every item whole.
        GList* pCells = gtk_cell_layout_get_cells(GTK_CELL_LAYOUT(pMain));
        for (GList* q = pCells; q != nullptr; q = q->next)
            if (GTK_IS_CELL_RENDERER_TEXT(q->data))
                g_object_set(q->data, "ellipsize", PANGO_ELLIPSIZE_END, "width-chars", 1, nullptr);
        g_list_free(pCells);
        gtk_combo_box_set_popup_fixed_width(GTK_COMBO_BOX(pMain), FALSE);
        if (Control.nStyle & CS_OWNER_DRAW)
            gtk_combo_box_set_row_separator_func(GTK_COMBO_BOX(pMain), Is_Divider_Row, nullptr, nullptr);
        HANDLER_DATA* pData = Data_Of(Open, Control.nId, pMain);
        g_signal_connect(pMain, "changed", G_CALLBACK(On_Combo_Changed), pData);
        g_signal_connect(pMain, "notify::popup-shown", G_CALLBACK(On_Popup_Shown), pData);
        break;
    }
    case CONTROL_LIST:
    case CONTROL_REPORT: {
        const bool bReport = Control.nKind == CONTROL_REPORT;
        pMain = gtk_tree_view_new();
        gtk_tree_view_set_headers_visible(GTK_TREE_VIEW(pMain), bReport);
        gtk_tree_view_set_enable_search(GTK_TREE_VIEW(pMain), FALSE);
        GtkTreeSelection* pSelection = gtk_tree_view_get_selection(GTK_TREE_VIEW(pMain));
        gtk_tree_selection_set_mode(pSelection, (Control.nStyle & CS_MULTI_SELECT) ? GTK_SELECTION_MULTIPLE
                                                                                  : GTK_SELECTION_SINGLE);
        HANDLER_DATA* pData = Data_Of(Open, Control.nId, pMain);
        g_signal_connect(pSelection, "changed", G_CALLBACK(On_List_Selection), pData);
        g_signal_connect(pMain, "row-activated", G_CALLBACK(On_Row_Activated), pData);
        g_signal_connect(pMain, "key-press-event", G_CALLBACK(On_List_Key), pData);
        if (bReport) {
            g_signal_connect(pMain, "button-press-event", G_CALLBACK(On_Tree_Button), pData);
            g_signal_connect(pMain, "columns-changed", G_CALLBACK(On_Columns_Changed), pData);
        }
        pOuter = gtk_scrolled_window_new(nullptr, nullptr);
        gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(pOuter), GTK_SHADOW_IN);
        gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(pOuter), bReport ? GTK_POLICY_AUTOMATIC : GTK_POLICY_NEVER,
                                       GTK_POLICY_AUTOMATIC);
        gtk_container_add(GTK_CONTAINER(pOuter), pMain);
        GtkAdjustment* pAdjustment = gtk_scrolled_window_get_vadjustment(GTK_SCROLLED_WINDOW(pOuter));
        g_signal_connect(pAdjustment, "value-changed", G_CALLBACK(On_Scrolled), Data_Of(Open, Control.nId, pAdjustment));
        break;
    }
    case CONTROL_CHECK:
        pMain = gtk_check_button_new_with_mnemonic("");
        g_signal_connect(pMain, "toggled", G_CALLBACK(On_Toggled), Data_Of(Open, Control.nId, pMain));
        break;
    case CONTROL_RADIO:
        if (Control.nStyle & CS_GROUP)
            pRadioGroup = nullptr;
        pMain = gtk_radio_button_new_with_mnemonic(pRadioGroup, "");
        pRadioGroup = gtk_radio_button_get_group(GTK_RADIO_BUTTON(pMain));
        g_signal_connect(pMain, "toggled", G_CALLBACK(On_Toggled), Data_Of(Open, Control.nId, pMain));
        break;
    case CONTROL_BUTTON:
        pMain = gtk_button_new_with_mnemonic("");
        gtk_widget_set_can_default(pMain, TRUE);
        g_signal_connect(pMain, "clicked", G_CALLBACK(On_Clicked), Data_Of(Open, Control.nId, pMain));
        break;
    case CONTROL_GROUP:
        pMain = gtk_frame_new(nullptr);
        break;
    case CONTROL_UPDOWN: {
        // The arrows of an up-down control; its buddy edit shows the position.
        pMain = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
        gtk_box_set_homogeneous(GTK_BOX(pMain), TRUE);
        HANDLER_DATA* pData = Data_Of(Open, Control.nId, pMain);
        p->pUp = gtk_button_new();
        p->pDown = gtk_button_new();
        for (GtkWidget* pArrow : {p->pUp, p->pDown}) {
            // Arrows small enough for the control's rectangle.
            GtkWidget* pImage = gtk_image_new_from_icon_name(pArrow == p->pUp ? "pan-up-symbolic" : "pan-down-symbolic",
                                                             GTK_ICON_SIZE_MENU);
            gtk_image_set_pixel_size(GTK_IMAGE(pImage), 6);
            gtk_container_add(GTK_CONTAINER(pArrow), pImage);
        }
        g_object_set_data(G_OBJECT(p->pUp), "kelvo-up", GINT_TO_POINTER(1));
        for (GtkWidget* pArrow : {p->pUp, p->pDown}) {
            gtk_widget_set_name(pArrow, "kelvo-spin-arrow");
            gtk_widget_set_can_focus(pArrow, FALSE);
            g_signal_connect(pArrow, "clicked", G_CALLBACK(On_Spin), pData);
            gtk_box_pack_start(GTK_BOX(pMain), pArrow, TRUE, TRUE, 0);
        }
        break;
    }
    case CONTROL_TRACKBAR:
        pMain = gtk_scale_new_with_range((Control.nStyle & CS_VERTICAL) ? GTK_ORIENTATION_VERTICAL
                                                                        : GTK_ORIENTATION_HORIZONTAL,
                                         0, 1, 1);
        gtk_scale_set_draw_value(GTK_SCALE(pMain), FALSE);
        g_signal_connect(pMain, "value-changed", G_CALLBACK(On_Range_Changed), Data_Of(Open, Control.nId, pMain));
        break;
    case CONTROL_PROGRESS:
        pMain = gtk_progress_bar_new();
        break;
    case CONTROL_PAINT:
    default:
        pMain = gtk_drawing_area_new();
        gtk_widget_add_events(pMain, GDK_BUTTON_PRESS_MASK);
        {
            HANDLER_DATA* pData = Data_Of(Open, Control.nId, pMain);
            g_signal_connect(pMain, "draw", G_CALLBACK(On_Paint), pData);
            g_signal_connect(pMain, "button-press-event", G_CALLBACK(On_Area_Button), pData);
        }
        break;
    }
    if (pOuter == nullptr)
        pOuter = pMain;
    if (Control.nKind != CONTROL_LABEL && Control.nKind != CONTROL_GROUP && Control.nKind != CONTROL_PAINT &&
        Control.nKind != CONTROL_PROGRESS && Control.nKind != CONTROL_UPDOWN) {
        gtk_widget_add_events(pMain, GDK_FOCUS_CHANGE_MASK);
        HANDLER_DATA* pData = static_cast<HANDLER_DATA*>(g_object_get_data(G_OBJECT(pMain), "kelvo-handler"));
        if (pData == nullptr)
            pData = Data_Of(Open, Control.nId, pMain);
        g_signal_connect(pMain, "focus-in-event", G_CALLBACK(On_Focus_In), pData);
        if (GTK_IS_TREE_VIEW(pMain))
            g_signal_connect_after(pMain, "focus-in-event", G_CALLBACK(On_List_Focus_In_After), pData);
    }
    gtk_widget_set_name(pOuter, ("kelvo-control-" + std::to_string(Control.nId)).c_str());
    g_object_set_data(G_OBJECT(pOuter), "kelvo-control", GINT_TO_POINTER(Control.nId));
    g_object_set_data(G_OBJECT(pMain), "kelvo-control", GINT_TO_POINTER(Control.nId));
    p->pMain = pMain;
    p->pOuter = pOuter;
    return p;
}

// The keyboard's row (the cursor; the selection is put back after it) and
// the first row shown, when the model's differ from what the view shows.
void Show_Focus_And_Top(CONTROL_WIDGETS& W, int nRows, int nFocus, int nTop)
{
    GtkTreeView* pTree = GTK_TREE_VIEW(W.pMain);
    if (nFocus != W.nFocusShown && nFocus >= 0 && nFocus < nRows) {
        GtkTreePath* pPath = gtk_tree_path_new_from_indices(nFocus, -1);
        gtk_tree_view_set_cursor(pTree, pPath, nullptr, FALSE);
        gtk_tree_path_free(pPath);
    }
    W.nFocusShown = nFocus;
    if (nTop != W.nTopShown && nTop >= 0 && nTop < nRows) {
        GtkTreePath* pPath = gtk_tree_path_new_from_indices(nTop, -1);
        gtk_tree_view_scroll_to_cell(pTree, pPath, nullptr, TRUE, 0.0f, 0.0f);
        gtk_tree_path_free(pPath);
    }
    W.nTopShown = nTop;
}

// No header is dropped after the filler, which stays the last column.
gboolean Drop_Before_Filler(GtkTreeView*, GtkTreeViewColumn*, GtkTreeViewColumn* pBefore, GtkTreeViewColumn*, gpointer)
{
    return pBefore == nullptr ||
           GPOINTER_TO_INT(g_object_get_data(G_OBJECT(pBefore), "kelvo-column")) != FILLER_COLUMN;
}

void Fill_Report(CONTROL_WIDGETS& W, const DIALOG_CONTROL& Control)
{
    GtkTreeView* pTree = GTK_TREE_VIEW(W.pMain);
    const size_t nColumns = Control.Columns.size();
    if (W.nColumnsShown != nColumns || W.pStore == nullptr) {
        // New columns: a new store of as many text columns.
        for (GtkTreeViewColumn* pColumn : W.Columns)
            gtk_tree_view_remove_column(pTree, pColumn);
        W.Columns.clear();
        std::vector<GType> Types(std::max<size_t>(nColumns, 1), G_TYPE_STRING);
        if (W.pStore != nullptr)
            g_object_unref(W.pStore);
        W.pStore = gtk_list_store_newv(static_cast<gint>(Types.size()), Types.data());
        HANDLER_DATA* pData = static_cast<HANDLER_DATA*>(g_object_get_data(G_OBJECT(W.pMain), "kelvo-handler"));
        for (size_t i = 0; i < nColumns; ++i) {
            GtkCellRenderer* pRenderer = gtk_cell_renderer_text_new();
            const float fAlign = Control.Columns[i].nAlign == COLUMN_CENTER  ? 0.5f
                                 : Control.Columns[i].nAlign == COLUMN_RIGHT ? 1.0f
                                                                             : 0.0f;
            g_object_set(pRenderer, "xalign", fAlign, nullptr);
            GtkTreeViewColumn* pColumn = gtk_tree_view_column_new_with_attributes(
                gtk_text::To_Utf8(Control.Columns[i].Text).c_str(), pRenderer, "text", static_cast<gint>(i), nullptr);
            gtk_tree_view_column_set_alignment(pColumn, fAlign);
            // Fixed-height rows need fixed-width columns.
            gtk_tree_view_column_set_sizing(pColumn, GTK_TREE_VIEW_COLUMN_FIXED);
            gtk_tree_view_column_set_fixed_width(pColumn, Control.Columns[i].nWidth > 0 ? Control.Columns[i].nWidth : 80);
            gtk_tree_view_column_set_resizable(pColumn, TRUE);
            gtk_tree_view_column_set_reorderable(pColumn, TRUE);
            gtk_tree_view_column_set_clickable(pColumn, TRUE);
            g_object_set_data(G_OBJECT(pColumn), "kelvo-column", GINT_TO_POINTER(static_cast<int>(i)));
            g_signal_connect(pColumn, "clicked", G_CALLBACK(On_Header_Clicked), pData);
            g_signal_connect(pColumn, "notify::fixed-width", G_CALLBACK(On_Column_Width), pData);
            W.Columns.push_back(pColumn);
        }
        // The user's order: appended as shown.
        for (int nIndex : Control.ColumnOrder)
            if (nIndex >= 0 && static_cast<size_t>(nIndex) < W.Columns.size())
                gtk_tree_view_append_column(pTree, W.Columns[static_cast<size_t>(nIndex)]);
        for (GtkTreeViewColumn* pColumn : W.Columns)
            if (gtk_tree_view_column_get_tree_view(pColumn) == nullptr)
                gtk_tree_view_append_column(pTree, pColumn);
        // An empty last column takes the width the columns leave, as the
        // list's blank background does, so no column stretches.
        if (W.pFiller != nullptr)
            gtk_tree_view_remove_column(pTree, W.pFiller);
        W.pFiller = gtk_tree_view_column_new();
        gtk_tree_view_column_pack_start(W.pFiller, gtk_cell_renderer_text_new(), TRUE);
        gtk_tree_view_column_set_sizing(W.pFiller, GTK_TREE_VIEW_COLUMN_FIXED);
        gtk_tree_view_column_set_fixed_width(W.pFiller, 1);
        gtk_tree_view_column_set_expand(W.pFiller, TRUE);
        g_object_set_data(G_OBJECT(W.pFiller), "kelvo-column", GINT_TO_POINTER(FILLER_COLUMN));
        gtk_tree_view_append_column(pTree, W.pFiller);
        // Its header is often a pixel wide: without padding or border it
        // fits there (GTK warns of a header that cannot).
        if (GtkWidget* pHeader = gtk_tree_view_column_get_button(W.pFiller))
            gtk_widget_set_name(pHeader, "kelvo-filler-header");
        gtk_tree_view_set_column_drag_function(pTree, Drop_Before_Filler, nullptr, nullptr);
        gtk_tree_view_set_fixed_height_mode(pTree, TRUE);
        W.nColumnsShown = nColumns;
        W.nRowsRevision = ~0u;
    } else {
        // The same columns, maybe in a new order.
        GtkTreeViewColumn* pBase = nullptr;
        for (int nIndex : Control.ColumnOrder) {
            if (nIndex < 0 || static_cast<size_t>(nIndex) >= W.Columns.size())
                continue;
            gtk_tree_view_move_column_after(pTree, W.Columns[static_cast<size_t>(nIndex)], pBase);
            pBase = W.Columns[static_cast<size_t>(nIndex)];
        }
        for (size_t i = 0; i < nColumns; ++i) {
            gtk_tree_view_column_set_title(W.Columns[i], gtk_text::To_Utf8(Control.Columns[i].Text).c_str());
            const int nWidth = Control.Columns[i].nWidth > 0 ? Control.Columns[i].nWidth : 80;
            if (gtk_tree_view_column_get_fixed_width(W.Columns[i]) != nWidth)
                gtk_tree_view_column_set_fixed_width(W.Columns[i], nWidth);
        }
    }
    if (W.nRowsRevision != Control.nRowsRevision && W.nRowsRevision == Control.nSortedFrom &&
        Control.SortOrder.size() == Control.Rows.size() &&
        gtk_tree_model_iter_n_children(GTK_TREE_MODEL(W.pStore), nullptr) == static_cast<gint>(Control.Rows.size())) {
        // Only sorted since shown: the rows move, their texts stay.
        std::vector<gint> Order(Control.SortOrder.begin(), Control.SortOrder.end());
        if (!Order.empty())
            gtk_list_store_reorder(W.pStore, Order.data());
        W.nRowsRevision = Control.nRowsRevision;
        W.nTopShown = -1;
        W.nFocusShown = -2;
    }
    if (W.nRowsRevision != Control.nRowsRevision) {
        // The rows in the model's order, filled while the view is detached.
        g_object_ref(W.pStore);
        gtk_tree_view_set_model(pTree, nullptr);
        gtk_list_store_clear(W.pStore);
        std::vector<gint> Indexes(nColumns);
        std::vector<GValue> Values(nColumns);
        std::vector<std::string> Texts(nColumns);
        for (size_t i = 0; i < nColumns; ++i)
            Indexes[i] = static_cast<gint>(i);
        for (const DIALOG_ROW& Row : Control.Rows) {
            for (size_t i = 0; i < nColumns; ++i) {
                Texts[i] = i < Row.Cells.size() ? gtk_text::To_Utf8(Row.Cells[i]) : std::string();
                Values[i] = G_VALUE_INIT;
                g_value_init(&Values[i], G_TYPE_STRING);
                g_value_set_static_string(&Values[i], Texts[i].c_str());
            }
            gtk_list_store_insert_with_valuesv(W.pStore, nullptr, -1, Indexes.data(), Values.data(),
                                               static_cast<gint>(nColumns));
            for (size_t i = 0; i < nColumns; ++i)
                g_value_unset(&Values[i]);
        }
        gtk_tree_view_set_model(pTree, GTK_TREE_MODEL(W.pStore));
        g_object_unref(W.pStore);
        W.nRowsRevision = Control.nRowsRevision;
        W.nTopShown = -1;
        W.nFocusShown = -2;
    }
    Show_Focus_And_Top(W, static_cast<int>(Control.Rows.size()), Control.nFocusRow, Control.nTopIndex);
    // The selection as the model holds it.
    GtkTreeSelection* pSelection = gtk_tree_view_get_selection(pTree);
    gtk_tree_selection_unselect_all(pSelection);
    for (size_t r = 0; r < Control.Rows.size(); ++r) {
        if (!Control.Rows[r].bSelected)
            continue;
        GtkTreePath* pPath = gtk_tree_path_new_from_indices(static_cast<gint>(r), -1);
        gtk_tree_selection_select_path(pSelection, pPath);
        gtk_tree_path_free(pPath);
    }
}

void Fill_List(CONTROL_WIDGETS& W, const DIALOG_CONTROL& Control)
{
    GtkTreeView* pTree = GTK_TREE_VIEW(W.pMain);
    if (W.pStore == nullptr || W.TabStopsShown != Control.TabStops) {
        // One column per tab stop and one before the first: an item's
        // tab-separated parts line up at the stops (dialog units).
        while (GtkTreeViewColumn* pOld = gtk_tree_view_get_column(pTree, 0))
            gtk_tree_view_remove_column(pTree, pOld);
        if (W.pStore != nullptr)
            g_object_unref(W.pStore);
        const size_t nParts = Control.TabStops.size() + 1;
        std::vector<GType> Types(nParts, G_TYPE_STRING);
        W.pStore = gtk_list_store_newv(static_cast<gint>(nParts), Types.data());
        int nLeft = 0;
        for (size_t i = 0; i < nParts; ++i) {
            GtkCellRenderer* pRenderer = gtk_cell_renderer_text_new();
            GtkTreeViewColumn* pColumn =
                gtk_tree_view_column_new_with_attributes("", pRenderer, "text", static_cast<gint>(i), nullptr);
            if (i < Control.TabStops.size()) {
                const int nStop = Dialog_Units_To_Pixels_X(Control.TabStops[i]);
                gtk_tree_view_column_set_sizing(pColumn, GTK_TREE_VIEW_COLUMN_FIXED);
                gtk_tree_view_column_set_fixed_width(pColumn, std::max(nStop - nLeft, 1));
                nLeft = nStop;
            }
            gtk_tree_view_append_column(pTree, pColumn);
        }
        gtk_tree_view_set_model(pTree, GTK_TREE_MODEL(W.pStore));
        W.TabStopsShown = Control.TabStops;
        W.ItemsShown.clear();
        W.ItemsShown.push_back(std::string(1, '\0'));   // never equal: fill again
    }
    if (W.ItemsShown != Control.Items) {
        const size_t nParts = Control.TabStops.size() + 1;
        gtk_list_store_clear(W.pStore);
        for (const std::string& Item : Control.Items) {
            GtkTreeIter Iter;
            gtk_list_store_insert(W.pStore, &Iter, -1);
            size_t nStart = 0;
            for (size_t i = 0; i < nParts; ++i) {
                // The last part keeps any further tabs' text.
                const size_t nTab = i + 1 < nParts ? Item.find('\t', nStart) : std::string::npos;
                const std::string Part = nStart <= Item.size() ? Item.substr(nStart, nTab == std::string::npos ? std::string::npos : nTab - nStart) : std::string();
                gtk_list_store_set(W.pStore, &Iter, static_cast<gint>(i), gtk_text::To_Utf8(Part).c_str(), -1);
                if (nTab == std::string::npos) {
                    nStart = Item.size() + 1;
                } else {
                    nStart = nTab + 1;
                }
            }
        }
        W.ItemsShown = Control.Items;
        W.nTopShown = -1;
        W.nFocusShown = -2;
        W.nSelectedShown = -2;
    }
    const int nRows = static_cast<int>(Control.Items.size());
    const int nTopBefore = W.nTopShown;
    if (Control.nStyle & CS_MULTI_SELECT)
        Show_Focus_And_Top(W, nRows, Control.nSelected, Control.nTopIndex);
    else
        Show_Focus_And_Top(W, nRows, -1, Control.nTopIndex);
    // An entry the program selects (a club chosen as the dialog opens, the
    // list filled again) is scrolled into view whole, as a click or a key
    // shows the row it selects: the least scroll that does, so a row shown
    // whole stays put, and after the model's top row was scrolled to. A view
    // not yet drawn scrolls once it is laid out. The user's own scrolling
    // is left alone.
    if (!(Control.nStyle & CS_MULTI_SELECT) &&
        (Control.nSelected != W.nSelectedShown || W.nTopShown != nTopBefore)) {
        if (Control.nSelected >= 0 && Control.nSelected < nRows) {
            GtkTreePath* pPath = gtk_tree_path_new_from_indices(Control.nSelected, -1);
            gtk_tree_view_scroll_to_cell(pTree, pPath, nullptr, FALSE, 0.0f, 0.0f);
            gtk_tree_path_free(pPath);
        }
        W.nSelectedShown = Control.nSelected;
    }
    GtkTreeSelection* pSelection = gtk_tree_view_get_selection(pTree);
    gtk_tree_selection_unselect_all(pSelection);
    for (size_t i = 0; i < Control.Items.size(); ++i) {
        const bool bSelected = (Control.nStyle & CS_MULTI_SELECT)
                                   ? (i < Control.ItemSelected.size() && Control.ItemSelected[i] != 0)
                                   : static_cast<int>(i) == Control.nSelected;
        if (!bSelected)
            continue;
        GtkTreePath* pPath = gtk_tree_path_new_from_indices(static_cast<gint>(i), -1);
        gtk_tree_selection_select_path(pSelection, pPath);
        gtk_tree_path_free(pPath);
    }
}

// A wrapping label asks for its whole text on one line as its natural
// width, and a dialog that cannot be resized grows to it; held to as many
// characters as its rectangle takes (in the measure GTK's labels use), it
// asks for no more than the rectangle and wraps there, as a static control
// does.
void Hold_Label_To_Width(GtkWidget* pLabel, int cxPixels)
{
    PangoContext* pContext = gtk_widget_get_pango_context(pLabel);
    PangoFontMetrics* pMetrics = pango_context_get_metrics(pContext, pango_context_get_font_description(pContext),
                                                           pango_context_get_language(pContext));
    const int nChar = std::max(pango_font_metrics_get_approximate_char_width(pMetrics),
                               pango_font_metrics_get_approximate_digit_width(pMetrics));
    pango_font_metrics_unref(pMetrics);
    if (nChar > 0)
        gtk_label_set_max_width_chars(GTK_LABEL(pLabel), std::max(cxPixels * PANGO_SCALE / nChar, 1));
}

void Sync_Control(OPEN_DIALOG& Open, CONTROL_WIDGETS& W, const DIALOG_CONTROL& Control)
{
    QUIET Quiet(Open);
    const UI_RECT Pixels = Pixels_Of(Control);
    gtk_widget_set_size_request(W.pOuter, std::max(Pixels.cx, 1), std::max(Pixels.cy, 1));
    gtk_fixed_move(GTK_FIXED(Open.pFixed), W.pOuter, Pixels.x, Pixels.y);
    gtk_widget_set_sensitive(W.pOuter, Control.bEnabled);
    switch (Control.nKind) {
    case CONTROL_LABEL:
        Set_Label_Text(W.pMain, Control.Text);
        Hold_Label_To_Width(W.pMain, Pixels.cx);
        break;
    case CONTROL_EDIT:
        if (GTK_IS_ENTRY(W.pMain)) {
            const std::string Utf8 = gtk_text::To_Utf8(Control.Text);
            if (Utf8 != gtk_entry_get_text(GTK_ENTRY(W.pMain))) {
                // The text a procedure sets (a change notification's own
                // set-text among them) leaves the cursor and the selection
                // where the user had them.
                GtkEditable* pEditable = GTK_EDITABLE(W.pMain);
                const gint nCursor = gtk_editable_get_position(pEditable);
                gint nStart = 0, nEnd = 0;
                const bool bSelected = gtk_editable_get_selection_bounds(pEditable, &nStart, &nEnd);
                gtk_entry_set_text(GTK_ENTRY(W.pMain), Utf8.c_str());
                const gint nLength = static_cast<gint>(g_utf8_strlen(Utf8.c_str(), -1));
                if (bSelected)
                    gtk_editable_select_region(pEditable, std::min(nStart, nLength), std::min(nEnd, nLength));
                else
                    gtk_editable_set_position(pEditable, std::min(nCursor, nLength));
            }
        } else {
            GtkTextBuffer* pBuffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(W.pMain));
            GtkTextIter Start, End;
            gtk_text_buffer_get_bounds(pBuffer, &Start, &End);
            gchar* szNow = gtk_text_buffer_get_text(pBuffer, &Start, &End, FALSE);
            const std::string Utf8 = gtk_text::To_Utf8(Control.Text);
            if (szNow == nullptr || Utf8 != szNow) {
                // The cursor stays where it was (at most the new end).
                GtkTextIter Cursor;
                gtk_text_buffer_get_iter_at_mark(pBuffer, &Cursor, gtk_text_buffer_get_insert(pBuffer));
                const gint nCursor = gtk_text_iter_get_offset(&Cursor);
                gtk_text_buffer_set_text(pBuffer, Utf8.c_str(), -1);
                gtk_text_buffer_get_iter_at_offset(pBuffer, &Cursor, nCursor);
                gtk_text_buffer_place_cursor(pBuffer, &Cursor);
            }
            g_free(szNow);
        }
        break;
    case CONTROL_COMBO:
        if (W.ItemsShown != Control.Items) {
            gtk_combo_box_text_remove_all(GTK_COMBO_BOX_TEXT(W.pMain));
            for (const std::string& Item : Control.Items)
                gtk_combo_box_text_append_text(GTK_COMBO_BOX_TEXT(W.pMain), gtk_text::To_Utf8(Item).c_str());
            W.ItemsShown = Control.Items;
        }
        if (gtk_combo_box_get_active(GTK_COMBO_BOX(W.pMain)) != Control.nSelected)
            gtk_combo_box_set_active(GTK_COMBO_BOX(W.pMain), Control.nSelected);
        break;
    case CONTROL_LIST:
        Fill_List(W, Control);
        break;
    case CONTROL_REPORT:
        Fill_Report(W, Control);
        break;
    case CONTROL_CHECK:
    case CONTROL_RADIO:
        gtk_button_set_label(GTK_BUTTON(W.pMain), gtk_text::Mnemonic_Label(Control.Text).c_str());
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(W.pMain), Control.bChecked);
        break;
    case CONTROL_BUTTON:
        gtk_button_set_label(GTK_BUTTON(W.pMain), gtk_text::Mnemonic_Label(Control.Text).c_str());
        break;
    case CONTROL_GROUP:
        gtk_frame_set_label(GTK_FRAME(W.pMain), Control.Text.empty() ? nullptr : gtk_text::Plain_Label(Control.Text).c_str());
        break;
    case CONTROL_UPDOWN:
        gtk_widget_set_sensitive(W.pUp, Control.nPosition < Control.nMax);
        gtk_widget_set_sensitive(W.pDown, Control.nPosition > Control.nMin);
        break;
    case CONTROL_TRACKBAR:
        gtk_range_set_range(GTK_RANGE(W.pMain), Control.nMin, Control.nMax > Control.nMin ? Control.nMax : Control.nMin + 1);
        gtk_range_set_value(GTK_RANGE(W.pMain), Control.nPosition);
        break;
    case CONTROL_PROGRESS: {
        const int nSpan = Control.nMax - Control.nMin;
        const double f = nSpan > 0 ? static_cast<double>(Control.nPosition - Control.nMin) / nSpan : 0.0;
        gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(W.pMain), std::clamp(f, 0.0, 1.0));
        break;
    }
    case CONTROL_PAINT:
    default:
        gtk_widget_queue_draw(W.pMain);
        break;
    }
    if (Control.bVisible)
        gtk_widget_show_all(W.pOuter);
    else
        gtk_widget_hide(W.pOuter);
}

// A label's mnemonic moves the focus to the control after it, as the
// templates are written (the label before its edit or list).
void Link_Mnemonics(OPEN_DIALOG& Open)
{
    const std::vector<DIALOG_CONTROL>& Controls = Open.pDialog->Controls();
    int nShared = 0;
    std::vector<int> Keys;
    for (const DIALOG_CONTROL& Control : Controls)
        Keys.push_back(Widget_Key(Control.nId, Control.nId == SHARED_ID ? nShared++ : 0));
    for (size_t i = 0; i + 1 < Controls.size(); ++i) {
        if (Controls[i].nKind != CONTROL_LABEL || gtk_text::Mnemonic_Letter(Controls[i].Text) == 0)
            continue;
        auto Label = Open.Widgets.find(Keys[i]);
        auto Next = Open.Widgets.find(Keys[i + 1]);
        if (Label != Open.Widgets.end() && Next != Open.Widgets.end() && Label->second->pMain != nullptr)
            gtk_label_set_mnemonic_widget(GTK_LABEL(Label->second->pMain), Next->second->pMain);
    }
}

// Moved aside: below the bottom of its monitor but for a strip of its title,
// so the league behind it shows; back: where it stood.
void Show_Aside(OPEN_DIALOG& Open)
{
    // While a box speaks to the user, who answers it and then works in the
    // dialog behind it, the dialog stands where it stood.
    const bool bAside = Open.pDialog->Is_Aside() && g_nBoxesShown == 0;
    if (bAside == Open.bAsideShown)
        return;
    GtkWindow* pWindow = GTK_WINDOW(Open.pWindow);
    if (bAside) {
        gtk_window_get_position(pWindow, &Open.xHome, &Open.yHome);
        GdkRectangle Screen{0, 0, 1024, 768};
        GdkDisplay* pDisplay = gtk_widget_get_display(Open.pWindow);
        GdkWindow* pGdk = gtk_widget_get_window(Open.pWindow);
        if (GdkMonitor* pMonitor = pGdk != nullptr ? gdk_display_get_monitor_at_window(pDisplay, pGdk)
                                                   : gdk_display_get_primary_monitor(pDisplay))
            gdk_monitor_get_geometry(pMonitor, &Screen);
        gtk_window_move(pWindow, Open.xHome, Screen.y + Screen.height - 24);
    } else {
        gtk_window_move(pWindow, Open.xHome, Open.yHome);
    }
    Open.bAsideShown = bAside;
}

// The keyboard focus where the model holds it. Only a real change moves
// it: grabbing the focus an entry already has selects its whole text, and
// the next key typed would replace it; a combo box holds it in its button.
void Show_Model_Focus(OPEN_DIALOG& Open)
{
    DIALOG& Dialog = *Open.pDialog;
    if (Dialog.Focus() == 0)
        return;
    auto Focus = Open.Widgets.find(Dialog.Focus());
    if (Focus == Open.Widgets.end())
        return;
    GtkWidget* pMain = Focus->second->pMain;
    GtkWidget* pNow = gtk_window_get_focus(GTK_WINDOW(Open.pWindow));
    if (pNow != nullptr && (pNow == pMain || gtk_widget_is_ancestor(pNow, pMain)))
        return;
    if (!gtk_widget_get_can_focus(pMain) && !GTK_IS_COMBO_BOX(pMain))
        return;
    QUIET Quiet(Open);
    gtk_widget_grab_focus(pMain);
    // A list's grab selects its first row; the model's selection shows.
    if (const DIALOG_CONTROL* pFocused = Dialog.Find(Dialog.Focus()); pFocused != nullptr && GTK_IS_TREE_VIEW(pMain))
        Sync_Control(Open, *Focus->second, *pFocused);
}

// Where the keyboard opens: GTK has put it on the first control of its tab
// order when the procedure chose none; the model's rule (Opening_Focus)
// moves it from a button other than the default to the default button.
void Open_Keyboard_By_The_Model(OPEN_DIALOG& Open)
{
    DIALOG& Dialog = *Open.pDialog;
    GtkWidget* pFocus = gtk_window_get_focus(GTK_WINDOW(Open.pWindow));
    const CONTROL_WIDGETS* pWidgets = pFocus != nullptr ? Control_Of_Widget(Open, pFocus) : nullptr;
    const int nReached = pWidgets != nullptr ? pWidgets->nId : Dialog.Focus();
    const int nOpening = Dialog.Opening_Focus(nReached);
    if (nOpening == nReached)
        return;
    Dialog.Set_Focus(nOpening);
    Show_Model_Focus(Open);
}

// The work area (the screen less its panels) of the monitor the dialog
// stands on: its own once shown, else its owner's, else the primary one.
// Empty when no monitor is known.
GdkRectangle Work_Area(const OPEN_DIALOG& Open)
{
    GtkWidget* pOn = gtk_widget_get_mapped(Open.pWindow) ? Open.pWindow : nullptr;
    if (GtkWindow* pOwner = gtk_window_get_transient_for(GTK_WINDOW(Open.pWindow));
        pOn == nullptr && pOwner != nullptr && gtk_widget_get_mapped(GTK_WIDGET(pOwner)))
        pOn = GTK_WIDGET(pOwner);
    return gtk_internal::Monitor_Work_Area(pOn != nullptr ? pOn : Open.pWindow);
}

// The room for the client area: the work area less the frame.
void Client_Room(const OPEN_DIALOG& Open, int& cx, int& cy)
{
    const GdkRectangle Work = Work_Area(Open);
    cx = Work.width > 0 ? std::max(Work.width - Open.cxFrame, 1) : INT_MAX;
    cy = Work.height > 0 ? std::max(Work.height - Open.cyFrame, 1) : INT_MAX;
}

// The dialog held to the work area, at its opening and whenever the model
// changes: a resizable one is made smaller there, as the user would (its
// stretching list gives way, down to its least size); what still does not
// fit scrolls, and a control that takes the focus is scrolled into view, so
// that its buttons stay within reach.
void Fit_To_Work_Area(OPEN_DIALOG& Open)
{
    DIALOG& Dialog = *Open.pDialog;
    int cxRoom = 0, cyRoom = 0;
    Client_Room(Open, cxRoom, cyRoom);
    const bool bResizable = (Dialog.Style() & DS_RESIZABLE) != 0 && Dialog.Template() != nullptr;
    int cx = Dialog_Units_To_Pixels_X(Dialog.Width());
    int cy = Dialog_Units_To_Pixels_Y(Dialog.Height());
    if (bResizable && (cx > cxRoom || cy > cyRoom)) {
        Dialog.User_Size(std::min(cx, cxRoom), std::min(cy, cyRoom));
        cx = Dialog_Units_To_Pixels_X(Dialog.Width());
        cy = Dialog_Units_To_Pixels_Y(Dialog.Height());
    }
    // The client area asks for the model's size; a resizable one for its
    // least size (the template's when it names none), the user sizing it.
    int cxAsk = cx, cyAsk = cy;
    if (bResizable) {
        const DIALOG_TEMPLATE& Template = *Dialog.Template();
        cxAsk = Dialog_Units_To_Pixels_X(Template.nMinCx > 0 ? Template.nMinCx : Template.cx);
        cyAsk = Dialog_Units_To_Pixels_Y(Template.nMinCy > 0 ? Template.nMinCy : Template.cy);
    }
    gtk_widget_set_size_request(Open.pFixed, cxAsk, cyAsk);
    // A scroll bar takes its room beside the content: content taller than
    // the room asks for the vertical bar's width too, wider content for the
    // horizontal bar's height, so that one bar does not bring the other.
    int cxBar = 0, cyBar = 0;
    gtk_widget_get_preferred_width(gtk_scrolled_window_get_vscrollbar(GTK_SCROLLED_WINDOW(Open.pScroll)), &cxBar,
                                   nullptr);
    gtk_widget_get_preferred_height(gtk_scrolled_window_get_hscrollbar(GTK_SCROLLED_WINDOW(Open.pScroll)), &cyBar,
                                    nullptr);
    const auto Shown = [&](int cxWant, int cyWant, int& cxShown, int& cyShown) {
        cxShown = std::min(cxWant + (cyWant > cyRoom ? cxBar : 0), cxRoom);
        cyShown = std::min(cyWant + (cxWant > cxRoom ? cyBar : 0), cyRoom);
    };
    int cxShown = 0, cyShown = 0;
    Shown(cxAsk, cyAsk, cxShown, cyShown);
    gtk_widget_set_size_request(Open.pScroll, cxShown, cyShown);
    if (!bResizable)
        return;
    if (!gtk_widget_get_visible(Open.pWindow)) {
        Shown(cx, cy, cxShown, cyShown);
        gtk_window_set_default_size(GTK_WINDOW(Open.pWindow), cxShown, cyShown);
        return;
    }
    int cxNow = 0, cyNow = 0;
    gtk_window_get_size(GTK_WINDOW(Open.pWindow), &cxNow, &cyNow);
    if (cxNow > cxRoom || cyNow > cyRoom)
        gtk_window_resize(GTK_WINDOW(Open.pWindow), std::min(cxNow, cxRoom), std::min(cyNow, cyRoom));
}

// Once the window manager has framed the dialog: the frame measured, the
// size held to the work area with it, and the frame moved inside the work
// area (centred over its owner, it may hang over an edge).
gboolean On_Dialog_Mapped(GtkWidget* pWindow, GdkEvent*, gpointer pData)
{
    OPEN_DIALOG* pOpen = static_cast<OPEN_DIALOG*>(pData);
    if (pOpen->pDialog == nullptr || pOpen->pDialog->Ended() || pOpen->bPlaced || pOpen->bAsideShown)
        return FALSE;
    pOpen->bPlaced = true;
    gtk_internal::Take_Keyboard_Without_Manager(pWindow);
    if (!gtk_internal::Measure_Frame(pWindow, pOpen->cxFrame, pOpen->cyFrame))
        return FALSE;
    {
        QUIET Quiet(*pOpen);
        Fit_To_Work_Area(*pOpen);
    }
    const GdkRectangle Work = Work_Area(*pOpen);
    GdkWindow* pGdk = gtk_widget_get_window(pWindow);
    if (Work.width <= 0 || Work.height <= 0 || pGdk == nullptr)
        return FALSE;
    int cxRoom = 0, cyRoom = 0;
    Client_Room(*pOpen, cxRoom, cyRoom);
    GdkRectangle Frame;
    gdk_window_get_frame_extents(pGdk, &Frame);
    const int cxFrame = std::min(gdk_window_get_width(pGdk), cxRoom) + pOpen->cxFrame;
    const int cyFrame = std::min(gdk_window_get_height(pGdk), cyRoom) + pOpen->cyFrame;
    const int x = std::max(std::min(Frame.x, Work.x + Work.width - cxFrame), Work.x);
    const int y = std::max(std::min(Frame.y, Work.y + Work.height - cyFrame), Work.y);
    if (x != Frame.x || y != Frame.y)
        gtk_window_move(GTK_WINDOW(pWindow), x, y);
    return FALSE;
}

// Creates widgets for controls that have none (a procedure may add them at
// run time) and removes those of controls that went; then shows everything.
void Sync_All(OPEN_DIALOG& Open)
{
    DIALOG& Dialog = *Open.pDialog;
    QUIET Quiet(Open);
    gtk_window_set_title(GTK_WINDOW(Open.pWindow), gtk_text::To_Utf8(Dialog.Title()).c_str());
    Show_Aside(Open);
    Fit_To_Work_Area(Open);
    // The keys of the controls there are now.
    std::vector<int> Keys;
    int nShared = 0;
    for (const DIALOG_CONTROL& Control : Dialog.Controls())
        Keys.push_back(Widget_Key(Control.nId, Control.nId == SHARED_ID ? nShared++ : 0));
    for (auto It = Open.Widgets.begin(); It != Open.Widgets.end();) {
        if (std::find(Keys.begin(), Keys.end(), It->first) == Keys.end()) {
            gtk_widget_destroy(It->second->pOuter);
            It = Open.Widgets.erase(It);
        } else {
            ++It;
        }
    }
    // Background paint areas first, then group boxes, so that the controls
    // inside them are drawn above.
    GSList* pRadioGroup = nullptr;
    bool bAdded = false;
    for (int nPass = 0; nPass < 3; ++nPass) {
        for (size_t nIndex = 0; nIndex < Dialog.Controls().size(); ++nIndex) {
            const DIALOG_CONTROL& Control = Dialog.Controls()[nIndex];
            const bool bBackground = Control.nKind == CONTROL_PAINT && (Control.nStyle & CS_BACKGROUND) != 0;
            const int nControlPass = bBackground ? 0 : Control.nKind == CONTROL_GROUP ? 1 : 2;
            if (nControlPass != nPass)
                continue;
            if (Control.nKind == CONTROL_RADIO && (Control.nStyle & CS_GROUP))
                pRadioGroup = nullptr;
            const int nKey = Keys[nIndex];
            auto It = Open.Widgets.find(nKey);
            if (It != Open.Widgets.end() && It->second->nKind != Control.nKind) {
                gtk_widget_destroy(It->second->pOuter);
                Open.Widgets.erase(It);
                It = Open.Widgets.end();
            }
            if (It == Open.Widgets.end()) {
                auto pWidgets = Make_Control(Open, Control, pRadioGroup);
                const UI_RECT Pixels = Pixels_Of(Control);
                gtk_fixed_put(GTK_FIXED(Open.pFixed), pWidgets->pOuter, Pixels.x, Pixels.y);
                It = Open.Widgets.emplace(nKey, std::move(pWidgets)).first;
                bAdded = true;
            } else if (Control.nKind == CONTROL_RADIO) {
                pRadioGroup = gtk_radio_button_get_group(GTK_RADIO_BUTTON(It->second->pMain));
            }
            Sync_Control(Open, *It->second, Control);
        }
    }
    if (bAdded)
        Link_Mnemonics(Open);
    Show_Model_Focus(Open);
    // The default button takes Enter (and shows it).
    auto Default = Open.Widgets.find(Dialog.Default_Button());
    if (Default != Open.Widgets.end() && Default->second->nKind == CONTROL_BUTTON)
        gtk_widget_grab_default(Default->second->pMain);
}

// Shows the gathered model changes now.
void Flush(OPEN_DIALOG& Open)
{
    if (Open.nSyncSource != 0) {
        g_source_remove(Open.nSyncSource);
        Open.nSyncSource = 0;
    }
    if (Open.pDialog == nullptr)
        return;
    DIALOG& Dialog = *Open.pDialog;
    std::vector<int> Dirty;
    Dirty.swap(Open.Dirty);
    if (Open.bAllDirty) {
        Open.bAllDirty = false;
        Sync_All(Open);
        return;
    }
    for (int nControl : Dirty) {
        const DIALOG_CONTROL* pControl = Dialog.Find(nControl);
        auto It = Open.Widgets.find(nControl);
        if (pControl == nullptr || It == Open.Widgets.end() || It->second->nKind != pControl->nKind) {
            Sync_All(Open);
            return;
        }
        Sync_Control(Open, *It->second, *pControl);
    }
    Show_Model_Focus(Open);
}

gboolean Sync_Later(gpointer pData)
{
    OPEN_DIALOG* pOpen = static_cast<OPEN_DIALOG*>(pData);
    pOpen->nSyncSource = 0;
    Flush(*pOpen);
    return G_SOURCE_REMOVE;
}

}  // namespace gtk_dialog_widgets

using namespace gtk_dialog_widgets;

namespace gtk_internal {

void Run_Dialog(DIALOG& Dialog)
{
    OPEN_DIALOG Open;
    Open.pDialog = &Dialog;
    Open.pWindow = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_widget_set_name(Open.pWindow, ("kelvo-dialog-" + std::to_string(Dialog.Id())).c_str());
    gtk_window_set_modal(GTK_WINDOW(Open.pWindow), TRUE);
    gtk_window_set_type_hint(GTK_WINDOW(Open.pWindow), GDK_WINDOW_TYPE_HINT_DIALOG);
    gtk_window_set_position(GTK_WINDOW(Open.pWindow), GTK_WIN_POS_CENTER_ON_PARENT);
    gtk_window_set_resizable(GTK_WINDOW(Open.pWindow), (Dialog.Style() & DS_RESIZABLE) != 0);
    gtk_window_set_deletable(GTK_WINDOW(Open.pWindow), !(Dialog.Style() & DS_NO_CLOSE_BOX));
    if (GtkWindow* pOwner = Owner_Window())
        gtk_window_set_transient_for(GTK_WINDOW(Open.pWindow), pOwner);
    Open.pFixed = GTK_WIDGET(g_object_new(kelvo_fixed_get_type(), nullptr));
    gtk_widget_set_name(Open.pFixed, "kelvo-client-area");
    Open.pScroll = Scroller_Around(Open.pFixed, GTK_POLICY_AUTOMATIC);
    GtkScrolledWindow* pScrolled = GTK_SCROLLED_WINDOW(Open.pScroll);
    gtk_container_set_focus_hadjustment(GTK_CONTAINER(Open.pFixed), gtk_scrolled_window_get_hadjustment(pScrolled));
    gtk_container_set_focus_vadjustment(GTK_CONTAINER(Open.pFixed), gtk_scrolled_window_get_vadjustment(pScrolled));
    gtk_container_add(GTK_CONTAINER(Open.pWindow), Open.pScroll);
    // Until the dialog is framed, its frame is taken to be its owner's.
    if (GtkWindow* pOwner = gtk_window_get_transient_for(GTK_WINDOW(Open.pWindow)))
        gtk_internal::Measure_Frame(GTK_WIDGET(pOwner), Open.cxFrame, Open.cyFrame);
    if (Dialog.Style() & DS_RESIZABLE) {
        // The size grip, drawn in the corner; a drag there resizes.
        Open.pGrip = gtk_drawing_area_new();
        gtk_widget_set_name(Open.pGrip, "kelvo-size-grip");
        gtk_widget_set_size_request(Open.pGrip, SIZE_GRIP_PIXELS, SIZE_GRIP_PIXELS);
        gtk_widget_add_events(Open.pGrip, GDK_BUTTON_PRESS_MASK);
        g_signal_connect(Open.pGrip, "draw", G_CALLBACK(On_Grip_Draw), nullptr);
        g_signal_connect(Open.pGrip, "button-press-event", G_CALLBACK(On_Grip_Button), nullptr);
        const UI_RECT Grip = Get_Size_Grip_Rect(Dialog_Units_To_Pixels_X(Dialog.Width()),
                                                Dialog_Units_To_Pixels_Y(Dialog.Height()));
        gtk_fixed_put(GTK_FIXED(Open.pFixed), Open.pGrip, Grip.x, Grip.y);
        gtk_widget_show(Open.pGrip);
    }
    g_signal_connect(Open.pWindow, "key-press-event", G_CALLBACK(On_Dialog_Key), &Open);
    g_signal_connect(Open.pWindow, "delete-event", G_CALLBACK(On_Dialog_Delete), &Open);
    g_signal_connect(Open.pWindow, "map-event", G_CALLBACK(On_Dialog_Mapped), &Open);
    g_signal_connect_after(Open.pWindow, "set-focus", G_CALLBACK(On_Set_Focus), &Open);
    g_signal_connect(Open.pFixed, "size-allocate", G_CALLBACK(On_Fixed_Allocated), &Open);
    g_Open.push_back(&Open);
    Sync_All(Open);
    gtk_widget_show(Open.pFixed);
    gtk_widget_show(gtk_widget_get_parent(Open.pFixed));   // the viewport
    gtk_widget_show(Open.pScroll);
    gtk_widget_show(Open.pWindow);
    Open_Keyboard_By_The_Model(Open);
    // The focus shows from the start, not only after the first key: the
    // keys go where it is drawn.
    gtk_window_set_focus_visible(GTK_WINDOW(Open.pWindow), TRUE);
    // Hidden controls stay hidden after the window is shown.
    for (const DIALOG_CONTROL& Control : Dialog.Controls()) {
        auto It = Open.Widgets.find(Control.nId);
        if (It != Open.Widgets.end() && !Control.bVisible)
            gtk_widget_hide(It->second->pOuter);
    }
    Watch_First_Draw(Open.pWindow);
    Register_Window(Open.pWindow);
    // Queued actions (a script's, a test's) run from the loop once the
    // window is up, as a user's would.
    After_First_Draw(Open.pWindow, Take_Actions, &Open);
    while (!Dialog.Ended() && !Open.bGaveUp)
        g_main_context_iteration(nullptr, TRUE);
    if (Open.nSyncSource != 0)
        g_source_remove(Open.nSyncSource);
    g_Open.erase(std::find(g_Open.begin(), g_Open.end(), &Open));
    Forget_Window(Open.pWindow);
    Open.pDialog = nullptr;
    for (auto& [nId, pWidgets] : Open.Widgets)
        if (pWidgets->pStore != nullptr)
            g_object_unref(pWidgets->pStore);
    gtk_widget_destroy(Open.pWindow);
    Return_Focus_To_Owner();
}

void Dialog_Ended(DIALOG& Dialog)
{
    OPEN_DIALOG* pOpen = Find_Open(Dialog);
    if (pOpen == nullptr || pOpen->pWindow == nullptr || !gtk_widget_get_visible(pOpen->pWindow))
        return;
    gtk_widget_hide(pOpen->pWindow);
    gdk_display_flush(gtk_widget_get_display(pOpen->pWindow));
}

void Dialog_Changed(DIALOG& Dialog, int nControl)
{
    OPEN_DIALOG* pOpen = Find_Open(Dialog);
    if (pOpen == nullptr || pOpen->pDialog == nullptr)
        return;
    if (nControl == 0 || nControl == SHARED_ID)
        pOpen->bAllDirty = true;
    else if (std::find(pOpen->Dirty.begin(), pOpen->Dirty.end(), nControl) == pOpen->Dirty.end())
        pOpen->Dirty.push_back(nControl);
    if (pOpen->nSyncSource == 0)
        pOpen->nSyncSource = g_idle_add_full(G_PRIORITY_HIGH_IDLE, Sync_Later, pOpen, nullptr);
}

void Invalidate_Dialog(DIALOG* pDialog, int nControl, const UI_RECT* pArea)
{
    if (pDialog == nullptr)
        return;
    OPEN_DIALOG* pOpen = Find_Open(*pDialog);
    if (pOpen == nullptr)
        return;
    auto It = pOpen->Widgets.find(nControl);
    GtkWidget* pWidget = It != pOpen->Widgets.end() ? It->second->pMain : pOpen->pFixed;
    if (pArea != nullptr)
        gtk_widget_queue_draw_area(pWidget, pArea->x, pArea->y, pArea->cx, pArea->cy);
    else
        gtk_widget_queue_draw(pWidget);
}

GtkWidget* Dialog_Window(int nDialogId)
{
    for (auto It = g_Open.rbegin(); It != g_Open.rend(); ++It)
        if ((*It)->pDialog != nullptr && (*It)->pDialog->Id() == nDialogId)
            return (*It)->pWindow;
    return nullptr;
}

GtkWidget* Dialog_Client_Area(int nDialogId)
{
    for (auto It = g_Open.rbegin(); It != g_Open.rend(); ++It)
        if ((*It)->pDialog != nullptr && (*It)->pDialog->Id() == nDialogId)
            return (*It)->pFixed;
    return nullptr;
}

GtkWidget* Control_Widget(int nDialogId, int nControl, bool bOuter, int nOrdinal)
{
    for (auto It = g_Open.rbegin(); It != g_Open.rend(); ++It) {
        if ((*It)->pDialog == nullptr || (*It)->pDialog->Id() != nDialogId)
            continue;
        auto W = (*It)->Widgets.find(Widget_Key(nControl, nOrdinal));
        if (W == (*It)->Widgets.end())
            return nullptr;
        return bOuter ? W->second->pOuter : W->second->pMain;
    }
    return nullptr;
}

void Flush_Dialog(int nDialogId)
{
    for (OPEN_DIALOG* pOpen : g_Open)
        if (pOpen->pDialog != nullptr && pOpen->pDialog->Id() == nDialogId)
            Flush(*pOpen);
}

GtkWidget* Top_Dialog_Window()
{
    return g_Open.empty() ? nullptr : g_Open.back()->pWindow;
}

void Message_Box_Shown(bool bShown)
{
    g_nBoxesShown += bShown ? 1 : -1;
    for (OPEN_DIALOG* p : g_Open)
        Show_Aside(*p);
}

}  // namespace gtk_internal
