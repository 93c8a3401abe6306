// The short texts that describe a logged play and the game situation: the
// play's one-line summary, penalty names, the game clock, the ball spot and
// the down and distance. They serve the game log rows, the scoring plays of
// the box score and the game page; the watched game's narration has its own
// sentences (narration.h).
//
// Every function writes into a caller's buffer of nSize bytes, cutting a text
// that does not fit; only the text and its terminator are written.
#pragma once

#include <cstddef>

#include "engine/penalties.h"
#include "league/game_record.h"

// The name of penalty kind 0-15 ("Encroachment" ... "Unnecessary
// Roughness"); "" for any other code.
void Get_Penalty_Name(int nPenalty, char* szBuffer, size_t nSize);

// The summary of a logged play by its result code ("%s incomplete to %s",
// "%s rushes %s for %d yards", ...). A missing player, or one who no longer
// exists, is named by the city of his own club: the side whose game roster
// holds his ID, else the side his part puts him on (bit 0 of the result byte
// names the side with the ball at the snap; a defender, a kick's returner and
// a player flagged for a defensive foul were on the other).
// A gain beyond +/-100 yards is reported, except on a missed field goal, and
// the sentence is still written.
void Write_Play_Summary_Sentence(const GAME* pGame, const PLAY* pPlay, char* szBuffer, size_t nSize);

// "%d:%02d" of the time left in the current quarter or overtime period; with
// bZeroAtStart a period with all its time left reads "0:00".
void Format_Game_Clock(const GAME* pGame, int bZeroAtStart, char* szBuffer, size_t nSize);

// The clock of the game as it stands, one text for the scoreboard, the play
// log and the recap: Format_Game_Clock with the flag set while a try is
// pending, so the try after a touchdown on a period's last play reads "0:00".
void Format_Play_Clock(const GAME* pGame, char* szBuffer, size_t nSize);
// The period that clock is in: 1-4 the quarters, 5 on the overtime periods.
// A try pending as a period has run out is still that period's.
int Get_Play_Clock_Period(const GAME* pGame);
// The scoreboard's "1st 15:00" .. "4th 0:07", "OT 9:12", "OT2 15:00": the
// period and Format_Play_Clock ("4th 0:00" during a try at the gun).
void Format_Scoreboard_Clock(const GAME* pGame, char* szBuffer, size_t nSize);

// "(%-3s %2d)": the abbreviation of the team whose half the ball is in and the
// yard number; "(--  50)" at midfield.
void Format_Ball_Spot(const GAME* pGame, char* szBuffer, size_t nSize);

// "%d-%d" (down, yards to go) or "%d-G" for goal to go; kick-offs "KICK" /
// "Kickoff", free kicks "KICK" / "Free Kick", tries "CONV" / "Conversion"
// (short / long form); "----" otherwise.
void Format_Down_And_Distance(const GAME* pGame, char* szBuffer, size_t nSize, int bLong);
