// Fitting a player's development values to a projected peak, and the
// blocking figures of offensive linemen.
//
// The projected peak comes from the potential of the player-value rules.
// These tests assume only that it does not change while the development
// rate moves when the ratings stand still, as the present potential does
// (it is the truncated overall rating, whatever the development values);
// the fit then moves the rate as far as it may.
#include "../league/player_fixture.h"
#include "league/player_stats.h"
#include "season/player_value.h"
#include "season/stat_based_rating.h"

namespace {

constexpr int PREDICTED = 3;

class CareerFieldsTest : public PlayerTest {
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        Use_Franchises(1);
    }
    // A player of 22 in 2019 with development rate 100 and age 24.
    static PLAYER& Add(int nSlot, int nPosition = POSITION_WR)
    {
        PLAYER& Player = Add_Player(0, nSlot, 300 + nSlot, nPosition);
        Player.nVital[VITAL_BIRTH_DATE] = 19970301;
        Player.nVital[VITAL_POTENTIAL] = 100;
        Player.nVital[VITAL_PEAK_START] = 24;
        Player.nVital[VITAL_PEAK_END] = 30;
        return Player;
    }
    static int Peak() { return static_cast<int>(Compute_Player_Potential(0, 0)); }
};

}  // namespace

TEST_F(CareerFieldsTest, APeakAlreadyProjectedChangesNothing)
{
    Add(0);
    const int nPeak = Peak();
    LEAGUE_SNAPSHOT Before;
    Set_Player_Career_Fields(0, 0, nPeak);
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(CareerFieldsTest, AHigherPeakRaisesTheRateAndLatePlayersDevelopLonger)
{
    PLAYER& Player = Add(0);
    // 22 is below development age 24 less one: the age stays.
    Set_Player_Career_Fields(0, 0, Peak() + 5);
    EXPECT_EQ(Player.nVital[VITAL_PEAK_START], 24);
    // The rate climbs by 2 a round and stops at 250, where it still reads sound.
    EXPECT_EQ(Player.nVital[VITAL_POTENTIAL], 250);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VITAL_POTENTIAL), 250);

    // At 22 with development age 23 he has reached it less one: max(24, 26).
    Player.nVital[VITAL_POTENTIAL] = 101;
    Player.nVital[VITAL_PEAK_START] = 23;
    const int nTarget = Peak() + 1;
    Set_Player_Career_Fields(0, 0, nTarget);
    EXPECT_EQ(Player.nVital[VITAL_PEAK_START], 26);
    // Three more years of growth overshoot the target: the rate comes down
    // in steps of 2 until the projection meets it.
    EXPECT_LT(Player.nVital[VITAL_POTENTIAL], 101);
    EXPECT_EQ((101 - Player.nVital[VITAL_POTENTIAL]) % 2, 0);
    EXPECT_EQ(static_cast<int>(Compute_Player_Potential(0, 0)), nTarget);
}

TEST_F(CareerFieldsTest, ALowerPeakLowersTheRateOnly)
{
    PLAYER& Player = Add(0);
    Player.nVital[VITAL_PEAK_START] = 20;
    Set_Player_Career_Fields(0, 0, Peak() - 3);
    EXPECT_EQ(Player.nVital[VITAL_PEAK_START], 20);
    EXPECT_EQ(Player.nVital[VITAL_POTENTIAL], 0);

    // An empty slot and a bad address are left alone.
    LEAGUE_SNAPSHOT Before;
    Set_Player_Career_Fields(0, 5, 80);
    EXPECT_TRUE(Before.Unchanged());
    Set_Player_Career_Fields(41, 0, 80);
    EXPECT_EQ(Errors_Reported(), 1);
}

TEST_F(CareerFieldsTest, DerivedBlockingFiguresByPosition)
{
    const int Positions[] = {POSITION_G, POSITION_C, POSITION_T};
    const int Expected[][3] = {{36, 225, 120}, {44, 225, 75}, {28, 225, 165}};
    for (int i = 0; i < 3; ++i) {
        Add(i, Positions[i]);
        Set_Player_Stat(0, i, PREDICTED, 6, 40);
        Set_Player_Stat(0, i, PREDICTED, 5, 30);
        Set_Derived_Player_Stats(0, i);
        EXPECT_EQ(Get_Player_Stat(0, i, PREDICTED, 4), Expected[i][0]) << i;
        EXPECT_EQ(Get_Player_Stat(0, i, PREDICTED, 7), Expected[i][1]) << i;
        EXPECT_EQ(Get_Player_Stat(0, i, PREDICTED, 8), Expected[i][2]) << i;
    }
    // Truncating division: (100 - 41) x 14 / 30 = 27.5, (20 - 19) x 15.
    Set_Player_Stat(0, 2, PREDICTED, 6, 41);
    Set_Player_Stat(0, 2, PREDICTED, 5, 20);
    Set_Derived_Player_Stats(0, 2);
    EXPECT_EQ(Get_Player_Stat(0, 2, PREDICTED, 4), 27);
    EXPECT_EQ(Get_Player_Stat(0, 2, PREDICTED, 8), 15);
}
