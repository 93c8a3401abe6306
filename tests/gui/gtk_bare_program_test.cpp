// The real program on an X server with no window manager, started as the
// README starts it (a process of its own, KELVO_DATA naming a fresh copy of
// the built data folder) and driven only through the server, as a person at
// the keyboard and the mouse drives it: nothing is done inside the program.
// Welcome > New Game, "Your Name" reached by Alt+N or by a click, "Kim Lee"
// typed key by key, Enter plays; Ctrl+S, a name typed, Enter saves; File >
// Exit by its letters ends the program with status 0. Nobody but the program
// gives a window the X keyboard focus here, and a click moves none; once
// more by keys with the X focus put back on the main window as each dialog
// has taken it (another client on the display may do so), the keys reaching
// the dialog only through its grab. The main window's close request, sent
// again and again while New Game's progress windows are up, is ignored
// until the season has started: nothing offers to save a league half made.
//
// Seen from outside: each window by its title on the screen and whether the
// X focus is in it; a control's place from the template the program lays the
// dialog out from (a dialog's window is its client area alone where no
// manager frames it); when a dialog or a menu was drawn (a key is sent only
// then) and when its command's work is done, from the program's log; what "Your Name" holds, read through the
// selection its selected text claims; the saved file loaded back here, its
// club's owner the name typed. New Game with the name typed goes to
// build/screenshots/bare_program_*.png.

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>
#include <gtk/gtk.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/team.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "program/process_runner.h"
#include "shell/welcome_dialog.h"
#include "test_support.h"
#include "window_manager.h"
#include "xtest_input.h"

namespace fs = std::filesystem;

namespace {

const std::string PROGRAM = KELVO_PROGRAM_PATH;
constexpr const char* NAME = "Kim Lee";
constexpr const char* SAVE_NAME = "Bare Season";
// The main window's title begins so ("Vazarudu Kelvo - 2019 Week 1").
constexpr const char* MAIN_TITLE = "Vazarudu Kelvo";

// How "Your Name" and the buttons are reached: by their letters, by clicks,
// or by their letters with the X focus put back on the main window once each
// dialog has taken it (as another client on the display may put it), so
// that the keys reach the dialog only through its grab.
enum class REACH { KEYS, CLICKS, KEYS_THROUGH_GRAB };

// A window of the program as the screen shows it.
struct SHOWN_WINDOW {
    Window Xid = None;
    std::string Title;
    bool bPopup = false;   // override-redirect: a menu, a combo's list
    int x = 0;             // root coordinates, pixels
    int y = 0;
    int cx = 0;
    int cy = 0;
};

long Cardinal_Property(Display* pX, Window W, const char* szAtom)
{
    Atom Type = None;
    int nFormat = 0;
    unsigned long nItems = 0, nAfter = 0;
    unsigned char* pData = nullptr;
    long nValue = -1;
    if (XGetWindowProperty(pX, W, XInternAtom(pX, szAtom, False), 0, 1, False, XA_CARDINAL, &Type, &nFormat, &nItems,
                           &nAfter, &pData) == Success &&
        Type == XA_CARDINAL && nFormat == 32 && nItems == 1 && pData != nullptr)
        nValue = *reinterpret_cast<long*>(pData);
    if (pData != nullptr)
        XFree(pData);
    return nValue;
}

// _NET_WM_NAME (UTF-8), else WM_NAME.
std::string Title_Of(Display* pX, Window W)
{
    Atom Type = None;
    int nFormat = 0;
    unsigned long nItems = 0, nAfter = 0;
    unsigned char* pData = nullptr;
    std::string Title;
    if (XGetWindowProperty(pX, W, XInternAtom(pX, "_NET_WM_NAME", False), 0, 256, False,
                           XInternAtom(pX, "UTF8_STRING", False), &Type, &nFormat, &nItems, &nAfter,
                           &pData) == Success &&
        nFormat == 8 && pData != nullptr)
        Title.assign(reinterpret_cast<const char*>(pData), nItems);
    if (pData != nullptr)
        XFree(pData);
    char* szName = nullptr;
    if (Title.empty() && XFetchName(pX, W, &szName) != 0 && szName != nullptr)
        Title = szName;
    if (szName != nullptr)
        XFree(szName);
    return Title;
}

// The program's windows shown now (its process id on them), bottom first.
std::vector<SHOWN_WINDOW> Program_Windows(pid_t nPid)
{
    std::vector<SHOWN_WINDOW> Shown;
    Display* pX = xtest::X_Display();
    if (pX == nullptr)
        return Shown;
    // A window may go while it is read.
    GdkDisplay* pDisplay = gdk_display_get_default();
    gdk_x11_display_error_trap_push(pDisplay);
    Window Root = None, Parent = None;
    Window* pChildren = nullptr;
    unsigned nChildren = 0;
    if (XQueryTree(pX, DefaultRootWindow(pX), &Root, &Parent, &pChildren, &nChildren)) {
        for (unsigned i = 0; i < nChildren; ++i) {
            XWindowAttributes A;
            if (!XGetWindowAttributes(pX, pChildren[i], &A) || A.map_state != IsViewable ||
                Cardinal_Property(pX, pChildren[i], "_NET_WM_PID") != nPid)
                continue;
            SHOWN_WINDOW W;
            W.Xid = pChildren[i];
            W.Title = Title_Of(pX, W.Xid);
            W.bPopup = A.override_redirect != False;
            Window Child = None;
            XTranslateCoordinates(pX, W.Xid, Root, 0, 0, &W.x, &W.y, &Child);
            W.cx = A.width;
            W.cy = A.height;
            Shown.push_back(W);
        }
    }
    if (pChildren != nullptr)
        XFree(pChildren);
    gdk_x11_display_error_trap_pop_ignored(pDisplay);
    return Shown;
}

// The program started as its own process, and what went wrong on its way.
class RUN {
public:
    explicit RUN(const std::string& Tag)
        : m_Data(("gui_" + Tag).c_str(), false), m_Output(("gui_" + Tag + "_out").c_str(), false)
    {
    }
    ~RUN() { End(true); }
    RUN(const RUN&) = delete;
    RUN& operator=(const RUN&) = delete;

    // `KELVO_DATA=FOLDER ./build/kelvo IS_NOT_RANDOM` on the test's display.
    ::testing::AssertionResult Start()
    {
        if (!m_Data.Ready() || !m_Output.Ready())
            return ::testing::AssertionFailure() << "the scratch folders are not ready";
        ::testing::AssertionResult Copied = gui_support::Copy_Fresh_Data(gui_support::Built_Data(), m_Data.Path());
        if (!Copied)
            return Copied;
        const char* szDisplay = std::getenv("DISPLAY");
        process_runner::RUN_OPTIONS Options;
        Options.Env = {"KELVO_DATA=" + m_Data.Path(), std::string("DISPLAY=") + (szDisplay != nullptr ? szDisplay : "")};
        Options.Folder = m_Output.Path();
        Options.Output = m_Output.Path();
        m_Child = process_runner::Start(PROGRAM, {"IS_NOT_RANDOM"}, Options);
        if (m_Child.nPid <= 0)
            return ::testing::AssertionFailure() << "the program did not start";
        return ::testing::AssertionSuccess();
    }

    pid_t Pid() const { return m_Child.nPid; }
    const std::string& Data() const { return m_Data.Path(); }

    // Whether it is still running (its end is left for End to collect).
    bool Running() const
    {
        if (m_Child.nPid <= 0)
            return false;
        siginfo_t Info{};
        return ::waitid(P_PID, static_cast<id_t>(m_Child.nPid), &Info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
               Info.si_pid == 0;
    }

    // Waits for its end (at once killed with bKill).
    process_runner::RUN_RESULT End(bool bKill)
    {
        if (m_Child.nPid <= 0)
            return m_Ended;
        m_Ended = process_runner::Wait(m_Child, std::chrono::seconds(60),
                                       bKill ? std::chrono::milliseconds(1) : std::chrono::milliseconds(0));
        return m_Ended;
    }

    void Problem(const std::string& Text) { m_Problems.push_back(Text); }
    const std::vector<std::string>& Problems() const { return m_Problems; }

    // The problems, with what the program's log and error output say.
    std::string Report() const
    {
        std::string Text;
        for (const std::string& Line : m_Problems)
            Text += Line + "\n";
        Text += "standard error:\n" + m_Ended.Err + "\ndebug.txt:\n" +
                Read_Text_File(m_Data.Path() + "/debug.txt", "(none)");
        return Text;
    }

    // The first window of the program shown whose title is Title (or, with
    // bPrefix, begins with it), once it shows; false, with the problem
    // said, when it does not or the program ends first.
    bool Wait_Window(const std::string& Title, SHOWN_WINDOW& Found, bool bPrefix = false)
    {
        const auto Shown = [&] {
            for (const SHOWN_WINDOW& W : Program_Windows(Pid()))
                if (!W.bPopup && (bPrefix ? W.Title.rfind(Title, 0) == 0 : W.Title == Title)) {
                    Found = W;
                    return true;
                }
            return false;
        };
        if (xtest::Wait_Until([&] { return Shown() || !Running(); }) && Shown())
            return true;
        Problem("the window \"" + Title + "\" did not show" + (Running() ? "" : " (the program ended)") +
                "; shown: " + Titles_Shown());
        return false;
    }

    // Waits until the window has gone; false, with the problem, when not.
    bool Wait_Gone(const SHOWN_WINDOW& W, const std::string& Why)
    {
        const auto Gone = [&] {
            for (const SHOWN_WINDOW& Now : Program_Windows(Pid()))
                if (Now.Xid == W.Xid)
                    return false;
            return true;
        };
        if (xtest::Wait_Until([&] { return Gone() || !Running(); }) && Gone() && Running())
            return true;
        Problem(Why + (Running() ? "" : " (the program ended)") + "; shown: " + Titles_Shown());
        return false;
    }

    // Waits until the X keyboard focus is in the window, as the program puts
    // it there itself; says so when it does not (the keys may still reach
    // the window through the program's own grab, and the walk goes on).
    void Wait_Keyboard(const SHOWN_WINDOW& W)
    {
        if (xtest::Wait_Until([&] { return window_manager::Is_Within(window_manager::Input_Focus(), W.Xid); },
                              xtest::WAIT_MS / 3))
            return;
        Problem("\"" + W.Title + "\" did not take the keyboard: the X focus is on " +
                window_manager::Describe(window_manager::Input_Focus()));
    }

    // Waits until the program's log (debug.txt) has the line: a dialog's
    // command is done once the log says the dialog ended, the work its
    // button started (a new league set up, a game saved) included. False,
    // with the problem, when it does not come.
    bool Wait_Log(const std::string& Line, const std::string& Why)
    {
        const std::string Log = m_Data.Path() + "/debug.txt";
        const auto Logged = [&] { return Read_Text_File(Log).find(Line) != std::string::npos; };
        if (xtest::Wait_Until([&] { return Logged() || !Running(); }) && Logged())
            return true;
        Problem(Why + (Running() ? "" : " (the program ended)") + "; shown: " + Titles_Shown());
        return false;
    }

    // How many times the log has the line so far.
    int Log_Count(const std::string& Line) const
    {
        const std::string Logged = Read_Text_File(m_Data.Path() + "/debug.txt");
        int nCount = 0;
        for (size_t n = Logged.find(Line); n != std::string::npos; n = Logged.find(Line, n + Line.size()))
            ++nCount;
        return nCount;
    }

    // Waits until a menu of the bar that was not down (the log said it was
    // drawn nBefore times) has dropped down and been drawn, as the log says:
    // only then does it take its items' letters.
    bool Wait_Menu_Drawn(const std::string& Menu, int nBefore)
    {
        const std::string Line = "Menu \"" + Menu + "\" drawn";
        if (xtest::Wait_Until([&] { return Log_Count(Line) > nBefore || !Running(); }) && Log_Count(Line) > nBefore)
            return true;
        Problem("the " + Menu + " menu did not drop down" + (Running() ? "" : " (the program ended)") +
                "; shown: " + Titles_Shown());
        return false;
    }

    // Waits until the dialog has been drawn (the log says so): a person
    // types into what shows.
    bool Wait_Drawn(const SHOWN_WINDOW& Dialog, int nDialogId)
    {
        return Wait_Log("Dialog " + std::to_string(nDialogId) + " first drawn",
                        "\"" + Dialog.Title + "\" was not drawn");
    }

    std::string Titles_Shown() const
    {
        std::string Text;
        for (const SHOWN_WINDOW& W : Program_Windows(Pid()))
            Text += (Text.empty() ? "\"" : ", \"") + W.Title + "\"" + (W.bPopup ? " (popup)" : "") + " at " +
                    std::to_string(W.x) + "," + std::to_string(W.y) + " " + std::to_string(W.cx) + " x " +
                    std::to_string(W.cy);
        return Text.empty() ? "nothing" : Text;
    }

private:
    SCRATCH_FOLDER m_Data;
    SCRATCH_FOLDER m_Output;
    process_runner::CHILD m_Child;
    process_runner::RUN_RESULT m_Ended;
    std::vector<std::string> m_Problems;
};

// The screen point of a control's centre: its rectangle in the dialog's
// template, in pixels as the desktop lays it out, from the window's corner.
// The window must be the client area alone at the template's size (no
// manager frames it, nothing scrolls), else the place cannot be told.
bool Control_Point(RUN& Run, const SHOWN_WINDOW& W, int nDialogId, int nControl, int& xRoot, int& yRoot)
{
    const DIALOG_REGISTRATION* pRegistration = Find_Dialog_Registration(nDialogId);
    if (pRegistration == nullptr || pRegistration->pTemplate == nullptr) {
        Run.Problem("no template for dialog " + std::to_string(nDialogId));
        return false;
    }
    const DIALOG_TEMPLATE& Template = *pRegistration->pTemplate;
    const int cx = Dialog_Units_To_Pixels_X(Template.cx);
    const int cy = Dialog_Units_To_Pixels_Y(Template.cy);
    if (W.cx != cx || W.cy != cy) {
        Run.Problem("\"" + W.Title + "\" is " + std::to_string(W.cx) + " x " + std::to_string(W.cy) +
                    ", not its template's " + std::to_string(cx) + " x " + std::to_string(cy) +
                    ": its controls' places are not known");
        return false;
    }
    for (const CONTROL_TEMPLATE& Control : Template.Controls) {
        if (Control.nId != nControl)
            continue;
        const UI_RECT Pixels = Dialog_Units_To_Pixels(Control.Rect);
        xRoot = W.x + Pixels.x + Pixels.cx / 2;
        yRoot = W.y + Pixels.y + Pixels.cy / 2;
        return true;
    }
    Run.Problem("dialog " + std::to_string(nDialogId) + " has no control " + std::to_string(nControl));
    return false;
}

// A click as a person makes it on a server without a manager: once the
// dialog has been drawn (a person clicks what shows; the log says when), at
// the control's place in the window where it stands now, the pointer moved
// there and found over the dialog, then button 1 pressed and released. The
// focus stays where it was.
bool Click_Control(RUN& Run, const SHOWN_WINDOW& Dialog, int nDialogId, int nControl)
{
    if (!Run.Wait_Drawn(Dialog, nDialogId))
        return false;
    SHOWN_WINDOW Now;
    for (const SHOWN_WINDOW& W : Program_Windows(Run.Pid()))
        if (W.Xid == Dialog.Xid)
            Now = W;
    int x = 0, y = 0;
    if (Now.Xid == None || !Control_Point(Run, Now, nDialogId, nControl, x, y) || !xtest::Move_At(x, y))
        return false;
    Display* pX = xtest::X_Display();
    Window Root = None, Under = None;
    int xRoot = 0, yRoot = 0, xIn = 0, yIn = 0;
    unsigned nMask = 0;
    XQueryPointer(pX, DefaultRootWindow(pX), &Root, &Under, &xRoot, &yRoot, &xIn, &yIn, &nMask);
    if (Under != Dialog.Xid) {
        Run.Problem("the pointer at " + std::to_string(x) + "," + std::to_string(y) + " is over " +
                    window_manager::Describe(Under) + ", not \"" + Dialog.Title + "\"; shown: " + Run.Titles_Shown());
        return false;
    }
    xtest::Button(1, true);
    xtest::Button(1, false);
    return true;
}

// The text of the X selection PRIMARY (a field's selected text claims it),
// "" when nobody holds it.
std::string Primary_Text()
{
    gchar* szText = gtk_clipboard_wait_for_text(gtk_clipboard_get(GDK_SELECTION_PRIMARY));
    const std::string Text = szText != nullptr ? szText : "";
    g_free(szText);
    return Text;
}

// The window as the screen shows it, to a PNG. The program draws what it
// was sent in its next frame: the picture is taken once two grabs agree.
bool Shoot(const SHOWN_WINDOW& W, const std::string& Name)
{
    GdkWindow* pRoot = gdk_get_default_root_window();
    GdkPixbuf* pLast = nullptr;
    xtest::Wait_Until(
        [&] {
            GdkPixbuf* pNow = gdk_pixbuf_get_from_window(pRoot, W.x, W.y, W.cx, W.cy);
            guint nNow = 0, nLast = 0;
            const bool bSame = pNow != nullptr && pLast != nullptr &&
                               gdk_pixbuf_get_byte_length(pNow) == gdk_pixbuf_get_byte_length(pLast) &&
                               std::memcmp(gdk_pixbuf_get_pixels_with_length(pNow, &nNow),
                                           gdk_pixbuf_get_pixels_with_length(pLast, &nLast), nNow) == 0;
            if (pLast != nullptr)
                g_object_unref(pLast);
            pLast = pNow;
            return bSame;
        },
        xtest::WAIT_MS / 6);
    if (pLast == nullptr)
        return false;
    const bool bSaved =
        gdk_pixbuf_save(pLast, gui_support::Screenshot_Path(Name).c_str(), "png", nullptr, nullptr) != FALSE;
    g_object_unref(pLast);
    return bSaved;
}

// The log's line for a dialog ended by its default button, OK.
std::string Dialog_Ended(int nDialogId, const std::string& Title)
{
    return "Dialog " + std::to_string(nDialogId) + " \"" + Title + "\" ended with " + std::to_string(DIALOG_OK);
}

// The fresh server's focus: it follows the pointer, which rests in the
// corner (an earlier test of this process may have left it elsewhere).
void Fresh_Server()
{
    XSetInputFocus(xtest::X_Display(), PointerRoot, RevertToPointerRoot, CurrentTime);
    xtest::Move_At(0, 0);
    // A selection this process held would answer for the program's.
    gtk_clipboard_clear(gtk_clipboard_get(GDK_SELECTION_PRIMARY));
}

// The walk, up to File > Exit; false when it stopped on the way.
bool Walk(RUN& Run, REACH How, const std::string& Shot)
{
    // The main window, under the dialogs to come.
    SHOWN_WINDOW Main;
    if (!Run.Wait_Window(MAIN_TITLE, Main, true))
        return false;
    // A dialog's keys wait until it has been drawn and has the keyboard.
    const auto Take_Keyboard = [&](const SHOWN_WINDOW& Dialog, int nDialogId) {
        Run.Wait_Drawn(Dialog, nDialogId);
        Run.Wait_Keyboard(Dialog);
        if (How != REACH::KEYS_THROUGH_GRAB)
            return;
        XSetInputFocus(xtest::X_Display(), Main.Xid, RevertToParent, CurrentTime);
        Run.Wait_Keyboard(Main);
    };

    // Welcome > New Game.
    SHOWN_WINDOW Welcome;
    if (!Run.Wait_Window("Welcome", Welcome))
        return false;
    Take_Keyboard(Welcome, WELCOME_DIALOG);
    if (How != REACH::CLICKS)
        xtest::Key("alt+n");
    else if (!Click_Control(Run, Welcome, WELCOME_DIALOG, WELCOME_NEW_GAME))
        return false;

    // "Your Name", its whole text typed over, then selected: the selection
    // it claims says what the field holds.
    SHOWN_WINDOW NewGame;
    if (!Run.Wait_Window("New Game", NewGame))
        return false;
    Take_Keyboard(NewGame, NEW_GAME_DIALOG);
    if (How != REACH::CLICKS)
        xtest::Key("alt+n");
    else if (!Click_Control(Run, NewGame, NEW_GAME_DIALOG, NEW_GAME_NAME))
        return false;
    xtest::Key("ctrl+a");
    xtest::Type(NAME);
    xtest::Key("shift+Home");
    std::string Held;
    if (!xtest::Wait_Until(
            [&] {
                Held = Primary_Text();
                return Held == NAME;
            },
            xtest::WAIT_MS / 3))
        Run.Problem("\"Your Name\" does not hold the name typed: its selection reads \"" + Held + "\"");
    if (!Shoot(NewGame, Shot))
        Run.Problem("the screenshot " + Shot + " was not written");
    // Enter plays: New Game ends once the league is set up. The walk waits
    // for that, as a person waits for the set-up's progress windows to go:
    // keys pressed meanwhile reach the main window's commands through the
    // set-up's own loop.
    xtest::Key("Return");
    if (!Run.Wait_Log(Dialog_Ended(NEW_GAME_DIALOG, "New Game"), "Enter did not play (New Game did not end)") ||
        !Run.Wait_Gone(NewGame, "New Game stayed on the screen"))
        return false;

    // Ctrl+S in the main window, the name typed over the one offered, Enter.
    Run.Wait_Keyboard(Main);
    xtest::Key("ctrl+s");
    SHOWN_WINDOW Save;
    if (!Run.Wait_Window("Save Game", Save))
        return false;
    Take_Keyboard(Save, SAVE_GAME_DIALOG);
    xtest::Key("ctrl+a");
    xtest::Type(SAVE_NAME);
    xtest::Key("Return");
    if (!Run.Wait_Log(Dialog_Ended(SAVE_GAME_DIALOG, "Save Game"), "Enter did not save (Save Game did not end)") ||
        !Run.Wait_Gone(Save, "Save Game stayed on the screen"))
        return false;

    // File > Exit by its letters, the item's once the menu shows.
    Run.Wait_Keyboard(Main);
    const int nFileDrawn = Run.Log_Count("Menu \"File\" drawn");
    xtest::Key("alt+f");
    if (!Run.Wait_Menu_Drawn("File", nFileDrawn))
        return false;
    xtest::Key("x");
    // It ends; a window it shows instead is said.
    std::string Shown;
    const auto Other = [&] {
        for (const SHOWN_WINDOW& W : Program_Windows(Run.Pid()))
            if (W.Xid != Main.Xid) {
                Shown = W.Title + (W.bPopup ? " (popup)" : "");
                return true;
            }
        return false;
    };
    if (!xtest::Wait_Until([&] { return !Run.Running() || Other(); }))
        Run.Problem("File > Exit did not end the program; shown: " + Run.Titles_Shown());
    else if (Run.Running())
        Run.Problem("File > Exit showed \"" + Shown + "\"");
    return Run.Problems().empty();
}

// The owner of the club the saved game's player runs, loaded back here in
// the data folder it was saved in (loading reads the folder's tuning files),
// with no one to answer a box.
std::string Owner_In_Saved_Game(const std::string& Folder, const std::string& Name)
{
    const fs::path Before = fs::current_path();
    fs::current_path(Folder);
    dialogs::Set_Unattended(true);
    ui::Clear_Shown_Boxes();
    const int nLoaded = Load_Game_File(Name.c_str());
    fs::current_path(Before);
    if (!ui::Shown_Boxes().empty())
        return "(loading showed the box \"" + ui::Shown_Boxes().front().Caption + "\")";
    if (nLoaded == 0)
        return "(the file did not load)";
    const int nTeam = gui_support::First_User_Team();
    if (nTeam < 0)
        return "(no club is the player's)";
    char szOwner[64] = "";
    Get_Team_String(szOwner, nTeam, TEAM_STRING_OWNER);
    return szOwner;
}

void Play_New_Game_And_Save(REACH How, const std::string& Tag)
{
    ASSERT_TRUE(xtest::Available());
    ASSERT_FALSE(window_manager::Manager_Runs()) << "a window manager runs";
    Fresh_Server();
    RUN Run(Tag);
    ASSERT_TRUE(Run.Start());
    const bool bQuit = Walk(Run, How, Tag);
    const process_runner::RUN_RESULT Ended = Run.End(!bQuit);
    EXPECT_TRUE(Run.Problems().empty()) << Run.Report();
    EXPECT_FALSE(Ended.bTimedOut) << "the program did not end after File > Exit";
    EXPECT_EQ(Ended.nExitCode, 0) << Ended.Err;
    const std::string Saved = std::string(SAVE_NAME) + ".zrt";
    ASSERT_TRUE(fs::exists(Run.Data() + "/" + Saved));
    EXPECT_EQ(Owner_In_Saved_Game(Run.Data(), Saved), NAME);
}

// The close request a window manager sends when its close button is
// clicked (WM_DELETE_WINDOW), sent to the window as a manager sends it.
void Send_Close_Request(Window W)
{
    Display* pX = xtest::X_Display();
    XEvent Event{};
    Event.xclient.type = ClientMessage;
    Event.xclient.window = W;
    Event.xclient.message_type = XInternAtom(pX, "WM_PROTOCOLS", False);
    Event.xclient.format = 32;
    Event.xclient.data.l[0] = static_cast<long>(XInternAtom(pX, "WM_DELETE_WINDOW", False));
    Event.xclient.data.l[1] = CurrentTime;
    GdkDisplay* pDisplay = gdk_display_get_default();
    gdk_x11_display_error_trap_push(pDisplay);
    XSendEvent(pX, W, False, NoEventMask, &Event);
    XSync(pX, False);
    gdk_x11_display_error_trap_pop_ignored(pDisplay);
}

// What the log (debug.txt) says before its line Line; all of it when the
// line is not there.
std::string Log_Before(const std::string& Log, const std::string& Line)
{
    return Log.substr(0, Log.find(Line));
}

// The windows that ask about saving, which nothing may show while a new
// league is half made.
bool Asks_To_Save(const SHOWN_WINDOW& W)
{
    return !W.bPopup && (W.Title == "Game Not Saved" || W.Title == "Save Game");
}

}  // namespace

TEST(GtkBareProgram, TheCloseBoxIsIgnoredWhileNewGamesProgressWindowsAreUpAndActsOnceTheSeasonHasStarted)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    ASSERT_FALSE(window_manager::Manager_Runs()) << "a window manager runs";
    Fresh_Server();
    RUN Run("bare_program_close");
    ASSERT_TRUE(Run.Start());
    const std::string Log = Run.Data() + "/debug.txt";
    const std::string SEASON_STARTED = "Start_Season()";

    // Welcome > New Game > Enter, by keys.
    SHOWN_WINDOW Main, Welcome, NewGame;
    ASSERT_TRUE(Run.Wait_Window(MAIN_TITLE, Main, true)) << Run.Report();
    ASSERT_TRUE(Run.Wait_Window("Welcome", Welcome)) << Run.Report();
    Run.Wait_Drawn(Welcome, WELCOME_DIALOG);
    Run.Wait_Keyboard(Welcome);
    xtest::Key("alt+n");
    ASSERT_TRUE(Run.Wait_Window("New Game", NewGame)) << Run.Report();
    Run.Wait_Drawn(NewGame, NEW_GAME_DIALOG);
    Run.Wait_Keyboard(NewGame);
    xtest::Key("Return");

    // While the set-up's progress windows are up, the main window is sent
    // the close request again and again, as fast as they are seen; until the
    // season has started nothing may ask about saving.
    int nSent = 0;
    std::vector<std::string> Progress;
    std::string Early;
    const bool bStarted = xtest::Wait_Until([&] {
        const std::string Logged = Read_Text_File(Log);
        const bool bSeason = Logged.find(SEASON_STARTED) != std::string::npos;
        for (const SHOWN_WINDOW& W : Program_Windows(Run.Pid())) {
            // Read again once it shows: a box over the set-up holds the
            // set-up until it is answered, so the log then says for sure
            // whether the season had started.
            if (Asks_To_Save(W) && Early.empty() && Read_Text_File(Log).find(SEASON_STARTED) == std::string::npos)
                Early = W.Title;
            if (W.bPopup || W.Xid == Main.Xid || W.Xid == Welcome.Xid || W.Xid == NewGame.Xid || Asks_To_Save(W) ||
                bSeason)
                continue;
            if (Progress.empty() || Progress.back() != W.Title)
                Progress.push_back(W.Title);
            Send_Close_Request(Main.Xid);
            ++nSent;
        }
        return bSeason || !Early.empty() || !Run.Running();
    });
    EXPECT_TRUE(bStarted) << "the season did not start; shown: " << Run.Titles_Shown();
    ASSERT_TRUE(Early.empty()) << "\"" << Early << "\" showed before the season started; shown: "
                               << Run.Titles_Shown() << "\ndebug.txt:\n" << Read_Text_File(Log);
    ASSERT_TRUE(Run.Running()) << Run.Report();
    ASSERT_GT(nSent, 0) << "no progress window was seen";
    // Each request reached the program while the league was half made, and
    // was ignored there: nothing was saved, no save was even offered.
    const std::string Before = Log_Before(Read_Text_File(Log), SEASON_STARTED);
    EXPECT_NE(Before.find("The main window's close was ignored"), std::string::npos) << Before;
    EXPECT_EQ(Before.find("\"Game Not Saved\""), std::string::npos) << Before;
    EXPECT_EQ(Before.find("Dialog " + std::to_string(SAVE_GAME_DIALOG)), std::string::npos) << Before;

    // Once the season has started the close box acts as Exit: it asks about
    // the game not saved (a request still on its way may have asked
    // already), No, and the program ends.
    SHOWN_WINDOW Ask;
    const auto Asked = [&] {
        for (const SHOWN_WINDOW& W : Program_Windows(Run.Pid()))
            if (W.Title == "Game Not Saved") {
                Ask = W;
                return true;
            }
        return false;
    };
    if (Run.Wait_Log(Dialog_Ended(NEW_GAME_DIALOG, "New Game"), "New Game did not end") && !Asked())
        Send_Close_Request(Main.Xid);
    if (Run.Wait_Window("Game Not Saved", Ask)) {
        Run.Wait_Keyboard(Ask);
        xtest::Key("alt+n");
    }
    const process_runner::RUN_RESULT Ended = Run.End(false);
    EXPECT_TRUE(Run.Problems().empty()) << Run.Report();
    EXPECT_FALSE(Ended.bTimedOut) << "the program did not end after its close box";
    EXPECT_EQ(Ended.nExitCode, 0) << Ended.Err;
    for (const auto& Entry : fs::directory_iterator(Run.Data()))
        EXPECT_NE(Entry.path().extension(), ".zrt") << Entry.path() << " was saved";
}

// A plain start, as the README gives it, that quits at the Welcome dialog by
// Escape: the main window was up behind it, and the log tells no error.
TEST(GtkBareProgram, AStartThatQuitsAtTheWelcomeLogsNoError)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    ASSERT_FALSE(window_manager::Manager_Runs()) << "a window manager runs";
    Fresh_Server();
    RUN Run("bare_program_welcome_quit");
    ASSERT_TRUE(Run.Start());
    SHOWN_WINDOW Main, Welcome;
    ASSERT_TRUE(Run.Wait_Window(MAIN_TITLE, Main, true)) << Run.Report();
    ASSERT_TRUE(Run.Wait_Window("Welcome", Welcome)) << Run.Report();
    Run.Wait_Drawn(Welcome, WELCOME_DIALOG);
    Run.Wait_Keyboard(Welcome);
    xtest::Key("Escape");
    const process_runner::RUN_RESULT Ended = Run.End(false);
    EXPECT_TRUE(Run.Problems().empty()) << Run.Report();
    EXPECT_FALSE(Ended.bTimedOut) << "the program did not end after Escape";
    EXPECT_EQ(Ended.nExitCode, 0) << Ended.Err;
    const std::string Log = Read_Text_File(Run.Data() + "/debug.txt");
    EXPECT_NE(Log.find("Desktop window: display"), std::string::npos) << Log;
    EXPECT_EQ(Log.find("ERROR"), std::string::npos) << Log;
}

TEST(GtkBareProgram, TheNameTypedAfterAltNStaysWholeEnterPlaysAndCtrlSSavesUnderTheNameTyped)
{
    REQUIRE_DESKTOP();
    Play_New_Game_And_Save(REACH::KEYS, "bare_program_keys");
}

TEST(GtkBareProgram, TheNameTypedAfterClicksStaysWholeEnterPlaysAndCtrlSSavesUnderTheNameTyped)
{
    REQUIRE_DESKTOP();
    Play_New_Game_And_Save(REACH::CLICKS, "bare_program_clicks");
}

TEST(GtkBareProgram, TheNameTypedThroughTheDialogsGrabStaysWholeEnterPlaysAndCtrlSSavesUnderTheNameTyped)
{
    REQUIRE_DESKTOP();
    Play_New_Game_And_Save(REACH::KEYS_THROUGH_GRAB, "bare_program_grab");
}
