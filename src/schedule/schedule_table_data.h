// The arrays of the built-in schedule tables, written by
// src/tools/schedule_table_maker into schedule_table_data.cpp. Read them
// through schedule/schedule_tables.h, which checks every index.
#pragma once

#include <cstdint>

constexpr int SCHEDULE_TABLE_COUNT = 22;       // R3-0..R3-2, Y2002..Y2008, R12-0..R12-11
constexpr int SCHEDULE_TABLE_MAX_WEEKS = 18;
constexpr int SCHEDULE_TABLE_GAMES = 16;
constexpr int SCHEDULE_CELL_INTS = 5;
constexpr int SCHEDULE_TABLE_SLOTS = 32;
constexpr int TEAM_SCHEDULE_ORDER_COUNT = 22;  // 2014..2023, year mod 12 = 0..11
constexpr int SCHEDULE_2001_WEEKS = 17;
constexpr int SCHEDULE_2001_GAMES = 15;
constexpr int SCHEDULE_2001_SLOTS = 31;

extern const int16_t SCHEDULE_TABLES[SCHEDULE_TABLE_COUNT][SCHEDULE_TABLE_MAX_WEEKS][SCHEDULE_TABLE_GAMES]
                                    [SCHEDULE_CELL_INTS];
extern const int8_t TEAM_SCHEDULE_ORDERS[TEAM_SCHEDULE_ORDER_COUNT][SCHEDULE_TABLE_SLOTS];
extern const int8_t SCHEDULE_2001[SCHEDULE_2001_WEEKS][SCHEDULE_2001_GAMES][2];
extern const int8_t TEAM_SCHEDULE_ORDER_2001[SCHEDULE_2001_SLOTS];
