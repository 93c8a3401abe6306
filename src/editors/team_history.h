// History (dialog 174): one franchise's seasons year by year and its yearly
// averages. Hall Of Fame (dialog 139): the members of team slot 37 inducted
// before this year, with their player cards.
#pragma once

#include <cstddef>

#include "platform/dialogs.h"

constexpr int HISTORY_DIALOG = 174;
constexpr int HALL_OF_FAME_DIALOG = 139;

// Controls of dialog 174.
constexpr int HISTORY_LIST = 1274;
constexpr int HISTORY_TEAM_COMBO = 1132;
constexpr int HISTORY_AVERAGE_ATTENDANCE = 1376;
constexpr int HISTORY_AVERAGE_PROFIT = 1377;
constexpr int HISTORY_AVERAGE_RECORD = 1378;
constexpr int HISTORY_AVERAGE_RANK = 1379;
constexpr int HISTORY_HELP = 9;

// Controls of dialog 139.
constexpr int HALL_OF_FAME_LIST = 1210;
constexpr int HALL_OF_FAME_SCOUTING = 1045;
constexpr int HALL_OF_FAME_HELP = 9;

// The ordinal suffix of n from the string table: "th" for 10-19, else by the
// last digit ("st", "nd", "rd", "th").
const char* Get_Ordinal_Suffix(int n);

// The finish text of code 0-8 ("1st (%s)" with the club's division, "%s
// Champion" with its league, "Super Bowl Champion"); any other code leaves
// szText as it is.
void Format_Season_Finish(int nTeam, int nCode, char* szText, size_t nSize);

// One line of the history list for season index nYear: year, attendance,
// profit, record, rank and finish, joined by tabs.
void Format_History_Line(int nTeam, int nYear, char* szText, size_t nSize);

// The seasons a history lists: the past seasons (the current season index),
// at most the YEARLY_RECORD_YEARS the records keep.
int Count_History_Seasons();
// Whether the club played season nYear (index from the league's first): a
// club added after it has no games there and is shown no row for it; 255
// (no club) covers every season.
bool Did_Team_Play_Season(int nTeam, int nYear);

// The four average lines of a club over the seasons listed.
struct HISTORY_AVERAGES {
    char szAttendance[48];
    char szProfit[48];
    char szRecord[48];
    char szRank[48];
};
void Compute_Yearly_Averages(int nTeam, HISTORY_AVERAGES& Averages);

// One row of the Hall Of Fame list: name, position (padded to 5), year
// inducted and vote share, each followed by a tab.
void Format_Hall_Of_Fame_Row(int nSlot, char* szText, size_t nSize);

void History_Dialog(DIALOG& Dialog, int nEvent, int nControl);
void Hall_Of_Fame_Dialog(DIALOG& Dialog, int nEvent, int nControl);
