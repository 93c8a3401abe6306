// Typing into the dialogs on an X server with no window manager, the program
// started as its main starts it: the main window, the Welcome dialog over it,
// then New Game. There nobody but the program gives a window the X keyboard
// focus, and a click into a field moves none: every click here is such a bare
// click, never one that sets the focus first (xtest::Click does, as a manager
// would). A dialog takes the keyboard as it opens (its field draws its
// caret); and where the X focus stays on the main window all the same, the
// keys reach the dialog through its grab and stay where the user put them.
// "Kim Lee" typed into New Game's "Your Name" after a click and after Alt+N
// stays whole and Enter plays; Ctrl+S and a typed name save under that name;
// the League Editor's GM Name and the City Editor's Altitude take their whole
// text, and Enter presses Done.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editors/city_editor.h"
#include "editors/league_editor.h"
#include "editors/small_dialogs.h"
#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/cities.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "platform/gtk/gtk_internal.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/welcome_dialog.h"
#include "test_support.h"
#include "window_manager.h"
#include "xtest_input.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* NAME = "Kim Lee";

struct BARE_RUN {
    bool bByLetter = false;       // New Game's name field reached by Alt+N, else by a click
    bool bJustPlay = false;       // New Game played as it opens, by Enter
    bool bKeysViaMain = false;    // the X focus put back on the main window as a dialog opens
    bool bEscapeWelcome = false;  // Escape on the Welcome dialog, else its New Game clicked
    std::string SaveName;         // typed into Save Game
    std::string Altitude;         // typed into the City Editor
    std::vector<std::string> Seen;   // what each dialog showed once typed into
    std::vector<std::string> Problems;
};
BARE_RUN g_Run;

// The X focus as a fresh server has it: it follows the pointer, which rests
// in a corner outside the program's windows.
void Fresh_Server()
{
    Display* pX = xtest::X_Display();
    XSetInputFocus(pX, PointerRoot, RevertToPointerRoot, CurrentTime);
    xtest::Move_At(0, 0);
}

// The control the dialog's keyboard focus is in (GTK's focus widget, or a
// widget inside the control), 0 when none.
int Focused_Control(int nDialogId)
{
    GtkWidget* pWindow = xtest::Dialog(nDialogId);
    GtkWidget* pFocus = pWindow != nullptr ? gtk_window_get_focus(GTK_WINDOW(pWindow)) : nullptr;
    for (GtkWidget* p = pFocus; p != nullptr; p = gtk_widget_get_parent(p))
        if (void* pId = g_object_get_data(G_OBJECT(p), "kelvo-control"))
            return GPOINTER_TO_INT(pId);
    return 0;
}

// A click as a server without a manager takes it: the focus stays put.
void Bare_Click(GtkWidget* pWidget, const std::string& What)
{
    int xRoot = 0, yRoot = 0;
    if (pWidget == nullptr ||
        !xtest::Screen_Point(pWidget, gtk_widget_get_allocated_width(pWidget) / 2,
                             gtk_widget_get_allocated_height(pWidget) / 2, xRoot, yRoot) ||
        !xtest::Click_At(xRoot, yRoot))
        g_Run.Problems.push_back(What + " is not there to click");
}

// The field's whole text replaced by typing, then what it shows and where
// the keyboard is, before Enter.
void Type_Into(int nDialogId, int nControl, const std::string& Text)
{
    xtest::Key("ctrl+a");
    xtest::Type(Text);
    xtest::Settle(50);
    g_Run.Seen.push_back(std::to_string(nDialogId) + ": \"" + gtk_probe::Entry_Text(nDialogId, nControl) +
                         "\", focus " + std::to_string(Focused_Control(nDialogId)));
    // The dialog took the keyboard when it opened: the field draws its caret.
    if (!g_Run.bKeysViaMain && !gtk_widget_has_focus(xtest::Control(nDialogId, nControl)))
        g_Run.Problems.push_back("dialog " + std::to_string(nDialogId) + " does not have the keyboard: " +
                                 window_manager::Focus_Report());
    xtest::Key("Return");
    // Enter presses the default button, which ends the dialog (it hides).
    const auto Ended = [nDialogId] {
        GtkWidget* pWindow = xtest::Dialog(nDialogId);
        return pWindow == nullptr || !gtk_widget_get_visible(pWindow);
    };
    if (xtest::Wait_Until(Ended, xtest::WAIT_MS / 3))
        return;
    g_Run.Problems.push_back("Enter did not end dialog " + std::to_string(nDialogId));
    // Closed all the same, so that the test goes on: Escape, else its
    // Cancel or its Done clicked.
    xtest::Key("Escape");
    if (!xtest::Wait_Until(Ended, xtest::WAIT_MS / 3) && !gtk_probe::Click_Button(nDialogId, DIALOG_CANCEL))
        gtk_probe::Click_Button(nDialogId, DIALOG_OK);
}

std::string Seen_Typed(int nDialogId, int nControl, const std::string& Text)
{
    return std::to_string(nDialogId) + ": \"" + Text + "\", focus " + std::to_string(nControl);
}

void Answer(int nKind, int nDialogId)
{
    // The keys wait until the window shown has the keyboard.
    GtkWidget* pShown = window_manager::Shown_Window(nKind, nDialogId);
    if (pShown != nullptr && !window_manager::Wait_Keyboard(pShown))
        g_Run.Problems.push_back("window " + std::to_string(nDialogId) + " did not take the keyboard: " +
                                 window_manager::Focus_Report());
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        // The game played is not to be saved before the next one starts;
        // the City Editor says the data folder holds no city photos.
        const std::string Title = gtk_probe::Window_Title(nKind);
        if (Title != "Game Not Saved" && Title != "No art files")
            g_Run.Problems.push_back("a box: " + Title);
        xtest::Key(Title == "Game Not Saved" ? "alt+n" : "Return");
        return;
    }
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    if (g_Run.bKeysViaMain) {
        // The keys reach the dialog through its grab only.
        const Window Main = window_manager::Xid_Of(xtest::Main_Window());
        XSetInputFocus(xtest::X_Display(), Main, RevertToParent, CurrentTime);
        if (!xtest::Wait_Until([Main] { return window_manager::Is_Within(window_manager::Input_Focus(), Main); },
                               xtest::WAIT_MS / 3))
            g_Run.Problems.push_back("the X focus did not go back to the main window: " +
                                     window_manager::Focus_Report());
    }
    switch (nDialogId) {
    case WELCOME_DIALOG:
        if (g_Run.bEscapeWelcome)
            xtest::Key("Escape");
        else
            Bare_Click(xtest::Control(WELCOME_DIALOG, WELCOME_NEW_GAME), "New Game");
        break;
    case NEW_GAME_DIALOG:
        if (g_Run.bJustPlay) {
            xtest::Key("Return");
            break;
        }
        if (g_Run.bByLetter)
            xtest::Key("alt+n");
        else
            Bare_Click(xtest::Control(NEW_GAME_DIALOG, NEW_GAME_NAME), "Your Name");
        Type_Into(NEW_GAME_DIALOG, NEW_GAME_NAME, NAME);
        break;
    case SAVE_GAME_DIALOG:
        Type_Into(SAVE_GAME_DIALOG, SAVE_GAME_NAME, g_Run.SaveName);
        break;
    case LEAGUE_EDITOR_DIALOG:
        Bare_Click(xtest::Control(LEAGUE_EDITOR_DIALOG, LE_GM_NAME_EDIT), "GM Name");
        Type_Into(LEAGUE_EDITOR_DIALOG, LE_GM_NAME_EDIT, NAME);
        break;
    case CITY_EDITOR_DIALOG:
        Bare_Click(xtest::Control(CITY_EDITOR_DIALOG, CITY_ALTITUDE_EDIT), "Altitude");
        Type_Into(CITY_EDITOR_DIALOG, CITY_ALTITUDE_EDIT, g_Run.Altitude);
        break;
    case DID_YOU_KNOW_DIALOG:   // a hint at start-up, when asked for
        xtest::Key("Escape");
        break;
    default:
        g_Run.Problems.push_back("an unexpected dialog " + std::to_string(nDialogId));
        xtest::Key("Escape");
        break;
    }
}

struct HOOKS : gui_support::ANSWERING_HOOK {
    HOOKS() : ANSWERING_HOOK(Answer) {}
};

// The program started on a fresh league on a fresh server with no manager,
// then its Welcome dialog, as the program's loop begins.
::testing::AssertionResult Start_And_Welcome(const SCRATCH_FOLDER& Data)
{
    Fresh_Server();
    ::testing::AssertionResult Started = gui_support::Start_Attended(Data, Save_Game);
    if (!Started)
        return Started;
    if (window_manager::Manager_Runs())
        return ::testing::AssertionFailure() << "a window manager runs";
    Show_Welcome_Dialog();
    return ::testing::AssertionSuccess();
}

std::string Owner_Of_User_Team()
{
    char szOwner[64] = "";
    Get_Team_String(szOwner, gui_support::First_User_Team(), TEAM_STRING_OWNER);
    return szOwner;
}

// The result of the last run of a dialog, -1 when it did not run.
int Last_Result(int nDialogId)
{
    const auto& Records = dialogs::Records();
    for (auto It = Records.rbegin(); It != Records.rend(); ++It)
        if (It->nDialogId == nDialogId)
            return It->nResult;
    return -1;
}

// A key for the main window, then the loop run until what it opened has
// been answered and closed.
void Press_In_Main_Window(const std::string& Key)
{
    gui_support::g_nAnswered = 0;
    xtest::Key(Key);
    if (!gui_support::Wait_Answered())
        g_Run.Problems.push_back(Key + " opened nothing, or what it opened did not close");
}

}  // namespace

TEST(GtkBareServer, NewGameTakesTheNameTypedAfterAClickOrItsLetterEnterPlaysAndCtrlSSavesUnderTheNameTyped)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_bare_server_new_game");
    const HOOKS Hooks;
    g_Run = BARE_RUN{};
    dialogs::Reset();
    ASSERT_TRUE(Start_And_Welcome(Data));
    // Welcome > New Game, a click into "Your Name", the name typed, Enter.
    EXPECT_EQ(g_Run.Seen, std::vector<std::string>{Seen_Typed(NEW_GAME_DIALOG, NEW_GAME_NAME, NAME)});
    EXPECT_EQ(Last_Result(NEW_GAME_DIALOG), DIALOG_OK);
    EXPECT_EQ(Owner_Of_User_Team(), NAME);
    EXPECT_TRUE(g_Run.Problems.empty()) << g_Run.Problems.front();

    // Ctrl+S, a name typed, Enter.
    g_Run.Seen.clear();
    g_Run.SaveName = "Bare Season";
    Press_In_Main_Window("ctrl+s");
    EXPECT_EQ(g_Run.Seen, std::vector<std::string>{Seen_Typed(SAVE_GAME_DIALOG, SAVE_GAME_NAME, "Bare Season")});
    EXPECT_TRUE(fs::exists("Bare Season.zrt"));
    EXPECT_TRUE(g_Run.Problems.empty()) << g_Run.Problems.front();

    // Ctrl+N, Alt+N, the name typed over the one shown, Enter; the X focus
    // left on the main window meanwhile.
    g_Run.Seen.clear();
    g_Run.bByLetter = true;
    g_Run.bKeysViaMain = true;
    dialogs::Reset();
    Set_Team_String("Someone Else", gui_support::First_User_Team(), TEAM_STRING_OWNER);
    Press_In_Main_Window("ctrl+n");
    EXPECT_EQ(g_Run.Seen, std::vector<std::string>{Seen_Typed(NEW_GAME_DIALOG, NEW_GAME_NAME, NAME)});
    EXPECT_EQ(Last_Result(NEW_GAME_DIALOG), DIALOG_OK);
    EXPECT_EQ(Owner_Of_User_Team(), NAME);
    EXPECT_TRUE(g_Run.Problems.empty()) << g_Run.Problems.front();
    Destroy_Main_Window();
}

// Escape on the Welcome dialog quits as its Quit button does: nothing has
// been played, so no box asks to save, and the program is to end with 0.
TEST(GtkBareServer, EscapeOnTheWelcomeDialogEndsTheProgramWithNoQuestion)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_bare_server_welcome_escape");
    const HOOKS Hooks;
    g_Run = BARE_RUN{};
    g_Run.bEscapeWelcome = true;
    dialogs::Reset();
    ASSERT_TRUE(Start_And_Welcome(Data));
    EXPECT_EQ(Last_Result(WELCOME_DIALOG), DIALOG_CANCEL);
    EXPECT_TRUE(Is_Quit_Posted());
    EXPECT_EQ(Get_Quit_Code(), 0);
    // The Welcome dialog was the only window answered: no box came.
    EXPECT_EQ(gui_support::g_nAnswered, 1);
    EXPECT_TRUE(ui::Shown_Boxes().empty()) << ui::Shown_Boxes().front().Caption;
    EXPECT_TRUE(g_Run.Problems.empty()) << g_Run.Problems.front();
    Destroy_Main_Window();
}

TEST(GtkBareServer, TheLeagueEditorsGmNameAndTheCityEditorsAltitudeTakeTheWholeTextTyped)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_bare_server_editors");
    const HOOKS Hooks;
    g_Run = BARE_RUN{};
    g_Run.bJustPlay = true;
    ASSERT_TRUE(Start_And_Welcome(Data));
    ASSERT_EQ(Last_Result(NEW_GAME_DIALOG), DIALOG_OK);
    const int nUser = gui_support::First_User_Team();
    ASSERT_GE(nUser, 0);
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);

    // Edit > League Editor, by its letters: the user's club is shown.
    g_Run.Seen.clear();
    Set_Team_String("Z", nUser, TEAM_STRING_OWNER);
    xtest::Key("alt+e");
    EXPECT_TRUE(xtest::Wait_Menu_Shown(CMD_LEAGUE_EDITOR));
    Press_In_Main_Window("l");
    EXPECT_EQ(g_Run.Seen, std::vector<std::string>{Seen_Typed(LEAGUE_EDITOR_DIALOG, LE_GM_NAME_EDIT, NAME)});
    EXPECT_EQ(Last_Result(LEAGUE_EDITOR_DIALOG), DIALOG_OK);
    EXPECT_EQ(Owner_Of_User_Team(), NAME);

    // Edit > City Editor: the altitude of the city it opens on.
    g_Run.Seen.clear();
    g_Run.Altitude = "1234";
    const int nCity = Get_User_Preference(PREF_CURRENT_CITY);
    ASSERT_GE(nCity, 0);
    ASSERT_NE(Get_City_Stat(nCity, CITY_STAT_ALTITUDE), 1234);
    xtest::Key("alt+e");
    EXPECT_TRUE(xtest::Wait_Menu_Shown(CMD_CITY_EDITOR));
    Press_In_Main_Window("c");
    EXPECT_EQ(g_Run.Seen, std::vector<std::string>{Seen_Typed(CITY_EDITOR_DIALOG, CITY_ALTITUDE_EDIT, "1234")});
    EXPECT_EQ(Last_Result(CITY_EDITOR_DIALOG), DIALOG_OK);
    EXPECT_EQ(Get_City_Stat(nCity, CITY_STAT_ALTITUDE), 1234);
    EXPECT_TRUE(g_Run.Problems.empty()) << g_Run.Problems.front();
    Destroy_Main_Window();
}
