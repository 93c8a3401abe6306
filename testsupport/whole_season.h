// A whole season of the 32-club fixture league run through the day advance:
// the league gets eight divisions of four in two leagues, three wild cards
// a league and the inter-league final, the season starts with a schedule of
// the league's own generator, and each phase (regular season, playoffs,
// off-season up to the next season's first day) is one call of the day
// advance, as the Play menu's "Through Playoffs" makes it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "season_fixture.h"
#include "league/league_structure.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"
#include "season/day_advance.h"
#include "season/offseason.h"
#include "season/playoffs.h"

namespace whole_season {

constexpr int PLAYOFF_TEAMS_PER_LEAGUE = 7;   // four division winners, three wild cards

// Club t's abbreviation, city and nickname ("T07", "City 7", "Club 7").
inline void Name_Club(int t)
{
    char szText[32];
    std::snprintf(szText, sizeof szText, "T%02d", t);
    Set_Team_String(szText, t, TEAM_STRING_ABBREVIATION);
    std::snprintf(szText, sizeof szText, "City %d", t);
    Set_Team_String(szText, t, TEAM_STRING_CITY);
    std::snprintf(szText, sizeof szText, "Club %d", t);
    Set_Team_String(szText, t, TEAM_STRING_NICKNAME);
}

// The fixture league from nSeed, made ready for a season of the day advance:
// computer clubs only, nothing shown, and day 0 of the first season with its
// schedule.
inline void Build_League(uint32_t nSeed)
{
    season_fixture::Build_Season_League(nSeed);
    static const char* const DIVISIONS[] = {"East", "North", "South", "West"};
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        Set_Division_Name(d, DIVISIONS[d % 4]);
    Set_League_Abbreviation(0, "AC");
    Set_League_Abbreviation(1, "NC");
    for (int t = 0; t < season_fixture::SEASON_TEAMS; ++t) {
        Set_Team_Stat(t, TEAM_STAT_DIVISION, t / 4);
        Name_Club(t);
        // Ages of 22 to 30 and contracts of one to four more years, so that
        // an off-season keeps most players and lets some contracts run out.
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
            if (Get_Player_Vital_Stat(t, s, VITAL_PLAYER_ID) == 0)
                continue;
            Set_Player_Vital_Stat(t, s, VITAL_BIRTH_DATE, (1990 + (t * 7 + s) % 9) * 10000 + 615);
            Set_Player_Vital_Stat(t, s, VITAL_CONTRACT_YEARS_LEFT, 1 + (t + s) % 4);
            Set_Player_Vital_Stat(t, s, VITAL_CONTRACT_LENGTH, 4);
            Set_Player_Vital_Stat(t, s, VITAL_SALARY, 1000);
        }
    }
    Set_Universe_Stat(WILD_CARD_TEAMS, PLAYOFF_TEAMS_PER_LEAGUE - 4);
    Set_Universe_Stat(INFLATION_FACTOR, 1000);
    Set_Universe_Word(INTER_LEAGUE_FINAL_WORD, 1);
    Set_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD, 0);
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 0);
    Set_Universe_Word(DAY_ADVANCE_BUSY_WORD, 0);
    Set_User_Preference(PREF_SIMULATION_RUNNING, 0);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Set_User_Preference(PREF_AUTO_SAVE, 0);
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    Set_Game_Pages_Enabled(false);
    Start_Season(0);
}

// The team in the season's last bracket slot (the final's winner), NO_TEAM
// before it is played.
inline int Get_Champion()
{
    return Get_Playoff_Team(PLAYOFF_CHAMPION_SLOT);
}

// One line a team (wins, losses, ties, points for and against from the
// season's GAME records), then the champion: what a season's result is.
inline std::string Season_Summary()
{
    std::string Text;
    char szLine[96];
    for (int t = 0; t < season_fixture::SEASON_TEAMS; ++t) {
        std::snprintf(szLine, sizeof szLine, "%d %d-%d-%d\n", t, Count_Team_Results(t, RESULT_WINS, RESULTS_ALL_GAMES),
                      Count_Team_Results(t, RESULT_LOSSES, RESULTS_ALL_GAMES),
                      Count_Team_Results(t, RESULT_TIES, RESULTS_ALL_GAMES));
        Text += szLine;
    }
    long nPoints = 0;
    int nGames = 0;
    for (int g = 0; g < NUMBER_OF_GAMES; ++g) {
        const GAME* pGame = Get_Game_Record(g);
        if (!Is_Game_Record_Final(g))
            continue;
        ++nGames;
        nPoints += pGame->nScore[GAME_SIDE_AWAY] + pGame->nScore[GAME_SIDE_HOME];
    }
    std::snprintf(szLine, sizeof szLine, "games %d points %ld champion %d\n", nGames, nPoints, Get_Champion());
    Text += szLine;
    return Text;
}

}  // namespace whole_season
