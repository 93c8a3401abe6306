#include "frontoffice/roster_moves.h"

#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

// A team that holds this many players has to let its weakest one go.
constexpr int EXCESS_ROSTER_SIZE = 52;

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
    int nWeakest = 0;
    float fWeakest = Get_Player_Overall_Rating(nTeam, 0);
    for (int s = 1; s < nPlayers; ++s) {
        float fOverall = Get_Player_Overall_Rating(nTeam, s);
        if (fOverall < fWeakest) {
            fWeakest = fOverall;
            nWeakest = s;
        }
    }
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
