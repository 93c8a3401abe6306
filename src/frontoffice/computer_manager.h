// What the computer's front offices do day by day and between seasons:
// depth charts, roster moves, free-agent signings, trades, roster trims,
// returners and the league's position averages.
//
// A club is computer-run when it is a franchise in use whose controller is
// not the user, or any franchise while every club is computer-run
// (preference 96).
#pragma once

// A roster below this many players signs free agents until it is full again.
constexpr int AI_ROSTER_TARGET = 45;
// A computer club short at a position signs up to this size; above it, it trims.
constexpr int AI_ROSTER_LIMIT = 51;

// True for a franchise in use that the computer runs (see above).
bool Is_Computer_Run_Team(int nTeam);

// Re-sets the three depth-chart units of every computer-run club (bFlag is
// kept for the callers; the rule does not read it).
void Auto_Set_Computer_Depth_Charts(int bFlag);
// Every computer-run club first signs what Sign_Healthy_Needs asks for
// (the day's games follow this call); then the first computer-run club in
// slot order whose roster is below AI_ROSTER_TARGET signs the best free
// agent (by overall rating).
void Sign_AI_Free_Agent();
// One computer-to-computer trade attempt. The computer clubs trade with the
// user's clubs only (the trade offers), never among themselves, so no trade
// is made.
void Run_AI_Trade();
// Roster upkeep of every computer-run club: rosters above 51 players are
// trimmed, and a club over the cap lets players go.
void Run_Computer_Roster_Moves();
// A computer-run club with fewer healthy players at a position than
// Get_Healthy_Players_Needed signs the best healthy free agent there (the
// cheapest when none fits under the cap), until it has enough or the pool
// has nobody healthy there. True when anyone signed.
bool Sign_Healthy_Needs(int nTeam);
// The roster fill of a game's depth-chart lookup that found nobody: for each
// position (0-14) where franchise nTeam has no healthy player, it signs the
// best healthy free agent there whose cap charge fits its cap room (else the
// one of least league minimum, at that minimum, when that fits). A club the
// user runs is told in one "Roster Needs" box who was signed and why, or why
// nobody could be. The number signed; a bad team is reported and gives 0.
int Fill_AI_Roster_Needs(int nTeam);
// The healthy players of a position (0-14) a club needs for the game's
// line-ups; 0 for anything else.
int Get_Healthy_Players_Needed(int nPosition);
// Every computer-run club, in slot order, signs the best free agents until
// its roster reaches AI_ROSTER_TARGET or the pool is empty (bProgress is
// kept for the callers; the rule does not read it).
void Run_AI_Free_Agency(int bProgress);
// Releases the team's weakest players while it holds more than 51.
void Trim_Team_Roster(int nTeam);
// Chooses the team's kick-off and punt returners.
void Choose_Team_Returners(int nTeam);
// Orders the backups of the team's three depth-chart units.
void Sort_Team_Depth_Chart_Backups(int nTeam);
// The three league averages of a position (0-14) that the computer's needs
// are measured against. The computer's needs are the positions a club is
// short of for a legal roster (Sign_AI_Free_Agent), not measured against
// league averages, so nothing is computed; a bad position is reported.
void Compute_League_Position_Averages(int nPosition);

// Moves free agent nSlot (team 36) to the end of nTeam's roster and gives
// him at least a year of contract; his new slot, or -1 when the roster is
// full or an argument is bad (reported). The pool stays compact.
int Sign_Free_Agent_To_Team(int nTeam, int nSlot);
