#include "season/offseason.h"

int Process_Offseason() { return 0; }
void Renew_Team_Contracts(int) {}
void Rank_Team_Roster_By_Potential(int) {}
void Archive_Team_Season(int) {}
void Adjust_Predicted_Stats_For_Record(int, int) {}
int Count_Expiring_Contracts(int) { return 0; }
bool Human_Team_Has_Flagged_Players() { return false; }
void Record_All_Division_Finishes() {}
void Setup_Next_Season() {}
void Start_Season(int) {}
void Clear_Season_Yearly_Records() {}
void Apply_Historical_Season_Data() {}
