// The end of a season and the start of the next: reports, renewals,
// archives, the statistics roll-over, the college draft's start, the next
// season's set-up and its schedule.
#pragma once

// The season's end, in its fixed order: position averages, the three
// reports, renewals (free agents, users' clubs, the other clubs with their
// roster clean-up), the statistics roll-over, the predicted lines moved by
// each club's record, franchise changes and expansion of the coming year,
// the season index + 1 and day 100, the question "Begin College Draft?"
// (asked unless every club is computer-run) and the draft's start, then
// eleven weeks of healing. Always 0.
int Process_Offseason();
// While held, the season's end asks no "Begin College Draft?" of a user and
// leaves the draft waiting, as a No does (Play > Start Draft, or the
// timeline's College Draft step, starts it); every club computer-run, the
// draft starts all the same. The timeline holds it around the renewals its
// Renew Contracts step begins while Free Agents is still to come.
void Set_College_Draft_Held(bool bHeld);
bool Is_College_Draft_Held();
// Renews the contracts of every player of team nTeam (0-35, or 36 the free
// agents); a club not run by the user is ranked by potential first and
// cleaned up after. A slot is looked at again only when a renewal left it
// holding another player, so a renewal that changes nothing cannot hold the
// walk.
void Renew_Team_Contracts(int nTeam);
// Orders the team's players, best first, by the whole of (potential + whole
// overall rating at his position); a player rated below 25 gets new ratings
// first. The roster is left compact.
void Rank_Team_Roster_By_Potential(int nTeam);
// Stores the season's attendance, profit and division finish (unless the
// season's codes stand already) in the club's yearly record, and copies
// this season's running financial stats to last season's. Team 0-35;
// another is reported and skipped.
void Archive_Team_Season(int nTeam);
// Moves each of the 20 predicted statistics of every player of the team by
// nModifier, then brings each predicted line within its limits; nothing
// for a modifier of 0.
void Adjust_Predicted_Stats_For_Record(int nTeam, int nModifier);
// The players of franchise nTeam (0-35) whose contracts have at most a year
// to run, counted only once the season is complete (or in the off-season);
// 0 otherwise.
int Count_Expiring_Contracts(int nTeam);
// False while every club is computer-run; else whether the last user-run
// club in slot order has expiring contracts (false without one).
bool Human_Team_Has_Flagged_Players();
// Whether the season's finish codes stand as it was played: the season's
// last slot holds a club that has the code of that slot (worked out after
// the last game), or a club erased from the league since.
bool Are_Season_Finishes_Recorded();
// Whether the season whose finishes are recorded (the one just played when
// the day is 100) has a game played: a GAME record over, or a result in a
// club's record of that season.
bool Has_Played_Season_A_Game();
// Refreshes the standings and stores each club's division finish in its
// yearly record (the season just played when the day is 100); nothing is
// stored once the season's codes stand, and a season without a game played
// stores no finish (code 0) for any club.
void Record_All_Division_Finishes();
// Prepares the new season after the draft: pick owners rolled on, the game
// records cleared, team totals rolled over, free agents signed, leftover
// prospects made free agents, roster moves, healing, ticket prices, the
// year's rules, then Start_Season.
void Setup_Next_Season();
// Opens the season at day 0: draft over, timeline reset, standings and
// yearly records cleared, computer clubs' depth charts and styles, and the
// schedule. When no schedule can be made the schedule is left empty (no
// regular-season week: the first playoff day is 0) and the stop day stays
// at day 0; Check_Season_Can_Be_Played then keeps the season from being
// played.
void Start_Season(int bLogos);
// Whether the current day may be played: true in the off-season, for a
// finished season and for any season with a schedule. A season without one
// gets one more attempt on its first day (the league may have been changed
// since); when that fails too, or the day is past the first, a "Season
// Stopped" box says why and names the League Editor as the way out, and
// false is returned: nothing of the season is played, ranked or awarded.
bool Check_Season_Can_Be_Played();
// Zeroes the current season's yearly records of every franchise in use: its
// results, finals and title bytes and its ints.
void Clear_Season_Yearly_Records();
// Historical leagues: the players' predicted lines rebuilt from the real
// season's statistics (offensive linemen left alone) and the ratings from them.
void Apply_Historical_Season_Data();

// The modifier of the predicted lines from a club's winning percentage
// (0-1000): (500 - pct) / ((5 - difficulty) x 10), truncating toward zero,
// with the difficulty held within the options' 0-2.
int Get_Record_Modifier(int nWinningPercentage, int nDifficulty);
// The progress steps of the nIndex-th (from 0) other club of the season's
// end after its renewal step, with nComputerClubs computer-run clubs: the
// 99 steps left are shared among them, the remainder going one each to the
// first clubs; with no computer clubs a club's share is all 99.
int Get_Offseason_Club_Progress_Steps(int nComputerClubs, int nIndex);
