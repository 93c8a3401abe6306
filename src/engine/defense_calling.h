// The computer's defensive play call before every snap: the offence's call is
// predicted five times with the offence's own calling, and a weighted draw
// over the defence's 30 plays favours the plays that rate well against those
// predictions, fit the formation the situation asks for and fit the team's
// defensive alignment.
//
// The ratings of every defensive play against every offensive play form a
// matchup table of 60 x 30 per mille values (1000 average). A game has two:
// one for each team with the ball (its offensive plays against the other
// team's defensive plays). Build_Play_Matchup_Table makes both when a game
// starts and again when a stored game resumes; a call for a game whose teams
// the tables were not built for builds them first. The build draws nothing.
//
// The same coverage, pass-rush and run-defence models feed the resolution of
// runs (Get_Run_Call_Matchup_Factor) and passes.
#pragma once

#include <cstdint>

#include "engine/playbook_records.h"
#include "league/game_record.h"

struct GAME_CONTEXT;
struct MATCHUP_TABLES;

// The defence's call, 0-29. The forms without a context use the one bound to
// the game (game_context.h).
int Call_Defensive_Play(GAME* pGame);
int Call_Defensive_Play(GAME_CONTEXT& Context, GAME* pGame);

// Both matchup tables of the game (and the play-calling snapshot of both
// offences' playbooks, offense_calling.h), kept in the game's context.
void Build_Play_Matchup_Table(const GAME* pGame);
void Build_Play_Matchup_Table(GAME_CONTEXT& Context, const GAME* pGame);
// Whether a side's finished table is kept and copied for a later game whose
// plays look the same to the models (on; tests turn it off to compare).
void Set_Matchup_Table_Keeping(bool bOn);
// The value the game's table of the side with the ball holds for offensive
// play 0-59 against defensive play 0-29; 0 for bad arguments.
int Get_Play_Matchup_Table_Value(const GAME* pGame, int bOffenseSide, int nOffensivePlay, int nDefensivePlay);

// Each defensive play's product over the five predicted offensive calls
// 0-59 in the table of side bOffense: the first prediction's entry, then per
// mille of the next entry at each step, a b / 1000 rounded half away from
// zero and held at INT32_MAX.
void Get_Predicted_Call_Products(const MATCHUP_TABLES& M, int bOffense, const int (&nPredicted)[5],
                                 int (&nProduct)[DEFENSIVE_PLAY_COUNT]);

// The running sums of the defending side's weights of its 30 plays for
// the five predicted calls: each play's product, per mille of its weight
// when the defence shows formation F (none for F not a defensive formation)
// and per mille of its fit, times f + 1 for a double-team play when the top
// receiver's focus f is not 0, counted from 0 up. Returns the total. M
// holds what Build_Play_Matchup_Table fills.
int64_t Get_Defensive_Call_Sums(const MATCHUP_TABLES& M, int bOffense, const int (&nPredicted)[5], int F, int f,
                                int64_t (&nCum)[DEFENSIVE_PLAY_COUNT]);

// Per mille rating of defensive play j of team d against offensive play i of
// team o (0 unless d is a valid team and j a named play 0-29).
int Get_Play_Matchup_Rating(int o, int i, int d, int j);
// Real factors, at least 0.1.
double Get_Pass_Defense_Rating(int o, int i, int d, int j);
double Get_Pass_Coverage_Multiplier(int o, int i, int d, int j);
double Get_Pass_Rush_Multiplier(int o, int i, int d, int j);
// Get_Pass_Coverage_Multiplier and Get_Pass_Rush_Multiplier of the same
// plays, one after the other, with the plays read once when that reports
// nothing.
void Get_Pass_Coverage_And_Rush_Multipliers(int o, int i, int d, int j, double* pCoverage, double* pRush);
// Per mille, at least 100.
int Get_Run_Defense_Multiplier(int o, int i, int d, int j);

// For the run resolution: the run-defence multiplier of the call pair over
// 1000, scaled by how often each side has repeated its call this game, then
// softly bounded into 1/1.66 - 1.66.
float Get_Run_Call_Matchup_Factor(const GAME* pGame, int nOffensivePlay, int nDefensivePlay);

// Pass focus of defensive formation 22-38 per mille; another formation is
// reported and counts 1000.
int Get_Defensive_Formation_Pass_Focus(int nFormation);
bool Is_Defensive_Formation(int nFormation);

// 50000 / (calls of the play by this defence this game + 50), at least 500.
int Get_Defensive_Play_Redundancy_Multiplier(const GAME* pGame, int nPlay);
// Sets the last defensive call and counts it for the defence's side.
void Record_Defensive_Play_Call(const GAME* pGame, int nPlay);
void Record_Defensive_Play_Call(GAME_CONTEXT& Context, const GAME* pGame, int nPlay);
