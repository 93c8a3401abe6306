// Message boxes (ours, built here, in every style) and the progress window.

#include <gtk/gtk.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/gtk/gtk_internal.h"
#include "platform/gtk/gtk_probe.h"
#include "platform/gtk/gtk_text.h"
#include "platform/ui.h"

namespace {


struct BOX_RUN {
    GtkWidget* pWindow = nullptr;
    std::vector<std::pair<GtkWidget*, int>> Buttons;
    int nResult = 0;
    int nEscape = 0;   // 0: Escape does nothing
    bool bDone = false;
    bool bDeclinesMistakes = false;   // a message box, not buttons of the caller's own
};

void On_Box_Button(GtkButton* pButton, gpointer pData)
{
    BOX_RUN* pRun = static_cast<BOX_RUN*>(pData);
    for (const auto& [pWidget, nResult] : pRun->Buttons)
        if (pWidget == GTK_WIDGET(pButton))
            pRun->nResult = nResult;
    pRun->bDone = true;
}

gboolean On_Box_Key(GtkWidget*, GdkEventKey* pEvent, gpointer pData)
{
    BOX_RUN* pRun = static_cast<BOX_RUN*>(pData);
    if (pEvent->keyval == GDK_KEY_Escape) {
        if (pRun->nEscape != 0) {
            pRun->nResult = pRun->nEscape;
            pRun->bDone = true;
        }
        return TRUE;
    }
    return FALSE;
}

gboolean On_Box_Mapped(GtkWidget* pWindow, GdkEvent*, gpointer)
{
    gtk_internal::Take_Keyboard_Without_Manager(pWindow);
    return FALSE;
}

gboolean On_Box_Close(GtkWidget*, GdkEvent*, gpointer pData)
{
    // The close box is Escape; a box without that answer stays.
    BOX_RUN* pRun = static_cast<BOX_RUN*>(pData);
    if (pRun->nEscape != 0) {
        pRun->nResult = pRun->nEscape;
        pRun->bDone = true;
    }
    return TRUE;
}

const char* Icon_Name(unsigned nStyle)
{
    switch (nStyle & 0xF0) {
    case 0x10:
        return "dialog-error";
    case BOX_ICON_QUESTION:
        return "dialog-question";
    case BOX_ICON_EXCLAMATION:
        return "dialog-warning";
    case BOX_ICON_INFORMATION:
        return "dialog-information";
    default:
        return nullptr;
    }
}


// A box at least as wide as a window manager's title bar needs for the
// caption: the caption in a bold title font a size larger than the usual
// ones, and room for the window's icon and buttons, so that no manager cuts
// it short.
int Width_For_Title(GtkWidget* pWindow, const std::string& Caption)
{
    constexpr int TITLE_BAR_ROOM = 120;
    PangoLayout* pLayout = gtk_widget_create_pango_layout(pWindow, Caption.c_str());
    PangoFontDescription* pFont = pango_font_description_from_string("Sans Bold 10");
    pango_layout_set_font_description(pLayout, pFont);
    int cx = 0, cy = 0;
    pango_layout_get_pixel_size(pLayout, &cx, &cy);
    pango_font_description_free(pFont);
    g_object_unref(pLayout);
    return cx + TITLE_BAR_ROOM;
}

// The box's text, scrolled where it is taller than the work area of the
// owner's monitor leaves room for (less the box's buttons, borders and the
// title bar), so that the buttons stay on the screen.
GtkWidget* Scrolled_Text(GtkWidget* pWindow, GtkWidget* pText)
{
    constexpr int ROOM_FOR_THE_REST = 160;
    GtkWidget* pScroller = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(pScroller), GTK_POLICY_NEVER, GTK_POLICY_AUTOMATIC);
    gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(pScroller), FALSE);
    gtk_scrolled_window_set_propagate_natural_width(GTK_SCROLLED_WINDOW(pScroller), TRUE);
    gtk_scrolled_window_set_propagate_natural_height(GTK_SCROLLED_WINDOW(pScroller), TRUE);
    GtkWindow* pOwner = gtk_window_get_transient_for(GTK_WINDOW(pWindow));
    const GdkRectangle Work =
        gtk_internal::Monitor_Work_Area(pOwner != nullptr && gtk_widget_get_mapped(GTK_WIDGET(pOwner)) ? GTK_WIDGET(pOwner)
                                                                                                      : nullptr);
    if (Work.height > 0)
        gtk_scrolled_window_set_max_content_height(GTK_SCROLLED_WINDOW(pScroller),
                                                   std::max(Work.height - ROOM_FOR_THE_REST, 40));
    gtk_container_add(GTK_CONTAINER(pScroller), pText);
    if (GtkWidget* pViewport = gtk_bin_get_child(GTK_BIN(pScroller)); pViewport != nullptr && GTK_IS_VIEWPORT(pViewport))
        gtk_viewport_set_shadow_type(GTK_VIEWPORT(pViewport), GTK_SHADOW_NONE);
    return pScroller;
}

GtkWidget* g_pBoxWindow = nullptr;

void Box_Shown(void* pData)
{
    BOX_RUN* pRun = static_cast<BOX_RUN*>(pData);
    gtk_probe::Shown(gtk_probe::WINDOW_MESSAGE_BOX, 0);
    if (pRun->bDone || !gtk_internal::Unattended())
        return;
    // The answer a script or a test queued, else the default button, pressed
    // as a user would; an answer the box has no button for declines what
    // it asks (Cancel, else No), as the headless box does.
    int nAnswer = 0;
    GtkWidget* pPress = nullptr;
    const bool bAnswered = ui::Take_Queued_Answer(nAnswer);
    if (bAnswered)
        for (const auto& [pWidget, nResult] : pRun->Buttons)
            if (nResult == nAnswer)
                pPress = pWidget;
    for (int nDecline : {ID_CANCEL, ID_NO})
        for (const auto& [pWidget, nResult] : pRun->Buttons)
            if (bAnswered && pRun->bDeclinesMistakes && pPress == nullptr && nResult == nDecline)
                pPress = pWidget;
    for (const auto& [pWidget, nResult] : pRun->Buttons)
        if (pPress == nullptr && gtk_widget_has_default(pWidget))
            pPress = pWidget;
    if (pPress != nullptr)
        gtk_button_clicked(GTK_BUTTON(pPress));
}

GtkWidget* g_pProgress = nullptr;
GtkWidget* g_pProgressBar = nullptr;
GtkWidget* g_pProgressText = nullptr;

}  // namespace

namespace gtk_internal {

int Message_Box(const SHOWN_BOX& Box, int nDefault)
{
    Message_Box_Shown(true);
    BOX_RUN Run;
    Run.bDeclinesMistakes = Box.Buttons.empty();
    const std::vector<BOX_BUTTON> Buttons = Message_Box_Buttons(Box);

    GtkWidget* pWindow = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    Run.pWindow = pWindow;
    gtk_widget_set_name(pWindow, "kelvo-message-box");
    gtk_window_set_title(GTK_WINDOW(pWindow), gtk_text::To_Utf8(Box.Caption).c_str());
    gtk_window_set_modal(GTK_WINDOW(pWindow), TRUE);
    gtk_window_set_resizable(GTK_WINDOW(pWindow), FALSE);
    gtk_window_set_type_hint(GTK_WINDOW(pWindow), GDK_WINDOW_TYPE_HINT_DIALOG);
    gtk_window_set_position(GTK_WINDOW(pWindow), GTK_WIN_POS_CENTER);
    if (GtkWindow* pOwner = Owner_Window())
        gtk_window_set_transient_for(GTK_WINDOW(pWindow), pOwner);

    GtkWidget* pOuter = gtk_box_new(GTK_ORIENTATION_VERTICAL, 12);
    gtk_container_set_border_width(GTK_CONTAINER(pOuter), 12);
    GtkWidget* pRow = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 12);
    if (const char* szIcon = Icon_Name(Box.Style)) {
        GtkWidget* pIcon = gtk_image_new_from_icon_name(szIcon, GTK_ICON_SIZE_DIALOG);
        gtk_widget_set_valign(pIcon, GTK_ALIGN_START);
        gtk_box_pack_start(GTK_BOX(pRow), pIcon, FALSE, FALSE, 0);
    }
    GtkWidget* pText = gtk_label_new(gtk_text::To_Utf8(Box.Text).c_str());
    gtk_widget_set_name(pText, "kelvo-box-text");
    gtk_label_set_xalign(GTK_LABEL(pText), 0.0f);
    gtk_label_set_line_wrap(GTK_LABEL(pText), TRUE);
    gtk_label_set_max_width_chars(GTK_LABEL(pText), 70);
    gtk_box_pack_start(GTK_BOX(pRow), Scrolled_Text(pWindow, pText), TRUE, TRUE, 0);
    gtk_box_pack_start(GTK_BOX(pOuter), pRow, TRUE, TRUE, 0);

    GtkWidget* pButtons = gtk_button_box_new(GTK_ORIENTATION_HORIZONTAL);
    gtk_button_box_set_layout(GTK_BUTTON_BOX(pButtons), GTK_BUTTONBOX_CENTER);
    gtk_box_set_spacing(GTK_BOX(pButtons), 6);
    GtkWidget* pDefault = nullptr;
    bool bHasCancel = false;
    for (const BOX_BUTTON& Button : Buttons) {
        GtkWidget* pButton = gtk_button_new_with_mnemonic(gtk_text::Mnemonic_Label(Button.Label).c_str());
        gtk_widget_set_name(pButton, ("kelvo-box-button-" + std::to_string(Button.nResult)).c_str());
        gtk_widget_set_size_request(pButton, 75, 23);
        gtk_widget_set_can_default(pButton, TRUE);
        g_signal_connect(pButton, "clicked", G_CALLBACK(On_Box_Button), &Run);
        gtk_container_add(GTK_CONTAINER(pButtons), pButton);
        Run.Buttons.emplace_back(pButton, Button.nResult);
        if (Button.nResult == nDefault)
            pDefault = pButton;
        bHasCancel = bHasCancel || Button.nResult == ID_CANCEL;
    }
    if (pDefault == nullptr && !Run.Buttons.empty())
        pDefault = Run.Buttons.front().first;
    Run.nEscape = bHasCancel ? ID_CANCEL : (Run.Buttons.size() == 1 ? Run.Buttons.front().second : 0);
    gtk_box_pack_start(GTK_BOX(pOuter), pButtons, FALSE, FALSE, 0);
    gtk_container_add(GTK_CONTAINER(pWindow), pOuter);
    gtk_widget_set_size_request(pOuter, Width_For_Title(pWindow, gtk_text::To_Utf8(Box.Caption)), -1);

    g_signal_connect(pWindow, "key-press-event", G_CALLBACK(On_Box_Key), &Run);
    g_signal_connect(pWindow, "delete-event", G_CALLBACK(On_Box_Close), &Run);
    g_signal_connect(pWindow, "map-event", G_CALLBACK(On_Box_Mapped), nullptr);
    gtk_widget_show_all(pWindow);
    if (pDefault != nullptr) {
        // Enter presses the default button.
        gtk_widget_grab_default(pDefault);
        gtk_widget_grab_focus(pDefault);
    }
    Watch_First_Draw(pWindow);
    Register_Window(pWindow);
    GtkWidget* pOuterBox = g_pBoxWindow;
    g_pBoxWindow = pWindow;
    After_First_Draw(pWindow, Box_Shown, &Run);
    Run_Until(&Run.bDone);
    g_pBoxWindow = pOuterBox;
    Forget_Window(pWindow);
    gtk_widget_destroy(pWindow);
    Message_Box_Shown(false);
    Return_Focus_To_Owner();
    return Run.nResult;
}

void Progress_Changed(const PROGRESS_MODEL& Progress)
{
    if (!Progress.Open) {
        if (g_pProgress != nullptr) {
            Forget_Window(g_pProgress);
            gtk_widget_destroy(g_pProgress);
            g_pProgress = g_pProgressBar = g_pProgressText = nullptr;
            Return_Focus_To_Owner();
        }
        return;
    }
    if (g_pProgress == nullptr) {
        // One window, modeless, above the main window; closing it is the
        // program's business, not the user's.
        g_pProgress = gtk_window_new(GTK_WINDOW_TOPLEVEL);
        gtk_widget_set_name(g_pProgress, "kelvo-progress");
        gtk_window_set_resizable(GTK_WINDOW(g_pProgress), FALSE);
        gtk_window_set_deletable(GTK_WINDOW(g_pProgress), FALSE);
        gtk_window_set_type_hint(GTK_WINDOW(g_pProgress), GDK_WINDOW_TYPE_HINT_DIALOG);
        gtk_window_set_position(GTK_WINDOW(g_pProgress), GTK_WIN_POS_CENTER);
        gtk_window_set_default_size(GTK_WINDOW(g_pProgress), 360, -1);
        // It takes no keys: a manager that focused it would, when it closes
        // a moment later, leave the keyboard nowhere.
        gtk_window_set_accept_focus(GTK_WINDOW(g_pProgress), FALSE);
        gtk_window_set_focus_on_map(GTK_WINDOW(g_pProgress), FALSE);
        if (GtkWindow* pOwner = Owner_Window())
            gtk_window_set_transient_for(GTK_WINDOW(g_pProgress), pOwner);
        g_signal_connect(g_pProgress, "delete-event", G_CALLBACK(gtk_true), nullptr);
        GtkWidget* pBox = gtk_box_new(GTK_ORIENTATION_VERTICAL, 8);
        gtk_container_set_border_width(GTK_CONTAINER(pBox), 12);
        g_pProgressText = gtk_label_new("");
        gtk_label_set_xalign(GTK_LABEL(g_pProgressText), 0.0f);
        g_pProgressBar = gtk_progress_bar_new();
        gtk_widget_set_size_request(g_pProgressBar, 336, 16);
        gtk_box_pack_start(GTK_BOX(pBox), g_pProgressText, FALSE, FALSE, 0);
        gtk_box_pack_start(GTK_BOX(pBox), g_pProgressBar, FALSE, FALSE, 0);
        gtk_container_add(GTK_CONTAINER(g_pProgress), pBox);
        Watch_First_Draw(g_pProgress);
        Register_Window(g_pProgress);
        gtk_widget_show_all(g_pProgress);
    }
    gtk_window_set_title(GTK_WINDOW(g_pProgress), gtk_text::To_Utf8(Progress.Title).c_str());
    gtk_label_set_text(GTK_LABEL(g_pProgressText), gtk_text::To_Utf8(Progress.Text).c_str());
    const double fFraction =
        Progress.Steps > 0 ? static_cast<double>(Progress.Position) / static_cast<double>(Progress.Steps) : 0.0;
    gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(g_pProgressBar), fFraction < 0 ? 0 : (fFraction > 1 ? 1 : fFraction));
    // The work that steps the window runs outside the loop: let the window
    // (and the main window under it) draw now and then, not at every step.
    static gint64 nLastPump = 0;
    const gint64 nNow = g_get_monotonic_time();
    if (nNow - nLastPump >= 30000) {
        nLastPump = nNow;
        for (int i = 0; i < 1000 && g_main_context_iteration(nullptr, FALSE); ++i) {
        }
    }
}

GtkWidget* Message_Box_Window()
{
    return g_pBoxWindow;
}

GtkWidget* Progress_Window()
{
    return g_pProgress;
}

}  // namespace gtk_internal
