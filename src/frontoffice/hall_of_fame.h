// The Hall Of Fame (team slot 37).
#pragma once

// Copies the player into the first free hall slot with his score, stamping
// the current year; false when the hall is full.
bool Add_Player_To_Hall_Of_Fame(int nTeam, int nSlot, int nScore);
