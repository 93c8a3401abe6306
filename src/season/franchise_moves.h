// Franchise moves, renamings and expansion clubs of the coming year.
//
// The outside league's history is a table of FRANCHISE_EVENT rows. Each row
// names the franchise it changes by "City,Nickname", so a row changes only a
// league whose clubs carry that name. Between seasons the off-season applies
// the rows of the coming year: first every change (kinds 1-12), then the new
// expansion clubs (kind 0) with their expansion draft.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int FRANCHISE_EVENT_TEXT_SIZE = 32;

// One row of the history, 140 bytes; all texts are zero-terminated.
struct FRANCHISE_EVENT {
    int32_t nYear;                                  // 0: the year the change takes effect
    int32_t nKind;                                  // 4: FRANCHISE_EVENT_KIND
    char szLeague[FRANCHISE_EVENT_TEXT_SIZE];       // 8: "AFL", "NFL", "AFC", "NFC" or ""
    char szTeam[FRANCHISE_EVENT_TEXT_SIZE];         // 40: "City,Nickname"
    char szAbbreviation[FRANCHISE_EVENT_TEXT_SIZE]; // 72: three letters or ""
    int32_t nDivision;                              // 104: division within the league, 0-3
    char szSecond[FRANCHISE_EVENT_TEXT_SIZE];       // 108: by kind (see below)
};
static_assert(sizeof(FRANCHISE_EVENT) == 140);
static_assert(offsetof(FRANCHISE_EVENT, nKind) == 4);
static_assert(offsetof(FRANCHISE_EVENT, szLeague) == 8);
static_assert(offsetof(FRANCHISE_EVENT, szTeam) == 40);
static_assert(offsetof(FRANCHISE_EVENT, szAbbreviation) == 72);
static_assert(offsetof(FRANCHISE_EVENT, nDivision) == 104);
static_assert(offsetof(FRANCHISE_EVENT, szSecond) == 108);

// What a row does; szSecond holds what the comment names.
enum FRANCHISE_EVENT_KIND : int {
    EVENT_EXPANSION = 0,        // new club (league, team, abbreviation, division; stadium)
    EVENT_MOVE = 1,             // new "City,Nickname"; new home city record
    EVENT_REFORMED = 2,         // disbanded and re-formed as "City,Nickname"; new home city record
    EVENT_NAME_CHANGE = 3,      // new "City,Nickname"; home city record unchanged
    EVENT_HOME_CITY = 4,        // a city: new home city record only, no message
    EVENT_NEW_STADIUM = 5,      // stadium
    EVENT_STADIUM_CHANGE = 6,   // stadium
    EVENT_STADIUM_NAME = 7,     // new name of the stadium
    EVENT_NEW_LEAGUE = 8,       // (none): a new league named by the league field
    EVENT_LEAGUE_NAME = 9,      // the league's new name
    EVENT_DIVISION_NAME = 10,   // the division's new name
    EVENT_DIVISION_NAME_B = 11, // the division's new name
    EVENT_REALIGNMENT = 12,     // (none): the club moves into (league, division)
    FRANCHISE_EVENT_KIND_COUNT = 13
};

// The built-in history and its length.
const FRANCHISE_EVENT* Get_Franchise_Events(int* pnCount);

// Applies every row of year nYear of kinds 1-12 of the built-in history, in
// table order. A row naming a club that is not in the league is skipped
// (kinds 8-11 name none). A league row changes only a league it fits: a
// new league only while no league has its name and there is room for one
// (with its news), a league or division renamed only when a league of the
// row's name exists and no other league, or division of the same league,
// has the new name; any other league row changes nothing and says nothing.
// A club is moved into a division only of a league of the row's name.
// A club renamed with an abbreviation another club has takes a free one,
// as a new club does (Set_Up_Expansion_Team). A change to a user-run club
// is asked as a Yes/No question and made only on Yes; a change to a
// computer-run club is shown as "League News" (nothing is shown while every
// club is computer-run). A move to a city without a city record takes a
// free record for the new city; when none is free the move is not made and
// the news says why.
void Apply_Franchise_Changes(int nYear);
// Adds the built-in history's expansion clubs of nYear that are not yet in
// the league and runs their expansion draft; then each is stocked with
// generated players and becomes computer-run. When the new clubs would not
// fit (no free franchise slot, no free city record, or a season whose games
// would not fit the GAME records) none is added, nothing changes and a
// message says why and what would fit.
void Run_League_Expansion(int nYear);

// The same two steps over a table of the caller's.
void Apply_Franchise_Changes_From(const FRANCHISE_EVENT* pEvents, int nEvents, int nYear);
// Returns the number of clubs added (0 when refused or none was due).
int Run_League_Expansion_From(const FRANCHISE_EVENT* pEvents, int nEvents, int nYear);

// League 0-1 whose name equals szName (letter case ignored); 0 when none does.
int Find_League_By_Name(const char* szName);

// A new club in the next free franchise slot: szTeam "City,Nickname" split at
// its first comma into team strings 1 and 2, the abbreviation (or, when
// another club has it, the first free one of its first two letters and a
// letter of the nickname, then of any letter) and stadium into strings 0
// and 3, the division into team stat 0, the city record of the
// city (a free record made for it when none has its name) into team stat 3,
// and controller 2 (a new franchise being set up). Returns the new club's
// slot, or -1 (nothing changed) when no franchise slot or city record is free.
int Set_Up_Expansion_Team(const char* szTeam, int nDivision, const char* szAbbreviation, const char* szStadium);

// The franchise in use whose name is szTeam ("City,Nickname" or "City
// Nickname"): the name lookup first, then city and nickname compared with the
// team strings (letter case ignored). NO_TEAM when none.
int Find_Event_Team(const char* szTeam);
