// The queued actions of a script or a test, carried out on the real widgets
// of an open dialog: their signal handlers feed the model, as a user's
// input would.

#include <gtk/gtk.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/gtk/gtk_dialog_widgets.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/gtk/gtk_probe.h"
#include "platform/gtk/gtk_text.h"
#include "platform/errors.h"
#include "platform/menus.h"
#include "platform/ui_text.h"

namespace gtk_dialog_widgets {

namespace {


int Find_Entry(const DIALOG_CONTROL& Control, const DIALOG_ACTION& Action)
{
    if (!Action.Text.empty()) {
        for (size_t i = 0; i < Control.Items.size(); ++i)
            if (Same_Entry_Text(Control.Items[i], Action.Text))
                return static_cast<int>(i);
        return -1;
    }
    return Action.nValue >= 0 && Action.nValue < static_cast<int>(Control.Items.size()) ? Action.nValue : -1;
}

int Find_Row(const DIALOG_CONTROL& Control, const DIALOG_ACTION& Action)
{
    if (!Action.Text.empty()) {
        for (size_t i = 0; i < Control.Rows.size(); ++i)
            if (!Control.Rows[i].Cells.empty() && Same_Entry_Text(Control.Rows[i].Cells[0], Action.Text))
                return static_cast<int>(i);
        return -1;
    }
    return Action.nValue >= 0 && Action.nValue < static_cast<int>(Control.Rows.size()) ? Action.nValue : -1;
}

// A click on a row: the old selection goes quietly, the new one is news.
void Select_Tree_Row(OPEN_DIALOG& Open, GtkWidget* pTree, int nRow)
{
    GtkTreeSelection* pSelection = gtk_tree_view_get_selection(GTK_TREE_VIEW(pTree));
    GtkTreePath* pPath = gtk_tree_path_new_from_indices(nRow, -1);
    {
        QUIET Quiet(Open);
        gtk_tree_selection_unselect_all(pSelection);
    }
    gtk_tree_selection_select_path(pSelection, pPath);
    gtk_tree_path_free(pPath);
}

// A right click (button 3) at the middle of a row, as the pointer gives it.
void Right_Click_Row(GtkWidget* pTree, int nRow)
{
    GdkWindow* pBin = gtk_tree_view_get_bin_window(GTK_TREE_VIEW(pTree));
    if (pBin == nullptr)
        return;
    GtkTreePath* pPath = gtk_tree_path_new_from_indices(nRow, -1);
    GdkRectangle Area{};
    gtk_tree_view_get_background_area(GTK_TREE_VIEW(pTree), pPath, nullptr, &Area);
    gtk_tree_path_free(pPath);
    int xOrigin = 0, yOrigin = 0;
    gdk_window_get_origin(pBin, &xOrigin, &yOrigin);
    GdkEvent* pEvent = gdk_event_new(GDK_BUTTON_PRESS);
    pEvent->button.window = GDK_WINDOW(g_object_ref(pBin));
    pEvent->button.send_event = TRUE;
    pEvent->button.time = GDK_CURRENT_TIME;
    pEvent->button.x = 4;
    pEvent->button.y = Area.y + Area.height / 2;
    pEvent->button.x_root = xOrigin + pEvent->button.x;
    pEvent->button.y_root = yOrigin + pEvent->button.y;
    pEvent->button.button = 3;
    GdkSeat* pSeat = gdk_display_get_default_seat(gtk_widget_get_display(pTree));
    if (pSeat != nullptr)
        gdk_event_set_device(pEvent, gdk_seat_get_pointer(pSeat));
    gtk_main_do_event(pEvent);   // as the loop hands it over: the current event for the popup
    gdk_event_free(pEvent);
}

// The list actions on the widgets: a report list's row selected, a
// multi-select entry toggled, a header clicked or dragged by its column's
// code, a right click and a popup entry. False: not one of these, or the
// widgets cannot take it as asked (the model's way then refuses it).
bool Carry_Out_List_Action(OPEN_DIALOG& Open, CONTROL_WIDGETS& W, const DIALOG_CONTROL& Control,
                           const DIALOG_ACTION& Action)
{
    DIALOG& Dialog = *Open.pDialog;
    GtkWidget* pMain = W.pMain;
    const int nId = Action.nControl;
    if (!Control.bVisible)
        return false;
    switch (Action.nKind) {
    case ACTION_SELECT: {
        const int nRow = Control.nKind == CONTROL_REPORT ? Find_Row(Control, Action) : -1;
        if (nRow < 0)
            return false;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        if (Control.nFocusRow == nRow && Control.Rows[static_cast<size_t>(nRow)].bSelected)
            Dialog.User_Row_Select(nId, nRow);
        else
            Select_Tree_Row(Open, pMain, nRow);
        return true;
    }
    case ACTION_TOGGLE: {
        if (Control.nKind != CONTROL_LIST || !(Control.nStyle & CS_MULTI_SELECT))
            return false;
        const int nEntry = Find_Entry(Control, Action);
        if (nEntry < 0)
            return false;
        dialogs::Record_Line(Dialog, "toggle " + std::to_string(nId) + " \"" + Control.Items[static_cast<size_t>(nEntry)] + "\"");
        GtkTreeSelection* pSelection = gtk_tree_view_get_selection(GTK_TREE_VIEW(pMain));
        GtkTreePath* pPath = gtk_tree_path_new_from_indices(nEntry, -1);
        if (gtk_tree_selection_path_is_selected(pSelection, pPath))
            gtk_tree_selection_unselect_path(pSelection, pPath);
        else
            gtk_tree_selection_select_path(pSelection, pPath);
        gtk_tree_path_free(pPath);
        return true;
    }
    case ACTION_COLUMN_CLICK: {
        const int nColumn = Dialog.Find_Column(nId, Action.nValue);
        if (Control.nKind != CONTROL_REPORT || nColumn < 0 || static_cast<size_t>(nColumn) >= W.Columns.size())
            return false;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        gtk_tree_view_column_clicked(W.Columns[static_cast<size_t>(nColumn)]);
        return true;
    }
    case ACTION_MOVE_COLUMN: {
        const int nColumn = Dialog.Find_Column(nId, Action.nValue);
        const int nCount = static_cast<int>(Control.Columns.size());
        if (Control.nKind != CONTROL_REPORT || nColumn < 0 || static_cast<size_t>(nColumn) >= W.Columns.size() ||
            Action.nValue2 < 0 || Action.nValue2 >= nCount)
            return false;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        // The header dropped after the column that will stand before it.
        std::vector<int> Order = Control.ColumnOrder;
        Order.erase(std::find(Order.begin(), Order.end(), nColumn));
        GtkTreeViewColumn* pBase = Action.nValue2 > 0 ? W.Columns[static_cast<size_t>(Order[static_cast<size_t>(Action.nValue2 - 1)])] : nullptr;
        gtk_tree_view_move_column_after(GTK_TREE_VIEW(pMain), W.Columns[static_cast<size_t>(nColumn)], pBase);
        return true;
    }
    case ACTION_MENU: {
        if (Control.nKind != CONTROL_REPORT)
            return false;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        const size_t nPopupsBefore = menus::Popups().size();
        menus::Clear_Popup_Choices();
        menus::Queue_Popup_Choice_Text(Action.Text);
        if (Control.nFocusRow >= 0 && gtk_widget_get_realized(pMain)) {
            // Rows just filled are laid out first, so the click finds its row.
            gtk_container_check_resize(GTK_CONTAINER(Open.pWindow));
            Right_Click_Row(pMain, Control.nFocusRow);
        }
        else
            Dialog.User_Right_Click(nId, -1, 0, 0, false);
        const std::string Where = "control " + std::to_string(nId);
        if (menus::Popups().size() == nPopupsBefore) {
            menus::Clear_Popup_Choices();
            dialogs::Refuse(Dialog, Where + " showed no menu");
        } else if (menus::Popups()[nPopupsBefore].nChosen == 0) {
            dialogs::Refuse(Dialog, Where + "'s menu has no entry \"" + Action.Text + "\"");
        }
        return true;
    }
    default:
        return false;
    }
}

// Carries out one action through the widgets (their handlers feed the
// model); the headless checks and refusals apply first, so a refusal reads
// the same on both backends.
void Carry_Out(OPEN_DIALOG& Open, const DIALOG_ACTION& Action)
{
    DIALOG& Dialog = *Open.pDialog;
    if (Action.nKind == ACTION_TIMER) {
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        Dialog.User_Timer(Action.nValue);
        return;
    }
    if (Action.nKind == ACTION_CANCEL) {
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        Dialog.User_Cancel();
        return;
    }
    const DIALOG_CONTROL* pControl = Dialog.Find(Action.nControl);
    auto It = Open.Widgets.find(Action.nControl);
    if (pControl == nullptr || It == Open.Widgets.end() || !pControl->bEnabled) {
        // The model's own check says why, in the headless words.
        dialogs::Apply_Action(Dialog, Action);
        return;
    }
    CONTROL_WIDGETS& W = *It->second;
    GtkWidget* pMain = W.pMain;
    // Anything the widgets cannot take as asked goes the model's way, which
    // refuses it in the headless words.
    switch (Action.nKind) {
    case ACTION_SET_TEXT: {
        if (pControl->nKind != CONTROL_EDIT || !GTK_IS_ENTRY(pMain) || !Is_Windows_1252_Text(Action.Text) ||
            (pControl->nTextLimit > 0 && Action.Text.size() > static_cast<size_t>(pControl->nTextLimit)))
            break;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        // The whole text at once, then one change, as a paste over the
        // selection gives it.
        {
            QUIET Quiet(Open);
            gtk_entry_set_text(GTK_ENTRY(pMain), gtk_text::To_Utf8(Action.Text).c_str());
        }
        HANDLER_DATA* pData = static_cast<HANDLER_DATA*>(g_object_get_data(G_OBJECT(pMain), "kelvo-handler"));
        On_Entry_Changed(GTK_EDITABLE(pMain), pData);
        return;
    }
    case ACTION_SELECT: {
        if (pControl->nKind == CONTROL_REPORT && Carry_Out_List_Action(Open, W, *pControl, Action))
            return;
        if (pControl->nKind != CONTROL_COMBO && pControl->nKind != CONTROL_LIST)
            break;
        const int nIndex = Find_Entry(*pControl, Action);
        if (nIndex < 0)
            break;
        DIALOG_ACTION Named = Action;
        Named.Text = pControl->Items[static_cast<size_t>(nIndex)];
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Named));
        // Choosing the entry already chosen still tells the procedure.
        if (pControl->nSelected == nIndex)
            Dialog.User_Select(Action.nControl, nIndex);
        else if (pControl->nKind == CONTROL_COMBO)
            gtk_combo_box_set_active(GTK_COMBO_BOX(pMain), nIndex);
        else
            Select_Tree_Row(Open, pMain, nIndex);
        return;
    }
    case ACTION_CHECK:
        if (pControl->nKind != CONTROL_CHECK)
            break;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        if ((gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(pMain)) != FALSE) == (Action.nValue != 0))
            Dialog.User_Check(Action.nControl, Action.nValue != 0);   // no toggle: the command still comes
        else
            gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(pMain), Action.nValue != 0);
        return;
    case ACTION_PRESS:
        if (pControl->nKind == CONTROL_RADIO) {
            // A press on a radio button chooses it, as a click does.
            DIALOG_ACTION Radio = Action;
            Radio.nKind = ACTION_RADIO;
            Carry_Out(Open, Radio);
            return;
        }
        if (pControl->nKind != CONTROL_BUTTON || !pControl->bVisible)
            break;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        gtk_button_clicked(GTK_BUTTON(pMain));
        return;
    case ACTION_RADIO:
        if (pControl->nKind != CONTROL_RADIO)
            break;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        if (gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(pMain)))
            Dialog.User_Radio(Action.nControl);
        else
            gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(pMain), TRUE);
        return;
    case ACTION_SPIN:
        if (pControl->nKind != CONTROL_UPDOWN)
            break;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        // An arrow at the end of the range is greyed; the model says so.
        if (!gtk_widget_get_sensitive(Action.nValue != 0 ? W.pUp : W.pDown))
            Dialog.User_Spin(Action.nControl, Action.nValue != 0);
        else
            gtk_button_clicked(GTK_BUTTON(Action.nValue != 0 ? W.pUp : W.pDown));
        return;
    case ACTION_TRACK:
        if (pControl->nKind != CONTROL_TRACKBAR)
            break;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        if (static_cast<int>(gtk_range_get_value(GTK_RANGE(pMain)) + 0.5) == Action.nValue)
            Dialog.User_Track(Action.nControl, Action.nValue);
        else
            gtk_range_set_value(GTK_RANGE(pMain), Action.nValue);
        return;
    case ACTION_DOUBLE_CLICK: {
        int nRow = -1;
        if (pControl->nKind == CONTROL_LIST)
            nRow = Find_Entry(*pControl, Action);
        else if (pControl->nKind == CONTROL_REPORT)
            nRow = Find_Row(*pControl, Action);
        if (nRow < 0)
            break;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        GtkTreePath* pPath = gtk_tree_path_new_from_indices(nRow, -1);
        GtkTreeViewColumn* pFirst = gtk_tree_view_get_column(GTK_TREE_VIEW(pMain), 0);
        gtk_tree_view_row_activated(GTK_TREE_VIEW(pMain), pPath, pFirst);
        gtk_tree_path_free(pPath);
        return;
    }
    case ACTION_ROW_SELECT: {
        if (pControl->nKind != CONTROL_REPORT)
            break;
        const int nRow = Find_Row(*pControl, Action);
        if (nRow < 0)
            break;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        if (pControl->nFocusRow == nRow && pControl->Rows[static_cast<size_t>(nRow)].bSelected)
            Dialog.User_Row_Select(Action.nControl, nRow);
        else
            Select_Tree_Row(Open, pMain, nRow);
        return;
    }
    case ACTION_HEADER_CLICK:
        if (pControl->nKind != CONTROL_REPORT || Action.nValue < 0 || static_cast<size_t>(Action.nValue) >= W.Columns.size())
            break;
        dialogs::Record_Line(Dialog, dialogs::Describe_Action(Action));
        gtk_tree_view_column_clicked(W.Columns[static_cast<size_t>(Action.nValue)]);
        return;
    default:
        if (Carry_Out_List_Action(Open, W, *pControl, Action))
            return;
        break;
    }
    dialogs::Apply_Action(Dialog, Action);
}

}  // namespace

void Take_Actions(void* pData)
{
    OPEN_DIALOG* pOpen = static_cast<OPEN_DIALOG*>(pData);
    if (pOpen->pDialog == nullptr)
        return;
    Flush(*pOpen);
    Write_Debug_Log("Dialog %d first drawn", pOpen->pDialog->Id());
    gtk_probe::Shown(gtk_probe::WINDOW_DIALOG, pOpen->pDialog->Id());
    if (pOpen->pDialog == nullptr || pOpen->pDialog->Ended())
        return;
    DIALOG& Dialog = *pOpen->pDialog;
    DIALOG_ACTION Action;
    // A bound keeps a procedure that keeps pressing from looping.
    for (int n = 0; n < 10000 && !Dialog.Ended() && dialogs::Take_Action(Dialog.Id(), Action); ++n) {
        // Each action meets the widgets as the model has them.
        Flush(*pOpen);
        Carry_Out(*pOpen, Action);
    }
    if (!Dialog.Ended() && dialogs::Unattended()) {
        dialogs::Finish_Unattended(Dialog);
        pOpen->bGaveUp = !Dialog.Ended();
    }
}

}  // namespace gtk_dialog_widgets
