// What every window of the backend shares: the nested loops, the first-draw
// watch, the owner of new windows, the blit of a canvas.

#include <gtk/gtk.h>
#ifdef GDK_WINDOWING_X11
#include <gdk/gdkx.h>
#endif

#include <algorithm>
#include <vector>

#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "platform/gtk/gtk_internal.h"

namespace {

std::vector<GtkWidget*> g_Windows;

struct FIRST_DRAW {
    void (*pAction)(void*) = nullptr;
    void* pData = nullptr;
    guint nIdle = 0;
    bool bDone = false;
};

gboolean Run_First_Draw_Action(gpointer p)
{
    FIRST_DRAW* pWatch = static_cast<FIRST_DRAW*>(p);
    pWatch->nIdle = 0;
    if (pWatch->pAction != nullptr) {
        void (*pAction)(void*) = pWatch->pAction;
        pWatch->pAction = nullptr;
        pAction(pWatch->pData);
    }
    return G_SOURCE_REMOVE;
}

bool Full_Size(GtkWidget* pWindow)
{
    GtkRequisition Natural;
    gtk_widget_get_preferred_size(pWindow, nullptr, &Natural);
    const int cx = gtk_widget_get_allocated_width(pWindow);
    const int cy = gtk_widget_get_allocated_height(pWindow);
    return cx > 4 && cy > 4 && cx >= Natural.width && cy >= Natural.height;
}

gboolean On_Drawn(GtkWidget* pWindow, cairo_t*, gpointer)
{
    const int nDraws = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(pWindow), "kelvo-draws"));
    g_object_set_data(G_OBJECT(pWindow), "kelvo-draws", GINT_TO_POINTER(nDraws + 1));
    if (g_object_get_data(G_OBJECT(pWindow), "kelvo-drawn") == nullptr && Full_Size(pWindow))
        g_object_set_data(G_OBJECT(pWindow), "kelvo-drawn", GINT_TO_POINTER(1));
    FIRST_DRAW* pWatch = static_cast<FIRST_DRAW*>(g_object_get_data(G_OBJECT(pWindow), "kelvo-first-draw"));
    if (pWatch != nullptr && !pWatch->bDone && g_object_get_data(G_OBJECT(pWindow), "kelvo-drawn") != nullptr) {
        // After the draw, from the loop: the action may open a nested loop.
        pWatch->bDone = true;
        pWatch->nIdle = g_idle_add(Run_First_Draw_Action, pWatch);
    }
    return FALSE;
}

void Free_Watch(gpointer p)
{
    FIRST_DRAW* pWatch = static_cast<FIRST_DRAW*>(p);
    if (pWatch->nIdle != 0)
        g_source_remove(pWatch->nIdle);
    delete pWatch;
}

}  // namespace

namespace gtk_internal {

void Run_Until(const bool* pDone)
{
    // Each turn sleeps until something happens: an event, a timer.
    while (!*pDone)
        g_main_context_iteration(nullptr, TRUE);
}

void Paint_Canvas(cairo_t* pCairo, const CANVAS& Canvas, int x, int y)
{
    if (Canvas.Is_Empty())
        return;
    // The canvas bytes are premultiplied BGRA: cairo's ARGB32 as they are.
    cairo_surface_t* pSurface = cairo_image_surface_create_for_data(
        const_cast<unsigned char*>(Canvas.Pixels()), CAIRO_FORMAT_ARGB32, Canvas.Width(), Canvas.Height(),
        Canvas.Stride());
    cairo_set_source_surface(pCairo, pSurface, x, y);
    cairo_paint(pCairo);
    cairo_surface_destroy(pSurface);
}

void Watch_First_Draw(GtkWidget* pWindow)
{
    if (g_object_get_data(G_OBJECT(pWindow), "kelvo-watched") != nullptr)
        return;
    g_object_set_data(G_OBJECT(pWindow), "kelvo-watched", GINT_TO_POINTER(1));
    g_signal_connect_after(pWindow, "draw", G_CALLBACK(On_Drawn), nullptr);
}

int Draw_Count(GtkWidget* pWindow)
{
    return pWindow != nullptr ? GPOINTER_TO_INT(g_object_get_data(G_OBJECT(pWindow), "kelvo-draws")) : 0;
}

bool Drawn_Full_Size(GtkWidget* pWindow)
{
    return pWindow != nullptr && g_object_get_data(G_OBJECT(pWindow), "kelvo-drawn") != nullptr;
}

void After_First_Draw(GtkWidget* pWindow, void (*pAction)(void*), void* pData)
{
    Watch_First_Draw(pWindow);
    FIRST_DRAW* pWatch = new FIRST_DRAW;
    pWatch->pAction = pAction;
    pWatch->pData = pData;
    g_object_set_data_full(G_OBJECT(pWindow), "kelvo-first-draw", pWatch, Free_Watch);
    if (Drawn_Full_Size(pWindow)) {
        pWatch->bDone = true;
        pWatch->nIdle = g_idle_add(Run_First_Draw_Action, pWatch);
    }
}

void Register_Window(GtkWidget* pWindow)
{
    g_Windows.push_back(pWindow);
}

void Forget_Window(GtkWidget* pWindow)
{
    g_Windows.erase(std::remove(g_Windows.begin(), g_Windows.end(), pWindow), g_Windows.end());
}

GtkWindow* Owner_Window()
{
    // The innermost modal window, else the main window.
    for (auto It = g_Windows.rbegin(); It != g_Windows.rend(); ++It)
        if (gtk_window_get_modal(GTK_WINDOW(*It)) && gtk_widget_get_visible(*It))
            return GTK_WINDOW(*It);
    GtkWidget* pMain = Main_Window();
    return pMain != nullptr ? GTK_WINDOW(pMain) : nullptr;
}

void Return_Focus_To_Owner()
{
    GtkWindow* pOwner = Owner_Window();
    if (pOwner == nullptr || !gtk_widget_get_mapped(GTK_WIDGET(pOwner)))
        return;
    GdkWindow* pWindow = gtk_widget_get_window(GTK_WIDGET(pOwner));
    // The server's time stamps the request: a manager that prevents focus
    // stealing honours a request as recent as the user's last key.
    guint32 nTime = GDK_CURRENT_TIME;
#ifdef GDK_WINDOWING_X11
    if (pWindow != nullptr && GDK_IS_X11_WINDOW(pWindow))
        nTime = gdk_x11_get_server_time(pWindow);
#endif
    gtk_window_present_with_time(pOwner, nTime);
}

void Take_Keyboard_Without_Manager(GtkWidget* pWindow)
{
#ifdef GDK_WINDOWING_X11
    GdkWindow* pGdk = gtk_widget_get_mapped(pWindow) ? gtk_widget_get_window(pWindow) : nullptr;
    if (pGdk == nullptr || !GDK_IS_X11_WINDOW(pGdk))
        return;
    if (gdk_x11_screen_supports_net_wm_hint(gdk_window_get_screen(pGdk),
                                            gdk_atom_intern_static_string("_NET_ACTIVE_WINDOW")))
        return;
    gtk_window_present_with_time(GTK_WINDOW(pWindow), gdk_x11_get_server_time(pGdk));
#else
    (void)pWindow;
#endif
}

void Close_Windows()
{
    // Dialogs and boxes end with their loops; what stays is the progress
    // window.
    if (GtkWidget* pProgress = Progress_Window()) {
        PROGRESS_MODEL Closed;
        Progress_Changed(Closed);
        (void)pProgress;
    }
}

GdkRectangle Monitor_Work_Area(GtkWidget* pOn)
{
    GdkRectangle Work{0, 0, 0, 0};
    GdkDisplay* pDisplay = pOn != nullptr ? gtk_widget_get_display(pOn) : gdk_display_get_default();
    if (pDisplay == nullptr)
        return Work;
    GdkWindow* pWindow = pOn != nullptr && gtk_widget_get_mapped(pOn) ? gtk_widget_get_window(pOn) : nullptr;
    GdkMonitor* pMonitor = pWindow != nullptr ? gdk_display_get_monitor_at_window(pDisplay, pWindow) : nullptr;
    if (pMonitor == nullptr)
        pMonitor = gdk_display_get_primary_monitor(pDisplay);
    if (pMonitor == nullptr && gdk_display_get_n_monitors(pDisplay) > 0)
        pMonitor = gdk_display_get_monitor(pDisplay, 0);
    if (pMonitor != nullptr)
        gdk_monitor_get_workarea(pMonitor, &Work);
    return Work;
}

bool Measure_Frame(GtkWidget* pWindow, int& cx, int& cy)
{
    GdkWindow* pGdk = gtk_widget_get_mapped(pWindow) ? gtk_widget_get_window(pWindow) : nullptr;
    if (pGdk == nullptr)
        return false;
    GdkRectangle Frame;
    gdk_window_get_frame_extents(pGdk, &Frame);
    cx = std::max(Frame.width - gdk_window_get_width(pGdk), 0);
    cy = std::max(Frame.height - gdk_window_get_height(pGdk), 0);
    return true;
}

bool Unattended()
{
    return dialogs::Unattended();
}

void Invalidate(DIALOG* pDialog, int nControl, const UI_RECT* pArea)
{
    if (pDialog == nullptr)
        Invalidate_Main_Window(pArea);
    else
        Invalidate_Dialog(pDialog, nControl, pArea);
}

}  // namespace gtk_internal
