// The end of a season and the start of the next: reports, renewals,
// archives, the statistics roll-over, the college draft's start, the next
// season's set-up and its schedule.
#pragma once

int Process_Offseason();
void Renew_Team_Contracts(int nTeam);
void Rank_Team_Roster_By_Potential(int nTeam);
void Archive_Team_Season(int nTeam);
void Adjust_Predicted_Stats_For_Record(int nTeam, int nModifier);
int Count_Expiring_Contracts(int nTeam);
bool Human_Team_Has_Flagged_Players();
void Record_All_Division_Finishes();
void Setup_Next_Season();
void Start_Season(int bLogos);
void Clear_Season_Yearly_Records();
void Apply_Historical_Season_Data();
