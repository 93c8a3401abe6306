// The computer's offensive play call before every snap: fixed situations
// (conversion tries, kick-offs, late field goals, the kneel-down), a run or
// pass decision from a per-mille run chance, the fourth-down decisions, and a
// weighted draw among the offence's playbook plays that fit the category and
// a target gain. The defence's call (defense_calling.h) predicts the
// offence's call with the same function.
//
// Play categories: PLAY_CATEGORY_RUN (types 0, 1, 2, 4, 10, 15, 22),
// PLAY_CATEGORY_DRAW (type 3), PLAY_CATEGORY_PASS (types 6-9, 11-14); any
// other type has none, so the computer never calls an end around.
//
// The state of a game's calls (the tallies of both sides' calls, the last
// calls, the snapshot below and what an open snap has read) lives in the
// game's context (game_context.h): fresh for every game the driver plays,
// which counts each snap's final calls.
//
// The play-by-play tables (defense_calling.h: Build_Play_Matchup_Table) also
// take a snapshot of both offences' playbooks and of the ratings the run
// chance reads; the calls of a game read that snapshot. Without one for the
// game's two teams the first call takes it.
//
// Nothing here allocates or formats text; random numbers are drawn only
// where each rule says so.
#pragma once

#include "league/game_record.h"

struct GAME_CONTEXT;

constexpr int PLAY_CATEGORY_RUN = 0;
constexpr int PLAY_CATEGORY_DRAW = 3;
constexpr int PLAY_CATEGORY_PASS = 6;
constexpr int PLAY_CATEGORY_NONE = -1;

// Kick-off calls (built-in KICK_PLAY entries).
constexpr int NORMAL_KICKOFF_CALL = 0;
constexpr int SQUIB_KICK_CALL = 1;
constexpr int ONSIDE_KICK_CALL = 2;

// The offence's call: play 0-59, or on a kick-off 0-2 (a kick play). The
// form without a context uses the one bound to the game.
int Call_Offensive_Play(GAME* pGame);
int Call_Offensive_Play(GAME_CONTEXT& Context, GAME* pGame);
// The driver opens a snap before its calls and closes it after them: in
// between, the reads the calls share (run chance, fourth-down decisions, the
// top receiver's focus, the carriers' workloads) are taken once. Nothing may
// change the game or its players while a snap is open.
void Open_Snap_Calls(GAME_CONTEXT& Context, const GAME* pGame);
void Close_Snap_Calls(GAME_CONTEXT& Context);
void Open_Snap_Calls(const GAME* pGame);
void Close_Snap_Calls(const GAME* pGame);

// The chance of a run call, per mille 0-1000.
int Get_Run_Chance(GAME* pGame);

// A weighted draw among the offence's plays of the category (PLAY_CATEGORY_*)
// whose designed gain fits nTargetGain. When no play has weight, play 0 if it
// is a valid play, else the first valid play of the category, else the first
// valid play, else 0.
int Find_Offensive_Play(GAME* pGame, int nCategory, int nTargetGain);

// Fourth-down decisions (false on any other down but Should_Go_For_It).
bool Should_Go_For_It(GAME* pGame);
bool Should_Kick_Field_Goal(GAME* pGame);
bool Should_Punt(GAME* pGame);
// Kick-offs, the kicking team having the ball: onside when trailing by 1-8,
// squib when leading by 4-8, both only in the last 120 s of the fourth quarter.
bool Should_Onside_Kick(const GAME* pGame);
bool Should_Squib_Kick(const GAME* pGame);
bool Should_Kneel_Down(const GAME* pGame);
// In overtime under sudden death, or once both teams have had the ball.
bool Should_Kick_Overtime_Field_Goal(const GAME* pGame);
// Enough time is left for the other team's possession and one more of ours.
bool Has_Time_For_Next_Possession(const GAME* pGame);
// At most 9 seconds left in the half (or the game or overtime period).
bool Is_Last_Seconds_Of_Half(const GAME* pGame);

// 20000 / (calls of the play this game + 20), moved by the difficulty in a
// watched game of a user's club; at least 500.
int Get_Offensive_Play_Redundancy_Multiplier(const GAME* pGame, int nPlay);

// The category (PLAY_CATEGORY_*) of a play by its type.
int Get_Play_Call_Category(int nTeam, int nPlay);
// The gain in yards a play is designed for; -1 for punts and field goals.
int Get_Play_Yardage(int nTeam, int nPlay);
// The mean depth of the primary receiver's route, 0 without one.
int Get_Play_Primary_Route_Depth(int nTeam, int nPlay);
// The value, scaled down when the back has carried more than his durability
// allows so far this season.
int Apply_Running_Back_Workload(int nTeam, int nSlot, int nValue);
// 0, or 5 and up when the offence's first receiver dominates the game.
int Get_Top_Receiver_Focus(const GAME* pGame);
int Get_Top_Receiver_Focus(GAME_CONTEXT& Context, const GAME* pGame);

// The fourth value of the league's per-game norms (passing share x 1000
// against the historical year value); see the definition for its rule.
int Get_League_Pass_Norm();

// The game's call tallies (its context's).
void Record_Offensive_Play_Call(GAME_CONTEXT& Context, const GAME* pGame, int nPlay);
void Record_Offensive_Play_Call(const GAME* pGame, int nPlay);
int Get_Offensive_Call_Tally(const GAME* pGame, int bSide, int nPlay);
int Get_Last_Offensive_Call(const GAME* pGame);
// The defensive side of the tallies (defense_calling.cpp keeps its rules).
int Get_Defensive_Call_Tally(const GAME* pGame, int bSide, int nPlay);
int Get_Last_Defensive_Call(const GAME* pGame);
void Count_Defensive_Play_Call(GAME_CONTEXT& Context, int bSide, int nPlay);

// Takes the snapshot of both offences' plays for the game (called by
// Build_Play_Matchup_Table).
void Build_Offensive_Call_Profiles(const GAME* pGame);
void Build_Offensive_Call_Profiles(GAME_CONTEXT& Context, const GAME* pGame);
