// The team record: accessors of League.Team[0-40] and the operations on whole
// records (erase, swap, compact, backup, free-agent moves).
//
// Team slots: 0-35 franchises (in use when team stat 2, the controller, is not
// -1), 36 the free-agent pool, 37 the hall of fame, 38-40 the college pools.
// NO_TEAM (128) means none. Every accessor checks its arguments, reports a bad
// one through Report_Error and returns 0 (or -1 where a slot is expected) or
// stores nothing.
#pragma once

#include <cstddef>

#include <cstdint>

#include "league/league_data.h"

// ---------------------------------------------------------------------------
// Codes

// Team stats (int32 [60]).
constexpr int TEAM_STAT_DIVISION = 0;          // 0-7; league = division / 4
constexpr int TEAM_STAT_TIME_ZONE = 1;         // 0 Pacific .. 3 Eastern
constexpr int TEAM_STAT_CONTROLLER = 2;        // -1 not in use, 0 computer, 1 user
constexpr int TEAM_STAT_CITY = 3;              // index into League.City
constexpr int TEAM_STAT_DEFENSE_ALIGNMENT = 4; // 0 "4-3", 1 "3-4"
constexpr int TEAM_STAT_OFFENSIVE_SYSTEM = 5;  // 0-3, see Find_Offense_Scheme
constexpr int TEAM_STAT_PRIOR_PLAYOFFS = 6;    // playoff seasons before the league's records
constexpr int TEAM_STAT_PRIOR_TITLES = 7;      // title seasons before the league's records
constexpr int TEAM_STAT_PICKS_TRADED = 8;      // draft picks traded away by a user team
constexpr int TEAM_STAT_PLAYOFF_SEED = 9;
constexpr int TEAM_STAT_RUN_PASS_BALANCE = 10; // 0-20, 10 for a new team
constexpr int TEAM_STAT_RED_ZONE = 12;         // red-zone flag of the current game

constexpr int CONTROLLER_NOT_IN_USE = -1;
constexpr int CONTROLLER_COMPUTER = 0;
constexpr int CONTROLLER_USER = 1;

// Team strings.
constexpr int TEAM_STRING_ABBREVIATION = 0;
constexpr int TEAM_STRING_CITY = 1;
constexpr int TEAM_STRING_NICKNAME = 2;
constexpr int TEAM_STRING_STADIUM = 3;
constexpr int TEAM_STRING_STADIUM_PHOTO = 4;   // picture "stadiums\\%s.jpg"
constexpr int TEAM_STRING_OWNER = 5;

// Stadium stats (int32 [20]).
constexpr int STADIUM_STAT_CAPACITY = 0;       // 55,000 for a new team

// Yearly record bytes (signed, 0-127).
constexpr int YEARLY_WINS = 0;
constexpr int YEARLY_DIVISION_PLACE = 1;       // 0 first: the place the season recorded
constexpr int YEARLY_LOSSES = 4;
constexpr int YEARLY_TIES = 8;
constexpr int YEARLY_HOME_WINS = 12;
constexpr int YEARLY_HOME_LOSSES = 16;
constexpr int YEARLY_HOME_TIES = 20;
constexpr int YEARLY_PLAYOFF_WINS = 24;
constexpr int YEARLY_PLAYOFF_LOSSES = 28;
constexpr int YEARLY_INT_FINISH = 3;           // the season's finish code
// The finals a club played in the season, written as each is booked: bits
// of the games of the first league's final (the game that fills bracket slot
// 28), the second league's (slot 29) and the final between the leagues
// (slot 30), each won or lost.
constexpr int YEARLY_FINALS = 2;
constexpr int FINALS_WON_LEAGUE_0 = 1;
constexpr int FINALS_LOST_LEAGUE_0 = 2;
constexpr int FINALS_WON_LEAGUE_1 = 4;
constexpr int FINALS_LOST_LEAGUE_1 = 8;
constexpr int FINALS_WON_FINAL = 16;
constexpr int FINALS_LOST_FINAL = 32;
// The season's title, written on every club of the season when the game
// that fills the season's last bracket slot is booked: the title is decided
// (every club), the game was the final between the leagues (every club),
// the club won it or lost it.
constexpr int YEARLY_TITLE = 3;
constexpr int TITLE_DECIDED = 1;
constexpr int TITLE_BY_FINAL = 2;
constexpr int TITLE_WON = 4;
constexpr int TITLE_LOST = 8;

// Returner kinds.
constexpr int RETURNER_KICKOFF = 0;
constexpr int RETURNER_PUNT = 1;

// Position group codes of the roster finders (not the expanded positions 16
// and 17, which are receivers).
constexpr int POSITION_GROUP_DEFENDER = 16;
constexpr int POSITION_GROUP_OFFENSIVE_LINE = 17;

// Sides of a position: 0 offence (QB-C), 1 defence (DE-S), 2 kickers (K, P).
constexpr int SIDE_OFFENSE = 0;
constexpr int SIDE_DEFENSE = 1;
constexpr int SIDE_KICKERS = 2;

// The size of a team record, for Backup_Team_Structure's buffer.
constexpr int TEAM_RECORD_SIZE = static_cast<int>(sizeof(TEAM));

// ---------------------------------------------------------------------------
// Slots in use

// true when the team holds players: 36-40, or a franchise slot in use.
// Inline: the game engine asks it many times a snap.
inline bool Is_Valid_Team(int nTeam)
{
    if (nTeam >= FREE_AGENT_TEAM && nTeam <= LAST_TEAM)
        return true;
    return nTeam >= 0 && nTeam < MAX_FRANCHISES &&
           League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER] != CONTROLLER_NOT_IN_USE;
}

// true for a franchise slot not in use that still holds a club's names: a
// club erased once it had played, which its seasons' records (the GAME
// records, the bracket, its yearly records) still name. Its slot stands
// behind the clubs in use until a new club needs it.
bool Is_Erased_Club(int nTeam);
// true for an erased club that a finished game of the GAME records names:
// its slot is not given to a new club while those games stand.
bool Is_Erased_Club_In_Game_Records(int nTeam);

// true for a franchise slot in use or an erased club: a club the season's
// games may name.
bool Is_Club_Of_Season(int nTeam);

// true for team 0-40. Otherwise reports "nTeam out of bounds in
// <function>([team])" and gives false: the check of the operations whose only
// index is a team.
bool Check_Team_Index(const char* szFunction, int nTeam);

// ---------------------------------------------------------------------------
// Team strings

// Copies string nString (0-7) into szOut (at least 32 bytes). Teams 36-40 give
// their fixed strings; a bad team gives "OUTOFRANGE", a bad nString "".
// Returns 1 on success, 0 on a refused argument.
int Get_Team_String(char* szOut, size_t nSize, int nTeam, int nString);
template <size_t N> int Get_Team_String(char (&szOut)[N], int nTeam, int nString)
{
    return Get_Team_String(szOut, N, nTeam, nString);
}

// Copies at most 31 characters into string nString of team 0-40, zero-filling
// the rest of the field. NO_TEAM is ignored.
void Set_Team_String(const char* szText, int nTeam, int nString);

// ---------------------------------------------------------------------------
// Team stats

int Get_Team_Stat(int nTeam, int nStat);
void Set_Team_Stat(int nTeam, int nStat, int nValue);

// Team stat 2 of every franchise slot below Count_Teams.
void Set_All_Teams_Controller(int nValue);

// Case-insensitive lookup of a scheme name; 0 (the first) when not found.
int Find_Defense_Scheme(const char* szName);
int Find_Offense_Scheme(const char* szName);

// ---------------------------------------------------------------------------
// Stadium stats (getter team 0-40, setter team 0-36; n 0-19)

int Get_Team_Stadium_Stat(int nTeam, int n);
void Set_Team_Stadium_Stat(int nTeam, int n, int nValue);

// ---------------------------------------------------------------------------
// Yearly records (year index = season index, preference 22). The readers
// read a club in use and an erased club (its seasons as played); any other
// slot reads 0.

int Get_Team_Yearly_Char(int nTeam, int nYear, int n);
int Get_Team_Current_Yearly_Char(int nTeam, int n);
void Set_Team_Yearly_Char(int nTeam, int nYear, int n, int nValue);
void Set_Team_Record_Char(int nTeam, int n, int nValue);

int Get_Team_Yearly_Int(int nTeam, int nYear, int n);
void Set_Team_Yearly_Int(int nTeam, int nYear, int n, int nValue);
void Set_Team_Record_Int(int nTeam, int n, int nValue);

// ---------------------------------------------------------------------------
// Returners (kind 0 kick-offs, 1 punts)

void Set_Team_Returner(int nTeam, int nKind, int nSlot);
// The stored slot when its player is a back, receiver, tight end or defensive
// back; otherwise a new returner is chosen (Choose_Team_Returner). 0 on a
// refused argument or when the team has no player.
int Get_Team_Returner(int nTeam, int nKind);

// ---------------------------------------------------------------------------
// Roster finders (positions 0-14; 15-42 expanded; 16 any defender, 17 any
// offensive lineman)

int Count_Team_Position_Players(int nTeam, int nPosition);
// Team below 255: the roster count (position -1) or Count_Team_Position_Players;
// team 255: the same summed over every team below Count_Teams.
int Count_Position_Players(int nTeam, int nPosition);
int Count_Team_Side_Players(int nTeam, int nSide);
int Count_Team_Available_Position_Players(int nTeam, int nPosition);
int Find_Team_Position_Player(int nTeam, int nPosition, int n);
int Get_Team_Uninjured_Position_Player(int nTeam, int nPosition, int n);

// The n-th player of the league over the teams below Count_Teams in slot
// order. Returns 1 and fills team and slot, or 0 with
// NO_TEAM / NO_PLAYER after a report.
int Get_N_Universe_Player(int n, int* pnTeam, int* pnSlot);

int Find_Last_Team_Side_Player(int nTeam, int nSide);
// The first slot holding a player of the side; when none, a new player of the
// side is made in the first empty slot. 100 when the roster is full, -1 on a
// refused argument.
int Get_Or_Create_Team_Side_Player(int nTeam, int nSide);
int Count_Players_By_Last_Initial(int cLetter);

// ---------------------------------------------------------------------------
// Whole records

// Erases franchise slot nTeam. With bKeepPlayers 0 its players move to the
// free-agent pool first (asking when the pool lacks room); otherwise they are
// not moved and go with the zeroed record. A club that has played (a
// finished game of the GAME records, or a season's results in its yearly
// records) keeps in its slot what its seasons' pages read of it: its eight
// strings, its division, its yearly records and its team totals (an erased
// club, Is_Erased_Club), so that its seasons are still told as played. True
// when erased, false when refused or cancelled.
bool Erase_Team(int nTeam, int bKeepPlayers);

// Exchanges two whole team records and every team reference to them.
void Swap_Teams(int nTeamA, int nTeamB);

// Exchanges the team numbers nTeamA and nTeamB wherever the league block
// stores a team number outside the two records themselves.
void Remap_Team_References(int nTeamA, int nTeamB);

// Two franchise slots to exchange.
struct TEAM_PAIR {
    int nTeamA;
    int nTeamB;
};

// Does what Swap_Teams does for each pair in turn, with each record moved
// once and the league's team references renamed in one pass.
void Swap_Teams_In_Turn(const TEAM_PAIR* pPairs, int nPairs);

// Moves unused franchise slots behind the ones in use.
void Compact_Team_Slots();

// Moves the player in (nTeam, nSlot) to the free-agent pool; a full pool
// first lets its weakest player go, and when that frees no slot the move is
// refused (-1, nothing changed). Returns his pool slot after the pool is
// re-ranked (-1 if the ranking released him). Team 36 is left alone.
int Find_Free_Agent_Slot(int nTeam, int nSlot);

// Copies the whole record of team 0-36 into pBuffer (TEAM_RECORD_SIZE bytes).
// true on success, false on a refused team.
bool Backup_Team_Structure(void* pBuffer, int nTeam);

// Zeroes slots 0-35 with controller -1, then zeroes 36-40.
void Clear_All_Teams();
// Zeroes one record and sets its controller to -1 (NO_TEAM ignored).
void Clear_Team(int nTeam);

// Calls f(team, slot) for every player (ID not 0) of every team in use:
// the franchises in use and slots 36-40. The repairs of a load walk the
// league this way.
template <typename F> void For_Each_Player_In_Use(F f)
{
    for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
        if (!Is_Valid_Team(t))
            continue;
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (League.Team[t].Player[s].nVital[0] != 0)   // vital stat 0: the player ID
                f(t, s);
        }
    }
}

// Makes the viewed team (preference 28) a franchise in use or one of the
// pools 36-40 again after teams were erased or moved.
void Fix_Current_Team_Selection();

// ---------------------------------------------------------------------------
// Playbook areas

// The raw playbook area of team 0-40: side 0 the offensive area
// (OFFENSIVE_PLAYBOOK_SIZE bytes), 1 the defensive area
// (DEFENSIVE_PLAYBOOK_SIZE). A bad team or side is reported and gives null.
uint8_t* Get_Team_Playbook_Area(int nTeam, int nSide);
