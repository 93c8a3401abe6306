// Depth charts of the teams: which players start and back up at each slot.
#pragma once

// Re-sets the depth charts and the returners of every team in use (bFlag is
// kept for the callers; the rule does not read it).
void Auto_Set_All_Depth_Charts(int bFlag);
// Orders one unit of the team (0 offence, 1 defence, 2 special teams) so that
// its first depth-chart slots hold the starters.
void Auto_Set_Depth_Chart(int nTeam, int nUnit, int bFlag);
// Sorts the depth-chart slots after the unit's starters.
void Sort_Depth_Chart_Backups(int nTeam, int nUnit);
// Checks the team's defensive playbook against its defence alignment.
void Check_Defensive_Playbook(int nTeam);
