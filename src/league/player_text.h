// Player display texts, measures derived from statistics and ratings, the
// season-statistic adders over rosters, the player counters and the
// predicted-statistics cache of Get_Player_Stat.
//
// Players are addressed by team 0-40 and roster slot 0-99. Every accessor
// checks both, reports a bad one and returns its failure value or stores
// nothing; setters ignore NO_TEAM silently.
#pragma once

#include <cstddef>
#include <cstdint>

#include "league/league_data.h"

// ---------------------------------------------------------------------------
// Names, IDs and colleges. Results are cut to the caller's buffer and always
// terminated; an unused slot or a team that holds no players gives "".

// "%c. %s": the first letter of the first name and the last name.
void Get_Player_Initial_Name(int nTeam, int nSlot, char* szOut, size_t nOutSize);
// The full name ("First Last"), or the initial form when the full name is
// FULL_NAME_SHORTENED_LENGTH characters or longer, for the narrow places a
// name is shown.
constexpr size_t FULL_NAME_SHORTENED_LENGTH = 25;
void Get_Player_Display_Name(int nTeam, int nSlot, char* szOut, size_t nOutSize);
// The college with five long names shortened for display.
void Get_Player_College_Short(int nTeam, int nSlot, char* szOut, size_t nOutSize);

template <size_t N> void Get_Player_Initial_Name(int nTeam, int nSlot, char (&szOut)[N]) { Get_Player_Initial_Name(nTeam, nSlot, szOut, N); }
template <size_t N> void Get_Player_College_Short(int nTeam, int nSlot, char (&szOut)[N]) { Get_Player_College_Short(nTeam, nSlot, szOut, N); }
template <size_t N> void Get_Player_Display_Name(int nTeam, int nSlot, char (&szOut)[N]) { Get_Player_Display_Name(nTeam, nSlot, szOut, N); }

// The statistics-database ID text of the player; "" for a team above 40 or a
// slot above 99. The text stays valid until the record changes.
const char* Get_Player_Corvel_ID_Text(int nTeam, int nSlot);
// Copies at most 11 characters and zero-fills the rest of the 12-byte field.
void Set_Player_Corvel_ID(int nTeam, int nSlot, const char* szID);

// ---------------------------------------------------------------------------
// Small readers and writers

// 16 for a defender, 17 for an offensive lineman, -1 otherwise.
int Get_Player_Group_Code(int nTeam, int nSlot);
// Vital stat 17 := vital stat 17 + nValue (held within the int32 range).
void Add_To_Player_Vital_Stat_17(int nTeam, int nSlot, int nValue);
// The player's 16-bit counter 0-5.
int Get_Player_Counter(int nTeam, int nSlot, int n);

// ---------------------------------------------------------------------------
// Measures (0-100)

// From predicted starts, last season's rushing yards, career yards per rush
// and weight.
int Get_Player_Estimated_Measure(int nTeam, int nSlot);
// From Run Blocking, Receiving, the estimated measure and the uniform number.
int Get_Player_Rated_Measure(int nTeam, int nSlot);
// Lowers a grade v when the predicted games and starts fall short of the
// season's games; else v unchanged.
int Apply_Small_Sample_Damping(int nTeam, int nSlot, int nValue);

// ---------------------------------------------------------------------------
// Season-statistic adders (statistics 0-19 of a period)

// Period nInto := nInto + nFrom, statistic by statistic; a kicker's
// statistics 5 and 18 (the longest kicks) keep the larger value.
void Add_Player_Season_Stats(int nTeam, int nSlot, int nInto, int nFrom);
// Add_Player_Season_Stats for every player of the franchises in use.
void Add_All_Players_Season_Stats(int nInto, int nFrom);
// Career := career - this season, for every player of every team holding players.
void Subtract_Season_0_From_Season_2();

// ---------------------------------------------------------------------------
// The predicted-statistics cache of Get_Player_Stat: one int per player of
// the 41 team slots for each code 100-154 and each code 200-239. It lives
// only while switched on; 0 means "not cached".

constexpr int CACHE_FIRST_RATE_CODE = 100;
constexpr int CACHE_LAST_RATE_CODE = 154;
constexpr int CACHE_FIRST_GRADE_CODE = 200;
constexpr int CACHE_LAST_GRADE_CODE = 239;

// Clears both tables and switches the cache on.
void Start_Predicted_Stat_Cache();
// Switches the cache off.
void Stop_Predicted_Stat_Cache();
// Clears both tables when the cache is on (roster swaps and moves call it:
// a cached value belongs to a slot, not to a player).
void Clear_Predicted_Stat_Cache();
bool Is_Predicted_Stat_Cache_On();
// true and the value when the cache is on and holds a non-zero value for the
// player and code; else false.
bool Find_Cached_Predicted_Stat(int nTeam, int nSlot, int nCode, int* pnValue);
// Stores a value while the cache is on (codes 100-154, 200-239).
void Store_Cached_Predicted_Stat(int nTeam, int nSlot, int nCode, int nValue);
