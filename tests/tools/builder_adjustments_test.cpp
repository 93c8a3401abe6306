// The builder's adjustment steps: salaries raised to the minimum, ratings
// moved back to a year, 2023 picks rated by slot, future lines dropped and
// record seasons rebuilt (feeding the historical totals once per build),
// team strength added to line and defence ratings, and the rating tools.
#include <cmath>
#include <cstring>

#include "../league/player_fixture.h"
#include "league/overall_rating.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "season/player_generation.h"
#include "season/salaries.h"
#include "tools/builder_adjustments.h"
#include "tools/historical_stats.h"

namespace {

class BuilderAdjustmentsTest : public PlayerTest {
protected:
    void SetUp() override
    {
        PlayerTest::SetUp();
        League.Universe.nStat[FIRST_SEASON_YEAR] = 2000;
        Use_Franchises(2);
        Clear_All_Historical_Totals();
    }
    void TearDown() override { Clear_All_Historical_Totals(); }
    static PLAYER& Born(int nTeam, int nSlot, int nID, int nYear, int nPosition, int nSeasons = 0)
    {
        PLAYER& Player = Put_Player(nTeam, nSlot, nID, nPosition);
        Player.nVital[VITAL_BIRTH_DATE] = nYear * 10000 + 101;
        Player.nVital[VITAL_SEASONS_PLAYED] = nSeasons;
        return Player;
    }
    static void Give_Line(int nTeam, int nSlot, int n, int nLine, int nYear, int nGames)
    {
        Stamp_Season_Line(nLine, nYear, 0, nTeam, nGames);
        Set_Player_Season_Link(nTeam, nSlot, n, nLine);
    }
    static int Record(int nTeam, int nSlot, int nPeriod, int nStat) { return League.Team[nTeam].Player[nSlot].nStat[nPeriod][nStat]; }
};

TEST_F(BuilderAdjustmentsTest, SalariesBelowTheMinimumAreRaisedAtTheBonusesCost)
{
    const int m = Get_Minimum_Salary(3);
    PLAYER& A = Born(0, 0, 1, 1975, POSITION_WR, 3);
    A.nVital[VITAL_SALARY] = m - 30;
    A.nVital[VITAL_SIGNING_BONUS] = 200;
    A.nVital[VITAL_CONTRACT_LENGTH] = 3;
    PLAYER& B = Born(0, 1, 2, 1975, POSITION_WR, 3);
    B.nVital[VITAL_SALARY] = m - 30;
    B.nVital[VITAL_SIGNING_BONUS] = 50;
    B.nVital[VITAL_CONTRACT_LENGTH] = 3;
    PLAYER& C = Born(36, 0, 3, 1975, POSITION_WR, 3);   // a free agent: not a franchise
    C.nVital[VITAL_SALARY] = 1;
    Raise_Salaries_To_Minimum();
    EXPECT_EQ(A.nVital[VITAL_SALARY], m);
    EXPECT_EQ(A.nVital[VITAL_SIGNING_BONUS], 110);   // 200 - 30 x 3
    EXPECT_EQ(B.nVital[VITAL_SIGNING_BONUS], 0);     // never below 0
    EXPECT_EQ(C.nVital[VITAL_SALARY], 1);
}

TEST_F(BuilderAdjustmentsTest, RatingsAreMovedBackToTheYear)
{
    EXPECT_EQ(Get_Rewind_Peak_Age(10, 2000), 29);
    EXPECT_EQ(Get_Rewind_Peak_Age(0, 2000), 34);    // 32 + 50 / 20
    EXPECT_EQ(Get_Rewind_Peak_Age(0, 1960), 32);
    EXPECT_EQ(Get_Rewind_Peak_Age(-3, 1960), 32);
    EXPECT_EQ(Get_Rewind_Peak_Age(20, 2000), 35);   // 14 or more

    // Building 2000: a 22-year-old with one season goes to his overall minus
    // 2 x min(26 - 22, 2023 - 2000) = 8, after the common 3% rise.
    Born(0, 0, 1, 1978, POSITION_RB, 1);
    Born(0, 1, 2, 1978, POSITION_RB, 1);
    Modify_Player_Ratings(0, 1, 0, 0.03f);
    const float fRisen = Get_Position_Overall_Rating(0, 1, POSITION_RB);
    Rewind_Player_Ratings(0, 0);
    EXPECT_NEAR(Get_Position_Overall_Rating(0, 0, POSITION_RB), fRisen - 8.0f, 0.5f);

    // A 35-year-old with 10 seasons (peak 29): k = 6, -(2.5 / 10) x 21 / 100.
    Born(1, 0, 3, 1965, POSITION_RB, 10);
    Born(1, 1, 4, 1965, POSITION_RB, 10);
    Modify_Player_Ratings(1, 1, 0, 0.03f);
    Modify_Player_Ratings(1, 1, 1, -0.0525f);
    Rewind_Player_Ratings(1, 0);
    for (int nRating = 0; nRating < NUMBER_OF_RATINGS; ++nRating)
        EXPECT_FLOAT_EQ(Get_Player_Rating(1, 0, nRating), Get_Player_Rating(1, 1, nRating)) << nRating;
}

TEST_F(BuilderAdjustmentsTest, PicksOf2023AreRatedByTheirSlot)
{
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2023;
    const struct {
        int nPick;
        int nRound;
        float fTarget;
    } Cases[] = {{1, 1, 81.0f}, {10, 1, 79.0f}, {100, 4, 70.0f}, {2, 1, 81.0f}, {3, 1, 80.0f}};
    int nSlot = 0;
    for (const auto& Case : Cases) {
        PLAYER& Player = Born(0, nSlot, 10 + nSlot, 2001, POSITION_RB);
        Player.nVital[VITAL_DRAFT_PICK] = Case.nRound * 100000 + Case.nPick;
        Player.nVital[VITAL_DRAFTED_BY] = 10000 + 2023;
        ++nSlot;
    }
    Born(0, nSlot, 99, 2001, POSITION_RB).nVital[VITAL_DRAFT_PICK] = 100001;   // drafted another year
    const float fUntouched = Get_Position_Overall_Rating(0, nSlot, POSITION_RB);
    Rate_Draft_Picks_By_Slot();
    for (int i = 0; i < 5; ++i)
        EXPECT_NEAR(Get_Position_Overall_Rating(0, i, POSITION_RB), Cases[i].fTarget, 0.5f) << i;
    EXPECT_FLOAT_EQ(Get_Position_Overall_Rating(0, nSlot, POSITION_RB), fUntouched);
}

TEST_F(BuilderAdjustmentsTest, FutureLinesGoAndRecordsAreRebuiltFromThePast)
{
    Born(0, 0, 1, 1975, POSITION_RB, 3);
    Give_Line(0, 0, 0, 20, 1998, 10);
    Give_Line(0, 0, 1, 21, 1999, 12);
    Give_Line(0, 0, 2, 22, 2000, 16);
    League.SeasonLines[20][3 + 8] = 300;
    League.SeasonLines[21][3 + 8] = 500;
    League.SeasonLines[22][3 + 8] = 900;
    Set_Player_Stat(0, 0, STAT_PERIOD_THIS_SEASON, 8, 5);
    Remove_Built_Year_Season_Lines();
    EXPECT_EQ(Count_Player_Season_Lines(0, 0), 2);
    EXPECT_EQ(Get_Season_Line_Year(22), 0);   // the 2000 line is freed
    Rebuild_All_Record_Seasons();
    EXPECT_EQ(Record(0, 0, STAT_PERIOD_CAREER, 0), 22);
    EXPECT_EQ(Record(0, 0, STAT_PERIOD_CAREER, 8), 800);
    EXPECT_EQ(Record(0, 0, STAT_PERIOD_LAST_SEASON, 8), 500);
    EXPECT_EQ(Record(0, 0, STAT_PERIOD_THIS_SEASON, 8), 0);

    // A kicker's longest field goal is the best of his lines, not their sum.
    Born(0, 1, 2, 1975, POSITION_K, 3);
    Give_Line(0, 1, 0, 30, 1998, 16);
    Give_Line(0, 1, 1, 31, 1999, 16);
    League.SeasonLines[30][3 + STAT_LONGEST_FIELD_GOAL] = 48;
    League.SeasonLines[31][3 + STAT_LONGEST_FIELD_GOAL] = 52;
    Rebuild_Player_Record_Seasons(0, 1);
    EXPECT_EQ(Record(0, 1, STAT_PERIOD_CAREER, STAT_LONGEST_FIELD_GOAL), 52);
    EXPECT_EQ(Record(0, 1, STAT_PERIOD_CAREER, 0), 32);
}

TEST_F(BuilderAdjustmentsTest, ABuildOf1951FeedsItsYearBeforeOncePerBuild)
{
    League.Universe.nStat[FIRST_SEASON_YEAR] = 1951;
    Born(0, 0, 1, 1925, POSITION_QB, 3);
    Give_Line(0, 0, 0, 40, 1950, 12);
    Give_Line(0, 0, 1, 41, 1949, 12);    // not the season before the build
    League.SeasonLines[40][3 + 5] = 2000;   // passing yards
    League.SeasonLines[40][3 + 8] = 150;    // rushing yards
    League.SeasonLines[41][3 + 5] = 7000;
    Born(0, 1, 2, 1925, POSITION_LB, 3);
    Give_Line(0, 1, 0, 42, 1950, 12);
    League.SeasonLines[42][3 + 4] = 9;      // half sacks: 4

    Reset_Historical_Totals_For_Build(1951);
    Rebuild_All_Record_Seasons();
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 1950), 2000);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_RUSH_YARDS, 1950), 150);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_SACKS, 1950), 4);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 1949), 0);
    // The same year built again starts its year afresh.
    Reset_Historical_Totals_For_Build(1951);
    Rebuild_All_Record_Seasons();
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 1950), 2000);
    // Without that reset the rebuild would add up.
    Rebuild_All_Record_Seasons();
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 1950), 4000);
}

TEST_F(BuilderAdjustmentsTest, TeamStrengthGoesToLinemenAndDefenders)
{
    Born(0, 0, 1, 1975, POSITION_G);
    Born(0, 1, 2, 1975, POSITION_LB);
    Born(0, 2, 3, 1975, POSITION_T).nVital[VITAL_FLAGS] = 2;   // kept out
    Born(0, 3, 4, 1975, POSITION_QB);
    Set_Team_Stat(0, 23, 40);   // + 2.0 to linemen
    Set_Team_Stat(0, 24, 50);   // + 2.0 to defenders
    Apply_Team_Strength_To_Ratings();
    for (int nRating = 0; nRating < NUMBER_OF_RATINGS; ++nRating) {
        SCOPED_TRACE(nRating);
        const bool bLine = nRating >= RATING_PASS_BLOCKING && nRating <= RATING_DISCIPLINE;
        const bool bDefence = nRating >= RATING_RUN_DEFENSE && nRating <= RATING_TACKLING;
        EXPECT_FLOAT_EQ(Get_Player_Rating(0, 0, nRating), bLine ? 72.0f : 70.0f);
        EXPECT_FLOAT_EQ(Get_Player_Rating(0, 1, nRating), bDefence ? 72.0f : 70.0f);
        EXPECT_FLOAT_EQ(Get_Player_Rating(0, 2, nRating), 70.0f);
        EXPECT_FLOAT_EQ(Get_Player_Rating(0, 3, nRating), 70.0f);
    }
}

TEST_F(BuilderAdjustmentsTest, RatingToolsOfTheFamily)
{
    // Tackling 70 moves up by 25 x 1 / 25 = 1; an overall 25 or more from
    // 72 is not scaled.
    PLAYER& Tackler = Born(0, 0, 1, 1975, POSITION_K);
    for (float& f : Tackler.fRating)
        f = 20.0f;
    Tackler.fRating[RATING_TACKLING] = 70.0f;
    ASSERT_LE(Get_Position_Overall_Rating(0, 0, POSITION_K), 47.0f);
    Nudge_Team_Ratings(0, 1.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 0, RATING_TACKLING), 71.0f);
    EXPECT_FLOAT_EQ(Get_Player_Rating(0, 0, RATING_FG_ACCURACY), 20.0f);
    // A factor that is no number changes nothing.
    LEAGUE_SNAPSHOT Before;
    Nudge_Team_Ratings(0, std::nanf(""));
    Nudge_Team_Ratings(99, 1.0f);
    EXPECT_TRUE(Before.Unchanged());

    Use_Franchises(0);
    EXPECT_EQ(Get_League_Average_Power_Score(), 0);
    Use_Franchises(2);

    EXPECT_TRUE(Is_Expanded_Position_Pair(22, 6));
    EXPECT_FALSE(Is_Expanded_Position_Pair(6, 22));
    EXPECT_FALSE(Is_Expanded_Position_Pair(3, 6));

    // A pick of 2021 (w = 50) at pick 10: target 77 - 10 / 11 = 77 (no
    // bonus from pick 10 on);
    // blended halfway from an overall below it.
    PLAYER& Pick = Born(1, 0, 2, 1999, POSITION_RB);
    for (float& f : Pick.fRating)
        f = 55.0f;
    Pick.nVital[VITAL_DRAFTED_BY] = 10000 + 2021;
    Pick.nVital[VITAL_DRAFT_PICK] = 100010;
    const float fBefore = Get_Position_Overall_Rating(1, 0, POSITION_RB);
    ASSERT_LT(fBefore, 70.0f);
    Blend_Recent_Draft_Pick_Rating(1, 0);
    const float fBlend = std::round(77.0f * 50 / 100) + std::round(fBefore * 50 / 100);
    const float fAfter = Get_Position_Overall_Rating(1, 0, POSITION_RB);
    EXPECT_GE(fAfter, fBlend);
    EXPECT_LT(fAfter, fBlend + 1.0f);
}

}  // namespace
