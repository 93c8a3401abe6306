// The watched game's control: the view hook, the game shown, the user's
// calls and timeouts.
#include "engine/watched_game.h"

#include "engine/game_driver.h"
#include "league/preferences.h"
#include "platform/ui_backend.h"

namespace {

WATCHED_GAME_VIEW g_View;
bool g_bViewInstalled = false;

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
    return g_bViewInstalled && !Ui_Is_Headless();
}

GAME* Get_Displayed_Game()
{
    return Get_Current_Game();
}

int Get_Play_Call_Stage()
{
    return Get_Current_Game() != nullptr ? PLAY_CALL_STAGE_CALLED : PLAY_CALL_STAGE_NO_GAME;
}

void Call_Current_Game_Plays()
{
}

bool Submit_User_Play_Call(bool, int)
{
    return false;
}

bool Is_Awaiting_User_Play_Call()
{
    return false;
}

int Ask_Timeout_Team(const GAME*)
{
    return -1;
}

bool Call_User_Timeout()
{
    return false;
}

void Fill_Open_Calls_With_Computer()
{
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
