// The free-agent pool: its order by the sort mode, and the top-up that keeps
// every position stocked.
#include <gtest/gtest.h>

#include "season/season_cycle_fixture.h"
#include "frontoffice/roster_moves.h"
#include "league/preferences.h"
#include "league/team.h"
#include "season/season_services.h"
#include "test_support.h"

namespace {

using season_cycle::Put_Signed_Player;

class FreeAgentPoolTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        season_cycle::Build_League(2);
    }

    // Every position stocked to its target first, so the top-up adds nobody.
    static int Stock_Pool(int nFirstID)
    {
        int s = 0;
        for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
            for (int k = 0; k < Get_Free_Agent_Target(p); ++k, ++s)
                Put_Signed_Player(FREE_AGENT_TEAM, s, nFirstID + s, p, 60.0f, 1995, 0);
        return s;
    }
};

TEST_F(FreeAgentPoolTest, TheSortModeOrdersByPositionThenSalaryOrBySalary)
{
    const int n = Stock_Pool(100);
    ASSERT_EQ(n, 2 + 2 + 1 + 3 + 5 + 3 + 3 + 2 + 3 + 2 + 5 + 3 + 3 + 1 + 1);   // 39
    // A punter paid most, a quarterback paid least.
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, n - 1, VITAL_SALARY, 9000);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_SALARY, 100);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, 1, VITAL_SALARY, 200);

    Set_User_Preference(PREF_POOL_SORT_MODE, 1);   // position first: quarterbacks, the better paid first
    Rank_Free_Agent_Pool();
    EXPECT_EQ(Count_Team_Players(FREE_AGENT_TEAM), n);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 0), 101);
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 1), 100);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, n - 1, VITAL_POSITION), POSITION_P);

    Set_User_Preference(PREF_POOL_SORT_MODE, 0);   // salary alone: the punter first
    Rank_Free_Agent_Pool();
    EXPECT_EQ(Get_Player_ID(FREE_AGENT_TEAM, 0), 100 + n - 1);
}

TEST_F(FreeAgentPoolTest, TheTopUpStocksEveryPositionAndMakesRoomInAFullPool)
{
    // A pool of 98 linebackers: two of them go to make room, and new players
    // fill every other position to its target without any being let go again.
    for (int s = 0; s < 98; ++s)
        Put_Signed_Player(FREE_AGENT_TEAM, s, 500 + s, POSITION_LB, 70.0f, 1995, 0);
    Set_Player_Rating(FREE_AGENT_TEAM, 7, RATING_TACKLING, 1.0f);   // the weakest
    Replenish_Free_Agents();
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
        EXPECT_GE(Count_Position_Players(FREE_AGENT_TEAM, p), Get_Free_Agent_Target(p)) << "position " << p;
    EXPECT_LE(Count_Team_Players(FREE_AGENT_TEAM), PLAYERS_PER_TEAM);
    EXPECT_EQ(season_cycle::Find_ID(507).nTeam, NO_TEAM);   // the weakest left the league
    // Two linebackers go before the first new player (98 -> 96); each of the
    // other 33 new players (39 targets less the linebackers' 5 = 34) takes
    // the place of one more: 96 + 1 = 97, with 98 - 35 = 63 linebackers.
    EXPECT_EQ(Count_Team_Players(FREE_AGENT_TEAM), 97);
    EXPECT_EQ(Count_Position_Players(FREE_AGENT_TEAM, POSITION_LB), 63);
}

}  // namespace
