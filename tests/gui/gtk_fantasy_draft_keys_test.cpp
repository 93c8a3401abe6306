// A fantasy draft made with the keyboard alone, under a window manager
// (openbox), every key a real press sent through the X server: Tools >
// Fantasy Draft and Team > Sortable Stats by their letters, the players
// nobody has drafted chosen in the club list with the arrow keys, and three
// players drafted with the arrow keys, Space and Alt+D. At each opening
// (once more at the end, by the mouse) the keyboard's focus shows on the
// player list; the arrow keys in the club
// list keep the focus there and never stop on an empty entry; "Draft" and
// "Done" each have a letter of their own, and after a pick the keys are
// back in the list. Screenshot: build/screenshots/fantasy_draft_keys.png.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "draft_steps.h"
#include "editors/fantasy_draft_dialog.h"
#include "editors/player_list_view.h"
#include "editors/sortable_stats.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/gtk/gtk_internal.h"
#include "platform/main_frame.h"
#include "platform/ui.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "test_support.h"
#include "window_manager.h"
#include "xtest_input.h"

namespace {

struct KEYS_RUN {
    int nUser = -1;                    // the user's club
    int nOpenings = 0;
    int nPrompts = 0;                  // the user's turns told ("Round 1 / Pick 5") and answered
    std::vector<std::string> Drafted;  // the Name cells of the rows drafted
    std::vector<std::string> ClubSteps;   // the club list's entry after each arrow key
    std::vector<std::string> Problems;
};
KEYS_RUN g_Keys;

void Problem(const std::string& Text)
{
    if (g_Keys.Problems.size() < 30)
        g_Keys.Problems.push_back(Text);
}

// Whether the keyboard's focus is in pWidget (or a widget inside it, as a
// combo box's button).
bool Focus_In(int nDialogId, GtkWidget* pWidget)
{
    GtkWidget* pWindow = xtest::Dialog(nDialogId);
    GtkWidget* pFocus = pWindow != nullptr ? gtk_window_get_focus(GTK_WINDOW(pWindow)) : nullptr;
    return pFocus != nullptr && pWidget != nullptr && (pFocus == pWidget || gtk_widget_is_ancestor(pFocus, pWidget));
}

// The focus on the player list, drawn, on a row of it when it has rows.
void Check_Focus_On_List(int nDialogId, const std::string& When)
{
    GtkWidget* pList = xtest::Control(nDialogId, IDC_SS_LIST);
    xtest::Wait_Until([&] { return pList != nullptr && gtk_widget_has_visible_focus(pList); }, xtest::WAIT_MS / 3);
    if (!Focus_In(nDialogId, pList))
        Problem(When + ": the keyboard's focus is not on the player list; " + window_manager::Focus_Report());
    else if (!gtk_widget_has_visible_focus(pList))
        Problem(When + ": the player list has the focus but does not show it");
    if (gtk_probe::Report_Rows(nDialogId, IDC_SS_LIST) > 0 && gtk_probe::View_Cursor_Row(nDialogId, IDC_SS_LIST) < 0)
        Problem(When + ": the player list has no row for the keys");
}

std::string Club_Entry(int nDialogId)
{
    GtkWidget* pCombo = xtest::Control(nDialogId, IDC_SS_GROUP);
    gchar* szText = pCombo != nullptr ? gtk_combo_box_text_get_active_text(GTK_COMBO_BOX_TEXT(pCombo)) : nullptr;
    const std::string Text = szText != nullptr ? szText : "(none)";
    g_free(szText);
    return Text;
}

void Check_Caption(int nDialogId, int nControl, const std::string& Caption, char cLetter)
{
    std::string Shown;
    char cShown = 0;
    if (!gtk_probe::Control_Caption(nDialogId, nControl, Shown, cShown) || Shown != Caption || cShown != cLetter)
        Problem("control " + std::to_string(nControl) + " shows \"" + Shown + "\" with the letter '" +
                std::string(1, cShown ? cShown : '-') + "', not \"" + Caption + "\" with '" + std::string(1, cLetter) +
                "'");
}

// The user's turn, the state every key of a pick acts on: his club on the
// clock, its turn told (more boxes than nPrompts answered) and no box open,
// so that the computer's clubs are not picking meanwhile.
bool Users_Turn(int nPrompts)
{
    return g_Keys.nPrompts > nPrompts && gtk_internal::Message_Box_Window() == nullptr &&
           Get_Fantasy_Draft_Club_On_The_Clock() == g_Keys.nUser;
}

// A row chosen with a key, drafted with Alt+D; then the computer clubs pick
// until the user's turn comes back with its box (answered with Enter), and
// the keys are in the list again.
void Draft_By_Keys(int nDialogId, const std::string& Choose)
{
    // The turn told last is still the user's, its box answered.
    if (!Users_Turn(g_Keys.nPrompts - 1)) {
        Problem("before " + Choose + " it is not the user's turn");
        return;
    }
    GtkWidget* pList = xtest::Control(nDialogId, IDC_SS_LIST);
    const int nBefore = xtest::Selected_Row(pList);
    xtest::Key(Choose);
    xtest::Wait_Until([&] { return xtest::Selected_Row(pList) >= 0 && xtest::Selected_Row(pList) != nBefore; },
                      xtest::WAIT_MS / 3);
    const int nRow = xtest::Selected_Row(pList);
    if (nRow < 0) {
        Problem(Choose + " chose no player");
        return;
    }
    Check_Caption(nDialogId, IDC_SS_RELEASE, "Draft", 'd');
    Check_Caption(nDialogId, IDC_SS_DONE, "Done", 'o');
    const std::string Name = gtk_probe::Report_Cell(nDialogId, IDC_SS_LIST, nRow, 0);
    const int nPrompts = g_Keys.nPrompts;
    xtest::Key("alt+d");
    if (!gui_support::Wait_Through_Fantasy_Picks([nPrompts] { return Users_Turn(nPrompts); })) {
        Problem("after Alt+D on " + Name + " the user's turn did not come back");
        return;
    }
    g_Keys.Drafted.push_back(Name);
    Check_Focus_On_List(nDialogId, "after drafting " + Name);
}

// Every entry of the club list shows a name; one of blanks only is drawn
// as the divider between the clubs and the groups, never as an entry.
void Check_No_Empty_Entry(int nDialogId)
{
    GtkWidget* pCombo = xtest::Control(nDialogId, IDC_SS_GROUP);
    GtkTreeModel* pModel = pCombo != nullptr ? gtk_combo_box_get_model(GTK_COMBO_BOX(pCombo)) : nullptr;
    GtkTreeViewRowSeparatorFunc pDivider =
        pCombo != nullptr ? gtk_combo_box_get_row_separator_func(GTK_COMBO_BOX(pCombo)) : nullptr;
    GtkTreeIter Iter;
    int nDividers = 0;
    for (bool bMore = pModel != nullptr && gtk_tree_model_get_iter_first(pModel, &Iter); bMore;
         bMore = gtk_tree_model_iter_next(pModel, &Iter)) {
        gchar* szText = nullptr;
        gtk_tree_model_get(pModel, &Iter, 0, &szText, -1);
        const std::string Text = szText != nullptr ? szText : "";
        g_free(szText);
        if (Text.find_first_not_of(' ') != std::string::npos)
            continue;
        if (pDivider != nullptr && pDivider(pModel, &Iter, nullptr))
            ++nDividers;
        else
            Problem("the club list shows an empty entry");
    }
    if (nDividers != 1)
        Problem("the club list has " + std::to_string(nDividers) + " dividers, not one");
}

void Club_Key(int nDialogId, const std::string& Key)
{
    const std::string Before = Club_Entry(nDialogId);
    xtest::Key(Key);
    // Each of these keys moves the entry, except one at either end.
    xtest::Wait_Until([&] { return Club_Entry(nDialogId) != Before; }, xtest::WAIT_MS / 6);
    g_Keys.ClubSteps.push_back(Club_Entry(nDialogId));
    if (!Focus_In(nDialogId, xtest::Control(nDialogId, IDC_SS_GROUP)))
        Problem(Key + " in the club list took the focus away: " + window_manager::Focus_Report());
}

void In_The_List(int nDialogId)
{
    ++g_Keys.nOpenings;
    Check_Focus_On_List(nDialogId, "opening " + std::to_string(g_Keys.nOpenings));
    if (g_Keys.nOpenings == 1) {
        Check_No_Empty_Entry(nDialogId);
        // Tab to the club list; End and the arrows to the players nobody
        // has drafted, past the clubs and back.
        xtest::Key("Tab");
        xtest::Wait_Until([&] { return Focus_In(nDialogId, xtest::Control(nDialogId, IDC_SS_GROUP)); },
                          xtest::WAIT_MS / 3);
        if (!Focus_In(nDialogId, xtest::Control(nDialogId, IDC_SS_GROUP)))
            Problem("Tab from the player list did not reach the club list");
        for (const char* szKey : {"End", "Up", "Up", "Up", "Down", "Down"})
            Club_Key(nDialogId, szKey);
        xtest::Key("shift+Tab");
        Check_Focus_On_List(nDialogId, "Shift+Tab back from the club list");
        gui_support::Capture_Named_Dialog(gtk_probe::WINDOW_DIALOG, nDialogId);
        Draft_By_Keys(nDialogId, "Down");
        Draft_By_Keys(nDialogId, "Down");
    } else if (g_Keys.nOpenings == 3) {
        // Opened with the mouse: no key has reached the dialog yet, and its
        // focus shows all the same (checked above). Closed with Escape.
        xtest::Key("Escape");
        return;
    } else {
        // Opened again on the players nobody has drafted: the first of
        // them chosen with Space.
        if (Club_Entry(nDialogId) != "Undrafted Players")
            Problem("opened again on \"" + Club_Entry(nDialogId) + "\"");
        if (gtk_probe::View_Cursor_Row(nDialogId, IDC_SS_LIST) != 0)
            Problem("opened again with the keys on row " +
                    std::to_string(gtk_probe::View_Cursor_Row(nDialogId, IDC_SS_LIST)));
        Draft_By_Keys(nDialogId, "space");
    }
    // Done by its letter.
    xtest::Key("alt+o");
}

void Answer(int nKind, int nDialogId)
{
    // The keys wait until the manager has given the window shown the keyboard.
    GtkWidget* pShown = window_manager::Shown_Window(nKind, nDialogId);
    if (pShown != nullptr && !window_manager::Has_Focus(pShown, xtest::WAIT_MS / 3))
        Problem("window " + std::to_string(nDialogId) + " did not take the keyboard: " +
                window_manager::Focus_Report());
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        // "Round %d / Pick %d": the user's turn.
        const std::string Title = gtk_probe::Window_Title(gtk_probe::WINDOW_MESSAGE_BOX);
        if (Title.rfind("Round ", 0) == 0)
            ++g_Keys.nPrompts;
        xtest::Key("Return");
        return;
    }
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    if (nDialogId == SORTABLE_STATS_DIALOG) {
        In_The_List(nDialogId);
    } else {
        // Start Fantasy Draft: the orders offered. Nothing else opens.
        if (nDialogId != START_FANTASY_DRAFT_DIALOG)
            Problem("dialog " + std::to_string(nDialogId) + " opened");
        xtest::Key("Return");
    }
}

struct HOOKS : gui_support::ANSWERING_HOOK {
    HOOKS() : ANSWERING_HOOK(Answer) {}
};

}  // namespace

TEST(GtkFantasyDraftKeys, ThreePlayersDraftedByKeysAloneWithTheFocusWhereTheKeysAre)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_fantasy_draft_keys");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    WINDOW_MANAGER Manager;
    ASSERT_TRUE(Manager.Start()) << Manager.Problem();
    const int nUser = gui_support::First_User_Team();
    ASSERT_GE(nUser, 0);
    g_Keys = KEYS_RUN{};
    g_Keys.nUser = nUser;
    gui_support::g_ShotNames = {{SORTABLE_STATS_DIALOG, "fantasy_draft_keys"}};
    gui_support::g_ShotWritten.clear();
    const HOOKS Hooks;
    // The player clicks into the window once, as on any desktop.
    xtest::Click(xtest::Main_Area(FRAME_PAGE));

    // Tools > Fantasy Draft; Enter takes the orders offered; the computer
    // clubs pick until the user's turn, which a box tells.
    EXPECT_EQ(window_manager::Choose_By_Letters("o", CMD_FANTASY_DRAFT_TOOL, "f"), "");
    ASSERT_TRUE(gui_support::Wait_Through_Fantasy_Picks([] { return Users_Turn(0) && !gtk_probe::Modal_Open(); }))
        << "the user's first turn did not come";
    EXPECT_EQ(g_Keys.nPrompts, 1);

    // Team > Sortable Stats, twice: two players drafted at the first
    // opening, one at the second.
    for (int nOpening = 1; nOpening <= 2; ++nOpening) {
        EXPECT_EQ(window_manager::Choose_By_Letters("t", CMD_SORTABLE_STATS, "r"), "");
        EXPECT_TRUE(xtest::Wait_Until([nOpening] { return g_Keys.nOpenings == nOpening && !gtk_probe::Modal_Open(); },
                                      6 * xtest::WAIT_MS))
            << "opening " << nOpening;
    }
    // Once more, with the mouse through the menu bar.
    std::string Why;
    EXPECT_TRUE(xtest::Click_Menu_Item(CMD_SORTABLE_STATS, Why)) << Why;
    EXPECT_TRUE(xtest::Wait_Until([] { return g_Keys.nOpenings == 3 && !gtk_probe::Modal_Open(); }, 2 * xtest::WAIT_MS));
    for (const std::string& Text : g_Keys.Problems)
        ADD_FAILURE() << Text;

    // End, Up: the last group but one; Up: the group before; Up: past the
    // divider to the last club; Down twice: back, again past the divider.
    ASSERT_EQ(g_Keys.ClubSteps.size(), 6u);
    EXPECT_EQ(g_Keys.ClubSteps[0], "All Active Players");
    EXPECT_EQ(g_Keys.ClubSteps[1], "Undrafted Players");
    EXPECT_EQ(g_Keys.ClubSteps[2], "Drafted Players");
    int nLastClub = -1;
    for (int t = 0; t < MAX_FRANCHISES; ++t)
        if (Is_Team_Slot_Used(t))
            nLastClub = t;
    char szLastClub[TEXT_BUFFER_SIZE] = "";
    Get_Team_Full_Name(nLastClub, szLastClub);
    EXPECT_EQ(g_Keys.ClubSteps[3], szLastClub);
    EXPECT_EQ(g_Keys.ClubSteps[4], "Drafted Players");
    EXPECT_EQ(g_Keys.ClubSteps[5], "Undrafted Players");

    // The three players chosen, and only they, are the user's club's.
    ASSERT_EQ(g_Keys.Drafted.size(), 3u);
    std::vector<std::string> Picked;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Is_Player_Slot_Used(t, s) && Get_Player_Drafted_By(t, s) == nUser) {
                std::string Name;
                Format_Stat_Cell(&Name, 0, t, s);
                Picked.push_back(Name);
            }
    std::vector<std::string> Drafted = g_Keys.Drafted;
    std::sort(Drafted.begin(), Drafted.end());
    std::sort(Picked.begin(), Picked.end());
    EXPECT_EQ(Picked, Drafted);
    EXPECT_TRUE(gui_support::g_ShotWritten[SORTABLE_STATS_DIALOG]);
    Close_Fantasy_Draft();
    Destroy_Main_Window();
}
