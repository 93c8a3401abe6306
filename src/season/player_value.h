// A player's worth as the front office sees it: his projected peak and his
// figures as the user's scouts report them.
#pragma once

// The projected overall rating at the player's peak age (a whole number as a
// float); 0 for an empty slot.
float Compute_Player_Potential(int nTeam, int nSlot);

// A figure as the user's scouts see it: moved by the player's scouting
// modifier.
int Adjust_Player_Stat_By_Modifier(int nTeam, int nSlot, int nValue);
