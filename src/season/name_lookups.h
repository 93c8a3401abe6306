// Players and clubs found by name, and the rosters file.
#pragma once

#include "league/player_lookup.h"

// The best-scoring player for a name (preferring a club and a position);
// true when a candidate scored above 0.
bool Find_Player_By_Name(PLAYER_LOCATION* pOut, const char* szName, int nPreferredTeam, int nPosition);
// True only when exactly one player matches the full name.
bool Find_Player_By_Full_Name(PLAYER_LOCATION* pOut, const char* szName);
// Club lookups; NO_TEAM when none.
int Find_Team_By_Abbreviation(const char* szText, int bReport);
int Find_Team_By_Full_Name(const char* szText);
int Find_Team_By_Name(const char* szText);
// A historic club name (a former name of a franchise) read without changing
// the caller's text.
int Find_Team_By_Historic_Name(const char* szText);
int Find_Team_By_Nickname(const char* szText);
// "Output\\rosters.txt".
void Output_Rosters_Text();
