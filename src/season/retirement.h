// Players leaving the game: who retires, and who goes into the Hall Of Fame.
#pragma once

// 1 when the player (of slots 36-40) retired and is gone from the slot.
int Check_Player_Retirement(int nTeam, int nSlot);
// Takes the player out of the league, into the Hall Of Fame when he earned it.
void Retire_Player(int nTeam, int nSlot);
// 1 when the player was copied into the Hall Of Fame.
int Check_Hall_Of_Fame_Induction(int nTeam, int nSlot);
// The worth of his career, as the hall and the contract price weigh it.
int Get_Career_Score(int nTeam, int nSlot);
