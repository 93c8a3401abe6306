// The League Editor on the desktop with the default league, in Commissioner
// Mode, opened through its menu command: the league's and the viewed club's
// fields show the records, the club list holds the 32 clubs with the viewed
// one selected and shown whole, a name typed on the real entry is stored when
// the editor closes with "&Done", and the editor is captured once drawn
// (build/screenshots/) for people to look at.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "editors/league_editor.h"
#include "gui_support.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"

namespace {

bool g_bWritten = false;
std::string g_Games;
std::string g_Nickname;
bool g_bGamesEditable = false;
bool g_bAddEnabled = false;
bool g_bTyped = false;
int g_nSelectedClub = -1;
bool g_bSelectedClubWhole = false;
int g_nSelectedAfterRefresh = -1;
bool g_bWholeAfterRefresh = false;

void Capture(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != LEAGUE_EDITOR_DIALOG || g_bWritten)
        return;
    g_Games = gtk_probe::Entry_Text(nDialogId, LE_GAMES_EDIT);
    g_Nickname = gtk_probe::Entry_Text(nDialogId, LE_NICKNAME_EDIT);
    g_bGamesEditable = gtk_probe::Control_Sensitive(nDialogId, LE_GAMES_EDIT);
    g_bAddEnabled = gtk_probe::Control_Sensitive(nDialogId, LE_ADD_BUTTON);
    g_nSelectedClub = gtk_probe::View_Selected_Row(nDialogId, LE_TEAM_LIST);
    g_bSelectedClubWhole = gtk_probe::View_Row_Shown_Whole(nDialogId, LE_TEAM_LIST, g_nSelectedClub);
    // Refresh fills the list again; the club stays in view.
    gtk_probe::Click_Button(nDialogId, LE_REFRESH_BUTTON);
    gtk_probe::Run_For(100);
    g_nSelectedAfterRefresh = gtk_probe::View_Selected_Row(nDialogId, LE_TEAM_LIST);
    g_bWholeAfterRefresh = gtk_probe::View_Row_Shown_Whole(nDialogId, LE_TEAM_LIST, g_nSelectedAfterRefresh);
    // Typing appends to the division's entry.
    g_bTyped = gtk_probe::Type_Into(nDialogId, LE_DIVISION_EDITS[0], "X");
    gtk_probe::Run_For(100);
    g_bWritten = gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path("dialog_league_editor"));
}

}  // namespace

TEST(GtkLeagueEditor, TheEditorShowsAndStoresOnTheDesktop)
{
    REQUIRE_DESKTOP();
    SCRATCH_FOLDER Data("gui_league_editor");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    ASSERT_TRUE(gui_support::Start_Not_Random());
    Set_User_Preference(PREF_COMMISSIONER_MODE, 1);
    ASSERT_EQ(Count_Teams(), 32);
    const int nGames = Get_Games_Per_Season();
    // The last club viewed: its row is below the list's first rows.
    const int nTeam = Count_Teams() - 1;
    Set_User_Preference(PREF_CURRENT_TEAM, nTeam);
    char szNickname[32];
    Get_Team_String(szNickname, nTeam, TEAM_STRING_NICKNAME);
    char szDivision[DIVISION_NAME_SIZE];
    Get_Division_Name(0, szDivision);

    gtk_probe::Set_Shown_Hook(Capture);
    EXPECT_TRUE(Dispatch_Main_Command(CMD_LEAGUE_EDITOR));
    gtk_probe::Set_Shown_Hook(nullptr);

    EXPECT_TRUE(g_bWritten);
    EXPECT_EQ(g_Games, std::to_string(nGames));
    EXPECT_EQ(g_Nickname, szNickname);
    EXPECT_EQ(g_bGamesEditable, Can_Edit_League_Structure());
    EXPECT_EQ(g_bAddEnabled, Can_Edit_League_Structure());
    EXPECT_TRUE(g_bTyped);
    // The viewed club is selected in the club list (every slot is used: its
    // row is its index) and shows whole, not cut at the list's edge.
    EXPECT_EQ(g_nSelectedClub, nTeam);
    EXPECT_TRUE(g_bSelectedClubWhole) << "club row " << g_nSelectedClub;
    EXPECT_EQ(g_nSelectedAfterRefresh, nTeam);
    EXPECT_TRUE(g_bWholeAfterRefresh) << "club row " << g_nSelectedAfterRefresh << " after Refresh";
    // Closed with "&Done": the typed name is kept (cut to 11 characters).
    char szAfter[DIVISION_NAME_SIZE];
    Get_Division_Name(0, szAfter);
    EXPECT_EQ(std::string(szAfter), (std::string(szDivision) + "X").substr(0, DIVISION_NAME_SIZE - 1));
    EXPECT_EQ(Count_Teams(), 32);
    EXPECT_EQ(Get_Games_Per_Season(), nGames);
    Destroy_Main_Window();
}
