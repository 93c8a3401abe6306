#include <gtest/gtest.h>

#include "league/player.h"
#include "league/preferences.h"
#include "test_support.h"
#include "season/player_repairs.h"
#include "season/stat_based_rating.h"

namespace {

constexpr int PREDICTED = 3;

class StatBasedRatingTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        // The statistics' grades unscouted: what the scouts make of them is tested apart.
        League.Preferences.nInt[PREF_PERFECT_SCOUTING] = 1;
    }

    void Add(int nTeam, int nSlot, int nId, int nPosition)
    {
        PLAYER& Player = League.Team[nTeam].Player[nSlot];
        Player.nVital[VITAL_PLAYER_ID] = nId;
        Player.nVital[VITAL_POSITION] = nPosition;
        for (int r = 0; r < NUMBER_OF_RATINGS; ++r)
            Player.fRating[r] = 50.0f;
    }
};

}  // namespace

TEST_F(StatBasedRatingTest, RatingsReadTheirOwnStatistic)
{
    Add(0, 0, 101, POSITION_RB);
    Add(0, 1, 102, POSITION_G);
    PLAYER& Back = League.Team[0].Player[0];
    PLAYER& Guard = League.Team[0].Player[1];

    // Health: predicted games 10 + starts 9 = 19, above 16, so 19 + 54 = 73.
    Back.nStat[PREDICTED][0] = 10;
    Back.nStat[PREDICTED][1] = 9;
    EXPECT_FLOAT_EQ(Get_Stat_Based_Rating(0, 0, 0), 73.0f);
    // 16 or fewer predicted games: the plain 70.
    Back.nStat[PREDICTED][1] = 6;
    EXPECT_FLOAT_EQ(Get_Stat_Based_Rating(0, 0, 0), 70.0f);

    // A lineman's blocking ratings are his predicted statistics 6 and 5.
    Guard.nStat[PREDICTED][6] = 64;
    Guard.nStat[PREDICTED][5] = 58;
    EXPECT_FLOAT_EQ(Get_Stat_Based_Rating(0, 1, 15), 64.0f);
    EXPECT_FLOAT_EQ(Get_Stat_Based_Rating(0, 1, 16), 58.0f);

    // A stored health above 120 is read through the statistic and left stored.
    Back.fRating[0] = 130.0f;
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 0, 0), 70.0f);
    EXPECT_FLOAT_EQ(Back.fRating[0], 130.0f);

    EXPECT_EQ(Errors_Reported(), 0);
    LEAGUE_SNAPSHOT Before;
    EXPECT_FLOAT_EQ(Get_Stat_Based_Rating(0, 0, 27), MINIMUM_RATING);
    EXPECT_FLOAT_EQ(Get_Stat_Based_Rating(0, 0, -1), MINIMUM_RATING);
    EXPECT_FLOAT_EQ(Get_Stat_Based_Rating(41, 0, 0), MINIMUM_RATING);
    EXPECT_EQ(Errors_Reported(), 3);
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(StatBasedRatingTest, RecomputeStoresEveryRatingOfEveryPlayerInUse)
{
    Add(0, 0, 201, POSITION_T);
    League.Team[0].Player[0].nStat[PREDICTED][6] = 77;
    League.Team[0].Player[0].nStat[PREDICTED][5] = 66;
    Add(36, 0, 202, POSITION_T);                       // a free agent is in use too
    League.Team[36].Player[0].nStat[PREDICTED][6] = 61;
    Add(1, 0, 203, POSITION_T);                        // slot 1 is not a franchise in use
    League.Team[1].nTeamStat[2] = -1;

    Recompute_All_Player_Ratings();
    EXPECT_FLOAT_EQ(League.Team[0].Player[0].fRating[15], 77.0f);
    EXPECT_FLOAT_EQ(League.Team[0].Player[0].fRating[16], 66.0f);
    EXPECT_FLOAT_EQ(League.Team[0].Player[0].fRating[0], 70.0f);
    EXPECT_FLOAT_EQ(League.Team[36].Player[0].fRating[15], 61.0f);
    EXPECT_FLOAT_EQ(League.Team[1].Player[0].fRating[15], 50.0f);
    // Empty slots stay empty.
    EXPECT_EQ(League.Team[0].Player[1].nVital[VITAL_PLAYER_ID], 0);
    EXPECT_FLOAT_EQ(League.Team[0].Player[1].fRating[15], 0.0f);
}
