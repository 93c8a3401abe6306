// Top-ten lists of players and teams, and the leader page pieces.
//
// Pieces follow page_links.h: they replace Out, or leave it when they write
// nothing.
#pragma once

#include <cstdint>
#include <string>

constexpr int TOP_TEN_SIZE = 10;

// Ten ranked entries, entry 0 the best, as parallel arrays. nTeam and nSlot
// say where the player is now; nClub is the club the row shows: in a past
// season's list the club he played that season for.
struct TOP_TEN_LIST {
    int8_t nTeam[TOP_TEN_SIZE];
    uint8_t nSlot[TOP_TEN_SIZE];
    int8_t nClub[TOP_TEN_SIZE];
    int32_t nValue[TOP_TEN_SIZE];
    int32_t nValue2[TOP_TEN_SIZE];
    // The leader statistic the values are in (LEADER_STAT); -1 in a team
    // list. It decides how a value is written.
    int32_t nStat;
};

// Periods of Build_Top_Ten_List beside those of Get_Player_Leader_Stat
// (0 this season, 1 last season, 2 career): the best single season of each
// player, its year in nValue2; and LEADER_LIST_FIRST_SEASON + n, the season
// n years after the league's first season.
constexpr int LEADER_LIST_BEST_SEASON = -2;
constexpr int LEADER_LIST_FIRST_SEASON = 4;

// The ten best ball carriers and receivers (QB, RB, FB, TE, WR) of league
// 0 or 1 (2: all) in leader statistic nCode (0-29) for nPeriod, over every
// player of the league (league_players.h). Ties keep the earlier team slot,
// then roster slot, first; values of 0 or less never enter. A season's row
// shows the club of his season (Get_Player_Season_Club) and counts in that
// club's league; the career and best-season rows his present club.
void Build_Top_Ten_List(TOP_TEN_LIST* pList, int nLeague, int nCode, int nPeriod);
// The ten teams with the most (category 0) or fewest (category 4) of
// team-totals statistic 131 in the news ticker's period.
void Build_Top_Ten_List_2(TOP_TEN_LIST* pList, int nCategory);

// The list that the COUNT pieces read: the engine's leaders list of the
// innermost leaders table. Null (the default) reads as an empty list.
void Set_Leader_Piece_List(const TOP_TEN_LIST* pList);

void Format_Leader_Name(std::string& Out, int nCount);
void Format_Leader_Team(std::string& Out, int nCount);
void Format_Leader_Stat(std::string& Out, int nCount);
void Format_Leader_Stat_Year(std::string& Out, int nCount);
void Format_Leader_Ref(std::string& Out, int nCount, int nType);
void Format_Leader_Team_Ref(std::string& Out, int nCount, int nType);
// The player of the league with the most of season-line statistic nStat in
// his lines of club nTeam, nSeason seasons ago, wherever he is now; "No
// leader" when none has any, "Retired" for a past season of which no player
// still in the league has a line with the club.
void Format_Team_Offense_Leader(std::string& Out, int nStat, int nTeam, int nSeason);
void Format_Time_Leader_Category(std::string& Out, int nSeason, int nType);
void Format_League_Leaders_Ref(std::string& Out, int nLeague, int nSeason, int nType);
void Format_Most_Recent_Leaders_Ref(std::string& Out, int nType);
