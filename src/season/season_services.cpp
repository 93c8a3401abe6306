#include "season/season_services.h"

// Stand-ins until the season services are in.
int Get_Team_Draft_Pick_Costs(int)
{
    return 0;
}

int Get_League_Payroll_Ratio()
{
    return 1000;
}
