// The links of a player record to his SEASON_LINE history.
//
// The least the roster operations need until the season-line table is built
// in full: removing and erasing links, and counting professional seasons.
// A line is valid when its number is 0-32767; a record's links are packed at
// the front and -1 ends them.
#pragma once

constexpr int NO_SEASON_LINE = -1;

// Year (int 0) of a line; 0 for -1 or any number outside the table.
int Get_Season_Line_Year(int nLine);
// 1 when all 20 statistics of the line are 0 (also for a line outside the table).
int Is_Season_Line_Empty(int nLine);
// 1 when any used player slot other than (nTeam, nSlot) links the line.
int Is_Season_Line_Linked_Elsewhere(int nLine, int nTeam, int nSlot);

// Sets the current line to the linked line of the greatest year (the first of
// equal years; -1 when none).
void Set_Current_Season_Link_To_Latest(int nTeam, int nSlot);
// Removes link n (0-29): later links move down, link 29 becomes -1, and the
// current line is set to the latest remaining line.
void Remove_Player_Season_Link(int nTeam, int nSlot, int n);
// Removes link n and zeroes its line unless another record links it too.
// 1 when a link was removed, 0 otherwise.
int Erase_Player_Season_Line(int nTeam, int nSlot, int n);
// Erases every line of the player.
void Erase_Player_Season_Lines(int nTeam, int nSlot);
// Distinct years 1932-2051 of his professional, non-empty lines.
int Count_NFL_Seasons(int nTeam, int nSlot);
