#include "frontoffice/computer_manager.h"

void Auto_Set_Computer_Depth_Charts(int) {}
void Sign_AI_Free_Agent() {}
void Run_AI_Trade() {}
void Run_Computer_Roster_Moves() {}
void Run_AI_Free_Agency(int) {}
void Trim_Team_Roster(int) {}
void Choose_Team_Returners(int) {}
void Sort_Team_Depth_Chart_Backups(int) {}
void Compute_League_Position_Averages(int) {}
