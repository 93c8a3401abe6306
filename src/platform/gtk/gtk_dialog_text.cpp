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

namespace {

// The edit's new text (UTF-8, freed here) given to the model; when it cannot
// be held or the model refuses it, the edit shows the model's text again.
void Take_Edit_Text(const HANDLER_DATA* p, gchar* szText)
{
    std::string Text;
    const bool bConverted = gtk_text::From_Utf8(szText != nullptr ? szText : "", Text);
    g_free(szText);
    DIALOG& Dialog = *p->pOpen->pDialog;
    if (!bConverted || !Dialog.User_Set_Text(p->nId, Text))
        gtk_internal::Dialog_Changed(Dialog, p->nId);
}

// Whether text about to be inserted (nLength bytes of UTF-8, or up to its
// end when negative) into an edit that holds nNow characters is refused:
// Windows-1252 cannot hold it, or it would pass the edit's limit. Bytes gets
// the text converted.
bool Refuse_Insert(const HANDLER_DATA* p, const gchar* szNew, gint nLength, glong nNow, std::string& Bytes)
{
    const std::string Utf8 = nLength < 0 ? std::string(szNew) : std::string(szNew, static_cast<size_t>(nLength));
    if (!gtk_text::From_Utf8(Utf8, Bytes))
        return true;
    const DIALOG_CONTROL* pControl = p->pOpen->pDialog->Find(p->nId);
    return pControl != nullptr && pControl->nTextLimit > 0 &&
           nNow + static_cast<glong>(Bytes.size()) > pControl->nTextLimit;
}

}  // namespace

void On_Entry_Changed(GtkEditable* pEditable, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    Take_Edit_Text(p, gtk_editable_get_chars(pEditable, 0, -1));
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
    gchar* szNow = gtk_editable_get_chars(pEditable, 0, -1);
    const glong nNow = g_utf8_strlen(szNow != nullptr ? szNow : "", -1);
    g_free(szNow);
    std::string Bytes;
    bool bRefuse = Refuse_Insert(p, szNew, nLength, nNow, Bytes);
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
    if (Refuse_Insert(p, szNew, nLength, gtk_text_buffer_get_char_count(pBuffer), Bytes))
        g_signal_stop_emission_by_name(pBuffer, "insert-text");
}

void On_Buffer_Changed(GtkTextBuffer* pBuffer, gpointer pData)
{
    HANDLER_DATA* p = static_cast<HANDLER_DATA*>(pData);
    if (Quiet(p))
        return;
    GtkTextIter Start, End;
    gtk_text_buffer_get_bounds(pBuffer, &Start, &End);
    Take_Edit_Text(p, gtk_text_buffer_get_text(pBuffer, &Start, &End, FALSE));
}

}  // namespace gtk_dialog_widgets
