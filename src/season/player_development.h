// How players develop: changes to their predicted season lines.
#pragma once

// Moves statistic nStat (0-19) of season period nSeason (callers use 3,
// the predicted line) of the player by nModifier per mille. nRegion and
// bRandom are kept for the callers; the rule now reads neither. A player
// whose position is outside 0-14 is left alone; a modifier outside
// -950..950 is written to the debug log and applied all the same.
void Modify_Predicted_Player_Stats(int nTeam, int nSlot, int nSeason, int nStat, int nModifier, int nRegion,
                                   int bRandom);
