// Typing into a dialog's edits: the signal handlers of its entries and of
// its multi-line edits' buffers, feeding the model what is typed, refusing
// what an edit cannot hold, and the arrow keys of an up-down's buddy.

#include <gtk/gtk.h>

#include <string>

#include "platform/dialogs.h"
#include "platform/gtk/gtk_dialog_widgets.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/gtk/gtk_text.h"

namespace gtk_dialog_widgets {

void On_Entry_Changed(GtkEditable* pEditable, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    gchar* szText = gtk_editable_get_chars(pEditable, 0, -1);
    std::string Text;
    const bool bConverted = gtk_text::From_Utf8(szText != nullptr ? szText : "", Text);
    g_free(szText);
    DIALOG& Dialog = *p->pOpen->pDialog;
    if (!bConverted || !Dialog.User_Set_Text(p->nId, Text))
        gtk_internal::Dialog_Changed(Dialog, p->nId);
}

// Up and Down in an up-down's buddy move the up-down, as its arrows do;
// elsewhere they keep GTK's meaning (the focus moves on).
gboolean On_Entry_Key(GtkWidget*, GdkEventKey* pEvent, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    const bool bUp = pEvent->keyval == GDK_KEY_Up || pEvent->keyval == GDK_KEY_KP_Up;
    const bool bDown = pEvent->keyval == GDK_KEY_Down || pEvent->keyval == GDK_KEY_KP_Down;
    if (Quiet(p) || (!bUp && !bDown) || (pEvent->state & gtk_accelerator_get_default_mod_mask()) != 0)
        return FALSE;
    return p->pOpen->pDialog->User_Arrow_Key(p->nId, bUp) ? TRUE : FALSE;
}

// Typed or pasted text that Windows-1252 cannot hold, or that would pass the
// edit's limit, never reaches the entry.
void On_Insert_Text(GtkEditable* pEditable, gchar* szNew, gint nLength, gpointer, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (p->pOpen->nQuiet > 0)
        return;
    std::string Bytes;
    const std::string Utf8 = nLength < 0 ? std::string(szNew) : std::string(szNew, static_cast<size_t>(nLength));
    bool bRefuse = !gtk_text::From_Utf8(Utf8, Bytes);
    const DIALOG_CONTROL* pControl = p->pOpen->pDialog->Find(p->nId);
    if (!bRefuse && pControl != nullptr && pControl->nTextLimit > 0) {
        gchar* szNow = gtk_editable_get_chars(pEditable, 0, -1);
        const glong nNow = g_utf8_strlen(szNow != nullptr ? szNow : "", -1);
        g_free(szNow);
        bRefuse = nNow + static_cast<glong>(Bytes.size()) > pControl->nTextLimit;
    }
    for (unsigned char c : Bytes)
        bRefuse = bRefuse || (c < 0x20 && c != '\t' && c != '\n' && c != '\r');
    if (bRefuse) {
        gtk_widget_error_bell(GTK_WIDGET(pEditable));
        g_signal_stop_emission_by_name(pEditable, "insert-text");
    }
}

// A multi-line edit: the same checks on its buffer.
void On_Buffer_Insert(GtkTextBuffer* pBuffer, GtkTextIter*, gchar* szNew, gint nLength, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (p->pOpen->nQuiet > 0)
        return;
    std::string Bytes;
    const std::string Utf8 = nLength < 0 ? std::string(szNew) : std::string(szNew, static_cast<size_t>(nLength));
    bool bRefuse = !gtk_text::From_Utf8(Utf8, Bytes);
    const DIALOG_CONTROL* pControl = p->pOpen->pDialog->Find(p->nId);
    if (!bRefuse && pControl != nullptr && pControl->nTextLimit > 0)
        bRefuse = gtk_text_buffer_get_char_count(pBuffer) + static_cast<gint>(Bytes.size()) > pControl->nTextLimit;
    if (bRefuse)
        g_signal_stop_emission_by_name(pBuffer, "insert-text");
}

void On_Buffer_Changed(GtkTextBuffer* pBuffer, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    GtkTextIter Start, End;
    gtk_text_buffer_get_bounds(pBuffer, &Start, &End);
    gchar* szText = gtk_text_buffer_get_text(pBuffer, &Start, &End, FALSE);
    std::string Text;
    const bool bConverted = gtk_text::From_Utf8(szText != nullptr ? szText : "", Text);
    g_free(szText);
    DIALOG& Dialog = *p->pOpen->pDialog;
    if (!bConverted || !Dialog.User_Set_Text(p->nId, Text))
        gtk_internal::Dialog_Changed(Dialog, p->nId);
}

}  // namespace gtk_dialog_widgets
