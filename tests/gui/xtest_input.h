// Real input for the GUI tests: pointer moves, clicks, drags and key presses
// sent through the X server with the XTEST extension, so they reach the
// widgets exactly as a person's would (the server picks the window under the
// pointer or with the keyboard focus, GTK receives ordinary X events). What a
// test checks afterwards is what the program holds, never what the helper did.
//
// Use (all functions are inline; the test target links X11 and Xtst):
//
//     GtkWidget* pName = xtest::Control(NEW_GAME_DIALOG, NG_NAME_EDIT);
//     xtest::Click(pName);                  // the centre; focuses its window
//     xtest::Key("ctrl+a");                 // modifiers: ctrl, shift, alt
//     xtest::Type("Kim Lee");               // one key press per character
//     xtest::Key("Home"); xtest::Key("BackSpace"); xtest::Key("Return");
//     xtest::Drag(pName, 2, 10, 40, 10);    // button 1 down, moves, up
//     xtest::Settle();                      // let GTK handle what was sent
//     xtest::Wait_Until([] { return xtest::Dialog(NEW_GAME_DIALOG) == nullptr; });
//
// - Coordinates given with a widget are relative to its allocation (0, 0 is
//   its top-left corner); Click(pWidget) alone clicks its centre. The *_At
//   functions take root-window (screen) coordinates.
// - Key names are X keysym names ("Home", "End", "BackSpace", "Delete",
//   "Escape", "Return", "Tab", "F2", "Left", "a", "5"), joined with
//   modifiers by '+': "ctrl+a", "shift+Tab", "alt+n". A single character
//   stands for its own key ("A" is shift+a on the keyboard).
// - Type() presses one key per character (Shift where the character needs
//   it); a character the keyboard map has no key for fails the call.
// - There is no window manager under the tests' X server: a window gets keys
//   only once it has the input focus. Click() and Focus() give it the focus
//   (as a click-to-focus manager would); Key() and Type() go to whichever
//   window has it.
// - Every call sends its events and settles (XSync, every event the server
//   sent back dispatched, then the loop runs blocking for a few
//   milliseconds), so the program has handled them when the call returns.
//   What they lead to (a dialog opened, a page drawn, a box shown) may come
//   later on a busy machine: a test waits for the state it checks with
//   Wait_Until, which gives up only after seconds. Each call returns false
//   when the display has no XTEST or the widget is not shown.
// - Dialogs run modally: send input from a shown hook
//   (gtk_probe::Set_Shown_Hook), which the dialog's own loop calls.
// - A click, double click or drag aimed at a point of a widget that lies off
//   the screen would land elsewhere and leave its window waiting for good:
//   the run stops at once instead, the failure naming the widget and its
//   window (Stop_Run).
#pragma once

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gtk/gtk_internal.h"
#include "platform/gtk/gtk_probe.h"
#include "test_deadlines.h"

namespace xtest {

// Ends the run at once with the failure Why (defined by the GUI tests' main,
// gui_main.cpp: said the way a test's failure is, the X server stopped, the
// process ended with a failing status), for a test that cannot go on and
// would otherwise wait until its watchdog fires.
[[noreturn]] void Stop_Run(const std::string& Why);

// The X connection GDK uses (events sent on it are seen in order with
// GTK's own requests); null without an X display.
inline Display* X_Display()
{
    GdkDisplay* pDisplay = gdk_display_get_default();
    if (pDisplay == nullptr || !GDK_IS_X11_DISPLAY(pDisplay))
        return nullptr;
    return gdk_x11_display_get_xdisplay(pDisplay);
}

inline bool Available()
{
    Display* pX = X_Display();
    int nEvent = 0, nError = 0, nMajor = 0, nMinor = 0;
    return pX != nullptr && XTestQueryExtension(pX, &nEvent, &nError, &nMajor, &nMinor);
}

namespace detail {
inline gboolean Stop(gpointer pFired)
{
    *static_cast<bool*>(pFired) = true;
    return G_SOURCE_REMOVE;
}
}  // namespace detail

// How long a test waits for the state it checks (a dialog open, a page
// drawn, a box shown) before it gives up: seconds, so that a machine kept
// busy by other work (or a slower build) still gets there; the wait ends as
// soon as it holds.
constexpr int WAIT_MS = Test_Deadline(30000);

namespace detail {
// Every event the server has already sent is dispatched (one per turn of
// the loop, however long the machine takes to give us those turns), for at
// most nMs.
inline void Dispatch_Sent_Events(int nMs)
{
    const gint64 nEnd = g_get_monotonic_time() + static_cast<gint64>(nMs) * 1000;
    while (gdk_events_pending() && g_get_monotonic_time() < nEnd)
        if (!g_main_context_iteration(nullptr, FALSE))
            break;   // held back (a frame being drawn): the timed run below takes it
}
}  // namespace detail

// Runs the loop until Done() holds or nMs have passed; whether it holds.
template <class DONE>
inline bool Wait_Until(DONE Done, int nMs = WAIT_MS)
{
    return gtk_probe::Wait_Until(Done, nMs);
}

// The server has handled everything sent, GTK has dispatched every event
// it sent back, and the loop has run (blocking, one event at a time) for a
// further nMs. What a test checks afterwards it waits for with Wait_Until.
inline void Settle(int nMs = 30)
{
    if (Display* pX = X_Display())
        XSync(pX, False);
    detail::Dispatch_Sent_Events(5000);
    bool bFired = false;
    g_timeout_add(static_cast<guint>(nMs), detail::Stop, &bFired);
    while (!bFired)
        g_main_context_iteration(nullptr, TRUE);
}

// Widgets of the backend's open windows (null when not open).
inline GtkWidget* Control(int nDialogId, int nControl)
{
    return gtk_internal::Control_Widget(nDialogId, nControl, false);
}
inline GtkWidget* Dialog(int nDialogId)
{
    return gtk_internal::Dialog_Window(nDialogId);
}
inline GtkWidget* Main_Window()
{
    return gtk_internal::Main_Window();
}
// An area of the main window (FRAME_AREA of main_frame.h).
inline GtkWidget* Main_Area(int nArea)
{
    return gtk_internal::Frame_Area(nArea);
}

// The screen point of (x, y) inside the widget; false when not shown.
inline bool Screen_Point(GtkWidget* pWidget, int x, int y, int& xRoot, int& yRoot)
{
    if (pWidget == nullptr || !gtk_widget_get_mapped(pWidget))
        return false;
    GtkWidget* pTop = gtk_widget_get_toplevel(pWidget);
    GdkWindow* pTopWindow = pTop != nullptr ? gtk_widget_get_window(pTop) : nullptr;
    int xTop = 0, yTop = 0;
    if (pTopWindow == nullptr || !gtk_widget_translate_coordinates(pWidget, pTop, x, y, &xTop, &yTop))
        return false;
    int xOrigin = 0, yOrigin = 0;
    gdk_window_get_origin(pTopWindow, &xOrigin, &yOrigin);
    xRoot = xOrigin + xTop;
    yRoot = yOrigin + yTop;
    return true;
}

// What a person would call the widget: a button by its label, a dialog's
// control by its id, with the title of its window.
inline std::string Describe_Widget(GtkWidget* pWidget)
{
    std::string Name;
    if (GTK_IS_BUTTON(pWidget) && gtk_button_get_label(GTK_BUTTON(pWidget)) != nullptr) {
        Name = "the button \"";
        for (const char* p = gtk_button_get_label(GTK_BUTTON(pWidget)); *p != '\0'; ++p)
            if (*p != '_')
                Name += *p;
        Name += "\"";
    } else if (const void* pId = g_object_get_data(G_OBJECT(pWidget), "kelvo-control")) {
        Name = "control " + std::to_string(GPOINTER_TO_INT(pId));
    } else {
        Name = std::string("the ") + G_OBJECT_TYPE_NAME(pWidget) + " \"" + gtk_widget_get_name(pWidget) + "\"";
    }
    GtkWidget* pTop = gtk_widget_get_toplevel(pWidget);
    const char* szTitle = pTop != nullptr && GTK_IS_WINDOW(pTop) ? gtk_window_get_title(GTK_WINDOW(pTop)) : nullptr;
    return Name + " of the window \"" + (szTitle != nullptr ? szTitle : "") + "\"";
}

// The screen point of a widget's point to be clicked: a point off the
// screen stops the run (nothing there could take the click).
inline void Require_On_Screen(GtkWidget* pWidget, int xRoot, int yRoot)
{
    GdkWindow* pRoot = gdk_get_default_root_window();
    const int cxScreen = gdk_window_get_width(pRoot);
    const int cyScreen = gdk_window_get_height(pRoot);
    if (xRoot >= 0 && yRoot >= 0 && xRoot < cxScreen && yRoot < cyScreen)
        return;
    Stop_Run(Describe_Widget(pWidget) + " lies off the screen: its point to click is at " + std::to_string(xRoot) +
             ", " + std::to_string(yRoot) + ", outside the " + std::to_string(cxScreen) + " x " +
             std::to_string(cyScreen) + " screen");
}

// Gives the widget's top-level window the keyboard focus and raises it.
inline bool Focus(GtkWidget* pWidget)
{
    Display* pX = X_Display();
    GtkWidget* pTop = pWidget != nullptr ? gtk_widget_get_toplevel(pWidget) : nullptr;
    GdkWindow* pWindow = pTop != nullptr ? gtk_widget_get_window(pTop) : nullptr;
    if (pX == nullptr || pWindow == nullptr || !gtk_widget_get_mapped(pTop))
        return false;
    const Window Xid = gdk_x11_window_get_xid(pWindow);
    XRaiseWindow(pX, Xid);
    XSetInputFocus(pX, Xid, RevertToParent, CurrentTime);
    Settle();
    return true;
}

// The pointer moved to a screen point.
inline bool Move_At(int xRoot, int yRoot)
{
    Display* pX = X_Display();
    if (pX == nullptr || !Available())
        return false;
    XTestFakeMotionEvent(pX, -1, xRoot, yRoot, CurrentTime);
    Settle(10);
    return true;
}

inline bool Button(int nButton, bool bDown)
{
    Display* pX = X_Display();
    if (pX == nullptr)
        return false;
    XTestFakeButtonEvent(pX, static_cast<unsigned>(nButton), bDown ? True : False, CurrentTime);
    Settle(10);
    return true;
}

inline bool Click_At(int xRoot, int yRoot, int nButton = 1)
{
    if (!Move_At(xRoot, yRoot))
        return false;
    Button(nButton, true);
    Button(nButton, false);
    Settle();
    return true;
}

inline bool Move(GtkWidget* pWidget, int x, int y)
{
    int xRoot = 0, yRoot = 0;
    return Screen_Point(pWidget, x, y, xRoot, yRoot) && Move_At(xRoot, yRoot);
}

// A click at (x, y) of the widget; its window gets the focus first.
inline bool Click(GtkWidget* pWidget, int x, int y, int nButton = 1)
{
    int xRoot = 0, yRoot = 0;
    if (!Screen_Point(pWidget, x, y, xRoot, yRoot))
        return false;
    Require_On_Screen(pWidget, xRoot, yRoot);
    return Focus(pWidget) && Click_At(xRoot, yRoot, nButton);
}

// A click at the widget's centre.
inline bool Click(GtkWidget* pWidget)
{
    if (pWidget == nullptr)
        return false;
    return Click(pWidget, gtk_widget_get_allocated_width(pWidget) / 2, gtk_widget_get_allocated_height(pWidget) / 2);
}

// The button inside a window whose label reads Text (the mnemonic mark
// ignored); null when there is none.
inline GtkWidget* Find_Button(GtkWidget* pWidget, const std::string& Text)
{
    if (pWidget == nullptr)
        return nullptr;
    if (GTK_IS_BUTTON(pWidget)) {
        const char* szLabel = gtk_button_get_label(GTK_BUTTON(pWidget));
        std::string Label;
        for (const char* p = szLabel != nullptr ? szLabel : ""; *p != '\0'; ++p)
            if (*p != '_')
                Label += *p;
        if (Label == Text)
            return pWidget;
    }
    if (!GTK_IS_CONTAINER(pWidget))
        return nullptr;
    GList* pChildren = gtk_container_get_children(GTK_CONTAINER(pWidget));
    GtkWidget* pFound = nullptr;
    for (GList* p = pChildren; p != nullptr && pFound == nullptr; p = p->next)
        pFound = Find_Button(GTK_WIDGET(p->data), Text);
    g_list_free(pChildren);
    return pFound;
}

// The point of a list's row, in its first column a little in from the left
// edge, relative to the tree view; false when the row is out of view.
inline bool Row_Point(GtkWidget* pTree, int nRow, int& x, int& y)
{
    if (pTree == nullptr || !GTK_IS_TREE_VIEW(pTree) || nRow < 0)
        return false;
    GtkTreePath* pPath = gtk_tree_path_new_from_indices(nRow, -1);
    GdkRectangle Cell{};
    gtk_tree_view_get_cell_area(GTK_TREE_VIEW(pTree), pPath, gtk_tree_view_get_column(GTK_TREE_VIEW(pTree), 0), &Cell);
    gtk_tree_path_free(pPath);
    gtk_tree_view_convert_bin_window_to_widget_coords(GTK_TREE_VIEW(pTree), Cell.x + 6, Cell.y + Cell.height / 2, &x,
                                                      &y);
    return y > 0 && y < gtk_widget_get_allocated_height(pTree);
}

// The row selected in a list (the first, when several are); -1 when none.
inline int Selected_Row(GtkWidget* pTree)
{
    GtkTreeModel* pModel = nullptr;
    GList* pRows = pTree != nullptr && GTK_IS_TREE_VIEW(pTree)
                       ? gtk_tree_selection_get_selected_rows(gtk_tree_view_get_selection(GTK_TREE_VIEW(pTree)), &pModel)
                       : nullptr;
    const int nRow = pRows != nullptr ? gtk_tree_path_get_indices(static_cast<GtkTreePath*>(pRows->data))[0] : -1;
    g_list_free_full(pRows, reinterpret_cast<GDestroyNotify>(gtk_tree_path_free));
    return nRow;
}

// Whether a combo box's list has dropped down.
inline bool Combo_Popup_Shown(GtkWidget* pCombo)
{
    gboolean bShown = FALSE;
    if (pCombo != nullptr && GTK_IS_COMBO_BOX(pCombo))
        g_object_get(pCombo, "popup-shown", &bShown, nullptr);
    return bShown != FALSE;
}

// A combo box's list opened with a click, and waited for.
inline bool Open_Combo(GtkWidget* pCombo)
{
    return Click(pCombo) && Wait_Until([pCombo] { return Combo_Popup_Shown(pCombo); });
}

// Waits until the combo box's list has closed again (after Return or a click).
inline bool Wait_Combo_Closed(GtkWidget* pCombo)
{
    return Wait_Until([pCombo] { return !Combo_Popup_Shown(pCombo); });
}

// Waits until the bar's menu holding the command's item has dropped down
// (after its title's key or a click on it) and been drawn, so that it takes
// its items' letters; false when it did not.
inline bool Wait_Menu_Shown(int nCommand, int nMs = WAIT_MS)
{
    return Wait_Until(
        [nCommand] {
            GtkWidget* pItem = gtk_internal::Menu_Item_Of(nCommand);
            GtkWidget* pMenu = pItem != nullptr ? gtk_widget_get_parent(pItem) : nullptr;
            // The backend marks a menu of the bar from its mapping until it
            // has been drawn.
            return pMenu != nullptr && gtk_widget_get_mapped(pItem) &&
                   g_object_get_data(G_OBJECT(pMenu), "kelvo-menu-undrawn") == nullptr;
        },
        nMs);
}

// A menu item chosen as a person does: its menu opened by a click on the
// bar, then a click on the item. False, with Why said, when it cannot be.
inline bool Click_Menu_Item(int nCommand, std::string& Why)
{
    const std::string Item = std::to_string(nCommand);
    GtkWidget* pItem = gtk_internal::Menu_Item_Of(nCommand);
    if (pItem == nullptr) {
        Why = "the menu shown has no item " + Item;
        return false;
    }
    GtkWidget* pMenu = gtk_widget_get_parent(pItem);
    GtkWidget* pTop = GTK_IS_MENU(pMenu) ? gtk_menu_get_attach_widget(GTK_MENU(pMenu)) : nullptr;
    if (pTop == nullptr) {
        Why = "no menu holds item " + Item;
        return false;
    }
    // The menu drops down (it may take a few turns of the loop; a first
    // click on a window just shown may only give it the focus).
    for (int nTry = 0; nTry < 3 && !gtk_widget_get_mapped(pItem); ++nTry) {
        if (!Click(pTop)) {
            Why = "the menu bar took no click for item " + Item;
            return false;
        }
        Wait_Menu_Shown(nCommand, WAIT_MS / 3);
    }
    if (!Click(pItem)) {
        int x = 0, y = 0;
        const bool bPoint = Screen_Point(pItem, 2, 2, x, y);
        Why = "item " + Item + " took no click (mapped " + std::to_string(gtk_widget_get_mapped(pItem)) + ", point " +
              std::to_string(bPoint) + ")";
        return false;
    }
    return true;
}

// Two clicks in quick succession (within GTK's double-click time).
inline bool Double_Click(GtkWidget* pWidget, int x, int y)
{
    int xRoot = 0, yRoot = 0;
    if (!Screen_Point(pWidget, x, y, xRoot, yRoot))
        return false;
    Require_On_Screen(pWidget, xRoot, yRoot);
    if (!Focus(pWidget) || !Move_At(xRoot, yRoot))
        return false;
    Display* pX = X_Display();
    for (int i = 0; i < 2; ++i) {
        XTestFakeButtonEvent(pX, 1, True, CurrentTime);
        XTestFakeButtonEvent(pX, 1, False, CurrentTime);
    }
    Settle();
    return true;
}

// Button 1 pressed at (x0, y0) of the widget, moved in steps to (x1, y1)
// and released there (a selection made with the mouse).
inline bool Drag(GtkWidget* pWidget, int x0, int y0, int x1, int y1)
{
    int xa = 0, ya = 0, xb = 0, yb = 0;
    if (!Screen_Point(pWidget, x0, y0, xa, ya) || !Screen_Point(pWidget, x1, y1, xb, yb))
        return false;
    Require_On_Screen(pWidget, xa, ya);
    Require_On_Screen(pWidget, xb, yb);
    if (!Focus(pWidget) || !Move_At(xa, ya))
        return false;
    Button(1, true);
    constexpr int STEPS = 6;
    for (int i = 1; i <= STEPS; ++i)
        Move_At(xa + (xb - xa) * i / STEPS, ya + (yb - ya) * i / STEPS);
    Button(1, false);
    Settle();
    return true;
}

namespace detail {
// The key for a keysym and whether Shift is needed for it; 0 when the map
// has no key for it.
inline KeyCode Key_For(Display* pX, KeySym Sym, bool& bShift)
{
    bShift = false;
    const KeyCode Code = XKeysymToKeycode(pX, Sym);
    if (Code == 0)
        return 0;
    if (XkbKeycodeToKeysym(pX, Code, 0, 0) != Sym && XkbKeycodeToKeysym(pX, Code, 0, 1) == Sym)
        bShift = true;
    return Code;
}

inline KeySym Keysym_Of_Code_Point(std::uint32_t c)
{
    if (c == '\n' || c == '\r')
        return XK_Return;
    if (c == '\t')
        return XK_Tab;
    if (c == '\b')
        return XK_BackSpace;
    if ((c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF))
        return c;
    return 0x01000000 | c;
}

// Presses the modifiers, taps the key, releases them in reverse order.
inline bool Tap(Display* pX, KeyCode Code, const std::vector<KeyCode>& Modifiers)
{
    for (KeyCode M : Modifiers)
        XTestFakeKeyEvent(pX, M, True, CurrentTime);
    XTestFakeKeyEvent(pX, Code, True, CurrentTime);
    XTestFakeKeyEvent(pX, Code, False, CurrentTime);
    for (auto It = Modifiers.rbegin(); It != Modifiers.rend(); ++It)
        XTestFakeKeyEvent(pX, *It, False, CurrentTime);
    Settle(15);
    return true;
}

inline std::vector<std::uint32_t> Code_Points(const std::string& Utf8)
{
    std::vector<std::uint32_t> Points;
    const char* p = Utf8.c_str();
    const char* pEnd = p + Utf8.size();
    while (p < pEnd) {
        const gunichar c = g_utf8_get_char_validated(p, pEnd - p);
        if (c == static_cast<gunichar>(-1) || c == static_cast<gunichar>(-2))
            return {};
        Points.push_back(c);
        p = g_utf8_next_char(p);
    }
    return Points;
}
}  // namespace detail

// A key pressed and released, with modifiers: "Home", "ctrl+a", "shift+Tab".
inline bool Key(const std::string& Combo)
{
    Display* pX = X_Display();
    if (pX == nullptr || !Available() || Combo.empty())
        return false;
    std::vector<KeyCode> Modifiers;
    std::string Rest = Combo;
    for (;;) {
        const size_t nPlus = Rest.find('+');
        if (nPlus == std::string::npos || nPlus + 1 == Rest.size())
            break;
        const std::string Name = Rest.substr(0, nPlus);
        KeySym Sym = 0;
        if (Name == "ctrl" || Name == "control")
            Sym = XK_Control_L;
        else if (Name == "shift")
            Sym = XK_Shift_L;
        else if (Name == "alt")
            Sym = XK_Alt_L;
        else
            return false;
        Modifiers.push_back(XKeysymToKeycode(pX, Sym));
        Rest = Rest.substr(nPlus + 1);
    }
    KeySym Sym = NoSymbol;
    const std::vector<std::uint32_t> Points = detail::Code_Points(Rest);
    if (Points.size() == 1)
        Sym = detail::Keysym_Of_Code_Point(Points[0]);
    else
        Sym = XStringToKeysym(Rest.c_str());
    if (Sym == NoSymbol)
        return false;
    bool bShift = false;
    const KeyCode Code = detail::Key_For(pX, Sym, bShift);
    if (Code == 0)
        return false;
    if (bShift)
        Modifiers.push_back(XKeysymToKeycode(pX, XK_Shift_L));
    return detail::Tap(pX, Code, Modifiers);
}

// One key press per character of the UTF-8 text, Shift where needed.
inline bool Type(const std::string& Utf8)
{
    Display* pX = X_Display();
    if (pX == nullptr || !Available())
        return false;
    const std::vector<std::uint32_t> Points = detail::Code_Points(Utf8);
    if (Points.empty() && !Utf8.empty())
        return false;
    for (std::uint32_t c : Points) {
        bool bShift = false;
        const KeyCode Code = detail::Key_For(pX, detail::Keysym_Of_Code_Point(c), bShift);
        if (Code == 0)
            return false;
        std::vector<KeyCode> Modifiers;
        if (bShift)
            Modifiers.push_back(XKeysymToKeycode(pX, XK_Shift_L));
        detail::Tap(pX, Code, Modifiers);
    }
    Settle();
    return true;
}

}  // namespace xtest
