// What a play calls when a player may be hurt, and the score box; each with
// a test hook.
#include "engine/injury_services.h"

#include "engine/engine_test_hooks.h"
#include "engine/game_lineups.h"
#include "engine/watched_game.h"

#include "league/player.h"

#include "season/injuries.h"

namespace {

INJURY_SERVICES_TEST_HOOK* g_pHook = nullptr;

constexpr int HOOK_INJURY_CODE = 5;

}  // namespace

void Set_Injury_Services_Test_Hook(INJURY_SERVICES_TEST_HOOK* pHook)
{
    g_pHook = pHook;
}

void Draw_Game_Score_Box(const GAME* pGame)
{
    const WATCHED_GAME_VIEW* pView = Get_Watched_Game_View();
    if (pView != nullptr && pView->pfnDrawScoreBox != nullptr && pGame != nullptr)
        pView->pfnDrawScoreBox(pGame);
}

int Roll_Injury_Length(int nTeam, int nSlot)
{
    if (!g_pHook)
        return Check_Player_Injury(nTeam, nSlot) ? Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS) : 0;
    ++g_pHook->nRolls;
    if (g_pHook->nInjuryWeeks > 0) {
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY, HOOK_INJURY_CODE);
        Set_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS, g_pHook->nInjuryWeeks);
    }
    return g_pHook->nInjuryWeeks;
}

int Rebuild_Game_Lineup(GAME* pGame, int bSide)
{
    if (g_pHook)
        return g_pHook->bRebuildResult;
    return Update_Team_Lineup(pGame, bSide);
}

void Stop_Run_For_Injury(int nTeam, int nSlot, int nWeeks)
{
    if (g_pHook) {
        ++g_pHook->nStops;
        return;
    }
    Stop_Simulation_For_Injury(nTeam, nSlot, 0, nWeeks);
}
