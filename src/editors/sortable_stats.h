// Sortable Stats, Free Agents and the College Draft list: one dialog on
// template 114 serving three ids, each a list kind of the player list view:
// 114 Sortable Stats (kind 0: a club, a league or every active player, with
// Release), 130 Free Agents (kind 1: the pool, with Sign) and 170 College
// Draft (kind 2: the college pools, with Draft). During a fantasy draft the
// Sortable Stats list makes the user's picks.
#pragma once

#include <string>

class DIALOG;
struct PLAYER_LIST_VIEW;

constexpr int SORTABLE_STATS_DIALOG = 114;
constexpr int FREE_AGENTS_DIALOG = 130;
constexpr int COLLEGE_DRAFT_DIALOG = 170;

// Controls of template 114.
constexpr int IDC_SS_LIST = 1124;
constexpr int IDC_SS_SCOUTING = 1045;
constexpr int IDC_SS_RELEASE = 1044;   // "&Release", "Si&gn" or "&Draft" (Done then "D&one")
constexpr int IDC_SS_HELP = 9;
constexpr int IDC_SS_DONE = 1;
constexpr int IDC_SS_BUDGET = 1386;
constexpr int IDC_SS_COUNT = 1389;
constexpr int IDC_SS_ROSTER = 1384;
constexpr int IDC_SS_PERIOD = 1223;
constexpr int IDC_SS_GROUP = 1132;
constexpr int IDC_SS_PROGRESS = 1083;
constexpr int IDC_SS_EDIT_COLUMNS = 11;
constexpr int IDC_SS_POSITION = 1217;
constexpr int IDC_SS_MY_TEAM = 1097;
constexpr int IDC_SS_AUTO_SIZE = 1385;
constexpr int IDC_SS_PICKS = 1387;

// Group codes: the item data of the group combo and the view's group filter.
constexpr int GROUP_TEAM_BASE = 1000;        // 1000 + club
constexpr int GROUP_SEPARATOR = 2000;
constexpr int GROUP_ALL_ACTIVE = 2001;
constexpr int GROUP_LEAGUE_BASE = 3000;      // 3000, 3001
constexpr int GROUP_DRAFTED = 4000;          // fantasy draft only
constexpr int GROUP_UNDRAFTED = 4001;
constexpr int GROUP_FREE_AGENTS = 5000;
constexpr int GROUP_DRAFT_POOLS = 6000;

// The dialog procedure of ids 114, 130 and 170.
void Sortable_Stats_Dialog(DIALOG& Dialog, int nEvent, int nControl);
// Opens the list of an id (114, 130 or 170); its result.
int Run_Sortable_Stats(int nDialogId);

// The open list: the budget line, the rows built again and sorted, the
// selection cleared. Nothing when no list is open.
void Refresh_Sortable_Stats_List();
// The rows of the view's group and position filters (team x 100 + slot, in
// team and slot order); false when the group is none the list knows (the
// error is reported and the rows stay empty).
bool Build_Sortable_Stats_Rows(PLAYER_LIST_VIEW& View);

// The draft-picks text of club nTeam in a fantasy draft: its name, " Picks:\n",
// then "%d %s\n" per position it has drafted, or "None".
std::string Format_Team_Picks(int nTeam);
// The group remembered between openings (0 at the start).
int Get_Sortable_Stats_Group();
void Set_Sortable_Stats_Group(int nGroup);
