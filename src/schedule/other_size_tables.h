// The pairing tables of the leagues of 12, 26, 28 and 30 teams (their data:
// other_size_table_data.cpp, written by src/tools/other_size_table_maker)
// and the team orders of each table's fixed season.
//
// A cell names the away slot (int 0) and the home slot (int 1) of one game;
// SCHEDULE_NO_VALUE (-128) stands in the empty cells of the 17-week tables,
// after the games of their week. The slots are league slots: each division a
// run of slots, the divisions in order. Every slot plays the table's games
// per team, at most once a week, half of them at home; division rivals meet
// twice, once at each venue.
#pragma once

// The members, one per generator.
enum OTHER_SIZE_MEMBER : int {
    OTHER_SIZE_12_TEAMS = 0,             // 12 teams, 12 games
    OTHER_SIZE_26_TEAMS = 1,             // 26 teams, 14 games
    OTHER_SIZE_28_TEAMS_14_GAMES = 2,    // 28 teams, 14 games
    OTHER_SIZE_28_TEAMS_BEFORE_1990 = 3, // 28 teams, 16 games, before 1990
    OTHER_SIZE_28_TEAMS = 4,             // 28 teams, 16 games, from 1990
    OTHER_SIZE_30_TEAMS = 5,             // 30 teams, 16 games
    OTHER_SIZE_MEMBERS = 6,
};

struct OTHER_SIZE_SHAPE {
    int nTeams;
    int nGames;          // per team
    int nWeeks;
    int nGamesPerWeek;   // cells a week
    int nCellInts;       // 2, or 4 (only the first two read)
    int nSpecialYear;    // the season of the fixed order
};

// The member's shape; the 12-team shape for a bad member.
const OTHER_SIZE_SHAPE& Get_Other_Size_Shape(int nMember);

// Int nInt of cell (nWeek, nGame); SCHEDULE_NO_VALUE in an empty cell and for
// a bad member, a week or game outside the table or an int outside 0 to
// the member's ints - 1 (negative arguments too).
int Get_Other_Size_Schedule_Opponent(int nMember, int nWeek, int nGame, int nInt);

// The table slot of team nTeam in the member's fixed season; SCHEDULE_NO_VALUE
// for a bad member or a team outside 0 .. teams - 1.
int Get_Other_Size_Special_Order(int nMember, int nTeam);

// The tables by their own names (the same lookup).
int Get_12_Team_Schedule_Opponent(int nWeek, int nGame, int nInt);
int Get_26_Team_Schedule_Opponent(int nWeek, int nGame, int nInt);
int Get_28_Team_14_Game_Schedule_Opponent(int nWeek, int nGame, int nInt);
int Get_28_Team_Schedule_Opponent_Before_1990(int nWeek, int nGame, int nInt);
int Get_28_Team_Schedule_Opponent(int nWeek, int nGame, int nInt);
int Get_30_Team_Schedule_Opponent(int nWeek, int nGame, int nInt);
