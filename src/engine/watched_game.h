// The game a user watches in the window: which game the game view shows,
// whose call it waits for, the user's calls and timeouts, and the hook
// through which the engine has the view painted.
//
// The engine may not reach the pages or the shell, so the game view installs
// a WATCHED_GAME_VIEW; with none installed (a headless or script-driven run)
// nothing is painted and the engine never waits for the user: the computer
// makes every call.
#pragma once

#include "league/game_record.h"

// What Get_Play_Call_Stage answers for the current game.
constexpr int PLAY_CALL_STAGE_NO_GAME = 0;
constexpr int PLAY_CALL_STAGE_OFFENSE = 1;   // the offence has not called (no kick-off pending)
constexpr int PLAY_CALL_STAGE_DEFENSE = 2;   // the offence has called, the defence not
constexpr int PLAY_CALL_STAGE_KICKOFF = 3;   // a kick-off is pending and the offence has not called
constexpr int PLAY_CALL_STAGE_CALLED = 4;    // both have called

// The game view's side of a watched game. Any entry may be null.
struct WATCHED_GAME_VIEW {
    // Paints frame 0-10 of the play just run (bFinal false), or the final
    // state (frame -1, bFinal true); returns how many animation intervals
    // to wait before the next frame (0: none).
    int (*pfnPaintPlayTextBox)(int nFrame, bool bFinal) = nullptr;
    // Repaints the game view now (the situation or the calls changed).
    void (*pfnRepaint)() = nullptr;
    // The score box of the game in the corner of the pages that show one.
    void (*pfnDrawScoreBox)(const GAME* pGame) = nullptr;
    // A watched snap is about to be run: the view keeps the game as it
    // stands, to show it until the play's narration reaches its result;
    // null when the play will not be told (the view lets it go).
    void (*pfnHoldSnap)(const GAME* pGame) = nullptr;
};

// Installs the view (a copy is kept); null: headless, nothing painted, no
// wait.
void Install_Watched_Game_View(const WATCHED_GAME_VIEW* pView);
// The view installed, null when none.
const WATCHED_GAME_VIEW* Get_Watched_Game_View();
// True when a view is installed and the ui backend is not headless: only
// then may a watched game wait for the user.
bool Can_Wait_For_User();

// The game the game view shows: the current game while a simulation runs
// and its week is watched by either team; else the game record preference 34
// names; else null.
GAME* Get_Displayed_Game();
// PLAY_CALL_STAGE_* of the current game.
int Get_Play_Call_Stage();
// Makes the computer's calls of the current down for the computer-run sides
// (and the defence against a kick), leaves the user's sides open with the
// suggestion page set (preferences 57 and 58), and repaints the view.
void Call_Current_Game_Plays();
// The user's click or digit key: fills the open call of that side with a
// play of the side's playbook (offence 0-59, or 0-9 a kick play at a
// kick-off; defence 0-29). False, and nothing changed, when no call of that
// side is awaited or the index is not such a play.
bool Submit_User_Play_Call(bool bOffense, int nPlayIndex);
// True while the engine waits for one of the user's calls: inside the wait of
// a watched snap's calls only (not while the computer's call of the snap is
// still being made, as when it asks "Go For Two?").
bool Is_Awaiting_User_Play_Call();
// The computer's call of the snap being called for the offence or the
// defence (what the user's open call falls back on; the view may mark it);
// -1 when no watched snap is being called.
int Get_Computer_Play_Call(bool bOffense);

// The side that calls a timeout: 0 away, 1 home, -1 when neither team is
// user-run; asks "Which team?" when both are.
int Ask_Timeout_Team(const GAME* pGame);
// The game menu's Timeout for the current game: the side asked for takes
// one of its timeouts and the clock stops for the next snap; with none left
// a box says so and nothing changes. True when a timeout was taken.
bool Call_User_Timeout();
// Stop: the open calls of the game shown (or of pGame) take the computer's
// calls of the snap, so the snap goes on; nothing is drawn again while the
// snap's calls are known.
void Fill_Open_Calls_With_Computer();
void Fill_Open_Calls_With_Computer(GAME* pGame);

// The user asked to go on after a watched play (click-after-each-play).
void Release_Play_Click_Wait();
// True while the engine waits for that click.
bool Is_Waiting_For_Play_Click();

// Milliseconds between two animation frames: max(2 x preference 173, 1),
// 0 under fast-forward.
int Get_Animation_Interval();

// The game menu's fast-forward for the current game: Finish Quarter plays
// on unwatched to the end of this quarter (preference 54 := quarter + 1);
// Finish Game asks "Simulate the remainder of this game?" and on Yes plays
// the game out (quarter + 10). False when nothing changed.
bool Finish_Current_Quarter();
bool Finish_Current_Game();

// ---------------------------------------------------------------------------
// For the game driver: the steps of a watched snap

// The calls of a watched snap: the computer-run sides take the computer's
// calls (nOffenseCall, nDefenseCall), the user's sides stay open with their
// suggestion pages set, and, when the user can be waited for, the seam's
// blocking wait runs until the open calls are made. A call still open
// afterwards takes the computer's.
void Take_Watched_Play_Calls(GAME* pGame, int nOffenseCall, int nDefenseCall);
// The game has stopped or ended (the current game is none again): the menu
// put up for a watched game is rebuilt.
void End_Watched_Game();
// The view shows this watched game: preference 34 := its record's index,
// kept after the game ends. Nothing without a view, or for a game outside
// the league's records.
void Show_Watched_Game(const GAME* pGame);
// The view repainted (before and after the snap).
void Repaint_Watched_Game();
// The view keeps the game as it stands before a watched snap (null: lets it
// go once the play is not told).
void Hold_Watched_Snap(const GAME* pGame);
// The play's 11 frames painted through the view with the menu greyed,
// waiting the intervals the view asks for; then the click-after-each-play
// wait and the final state. Stop between two frames (the game watched no
// more, or the run over) ends the telling there: no more frames, no wait
// and no two-minute warning box, only the final state. Nothing without a
// view.
void Animate_Watched_Play(GAME* pGame);
