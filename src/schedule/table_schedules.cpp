#include "schedule/table_schedules.h"

void Fill_Schedule() {}
void Fill_Schedule_16_Games() {}
void Generate_Schedule() {}
int Get_Team_Division_Slot(int) { return 0; }
int Get_Team_League_Slot(int) { return 0; }
