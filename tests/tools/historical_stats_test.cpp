// The historical totals and "HistoricalStats.txt": which statistics of which
// players feed which total, the years kept (1950-2023), 64-bit sums, the
// league sizes, the file's 13 sections of 74 lines with their per-team and
// rounded figures, and a file that cannot be written.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "../league/player_fixture.h"
#include "tools/historical_stats.h"

namespace {

class HistoricalStatsTest : public PlayerTest {
protected:
    SCRATCH_FOLDER Scratch{"historical_stats"};
    void SetUp() override
    {
        PlayerTest::SetUp();
        Use_Franchises(1);
        Put_Player(0, 0, 1, POSITION_QB);
        Put_Player(0, 1, 2, POSITION_RB);
        Put_Player(0, 2, 3, POSITION_DE);
        Put_Player(0, 3, 4, POSITION_K);
        Clear_All_Historical_Totals();
    }
    void TearDown() override { Clear_All_Historical_Totals(); }
    static void Build(int nYear) { League.Universe.nStat[FIRST_SEASON_YEAR] = nYear; }
    static std::vector<std::string> Lines(const std::string& Text)
    {
        std::vector<std::string> Out;
        std::istringstream In(Text);
        std::string One;
        while (std::getline(In, One))
            Out.push_back(One);
        return Out;
    }
};

TEST_F(HistoricalStatsTest, EachStatisticFeedsItsTotalByPosition)
{
    Build(2001);
    // Quarterback: passing 2-6, rushing 7-8; receiving slots mean nothing.
    for (int nStat = 2; nStat <= 10; ++nStat)
        Add_To_Historical_Totals(0, 0, 2000, nStat, 100 + nStat);
    // A back: yards after catch (6), rushing (7, 8), receptions (10).
    for (int nStat = 2; nStat <= 10; ++nStat)
        Add_To_Historical_Totals(0, 1, 2000, nStat, 1000 + nStat);
    // A defender: solo (2), assists (3), half sacks (4) and knockdowns (6).
    for (int nStat = 2; nStat <= 10; ++nStat)
        Add_To_Historical_Totals(0, 2, 2000, nStat, 10000 + nStat);
    Add_To_Historical_Totals(0, 3, 2000, 2, 55555);   // a kicker: nothing
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_ATTEMPTS, 2000), 102);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_COMPLETIONS, 2000), 103);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_INTERCEPTIONS, 2000), 104);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 2000), 105);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_TOUCHDOWNS, 2000), 106);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_RUSH_ATTEMPTS, 2000), 107 + 1007);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_RUSH_YARDS, 2000), 108 + 1008);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_RECEPTIONS, 2000), 1010);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_YARDS_AFTER_CATCH, 2000), 1006);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_SOLO_TACKLES, 2000), 10002);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_ASSISTS, 2000), 10003);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_SACKS, 2000), 5002);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_KNOCKDOWNS, 2000), 10006);

    // Only the season before the build counts.
    Add_To_Historical_Totals(0, 0, 1999, 5, 7);
    Add_To_Historical_Totals(0, 0, 2001, 5, 7);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 1999), 0);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 2001), 0);

    // 64 bits: two values near the int limit add up.
    Add_To_Historical_Totals(0, 0, 2000, 5, 2000000000);
    Add_To_Historical_Totals(0, 0, 2000, 5, 2000000000);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 2000), 4000000105LL);
}

TEST_F(HistoricalStatsTest, TheYearTableRunsFrom1950To2023)
{
    Build(1951);
    Add_To_Historical_Totals(0, 0, 1950, 5, 300);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 1950), 300);
    Build(2024);
    Add_To_Historical_Totals(0, 0, 2023, 5, 400);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 2023), 400);
    Build(1950);
    Add_To_Historical_Totals(0, 0, 1949, 5, 500);   // outside: ignored
    Build(2025);
    Add_To_Historical_Totals(0, 0, 2024, 5, 600);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 1949), 0);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 2024), 0);
    EXPECT_EQ(Get_Historical_Total(99, 2000), 0);
    Reset_Historical_Totals_For_Build(1951);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 1950), 0);
    EXPECT_EQ(Get_Historical_Total(HISTORICAL_PASS_YARDS, 2023), 400);
    Reset_Historical_Totals_For_Build(1950);   // nothing to clear, no fault
    Reset_Historical_Totals_For_Build(2025);
}

TEST_F(HistoricalStatsTest, LeagueSizesByYear)
{
    const int Cases[][2] = {{1951, 12}, {1959, 12}, {1960, 13}, {1961, 22}, {1965, 22}, {1966, 24}, {1967, 25},
                            {1968, 26}, {1975, 26}, {1976, 28}, {1994, 28}, {1995, 30}, {1996, 31}, {2001, 31},
                            {2002, 32}, {2022, 32}};
    for (const auto& Case : Cases)
        EXPECT_EQ(Get_League_Size_For_Year(Case[0]), Case[1]) << Case[0];
}

TEST_F(HistoricalStatsTest, TheFileHasThirteenSectionsOfSeventyFourLines)
{
    Build(2001);   // only 2000 is filled
    Add_To_Historical_Totals(0, 0, 2000, 5, 60000);    // passing yards
    Add_To_Historical_Totals(0, 1, 2000, 8, 40000);    // rushing yards, no attempts
    Add_To_Historical_Totals(0, 0, 2000, 2, 3000);     // attempts
    Add_To_Historical_Totals(0, 0, 2000, 3, 1999);     // completions
    Add_To_Historical_Totals(0, 0, 2000, 6, 3);        // touchdowns
    ASSERT_TRUE(Write_Historical_Stats());
    const std::vector<std::string> L = Lines(Read_Text_File(HISTORICAL_STATS_FILE));
    ASSERT_EQ(L.size(), 13u * 74u);
    const char* Titles[] = {"PASS_YARDS per team",     "RUSH_YARDS per team", "PASS_YARDS divided by RUSH_YARDS",
                            "YARDS_PER_RUSH",          "YARDS_PER_COMPLETION", "TOUCHDOWN_PERCENTAGE",
                            "COMPLETION_PERCENTAGE",   "INTERCEPTION_PERCENTAGE", "YARDS_AFTER_CATCH",
                            "TACKLES per team",        "ASSISTS per team",    "SACKS per team",
                            "KNOCKDOWNS per team"};
    for (int s = 0; s < 13; ++s) {
        EXPECT_EQ(L[s * 74], "");
        EXPECT_EQ(L[s * 74 + 1], Titles[s]);
        EXPECT_EQ(L[s * 74 + 2], "0, // 1951");
        EXPECT_EQ(L[s * 74 + 73], "0, // 2022");
    }
    auto Year_2000 = [&](int s) { return L[s * 74 + 2 + (2000 - 1951)]; };
    EXPECT_EQ(Year_2000(0), "1935, // 2000");     // 60,000 / 31 clubs
    EXPECT_EQ(Year_2000(1), "1290, // 2000");     // 40,000 / 31
    EXPECT_EQ(Year_2000(2), "1500, // 2000");     // 60,000 x 1000 / 40,000
    EXPECT_EQ(Year_2000(3), "0, // 2000");        // no rushing attempts
    EXPECT_EQ(Year_2000(4), "30015, // 2000");    // 60,000,000 / 1,999 = 30,015.0
    EXPECT_EQ(Year_2000(5), "1, // 2000");        // 3,000 / 3,000 = 1.0
    EXPECT_EQ(Year_2000(6), "666, // 2000");      // 1,999,000 / 3,000 = 666.33
    EXPECT_EQ(L[2 + (2001 - 1951)], "0, // 2001");
}

TEST_F(HistoricalStatsTest, AFileThatCannotBeWrittenIsTold)
{
    std::filesystem::create_directory(HISTORICAL_STATS_FILE);   // a folder in its place
    EXPECT_FALSE(Write_Historical_Stats());
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Error");
    EXPECT_NE(ui::Shown_Boxes()[0].Text.find("HistoricalStats.txt"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(HISTORICAL_STATS_FILE));
}

}  // namespace
