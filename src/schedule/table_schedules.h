// Schedules of 31 and 32 teams made from the built-in tables.
#pragma once

void Fill_Schedule();
void Fill_Schedule_16_Games();
void Generate_Schedule();
int Get_Team_Division_Slot(int nTeam);
int Get_Team_League_Slot(int nTeam);
