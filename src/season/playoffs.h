// The playoff bracket: seeding from the standings, the games of each playoff
// day, the second-round reseeding and division rule, results moving winners
// on, and when the season is complete.
//
// The bracket has 31 slots: 0-15 the first round (0-7 league 0, 8-15 league
// 1), 16-23 the second (16-19 league 0), 24-27 the third (24, 25 league 0),
// 28 and 29 the two leagues' champions, 30 the champion. The winner of the
// game between slots 2k and 2k + 1 moves to slot k + 16. A pair with an empty
// slot plays no game: the team in it has a bye.
#pragma once

#include "league/game_record.h"

// P2: the day the playoff rounds start, the larger of the first playoff day
// and 2. Round r (0-3) is played on day P2 + r.
int Get_Playoff_Start_Day();

// The bracket slot of seed nSeed (0 the first) when a league (0 or 1) sends
// nTeams (1-8) teams; -1 (reported) for anything else.
int Get_Playoff_Seed_Slot(int nLeague, int nTeams, int nSeed);

// The clubs a league (0 or 1) sends to the playoffs: its divisions holding a
// club plus the wild cards, at most 8 and at most its clubs; 0 for a league
// not in use or out of range.
int Get_League_Playoff_Seeds(int nLeague);
// The games round nRound (0-3) of this season's bracket plays, from the
// league's make-up and rules: a round the bracket skips (a league of four
// seeds starts in the second round) plays none. 0 for any other round.
int Count_Bracket_Round_Games(int nRound);

// Every slot empty (NO_TEAM), every score 0, every team's seed (team stat 9) 0.
void Clear_Playoff_Slots();
// Standings key + 10,000,000 for a division leader (place 0 of its row).
// A team in no division row is reported and gets its plain key; NO_TEAM
// gives UNUSED_TEAM_STANDINGS_KEY.
int Get_Playoff_Seed_Key(int nTeam);
// Swaps two slots' teams and scores; two slots of rounds two and three also
// swap the pairs that feed them. Nothing for equal slots.
void Swap_Playoff_Slots(int nSlotA, int nSlotB);
// Keeps division rivals apart in the second round: a pair of the same
// division swaps its first slot with the other pair's (16 with 18, 20 with
// 22), but only when the pair swapped with still plays a game afterwards.
void Avoid_Division_Rematch();
// On a full second round of league 0 or 1: the best seed key to the fourth
// slot, the lowest to the third, so the best remaining team meets the lowest.
void Reseed_Conference_Playoff_Slots(int nLeague);
// Both leagues, on the second playoff day, when a league sends more than four.
void Reseed_Playoffs();
// Schedules the games of the round due on the current day; the count entered.
int Schedule_Playoff_Games();
// Books a finished playoff game: both scores into the bracket, the winner
// moved on; the team that fills the season's last slot has every player
// record credited with a championship. A tie sends the home team on. A game
// whose teams are not paired in the bracket is reported and changes nothing.
void Record_Playoff_Result(const GAME* pGame);
// The slot whose filling ends the season: 30 with two leagues and the
// inter-league final on, else 28.
int Get_Season_Last_Playoff_Slot();
// True when the current day is neither 0 nor the off-season, is at least the
// first playoff day, and the season's last slot holds a club (one erased
// from the league since the final too).
bool Is_Season_Complete();
