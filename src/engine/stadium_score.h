// The quality score of a team's stadium, read by the franchise value.
#pragma once

// (2 x (stadium stat 5 + stadium stat 6) + stadium stat 7) / 5, truncated.
// Team 0-40; a bad team is reported and gives 0.
int Get_Team_Stadium_Score(int nTeam);
