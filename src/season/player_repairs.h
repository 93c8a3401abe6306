// Repairs of player records that the database tools and the game file run.
#pragma once

#include "league/league_data.h"
#include "league/player.h"
#include "league/team.h"

// Erases every player (his season lines and his record) whose position
// (vital stat 1, taken as unsigned) is above 14; a team that lost a player
// has its roster closed up, the others are left as they are. Runs on every
// load.
void Remove_Players_Without_Position();
// Files older than version 1400: ratings 13-16 of every player, not a
// number becomes the default rating, below 20 becomes 20, stored back. A
// player above 70 (whole points) in kick or punt returns and above 70 in
// pass or run blocking is erased, and his team's roster closed up.
void Convert_Old_Player_Ratings();
// Recomputes the ratings of every player of every team in use from his record.
void Recompute_All_Player_Ratings();
