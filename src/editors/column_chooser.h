// The Stat Column Chooser (dialog 172): the columns of a player list
// switched on and off in a multi-select list of every statistic, or
// replaced by a predefined group. Each change reaches the list at once;
// Cancel keeps what was applied, and the calling dialog saves the layout
// when it closes.
#pragma once

#include <string>

struct PLAYER_LIST_VIEW;
class DIALOG;

constexpr int COLUMN_CHOOSER_DIALOG = 172;

// Control ids.
constexpr int IDC_CHOOSER_DONE = 1;
constexpr int IDC_CHOOSER_CANCEL = 2;
constexpr int IDC_CHOOSER_HELP = 9;
constexpr int IDC_CHOOSER_LIST = 1436;
constexpr int IDC_CHOOSER_CLEAR = 1438;
constexpr int IDC_CHOOSER_PROGRESS = 1083;
constexpr int IDC_CHOOSER_TEXT = 1437;
constexpr int IDC_CHOOSER_DEFAULT = 41013;
constexpr int IDC_CHOOSER_QB_STATS = 1388;
constexpr int IDC_CHOOSER_QB_RATINGS = 1389;
constexpr int IDC_CHOOSER_SKILL_STATS = 1390;
constexpr int IDC_CHOOSER_SKILL_RATINGS = 1391;
constexpr int IDC_CHOOSER_OFFENSIVE_LINE = 1392;
constexpr int IDC_CHOOSER_FREE_AGENTS = 1393;
constexpr int IDC_CHOOSER_DEFENSIVE_STATS = 1394;
constexpr int IDC_CHOOSER_DEFENSIVE_RATINGS = 1395;
constexpr int IDC_CHOOSER_COLLEGE = 1396;
constexpr int IDC_CHOOSER_PUNTING = 1397;
constexpr int IDC_CHOOSER_KICKING = 1344;
constexpr int IDC_CHOOSER_RETURNS = 1345;
constexpr int IDC_CHOOSER_SALARY = 1346;

// Runs the chooser on a list (modal); 1 for Done, 0 for Cancel.
int Run_Stat_Column_Chooser(PLAYER_LIST_VIEW& View);
// The dialog's procedure (its parameter is the view).
void Stat_Column_Chooser_Dialog(DIALOG& Dialog, int nEvent, int nControl);

// The default row a group button applies (an id of none gives row 0).
int Get_Column_Preset_Index(int nButton);
// The list-box text of table entry nTableIndex: its header without
// leading blanks, a tab, its description.
std::string Format_Column_Choice(int nTableIndex);
// Selects exactly the entries whose codes the view shows; top entry 0.
void Select_Chosen_Columns(DIALOG& Dialog, const PLAYER_LIST_VIEW& View);
// Brings the view's columns in line with the selected entries: the ones
// switched off go, the ones switched on join at the right in table order.
void Apply_Column_Choice(DIALOG& Dialog, PLAYER_LIST_VIEW& View);
