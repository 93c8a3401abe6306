// The clubs' payrolls held to the cap, contracts drawn again from worth, and
// the repairs of absurd or stale contracts.
#pragma once

// Brings every club's payroll to its share of the cap.
void Update_Team_Financial_Stats();
// A player's contract drawn again from his worth.
void Update_Player_Computed_Value(int nTeam, int nSlot);
void Update_All_Player_Computed_Values(int bAll);
void Repair_Absurd_Contracts();
// The league's passer rating of the era (x 100).
int Get_League_Passer_Rating();
