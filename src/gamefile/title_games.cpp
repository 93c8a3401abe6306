// The league's past: titles counted for each franchise, and the title-game
// text.

#include "gamefile/title_games.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"

namespace {

// Nicknames that stand for the same club in the champion lists.
const char* Canonical_Nickname(const char* szNickname)
{
    if (strcasecmp(szNickname, "Vazarudu Team") == 0 || strcasecmp(szNickname, "Commanders") == 0)
        return "Redskins";
    return szNickname;
}

bool Same_Club(const char* szNickname, const char* szListed)
{
    return szListed[0] != '\0' && strcasecmp(Canonical_Nickname(szNickname), Canonical_Nickname(szListed)) == 0;
}

// Seasons of a list from nFirst up to (not including) nEnd won by the club.
int Count_Listed(const char* const* pList, int nFirst, int nEnd, const char* szNickname)
{
    int n = 0;
    for (int y = nFirst; y < nEnd; ++y)
        n += Same_Club(szNickname, pList[y - nFirst]) ? 1 : 0;
    return n;
}

}  // namespace

bool Get_Title_Game_Record(int n, TITLE_GAME_RECORD* pRecord)
{
    const TITLE_GAME_RECORD* pRow = Get_Title_Game_Row(n);
    if (pRow == nullptr || pRecord == nullptr)
        return false;
    *pRecord = *pRow;
    return true;
}

void Count_Team_Titles()
{
    // The lists run to season 2022; later first seasons count them all.
    const int nEnd = std::min(Get_Universe_Stat(FIRST_SEASON_YEAR), LAST_TITLE_GAME_SEASON);
    const int nTeams = Count_Teams();
    for (int t = 0; t < nTeams && t < MAX_FRANCHISES; ++t) {
        char szNickname[TEAM_STRING_SIZE] = {};
        Get_Team_String(szNickname, t, TEAM_STRING_NICKNAME);
        const int nWins = Count_Listed(TITLE_GAME_WINNERS, FIRST_TITLE_GAME_SEASON, nEnd, szNickname);
        const int nTitles = Count_Listed(LEAGUE_CHAMPIONS, FIRST_LEAGUE_CHAMPION_SEASON, nEnd, szNickname) +
                            Count_Listed(SECOND_LEAGUE_CHAMPIONS, FIRST_SECOND_LEAGUE_CHAMPION_SEASON, nEnd, szNickname);
        Set_Team_Stat(t, TEAM_STAT_PRIOR_PLAYOFFS, nWins);
        Set_Team_Stat(t, TEAM_STAT_PRIOR_TITLES, nTitles);
    }
}

void Format_Title_Game_Number(int nSeason, char* szOut, size_t nOutSize)
{
    if (szOut == nullptr || nOutSize == 0)
        return;
    szOut[0] = '\0';
    int n = nSeason - FIRST_TITLE_GAME_SEASON + 1;
    if (n <= 0)
        return;
    static const struct {
        int nValue;
        const char* szDigits;
    } ROMAN[] = {{100, "C"}, {90, "XC"}, {50, "L"}, {40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    std::string Text;
    for (const auto& Digit : ROMAN) {
        while (n >= Digit.nValue) {
            Text += Digit.szDigits;
            n -= Digit.nValue;
        }
    }
    std::snprintf(szOut, nOutSize, "%s", Text.c_str());
}

void Format_Title_Game_Text(int nYear, char* szBuffer, size_t nBufferSize)
{
    if (szBuffer == nullptr || nBufferSize == 0)
        return;
    szBuffer[0] = '\0';
    if (nYear < FIRST_TITLE_GAME_SEASON)
        return;
    nYear = std::clamp(nYear, FIRST_TITLE_GAME_SEASON, LAST_TITLE_GAME_SEASON);
    TITLE_GAME_RECORD Game;
    if (!Get_Title_Game_Record(nYear - FIRST_TITLE_GAME_SEASON, &Game))
        return;
    char szNumber[16];
    Format_Title_Game_Number(nYear, szNumber, sizeof szNumber);
    if (nYear == LAST_TITLE_GAME_SEASON) {
        // The date without its sortable prefix: "February 4".
        const char* szDay = std::strchr(Game.szDate, ' ');
        std::snprintf(szBuffer, nBufferSize, "Super Bowl %s: %s,%s (%s,%s)", szNumber, Game.szStadium, Game.szCity,
                      Game.szState, szDay != nullptr ? szDay + 1 : Game.szDate);
        return;
    }
    char szPlace[2 * TEAM_STRING_SIZE + 8];
    std::snprintf(szPlace, sizeof szPlace, "%s, %s", Game.szStadium, Game.szCity);
    std::snprintf(szBuffer, nBufferSize, "Super Bowl %s: %s defeat %s (%s)", szNumber, Game.szWinner, Game.szLoser,
                  szPlace);
}
