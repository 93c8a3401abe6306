// Keeps a player's predicted season line within its limits.
#pragma once

void Fix_Predicted_Player_Stats(int nTeam, int nSlot);
