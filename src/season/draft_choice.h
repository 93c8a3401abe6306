// The computer's choice of a prospect in the college draft.
#pragma once

#include "frontoffice/contracts.h"   // Get_Position_Starters

// Per-position tables QB .. P: depth and a full complement.
int Get_Position_Depth(int nPosition);
int Get_Position_Full(int nPosition);

// The team's player of depth rank nRank (from 0) at nPosition: players of
// that position ranked by their overall rating there, best first, the lower
// slot first on equal ratings. -1 when there is none.
int Get_Position_Ranked_Player(int nTeam, int nPosition, int nRank);
// Rank starters - 1 (the weakest starter) and rank starters (the first
// reserve).
int Get_Position_Backup_Alt(int nTeam, int nPosition);
int Get_Position_Backup(int nTeam, int nPosition);

// Mul_Div_Rounded(70 x (r + 6), 1000, r x trunc(reserve) + 6 x trunc(starter))
// with starter the weakest starter's overall (60 without one) and reserve
// the first reserve's potential (60 without one); from round 4 (r >= 3) cut
// by how many players the team already has there.
int Get_Team_Position_Need(int nTeam, int nPosition, int nRound);
// The rounded mean of the franchises' needs, 0 when they sum to 0.
int Get_League_Position_Need(int nPosition, int nRound);
// Prospects of the pools at the position (16 every defender, 17 every
// offensive player).
int Count_Draft_Pool_Position(int nPosition);

// A prospect's draft rating: trunc(potential x 0.25 + trunc(overall x 0.25 +
// trunc(score / 2))).
int Get_Prospect_Draft_Rating(float fPotential, float fOverall, int nScore);
// (trunc(rel / 10) + 80) x rating, scaled by (strategy + 100) / 100 rounded;
// 0 for FB, K and P rated below 91 - 8 x round.
int Get_Prospect_Draft_Value(int nRelativeNeed, int nRating, int nStrategy, int nPosition, int nRound);

// The prospect the computer takes for nTeam in the current round: the first
// of the highest positive value over pools 38, 39, 40 and their slots. True
// with the pool team and slot; false (NO_TEAM, 255) when nobody is worth a
// pick.
bool Choose_Computer_Draft_Pick(int nTeam, int* pnPoolTeam, int* pnPoolSlot);

// The clubs' needs are kept between picks while their rosters stay the same;
// a draft begins with none kept (ratings have changed since the last one).
void Forget_Position_Needs();
