// What the dialog files of the desktop backend share: the widgets of an
// open dialog and its controls, and the helpers both files call. Only
// src/platform/gtk/ includes this (it includes GTK).
#pragma once

#include <gtk/gtk.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace gtk_dialog_widgets {

// The "kelvo-column" mark of a report list's empty last column (the others
// carry their index into the model's columns).
constexpr int FILLER_COLUMN = -1;

struct CONTROL_WIDGETS {
    int nId = 0;
    int nKind = 0;
    GtkWidget* pOuter = nullptr;   // what sits in the GtkFixed
    GtkWidget* pMain = nullptr;    // what takes input
    GtkWidget* pUp = nullptr;      // up-down arrows
    GtkWidget* pDown = nullptr;
    GtkListStore* pStore = nullptr;   // list and report
    std::vector<GtkTreeViewColumn*> Columns;   // report: in the model's column order
    GtkTreeViewColumn* pFiller = nullptr;      // report: the empty last column
    unsigned nRowsRevision = ~0u;
    size_t nColumnsShown = 0;
    std::vector<std::string> ItemsShown;   // combo and list
    std::vector<int> TabStopsShown;        // list: its columns come from these
    int nTopShown = -1;                    // list and report: the top row scrolled to
    int nFocusShown = -2;                  // the cursor row shown
    int nSelectedShown = -2;               // list: the selected entry last scrolled into view
    unsigned nFocusRevision = ~0u;
};

struct OPEN_DIALOG {
    DIALOG* pDialog = nullptr;
    GtkWidget* pWindow = nullptr;
    GtkWidget* pScroll = nullptr;   // the window's child: scrolls the client area when the screen is too small
    GtkWidget* pFixed = nullptr;    // the client area, the controls at their rectangles
    std::map<int, std::unique_ptr<CONTROL_WIDGETS>> Widgets;
    int nQuiet = 0;   // >0: the backend is changing widgets; handlers ignore it
    // Nobody at the keyboard and neither the default button nor Cancel
    // ended it: the run stops and the model gives Cancel, as headless.
    bool bGaveUp = false;
    // Model changes come one call at a time (a list of 4,000 rows is 40,000
    // cell changes): they are gathered and shown once, before the next draw
    // or the next action.
    std::vector<int> Dirty;
    bool bAllDirty = false;
    guint nSyncSource = 0;
    GtkWidget* pGrip = nullptr;   // the size grip of a resizable dialog
    bool bAsideShown = false;     // moved out of the way, and where it was
    int xHome = 0;
    int yHome = 0;
    // What the window manager's frame adds to the window's width and height
    // (measured on the owner until the dialog is framed itself).
    int cxFrame = 0;
    int cyFrame = 0;
    bool bPlaced = false;   // put inside the work area once framed
};

struct QUIET {
    explicit QUIET(OPEN_DIALOG& Open) : m_Open(Open) { ++m_Open.nQuiet; }
    ~QUIET() { --m_Open.nQuiet; }
    OPEN_DIALOG& m_Open;
};

// What a signal handler needs: the dialog and the control.
struct HANDLER_DATA {
    OPEN_DIALOG* pOpen;
    int nId;
};

bool Quiet(const HANDLER_DATA* p);

// Shows the gathered model changes now.
void Flush(OPEN_DIALOG& Open);
// Typing into the edits (gtk_dialog_text.cpp). An entry's text changed
// (typed, or set by a queued action); a key pressed in an entry; text about
// to go into an entry, or into a multi-line edit's buffer; that buffer
// changed.
void On_Entry_Changed(GtkEditable* pEditable, gpointer pData);
gboolean On_Entry_Key(GtkWidget* pEntry, GdkEventKey* pEvent, gpointer pData);
void On_Insert_Text(GtkEditable* pEditable, gchar* szNew, gint nLength, gpointer pPosition, gpointer pData);
void On_Buffer_Insert(GtkTextBuffer* pBuffer, GtkTextIter* pWhere, gchar* szNew, gint nLength, gpointer pData);
void On_Buffer_Changed(GtkTextBuffer* pBuffer, gpointer pData);
// The queued actions of a dialog, carried out once it is drawn
// (gtk_dialog_actions.cpp).
void Take_Actions(void* pData);

}  // namespace gtk_dialog_widgets
