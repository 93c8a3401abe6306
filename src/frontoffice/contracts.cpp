// Contract figures of a roster, and the few front-office services the
// contract rules call: the asking salary, a club's needs, a player's depth
// rank, and the user's answer to a contract offer.
//
// A roster's contracts are worth what is left to pay on them, the yearly
// salary times the years left (bonuses and the player's value are not
// weighed).
#include "frontoffice/contracts.h"

#include <algorithm>

#include "league/league_structure.h"
#include "league/overall_rating.h"
#include "season/salaries.h"

#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

constexpr int64_t CONTRACT_TOTAL_SCALE = 2000;
// Starters of each position QB..P.
constexpr int POSITION_STARTERS[NUMBER_OF_POSITIONS] = {1, 1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 1, 1};


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

void Compute_Asking_Salary(int nTeam, int nSlot, int nValue)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || !Is_Player_Slot_Used(nTeam, nSlot))
        return;
    // The price is what the salary rules say he is worth; the bonus the
    // demand above it (a rookie's from his draft slot).
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SALARY, Get_Player_Contract_Value(nTeam, nSlot, nValue));
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_SIGNING_BONUS, Get_Salary_Above_Minimum(nTeam, nSlot, nValue));
}

int Get_Position_Starters(int nPosition)
{
    if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS)
        return 0;
    return POSITION_STARTERS[nPosition];
}

void Get_Team_Position_Needs(int nTeam, POSITION_NEEDS* pNeeds)
{
    if (pNeeds == nullptr)
        return;
    // Rule: a club needs a player most where it holds fewer than the roster
    // quota of his position, and a starter more than a backup, a backup
    // more than a prospect. Ordinary need is 400 (neutral in the re-signing
    // sum); each missing player of the quota adds 200, up to 1000.
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        int nShort = 0;
        if (nTeam >= 0 && nTeam < MAX_FRANCHISES && Is_Team_Slot_Used(nTeam))
            nShort = std::max(Get_Position_Quota(p) - Count_Team_Position_Players(nTeam, p), 0);
        for (int r = 0; r < NEED_DEPTH_RANKS; ++r) {
            const int nBase = r == 0 ? 600 : (r == 1 ? 400 : 200);
            pNeeds->nNeed[r][p] = std::min(nBase + 200 * nShort, 1000);
        }
    }
}

int Rate_Player_Against_Depth(int nTeam, int nPlayerTeam, int nSlot)
{
    if (!Check_Team_Index(__func__, nTeam) || !Check_Player_Address(__func__, nPlayerTeam, nSlot))
        return NEED_DEPTH_RANKS - 1;
    const int nPosition = Get_Player_Vital_Stat(nPlayerTeam, nSlot, VITAL_POSITION);
    const int nStarters = Get_Position_Starters(nPosition);
    if (nStarters == 0)
        return NEED_DEPTH_RANKS - 1;
    // Rule: his place among the club's players of his position by overall
    // rating (others ahead of him when strictly better).
    const float fOverall = Get_Position_Overall_Rating(nPlayerTeam, nSlot, nPosition);
    int nAhead = 0;
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        if ((nTeam == nPlayerTeam && s == nSlot) || Get_Player_Vital_Stat(nTeam, s, VITAL_PLAYER_ID) == 0 ||
            Get_Player_Vital_Stat(nTeam, s, VITAL_POSITION) != nPosition)
            continue;
        if (Get_Position_Overall_Rating(nTeam, s, nPosition) > fOverall)
            ++nAhead;
    }
    if (nAhead < nStarters)
        return 0;
    return nAhead < 2 * nStarters ? 1 : 2;
}

namespace {
int (*g_pOfferPolicy)(int, int) = nullptr;
}

int Run_Contract_Offer_Dialog(int nTeam, int nSlot)
{
    // Without a window nobody can make an offer: not signed, unless a
    // policy (the desktop dialog, or a test's script) is installed.
    return g_pOfferPolicy != nullptr ? g_pOfferPolicy(nTeam, nSlot) : 0;
}

void Set_Contract_Offer_Policy(int (*pPolicy)(int, int))
{
    g_pOfferPolicy = pPolicy;
}
