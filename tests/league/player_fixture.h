// A zeroed league in 2019 with helpers that place players through the record
// operations, and a table check of refused calls.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "league/player.h"
#include "league/preferences.h"
#include "base/random.h"
#include "league/team.h"
#include "league/league_fixture.h"
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

// Each call reports exactly one error whose newest line holds the message (a
// null message: the call reports nothing), and the league is unchanged after
// them all.
using REFUSED_CALL = std::pair<std::function<void()>, const char*>;
inline void Expect_Refused(std::initializer_list<REFUSED_CALL> Calls)
{
    LEAGUE_SNAPSHOT Before;
    for (const REFUSED_CALL& Call : Calls) {
        Reset_Error_Count();
        Call.first();
        const std::string Recent = Get_Recent_Errors();
        if (Call.second == nullptr) {
            EXPECT_EQ(Get_Error_Count(), 0) << Recent;
            continue;
        }
        EXPECT_EQ(Get_Error_Count(), 1) << Call.second;
        EXPECT_NE(Recent.substr(0, Recent.find('\n')).find(Call.second), std::string::npos)
            << "wanted " << Call.second << "\n got " << Recent;
    }
    Reset_Error_Count();
    EXPECT_TRUE(Before.Unchanged());
}
