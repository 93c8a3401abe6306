#include "season/injuries.h"

int Check_Player_Injury(int, int) { return 0; }
void Injure_Player(int, int) {}
int Choose_Injury_Code(int, int) { return -1; }
int Get_Injury_Weeks(int, int) { return 0; }
void Show_Injury_Notices(int, int) {}
int Get_Injury_Name(int, char* szBuffer) { if (szBuffer) szBuffer[0] = '\0'; return 0; }
void Get_Player_Health_Text(int, int, char* szBuffer) { if (szBuffer) szBuffer[0] = '\0'; }
int Find_Injury_By_Name(const char*) { return 0; }
bool Is_Player_Injured(int, int) { return false; }
bool Is_Player_Holding_Out(int, int) { return false; }
int Is_Player_Sidelined(int, int) { return 0; }
void Heal_Player_Injury_Week(int, int) {}
void Heal_All_Injuries_One_Week() {}
void Heal_All_Injuries(int) {}
void Clear_Suspensions_At_Season_End() {}
void Clear_Player_Injury(int, int) {}
