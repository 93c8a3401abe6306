// The player statistics file: one table of player statistics for a team, a
// league or all teams, one period and one section, sorted by one column, as
// tab-separated, comma-separated, fixed-width text or HTML.
//
// A section lists the players of its side only (offence QB-C, defence DE-S,
// kicking K and P) who played a game in the period. Names never shift a
// column: comma-separated cells holding a comma, a quote or a line break are
// quoted (quotes doubled), tab-separated cells lose tabs and line breaks, and
// the fixed-width name and team cells are cut to their columns.
#pragma once

#include <cstdio>
#include <string>

enum STATS_FILE_FORMAT { STATS_FORMAT_TAB = 0, STATS_FORMAT_COMMA = 1, STATS_FORMAT_FIXED = 2, STATS_FORMAT_HTML = 3 };
enum STATS_FILE_SECTION { STATS_SECTION_OFFENSE = 0, STATS_SECTION_DEFENSE = 1, STATS_SECTION_KICKING = 2 };
constexpr int STATS_SORT_LAST_NAME = -1;
constexpr int STATS_SORT_TEAM = -2;

// Writes the file, making its folder when missing; 1 when written, 0 (errno
// set) when the folder cannot be made or the file not opened or written whole.
// The file goes through a temporary and takes the name once whole: a failure
// leaves the old file as it was, and a link standing at the name is
// replaced, never written through.
// nSelection: 0..n-1 a team (n = Count_Teams), n..n+L-1 league k = selection
// - n (L = Count_Leagues), n+L all teams. nPeriod 0 this season, 1 last
// season, 2 career, 3 predicted. nSort the position 0-16 of a name in the
// Print dialog's "Sort By:" list of the section (the rows are ordered by the
// figure it names, highest first; an empty entry names none and keeps
// team-then-roster order), or -1 last name / -2 team.
// *pPlayers (when given) takes the count of player lines written under the
// heading, 0 when the file was not written.
int Write_Player_Stats_File(const char* szPath, int nSelection, int nPeriod, int nSection, int nSort, int nFormat,
                            int* pPlayers = nullptr);
// The player's sort value for a sort name of his section (his position's
// side), -1 when he has no game in the period.
int Get_Player_Sort_Value(int nTeam, int nSlot, int nPeriod, int nSort);
// A heading row for NO_TEAM / NO_PLAYER, a player's row otherwise, "" for an
// empty slot. Rows end with a line feed.
void Format_Stat_Table_Row(int nTeam, int nSlot, int nPeriod, int nSection, int nFormat, std::string& Out);
// "%d" of the period's year, "Career" or "".
std::string Format_Period_Label(int nPeriod);
// The heading of column 0-16 of a section.
const char* Get_Stat_Table_Header(int nSection, int nColumn);
void Write_Stats_Html_Head(FILE* pFile, int nSelection, int nPeriod, int nSection);
void Write_Stat_Table_Row(FILE* pFile, int nTeam, int nSlot, int nPeriod, int nSection, int nFormat);
void Write_Stat_Table_Heading(FILE* pFile, int nPeriod, int nSection, int nFormat);
void Write_Stats_Html_Tail(FILE* pFile);
