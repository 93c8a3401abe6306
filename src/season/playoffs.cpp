#include "season/playoffs.h"

#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"

int Get_Playoff_Start_Day()
{
    const int P = Get_First_Playoff_Week();
    return P > 2 ? P : 2;
}

void Clear_Playoff_Slots() {}
int Get_Playoff_Seed_Key(int nTeam) { return Get_Team_Standings_Key(nTeam); }
void Swap_Playoff_Slots(int, int) {}
void Avoid_Division_Rematch() {}
void Reseed_Conference_Playoff_Slots(int) {}
void Reseed_Playoffs() {}
int Schedule_Playoff_Games() { return 0; }
void Record_Playoff_Result(const GAME*) {}

bool Is_Season_Complete()
{
    int nWeek = Get_Current_Week();
    int nFirstPlayoffWeek = Get_First_Playoff_Week();
    if (nWeek == 0 || nWeek == OFFSEASON_WEEK || nFirstPlayoffWeek <= 0)
        return false;
    return nWeek >= nFirstPlayoffWeek + 6;
}
