// The arrays of the pairing tables of the leagues of 12, 26, 28 and 30 teams
// and the team orders of their fixed seasons, written by
// src/tools/other_size_table_maker into other_size_table_data.cpp. Read them
// through schedule/other_size_tables.h, which checks every index.
#pragma once

#include <cstdint>

extern const int8_t SCHEDULE_12_TEAMS[12][6][2];
extern const int8_t SCHEDULE_26_TEAMS[14][13][2];
extern const int8_t SCHEDULE_28_TEAMS_14_GAMES[14][14][2];
extern const int16_t SCHEDULE_28_TEAMS_BEFORE_1990[16][14][4];
extern const int8_t SCHEDULE_28_TEAMS[17][14][2];
extern const int8_t SCHEDULE_30_TEAMS[17][15][2];

extern const int8_t SCHEDULE_ORDER_1959[12];
extern const int8_t SCHEDULE_ORDER_1972[26];
extern const int8_t SCHEDULE_ORDER_1976[28];
extern const int8_t SCHEDULE_ORDER_1986[28];
extern const int8_t SCHEDULE_ORDER_1990[28];
extern const int8_t SCHEDULE_ORDER_1998[30];
