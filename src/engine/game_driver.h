// One game from the coin toss to the final whistle: Run_Game sets the game
// up (unless it resumes a stored one) and closes it, Run_Game_Plays is the
// loop of snaps with both sides' calls, and Run_Play runs one snap in its
// fixed order of steps.
//
// A game nobody watches takes the computer's calls on both sides and never
// enters the waits for a watching user; with the game pages off a snap
// allocates nothing and formats no text.
//
// Engine state outside the GAME record lives here for the one game being
// played: the current game and the developer tallies (down and distance,
// red-zone trips by their first-down spot). The play-call tallies are the
// play calling's (offense_calling.h); a resumed game starts them afresh.
#pragma once

#include "league/game_record.h"

// 1 when the game was played to its end, 0 when the simulation stopped (or
// the stop day was reached) first; the GAME then keeps its state and can be
// resumed. 0 for no record.
int Run_Game(GAME* pGame);

// Snaps until the simulation stops, the stop day is reached or the game is over.
void Run_Game_Plays(GAME* pGame);

// One snap, from the pre-snap clock to the end-of-quarter check.
void Run_Play(GAME* pGame);

// The game being played, null between games.
GAME* Get_Current_Game();

// A watched game waits for the user's call (never true headless: the main
// window never shows the games page there).
bool Is_Waiting_For_Play_Call(const GAME* pGame);
// The user's click after a watched play.
void Wait_For_Play_Call();

// 0 before 1,800 s, 1 before 3,600 s, else 2.
int Get_Game_Half(const GAME* pGame);

// Before each snap: a first red-zone snap of a possession counts a trip for
// the offence (not on a try) and records where it began.
void Count_Red_Zone_Trip(GAME* pGame);

// A team whose calls the computer makes in a watched game.
bool Is_Computer_Called_Team(int nTeam, bool bOffense);

// Developer tallies of this program run (not saved).
int Get_Down_And_Distance_Tally(int nDown, int nToGo);
int Get_Red_Zone_Start_Tally(int nSpot);
void Clear_Game_Driver_Tallies();
