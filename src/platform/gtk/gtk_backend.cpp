#include "platform/gtk/gtk_backend.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <sys/wait.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/errors.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/gtk/gtk_text.h"
#include "platform/ui.h"
#include "platform/ui_backend.h"
#include "platform/ui_services.h"

namespace {

bool g_bStarted = false;
guint g_nTimerSource = 0;
UI_BACKEND g_Table;

// The dialogs' look: DejaVu Sans Condensed at 8 points measures 6 x 13
// pixels per base unit, the unit the templates are drawn in; controls lose
// the theme's minimum heights and most of their padding, so that each takes
// exactly the rectangle its template gives it.
const char DIALOG_CSS[] =
    "* { font-family: \"DejaVu Sans Condensed\"; font-size: 8pt; }\n"
    "button, entry, spinbutton, combobox, combobox button, spinbutton button, scale, progressbar,\n"
    "progressbar trough, progressbar progress {\n"
    "  min-height: 0; min-width: 0; }\n"
    "button { padding: 1px 4px; }\n"
    "entry, spinbutton entry { padding: 0 3px; }\n"
    "spinbutton button { padding: 0 2px; }\n"
    "combobox button { padding: 0 4px; }\n"
    "checkbutton, radiobutton { padding: 0; min-height: 0; }\n"
    "check, radio { min-width: 11px; min-height: 11px; margin: 0 3px 0 0; }\n"
    "scale { padding: 2px 0; }\n"
    "scale slider { min-width: 10px; min-height: 10px; margin: -4px; }\n"
    "progressbar { -GtkProgressBar-min-horizontal-bar-width: 1; -GtkProgressBar-min-horizontal-bar-height: 1;\n"
    "  -GtkProgressBar-min-vertical-bar-width: 1; -GtkProgressBar-min-vertical-bar-height: 1; }\n"
    "#kelvo-spin-arrow { min-height: 0; min-width: 0; padding: 0; }\n"
    "progressbar trough { min-height: 4px; }\n"
    "progressbar progress { min-height: 4px; }\n"
    "treeview { font-size: 8pt; }\n"
    "scrollbar slider { min-width: 6px; min-height: 6px; }\n"
    "treeview header button { padding: 0 4px; }\n"
    "treeview header button#kelvo-filler-header { padding: 0; border-width: 0; margin: 0; min-width: 0; }\n"
    "menubar, menu, menuitem { font-family: \"DejaVu Sans\"; font-size: 9pt; }\n"
    "menubar > menuitem { padding: 2px 6px; }\n";

// A lost connection to the display: the window is gone for good, so the
// program ends as a power cut would end it (the automatic save protects the
// user), with a line in the log. GDK's own handler would end it silently.
int Display_Lost(Display*)
{
    Write_Debug_Log("The connection to the display was lost; the program ends.");
    static const char szText[] = "kelvo: the connection to the display was lost\n";
    ssize_t n = ::write(2, szText, sizeof(szText) - 1);
    (void)n;
    std::fflush(nullptr);
    ::_exit(1);
}

// --- The message loop ---------------------------------------------------------

void Pump()
{
    // Every event already waiting, and nothing more: a bound keeps a source
    // that is always ready (an animation) from holding the caller here.
    for (int i = 0; i < 10000 && g_main_context_iteration(nullptr, FALSE); ++i) {
    }
}

gboolean Wake_Up(gpointer pFired)
{
    *static_cast<bool*>(pFired) = true;
    return G_SOURCE_REMOVE;
}

bool Wait(int nTimeoutMs)
{
    if (nTimeoutMs == 0) {
        return g_main_context_iteration(nullptr, FALSE) != FALSE;
    }
    bool bFired = false;
    guint nSource = 0;
    if (nTimeoutMs > 0)
        nSource = g_timeout_add(static_cast<guint>(nTimeoutMs), Wake_Up, &bFired);
    // Sleeps in poll() until a source is ready: an event, a timer, the limit.
    g_main_context_iteration(nullptr, TRUE);
    if (nSource != 0 && !bFired)
        g_source_remove(nSource);
    return !bFired;
}

uint64_t Now()
{
    return static_cast<uint64_t>(g_get_monotonic_time() / 1000);
}

gboolean Timer_Due(gpointer);

void Arm_Timer()
{
    if (g_nTimerSource != 0) {
        g_source_remove(g_nTimerSource);
        g_nTimerSource = 0;
    }
    const uint64_t nDue = Next_Timer_Due();
    if (nDue == UINT64_MAX)
        return;
    const uint64_t nNow = Now();
    const guint nDelay = nDue > nNow ? static_cast<guint>(std::min<uint64_t>(nDue - nNow, 1u << 30)) : 0;
    g_nTimerSource = g_timeout_add(nDelay, Timer_Due, nullptr);
}

gboolean Timer_Due(gpointer)
{
    g_nTimerSource = 0;
    Fire_Due_Timers();
    Arm_Timer();
    return G_SOURCE_REMOVE;
}

void Timers_Changed()
{
    Arm_Timer();
}

// --- The cursor and text measure --------------------------------------------

// The wait cursor (or the arrow) over every window the program shows.
void Set_Cursor(int nCursor)
{
    GdkDisplay* pDisplay = gdk_display_get_default();
    if (pDisplay == nullptr)
        return;
    GdkCursor* pCursor = nullptr;
    if (nCursor == UI_CURSOR_WAIT) {
        pCursor = gdk_cursor_new_from_name(pDisplay, "wait");
        if (pCursor == nullptr)
            pCursor = gdk_cursor_new_for_display(pDisplay, GDK_WATCH);
    }
    GList* pWindows = gtk_window_list_toplevels();
    for (GList* q = pWindows; q != nullptr; q = q->next)
        if (GdkWindow* pGdk = gtk_widget_get_window(GTK_WIDGET(q->data)))
            gdk_window_set_cursor(pGdk, pCursor);   // null: the arrow again
    g_list_free(pWindows);
    if (pCursor != nullptr)
        g_object_unref(pCursor);
    gdk_display_flush(pDisplay);
}

// A text's width in the dialogs' font (the lists' cells), in pixels.
int Measure_Text(const std::string& Text)
{
    static PangoLayout* pLayout = nullptr;
    if (pLayout == nullptr) {
        PangoContext* pContext = gdk_pango_context_get();
        pLayout = pango_layout_new(pContext);
        g_object_unref(pContext);
        PangoFontDescription* pFont = pango_font_description_from_string("DejaVu Sans Condensed 8");
        pango_layout_set_font_description(pLayout, pFont);
        pango_font_description_free(pFont);
    }
    const std::string Utf8 = gtk_text::To_Utf8(Text);
    pango_layout_set_text(pLayout, Utf8.c_str(), static_cast<int>(Utf8.size()));
    int cx = 0;
    int cy = 0;
    pango_layout_get_pixel_size(pLayout, &cx, &cy);
    return cx;
}

// --- Clipboard and documents ------------------------------------------------

void Put_On_Clipboard(const std::string& Text)
{
    GtkClipboard* pClipboard = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
    const std::string Utf8 = gtk_text::To_Utf8(Text);
    gtk_clipboard_set_text(pClipboard, Utf8.c_str(), static_cast<gint>(Utf8.size()));
    gtk_clipboard_store(pClipboard);
}

bool Take_From_Clipboard(std::string& Text)
{
    GtkClipboard* pClipboard = gtk_clipboard_get(GDK_SELECTION_CLIPBOARD);
    gchar* szText = gtk_clipboard_wait_for_text(pClipboard);
    if (szText == nullptr)
        return false;
    Text = gtk_text::Keep_1252(szText);
    g_free(szText);
    return !Text.empty();
}

// The opener has ended: what it said goes to the ui model (a failure to
// find a program for the document is told there).
void On_Opener_Ended(GPid nPid, gint nWaitStatus, gpointer pData)
{
    const std::unique_ptr<std::string> pTarget(static_cast<std::string*>(pData));
    g_spawn_close_pid(nPid);
    const int nStatus = WIFEXITED(nWaitStatus) ? WEXITSTATUS(nWaitStatus) : 128 + WTERMSIG(nWaitStatus);
    Document_Opener_Ended(*pTarget, nStatus);
}

bool Spawn_Opener(const char* szPathOrUrl)
{
    if (szPathOrUrl == nullptr || szPathOrUrl[0] == '\0')
        return false;
    const std::string Target = gtk_text::To_Utf8(szPathOrUrl);
    gchar* Arguments[] = {const_cast<gchar*>("xdg-open"), const_cast<gchar*>(Target.c_str()), nullptr};
    GError* pError = nullptr;
    GPid nPid = 0;
    const gboolean bStarted = g_spawn_async(nullptr, Arguments, nullptr,
                                            static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD |
                                                                     G_SPAWN_STDOUT_TO_DEV_NULL |
                                                                     G_SPAWN_STDERR_TO_DEV_NULL),
                                            nullptr, nullptr, &nPid, &pError);
    if (!bStarted) {
        Write_Debug_Log("Cannot open \"%s\": %s", szPathOrUrl, pError != nullptr ? pError->message : "?");
        g_clear_error(&pError);
        return false;
    }
    // Watched from the loop: its exit status says whether a program took
    // the document (xdg-open ends with 3 or 4 when none could).
    g_child_watch_add(nPid, On_Opener_Ended, new std::string(szPathOrUrl));
    return true;
}

// gtk_init sets every category of the process locale from the environment.
// Numbers, dates and letter case in our files, pages, saved games and parsing
// must not follow it (a comma for a decimal point, a Turkish dotless i, month
// names in the user's language and charset): every category the program's
// own text depends on goes back to "C". Character classes stay UTF-8 where
// the system has it, for the toolkit's input; the toolkit's own messages
// (LC_MESSAGES) and paper sizes keep the user's choice.
void Keep_Program_Locale()
{
    for (const int nCategory : {LC_NUMERIC, LC_TIME, LC_COLLATE, LC_MONETARY})
        std::setlocale(nCategory, "C");
    if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr)
        std::setlocale(LC_CTYPE, "C");
}

}  // namespace

namespace gtk_backend {

bool Start(int* pArgc, char*** pArgv)
{
    if (g_bStarted)
        return true;
    // No accessibility bus, no settings daemon: the program needs neither,
    // and looking for them costs start-up time or hangs without a session.
    g_setenv("NO_AT_BRIDGE", "1", FALSE);
    const bool bOpened = gtk_init_check(pArgc, pArgv) != FALSE;
    // Also when no display answers: the run goes on headless.
    Keep_Program_Locale();
    if (!bOpened)
        return false;
    GdkDisplay* pDisplay = gdk_display_get_default();
    if (pDisplay == nullptr)
        return false;
    if (GDK_IS_X11_DISPLAY(pDisplay))
        XSetIOErrorHandler(Display_Lost);

    GtkCssProvider* pCss = gtk_css_provider_new();
    gtk_css_provider_load_from_data(pCss, DIALOG_CSS, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(pCss),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(pCss);

    g_Table = UI_BACKEND{};
    g_Table.szName = "gtk";
    g_Table.Message_Box = gtk_internal::Message_Box;
    g_Table.Run_Dialog = gtk_internal::Run_Dialog;
    g_Table.Dialog_Changed = gtk_internal::Dialog_Changed;
    g_Table.Dialog_Ended = gtk_internal::Dialog_Ended;
    g_Table.Progress_Changed = gtk_internal::Progress_Changed;
    g_Table.Pump = Pump;
    g_Table.Wait = Wait;
    g_Table.Timers_Changed = Timers_Changed;
    g_Table.Now = Now;
    g_Table.Main_Menu_Changed = gtk_internal::Main_Menu_Changed;
    g_Table.Popup_Menu = gtk_internal::Popup_Menu;
    g_Table.Set_Clipboard_Text = Put_On_Clipboard;
    g_Table.Get_Clipboard_Text = Take_From_Clipboard;
    g_Table.Open_Document = Spawn_Opener;
    g_Table.Print_Document = gtk_internal::Print_Document;
    g_Table.Invalidate = gtk_internal::Invalidate;
    g_Table.Set_Cursor = Set_Cursor;
    g_Table.Measure_Text = Measure_Text;
    Install_Ui_Backend(&g_Table);
    gtk_internal::Install_Frame();
    g_bStarted = true;
    Arm_Timer();
    Write_Debug_Log("Desktop window: display \"%s\"", gdk_display_get_name(pDisplay));
    return true;
}

bool Started()
{
    return g_bStarted;
}

void Stop()
{
    if (!g_bStarted)
        return;
    gtk_internal::Close_Windows();
    gtk_internal::Uninstall_Frame();
    if (g_nTimerSource != 0) {
        g_source_remove(g_nTimerSource);
        g_nTimerSource = 0;
    }
    Install_Ui_Backend(nullptr);
    g_bStarted = false;
    Pump();
}

}  // namespace gtk_backend
