// Roster moves of the front office.
#pragma once

// When the team holds 52 or more players, releases its weakest one (by
// overall rating) and returns true; else false. A free agent released from the pool
// leaves the league, and the pool stays compact.
bool Release_Excess_Player(int nTeam);

// Chooses a returner of kind 0 (kick-offs) or 1 (punts) among the team's
// backs and receivers, stores it with Set_Team_Returner and returns its
// roster slot; -1 when the team has none.
int Choose_Team_Returner(int nTeam, int nKind);

// The fewest players a legal roster keeps at a position (0-14; 0 otherwise).
int Get_Position_Minimum(int nPosition);
