// The day and kick-off part of the built-in 16-game schedule template.
//
// How the table was made: our own small calendar, not a copy of any real
// season. Day numbers count from the start of the season calendar; day 10 is
// the first Sunday (10 + 3 = 13, 13 mod 7 = 6), so week w has its Thursday
// on day 7 + 7w, its Sunday on 10 + 7w and its Monday on 11 + 7w. Each week
// opens with a Thursday night game (the season opener at 2030, later ones at
// 2020), then nine Sunday games at 1300, two at 1605, one at 1625, the
// Sunday night game at 2020, the Monday night game at 2015 and one more at
// 1300. Weeks 4-11 are bye weeks with two games fewer: their Monday game
// moves up to column 13 and columns 14-15 are empty (day 0, kick-off 0), so
// the template holds 16 empty cells, as a 16-game table of 17 weeks does.
//
// Rule now: only the day and kick-off fields are kept; the pairings (fields 0
// and 1) and field 4 are not.

#include "schedule/schedule_templates.h"

#include <array>

namespace {

struct TEMPLATE_CELL {
    int nDate;      // day number, 0 empty
    int nKickoff;   // hhmm, 0 empty
};

using TEMPLATE_TABLE = std::array<std::array<TEMPLATE_CELL, SCHEDULE_TEMPLATE_COLUMNS>, SCHEDULE_TEMPLATE_ROWS>;

constexpr int FIRST_BYE_WEEK = 4;
constexpr int LAST_BYE_WEEK = 11;
constexpr int OPENER_KICKOFF = 2030;

enum WEEK_DAY_OFFSET : int { THURSDAY = -3, SUNDAY = 0, MONDAY = 1 };

// Column: day relative to the week's Sunday, kick-off.
constexpr std::array<TEMPLATE_CELL, SCHEDULE_TEMPLATE_COLUMNS> WEEK_PATTERN = {{
    {THURSDAY, 2020},   // 0: Thursday night
    {SUNDAY, 1300},     // 1-9: Sunday early games
    {SUNDAY, 1300},
    {SUNDAY, 1300},
    {SUNDAY, 1300},
    {SUNDAY, 1300},
    {SUNDAY, 1300},
    {SUNDAY, 1300},
    {SUNDAY, 1300},
    {SUNDAY, 1300},
    {SUNDAY, 1605},     // 10-11: Sunday late games
    {SUNDAY, 1605},
    {SUNDAY, 1625},     // 12
    {SUNDAY, 2020},     // 13: Sunday night
    {MONDAY, 2015},     // 14: Monday night
    {SUNDAY, 1300},     // 15
}};

constexpr TEMPLATE_TABLE Build_Template()
{
    TEMPLATE_TABLE Table{};
    for (int w = 0; w < SCHEDULE_TEMPLATE_ROWS; ++w) {
        const int nSunday = 10 + 7 * w;
        const bool bByeWeek = w >= FIRST_BYE_WEEK && w <= LAST_BYE_WEEK;
        for (int c = 0; c < SCHEDULE_TEMPLATE_COLUMNS; ++c) {
            TEMPLATE_CELL Cell = WEEK_PATTERN[c];
            if (bByeWeek && c == 13)
                Cell = WEEK_PATTERN[14];
            if (bByeWeek && c >= 14) {
                Table[w][c] = {0, 0};
                continue;
            }
            Table[w][c] = {nSunday + Cell.nDate, Cell.nKickoff};
        }
    }
    Table[0][0].nKickoff = OPENER_KICKOFF;
    return Table;
}

constexpr TEMPLATE_TABLE TEMPLATE = Build_Template();

constexpr int Count_Empty_Cells()
{
    int n = 0;
    for (const auto& Row : TEMPLATE)
        for (const TEMPLATE_CELL& Cell : Row)
            if (Cell.nDate == 0)
                ++n;
    return n;
}

static_assert(Count_Empty_Cells() == 16, "a 16-game table of 17 weeks has 16 empty cells");
static_assert(TEMPLATE[0][0].nDate == 7 && TEMPLATE[0][1].nDate == 10 && TEMPLATE[0][2].nDate == 10);
static_assert(TEMPLATE[16][14].nDate == 123, "the last Monday game");

}  // namespace

int Get_Schedule_Template_Value(int nRow, int nColumn, int nField)
{
    if (nRow < 0 || nRow >= SCHEDULE_TEMPLATE_ROWS || nColumn < 0 || nColumn >= SCHEDULE_TEMPLATE_COLUMNS)
        return SCHEDULE_TEMPLATE_OUT_OF_RANGE;
    const TEMPLATE_CELL& Cell = TEMPLATE[nRow][nColumn];
    if (nField == SCHEDULE_TEMPLATE_DATE)
        return Cell.nDate;
    if (nField == SCHEDULE_TEMPLATE_KICKOFF)
        return Cell.nKickoff;
    return SCHEDULE_TEMPLATE_OUT_OF_RANGE;
}

int Get_Day_Of_Week(int nDateCode)
{
    if (nDateCode < 1)
        return 6;
    // 64-bit: a damaged day number near INT_MAX must not overflow.
    return static_cast<int>((static_cast<long long>(nDateCode) + 3) % 7);
}
