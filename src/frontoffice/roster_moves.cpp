#include "frontoffice/roster_moves.h"

#include <cstdint>

#include "engine/formations.h"
#include "league/league_data.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/team.h"
#include "season/player_generation.h"
#include "season/player_value.h"
#include "season/retirement.h"
#include "season/season_services.h"
#include "platform/errors.h"

namespace {

// A team that holds this many players has to let its weakest one go.
constexpr int EXCESS_ROSTER_SIZE = 52;

// A legal roster: two quarterbacks, a full offence and defence with a backup
// at every place, one kicker and one punter (QB, RB, FB, TE, WR, T, G, C,
// DE, DT, LB, CB, S, K, P).
constexpr int POSITION_MINIMUM[NUMBER_OF_POSITIONS] = {2, 2, 1, 2, 4, 3, 3, 2, 3, 3, 4, 4, 3, 1, 1};

// The players a position keeps: on a club its legal minimum, in the pool the
// pool's target, so a top-up is never released at once.
int Position_Keep(int nTeam, int nPosition)
{
    return nTeam == FREE_AGENT_TEAM ? Get_Free_Agent_Target(nPosition) : Get_Position_Minimum(nPosition);
}

bool Can_Spare(int nTeam, int nSlot)
{
    const int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION);
    return Count_Position_Players(nTeam, nPosition) > Position_Keep(nTeam, nPosition);
}

// The least kept value among the players the team can spare, the first of
// equals; -1 for none.
int Find_Lowest_Spare_Player(int nTeam, int nPlayers)
{
    int nWeakest = -1;
    int64_t nWeakestKeep = 0;
    for (int s = 0; s < nPlayers; ++s) {
        if (!Can_Spare(nTeam, s))
            continue;
        const int64_t K = Get_Player_Keep_Value(nTeam, s);
        if (nWeakest < 0 || K < nWeakestKeep) {
            nWeakestKeep = K;
            nWeakest = s;
        }
    }
    return nWeakest;
}

}  // namespace

int Find_Weakest_Team_Player(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return -1;
    const int nPosition = Find_Surplus_Position(nTeam);
    const bool bFranchise = nTeam < MAX_FRANCHISES && Is_Valid_Team(nTeam);
    const int nPlayers = Count_Team_Players(nTeam);
    int nWeakest = -1;
    int64_t nWeakestKeep = 0;
    for (int s = 0; s < nPlayers; ++s) {
        if (Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION) != nPosition)
            continue;
        const int64_t V = Get_Player_Value(nTeam, s);
        const int64_t R = static_cast<int64_t>(Get_Position_Overall_Or_Regenerate(nTeam, s, nPosition));
        const int64_t C = bFranchise ? Get_Player_Vital_Stat(nTeam, s, VITAL_SCALED_CAP_CHARGE) : 0;
        const int64_t K = (V == 0 ? 0 : (R * R * V + 1250) / 2500) - C;
        if (nWeakest < 0 || K < nWeakestKeep) {
            nWeakestKeep = K;
            nWeakest = s;
        }
    }
    return nWeakest;
}

int64_t Get_Player_Keep_Value(int nTeam, int nSlot)
{
    const int64_t V = Get_Player_Value(nTeam, nSlot);
    const int64_t R = static_cast<int64_t>(
        Get_Position_Overall_Rating(nTeam, nSlot, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION)));
    return V == 0 ? 0 : (R * R * V + 1250) / 2500;
}

bool Release_Excess_Player(int nTeam)
{
    if (!Check_Team_Index(__func__, nTeam))
        return false;
    int nPlayers = Count_Team_Players(nTeam);
    if (nPlayers < EXCESS_ROSTER_SIZE)
        return false;
    // The club's own choice, unless it would cut below what a position must
    // keep; then the one of least kept value among those it can spare.
    int nWeakest = Find_Weakest_Team_Player(nTeam);
    if (nWeakest < 0 || !Can_Spare(nTeam, nWeakest))
        nWeakest = Find_Lowest_Spare_Player(nTeam, nPlayers);
    if (nWeakest < 0)
        return false;
    if (nTeam == FREE_AGENT_TEAM) {
        // Released from the pool he leaves the league: he retires, and a long
        // career is weighed for the Hall Of Fame. The pool stays compact.
        Retire_Player(nTeam, nWeakest);
        return true;
    }
    return Find_Free_Agent_Slot(nTeam, nWeakest) >= 0;
}

int Choose_Team_Returner(int nTeam, int nKind)
{
    // The returner is the first back or receiver in roster order.
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
