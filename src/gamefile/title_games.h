// The league's past before the first season a new game plays: the title
// games from season 1966 and the champions of both leagues, each franchise's
// titles counted from them, and the title-game text the new-game dialog and
// the pages show.
#pragma once

#include <cstddef>

constexpr int FIRST_TITLE_GAME_SEASON = 1966;
constexpr int LAST_TITLE_GAME_SEASON = 2023;   // its game is not yet played
constexpr int FIRST_LEAGUE_CHAMPION_SEASON = 1920;
constexpr int FIRST_SECOND_LEAGUE_CHAMPION_SEASON = 1960;

// One title game. The date text is a zero digit, the date as
// year-month-day, a blank, the month name and the day ("01967-01-08
// January 8"); the year text is the calendar year the game was played in.
struct TITLE_GAME_RECORD {
    const char* szDate;
    const char* szYear;
    const char* szWinner;   // full franchise names; "" for a game to come
    const char* szLoser;
    const char* szStadium;
    const char* szCity;
    const char* szState;
};

// Row n (0 = season 1966) of the table; null outside it.
const TITLE_GAME_RECORD* Get_Title_Game_Row(int n);
// Copies row n (0 = season 1966) into *pRecord; false (nothing copied)
// outside the table.
bool Get_Title_Game_Record(int n, TITLE_GAME_RECORD* pRecord);

// Nicknames by season, empty when nobody won: title-game winners from 1966,
// league champions from 1920 and second-league champions from 1960, each
// up to season 2022.
extern const char* const TITLE_GAME_WINNERS[];
extern const char* const LEAGUE_CHAMPIONS[];
extern const char* const SECOND_LEAGUE_CHAMPIONS[];

// Team stat 6 of every franchise := its title-game wins, team stat 7 := its
// championships of either league, in the seasons before the first season's
// year (at most up to 2023). Nicknames compare without case; "Vazarudu
// Team" and "Commanders" count as "Redskins".
void Count_Team_Titles();

// The roman number of the title game of a season ("I" for 1966); "" before.
void Format_Title_Game_Number(int nSeason, char* szOut, size_t nOutSize);

// "" before 1966. Otherwise, the year held to 1966..2023: for 2023 the game
// to come, "Super Bowl %s: %s,%s (%s,%s)" (number, stadium, city, state,
// date); before it "Super Bowl %s: %s defeat %s (%s)" (number, winner,
// loser, the place as "stadium, city").
void Format_Title_Game_Text(int nYear, char* szBuffer, size_t nBufferSize);
