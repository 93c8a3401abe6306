// How players develop: changes to their predicted season lines.
#pragma once

// Moves statistic nStat (0-19) of season period nSeason (callers use 3,
// the predicted line) of the player by nModifier per mille. nRegion and
// bRandom are kept for the callers; the rule now reads neither. A player
// whose position is outside 0-14 is left alone; a modifier outside
// -950..950 is written to the debug log and applied all the same.
void Modify_Predicted_Player_Stats(int nTeam, int nSlot, int nSeason, int nStat, int nModifier, int nRegion,
                                   int bRandom);

// One year of aging of the player's ratings (bRandom 0: without chance, as
// the potential projects it).
void Age_Player_Ratings(int nTeam, int nSlot, int bRandom);
// The year's change in rating points, before scaling.
float Get_Yearly_Rating_Change(int nTeam, int nSlot, int bRandom);
// The age from which a position declines.
int Get_Position_Decline_Age(int nPosition);
// A statistic of a typical season of a position.
int Get_Typical_Season_Stat(int nPosition, int nStat);
