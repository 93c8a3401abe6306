#include "schedule/schedule_tables.h"

#include "schedule/schedule_table_data.h"

static_assert(SCHEDULE_TABLE_KEYS == SCHEDULE_TABLE_COUNT);
static_assert(TEAM_SCHEDULE_ORDER_KEYS == TEAM_SCHEDULE_ORDER_COUNT);

namespace {

constexpr int SEVENTEEN_GAME_TABLES = 3;

bool In(int n, int nLimit)
{
    return n >= 0 && n < nLimit;
}

}  // namespace

int Get_Schedule_Table_Weeks(int nTable)
{
    if (!In(nTable, SCHEDULE_TABLE_COUNT))
        return 0;
    return nTable < SEVENTEEN_GAME_TABLES ? 18 : 17;
}

int Get_Schedule_Opponent(int nTable, int nWeek, int nGame, int nInt)
{
    if (!In(nWeek, Get_Schedule_Table_Weeks(nTable)) || !In(nGame, SCHEDULE_TABLE_GAMES)
        || !In(nInt, SCHEDULE_CELL_INTS))
        return SCHEDULE_NO_VALUE;
    return SCHEDULE_TABLES[nTable][nWeek][nGame][nInt];
}

int Get_Team_Schedule_Order(int nOrder, int nTeam)
{
    if (!In(nOrder, TEAM_SCHEDULE_ORDER_COUNT) || !In(nTeam, SCHEDULE_TABLE_SLOTS))
        return SCHEDULE_NO_VALUE;
    return TEAM_SCHEDULE_ORDERS[nOrder][nTeam];
}

int Get_2001_NFL_Schedule_Opponent(int nWeek, int nGame, int nInt)
{
    if (!In(nWeek, SCHEDULE_2001_WEEKS) || !In(nGame, SCHEDULE_2001_GAMES) || !In(nInt, 2))
        return SCHEDULE_NO_VALUE;
    return SCHEDULE_2001[nWeek][nGame][nInt];
}

int Get_2001_NFL_Team_Schedule_Order(int nTeam)
{
    if (!In(nTeam, SCHEDULE_2001_SLOTS))
        return SCHEDULE_NO_VALUE;
    return TEAM_SCHEDULE_ORDER_2001[nTeam];
}
