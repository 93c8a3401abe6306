// The expansion draft: new clubs (controller 2) take unprotected players of
// the other clubs, position by position, written to
// "Output/Expansion-Draft-<year>.csv".
#pragma once

// Vital stat 24's protection mark: the player cannot be taken.
constexpr int EXPANSION_PROTECTED_FLAG = 4;
// Controller of a new club being set up (team stat 2).
constexpr int CONTROLLER_NEW_FRANCHISE = 2;
// A new club takes no more players once it holds this many.
constexpr int EXPANSION_ROSTER_CAP = 70;
// Passes of the draft; a position is drafted in the first quota[q] of them.
constexpr int EXPANSION_DRAFT_PASSES = 10;

// Picks per position (QB .. P) of each new club: 57 in all.
extern const int EXPANSION_POSITION_QUOTA[15];

// The draft, in its fixed order: protection marks cleared, then set (per
// club the 11 offensive, 11 defensive and 2 kicking players from the first
// player of each side on in roster order; every player of a new club, and of
// the user's club when it is excluded), the taken counters cleared, the
// passes, and the messages. The source clubs' rosters are left compact.
void Run_Expansion_Draft();

// The best unprotected player at position nPosition for new club nNewTeam:
// score = trunc(trade worth / 2) + max(trunc(value to the new club / 2), 0)
// + 1000, divided by (taken + 1) once players were taken from his club; the
// first strictly highest score above 0 wins. Before 1970 only clubs of the
// new club's league are looked at. 1 with the club and slot, else 0.
int Choose_Expansion_Pick(int nNewTeam, int* pnSourceTeam, int* pnSourceSlot, int nPosition);

// The user's choice to keep his club out of the draft.
void Set_Expansion_Exclusion(bool bExclude);
bool Is_Expansion_Excluded();
// Players the draft has taken from club nTeam (0-35); 0 for another.
int Get_Expansion_Taken_Count(int nTeam);

// Whether the player carries the protection mark.
bool Is_Player_Protected(int nTeam, int nSlot);
