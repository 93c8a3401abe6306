// Reading and storing a player's statistics by period and code.
//
// Periods: 0 this season, 1 last season, 2 career, 3 predicted, 4-33 the
// season line at link (period - 4); a missing line reads 0.
//
// Codes 0-19 are the stored statistics, whose meaning depends on the
// player's unit (see stat_codes.h). Higher codes are computed:
// 100-173 rates and sums, 200-233 grades on the 20-99 scale (the
// statistics' counterparts of the ratings), 299-305 overall, potential,
// return values and depth-chart level, 400-412 composite card grades and
// 420-430 production scores.
//
// A rate "a per b, x k" is (a x k + b / 2) / b in 64-bit arithmetic: half
// rounded away from zero for a quotient of 0 or more, floored below 0; 0
// when b is 0.
#pragma once

#include <cstdint>

#include "league/league_data.h"
#include "league/player.h"
#include "league/season_lines.h"
#include "league/stat_codes.h"
#include "league/team.h"

// ---------------------------------------------------------------------------
// Periods and codes callers name

constexpr int STAT_PERIOD_THIS_SEASON = 0;
constexpr int STAT_PERIOD_LAST_SEASON = 1;
constexpr int STAT_PERIOD_CAREER = 2;
constexpr int STAT_PERIOD_PREDICTED = 3;
constexpr int STAT_PERIOD_FIRST_LINE = 4;
constexpr int STAT_PERIOD_LAST_LINE = 33;

constexpr int STAT_CODE_OVERALL = 225;
constexpr int STAT_CODE_PEAK = 226;
constexpr int STAT_CODE_DEPTH_CHART_LEVEL = 304;

constexpr int NUMBER_OF_AVERAGE_POSITIONS = 43;     // base and expanded position codes

// ---------------------------------------------------------------------------
// Reading and storing

// The statistic of a period; 0 for an unused slot (without a message), a bad
// team or period (reported) or an unknown code ("Unrecognized SEASON_STAT in
// Get_Player_Stat(%d,%d,%d,%d)"). Reads may write: a kicker's career longest
// kicks are recomputed and stored, and a quarterback's impossible passing
// line (completions above attempts) is zeroed.
int Get_Player_Stat(int nTeam, int nSlot, int nPeriod, int nCode);
// Get_Player_Stat without the inline shortcut below: every check and case.
int Read_Player_Stat(int nTeam, int nSlot, int nPeriod, int nCode);

// The game engine reads stored statistics of this season, last season and
// the predicted season many times a snap: those are read here at once when
// the address is sound and the slot in use. The career period (a kicker's
// longest kicks are recomputed), a kicker's predicted longest field goal
// (held to a limit), the season lines and the computed codes go the long way.
inline int Get_Player_Stat(int nTeam, int nSlot, int nPeriod, int nCode)
{
    if (nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM && nCode >= 0 &&
        nCode < STATS_PER_PERIOD &&
        (nPeriod == STAT_PERIOD_THIS_SEASON || nPeriod == STAT_PERIOD_LAST_SEASON ||
         (nPeriod == STAT_PERIOD_PREDICTED && nCode != STAT_LONGEST_FIELD_GOAL))) {
        const PLAYER& Player = League.Team[nTeam].Player[nSlot];
        if (Player.nVital[VITAL_PLAYER_ID] != 0 && Is_Valid_Team(nTeam))
            return Player.nStat[nPeriod][nCode];
    }
    return Read_Player_Stat(nTeam, nSlot, nPeriod, nCode);
}

// Get_Player_Stat of this season for a stored statistic 0-19, small enough
// to be inlined where the engine weighs every defender on the field.
[[gnu::always_inline]] inline int Get_Player_This_Season_Stat(int nTeam, int nSlot, int nCode)
{
    if (nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM && nCode >= 0 &&
        nCode < STATS_PER_PERIOD) {
        const PLAYER& Player = League.Team[nTeam].Player[nSlot];
        if (Player.nVital[VITAL_PLAYER_ID] != 0 && Is_Valid_Team(nTeam))
            return Player.nStat[STAT_PERIOD_THIS_SEASON][nCode];
    }
    return Read_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nCode);
}

// Stores stored statistic 0-19: periods 0-3 into the record, 4-33 into the
// linked season line (nothing when there is none). NO_TEAM is ignored; a bad
// team, slot, period or statistic is reported and nothing is stored.
void Set_Player_Stat(int nTeam, int nSlot, int nPeriod, int nStat, int nValue);

// Adds to stored statistic 0-19 (held within the int32 range); a kicker's
// longest kicks (5 and 18) take the value only when it is greater.
void Add_To_Player_Stat(int nTeam, int nSlot, int nPeriod, int nStat, int nValue);
// Add_To_Player_Stat without the inline shortcut below: every check and case.
void Add_To_Player_Stat_Checked(int nTeam, int nSlot, int nPeriod, int nStat, int nValue);

// The game engine adds to this season's and the career's statistics on every
// credited event: a statistic stored in the record at a sound address, other
// than the longest kicks, is added to here at once.
inline void Add_To_Player_Stat(int nTeam, int nSlot, int nPeriod, int nStat, int nValue)
{
    if (nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM && nPeriod >= 0 &&
        nPeriod < STAT_PERIOD_FIRST_LINE && nStat >= 0 && nStat < STATS_PER_PERIOD && nStat != STAT_LONGEST_PUNT &&
        nStat != STAT_LONGEST_FIELD_GOAL) {
        int32_t& n = League.Team[nTeam].Player[nSlot].nStat[nPeriod][nStat];
        const int64_t nNew = static_cast<int64_t>(n) + nValue;
        n = nNew > INT32_MAX ? INT32_MAX : nNew < INT32_MIN ? INT32_MIN : static_cast<int32_t>(nNew);
        return;
    }
    Add_To_Player_Stat_Checked(nTeam, nSlot, nPeriod, nStat, nValue);
}

// A stored statistic plus nValue, held within the int32 range.
inline void Add_Within_Int32(int32_t& n, int nValue)
{
    const int64_t nNew = static_cast<int64_t>(n) + nValue;
    n = nNew > INT32_MAX ? INT32_MAX : nNew < INT32_MIN ? INT32_MIN : static_cast<int32_t>(nNew);
}

// Add_To_Player_Stat of this season, then of the career: both at once when
// the address is sound and the statistic is not a kicker's longest kick
// (stored as the greatest, not added up), which the engine's every credited
// statistic is.
inline void Add_To_Player_Season_And_Career_Stat(int nTeam, int nSlot, int nStat, int nValue)
{
    if (nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM && nStat >= 0 &&
        nStat < STATS_PER_PERIOD) {
        PLAYER& Player = League.Team[nTeam].Player[nSlot];
        const int nPosition = Player.nVital[VITAL_POSITION];
        if ((nStat != STAT_LONGEST_PUNT && nStat != STAT_LONGEST_FIELD_GOAL) ||
            (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS &&
             BASE_POSITION_EVENT_UNIT[nPosition] != UNIT_KICKERS)) {
            Add_Within_Int32(Player.nStat[STAT_PERIOD_THIS_SEASON][nStat], nValue);
            Add_Within_Int32(Player.nStat[STAT_PERIOD_CAREER][nStat], nValue);
            return;
        }
    }
    Add_To_Player_Stat(nTeam, nSlot, STAT_PERIOD_THIS_SEASON, nStat, nValue);
    Add_To_Player_Stat(nTeam, nSlot, STAT_PERIOD_CAREER, nStat, nValue);
}

// Add_Player_Current_Line_Stat, then Add_To_Player_Season_And_Career_Stat:
// the engine's every credited statistic, checked once here when the slot is
// in use, his current line is this year's with his club and the statistic
// adds up (not a kicker's longest kick).
inline void Add_To_Player_Current_Stats(int nTeam, int nSlot, int nStat, int nValue)
{
    if (nStat >= 0 && nStat < STATS_PER_PERIOD && Is_Player_Slot_Used(nTeam, nSlot)) {
        PLAYER& Player = League.Team[nTeam].Player[nSlot];
        const int nLine = Player.nCurrentLine;
        const int nPosition = Player.nVital[VITAL_POSITION];
        if (nLine >= 0 && nLine < SEASON_LINE_COUNT &&
            ((nStat != STAT_LONGEST_PUNT && nStat != STAT_LONGEST_FIELD_GOAL) ||
             (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS &&
              BASE_POSITION_EVENT_UNIT[nPosition] != UNIT_KICKERS))) {
            int32_t* pLine = League.SeasonLines[nLine];
            if (pLine[SEASON_LINE_YEAR_WORD] == Get_Current_Year() &&
                (pLine[SEASON_LINE_TEAM_WORD] & 0xFF) == (nTeam & 0xFF)) {
                Add_Within_Int32(pLine[SEASON_LINE_FIRST_STAT_WORD + nStat], nValue);
                Add_Within_Int32(Player.nStat[STAT_PERIOD_THIS_SEASON][nStat], nValue);
                Add_Within_Int32(Player.nStat[STAT_PERIOD_CAREER][nStat], nValue);
                return;
            }
        }
    }
    Add_Player_Current_Line_Stat(nTeam, nSlot, nStat, nValue);
    Add_To_Player_Season_And_Career_Stat(nTeam, nSlot, nStat, nValue);
}

// Sets the 20 statistics of a period to 0 (a season-line period: the linked line's).
void Clear_Player_Season_Stats(int nTeam, int nSlot, int nPeriod);

// Clears periods 0-2 (the predicted period is kept) and erases the player's
// season lines.
void Clear_Player_All_Stats(int nTeam, int nSlot);

// ---------------------------------------------------------------------------
// Tables and formulas

// The built-in average season value of stored statistic 0-19 for position
// code 0-42; a bad argument is reported and gives 0.
int Get_Average_Stat(int nPosition, int nStat);

// The passer rating x 10 (0-1583) of a passing line.
int Compute_Passer_Rating(int nAttempts, int nCompletions, int nYards, int nTouchdowns, int nInterceptions);

// The league's passing weight of a year: a 1-2-1 blend of the built-in yearly
// table (1950-2025; years outside take the nearest end).
int Get_Historical_Year_Value(int nYear);

// The grade code (200-232) that stands for rating 0-26; -1 for any other.
int Get_Rating_Grade_Code(int nRating);

// The player's share of his club's tackle points (solo x 10 + assists x 5
// + sacks x 5) in the period, in tenths of a percent, rounded: statistic 161
// holds it in whole percents, too coarse for a list that shows a tenth.
int Get_Player_Tackle_Share_Tenths(int nTeam, int nSlot, int nPeriod);

// ---------------------------------------------------------------------------
// Measures behind the production scores 420-430

// min(40 x (games started + games played of last season), 1024).
int Get_Player_Playing_Time_Measure(int nTeam, int nSlot);
// 250 + (150 x s9) per (150 x s9 + s8), x 500.
int Get_Rushing_Touchdown_Share(int nTeam, int nSlot, int nPeriod);
// (30 x s9 + s8, with a quarterback's x + 100 + x / 4) x 95 / 100, rounded.
int Get_Rushing_Production(int nTeam, int nSlot, int nPeriod);
// 100 + (165 x s12) per (165 x s12 + s11), x 500, + yards per catch held within 50-200.
int Get_Receiving_Touchdown_Share(int nTeam, int nSlot, int nPeriod);
// 30 x s12 + s11, raised for backs (x 1.2) and tight ends (x 1.1).
int Get_Receiving_Production(int nTeam, int nSlot, int nPeriod);
// A build figure from the predicted rushing and receiving grades, weight
// against the position's height-scaled average weight, and height.
int Get_Player_Build_Measure(int nTeam, int nSlot);
