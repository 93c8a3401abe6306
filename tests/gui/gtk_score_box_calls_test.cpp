// The corner score box and the remade calls of a watched game, in the real
// window with real input through the X server: the user's club's game is
// watched, a play is called with a click of the pointer on its diagram, and
// at the next wait Options is opened and both automatic-calling combos are
// switched to "Automatic" with the pointer and the keyboard; the main window
// then makes the open calls at once and the game plays on without waiting.
// After every play told, the corner box holds the game's score (field goals
// and extra points too).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editors/game_preview.h"
#include "editors/options_dialog.h"
#include "engine/game_driver.h"
#include "engine/game_state.h"
#include "engine/watched_game.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/game_record.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team_schedule.h"
#include "pages/game_view.h"
#include "pages/score_boxes.h"
#include "platform/dialogs.h"
#include "platform/main_frame.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "shell/commands.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"
#include "xtest_input.h"

namespace {

constexpr int ACTOR_TIMER = 0x5744;
constexpr int ACTOR_TICK_MS = 5;

struct ACTOR {
    int nUserTeam = -1;
    int nWaits = 0;
    int nWaitsAfterOptions = 0;
    bool bClickCalled = false;
    bool bOptionsDone = false;
    bool bCallsMade = false;
    bool bBusy = false;
    int nPlaysTold = 0;
    int nStaleBoxes = 0;
    int nKicksChecked = 0;   // field goals and extra points told with the box checked
    std::vector<std::string> Problems;
};
ACTOR g_Actor;

void Problem(const std::string& Text)
{
    if (g_Actor.Problems.size() < 20)
        g_Actor.Problems.push_back(Text);
}

// Picks "Automatic" in a Manual/Automatic combo as a person would: a click
// opens its list on the current item, Down moves to the next, Return takes it.
void Choose_Automatic(int nControl)
{
    GtkWidget* pCombo = xtest::Control(OPTIONS_DIALOG, nControl);
    if (pCombo == nullptr) {
        Problem("no combo " + std::to_string(nControl));
        return;
    }
    if (!xtest::Open_Combo(pCombo))
        Problem("the list of combo " + std::to_string(nControl) + " did not open");
    xtest::Key("Down");
    xtest::Key("Return");
    xtest::Wait_Combo_Closed(pCombo);
}

void On_Shown(int nKind, int nDialogId)
{
    // Any box (a game's preview, a notice) takes its default answer.
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        gtk_probe::Send_Key(gtk_probe::WINDOW_MESSAGE_BOX, 0, "Return");
        return;
    }
    if (nKind != gtk_probe::WINDOW_DIALOG)
        return;
    if (nDialogId != OPTIONS_DIALOG) {
        // Nobody here answers it: noted and closed, so the week goes on
        // (the preview ignores Escape; only its buttons close it).
        Problem("an unexpected dialog " + std::to_string(nDialogId) + "; closed");
        if (nDialogId == GAME_PREVIEW_DIALOG)
            gtk_probe::Click_Button(GAME_PREVIEW_DIALOG, PREVIEW_SIMULATE_BUTTON);
        else
            gtk_probe::Send_Key(gtk_probe::WINDOW_DIALOG, nDialogId, "Escape");
        return;
    }
    Choose_Automatic(OPT_OFFENSE_CALLS_COMBO);
    Choose_Automatic(OPT_DEFENSE_CALLS_COMBO);
    GtkWidget* pDone = xtest::Control(OPTIONS_DIALOG, OPT_DONE_BUTTON);
    if (pDone == nullptr || !xtest::Click(pDone))
        Problem("Done could not be clicked");
}

// A click of the pointer in the middle of a diagram of the page area.
bool Click_Diagram(int nSlot)
{
    const CANVAS_RECT rc = Get_Game_View_Hot_Spot(Get_Main_Window_Areas().Page, nSlot);
    return xtest::Click(xtest::Main_Area(FRAME_PAGE), (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
}

void On_Actor_Tick(int)
{
    if (g_Actor.bBusy || !Is_Awaiting_User_Play_Call())
        return;
    g_Actor.bBusy = true;
    ++g_Actor.nWaits;
    const GAME* pGame = Get_Current_Game();
    if (g_Actor.bOptionsDone) {
        ++g_Actor.nWaitsAfterOptions;
        Fill_Open_Calls_With_Computer();
    } else if (!g_Actor.bClickCalled) {
        const GAME_VIEW_CALLING Calling = Get_Game_View_Calling();
        const bool bOffense = Calling.nSide != CALLING_DEFENSE;
        for (int nSlot = 0; nSlot < GAME_VIEW_DIAGRAMS && !g_Actor.bClickCalled; ++nSlot) {
            if (Get_Game_View_Play(Calling, nSlot) < 0)
                continue;
            if (!Click_Diagram(nSlot)) {
                Problem("the pointer could not click the page");
                break;
            }
            const int nCall = bOffense ? pGame->CurrentPlay.nOffenseCall : pGame->CurrentPlay.nDefenseCall;
            g_Actor.bClickCalled = nCall == Get_Game_View_Play(Calling, nSlot);
        }
        if (!g_Actor.bClickCalled) {
            Problem("no click called a play");
            Fill_Open_Calls_With_Computer();
        }
    } else {
        // Options, automatic calls: the main window makes the open calls.
        if (!gtk_probe::Activate_Menu_Item(CMD_OPTIONS))
            Problem("the game's menu offers no Options");
        g_Actor.bOptionsDone = true;
        g_Actor.bCallsMade = Get_User_Preference(PREF_AUTO_OFFENSE_CALLS) == 1 &&
                             Get_User_Preference(PREF_AUTO_DEFENSE_CALLS) == 1 && !Is_Awaiting_User_Play_Call() &&
                             pGame->CurrentPlay.nOffenseCall != PLAY_NOT_CALLED &&
                             pGame->CurrentPlay.nDefenseCall != PLAY_NOT_CALLED;
        if (!g_Actor.bCallsMade)
            Fill_Open_Calls_With_Computer();
    }
    g_Actor.bBusy = false;
}

// The shell's view, wrapped: at the first frame of each play told, the
// corner box must already hold the score the play left.
WATCHED_GAME_VIEW g_ShellView;

int Check_Box_And_Paint(int nFrame, bool bFinal)
{
    const GAME* pGame = Get_Current_Game();
    if (nFrame == 0 && !bFinal && pGame != nullptr) {
        ++g_Actor.nPlaysTold;
        const SCORE_BOX& Box = Get_Score_Box();
        const bool bFresh = Box.bShown && Box.nScore[0] == pGame->nScore[0] && Box.nScore[1] == pGame->nScore[1];
        g_Actor.nStaleBoxes += bFresh ? 0 : 1;
        const int nResult = Get_Play_Result(&pGame->CurrentPlay);
        if (nResult == RESULT_FIELD_GOAL_GOOD || nResult == RESULT_EXTRA_POINT_GOOD)
            ++g_Actor.nKicksChecked;
    }
    return g_ShellView.pfnPaintPlayTextBox(nFrame, bFinal);
}

}  // namespace

TEST(GtkScoreBoxAndCalls, OptionsRemakeTheCallsAndTheBoxFollowsEveryScore)
{
    REQUIRE_DESKTOP();
    if (!xtest::Available())
        GTEST_SKIP() << "the X server has no XTEST";
    SCRATCH_FOLDER Data("gui_score_box");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    ASSERT_TRUE(xtest::Focus(xtest::Main_Window()));

    g_Actor = ACTOR{};
    g_Actor.nUserTeam = gui_support::First_User_Team();
    ASSERT_GE(g_Actor.nUserTeam, 0);
    const int nWeek = Get_Current_Week();
    ASSERT_NE(Get_Team_Week_Home_Away(g_Actor.nUserTeam, nWeek), WEEK_NO_GAME);
    Set_Calendar_PBP_Flag(g_Actor.nUserTeam, nWeek, 1);
    Set_User_Preference(PREF_TEXT_SPEED, 0);
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 0);
    Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, 0);
    gtk_probe::Set_Shown_Hook(On_Shown);
    ASSERT_NE(Get_Watched_Game_View(), nullptr);
    g_ShellView = *Get_Watched_Game_View();
    WATCHED_GAME_VIEW Checking = g_ShellView;
    Checking.pfnPaintPlayTextBox = Check_Box_And_Paint;
    Install_Watched_Game_View(&Checking);
    Set_Timer(ACTOR_TIMER, ACTOR_TICK_MS, On_Actor_Tick);

    ASSERT_TRUE(Dispatch_Main_Command(CMD_PLAY_ONE_WEEK));

    Kill_Timer(ACTOR_TIMER);
    Install_Watched_Game_View(&g_ShellView);
    gtk_probe::Set_Shown_Hook(nullptr);
    for (const std::string& Text : g_Actor.Problems)
        ADD_FAILURE() << Text;
    EXPECT_TRUE(g_Actor.bClickCalled);
    EXPECT_TRUE(g_Actor.bOptionsDone);
    EXPECT_TRUE(g_Actor.bCallsMade);
    EXPECT_EQ(g_Actor.nWaitsAfterOptions, 0);
    EXPECT_EQ(g_Actor.nWaits, 2);
    EXPECT_GT(g_Actor.nPlaysTold, 60);
    EXPECT_GT(g_Actor.nKicksChecked, 0);
    EXPECT_EQ(g_Actor.nStaleBoxes, 0);
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 0);
    Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, 0);
    dialogs::Set_Unattended(true);
    Destroy_Main_Window();
}
