// The Hall Of Fame (team slot 37).
#pragma once

// The hall's member count: the index of its first empty slot (100 when full).
int Count_Hall_Of_Fame_Members();

// Copies the player into the first free hall slot with his score (vital
// stat 20), stamping the current year (vital stat 19; slot 0's stamp is then
// the year of the oldest induction). False, and nothing copied, when the
// hall is full or the slot holds no player.
bool Add_Player_To_Hall_Of_Fame(int nTeam, int nSlot, int nScore);
