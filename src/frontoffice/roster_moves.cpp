#include "frontoffice/roster_moves.h"

#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

// A team that holds this many players has to let its weakest one go.
constexpr int EXCESS_ROSTER_SIZE = 52;

}  // namespace

int Release_Excess_Player(int nTeam)
{
    // Least version until the front office is built: the weakest player by
    // overall rating leaves (the full version weighs value and contracts).
    if (!Check_Team_Index("Release_Excess_Player", nTeam))
        return 0;
    int nPlayers = Count_Team_Players(nTeam);
    if (nPlayers < EXCESS_ROSTER_SIZE)
        return 0;
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
        return 1;
    }
    return Find_Free_Agent_Slot(nTeam, nWeakest) >= 0 ? 1 : 0;
}

int Choose_Team_Returner(int nTeam, int nKind)
{
    // Least version until depth charts are built: the first back or receiver.
    if (nTeam < 0 || nTeam >= TOTAL_NUMBER_OF_TEAMS) {
        Report_Error("nTeam out of bounds in Choose_Team_Returner([%d],%d)", nTeam, nKind);
        return -1;
    }
    if (nKind < RETURNER_KICKOFF || nKind > RETURNER_PUNT) {
        Report_Error("nKind out of bounds in Choose_Team_Returner(%d,[%d])", nTeam, nKind);
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
