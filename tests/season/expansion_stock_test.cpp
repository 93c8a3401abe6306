// The players a new club is stocked with.
#include "season_cycle_fixture.h"
#include <vector>

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

// The 27 ratings of a record.
std::vector<float> Ratings_Of(int nTeam, int nSlot)
{
    std::vector<float> Ratings;
    for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
        Ratings.push_back(Get_Player_Rating(nTeam, nSlot, r));
    return Ratings;
}

// A fresh slot of the position, as the stocking prepares it.
void Prepare_Slot(int nTeam, int nSlot, int nPosition)
{
    Clear_Player(nTeam, nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_PLAYER_ID, 1000 + nSlot);
    Set_Player_Vital_Stat(nTeam, nSlot, VITAL_POSITION, nPosition);
}

// From one seed: the generator's first record of a stock player, and the
// stock player made from the same seed. A first record rating 25 or more at
// his position is kept as it is, rating for rating. (With every rating at
// least 20 no record rates below 35 at any position, so the redraw of a
// record below 25 is only a guard.)
TEST_F(ExpansionStockTest, AStockPlayerRatingTwentyFiveOrMoreIsKeptAsMade)
{
    season_cycle::Build_League(3);
    constexpr int TEAM = 2;
    constexpr int SLOT = 60;
    int nKept = 0;
    for (uint32_t nSeed = 1; nSeed <= 30; ++nSeed) {
        const int nPosition = static_cast<int>(nSeed % NUMBER_OF_POSITIONS);
        Prepare_Slot(TEAM, SLOT, nPosition);
        Seed_Random_Numbers(nSeed);
        Create_Veteran_Player(TEAM, SLOT, nPosition, 0.0f);
        if (Get_Position_Overall_Rating(TEAM, SLOT, nPosition) < 25.0f)
            continue;
        const std::vector<float> First = Ratings_Of(TEAM, SLOT);
        Prepare_Slot(TEAM, SLOT, nPosition);
        Seed_Random_Numbers(nSeed);
        Make_Stock_Player(TEAM, SLOT, nPosition);
        EXPECT_EQ(Ratings_Of(TEAM, SLOT), First) << "seed " << nSeed;
        ++nKept;
    }
    EXPECT_GE(nKept, 25);

}

}  // namespace
