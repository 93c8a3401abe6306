// The end-of-season text reports in "Output": awards and all-star starters,
// the clubs' money, the final standings with the playoff results. Each is
// written only while its option is on (preferences 79-81), rebuilt whole.
#pragma once

#include <cstddef>

void Write_Awards_Report();
void Write_Money_Report();
void Write_Standings_Report();

// "Full Name (ABB)" of a player; empty for an empty or bad slot.
void Format_Player_With_Team(int nTeam, int nSlot, char* szOut, size_t nSize);

// Position code of a place of the depth-chart template: unit 0 offence,
// 1 defence, 2 kickers; 15 (any position) for a place the template leaves open.
int Sort_Roster_For_Depth_Chart(int nTeam, int nUnit, int nPlace);
