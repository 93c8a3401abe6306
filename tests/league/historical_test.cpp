// Historical league averages: the fixed years exactly, the years between on
// the straight lines, the two-year mean and the second smoothing of the
// current average; and the season's progress per mille.

#include <climits>

#include "league/historical.h"
#include "league/preferences.h"
#include "schedule/season_progress.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

using HistoricalTest = LeagueTest;

int Table_Value(int nCode, int nYear)
{
    for (int t = 0; t < HISTORICAL_TABLE_COUNT; t++)
        if (HISTORICAL_STAT_CODES[t] == nCode)
            return HISTORICAL_AVERAGES[t][nYear - HISTORICAL_FIRST_YEAR];
    return -1;
}

TEST_F(HistoricalTest, TablesHoldTheGivenRowsAndStraightLinesBetween)
{
    const int nYears[6] = {1950, 1970, 1990, 2010, 2020, 2024};
    const int nRows[9][7] = {
        {101, 466, 510, 579, 626, 648, 642},     {105, 52, 41, 37, 43, 45, 44},
        {107, 74, 57, 34, 29, 23, 23},           {109, 1460, 1326, 1199, 1125, 1025, 1030},
        {111, 85, 75, 66, 64, 62, 65},           {112, 405, 400, 410, 426, 446, 440},
        {116, 404, 408, 417, 450, 456, 462},     {121, 951, 980, 977, 994, 934, 950},
        {124, 516, 587, 735, 829, 851, 850},
    };
    for (const auto& Row : nRows)
        for (int a = 0; a < 6; a++)
            EXPECT_EQ(Table_Value(Row[0], nYears[a]), Row[a + 1]) << Row[0] << " " << nYears[a];

    // Between: v0 + (v1 - v0) x (year - y0) / (y1 - y0), halves away from zero.
    EXPECT_EQ(Table_Value(112, 2015), 436);   // 426 + 20 x 5 / 10
    EXPECT_EQ(Table_Value(109, 1969), 1333);  // 1460 - 134 x 19 / 20 = 1332.7
    EXPECT_EQ(Table_Value(107, 1960), 66);    // 74 - 17 x 10 / 20 = 65.5
    EXPECT_EQ(Table_Value(124, 2022), 851);   // 851 - 1 x 2 / 4 = 850.5
    EXPECT_EQ(Table_Value(121, 1980), 979);   // 980 - 3 x 10 / 20 = 978.5
    EXPECT_EQ(Table_Value(105, 2023), 44);    // 45 - 1 x 3 / 4 = 44.25
    EXPECT_EQ(Table_Value(109, 2015), 1075);  // 1125 - 100 x 5 / 10
    EXPECT_EQ(Table_Value(101, 2022), 645);   // 648 - 6 x 2 / 4
    EXPECT_EQ(Table_Value(101, 2000), 603);   // 579 + 47 x 10 / 20 = 602.5
    EXPECT_EQ(Table_Value(107, 2014), 27);    // 29 - 6 x 4 / 10 = 26.6
    EXPECT_EQ(Table_Value(111, 2013), 63);    // 64 - 2 x 3 / 10 = 63.4
    EXPECT_EQ(Table_Value(111, 2023), 64);    // 62 + 3 x 3 / 4 = 64.25
    EXPECT_EQ(Table_Value(109, 2022), 1028);  // 1025 + 5 x 2 / 4 = 1027.5
}

TEST_F(HistoricalTest, LookupIsTheMeanOfTheYearAndTheYearBefore)
{
    EXPECT_EQ(Get_Historical_Average_Stat(101, 1950), 466);   // both indexes clamp to 1950
    EXPECT_EQ(Get_Historical_Average_Stat(101, 2030), 642);   // both clamp to 2024
    EXPECT_EQ(Get_Historical_Average_Stat(113, 1950), 146);   // 1460 / 10
    EXPECT_EQ(Get_Historical_Average_Stat(116, INT_MIN), 404);
    EXPECT_EQ(Get_Historical_Average_Stat(116, INT_MAX), 462);
    EXPECT_EQ(Get_Historical_Average_Stat(101, 1951), 467);   // (468 + 466) / 2
    EXPECT_EQ(Get_Historical_Average_Stat(109, 1970), 1329);  // (1326 + 1333) / 2, truncated
    EXPECT_EQ(Get_Historical_Average_Stat(112, 2015), 435);   // (436 + 434) / 2
    EXPECT_EQ(Get_Historical_Average_Stat(113, 2015), 108);   // (1085 + 1075) / 2 / 10
    EXPECT_EQ(Get_Historical_Average_Stat(107, 1961), 65);    // (65 + 66) / 2
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    EXPECT_EQ(Get_Historical_Average_Stat(102, 2000), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Code Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Unhandled nStat in int Get_Historical_Average_Stat()");

    // While games are simulated the complaint goes to the log, not a box.
    Set_User_Preference(PREF_SIMULATION_RUNNING, 1);
    EXPECT_EQ(Get_Historical_Average_Stat(-1, 2000), 0);
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Unhandled nStat in int Get_Historical_Average_Stat()"));
}

TEST_F(HistoricalTest, CurrentAverageSmoothsTheCurrentYearWithTheOneBefore)
{
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2010;
    Set_User_Preference(PREF_SEASON_INDEX, 5);   // 2015
    // H(112, 2014) = (434 + 432) / 2 = 433; H(112, 2015) = 435.
    EXPECT_EQ(Get_Current_Average_Stat(112), 434);
    // H(113, 2014) = (1095 + 1085) / 2 / 10 = 109; H(113, 2015) = 108: 217 / 2.
    EXPECT_EQ(Get_Current_Average_Stat(113), 108);

    League.Universe.nStat[FIRST_SEASON_YEAR] = 1961;
    Set_User_Preference(PREF_SEASON_INDEX, 0);
    // H(107, 1960) = (66 + 66) / 2 = 66; H(107, 1961) = 65: 131 / 2.
    EXPECT_EQ(Get_Current_Average_Stat(107), 65);
    EXPECT_EQ(Errors_Reported(), 0);

    EXPECT_EQ(Get_Current_Average_Stat(150), 0);
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);   // one complaint, not one per year
}

TEST_F(HistoricalTest, SeasonProgressPerMille)
{
    EXPECT_EQ(Get_Season_Progress_Per_Mille(), 0);   // no regular weeks
    Set_Regular_Season_Weeks(17);
    Set_User_Preference(PREF_CURRENT_WEEK, 8);
    EXPECT_EQ(Get_Season_Progress_Per_Mille(), 471);   // (8,000 + 8) / 17
    Set_User_Preference(PREF_CURRENT_WEEK, 17);
    EXPECT_EQ(Get_Season_Progress_Per_Mille(), 1000);  // 17,008 / 17
    Set_User_Preference(PREF_CURRENT_WEEK, INT_MAX);
    EXPECT_EQ(Get_Season_Progress_Per_Mille(), 1000);
    Set_Regular_Season_Weeks(18);
    Set_User_Preference(PREF_CURRENT_WEEK, 1);
    EXPECT_EQ(Get_Season_Progress_Per_Mille(), 56);    // 1,009 / 18
    Set_User_Preference(PREF_CURRENT_WEEK, -3);
    EXPECT_EQ(Get_Season_Progress_Per_Mille(), 0);
    Set_Regular_Season_Weeks(-4);
    EXPECT_EQ(Get_Season_Progress_Per_Mille(), 0);
}

}  // namespace
