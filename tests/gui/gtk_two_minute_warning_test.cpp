// The two-minute warning of a watched game, played with real key presses:
// the user calls his offence's plays by digit keys (the computer calls his
// defence), skips the first quarter with Game > Finish Quarter by its
// letters, and plays on into the last two minutes of the half. The box
// "Clock stopped for two-minute warning." shows once the play that stopped
// the clock has been told: the scoreboard then reads 2:00 of the second
// quarter, not the clock before the snap. Screenshot:
// build/screenshots/two_minute_warning.png.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game_driver.h"
#include "engine/game_state.h"
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
#include "platform/main_frame.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "shell/commands.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "test_support.h"
#include "xtest_input.h"

namespace {

constexpr int ACTOR_TIMER = 0x5732;
// 2:00 left in the second quarter, in seconds played.
constexpr int TWO_MINUTES_LEFT_IN_HALF = 2 * SECONDS_PER_QUARTER - 120;

struct ACTOR {
    bool bBusy = false;
    bool bQuarterFinished = false;
    bool bWarningSeen = false;
    bool bFinishing = false;
    int nCalls = 0;
    int nShownClock = -1;        // the scoreboard's clock when the box showed
    int nGameClock = -1;         // the game's own
    int nFrame = -2;             // the narration's frame then
    std::vector<std::string> Boxes;
    std::vector<std::string> Problems;
};
ACTOR g_Actor;

// The menu opened by its letter, waited for, then the item's letter.
void Menu_Keys(const char* szMenu, int nItem, const char* szItem)
{
    xtest::Focus(xtest::Main_Window());
    xtest::Key(std::string("alt+") + szMenu);
    xtest::Wait_Menu_Shown(nItem);
    xtest::Key(szItem);
}

void On_Tick(int)
{
    if (g_Actor.bBusy || !Is_Awaiting_User_Play_Call())
        return;
    g_Actor.bBusy = true;
    GAME* pGame = Get_Current_Game();
    if (!g_Actor.bQuarterFinished) {
        // Game > Finish Quarter: the first quarter goes by untold.
        g_Actor.bQuarterFinished = true;
        Menu_Keys("g", CMD_FINISH_QUARTER, "q");
    } else if (g_Actor.bWarningSeen && !g_Actor.bFinishing) {
        // Game > Finish Game: the rest is played untold.
        g_Actor.bFinishing = true;
        Menu_Keys("g", CMD_FINISH_GAME, "g");
    }
    if (Is_Awaiting_User_Play_Call() && pGame != nullptr) {
        xtest::Focus(xtest::Main_Window());
        if (gui_support::Key_Any_Play(pGame))
            ++g_Actor.nCalls;
        else if (g_Actor.Problems.size() < 5)
            g_Actor.Problems.push_back("a call could not be made by a digit key");
    }
    g_Actor.bBusy = false;
}

void Answer(int nKind, int)
{
    if (nKind != gtk_probe::WINDOW_MESSAGE_BOX)
        return;
    const std::string Title = gtk_probe::Window_Title(gtk_probe::WINDOW_MESSAGE_BOX);
    g_Actor.Boxes.push_back(Title);
    if (Title == "Two-Minute Warning" && !g_Actor.bWarningSeen) {
        g_Actor.bWarningSeen = true;
        const GAME* pShown = Get_Game_View_Situation();
        g_Actor.nShownClock = pShown != nullptr ? pShown->nClock : -1;
        const GAME* pGame = Get_Current_Game();
        g_Actor.nGameClock = pGame != nullptr ? pGame->nClock : -1;
        g_Actor.nFrame = Get_Play_Text_Frame();
        xtest::Settle(150);
        gtk_probe::Screenshot(gtk_probe::WINDOW_MAIN, 0, gui_support::Screenshot_Path("two_minute_warning"));
    }
    xtest::Focus(gtk_internal::Message_Box_Window());
    xtest::Key("Return");
}

struct HOOKS : gui_support::ANSWERING_HOOK {
    HOOKS() : ANSWERING_HOOK(Answer)
    {
        g_Actor = ACTOR{};
        Set_Timer(ACTOR_TIMER, 10, On_Tick);
    }
    ~HOOKS() { Kill_Timer(ACTOR_TIMER); }
    HOOKS(const HOOKS&) = delete;
    HOOKS& operator=(const HOOKS&) = delete;
};

}  // namespace

TEST(GtkTwoMinuteWarning, TheBoxShowsOnceThePlayThatStoppedTheClockHasBeenTold)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    SCRATCH_FOLDER Data("gui_two_minute_warning");
    ASSERT_TRUE(gui_support::Start_Attended(Data, Save_Game));
    const int nUser = gui_support::First_User_Team();
    ASSERT_GE(nUser, 0);
    const int nWeek = Get_Current_Week();
    ASSERT_NE(Get_Team_Week_Home_Away(nUser, nWeek), WEEK_NO_GAME);
    Set_Calendar_PBP_Flag(nUser, nWeek, 1);
    Set_User_Preference(PREF_TEXT_SPEED, 0);
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 0);
    Set_User_Preference(PREF_AUTO_DEFENSE_CALLS, 1);
    const HOOKS Hooks;
    // The week, by its key.
    xtest::Click(xtest::Main_Area(FRAME_PAGE));
    xtest::Key("ctrl+1");
    for (const std::string& Problem : g_Actor.Problems)
        ADD_FAILURE() << Problem;
    EXPECT_GT(Get_Current_Week(), nWeek);
    ASSERT_TRUE(g_Actor.bWarningSeen) << g_Actor.nCalls << " calls made";
    // The game stood at 2:00 of the second quarter, and the scoreboard said
    // so: the play's narration had reached the stop.
    EXPECT_EQ(g_Actor.nGameClock, TWO_MINUTES_LEFT_IN_HALF);
    EXPECT_EQ(g_Actor.nShownClock, TWO_MINUTES_LEFT_IN_HALF)
        << "the scoreboard showed " << (2 * SECONDS_PER_QUARTER - g_Actor.nShownClock) / 60 << ":"
        << (2 * SECONDS_PER_QUARTER - g_Actor.nShownClock) % 60 << " left";
    EXPECT_NE(g_Actor.nFrame, 0) << "the play had not been told";
}
