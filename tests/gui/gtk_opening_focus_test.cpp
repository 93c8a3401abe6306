// Where a dialog's keyboard starts. Every registered dialog, opened as its
// template stands, starts on a control that is no button or on its default
// button, never on another button: Enter presses the button that has the
// keyboard, and a dialog's Enter is to press its default. Then the contract
// offer of a free agent, opened from Free Agents' Sign with a click and
// answered by a real Enter sent through the X server, on a bare server and
// under a window manager: the keyboard is on Decline, and the player is not
// signed.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "editors/sortable_stats.h"
#include "frontoffice/contracts.h"
#include "frontoffice/player_moves.h"
#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/ui.h"
#include "shell/commands.h"
#include "shell/welcome_dialog.h"
#include "test_support.h"
#include "window_manager.h"
#include "xtest_input.h"

namespace {

// The control the dialog's keyboard focus is in (GTK's focus widget, or a
// widget inside the control); 0 when none.
int Focused_Control(int nDialogId)
{
    GtkWidget* pWindow = xtest::Dialog(nDialogId);
    GtkWidget* pFocus = pWindow != nullptr ? gtk_window_get_focus(GTK_WINDOW(pWindow)) : nullptr;
    for (GtkWidget* p = pFocus; p != nullptr; p = gtk_widget_get_parent(p))
        if (void* pId = g_object_get_data(G_OBJECT(p), "kelvo-control"))
            return GPOINTER_TO_INT(pId);
    return 0;
}

// --- Every dialog as its template stands ----------------------------------

struct OPENED {
    int nFocus = 0;         // the control with the keyboard once drawn
    bool bButton = false;   // a push button
    int nDefault = 0;
};
std::map<int, OPENED> g_Opened;
DIALOG* g_pBare = nullptr;

// Builds the template and does nothing else: what opens is the template's.
void Template_Only(DIALOG& Dialog, int nEvent, int)
{
    if (nEvent != DIALOG_INIT)
        return;
    Dialog.Build_Registered();
    g_pBare = &Dialog;
}

void Note_And_Close(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || g_pBare == nullptr || g_pBare->Id() != nDialogId)
        return;
    OPENED Opened;
    Opened.nFocus = Focused_Control(nDialogId);
    const DIALOG_CONTROL* pFocused = g_pBare->Find(Opened.nFocus);
    Opened.bButton = pFocused != nullptr && pFocused->nKind == CONTROL_BUTTON;
    Opened.nDefault = g_pBare->Default_Button();
    g_Opened[nDialogId] = Opened;
    g_pBare->End(DIALOG_CANCEL);
}

// --- The contract offer answered by Enter ----------------------------------

struct OFFER_RUN {
    int nOfferFocus = -1;         // the control with the keyboard when Enter went
    bool bOfferClosed = false;    // Enter closed the offer
    std::vector<std::string> Problems;
};
OFFER_RUN g_Offer;

void Offer_Problem(const std::string& Text)
{
    g_Offer.Problems.push_back(Text);
}

// The keys wait until the window shown has the keyboard: under a manager
// the manager gives it, on a bare server the program takes it.
void Wait_For_Keyboard(GtkWidget* pShown, bool bManager, const std::string& What)
{
    const bool bHas = bManager ? window_manager::Has_Focus(pShown, xtest::WAIT_MS / 3)
                               : window_manager::Wait_Keyboard(pShown);
    if (!bHas)
        Offer_Problem(What + " did not take the keyboard: " + window_manager::Focus_Report());
}

bool g_bManager = false;

void Answer_Offer(int nKind, int nDialogId)
{
    GtkWidget* pShown = window_manager::Shown_Window(nKind, nDialogId);
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        Offer_Problem("a box: " + gtk_probe::Window_Title(nKind));
        Wait_For_Keyboard(pShown, g_bManager, "the box");
        xtest::Key("Return");
        return;
    }
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    if (nDialogId == FREE_AGENTS_DIALOG) {
        // The first free agent chosen with a click, then Sign.
        GtkWidget* pList = xtest::Control(nDialogId, IDC_SS_LIST);
        int x = 0, y = 0;
        if (!xtest::Row_Point(pList, 0, x, y) || !xtest::Click(pList, x, y))
            Offer_Problem("the first free agent took no click");
        GtkWidget* pSign = xtest::Control(nDialogId, IDC_SS_RELEASE);
        xtest::Wait_Until([pSign] { return pSign != nullptr && gtk_widget_is_sensitive(pSign); }, xtest::WAIT_MS / 3);
        if (xtest::Selected_Row(pList) < 0)
            Offer_Problem("no free agent is chosen");
        // The offer opens, and is answered, within this click.
        xtest::Click(pSign);
        xtest::Wait_Until([] { return xtest::Dialog(CONTRACT_OFFER_DIALOG_ID) == nullptr; });
        xtest::Click(xtest::Control(nDialogId, IDC_SS_DONE));
        return;
    }
    if (nDialogId != CONTRACT_OFFER_DIALOG_ID) {
        Offer_Problem("an unexpected dialog " + std::to_string(nDialogId));
        xtest::Key("Escape");
        return;
    }
    Wait_For_Keyboard(pShown, g_bManager, "the Contract Offer");
    g_Offer.nOfferFocus = Focused_Control(nDialogId);
    xtest::Key("Return");
    const auto Closed = [nDialogId] {
        GtkWidget* pWindow = xtest::Dialog(nDialogId);
        return pWindow == nullptr || !gtk_widget_get_visible(pWindow);
    };
    g_Offer.bOfferClosed = xtest::Wait_Until(Closed, xtest::WAIT_MS / 3);
    if (!g_Offer.bOfferClosed) {
        // Closed all the same, so that the test goes on.
        xtest::Key("Escape");
        if (!xtest::Wait_Until(Closed, xtest::WAIT_MS / 3))
            gtk_probe::Click_Button(nDialogId, DIALOG_CANCEL);
    }
}

struct OFFER_HOOKS : gui_support::ANSWERING_HOOK {
    OFFER_HOOKS() : ANSWERING_HOOK(Answer_Offer) { Install_Contract_Offer_Dialog(); }
    ~OFFER_HOOKS() { Set_Contract_Offer_Policy(nullptr); }
    OFFER_HOOKS(const OFFER_HOOKS&) = delete;
    OFFER_HOOKS& operator=(const OFFER_HOOKS&) = delete;
};

// The result of the last run of a dialog, -1 when it did not run.
int Last_Result(int nDialogId)
{
    const auto& Records = dialogs::Records();
    for (auto It = Records.rbegin(); It != Records.rend(); ++It)
        if (It->nDialogId == nDialogId)
            return It->nResult;
    return -1;
}

// The ids of a club's players, in order (the free agents are ranked anew
// as their list opens).
std::vector<int> Player_Ids(int nTeam)
{
    std::vector<int> Ids;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
        if (Is_Player_Slot_Used(nTeam, s))
            Ids.push_back(Get_Player_ID(nTeam, s));
    std::sort(Ids.begin(), Ids.end());
    return Ids;
}

// Free Agents, the first of them, Sign, and Enter in the offer.
void Enter_In_The_Offer(const char* szFolder, bool bManager)
{
    SCRATCH_FOLDER Data(szFolder);
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    WINDOW_MANAGER Manager;
    if (bManager)
        ASSERT_TRUE(Manager.Start()) << Manager.Problem();
    else
        ASSERT_FALSE(window_manager::Manager_Runs());
    const int nUser = gui_support::First_User_Team();
    ASSERT_GE(nUser, 0);
    const std::vector<int> Players = Player_Ids(nUser);
    const std::vector<int> Free_Agents = Player_Ids(FREE_AGENT_TEAM);
    g_Offer = OFFER_RUN{};
    g_bManager = bManager;
    dialogs::Reset();
    {
        const OFFER_HOOKS Hooks;
        Dispatch_Main_Command(CMD_FREE_AGENTS);
        EXPECT_TRUE(xtest::Wait_Until([] { return !gtk_probe::Modal_Open(); }));
    }
    for (const std::string& Text : g_Offer.Problems)
        ADD_FAILURE() << Text;
    // The keyboard was on Decline, and Enter declined: the free agents and
    // the user's roster are as they were.
    EXPECT_EQ(g_Offer.nOfferFocus, DIALOG_CANCEL);
    EXPECT_TRUE(g_Offer.bOfferClosed);
    EXPECT_EQ(Last_Result(CONTRACT_OFFER_DIALOG_ID), 0);
    EXPECT_EQ(Player_Ids(FREE_AGENT_TEAM), Free_Agents);
    EXPECT_EQ(Player_Ids(nUser), Players);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    Manager.Stop();
    Destroy_Main_Window();
}

}  // namespace

TEST(GtkOpeningFocus, EveryDialogOpensItsKeyboardOnItsDefaultButtonOrOnAControlThatIsNoButton)
{
    REQUIRE_DESKTOP();
    g_Opened.clear();
    gtk_probe::Set_Shown_Hook(Note_And_Close);
    for (int nId : Registered_Dialog_Ids()) {
        g_pBare = nullptr;
        Do_Dialog(nId, nullptr, Template_Only, nullptr);
    }
    gtk_probe::Set_Shown_Hook(nullptr);
    g_pBare = nullptr;
    EXPECT_EQ(g_Opened.size(), Registered_Dialog_Ids().size());
    for (const auto& [nId, Opened] : g_Opened)
        EXPECT_TRUE(!Opened.bButton || Opened.nFocus == Opened.nDefault)
            << "dialog " << nId << " opens on button " << Opened.nFocus << ", its default is " << Opened.nDefault;
    // The offer on Decline, Welcome on Quit (Enter quits, as Escape does);
    // a dialog that opens on a field keeps it there.
    EXPECT_EQ(g_Opened[CONTRACT_OFFER_DIALOG_ID].nFocus, DIALOG_CANCEL);
    EXPECT_EQ(g_Opened[WELCOME_DIALOG].nFocus, WELCOME_QUIT);
    EXPECT_EQ(g_Opened[NEW_GAME_DIALOG].nFocus, NEW_GAME_NAME);
    EXPECT_EQ(g_Opened[SAVE_GAME_DIALOG].nFocus, SAVE_GAME_NAME);
}

TEST(GtkOpeningFocus, EnterInTheContractOfferDeclinesOnABareServer)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    Enter_In_The_Offer("gui_offer_enter_bare", false);
}

TEST(GtkOpeningFocus, EnterInTheContractOfferDeclinesUnderAWindowManager)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    Enter_In_The_Offer("gui_offer_enter_manager", true);
}
