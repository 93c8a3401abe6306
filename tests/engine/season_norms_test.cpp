// The league's passing yards per completion that the open depth divides by
// come from the day's league norms, and the season harness prepares those
// norms before each week as the day advance does.

#include <gtest/gtest.h>

#include "scratch_folder.h"
#include "season_fixture.h"
#include "engine/passing_plays.h"
#include "league/league_norms.h"
#include "test_support.h"

namespace {

class SeasonNormsTest : public LeagueTest {};

TEST_F(SeasonNormsTest, OpenDepthReadsTheSeasonsYardsPerCompletionFromTheDaysNorms)
{
    // A league whose norms were never prepared: the default of 11.20 yards.
    ASSERT_FALSE(Are_League_Norms_Kept());
    EXPECT_EQ(Get_Season_Yards_Per_Completion(), 1120);

    // Prepared norms: field 3 as stored, whatever the era's own figure.
    const int16_t nNorms[LEAGUE_NORM_COUNT] = {431, 612, 1387, 2290, 27, 64, 830};
    Set_League_Norms(nNorms);
    EXPECT_EQ(Get_Season_Yards_Per_Completion(), 1387);
    const int16_t nShort[LEAGUE_NORM_COUNT] = {431, 612, 905, 2290, 27, 64, 830};
    Set_League_Norms(nShort);
    EXPECT_EQ(Get_Season_Yards_Per_Completion(), 905);
}

TEST_F(SeasonNormsTest, TheHarnessPreparesTheNormsFromTheWeeksPlayed)
{
    using namespace season_fixture;
    SCRATCH_FOLDER_CORE Scratch("season_norms");
    ASSERT_TRUE(Scratch.Ready());
    Build_Season_League(2024);
    // Week 0 starts from the defaults; week 1's norms are those of week 0's
    // sixteen games (GAME records 0-15).
    Play_Season_Games(GAMES_PER_WEEK + 1, 2025, false);
    ASSERT_TRUE(Are_League_Norms_Kept());
    long nAttempts = 0;
    long nCompletions = 0;
    long nInterceptions = 0;
    for (int g = 0; g < GAMES_PER_WEEK; ++g) {
        SEASON_SUMS One;
        Add_Game(*Get_Game_Record(g), One);
        nAttempts += One.nPassAttempts;
        nCompletions += One.nCompletions;
        nInterceptions += One.nInterceptions;
    }
    ASSERT_GT(nAttempts, 0);
    // Completions and interceptions per mille of the attempts, rounded half up.
    EXPECT_EQ(Get_League_Norm(LEAGUE_NORM_COMPLETIONS), (nCompletions * 1000 + nAttempts / 2) / nAttempts);
    EXPECT_EQ(Get_League_Norm(LEAGUE_NORM_INTERCEPTIONS), (nInterceptions * 1000 + nAttempts / 2) / nAttempts);
    EXPECT_NE(Get_League_Norm(LEAGUE_NORM_COMPLETION_YARDS), Get_Default_League_Norm(LEAGUE_NORM_COMPLETION_YARDS));
}

}  // namespace
