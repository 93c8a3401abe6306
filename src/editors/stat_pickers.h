// The small pickers: Choose Stat (dialogs 143, 144, 145 and 163) stores the
// index of the statistic chosen in the preference slot that preference 44
// names; Other Team (131) changes the club being viewed; the league-values
// dialog edits a table of eight 16-bit values. With them the services many
// dialogs share: the viewed club, the dialog font on the stat buttons, a
// rounded frame, moving a control, and the bounded reading of typed numbers.
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialogs.h"

class CANVAS;

constexpr int CHOOSE_TEAM_STAT_DIALOG = 143;
constexpr int CHOOSE_LEADER_STAT_DIALOG = 144;
constexpr int CHOOSE_FRANCHISE_STAT_DIALOG = 145;
constexpr int CHOOSE_GAME_STAT_DIALOG = 163;
constexpr int OTHER_TEAM_DIALOG = 131;
constexpr int LEAGUE_VALUES_DIALOG = 20002;   // ours: opened by no menu

constexpr int FIRST_STAT_BUTTON = 1242;   // button i is 1242 + i, i 0-50
constexpr int STAT_BUTTON_COUNT = 51;
constexpr int CHOOSE_STAT_CAPTION = 1438;
constexpr int SALARY_ROOM_BUTTON = 1259;  // dialog 145's button 17
constexpr int TEAM_LIST = 1132;           // the club list of Other Team, History, ...
constexpr int FIRST_LEAGUE_VALUE_EDIT = 41016;   // 41016-41023
constexpr int LEAGUE_VALUE_COUNT = 8;

// The id of stat button i (0-50); 0 for any other i.
int Get_Stat_Button_Id(int i);
// The text of button i in a Choose Stat dialog; null when that dialog has no
// such button (dialog 145 with no salary cap names button 17 "Salary Budget").
const char* Get_Stat_Button_Text(int nDialogId, int i);

// Preference 28 made valid, as a team code (its low byte).
int Get_Selected_Team_Byte();
// Gives the stat buttons the dialog font and releases the reference taken.
void Apply_Dialog_Font(DIALOG& Dialog);
// Moves and resizes a control by deltas (dialog units), without repainting.
void Move_Control_By(DIALOG& Dialog, int nId, int dx, int dy, int dcx, int dcy);

// Typed text read as a number: blanks, a sign and digits (what follows them
// is ignored); no digits reads 0; the value is held to nLow..nHigh. Never
// overflows, whatever the text holds.
int64_t Read_Bounded_Number(const std::string& Text, int64_t nLow, int64_t nHigh);

void Choose_Stat_Dialog(DIALOG& Dialog, int nEvent, int nControl);
void Other_Team_Dialog(DIALOG& Dialog, int nEvent, int nControl);
// The parameter is an int16_t[8]: shown on opening, stored back when the
// dialog closes (Done, Escape or the close box alike).
void League_Values_Dialog(DIALOG& Dialog, int nEvent, int nControl);
void Show_League_Values(DIALOG& Dialog, const int16_t* pValues);
void Store_League_Values(const DIALOG& Dialog, int16_t* pValues);
