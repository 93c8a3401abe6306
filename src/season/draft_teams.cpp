// Moving the drafted players to their clubs.

#include "season/draft_teams.h"

#include <cstdio>

#include "frontoffice/depth_chart.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_lookup.h"
#include "league/season_lines.h"
#include "league/team.h"
#include "platform/ui.h"

namespace {

bool Is_Placed(int nTeam, int nSlot)
{
    return (Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) & DRAFT_PLACED_FLAG) != 0;
}

void Mark_Placed(int nTeam, int nSlot)
{
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS, Get_Player_Vital_Stat(nTeam, nSlot, VITAL_FLAGS) | DRAFT_PLACED_FLAG);
}

bool Is_Pool_Team(int nTeam)
{
    return nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_DRAFT_POOL_TEAM;
}

// Where the player is to go: his drafting club when that is a franchise in
// use; the free agents when nobody drafted him (or the byte names no club a
// player can join: a damaged byte must not send him to a pool or nowhere).
int Get_Destination(int nTeam, int nSlot)
{
    const int nDrafted = Get_Player_Drafted_By(nTeam, nSlot);
    if (nDrafted == nTeam)
        return nTeam;
    if (nDrafted < MAX_FRANCHISES && Is_Team_Slot_Used(nDrafted))
        return nDrafted;
    // Undrafted: the pools keep their players, the franchises let them go.
    return Is_Pool_Team(nTeam) ? nTeam : FREE_AGENT_TEAM;
}

// The free-agent pool tops itself up with new players when a player joins
// it. They were drafted by nobody and are where they belong: whatever their
// drafted-by byte holds, they must not be sent to a club.
void Settle_New_Free_Agents(const int (&nBefore)[PLAYERS_PER_TEAM], int nJoinedID)
{
    for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
        const int nPlayerID = Get_Player_ID(FREE_AGENT_TEAM, s);
        if (nPlayerID == 0 || nPlayerID == nJoinedID)
            continue;
        bool bKnown = false;
        for (int b = 0; b < PLAYERS_PER_TEAM && !bKnown; ++b)
            bKnown = nBefore[b] == nPlayerID;
        if (bKnown)
            continue;
        Set_Player_Drafted_By(FREE_AGENT_TEAM, s, NO_TEAM);
        Mark_Placed(FREE_AGENT_TEAM, s);
    }
}

// The player's new slot on nDestination, or NO_PLAYER when the move is
// refused (a full roster, or a full free-agent pool that frees no room).
// His old roster closes up behind him; his record, season lines included,
// goes with him.
int Transfer_Draft_Player(int nDestination, int nTeam, int nSlot)
{
    if (nDestination == FREE_AGENT_TEAM) {
        const int nPlayerID = Get_Player_ID(nTeam, nSlot);
        int nBefore[PLAYERS_PER_TEAM];
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            nBefore[s] = Get_Player_ID(FREE_AGENT_TEAM, s);
        const int nNew = Find_Free_Agent_Slot(nTeam, nSlot);
        Settle_New_Free_Agents(nBefore, nPlayerID);
        if (nNew >= 0)
            return nNew;
        // The pool's re-ranking may have let him go (he left the league): he
        // has moved all the same, and is no longer anyone's to place.
        return Get_Player_ID(nTeam, nSlot) == nPlayerID ? NO_PLAYER : PLAYERS_PER_TEAM;
    }
    const int nNew = Find_Empty_Player_Slot(nDestination);
    if (nNew < 0)
        return NO_PLAYER;
    Swap_Players(nTeam, nSlot, nDestination, nNew);
    // The old slot now holds the empty record: clear it and close the gap.
    Shift_Roster_Over_Slot(nTeam, nSlot);
    return nNew;
}

// After a move: the mark, and this year's line with his new club.
void Settle_Moved_Player(int nPlayerID)
{
    PLAYER_LOCATION Where;
    if (!Find_Player_By_ID(&Where, nPlayerID))
        return;
    Mark_Placed(Where.nTeam, Where.nSlot);
    if (Where.nTeam == FREE_AGENT_TEAM)
        return;
    const int nLine = Assign_Player_Season_Line(Where.nTeam, Where.nSlot, Get_Current_Year(), Where.nTeam);
    if (nLine != -1)
        Set_Player_Current_Season_Line(Where.nTeam, Where.nSlot, nLine);
}

// One pass over the teams in use. The first pass also counts the players to
// move; every pass returns the number moved.
int Run_Move_Pass(bool bFirst, int* pnToMove)
{
    int nMoved = 0;
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            const int nPlayerID = Get_Player_ID(t, s);
            if (nPlayerID == 0 || Is_Placed(t, s))
                continue;
            const int nDestination = Get_Destination(t, s);
            if (nDestination == t) {
                Mark_Placed(t, s);
                continue;
            }
            if (bFirst && nDestination != FREE_AGENT_TEAM) {
                ++*pnToMove;
                continue;
            }
            const int nNew = Transfer_Draft_Player(nDestination, t, s);
            if (nNew == NO_PLAYER)
                continue;
            ++nMoved;
            Settle_Moved_Player(nPlayerID);
            // The next player has moved up into this slot.
            --s;
        }
    }
    return nMoved;
}

}  // namespace

int Get_Player_Drafted_By(int nTeam, int nSlot)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot))
        return NO_TEAM;
    return Get_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DRAFTED_BY);
}

void Set_Player_Drafted_By(int nTeam, int nSlot, int nDraftingTeam)
{
    Set_Player_Byte_Stat(nTeam, nSlot, BYTE_STAT_DRAFTED_BY, nDraftingTeam);
}

int Implement_Draft_Teams()
{
    int nToMove = 0;
    // The first pass marks the players already at home and lets the
    // undrafted franchise players go.
    Run_Move_Pass(true, &nToMove);

    char szTitle[64];
    std::snprintf(szTitle, sizeof(szTitle), "Moving %d Players...", nToMove);
    const bool bProgress = Open_Progress_Window(szTitle, nToMove) != 0;
    for (int nPass = 1; nPass < DRAFT_MOVE_PASS_LIMIT && !Are_All_Players_Placed(); ++nPass) {
        const int nMoved = Run_Move_Pass(false, &nToMove);
        if (bProgress)
            Step_Progress_Window(nMoved);
        // With nobody moved the rosters are as they were, and every later
        // pass would refuse the same moves.
        if (nMoved == 0)
            break;
    }
    if (bProgress)
        Close_Progress_Window();

    if (!Are_All_Players_Placed()) {
        Show_Message_Box("Unable to move all players to intended destination", "Error in Implement_Draft_Teams()", BOX_OK);
        return 0;
    }
    Auto_Set_All_Depth_Charts(0);
    return 1;
}

void Clear_All_Drafted_By()
{
    For_Each_Player_In_Use([](int t, int s) { Set_Player_Drafted_By(t, s, NO_TEAM); });
    Clear_All_Rating_File_Marks();
}

void Clear_All_Rating_File_Marks()
{
    For_Each_Player_In_Use([](int t, int s) {
        const int nFlags = Get_Player_Vital_Stat(t, s, VITAL_FLAGS);
        if ((nFlags & DRAFT_PLACED_FLAG) != 0)
            Set_Player_Vital_Stat(t, s, VITAL_FLAGS, nFlags & ~DRAFT_PLACED_FLAG);
    });
}

int Are_All_Players_Placed()
{
    int bAll = 1;
    For_Each_Player_In_Use([&bAll](int t, int s) {
        if (!Is_Placed(t, s))
            bAll = 0;
    });
    return bAll;
}
