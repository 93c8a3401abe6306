// The line-up of every team for each of the 48 formations, built from its
// depth chart (with the backup quarterback in garbage time), and its rebuild
// during a game.
#pragma once

struct GAME;

constexpr int LINEUP_EMPTY = -1;

// Both sides; what the last side's build returned.
int Update_Game_Lineups(GAME* pGame);
// One side (0 away, 1 home): in garbage time of a decided fourth quarter the
// backups play, unless a user runs the team in a watched game.
int Update_Team_Lineup(GAME* pGame, int bSide);
// 1 when every cell of the 48 rows was filled, 0 when one stayed empty (the
// rows after it keep their old contents).
int Build_Formation_Depth_Chart(int nTeam, int bGarbageTime);
// The player ID of a cell of a team's line-up; LINEUP_EMPTY for none.
int Get_Team_Lineup_Player(int nTeam, int nFormation, int nPlace);
// Whether a row of the team's line-up holds the player of a roster slot.
bool Is_Player_In_Formation_Row(int nTeam, int nFormation, int nSlot);
