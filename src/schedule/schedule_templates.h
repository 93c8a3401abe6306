// The built-in schedule template (table R12-1) that gives a game entered
// without a day its day and kick-off time, and the day-of-week rule of the
// season calendar.
#pragma once

constexpr int SCHEDULE_TEMPLATE_ROWS = 17;      // weeks
constexpr int SCHEDULE_TEMPLATE_COLUMNS = 16;   // games of a week
constexpr int SCHEDULE_TEMPLATE_FIELDS = 5;
constexpr int SCHEDULE_TEMPLATE_DATE = 2;       // day number of the season calendar, 0 empty
constexpr int SCHEDULE_TEMPLATE_KICKOFF = 3;    // hhmm, 0 empty
constexpr int SCHEDULE_TEMPLATE_OUT_OF_RANGE = -128;

// Field 0-4 of cell (row 0-16, column 0-15) of table R12-1: 0 the away and
// 1 the home slot, 2 the day number, 3 the kick-off hhmm, 4 a code; -128
// when an argument is out of range.
int Get_Schedule_Template_Value(int nRow, int nColumn, int nField);

// 6 (Sunday) for a day number below 1, else (day number + 3) mod 7
// (0 Monday .. 6 Sunday).
int Get_Day_Of_Week(int nDateCode);
