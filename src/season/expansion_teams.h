// New franchises: a club added in the next free slot, and its roster
// stocked with generated players.
#pragma once

// Players of a new club at each position (QB .. P), 57 in all.
extern const int NEW_TEAM_POSITION_QUOTA[15];

// The most clubs a league can hold with nGames games per season:
// (285 / nGames) x 2, never more than the 36 franchise slots.
int Get_Team_Limit_For_Games(int nGames);

// Sorts the clubs by city, then makes slot Count_Teams() a computer-run club
// named "[Empty" "Team]" ("XXX") playing in "Generic Stadium" (55,000 seats),
// worth its stadium value (Get_Stadium_Value), with its opening finances,
// ticket price, playbook and draft picks, and (bStockRoster) a stocked
// roster. An erased club in slot n (Is_Erased_Club) first moves to the
// first slot that holds nothing; with none, the first erased club that no
// game of the GAME records names gives up its slot (Clear_Team). The new
// slot, or -1 (nothing changed) when the league is full for its season
// length or all 36 slots are used (by clubs, and by erased clubs the GAME
// records name).
int Add_Team_To_League(int bStockRoster);

// A veteran of nPosition made by the generator and kept as made; only a
// record whose overall at his position is below 25 gets its ratings drawn
// again.
void Make_Stock_Player(int nTeam, int nSlot, int nPosition);

// Generated veterans up to the quota of each position; for a franchise, then
// the roster trimmed, the depth charts, returners and backups set, and the
// roster compacted.
void Stock_New_Team_Roster(int nTeam);
