// The engine's tuning values that the rules of play leave to us: each is one
// small function whose comment says what it is calibrated to, so that a
// season-scale run can retune them in one place.
#pragma once

#include "league/game_record.h"

// The chance per mille that a sack strips the ball and the defence keeps it,
// for the passer in roster slot nPasserSlot of the offence.
int Get_Passer_Fumble_Chance(const GAME* pGame, int nPasserSlot);

// The offence's trend factor of the game for the pass model (1 neutral;
// above 1 the offence has been doing better than its ratings say).
float Get_Offense_Trend_Factor(const GAME* pGame);

// The betting line of a game in tenths of a point, positive when the away
// club (the first) is favoured, and the total points expected in tenths;
// the GAME record stores each plus 1000. 0 and 440 without two valid clubs.
int Get_Game_Point_Spread(int nAway, int nHome);
int Get_Game_Over_Under(int nAway, int nHome);
// Both lines of a game at once, each the value its own function gives: the
// clubs' four strengths are read once when reading them changed no rating
// and reported nothing (else the over/under reads them again).
void Get_Game_Lines(int nAway, int nHome, int* pnPointSpread, int* pnOverUnder);
// The same from the clubs' strengths: the spread from the sums of each club's
// run, pass, run-defence and pass-defence strengths; the over/under from the
// two clubs' run and pass strengths together and their defences' together.
int Get_Point_Spread_Of_Strengths(int nAwayStrength, int nHomeStrength);
int Get_Over_Under_Of_Strengths(int nOffense, int nDefense);

// How well the player of a roster slot fills a position code (0-14, or the
// kick and punt returner places); 0 or less never plays there. bFlag is unused.
float Get_Depth_Chart_Score(int nTeam, int nSlot, int nPosition, int bFlag);

// Gives the team a healthy kick-off and punt returner when its own are
// missing or hurt.
void Check_Team_Returners(int nTeam);
