// Calibrated values of the run resolution.
#include "engine/run_calibration.h"

#include "league/league_data.h"
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

// Calibrated to: 1 gives a carrier of Hands 75 in dry weather 48 lost
// fumbles in 10,000 carries (0.5 %), about 0.13 lost fumbles a team-game
// from some 27 carries, the running share of the 0.4-0.6 lost fumbles of a
// pro team-game.
float Get_Ball_Carrier_Base_Figure(const GAME* /*pGame*/)
{
    return 1.0f;
}

// Calibrated to: neutral (1) for every call, so the run gain rests on the
// unit factors alone until the play matchup is weighed in.
float Get_Run_Matchup_Divisor(const GAME* /*pGame*/, int /*nCall*/, float /*fRunDefense*/)
{
    return 1.0f;
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

// Rule now: the league keeps the default rushing level of 4.20 yards a rush.
int Get_League_Rushing_Norm()
{
    return 420;
}
