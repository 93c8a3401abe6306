// Players and clubs found by the names text files carry, and the rosters file.
//
// Player searches visit team slots 0-40 in order (a franchise slot only when
// in use) and roster slots 0-99, skipping empty slots. Player names compare
// without regard to case, and a text that does not start with a capital
// letter A-Z (a "*" or a digit marking the name) is compared from its second
// character. Club searches visit the franchises in use below the team count.
#pragma once

#include <string>

#include "league/player_lookup.h"

// The best-scoring player of that full name (500 + his overall grade; + 2000
// at the wanted position, else (75 - |position - wanted|) x 20; - 1000 on the
// other side of the ball, every candidate when the wanted position is above
// 14; + 5000 on the preferred team; an age below 20 costs 10 a year, above 40
// 2 a year); the first of equal scores stays. True when the best scored above
// 0; else *pOut is (NO_TEAM, NO_PLAYER).
bool Find_Player_By_Name(PLAYER_LOCATION* pOut, const char* szName, int nPreferredTeam, int nPosition);
// True only when exactly one player matches the full name, as it is or with
// the dots of his name, or of both, left out; *pOut holds the last match.
// Never writes into szName.
bool Find_Player_By_Full_Name(PLAYER_LOCATION* pOut, const char* szName);
// A club code: "FA" (any case) the free agents (36; the longer words for them
// are not codes); a franchise's own code (exact case); a former code through
// the alias pairs (any case); -1 for a known club that no longer exists;
// NO_TEAM for an empty text, one of five or more characters, or an unknown
// code, which with bReport is reported as "Unrecognized Team Abbreviation: %s".
int Find_Team_By_Abbreviation(const char* szText, int bReport);
// The first franchise whose full name is the text (commas read as blanks, any
// case); NO_TEAM when none.
int Find_Team_By_Full_Name(const char* szText);
// The full name; "Free Agents" 36 and "Retired" 41; else the franchise whose
// nickname is the text's third word (second or first when it has fewer);
// NO_TEAM when none.
int Find_Team_By_Name(const char* szText);
// A historic club name (a former name of a franchise) read as its name now,
// then Find_Team_By_Name; a non-empty name found nowhere is noted in the
// debug log. Never writes into the caller's text.
int Find_Team_By_Historic_Name(const char* szText);
// The first franchise whose nickname is the text (any case); NO_TEAM when none.
int Find_Team_By_Nickname(const char* szText);
// Writes "Output\\rosters.txt": per franchise its full name, its players'
// full names in roster order and an empty line; then "FREE AGENTS" and the
// free agents. The file is for the user to read: nothing reads it back.
// The old file stays until the new one is whole. A file that cannot be
// written is told once ("File Error") and gives false, with its name and the
// system's words in *pProblem (when given).
bool Output_Rosters_Text(std::string* pProblem = nullptr);
// The file it writes, as spelled in the program.
constexpr const char* ROSTERS_TEXT_FILE = "Output\\rosters.txt";
