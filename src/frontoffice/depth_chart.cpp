// Depth charts of the teams.
//
// The game puts a position's healthy players on the field in roster-slot
// order, so a club's depth chart is its roster order: within the slots a
// position's players hold, the best (healthy first, then by depth-chart
// score) come first, starters then backups. Ordering moves whole records
// between those slots only; every other position keeps its slots, and what
// names a roster slot (returners, the card's player, the pending trade) is
// carried along with its player.
#include "frontoffice/depth_chart.h"

#include <algorithm>
#include <array>

#include "engine/calibration.h"
#include "frontoffice/contracts.h"
#include "frontoffice/roster_moves.h"
#include "frontoffice/trade_offer.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

struct UNIT_POSITIONS {
    int nFirst, nLast;
};
constexpr UNIT_POSITIONS UNIT_RANGE[3] = {{POSITION_QB, POSITION_C}, {POSITION_DE, POSITION_S}, {POSITION_K, POSITION_P}};

bool Check_Unit_Arguments(const char* szFunction, int nTeam, int nUnit)
{
    if (!Is_Valid_Team(nTeam)) {
        Report_Error("nTeam out of bounds in %s([%d],%d)", szFunction, nTeam, nUnit);
        return false;
    }
    if (nUnit < 0 || nUnit > 2) {
        Report_Error("nUnit out of bounds in %s(%d,[%d])", szFunction, nTeam, nUnit);
        return false;
    }
    return true;
}

void Choose_Returners(int nTeam)
{
    Choose_Team_Returner(nTeam, RETURNER_KICKOFF);
    Choose_Team_Returner(nTeam, RETURNER_PUNT);
}

struct RANKED {
    int nSlot;
    int nID;
    bool bHealthy;
    float fScore;
};

// Healthy before hurt, then the higher score; equal players keep their order.
bool Ranks_Before(const RANKED& A, const RANKED& B)
{
    if (A.bHealthy != B.bHealthy)
        return A.bHealthy;
    if (A.fScore != B.fScore)
        return A.fScore > B.fScore;
    return A.nSlot < B.nSlot;
}

// A slot named by a stored reference follows its player when two slots of
// the team exchange players.
int Follow_Slot(int nSlot, int nSlotA, int nSlotB)
{
    if (nSlot == nSlotA)
        return nSlotB;
    if (nSlot == nSlotB)
        return nSlotA;
    return nSlot;
}

// Exchanges two players of the team (the returner bytes and a watched game's
// line-ups follow in the roster's own swap) and carries the other stored
// slot references along.
void Exchange_Team_Slots(int nTeam, int nSlotA, int nSlotB)
{
    Swap_Players(nTeam, nSlotA, nTeam, nSlotB);
    if (Get_User_Preference(PREF_CARD_TEAM) == nTeam)
        Set_User_Preference(PREF_CARD_SLOT, Follow_Slot(Get_User_Preference(PREF_CARD_SLOT), nSlotA, nSlotB));
    TRADE_OFFER& Offer = Get_Trade_Offer();
    for (int nSide = 0; nSide < 2; ++nSide) {
        if (Offer.nTeam[nSide] != nTeam)
            continue;
        for (uint8_t& nItem : Offer.nItem[nSide])
            if (nItem != TRADE_ITEM_EMPTY)
                nItem = static_cast<uint8_t>(Follow_Slot(nItem, nSlotA, nSlotB));
    }
}

// Orders the players of one position from rank nFrom on (the ranks before it
// stay where they are) within the slots they hold.
void Order_Position(int nTeam, int nPosition, int nFrom)
{
    std::array<RANKED, PLAYERS_PER_TEAM> Players;
    int nCount = 0;
    const int nEnd = Find_Roster_End(nTeam);
    for (int s = 0; s < nEnd; ++s) {
        if (Get_Player_Position(nTeam, s) != nPosition)
            continue;
        if (nCount++ < nFrom)
            continue;
        Players[static_cast<size_t>(nCount - 1 - nFrom)] = {s, Get_Player_ID(nTeam, s),
                                                             Get_Player_Injury_Weeks(nTeam, s) < 1,
                                                             Get_Depth_Chart_Score(nTeam, s, nPosition, 0)};
    }
    const int nOrdered = std::max(0, nCount - nFrom);
    std::array<int, PLAYERS_PER_TEAM> nSlots;   // the slots, ascending
    for (int i = 0; i < nOrdered; ++i)
        nSlots[static_cast<size_t>(i)] = Players[static_cast<size_t>(i)].nSlot;
    std::stable_sort(Players.begin(), Players.begin() + nOrdered, Ranks_Before);
    // Put the i-th ranked player into the i-th slot; one exchange a misplaced
    // player, none at all for an ordered chart.
    for (int i = 0; i < nOrdered; ++i) {
        const int nSlot = nSlots[static_cast<size_t>(i)];
        const int nWanted = Players[static_cast<size_t>(i)].nID;
        if (Get_Player_ID(nTeam, nSlot) == nWanted)
            continue;
        for (int j = i + 1; j < nOrdered; ++j) {
            const int nOther = nSlots[static_cast<size_t>(j)];
            if (Get_Player_ID(nTeam, nOther) == nWanted) {
                Exchange_Team_Slots(nTeam, nSlot, nOther);
                break;
            }
        }
    }
}

// Only the franchises keep depth charts: the free agents, the Hall of Fame
// and the draft pools keep their lists' order.
bool Keeps_Depth_Chart(int nTeam)
{
    return nTeam >= 0 && nTeam < FREE_AGENT_TEAM;
}

}  // namespace

void Auto_Set_All_Depth_Charts(int bFlag)
{
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams; t++) {
        if (!Is_Valid_Team(t))
            continue;
        for (int nUnit = 0; nUnit <= 2; ++nUnit)
            Auto_Set_Depth_Chart(t, nUnit, bFlag);
    }
}

void Auto_Set_Depth_Chart(int nTeam, int nUnit, int bFlag)
{
    (void)bFlag;
    if (!Check_Unit_Arguments(__func__, nTeam, nUnit))
        return;
    if (Keeps_Depth_Chart(nTeam))
        for (int p = UNIT_RANGE[nUnit].nFirst; p <= UNIT_RANGE[nUnit].nLast; ++p)
            Order_Position(nTeam, p, 0);
    if (nUnit == 2)
        Choose_Returners(nTeam);   // the special-teams unit holds the returners
}

void Sort_Depth_Chart_Backups(int nTeam, int nUnit)
{
    if (!Check_Unit_Arguments(__func__, nTeam, nUnit) || !Keeps_Depth_Chart(nTeam))
        return;
    for (int p = UNIT_RANGE[nUnit].nFirst; p <= UNIT_RANGE[nUnit].nLast; ++p)
        Order_Position(nTeam, p, Get_Position_Starters(p));
}

void Check_Defensive_Playbook(int nTeam)
{
    // Only the team is checked: the plays are not matched to the alignment and
    // no default playbook is offered.
    if (!Is_Valid_Team(nTeam))
        Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
}
