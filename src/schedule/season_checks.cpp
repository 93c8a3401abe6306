// Checks made before a season's schedule is built or accepted.

#include "schedule/season_checks.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"
#include "league/team_schedule.h"

namespace {

constexpr int SHORTEST_ERA_SEASON = 12;
constexpr int FIRST_YEAR_OF_14_GAMES = 1961;
constexpr int FIRST_YEAR_OF_16_GAMES = 1978;
constexpr int COUNTED_WEEKS = 18;               // 17 games and a bye
constexpr int MOST_PLAYOFF_TEAMS_PER_LEAGUE = 8;

int Count_Team_Games_In_Counted_Weeks(int nTeam)
{
    int nGames = 0;
    for (int w = 0; w < COUNTED_WEEKS; ++w) {
        if (Get_Team_Week_Home_Away(nTeam, w) != WEEK_NO_GAME)
            ++nGames;
    }
    return nGames;
}

int Playoff_Games(int nPlayoffTeams)
{
    return nPlayoffTeams > 1 ? nPlayoffTeams - 1 : 0;
}

}  // namespace

bool Check_Season_Length_For_Era()
{
    const int nGames = Get_Games_Per_Season();   // stores 17 back for a longer season
    if (nGames < SHORTEST_ERA_SEASON)
        return true;
    const int nYear = Get_Current_Year();
    return (nYear < FIRST_YEAR_OF_14_GAMES && nGames >= 14)
        || (nYear < FIRST_YEAR_OF_16_GAMES && nGames >= 16);
}

bool Check_Equal_Games_Per_League()
{
    const int nTeams = Count_Teams();
    if (nTeams <= 0)
        return false;
    // -1: no team of that league seen yet.
    int nLeagueGames[NUMBER_OF_LEAGUES + 1];
    std::fill(std::begin(nLeagueGames), std::end(nLeagueGames), -1);
    for (int t = 0; t < nTeams; ++t) {
        const int nGames = Count_Team_Games_In_Counted_Weeks(t);
        // A team without games means the schedule left it out: never a season.
        if (nGames == 0)
            return false;
        int nLeague = Get_Team_Stat(t, TEAM_STAT_DIVISION) / 4;
        if (nLeague < 0 || nLeague >= NUMBER_OF_LEAGUES)
            nLeague = NUMBER_OF_LEAGUES;   // a damaged division: a group of its own
        if (nLeagueGames[nLeague] < 0)
            nLeagueGames[nLeague] = nGames;
        else if (nLeagueGames[nLeague] != nGames)
            return false;
    }
    return true;
}

int Count_Season_Game_Records_Needed(int nTeams, int nGames, int nPlayoffTeams)
{
    const long long nProduct = static_cast<long long>(std::max(nTeams, 0)) * std::max(nGames, 0);
    const long long nNeeded = (nProduct + 1) / 2 + Playoff_Games(nPlayoffTeams);
    return static_cast<int>(std::min<long long>(nNeeded, 1000000000));
}

bool Check_Season_Fits_Game_Records(int nTeams, int nGames, int nPlayoffTeams,
                                     char* szWhy, size_t nWhySize)
{
    const int nNeeded = Count_Season_Game_Records_Needed(nTeams, nGames, nPlayoffTeams);
    if (nNeeded <= NUMBER_OF_GAMES)
        return true;
    if (szWhy == nullptr || nWhySize == 0)
        return false;
    // The smallest cut of either figure that makes the season fit (the
    // playoff games alone always fit, so both searches end).
    int nFewerGames = 1;
    while (nFewerGames < nGames
           && Count_Season_Game_Records_Needed(nTeams, nGames - nFewerGames, nPlayoffTeams) > NUMBER_OF_GAMES)
        ++nFewerGames;
    int nFewerTeams = 1;
    while (nFewerTeams < nTeams
           && Count_Season_Game_Records_Needed(nTeams - nFewerTeams, nGames, nPlayoffTeams) > NUMBER_OF_GAMES)
        ++nFewerTeams;
    std::snprintf(szWhy, nWhySize,
                  "A season of %d teams playing %d games each, with %d playoff teams, needs %d game "
                  "records; %d exist. Lower the games per season by %d or the number of teams by %d.",
                  nTeams, nGames, nPlayoffTeams, nNeeded, NUMBER_OF_GAMES, nFewerGames, nFewerTeams);
    return false;
}

int Count_Playoff_Teams_Of_Structure(const int anDivisionTeams[NUMBER_OF_DIVISIONS], int nWildCards)
{
    // As the playoffs seed them: every division holding a club sends its
    // winner, and the wild cards follow, at most 8 and at most the league's
    // clubs (a three-division league's 5 wild cards count 5).
    const int nWild = std::max(nWildCards, 0);
    int nPlayoffTeams = 0;
    for (int l = 0; l < NUMBER_OF_LEAGUES; ++l) {
        int nTeams = 0;
        int nDivisions = 0;
        for (int k = 0; k < 4; ++k) {
            const int n = std::max(anDivisionTeams[l * 4 + k], 0);
            nTeams += n;
            if (n > 0)
                ++nDivisions;
        }
        if (nTeams == 0)
            continue;
        nPlayoffTeams += std::min(std::min(nDivisions + nWild, MOST_PLAYOFF_TEAMS_PER_LEAGUE), nTeams);
    }
    return nPlayoffTeams;
}

int Count_League_Playoff_Teams()
{
    int anDivisionTeams[NUMBER_OF_DIVISIONS];
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        anDivisionTeams[d] = Count_Division_Teams(d);
    return Count_Playoff_Teams_Of_Structure(anDivisionTeams, Get_Universe_Stat(WILD_CARD_TEAMS));
}

bool Check_League_Fits_Game_Records(char* szWhy, size_t nWhySize)
{
    return Check_Season_Fits_Game_Records(Count_Teams(), Get_Games_Per_Season(),
                                          Count_League_Playoff_Teams(), szWhy, nWhySize);
}
