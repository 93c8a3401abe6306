// The Offense and Defense views on the desktop with the default league:
// the user's club's depth chart in the real report list, the Defense view
// opened from the Offense view's button, each captured once drawn
// (build/screenshots/).

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "frontoffice/team_views.h"
#include "gui_support.h"
#include "league/human_teams.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"

namespace {

using gui_support::g_ShotNames;
using gui_support::g_ShotWritten;

}  // namespace

TEST(GtkTeamViews, OffenseAndDefenseShowTheUsersDepthChart)
{
    REQUIRE_DESKTOP();
    SCRATCH_FOLDER Data("gui_team_views");
    ASSERT_TRUE(gui_support::Prepare_League(Data));
    ASSERT_TRUE(gui_support::Start_Not_Random());

    g_ShotNames = {{OFFENSE_VIEW_DIALOG, "dialog_offense_view"}, {DEFENSE_VIEW_DIALOG, "dialog_defense_view"}};
    g_ShotWritten.clear();
    gtk_probe::Set_Shown_Hook(gui_support::Capture_Named_Dialog);
    DIALOG_ACTION Other;
    Other.nKind = ACTION_PRESS;
    Other.nControl = TEAM_VIEW_OTHER_BUTTON;
    dialogs::Queue_Action(OFFENSE_VIEW_DIALOG, Other);
    const int nUser = Get_Nth_Human_Team(0);
    EXPECT_EQ(Show_Offense_View(nUser), DIALOG_OK);
    gtk_probe::Set_Shown_Hook(nullptr);
    for (const auto& [nId, Name] : g_ShotNames)
        EXPECT_TRUE(g_ShotWritten[nId]) << Name;

    // Both ran, the Defense view first (it closed inside the Offense view's
    // run); each listed its side's starters of the user's club.
    ASSERT_GE(dialogs::Records().size(), 2u);
    const DIALOG_RECORD& Defense = dialogs::Records()[dialogs::Records().size() - 2];
    const DIALOG_RECORD& Offense = dialogs::Records().back();
    EXPECT_EQ(Defense.nDialogId, DEFENSE_VIEW_DIALOG);
    EXPECT_EQ(Offense.nDialogId, OFFENSE_VIEW_DIALOG);
    for (const DIALOG_RECORD* pRecord : {&Defense, &Offense}) {
        const DIALOG_CONTROL* pClubs = pRecord->Find(TEAM_VIEW_CLUB_COMBO);
        ASSERT_NE(pClubs, nullptr);
        ASSERT_GE(pClubs->nSelected, 0);
        EXPECT_EQ(pClubs->ItemData[static_cast<size_t>(pClubs->nSelected)], nUser);
        const DIALOG_CONTROL* pList = pRecord->Find(TEAM_VIEW_LIST);
        ASSERT_NE(pList, nullptr);
        int nStarters = 0;
        for (const DIALOG_ROW& Row : pList->Rows)
            nStarters += Row.Cells[TEAM_VIEW_COLUMN_STATUS] == "Starter";
        // 11 on a side and its kicker or punter, when nobody is hurt.
        EXPECT_EQ(nStarters, 12) << pRecord->nDialogId;
    }
    EXPECT_EQ(Offense.Find(TEAM_VIEW_LIST)->Rows.front().Cells[TEAM_VIEW_COLUMN_POSITION], "QB");
    EXPECT_EQ(Defense.Find(TEAM_VIEW_LIST)->Rows.front().Cells[TEAM_VIEW_COLUMN_POSITION], "DE");
    Destroy_Main_Window();
}
