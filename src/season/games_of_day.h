// The games of one day: the league norms the engine reads, every home
// team's game played and booked, the day's score lines.
#pragma once

#include <cstddef>

#include "league/game_record.h"
#include "league/league_norms.h"

// The defaults, then (when any game of the season is over) the seven
// averages from the league's season totals.
void Prepare_Game_Day();

// Plays every home team's game of the current day and books each result.
void Play_Todays_Games();
// True when a game of today stopped part-way waits to be played on.
bool Has_Stopped_Game_Today();

// The day's score ring: three entries of three lines (first team, second
// team, overtime) with a colour each (0x00BBGGRR).
constexpr int SCORE_RING_ENTRIES = 3;
constexpr int SCORE_RING_LINES = 3;
constexpr size_t SCORE_LINE_SIZE = 2048;
void Format_Score_Text(const GAME* pGame, int k);
void Clear_Game_Buffers();
// Line 0-2 of entry 0-2; "" for anything else.
const char* Get_Score_Ring_Text(int nEntry, int nLine);
unsigned Get_Score_Ring_Colour(int nEntry, int nLine);
