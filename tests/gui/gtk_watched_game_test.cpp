// A watched game in the real window, in-process: the default league, the
// user's club marked for watching its next two games, the fastest
// animation. A timer of the ui model plays the user while the engine waits
// in the window's loop: it checks what the view offers at every wait (the
// side, the user's club, the page the computer's suggestion is on, no wait
// for a defence against a kick-off or a punt) and calls plays by a click on
// a diagram and by digit keys, both as events through GTK's dispatch; it
// turns a page, takes Finish Quarter, answers Finish Game's question No and
// then, in the second game, Yes, and stops the run with Escape, which fills
// the open call with the computer's. Screenshots: the view calling the
// offence and the defence, the view while a play is told, and the Standings
// page with the corner score box. Stopped with real keys part-way, a game
// left to end untold shows on the Games page as Finish Game leaves one: its
// last play.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/game_driver.h"
#include "gamefile/game_file.h"
#include "engine/game_state.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "engine/watched_game.h"
#include "gui_support.h"
#include "league/game_record.h"
#include "league/human_teams.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "pages/game_view.h"
#include "pages/score_boxes.h"
#include "platform/dialogs.h"
#include "platform/main_frame.h"
#include "play_keys.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "shell/commands.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_support.h"
#include "xtest_input.h"

namespace {

using gui_support::Call_Of;
using gui_support::Key_Any_Play;

constexpr int ACTOR_TIMER = 0x5743;
constexpr int ACTOR_TICK_MS = 5;

// What the user does at the next waits, in order.
enum PHASE : int {
    PHASE_PLAY,            // call plays, then Finish Quarter
    PHASE_AFTER_QUARTER,   // the next wait: a later quarter; Standings, Finish Game No, Escape
    PHASE_STOPPED,         // after Stop: no more waits this week
    PHASE_FINISH_GAME,     // the second game: Finish Game, Yes
    PHASE_FINISHED,        // no more waits
};

struct ACTOR {
    int nPhase = PHASE_PLAY;
    int nUserTeam = -1;
    int nWaits = 0;
    int nOffense = 0;
    int nDefense = 0;
    int nKickoffs = 0;
    int nOpponentKicks = 0;       // kick-offs and punts of the other club told
    int nClickCalls = 0;
    int nKeyCalls = 0;
    int nPagesTurned = 0;
    int nFinishQuarter = -1;      // the quarter Finish Quarter was taken in
    int nWaitsAfterStop = 0;
    int nWaitsAfterFinish = 0;
    bool bStopChecked = false;
    bool bFinishNoChecked = false;
    bool bStandingsShot = false;
    bool bScoreBoxShown = false;
    bool bShotOffense = false;
    bool bShotDefense = false;
    bool bShotPlay = false;
    bool bBusy = false;
    std::vector<std::string> Problems;
    std::string NextBoxKey;       // the key for the next message box; "" its default
    bool bNextBoxAlt = false;
};
ACTOR g_Actor;

void Problem(const std::string& Text)
{
    if (g_Actor.Problems.size() < 20)
        g_Actor.Problems.push_back(Text);
}

void Answer_Box(int nKind, int)
{
    if (nKind != gtk_probe::WINDOW_MESSAGE_BOX)
        return;
    const std::string Key = g_Actor.NextBoxKey.empty() ? "Return" : g_Actor.NextBoxKey;
    const bool bAlt = g_Actor.bNextBoxAlt;
    g_Actor.NextBoxKey.clear();
    g_Actor.bNextBoxAlt = false;
    gtk_probe::Send_Key(gtk_probe::WINDOW_MESSAGE_BOX, 0, Key, false, bAlt);
}

void Shoot(const char* szName)
{
    const int nDraws = gtk_probe::Draw_Count(gtk_probe::WINDOW_MAIN);
    gtk_probe::Wait_Draw_After(gtk_probe::WINDOW_MAIN, 0, nDraws, 2000);
    if (!gtk_probe::Screenshot(gtk_probe::WINDOW_MAIN, 0, gui_support::Screenshot_Path(szName)))
        Problem(std::string("screenshot ") + szName + " not written");
}

CANVAS_RECT Page_Area()
{
    return Get_Main_Window_Areas().Page;
}

// A click in the middle of a hot spot of the page area, through GTK.
void Click_Spot(int nSpot)
{
    const CANVAS_RECT rc = Get_Game_View_Hot_Spot(Page_Area(), nSpot);
    if (!gtk_probe::Click_Main_Area(FRAME_PAGE, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2))
        Problem("the page area took no click");
}

// Calls slot nSlot of the page shown by a click; true when that play was
// called (an empty slot of the playbook refuses the call).
bool Call_By_Click(const GAME* pGame, const GAME_VIEW_CALLING& Calling, int nSlot)
{
    const bool bOffense = Calling.nSide != CALLING_DEFENSE;
    Click_Spot(nSlot);
    if (Call_Of(pGame, bOffense) == PLAY_NOT_CALLED)
        return false;
    if (Call_Of(pGame, bOffense) != Get_Game_View_Play(Calling, nSlot))
        Problem("a click on diagram " + std::to_string(nSlot) + " called " +
                std::to_string(Call_Of(pGame, bOffense)));
    ++g_Actor.nClickCalls;
    return true;
}

bool Call_By_Key(const GAME* pGame, const GAME_VIEW_CALLING& Calling, char cKey)
{
    const bool bOffense = Calling.nSide != CALLING_DEFENSE;
    gtk_probe::Send_Key(gtk_probe::WINDOW_MAIN, 0, std::string(1, cKey));
    if (Call_Of(pGame, bOffense) == PLAY_NOT_CALLED)
        return false;
    const int nExpected = Get_Game_View_Play(Calling, Get_Game_View_Key_Slot(cKey));
    if (Call_Of(pGame, bOffense) != nExpected)
        Problem(std::string("key ") + cKey + " called " + std::to_string(Call_Of(pGame, bOffense)) + ", not " +
                std::to_string(nExpected));
    ++g_Actor.nKeyCalls;
    return true;
}

// Any play of the page: the keys 1-9 and 0 in turn until one is taken.
void Call_Any(const GAME* pGame, const GAME_VIEW_CALLING& Calling)
{
    for (char cKey : std::string("1234567890"))
        if (Call_By_Key(pGame, Calling, cKey))
            return;
    Problem("no play of the page could be called");
}

// The checks every wait must pass.
void Check_Wait(const GAME* pGame, const GAME_VIEW_CALLING& Calling)
{
    const int nStage = Get_Play_Call_Stage();
    const int nDown = Get_Game_Down_Code(pGame);
    const int nExpected = nStage == PLAY_CALL_STAGE_OFFENSE   ? CALLING_OFFENSE
                          : nStage == PLAY_CALL_STAGE_DEFENSE ? CALLING_DEFENSE
                          : nStage == PLAY_CALL_STAGE_KICKOFF ? CALLING_KICKOFF
                                                              : CALLING_NONE;
    if (Calling.nSide != nExpected)
        Problem("the view calls side " + std::to_string(Calling.nSide) + " at stage " + std::to_string(nStage));
    if (!Is_Human_Team(Calling.nTeam) || Calling.nTeam != g_Actor.nUserTeam)
        Problem("a wait for club " + std::to_string(Calling.nTeam));
    if (Calling.nSide == CALLING_DEFENSE) {
        if (nDown == KICKOFF_DOWN || nDown == SAFETY_KICK_DOWN)
            Problem("the defence waited at a kick-off");
        const int nType = Get_Call_Play_Type(pGame, pGame->CurrentPlay.nOffenseCall);
        if (nType == PLAY_TYPE_PUNT || nType == PLAY_TYPE_FIELD_GOAL)
            Problem("the defence waited against a kick (play type " + std::to_string(nType) + ")");
    }
    const int nPreference = Calling.nSide == CALLING_DEFENSE ? PREF_PLAY_CALL_FIRST + 1 : PREF_PLAY_CALL_FIRST;
    if (Calling.nSide != CALLING_KICKOFF && Calling.nPage != Get_User_Preference(nPreference))
        Problem("the view shows page " + std::to_string(Calling.nPage) + ", the preference " +
                std::to_string(Get_User_Preference(nPreference)));
    // The view opens on the page of the computer's own call, which it marks
    // (as long as no page was turned at this wait).
    if (Calling.nSuggested < 0 || Calling.nSuggested / GAME_VIEW_DIAGRAMS != Calling.nPage)
        Problem("the computer's call " + std::to_string(Calling.nSuggested) + " is not on page " +
                std::to_string(Calling.nPage));
}

void Play_Calls(const GAME* pGame, const GAME_VIEW_CALLING& Calling)
{
    switch (Calling.nSide) {
    case CALLING_KICKOFF:
        ++g_Actor.nKickoffs;
        Call_Any(pGame, Calling);
        return;
    case CALLING_OFFENSE:
        ++g_Actor.nOffense;
        if (g_Actor.nOffense == 1) {
            Shoot("game_view_calling_offense");
            g_Actor.bShotOffense = true;
            for (int nSlot = 3; nSlot < GAME_VIEW_DIAGRAMS; ++nSlot)
                if (Call_By_Click(pGame, Calling, nSlot))
                    return;
        } else if (g_Actor.nOffense == 2) {
            // The next page by its button, then the digit key of the
            // second diagram there.
            const int nBefore = Calling.nPage;
            Click_Spot(nBefore + 1 < Calling.nPages ? GAME_VIEW_HIT_NEXT : GAME_VIEW_HIT_PREVIOUS);
            const GAME_VIEW_CALLING Turned = Get_Game_View_Calling();
            if (Turned.nPage == nBefore)
                Problem("the page button turned no page");
            else
                ++g_Actor.nPagesTurned;
            for (char cKey : std::string("2345"))
                if (Call_By_Key(pGame, Turned, cKey))
                    return;
        }
        Call_Any(pGame, Calling);
        return;
    case CALLING_DEFENSE:
        ++g_Actor.nDefense;
        if (g_Actor.nDefense == 1) {
            Shoot("game_view_calling_defense");
            g_Actor.bShotDefense = true;
            if (Call_By_Click(pGame, Calling, 1))
                return;
        } else if (g_Actor.nDefense == 2) {
            if (Call_By_Key(pGame, Calling, '0'))
                return;
        }
        Call_Any(pGame, Calling);
        return;
    default:
        break;
    }
}

void After_Quarter(const GAME* pGame, const GAME_VIEW_CALLING& Calling)
{
    if (Get_Game_Quarter(pGame) <= g_Actor.nFinishQuarter)
        Problem("Finish Quarter waited again in quarter " + std::to_string(Get_Game_Quarter(pGame)));
    if (Get_User_Preference(PREF_ANIMATION_MODE) != 0)
        Problem("the fast-forward target is still set");
    // The corner boxes on Standings while the game is on.
    gtk_probe::Activate_Menu_Item(CMD_PAGE_STANDINGS);
    g_Actor.bScoreBoxShown = Is_Score_Box_Shown() && Get_Score_Box().nTeam[0] == pGame->nAwayTeam &&
                             Get_Score_Box().nTeam[1] == pGame->nHomeTeam &&
                             Get_Score_Box().nScore[0] == pGame->nScore[0] &&
                             Get_Score_Box().nScore[1] == pGame->nScore[1];
    Shoot("corner_boxes_standings_during_game");
    g_Actor.bStandingsShot = true;
    gtk_probe::Activate_Menu_Item(CMD_PAGE_GAMES);
    // Finish Game, answered No: nothing changes.
    g_Actor.NextBoxKey = "n";
    g_Actor.bNextBoxAlt = true;
    gtk_probe::Activate_Menu_Item(CMD_FINISH_GAME);
    g_Actor.bFinishNoChecked = !ui::Shown_Boxes().empty() &&
                               ui::Shown_Boxes().back().Caption == "Finish Game" &&
                               ui::Shown_Boxes().back().Text == "Simulate the remainder of this game?" &&
                               ui::Shown_Boxes().back().Result == ID_NO &&
                               Get_User_Preference(PREF_ANIMATION_MODE) == 0 && Is_Awaiting_User_Play_Call();
    // Stop by its key: the open call is the computer's, from the page shown.
    const GAME_VIEW_CALLING Shown = Get_Game_View_Calling();
    const bool bOffense = Shown.nSide != CALLING_DEFENSE;
    gtk_probe::Send_Key(gtk_probe::WINDOW_MAIN, 0, "Escape");
    const int nCall = Call_Of(pGame, bOffense);
    const int nSuggested = Shown.nSide == CALLING_KICKOFF ? nCall % KICK_PLAY_COUNT : nCall;
    g_Actor.bStopChecked = nCall != PLAY_NOT_CALLED && nSuggested == Shown.nSuggested &&
                           (Shown.nSide == CALLING_KICKOFF || nCall / GAME_VIEW_DIAGRAMS == Shown.nPage);
    if (!g_Actor.bStopChecked)
        Problem("Stop left call " + std::to_string(nCall) + " with page " + std::to_string(Shown.nPage) +
                " shown (side " + std::to_string(Calling.nSide) + ")");
    g_Actor.nPhase = PHASE_STOPPED;
}

void On_Actor_Tick(int)
{
    if (g_Actor.bBusy)
        return;
    if (!Is_Awaiting_User_Play_Call()) {
        // Once, the view halfway through telling a play.
        if (!g_Actor.bShotPlay && g_Actor.nDefense >= 1 && Is_Game_View_Shown() && Get_Play_Text_Frame() >= 2 &&
            Get_Play_Text_Count() >= 3) {
            g_Actor.bBusy = true;
            Shoot("game_view_telling_a_play");
            g_Actor.bShotPlay = true;
            g_Actor.bBusy = false;
        }
        return;
    }
    g_Actor.bBusy = true;
    const GAME* pGame = Get_Current_Game();
    const GAME_VIEW_CALLING Calling = Get_Game_View_Calling();
    ++g_Actor.nWaits;
    Check_Wait(pGame, Calling);
    switch (g_Actor.nPhase) {
    case PHASE_PLAY:
        // Finish Quarter once both sides' calls and a kick of the other club were watched.
        if (g_Actor.nOffense >= 3 && g_Actor.nDefense >= 3 && g_Actor.nOpponentKicks >= 1 &&
            g_Actor.nFinishQuarter < 0 && Get_Game_Quarter(pGame) <= 3) {
            g_Actor.nFinishQuarter = Get_Game_Quarter(pGame);
            gtk_probe::Activate_Menu_Item(CMD_FINISH_QUARTER);
            g_Actor.nPhase = PHASE_AFTER_QUARTER;
            if (Is_Awaiting_User_Play_Call())
                Problem("Finish Quarter did not end the wait");
            break;
        }
        Play_Calls(pGame, Calling);
        break;
    case PHASE_AFTER_QUARTER:
        After_Quarter(pGame, Calling);
        break;
    case PHASE_STOPPED:
        ++g_Actor.nWaitsAfterStop;
        Call_Any(pGame, Calling);
        break;
    case PHASE_FINISH_GAME:
        g_Actor.NextBoxKey = "Return";   // Yes, the default
        gtk_probe::Activate_Menu_Item(CMD_FINISH_GAME);
        if (Get_User_Preference(PREF_ANIMATION_MODE) != Get_Game_Quarter(pGame) + 10)
            Problem("Finish Game set the target " + std::to_string(Get_User_Preference(PREF_ANIMATION_MODE)));
        g_Actor.nPhase = PHASE_FINISHED;
        break;
    default:
        ++g_Actor.nWaitsAfterFinish;
        Call_Any(pGame, Calling);
        break;
    }
    g_Actor.bBusy = false;
}

// The view the shell installed, and a wrapper of its frame hook that counts
// the other club's kick-offs and punts as the first frame tells them: each
// went by without a wait for the user's defence (Check_Wait would say).
WATCHED_GAME_VIEW g_ShellView;

int Count_Kicks_And_Paint(int nFrame, bool bFinal)
{
    const GAME* pGame = Get_Current_Game();
    if (nFrame == 0 && !bFinal && pGame != nullptr) {
        const PLAY& Play = pGame->CurrentPlay;
        const int nKicker = Get_Play_Home_Bit(&Play) != 0 ? pGame->nHomeTeam : pGame->nAwayTeam;
        const bool bKickoff = Play.nSnapDown == KICKOFF_DOWN || Play.nSnapDown == SAFETY_KICK_DOWN;
        const bool bPunt = !bKickoff && Play.nOffenseCall != PLAY_NOT_CALLED &&
                           Get_Offensive_Play_Type(nKicker, Play.nOffenseCall) == PLAY_TYPE_PUNT;
        if (nKicker != g_Actor.nUserTeam && (bKickoff || bPunt))
            ++g_Actor.nOpponentKicks;
    }
    return g_ShellView.pfnPaintPlayTextBox(nFrame, bFinal);
}

int Game_Of_Week(int nTeam, int nWeek)
{
    return Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_GAME_INDEX);
}

// The view of a finished game shows its last play: the final score in the
// box (no play's sentences) and the calls of that play, with the clubs of
// its snap.
void Expect_Last_Play_Shown(const GAME* pGame)
{
    EXPECT_EQ(Get_Play_Text_Count(), 0) << "the box still tells an earlier play";
    const PLAY& Last = pGame->CurrentPlay;
    const bool bKick = Last.nSnapDown == KICKOFF_DOWN || Last.nSnapDown == SAFETY_KICK_DOWN;
    const int nOffense = Get_Play_Home_Bit(&Last) != 0 ? pGame->nHomeTeam : pGame->nAwayTeam;
    const GAME_VIEW_LAST_CALLS& Shown = Get_Game_View_Last_Calls();
    EXPECT_EQ(Shown.nCall[0], bKick ? Last.nOffenseCall % KICK_PLAY_COUNT : Last.nOffenseCall);
    EXPECT_EQ(Shown.nTeam[0], nOffense);
    EXPECT_EQ(Shown.nCall[1], bKick ? -1 : Last.nDefenseCall);
}

}  // namespace

TEST(GtkWatchedGame, TheUserCallsPlaysByClickAndKeyFinishesAndStops)
{
    REQUIRE_DESKTOP();
    SCRATCH_FOLDER Data("gui_watched");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));

    g_Actor = ACTOR{};
    g_Actor.nUserTeam = gui_support::First_User_Team();
    ASSERT_GE(g_Actor.nUserTeam, 0);
    const int nWeek = Get_Current_Week();
    ASSERT_NE(Get_Team_Week_Home_Away(g_Actor.nUserTeam, nWeek), WEEK_NO_GAME);
    ASSERT_NE(Get_Team_Week_Home_Away(g_Actor.nUserTeam, nWeek + 1), WEEK_NO_GAME);
    Set_Calendar_PBP_Flag(g_Actor.nUserTeam, nWeek, 1);
    Set_Calendar_PBP_Flag(g_Actor.nUserTeam, nWeek + 1, 1);
    Set_User_Preference(PREF_TEXT_SPEED, 0);   // the fastest animation
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 0);
    Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, 0);
    gtk_probe::Set_Shown_Hook(Answer_Box);
    ASSERT_NE(Get_Watched_Game_View(), nullptr);
    g_ShellView = *Get_Watched_Game_View();
    ASSERT_NE(g_ShellView.pfnPaintPlayTextBox, nullptr);
    WATCHED_GAME_VIEW Counting = g_ShellView;
    Counting.pfnPaintPlayTextBox = Count_Kicks_And_Paint;
    Install_Watched_Game_View(&Counting);
    Set_Timer(ACTOR_TIMER, ACTOR_TICK_MS, On_Actor_Tick);

    // The first game: calls, Finish Quarter, the Standings, Finish Game No,
    // Stop. The run stops after the day.
    ASSERT_TRUE(Dispatch_Main_Command(CMD_PLAY_ONE_WEEK));
    EXPECT_EQ(g_Actor.nPhase, PHASE_STOPPED);
    EXPECT_GE(g_Actor.nOffense, 3);
    EXPECT_GE(g_Actor.nDefense, 3);
    EXPECT_GE(g_Actor.nClickCalls, 2);
    EXPECT_GE(g_Actor.nKeyCalls, 2);
    EXPECT_EQ(g_Actor.nPagesTurned, 1);
    EXPECT_GE(g_Actor.nFinishQuarter, 1);
    EXPECT_TRUE(g_Actor.bScoreBoxShown);
    EXPECT_TRUE(g_Actor.bFinishNoChecked);
    EXPECT_TRUE(g_Actor.bStopChecked);
    EXPECT_EQ(g_Actor.nWaitsAfterStop, 0);
    // Kicks of both clubs were watched: the user's kick-offs waited for
    // his kick play, the other club's kick-offs and punts for nobody.
    EXPECT_GE(g_Actor.nKickoffs, 1);
    EXPECT_GE(g_Actor.nOpponentKicks, 1);
    EXPECT_TRUE(g_Actor.bShotOffense && g_Actor.bShotDefense && g_Actor.bStandingsShot && g_Actor.bShotPlay);
    const int nFirst = Game_Of_Week(g_Actor.nUserTeam, nWeek);
    EXPECT_TRUE(Is_Game_Over(Get_Game_Record(nFirst)));

    // The second game: Finish Game, Yes, at the first wait; it plays out
    // with no more waits.
    if (g_Actor.nPhase == PHASE_STOPPED) {
        g_Actor.nPhase = PHASE_FINISH_GAME;
        ASSERT_TRUE(Dispatch_Main_Command(CMD_PLAY_ONE_WEEK));
        EXPECT_EQ(g_Actor.nPhase, PHASE_FINISHED);
        EXPECT_EQ(g_Actor.nWaitsAfterFinish, 0);
        const GAME* pSecond = Get_Game_Record(Game_Of_Week(g_Actor.nUserTeam, nWeek + 1));
        EXPECT_TRUE(Is_Game_Over(pSecond));
        EXPECT_EQ(Get_User_Preference(PREF_ANIMATION_MODE), 0);
        // Finished by Finish Game, the view shows the game's last play.
        if (Is_Game_View_Shown() && Get_Displayed_Game() == pSecond)
            Expect_Last_Play_Shown(pSecond);
        else
            ADD_FAILURE() << "the Games page does not show the game finished";
    }
    Kill_Timer(ACTOR_TIMER);
    Install_Watched_Game_View(&g_ShellView);
    gtk_probe::Set_Shown_Hook(nullptr);
    for (const std::string& Text : g_Actor.Problems)
        ADD_FAILURE() << Text;
    EXPECT_GT(g_Actor.nWaits, 6);
    dialogs::Set_Unattended(true);
    Destroy_Main_Window();
}

namespace {

// A game of two computer clubs watched: nobody is asked for a call, so the
// plays follow one another with nothing between them but their telling.
struct CPU_WATCH {
    int nClub = -1;            // one of its clubs
    const GAME* pGame = nullptr;
    int nPhase = 0;            // 0 watching, 1 after Finish Quarter, 2 after Escape
    int nTicks = 0;
    bool bBusy = false;
    bool bLeavingLive = false; // Finish Quarter, Finish Game and Stop could be chosen
    int nQuarterFinished = -1;
    std::vector<std::string> Problems;
};
CPU_WATCH g_Cpu;

void On_Cpu_Tick(int)
{
    const GAME* pGame = Get_Current_Game();
    if (g_Cpu.bBusy || pGame == nullptr || !Is_Watched_Game_Under_Way() ||
        (pGame->nHomeTeam != g_Cpu.nClub && pGame->nAwayTeam != g_Cpu.nClub))
        return;
    g_Cpu.pGame = pGame;
    g_Cpu.bBusy = true;
    if (g_Cpu.nPhase == 0 && ++g_Cpu.nTicks >= 3) {
        g_Cpu.bLeavingLive = gtk_probe::Menu_Item_Sensitive(CMD_FINISH_QUARTER) &&
                             gtk_probe::Menu_Item_Sensitive(CMD_FINISH_GAME) &&
                             gtk_probe::Menu_Item_Sensitive(CMD_STOP_SIMULATION);
        // Game > Finish Quarter with the mouse.
        std::string Why;
        const int nQuarter = Get_Game_Quarter(g_Cpu.pGame);
        if (!xtest::Click_Menu_Item(CMD_FINISH_QUARTER, Why))
            g_Cpu.Problems.push_back("Finish Quarter: " + Why);
        else if (Get_User_Preference(PREF_ANIMATION_MODE) != nQuarter + 1)
            g_Cpu.Problems.push_back("Finish Quarter did not finish quarter " + std::to_string(nQuarter));
        else
            g_Cpu.nQuarterFinished = nQuarter;
        g_Cpu.nPhase = 1;
    } else if (g_Cpu.nPhase == 1 && Get_Game_Quarter(g_Cpu.pGame) > g_Cpu.nQuarterFinished) {
        // Watched again in the next quarter: Escape stops the run.
        xtest::Focus(xtest::Main_Window());
        xtest::Key("Escape");
        g_Cpu.nPhase = 2;
    }
    g_Cpu.bBusy = false;
}

}  // namespace

TEST(GtkWatchedGame, AGameOfTwoComputerClubsCanBeFinishedAndStoppedBetweenItsPlays)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_watched_cpu");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    const int nWeek = Get_Current_Week();
    // A game of the week between two clubs nobody runs, marked to watch.
    g_Cpu = CPU_WATCH{};
    for (int t = 0; t < MAX_FRANCHISES && g_Cpu.nClub < 0; ++t) {
        if (!Is_Team_Slot_Used(t) || Is_Human_Team(t) || Get_Team_Week_Home_Away(t, nWeek) == WEEK_NO_GAME)
            continue;
        const int nOpponent = Get_Scheduled_Opponent(t, nWeek);
        if (nOpponent >= 0 && !Is_Human_Team(nOpponent)) {
            g_Cpu.nClub = t;
            Set_Calendar_PBP_Flag(t, nWeek, 1);
        }
    }
    ASSERT_GE(g_Cpu.nClub, 0);
    Set_User_Preference(PREF_TEXT_SPEED, 0);
    const gui_support::ANSWERING_HOOK Hook(Answer_Box);
    Set_Timer(ACTOR_TIMER, ACTOR_TICK_MS, On_Cpu_Tick);
    // A month asked for; Stop ends the run after the day of the game.
    ASSERT_TRUE(Dispatch_Main_Command(CMD_PLAY_ONE_MONTH));
    Kill_Timer(ACTOR_TIMER);
    for (const std::string& Text : g_Cpu.Problems)
        ADD_FAILURE() << Text;
    EXPECT_TRUE(g_Cpu.bLeavingLive) << "the Game menu was greyed while the game was told";
    EXPECT_GE(g_Cpu.nQuarterFinished, 1);
    EXPECT_EQ(g_Cpu.nPhase, 2);
    ASSERT_NE(g_Cpu.pGame, nullptr) << "the game was never watched";
    EXPECT_TRUE(Is_Game_Over(g_Cpu.pGame));
    EXPECT_EQ(Get_Current_Week(), nWeek + 1);
    dialogs::Set_Unattended(true);
    Destroy_Main_Window();
}

namespace {

// The user watches his club's game and leaves it with Stop after a few
// plays, every key a real one through the X server.
struct STOP_WATCH {
    const GAME* pGame = nullptr;
    int nWaits = 0;
    int nKeyCalls = 0;
    bool bStopped = false;
    bool bBusy = false;
    int nWatchedTexts = 0;          // the sentences of the last play told before Stop
    std::vector<std::string> Problems;
};
STOP_WATCH g_Stop;

void On_Stop_Tick(int)
{
    if (g_Stop.bBusy || g_Stop.bStopped || !Is_Awaiting_User_Play_Call())
        return;
    g_Stop.bBusy = true;
    g_Stop.pGame = Get_Current_Game();
    ++g_Stop.nWaits;
    xtest::Focus(xtest::Main_Window());
    if (g_Stop.nWaits <= 3) {
        if (Key_Any_Play(g_Stop.pGame))
            ++g_Stop.nKeyCalls;
        else
            g_Stop.Problems.push_back("no digit key called a play");
    } else if (Get_Play_Text_Count() > 0) {
        // Plays were told: Stop by its key.
        g_Stop.nWatchedTexts = Get_Play_Text_Count();
        xtest::Key("Escape");
        g_Stop.bStopped = true;
        if (Is_Awaiting_User_Play_Call())
            g_Stop.Problems.push_back("Stop did not end the wait");
    } else if (!Key_Any_Play(g_Stop.pGame)) {
        g_Stop.Problems.push_back("no digit key called a play");
    }
    g_Stop.bBusy = false;
}

}  // namespace

TEST(GtkWatchedGame, AfterStopTheGamesPageShowsTheGamesLastPlayAsFinishGameDoes)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_watched_stop");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    const int nUser = gui_support::First_User_Team();
    ASSERT_GE(nUser, 0);
    const int nWeek = Get_Current_Week();
    ASSERT_NE(Get_Team_Week_Home_Away(nUser, nWeek), WEEK_NO_GAME);
    Set_Calendar_PBP_Flag(nUser, nWeek, 1);
    Set_User_Preference(PREF_TEXT_SPEED, 0);
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 0);
    Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, 0);
    g_Stop = STOP_WATCH{};
    g_Actor = ACTOR{};
    const gui_support::ANSWERING_HOOK Hook(Answer_Box);
    Set_Timer(ACTOR_TIMER, ACTOR_TICK_MS, On_Stop_Tick);
    ASSERT_TRUE(Dispatch_Main_Command(CMD_PLAY_ONE_WEEK));
    Kill_Timer(ACTOR_TIMER);
    for (const std::string& Text : g_Stop.Problems)
        ADD_FAILURE() << Text;
    ASSERT_TRUE(g_Stop.bStopped) << "the game was never stopped";
    EXPECT_GE(g_Stop.nKeyCalls, 3);
    EXPECT_GT(g_Stop.nWatchedTexts, 0);
    ASSERT_NE(g_Stop.pGame, nullptr);
    const GAME* pGame = g_Stop.pGame;
    ASSERT_TRUE(Is_Game_Over(pGame));

    // The Games page by its key (Stop had shown the Calendar).
    xtest::Focus(xtest::Main_Window());
    const int nDraws = gtk_probe::Draw_Count(gtk_probe::WINDOW_MAIN);
    xtest::Key("F4");
    ASSERT_TRUE(xtest::Wait_Until([] { return Get_User_Preference(PREF_MAIN_PAGE) == GAMES_PAGE; }));
    gtk_probe::Wait_Draw_After(gtk_probe::WINDOW_MAIN, 0, nDraws, xtest::WAIT_MS);
    xtest::Settle(50);
    ASSERT_TRUE(Is_Game_View_Shown());
    ASSERT_EQ(Get_Displayed_Game(), pGame);
    EXPECT_EQ(Format_Game_Clock(pGame).rfind("Final", 0), 0u);
    Expect_Last_Play_Shown(pGame);
    Shoot("game_view_after_stop");
    for (const std::string& Text : g_Actor.Problems)
        ADD_FAILURE() << Text;
    dialogs::Set_Unattended(true);
    Destroy_Main_Window();
}
