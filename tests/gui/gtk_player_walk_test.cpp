// A player's walk through the window, every step a real click or key press
// sent through the X server: a new game (a club chosen from the list, a name
// typed), View Other Team (the pages follow the club viewed), a game marked
// to watch on the Calendar, the week played with one play called by a click
// and one by a digit key, Finish Game, the Games page back to the week's
// games once another week is played, the season played to the draft, a pick
// made (the Draft page keeps it), the game saved under a typed name; then the
// program started again, as its own process, resumes that game. Before the
// week is played: a season run by the season simulator from the Tools menu
// (the window given back as it was, saved by Ctrl+S, the ticker unchanged)
// and a fantasy draft's first round with the player's own pick, then undone.
// A screenshot of each step goes to build/screenshots/walk_*.png.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "editors/fantasy_draft_dialog.h"
#include "editors/game_preview.h"
#include "editors/sortable_stats.h"
#include "editors/stat_pickers.h"
#include "engine/game_driver.h"
#include "engine/game_state.h"
#include "engine/play_game.h"
#include "engine/watched_game.h"
#include "frontoffice/contracts.h"
#include "frontoffice/player_moves.h"
#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "draft_steps.h"
#include "gui_support.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "pages/calendar_page.h"
#include "pages/game_view.h"
#include "pages/page_layout.h"
#include "pages/page_paint.h"
#include "platform/dialogs.h"
#include "platform/main_frame.h"
#include "play_keys.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "program/process_runner.h"
#include "season/college_draft.h"
#include "season/draft_state.h"
#include "season/fantasy_draft.h"
#include "season/timeline.h"
#include "shell/commands.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/news_bar.h"
#include "shell/startup.h"
#include "test_support.h"
#include "tools/season_simulator.h"
#include "xtest_input.h"

namespace fs = std::filesystem;

namespace {

using gui_support::Contains;
using gui_support::Page_Text;
using gui_support::Call_Of;

const std::string PROGRAM = KELVO_PROGRAM_PATH;
constexpr int ACTOR_TIMER = 0x5751;
constexpr int CONTRACT_OFFER_BUTTON = 1706;
const char* const USER_CLUB = "Chicago Gales";
const char* const OTHER_CLUB = "Dallas Wranglers";
const char* const SAVED_NAME = "Walk Season";

struct WALK {
    std::vector<std::string> Problems;
    std::vector<std::string> Boxes;     // the titles of the boxes answered
    std::string ViewClub;               // the club Other Team is to choose
    std::string Drafted;                // the player picked, as the list showed him
    bool bNewGameDone = false;
    bool bClickCall = false;
    bool bKeyCall = false;
    bool bFinishAsked = false;
    bool bBusy = false;
    bool bOfferShown = false;
    bool bDrafting = false;
    bool bSimulated = false;
    bool bFantasyPick = false;
    int nWaits = 0;
    int nDraftDialogs = 0;
    int nPreviews = 0;
};
WALK g_Walk;

void Problem(const std::string& Text)
{
    if (g_Walk.Problems.size() < 30)
        g_Walk.Problems.push_back(Text);
}

void Shot(const std::string& Name)
{
    xtest::Settle(150);
    if (!gtk_probe::Screenshot(gtk_probe::WINDOW_MAIN, 0, gui_support::Screenshot_Path("walk_" + Name)))
        Problem("screenshot " + Name + " not written");
}

void Dialog_Shot(int nDialogId, const std::string& Name)
{
    xtest::Settle(50);
    gtk_probe::Screenshot(gtk_probe::WINDOW_DIALOG, nDialogId, gui_support::Screenshot_Path("walk_" + Name));
}

// Opens the menus above an item with clicks, top first.
bool Open_Menus_Above(GtkWidget* pItem)
{
    GtkWidget* pMenu = gtk_widget_get_parent(pItem);
    if (pMenu == nullptr || !GTK_IS_MENU(pMenu))
        return true;   // an item of the bar itself
    GtkWidget* pAttach = gtk_menu_get_attach_widget(GTK_MENU(pMenu));
    if (pAttach == nullptr || !Open_Menus_Above(pAttach))
        return false;
    if (!gtk_widget_get_mapped(pItem)) {
        const bool bClicked = xtest::Click(pAttach);
        xtest::Wait_Until([pItem] { return gtk_widget_get_mapped(pItem) != FALSE; }, xtest::WAIT_MS / 3);
        if (!gtk_widget_get_mapped(pItem)) {
            // Its mnemonic, as a keyboard user opens it.
            GtkWidget* pLabel = gtk_bin_get_child(GTK_BIN(pAttach));
            const guint nKey = pLabel != nullptr && GTK_IS_LABEL(pLabel) ? gtk_label_get_mnemonic_keyval(GTK_LABEL(pLabel))
                                                                       : GDK_KEY_VoidSymbol;
            if (nKey != GDK_KEY_VoidSymbol) {
                xtest::Focus(pAttach);
                xtest::Key(std::string("alt+") + gdk_keyval_name(gdk_keyval_to_lower(nKey)));
                xtest::Wait_Until([pItem] { return gtk_widget_get_mapped(pItem) != FALSE; }, xtest::WAIT_MS / 3);
            }
        }
        if (!gtk_widget_get_mapped(pItem)) {
            int x = 0, y = 0;
            xtest::Screen_Point(pAttach, 0, 0, x, y);
            Problem(std::string("clicked ") + (bClicked ? "yes" : "no") + " at " + std::to_string(x) + "," +
                    std::to_string(y) + " menu visible " + std::to_string(gtk_widget_get_visible(pMenu)) + " " +
                    gtk_menu_item_get_label(GTK_MENU_ITEM(pAttach)));
        }
    }
    return gtk_widget_get_mapped(pItem);
}

// A command chosen from the menu bar with the mouse.
bool Choose_Menu(int nCommand, const std::string& What)
{
    std::fprintf(stderr, "walk: menu %s\n", What.c_str());
    GtkWidget* pItem = gtk_internal::Menu_Item_Of(nCommand);
    if (pItem == nullptr) {
        Problem("the menu has no " + What);
        return false;
    }
    if (!Open_Menus_Above(pItem)) {
        Problem("the menu of " + What + " did not open");
        xtest::Key("Escape");
        return false;
    }
    return xtest::Click(pItem);
}

std::string Row_Text(GtkWidget* pTree, int nRow)
{
    GtkTreeModel* pModel = gtk_tree_view_get_model(GTK_TREE_VIEW(pTree));
    GtkTreeIter Iter;
    if (pModel == nullptr || !gtk_tree_model_iter_nth_child(pModel, &Iter, nullptr, nRow) ||
        gtk_tree_model_get_column_type(pModel, 0) != G_TYPE_STRING)
        return "";
    gchar* sz = nullptr;
    gtk_tree_model_get(pModel, &Iter, 0, &sz, -1);
    std::string Text = sz != nullptr ? sz : "";
    g_free(sz);
    return Text;
}

int Find_Row(GtkWidget* pTree, const std::string& Text)
{
    GtkTreeModel* pModel = gtk_tree_view_get_model(GTK_TREE_VIEW(pTree));
    const int nRows = pModel != nullptr ? gtk_tree_model_iter_n_children(pModel, nullptr) : 0;
    for (int r = 0; r < nRows; ++r)
        if (Row_Text(pTree, r).find(Text) != std::string::npos)
            return r;
    return -1;
}

// A click on a row of a list, in its first column.
bool Click_Row(GtkWidget* pTree, int nRow)
{
    if (pTree == nullptr || !GTK_IS_TREE_VIEW(pTree) || nRow < 0)
        return false;
    int x = 0, y = 0;
    if (!xtest::Row_Point(pTree, nRow, x, y)) {
        Problem("row " + std::to_string(nRow) + " is not in view");
        return false;
    }
    return xtest::Click(pTree, x, y);
}

// --- The dialogs and boxes, as the player answers them --------------------

void New_Game(int nDialogId)
{
    GtkWidget* pTeam = xtest::Control(nDialogId, NEW_GAME_TEAM);
    GtkTreeModel* pModel = gtk_combo_box_get_model(GTK_COMBO_BOX(pTeam));
    int nWanted = -1;
    const int nItems = gtk_tree_model_iter_n_children(pModel, nullptr);
    for (int i = 0; i < nItems; ++i) {
        GtkTreeIter Iter;
        gchar* sz = nullptr;
        gtk_tree_model_iter_nth_child(pModel, &Iter, nullptr, i);
        gtk_tree_model_get(pModel, &Iter, 0, &sz, -1);
        if (sz != nullptr && std::string(sz) == USER_CLUB)
            nWanted = i;
        g_free(sz);
    }
    // The list opened with a click, walked with the arrow keys, closed with Enter.
    xtest::Open_Combo(pTeam);
    for (int i = gtk_combo_box_get_active(GTK_COMBO_BOX(pTeam)); i < nWanted; ++i)
        xtest::Key("Down");
    xtest::Key("Return");
    xtest::Wait_Combo_Closed(pTeam);
    GtkWidget* pName = xtest::Control(nDialogId, NEW_GAME_NAME);
    xtest::Click(pName);
    xtest::Key("ctrl+a");
    xtest::Type("Kim Lee");
    Dialog_Shot(nDialogId, "01_new_game");
    g_Walk.bNewGameDone = true;
    xtest::Click(xtest::Control(nDialogId, NEW_GAME_PLAY));
}

void Other_Team(int nDialogId)
{
    GtkWidget* pList = xtest::Control(nDialogId, TEAM_LIST);
    if (!Click_Row(pList, Find_Row(pList, g_Walk.ViewClub)))
        Problem("Other Team has no row for " + g_Walk.ViewClub);
    Dialog_Shot(nDialogId, "02_other_team");
    xtest::Click(xtest::Control(nDialogId, DIALOG_OK));
}

// Save Game still open this long after Save was pressed: the press went
// nowhere (or the save stopped); the walk notes why and cancels the dialog,
// so the run goes on instead of waiting for its watchdog.
constexpr guint SAVE_CLOSE_LIMIT_MS = Test_Deadline(20000);
guint g_nSaveWatch = 0;

gboolean On_Save_Not_Closed(gpointer)
{
    g_nSaveWatch = 0;
    if (xtest::Dialog(SAVE_GAME_DIALOG) == nullptr)
        return G_SOURCE_REMOVE;
    const std::string Text = "Save Game did not close " + std::to_string(SAVE_CLOSE_LIMIT_MS / 1000) +
                             " s after Save was pressed: the name field held \"" +
                             gtk_probe::Entry_Text(SAVE_GAME_DIALOG, SAVE_GAME_NAME) + "\", failed saves " +
                             std::to_string(Count_Failed_Game_Saves()) + " (\"" + Last_Save_Failure_Text() +
                             "\"), the folder " + fs::current_path().string() + "; cancelled";
    std::fprintf(stderr, "walk: %s\n", Text.c_str());
    Problem(Text);
    if (!gtk_probe::Click_Button(SAVE_GAME_DIALOG, DIALOG_CANCEL))
        Problem("Save Game could not be cancelled");
    return G_SOURCE_REMOVE;
}

void Save_Game_Name(int nDialogId)
{
    GtkWidget* pName = xtest::Control(nDialogId, SAVE_GAME_NAME);
    xtest::Click(pName);
    xtest::Key("ctrl+a");
    xtest::Type(SAVED_NAME);
    Dialog_Shot(nDialogId, "09_save_game");
    if (g_nSaveWatch == 0)
        g_nSaveWatch = g_timeout_add(SAVE_CLOSE_LIMIT_MS, On_Save_Not_Closed, nullptr);
    xtest::Click(xtest::Control(nDialogId, SAVE_BUTTON));
}

void College_Draft(int nDialogId)
{
    ++g_Walk.nDraftDialogs;
    GtkWidget* pList = xtest::Control(nDialogId, IDC_SS_LIST);
    xtest::Settle(200);
    if (g_Walk.Drafted.empty()) {
        g_Walk.Drafted = gtk_probe::Report_Cell(nDialogId, IDC_SS_LIST, 0, 0);
        Click_Row(pList, 0);
        Dialog_Shot(nDialogId, "07_college_draft");
        GtkWidget* pDraft = xtest::Control(nDialogId, IDC_SS_RELEASE);   // "Draft"
        if (pDraft == nullptr || !gtk_widget_is_sensitive(pDraft))
            Problem("the Draft button cannot be pressed");
        g_Walk.bDrafting = true;
        xtest::Click(pDraft);
        xtest::Settle(100);
        g_Walk.bDrafting = false;
        if (!g_Walk.bOfferShown)
            Problem("Draft offered no contract");
    }
    xtest::Click(xtest::Control(nDialogId, IDC_SS_DONE));
}

int Team_Named(const std::string& Name);

// The fantasy draft's list (Sortable Stats): the players nobody has drafted
// (the group list's last entry but one), the first of them, "Draft", Done.
void Fantasy_Pick(int nDialogId)
{
    xtest::Settle(200);
    if (!g_Walk.bFantasyPick) {
        if (!gui_support::Click_First_Undrafted(nDialogId))
            Problem("row 0 of the undrafted players took no click");
        Dialog_Shot(nDialogId, "01d_fantasy_draft_list");
        g_Walk.bFantasyPick = true;
        // "Draft", once the row chosen has made it one to press.
        GtkWidget* pDraft = xtest::Control(nDialogId, IDC_SS_RELEASE);
        if (!xtest::Wait_Until([pDraft] { return pDraft != nullptr && gtk_widget_is_sensitive(pDraft); },
                               xtest::WAIT_MS / 3))
            Problem("the fantasy draft's Draft button cannot be pressed");
        xtest::Click(pDraft);
        if (!xtest::Wait_Until([] { return Get_Fantasy_Draft_Club_On_The_Clock() != Team_Named(USER_CLUB); },
                               xtest::WAIT_MS / 3))
            Problem("Draft made no pick");
    }
    // Done, with no box over the list.
    xtest::Wait_Until([] { return gtk_internal::Message_Box_Window() == nullptr; });
    if (xtest::Dialog(nDialogId) != nullptr)
        xtest::Click(xtest::Control(nDialogId, IDC_SS_DONE));
}

void Answer(int nKind, int nDialogId)
{
    std::fprintf(stderr, "walk: window %d %d\n", nKind, nDialogId);
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        GtkWidget* pBox = gtk_internal::Message_Box_Window();
        const std::string Title = pBox != nullptr ? gtk_window_get_title(GTK_WINDOW(pBox)) : "";
        g_Walk.Boxes.push_back(Title);
        std::fprintf(stderr, "walk: box %s\n", Title.c_str());
        if (Title == "Finish Game")
            g_Walk.bFinishAsked = true;
        if (Title == "End Fantasy Draft") {
            // Cancel: every pick undone, the clubs as they were.
            xtest::Click(xtest::Find_Button(pBox, "Cancel"));
            return;
        }
        xtest::Focus(pBox);
        // Every box with its default answer, by Enter.
        xtest::Key("Return");
        if (!ui::Shown_Boxes().empty())
            std::fprintf(stderr, "walk: box said \"%s\"\n", ui::Shown_Boxes().back().Text.c_str());
        return;
    }
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    switch (nDialogId) {
    case NEW_GAME_DIALOG:
        New_Game(nDialogId);
        break;
    case OTHER_TEAM_DIALOG:
        Other_Team(nDialogId);
        break;
    case SAVE_GAME_DIALOG:
        Save_Game_Name(nDialogId);
        break;
    case COLLEGE_DRAFT_DIALOG:
        College_Draft(nDialogId);
        break;
    case SORTABLE_STATS_DIALOG:
        Fantasy_Pick(nDialogId);
        break;
    case SIMULATOR_DIALOG:
        // One season, typed.
        xtest::Click(xtest::Control(nDialogId, SIMULATOR_COUNT_EDIT));
        xtest::Key("ctrl+a");
        xtest::Type("1");
        Dialog_Shot(nDialogId, "01a_season_simulator");
        g_Walk.bSimulated = true;
        xtest::Click(xtest::Control(nDialogId, SIMULATOR_SIMULATE_BUTTON));
        break;
    case START_FANTASY_DRAFT_DIALOG:
        Dialog_Shot(nDialogId, "01c_start_fantasy_draft");
        xtest::Click(xtest::Control(nDialogId, DIALOG_OK));
        break;
    case GAME_PREVIEW_DIALOG:
        // The marked game is played; the rest of the season simulated.
        if (++g_Walk.nPreviews == 1) {
            Dialog_Shot(nDialogId, "05_game_preview");
            xtest::Click(xtest::Control(nDialogId, PREVIEW_PLAY_BUTTON));
        } else if (!xtest::Click(xtest::Control(nDialogId, PREVIEW_SIMULATE_ALL_BUTTON))) {
            xtest::Click(xtest::Control(nDialogId, PREVIEW_SIMULATE_BUTTON));
        }
        break;
    case CONTRACT_OFFER_DIALOG_ID:
        // The drafted player's terms are offered; the off-season's renewals
        // are let go (Escape), as a player heading for the draft might.
        if (g_Walk.bDrafting) {
            g_Walk.bOfferShown = true;
            xtest::Click(xtest::Control(nDialogId, CONTRACT_OFFER_BUTTON));
        }
        if (xtest::Dialog(nDialogId) != nullptr) {
            xtest::Focus(xtest::Dialog(nDialogId));
            xtest::Key("Escape");
        }
        break;
    default:
        Problem("an unexpected dialog " + std::to_string(nDialogId) + "; closed with Escape");
        xtest::Focus(xtest::Dialog(nDialogId));
        xtest::Key("Escape");
        break;
    }
}

// --- The watched game ------------------------------------------------------

bool Call_By_Key(const GAME* pGame, bool bOffense)
{
    xtest::Focus(xtest::Main_Window());
    return gui_support::Key_Any_Play(pGame, bOffense);
}

void On_Actor_Tick(int)
{
    if (g_Walk.bBusy || !Is_Awaiting_User_Play_Call())
        return;
    g_Walk.bBusy = true;
    ++g_Walk.nWaits;
    std::fprintf(stderr, "walk: wait %d\n", g_Walk.nWaits);
    const GAME* pGame = Get_Current_Game();
    const GAME_VIEW_CALLING Calling = Get_Game_View_Calling();
    const bool bOffense = Calling.nSide != CALLING_DEFENSE;
    if (!g_Walk.bClickCall && Calling.nSide != CALLING_KICKOFF) {
        Shot("05_game_calling");
        const CANVAS_RECT rcPage = Get_Main_Window_Areas().Page;
        for (int nSlot = 0; nSlot < GAME_VIEW_DIAGRAMS && !g_Walk.bClickCall; ++nSlot) {
            const CANVAS_RECT rc = Get_Game_View_Hot_Spot(rcPage, nSlot);
            xtest::Click(xtest::Main_Area(FRAME_PAGE), (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
            g_Walk.bClickCall = Call_Of(pGame, bOffense) != PLAY_NOT_CALLED &&
                                Call_Of(pGame, bOffense) == Get_Game_View_Play(Calling, nSlot);
        }
        if (!g_Walk.bClickCall)
            Problem("no play was called by a click");
    } else if (g_Walk.bClickCall && !g_Walk.bKeyCall && Calling.nSide != CALLING_KICKOFF) {
        g_Walk.bKeyCall = Call_By_Key(pGame, bOffense);
        if (!g_Walk.bKeyCall)
            Problem("no play was called by a digit key");
        Shot("06_game_after_key_call");
    } else if (g_Walk.bKeyCall) {
        // Finish Game: the rest of it simulated.
        Choose_Menu(CMD_FINISH_GAME, "Finish Game");
        if (Is_Awaiting_User_Play_Call() && !Call_By_Key(pGame, bOffense))
            Problem("a wait after Finish Game could not be answered");
    } else if (!Call_By_Key(pGame, bOffense)) {
        Problem("a kick-off call could not be made");
    }
    g_Walk.bBusy = false;
}

std::string So_Far()
{
    std::string Text = "problems:";
    for (const std::string& Line : g_Walk.Problems)
        Text += "\n  " + Line;
    Text += "\nboxes:";
    for (const std::string& Line : g_Walk.Boxes)
        Text += "\n  " + Line;
    return Text;
}

int Team_Named(const std::string& Name)
{
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        if (!Is_Team_Slot_Used(t))
            continue;
        char szHome[64], szNick[64];
        Get_Team_String(szHome, t, TEAM_STRING_CITY);
        Get_Team_String(szNick, t, TEAM_STRING_NICKNAME);
        if (std::string(szHome) + " " + szNick == Name)
            return t;
    }
    return -1;
}

// The user's turn in a round of the fantasy draft: his club on the clock,
// the box that told it ("Round N / Pick M") answered, and no window open
// over the main window, so that the computer's clubs are not picking.
bool Users_Turn_Told(int nUser, int nRound)
{
    bool bTold = false;
    for (const std::string& Title : g_Walk.Boxes)
        bTold = bTold || Title.rfind("Round " + std::to_string(nRound) + " / Pick ", 0) == 0;
    return bTold && Get_Fantasy_Draft_Club_On_The_Clock() == nUser && !gtk_probe::Modal_Open();
}

// The top window of the screen (the last mapped child of the root).
bool Top_Window(Display* pX, Window& Top, XWindowAttributes& Attributes)
{
    Window Root = 0, Parent = 0;
    Window* pChildren = nullptr;
    unsigned nChildren = 0;
    if (!XQueryTree(pX, DefaultRootWindow(pX), &Root, &Parent, &pChildren, &nChildren))
        return false;
    bool bFound = false;
    for (unsigned i = nChildren; i-- > 0 && !bFound;) {
        XWindowAttributes A;
        if (XGetWindowAttributes(pX, pChildren[i], &A) && A.map_state == IsViewable && A.c_class == InputOutput &&
            A.width > 50) {
            Top = pChildren[i];
            Attributes = A;
            bFound = true;
        }
    }
    if (pChildren != nullptr)
        XFree(pChildren);
    return bFound;
}

bool Wait_For_Log(const std::string& Log, const std::string& Line, int nSeconds)
{
    for (int i = 0; i < nSeconds * 20; ++i) {
        if (Contains(Read_Text_File(Log, ""), Line))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

void Shoot_Screen(const std::string& Name)
{
    GdkWindow* pRoot = gdk_get_default_root_window();
    GdkPixbuf* p = gdk_pixbuf_get_from_window(pRoot, 0, 0, gdk_window_get_width(pRoot), gdk_window_get_height(pRoot));
    if (p != nullptr) {
        gdk_pixbuf_save(p, gui_support::Screenshot_Path("walk_" + Name).c_str(), "png", nullptr, nullptr);
        g_object_unref(p);
    }
}

// A click at a point of the client area of another program's window.
void Click_Foreign(Display* pX, Window W, int x, int y)
{
    int xRoot = 0, yRoot = 0;
    Window Child = 0;
    XTranslateCoordinates(pX, W, DefaultRootWindow(pX), x, y, &xRoot, &yRoot, &Child);
    XSetInputFocus(pX, W, RevertToParent, CurrentTime);
    xtest::Click_At(xRoot, yRoot);
    XSync(pX, False);
}

// The program's own hooks the walk installs, as its main does, go when the
// walk ends, however it ends: a later test in the same process plays games
// of its own and does not expect the preview or the offer dialog.
struct WALK_HOOKS {
    WALK_HOOKS()
    {
        Install_Contract_Offer_Dialog();
        Install_Game_Preview();
    }
    ~WALK_HOOKS()
    {
        if (g_nSaveWatch != 0)
            g_source_remove(g_nSaveWatch);
        g_nSaveWatch = 0;
        gtk_probe::Set_Shown_Hook(nullptr);
        Set_Contract_Offer_Policy(nullptr);
        Set_Game_Preview_Hook(nullptr);
        dialogs::Set_Unattended(true);
    }
    WALK_HOOKS(const WALK_HOOKS&) = delete;
    WALK_HOOKS& operator=(const WALK_HOOKS&) = delete;
};

}  // namespace

TEST(GtkPlayerWalk, NewGameViewWatchPlayDraftSaveAndResumeWithRealInput)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_walk");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    // What the program's main installs besides: the window's side of the
    // requests, the contract offer and the game preview dialogs.
    Install_Main_Window_Requests(Save_Game);
    const WALK_HOOKS Hooks;
    ASSERT_TRUE(gui_support::Start_Not_Random());
    ASSERT_TRUE(gtk_probe::Wait_Drawn(gtk_probe::WINDOW_MAIN));
    // Someone at the keyboard from now on: every dialog waits for him.
    dialogs::Set_Unattended(false);
    g_Walk = WALK{};
    gtk_probe::Set_Shown_Hook(Answer);

    // A new game for Chicago, the name typed.
    Choose_Menu(CMD_NEW_GAME, "New Game");
    ASSERT_TRUE(g_Walk.bNewGameDone) << So_Far();
    const int nUser = Team_Named(USER_CLUB);
    ASSERT_GE(nUser, 0);
    EXPECT_TRUE(Is_Human_Team(nUser));
    char szOwner[64];
    Get_Team_String(szOwner, nUser, TEAM_STRING_OWNER);
    EXPECT_STREQ(szOwner, "Kim Lee");
    Shot("01_after_new_game");

    // Tools > Single Season Simulator, one season: the window is given back
    // as it was (its menus, the ticker), and File > Save Game by its key saves.
    {
        const std::string Ticker = Get_News_Bar().Text;
        Choose_Menu(CMD_SEASON_SIMULATOR, "Single Season Simulator");
        EXPECT_TRUE(g_Walk.bSimulated) << So_Far();
        EXPECT_EQ(Get_Current_Week(), 0);
        EXPECT_FALSE(Get_Main_Menu().bGameMenu);
        EXPECT_NE(gtk_internal::Menu_Item_Of(CMD_SAVE_GAME), nullptr);
        EXPECT_EQ(Get_News_Bar().Text, Ticker);
        xtest::Focus(xtest::Main_Window());
        xtest::Key("ctrl+s");
        xtest::Wait_Until([] { return fs::exists(std::string(SAVED_NAME) + ".zrt") && !gtk_probe::Modal_Open(); });
        if (g_nSaveWatch != 0) {
            g_source_remove(g_nSaveWatch);
            g_nSaveWatch = 0;
        }
        EXPECT_TRUE(fs::exists(std::string(SAVED_NAME) + ".zrt")) << So_Far();
        EXPECT_EQ(Get_News_Bar().Text, Ticker);
        Shot("01b_after_the_simulator_and_save");
    }

    // Tools > Fantasy Draft: the first round, the player's own pick made
    // from the list (Team > Sortable Stats), then the draft undone (End
    // Fantasy Draft, Cancel), so the season goes on with the clubs as they
    // were.
    {
        Choose_Menu(CMD_FANTASY_DRAFT_TOOL, "Fantasy Draft");
        EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), FANTASY_DRAFT_UNDER_WAY);
        // Each step waits for the user's turn it acts on, told and answered.
        EXPECT_TRUE(gui_support::Wait_Through_Fantasy_Picks([nUser] { return Users_Turn_Told(nUser, 1); }))
            << "the user's turn in round 1 did not come; " << So_Far();
        Shot("01c_fantasy_draft_the_players_turn");
        Choose_Menu(CMD_SORTABLE_STATS, "Sortable Stats");
        EXPECT_TRUE(g_Walk.bFantasyPick) << So_Far();
        EXPECT_TRUE(gui_support::Wait_Through_Fantasy_Picks([nUser] { return Users_Turn_Told(nUser, 2); }))
            << "the user's turn in round 2 did not come; " << So_Far();
        FANTASY_DRAFT_STATE State;
        Get_Fantasy_Draft_State(&State);
        EXPECT_EQ(State.nRound, 1) << "the first round was not drafted";
        Shot("01e_fantasy_draft_second_round");
        Choose_Menu(CMD_FANTASY_DRAFT, "End Fantasy Draft");
        xtest::Wait_Until([] { return Get_Universe_Stat(FANTASY_DRAFT_RUNNING) == 0 && !gtk_probe::Modal_Open(); });
        EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
        EXPECT_FALSE(Get_Main_Menu().bGameMenu);
    }

    // View Other Team: Dallas. The Calendar page follows the club viewed;
    // the status bar stays with the user's.
    g_Walk.ViewClub = OTHER_CLUB;
    Choose_Menu(CMD_VIEW_OTHER_TEAM, "View Other Team");
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_TEAM), Team_Named(OTHER_CLUB));
    Choose_Menu(CMD_PAGE_CALENDAR, "the Calendar page");
    EXPECT_EQ(Get_User_Preference(PREF_MAIN_PAGE), CMD_PAGE_CALENDAR);
    EXPECT_EQ(Get_Calendar_Page_Team(), Team_Named(OTHER_CLUB));
    // Its heading names the club and its record: "Dallas Wranglers (0-0)".
    EXPECT_TRUE(Contains(Page_Text(Layout_Calendar_Page()), std::string(OTHER_CLUB) + " ("))
        << Page_Text(Layout_Calendar_Page());
    Shot("03_calendar_of_the_viewed_club");
    // Back to the user's own club.
    g_Walk.ViewClub = USER_CLUB;
    Choose_Menu(CMD_VIEW_OTHER_TEAM, "View Other Team");
    EXPECT_EQ(Get_Calendar_Page_Team(), nUser);

    // The week's game marked to watch with a click on its row's mark.
    const int nWeek = Get_Current_Week();
    ASSERT_NE(Get_Team_Week_Home_Away(nUser, nWeek), WEEK_NO_GAME);
    {
        xtest::Settle(100);
        const PAGE_LAYOUT Layout = Layout_Calendar_Page();
        const PAGE_ROW* pRow = nullptr;
        for (const PAGE_ROW& Row : Layout.Rows)
            if (Row.nGroup == nWeek && pRow == nullptr)
                pRow = &Row;
        ASSERT_NE(pRow, nullptr);
        const CANVAS_RECT rc = Scale_Page_Rect(Get_Calendar_Watch_Hit_Box(pRow->Box), Get_Main_Window_Areas().Page);
        xtest::Click(xtest::Main_Area(FRAME_PAGE), (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
        EXPECT_EQ(Get_Calendar_PBP_Flag(nUser, nWeek), 1);
        Shot("04_calendar_game_marked");
    }

    // The week played: the game waits for the player's calls.
    Set_User_Preference(PREF_TEXT_SPEED, 0);
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 0);
    Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, 0);
    Set_Timer(ACTOR_TIMER, 10, On_Actor_Tick);
    Choose_Menu(CMD_PLAY_ONE_WEEK, "Play One Week");
    Kill_Timer(ACTOR_TIMER);
    EXPECT_EQ(g_Walk.nPreviews, 1);   // the marked game's
    EXPECT_TRUE(g_Walk.bClickCall);
    EXPECT_TRUE(g_Walk.bKeyCall);
    EXPECT_TRUE(g_Walk.bFinishAsked);
    EXPECT_GT(Get_Current_Week(), nWeek);
    Shot("06_after_the_week");

    // The Games page (F4) shows the watched final, the timeline live; once
    // another week is played the page shows that week's games.
    xtest::Focus(xtest::Main_Window());
    xtest::Key("F4");
    xtest::Wait_Until([] { return Get_User_Preference(PREF_MAIN_PAGE) == MAIN_PAGE_GAMES; });
    EXPECT_EQ(Get_User_Preference(PREF_MAIN_PAGE), MAIN_PAGE_GAMES);
    EXPECT_TRUE(Is_Game_View_Shown());
    EXPECT_TRUE(Is_Timeline_Active());
    Shot("06a_games_page_the_final");
    Choose_Menu(CMD_PLAY_ONE_WEEK, "Play One Week");
    xtest::Focus(xtest::Main_Window());
    xtest::Key("F4");
    xtest::Wait_Until([] { return !Is_Game_View_Shown(); });
    EXPECT_FALSE(Is_Game_View_Shown());
    Shot("06b_games_page_the_next_week");

    // On to the draft: through the playoffs (twice: the regular season,
    // then the playoffs), then a week into the off-season.
    Choose_Menu(CMD_PLAY_THROUGH_PLAYOFFS, "Through Playoffs");
    Choose_Menu(CMD_PLAY_THROUGH_PLAYOFFS, "Through Playoffs");
    Choose_Menu(CMD_PLAY_ONE_WEEK, "Play One Week");
    bool bPickBox = false;
    for (const std::string& Title : g_Walk.Boxes)
        bPickBox = bPickBox || Contains(Title, "Round 1");
    EXPECT_TRUE(bPickBox) << "no \"Make your draft pick\" box";
    Choose_Menu(CMD_COLLEGE_DRAFT, "College Draft");
    EXPECT_GE(g_Walk.nDraftDialogs, 1);
    ASSERT_FALSE(g_Walk.Drafted.empty());
    // "Draft" made the pick: his contract was offered and signed.
    EXPECT_TRUE(g_Walk.bOfferShown) << So_Far();
    // The Draft page (the page the draft shows) has the draft under way
    // with the pick made.
    EXPECT_EQ(Get_User_Preference(PREF_MAIN_PAGE), MAIN_PAGE_DRAFT);
    // The page turns to the round being picked; the pick made is in the
    // round of the user's first pick, shown by a click on that round's tab.
    {
        const PAGE_LAYOUT Page = Layout_Draft_Page();
        const PAGE_TEXT* pTab = nullptr;
        for (const PAGE_TEXT& Text : Page.Texts)
            if (Text.Text == "Rd 1")
                pTab = &Text;
        ASSERT_NE(pTab, nullptr) << Page_Text(Page);
        const CANVAS_RECT rc = Scale_Page_Rect(pTab->Box, Get_Main_Window_Areas().Page);
        xtest::Click(xtest::Main_Area(FRAME_PAGE), (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    }
    const std::string Draft = Page_Text(Layout_Draft_Page());
    EXPECT_TRUE(Contains(Draft, "2020 Draft, Round 1")) << Draft;
    // The list names him "Last, First"; the page may put him either way.
    const std::string Last = Contains(g_Walk.Drafted, ",") ? g_Walk.Drafted.substr(0, g_Walk.Drafted.find(','))
                                                           : g_Walk.Drafted.substr(g_Walk.Drafted.find_last_of(' ') + 1);
    EXPECT_TRUE(Contains(Draft, Last)) << "the Draft page does not show " << g_Walk.Drafted << ":\n" << Draft;
    EXPECT_TRUE(Contains(Draft, "Round")) << Draft;
    Shot("08_draft_page_with_the_pick");

    std::fprintf(stderr, "walk: draft checked\n");
    // Saved under a typed name.
    Choose_Menu(CMD_SAVE_GAME, "Save Game");
    if (g_nSaveWatch != 0) {
        g_source_remove(g_nSaveWatch);
        g_nSaveWatch = 0;
    }
    EXPECT_TRUE(fs::exists(std::string(SAVED_NAME) + ".zrt"));
    const std::string SavedTitle = Get_Main_Window_Title();
    Shot("10_saved");
    gtk_probe::Set_Shown_Hook(nullptr);
    for (const std::string& Text : g_Walk.Problems)
        ADD_FAILURE() << Text;
    dialogs::Set_Unattended(true);
    // Quit: the window goes.
    Destroy_Main_Window();
    xtest::Settle(200);

    // Started again as its own process on the same display; Resume Game
    // and Resume clicked in its windows.
    SCRATCH_FOLDER Output("gui_walk_out", false);
    process_runner::RUN_OPTIONS Options;
    const char* szDisplay = std::getenv("DISPLAY");
    Options.Env = {"KELVO_DATA=" + Data.Path(), std::string("DISPLAY=") + (szDisplay != nullptr ? szDisplay : "")};
    Options.Folder = Output.Path();
    Options.Output = Output.Path();
    Options.Limit = std::chrono::seconds(120);
    process_runner::CHILD Child = process_runner::Start(PROGRAM, {"IS_NOT_RANDOM"}, Options);
    ASSERT_GT(Child.nPid, 0);
    const std::string Log = Data.Path() + "/debug.txt";
    Display* pX = xtest::X_Display();
    bool bResumed = false;
    std::string ResumedTitle;
    if (Wait_For_Log(Log, "Dialog 100 first drawn", 60)) {
        Window Welcome = 0;
        XWindowAttributes A;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        if (Top_Window(pX, Welcome, A)) {
            Shoot_Screen("11_started_again");
            // "&Resume Game": its template rectangle in pixels, the middle.
            Click_Foreign(pX, Welcome, (79 + 31) * 6 / 4, (64 + 8) * 13 / 8);
            if (Wait_For_Log(Log, "Dialog 118 first drawn", 30)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                Window Resume = 0;
                if (Top_Window(pX, Resume, A)) {
                    Shoot_Screen("12_resume_game");
                    // The newest game is chosen: "&Resume".
                    Click_Foreign(pX, Resume, (140 + 25) * 6 / 4, (20 + 8) * 13 / 8);
                    bResumed = Wait_For_Log(Log, "Dialog 118 \"Resume Game\" ended with 1", 30);
                    std::this_thread::sleep_for(std::chrono::milliseconds(800));
                    Shoot_Screen("13_resumed");
                    Window Main = 0;
                    char* szName = nullptr;
                    if (Top_Window(pX, Main, A) && XFetchName(pX, Main, &szName) && szName != nullptr) {
                        ResumedTitle = szName;
                        XFree(szName);
                    }
                }
            }
        }
    }
    const std::string Text = Read_Text_File(Log, "");
    ::kill(Child.nPid, SIGTERM);
    process_runner::Wait(Child, std::chrono::seconds(10));
    EXPECT_TRUE(bResumed) << Text;
    // The window of the program started again shows the saved season.
    EXPECT_EQ(ResumedTitle, SavedTitle);
}
