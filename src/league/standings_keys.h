// Standings order and league-state helpers: the sort keys of the standings,
// every team's overall place, the eight division rows with their tie-breaks,
// magic and elimination numbers, past seasons' finishers, the week and game
// indexes of the season's GAME records, result counts, the teams' play-style
// settings (team stat 10, the run/pass balance, and team stat 4, the defence
// alignment), the universe stats, the reset of the whole league block, and
// the owners' hall-of-fame file "ZrtFame.dat" read and written whole.
//
// Team values: 0-35 franchises, 36-40 the pools, NO_TEAM (128) none.
#pragma once

#include "league/league_data.h"

// The smallest standings key: a franchise slot not in use.
constexpr int UNUSED_TEAM_STANDINGS_KEY = -2147483647;
// The standings and division key of a club that sat out a regular season
// already over (added to the league after it): below every club that played.
constexpr int SAT_OUT_STANDINGS_KEY = UNUSED_TEAM_STANDINGS_KEY + 1;
// Get_Team_Division_Standing of a team that can no longer finish first.
constexpr int ELIMINATED_STANDING = -2147483647 - 1;
// Get_Team_Division_Place of a team found in no division row.
constexpr int NOT_IN_DIVISION_ROWS = -128;
// Get_Week_First_Game_Index of a week without game records.
constexpr int NO_GAME_INDEX = 301;
// Get_Season_Finisher_Team: the bracket pairs asked about, and "none".
constexpr int FINISHER_LEAGUE_0_FINAL = 24;
constexpr int FINISHER_LEAGUE_1_FINAL = 26;
constexpr int FINISHER_TITLE_GAME = 28;
constexpr int NO_FINISHER = 255;
// A finisher the season had but the league can no longer name: an erased
// club whose slot a new club has taken since. Pages write "a club since
// erased" for it.
constexpr int ERASED_FINISHER = 254;
constexpr const char* ERASED_CLUB_TEXT = "a club since erased";

// Count_Team_Results: the results counted and the filters. A filter below 36
// is an opponent slot; any value other than those below counts every game.
constexpr int RESULT_WINS = 0;
constexpr int RESULT_LOSSES = 4;
constexpr int RESULT_TIES = 8;
constexpr int RESULTS_AGAINST_DIVISION = 0x100;
constexpr int RESULTS_AGAINST_LEAGUE = 0x200;
constexpr int RESULTS_ALL_GAMES = 0x400;
constexpr int RESULTS_HOME_ONLY = 0x800;   // added to any of the above

// ---------------------------------------------------------------------------
// Universe stats and calendar


// The number of regular-season weeks, which is also the first playoff week
// (calendar day 0 of the standings area).
int Get_First_Playoff_Week();

// Month 0-11 of the current day: see league/calendar.h (Get_Current_Month).

// ---------------------------------------------------------------------------
// Playoff bracket

// Team in bracket slot 0-30; another slot is reported ("Invalid playoff slot
// in Get_Playoff_Team(%d)") and gives NO_TEAM.
int Get_Playoff_Team(int nSlot);
// Score of bracket slot 0-30; another slot is reported ("Invalid playoff slot
// in Get_Playoff_Score(%d)") and gives -128.
int Get_Playoff_Score(int nSlot);
// Store a slot's team (a franchise 0-35 or NO_TEAM) or score; a bad slot or
// team is reported and nothing is stored.
void Set_Playoff_Team(int nSlot, int nTeam);
void Set_Playoff_Score(int nSlot, int nScore);

// Byte statistic 1 of a player record: the championships he has won.
constexpr int BYTE_STAT_CHAMPIONSHIPS = 1;
// Championships + 1 in every one of the team's 100 player records, empty
// slots included (a count at 255 stays there). Franchises 0-35; another team
// is reported.
void Credit_Team_Championship(int nTeam);

// ---------------------------------------------------------------------------
// Results from the GAME records

// The number of leading GAME records that are over.
int Count_Game_Records();
// Is_Game_Over of GAME record 0-299; false for -1 (none) and, reported, for any
// other index.
bool Is_Game_Record_Final(int nGame);
// Finished games of the team among the season's regular-season records
// (the first min(teams x games per season / 2, Count_Game_Records())) that
// pass the filter; both teams must be different franchises. nResult
// RESULT_WINS, RESULT_LOSSES or RESULT_TIES (anything else counts nothing).
int Count_Team_Results(int nTeam, int nResult, int nFilter);
// Whether a club in use has no result in the regular season's GAME records
// although that season is over (the current week at or past the first
// playoff week, or the off-season): a club added after the season was
// played.
bool Sat_Out_Regular_Season(int nTeam);

// While at least one of these lives, the results that the keys and counts
// read are taken as they stood when the first was made: the GAME records are
// checked once, not on every read. Make one around many reads of keys (a
// seeding, a table); nothing may write a GAME record, a team's season
// record (wins, losses) or move a team to another division while it lives.
class RESULTS_HOLD {
public:
    RESULTS_HOLD();
    ~RESULTS_HOLD();
    RESULTS_HOLD(const RESULTS_HOLD&) = delete;
    RESULTS_HOLD& operator=(const RESULTS_HOLD&) = delete;
};

// Count_Team_Results read record by record from the GAME records, without
// the results kept between rebuilds: what the kept results are checked
// against. 0 for a team that is no franchise, without a report.
int Count_Team_Results_By_Scan(int nTeam, int nResult, int nFilter);
// true: every count reads the GAME records record by record (the slow way,
// for comparisons); false (the default): the kept results.
void Use_Direct_Result_Scan(bool bDirect);

// ---------------------------------------------------------------------------
// Standings keys and places

// The order of the league tables, larger is better: (W - L) x 10,000, a
// 4,000 bonus for beating without a loss every same-league team level on
// W - L, and 100 x the W - L against its own league. A slot not in use gives
// UNUSED_TEAM_STANDINGS_KEY, a team without games 0.
int Get_Team_Standings_Key(int nTeam);
// The order inside a division: (W - L) x 10,000, 1,000 x the head-to-head
// W - L against each division rival level on W - L, 100 x the W - L against
// the division and 1 x the W - L against the league.
int Get_Team_Division_Key(int nTeam);

// Writes every franchise's overall place (yearly int 2 of the current
// season, 0 the best). Once the season's title is decided the places stand
// as the season recorded them: nothing is written.
void Rank_Teams_By_Standings();
// Ranks all teams, then rebuilds the eight division rows.
void Clear_Standings_Order();
// Fills place p (0-12) of division row d (0-7).
void Set_Division_Place(int nDivision, int nPlace);

// Team at a place of a division row: the stored byte for the current
// season while it is played; for another season index, and for the current
// one once its title is decided, the season's clubs of the division (its
// clubs, in use or erased since, that played that season: a club added
// later has no place in it) ordered by that season's wins, then ties, then
// the place the season recorded (yearly byte 1), then slot. NO_TEAM for
// none or a refused argument.
int Get_Division_Place_Team(int nDivision, int nPlace, int nSeason);
// The number of places Get_Division_Place_Team fills for the division and
// season (Count_Division_Teams for the current season while it is played).
int Count_Season_Division_Teams(int nDivision, int nSeason);
// The team's place in the first division row that holds it;
// NOT_IN_DIVISION_ROWS (reported) when no row does.
int Get_Team_Division_Place(int nTeam);
// Division of a team: team stat 0 of a franchise in use, 8 for the pools
// 36-40, -128 for anything else.
int Get_Team_Division(int nTeam);
// Among the runners-up of league 0 or 1's divisions, the best by standings
// key (bSecond 0) or the second best (bSecond 1); NO_TEAM when the league
// has fewer than 3 divisions or there is no such team.
int Get_Best_Division_Runner_Up(int nLeague, int bSecond);
// Magic number (0 or more) of a division leader or of the best runner-up;
// for anyone else minus the games it may still lose, or ELIMINATED_STANDING.
int Get_Team_Division_Standing(int nTeam);
// true when a division leader or the best runner-up has a magic number of 0.
bool Has_Team_Clinched(int nTeam);
// The larger of the two leagues' numbers of divisions that hold a team.
int Count_Divisions();
// The n-th (from 0) team in use of league 0 or 1, in slot order; NO_TEAM
// when the league has no n-th team (a bad league is reported).
int Get_Nth_Team_In_Group(int nLeague, int n);
// The n-th (from 0) franchise in use of division 0-7, in slot order;
// NO_TEAM when there is none (a bad division is reported).
int Get_Nth_Team_In_Division(int nDivision, int n);

// Finisher of season (current - nSeasonsAgo): what FINISHER_LEAGUE_0_FINAL /
// FINISHER_LEAGUE_1_FINAL gives the winner (bWinner 1) or the loser (0) of
// that league's final, FINISHER_TITLE_GAME those of the final between the
// leagues, each from the finals the clubs' yearly records hold (in use or
// erased); ERASED_FINISHER for the side of a game played whose club can no
// longer be named, NO_FINISHER for anything else or a game not played. A
// season recorded before the finals were kept reads the finish codes: the
// champion (8), the runner-up (7) and each league's code-6 club, a league's
// finalist being the one of the champion and its league's code-7 club that
// is of that league (ERASED_FINISHER when only its opponent is found).
int Get_Season_Finisher_Team(int nWhat, int bWinner, int nSeasonsAgo);
// Whether the title of season index nSeason is decided: the game that fills
// the season's last bracket slot is booked (YEARLY_TITLE).
bool Is_Season_Title_Recorded(int nSeason);
// A finalist of season (current - nSeasonsAgo): with bWinner 1 the champion
// as the league hailed it (the club that filled the season's last bracket
// slot), with 0 the club it beat in that game: the final between the leagues, or with no
// such final the first league's. ERASED_FINISHER for a side whose club can
// no longer be named; NO_FINISHER while the title is not decided. Without
// the title in the yearly records (a game saved before it was kept there):
// the bracket for the season it holds, once that season is complete or in
// the off-season; the finish codes 8 and 7 for an earlier season.
int Get_Season_Finalist(int bWinner, int nSeasonsAgo);

// ---------------------------------------------------------------------------
// Weeks and their GAME records

// Index of the week's first GAME record: 0 for week 0, the smallest index of
// the week's schedule entries for a regular week (NO_GAME_INDEX when none).
// A playoff week whose entries name records is read the same way; one not
// played yet starts right after the records of the week before it.
int Get_Week_First_Game_Index(int nWeek);
// Games of a week: the teams whose schedule entry names a GAME record,
// halved; a playoff week not played yet counts the games its round of the
// bracket will play (none for a round the bracket skips), and one gone by
// without records counts none.
int Count_Week_Games(int nWeek);
// The first GAME of the week between two different franchises one of which
// is the team; nullptr when none.
GAME* Find_Team_Game_In_Week(int nWeek, int nTeam);
// That game's position within the week (-1 none) and its GAME index (-1 none).
int Get_Team_Game_Offset_In_Week(int nWeek, int nTeam);
int Get_Team_Game_Index_In_Week(int nWeek, int nTeam);

// ---------------------------------------------------------------------------
// League state

// Every team's division d becomes (d + 4) mod 8; the league names and the
// division rows follow.
void Swap_Leagues();
// Vital stat 6 := 22 for every player of every slot in use.
void Reset_Player_Field_To_22();

// The owners' hall-of-fame file, read and written whole; its layout and the
// services the program uses are in shell/owner_hall_of_fame.h.
constexpr const char* OWNER_HALL_OF_FAME_FILE = "ZrtFame.dat";
constexpr int OWNER_HALL_OF_FAME_SIZE = 23552;
constexpr int OWNER_LAST_GAME_PATH_OFFSET = 23280;
// Reads the whole record into pBuffer (OWNER_HALL_OF_FAME_SIZE bytes); true on
// success, false after "Could not open \"ZrtFame.dat\" for reading." ("File
// Error") when it is missing or short.
bool Read_Owner_Hall_Of_Fame(void* pBuffer);
// Writes the whole record back; true on success, false (logged) on failure, the
// old file then left as it was.
bool Write_Owner_Hall_Of_Fame(const void* pBuffer);

// ---------------------------------------------------------------------------
// Play styles

// Pass value minus run value of the team's healthy starters.
int Get_Team_Run_Pass_Value(int nTeam);
// Team stat 10 of every computer-run team from its run/pass value against
// the league's average (0-20, 10 for an average team).
void Set_Team_Stat_10_By_Strength();
// Team stat 10 := 10 for slots 0-31.
void Set_Team_Stat_10_Defaults();
// Team stat 4 from the depth at linebacker and defensive tackle.
void Choose_Team_Defense_Alignment(int nTeam);
void Choose_Computer_Defense_Alignments();
// The above, then the historical 3-4 teams by nickname or by slot.
void Set_Default_Defense_Alignments();
void Set_Default_Team_Styles();

// Whether a position (0-14) may fill depth-chart slot 0-26.
bool Can_Play_Depth_Slot(int nPosition, int nSlot);
