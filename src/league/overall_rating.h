// The overall rating of a player at a position: the one measure of player
// quality used across the program.
#pragma once

// The player's overall (a float) at position 0-14; any other position gives
// the final adjustment of 0 (35).
float Get_Position_Overall_Rating(int nTeam, int nSlot, int nPosition);
// The second half of the final adjustment: values above 90 and below 70 are
// pulled halfway toward them.
float Compress_Overall_Rating(float fValue);
// Rescales the 20 statistics of one period (0-3, or a season line 4-33) of a
// player to nPercent percent, each rounded; 100 leaves them as they are. A
// bad team, slot or period is reported and nothing is changed.
void Scale_Player_Stat(int nTeam, int nSlot, int nPeriod, int nPercent);
// (Mul_Div_Rounded(3, vital stat 9, seasons played) + 3 x vital stat 23) / 4:
// a lineman's blocking bonus from his record; 0 for a bad address (reported).
int Get_Player_Vital_Blend(int nTeam, int nSlot);
