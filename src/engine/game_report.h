// The box-score page body of the game being played: the scoring-plays table
// (its head at kick-off, a row per scoring play), and at the final whistle the
// team statistics of both sides, the offensive and defensive player tables and
// the page close. Only page text is made here; the rules of play never call
// into this file for anything but appending rows.
//
// The body is one process-wide growable text. When the game pages are turned
// off every writer here and in game_log.h returns at once, so a game nobody
// reads formats no text at all.
#pragma once

#include <string>

#include "base/text_utils.h"
#include "league/game_record.h"

// ---------------------------------------------------------------------------
// Switch and body text

// Whether the game pages (box score, recap, logs) are written; on at start.
void Set_Game_Pages_Enabled(bool bEnabled);
bool Are_Game_Pages_Enabled();

const std::string& Get_Game_Report_Html();
void Clear_Game_Report_Html();
// Appends plain text to the body (nothing when the pages are off).
void Append_Game_Report_Text(const char* szText);

// ---------------------------------------------------------------------------
// Writers

// The head of the scoring-plays table; at kick-off.
void Start_Scoring_Plays_Html_Table(const GAME* pGame);
// The row of the current play, when it scored.
void Write_Scoring_Play_Html_Row(const GAME* pGame);
// The team statistics of both sides, then the offensive and the defensive
// player tables of each side (away first).
void Write_Box_Score_Team_Stats_Table(const GAME* pGame);
void Write_Box_Score_Offense_Table(const GAME* pGame);
void Write_Box_Score_Defense_Table(const GAME* pGame);
// "<BR></TD></TR>" and "</TBODY></TABLE></HTML>".
void Close_Game_Report_Html();

// ---------------------------------------------------------------------------
// Team texts of the page writers (here and game_log.cpp)

// The home team for a side other than 0, else the away team; -1 for no record.
int Get_Game_Side_Team(const GAME* pGame, int nSide);
// The team's string nString (Get_Team_String); "" for a team out of range.
std::string Get_Team_Text(int nTeam, int nString);

// ---------------------------------------------------------------------------
// Counting over the game record

// Game figure k (0-4) of the player in roster slot nSlot of the side's team,
// found by his ID among the side's 80 game roster IDs; 0 when his unit (the
// quarterback a unit of his own, 4) is not nUnit or he is not on the game
// roster.
int Get_Player_Game_Stat(const GAME* pGame, int nSide, int nSlot, int nUnit, int k);

// Logged plays of the player in roster slot nSlot (255: nobody) of the side's
// team. Mode 0 counts the plays in which the side had the ball, mode 2 those
// in which the other side had it:
//   mode 0: 3 completions thrown, 6 touchdown passes thrown, 7 rushes,
//           8 rushing yards, 9 rushing touchdowns, 10 receptions,
//           11 receiving yards, 12 touchdown receptions, 13 fumbles lost;
//   mode 2: 6 passes defensed, 8 fumble recoveries, 9 return touchdowns.
// A fumbled carry is a rush of its runner (the play's second player), a
// carry or catch that ended in a safety his rush or reception (the play's
// nYard2 tells which), a sacked passer's lost fumble his fumble. Any other
// mode or kind counts 0.
int Count_Player_Play_Results(const GAME* pGame, int nSide, int nSlot, int nMode, int nKind);

// A player's passing in one game, as his box-score row shows it.
struct GAME_PASSING_LINE {
    int nAttempts = 0;
    int nCompletions = 0;
    int nYards = 0;
    int nTouchdowns = 0;
    int nInterceptions = 0;
};

// The passing of the player in roster slot nSlot of the side's team: a
// quarterback's from his game figures, anyone else's (a back, a receiver or a
// kicker who threw) from the logged passes that name him as their passer;
// completions at least the logged ones that name him (the second player of a
// completion), attempts at least the completions. All 0 for a bad side or
// slot (a bad side reported).
GAME_PASSING_LINE Get_Player_Game_Passing(const GAME* pGame, int nSide, int nSlot);

// Logged plays of one result code in which the side had the ball. For field
// goals made and missed (15, 16) with pYards the yardages are appended:
// " (45, 32)"; nothing when there are none.
int Count_Team_Play_Results(const GAME* pGame, int nSide, int nResult, std::string* pYards);

// The side that scored on a play: the side that had the ball, the other one
// for an interception or fumble return touchdown, a safety and a return
// touchdown of a punt or kick-off.
int Get_Scoring_Side(const PLAY* pPlay);
// The results the scoring-plays table lists: 6, 7, 8, 12, 14, 15, 19, 23 and
// every try, made or missed (27-30).
bool Is_Scoring_Result(int nResult);
// Points a scoring result is worth (0 for the others).
int Get_Result_Points(int nResult);

// "1st Q" ... "4th Q" from the game clock after the play, "OT" for any
// overtime period, into a buffer of nSize bytes.
void Get_Quarter_Label(const GAME* pGame, char* szBuffer, size_t nSize);

// ---------------------------------------------------------------------------
// Number texts

// nScale x total / divisor rounded half up, in whole units of 1/nScale; the
// sign of a negative ratio is kept; a divisor of 0 gives 0.
int Compute_Scaled_Ratio(int nTotal, int nDivisor, int nScale);
// A value in tenths as "%d.%01d", "-" kept for -0.9 ... -0.1.
std::string Format_Tenths(int nTenths);

// ---------------------------------------------------------------------------
// Text helpers shared with the game log

// Appends the text escaped by the page toolkit (base/html_text.h).
void Append_Html_Escaped(std::string& Out, const char* szText);
std::string Html_Escaped(const char* szText);
// Appends printf-formatted text.
void Append_Formatted(std::string& Out, const char* szFormat, ...) KELVO_PRINTF(2, 3);
