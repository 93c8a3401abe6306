// Standings order and league-state helpers: the overall place of every team,
// the eight division rows, the universe stats and which positions may fill a
// depth-chart slot.
#pragma once

#include "league/league_data.h"

constexpr int DIVISION_ROW_PLACES = 13;         // bytes of one division row

// Universe stat by index 0-59; a bad index is reported and gives 0.
int Get_Universe_Stat(int nIndex);
// Stores any value at index 0-59. WILD_CARD_TEAMS above 4 is reported as
// "nValue too high in Set_Universe_Stat(WILD_CARD_TEAMS, %d)" and stored all
// the same.
void Set_Universe_Stat(int nIndex, int nValue);

// The number of regular-season weeks, which is also the first playoff week
// (the first calendar word of the season).
int Get_First_Playoff_Week();

// Writes every franchise's overall place (yearly int 2 of the current
// season, 0 the best).
void Rank_Teams_By_Standings();
// Ranks all teams, then rebuilds the eight division rows.
void Clear_Standings_Order();
// Fills place p of division row d.
void Set_Division_Place(int nDivision, int nPlace);
// Whether a position (0-14) may fill depth-chart slot 0-26.
int Can_Play_Depth_Slot(int nPosition, int nSlot);
