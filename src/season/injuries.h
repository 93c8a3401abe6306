// Injuries: who gets hurt on a play, for how long, healing week by week,
// suspensions, the injury names and the notice of a stopped run.
#pragma once

int Check_Player_Injury(int nTeam, int nSlot);
void Injure_Player(int nTeam, int nSlot);
int Choose_Injury_Code(int nTeam, int nSlot);
int Get_Injury_Weeks(int nCode, int nWhich);
void Show_Injury_Notices(int nTeam, int nSlot);
int Get_Injury_Name(int nCode, char* szBuffer);
void Get_Player_Health_Text(int nTeam, int nSlot, char* szBuffer);
int Find_Injury_By_Name(const char* szName);
bool Is_Player_Injured(int nTeam, int nSlot);
bool Is_Player_Holding_Out(int nTeam, int nSlot);
int Is_Player_Sidelined(int nTeam, int nSlot);
void Heal_Player_Injury_Week(int nTeam, int nSlot);
void Heal_All_Injuries_One_Week();
void Heal_All_Injuries(int nWeeks);
void Clear_Suspensions_At_Season_End();
void Clear_Player_Injury(int nTeam, int nSlot);
