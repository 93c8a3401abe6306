// The development values of a built league's players: rates, ages and the
// peak age of each position and era.
#include "league/league_fixture.h"
#include "season/development_ages.h"
#include "test_support.h"

namespace {

class DevelopmentAgesTest : public LeagueTest {};

TEST_F(DevelopmentAgesTest, DevelopmentAgesByPositionAndEra)
{
    Use_Franchises(2);
    Put_Player(0, 0, 11, POSITION_QB);
    Put_Player(0, 1, 12, POSITION_K);
    Put_Player(1, 2, 13, POSITION_RB);
    Put_Player(FREE_AGENT_TEAM, 0, 14, POSITION_G);
    Put_Player(3, 0, 15, POSITION_G);   // a franchise not in use: untouched
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2010;
    Reset_Player_Development_Ages();
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_PEAK_END), 35);   // 32 + (2010 - 1950) / 20
    EXPECT_EQ(Get_Player_Vital_Stat(0, 1, VITAL_PEAK_END), 35);
    EXPECT_EQ(Get_Player_Vital_Stat(1, 2, VITAL_PEAK_END), 27);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VITAL_PEAK_END), 30);
    for (auto [t, s] : {std::pair{0, 0}, std::pair{0, 1}, std::pair{1, 2}, std::pair{FREE_AGENT_TEAM, 0}}) {
        EXPECT_EQ(Get_Player_Vital_Stat(t, s, VITAL_LONGEVITY), 100);
        EXPECT_EQ(Get_Player_Vital_Stat(t, s, VITAL_POTENTIAL), 100);
        EXPECT_EQ(Get_Player_Vital_Stat(t, s, VITAL_PEAK_START), 26);
    }
    EXPECT_EQ(League.Team[3].Player[0].nVital[VITAL_PEAK_START], 0);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1960;
    Reset_Player_Development_Ages();
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_PEAK_END), 32);
    EXPECT_EQ(Get_Position_Peak_Age(POSITION_QB, 1951), 32);
    EXPECT_EQ(Get_Position_Peak_Age(POSITION_QB, 2023), 35);
    EXPECT_EQ(Get_Position_Peak_Age(POSITION_G, 2019), 30);
    EXPECT_EQ(Get_Position_Peak_Age(POSITION_CB, 2019), 28);
    EXPECT_EQ(Get_Position_Peak_Age(15, 2019), 26);
    EXPECT_EQ(Get_Position_Peak_Age(-1, 2019), 26);
}

}  // namespace
