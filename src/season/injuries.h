// Injuries: who gets hurt on a play, for how long, healing week by week,
// suspensions, the injury names and the notice of a stopped run.
//
// A player's injury is vital stat 14 (the code, -1 none) with the weeks left
// in vital stat 15; he is injured exactly while the weeks are above 0.
#pragma once

#include <cstddef>
#include <cstdint>

// ---------------------------------------------------------------------------
// The injury table

constexpr int INJURY_CODE_COUNT = 200;
constexpr int NO_INJURY = -1;
constexpr int INJURY_HOLDOUT = 185;
// Codes below 180 are injuries; code / 60 is the body region (0 legs, 1 arms,
// 2 trunk and head, 3 absences).
constexpr int INJURY_REGION_SIZE = 60;
// The longest name and its terminator ("Suspension (Performance Enhancers)").
constexpr size_t INJURY_NAME_SIZE = 35;

struct INJURY_ENTRY {
    const char* szName;
    uint8_t nWeight;      // 0-4; 0 is never drawn at random
    uint8_t nMinWeeks;
    uint8_t nMaxWeeks;
};
extern const INJURY_ENTRY INJURY_TABLE[INJURY_CODE_COUNT];

// The sum of the squared weights of codes 0..nCode.
int Get_Injury_Cumulative_Weight(int nCode);

// The league settings Injury Frequency and Injury Severity, -100..+100 (0
// normal), kept as universe stats; a stored value outside the range reads as
// the nearest end.
constexpr int INJURY_FREQUENCY_STAT = 17;
constexpr int INJURY_SEVERITY_STAT = 18;
int Get_Injury_Frequency();
int Get_Injury_Severity();
void Set_Injury_Frequency(int nValue);
void Set_Injury_Severity(int nValue);

// ---------------------------------------------------------------------------
// A new injury

// Called by the engine for the player it picked on a play: 1 when he has just
// been hurt (vital stats 14 and 15 set), else 0. Draws, never allocates.
int Check_Player_Injury(int nTeam, int nSlot);
// A new random injury with its weeks and any lasting damage.
void Injure_Player(int nTeam, int nSlot);
int Choose_Injury_Code(int nTeam, int nSlot);
// nWhich 0 the minimum, 1 the maximum weeks; 0 for any code outside 0-199.
int Get_Injury_Weeks(int nCode, int nWhich);

// Stops the run after today when a user club's player misses at least the
// injury-contingency weeks (preference 55) further weeks, keeping his ID for
// the notice (preferences 210-214). The third argument carries nothing.
void Stop_Simulation_For_Injury(int nTeam, int nSlot, int nUnused, int nWeeks);
// The "Injury" box listing the pending players of preferences 210-214.
void Show_Injury_Notices();
// The same; the arguments are not used.
void Show_Injury_Notices(int nTeam, int nSlot);
// The text the notice shows (empty when nobody is pending); at most nSize - 1
// characters.
void Format_Injury_Notices(char* szOut, size_t nSize);

// ---------------------------------------------------------------------------
// Names

// Copies the code's name (at most nSize - 1 characters): "NO INJURY" for -1,
// "" for any other code outside 0-199. 1 when the copied text is not empty.
int Get_Injury_Name(int nCode, char* szBuffer, size_t nSize);
// "Healthy" when he has no weeks out, else the name of his injury.
void Get_Player_Health_Text(int nTeam, int nSlot, char* szBuffer, size_t nSize);
template <size_t N> int Get_Injury_Name(int nCode, char (&szBuffer)[N]) { return Get_Injury_Name(nCode, szBuffer, N); }
template <size_t N> void Get_Player_Health_Text(int nTeam, int nSlot, char (&szBuffer)[N]) { Get_Player_Health_Text(nTeam, nSlot, szBuffer, N); }
// The first code whose name matches without regard to case; 0 for an empty
// or missing text; an unknown text is reported ("Injury String Not Found: %s")
// and gives 0.
int Find_Injury_By_Name(const char* szName);

// ---------------------------------------------------------------------------
// Tests on a player's health

bool Is_Player_Injured(int nTeam, int nSlot);
bool Is_Player_Holding_Out(int nTeam, int nSlot);
// True for codes 180, 181, 182 and 184 (183 heals like an injury).
bool Is_Suspension_Code(int nCode);
// The weeks out from which a player is left off the depth chart: 19 in the
// off-season, 52 - week once the season is complete, else 1.
int Get_Sidelined_Threshold(int nWeek, bool bSeasonComplete);
// 1 when his weeks out are at least 1 and at least the threshold of today.
int Is_Player_Sidelined(int nTeam, int nSlot);

// ---------------------------------------------------------------------------
// Healing

// One week: the week counter (vital stat 6) rises; a suspension counts only
// in a week 0-21 in which his team plays.
void Heal_Player_Injury_Week(int nTeam, int nSlot);
// Every player of the franchises in use and of slots 36-40, one week.
void Heal_All_Injuries_One_Week();
void Heal_All_Injuries(int nWeeks);
void Clear_Suspensions_At_Season_End();
void Clear_Player_Injury(int nTeam, int nSlot);
