#include "frontoffice/roster_moves.h"

#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"
#include "season/season_services.h"
#include "platform/errors.h"

namespace {

// A team that holds this many players has to let its weakest one go.
constexpr int EXCESS_ROSTER_SIZE = 52;

// A legal roster: two quarterbacks, a full offence and defence with a backup
// at every place, one kicker and one punter (QB, RB, FB, TE, WR, T, G, C,
// DE, DT, LB, CB, S, K, P).
constexpr int POSITION_MINIMUM[NUMBER_OF_POSITIONS] = {2, 2, 1, 2, 4, 3, 3, 2, 3, 3, 4, 4, 3, 1, 1};

}  // namespace

bool Release_Excess_Player(int nTeam)
{
    // Rule now: the weakest player by overall rating leaves (value and
    // contracts are not weighed).
    if (!Check_Team_Index(__func__, nTeam))
        return false;
    int nPlayers = Count_Team_Players(nTeam);
    if (nPlayers < EXCESS_ROSTER_SIZE)
        return false;
    // The weakest of the players his club can spare: the last ones at a
    // position keep their places, on a club its legal minimum, in the pool
    // the pool's target, so a top-up is never released at once.
    int nWeakest = -1;
    float fWeakest = 0.0f;
    for (int s = 0; s < nPlayers; ++s) {
        const int nPosition = Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION);
        const int nKeep = nTeam == FREE_AGENT_TEAM ? Get_Free_Agent_Target(nPosition) : Get_Position_Minimum(nPosition);
        if (Count_Position_Players(nTeam, nPosition) <= nKeep)
            continue;
        float fOverall = Get_Player_Overall_Rating(nTeam, s);
        if (nWeakest < 0 || fOverall < fWeakest) {
            fWeakest = fOverall;
            nWeakest = s;
        }
    }
    if (nWeakest < 0)
        return false;
    if (nTeam == FREE_AGENT_TEAM) {
        // Released from the pool he leaves the league; the pool stays compact.
        Remove_Player_From_Roster(nTeam, nWeakest);
        return true;
    }
    return Find_Free_Agent_Slot(nTeam, nWeakest) >= 0;
}

int Choose_Team_Returner(int nTeam, int nKind)
{
    // Rule now: the first back or receiver in roster order.
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", __func__, nTeam, nKind);
        return -1;
    }
    if (nKind < RETURNER_KICKOFF || nKind > RETURNER_PUNT) {
        Report_Error("nKind out of bounds in %s(%d,[%d])", __func__, nTeam, nKind);
        return -1;
    }
    int nPlayers = Count_Team_Players(nTeam);
    for (int s = 0; s < nPlayers; ++s) {
        if (Is_Player_Back_Or_Receiver(nTeam, s)) {
            Set_Team_Returner(nTeam, nKind, s);
            return s;
        }
    }
    return -1;
}

int Get_Position_Minimum(int nPosition)
{
    return nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS ? POSITION_MINIMUM[nPosition] : 0;
}
