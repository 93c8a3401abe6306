// Files of older versions and the repairs a loaded league gets.
//
// After the blocks of a game file are read, the loader converts the two
// oldest layouts of the league block into the current one and runs the
// fix-ups chosen by the file's version value v. The repairs at the end of
// this header run on every load.
#pragma once

#include <span>

// The old layouts. Both re-lay a league block in place: pRegion points at
// LEAGUE_DATA_SIZE bytes holding the blocks as read, zero past what the file
// filled. Every area of the old layout moves to its current offset; areas the
// old layout lacks start empty. 1 on success; 0 when the working copy cannot
// be allocated ("Unable to allocate memory to convert old UNIVERSE file! %d"
// with the system error number) or the block holds data past the end of the
// old layout (the file is not of that layout), after a report. On 0 the
// block is left as read.
//
// Versions 2180-4100: 6,796,916 bytes, TEAM records of 68,452 bytes.
// Versions 4102-7799: 22,355,352 bytes, TEAM records of 99,848 bytes.
// Both TEAM layouts hold the strings and players 0-79 where they are now,
// then the returner word, totals, team, stadium and financial stats and the
// yearly records, 15,120 bytes (20 players) earlier than now; the older one
// ends with 22 schedule weeks of four words, the newer one goes on with the
// schedule, playbooks and depth chart in the current form.
constexpr int OLD_GAME_REGION_SIZE = 6796916;        // versions 2180-4100
constexpr int OLD_GAME_TEAM_SIZE = 68452;
constexpr int OLD_UNIVERSE_REGION_SIZE = 22355352;   // versions 4102-7799
constexpr int OLD_UNIVERSE_TEAM_SIZE = 99848;
constexpr int OLD_TEAM_PLAYERS = 80;
int Convert_Old_Game(void* pRegion);
int Convert_Old_Universe(void* pRegion);

// One area the converters copy from an old layout to the current one.
struct OLD_AREA_MOVE {
    int nOld;    // offset in the old record or region
    int nNew;    // offset in the current one
    int nSize;   // bytes
};
// The areas of one old layout, read-only: the fields of each TEAM record,
// the record's tail (empty for the older record, whose weeks are rebuilt),
// and the areas after the TEAM records.
struct OLD_LAYOUT_AREAS {
    std::span<const OLD_AREA_MOVE> TeamFields;
    std::span<const OLD_AREA_MOVE> TeamTail;
    std::span<const OLD_AREA_MOVE> Region;
};
OLD_LAYOUT_AREAS Get_Old_Game_Areas();
OLD_LAYOUT_AREAS Get_Old_Universe_Areas();

// The loader gives files of the older line up to this version the default
// settings before their fix-ups run.
constexpr int DEFAULT_SETTINGS_LAST_VERSION = 3600;

// The fix-ups of the current version line (v below 2180), each gated by v,
// in the order the loader runs them. (Files before 1803 were once also given
// a repair keyed to a day of the year that no week produces; it could never
// act and is left out.)
void Run_Current_Line_Fix_Ups(int nVersion);
// The fix-ups of the older line (v from 2180), run after the conversion.
void Run_Older_Line_Fix_Ups(int nVersion);

// Steps of the fix-ups.
void Recompute_Ratings_And_Calibrate();
// Heights (vital stat 2) below 48 inches become the position's average height
// + (weight - the position's average weight) / 10.
void Fill_Missing_Player_Heights();
// The position byte (byte 46 of the record) := vital stat 1 where they differ.
void Sync_Player_Position_Bytes();
// Each league's abbreviation "%cFL" before the 1970 season, "%cFC" from 1970,
// with the first letter of its name.
void Set_League_Abbreviations();

// For every franchise and every week from the current one to week 21, a
// GAME index of 0 becomes -1.
void Mark_Unplayed_Schedule_Weeks();
// In every GAME record the 16-bit field at byte 42 := the one at byte 52 and
// the one at byte 46 := the one at byte 56.
void Fix_Old_Game_Records();
// Vital stat 16 := v + 90,000 x (v / 10,000) for every player.
void Convert_Old_Vital_Stat_16();

// ---------------------------------------------------------------------------
// Repairs of every load

// Byte statistic 5 (record offset 153) := Get_Player_Stat(team, slot, 3, 299).
void Refresh_Player_Stat_Bytes();
// Puts the teams of every scheduled week into the GAME record the week names
// (GAME indexes outside 0-299 are skipped), then recounts the eight result
// bytes of every franchise from the finished games, for the season they were
// played in: the current one, the one just played on the off-season's day
// 100 (Draft_Key_Year; the new season's bytes stay as they are). Nothing is
// written when that season would come before the first.
void Relink_Games_And_Records();
// When fewer than a tenth of the franchises' wide receivers have career
// receptions, preference 237 := the first season's year.
void Check_Receiver_Statistics();
// Yearly bytes 0/4/8 (wins, losses, ties) and 12/16/20 (the same at home)
// from Count_Team_Results, for the season the games were played in, as
// Relink_Games_And_Records writes them.
void Recount_Season_Records();
// Speed (rating 7) of every QB, RB, FB, TE and WR below 40 becomes its whole
// part + 40 for a wide receiver, + 30 for the others.
void Fix_Low_Speed_Ratings();
