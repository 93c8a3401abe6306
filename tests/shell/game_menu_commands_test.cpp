// The game-in-progress menu of a watched game: Finish Quarter, Finish Game,
// Timeout and Stop live while the game is watched, chosen from inside the
// engine's wait for the user's call as a user would; greyed while a play is
// animated; Stop (Escape) gives the open call the computer's call, and
// taken while a play is told ends its telling and leaves the game.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../engine/watched_fixture.h"
#include "engine/formations.h"
#include "engine/game_clock.h"
#include "engine/narration.h"
#include "editors/dialog_action.h"
#include "editors/options_dialog.h"
#include "league/player.h"
#include "engine/game_report.h"
#include "pages/game_view.h"
#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/shell_requests.h"
#include "platform/ui_services.h"
#include "shell/commands.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/owner_hall_of_fame.h"
#include "test_support.h"

namespace {

using namespace game_fixture;
using namespace watched_fixture;

class GameMenuCommandsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Install_Main_Window_Requests(nullptr);
        Create_Main_Window(WINDOW_RECTANGLE{0, 0, 800, 600});
        Load_Accelerator_Table(MAIN_ACCELERATOR_TABLE);
        Set_Game_Pages_Enabled(false);
        Forget_Two_Point_Answer();
        services::Reset();
        Build_Two_Team_League(11);
        Make_Away_Club_The_Users();
        Start_Watching_Window();
        Watch_Fixture_Game();
        Set_User_Preference(PREF_SHOWN_GAME, -1);
    }
    void TearDown() override
    {
        Stop_Watching_Window();
        Enable_Main_Menu(1);
        Destroy_Main_Window();
        Install_Shell_Handler(nullptr);
        services::Reset();
    }
};

TEST_F(GameMenuCommandsTest, TheGameMenuOfAWatchedGameAndItsCommands)
{
    // The commands are named for scripts like the others.
    EXPECT_EQ(Find_Main_Command_Id("Finish Quarter"), CMD_FINISH_QUARTER);
    EXPECT_EQ(Find_Main_Command_Id("finish game"), CMD_FINISH_GAME);
    EXPECT_EQ(Find_Main_Command_Id("Timeout"), CMD_TIMEOUT);
    EXPECT_EQ(Find_Main_Command_Id("40019"), CMD_TIMEOUT);
    EXPECT_STREQ(Get_Command_Help_Page(CMD_TIMEOUT), "playing");
    // Between games they do nothing.
    EXPECT_TRUE(Dispatch_Main_Command(CMD_FINISH_QUARTER));
    EXPECT_TRUE(Dispatch_Main_Command(CMD_TIMEOUT));
    EXPECT_EQ(Get_User_Preference(PREF_ANIMATION_MODE), 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    GAME* pGame = &League.Game[0];
    int nCalls = 0;
    int nTimeoutsBefore = -1;
    bool bRefusedWhileAnimating = false;
    bool bLeavingLiveWhileAnimating = false;
    Record().OnFrame = [&](int nFrame) {
        if (nFrame == 5 && nCalls == 1) {
            // The menu is greyed during the frames: nothing can be chosen
            // but what leaves the game (Finish Quarter, Finish Game, Stop).
            bRefusedWhileAnimating = !Choose_Main_Menu_Item(CMD_OPTIONS) && !Choose_Main_Menu_Item(CMD_TIMEOUT) &&
                                     Press_Main_Window_Key("F2") == 0 &&
                                     Get_User_Preference(PREF_ANIMATION_MODE) == 0;
            bLeavingLiveWhileAnimating = Is_Menu_Command_Available(menus::Main_Menu(), CMD_FINISH_QUARTER) &&
                                         Is_Menu_Command_Available(menus::Main_Menu(), CMD_FINISH_GAME) &&
                                         Is_Menu_Command_Available(menus::Main_Menu(), CMD_STOP_SIMULATION);
        }
    };
    Record().OnWait = [&] {
        ++nCalls;
        if (nCalls == 1) {
            // The game menu, its three game commands live.
            const MAIN_MENU& Menu = Get_Main_Menu();
            EXPECT_TRUE(Menu.bGameMenu);
            ASSERT_FALSE(Menu.Popups.empty());
            std::vector<std::string> Items;
            for (const MAIN_MENU_ITEM& Item : Menu.Popups[0].Items)
                Items.push_back(Item.nId == 0 ? "-" : Item.Text + (Item.bEnabled ? "" : " (greyed)"));
            EXPECT_EQ(Items, (std::vector<std::string>{"Finish &Quarter", "Finish &Game", "Time&out", "-", "S&top"}));
            // Timeout: the user's side takes one.
            nTimeoutsBefore = pGame->nTimeouts[GAME_SIDE_AWAY];
            EXPECT_TRUE(Choose_Main_Menu_Item(CMD_TIMEOUT));
            EXPECT_EQ(pGame->nTimeouts[GAME_SIDE_AWAY], nTimeoutsBefore - 1);
            EXPECT_NE(pGame->nDown & GAME_DOWN_FLAG_CLOCK_STOPPED, 0u);
            Fill_Open_Calls_With_Computer();
            return;
        }
        if (nCalls == 2) {
            // Finish Quarter: the rest of the quarter is the computer's.
            EXPECT_TRUE(Choose_Main_Menu_Item(CMD_FINISH_QUARTER));
            EXPECT_EQ(Get_User_Preference(PREF_ANIMATION_MODE), Get_Game_Quarter(pGame) + 1);
            return;
        }
        if (nCalls == 3) {
            // Finish Game, answered No: the game stays watched.
            ui::Queue_Answer(ID_NO);
            EXPECT_TRUE(Choose_Main_Menu_Item(CMD_FINISH_GAME));
            EXPECT_EQ(Get_User_Preference(PREF_ANIMATION_MODE), 0);
            EXPECT_EQ(Count_Boxes("Simulate the remainder of this game?"), 1);
            // Stop (Escape): the open call is the computer's, nothing
            // more is watched and the run ends after the day.
            const int nOffense = Get_Computer_Play_Call(true);
            const int nDefense = Get_Computer_Play_Call(false);
            EXPECT_EQ(Press_Main_Window_Key("Escape"), CMD_STOP_SIMULATION);
            EXPECT_EQ(pGame->CurrentPlay.nOffenseCall, nOffense);
            EXPECT_EQ(pGame->CurrentPlay.nDefenseCall, nDefense);
            EXPECT_EQ(Get_Calendar_PBP_Flag(HOME_TEAM, FIXTURE_WEEK), 0);
            EXPECT_FALSE(Is_Awaiting_User_Play_Call());
            return;
        }
        ADD_FAILURE() << "waited after Stop";
        Fill_Open_Calls_With_Computer();
    };
    ASSERT_EQ(Play_Fixture_Game(2), 1);
    EXPECT_EQ(nCalls, 3);
    EXPECT_TRUE(bRefusedWhileAnimating);
    EXPECT_TRUE(bLeavingLiveWhileAnimating);
    EXPECT_EQ(shell_requests::Last_Page(), CMD_PAGE_CALENDAR);
    // The game over: its commands greyed again (the run's menu stays until
    // the day is done), the bar not greyed.
    EXPECT_EQ(Get_Current_Game(), nullptr);
    ASSERT_NE(Find_Main_Menu_Item(CMD_FINISH_GAME), nullptr);
    EXPECT_FALSE(Find_Main_Menu_Item(CMD_FINISH_GAME)->bEnabled);
    EXPECT_FALSE(menus::Main_Menu().bAllGreyed);
}

TEST_F(GameMenuCommandsTest, TheGameCommandsAreGreyedWhileTheGameIsNotWatched)
{
    Set_Calendar_PBP_Flag(HOME_TEAM, FIXTURE_WEEK, 0);
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 1);
    Build_Main_Menu();
    ASSERT_TRUE(Get_Main_Menu().bGameMenu);
    for (int nId : {CMD_FINISH_QUARTER, CMD_FINISH_GAME, CMD_TIMEOUT}) {
        ASSERT_NE(Find_Main_Menu_Item(nId), nullptr) << nId;
        EXPECT_FALSE(Find_Main_Menu_Item(nId)->bEnabled) << nId;
        EXPECT_FALSE(Choose_Main_Menu_Item(nId)) << nId;
    }
    EXPECT_TRUE(Find_Main_Menu_Item(CMD_STOP_SIMULATION)->bEnabled);
    // The normal menu does not offer them.
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    Build_Main_Menu();
    ASSERT_FALSE(Get_Main_Menu().bGameMenu);
    for (int nId : {CMD_FINISH_QUARTER, CMD_FINISH_GAME, CMD_TIMEOUT})
        EXPECT_EQ(Find_Main_Menu_Item(nId), nullptr) << nId;
}

// Options switching automatic calling on while the game waits for the
// user's call: the main window remakes the calls, the snap goes on with the
// computer's calls and nothing more is waited for.
TEST_F(GameMenuCommandsTest, OptionsTurningOnAutomaticCallsEndTheWait)
{
    using editor_tests::Action;
    dialogs::Reset();
    GAME* pGame = &League.Game[0];
    int nCalls = 0;
    Record().OnWait = [&] {
        ++nCalls;
        if (nCalls > 1) {
            ADD_FAILURE() << "waited with automatic calls on";
            Fill_Open_Calls_With_Computer();
            return;
        }
        const int nOffense = Get_Computer_Play_Call(true);
        const int nDefense = Get_Computer_Play_Call(false);
        dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_SELECT, OPT_OFFENSE_CALLS_COMBO, 1));
        dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_SELECT, OPT_DEFENSE_CALLS_COMBO, 1));
        dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_PRESS, OPT_DONE_BUTTON));
        const int nRepaints = Record().nRepaints;
        // From the game's own menu, as a user would.
        EXPECT_TRUE(Choose_Main_Menu_Item(CMD_OPTIONS));
        EXPECT_EQ(Get_User_Preference(PREF_AUTO_OFFENSE_CALLS), 1);
        EXPECT_FALSE(Is_Awaiting_User_Play_Call());
        EXPECT_EQ(pGame->CurrentPlay.nOffenseCall, nOffense);
        EXPECT_EQ(pGame->CurrentPlay.nDefenseCall, nDefense);
        // The view shows the calls made.
        EXPECT_GT(Record().nRepaints, nRepaints);
    };
    ASSERT_EQ(Play_Fixture_Game(3), 1);
    EXPECT_EQ(nCalls, 1);
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 0);
    Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, 0);
    dialogs::Reset();
}

// Before the opening kick-off the game clock has not started: a timeout is
// refused (nobody is asked which club calls it, none is spent); the kick-off
// page offers the four kick plays and nothing in the slots after them.
TEST_F(GameMenuCommandsTest, NoTimeoutBeforeTheOpeningKickoff)
{
    // Both clubs the user's: the club kicking off calls its kick first.
    Set_Team_Stat(HOME_TEAM, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    GAME* pGame = &League.Game[0];
    int nCalls = 0;
    Record().OnWait = [&] {
        ++nCalls;
        if (nCalls == 1) {
            EXPECT_EQ(pGame->nPlays, 0);
            EXPECT_EQ(Get_Play_Call_Stage(), PLAY_CALL_STAGE_KICKOFF);
            const int nTimeouts[2] = {pGame->nTimeouts[0], pGame->nTimeouts[1]};
            EXPECT_FALSE(Call_User_Timeout());
            EXPECT_TRUE(Choose_Main_Menu_Item(CMD_TIMEOUT));
            EXPECT_EQ(pGame->nTimeouts[0], nTimeouts[0]);
            EXPECT_EQ(pGame->nTimeouts[1], nTimeouts[1]);
            EXPECT_TRUE(ui::Shown_Boxes().empty());
            // The kick plays there are, and no call of a slot without one.
            const GAME_VIEW_CALLING Calling = Get_Game_View_Calling();
            EXPECT_EQ(Calling.nSide, CALLING_KICKOFF);
            for (int nSlot = 0; nSlot < GAME_VIEW_DIAGRAMS; ++nSlot)
                EXPECT_EQ(Get_Game_View_Play(Calling, nSlot), nSlot < 4 ? nSlot : -1) << nSlot;
            EXPECT_FALSE(Press_Game_View_Key('5'));
            EXPECT_FALSE(Submit_User_Play_Call(true, 4));
            EXPECT_TRUE(Is_Awaiting_User_Play_Call());
            // The rest is the computer's.
            Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 1);
            Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, 1);
            Fill_Open_Calls_With_Computer();
            return;
        }
        if (nCalls == 2) {
            // After the kick-off a timeout is taken as before.
            EXPECT_GT(pGame->nPlays, 0);
        }
        Fill_Open_Calls_With_Computer();
    };
    ASSERT_EQ(Play_Fixture_Game(5), 1);
    EXPECT_EQ(nCalls, 1);
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 0);
    Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, 0);
}


// What a played game leaves of itself: its record without the narration
// (which only a watched game fills), both clubs, and where the generator is.
struct GAME_OUTCOME {
    std::string GameBytes;
    std::string TeamBytes;
    uint32_t nNextDraws[4] = {};
};

GAME_OUTCOME Outcome_Of_Game()
{
    GAME_OUTCOME r;
    r.GameBytes = Game_Bytes_Without_Narration();
    const int nWatch = Get_Calendar_PBP_Flag(HOME_TEAM, FIXTURE_WEEK);
    Set_Calendar_PBP_Flag(HOME_TEAM, FIXTURE_WEEK, 0);
    r.TeamBytes.assign(reinterpret_cast<const char*>(&League.Team[0]), 2 * sizeof(League.Team[0]));
    Set_Calendar_PBP_Flag(HOME_TEAM, FIXTURE_WEEK, nWatch);
    for (uint32_t& nDraw : r.nNextDraws)
        nDraw = Generate_Random_Number();
    return r;
}

// A watched game the user leaves by Escape in the middle of a play's
// telling, at the first frame StopHere accepts (told the record so far);
// at each wait before, he takes the computer's call.
struct STOPPED_WHILE_TOLD {
    int nCalls = 0;
    int nCallsAfterStop = 0;
    int nFramesAfterStop = 0;
    int nPlaysTold = 0;
    bool bStopped = false;
    bool bLeft = false;         // watched no more, the run to end after the day, the Calendar up
    bool bWarningDue = false;   // a two-minute warning was due at Stop
};

STOPPED_WHILE_TOLD Watch_And_Stop_While_Told(const std::function<bool(int, const STOPPED_WHILE_TOLD&)>& StopHere)
{
    STOPPED_WHILE_TOLD r;
    Record().OnWait = [&r] {
        ++r.nCalls;
        r.nCallsAfterStop += r.bStopped;
        Fill_Open_Calls_With_Computer();
    };
    Record().OnFrame = [&r, &StopHere](int nFrame) {
        r.nPlaysTold += nFrame == 0;
        if (r.bStopped) {
            ++r.nFramesAfterStop;
            return;
        }
        if (!StopHere(nFrame, r))
            return;
        r.bStopped = true;
        r.bWarningDue = Is_Two_Minute_Warning_Due();
        // The menu is greyed, but Stop and its key stay live.
        EXPECT_TRUE(menus::Main_Menu().bAllGreyed);
        EXPECT_EQ(Press_Main_Window_Key("Escape"), CMD_STOP_SIMULATION);
        r.bLeft = Get_Calendar_PBP_Flag(HOME_TEAM, FIXTURE_WEEK) == 0 &&
                  Get_Universe_Word(SIMULATION_STOP_DAY_WORD) == FIXTURE_WEEK + 1 &&
                  shell_requests::Last_Page() == CMD_PAGE_CALENDAR && !Is_Awaiting_User_Play_Call();
    };
    EXPECT_EQ(Play_Fixture_Game(2), 1);
    Record().OnWait = nullptr;
    Record().OnFrame = nullptr;
    return r;
}

// Stop (Escape) while a play is told: the play is told no further, no call
// is asked for again and the rest is played unwatched; a two-minute warning
// due with that play shows no box. A game of two computer clubs left so ends
// as the same game nobody watched: the same record and statistics, the
// generator at the same place.
TEST_F(GameMenuCommandsTest, StopWhileAPlayIsToldLeavesTheGameAsNobodyWatchedIt)
{
    Set_User_Preference(PREF_TWO_POINT_TRIES, 0);   // no "Go For Two?" to answer
    // Every player named, as in any league (the narration names a nameless
    // one the first time it tells of him).
    for (int t : {AWAY_TEAM, HOME_TEAM})
        for (int s = 0; s < ROSTER_SIZE; ++s) {
            Set_Player_First_Name(t, s, "Lee");
            Set_Player_Last_Name(t, s, "Player");
        }
    const std::string Before(reinterpret_cast<const char*>(&League), sizeof(League));

    // The user's club, in the middle of a play after its third call.
    const STOPPED_WHILE_TOLD Middle =
        Watch_And_Stop_While_Told([](int nFrame, const STOPPED_WHILE_TOLD& r) { return r.nCalls >= 3 && nFrame == 2; });
    ASSERT_TRUE(Middle.bStopped);
    EXPECT_TRUE(Middle.bLeft);
    EXPECT_EQ(Middle.nCalls, 3);
    EXPECT_EQ(Middle.nCallsAfterStop, 0);
    EXPECT_EQ(Middle.nFramesAfterStop, 0);
    // Each play told up to Stop had its eleven frames, the one cut short
    // three (0-2), and every one its final state.
    EXPECT_EQ(Record().nFrames, 11 * (Middle.nPlaysTold - 1) + 3);
    EXPECT_EQ(Record().nFinalPaints, Middle.nPlaysTold);
    EXPECT_FALSE(menus::Main_Menu().bAllGreyed);
    EXPECT_EQ(Get_Current_Game(), nullptr);
    EXPECT_TRUE(Is_Game_Over(&League.Game[0]));

    // At the play that stopped the clock for the two-minute warning: its box
    // was due once the play was told, and the user has left.
    std::memcpy(static_cast<void*>(&League), Before.data(), sizeof(League));
    ui::Clear_Shown_Boxes();
    const STOPPED_WHILE_TOLD AtWarning = Watch_And_Stop_While_Told(
        [](int nFrame, const STOPPED_WHILE_TOLD&) { return nFrame == 1 && Is_Two_Minute_Warning_Due(); });
    ASSERT_TRUE(AtWarning.bStopped);
    EXPECT_TRUE(AtWarning.bWarningDue);
    EXPECT_TRUE(AtWarning.bLeft);
    EXPECT_EQ(AtWarning.nCallsAfterStop, 0);
    EXPECT_EQ(AtWarning.nFramesAfterStop, 0);
    EXPECT_EQ(Count_Boxes("Clock stopped for two-minute warning."), 0);
    EXPECT_FALSE(Is_Two_Minute_Warning_Due());

    // Two computer clubs: the game nobody watches, and the same game left
    // in the middle of its tenth play told.
    std::memcpy(static_cast<void*>(&League), Before.data(), sizeof(League));
    Set_Team_Stat(AWAY_TEAM, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
    const std::string Computer(reinterpret_cast<const char*>(&League), sizeof(League));
    Set_Calendar_PBP_Flag(HOME_TEAM, FIXTURE_WEEK, 0);
    const int nFramesBefore = Record().nFrames;
    ASSERT_EQ(Play_Fixture_Game(2), 1);
    ASSERT_EQ(Record().nFrames, nFramesBefore);
    const GAME_OUTCOME Unwatched = Outcome_Of_Game();
    std::memcpy(static_cast<void*>(&League), Computer.data(), sizeof(League));
    const STOPPED_WHILE_TOLD Computers = Watch_And_Stop_While_Told(
        [](int nFrame, const STOPPED_WHILE_TOLD& r) { return r.nPlaysTold == 10 && nFrame == 2; });
    ASSERT_TRUE(Computers.bStopped);
    EXPECT_TRUE(Computers.bLeft);
    EXPECT_EQ(Computers.nCalls, 0);
    EXPECT_EQ(Computers.nFramesAfterStop, 0);
    const GAME_OUTCOME Stopped = Outcome_Of_Game();
    EXPECT_TRUE(Stopped.GameBytes == Unwatched.GameBytes);
    EXPECT_TRUE(Stopped.TeamBytes == Unwatched.TeamBytes);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Stopped.nNextDraws[i], Unwatched.nNextDraws[i]) << i;
}

}  // namespace
