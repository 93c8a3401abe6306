// The day's career snapshot and the all-time update. See leader_updates.h.
#include "season/leader_updates.h"

#include <cstdint>
#include <cstring>

#include "league/leader_tables.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "platform/errors.h"

namespace {

struct SNAPSHOT_ENTRY {
    int32_t nPlayerID;
    int32_t nStart[STATS_PER_PERIOD];
    int32_t nEnd[STATS_PER_PERIOD];
};

struct SNAPSHOT {
    SNAPSHOT_ENTRY Entry[MAX_FRANCHISES][PLAYERS_PER_TEAM];
    // Where each player of the snapshot stood after the day: the players whose
    // growth was taken (mode 3), the only ones the single-game pass offers.
    LEADER_CANDIDATES Grown;
    bool bValid;
};
SNAPSHOT g_Snapshot;

// The player of snapshot entry (t, s) now: the one in the slot when the IDs
// agree, else the ID wherever it is. false (logged) when he left the league.
bool Find_Snapshot_Player(int nTeam, int nSlot, const char* szMode, PLAYER_LOCATION* pWhere)
{
    const int nID = g_Snapshot.Entry[nTeam][nSlot].nPlayerID;
    if (nID == 0)
        return false;
    if (Get_Player_ID(nTeam, nSlot) == nID) {
        pWhere->nTeam = static_cast<uint8_t>(nTeam);
        pWhere->nSlot = static_cast<uint8_t>(nSlot);
        return true;
    }
    if (Find_Player_By_ID(pWhere, nID))
        return true;
    Write_Debug_Log("Unable to find player id %d (%s)", nID, szMode);
    return false;
}

int32_t Difference(int32_t a, int32_t b)
{
    int64_t n = static_cast<int64_t>(a) - b;
    return n > INT32_MAX ? INT32_MAX : (n < INT32_MIN ? INT32_MIN : static_cast<int32_t>(n));
}

}  // namespace

void Update_Career_Leaders(int nMode)
{
    if (nMode < 1 || nMode > 4)
        return;
    if (nMode == 3)
        std::memset(&g_Snapshot.Grown, 0, sizeof(g_Snapshot.Grown));
    for (int t = 0; t < MAX_FRANCHISES; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            SNAPSHOT_ENTRY& E = g_Snapshot.Entry[t][s];
            if (nMode == 1) {
                E.nPlayerID = Get_Player_ID(t, s);
                Copy_Player_Career_Record(t, s, E.nStart);
                continue;
            }
            static const char* const MODE_NAME[] = {"", "", "ATL_SAVE_NEW_CAREER", "ATL_DELTA_CAREER",
                                                    "ATL_RESTORE_CAREER"};
            PLAYER_LOCATION Where{};
            if (!Find_Snapshot_Player(t, s, MODE_NAME[nMode], &Where))
                continue;
            if (nMode == 2) {
                Copy_Player_Career_Record(Where.nTeam, Where.nSlot, E.nEnd);
            } else if (nMode == 3) {
                // Only a franchise player is offered, and only once (two
                // entries naming one player would take his growth twice).
                if (Where.nTeam >= MAX_FRANCHISES || g_Snapshot.Grown.bSlot[Where.nTeam][Where.nSlot])
                    continue;
                int32_t nRecord[STATS_PER_PERIOD];
                Copy_Player_Career_Record(Where.nTeam, Where.nSlot, nRecord);
                for (int k = 0; k < STATS_PER_PERIOD; ++k)
                    nRecord[k] = Difference(nRecord[k], E.nStart[k]);
                Store_Player_Career_Record(Where.nTeam, Where.nSlot, nRecord);
                g_Snapshot.Grown.bSlot[Where.nTeam][Where.nSlot] = true;
            } else {
                Store_Player_Career_Record(Where.nTeam, Where.nSlot, E.nEnd);
            }
        }
    }
    if (nMode == 1)
        g_Snapshot.bValid = true;
}

void Update_All_Time_Leaders()
{
    // Without the day's starting snapshot (a league loaded since) there is no
    // growth to measure: the whole career would pass for one game.
    if (g_Snapshot.bValid) {
        Update_Career_Leaders(2);
        Update_Career_Leaders(3);
        Update_Leader_Lists_Of(5, &g_Snapshot.Grown);
        Update_Career_Leaders(4);
        // The snapshot is spent: another update before the next day's start
        // would count the day twice.
        g_Snapshot.bValid = false;
    }
    Update_Leader_Lists(2);
    Build_All_Time_Leader_Tables();
}

void Invalidate_Career_Leaders_Snapshot()
{
    g_Snapshot.bValid = false;
}

bool Is_Career_Leaders_Snapshot_Valid()
{
    return g_Snapshot.bValid;
}
