// Offensive systems, defensive alignments and the season's offensive playbooks.

#include "engine/offensive_systems.h"

#include "base/int_math.h"
#include "base/text_utils.h"
#include "engine/playbook_files.h"
#include "engine/playbook_records.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "platform/errors.h"

namespace {

constexpr int SYSTEM_COUNT = 4;
constexpr int ALIGNMENT_COUNT = 2;
constexpr int KICKING_FORMATION_FIT = 750;
constexpr int UNKNOWN_OFFENSIVE_FIT = 750;
constexpr int UNKNOWN_DEFENSIVE_FIT = 500;
constexpr int LEAST_TEAM_FIT = 100;

constexpr const char* SYSTEM_PLAYBOOKS[SYSTEM_COUNT] = {"Default", "West Coast", "Double Tight End", "Two Back"};

// Eras before the systems: every team plays the era's book.
constexpr int OLD_SCHOOL_BEFORE = 1960;
constexpr int FEATURED_FB_BEFORE = 1978;
constexpr int SLOT_BOOKS_FROM = 2016;
// Marked slots play system 0 up to this year and system 1 after it.
constexpr int LAST_YEAR_OF_SYSTEM_0 = 2005;

// Default system of each team slot and its books for 2016, 2017,
// 2018-2019 and 2020 on.
struct SLOT_SYSTEM {
    int nSystem;
    bool bSystem1After2005;
    const char* szBook[4];
};
constexpr int SLOT_TABLE_SIZE = 32;
constexpr SLOT_SYSTEM SLOT_SYSTEMS[SLOT_TABLE_SIZE] = {
    {2, false, {"Single Back", "Single Back", "Single Back", "Single Back"}},  // 0
    {2, false, {"Single Back", "Single Back", "Single Back", "Single Back"}},  // 1
    {2, false, {"Single Back", "Single Back", "Running QB", "Single Back"}},  // 2
    {0, true, {"Smash Mouth", "Smash Mouth", "Smash Mouth", "Smash Mouth"}},  // 3
    {1, false, {"Running QB", "Running QB", "Running QB", "Running QB"}},  // 4
    {1, false, {"West Coast Scramble", "West Coast Scramble", "West Coast Scramble", "West Coast Scramble"}},  // 5
    {0, true, {"Smash Mouth", "Smash Mouth", "Smash Mouth", "Smash Mouth"}},  // 6
    {0, true, {"Smash Mouth", "Smash Mouth", "Smash Mouth", "Smash Mouth"}},  // 7
    {1, false, {"West Coast Scramble", "West Coast Scramble", "West Coast Scramble", "West Coast Scramble"}},  // 8
    {2, false, {"Single Back", "Single Back", "Single Back", "Single Back"}},  // 9
    {3, false, {"Air Tarrow", "Air Tarrow", "Air Tarrow", "Air Tarrow"}},  // 10
    {1, false, {"West Coast Scramble", "West Coast Scramble", "West Coast Scramble", "West Coast Scramble"}},  // 11
    {2, false, {"Single Back", "Single Back", "Single Back", "Single Back"}},  // 12
    {1, false, {"West Coast Scramble", "West Coast Scramble", "West Coast Scramble", "West Coast Scramble"}},  // 13
    {1, false, {"West Coast Scramble", "West Coast Scramble", "West Coast Scramble", "West Coast Scramble"}},  // 14
    {2, false, {"Single Back", "Single Back", "Single Back", "Single Back"}},  // 15
    {3, false, {"Single Back", "Air Tarrow", "Air Tarrow", "Pistol Scramble"}},  // 16
    {0, true, {"Pistol", "Single Back", "Single Back", "Air Tarrow"}},  // 17
    {2, false, {"Smash Mouth", "Pistol", "Pistol", "Single Back"}},  // 18
    {3, false, {"Single Back", "Smash Mouth", "Smash Mouth", "Pistol"}},  // 19
    {2, false, {"Air Tarrow", "Single Back", "Single Back", "Smash Mouth"}},  // 20
    {0, true, {"Single Back", "Air Tarrow", "Air Tarrow", "Running QB"}},  // 21
    {0, true, {"Smash Mouth", "Single Back", "Single Back", "Air Tarrow"}},  // 22
    {0, true, {"Pistol Scramble", "Smash Mouth", "Smash Mouth", "Single Back"}},  // 23
    {0, true, {"Pistol Scramble", "Pistol Scramble", "Pistol Scramble", "Smash Mouth"}},  // 24
    {3, false, {"Smash Mouth", "Pistol Scramble", "Pistol Scramble", "Pistol Scramble"}},  // 25
    {1, false, {"Air Tarrow", "Smash Mouth", "Smash Mouth", "Smash Mouth"}},  // 26
    {3, false, {"Running QB", "Running QB", "Running QB", "Running QB"}},  // 27
    {2, false, {"Pistol", "Pistol", "Pistol", "Pistol"}},  // 28
    {1, false, {"West Coast Scramble", "West Coast Scramble", "West Coast Scramble", "Pocket Passer"}},  // 29
    {0, true, {"Smash Mouth", "Smash Mouth", "Smash Mouth", "Smash Mouth"}},  // 30
    {0, true, {"Pistol Scramble", "Pistol Scramble", "Pistol Scramble", "Pistol Scramble"}},  // 31
};

// Offensive formations 0-21 by system 0-3, per mille.
constexpr int OFFENSIVE_FIT[LAST_OFFENSIVE_FORMATION + 1][SYSTEM_COUNT] = {
    {1500, 500, 600, 700},  // 0 "'I' Formation"
    {1750, 500, 600, 600},  // 1 "Strong 'I'"
    {700, 200, 200, 1800},  // 2 "Three-Back"
    {700, 400, 400, 2000},  // 3 "Pro Set"
    {700, 1000, 800, 600},  // 4 "Ace (Lone Setback)"
    {500, 900, 700, 500},  // 5 "Spread"
    {750, 750, 1000, 600},  // 6 "'H-Back'"
    {700, 750, 1000, 600},  // 7 "Double Tight End"
    {700, 1000, 800, 600},  // 8 "Shotgun"
    {500, 900, 700, 400},  // 9 "Shotgun Four"
    {250, 850, 500, 200},  // 10 "Shotgun Five"
    {800, 1000, 800, 600},  // 11 "Shotgun Protect"
    {700, 1000, 800, 600},  // 12 "Shotgun Trips"
    {700, 1000, 800, 600},  // 13 "Trips"
    {700, 1000, 800, 600},  // 14 "Trips Strong"
    {700, 1000, 800, 600},  // 15 "Shotgun Bunch"
    {500, 850, 700, 450},  // 16 "Five Wide"
    {700, 750, 1000, 600},  // 17 "Shotgun Two Tight Ends"
    {1000, 500, 600, 2000},  // 18 "Pistol"
    {700, 750, 700, 2000},  // 19 "Shotgun [3rd Down]"
    {850, 500, 1200, 1000},  // 20 "Goal Line"
    {550, 750, 1200, 400},  // 21 "Wildcat"
};

// Defensive formations 22-38 by alignment 0-1, per mille.
constexpr int DEFENSIVE_FIT[LAST_DEFENSIVE_FORMATION - FIRST_DEFENSIVE_FORMATION + 1][ALIGNMENT_COUNT] = {
    {1000, 100},  // 22 "4-3"
    {1000, 100},  // 23 "4-3 [3rd Down]"
    {1000, 100},  // 24 "6-1"
    {100, 1000},  // 25 "3-4"
    {100, 1000},  // 26 "3-4 [3rd Down]"
    {100, 1000},  // 27 "3-4 Eagle"
    {700, 300},  // 28 "5-2"
    {1000, 100},  // 29 "Forty-Six"
    {1000, 100},  // 30 "Nickel"
    {100, 1000},  // 31 "3-3-5"
    {100, 1000},  // 32 "33 Stack"
    {100, 1000},  // 33 "3-5-3"
    {1000, 100},  // 34 "Dime"
    {100, 1000},  // 35 "3-4 Dime"
    {300, 700},  // 36 "Prevent"
    {400, 600},  // 37 "4-4"
    {500, 500},  // 38 "Goal Line"
};

// Slots past the table (leagues of more than 32 teams) play like slots 0-3.
const SLOT_SYSTEM& Slot_System(int nTeam)
{
    return SLOT_SYSTEMS[nTeam % SLOT_TABLE_SIZE];
}

int Slot_System_Code(int nTeam, int nYear)
{
    const SLOT_SYSTEM& Slot = Slot_System(nTeam);
    return Slot.bSystem1After2005 && nYear > LAST_YEAR_OF_SYSTEM_0 ? 1 : Slot.nSystem;
}

}  // namespace

void Set_Team_Offensive_System()
{
    const int nYear = Get_Current_Year();
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        Set_Team_Stat(t, TEAM_STAT_OFFENSIVE_SYSTEM, Slot_System_Code(t, nYear));
        Load_Playbook_File(t, PLAYBOOK_OFFENSE, Get_Season_Offensive_Playbook_Name(t, nYear));
    }
}

int Get_Team_Default_Offensive_System(int nTeam)
{
    if (!In_Range(nTeam, 0, MAX_FRANCHISES - 1)) {
        Report_Error("nTeam out of bounds in %s([%d])", __func__, nTeam);
        return 0;
    }
    return Slot_System_Code(nTeam, Get_Current_Year());
}

void Get_Offensive_System_Playbook_Name(int nSystem, char* szName, size_t nSize)
{
    if (szName != nullptr && nSize > 0)
        Copy_From_Record_Field(szName, nSize, SYSTEM_PLAYBOOKS[In_Range(nSystem, 0, SYSTEM_COUNT - 1) ? nSystem : 0],
                               32);
}

const char* Get_Season_Offensive_Playbook_Name(int nTeam, int nYear)
{
    if (!In_Range(nTeam, 0, MAX_FRANCHISES - 1)) {
        Report_Error("nTeam out of bounds in %s([%d], %d)", __func__, nTeam, nYear);
        return SYSTEM_PLAYBOOKS[0];
    }
    if (nYear < OLD_SCHOOL_BEFORE)
        return "Old School";
    if (nYear < FEATURED_FB_BEFORE)
        return "Featured FB";
    if (nYear < SLOT_BOOKS_FROM)
        return SYSTEM_PLAYBOOKS[Slot_System_Code(nTeam, nYear)];
    const int nColumn = nYear == 2016 ? 0 : nYear == 2017 ? 1 : nYear <= 2019 ? 2 : 3;
    return Slot_System(nTeam).szBook[nColumn];
}

int Get_Offensive_Formation_System_Match(int nSystem, int nFormation)
{
    if (!In_Range(nSystem, 0, SYSTEM_COUNT - 1)) {
        Report_Error("Invalid nSystem in %s([%d], %d)", __func__, nSystem, nFormation);
        return UNKNOWN_OFFENSIVE_FIT;
    }
    if (In_Range(nFormation, 0, LAST_OFFENSIVE_FORMATION))
        return OFFENSIVE_FIT[nFormation][nSystem];
    if (In_Range(nFormation, PUNT_FORMATION, EXTRA_POINT_FORMATION))
        return KICKING_FORMATION_FIT;
    Report_Error("Invalid formation in Get_Offensive_Formation_System_Match(%d, [%d])", nSystem, nFormation);
    return UNKNOWN_OFFENSIVE_FIT;
}

int Get_Defensive_Formation_System_Match(int nAlignment, int nFormation)
{
    if (In_Range(nFormation, FIRST_DEFENSIVE_FORMATION, LAST_DEFENSIVE_FORMATION) &&
        In_Range(nAlignment, 0, ALIGNMENT_COUNT - 1))
        return DEFENSIVE_FIT[nFormation - FIRST_DEFENSIVE_FORMATION][nAlignment];
    Report_Error("Invalid formation in Get_Defensive_Formation_System_Match(%d, [%d])", nAlignment, nFormation);
    return UNKNOWN_DEFENSIVE_FIT;
}

int Get_Team_Offensive_System_Match(int nTeam, int nFormation)
{
    const int nSystem = In_Range(nTeam, 0, LAST_TEAM) ? Get_Team_Stat(nTeam, TEAM_STAT_OFFENSIVE_SYSTEM) : 0;
    const int nMatch = Get_Offensive_Formation_System_Match(nSystem, nFormation);
    if (nMatch < 0)
        Report_Error("Negative nMatch calculated by Get_Team_Offensive_System_Match()");
    return nMatch < LEAST_TEAM_FIT ? LEAST_TEAM_FIT : nMatch;
}
