// The Hall Of Fame (team slot 37).
#include "frontoffice/hall_of_fame.h"

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"

int Count_Hall_Of_Fame_Members()
{
    return Find_Roster_End(HALL_OF_FAME_TEAM);
}

// A full hall (100 members) takes nobody more: no member is ever pushed out
// or overwritten, and the refused player simply leaves the league as any
// other retiree does (his season lines are then freed with him).
bool Add_Player_To_Hall_Of_Fame(int nTeam, int nSlot, int nScore)
{
    if (!Check_Player_Address(__func__, nTeam, nSlot) || Get_Player_ID(nTeam, nSlot) == 0)
        return false;
    if (nTeam == HALL_OF_FAME_TEAM)
        return false;
    const int nFree = Count_Hall_Of_Fame_Members();
    if (nFree >= PLAYERS_PER_TEAM)
        return false;
    Copy_Player(HALL_OF_FAME_TEAM, nFree, nTeam, nSlot);
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nFree, VITAL_LONGEVITY, Get_Current_Year());
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nFree, VITAL_POTENTIAL, nScore);
    return true;
}
