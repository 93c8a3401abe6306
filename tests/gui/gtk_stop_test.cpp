// Stop at any moment of a watched game, every key and click a real one
// through the X server: the user calls a few plays of his club by their
// digit keys, then, while a play is being told, leaves the game with Escape
// (this week's game) or with Game > Stop chosen by the mouse (next week's).
// The telling ends with the frame it was at, no call is asked again and no
// play is told after it, the game is played out unwatched and the run ends
// after the day; the Games page (F4) then shows the game's final.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game_driver.h"
#include "engine/game_state.h"
#include "engine/playbook_records.h"
#include "engine/watched_game.h"
#include "gamefile/game_file.h"
#include "gui_support.h"
#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team_schedule.h"
#include "pages/game_view.h"
#include "platform/dialogs.h"
#include "platform/gtk/gtk_internal.h"
#include "play_keys.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "shell/commands.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "test_support.h"
#include "xtest_input.h"

namespace {

using gui_support::Key_Any_Play;

constexpr int ACTOR_TIMER = 0x5753;
constexpr int ACTOR_TICK_MS = 5;
constexpr int CALLS_BEFORE_STOP = 3;
// 2 x 40 ms an interval: a sentence stays 80-240 ms, long enough for the
// user to be seen stopping in the middle of a play.
constexpr int TEXT_SPEED = 40;

struct STOP_TELLING {
    bool bByMouse = false;          // Game > Stop clicked, else Escape pressed
    const GAME* pGame = nullptr;
    int nKeyCalls = 0;
    bool bStopped = false;
    int nFrameAtStop = -1;          // the frame of the play being told then
    int nTextsAtStop = 0;           // its sentences
    bool bLeftAtOnce = false;       // watched no more, the Calendar shown
    int nFramesAfterStop = 0;       // frames of any play painted after Stop
    int nWaitsAfterStop = 0;        // calls asked for after Stop
    bool bBusy = false;
    std::vector<std::string> Problems;
};
STOP_TELLING g_Run;

void Problem(const std::string& Text)
{
    if (g_Run.Problems.size() < 20)
        g_Run.Problems.push_back(Text);
}

// A play is being told and has frames left to tell: the watched game's
// current snap is on the screen between its first and last frame.
bool Play_Being_Told()
{
    const GAME* pGame = Get_Current_Game();
    const int nFrame = Get_Play_Text_Frame();
    return pGame != nullptr && Is_Game_Watched(pGame) && Is_Game_View_Shown() && !Is_Awaiting_User_Play_Call() &&
           nFrame >= 0 && nFrame < GAME_VIEW_LAST_FRAME - 1 && nFrame + 1 < Get_Play_Text_Count();
}

void Stop_Now()
{
    g_Run.nFrameAtStop = Get_Play_Text_Frame();
    g_Run.nTextsAtStop = Get_Play_Text_Count();
    g_Run.bStopped = true;
    xtest::Focus(xtest::Main_Window());
    if (g_Run.bByMouse) {
        std::string Why;
        if (!gtk_probe::Menu_Item_Sensitive(CMD_STOP_SIMULATION))
            Problem("Game > Stop is greyed while a play is told");
        if (!xtest::Click_Menu_Item(CMD_STOP_SIMULATION, Why))
            Problem("Game > Stop: " + Why);
    } else {
        xtest::Key("Escape");
    }
    // Left at once: the run ends after the day, the game is watched no more
    // and the Calendar is up, before the engine tells another frame.
    g_Run.bLeftAtOnce = Get_Universe_Word(SIMULATION_STOP_DAY_WORD) == Get_Current_Week() + 1 &&
                        !Is_Game_Watched(g_Run.pGame) &&
                        Get_User_Preference(PREF_MAIN_PAGE) == CMD_PAGE_CALENDAR;
}

void On_Tick(int)
{
    if (g_Run.bBusy)
        return;
    g_Run.bBusy = true;
    if (Is_Awaiting_User_Play_Call()) {
        g_Run.pGame = Get_Current_Game();
        xtest::Focus(xtest::Main_Window());
        if (g_Run.bStopped) {
            // Asked again: the game was not left. Escape while the call is
            // awaited ends it, so the test ends soon.
            ++g_Run.nWaitsAfterStop;
            xtest::Key("Escape");
        } else if (Key_Any_Play(g_Run.pGame)) {
            ++g_Run.nKeyCalls;
        } else {
            Problem("no digit key called a play");
        }
    } else if (!g_Run.bStopped && g_Run.nKeyCalls >= CALLS_BEFORE_STOP && Play_Being_Told()) {
        Stop_Now();
    }
    g_Run.bBusy = false;
}

// The view the shell installed, and a wrapper of its frame hook that counts
// the frames painted after Stop.
WATCHED_GAME_VIEW g_ShellView;

int Count_And_Paint(int nFrame, bool bFinal)
{
    if (g_Run.bStopped && !bFinal)
        ++g_Run.nFramesAfterStop;
    return g_ShellView.pfnPaintPlayTextBox(nFrame, bFinal);
}

void Answer_Box(int nKind, int)
{
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX)
        gtk_probe::Send_Key(gtk_probe::WINDOW_MESSAGE_BOX, 0, "Return");
}

// One week played with the user's game watched and left part-way; the
// checks of what the user sees after.
void Watch_And_Stop(int nUser, bool bByMouse)
{
    const int nWeek = Get_Current_Week();
    ASSERT_NE(Get_Team_Week_Home_Away(nUser, nWeek), WEEK_NO_GAME);
    Set_Calendar_PBP_Flag(nUser, nWeek, 1);
    g_Run = STOP_TELLING{};
    g_Run.bByMouse = bByMouse;
    const char* szHow = bByMouse ? "Game > Stop" : "Escape";

    Set_Timer(ACTOR_TIMER, ACTOR_TICK_MS, On_Tick);
    ASSERT_TRUE(Dispatch_Main_Command(CMD_PLAY_ONE_WEEK));
    Kill_Timer(ACTOR_TIMER);
    for (const std::string& Text : g_Run.Problems)
        ADD_FAILURE() << szHow << ": " << Text;
    ASSERT_TRUE(g_Run.bStopped) << szHow << ": the game was never stopped while a play was told";
    EXPECT_GE(g_Run.nKeyCalls, CALLS_BEFORE_STOP) << szHow;
    EXPECT_GE(g_Run.nFrameAtStop, 0) << szHow;
    EXPECT_GT(g_Run.nTextsAtStop, g_Run.nFrameAtStop + 1) << szHow;
    EXPECT_TRUE(g_Run.bLeftAtOnce) << szHow;
    EXPECT_EQ(g_Run.nFramesAfterStop, 0) << szHow << ": the play went on being told";
    EXPECT_EQ(g_Run.nWaitsAfterStop, 0) << szHow << ": a call was asked for after Stop";
    ASSERT_NE(g_Run.pGame, nullptr);
    const GAME* pGame = g_Run.pGame;
    EXPECT_TRUE(Is_Game_Over(pGame)) << szHow;
    // The run ended after the day, its watch mark gone.
    EXPECT_EQ(Get_Current_Week(), nWeek + 1) << szHow;
    EXPECT_EQ(Get_User_Preference(PREF_SIMULATION_RUNNING), 0) << szHow;
    EXPECT_EQ(Get_Calendar_PBP_Flag(nUser, nWeek), 0) << szHow;

    // The Games page by its key: the game's final, as Finish Game leaves it.
    xtest::Focus(xtest::Main_Window());
    const int nDraws = gtk_probe::Draw_Count(gtk_probe::WINDOW_MAIN);
    xtest::Key("F4");
    ASSERT_TRUE(xtest::Wait_Until([] { return Get_User_Preference(PREF_MAIN_PAGE) == CMD_PAGE_GAMES; })) << szHow;
    gtk_probe::Wait_Draw_After(gtk_probe::WINDOW_MAIN, 0, nDraws, xtest::WAIT_MS);
    xtest::Settle(50);
    ASSERT_TRUE(Is_Game_View_Shown()) << szHow;
    ASSERT_EQ(Get_Displayed_Game(), pGame) << szHow;
    EXPECT_EQ(Format_Game_Clock(pGame).rfind("Final", 0), 0u) << szHow << ": " << Format_Game_Clock(pGame);
    // The scoreboard and the field show the game as it ended, the box its
    // final score rather than the play Stop cut short.
    EXPECT_EQ(Get_Game_View_Situation(), pGame) << szHow;
    EXPECT_EQ(Get_Play_Text_Count(), 0) << szHow << ": the box still tells the play Stop cut short";
    const PLAY& Last = pGame->CurrentPlay;
    const bool bKick = Last.nSnapDown == KICKOFF_DOWN || Last.nSnapDown == SAFETY_KICK_DOWN;
    EXPECT_EQ(Get_Game_View_Last_Calls().nCall[0], bKick ? Last.nOffenseCall % KICK_PLAY_COUNT : Last.nOffenseCall)
        << szHow;
    EXPECT_FALSE(gtk_probe::Modal_Open()) << szHow;
    const std::string Name = std::string("game_view_after_stop_while_told_") + (bByMouse ? "menu" : "escape");
    EXPECT_TRUE(gtk_probe::Screenshot(gtk_probe::WINDOW_MAIN, 0, gui_support::Screenshot_Path(Name))) << Name;
}

}  // namespace

TEST(GtkStop, EscapeOrGameStopWhileAPlayIsToldLeavesTheGameAndTheGamesPageShowsItsFinal)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_stop_told");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    const int nUser = gui_support::First_User_Team();
    ASSERT_GE(nUser, 0);
    Set_User_Preference(PREF_TEXT_SPEED, TEXT_SPEED);
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 0);
    Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, 0);
    const gui_support::ANSWERING_HOOK Hook(Answer_Box);
    ASSERT_NE(Get_Watched_Game_View(), nullptr);
    g_ShellView = *Get_Watched_Game_View();
    ASSERT_NE(g_ShellView.pfnPaintPlayTextBox, nullptr);
    WATCHED_GAME_VIEW Counting = g_ShellView;
    Counting.pfnPaintPlayTextBox = Count_And_Paint;
    Install_Watched_Game_View(&Counting);

    Watch_And_Stop(nUser, false);
    if (!HasFatalFailure())
        Watch_And_Stop(nUser, true);

    Install_Watched_Game_View(&g_ShellView);
    dialogs::Set_Unattended(true);
    Destroy_Main_Window();
}
