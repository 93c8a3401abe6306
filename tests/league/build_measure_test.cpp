// A figure a page reads never moves the league's random numbers: reading it
// between two draws leaves the second draw as it would have been.
#include "league/player_fixture.h"
#include "base/random.h"
#include "league/player_stats.h"
#include "season/player_generation.h"

namespace {

TEST_F(PlayerTest, ReadingTheBuildMeasureDrawsNothing)
{
    PLAYER& Player = Add_Player(0, 0, 101, POSITION_RB);
    Player.nVital[VITAL_HEIGHT] = 71;
    Player.nVital[VITAL_WEIGHT] = 215;
    Seed_Random_Numbers(77);
    Generate_Random_Number();
    const uint32_t nExpected = Generate_Random_Number();
    Seed_Random_Numbers(77);
    Generate_Random_Number();
    const int nMeasure = Get_Player_Build_Measure(0, 0);
    EXPECT_EQ(Get_Player_Build_Measure(0, 0), nMeasure);   // the same figure every time
    EXPECT_EQ(Generate_Random_Number(), nExpected);
    // The typical height is the average rounded to the nearest inch.
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        const int nTypical = Get_Typical_Player_Height(p);
        const int nAverage = Get_Average_Player_Height(p);   // rounded by chance, up or down
        EXPECT_LE(std::abs(nTypical - nAverage), 1) << p;
    }
    EXPECT_EQ(Get_Typical_Player_Height(15), 0);
}

}  // namespace
