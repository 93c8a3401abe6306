// Contract figures of a roster.
//
// Rule now: a contract is worth what is left to pay on it, the yearly salary
// times the years left (bonuses and the player's value are not weighed).
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
    if (!Check_Team_Index(__func__, nTeam))
        return 0;
    int64_t nWorth = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if (Get_Player_Vital_Stat(nTeam, s, VITAL_PLAYER_ID) == 0)
            continue;
        int64_t nYears = Get_Player_Vital_Stat(nTeam, s, VITAL_CONTRACT_YEARS_LEFT);
        // A contract with no years left is worth nothing more.
        if (nYears > 0)
            nWorth += static_cast<int64_t>(Get_Player_Vital_Stat(nTeam, s, VITAL_SALARY)) * nYears;
    }
    return nWorth * CONTRACT_TOTAL_SCALE;
}

// Stand-ins until the contract services are in.
void Compute_Asking_Salary(int, int, int) {}

int Rate_Player_Against_Depth(int, int, int)
{
    return 2;
}

namespace {
int (*g_pOfferPolicy)(int, int) = nullptr;
}

int Run_Contract_Offer_Dialog(int nTeam, int nSlot)
{
    return g_pOfferPolicy != nullptr ? g_pOfferPolicy(nTeam, nSlot) : 0;
}

void Set_Contract_Offer_Policy(int (*pPolicy)(int, int))
{
    g_pOfferPolicy = pPolicy;
}
