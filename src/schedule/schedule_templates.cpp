// The default day and kick-off of a game entered without a day come from the
// built-in 16-game table R12-1 (schedule_tables.h): its day numbers count
// from the start of the season calendar, so that week w has its Thursday on
// day 7 + 7w, its Sundays on 10 + 7w and its Monday on 11 + 7w; column 14 of
// a full week is the Monday night game.

#include "schedule/schedule_templates.h"

#include "schedule/schedule_tables.h"

int Get_Schedule_Template_Value(int nRow, int nColumn, int nField)
{
    return Get_Schedule_Opponent(SCHEDULE_TABLE_R12_0 + 1, nRow, nColumn, nField);
}

int Get_Day_Of_Week(int nDateCode)
{
    if (nDateCode < 1)
        return 6;
    // 64-bit: a damaged day number near INT_MAX must not overflow.
    return static_cast<int>((static_cast<long long>(nDateCode) + 3) % 7);
}
