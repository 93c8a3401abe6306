// The watched game's control: the view hook, the game shown, the user's
// calls and timeouts, and the watched snap's calls, repaints and animation.
#include "engine/watched_game.h"

#include <climits>
#include <cstdint>
#include <cstdio>

#include "engine/defense_calling.h"
#include "engine/formations.h"
#include "engine/game_clock.h"
#include "engine/game_driver.h"
#include "engine/game_state.h"
#include "engine/offense_calling.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "engine/run_calibration.h"
#include "league/league_data.h"
#include "league/league_text.h"
#include "league/preferences.h"
#include "league/team_schedule.h"
#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "platform/ui_backend.h"
#include "platform/ui_services.h"

namespace {

constexpr int PREF_OFFENSE_PAGE = PREF_PLAY_CALL_FIRST;          // 57
constexpr int PREF_DEFENSE_PAGE = PREF_PLAY_CALL_FIRST + 1;      // 58
constexpr int PREF_OFFENSE_SELECTION = PREF_PLAY_CALL_FIRST + 2; // 59
constexpr int PREF_DEFENSE_SELECTION = PREF_PLAY_CALL_FIRST + 3; // 60
constexpr int LAST_FRAME = 10;
constexpr int PLAYS_PER_PAGE = 10;

WATCHED_GAME_VIEW g_View;
bool g_bViewInstalled = false;

// The computer's calls of the snap being called: what a call the user leaves
// open, or Stop, falls back on, and what Call_Current_Game_Plays makes again
// (so remaking them draws no number twice).
struct SNAP_SUGGESTION {
    const GAME* pGame = nullptr;
    int nOffenseCall = PLAY_NOT_CALLED;
    int nDefenseCall = PLAY_NOT_CALLED;
};
SNAP_SUGGESTION g_Suggestion;
// The game whose snap waits for the user's calls: set once the snap's calls
// are made up to the user's open ones, cleared when the wait ends. A call
// still open outside it (the computer's call of a try asking "Go For Two?",
// whose box runs the window's loop) is no call the user is asked for.
const GAME* g_pCallsAwaited = nullptr;
// The game-in-progress menu was put up for the game being played.
bool g_bGameMenuShown = false;

bool Is_Kickoff_Down(const GAME* pGame)
{
    const int nDown = Get_Game_Down_Code(pGame);
    return nDown == KICKOFF_DOWN || nDown == SAFETY_KICK_DOWN;
}

// The defence never calls against a kick: a kick-off, or a punt or field
// goal already called.
bool Defense_Faces_Kick(const GAME* pGame)
{
    if (Is_Kickoff_Down(pGame))
        return true;
    const int nCall = pGame->CurrentPlay.nOffenseCall;
    if (nCall == PLAY_NOT_CALLED)
        return false;
    const int nType = Get_Call_Play_Type(pGame, nCall);
    return nType == PLAY_TYPE_PUNT || nType == PLAY_TYPE_FIELD_GOAL;
}

void Repaint_View()
{
    if (g_bViewInstalled && g_View.pfnRepaint != nullptr)
        g_View.pfnRepaint();
}

int Suggested_Offense_Call(GAME* pGame)
{
    if (g_Suggestion.pGame == pGame && g_Suggestion.nOffenseCall != PLAY_NOT_CALLED)
        return g_Suggestion.nOffenseCall;
    return Call_Offensive_Play(pGame);
}

int Suggested_Defense_Call(GAME* pGame)
{
    if (g_Suggestion.pGame == pGame && g_Suggestion.nDefenseCall != PLAY_NOT_CALLED)
        return g_Suggestion.nDefenseCall;
    return Call_Defensive_Play(pGame);
}

// Blocks in the seam's wait until nMs have passed on its clock. A backend
// without a clock of its own never moves the model's clock, so the wait is
// bounded by a count of wake-ups as well.
void Wait_Milliseconds(int nMs)
{
    const uint64_t nEnd = Ui_Now() + static_cast<uint64_t>(nMs);
    for (int nWakeUps = 0; nWakeUps <= nMs; ++nWakeUps) {
        const uint64_t nNow = Ui_Now();
        if (nNow >= nEnd)
            return;
        Wait_For_Event(static_cast<int>(nEnd - nNow));
    }
}

}  // namespace

void Install_Watched_Game_View(const WATCHED_GAME_VIEW* pView)
{
    g_bViewInstalled = pView != nullptr;
    g_View = pView != nullptr ? *pView : WATCHED_GAME_VIEW{};
}

const WATCHED_GAME_VIEW* Get_Watched_Game_View()
{
    return g_bViewInstalled ? &g_View : nullptr;
}

bool Can_Wait_For_User()
{
    return g_bViewInstalled && !dialogs::Unattended();
}

GAME* Get_Displayed_Game()
{
    GAME* pGame = Get_Current_Game();
    if (pGame != nullptr && Get_User_Preference(PREF_SIMULATION_RUNNING) != 0 && Is_Game_Watched(pGame))
        return pGame;
    const int nShown = Get_User_Preference(PREF_SHOWN_GAME);
    if (nShown >= 0 && nShown < NUMBER_OF_GAMES)
        return Get_Game_Record(nShown);
    return nullptr;
}

int Get_Play_Call_Stage()
{
    const GAME* pGame = Get_Current_Game();
    if (pGame == nullptr)
        return PLAY_CALL_STAGE_NO_GAME;
    const PLAY& Play = pGame->CurrentPlay;
    if (Play.nOffenseCall == PLAY_NOT_CALLED)
        return Is_Kickoff_Down(pGame) ? PLAY_CALL_STAGE_KICKOFF : PLAY_CALL_STAGE_OFFENSE;
    if (Play.nDefenseCall == PLAY_NOT_CALLED)
        return PLAY_CALL_STAGE_DEFENSE;
    return PLAY_CALL_STAGE_CALLED;
}

void Call_Current_Game_Plays()
{
    GAME* pGame = Get_Current_Game();
    if (pGame != nullptr) {
        PLAY& Play = pGame->CurrentPlay;
        const int nOffenseCall = Suggested_Offense_Call(pGame);
        if (Is_Computer_Called_Team(Get_Game_Offense_Team(pGame), true))
            Play.nOffenseCall = static_cast<uint8_t>(nOffenseCall);
        else
            Set_User_Preference(PREF_OFFENSE_PAGE, nOffenseCall / PLAYS_PER_PAGE);
        const int nDefenseCall = Suggested_Defense_Call(pGame);
        if (Is_Computer_Called_Team(Get_Game_Defense_Team(pGame), false) || Defense_Faces_Kick(pGame))
            Play.nDefenseCall = static_cast<uint8_t>(nDefenseCall);
        else
            Set_User_Preference(PREF_DEFENSE_PAGE, nDefenseCall / PLAYS_PER_PAGE);
    }
    Repaint_View();
}

bool Submit_User_Play_Call(bool bOffense, int nPlayIndex)
{
    GAME* pGame = Get_Current_Game();
    if (pGame == nullptr || !Is_Awaiting_User_Play_Call())
        return false;
    PLAY& Play = pGame->CurrentPlay;
    const int nStage = Get_Play_Call_Stage();
    if (bOffense) {
        if (nStage != PLAY_CALL_STAGE_OFFENSE && nStage != PLAY_CALL_STAGE_KICKOFF)
            return false;
        const bool bValid = nStage == PLAY_CALL_STAGE_KICKOFF
                                ? nPlayIndex >= 0 && nPlayIndex < KICK_PLAY_COUNT && Is_Valid_Kick_Play(nPlayIndex)
                                : Get_Offensive_Play_Type(Get_Game_Offense_Team(pGame), nPlayIndex) >= 0;
        if (!bValid)
            return false;
        Play.nOffenseCall = static_cast<uint8_t>(nPlayIndex);
        Set_User_Preference(PREF_OFFENSE_SELECTION, nPlayIndex);
        // Nobody calls a defence against a kick: the computer's stands.
        if (Play.nDefenseCall == PLAY_NOT_CALLED && Defense_Faces_Kick(pGame))
            Play.nDefenseCall = static_cast<uint8_t>(Suggested_Defense_Call(pGame));
    } else {
        if (nStage != PLAY_CALL_STAGE_DEFENSE)
            return false;
        if (nPlayIndex < 0 || nPlayIndex >= DEFENSIVE_PLAY_COUNT ||
            Get_Defensive_Play_Formation(Get_Game_Defense_Team(pGame), nPlayIndex) < 0)
            return false;
        Play.nDefenseCall = static_cast<uint8_t>(nPlayIndex);
        Set_User_Preference(PREF_DEFENSE_SELECTION, nPlayIndex);
    }
    Repaint_View();
    return true;
}

bool Is_Awaiting_User_Play_Call()
{
    const GAME* pGame = Get_Current_Game();
    return pGame != nullptr && pGame == g_pCallsAwaited && Can_Wait_For_User() && Is_Waiting_For_Play_Call(pGame);
}

int Get_Computer_Play_Call(bool bOffense)
{
    if (g_Suggestion.pGame == nullptr)
        return -1;
    return bOffense ? g_Suggestion.nOffenseCall : g_Suggestion.nDefenseCall;
}

int Ask_Timeout_Team(const GAME* pGame)
{
    if (pGame == nullptr)
        return -1;
    const bool bAway = Is_User_Run_Team(pGame->nAwayTeam);
    const bool bHome = Is_User_Run_Team(pGame->nHomeTeam);
    if (bAway && bHome) {
        char szAway[64] = {};
        char szHome[64] = {};
        Get_Team_Short_Name(pGame->nAwayTeam, szAway);
        Get_Team_Short_Name(pGame->nHomeTeam, szHome);
        // A club without a name still needs a button to be chosen by.
        if (szAway[0] == '\0')
            std::snprintf(szAway, sizeof(szAway), "Away");
        if (szHome[0] == '\0')
            std::snprintf(szHome, sizeof(szHome), "Home");
        return User_Message_Dialog("Which team?", "Which team calls the timeout?", 0, szAway, szHome, nullptr) ==
                       ID_YES
                   ? GAME_SIDE_AWAY
                   : GAME_SIDE_HOME;
    }
    if (bHome)
        return GAME_SIDE_HOME;
    return bAway ? GAME_SIDE_AWAY : -1;
}

bool Call_User_Timeout()
{
    GAME* pGame = Get_Current_Game();
    if (pGame == nullptr || Is_Game_Over(pGame))
        return false;
    // A timeout stops the game clock for the next snap, and the clock runs
    // only from the opening kick-off on (whose set-up stops it anyway): before
    // it there is nothing to stop and no timeout is spent, as the computer's
    // clubs never take one while the clock stands.
    if (pGame->nPlays == 0 && Is_Kickoff_Down(pGame))
        return false;
    const int bSide = Ask_Timeout_Team(pGame);
    if (bSide < 0)
        return false;
    if (!Take_Team_Timeout(pGame, bSide)) {
        Show_Message_Box("No timeouts left.", "Timeout", BOX_OK | BOX_ICON_EXCLAMATION);
        return false;
    }
    Repaint_View();
    return true;
}

void Fill_Open_Calls_With_Computer()
{
    Fill_Open_Calls_With_Computer(Get_Displayed_Game());
}

void Fill_Open_Calls_With_Computer(GAME* pGame)
{
    if (pGame == nullptr)
        return;
    PLAY& Play = pGame->CurrentPlay;
    if (Play.nOffenseCall == PLAY_NOT_CALLED)
        Play.nOffenseCall = static_cast<uint8_t>(Suggested_Offense_Call(pGame));
    if (Play.nDefenseCall == PLAY_NOT_CALLED)
        Play.nDefenseCall = static_cast<uint8_t>(Suggested_Defense_Call(pGame));
}

void Release_Play_Click_Wait()
{
    Set_User_Preference(PREF_WAITING_FOR_CLICK, 0);
}

bool Is_Waiting_For_Play_Click()
{
    return Get_User_Preference(PREF_WAITING_FOR_CLICK) == 1;
}

int Get_Animation_Interval()
{
    if (Get_User_Preference(PREF_ANIMATION_MODE) > 0)
        return 0;
    const int nInterval = 2 * Get_User_Preference(PREF_TEXT_SPEED);
    return nInterval > 1 ? nInterval : 1;
}

bool Finish_Current_Quarter()
{
    const GAME* pGame = Get_Current_Game();
    if (pGame == nullptr || Is_Game_Over(pGame))
        return false;
    Set_User_Preference(PREF_ANIMATION_MODE, Get_Game_Quarter(pGame) + 1);
    return true;
}

bool Finish_Current_Game()
{
    const GAME* pGame = Get_Current_Game();
    if (pGame == nullptr || Is_Game_Over(pGame))
        return false;
    if (Show_Message_Box("Simulate the remainder of this game?", "Finish Game", BOX_YESNO | BOX_ICON_QUESTION) !=
        ID_YES)
        return false;
    Set_User_Preference(PREF_ANIMATION_MODE, Get_Game_Quarter(pGame) + 10);
    return true;
}

// ---------------------------------------------------------------------------
// The game driver's watched snap

void Take_Watched_Play_Calls(GAME* pGame, int nOffenseCall, int nDefenseCall)
{
    g_Suggestion = SNAP_SUGGESTION{pGame, nOffenseCall, nDefenseCall};
    // The game menu's commands come to life once the game is watched.
    if (!g_bGameMenuShown) {
        g_bGameMenuShown = true;
        Build_Game_Menu(1);
    }
    if (Get_User_Preference(PREF_MAIN_PAGE) != GAMES_PAGE)
        Show_Main_Page(GAMES_PAGE);
    Set_User_Preference(PREF_OFFENSE_SELECTION, -1);
    Set_User_Preference(PREF_DEFENSE_SELECTION, -1);

    PLAY& Play = pGame->CurrentPlay;
    if (Is_Conversion_Attempt(pGame) && !Should_Go_For_Two(pGame))
        Play.nOffenseCall = static_cast<uint8_t>(OFFENSIVE_PLAY_COUNT - 1);
    else if (Is_Computer_Called_Team(Get_Game_Offense_Team(pGame), true))
        Play.nOffenseCall = static_cast<uint8_t>(nOffenseCall);
    else
        Set_User_Preference(PREF_OFFENSE_PAGE, nOffenseCall / PLAYS_PER_PAGE);
    if (Is_Computer_Called_Team(Get_Game_Defense_Team(pGame), false) || Defense_Faces_Kick(pGame))
        Play.nDefenseCall = static_cast<uint8_t>(nDefenseCall);
    else
        Set_User_Preference(PREF_DEFENSE_PAGE, nDefenseCall / PLAYS_PER_PAGE);

    g_pCallsAwaited = pGame;
    Repaint_View();
    Pump_Messages();
    // The user's click or key fills the open call inside the wait; Stop,
    // Finish Quarter and Finish Game end the wait without one.
    while (Can_Wait_For_User() && Is_Waiting_For_Play_Call(pGame)) {
        Wait_For_Event(-1);
        Pump_Messages();
    }
    g_pCallsAwaited = nullptr;

    if (Play.nOffenseCall == PLAY_NOT_CALLED)
        Play.nOffenseCall = static_cast<uint8_t>(nOffenseCall);
    if (Play.nDefenseCall == PLAY_NOT_CALLED)
        Play.nDefenseCall = static_cast<uint8_t>(nDefenseCall);
    g_Suggestion = SNAP_SUGGESTION{};
}

void End_Watched_Game()
{
    g_Suggestion = SNAP_SUGGESTION{};
    g_pCallsAwaited = nullptr;
    if (!g_bGameMenuShown)
        return;
    g_bGameMenuShown = false;
    Build_Game_Menu(0);
}

void Show_Watched_Game(const GAME* pGame)
{
    // Only a view shows a game; the window keeps the game it showed once it
    // is over, and opens its box score and recap by preference 34.
    if (!g_bViewInstalled || pGame == nullptr)
        return;
    const GAME* pFirst = Get_Game_Record(0);
    if (pFirst == nullptr || pGame < pFirst || pGame >= pFirst + NUMBER_OF_GAMES)
        return;
    Set_User_Preference(PREF_SHOWN_GAME, static_cast<int>(pGame - pFirst));
}

void Repaint_Watched_Game()
{
    Repaint_View();
}

void Hold_Watched_Snap(const GAME* pGame)
{
    if (g_bViewInstalled && g_View.pfnHoldSnap != nullptr)
        g_View.pfnHoldSnap(pGame);
}

void Animate_Watched_Play(GAME* pGame)
{
    if (!g_bViewInstalled || pGame == nullptr)
        return;
    const bool bCanWait = Can_Wait_For_User();
    const int nInterval = Get_Animation_Interval();
    // Stop, taken between two frames, ends the watching: the rest of the
    // play is not told, and nothing waits for it.
    const auto Left = [pGame] {
        return Get_User_Preference(PREF_SIMULATION_RUNNING) == 0 || !Is_Game_Watched(pGame);
    };
    menus::Grey_Main_Menu(true);
    for (int nFrame = 0; nFrame <= LAST_FRAME && !Left(); ++nFrame) {
        const int nWait = g_View.pfnPaintPlayTextBox != nullptr ? g_View.pfnPaintPlayTextBox(nFrame, false) : 0;
        if (nWait > 0 && bCanWait)
            Wait_Milliseconds(nWait > INT_MAX / nInterval ? INT_MAX : nWait * nInterval);
        else
            Pump_Messages();
    }
    menus::Grey_Main_Menu(false);
    if (Left()) {
        Forget_Due_Two_Minute_Warning();
    } else {
        // The play has been told up to the clock's stop.
        Show_Due_Two_Minute_Warning();
        if (bCanWait && Get_Universe_Word(CLICK_TO_CONTINUE_WORD) != 0)
            Wait_For_Play_Call();
    }
    if (g_View.pfnPaintPlayTextBox != nullptr)
        g_View.pfnPaintPlayTextBox(-1, true);
}
