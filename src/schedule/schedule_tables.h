// The built-in 32-team schedule tables, the season team orders and the
// 31-team table of 2001 (their data: schedule_table_data.cpp, written by
// src/tools/schedule_table_maker).
//
// A 32-team table cell holds five ints: 0 the away slot, 1 the home slot
// (0-31, -128 in an empty cell), 2 the day number of the season calendar and
// 3 the kick-off hhmm (0 in an empty cell), 4 a code 0-5 nobody reads. Slots
// 4d .. 4d+3 form division d. Every slot plays once at most a week; the
// empty cells of a week stand after its games.
#pragma once

constexpr int SCHEDULE_NO_VALUE = -128;

// Table keys. The three 18-week tables serve 17-game seasons by year mod 3
// (R3-0 and R3-2 also give every even / odd 17-game year its days and
// kick-offs); Y2002..Y2008 the 16-game seasons of those years; R12-0..R12-11
// every other 16-game season by year mod 12 (R12-1 is also the template of
// the default day and kick-off).
enum SCHEDULE_TABLE_KEY : int {
    SCHEDULE_TABLE_R3_0 = 0,
    SCHEDULE_TABLE_R3_1 = 1,
    SCHEDULE_TABLE_R3_2 = 2,
    SCHEDULE_TABLE_Y2002 = 3,    // .. SCHEDULE_TABLE_Y2002 + 6 for 2008
    SCHEDULE_TABLE_R12_0 = 10,   // .. SCHEDULE_TABLE_R12_0 + 11
    SCHEDULE_TABLE_KEYS = 22,
};

// Order keys: one per season 2014 to 2023, then year mod 12 = 0 to 11.
enum TEAM_SCHEDULE_ORDER_KEY : int {
    TEAM_SCHEDULE_ORDER_2014 = 0,    // .. + 9 for 2023
    TEAM_SCHEDULE_ORDER_MOD12_0 = 10,
    TEAM_SCHEDULE_ORDER_KEYS = 22,
};

// 18 for the 17-game tables, 17 for the others, 0 for a bad key.
int Get_Schedule_Table_Weeks(int nTable);

// Int nInt of cell (nWeek, nGame) of a table; SCHEDULE_NO_VALUE for a bad
// key, a week at or past the table's weeks, a game outside 0-15 or an int
// outside 0-4 (negative arguments too).
int Get_Schedule_Opponent(int nTable, int nWeek, int nGame, int nInt);

// The table slot of team 0-31 in an order; SCHEDULE_NO_VALUE for a bad key
// or team.
int Get_Team_Schedule_Order(int nOrder, int nTeam);

// The 31-team table of 2001: [17 weeks][15 games][away, home]; slot 0-30,
// SCHEDULE_NO_VALUE in its seven empty cells and outside the table.
int Get_2001_NFL_Schedule_Opponent(int nWeek, int nGame, int nInt);
// The slot of team 0-30 in 2001; SCHEDULE_NO_VALUE for another team.
int Get_2001_NFL_Team_Schedule_Order(int nTeam);
