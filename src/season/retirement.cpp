#include "season/retirement.h"

#include "league/player.h"

// Stand-ins until the retirement rules are in.
int Check_Player_Retirement(int, int)
{
    return 0;
}

void Retire_Player(int nTeam, int nSlot)
{
    Remove_Player_From_Roster(nTeam, nSlot);
}

int Check_Hall_Of_Fame_Induction(int, int)
{
    return 0;
}

int Get_Career_Score(int, int)
{
    return 0;
}
