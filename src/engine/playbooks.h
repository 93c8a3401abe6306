// Team playbooks: the accessors of the play entries, the default playbook,
// the per-play usage and result tallies, and the readers of the built-in
// route and responsibility tables.
//
// Table selection, common to every accessor that takes a team and a play: an
// offensive play 0-53 (defensive play 0-29) of team 0-40 is read from that
// team's playbook area; the fixed plays 54-59, and every play of any other
// team byte (-1 or 255 ask for it on purpose), come from the built-in table.
//
// Bounds: an offensive play outside 0-59 or a defensive play outside 0-29
// gives -1, 0/false or an empty text. The type queries answer quietly (a play
// not yet called is 255); the other accessors report the bad index. A carrier
// field of 0 or below (or past place 10) means no carrier, and a route code
// outside 0-56 means no route: neither ever indexes a table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/playbook_records.h"
#include "league/game_record.h"

// ---------------------------------------------------------------------------
// The areas

// The offensive or defensive playbook area of team 0-40; null for any other
// team byte (not reported: those read the built-in tables).
OFFENSIVE_PLAYBOOK_AREA* Get_Offensive_Playbook_Area(int nTeam);
DEFENSIVE_PLAYBOOK_AREA* Get_Defensive_Playbook_Area(int nTeam);

// ---------------------------------------------------------------------------
// Offensive plays

// Play type 0-22; -1 for a play outside 0-59.
int Get_Offensive_Play_Type(int nTeam, int nPlay);
// Formation byte; -1 for a bad play.
int Get_Offensive_Play_Formation(int nTeam, int nPlay);
// Play-action (read-option) hole byte; -1 for a bad play.
int Get_Offensive_Play_Action_Hole(int nTeam, int nPlay);
// Run hole 0-9, -1 none (also for a stored value outside 0-9 and a bad play).
int Get_Offensive_Play_Run_Hole(int nTeam, int nPlay);
// The carrier's place 0-10 (carrier field - 1); -1 for none or a bad play.
int Get_Offensive_Play_Carrier(int nTeam, int nPlay);
// Route code of receiver 0-4 as stored (-1 none). A receiver outside 0-4
// reports "Invalid nReceiver in Get_Offensive_Play_Route(%d, %d, [%d])" and
// gives -1.
int Get_Offensive_Play_Route(int nTeam, int nPlay, int nReceiver);
// Stores the route (-1 or 0-56) of receiver 0-4 of play 0-53 of team 0-40.
// Bad receivers and plays report "Invalid nReceiver in
// Set_Offensive_Play_Route(%d, %d, [%d], %d)" and "Invalid nPlay in
// Set_Offensive_Play_Route(%d, [%d], %d, %d)"; nothing is stored then.
bool Set_Offensive_Play_Route(int nTeam, int nPlay, int nReceiver, int nRoute);
// Stores place + 1 (place -1 for none, else 0-10) for play 0-53 of team 0-40;
// false for anything else.
bool Set_Offensive_Play_Carrier(int nTeam, int nPlay, int nPlace);

// Types 0-5, 10, 15 and 22 run; 6-9 and 11-14 pass; 7 and 8 roll out; 20
// kneels. False for a play outside 0-59.
bool Is_Running_Play(int nTeam, int nPlay);
bool Is_Passing_Play(int nTeam, int nPlay);
bool Is_Rollout_Play(int nTeam, int nPlay);
bool Is_Kneel_Down_Play(int nTeam, int nPlay);

// Copies the name into szName (PLAY_NAME_SIZE bytes); "" for a bad play.
void Get_Offensive_Play_Name(int nTeam, int nPlay, char* szName, size_t nSize);
template <size_t N> void Get_Offensive_Play_Name(int nTeam, int nPlay, char (&szName)[N])
{
    return Get_Offensive_Play_Name(nTeam, nPlay, szName, N);
}
// Copies the description into szText (PLAY_DESCRIPTION_SIZE bytes). Play 59
// reads "%d-Yard Field Goal Attempt" with the current game's ball spot + 17
// (+ 7 under field rule preference 197), "" when no game is current.
void Get_Offensive_Play_Description(int nTeam, int nPlay, char* szText, size_t nSize);
template <size_t N> void Get_Offensive_Play_Description(int nTeam, int nPlay, char (&szText)[N])
{
    return Get_Offensive_Play_Description(nTeam, nPlay, szText, N);
}
// Team a franchise in use or 36-40, play 0-59, and the play has a name.
bool Is_Valid_Offensive_Play(int nTeam, int nPlay);

// The game whose ball spot play 59's description names; the game loop sets
// it when a game starts and clears it (null) when the game ends.
void Set_Playbook_Current_Game(const GAME* pGame);

// ---------------------------------------------------------------------------
// Defensive plays

void Get_Defensive_Play_Name(int nTeam, int nPlay, char* szName, size_t nSize);
template <size_t N> void Get_Defensive_Play_Name(int nTeam, int nPlay, char (&szName)[N])
{
    return Get_Defensive_Play_Name(nTeam, nPlay, szName, N);
}
void Get_Defensive_Play_Description(int nTeam, int nPlay, char* szText, size_t nSize);
template <size_t N> void Get_Defensive_Play_Description(int nTeam, int nPlay, char (&szText)[N])
{
    return Get_Defensive_Play_Description(nTeam, nPlay, szText, N);
}
// The name of play 0-59 (side 0, offence) or 0-29 (side 1, defence) of the
// team; "" for a bad play.
std::string Get_Play_Name(int nTeam, int nSide, int nPlay);
// Formation 22-38 as stored; -1 for a bad play.
int Get_Defensive_Play_Formation(int nTeam, int nPlay);
// Responsibility code of defender place 0-10; -1 for a bad play or place.
int Get_Defensive_Play_Role(int nTeam, int nPlay, int nPlace);
// Stores the responsibility (0-18) of place 0-10 of play 0-29 of team 0-40; a
// bad place reports "Invalid nPlayer in Set_Defensive_Play_Role(%d, %d, [%d],
// %d)".
bool Set_Defensive_Play_Role(int nTeam, int nPlay, int nPlace, int nRole);
bool Is_Valid_Defensive_Play(int nTeam, int nPlay);

// ---------------------------------------------------------------------------
// Kick plays: built-in entry nPlay mod 10 (a negative play is refused)

void Get_Kick_Play_Name(int nPlay, char* szName, size_t nSize);
template <size_t N> void Get_Kick_Play_Name(int nPlay, char (&szName)[N])
{
    return Get_Kick_Play_Name(nPlay, szName, N);
}
void Get_Kick_Play_Description(int nPlay, char* szText, size_t nSize);
template <size_t N> void Get_Kick_Play_Description(int nPlay, char (&szText)[N])
{
    return Get_Kick_Play_Description(nPlay, szText, N);
}
int Get_Kick_Play_Formation(int nPlay);
int Get_Kick_Play_Type(int nPlay);
int Get_Kick_Play_Route(int nPlay, int nReceiver);
bool Is_Valid_Kick_Play(int nPlay);

// ---------------------------------------------------------------------------
// The default playbook and the tallies

// Rebuilds both areas of team 0-40 from the built-in tables: the default notes
// texts, the category names, offensive plays 0-53 and the 30 defensive
// plays; every tally cleared. The rest of each area is carried unchanged.
void Build_Team_Default_Playbook(int nTeam);
// The default playbooks for every franchise in use, then each team's
// offensive system (Set_Team_Offensive_System).
void Reset_Team_Playbooks();
// Zeroes the tallies of one play (side 0 offence 0-59, 1 defence 0-29).
void Clear_Team_Playbook_Stats(int nTeam, int nSide, int nPlay);
// Zeroes the tallies of every play of one side.
void Clear_Team_Play_Usage(int nTeam, int nSide);
// Zeroes every tally of every franchise in use.
void Clear_All_Playbook_Stats();
// After a play from scrimmage: adds the play to the offence's tallies of its
// call (situations 0-4) and to the defence's tallies of its call (column of
// the offensive category). Fixed plays 54-59 add nothing. Counts saturate.
void Record_Play_Usage(const GAME* pGame);

// Tally kinds, and the reader of one tally (0 for bad arguments).
enum PLAYBOOK_TALLY : int {
    TALLY_YARDS = 0,
    TALLY_PLAYS = 1,
    TALLY_SACKS = 2,
    TALLY_TOUCHDOWNS = 3,
    TALLY_TURNOVERS = 4,
    TALLY_FIRST_DOWNS = 5,
};
int Get_Playbook_Tally(int nTeam, int nSide, int nPlay, int nColumn, int nKind);

// The offensive category of a play for the defensive tallies: 0 inside rush,
// 1 outside rush (hole 4 or more), 2 draw, 3-5 short, medium and long pass by
// the primary receiver's mean route depth (below 5, below 13, else); a pass
// without a primary route counts as short. -1 for a bad play.
int Get_Offensive_Play_Category(int nTeam, int nPlay);

// The hole the current play's run goes to, the carrier's spot across the
// formation (x, yards) given: an end around goes to hole 9 when the carrier
// lines up at x >= 0, else 8; a read-option play goes to its play-action hole
// when the clock plus the defensive call is odd; any other play to its run
// hole. -1 for no game or no hole.
int Get_Play_Run_Hole_For_Carrier_X(const GAME* pGame, float fCarrierX);

// ---------------------------------------------------------------------------
// Built-in tables

// The route of code 0-56, null for any other code.
const PASS_ROUTE* Get_Pass_Route(int nRoute);
// (least + 1 + greatest) / 2, 0 for a code outside 0-56.
int Get_Pass_Route_Mean_Depth(int nRoute);
// The segment flag word of point 0-3 of a route; reports a NEW_PATH start,
// WIGGLE with DOTTED_LINE and TOP_SEMI with BOTTOM_SEMI, and returns the word
// all the same. 0 for a bad route or point (reported).
uint32_t Get_Pass_Route_Segment_Flag(int nRoute, int nPoint);
// The responsibility of code 0-18, null for any other code.
const DEFENSIVE_RESPONSIBILITY* Get_Defensive_Responsibility(int nCode);

// Display names; "" for a code outside the list.
const char* Get_Play_Type_Name(int nType);             // "Rush (Standard)" ...
