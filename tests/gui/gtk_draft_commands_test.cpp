// The drafts a player starts and ends, in the real window with real input:
// every menu item, radio button, check box and message-box button below is
// clicked with the pointer through the X server (XTEST). A fantasy draft is
// started from New Game ("Fantasy Draft" checked, then Start Fantasy Draft),
// kept with No, finished by the computer with Yes while the window's loop
// carries the picks; another, started from the Tools menu, is undone with
// Cancel; a college draft waiting for the user's pick is ended with End
// Draft.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "editors/fantasy_draft_dialog.h"
#include "gamefile/game_dialogs.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "season/college_draft.h"
#include "frontoffice/college_count.h"
#include "season/draft_state.h"
#include "season/fantasy_draft.h"
#include "shell/commands.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"
#include "xtest_input.h"

namespace {

// What the user clicks in each box, by its title; the rest get OK.
std::map<std::string, std::string> g_BoxAnswers;
std::vector<std::string> g_BoxesClicked;
std::vector<std::string> g_Problems;

void Problem(const std::string& Text)
{
    if (g_Problems.size() < 20)
        g_Problems.push_back(Text);
}

void Click_Control(int nDialogId, int nControl)
{
    if (!xtest::Click(xtest::Control(nDialogId, nControl)))
        Problem("dialog " + std::to_string(nDialogId) + " control " + std::to_string(nControl) + " took no click");
}

// The user's hand in the modal windows: each one is answered by clicks once
// it is drawn.
void On_Shown(int nKind, int nDialogId)
{
    if (nKind == gtk_probe::WINDOW_DIALOG && nDialogId == NEW_GAME_DIALOG) {
        Click_Control(NEW_GAME_DIALOG, NEW_GAME_FANTASY_DRAFT);
        GtkWidget* pCheck = xtest::Control(NEW_GAME_DIALOG, NEW_GAME_FANTASY_DRAFT);
        if (pCheck == nullptr || !GTK_IS_TOGGLE_BUTTON(pCheck) || !gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(pCheck)))
            Problem("the click left \"Fantasy Draft\" unchecked");
        Click_Control(NEW_GAME_DIALOG, NEW_GAME_PLAY);
    } else if (nKind == gtk_probe::WINDOW_DIALOG && nDialogId == START_FANTASY_DRAFT_DIALOG) {
        if (!gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path("start_fantasy_draft")))
            Problem("the Start Fantasy Draft screenshot was not written");
        Click_Control(START_FANTASY_DRAFT_DIALOG, FANTASY_FIRST_ALPHABETICAL);
        Click_Control(START_FANTASY_DRAFT_DIALOG, FANTASY_LATER_SNAKE_BUTTON);
        Click_Control(START_FANTASY_DRAFT_DIALOG, DIALOG_OK);
    } else if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        const std::string Title = gtk_probe::Window_Title(gtk_probe::WINDOW_MESSAGE_BOX, 0);
        const auto Found = g_BoxAnswers.find(Title);
        const std::string Button = Found != g_BoxAnswers.end() ? Found->second : "OK";
        g_BoxesClicked.push_back(Title + ": " + Button);
        if (!xtest::Click(xtest::Find_Button(gtk_internal::Message_Box_Window(), Button)))
            Problem("box \"" + Title + "\" has no button " + Button + " to click");
    }
}

// A menu item chosen as a person does, through the menu bar.
bool Click_Menu_Item(int nCommand)
{
    std::string Why;
    if (xtest::Click_Menu_Item(nCommand, Why))
        return true;
    Problem(Why);
    return false;
}

std::string Item_Label(int nCommand)
{
    GtkWidget* pItem = gtk_internal::Menu_Item_Of(nCommand);
    const char* szLabel = pItem != nullptr ? gtk_menu_item_get_label(GTK_MENU_ITEM(pItem)) : nullptr;
    return szLabel != nullptr ? szLabel : "";
}

// Runs the window's loop until the draft is over (its picks arrive as the
// window's own messages), or nMs pass.
bool Wait_Draft_Over(int nMs)
{
    for (int nWaited = 0; nWaited < nMs && Get_Universe_Stat(FANTASY_DRAFT_RUNNING) != 0; nWaited += 50)
        gtk_probe::Run_For(50);
    return Get_Universe_Stat(FANTASY_DRAFT_RUNNING) == 0;
}

// Team and slot of every player in use.
std::map<int, std::pair<int, int>> Where_Players_Are()
{
    std::map<int, std::pair<int, int>> Where;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t)
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            if (Get_Player_ID(t, s) > 0)
                Where[Get_Player_ID(t, s)] = {t, s};
    return Where;
}

class GtkDraftCommands : public ::testing::Test {
protected:
    SCRATCH_FOLDER Data{"gui_drafts"};

    // The program as its main starts it, on a fresh copy of the data.
    bool Start_Program()
    {
        if (!gui_support::Start_Attended(Data, Save_Game))
            return false;
        g_BoxAnswers.clear();
        g_BoxesClicked.clear();
        g_Problems.clear();
        gtk_probe::Set_Shown_Hook(On_Shown);
        return true;
    }
    void TearDown() override
    {
        gtk_probe::Set_Shown_Hook(nullptr);
        for (const std::string& Text : g_Problems)
            ADD_FAILURE() << Text;
        dialogs::Set_Unattended(true);
        Destroy_Main_Window();
    }
};

}  // namespace

TEST_F(GtkDraftCommands, FantasyDraftFromNewGameKeptWithNoFinishedWithYesAndAnotherCancelled)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    ASSERT_TRUE(Start_Program());

    // New Game, "Fantasy Draft" checked, Play; Start Fantasy Draft:
    // Alphabetical, Snake, OK. The user's club is told to pick.
    ASSERT_TRUE(Click_Menu_Item(CMD_NEW_GAME));
    ASSERT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 1);
    FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    EXPECT_EQ(State.nFirstRoundMode, 4);
    EXPECT_EQ(State.nLaterRoundMode, 5);
    const int nUser = Get_Fantasy_Draft_Club_On_The_Clock();
    ASSERT_NE(nUser, NO_TEAM);
    EXPECT_TRUE(Is_Human_Team(nUser));
    ASSERT_FALSE(g_BoxesClicked.empty());
    EXPECT_EQ(g_BoxesClicked.back().rfind("Round 1 / Pick ", 0), 0u) << g_BoxesClicked.back();
    EXPECT_EQ(Item_Label(CMD_FANTASY_DRAFT), "End _Fantasy Draft...");
    EXPECT_NE(gtk_probe::Window_Title(gtk_probe::WINDOW_MAIN, 0).find("Fantasy Draft"), std::string::npos);

    // No games meanwhile: One Week is refused.
    ASSERT_TRUE(Click_Menu_Item(CMD_PLAY_ONE_WEEK));
    EXPECT_EQ(g_BoxesClicked.back(), "Fantasy Draft: OK");
    EXPECT_EQ(Get_Current_Week(), 0);

    // End Fantasy Draft, No: the draft goes on.
    g_BoxAnswers["End Fantasy Draft"] = "No";
    ASSERT_TRUE(Click_Menu_Item(CMD_FANTASY_DRAFT));
    EXPECT_EQ(g_BoxesClicked.back(), "End Fantasy Draft: No");
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 1);

    // Yes: the computer picks for every club, the user's too, one pick per
    // turn of the window's loop, and the players move.
    g_BoxAnswers["End Fantasy Draft"] = "Yes";
    ASSERT_TRUE(Click_Menu_Item(CMD_FANTASY_DRAFT));
    EXPECT_EQ(g_BoxesClicked.back(), "End Fantasy Draft: Yes");
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 2);
    ASSERT_TRUE(Wait_Draft_Over(120000));
    for (int t = 0; t < Count_Teams(); ++t)
        EXPECT_GT(Count_Team_Players(t), 40) << t;
    EXPECT_EQ(Item_Label(CMD_FANTASY_DRAFT), "_Fantasy Draft...");
    EXPECT_EQ(Item_Label(CMD_COLLEGE_DRAFT), "College _Draft...");

    // Another, from the Tools menu, undone with Cancel: nobody moves.
    const auto Before = Where_Players_Are();
    ASSERT_TRUE(Click_Menu_Item(CMD_FANTASY_DRAFT));
    ASSERT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 1);
    // A few computer picks through the window's loop, to the user's turn.
    gtk_probe::Run_For(500);
    g_BoxAnswers["End Fantasy Draft"] = "Cancel";
    ASSERT_TRUE(Click_Menu_Item(CMD_FANTASY_DRAFT));
    EXPECT_EQ(g_BoxesClicked.back(), "End Fantasy Draft: Cancel");
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
    gtk_probe::Run_For(200);
    EXPECT_TRUE(Where_Players_Are() == Before);
    EXPECT_EQ(Item_Label(CMD_FANTASY_DRAFT), "_Fantasy Draft...");
}

TEST_F(GtkDraftCommands, CollegeDraftEndedWithEndDraft)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    ASSERT_TRUE(Start_Program());
    ASSERT_GT(Count_College_Players(), 0);
    // The off-season's draft, waiting for the user's club.
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    const int nYear = Get_Current_Year();
    Start_College_Draft();
    ASSERT_TRUE(Is_College_Draft_Running());
    ASSERT_FALSE(g_BoxesClicked.empty());
    EXPECT_EQ(g_BoxesClicked.back().rfind("Round 1: Pick #", 0), 0u) << g_BoxesClicked.back();
    Build_Main_Menu();
    xtest::Settle();
    ASSERT_TRUE(gtk_probe::Menu_Item_Sensitive(CMD_END_DRAFT));

    // End Draft, No: nothing happens.
    g_BoxAnswers["End College Draft?"] = "No";
    ASSERT_TRUE(Click_Menu_Item(CMD_END_DRAFT));
    EXPECT_EQ(g_BoxesClicked.back(), "End College Draft?: No");
    EXPECT_TRUE(Is_College_Draft_Running());
    const int nRound = Get_User_Preference(PREF_DRAFT_ROUND);
    EXPECT_EQ(nRound, 0);

    // Yes: every remaining pick by the computer, the user's club's too; the
    // next season is set up.
    g_BoxAnswers["End College Draft?"] = "Yes";
    ASSERT_TRUE(Click_Menu_Item(CMD_END_DRAFT));
    EXPECT_EQ(g_BoxesClicked.back().rfind("End College Draft?: Yes", 0) == 0 ||
                  g_BoxesClicked.back().rfind("College Draft: OK", 0) == 0,
              true)
        << g_BoxesClicked.back();
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 7);
    EXPECT_FALSE(Is_College_Draft_Running());
    char szReport[128];
    Get_Draft_Report_Path(szReport, sizeof(szReport), nYear);
    const std::string Report = Read_Text_File(files::Resolve_Path(szReport), "");
    EXPECT_NE(Report.find("= Seventh ROUND ="), std::string::npos) << szReport;
    gtk_probe::Run_For(100);
    EXPECT_FALSE(gtk_probe::Menu_Item_Sensitive(CMD_END_DRAFT));
}
