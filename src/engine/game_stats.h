// Crediting a game's statistics: a player's season and career lines, both
// clubs' season totals and the box-score figures e0-e4 of the game, in one
// call per credited event; the rushing-play credit that includes the line;
// the player-of-the-game score.
//
// The per-game team counters and totals of the GAME (Increment_Game_Team_Stat,
// Set_Game_Team_Stat, Increment_Game_Team_Total) are in league/game_record.h.
#pragma once

#include "league/game_record.h"

// Unit filters of Credit_Game_Player_Stat: 0-3 the player's own unit
// (Get_Position_Unit), UNIT_FILTER_PLAYMAKERS any back, tight end or receiver
// but the quarterback, or any defender; any other value every player.
constexpr int UNIT_FILTER_PLAYMAKERS = 4;
constexpr int UNIT_FILTER_ANY = -1;

// Box-score figures of one roster entry.
constexpr int GAME_FIGURE_COUNT = GAME_PLAYER_FIGURES;

// Directions of a run for Credit_Rushing_Play: which linemen blocked for it.
constexpr int RUN_DIRECTION_LEFT = 0;     // places 6-7
constexpr int RUN_DIRECTION_MIDDLE = 1;   // places 7-9
constexpr int RUN_DIRECTION_RIGHT = 2;    // places 9-10

// What the ball carrier of a logged safety (result 8) or lost fumble (13,
// 14) was doing, in the play's nYard2: the box score counts a carry as his
// rush (with nYard1 its yards) and a catch as his reception, as the
// statistics do. A lost fumble of a run (13) is always a carry; 0 is anything
// else (a sacked passer).
constexpr int BALL_CARRIER_RUSHED = 1;
constexpr int BALL_CARRIER_CAUGHT = 2;

// Adds nValue to stored statistic nCode (0-19) of a player: his season line
// with his club, this season and his career. Nothing from the first playoff
// week on (or week 2, whichever is later), so nothing in the playoffs or the
// off-season. A team that is not a franchise in use nor 36-40 is reported
// ("Invalid nTeam in Increment_Player_Stat").
void Increment_Player_Stat(int nTeam, int nSlot, int nCode, int nValue);

// Credits statistic nCode (0-19) of a player of team nTeam (one of the
// game's two clubs) by nValue:
// - nothing when nUnit is 0-3 and not his unit, when nUnit is
//   UNIT_FILTER_PLAYMAKERS and he is a quarterback, lineman, kicker or
//   punter, or during a conversion try unless the offence's call is the
//   field-goal kick (59);
// - his season lines (Increment_Player_Stat), unless he is injured (weeks out
//   above 0) and nCode is not 0 (games played);
// - unless he is an offensive lineman: his club's season totals (the group of
//   his position, this season and all seasons) and the opponent's "against"
//   totals (group + 4);
// - when the season lines were credited, the box-score figure that his group
//   maps nCode to.
void Credit_Game_Player_Stat(GAME* pGame, int nTeam, int nSlot, int nUnit, int nCode, int nValue);

// Adds nValue to box-score figure nFigure (0-4) of the game roster entry of
// the player in roster slot nSlot of that side's club. Nothing when the slot
// is NO_PLAYER or his ID is not among the side's 80 entries; a bad side or
// figure is reported.
void Add_Player_Game_Stat(GAME* pGame, int bTeam, int nSlot, int nFigure, int nValue);

// The game roster entry (0-79) of the player in roster slot nSlot of a side's
// club: the first entry holding his ID. -1 for NO_PLAYER, a slot without a
// player or an ID not among the side's entries; a bad side gives -1 too.
int Get_Game_Roster_Entry(const GAME* pGame, int bSide, int nSlot);

// Credits a run of nYards to the carrier (rush and yards), to the linemen of
// the offence who blocked in that direction (their season lines only), and
// to the offence's per-game rushing totals (not on a conversion try). A bad
// direction is reported and credits no lineman.
void Credit_Rushing_Play(GAME* pGame, int nCarrierSlot, int nYards, int nDirection);

// The player-of-the-game score of game roster entry i (0-79) of a side: its
// figures e0-e4 weighted by the player's position. 0 for a bad side or
// entry, an empty entry or a player no longer found.
int Get_Player_Game_Score(const GAME* pGame, int bTeam, int i);
