// The state of a game between plays: points, possession, the start of each
// half and overtime period, the game clock and its stoppages (timeouts, the
// two-minute warning, the ends of quarters and halves, plays out of bounds),
// downs and distance, and the bookkeeping that closes every play (first
// downs, turnovers on downs, scores, the try after a touchdown, the play log,
// injuries, games played).
//
// The play loop calls, for every snap: Run_Pre_Snap_Clock (before the penalty
// check), Store_Snap_In_Play_Log (at the snap), the play itself, End_Play,
// the result row of the game log, Check_Play_Injury (not after a penalty nor
// on an extra-point kick), Check_Quarter_End. Start_Game_Period sets up the
// opening kick-off; Credit_Games_Played runs once the game is over.
//
// The period headings and injury lines go to the game log (game_log.h), which
// writes nothing while the game pages are off; the score box and the injury
// roll are injury_services.h's.
#pragma once

#include <cstdint>

#include "league/game_record.h"

// ---------------------------------------------------------------------------
// Time

// 900, or in overtime (from 3,600 s) the overtime period length.
int Get_Period_Length(const GAME* pGame);
// Before 3,600 s: 900 x quarter - clock; in overtime L - ((clock - 3,600) mod L).
int Get_Seconds_Left_In_Quarter(const GAME* pGame);
// Before 3,600 s: 3,600 - clock. In overtime under rules 0 and 1 the seconds
// left in the period; under rules 2 and 3 (no ties) 9,000.
int Get_Seconds_Left_In_Game(const GAME* pGame);
// 1,800 - clock in the first half, else Get_Seconds_Left_In_Game.
int Get_Seconds_Left_In_Half(const GAME* pGame);
// The offence hurries: late in the first half, or behind (or level) late in
// the game; never in a fourth quarter already decided by the margin.
bool Is_Hurry_Up_Time(const GAME* pGame);
// Fewer than 12 seconds left in the half with the clock stopped, 40 with it
// running; never in overtime without ties.
bool Is_Last_Play_Of_Half(const GAME* pGame);
// Second half, under 120 seconds of regulation left, and the offence leads
// or the game is decided.
bool Is_Running_Out_Clock(const GAME* pGame);
// Fourth quarter and a margin of 30, or of 23 with under 360 seconds left.
bool Is_Game_Decided(const GAME* pGame);
// The current play's seconds reach the end of the quarter (never on a try).
bool Does_Play_Reach_End_Of_Quarter(const GAME* pGame);
// The kicking team's yard line of a kick-off: 70, 65 or 60 by the league's rule.
int Get_Kickoff_Yard_Line();

// ---------------------------------------------------------------------------
// Score and possession

// Adds points to a side (0 away, 1 home); when that makes the game decided or
// no longer decided, the line-ups on the field are rebuilt. A bad side is
// reported.
void Add_Team_Points(GAME* pGame, int bSide, int nPoints);
// The other team gets the ball at the same spot seen from its side; in
// overtime the team that had it is marked.
void Change_Possession(GAME* pGame);
// Team statistic 12 (the red-zone trip flag) of both teams := 0.
void Clear_Red_Zone_Flags(GAME* pGame);
// Marks that the home (bHome 1) or away team has had the ball in overtime.
void Mark_Overtime_Possession(GAME* pGame, int bHome);
// Kick-off set-up at the start of each half and overtime period: timeouts,
// the kicking team, down code 8 from the kick-off spot, clock stopped, the
// period's heading. An overtime period's kicking team may take one draw.
void Start_Game_Period(GAME* pGame);

// ---------------------------------------------------------------------------
// The clock around a snap

// 1 when a computer offence or defence calls a timeout now (and spends it).
int Should_Call_Timeout(GAME* pGame);
// A user's timeout for a side (0 away, 1 home): one of its timeouts spent
// and the clock stopped for the next snap, as a computer's timeout does.
// False, and nothing changed, when the side has none left.
bool Take_Team_Timeout(GAME* pGame, int bSide);
// The time between plays into nPlaySeconds; also starts the count of the
// play's narration calls and forgets the previous play's log entry.
void Run_Pre_Snap_Clock(GAME* pGame);
// At the snap: the clock and the home-side bit into the current play and
// into the next log entry (while the log has room).
void Store_Snap_In_Play_Log(GAME* pGame);
// The ball carrier went out of bounds: marks it for the next snap's run-off
// and stops the clock late in the second and fourth quarters.
void Set_Out_Of_Bounds_Clock(GAME* pGame);

// ---------------------------------------------------------------------------
// After the play

// Clock, downs and distance, first downs, turnovers on downs, scores, the try
// and the log entry of the play just run. The clock stops at the end of the
// quarter and at the two-minute mark, so that the play is logged at the time
// the clock then shows; a try takes no time and leaves it stopped.
void End_Play(GAME* pGame);
// Copies the current play into the next log entry (with the clock and home
// bit stored there at the snap); false when the log is full.
bool Append_Play_To_Log(GAME* pGame);
// 1 when the play ended a half or an overtime period (the clock set back to
// the start of the next); 0 while a try is pending.
int Check_Half_End(GAME* pGame);
// Half or overtime period end and the next period's kick-off (none once the
// game is over in overtime), the two-minute warning, or the end of the first
// or third quarter; seconds run past the stop are given back. After a try
// only the end of a half or period counts: a try never reaches a mark.
void Check_Quarter_End(GAME* pGame);
// The box of a two-minute warning Check_Quarter_End found for a watched game,
// shown once, after the play that stopped the clock has been told.
void Show_Due_Two_Minute_Warning();
// The game is watched no more (Stop during the play's telling): a warning
// still due is not shown.
void Forget_Due_Two_Minute_Warning();
// True from the play that stopped the clock at the warning until its box.
bool Is_Two_Minute_Warning_Due();
// Two draws pick one of the 22 players on the field; unless the play's
// narration calls already number more than 7, his injury roll, or with chance
// 5 in 1,000 (one more draw) a shaken-up line.
void Check_Play_Injury(GAME* pGame);
// Statistic 0 (games played) for every player of both teams put on the field,
// however the game ended (an overtime touchdown ends it with a try pending).
void Credit_Games_Played(GAME* pGame);
