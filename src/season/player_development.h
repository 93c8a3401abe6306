// How players develop: growth to their peak, decline after it, the yearly
// pull of very high ratings, and changes to their predicted season lines.
#pragma once

// The league settings Player Aging (a universe stat) and Reversion To Mean
// (a 16-bit universe word), each -100..+100 (0 normal); a stored value
// outside the range reads as the nearest end.
constexpr int PLAYER_AGING_STAT = 19;
int Get_Player_Aging();
void Set_Player_Aging(int nValue);
int Get_Reversion_To_Mean();
void Set_Reversion_To_Mean(int nValue);

// Moves statistic nStat (0-19) of season period nSeason (callers use 3, the
// predicted line) by nModifier per mille of a typical season of his
// position, scaled by how much the statistic feels an injury to body region
// nRegion (0-3; 4 the general case). With bRandom the per-mille remainder is
// rounded by one draw. A player whose position is outside 0-14 is left
// alone; a modifier outside -950..950 is written to the debug log and
// applied all the same. A value never falls below half of itself in one
// step: there the proportional change takes over.
void Modify_Predicted_Player_Stats(int nTeam, int nSlot, int nSeason, int nStat, int nModifier, int nRegion,
                                   int bRandom);

// One year of aging of the player's ratings: growth or decline, the Speed
// loss from 26, the pull of high ratings (bRandom 0: without chance, as the
// potential projects it).
void Age_Player_Ratings(int nTeam, int nSlot, int bRandom);
// The year's change in rating points, before scaling (bRandom adds two draws).
float Get_Yearly_Rating_Change(int nTeam, int nSlot, int bRandom);
// The age from which a position declines (positions outside 0-14 are
// clamped into that range); also the retirement age limit.
int Get_Position_Decline_Age(int nPosition);
// A statistic (0-19) of one full season of a regular starter at a position
// (0-14); 0 for any other argument.
int Get_Typical_Season_Stat(int nPosition, int nStat);
