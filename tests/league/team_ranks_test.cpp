#include <gtest/gtest.h>

#include <initializer_list>

#include "league/preferences.h"
#include "base/random.h"
#include "league/team_ranks.h"
#include "league/team_schedule.h"
#include "league/team_strength.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

// Three franchises in the 2010 season:
//   team 0 and team 1: the full hand-made club (league_fixture.h). Its
//     strengths, worked by hand in the strength tests, are 609, 681, 697,
//     660, 683 and its starters score 893.
//   team 2: the same club without its quarterback. Passing loses
//     3 x (73 + 280) - 3 x (40 + 80) = 699: S = 1057, 10570 / 25 = 422 ->
//     401; the rest is unchanged. Starters score: offence slots 0-10 lose
//     the QB's 146 and gain the second tackle's 71 (796), defence and
//     kickers 780 + 136: 1712 / 2 = 856.
//
// Power score in 2010: e = (1961 + 2 x 1936 + 1872) / 4 = 1926 from the
// yearly passing weights; w = 48 x 1926 / 2926 = 31.59, rounded 32.
//   team 0, 1: (609 x 18 + 681 x 32 + 697 x 18 + 660 x 32 + 3 x 683) / 11
//              = 68469 / 11 = 6224; + 3 x 893 = 8903
//   team 2:    (10962 + 401 x 32 + 12546 + 21120 + 2049) / 11 = 59509 / 11
//              = 5409; + 3 x 856 = 7977
// A slot that holds nobody rates 52, 227, 165, 232, 433 and has no starters
// score: (936 + 7264 + 2970 + 7424 + 1299) / 11 = 1808.
constexpr int POWER_FULL_CLUB = 8903;
constexpr int POWER_NO_QUARTERBACK = 7977;
constexpr int POWER_EMPTY = 1808;

class TeamRanksTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Seed_Random_Numbers(12345);
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2010;
        League.Preferences.nInt[PREF_SEASON_INDEX] = 0;
        League.Preferences.nInt[PREF_CURRENT_WEEK] = 5;
        League.Preferences.nInt[PREF_DRAFT_ROUND] = DRAFT_OVER_ROUND;
        League.StandingsArea.nPlayoffDay[0] = 18;
        Use_Franchises(3);
        Build_Hand_Made_Club(0, true);
        Build_Hand_Made_Club(1, true);
        Build_Hand_Made_Club(2, false);
    }

    // Team 0 at 3-2: oldest first a loss, a win, a loss, a win and a win.
    // Points 10 + 21 + 3 + 24 + 30 = 88 scored, 20 + 7 + 17 + 14 + 27 = 85
    // allowed.
    static void Play_Five_Games()
    {
        Put_Game(0, 0, 1, 10, 20);
        Put_Game(1, 1, 0, 7, 21);
        Put_Game(2, 0, 2, 3, 17);
        Put_Game(3, 2, 0, 14, 24);
        Put_Game(4, 0, 1, 30, 27);
        Set_Team_Yearly_Char(0, 0, YEARLY_WINS, 3);
        Set_Team_Yearly_Char(0, 0, YEARLY_LOSSES, 2);
    }
};

// ---------------------------------------------------------------------------
// Scores

TEST_F(TeamRanksTest, PowerScoreBlendsTheStrengthsByTheEraWeight)
{
    EXPECT_EQ(Get_Team_Power_Score(0), POWER_FULL_CLUB);
    EXPECT_EQ(Get_Team_Power_Score(2), POWER_NO_QUARTERBACK);
    // The special slots pass the team test and rate from their rosters.
    EXPECT_EQ(Get_Team_Power_Score(FREE_AGENT_TEAM), POWER_EMPTY);

    // 1977: e = (1120 + 2 x 986 + 1009) / 4 = 1025, w = 49200 / 2025 = 24.3
    // -> 24, so running weighs 26. Running before 1985 is (417 + 70 + 20) =
    // 507 x 13 / 8 = 823 -> 529: (529 x 26 + 681 x 24 + 697 x 26 + 660 x 24
    // + 2049) / 11 = 66109 / 11 = 6009; + 2679 = 8688.
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1977;
    EXPECT_EQ(Get_Team_Power_Score(0), 8688);
}

TEST_F(TeamRanksTest, RankingScoreAddsFormAndPointMargin)
{
    Play_Five_Games();
    // Form: wins in the last 5, 3, 1 = 3 + 2 + 1, 2 x (3 - 2), losses in
    // the last 1, 3, 5 = 0, 1, 2: F = 5 -> 75; margin 2 x (88 - 85) = 6.
    EXPECT_EQ(Sum_Team_Game_Points(0), POWER_FULL_CLUB + 75 + 6);
    // Team 1 (no season record stored): won 20-10, lost 7-21 and 27-30.
    // F = 1 + 1 + 0 - 1 - 2 - 2 = -3 -> -45; 2 x (54 - 61) = -14.
    EXPECT_EQ(Sum_Team_Game_Points(1), POWER_FULL_CLUB - 45 - 14);

    // Every record in use counts, also one stored far back in the table
    // (a league of more than 32 teams fills records past 284): a
    // 14-0 home win in record 290 makes team 0 4-2 with the last five W W W
    // L W: F = 4 + 3 + 1 + 4 - 0 - 0 - 1 = 11 -> 165; margin 2 x 17 = 34.
    Put_Game(290, 2, 0, 0, 14);
    Set_Team_Yearly_Char(0, 0, YEARLY_WINS, 4);
    EXPECT_EQ(Sum_Team_Game_Points(0), POWER_FULL_CLUB + 165 + 34);
}

// ---------------------------------------------------------------------------
// Ranks

TEST_F(TeamRanksTest, TiedTeamsShareTheBetterRankAndBadTeamsRankZero)
{
    Play_Five_Games();
    // Power 8903, 8903, 7977.
    // Ranking scores 8984, 8844, 7970; offence 3 x 609 + 7 x 681 twice, then
    // 3 x 609 + 7 x 401; defence 4 x 697 + 6 x 660 for all three.
    const int nRanks[3][4] = {{0, 0, 0, 0}, {0, 1, 0, 0}, {2, 2, 2, 0}};
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(Get_Team_Power_Rank(t), nRanks[t][0]) << t;
        EXPECT_EQ(Get_Team_Points_Rank(t), nRanks[t][1]) << t;
        EXPECT_EQ(Get_Team_Offense_Rank(t), nRanks[t][2]) << t;
        EXPECT_EQ(Get_Team_Defense_Rank(t), nRanks[t][3]) << t;
    }
    // One strength: only passing tells them apart.
    EXPECT_EQ(Get_Team_Rating_Rank(2, TEAM_RATING_PASSING), 2);
    EXPECT_EQ(Get_Team_Rating_Rank(2, TEAM_RATING_SPECIAL_TEAMS), 0);

    // The free-agent pool is ranked against the franchises: all three rate
    // above an empty pool (power 1808, passing 227).
    EXPECT_EQ(Get_Team_Power_Rank(FREE_AGENT_TEAM), 3);
    EXPECT_EQ(Get_Team_Rating_Rank(FREE_AGENT_TEAM, TEAM_RATING_PASSING), 3);

    // A franchise slot not in use and NO_TEAM score and rank 0, silently.
    LEAGUE_SNAPSHOT Before;
    for (int nTeam : {35, NO_TEAM})
        EXPECT_EQ(Sum_Team_Game_Points(nTeam) + Get_Team_Power_Rank(nTeam), 0) << nTeam;
    // Codes outside 0-40 are reported.
    EXPECT_EQ(Get_Team_Power_Score(41), 0);
    EXPECT_TRUE(Last_Error_Contains("nTeam out of bounds in Get_Team_Power_Score([41])"));
    EXPECT_EQ(Get_Team_Rating_Rank(41, TEAM_RATING_RUNNING), 0);
    EXPECT_EQ(Errors_Reported(), 2);
    EXPECT_TRUE(Before.Unchanged());

    // No franchise in use: nothing to compare against, nothing divided.
    Use_Franchises(0);
    EXPECT_EQ(Get_Team_Power_Rank(FREE_AGENT_TEAM), 0);
    EXPECT_EQ(Get_Team_Rating_Rank(FREE_AGENT_TEAM, TEAM_RATING_RUNNING), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

}  // namespace

TEST_F(LeagueTest, RankScoresAreSymmetric)
{
    Use_Franchises(32);
    // 7 + 7 (31 - 2 rank) / 32, with negative ties rounded down: rank 15 gives
    // 7 + 7 / 32 = 7, rank 16 gives 7 + (-7 / 32 -> -1) = 6.
    const int Scores[][2] = {{0, 14}, {8, 10}, {15, 7}, {16, 6}, {23, 4}, {31, 0}, {-100, 14}, {100, 0}};
    for (const auto& s : Scores)
        EXPECT_EQ(Scale_Rank_To_Score(s[0]), s[1]) << s[0];
}
