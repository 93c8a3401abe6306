// Screenshots of the player lists on the desktop (build/screenshots/):
// Sortable Stats on "All Active Players" of the default league, Free Agents,
// the College Draft list and the contract offer, each with its real
// procedure, captured once drawn.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "editors/sortable_stats.h"
#include "frontoffice/player_moves.h"
#include "gui_support.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "season/fantasy_draft.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"

namespace {

std::map<int, std::string> g_Names;
std::map<int, bool> g_Written;
std::map<int, DIALOG_RECORD> g_Shown;

void Capture(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || g_Names.count(nDialogId) == 0 || g_Written[nDialogId])
        return;
    gtk_probe::Run_For(100);
    g_Written[nDialogId] = gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path(g_Names[nDialogId]));
}

}  // namespace

TEST(GtkPlayerLists, SortableStatsFreeAgentsCollegeDraftAndTheContractOffer)
{
    REQUIRE_DESKTOP();
    SCRATCH_FOLDER Data("gui_player_lists");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    ASSERT_TRUE(gui_support::Start_Not_Random());
    ASSERT_TRUE(gtk_probe::Wait_Drawn(gtk_probe::WINDOW_MAIN));
    // The user runs club 0.
    Set_Team_Stat(0, TEAM_STAT_CONTROLLER, 1);
    Set_User_Preference(PREF_SELECTED_TEAM, 0);
    Set_User_Preference(PREF_CURRENT_TEAM, -1);
    Set_Sortable_Stats_Group(GROUP_ALL_ACTIVE);
    Set_User_Preference(PREF_FANTASY_LIST_POSITION, 15);   // any position

    g_Names = {{SORTABLE_STATS_DIALOG, "dialog_sortable_stats_all_active"},
               {FREE_AGENTS_DIALOG, "dialog_free_agents"},
               {COLLEGE_DRAFT_DIALOG, "dialog_college_draft"},
               {CONTRACT_OFFER_DIALOG_ID, "dialog_contract_offer"}};
    gtk_probe::Set_Shown_Hook(Capture);
    Run_Sortable_Stats(SORTABLE_STATS_DIALOG);
    const DIALOG_RECORD AllActive = dialogs::Records().back();
    Run_Sortable_Stats(FREE_AGENTS_DIALOG);
    Run_Sortable_Stats(COLLEGE_DRAFT_DIALOG);
    const DIALOG_RECORD Draft = dialogs::Records().back();
    Contract_Offer_Dialog(FREE_AGENT_TEAM, 0);
    gtk_probe::Set_Shown_Hook(nullptr);
    for (const auto& [nId, Name] : g_Names)
        EXPECT_TRUE(g_Written[nId]) << Name;

    EXPECT_EQ(AllActive.Final_Title, "Sortable Stats: All Active Players");
    const DIALOG_CONTROL* pList = AllActive.Find(IDC_SS_LIST);
    ASSERT_NE(pList, nullptr);
    // Every player of the clubs and the free agents, none of the pools.
    int nExpected = 0;
    for (int t = 0; t <= FREE_AGENT_TEAM; ++t)
        if (t == FREE_AGENT_TEAM || Is_Team_Slot_Used(t))
            nExpected += Count_Team_Players(t);
    EXPECT_EQ(static_cast<int>(pList->Rows.size()), nExpected);
    EXPECT_EQ(Draft.Final_Title, "College Draft");
    Destroy_Main_Window();
}
