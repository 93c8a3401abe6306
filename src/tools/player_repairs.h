// Repairs of player records that the database tools and the game file run.
#pragma once

#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"

// Clears every player whose position (vital stat 1) is not 0-14 and closes
// the gap in his roster. Runs on every load.
void Remove_Players_Without_Position();
// Ratings 13-16 of every player: not a number becomes the default rating,
// below 20 becomes 20 (files older than version 1400).
void Convert_Old_Player_Ratings();
// Recomputes the ratings of every player of every team in use from his record.
void Recompute_All_Player_Ratings();
