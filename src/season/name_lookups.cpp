#include "season/name_lookups.h"

#include "league/league_data.h"

// Stand-ins until the lookups are in.
bool Find_Player_By_Name(PLAYER_LOCATION*, const char*, int, int)
{
    return false;
}

bool Find_Player_By_Full_Name(PLAYER_LOCATION*, const char*)
{
    return false;
}

int Find_Team_By_Abbreviation(const char*, int)
{
    return NO_TEAM;
}

int Find_Team_By_Full_Name(const char*)
{
    return NO_TEAM;
}

int Find_Team_By_Name(const char*)
{
    return NO_TEAM;
}

int Find_Team_By_Historic_Name(const char*)
{
    return NO_TEAM;
}

int Find_Team_By_Nickname(const char*)
{
    return NO_TEAM;
}

void Output_Rosters_Text() {}
