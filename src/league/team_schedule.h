// Every team's copy of the season's schedule (22 weeks of five ints in its
// TEAM record), its season results (the yearly record bytes), the record
// texts, the figures read back from the season's GAME records (recent form,
// streaks, points, game totals), the playoff bracket lookups and a team's
// all-time figures.
//
// A schedule week holds, by field:
//   0 the opponent: +(opponent + 1) when this team is at home, -(opponent + 1)
//     when it visits, 0 for a bye;
//   1 the play-by-play (watch) flag, kept only in the home team's entry;
//   2 the kick-off time as hhmm (1300 when none is known);
//   3 the index of the game's GAME record, -1 when none;
//   4 the day of the week 0-6 (6, Sunday, when none is known).
// Both teams of a game hold matching entries in the same week.
//
// Team values: 0-35 franchises, 36-40 the special slots, NO_TEAM (128) none,
// ALL_TEAMS (255) the league to the readers that say so. The schedule
// accessors write their complaints to the debug log; the result counters and
// the other accessors report through Report_Error.
#pragma once

#include <cstddef>

#include "league/league_data.h"

// ---------------------------------------------------------------------------
// Schedule week fields

constexpr int SCHEDULE_OPPONENT = 0;
constexpr int SCHEDULE_PBP_FLAG = 1;
constexpr int SCHEDULE_KICKOFF_TIME = 2;
constexpr int SCHEDULE_GAME_INDEX = 3;
constexpr int SCHEDULE_DAY_OF_WEEK = 4;

constexpr int DEFAULT_KICKOFF_TIME = 1300;
constexpr int DEFAULT_DAY_OF_WEEK = 6;          // Sunday
constexpr int NO_GAME_RECORD = -1;

// Get_Team_Week_Home_Away results.
constexpr int WEEK_NO_GAME = 0;
constexpr int WEEK_AT_HOME = 1;
constexpr int WEEK_AWAY = 2;

// Get_Team_Recent_Record_Stat kinds.
constexpr int RECENT_WINS = 1;
constexpr int RECENT_LOSSES = 2;
constexpr int RECENT_TIES = 3;

// Get_Team_Power_Stat components.
constexpr int POWER_FRANCHISE_SCORE = 0;
constexpr int POWER_WINS = 1;
constexpr int POWER_LOSSES = 2;
constexpr int POWER_TIES = 3;
constexpr int POWER_PLAYOFF_WINS = 4;
constexpr int POWER_PLAYOFF_LOSSES = 5;
constexpr int POWER_PLAYOFF_SEASONS = 6;        // finish code 4 or more
constexpr int POWER_FINAL_SEASONS = 7;          // finish code 7 or more
constexpr int POWER_TITLE_SEASONS = 8;          // finish code 8

// Buffer size every record-text formatter below is safe with.
constexpr int RECORD_TEXT_SIZE = 32;

// ---------------------------------------------------------------------------
// Schedule entries (team 0-40, week 0-21, field 0-4)

// The stored int, or 0 after logging "Invalid nTeam in
// Get_Team_Schedule_Stat(%d,%d,%d)" / "Invalid nWeek in ..." for a bad team
// or week (a bad field is logged too).
int Get_Team_Schedule_Stat(int nTeam, int nWeek, int nField);
// Stores any value. NO_TEAM is ignored; a bad team, week or field is logged
// and nothing is stored.
void Set_Team_Schedule_Stat(int nTeam, int nWeek, int nField, int nValue);

// Enters a game of two different franchises in use in week 0-21: the home
// team's opponent becomes away + 1, the visitor's -(home + 1). With nDay -1
// the day and kick-off come from the built-in schedule templates. A day
// outside 0-6 becomes 6; a kick-off that is no time of day (0, -1, ...)
// becomes 1300. Returns true when entered; false for NO_TEAM (silently), a week
// already taken by either team (silently), or a bad team or week (reported).
bool Schedule_Game(int nHome, int nAway, int nWeek, int nDay, int nTime);

// Whether franchise 0-35 has a game (or a bye's 0) in week 0-21; false after a
// logged complaint otherwise.
bool Game_Scheduled_Today(int nTeam, int nWeek);

// Removes the game between teams 0-36 in week 0-21 from both schedules
// (field 0 of both entries := 0) and returns true. When the two entries do not
// name each other nothing is changed and false is returned, so no third team is
// left pointing at a cleared entry.
bool Clear_Scheduled_Game(int nTeamA, int nTeamB, int nWeek);

// All 22 weeks of team 0-36: every field 0, then the GAME index -1.
// NO_TEAM is ignored; another bad team is reported.
void Clear_Scheduled_Games(int nTeam);

// The week's opponent (0-40); NO_TEAM for a bye, a week of 22 or more (the
// off-season's week 100, for instance) or an entry that names no team. A bad
// team or a negative week is logged and gives NO_TEAM.
int Get_Scheduled_Opponent(int nTeam, int nWeek);

// WEEK_NO_GAME (also for a week of 22 or more), WEEK_AT_HOME or WEEK_AWAY.
int Get_Team_Week_Home_Away(int nTeam, int nWeek);

// Home (field 0 positive) / away (negative) games among the regular-season
// weeks: weeks 0 to the first playoff week - 1 but at least weeks 0-17 (a
// schedule just made is counted before its playoff week is set); all 22
// weeks while the calendar holds no first playoff week.
int Count_Team_Home_Games(int nTeam);
int Count_Team_Away_Games(int nTeam);
// The same weeks: games at home against / away at nOpponent (0-40).
int Count_Home_Games_Against(int nTeam, int nOpponent);
int Count_Away_Games_Against(int nTeam, int nOpponent);

// ---------------------------------------------------------------------------
// Play-by-play flags (the calendar's marks of games the user wants to watch)

// The flag of the team's game in week 0-21, read from the home side's entry
// (for a visitor: its opponent's, when the opponent holds players); 0 without
// a game.
int Get_Calendar_PBP_Flag(int nTeam, int nWeek);
// Stores nValue in the home side's entry of the team's (0-36) game of week
// 0-21; nothing without a game.
void Set_Calendar_PBP_Flag(int nTeam, int nWeek, int nValue);
// Flips the home side's flag (0 becomes 1, anything else 0) of the team's
// (0-40) game of week 0-21; nothing without a game.
void Toggle_Calendar_PBP_Flag(int nTeam, int nWeek);

// ---------------------------------------------------------------------------
// Results of the current season (preference 22)

// From the first playoff week on: playoff wins (byte 24) + 1; before it wins
// + 1 and, when bHome, home wins + 1. Team 0-35.
void Add_Team_Win(int nTeam, int bHome);
// In the playoffs Add_Team_Playoff_Loss; else losses (and home losses) + 1.
// Team 0-36 (36 is then refused by the record setter).
void Add_Team_Loss(int nTeam, int bHome);
// Playoff losses (byte 28) + 1. Team 0-35.
void Add_Team_Playoff_Loss(int nTeam);
// Ties (and home ties) + 1, in the playoffs too. Team 0-36.
void Add_Team_Tie(int nTeam, int bHome);

// The current season's counts (the previous season's while the college draft
// runs); 0 for a slot not in use.
int Get_Team_Wins(int nTeam);
int Get_Team_Losses(int nTeam);
int Get_Team_Ties(int nTeam);
int Get_Team_Home_Wins(int nTeam);
int Get_Team_Home_Losses(int nTeam);
int Get_Team_Home_Ties(int nTeam);
int Get_Team_Playoff_Wins(int nTeam);
int Get_Team_Playoff_Losses(int nTeam);
int Get_Team_Away_Wins(int nTeam);      // wins - home wins
int Get_Team_Away_Losses(int nTeam);
int Get_Team_Away_Ties(int nTeam);

// A franchise in use: wins + losses + ties. Any other team value: the regular
// weeks played so far, Get_Season_Progress_Per_Mille x the first playoff week
// / 1000 rounded (0 without regular weeks).
int Get_Team_Games_Played(int nTeam);

// (2 x wins + ties) x 1000 / (2 x games), rounded half up; 0 without games.
int Get_Team_Winning_Percentage(int nTeam);

// The sum of wins + losses + ties over the teams in use (two per game).
int Count_League_Games();

// The sum of yearly byte n (0-31) of the current season over the teams in
// use (the previous season while the college draft runs).
int Get_League_Yearly_Char_Total(int n);

// ---------------------------------------------------------------------------
// Record texts (szOut: at least RECORD_TEXT_SIZE bytes)

// "%d-%d-%d" (wins, losses, ties) with ties, else "%d-%d". Returns 1 when
// wins or losses are not 0.
int Format_Team_Record(char* szOut, size_t nSize, int nTeam);
template <size_t N> int Format_Team_Record(char (&szOut)[N], int nTeam)
{
    return Format_Team_Record(szOut, N, nTeam);
}
// "%d - %d - %d" / "%d - %d" of the current season; "0 - 0" for a slot not
// in use.
void Format_Team_Current_Record(char* szOut, size_t nSize, int nTeam);
template <size_t N> void Format_Team_Current_Record(char (&szOut)[N], int nTeam)
{
    return Format_Team_Current_Record(szOut, N, nTeam);
}
// "%d-%d-%d" / "%d-%d" of the season nYearsAgo before the current one (a
// season index outside 0-99 is logged and counts as 0 - 0).
void Format_Team_Yearly_Record(char* szOut, size_t nSize, int nTeam, int nYearsAgo);
template <size_t N> void Format_Team_Yearly_Record(char (&szOut)[N], int nTeam, int nYearsAgo)
{
    return Format_Team_Yearly_Record(szOut, N, nTeam, nYearsAgo);
}
// "%d-%d-%d" / "%d-%d" of the team's last n finished games.
void Format_Team_Recent_Record(char* szOut, size_t nSize, int nTeam, int n);
template <size_t N> void Format_Team_Recent_Record(char (&szOut)[N], int nTeam, int n)
{
    return Format_Team_Recent_Record(szOut, N, nTeam, n);
}

// ---------------------------------------------------------------------------
// The season's GAME records
//
// Records in use are those whose two team bytes differ. Every scan and every
// sum runs over records 0 to Count_Season_Game_Records() - 1.

// 1 + the index of the last record in use; 0 when none (at most 300).
int Count_Season_Game_Records();

// Record n (0-299); nullptr for -1 (none) and, after a report, for any other
// bad index.
GAME* Get_Game_Record(int n);

// Among the team's last n finished games (Is_Game_Over) between two
// franchises: the wins (own score greater), losses (smaller) or ties.
// In the off-season (week OFFSEASON_WEEK) the records count the new season,
// which has no game yet: the form there is 0-0-0 and there is no streak,
// whatever games of the season just finished the records still hold.
int Get_Team_Recent_Record_Stat(int nTeam, int n, int nKind);

// Consecutive games won / lost, walking back from the latest game between two
// different franchises in which the team plays. A game not yet started ends
// the run; a game in progress is passed over. None in the off-season.
int Get_Team_Winning_Streak(int nTeam);
int Get_Team_Losing_Streak(int nTeam);

// The latest record with time played in which the team plays; when there is
// none (NO_TEAM for instance), the latest record with time played; -1 when
// no record has been played at all.
int Find_Team_Last_Game(int nTeam);

// Game team total n (0-19, GAME_TEAM_TOTAL) of the team's side / of both
// sides, summed over the records in use.
int Get_Team_Game_Stat_Total(int nTeam, int n);
int Get_League_Game_Team_Stat_Total(int n);
// Both scores of every record in use.
int Get_League_Points_Total();
// The points the team scored (bScored 1) or allowed (0) in the records in use.
int Get_Team_Game_Points(int nTeam, int bScored);

// ---------------------------------------------------------------------------
// Playoffs

// The highest bracket slot (30 down to 0) holding franchise nTeam; -1 when
// none.
int Get_Team_Playoff_Slot(int nTeam);
// 4 for slots 28-30, 3 for 24-27, 2 for 16-23, 1 for 0-15, 0 when not in
// the bracket.
int Get_Team_Playoff_Round(int nTeam);

// ---------------------------------------------------------------------------
// All-time figures over the completed seasons 0 to the current index - 1

// n: POWER_* (0 the franchise score, 1-5 sums of the yearly bytes, 6-8
// seasons with a finish code of at least 4, 7, 8). Team ALL_TEAMS: the
// average over the teams in use (sum / count, truncated). n outside 0-8
// gives 0.
int Get_Team_Power_Stat(int nTeam, int n);
