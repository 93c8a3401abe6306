// The leader lists' passes. See leader_lists.h.
#include "season/leader_lists.h"

#include <cstring>

#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

// Players already placed or refreshed in the pass over one statistic.
bool g_bSeen[TOTAL_NUMBER_OF_TEAMS][PLAYERS_PER_TEAM];

void Clear_Seen()
{
    std::memset(g_bSeen, 0, sizeof(g_bSeen));
}

// The entry's player facts as of today.
void Stamp_Entry(LEADER_ENTRY& Entry, int nTeam, int nSlot, int nValue)
{
    Entry.nValue = nValue;
    Entry.nYear = static_cast<int16_t>(Get_Current_Year());
    Entry.nWeek = static_cast<int8_t>(Get_Current_Week());
    Entry.nTeam = static_cast<uint8_t>(nTeam);
    Entry.nAge = static_cast<uint8_t>(Get_Player_Exact_Age(nTeam, nSlot));
    Entry.nSeasons = Get_Player_Vital_Stat(nTeam, nSlot, VITAL_SEASONS_PLAYED);
}

void Insert_Candidates(int nTable, int nLeaderStat, int nPeriod, const LEADER_CANDIDATES* pOnly)
{
    LEADER_LIST List;
    if (!Read_Leader_List(nTable, nLeaderStat, List))
        return;
    for (int nTeam = 0; nTeam < MAX_FRANCHISES; ++nTeam) {
        if (!Is_Valid_Team(nTeam))
            continue;
        for (int nSlot = 0; nSlot < PLAYERS_PER_TEAM; ++nSlot) {
            const int nID = Get_Player_ID(nTeam, nSlot);
            if (nID == 0 || g_bSeen[nTeam][nSlot] || (pOnly != nullptr && !pOnly->bSlot[nTeam][nSlot]))
                continue;
            const int nValue = Get_Player_Leader_Stat(nTeam, nSlot, nLeaderStat, nPeriod);
            if (nValue <= 0 || nValue < List[LEADER_LIST_LENGTH - 1].nValue)
                continue;
            for (int i = 0; i < LEADER_LIST_LENGTH; ++i) {
                LEADER_ENTRY& Entry = List[i];
                if (Entry.nValue > nValue)
                    continue;
                if (Leader_Entry_Has_Player_Names(Entry, nTeam, nSlot)) {
                    if (Entry.nTeam != NO_TEAM)
                        continue;   // his own earlier entry stays
                    Entry.nPlayerID = nID;
                    Stamp_Entry(Entry, nTeam, nSlot, nValue);
                    break;
                }
                std::memmove(&List[i + 1], &List[i], (LEADER_LIST_LENGTH - 1 - i) * sizeof(LEADER_ENTRY));
                std::memset(&Entry, 0, sizeof(Entry));
                Copy_Player_Names_To_Leader_Entry(&Entry, nTeam, nSlot);
                Entry.nPlayerID = nID;
                Stamp_Entry(Entry, nTeam, nSlot, nValue);
                break;
            }
        }
    }
    Write_Leader_List(nTable, nLeaderStat, List);
}

}  // namespace

int Compare_Leader_Entries(const LEADER_ENTRY& A, const LEADER_ENTRY& B)
{
    if (A.nValue != B.nValue)
        return A.nValue > B.nValue ? -1 : 1;
    if (A.nYear != B.nYear)
        return A.nYear > B.nYear ? -1 : 1;
    if (A.nWeek != B.nWeek)
        return A.nWeek > B.nWeek ? -1 : 1;
    int n = Compare_Leader_Name_Text(A.szLastName, sizeof(A.szLastName), B.szLastName, sizeof(B.szLastName));
    if (n != 0)
        return n;
    return Compare_Leader_Name_Text(A.szFirstName, sizeof(A.szFirstName), B.szFirstName, sizeof(B.szFirstName));
}

void Sort_Leader_List(LEADER_LIST& List)
{
    for (int i = 1; i < LEADER_LIST_LENGTH; ++i) {
        LEADER_ENTRY Entry = List[i];
        int j = i;
        while (j > 0 && Compare_Leader_Entries(Entry, List[j - 1]) < 0) {
            List[j] = List[j - 1];
            --j;
        }
        List[j] = Entry;
    }
}

void Insert_Leader_Candidates(int nTable, int nLeaderStat, int nPeriod)
{
    Insert_Candidates(nTable, nLeaderStat, nPeriod, nullptr);
}

int Update_Leader_Lists_Of(int nMode, const LEADER_CANDIDATES* pOnly)
{
    int nTable = 0;
    int nPeriod = 0;
    switch (nMode) {
    case 2: nTable = LEADER_TABLE_CAREER; nPeriod = LEADER_PERIOD_CAREER; break;
    case 3: nTable = LEADER_TABLE_SEASON; nPeriod = LEADER_PERIOD_THIS_SEASON; break;
    case 4: nTable = LEADER_TABLE_SEASON; nPeriod = LEADER_PERIOD_LAST_SEASON; break;
    case 5: nTable = LEADER_TABLE_GAME; nPeriod = LEADER_PERIOD_CAREER; break;
    default:
        Report_Error("WTF?");
        return 0;
    }
    const int nYear = Get_Current_Year();
    for (int s = 0; s < LEADER_STAT_COUNT; ++s) {
        Clear_Seen();
        if (nMode != 5) {
            LEADER_LIST List;
            Read_Leader_List(nTable, s, List);
            for (LEADER_ENTRY& Entry : List) {
                if (Entry.nPlayerID <= 0)
                    continue;
                PLAYER_LOCATION Where{};
                if (!Find_Player_By_ID(&Where, Entry.nPlayerID)) {
                    Entry.nPlayerID = -1;
                    continue;
                }
                if (nMode == 3 && Entry.nYear != nYear)
                    continue;   // an earlier season of his stays as it was
                const int nValue = Get_Player_Leader_Stat(Where.nTeam, Where.nSlot, s, nPeriod);
                g_bSeen[Where.nTeam][Where.nSlot] = true;
                if (nValue != Entry.nValue && (nMode == 2 || nValue > Entry.nValue))
                    Stamp_Entry(Entry, Where.nTeam, Where.nSlot, nValue);
            }
            Sort_Leader_List(List);
            Write_Leader_List(nTable, s, List);
        }
        Insert_Candidates(nTable, s, nPeriod, pOnly);
        LEADER_LIST List;
        Read_Leader_List(nTable, s, List);
        Sort_Leader_List(List);
        Write_Leader_List(nTable, s, List);
    }
    // The marks belong to this pass: a later lone offer starts unseen.
    Clear_Seen();
    return 1;
}

int Update_Leader_Lists(int nMode)
{
    return Update_Leader_Lists_Of(nMode, nullptr);
}

void Build_All_Time_Leader_Tables()
{
    bool bIndexBuilt = false;
    for (int s = 0; s < LEADER_STAT_COUNT; ++s) {
        LEADER_LIST List;
        Read_Leader_List(LEADER_TABLE_SEASON, s, List);
        bool bChanged = false;
        for (LEADER_ENTRY& Entry : List) {
            if (Entry.nPlayerID != 0 && !Find_Player_By_ID(nullptr, Entry.nPlayerID)) {
                Entry.nPlayerID = 0;
                bChanged = true;
            }
            // An empty entry has no names to match (else it would take the ID
            // of a nameless player).
            if (Entry.nPlayerID != 0 || Is_Leader_Entry_Nameless(Entry))
                continue;
            if (!bIndexBuilt) {
                Build_Leader_Name_Index();
                bIndexBuilt = true;
            }
            PLAYER_LOCATION Where{};
            if (Find_Player_By_Leader_Names(Entry, &Where)) {
                Entry.nPlayerID = Get_Player_ID(Where.nTeam, Where.nSlot);
                bChanged = true;
            }
        }
        if (bChanged)
            Write_Leader_List(LEADER_TABLE_SEASON, s, List);
    }
}
