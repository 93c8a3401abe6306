// What the computer's front offices do day by day and between seasons:
// depth charts, roster moves, free-agent signings, trades, roster trims,
// returners and the league's position averages.
#pragma once

void Auto_Set_Computer_Depth_Charts(int bFlag);
void Sign_AI_Free_Agent();
void Run_AI_Trade();
void Run_Computer_Roster_Moves();
void Run_AI_Free_Agency(int bProgress);
void Trim_Team_Roster(int nTeam);
void Choose_Team_Returners(int nTeam);
void Sort_Team_Depth_Chart_Backups(int nTeam);
void Compute_League_Position_Averages(int nPosition);
