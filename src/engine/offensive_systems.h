// Offensive systems and defensive alignments: how well each formation fits a
// team's system (team stat 5, codes 0-3) or alignment (team stat 4, 0 or 1),
// and the offensive playbook each team loads for the season's era.
#pragma once

#include <cstddef>

// Every franchise in use gets its default system code (team stat 5) and
// loads the season's offensive playbook "playbooks/<name>.opb": "Old School"
// before 1960, "Featured FB" 1960-1977, the system's own book 1978-2015 and
// the team slot's book from 2016 on. A missing file leaves the playbook as
// it was.
void Set_Team_Offensive_System();

// The default system code 0-3 of team slot 0-35; some slots change from 0 to
// 1 after 2005. Slots 32-35 take the codes of slots 0-3.
int Get_Team_Default_Offensive_System(int nTeam);

// "Default", "West Coast", "Double Tight End" or "Two Back" for codes 0-3
// (any other code: "Default"). szName holds at least 32 bytes.
void Get_Offensive_System_Playbook_Name(int nSystem, char* szName, size_t nSize);
template <size_t N> void Get_Offensive_System_Playbook_Name(int nSystem, char (&szName)[N])
{
    return Get_Offensive_System_Playbook_Name(nSystem, szName, N);
}

// The season's offensive playbook name of team slot nTeam in nYear.
const char* Get_Season_Offensive_Playbook_Name(int nTeam, int nYear);

// Fit per mille of an offensive formation (0-21; 41-43 kicks fit 750) to
// system 0-3. Another formation reports "Invalid formation in
// Get_Offensive_Formation_System_Match(%d, [%d])" and fits 750.
int Get_Offensive_Formation_System_Match(int nSystem, int nFormation);

// Fit per mille of a defensive formation (22-38) to alignment 0-1. Another
// formation reports "Invalid formation in
// Get_Defensive_Formation_System_Match(%d, [%d])" and fits 500.
int Get_Defensive_Formation_System_Match(int nAlignment, int nFormation);

// The fit of a formation to the team's own system (team stat 5; system 0 for
// a team byte above 40), at least 100.
int Get_Team_Offensive_System_Match(int nTeam, int nFormation);
