// Players leaving the game: who retires, and who goes into the Hall Of Fame.
#pragma once

#include <cstdint>

// Tests a player (of slots 36-40) against his position's age limit (3 years
// more within his club's position quota) and his worth: 1 when he retired
// and is gone from the slot, else 0.
int Check_Player_Retirement(int nTeam, int nSlot);
// Takes the player out of the league, into the Hall Of Fame when he earned
// it; the roster closes up behind him. A player of the user's own club is
// announced in a "Retiring Player" box.
void Retire_Player(int nTeam, int nSlot);
// 1 when the player (10 or more credited seasons) was copied into the Hall
// Of Fame: his career score with his titles, corrected for the era, the
// position balance of the hall and its induction rate, must reach 75.
int Check_Hall_Of_Fame_Induction(int nTeam, int nSlot);
// The worth of his career, as the hall and the contract price weigh it.
int Get_Career_Score(int nTeam, int nSlot);
// The hall's share of a position, per mille (they add up to 1000); 0 for a
// position outside 0-14.
int Get_Hall_Of_Fame_Position_Share(int nPosition);
// The weight, per mille, a candidate's score takes in a hall of nMembers (more
// than 10) that holds nAtPosition of his position: the position's share over
// the share it holds, rounded, so that a position beyond its share is weighed
// down as far as it is beyond and one short of it up, at most 2000 (also
// for a position the hall lacks). 1000 for an empty hall or a position
// outside 0-14.
int Get_Hall_Of_Fame_Balance(int nPosition, int64_t nAtPosition, int64_t nMembers);
