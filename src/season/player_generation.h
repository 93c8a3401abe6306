// Making players: names from the name lists, college, age and birth date,
// height and weight for the position and the era, development values,
// unique IDs, uniform numbers, ratings, the acceptance band of random
// rookies, veterans and players fitted to a quality threshold.
#pragma once

#include <cstddef>
#include <cstdint>

// ---- Name pool ("names\\first.txt", "names\\last.txt", one name a line) -------
//
// Two caches of 100 names (first names of 12 bytes, last names of 20) in
// process memory only. A cache is refilled by one forward pass through its
// file with random skips, then shuffled. The files' line counts are
// preferences 92 and 93; a count of 0 or less is taken from the file at the
// refill and stored.

constexpr int NAME_CACHE_SIZE = 100;
constexpr int FIRST_NAME_CACHE_SIZE = NAME_CACHE_SIZE;
constexpr size_t CACHED_FIRST_NAME_SIZE = 12;
constexpr size_t CACHED_LAST_NAME_SIZE = 20;
extern const char* const DEFAULT_FIRST_NAME;   // "John"
extern const char* const DEFAULT_LAST_NAME;    // "Smith"
extern const char* const FIRST_NAME_FILE;      // "names\\first.txt"
extern const char* const LAST_NAME_FILE;       // "names\\last.txt"

// Refill a cache from its file (an unreadable file: the "File Error" box and
// the cache stays as it was).
void Pick_Random_First_Name();
void Pick_Random_Last_Name();
// Moves the first non-empty cached name into szOut and returns true; false
// (and an empty szOut) when the cache is empty.
bool Take_Cached_First_Name(char* szOut, size_t nOutSize);
// A last name from the cache (refilled when empty), DEFAULT_LAST_NAME when none.
void Get_Random_Last_Name(char* szOut, size_t nOutSize);
// Empties both caches and lets a name file that cannot be opened be
// reported again (tests and a change of list use it). An unreadable file is
// reported once a run, not at every refill.
void Reset_Name_Pool();
// The bytes read from the name files so far in this run: a list that stays
// as it was is read once, whatever the number of refills.
long long Name_List_Bytes_Read();
// First and last name of the player from the caches ("John" / "Smith" when none).
void Make_Random_Player_Name(int nTeam, int nSlot);

// ---- Colleges -------------------------------------------------------------------

constexpr int COLLEGE_COUNT = 121;
// The college of index 0-120 (clamped), '&' written as '+'.
const char* Get_College_Name(int nIndex);
void Assign_Random_College(int nTeam, int nSlot);

// ---- Ratings ----------------------------------------------------------------------

// Draws all 27 ratings anew for the player's position (vital stat 1): 42 to
// 48 draws in a fixed order.
void Generate_Player_Ratings(int nTeam, int nSlot);
// The default ratings of the player's position (imported players without
// ratings); a position outside 0-14 leaves them alone.
void Set_Default_Player_Ratings(int nTeam, int nSlot);
// Whether rating 0-26 counts for position 0-14 (the depth-slot rule).
bool Does_Rating_Apply(int nPosition, int nRating);
// Every rating his position has raised (fAdjustment > 0) or lowered by one
// fraction between -1 and 1, each by its weight in the weighted form. A
// fraction outside -1..1 is reported and held to -1 or 1.
void Modify_Player_Ratings(int nTeam, int nSlot, int bWeighted, float fAdjustment);
// A veteran of nPosition aged 21-32, his ratings declined by fFactor, on a
// one-year minimum contract and with no credited seasons.
void Create_Veteran_Player(int nTeam, int nSlot, int nPosition, float fFactor);
// Veterans of nPosition until one's overall exceeds 70 - 11 x fFactor (at
// most 501, the later ones declined more), else the last scaled to it.
void Fit_Player_Ratings_To_Target(int nTeam, int nSlot, int nPosition, float fFactor);
// Vital stat 0 := a new unique ID (the player editor).
void Assign_New_Player_Id(int nTeam, int nSlot);
// 1 while he serves a suspension (codes 180-182, 184 with weeks left).
int Is_Player_Suspended(int nTeam, int nSlot);

// ---- Measures, ages and numbers -------------------------------------------

// Average height (inches, randomly rounded: one draw) and weight (pounds) of
// a position 0-14 in the current season, interpolated between 1971 and
// 2006; 0 for another position.
// The same average rounded to the nearest inch, without a draw: for the
// figures a page reads, which must not move the league's random numbers.
int Get_Typical_Player_Height(int nPosition);
int Get_Average_Player_Height(int nPosition);
int Get_Average_Player_Weight(int nPosition);
// Average height +/- 6 inches.
int Generate_Player_Height(int nPosition);
// The average weight scaled by the square of his height over the average
// height, then by 1000 +/- 69 per mille.
int Generate_Player_Weight(int nTeam, int nSlot);
// Vital stat 5 := a random day of the year (current year - nAge).
void Set_Random_Birth_Date(int nTeam, int nSlot, int nAge);
// Development rates and ages (vital stats 19-22) from the position.
void Set_Development_Values(int nTeam, int nSlot);
// A positive player ID that nobody holds.
int Make_Unique_Player_Id(int nTeam, int nSlot);
// A uniform number 1-99 drawn for a position (1-100 outside 0-14).
int Get_Random_Uniform_Number(int nPosition);
// 1 when n is 0 or a player of the team wears n.
int Is_Uniform_Number_Taken(int nTeam, int nNumber);
void Assign_Uniform_Number(int nTeam, int nSlot);
// The overall a pool slot's prospect is made near: 82, 81, 81, then 80 - k / 10.
int Get_Pool_Rank_Target(int nTeam, int nSlot);

// ---- Whole players ----------------------------------------------------------------

// Makes a player of nPosition (a base position 0-14 or an expanded code) in
// the slot, up to 10,000 tries (20 when the same tuning, year and kind of
// club has failed every try before: the notice says so once); nHistory
// non-zero also gives him generated
// past seasons (nHistory is their year offset).
void Fabricate_Position_Player(int nTeam, int nSlot, int nPosition, int nHistory);
// The same in the team's first free slot; returns that slot, -1 when the
// roster is full.
int Fabricate_Player_In_Free_Slot(int nTeam, int nPosition, int nHistory);
// One try: 1 when the player is accepted, 0 when he must be made again.
int Generate_Random_Player(int nTeam, int nSlot, int nPosition, int nHistory);
// 1 when a random rookie is too good for the league's draft talent.
int Is_Random_Rookie_Rejected(int nTeam, int nSlot);
// Contract and injury figures, a new ID and development values.
void Init_Draft_Class_Player(int nTeam, int nSlot);
void Init_Random_Player_Vitals(int nTeam, int nSlot);
// A slot without a player: contract figures 0 and vital stat 6 at 22.
void Reset_Unused_Player_Slot(int nTeam, int nSlot);

// ---- The prospect class of 2023 (optional data) ----------------------------------
//
// Record k belongs to pool player k = (pool - 38) x 100 + slot. Without a
// class (the shipped default) those slots get random rookies.

constexpr int PROSPECT_CLASS_SIZE = 277;
constexpr int PROSPECT_CLASS_YEAR = 2023;
struct PROSPECT_RECORD {
    char szFirstName[64];
    char szLastName[64];
    int32_t nPosition;          // base position or expanded code
    char szCollege[64];
    int32_t nHeight;            // inches
    int32_t nWeight;            // pounds
    int32_t nBirthMonth;
    int32_t nBirthDay;
    int32_t nBirthYear;
    int32_t nSeasonsMarker;     // -1 to -3
    int32_t nUnused;
    double f40YardTime;
};
static_assert(sizeof(PROSPECT_RECORD) == 232);
constexpr const char* PROSPECT_CLASS_FILE = "Input\\Prospects-2023.dat";

// Uses nCount records (at most 277) as the class; 0 records: no class.
void Set_Prospect_Class(const PROSPECT_RECORD* pRecords, int nCount);
// Reads the class from a file of 232-byte records; returns the count read
// (0 when the file is missing or empty).
int Load_Prospect_Class(const char* szPath);
// The record of pool player k when a class is present, else null.
const PROSPECT_RECORD* Get_Prospect_Record(int k);
