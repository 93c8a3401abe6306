// The Offense (119) and Defense (128) views of a club: its depth chart by
// position, read only. Each position of the side lists the players of the
// chart in the order the games put them on the field (the first the
// starter, as many starters as the position has), then the players of the
// position the chart leaves out because they are hurt. A club combo shows
// another club; a button opens the other side's view of the same club;
// "&Done" closes. Nothing is stored.
#pragma once

#include <string>
#include <vector>

#include "platform/dialogs.h"

constexpr int OFFENSE_VIEW_DIALOG = 119;
constexpr int DEFENSE_VIEW_DIALOG = 128;

// Controls of both views.
constexpr int TEAM_VIEW_CLUB_COMBO = 1901;
constexpr int TEAM_VIEW_LIST = 1902;
constexpr int TEAM_VIEW_OTHER_BUTTON = 1903;   // "&Defense..." in 119, "&Offense..." in 128
constexpr int TEAM_VIEW_DONE_BUTTON = DIALOG_OK;

// The report list's columns, in order (the tags are the indexes).
enum TEAM_VIEW_COLUMN : int {
    TEAM_VIEW_COLUMN_POSITION,   // "Pos"
    TEAM_VIEW_COLUMN_DEPTH,      // "Depth": 1 the first; blank for the hurt
    TEAM_VIEW_COLUMN_PLAYER,     // "Player": first and last name
    TEAM_VIEW_COLUMN_AGE,        // "Age"
    TEAM_VIEW_COLUMN_OVERALL,    // "Overall": at his position, a whole number
    TEAM_VIEW_COLUMN_STATUS,     // "Starter", "Backup", "Injured (N weeks)"
    TEAM_VIEW_COLUMN_COUNT
};

enum TEAM_VIEW_SIDE : int { TEAM_VIEW_OFFENSE, TEAM_VIEW_DEFENSE };

struct TEAM_VIEW_ROW {
    int nPosition = 0;
    int nDepth = -1;   // from 0; -1 off the chart (hurt)
    int nSlot = -1;    // roster slot
    bool bStarter = false;
};

// The positions a side shows, in order: QB RB FB TE WR T G C K for the
// offence, DE DT LB CB S P for the defence.
std::vector<int> Get_Team_View_Positions(int nSide);
// The rows of a side's view of club nTeam (a franchise in use; none
// otherwise): position by position, the chart from depth 0, then the hurt.
std::vector<TEAM_VIEW_ROW> Get_Team_View_Rows(int nTeam, int nSide);
// The cells of a row, one per TEAM_VIEW_COLUMN.
std::vector<std::string> Get_Team_View_Cells(int nTeam, const TEAM_VIEW_ROW& Row);

// Opens the view on club nTeam (not a club in use: the viewed club of
// preference 28, else the first club); returns the dialog's result.
int Show_Offense_View(int nTeam);
int Show_Defense_View(int nTeam);

// The procedure of both views; Param() points to the club number.
void Team_View_Dialog(DIALOG& Dialog, int nEvent, int nControl);
