// The season's schedule: cleared, made by the right generator for the
// league's size and era, checked, and the six playoff days set after it.
#pragma once

// Attempts of the generic generator before the driver gives up.
constexpr int SCHEDULE_ATTEMPTS = 1000;

// Builds the regular season and sets the six playoff days to the week after
// its last scheduled week and the five weeks after it. The source: before
// 2001, with a season length that suits the era, the historical files
// (historical_schedules.h); else a built-in table for 32 teams (eight
// divisions of four) of 16 or 17 games, 31 of 16, 30 of 16, 28 of 14 or 16,
// 26 of 14 and 12 of 12 (kept only when it gave every team its games); else
// the generic generator, up to SCHEDULE_ATTEMPTS times. True when a complete
// schedule stands. False in two cases, each after a "Season Schedule"
// message: the season would need more GAME records than the league has (the
// old schedule is then left as it was), or no generator could make a
// schedule (the schedule is then left empty, the playoff days 0-5). Without
// bTellFailure the same is done and no message shown (a caller that says
// why itself).
bool Generate_League_Schedule(bool bTellFailure = true);
// Before a new season is scheduled: when the league's teams at this season's
// length need more GAME records than exist, the season is cut to the most
// games they hold and a "Season Schedule" message says so. True when the
// season fits (cut or not).
bool Fit_Season_To_Game_Records();
// All 22 weeks of teams 0 .. n - 1 emptied (GAME index -1).
void Clear_League_Schedule();
// n is at least 1 and each of the divisions 0-7 holds exactly four of the
// teams 0 .. n - 1.
bool Check_Eight_Divisions_Of_Four();
// 1 + the last week (21 down to 0) in which any team has a game; 0 when no
// team has any.
int Get_Last_Scheduled_Week();
// Every team 0 .. n - 1 has nGames games, each entry naming a team in use
// (not itself) whose entry of that week names it back with the other venue.
bool Is_Schedule_Complete(int nGames);
