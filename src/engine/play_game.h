// Playing one scheduled game and closing it: the GAME record filled before
// the kick-off (teams, date, betting line, weather, attendance, rosters,
// line-ups, starters), the play loop, and after the final whistle the
// result, games played and the box-score and recap pages.
#pragma once

#include "league/game_record.h"

// What opens before a game of a user-run club that is not resumed, while
// preference 61 is not 1: the desktop's game preview (the shell installs it;
// none by default). It may set the week's watch flags and preference 61.
using GAME_PREVIEW_HOOK = void (*)(GAME* pGame, int nWeek);
void Set_Game_Preview_Hook(GAME_PREVIEW_HOOK pHook);

// Plays (or resumes) the game of home and away in week; 1 when the game is
// over on return, 0 when it stopped part-way or was refused.
int Play_Game(int nHome, int nAway, int nWeek, GAME* pGame);

// Week and year, weather, attendance, line-ups, starters, the per-game marks.
void Run_Pre_Game_Steps(GAME* pGame);
// Player IDs of slots 0-79 of each side (0 for an empty slot).
void Copy_Game_Rosters(GAME* pGame);
void Set_Game_Weather(GAME* pGame);
int Roll_Game_Sky(int nTeam, int nMonth);
int Roll_Game_Temperature(int nTeam, int nMonth, int bLateGame, int nSky);
// Never more than the home stadium's capacity.
void Set_Game_Attendance(GAME* pGame);
// The per-game "on the field" mark (value 8 of vital stat 24) of every
// player of both teams is cleared; the other bits stay.
void Clear_Game_Player_Flags(GAME* pGame);
void Credit_Game_Starters(GAME* pGame);

// The pages (box score first, numbered by the game being played), games
// played, the result and the week's watch marks.
void Finish_Played_Game(GAME* pGame, int nWeek);

// The value of vital stat 24 that marks a player put on the field in the
// game being played.
constexpr int ON_FIELD_THIS_GAME_FLAG = 8;
