// The small league the page tests share: five clubs in three divisions of
// two leagues and a few hand-made finished games.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "league/league_fixture.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team_schedule.h"
#include "test_support.h"

constexpr int A = 0, B = 1, C = 2, D = 3, E = 4;

// League 0: division 0 (A, B, C) and division 1 (D); league 1: division 4 (E).
// Finished games, week by week (away, home, away score, home score):
//   week 0: A at B 21-14, C at D 13-20       week 1: B at A 10-17, E at C 3-3
//   week 2: C at B 6-7
// Records: A 2-0, B 1-2, C 0-2-1, D 1-0, E 0-0-1.
struct FIXTURE_GAME {
    int nAway, nHome, nAwayScore, nHomeScore, nWeek;
};
const FIXTURE_GAME GAMES[] = {
    {A, B, 21, 14, 0}, {C, D, 13, 20, 0}, {B, A, 10, 17, 1}, {E, C, 3, 3, 1}, {C, B, 6, 7, 2},
};

class PageLeagueTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Clear_League_Data();
        Set_Regular_Season_Weeks(17);
        League.Universe.nStat[GAMES_PER_SEASON] = 6;
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        const char* const NICKNAME[5] = {"Alphas", "Bravos", "Chargers", "Deltas", "Echoes"};
        const char* const ABBREVIATION[5] = {"ALP", "BRA", "CHA", "DEL", "ECH"};
        const int DIVISION[5] = {0, 0, 0, 1, 4};
        const int RECORD[5][3] = {{2, 0, 0}, {1, 2, 0}, {0, 2, 1}, {1, 0, 0}, {0, 0, 1}};
        for (int t = A; t <= E; ++t) {
            League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_COMPUTER;
            League.Team[t].nTeamStat[TEAM_STAT_DIVISION] = DIVISION[t];
            std::strcpy(League.Team[t].szString[TEAM_STRING_NICKNAME], NICKNAME[t]);
            std::strcpy(League.Team[t].szString[TEAM_STRING_ABBREVIATION], ABBREVIATION[t]);
            Set_Season_Record(t, 0, RECORD[t][0], RECORD[t][1], RECORD[t][2]);
        }
        Count_Teams();
        for (int t = A; t <= E; ++t)
            Clear_Scheduled_Games(t);
        Set_League_Abbreviation(0, "Old");
        Set_League_Abbreviation(1, "New");
        Set_Division_Name(0, "North");
        Set_Division_Name(1, "South");
        Set_Division_Name(4, "West");
        int n = 0;
        for (const FIXTURE_GAME& G : GAMES) {
            Put_Game(n, G.nAway, G.nHome, G.nAwayScore, G.nHomeScore, G.nWeek);
            ASSERT_TRUE(Schedule_Game(G.nHome, G.nAway, G.nWeek, 6, 1300));
            Set_Team_Schedule_Stat(G.nHome, G.nWeek, SCHEDULE_GAME_INDEX, n);
            Set_Team_Schedule_Stat(G.nAway, G.nWeek, SCHEDULE_GAME_INDEX, n);
            ++n;
        }
        // Week 3: A at home to C at 4:05 PM, not played yet.
        ASSERT_TRUE(Schedule_Game(A, C, 3, 6, 1605));
        League.Preferences.nInt[PREF_CURRENT_WEEK] = 3;
    }
};
