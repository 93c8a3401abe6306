#include "season/salary_finance.h"

// Stand-ins until the payroll rules are in.
void Update_Team_Financial_Stats() {}
void Update_Player_Computed_Value(int, int) {}
void Update_All_Player_Computed_Values(int) {}
void Repair_Absurd_Contracts() {}

int Get_League_Passer_Rating()
{
    return 8500;
}
