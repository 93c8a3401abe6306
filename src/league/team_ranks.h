// The power score, the results-weighted ranking score, and the ranks of one
// club among the teams in use on offence, defence, one strength, the power
// score and the ranking score. Nothing is cached: each value is recomputed
// from the strengths (league/team_strength.h), the season's results and the
// calendar, so computing one may repair ratings as the strengths do.
//
// A rank counts the team slots 0 .. Count_Teams() - 1 whose value is
// strictly greater: 0 is the best, and tied teams share the better rank
// (values 900, 900, 850 give ranks 0, 0 and 2).
//
// The operations that test the team (all but Get_Team_Rating_Rank) give 0
// for a franchise slot not in use (Is_Valid_Team: slots 0-35 in use and the
// special slots 36-40 pass); a value outside 0-40 other than NO_TEAM is also
// reported.
#pragma once

// The strengths blended by the era's passing weight, plus three times the
// starters score.
int Get_Team_Power_Score(int nTeam);
// The power score + 15 x recent form + 2 x (points scored - points allowed)
// over the season's game records.
int Sum_Team_Game_Points(int nTeam);

int Get_Team_Power_Rank(int nTeam);
int Get_Team_Points_Rank(int nTeam);
// Rank on 3 x running + 7 x passing.
int Get_Team_Offense_Rank(int nTeam);
// Rank on 4 x run defence + 6 x pass defence.
int Get_Team_Defense_Rank(int nTeam);
// Rank on strength code 40-44 (no team test; any other code ranks 0).
// A team value outside 0-40 is reported and ranks 0.
int Get_Team_Rating_Rank(int nTeam, int nCode);

// A team's rank (0 best) among the Count_Teams() teams turned into 0..14.
int Scale_Rank_To_Score(int nRank);
