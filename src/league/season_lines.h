// The SEASON_LINE table and the links of player records to it.
//
// A player record keeps four periods of statistics; his older seasons live in
// the league-wide table League.SeasonLines: 32,768 lines of 23 int32 each
// (saved byte for byte with the league):
//   int 0      year; 0 marks a free line
//   int 1      level: 0 or more professional, negative a college season whose
//              value is the college class (-4 "FR", -3 "SO", -2 "JR", -1 "SR")
//   int 2      team in the low byte (NO_TEAM for none); the other bytes are 0
//   int 3-22   statistics 0-19, meaning as the record's period statistics
// Line numbers are 0-32767 and NO_SEASON_LINE (-1) means none; a line is
// valid when its number is 0-32767. A record links up to 30 lines, packed at
// the front (a -1 ends them), and names one as its current line (this year's
// line with his current team). Two records may link one line after a copy;
// erasing one record's lines keeps those the other still links.
#pragma once

#include <cstdint>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"

constexpr int NO_SEASON_LINE = -1;

// The words of a line named above.
constexpr int SEASON_LINE_YEAR_WORD = 0;
constexpr int SEASON_LINE_TEAM_WORD = 2;
constexpr int SEASON_LINE_FIRST_STAT_WORD = 3;

// Computed line statistics: field goals made and attempted over the four
// distance bands (statistics 11 + 13 + 15 + 17 and 10 + 12 + 14 + 16).
constexpr int SEASON_LINE_FIELD_GOALS_MADE = 122;
constexpr int SEASON_LINE_FIELD_GOALS_TRIED = 123;

// ---------------------------------------------------------------------------
// Line accessors

// Statistic 0-19 of a line, or the sums 122 and 123. Line -1 gives 0 quietly;
// any other line outside 0-32767 reports "'nLine' out of bounds in
// Get_Season_Line_Stat([nLine = %d], iStat = %d)", an unknown code "Unhandled
// 'iStat' in Get_Season_Line_Stat(nLine = %d, [iStat = %d])"; both give 0.
int Get_Season_Line_Stat(int nLine, int iStat);
// Stores statistic 0-19 of a valid line. Line -1 is ignored quietly (a credit
// with no line is dropped); other bad arguments are reported, nothing stored.
void Set_Season_Line_Stat(int nLine, int iStat, int nValue);
// Year (int 0) of a line; 0 for -1 and, reported, for any other bad line.
int Get_Season_Line_Year(int nLine);
// Level (int 1): negative for a college season; 0 for a bad line.
int Get_Season_Line_Level(int nLine);
// The team byte of a line (int 2, low byte) read as a signed byte; NO_TEAM
// for -1 and, reported, for any other bad line.
int Get_Season_Line_Team(int nLine);
// true when all 20 statistics of the line are 0. Line -1 counts as empty; any
// other bad line reports once per statistic and counts as empty.
bool Is_Season_Line_Empty(int nLine);

// ---------------------------------------------------------------------------
// Player links (team 0-40, slot 0-99, link 0-29)

// The number of leading valid links (0-30).
int Count_Player_Season_Lines(int nTeam, int nSlot);
// Link n when it holds a valid line, else -1.
int Get_Player_Season_Line_Index(int nTeam, int nSlot, int n);
// Stores link n: a valid line or -1.
void Set_Player_Season_Link(int nTeam, int nSlot, int n, int nLine);
// The first link that holds no line, or -1 when all 30 are in use.
int Find_Free_Season_Link(int nTeam, int nSlot);
// true when any used player slot other than (nTeam, nSlot) links the line.
bool Is_Season_Line_Linked_Elsewhere(int nLine, int nTeam, int nSlot);
// Sets the current line to the linked line of the greatest year (the first of
// equal years; -1 when none).
void Set_Current_Season_Link_To_Latest(int nTeam, int nSlot);
// Removes link n (0-29; anything else is reported and changes nothing): later
// links move down, link 29 becomes -1, and the current line is set to the
// latest remaining line.
void Remove_Player_Season_Link(int nTeam, int nSlot, int n);
// Removes link n and zeroes its line unless another record links it too.
// true when a link was removed; false for n outside 0-29 or a link holding no line.
bool Erase_Player_Season_Line(int nTeam, int nSlot, int n);
// Erases every leading valid link as above; the links end empty and the
// current line -1.
void Erase_Player_Season_Lines(int nTeam, int nSlot);
// For a used slot: all 30 links become -1; the lines and the current line stay.
void Clear_Player_Season_Links(int nTeam, int nSlot);
// Orders the valid links by year (stable; links holding no line stay put).
void Sort_Player_Season_Links(int nTeam, int nSlot);
// Sort_Player_Season_Links for every used slot of every team in use.
void Sort_All_Season_Links();
// The team byte of the player's line of that year with the most games
// (statistic 0, above 0; ties keep the first), or NO_TEAM.
int Get_Player_Team_In_Year(int nTeam, int nSlot, int nYear);
// Distinct years 1932-2051 of his professional, non-empty lines, counted over
// the leading valid links.
int Count_NFL_Seasons(int nTeam, int nSlot);

// ---------------------------------------------------------------------------
// Current-season lines

// The player's line for (nYear, nLineTeam): his current line when it matches,
// else a fresh line from the table's first free one, stamped and linked.
// -1 when nLineTeam is not a team in use, the slot holds no player, all 30
// links are in use (nothing is stamped; logged once per player and season) or
// the table is full. The caller stores the result as the current line.
int Assign_Player_Season_Line(int nTeam, int nSlot, int nYear, int nLineTeam);
// The current line when it is this year's line with this team; otherwise -1
// for the free agents, else a line assigned (and stored as current) for this
// year and team.
int Get_Player_Current_Season_Line(int nTeam, int nSlot);
// Makes nLine (a valid line or -1) the current line of a used slot; anything
// else is reported and nothing is stored.
void Set_Player_Current_Season_Line(int nTeam, int nSlot, int nLine);
// Restamps a valid line's year, level and team byte (a line made for a
// season played elsewhere, such as a college season). Line -1 is ignored
// quietly; a bad line, or year 0 (which would free the line), is reported and
// nothing is stored.
void Set_Season_Line_Header(int nLine, int nYear, int nLevel, int nLineTeam);
// Set / add statistic 0-19 of the current line of a used slot. Without a line
// (free agents, a full table) nothing is stored.
void Set_Player_Current_Line_Stat(int nTeam, int nSlot, int iStat, int nValue);
void Add_Player_Current_Line_Stat(int nTeam, int nSlot, int iStat, int nValue);
// Add_Player_Current_Line_Stat without the inline shortcut below: every
// check and case.
void Add_Player_Current_Line_Stat_Checked(int nTeam, int nSlot, int iStat, int nValue);

// The game engine adds to the current lines on every credited statistic: a
// used slot whose current line is a valid line of this year with his team is
// added to here at once (as the full rule would, held within the int32 range).
inline void Add_Player_Current_Line_Stat(int nTeam, int nSlot, int iStat, int nValue)
{
    if (iStat >= 0 && iStat < STATS_PER_PERIOD && Is_Player_Slot_Used(nTeam, nSlot)) {
        const int nLine = League.Team[nTeam].Player[nSlot].nCurrentLine;
        if (nLine >= 0 && nLine < SEASON_LINE_COUNT) {
            int32_t* pLine = League.SeasonLines[nLine];
            if (pLine[SEASON_LINE_YEAR_WORD] == Get_Current_Year() &&
                (pLine[SEASON_LINE_TEAM_WORD] & 0xFF) == (nTeam & 0xFF)) {
                int32_t& nStat = pLine[SEASON_LINE_FIRST_STAT_WORD + iStat];
                const int64_t nNew = static_cast<int64_t>(nStat) + nValue;
                nStat = nNew > INT32_MAX ? INT32_MAX : nNew < INT32_MIN ? INT32_MIN : static_cast<int32_t>(nNew);
                return;
            }
        }
    }
    Add_Player_Current_Line_Stat_Checked(nTeam, nSlot, iStat, nValue);
}

// ---------------------------------------------------------------------------
// Whole table

// Every used slot of every team in use gets current line -1 (new season,
// loading). Like Erase_Unlinked_Season_Lines, it also restarts the line
// allocator's search from line 0, which a replaced table needs.
void Reset_Current_Season_Links();
// The table was replaced whole (a block put back): the next free line is
// looked for from the start again.
void Forget_Season_Line_Allocator();
// Unlinks and zeroes linked lines of year 0, then zeroes every line no used
// record links, logging "Erased %d non-empty season lines." when any of them
// held data.
void Erase_Unlinked_Season_Lines();
