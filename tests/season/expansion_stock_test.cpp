// The players a new club is stocked with.
#include "season_cycle_fixture.h"
#include "base/random.h"
#include "league/overall_rating.h"
#include "season/expansion_teams.h"
#include "season/player_generation.h"
#include "test_support.h"

namespace {

class ExpansionStockTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
        Reset_Name_Pool();
        Seed_Random_Numbers(12345);
    }
};

// A new club's players are kept as the generator makes them, with no overall
// to clear: the roster holds players of every quality, not only players
// above 70 at their positions, and it is a legal roster of 51 after the trim.
TEST_F(ExpansionStockTest, ANewClubKeepsItsPlayersAsTheyAreMade)
{
    season_cycle::Build_League(3);
    Stock_New_Team_Roster(2);
    const int nPlayers = Count_Team_Players(2);
    EXPECT_EQ(nPlayers, 51);
    int nBelow65 = 0;
    for (int s = 0; s < nPlayers; ++s) {
        const int nPosition = Get_Player_Vital_Stat(2, s, VITAL_POSITION);
        const float fOverall = Get_Position_Overall_Rating(2, s, nPosition);
        EXPECT_GE(fOverall, 25.0f) << s;
        nBelow65 += fOverall < 65.0f ? 1 : 0;
    }
    EXPECT_GT(nBelow65, 0);
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
        EXPECT_GE(Count_Team_Position_Players(2, p), 1) << p;
}

}  // namespace
