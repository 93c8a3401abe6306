// Moving the league forward in time: days played with their games, the daily
// upkeep of the computer clubs, the playoff days, the hand-off to the
// off-season.
#pragma once

constexpr int STANDINGS_PAGE_COMMAND = 40030;
constexpr int PLAYOFFS_PAGE_COMMAND = 40069;
constexpr int CHAMPIONS_PAGE_COMMAND = 40074;
constexpr int CALENDAR_PAGE_COMMAND = 40036;
constexpr int TRADING_DEADLINE_DAY = 12;   // no computer trades from this day on
constexpr const char* AUTO_SAVE_FILE = "[Auto Save].zrt";

// Plays nDays days from the current day (0: only the closing steps). A run
// begun in the regular season ends on the first playoff day; a call on a
// finished season runs the off-season and plays nothing.
void Advance_Day(int nDays);
// Every club computer-run, one phase per Advance_Day(22), until nSeasons
// more seasons have begun (at most Count_Seasons_Left()).
void Play_Multiple_Seasons(int nSeasons);
// The seasons the league may still go on to: its clubs' yearly records keep
// YEARLY_RECORD_YEARS seasons, and the off-season of the last of them is
// never begun (Advance_Day refuses it with a box). 0 in the last season.
int Count_Seasons_Left();
// The box that refuses a step past the last season of records ("Last
// Season"), counted as a refused step for a script.
void Refuse_Season_Past_Records(const char* szCommand);
// The Stop command, at any moment of a run: a watched game under way is
// left (Leave_Watched_Game) and the run ends after the day being played.
void Stop_Simulation();
// The watched game being played (or shown) during a run is watched no more,
// whatever moment it is at: a call awaited takes the computer's call, a
// play being told is told no further, and the Calendar page comes up; the
// game is played out unwatched. Nothing for a game over or outside a run.
void Leave_Watched_Game();
void Repaint_Welcome_Screen();
// True while a run plays days.
bool Is_Simulation_In_Progress();
// The user-run club with the best division standing; NO_TEAM without one.
int Find_Best_Human_Team();
// A college draft under way: the Draft page turns to the round being
// picked (preference 38). Nothing otherwise.
void Show_Draft_Round_Under_Way();

