// Calibrated values of the run resolution.
#include "engine/run_calibration.h"

#include "engine/game_context.h"

#include "league/league_data.h"
#include "league/league_norms.h"
#include "league/preferences.h"
#include "league/team.h"

namespace {

constexpr float DIFFICULTY_STEP = 0.03f;

}  // namespace

bool Is_User_Run_Team(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Valid_Team(nTeam) &&
           Get_User_Preference(PREF_ALL_COMPUTER_TEAMS) == 0 &&
           Get_Team_Stat(nTeam, TEAM_STAT_CONTROLLER) == CONTROLLER_USER;
}

// Calibrated to the 0.4-0.6 lost fumbles of a pro team-game, played with
// the league norms and injuries of a season: 3.1 gives 0.42 in the default
// league and 0.46 in the harness league (2.9 gave the default league 0.39
// once the era's passing averages were the real league's; 2.5 gave
// 0.36-0.39). The same figure drives the kept fumbles and the catch and sack
// fumbles.
float Get_Ball_Carrier_Base_Figure(const GAME* pGame)
{
    const float* pOverride = Get_Game_Context(pGame).pBallCarrierBaseFigure;
    return pOverride ? *pOverride : 3.1f;
}

// Calibrated to 4.1-4.5 yards a rush in a season of the default league and
// of the harness league: 0.74 for every call (1 gave about 3.0, 0.7 gave the
// default league 4.6) until the play matchup is weighed in.
float Get_Run_Matchup_Divisor(const GAME* /*pGame*/, int /*nCall*/, float /*fRunDefense*/)
{
    return 0.74f;
}

float Get_Defense_Difficulty_Factor(const GAME* pGame)
{
    if (!pGame)
        return 1.0f;
    const int nDefense = Get_Game_Defense_Team(pGame);
    if (Is_User_Run_Team(nDefense) || !Is_User_Run_Team(pGame->nOffense))
        return 1.0f;
    return 1.0f - DIFFICULTY_STEP * static_cast<float>(Get_User_Preference(PREF_DIFFICULTY));
}

// The league's rushing level: the norm the game days keep with the league,
// its default (4.20 yards a rush) while none is kept.
int Get_League_Rushing_Norm()
{
    return Get_League_Norm(LEAGUE_NORM_RUSHING);
}
