// Repairs of player records run on every load, the blocking figures of
// offensive linemen, and the cap on young players after a new game's set-up.

#include <gtest/gtest.h>

#include <cmath>

#include "league/league_fixture.h"
#include "league/overall_rating.h"
#include "league/player.h"
#include "league/player_fixture.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "season/player_value.h"
#include "season/player_repairs.h"
#include "season/stat_based_rating.h"
#include "tools/young_player_cap.h"

namespace {

class LoadRepairsTest : public PlayerTest {
protected:
    static int Id(int t, int s) { return League.Team[t].Player[s].nVital[VITAL_PLAYER_ID]; }
    static void Old_Ratings(int t, int s, float f13, float f14, float f15, float f16)
    {
        float* f = League.Team[t].Player[s].fRating;
        f[13] = f13;
        f[14] = f14;
        f[15] = f15;
        f[16] = f16;
    }
};

}  // namespace

TEST_F(LoadRepairsTest, PlayersWithoutPositionLeaveWithTheirSeasonLines)
{
    const int nPositions[5] = {POSITION_QB, 15, POSITION_P, -1, POSITION_G};
    for (int s = 0; s < 5; ++s)
        Add_Player(0, s, 101 + s, nPositions[s]);
    Stamp_Season_Line(40, 2018, 0, 0, 16);
    League.Team[0].Player[1].nSeasonLink[0] = 40;
    // Team 1 loses nobody: its hole stays where it is.
    Add_Player(1, 0, 201, POSITION_QB);
    Add_Player(1, 2, 203, POSITION_QB);

    Remove_Players_Without_Position();
    // Codes 0, 14 and 6 stay and close up; 15 and -1 go.
    EXPECT_EQ(Id(0, 0), 101);
    EXPECT_EQ(Id(0, 1), 103);
    EXPECT_EQ(Id(0, 2), 105);
    EXPECT_EQ(Id(0, 3), 0);
    EXPECT_EQ(Id(0, 4), 0);
    EXPECT_EQ(Get_Season_Line_Year(40), 0) << "the removed player's season line is erased";
    EXPECT_EQ(Id(1, 0), 201);
    EXPECT_EQ(Id(1, 1), 0);
    EXPECT_EQ(Id(1, 2), 203) << "a team that lost nobody is not compacted";
}

TEST_F(LoadRepairsTest, OldRatingsAreMendedAndUnplayableRecordsErased)
{
    const float fNaN = std::nanf("");
    Add_Player(2, 0, 301, POSITION_RB);
    Old_Ratings(2, 0, 72.0f, 10.0f, 80.0f, fNaN);     // 72 returner and 80 blocker: erased
    Add_Player(2, 1, 302, POSITION_RB);
    Old_Ratings(2, 1, 90.0f, 90.0f, 50.0f, 60.0f);    // no blocking above 70: stays
    Add_Player(2, 2, 303, POSITION_RB);
    Old_Ratings(2, 2, 70.9f, 10.0f, 80.0f, 80.0f);    // 70.9 is 70: stays
    Add_Player(2, 3, 304, POSITION_RB);
    Old_Ratings(2, 3, fNaN, 19.5f, 50.0f, 50.0f);
    Stamp_Season_Line(50, 2018, 0, 2, 10);
    League.Team[2].Player[0].nSeasonLink[0] = 50;

    Convert_Old_Player_Ratings();
    EXPECT_EQ(Id(2, 0), 302);
    EXPECT_EQ(Id(2, 1), 303);
    EXPECT_EQ(Id(2, 2), 304);
    EXPECT_EQ(Id(2, 3), 0);
    EXPECT_EQ(Get_Season_Line_Year(50), 0);
    const float* f = League.Team[2].Player[1].fRating;   // 303
    EXPECT_FLOAT_EQ(f[13], 70.9f);
    EXPECT_FLOAT_EQ(f[14], 20.0f);
    EXPECT_FLOAT_EQ(f[15], 80.0f);
    const float* g = League.Team[2].Player[2].fRating;   // 304
    EXPECT_FLOAT_EQ(g[13], Get_Default_Rating(13));
    EXPECT_FLOAT_EQ(g[14], 20.0f);
    const float* h = League.Team[2].Player[0].fRating;   // 302 untouched
    EXPECT_FLOAT_EQ(h[13], 90.0f);
    EXPECT_FLOAT_EQ(h[16], 60.0f);
}

TEST_F(LoadRepairsTest, LinemenBlockingFiguresFromTheirScores)
{
    struct CASE {
        int nPosition;
        int nSacks, nRuns, nYards;
    };
    // s6 = 40, s5 = 30: (100 - 40) x 18 / 30 = 36, (30 - 22) x 15 = 120 for
    // a guard; x 22 / 30 = 44 and (30 - 25) x 15 = 75 for a centre; x 14 /
    // 30 = 28 and (30 - 19) x 15 = 165 for a tackle.
    const CASE Cases[] = {{POSITION_G, 36, 225, 120}, {POSITION_C, 44, 225, 75}, {POSITION_T, 28, 225, 165}};
    for (int s = 0; s < 3; ++s) {
        Add_Player(3, s, 401 + s, Cases[s].nPosition);
        Set_Player_Stat(3, s, STAT_PERIOD_PREDICTED, 5, 30);
        Set_Player_Stat(3, s, STAT_PERIOD_PREDICTED, 6, 40);
    }
    Add_Player(3, 3, 404, POSITION_WR);
    Set_Player_Stat(3, 3, STAT_PERIOD_PREDICTED, 4, 7);
    // A lineman of the free agents is not a franchise's.
    Add_Player(FREE_AGENT_TEAM, 0, 405, POSITION_G);
    Set_Player_Stat(FREE_AGENT_TEAM, 0, STAT_PERIOD_PREDICTED, 6, 40);

    Derive_Offensive_Line_Stats();
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(Get_Player_Stat(3, s, STAT_PERIOD_PREDICTED, 4), Cases[s].nSacks) << s;
        EXPECT_EQ(Get_Player_Stat(3, s, STAT_PERIOD_PREDICTED, 7), Cases[s].nRuns) << s;
        EXPECT_EQ(Get_Player_Stat(3, s, STAT_PERIOD_PREDICTED, 8), Cases[s].nYards) << s;
    }
    EXPECT_EQ(Get_Player_Stat(3, 3, STAT_PERIOD_PREDICTED, 4), 7);
    EXPECT_EQ(Get_Player_Stat(FREE_AGENT_TEAM, 0, STAT_PERIOD_PREDICTED, 7), 0);
}

TEST_F(LoadRepairsTest, YoungPlayersAreCappedByTheirExperience)
{
    EXPECT_EQ(Get_Young_Player_Rating_Cap(0), 78);
    EXPECT_EQ(Get_Young_Player_Rating_Cap(1), 84);
    EXPECT_EQ(Get_Young_Player_Rating_Cap(2), 90);

    struct CASE {
        int nTeam, nBirthYear, nSeasons;
        float fOverall;
        bool bCapped;
    };
    // The league's year is 2019.
    const CASE Cases[] = {
        {0, 1994, 0, 80.4f, true},               // 25, rookie: 80 above 78
        {0, 1993, 0, 80.4f, false},              // 26: left alone
        {0, 1997, 2, 90.5f, false},              // 22, two seasons: exactly 90 is not above
        {FREE_AGENT_TEAM, 1996, 1, 88.0f, true}, // free agents are capped: 84
        {HALL_OF_FAME_TEAM, 1996, 0, 88.0f, false},
        {FIRST_DRAFT_POOL_TEAM, 1998, -1, 88.0f, false},
        {5, 1996, 0, 88.0f, false},              // a franchise not in use
    };
    PlayerTest::Set_Team_Not_In_Use(5);
    float fBefore[7][NUMBER_OF_RATINGS];
    int nPeak[7];
    int nRate[7];
    for (int i = 0; i < 7; ++i) {
        const CASE& c = Cases[i];
        Add_Player(c.nTeam, i, 501 + i, POSITION_RB);
        Generate_Player_Ratings(c.nTeam, i);
        Set_Player_Vital_Stat(c.nTeam, i, VITAL_BIRTH_DATE, c.nBirthYear * 10000 + 601);
        Set_Player_Vital_Stat(c.nTeam, i, VITAL_SEASONS_PLAYED, c.nSeasons);
        Set_Development_Values(c.nTeam, i);
        Scale_Player_To_Overall(c.nTeam, i, c.fOverall);
        std::copy(League.Team[c.nTeam].Player[i].fRating, League.Team[c.nTeam].Player[i].fRating + NUMBER_OF_RATINGS,
                  fBefore[i]);
        nPeak[i] = static_cast<int>(Compute_Player_Potential(c.nTeam, i));
        nRate[i] = Get_Player_Vital_Stat(c.nTeam, i, VITAL_POTENTIAL);
    }
    ASSERT_EQ(static_cast<int>(Get_Position_Overall_Rating(0, 0, POSITION_RB)), 80);
    ASSERT_EQ(static_cast<int>(Get_Position_Overall_Rating(0, 2, POSITION_RB)), 90);

    Adjust_Ratings_After_Setup();
    for (int i = 0; i < 7; ++i) {
        const CASE& c = Cases[i];
        SCOPED_TRACE(i);
        const float* f = League.Team[c.nTeam].Player[i].fRating;
        if (!c.bCapped) {
            EXPECT_TRUE(std::equal(f, f + NUMBER_OF_RATINGS, fBefore[i]));
            continue;
        }
        const int nCap = Get_Young_Player_Rating_Cap(c.nSeasons);
        EXPECT_NEAR(Get_Position_Overall_Rating(c.nTeam, i, POSITION_RB), nCap, 1.0f);
        // The development is fitted toward the peak measured before the
        // scaling: the rate rises, and the projection never passes that peak
        // (the rate's own bound may stop the fit short of it).
        EXPECT_GT(Get_Player_Vital_Stat(c.nTeam, i, VITAL_POTENTIAL), nRate[i]);
        EXPECT_LE(static_cast<int>(Compute_Player_Potential(c.nTeam, i)), nPeak[i]);
        EXPECT_GE(static_cast<int>(Compute_Player_Potential(c.nTeam, i)), nCap);
    }
}
