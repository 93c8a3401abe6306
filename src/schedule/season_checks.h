// Checks made before a season's schedule is built or accepted: whether the
// season length suits the era's schedules, whether every team of a league
// got the same number of games, and whether the season fits the league's
// GAME records.
#pragma once

#include <cstddef>

// True when the games per season do not fit the era's schedules: fewer than
// 12 games, or 14 and more before 1961, or 16 and more before 1978. A value
// above 17 is stored back as 17 first.
bool Check_Season_Length_For_Era();

// True when every team in use has at least one game among weeks 0-17 and all
// teams of each league have the same number of them. An empty schedule, or
// one that leaves a team without games, never passes.
bool Check_Equal_Games_Per_League();

// ---------------------------------------------------------------------------
// GAME records: the regular season and the playoffs share the league's
// NUMBER_OF_GAMES records, so a season fits when
//   regular-season games + (playoff teams - 1) <= NUMBER_OF_GAMES,
// the regular season holding nTeams x nGames / 2 games (rounded up: with an
// odd product one club plays a game more).

// The GAME records the season needs.
int Count_Season_Game_Records_Needed(int nTeams, int nGames, int nPlayoffTeams);

// True when the season fits. Otherwise false, and szWhy (when not null)
// receives the refusal: what is needed, what exists, and by how much to lower
// the games per season or the number of teams.
bool Check_Season_Fits_Game_Records(int nTeams, int nGames, int nPlayoffTeams,
                                     char* szWhy, size_t nWhySize);

// Playoff teams of the league as it stands, as the playoffs seed them: per
// league holding clubs its divisions holding clubs plus the wild cards (not
// clamped to the stored range: 5 wild cards count 5), at most 8 and at most
// its teams.
int Count_League_Playoff_Teams();
// The same for a league whose division d holds anDivisionTeams[d] clubs
// (0-7; division d belongs to league d / 4) with nWildCards wild cards: the
// count for a change not yet made.
int Count_Playoff_Teams_Of_Structure(const int anDivisionTeams[8], int nWildCards);

// Check_Season_Fits_Game_Records for the league as it stands.
bool Check_League_Fits_Game_Records(char* szWhy, size_t nWhySize);
