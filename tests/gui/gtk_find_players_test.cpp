// Find Players, the pickers, History, the Hall Of Fame and the player card
// on the desktop with the default league: a search clicked on the real
// button fills the real list, and each dialog is captured once drawn
// (build/screenshots/) for people to look at.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "editors/find_players.h"
#include "editors/stat_pickers.h"
#include "editors/team_history.h"
#include "frontoffice/hall_of_fame.h"
#include "gui_support.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "pages/player_card.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"

namespace {

std::map<int, std::string> g_Names;
std::map<int, bool> g_Written;
int g_nFoundRows = -1;
bool g_bGoGetShown = false;

void Capture(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || g_Names.count(nDialogId) == 0 || g_Written[nDialogId])
        return;
    if (nDialogId == FIND_PLAYERS_DIALOG) {
        // The search through the real button; the rows reach the widget.
        const int nDraws = gtk_probe::Draw_Count(nKind, nDialogId);
        gtk_probe::Click_Button(nDialogId, FIND_BUTTON);
        gtk_probe::Wait_Draw_After(nKind, nDialogId, nDraws);
        gtk_probe::Run_For(200);
        g_nFoundRows = gtk_probe::Report_Rows(nDialogId, FIND_LIST);
        g_bGoGetShown = gtk_probe::Control_Visible(nDialogId, FIND_GO_GET_BUTTON);
    }
    g_Written[nDialogId] = gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path(g_Names[nDialogId]));
}

}  // namespace

TEST(GtkFindPlayers, TheSearchFillsTheDesktopListAndEachDialogIsCaptured)
{
    REQUIRE_DESKTOP();
    SCRATCH_FOLDER Data("gui_find_players");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    ASSERT_TRUE(gui_support::Start_Not_Random());

    // Three past seasons for the history, two members for the hall.
    Set_User_Preference(PREF_SEASON_INDEX, 3);
    for (int y = 0; y < 3; ++y) {
        Set_Team_Yearly_Int(0, y, 0, 510000 + 1000 * y);
        Set_Team_Yearly_Int(0, y, 1, y == 1 ? -2500000 : 4200000);
        Set_Team_Yearly_Int(0, y, 2, 3 + 8 * y);
        Set_Team_Yearly_Int(0, y, YEARLY_INT_FINISH, 5 - y);
        Set_Team_Yearly_Char(0, y, YEARLY_WINS, 11 - 3 * y);
        Set_Team_Yearly_Char(0, y, YEARLY_LOSSES, 6 + 3 * y);
        Set_Team_Yearly_Char(0, y, YEARLY_TIES, y == 2 ? 1 : 0);
    }
    for (int s = 0; s < 2; ++s) {
        ASSERT_TRUE(Add_Player_To_Hall_Of_Fame(0, s, 80 + s));
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, Count_Hall_Of_Fame_Members() - 1, VITAL_LONGEVITY,
                              Get_Current_Year() - 1 - s);
    }

    g_Names = {{FIND_PLAYERS_DIALOG, "dialog_find_players"},
               {OTHER_TEAM_DIALOG, "dialog_other_team"},
               {HISTORY_DIALOG, "dialog_history"},
               {HALL_OF_FAME_DIALOG, "dialog_hall_of_fame"},
               {PLAYER_CARD_DIALOG, "dialog_player_card"}};
    gtk_probe::Set_Shown_Hook(Capture);
    Do_Dialog(FIND_PLAYERS_DIALOG, "Find Players", Find_Players_Dialog);
    Do_Dialog(OTHER_TEAM_DIALOG, "Other Team", Other_Team_Dialog);
    Do_Dialog(HISTORY_DIALOG, "History", History_Dialog);
    Do_Dialog(HALL_OF_FAME_DIALOG, "Hall Of Fame", Hall_Of_Fame_Dialog);
    Show_Scouting_Report(0, 0);
    gtk_probe::Set_Shown_Hook(nullptr);
    for (const auto& [nId, Name] : g_Names)
        EXPECT_TRUE(g_Written[nId]) << Name;
    // The default fields (quarterbacks under 50 earning up to $99M) find
    // every quarterback of the league; the widget shows the model's rows.
    const DIALOG_RECORD* pFind = nullptr;
    for (const DIALOG_RECORD& Record : dialogs::Records())
        if (Record.nDialogId == FIND_PLAYERS_DIALOG)
            pFind = &Record;
    ASSERT_NE(pFind, nullptr);
    const DIALOG_CONTROL* pList = pFind->Find(FIND_LIST);
    ASSERT_NE(pList, nullptr);
    EXPECT_GT(pList->Rows.size(), 30u);
    EXPECT_EQ(g_nFoundRows, static_cast<int>(pList->Rows.size()));
    EXPECT_TRUE(g_bGoGetShown);
    Destroy_Main_Window();
}
