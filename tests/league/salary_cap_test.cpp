// Salary cap, inflation factor and the rules that switch with the season
// year; expected values worked out by hand.
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/salary_cap.h"
#include "league/team_finances.h"
#include "test_support.h"

namespace {

class SalaryCapTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Clear_League_Data();
        for (int t = 0; t < 2; t++) {
            Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_COMPUTER);
            Set_Team_Stat(t, TEAM_STAT_DIVISION, t * 4 + 1);
        }
        Count_Teams();
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
        Errors_Reported();
    }

    static void Season(int nFirstYear, int nIndex)
    {
        Set_Universe_Stat(FIRST_SEASON_YEAR, nFirstYear);
        Set_User_Preference(PREF_SEASON_INDEX, nIndex);
    }
};

TEST_F(SalaryCapTest, CapByYear)
{
    EXPECT_EQ(Get_Season_Salary_Cap(1994), 34600000);
    EXPECT_EQ(Get_Season_Salary_Cap(2011), 120000000);
    EXPECT_EQ(Get_Season_Salary_Cap(2021), 182500000);
    EXPECT_EQ(Get_Season_Salary_Cap(2023), 224800000);
    // Back from 1994, 4% a year, rounded each year: 33,216,000; 31,887,360;
    // 30,611,865.6 -> 30,611,866.
    EXPECT_EQ(Get_Season_Salary_Cap(1993), 33216000);
    EXPECT_EQ(Get_Season_Salary_Cap(1992), 31887360);
    EXPECT_EQ(Get_Season_Salary_Cap(1991), 30611866);
    // Forward from 2023: 3% of the 2023 cap per year, at most 30 years.
    EXPECT_EQ(Get_Season_Salary_Cap(2024), 231544000);
    EXPECT_EQ(Get_Season_Salary_Cap(2030), 272008000);   // 121%
    EXPECT_EQ(Get_Season_Salary_Cap(2053), 427120000);
    EXPECT_EQ(Get_Season_Salary_Cap(2100), 427120000);
    EXPECT_EQ(Get_Season_Salary_Cap(2147483647), 427120000);
    EXPECT_EQ(Errors_Reported(), 0);

    // Far back the 4% cut stops where it rounds back to itself (12 dollars:
    // 12 x 0.96 = 11.52 rounds to 12), so a damaged year ends the search at
    // once. Such a cap is reported and returned all the same.
    EXPECT_EQ(Get_Season_Salary_Cap(1000), 12);
    EXPECT_TRUE(Last_Error_Contains("Get_Season_Salary_Cap(1000) returned 12"));
    EXPECT_EQ(Get_Season_Salary_Cap(-2000000000), 12);
    EXPECT_TRUE(Last_Error_Contains("Get_Season_Salary_Cap(-2000000000) returned 12"));
    EXPECT_EQ(Errors_Reported(), 2);
}

TEST_F(SalaryCapTest, InflationFactor)
{
    // (120,000,000 + 112,400) x 1000 / 224,800,000 = 534.3.
    Set_Universe_Stat(SALARY_CAP, 120000000);
    Update_Inflation_Factor();
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 534);
    // Exactly half a per mille rounds up: 224,800,000 x 1.0005 = 224,912,400.
    Set_Universe_Stat(SALARY_CAP, 224912400);
    Update_Inflation_Factor();
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 1001);
    Set_Universe_Stat(SALARY_CAP, 224912399);
    Update_Inflation_Factor();
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 1000);
    // No cap: the year's table cap. 2024: 231,544,000 -> 1030; 1993: 33,216,000 -> 148.
    Set_Universe_Stat(SALARY_CAP, 0);
    Season(2020, 4);
    Update_Inflation_Factor();
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 1030);
    Season(1993, 0);
    Update_Inflation_Factor();
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 148);
    // A cap of 1,000,000,000 stays within 64-bit arithmetic: 4448.8 -> 4448.
    Set_Universe_Stat(SALARY_CAP, 1000000000);
    Update_Inflation_Factor();
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 4448);
}

TEST_F(SalaryCapTest, CapRisesOnlyBetweenSeasons)
{
    // 2012: 120,000,000 -> 123,000,000, a rise of 2.5%, on a step of 50,000
    // (inflation 534).
    Season(2011, 1);
    Set_Universe_Stat(SALARY_CAP, 120000000);
    Set_Universe_Stat(INFLATION_FACTOR, 534);
    Update_Salary_Cap(0);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 123000000);
    // 2011: the table falls to 120,000,000; the cap stays at 128,000,000.
    Season(2010, 1);
    Set_Universe_Stat(SALARY_CAP, 128000000);
    Update_Salary_Cap(0);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 128000000);
    // No cap stays no cap.
    Set_Universe_Stat(SALARY_CAP, 0);
    Update_Salary_Cap(0);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 0);
    // Before 1994 the table gives no cap: the setting stays.
    Season(1990, 1);
    Set_Universe_Stat(SALARY_CAP, 30000000);
    Update_Salary_Cap(0);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 30000000);

    // Rounding to 1000 x the price step (inflation 1000: 100,000), halves up:
    // 75,000,000 -> 80,582,000 -> 80,600,000.
    Season(2003, 1);
    Set_Universe_Stat(SALARY_CAP, 75000000);
    Set_Universe_Stat(INFLATION_FACTOR, 1000);
    Update_Salary_Cap(0);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 80600000);
    // A rise of less than 2% is no rise: 80,000,000 -> 80,582,000.
    Set_Universe_Stat(SALARY_CAP, 80000000);
    Update_Salary_Cap(0);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 80000000);

    // Owner mode damps the rise by the finance index: 1500 turns 3,000,000
    // into 4,500,000; 500 into 1,500,000, below 2% of 120,000,000: no rise.
    Set_User_Preference(PREF_OWNER_MODE, 1);
    Season(2011, 1);
    Set_Universe_Stat(INFLATION_FACTOR, 534);
    Set_Universe_Stat(FINANCE_INDEX, 1500);
    Set_Universe_Stat(SALARY_CAP, 120000000);
    Update_Salary_Cap(0);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 124500000);
    Set_Universe_Stat(FINANCE_INDEX, 500);
    Set_Universe_Stat(SALARY_CAP, 120000000);
    Update_Salary_Cap(0);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 120000000);
    Set_User_Preference(PREF_OWNER_MODE, 0);

    // Asked: Cancel keeps the old cap, OK takes the new one.
    Season(2003, 1);
    Set_Universe_Stat(INFLATION_FACTOR, 1000);
    Set_Universe_Stat(SALARY_CAP, 75000000);
    ui::Queue_Answer(ID_CANCEL);
    Update_Salary_Cap(1);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 75000000);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Salary Cap");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "The league would like to change the salary cap from $75,000,000 to $80,600,000.");
    ui::Queue_Answer(ID_OK);
    Update_Salary_Cap(1);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 80600000);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(SalaryCapTest, GamesAndWildCardsByYear)
{
    const int Games[][2] = {{1950, 12}, {1960, 12}, {1961, 14}, {1977, 14}, {1978, 16}, {2020, 16}, {2021, 17}, {2040, 17}};
    for (auto& Row : Games) {
        Season(Row[0], 0);
        Set_Universe_Stat(GAMES_PER_SEASON, 40);
        Update_Games_Per_Season(0);
        EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), Row[1]) << Row[0];
    }
    const int WildCards[][2] = {{1969, 0}, {1970, 1}, {1977, 1}, {1978, 2}, {1989, 2}, {1990, 3},
                                {2001, 3}, {2002, 2}, {2019, 2}, {2020, 3}, {2030, 3}};
    for (auto& Row : WildCards) {
        Season(Row[0], 0);
        Update_Wild_Card_Teams(0);
        EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), Row[1]) << Row[0];
    }
    // Asked about a change: Cancel keeps the old values.
    Season(2021, 0);
    Set_Universe_Stat(GAMES_PER_SEASON, 16);
    ui::Queue_Answer(ID_CANCEL);
    Update_Games_Per_Season(1);
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 16);
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "The league would like to change the regular season from 16 games to 17 games.");
    EXPECT_EQ(ui::Shown_Boxes().back().Caption, "Schedule Change");
    Set_Universe_Stat(WILD_CARD_TEAMS, 2);
    ui::Queue_Answer(ID_CANCEL);
    Update_Wild_Card_Teams(1);
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 2);
    EXPECT_EQ(ui::Shown_Boxes().back().Caption, "Playoff Format Change");
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(SalaryCapTest, RuleSwitchesByYear)
{
    // Year, then preferences 175, 46, 45, 174, 199, 88, 198, 200, 197, 202.
    const int Rules[][11] = {
        {1960, 0, 2, 0, 0, 0, 15, 0, 2, 1, 2},
        {1973, 0, 2, 0, 0, 0, 15, 0, 2, 1, 2},
        {1974, 1, 2, 0, 0, 0, 15, 0, 1, 0, 1},
        {1993, 1, 2, 0, 0, 0, 15, 0, 1, 0, 1},
        {1994, 1, 2, 0, 1, 0, 15, 0, 0, 0, 0},
        {2009, 1, 2, 0, 1, 0, 15, 0, 0, 0, 0},
        {2010, 1, 3, 0, 1, 0, 15, 0, 0, 0, 0},
        {2011, 1, 3, 0, 1, 0, 15, 0, 1, 0, 0},
        {2013, 1, 3, 1, 1, 0, 15, 0, 1, 0, 0},
        {2015, 1, 3, 1, 1, 1, 15, 0, 1, 0, 0},
        {2016, 1, 3, 1, 1, 1, 15, 1, 1, 0, 0},
        {2017, 1, 3, 1, 1, 1, 10, 1, 1, 0, 0},
        {2023, 1, 3, 1, 1, 1, 10, 1, 1, 0, 0},
    };
    const int Preferences[] = {175, 46, 45, 174, 199, 88, 198, 200, 197, 202};
    for (auto& Row : Rules) {
        Season(Row[0], 0);
        Apply_Season_Rule_Changes();
        for (int i = 0; i < 10; i++)
            EXPECT_EQ(Get_User_Preference(Preferences[i]), Row[i + 1]) << Row[0] << " preference " << Preferences[i];
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(SalaryCapTest, SeasonRollLeagueFlagsAndExchange)
{
    // A first season in 1965: flag A 0 until 1966, flag B 1 until 1990.
    Season(1965, 0);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Word(LEAGUE_FLAG_WORD_0), 0);
    EXPECT_EQ(Get_Universe_Word(LEAGUE_FLAG_WORD_1), 1);
    Season(1965, 1);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Word(LEAGUE_FLAG_WORD_0), 1);
    Season(1966, 0);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Word(LEAGUE_FLAG_WORD_0), 1);
    Season(1989, 1);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Word(LEAGUE_FLAG_WORD_1), 0);
    Season(1990, 0);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Word(LEAGUE_FLAG_WORD_1), 0);

    // The 1970 season after the first one exchanges the leagues; a league
    // that starts in 1970 does not.
    Set_League_Abbreviation(0, "AFL");
    Set_League_Abbreviation(1, "NFL");
    Season(1970, 0);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_DIVISION), 1);
    Season(1969, 1);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_DIVISION), 5);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_DIVISION), 1);
    char szName[LEAGUE_NAME_SIZE];
    Get_League_Name(0, szName);
    EXPECT_STREQ(szName, "NFL");

    // A league without a cap keeps none through the rolls; its inflation
    // follows the table: 2016, 155,270,000 -> 691.
    Set_Universe_Stat(SALARY_CAP, 0);
    Season(2015, 1);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 0);
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 691);

    // A capped league rolls into 2012 (120,000,000 -> 123,000,000, inflation
    // 547), 16 games, 2 wild cards; the per-game amount: 224,800,000 / 16 +
    // 370,000 = 14,420,000, x 547 / 1000 = 7,887,740.
    Season(2011, 1);
    Set_Universe_Stat(SALARY_CAP, 120000000);
    Set_Universe_Stat(INFLATION_FACTOR, 534);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 123000000);
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 547);
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 16);
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 2);
    EXPECT_EQ(Get_Universe_Stat(LEAGUE_PER_GAME_AMOUNT), 7887740);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(SalaryCapTest, NoTeamsNoDivisionByZero)
{
    // Owner mode with every slot empty: the finance index is 0 and the
    // per-game amount 0, without dividing by either.
    for (int t = 0; t < MAX_FRANCHISES; t++)
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_NOT_IN_USE);
    Set_User_Preference(PREF_OWNER_MODE, 1);
    Season(2023, 0);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Stat(FINANCE_INDEX), 0);
    EXPECT_EQ(Get_Universe_Stat(LEAGUE_PER_GAME_AMOUNT), 0);
    EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), 17);
}

TEST_F(SalaryCapTest, ResetTeamControllers)
{
    Set_Team_Stat(2, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
    Reset_Team_Controllers();
    for (int t = 0; t < 3; t++)
        EXPECT_EQ(Get_Team_Stat(t, TEAM_STAT_CONTROLLER), CONTROLLER_COMPUTER) << t;
    for (int t = 3; t < MAX_FRANCHISES; t++)
        EXPECT_EQ(Get_Team_Stat(t, TEAM_STAT_CONTROLLER), CONTROLLER_NOT_IN_USE) << t;
    EXPECT_EQ(Count_Teams(), 3);
}

}  // namespace
