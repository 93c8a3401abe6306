// A zeroed league in 2019 with helpers that place players through the record
// operations.
#pragma once

#include "league/player.h"
#include "league/preferences.h"
#include "league/random.h"
#include "league/team.h"
#include "league_fixture.h"
#include "season/player_generation.h"
#include "test_support.h"

class PlayerTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2019;
        League.Universe.nStat[INFLATION_FACTOR] = 1000;
        Reset_Name_Pool();
        Seed_Random_Numbers(12345);
    }

    // A cleared slot holding player nID at a position (a receiver unless
    // told), every rating 70.
    static PLAYER& Add_Player(int nTeam, int nSlot, int nID, int nPosition = POSITION_WR)
    {
        return Put_Player(nTeam, nSlot, nID, nPosition);
    }

    static void Set_Team_Not_In_Use(int nTeam) { League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE; }
};
