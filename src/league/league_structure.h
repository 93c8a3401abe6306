// The league structure: up to two leagues of up to four divisions each (a
// team's division is team stat 0; division d belongs to league d / 4), their
// names, the counting operations every loop over teams starts with, the
// wild-card limits that follow from the structure, the current season
// readers, team selection, the draft-pick lookups, depth-slot groups,
// sorting the franchises by city and the league-wide rating calibration.
//
// Team values: 0-35 franchises, 36 free agents, 37 hall of fame, 38-40 the
// college pools, NO_TEAM (128) none.
#pragma once

#include <cstddef>

#include "league/league_data.h"

constexpr int MAX_WILD_CARD_TEAMS = 4;          // the stored value's range is 0-4
constexpr int MAX_GAMES_PER_SEASON = 17;
constexpr int LEAGUE_BALANCE_LIMIT = 2000;      // the trade balance stays within +/- this
constexpr int DEPTH_SLOT_GROUP_COUNT = 27;      // depth-chart slots 0-26 have a group

// ---------------------------------------------------------------------------
// Counting. Loops over franchises run from 0 to Count_Teams() - 1: the slots
// in use always form one run from slot 0.

// The number of slots 0-35 whose controller (team stat 2) is not -1; also
// stored as the shared team count (universe stat SHARED_TEAM_COUNT).
int Count_Teams();
// Teams in use whose division is d (0 for a division outside 0-7).
int Count_Division_Teams(int nDivision);
// Teams in use of league l (division / 4 == l).
int Count_League_Teams(int nLeague);
// Divisions of league l that hold at least one team.
int Count_League_Divisions(int nLeague);
// The number of leagues in use: the first league (0, 1, 2) that holds no
// division. The leagues in use are always 0 .. Count_Leagues() - 1.
int Count_Leagues();
// The most teams in any of the eight divisions.
int Get_Largest_Division_Size();
// A franchise slot 0-35 whose controller is not -1.
bool Is_Team_Slot_Used(int nTeam);

// ---------------------------------------------------------------------------
// Names. Setters copy at most 15 (league) / 11 (division) characters and
// zero-fill the rest of the field; a bad index is reported and nothing is
// copied. Getters copy the stored name (always terminated) into a buffer of
// at least LEAGUE_NAME_SIZE / DIVISION_NAME_SIZE bytes.

void Set_League_Abbreviation(int nLeague, const char* szName);
void Get_League_Name(int nLeague, char* szBuffer, size_t nSize);
template <size_t N> void Get_League_Name(int nLeague, char (&szBuffer)[N])
{
    return Get_League_Name(nLeague, szBuffer, N);
}
void Set_Division_Name(int nDivision, const char* szName);
void Get_Division_Name(int nDivision, char* szBuffer, size_t nSize);
template <size_t N> void Get_Division_Name(int nDivision, char (&szBuffer)[N])
{
    return Get_Division_Name(nDivision, szBuffer, N);
}
// Empties the name of every league and every division that holds no team.
void Set_Default_League_Names();

// ---------------------------------------------------------------------------
// Wild-card limits and season readers

// The largest number of wild-card teams the structure allows, over the
// leagues in use (0 when none is). With more than
// 32 teams a value above 2 becomes 2 when the season has 17 or more games
// (more than 17 is cut to 17 and stored).
int Get_League_Structure_Code();
// The smallest number of wild-card teams the structure needs; 1000 when no
// league is in use.
int Get_Minimum_Wild_Card_Teams();
// The same two tables for one league of nDivisions (clamped to 1-4).
int Get_Wild_Card_Maximum(int nDivisions);
int Get_Wild_Card_Minimum(int nDivisions);
// Brings WILD_CARD_TEAMS within the structure's limits; when the value
// changes it is stored and the standings are recomputed. A league with no
// league in use keeps its value.
void Recount_Wild_Card_Teams();
// Recount_Wild_Card_Teams, and when it changed the count stored before it
// (the one asked), a box titled "Playoff Format Change" saying so, unless
// last season asked the same count (nLastAsked) and was played with the
// count held now (nLastPlayed): that hold was said then. Without a last
// season (a game loaded) nLastPlayed is -1 and every change is said.
void Recount_Wild_Card_Teams_And_Tell(int nLastAsked, int nLastPlayed = -1);
// Rebuilds the standings order and, before the playoffs, the standings.
void Refresh_Standings();

// Stores the current week (preference 23) and retitles the main window.
void Set_Current_Day(int nWeek);
// Universe stat GAMES_PER_SEASON; a value above 17 is stored back as 17.
int Get_Games_Per_Season();
// Preference 22.
int Get_Current_Season_Index();
// The first season's year + the season index.
int Get_Current_Year();
// Preference 23 (OFFSEASON_WEEK in the off-season).
int Get_Current_Week();

// ---------------------------------------------------------------------------
// Teams and selection

// Preference 32 as a team code: a franchise in use or 36-40 gives that code,
// anything else 0.
int Get_Selected_Team();
// The club the user picked to view: preference 28 := nTeam, and preference
// 32 := nTeam when the user runs that club (Is_Human_Team).
void Set_Selected_Team(int nTeam);
// Changes team stat 4 (0 = 4-3, 1 = 3-4) and, when it changed, re-checks the
// defensive playbook and re-sets the defence unit of the depth chart.
void Set_Team_Defense_Alignment(int nTeam, int nValue);
// Orders the franchises by city, then nickname (bytewise, case-sensitive),
// exchanging whole teams.
void Sort_Teams_By_City();

// League-wide trade balance (universe stat LEAGUE_TRADE_BALANCE), kept within
// -2000..2000. Returns the new balance.
int Add_To_League_Balance(int nAmount);

// ---------------------------------------------------------------------------
// Draft picks: DRAFT_PICK_OWNER (3 drafts x 7 rounds x 36 franchises) and
// DRAFT_ORDER (the franchise picking i-th). Draft 0 is the current draft.

// Picks of the current draft that the team still owns; while the college
// draft runs, picks of earlier rounds and those already made in the current
// round are not counted.
int Count_Team_Remaining_Draft_Picks(int nTeam);
// The n-th (from 0) pick the team owns over drafts 0-2: draft, round and the
// pick word owner * 256 + the franchise the pick was first given to.
// 1 when found; 0 (outputs untouched) when there is none.
int Get_Nth_Owned_Draft_Pick(int nTeam, int n, int* pDraft, int* pRound, int* pPick);
// Owner of franchise nTeam's pick in (draft, round); NO_TEAM when an index is bad.
int Get_Draft_Pick_Owner(int nDraft, int nRound, int nTeam);
void Set_Draft_Pick_Owner(int nDraft, int nRound, int nTeam, int nOwner);
// Franchise that picks i-th; NO_TEAM when i is bad.
int Get_Draft_Order_Team(int nIndex);
void Set_Draft_Order_Team(int nIndex, int nTeam);

// ---------------------------------------------------------------------------
// Depth slots

// The group of depth-chart slot 0-26: slots 0, 1 and 7 give -1 (any
// position); 2-6 give 4; 8-14 give 0; 15-17 give 1; 18-22 give 2; 23-26
// give 3. Another slot is reported and gives -1.
int Get_Depth_Slot_Position(int nSlot);

// ---------------------------------------------------------------------------
// Calibration

// Rescales every rating of the league towards fixed targets of mean and
// spread and writes "Calibrate_Player_Ratings (%d).csv" (the current year).
void Calibrate_Player_Ratings();
