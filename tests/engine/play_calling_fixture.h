// Shared fixture of the play-calling tests: both clubs are the hand-made club
// (league_fixture.h) with the default playbooks and run-pass balance 10; the
// home club has the ball at midfield, first and ten, with 10:00 left in the
// first quarter and three timeouts a side, the same eleven in the same places
// on both sides. The game has a context of its own, fresh for every test. A
// derived SetUp adds its own settings, then builds the matchup table and
// seeds the draws.
#pragma once

#include "engine/game_context.h"
#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "test_support.h"

class PlayCallingTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Set_Regular_Season_Weeks(17);
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2020;
        Set_User_Preference(PREF_SEASON_INDEX, 0);
        Set_User_Preference(PREF_GOAL_POSTS_ON_GOAL_LINE, 1);
        for (int t = 0; t < 2; ++t) {
            Build_Hand_Made_Club(t);
            Build_Team_Default_Playbook(t);
            Set_Team_Stat(t, TEAM_STAT_RUN_PASS_BALANCE, 10);
        }
        m_Game.nAwayTeam = 0;
        m_Game.nHomeTeam = 1;
        m_Game.nOffense = 1;
        m_Game.nClock = 600;
        m_Game.nTimeouts[0] = m_Game.nTimeouts[1] = 3;
        const uint8_t Offense[PLACES_ON_FIELD] = {0, 1, 2, 5, 3, 6, 10, 12, 14, 13, 11};
        const uint8_t Defense[PLACES_ON_FIELD] = {15, 17, 18, 16, 19, 20, 21, 23, 24, 25, 26};
        for (int p = 0; p < PLACES_ON_FIELD; ++p) {
            m_Game.nOnField[GAME_SIDE_HOME][p] = Offense[p];
            m_Game.nOnField[GAME_SIDE_AWAY][p] = Defense[p];
        }
        Set_Down(0, 10, 50);
    }

    void Set_Down(int nDown, int nToGo, int nYardLine)
    {
        m_Game.nDown = static_cast<uint32_t>(nDown);
        m_Game.nToGo = static_cast<int8_t>(nToGo);
        m_Game.nYardLine = static_cast<int8_t>(nYardLine);
    }

    GAME m_Game{};
    GAME_CONTEXT m_Context;
    GAME_CONTEXT_BINDING m_Binding{&m_Game, m_Context};
};
