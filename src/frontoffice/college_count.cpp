// The college prospects of the three pools.
//
// The order rule chosen for the pools: one list over the three pools, best
// first by the key, real prospects ahead when asked, ties in their old
// order. Keys are computed once before sorting, so a key with side effects
// (a regenerated player) is taken once per player, in pool order.

#include "frontoffice/college_count.h"

#include <algorithm>
#include <vector>

#include "league/league_data.h"
#include "league/player.h"
#include "platform/ui.h"
#include "season/player_value.h"

namespace {

constexpr int FICTIONAL_PLAYER_FLAG = 1;   // vital stat 24 bit 0

struct COLLEGE_ENTRY {
    int nID;
    bool bReal;
    float fKey;
};

}  // namespace

int Count_College_Players()
{
    int n = 0;
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t)
        n += Count_Team_Players(t);
    return n;
}

bool Find_College_Player_Slot(int k, int* pnTeam, int* pnSlot)
{
    if (pnTeam != nullptr)
        *pnTeam = NO_TEAM;
    if (pnSlot != nullptr)
        *pnSlot = -1;
    if (k < 0)
        return false;
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
        const int n = Count_Team_Players(t);
        if (k < n) {
            if (pnTeam != nullptr)
                *pnTeam = t;
            if (pnSlot != nullptr)
                *pnSlot = k;
            return true;
        }
        k -= n;
    }
    return false;
}

void Sort_College_Players(int bRealFirst, int nKey)
{
    const int n = Count_College_Players();
    const bool bOwnWindow = Open_Progress_Window("Sorting College Players...", 100) != 0;
    std::vector<COLLEGE_ENTRY> Entries;
    Entries.reserve(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        int t = NO_TEAM;
        int s = -1;
        Find_College_Player_Slot(k, &t, &s);
        float fKey = nKey == COLLEGE_SORT_POTENTIAL ? Compute_Player_Potential(t, s)
                                                          : Get_Player_Overall_Or_Regenerate(t, s);
        if (fKey != fKey)   // a NaN rating sorts last rather than breaking the order
            fKey = -1.0e30f;
        const bool bReal = (Get_Player_Vital_Stat(t, s, VITAL_FLAGS) & FICTIONAL_PLAYER_FLAG) == 0;
        // The slot's place is its identity here: IDs of prospects may repeat
        // in a damaged league, places never do.
        Entries.push_back(COLLEGE_ENTRY{k, bReal, fKey});
    }
    if (bOwnWindow)
        Step_Progress_Window(50);
    std::stable_sort(Entries.begin(), Entries.end(), [bRealFirst](const COLLEGE_ENTRY& A, const COLLEGE_ENTRY& B) {
        if (bRealFirst && A.bReal != B.bReal)
            return A.bReal;
        return A.fKey > B.fKey;
    });
    // Place the players: Where[k] is the place now holding the player that
    // started at place k; Who[p] the starting place of the player at p.
    std::vector<int> Where(static_cast<size_t>(n));
    std::vector<int> Who(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k)
        Where[static_cast<size_t>(k)] = Who[static_cast<size_t>(k)] = k;
    for (int p = 0; p < n; ++p) {
        const int nWanted = Entries[static_cast<size_t>(p)].nID;
        const int q = Where[static_cast<size_t>(nWanted)];
        if (q == p)
            continue;
        int ta = NO_TEAM, sa = -1, tb = NO_TEAM, sb = -1;
        Find_College_Player_Slot(p, &ta, &sa);
        Find_College_Player_Slot(q, &tb, &sb);
        Swap_Players(ta, sa, tb, sb);
        const int nDisplaced = Who[static_cast<size_t>(p)];
        Who[static_cast<size_t>(q)] = nDisplaced;
        Where[static_cast<size_t>(nDisplaced)] = q;
        Who[static_cast<size_t>(p)] = nWanted;
        Where[static_cast<size_t>(nWanted)] = p;
    }
    if (bOwnWindow) {
        Step_Progress_Window(50);
        Close_Progress_Window();
    }
}
