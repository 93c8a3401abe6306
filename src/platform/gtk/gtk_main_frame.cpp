// The main window: the menu bar over the page area, the status bar and the
// news bar. The shell paints each area into a canvas (main_frame.h); this
// only shows the canvas, asks for new paints and passes clicks and sizes on.

#include <gtk/gtk.h>

#include <algorithm>

#include "platform/canvas.h"
#include "platform/errors.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/gtk/gtk_text.h"
#include "platform/main_frame.h"
#include "platform/menus.h"

namespace {

GtkWidget* g_pWindow = nullptr;
GtkWidget* g_pMenuHolder = nullptr;
GtkWidget* g_pAreas[FRAME_AREA_COUNT] = {nullptr, nullptr, nullptr};
FRAME_BACKEND g_Frame;

// The page's paper when the shell paints nothing there yet.
constexpr CANVAS_COLOR PAPER = Rgb_Color(0xF4F1EA);
constexpr CANVAS_COLOR BAR = Rgb_Color(0xD8D4CA);

// What each area shows, as last painted by the shell. A draw the shell did
// not ask for (a popup or a window closing over it, an expose) shows this
// again, so that no strip of the page the league would paint now lands on
// the page shown; only an invalidation or a new size paints anew.
struct SHOWN_AREA {
    CANVAS Canvas;
    bool bStale = true;
};
SHOWN_AREA g_Shown[FRAME_AREA_COUNT];

void Mark_Stale(int nArea)
{
    for (int i = 0; i < FRAME_AREA_COUNT; ++i)
        if (nArea < 0 || nArea == i)
            g_Shown[i].bStale = true;
}

gboolean On_Area_Draw(GtkWidget* pArea, cairo_t* pCairo, gpointer pIndex)
{
    const int nArea = GPOINTER_TO_INT(pIndex);
    const int cx = gtk_widget_get_allocated_width(pArea);
    const int cy = gtk_widget_get_allocated_height(pArea);
    if (cx <= 0 || cy <= 0)
        return TRUE;
    SHOWN_AREA& Shown = g_Shown[nArea];
    if (Shown.bStale || Shown.Canvas.Width() != cx || Shown.Canvas.Height() != cy) {
        Shown.Canvas = CANVAS(cx, cy);
        Shown.Canvas.Clear(nArea == FRAME_PAGE ? PAPER : BAR);
        main_frame::Paint(nArea, Shown.Canvas);
        Shown.bStale = false;
    }
    gtk_internal::Paint_Canvas(pCairo, Shown.Canvas, 0, 0);
    static bool bFirst = true;
    if (nArea == FRAME_PAGE && bFirst) {
        bFirst = false;
        Write_Debug_Log("Main window first drawn: page area %d x %d", cx, cy);
    }
    return TRUE;
}

gboolean On_Area_Button(GtkWidget*, GdkEventButton* pEvent, gpointer pIndex)
{
    if (pEvent->type != GDK_BUTTON_PRESS)
        return FALSE;
    if (main_frame::Handlers().pClick != nullptr)
        main_frame::Handlers().pClick(GPOINTER_TO_INT(pIndex), static_cast<int>(pEvent->x),
                                      static_cast<int>(pEvent->y), static_cast<int>(pEvent->button));
    return TRUE;
}

gboolean On_Area_Motion(GtkWidget* pArea, GdkEventMotion* pEvent, gpointer pIndex)
{
    // A hand over what a click would act on, the arrow elsewhere; the cursor
    // is set only when that changes.
    const bool bHot = main_frame::Handlers().pHotSpot != nullptr &&
                      main_frame::Handlers().pHotSpot(GPOINTER_TO_INT(pIndex), static_cast<int>(pEvent->x),
                                                      static_cast<int>(pEvent->y));
    GdkWindow* pWindow = gtk_widget_get_window(pArea);
    const bool bWasHot = g_object_get_data(G_OBJECT(pArea), "kelvo-hot") != nullptr;
    if (pWindow != nullptr && bHot != bWasHot) {
        GdkCursor* pCursor = bHot ? gdk_cursor_new_from_name(gdk_window_get_display(pWindow), "pointer") : nullptr;
        gdk_window_set_cursor(pWindow, pCursor);
        if (pCursor != nullptr)
            g_object_unref(pCursor);
        g_object_set_data(G_OBJECT(pArea), "kelvo-hot", bHot ? GINT_TO_POINTER(1) : nullptr);
    }
    return FALSE;
}

void On_Page_Allocated(GtkWidget* pArea, GdkRectangle* pAllocation, gpointer)
{
    // A page scales to its area: a new size is a new paint.
    if (main_frame::Handlers().pSize != nullptr)
        main_frame::Handlers().pSize(pAllocation->width, pAllocation->height);
    Mark_Stale(FRAME_PAGE);
    gtk_widget_queue_draw(pArea);
}

gboolean On_Frame_Delete(GtkWidget*, GdkEvent*, gpointer)
{
    // The shell decides: Exit (with its offer to save), or the refusal while
    // games are being played. The window never closes by itself.
    if (main_frame::Handlers().pClose != nullptr)
        main_frame::Handlers().pClose();
    return TRUE;
}

gboolean On_Frame_Key(GtkWidget*, GdkEventKey* pEvent, gpointer)
{
    // Digits and letters go to the shell first (the game view's play keys);
    // what it leaves goes on to the menu's keys.
    if (main_frame::Handlers().pKey == nullptr)
        return FALSE;
    int nKey = 0;
    const guint nKeyval = pEvent->keyval;
    if (nKeyval >= GDK_KEY_0 && nKeyval <= GDK_KEY_9)
        nKey = '0' + static_cast<int>(nKeyval - GDK_KEY_0);
    else if (nKeyval >= GDK_KEY_KP_0 && nKeyval <= GDK_KEY_KP_9)
        nKey = '0' + static_cast<int>(nKeyval - GDK_KEY_KP_0);
    else if (nKeyval >= GDK_KEY_a && nKeyval <= GDK_KEY_z)
        nKey = 'A' + static_cast<int>(nKeyval - GDK_KEY_a);
    else if (nKeyval >= GDK_KEY_A && nKeyval <= GDK_KEY_Z)
        nKey = 'A' + static_cast<int>(nKeyval - GDK_KEY_A);
    if (nKey == 0)
        return FALSE;
    unsigned nModifiers = 0;
    if ((pEvent->state & GDK_CONTROL_MASK) != 0)
        nModifiers |= ACCEL_CTRL;
    if ((pEvent->state & GDK_SHIFT_MASK) != 0)
        nModifiers |= ACCEL_SHIFT;
    if ((pEvent->state & GDK_MOD1_MASK) != 0)
        nModifiers |= ACCEL_ALT;
    return main_frame::Handlers().pKey(nKey, nModifiers) ? TRUE : FALSE;
}

void Show_Bars()
{
    if (g_pWindow == nullptr)
        return;
    Mark_Stale(-1);
    const int nStatus = main_frame::Status_Bar_Height();
    gtk_widget_set_size_request(g_pAreas[FRAME_STATUS_BAR], -1, std::max(nStatus, 1));
    gtk_widget_set_visible(g_pAreas[FRAME_STATUS_BAR], nStatus > 0);
    gtk_widget_set_visible(g_pAreas[FRAME_NEWS_BAR], main_frame::Has_News_Bar());
}

// The window held to its monitor's work area with its frame: a stored or
// default rectangle made on a larger screen would put the news bar and the
// status bar below the screen's edge. The window (client size cx x cy, its
// frame's corner at x, y) is made smaller, never below the page's least
// size, and its frame moved inside.
void Hold_To_Work_Area(GtkWidget* pWindow, int x, int y, int cx, int cy)
{
    const GdkRectangle Work = gtk_internal::Monitor_Work_Area(pWindow);
    int cxFrame = 0, cyFrame = 0;
    if (Work.width <= 0 || Work.height <= 0 || !gtk_internal::Measure_Frame(pWindow, cxFrame, cyFrame))
        return;
    const int cxFit = std::min(cx, std::max(Work.width - cxFrame, 1));
    const int cyFit = std::min(cy, std::max(Work.height - cyFrame, 1));
    if (cxFit != cx || cyFit != cy)
        gtk_window_resize(GTK_WINDOW(pWindow), cxFit, cyFit);
    const int xFit = std::max(std::min(x, Work.x + Work.width - (cxFit + cxFrame)), Work.x);
    const int yFit = std::max(std::min(y, Work.y + Work.height - (cyFit + cyFrame)), Work.y);
    if (xFit != x || yFit != y)
        gtk_window_move(GTK_WINDOW(pWindow), xFit, yFit);
}

// The frame's borders when the window was last held to the work area.
int g_cxFrameHeld = -1;
int g_cyFrameHeld = -1;
// Holds of a frame larger than the work area since the borders last changed:
// a manager may answer a resize with its own size a while after framing.
int g_nOversizeHolds = 0;
constexpr int OVERSIZE_HOLDS = 3;

// Once the window is shown, and whenever a window manager frames it anew
// (one started after the window, or a new theme): the frame's borders
// changed, the window is held to the work area with them. A frame left
// larger than the work area is held again a few times (never for ever, so
// as not to fight a manager that insists). A move or resize of the user's
// own within the work area is left as it is.
void Hold_When_Framed(GtkWidget* pWindow, bool bAlways)
{
    int cxFrame = 0, cyFrame = 0;
    if (!gtk_internal::Measure_Frame(pWindow, cxFrame, cyFrame))
        return;
    GdkWindow* pGdk = gtk_widget_get_window(pWindow);
    GdkRectangle Frame;
    gdk_window_get_frame_extents(pGdk, &Frame);
    const bool bNewBorders = cxFrame != g_cxFrameHeld || cyFrame != g_cyFrameHeld;
    if (bAlways || bNewBorders) {
        g_nOversizeHolds = 0;
    } else {
        const GdkRectangle Work = gtk_internal::Monitor_Work_Area(pWindow);
        const bool bOversize = Work.width > 0 && Work.height > 0 && (Frame.width > Work.width || Frame.height > Work.height);
        if (!bOversize || g_nOversizeHolds >= OVERSIZE_HOLDS)
            return;
        ++g_nOversizeHolds;
    }
    g_cxFrameHeld = cxFrame;
    g_cyFrameHeld = cyFrame;
    // The size the window has now: GTK's own record of it is brought up to
    // date only after this event's handlers.
    Hold_To_Work_Area(pWindow, Frame.x, Frame.y, gdk_window_get_width(pGdk), gdk_window_get_height(pGdk));
}

gboolean On_Frame_Mapped(GtkWidget* pWindow, GdkEvent*, gpointer)
{
    Hold_When_Framed(pWindow, true);
    return FALSE;
}

gboolean On_Frame_Configured(GtkWidget* pWindow, GdkEvent*, gpointer)
{
    if (gtk_widget_get_mapped(pWindow))
        Hold_When_Framed(pWindow, false);
    return FALSE;
}

void Frame_Open(const FRAME_RECT& Rect)
{
    Mark_Stale(-1);
    const bool bShown = g_pWindow != nullptr && gtk_widget_get_mapped(g_pWindow);
    if (g_pWindow == nullptr) {
        g_pWindow = gtk_window_new(GTK_WINDOW_TOPLEVEL);
        gtk_widget_set_name(g_pWindow, "kelvo-main-window");
        GtkWidget* pBox = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
        g_pMenuHolder = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
        gtk_box_pack_start(GTK_BOX(pBox), g_pMenuHolder, FALSE, FALSE, 0);
        for (int nArea = 0; nArea < FRAME_AREA_COUNT; ++nArea) {
            GtkWidget* pArea = gtk_drawing_area_new();
            gtk_widget_set_name(pArea, nArea == FRAME_PAGE ? "kelvo-page" : (nArea == FRAME_STATUS_BAR ? "kelvo-status-bar" : "kelvo-news-bar"));
            gtk_widget_add_events(pArea, GDK_BUTTON_PRESS_MASK | GDK_POINTER_MOTION_MASK);
            g_signal_connect(pArea, "draw", G_CALLBACK(On_Area_Draw), GINT_TO_POINTER(nArea));
            g_signal_connect(pArea, "button-press-event", G_CALLBACK(On_Area_Button), GINT_TO_POINTER(nArea));
            g_signal_connect(pArea, "motion-notify-event", G_CALLBACK(On_Area_Motion), GINT_TO_POINTER(nArea));
            g_pAreas[nArea] = pArea;
            gtk_box_pack_start(GTK_BOX(pBox), pArea, nArea == FRAME_PAGE, TRUE, 0);
        }
        gtk_widget_set_size_request(g_pAreas[FRAME_PAGE], FRAME_MIN_PAGE_WIDTH, FRAME_MIN_PAGE_HEIGHT);
        gtk_widget_set_size_request(g_pAreas[FRAME_NEWS_BAR], -1, NEWS_BAR_HEIGHT);
        g_signal_connect(g_pAreas[FRAME_PAGE], "size-allocate", G_CALLBACK(On_Page_Allocated), nullptr);
        g_signal_connect(g_pWindow, "delete-event", G_CALLBACK(On_Frame_Delete), nullptr);
        g_signal_connect(g_pWindow, "key-press-event", G_CALLBACK(On_Frame_Key), nullptr);
        g_signal_connect(g_pWindow, "map-event", G_CALLBACK(On_Frame_Mapped), nullptr);
        g_signal_connect(g_pWindow, "configure-event", G_CALLBACK(On_Frame_Configured), nullptr);
        gtk_container_add(GTK_CONTAINER(g_pWindow), pBox);
        gtk_internal::Attach_Menu_Bar(g_pWindow, g_pMenuHolder);
        gtk_widget_show_all(g_pWindow);
        gtk_internal::Watch_First_Draw(g_pWindow);
    }
    gtk_window_set_title(GTK_WINDOW(g_pWindow), gtk_text::To_Utf8(main_frame::Title()).c_str());
    gtk_window_resize(GTK_WINDOW(g_pWindow), std::max(Rect.Width(), 1), std::max(Rect.Height(), 1));
    gtk_window_move(GTK_WINDOW(g_pWindow), Rect.nLeft, Rect.nTop);
    // A new window is held there once it is framed (On_Frame_Mapped).
    if (bShown)
        Hold_To_Work_Area(g_pWindow, Rect.nLeft, Rect.nTop, std::max(Rect.Width(), 1), std::max(Rect.Height(), 1));
    Show_Bars();
}

void Frame_Close()
{
    if (g_pWindow == nullptr)
        return;
    gtk_internal::Detach_Menu_Bar();
    gtk_widget_destroy(g_pWindow);
    g_pWindow = nullptr;
    g_cxFrameHeld = -1;
    g_cyFrameHeld = -1;
    for (SHOWN_AREA& Shown : g_Shown)
        Shown = SHOWN_AREA{};
    g_pMenuHolder = nullptr;
    for (GtkWidget*& pArea : g_pAreas)
        pArea = nullptr;
}

void Frame_Title_Changed()
{
    if (g_pWindow != nullptr)
        gtk_window_set_title(GTK_WINDOW(g_pWindow), gtk_text::To_Utf8(main_frame::Title()).c_str());
}

void Frame_Invalidate(int nArea)
{
    if (g_pWindow == nullptr)
        return;
    Mark_Stale(nArea);
    for (int i = 0; i < FRAME_AREA_COUNT; ++i)
        if ((nArea < 0 || nArea == i) && g_pAreas[i] != nullptr)
            gtk_widget_queue_draw(g_pAreas[i]);
}

bool Frame_Get_Rect(FRAME_RECT& Rect)
{
    if (g_pWindow == nullptr)
        return false;
    int x = 0, y = 0, cx = 0, cy = 0;
    gtk_window_get_position(GTK_WINDOW(g_pWindow), &x, &y);
    gtk_window_get_size(GTK_WINDOW(g_pWindow), &cx, &cy);
    Rect = FRAME_RECT{x, y, x + cx, y + cy};
    return true;
}

}  // namespace

namespace gtk_internal {

void Install_Frame()
{
    g_Frame = FRAME_BACKEND{};
    g_Frame.Open = Frame_Open;
    g_Frame.Close = Frame_Close;
    g_Frame.Title_Changed = Frame_Title_Changed;
    g_Frame.Bars_Changed = Show_Bars;
    g_Frame.Invalidate = Frame_Invalidate;
    g_Frame.Get_Rect = Frame_Get_Rect;
    main_frame::Install_Backend(&g_Frame);
    // A frame opened before the display was (tests): show it now.
    if (main_frame::Is_Open())
        Frame_Open(main_frame::Rect());
}

void Uninstall_Frame()
{
    Frame_Close();
    main_frame::Install_Backend(nullptr);
}

void Invalidate_Main_Window(const UI_RECT* pArea)
{
    if (g_pWindow == nullptr || g_pAreas[FRAME_PAGE] == nullptr)
        return;
    Mark_Stale(FRAME_PAGE);
    if (pArea != nullptr)
        gtk_widget_queue_draw_area(g_pAreas[FRAME_PAGE], pArea->x, pArea->y, pArea->cx, pArea->cy);
    else
        gtk_widget_queue_draw(g_pAreas[FRAME_PAGE]);
}

GtkWidget* Main_Window()
{
    return g_pWindow;
}

GtkWidget* Frame_Area(int nArea)
{
    return nArea >= 0 && nArea < FRAME_AREA_COUNT ? g_pAreas[nArea] : nullptr;
}

}  // namespace gtk_internal
