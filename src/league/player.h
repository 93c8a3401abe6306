// The player record: accessors, roster operations, position tables and ratings.
//
// A player is addressed by a team slot (0-40; NO_TEAM = 128) and a roster
// slot (0-99; NO_PLAYER = 255). Rosters are compact: the first slot whose
// player ID (vital stat 0) is 0 ends the roster. Every accessor checks its
// arguments, reports a bad one through Report_Error and returns its failure
// value; getters may write repairs back into the record while reading.
#pragma once

#include <cstddef>
#include <cstdint>

#include "league/league_data.h"
#include "league/team.h"

// ---------------------------------------------------------------------------
// Codes

// Base positions 0-14; 15 means any position in several lists.
enum PLAYER_POSITION : int {
    POSITION_QB = 0,
    POSITION_RB = 1,
    POSITION_FB = 2,
    POSITION_TE = 3,
    POSITION_WR = 4,
    POSITION_T = 5,
    POSITION_G = 6,
    POSITION_C = 7,
    POSITION_DE = 8,
    POSITION_DT = 9,
    POSITION_LB = 10,
    POSITION_CB = 11,
    POSITION_S = 12,
    POSITION_K = 13,
    POSITION_P = 14,
    POSITION_ANY = 15,
};
constexpr int NUMBER_OF_EXPANDED_POSITIONS = 43;   // 0-14 base, 15-42 depth-chart places

// Depth-chart places that special rules look at.
constexpr int EXPANDED_SPECIAL_TEAMS = 19;
constexpr int EXPANDED_LONG_SNAPPER = 25;

// Position units.
constexpr int UNIT_BACKS = 0;          // backs and receivers (with the quarterback)
constexpr int UNIT_LINE = 1;           // offensive line
constexpr int UNIT_DEFENSE = 2;
constexpr int UNIT_KICKERS = 3;
constexpr int UNIT_QUARTERBACK = 4;    // Get_Player_Position_Unit's answer for position 0
// Sides (0 offence, 1 defence, 2 kickers) are SIDE_* of league/team.h.

// VITAL_STAT codes (stored 0-25, computed 100-102).
enum VITAL_STAT_CODE : int {
    VITAL_PLAYER_ID = 0,
    VITAL_POSITION = 1,
    VITAL_HEIGHT = 2,
    VITAL_WEIGHT = 3,
    VITAL_BIRTH_DATE = 5,          // YYYYMMDD
    VITAL_WEEK_COUNTER = 6,        // +1 each healing week; 0 on signing, 22 in an empty slot
    VITAL_CAP_HIT = 7,             // dollars, from the salary table
    VITAL_SEASONS_PLAYED = 8,
    VITAL_CAREER_VALUE = 9,        // sum of the imported season lines' values
    VITAL_SIGNING_BONUS = 10,      // thousands
    VITAL_SALARY = 11,             // thousands per year
    VITAL_CONTRACT_YEARS_LEFT = 12,
    VITAL_DRAFTED_BY = 13,         // (team + 1) x 10000 + draft year
    VITAL_INJURY = 14,             // -1 none, 185 holdout
    VITAL_INJURY_WEEKS = 15,
    VITAL_DRAFT_PICK = 16,         // round x 100000 + overall pick, -1 none
    VITAL_CAREER_GAMES_AND_STARTS = 17, // imported games plus games started
    VITAL_PHOTO_NAMING = 18,       // 0 full name, 256 ID text
    VITAL_LONGEVITY = 19,          // hall of fame: induction year
    VITAL_POTENTIAL = 20,          // hall of fame: vote percentage
    VITAL_PEAK_START = 21,
    VITAL_PEAK_END = 22,
    VITAL_LAST_SEASON_VALUE = 23,  // value of the last complete season
    VITAL_FLAGS = 24,
    VITAL_CONTRACT_LENGTH = 25,
    VITAL_CAP_CHARGE = 100,        // computed: salary-cap charge of the year, thousands
    VITAL_SCALED_CAP_CHARGE = 101, // computed: code 100 scaled to the current cap
    VITAL_PRORATED_BONUS = 102,    // computed: code 10 / code 25
};

// Ratings 0-26 (stored) and 27-30 (combined, computed).
enum PLAYER_RATING : int {
    RATING_HEALTH = 0,
    RATING_DURABILITY = 1,
    RATING_ACCURACY = 2,
    RATING_DISTANCE = 3,
    RATING_CONTROL = 4,
    RATING_RED_ZONE = 5,
    RATING_MOBILITY = 6,
    RATING_SPEED = 7,
    RATING_POWER = 8,
    RATING_QUICKNESS = 9,
    RATING_VISION = 10,
    RATING_RECEIVING = 11,
    RATING_HANDS = 12,
    RATING_KICK_RETURNS = 13,
    RATING_PUNT_RETURNS = 14,
    RATING_PASS_BLOCKING = 15,
    RATING_RUN_BLOCKING = 16,
    RATING_DISCIPLINE = 17,
    RATING_RUN_DEFENSE = 18,
    RATING_PASS_RUSH = 19,
    RATING_PASS_COVERAGE = 20,
    RATING_TURNOVERS = 21,
    RATING_TACKLING = 22,
    RATING_FG_ACCURACY = 23,
    RATING_FG_DISTANCE = 24,
    RATING_PUNT_ACCURACY = 25,
    RATING_PUNT_DISTANCE = 26,
    RATING_COMBINED_RUSHING = 27,
    RATING_COMBINED_RECEIVING = 28,
    RATING_COMBINED_PASSING = 29,
    RATING_COMBINED_BLOCKING = 30,
};

constexpr float MINIMUM_RATING = 20.0f;
constexpr float RATING_STORAGE_BOUND = 1000.0f;
// A quarterback, back or receiver slower than this is raised (the whole
// part + 40 for a receiver, + 30 for the others).
constexpr float LOW_BACK_SPEED = 40.0f;

// Byte statistics 0-3 sit in the first block, 4-19 in the second.
constexpr int PLAYER_BYTE_STAT_COUNT = 20;
constexpr int BYTE_STAT_UNIFORM = 0;
constexpr int BYTE_STAT_DEPTH_SLOT = 2;

// Text field sizes (bytes, with the NUL) and buffers that hold any result.
constexpr size_t PLAYER_LAST_NAME_SIZE = 20;
constexpr size_t PLAYER_FIRST_NAME_SIZE = 12;
constexpr size_t PLAYER_CORVEL_ID_SIZE = 12;
constexpr size_t PLAYER_COLLEGE_SIZE = 24;
constexpr size_t PLAYER_FIRST_NAME_TEXT_SIZE = 20;   // a completed long first name
constexpr size_t PLAYER_NAME_TEXT_SIZE = 48;         // full name or "Last, First"

// ---------------------------------------------------------------------------
// Address check shared by the player accessors

// true for team 0-40 and slot 0-99. Otherwise reports "nTeam out of bounds in
// <function>([team],slot)" or "nSlot out of bounds in <function>(team,[slot])"
// and gives false.
bool Check_Player_Address(const char* szFunction, int nTeam, int nSlot);

// ---------------------------------------------------------------------------
// Record operations

// Zeroes the record, then sets its 30 season-line links and current line to -1.
void Clear_Player(int nTeam, int nSlot);
// Copies the whole record, season-line links included (the copy shares the lines).
void Copy_Player(int nDestTeam, int nDestSlot, int nSrcTeam, int nSrcSlot);
void Copy_Player_To_Memory(PLAYER* pBuffer, int nTeam, int nSlot);
void Copy_Player_From_Memory(int nTeam, int nSlot, const PLAYER* pBuffer);
// Exchanges two whole records, moving same-team returners and refreshing a
// watched game's line-ups.
void Swap_Players(int nTeamA, int nSlotA, int nTeamB, int nSlotB);

// true when the team holds players, the slot is 0-99 and its player ID is not 0.
// Inline: the game engine asks it many times a snap.
[[gnu::always_inline]] inline bool Is_Player_Slot_Used(int nTeam, int nSlot)
{
    return nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM &&
           Is_Valid_Team(nTeam) && League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID] != 0;
}
// The roster length (first empty slot, or 100); 0 for a team not in use.
int Count_Team_Players(int nTeam);
// The same for team 0-40 without any check: the team need not be in use.
int Find_Roster_End(int nTeam);
// The first empty slot 0-99, or -1.
int Find_Empty_Player_Slot(int nTeam);
// Moves every empty slot after the players.
void Compact_Team_Roster(int nTeam);
// Erases the player's season lines, clears the slot and closes the gap.
void Remove_Player_From_Roster(int nTeam, int nSlot);
// Clears the slot and closes the gap; the season lines are kept.
void Shift_Roster_Over_Slot(int nTeam, int nSlot);
// Adler-32 (started at 0) of the record of the player with this ID; 0 when
// there is none.
uint32_t Get_Player_Checksum(int nPlayerID);

// ---------------------------------------------------------------------------
// Names and texts. Results are cut to the caller's buffer size and always
// NUL-terminated; the array forms take the size from the array.

void Set_Player_Last_Name(int nTeam, int nSlot, const char* szName);
void Set_Player_First_Name(int nTeam, int nSlot, const char* szName);
// Stores the college with every "&" turned into "+"; the caller's text is left alone.
void Set_Player_College(int nTeam, int nSlot, const char* szCollege);

// Whether a last name is stored (none is filled in); false after a report for
// a bad address.
bool Has_Player_Last_Name(int nTeam, int nSlot);
// An empty stored last name is replaced by a random one and stored.
void Get_Player_Last_Name(int nTeam, int nSlot, char* szOut, size_t nOutSize);
// An empty stored first name is replaced from the name cache (else "John") and stored.
void Get_Player_First_Name_Filled(int nTeam, int nSlot, char* szOut, size_t nOutSize);
// As Get_Player_First_Name_Filled, then completes a long name cut at 11 characters.
void Get_Player_First_Name(int nTeam, int nSlot, char* szOut, size_t nOutSize);
// "First Last"; "INVALID-TEAM" or "INVALID-PLAYER" (reported) for a bad address.
void Get_Player_Full_Name(int nTeam, int nSlot, char* szOut, size_t nOutSize);
void Get_Player_Full_Name_Copy(int nTeam, int nSlot, char* szOut, size_t nOutSize);
// "Last, First"; "" for a bad address.
void Get_Player_Name_Last_First(int nTeam, int nSlot, char* szOut, size_t nOutSize);
void Get_Player_College(int nTeam, int nSlot, char* szOut, size_t nOutSize);
void Get_Player_Corvel_ID(int nTeam, int nSlot, char* szOut, size_t nOutSize);
// Returns the position code; fills szOut (may be null) with its abbreviation,
// "Any" for 15, "" otherwise.
int Get_Player_Position_Name(char* szOut, size_t nOutSize, int nTeam, int nSlot);

template <size_t N> void Get_Player_Last_Name(int nTeam, int nSlot, char (&szOut)[N]) { Get_Player_Last_Name(nTeam, nSlot, szOut, N); }
template <size_t N> void Get_Player_First_Name_Filled(int nTeam, int nSlot, char (&szOut)[N]) { Get_Player_First_Name_Filled(nTeam, nSlot, szOut, N); }
template <size_t N> void Get_Player_First_Name(int nTeam, int nSlot, char (&szOut)[N]) { Get_Player_First_Name(nTeam, nSlot, szOut, N); }
template <size_t N> void Get_Player_Full_Name(int nTeam, int nSlot, char (&szOut)[N]) { Get_Player_Full_Name(nTeam, nSlot, szOut, N); }
template <size_t N> void Get_Player_Full_Name_Copy(int nTeam, int nSlot, char (&szOut)[N]) { Get_Player_Full_Name_Copy(nTeam, nSlot, szOut, N); }
template <size_t N> void Get_Player_Name_Last_First(int nTeam, int nSlot, char (&szOut)[N]) { Get_Player_Name_Last_First(nTeam, nSlot, szOut, N); }
template <size_t N> void Get_Player_College(int nTeam, int nSlot, char (&szOut)[N]) { Get_Player_College(nTeam, nSlot, szOut, N); }
template <size_t N> void Get_Player_Corvel_ID(int nTeam, int nSlot, char (&szOut)[N]) { Get_Player_Corvel_ID(nTeam, nSlot, szOut, N); }
template <size_t N> int Get_Player_Position_Name(char (&szOut)[N], int nTeam, int nSlot) { return Get_Player_Position_Name(szOut, N, nTeam, nSlot); }

// ---------------------------------------------------------------------------
// Vital statistics, ages and draft data

// Stored codes 0-25 (repairing potential and peak start) and computed 100-102.
int Get_Player_Vital_Stat(int nTeam, int nSlot, int nCode);
// Vital stat VITAL_INJURY_WEEKS, as Get_Player_Vital_Stat gives it; inline for
// the game engine, which asks on every credited statistic.
inline int Get_Player_Injury_Weeks(int nTeam, int nSlot)
{
    if (nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM)
        return League.Team[nTeam].Player[nSlot].nVital[VITAL_INJURY_WEEKS];
    return Get_Player_Vital_Stat(nTeam, nSlot, VITAL_INJURY_WEEKS);
}
// Stored code 0-25 exactly as it is in the record, repairing nothing: for the
// code that builds a new player step by step. 0 after a report for a bad
// team, slot or code.
int Get_Player_Stored_Vital_Stat(int nTeam, int nSlot, int nCode);
// Stores stored code 0-25; seasons played (code 8) is kept at most 30. A bad
// team, slot or code is reported and nothing is stored.
void Set_Player_Vital_Stat(int nTeam, int nSlot, int nCode, int nValue);
// A count per team that moves whenever Set_Player_Vital_Stat stores into
// one of its players: a figure of a roster's contracts kept for a while (a
// payroll) still holds while its team's count stands. 0 for a bad team.
unsigned Get_Team_Vital_Changes(int nTeam);
// -1 for slot 255, else vital stat 0 (0 after a report for a bad address).
// The engine looks players up by ID on every credited statistic and line-up
// change: a sound address is answered here, anything else by Read_Player_ID,
// which has every check and case.
int Read_Player_ID(int nTeam, int nSlot);
inline int Get_Player_ID(int nTeam, int nSlot)
{
    if (nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM)
        return League.Team[nTeam].Player[nSlot].nVital[VITAL_PLAYER_ID];
    return Read_Player_ID(nTeam, nSlot);
}
// Current year - birth year.
int Get_Player_Age(int nTeam, int nSlot);
// Age in whole years on the current day of the season.
int Get_Player_Exact_Age(int nTeam, int nSlot);
// Byte statistic 0-19; 0 for any other n.
int Get_Player_Byte_Stat(int nTeam, int nSlot, int n);
// Stores byte statistic 0-19 (the low 8 bits of nValue); a bad address or n
// is reported and nothing is stored.
void Set_Player_Byte_Stat(int nTeam, int nSlot, int n, int nValue);

// ---------------------------------------------------------------------------
// Positions

// Expanded codes 15-42 to their base position; codes below 15 unchanged;
// anything else shows "Unhandled Parameter" and gives -1.
int Translate_Expanded_Position(int nExpandedPosition);
// Unit / side of a position code (expanded codes translated); -1 otherwise.
int Get_Position_Unit(int nPosition);
int Get_Position_Side(int nPosition);
// Roster quota of a base position (they add up to 53); 0 otherwise.
int Get_Position_Quota(int nPosition);
// Vital stat 1, 0 for a bad address.
int Read_Player_Position(int nTeam, int nSlot);
// The position; a bad address is reported by the long read and gives 0.
[[gnu::always_inline]] inline int Get_Player_Position(int nTeam, int nSlot)
{
    if (nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM)
        return League.Team[nTeam].Player[nSlot].nVital[VITAL_POSITION];
    return Read_Player_Position(nTeam, nSlot);
}
// The unit of his position, but 4 for position 0.
// Get_Player_Position_Unit without the inline shortcut below: every check and case.
int Read_Player_Position_Unit(int nTeam, int nSlot);

// The units of the base positions (Get_Position_Unit), a quarterback as 4.
constexpr int BASE_POSITION_EVENT_UNIT[NUMBER_OF_POSITIONS] = {UNIT_QUARTERBACK, 0, 0, 0, 0, 1, 1, 1,
                                                               2,                2, 2, 2, 2, 3, 3};

// The game engine asks every place on the field for his unit when it draws
// who made a play: a sound address holding a base position is answered here.
[[gnu::always_inline]] inline int Get_Player_Position_Unit(int nTeam, int nSlot)
{
    if (nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM) {
        const int nPosition = League.Team[nTeam].Player[nSlot].nVital[VITAL_POSITION];
        if (nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS)
            return BASE_POSITION_EVENT_UNIT[nPosition];
    }
    return Read_Player_Position_Unit(nTeam, nSlot);
}
// The plain unit of his position (a quarterback gives 0).
int Get_Player_Unit(int nTeam, int nSlot);
int Get_Player_Side(int nTeam, int nSlot);
// true for RB, FB, TE, WR, CB and S.
bool Is_Player_Back_Or_Receiver(int nTeam, int nSlot);
// true when he is among the first quota players of his position on his club.
bool Is_Player_Within_Position_Quota(int nTeam, int nSlot);

// ---------------------------------------------------------------------------
// Ratings

// Stores ratings 0-26 of teams 0-40, slots 0-99 (a magnitude above 1000 is
// reported and stored all the same).
void Set_Player_Rating(int nTeam, int nSlot, int nRating, float fValue);
// Ratings 0-26 with their repairs (written back), combined ratings 27-30.
// Inline for the game engine's many reads: a stored rating that needs no
// repair is returned as it is; anything else (a bad index, a repair, a
// combined rating) takes the full rule, Read_Player_Rating.
float Read_Player_Rating(int nTeam, int nSlot, int nRating);
inline float Get_Player_Rating(int nTeam, int nSlot, int nRating)
{
    if (nTeam >= 0 && nTeam < TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM && nRating >= 0 &&
        nRating < NUMBER_OF_RATINGS) {
        const float fValue = League.Team[nTeam].Player[nSlot].fRating[nRating];
        // Not NaN, not below the floor, and no health or durability above
        // 120 (those are rebuilt from the record).
        if (fValue >= MINIMUM_RATING && (fValue <= 120.0f || (nRating != RATING_HEALTH && nRating != RATING_DURABILITY)))
            return fValue;
    }
    return Read_Player_Rating(nTeam, nSlot, nRating);
}
// A count that moves whenever a stored rating is set or repaired league-wide
// (not by a read's own repair, which reads the same after): what keeps
// ratings for a while compares it to know they still hold.
extern unsigned g_nPlayerRatingChanges;
inline unsigned Get_Player_Rating_Changes()
{
    return g_nPlayerRatingChanges;
}
// Every rating may have changed at once (the league block replaced).
inline void Note_All_Player_Ratings_Changed()
{
    ++g_nPlayerRatingChanges;
}
// Default of ratings 0-26; 0 otherwise.
float Get_Default_Rating(int nRating);
// The overall rating at his own position.
float Get_Player_Overall_Rating(int nTeam, int nSlot);
// The same; below 25 the ratings are regenerated first.
float Get_Player_Overall_Or_Regenerate(int nTeam, int nSlot);
// The overall at position nPosition; below 25 (ratings never made) the
// ratings are regenerated first.
float Get_Position_Overall_Or_Regenerate(int nTeam, int nSlot, int nPosition);
// Moves every rating but Speed until the overall reaches fTarget (50-95).
void Scale_Player_To_Overall(int nTeam, int nSlot, float fTarget);
// Every stored rating of every slot held to the storage bound (|value| at
// most RATING_STORAGE_BOUND; NaN becomes the default): run on a loaded league
// before anything reads it.
void Hold_Player_Ratings_To_Storage_Range();
// The storage bound held as above; then NaN and too-low ratings of every
// player of every team in use raised (blocking rebuilt from speed and power,
// never below MINIMUM_RATING).
void Repair_Player_Ratings();
// Repair_Player_Ratings for one player (nothing for an empty slot).
void Repair_One_Player_Ratings(int nTeam, int nSlot);
// A quarterback, back or receiver (positions 0-4) whose speed is below
// LOW_BACK_SPEED gets its whole part + 40 (a receiver) or + 30; the speed is
// read with its repairs first. Every load does this to every player.
void Raise_Low_Player_Speed(int nTeam, int nSlot);
// Both repairs of a load, in the load's order, for one player: what a load
// would do to him is done as he is made or rated, so that a save and a
// resume leave him as he was. Every place that sets a player's ratings ends
// with it, once the draws that depend on his ratings are taken.
void Settle_Player_Ratings(int nTeam, int nSlot);

// ---------------------------------------------------------------------------
// Repairs run on a loaded league

// Birth years giving an age outside 17-100 become current year - 22.
void Repair_Player_Birth_Dates();
// Heights and weights of 0 are generated.
void Fill_Missing_Player_Measures();
