// A window manager for the GUI tests that need one: openbox (scripts/setup
// installs it) started on the test's own X server, as a player's desktop has
// one, so that activation and focus go through it: a new window is focused
// by the manager, and when one closes the manager chooses where the focus
// falls back. Without it the tests' server has no manager at all.
//
//     WINDOW_MANAGER Manager;
//     ASSERT_TRUE(Manager.Start()) << Manager.Problem();
//     ... real key presses and clicks ...
//     EXPECT_TRUE(window_manager::Has_Focus(xtest::Main_Window()))
//         << window_manager::Focus_Report();
//
// The manager is stopped when the object goes (its frames are taken off the
// windows, which stay open) and the root window's properties are put back as
// they were before it started, so the tests after it run without one again.
#pragma once

#include <X11/Xatom.h>
#include <fcntl.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "quiet_child.h"
#include "xtest_input.h"

namespace window_manager {

// A property of the window that names one window; None when it has none (or
// the window is gone).
inline Window Window_Property(Display* pX, Window Of, const char* szAtom)
{
    const Atom Property = XInternAtom(pX, szAtom, False);
    Atom Type = None;
    int nFormat = 0;
    unsigned long nItems = 0, nAfter = 0;
    unsigned char* pData = nullptr;
    Window Result = None;
    GdkDisplay* pDisplay = gdk_display_get_default();
    gdk_x11_display_error_trap_push(pDisplay);
    if (XGetWindowProperty(pX, Of, Property, 0, 1, False, XA_WINDOW, &Type, &nFormat, &nItems, &nAfter, &pData) ==
            Success &&
        Type == XA_WINDOW && nFormat == 32 && nItems == 1 && pData != nullptr)
        Result = *reinterpret_cast<Window*>(pData);
    if (pData != nullptr)
        XFree(pData);
    XSync(pX, False);
    if (gdk_x11_display_error_trap_pop(pDisplay) != 0)
        Result = None;
    return Result;
}

inline Window Root_Window_Property(Display* pX, const char* szAtom)
{
    return Window_Property(pX, DefaultRootWindow(pX), szAtom);
}

// Whether a window manager runs on the display: one that answers, its check
// window (the root's _NET_SUPPORTING_WM_CHECK) there and naming itself in
// the same property. A manager that has stopped may have left the root's
// properties behind, naming a window long gone: that is no manager.
inline bool Manager_Runs()
{
    Display* pX = xtest::X_Display();
    if (pX == nullptr)
        return false;
    const Window Check = Root_Window_Property(pX, "_NET_SUPPORTING_WM_CHECK");
    return Check != None && Window_Property(pX, Check, "_NET_SUPPORTING_WM_CHECK") == Check;
}

// The root window's properties as they stand, to be put back as they were:
// a window manager sets its own there (its check window, the active window,
// the desktops) and may leave them when it stops.
class ROOT_PROPERTIES {
public:
    void Save(Display* pX)
    {
        m_Saved = Read_All(pX);
        m_bSaved = true;
    }

    // Each property the root did not have is deleted, each one changed is
    // given its old value again.
    void Restore(Display* pX)
    {
        if (!m_bSaved)
            return;
        const Window Root = DefaultRootWindow(pX);
        const std::vector<PROPERTY> Present = Read_All(pX);
        for (const PROPERTY& Now : Present) {
            const PROPERTY* pOld = Find(m_Saved, Now.Name);
            if (pOld == nullptr)
                XDeleteProperty(pX, Root, Now.Name);
            else if (!(pOld->Type == Now.Type && pOld->nFormat == Now.nFormat && pOld->Data == Now.Data))
                Put(pX, *pOld);
        }
        for (const PROPERTY& Old : m_Saved)
            if (Find(Present, Old.Name) == nullptr)
                Put(pX, Old);
        XSync(pX, False);
        m_bSaved = false;
    }

private:
    struct PROPERTY {
        Atom Name = None;
        Atom Type = None;
        int nFormat = 0;
        unsigned long nItems = 0;
        std::vector<unsigned char> Data;   // as Xlib gives it (a long for each item of format 32)
    };

    static const PROPERTY* Find(const std::vector<PROPERTY>& Properties, Atom Name)
    {
        for (const PROPERTY& Property : Properties)
            if (Property.Name == Name)
                return &Property;
        return nullptr;
    }

    static std::vector<PROPERTY> Read_All(Display* pX)
    {
        std::vector<PROPERTY> All;
        const Window Root = DefaultRootWindow(pX);
        int nCount = 0;
        Atom* pNames = XListProperties(pX, Root, &nCount);
        for (int i = 0; i < nCount; ++i) {
            PROPERTY Property;
            Property.Name = pNames[i];
            unsigned long nAfter = 0;
            unsigned char* pData = nullptr;
            if (XGetWindowProperty(pX, Root, Property.Name, 0, 1L << 24, False, AnyPropertyType, &Property.Type,
                                   &Property.nFormat, &Property.nItems, &nAfter, &pData) != Success ||
                Property.Type == None) {
                if (pData != nullptr)
                    XFree(pData);
                continue;
            }
            const size_t nUnit = Property.nFormat == 32 ? sizeof(long) : Property.nFormat == 16 ? sizeof(short) : 1;
            if (pData != nullptr)
                Property.Data.assign(pData, pData + Property.nItems * nUnit);
            if (pData != nullptr)
                XFree(pData);
            All.push_back(std::move(Property));
        }
        if (pNames != nullptr)
            XFree(pNames);
        return All;
    }

    static void Put(Display* pX, const PROPERTY& Property)
    {
        XChangeProperty(pX, DefaultRootWindow(pX), Property.Name, Property.Type, Property.nFormat, PropModeReplace,
                        Property.Data.data(), static_cast<int>(Property.nItems));
    }

    std::vector<PROPERTY> m_Saved;
    bool m_bSaved = false;
};

// The window a manager calls active (_NET_ACTIVE_WINDOW); None without one.
inline Window Active_Window()
{
    Display* pX = xtest::X_Display();
    return pX != nullptr ? Root_Window_Property(pX, "_NET_ACTIVE_WINDOW") : None;
}

// The window that holds the X input focus.
inline Window Input_Focus()
{
    Display* pX = xtest::X_Display();
    if (pX == nullptr)
        return None;
    Window Focus = None;
    int nRevert = 0;
    XGetInputFocus(pX, &Focus, &nRevert);
    return Focus;
}

inline Window Xid_Of(GtkWidget* pWidget)
{
    GtkWidget* pTop = pWidget != nullptr ? gtk_widget_get_toplevel(pWidget) : nullptr;
    GdkWindow* pWindow = pTop != nullptr ? gtk_widget_get_window(pTop) : nullptr;
    return pWindow != nullptr ? gdk_x11_window_get_xid(pWindow) : None;
}

// The window's title, or its id when it has none or is gone.
inline std::string Describe(Window Xid)
{
    Display* pX = xtest::X_Display();
    if (Xid == None)
        return "none";
    if (Xid == PointerRoot)
        return "pointer root";
    char szId[32];
    std::snprintf(szId, sizeof szId, "0x%lx", static_cast<unsigned long>(Xid));
    if (pX == nullptr)
        return szId;
    GdkDisplay* pDisplay = gdk_display_get_default();
    gdk_x11_display_error_trap_push(pDisplay);
    char* szName = nullptr;
    const bool bNamed = XFetchName(pX, Xid, &szName) != 0 && szName != nullptr;
    const std::string Name = bNamed ? std::string(szId) + " \"" + szName + "\"" : szId;
    if (szName != nullptr)
        XFree(szName);
    XSync(pX, False);
    const int nError = gdk_x11_display_error_trap_pop(pDisplay);
    return nError != 0 ? std::string(szId) + " (destroyed)" : Name;
}

// Whether the window is Top or one inside it (GDK gives the focus to a
// small window of its own inside the top-level one).
inline bool Is_Within(Window Xid, Window Top)
{
    Display* pX = xtest::X_Display();
    if (pX == nullptr || Xid == None || Xid == PointerRoot)
        return false;
    GdkDisplay* pDisplay = gdk_display_get_default();
    gdk_x11_display_error_trap_push(pDisplay);
    bool bWithin = false;
    for (int nDepth = 0; nDepth < 16 && Xid != None && !bWithin; ++nDepth) {
        if (Xid == Top) {
            bWithin = true;
            break;
        }
        Window Root = None, Parent = None;
        Window* pChildren = nullptr;
        unsigned nChildren = 0;
        if (!XQueryTree(pX, Xid, &Root, &Parent, &pChildren, &nChildren))
            break;
        if (pChildren != nullptr)
            XFree(pChildren);
        Xid = Parent == Root ? None : Parent;
    }
    gdk_x11_display_error_trap_pop_ignored(pDisplay);
    return bWithin;
}

// True when the manager calls the widget's window active and the X input
// focus is in it, and GTK sees its window as the one with the keyboard.
// The manager is given up to nWaitMs to settle (a loaded machine).
inline bool Has_Focus(GtkWidget* pWidget, int nWaitMs = 3000)
{
    const Window Xid = Xid_Of(pWidget);
    GtkWidget* pTop = pWidget != nullptr ? gtk_widget_get_toplevel(pWidget) : nullptr;
    if (Xid == None || pTop == nullptr || !GTK_IS_WINDOW(pTop))
        return false;
    for (int nWaited = 0; nWaited <= nWaitMs; nWaited += 50) {
        xtest::Settle(50);
        if (Active_Window() == Xid && Is_Within(Input_Focus(), Xid) &&
            gtk_window_has_toplevel_focus(GTK_WINDOW(pTop)))
            return true;
    }
    return false;
}

inline std::string Focus_Report();

// The window of what the program has just shown (a dialog or a message
// box, as a shown hook is told); null for anything else.
inline GtkWidget* Shown_Window(int nKind, int nDialogId)
{
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX)
        return gtk_internal::Message_Box_Window();
    return nKind == gtk_probe::WINDOW_DIALOG ? xtest::Dialog(nDialogId) : nullptr;
}

// Waits until the window has the keyboard: the X input focus in it and GTK
// seeing it as the one with the keyboard (on a server with no manager the
// program gives the focus itself). Its keys are sent only then, never after
// a fixed wait; false when it does not come within nWaitMs.
inline bool Wait_Keyboard(GtkWidget* pWidget, int nWaitMs = xtest::WAIT_MS / 3)
{
    const Window Xid = Xid_Of(pWidget);
    GtkWidget* pTop = pWidget != nullptr ? gtk_widget_get_toplevel(pWidget) : nullptr;
    if (Xid == None || pTop == nullptr || !GTK_IS_WINDOW(pTop))
        return false;
    return xtest::Wait_Until(
        [Xid, pTop] { return Is_Within(Input_Focus(), Xid) && gtk_window_has_toplevel_focus(GTK_WINDOW(pTop)); },
        nWaitMs);
}

// A menu's item chosen by its letters in the main window (Alt and the
// menu's, then the item's), once the manager has given the window the
// keyboard; what went wrong, "" when nothing.
inline std::string Choose_By_Letters(const std::string& Menu, int nCommand, const std::string& Item)
{
    std::string Why;
    if (!Has_Focus(xtest::Main_Window(), xtest::WAIT_MS / 3))
        Why = "the main window does not have the keyboard: " + Focus_Report();
    xtest::Key("alt+" + Menu);
    if (!xtest::Wait_Menu_Shown(nCommand))
        Why += (Why.empty() ? "" : "; ") + std::string("alt+") + Menu + " did not open the menu of command " +
               std::to_string(nCommand);
    xtest::Key(Item);
    return Why;
}

inline std::string Focus_Report()
{
    return "active window " + Describe(Active_Window()) + ", input focus " + Describe(Input_Focus()) +
           ", main window " + Describe(Xid_Of(xtest::Main_Window()));
}

// The windows the manager makes active while a key's work runs, in turn
// (sampled every 2 ms from the loop, which every dialog and the progress
// window run). Only() refuses any but the main window and the named
// dialogs: a window of the program's that takes no keys (the progress
// window) must never take activation, nor must a window that is gone stay
// active, but a dialog that has just closed may be named a moment longer.
class ACTIVATION_TRAIL {
public:
    ACTIVATION_TRAIL() { m_nSource = g_timeout_add(2, Record, this); }
    ~ACTIVATION_TRAIL() { Stop(); }
    ACTIVATION_TRAIL(const ACTIVATION_TRAIL&) = delete;
    ACTIVATION_TRAIL& operator=(const ACTIVATION_TRAIL&) = delete;

    void Stop()
    {
        if (m_nSource != 0)
            g_source_remove(m_nSource);
        m_nSource = 0;
    }

    ::testing::AssertionResult Only(const std::vector<std::string>& Dialogs)
    {
        Stop();
        const std::string Main = Describe(Xid_Of(xtest::Main_Window()));
        std::string Trail;
        std::vector<std::string> Seen;   // the ids of the dialogs named
        bool bStray = false;
        for (const std::string& Active : m_Actives) {
            Trail += "\n  " + Active;
            const std::string Id = Active.substr(0, Active.find(' '));
            bool bDialog = false;
            for (const std::string& Dialog : Dialogs)
                bDialog = bDialog || Active.find("\"" + Dialog + "\"") != std::string::npos;
            if (bDialog)
                Seen.push_back(Id);
            bool bClosedDialog = false;
            if (Active.find("(destroyed)") != std::string::npos)
                for (const std::string& Known : Seen)
                    bClosedDialog = bClosedDialog || Known == Id;
            bStray = bStray || !(Active == Main || bDialog || bClosedDialog || Active == "none");
        }
        if (bStray)
            return ::testing::AssertionFailure() << "another window was made active:" << Trail;
        return ::testing::AssertionSuccess();
    }

private:
    static gboolean Record(gpointer pData)
    {
        ACTIVATION_TRAIL* pTrail = static_cast<ACTIVATION_TRAIL*>(pData);
        const std::string Now = Describe(Active_Window());
        if (pTrail->m_Actives.empty() || pTrail->m_Actives.back() != Now)
            pTrail->m_Actives.push_back(Now);
        return G_SOURCE_CONTINUE;
    }

    guint m_nSource = 0;
    std::vector<std::string> m_Actives;
};

// The whole screen, the manager's frames and titles included, to a PNG.
inline bool Screenshot_Screen(const std::string& Path)
{
    xtest::Settle(150);
    GdkWindow* pRoot = gdk_get_default_root_window();
    GdkPixbuf* pShot =
        gdk_pixbuf_get_from_window(pRoot, 0, 0, gdk_window_get_width(pRoot), gdk_window_get_height(pRoot));
    if (pShot == nullptr)
        return false;
    const bool bSaved = gdk_pixbuf_save(pShot, Path.c_str(), "png", nullptr, nullptr) != FALSE;
    g_object_unref(pShot);
    return bSaved;
}

}  // namespace window_manager

class WINDOW_MANAGER {
public:
    WINDOW_MANAGER() = default;
    WINDOW_MANAGER(const WINDOW_MANAGER&) = delete;
    WINDOW_MANAGER& operator=(const WINDOW_MANAGER&) = delete;
    ~WINDOW_MANAGER() { Stop(); }

    // Starts openbox on the display GTK uses and waits until it manages the
    // screen (its check window named on the root); false with Problem() set.
    bool Start(int nWaitMs = 10000)
    {
        if (m_nPid > 0)
            return true;
        Display* pX = xtest::X_Display();
        if (pX == nullptr)
            return Fail("no X display");
        if (window_manager::Manager_Runs())
            return Fail("another window manager runs");
        m_Root.Save(pX);
        const char* Arguments[] = {"openbox", "--sm-disable", nullptr};
        const int nSpawn = quiet_child::Start("openbox", Arguments, m_nPid);
        if (nSpawn != 0) {
            m_nPid = -1;
            m_Root.Restore(pX);
            return Fail(std::string("cannot start openbox: ") + std::strerror(nSpawn));
        }
        for (int nWaited = 0; nWaited < nWaitMs; nWaited += 50) {
            xtest::Settle(50);
            if (window_manager::Manager_Runs()) {
                // Let it frame the windows already open.
                xtest::Settle(300);
                return true;
            }
            int nStatus = 0;
            if (::waitpid(m_nPid, &nStatus, WNOHANG) == m_nPid) {
                m_nPid = -1;
                m_Root.Restore(pX);
                return Fail("openbox ended at once");
            }
        }
        Stop();
        return Fail("openbox did not take the screen within " + std::to_string(nWaitMs) + " ms");
    }

    // Ends the manager, then puts the root's properties back as they were
    // before it started, so that the tests after it find a server with no
    // trace of a manager.
    void Stop()
    {
        if (m_nPid <= 0)
            return;
        // GTK's loop runs meanwhile, handling what its going does to our windows.
        quiet_child::Stop(m_nPid, 100, [] { xtest::Settle(20); });
        if (Display* pX = xtest::X_Display())
            m_Root.Restore(pX);
        xtest::Settle(200);
    }

    bool Running() const { return m_nPid > 0; }
    const std::string& Problem() const { return m_Problem; }

private:
    bool Fail(const std::string& Text)
    {
        m_Problem = Text;
        return false;
    }

    pid_t m_nPid = -1;
    window_manager::ROOT_PROPERTIES m_Root;
    std::string m_Problem;
};
