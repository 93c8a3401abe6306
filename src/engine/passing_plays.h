// A pass play from scrimmage: whether the quarterback scrambles instead, the
// choice of target, how deep he gets open and how far he runs after the
// catch, and the result of the throw applied to the game (yards, clock,
// turnovers, scores, statistics and narration).
#pragma once

#include "league/game_record.h"

// The scramble test for the offence's passer (place 0) on the current call:
// true when he runs instead of throwing. Draws once.
bool Should_Scramble(GAME* pGame);

// Runs the current call as a pass: target, depth, outcome and its result.
void Run_Pass_Play(GAME* pGame);

// The receiver 0-4 of the call the ball goes to; *pbPrimary is 1 when that
// is the play's primary receiver, else 0.
int Choose_Pass_Target(GAME* pGame, int* pbPrimary);

// The play's primary receiver 0-4 (the stored carrier field minus 2), -1
// when the carrier is no receiver.
int Get_Primary_Receiver(int nTeam, int nCall);

// The depth in yards at which the offence's player in roster slot
// nReceiverSlot gets open.
int Get_Receiver_Open_Depth(GAME* pGame, int nReceiverSlot);

// Applies outcome nResult (0-5) of a pass to the offence's player in roster
// slot nReceiverSlot on route nRoute (-1 none), caught nCatchLocation yards
// downfield on a play of nDistance yards. Another outcome is reported
// ("Invalid value in Implement_Pass_Result()") and changes nothing.
void Implement_Pass_Result(GAME* pGame, int nReceiverSlot, int nResult, int nRoute, int nCatchLocation,
                           int nDistance);

// The roster slot of the offence's player in place nIndex (0-10), NO_PLAYER
// for an empty place, a bad place or no record.
int Get_Offense_Field_Player(const GAME* pGame, int nIndex);

// The league's passing yards per completion this season, in hundredths.
int Get_Season_Yards_Per_Completion();

// Interceptions returned for a touchdown since the program started (tries
// not counted).
int Get_Interception_Return_Touchdown_Count();
