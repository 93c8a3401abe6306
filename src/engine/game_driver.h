// One game from the coin toss to the final whistle: Run_Game sets the game
// up (unless it resumes a stored one) and closes it, Run_Game_Plays is the
// loop of snaps with both sides' calls, and Run_Play runs one snap in its
// fixed order of steps.
//
// A game nobody watches takes the computer's calls on both sides and never
// enters the waits for a watching user; with the game pages off a snap
// allocates nothing and formats no text.
//
// The state of the game being played outside its GAME record (the calls'
// tallies, snapshots and matchup tables) is the game's context
// (game_context.h): Run_Game makes a fresh one for each run, a resumed game
// too, binds it to the game and hands it down the snap's calls. What stays
// here is process-wide: the game the program is playing, for the windows,
// and the developer tally of the run (downs and distances).
#pragma once

#include "league/game_record.h"

struct GAME_CONTEXT;

// 1 when the game was played to its end, 0 when the simulation stopped (or
// the stop day was reached) first; the GAME then keeps its state and can be
// resumed. 0 for no record.
int Run_Game(GAME* pGame);

// Snaps until the simulation stops, the stop day is reached or the game is
// over.
void Run_Game_Plays(GAME_CONTEXT& Context, GAME* pGame);
// One snap with its calls; false (and nothing done) when the simulation has
// stopped, the stop day is reached or the game is over.
bool Run_Game_Snap(GAME_CONTEXT& Context, GAME* pGame);

// One snap, from the pre-snap clock to the end-of-quarter check.
void Run_Play(GAME* pGame);

// The game being played, null between games.
GAME* Get_Current_Game();

// A watched game has a call open that its user makes: the simulation runs,
// no fast-forward is set, the Games page is shown, and the offence has not
// called, or the defence has not and faces no kick. Whether the engine may
// wait for it is Can_Wait_For_User's (watched_game.h).
bool Is_Waiting_For_Play_Call(const GAME* pGame);
// The user's click after a watched play: blocks in the seam's wait until
// the click (preference 17 cleared), a fast-forward, or another page.
void Wait_For_Play_Call();

// Before each snap: a first red-zone snap of a possession counts a trip for
// the offence (not on a try) and records where it began.
void Count_Red_Zone_Trip(GAME* pGame);

// Either team has the game's week marked for watching.
bool Is_Game_Watched(const GAME* pGame);
// The play type of a call: at a kick-off a kick play (call mod 10), else
// the offence's playbook (the built-in plays for 54-59).
int Get_Call_Play_Type(const GAME* pGame, int nCall);

// A team whose calls the computer makes in a watched game.
bool Is_Computer_Called_Team(int nTeam, bool bOffense);

// The developer tally of this program run (not saved).
int Get_Down_And_Distance_Tally(int nDown, int nToGo);
