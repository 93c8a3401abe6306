#include "schedule/other_size_tables.h"

#include "schedule/other_size_table_data.h"
#include "schedule/schedule_tables.h"

namespace {

const OTHER_SIZE_SHAPE SHAPES[OTHER_SIZE_MEMBERS] = {
    {12, 12, 12, 6, 2, 1959},
    {26, 14, 14, 13, 2, 1972},
    {28, 14, 14, 14, 2, 1976},
    {28, 16, 16, 14, 4, 1986},
    {28, 16, 17, 14, 2, 1990},
    {30, 16, 17, 15, 2, 1998},
};

const int8_t* const ORDERS[OTHER_SIZE_MEMBERS] = {
    SCHEDULE_ORDER_1959, SCHEDULE_ORDER_1972, SCHEDULE_ORDER_1976,
    SCHEDULE_ORDER_1986, SCHEDULE_ORDER_1990, SCHEDULE_ORDER_1998,
};

bool Is_Member(int nMember)
{
    return nMember >= 0 && nMember < OTHER_SIZE_MEMBERS;
}

}  // namespace

const OTHER_SIZE_SHAPE& Get_Other_Size_Shape(int nMember)
{
    return SHAPES[Is_Member(nMember) ? nMember : 0];
}

int Get_Other_Size_Schedule_Opponent(int nMember, int nWeek, int nGame, int nInt)
{
    if (!Is_Member(nMember))
        return SCHEDULE_NO_VALUE;
    const OTHER_SIZE_SHAPE& s = SHAPES[nMember];
    if (nWeek < 0 || nWeek >= s.nWeeks || nGame < 0 || nGame >= s.nGamesPerWeek || nInt < 0 || nInt >= s.nCellInts)
        return SCHEDULE_NO_VALUE;
    switch (nMember) {
    case OTHER_SIZE_12_TEAMS:
        return SCHEDULE_12_TEAMS[nWeek][nGame][nInt];
    case OTHER_SIZE_26_TEAMS:
        return SCHEDULE_26_TEAMS[nWeek][nGame][nInt];
    case OTHER_SIZE_28_TEAMS_14_GAMES:
        return SCHEDULE_28_TEAMS_14_GAMES[nWeek][nGame][nInt];
    case OTHER_SIZE_28_TEAMS_BEFORE_1990:
        return SCHEDULE_28_TEAMS_BEFORE_1990[nWeek][nGame][nInt];
    case OTHER_SIZE_28_TEAMS:
        return SCHEDULE_28_TEAMS[nWeek][nGame][nInt];
    default:
        return SCHEDULE_30_TEAMS[nWeek][nGame][nInt];
    }
}

int Get_Other_Size_Special_Order(int nMember, int nTeam)
{
    if (!Is_Member(nMember) || nTeam < 0 || nTeam >= SHAPES[nMember].nTeams)
        return SCHEDULE_NO_VALUE;
    return ORDERS[nMember][nTeam];
}

int Get_12_Team_Schedule_Opponent(int nWeek, int nGame, int nInt)
{
    return Get_Other_Size_Schedule_Opponent(OTHER_SIZE_12_TEAMS, nWeek, nGame, nInt);
}

int Get_26_Team_Schedule_Opponent(int nWeek, int nGame, int nInt)
{
    return Get_Other_Size_Schedule_Opponent(OTHER_SIZE_26_TEAMS, nWeek, nGame, nInt);
}

int Get_28_Team_14_Game_Schedule_Opponent(int nWeek, int nGame, int nInt)
{
    return Get_Other_Size_Schedule_Opponent(OTHER_SIZE_28_TEAMS_14_GAMES, nWeek, nGame, nInt);
}

int Get_28_Team_Schedule_Opponent_Before_1990(int nWeek, int nGame, int nInt)
{
    return Get_Other_Size_Schedule_Opponent(OTHER_SIZE_28_TEAMS_BEFORE_1990, nWeek, nGame, nInt);
}

int Get_28_Team_Schedule_Opponent(int nWeek, int nGame, int nInt)
{
    return Get_Other_Size_Schedule_Opponent(OTHER_SIZE_28_TEAMS, nWeek, nGame, nInt);
}

int Get_30_Team_Schedule_Opponent(int nWeek, int nGame, int nInt)
{
    return Get_Other_Size_Schedule_Opponent(OTHER_SIZE_30_TEAMS, nWeek, nGame, nInt);
}
