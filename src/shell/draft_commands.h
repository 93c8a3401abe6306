// The main window's draft commands and its own message.
//
// "&Fantasy Draft..." (40088, Tools) opens Start Fantasy Draft; while a
// fantasy draft is under way the item reads "&End Fantasy Draft..." and asks
// whether the computer finishes the draft (Yes), the draft is undone
// (Cancel) or goes on (No). "&End Draft..." (Team) ends a college draft under
// way: after "End College Draft?" is answered Yes the computer makes every
// remaining pick, those of user-run clubs too.
//
// Each fantasy-draft pick posts the main window its own message; handling it
// prompts for the next pick. The desktop handles one posted message per
// turn of its message loop (a timer of 1 ms), so the window stays live
// through a draft; a script handles all of them after each line.
#pragma once

// The Tools menu's fantasy-draft item, as the label it shows decides.
void Fantasy_Draft_Command();
// End Draft: refused with a box when no college draft is under way.
void End_College_Draft_Command();
// True while a college draft is under way (End Draft is offered then).
bool Is_End_Draft_Offered();
// The Play menu's Start Draft: starts the off-season's college draft left
// waiting ("Begin College Draft?" answered No, or held for the free agents
// by the timeline), which runs to the user's first pick; refused with a box
// when no draft waits to be started.
void Start_College_Draft_Command();
// True while the off-season's college draft waits to be started (Start
// Draft is offered then).
bool Is_Start_Draft_Offered();

// A game loaded in the middle of a fantasy draft: the pick on the clock is
// prompted for again (the computer's is made, the user is asked for his).
void Resume_Fantasy_Draft_After_Load();

// Posts the main window its own message (one at most waits).
void Post_User_Message();
bool Is_User_Message_Posted();
// Handles the posted message while one waits, at most nLimit times (each
// handling may post the next); how many were handled.
int Dispatch_User_Messages(int nLimit);
