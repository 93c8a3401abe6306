// Contract figures of a roster. The front office's own contract worth (with
// bonuses and the player's value) comes with the contract negotiations; until
// then the worth of a contract is what is left to pay on it: the yearly
// salary times the years left.
#include "frontoffice/contracts.h"

#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

constexpr int64_t CONTRACT_TOTAL_SCALE = 2000;

}  // namespace

int64_t Get_Team_Contract_Total(int nTeam)
{
    if (!Check_Team_Index("Get_Team_Contract_Total", nTeam))
        return 0;
    int64_t nWorth = 0;
    for (const PLAYER& Player : League.Team[nTeam].Player) {
        if (Player.nVital[VITAL_PLAYER_ID] == 0)
            continue;
        int64_t nYears = Player.nVital[VITAL_CONTRACT_YEARS_LEFT];
        // A contract with no years left is worth nothing more.
        if (nYears > 0)
            nWorth += static_cast<int64_t>(Player.nVital[VITAL_SALARY]) * nYears;
    }
    return nWorth * CONTRACT_TOTAL_SCALE;
}
