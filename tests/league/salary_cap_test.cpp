// Salary cap, inflation factor and the rules that switch with the season
// year; expected values worked out by hand.
#include <set>
#include <vector>

#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/salary_cap.h"
#include "league/team_schedule.h"
#include "schedule/schedule_driver.h"
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
    // The cap after one yearly update from nCap, not asked.
    static int Cap_After(int nCap, int nAsk = 0)
    {
        Set_Universe_Stat(SALARY_CAP, nCap);
        Update_Salary_Cap(nAsk);
        return Get_Universe_Stat(SALARY_CAP);
    }
    static int Inflation_For(int nCap)
    {
        Set_Universe_Stat(SALARY_CAP, nCap);
        Update_Inflation_Factor();
        return Get_Universe_Stat(INFLATION_FACTOR);
    }
};

TEST_F(SalaryCapTest, CapByYear)
{
    // Back from 34,600,000 in 1994 4% a year, rounded each year; forward from
    // 224,800,000 in 2023 3% of that cap a year, at most 30 years.
    const int Caps[][2] = {{1993, 33216000}, {1991, 30611866}, {2024, 231544000}, {2053, 427120000}, {2147483647, 427120000}};
    for (const auto& c : Caps)
        EXPECT_EQ(Get_Season_Salary_Cap(c[0]), c[1]) << c[0];
    EXPECT_EQ(Errors_Reported(), 0);

    // Far back the cut stops at 12 dollars (12 x 0.96 rounds back to 12);
    // such a cap is reported and returned all the same.
    EXPECT_EQ(Get_Season_Salary_Cap(-2000000000), 12);
    EXPECT_TRUE(Last_Error_Contains("Get_Season_Salary_Cap(-2000000000) returned 12"));
    EXPECT_EQ(Errors_Reported(), 1);
}

TEST_F(SalaryCapTest, InflationFactor)
{
    EXPECT_EQ(Inflation_For(120000000), 534);    // 120,112,400 x 1000 / 224,800,000
    EXPECT_EQ(Inflation_For(224912400), 1001);   // exactly half a per mille rounds up
    EXPECT_EQ(Inflation_For(224912399), 1000);
    EXPECT_EQ(Inflation_For(1000000000), 4448);  // within 64-bit arithmetic
    // No cap: the year's table cap, 2024: 231,544,000.
    Season(2020, 4);
    EXPECT_EQ(Inflation_For(0), 1030);
}

TEST_F(SalaryCapTest, CapRisesOnlyBetweenSeasons)
{
    // First year, inflation, owner mode's finance index (0: off), cap before
    // and after. 2012: +2.5% on a step of 50,000; 2011: the table falls; 1991:
    // no table cap; 2004: 80,582,000 rounds to 100,000, halves up; a rise
    // below 2% is none; owner mode scales the 3,000,000 rise by the index.
    const int Rows[][5] = {{2011, 534, 0, 120000000, 123000000}, {2010, 534, 0, 128000000, 128000000},
                           {1990, 534, 0, 30000000, 30000000}, {2003, 1000, 0, 75000000, 80600000},
                           {2003, 1000, 0, 80000000, 80000000}, {2011, 534, 1500, 120000000, 124500000}};
    for (const auto& r : Rows) {
        Season(r[0], 1);
        Set_Universe_Stat(INFLATION_FACTOR, r[1]);
        Set_User_Preference(PREF_OWNER_MODE, r[2] != 0);
        Set_Universe_Stat(FINANCE_INDEX, r[2]);
        EXPECT_EQ(Cap_After(r[3]), r[4]) << r[0] << " " << r[3];
    }
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(SalaryCapTest, GamesAndWildCardsByYear)
{
    // Games {32 clubs, the fixture's 2 clubs}: the 17 games of 2021 are for
    // a league of 32 clubs; any other keeps 16.
    const int Rows[][4] = {{1960, 12, 12, 0}, {1961, 14, 14, 0}, {1970, 14, 14, 1}, {1978, 16, 16, 2},
                           {1990, 16, 16, 3}, {2002, 16, 16, 2}, {2020, 16, 16, 3}, {2021, 17, 16, 3}};
    for (int nClubs : {32, 2}) {
        for (int t = 0; t < 36; t++)
            Set_Team_Stat(t, TEAM_STAT_CONTROLLER, t < nClubs ? CONTROLLER_COMPUTER : CONTROLLER_NOT_IN_USE);
        ASSERT_EQ(Count_Teams(), nClubs);
        for (auto& Row : Rows) {
            Season(Row[0], 0);
            Set_Universe_Stat(GAMES_PER_SEASON, 40);
            Update_Games_Per_Season(0);
            Update_Wild_Card_Teams(0);
            EXPECT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), nClubs == 32 ? Row[1] : Row[2]) << Row[0];
            EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), Row[3]) << Row[0];
        }
    }
}

// The season roll of a league of 31 or 33 clubs into 2021: the year's
// rule asks 17 games, which the League Editor refuses for any league but
// one of 32 clubs; the roll gives 16, and the new season's whole schedule
// gives every club 16 games (a league of 32 gets its 17).
TEST_F(SalaryCapTest, TheSeventeenGameSeasonIsRolledOnlyForThirtyTwoClubs)
{
    for (int nClubs : {31, 32, 33}) {
        SCOPED_TRACE(nClubs);
        for (int t = 0; t < 36; t++) {
            Set_Team_Stat(t, TEAM_STAT_CONTROLLER, t < nClubs ? CONTROLLER_COMPUTER : CONTROLLER_NOT_IN_USE);
            Set_Team_Stat(t, TEAM_STAT_DIVISION, t * 8 / nClubs);
        }
        ASSERT_EQ(Count_Teams(), nClubs);
        Season(2020, 1);
        Set_Universe_Stat(GAMES_PER_SEASON, 16);
        Set_Universe_Stat(WILD_CARD_TEAMS, 3);
        Apply_Season_Rule_Changes();
        const int nGames = nClubs == 32 ? 17 : 16;
        ASSERT_EQ(Get_Universe_Stat(GAMES_PER_SEASON), nGames);
        EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 3);
        ui::Reset();
        ASSERT_TRUE(Generate_League_Schedule());
        EXPECT_TRUE(ui::Shown_Boxes().empty());
        for (int t = 0; t < nClubs; ++t) {
            int nCount = 0;
            for (int w = 0; w < SCHEDULE_WEEKS; ++w)
                nCount += Get_Team_Schedule_Stat(t, w, SCHEDULE_OPPONENT) != 0 ? 1 : 0;
            EXPECT_EQ(nCount, nGames) << "club " << t;
        }
    }
}

TEST_F(SalaryCapTest, AskedChangesCancelKeepsTheOldValue)
{
    Season(2003, 1);
    ui::Queue_Answer(ID_CANCEL);
    EXPECT_EQ(Cap_After(75000000, 1), 75000000);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "The league would like to change the salary cap from $75,000,000 to $80,600,000.");
    ui::Queue_Answer(ID_OK);
    EXPECT_EQ(Cap_After(75000000, 1), 80600000);
}

TEST_F(SalaryCapTest, RuleSwitchesByYear)
{
    // Every year-keyed rule as the value before its first switch and the
    // years it switches in, each checked in every switch year of any rule and
    // in the year before it. Preferences by slot: 175, 46, 45, 174, 199, 88
    // (overtime minutes), 198, 200, 197, 202; then the games and wild cards
    // of a season and, in a league's first season, the two league flags.
    struct STEP {
        int nYear;    // from this year
        int nValue;
    };
    struct RULE {
        const char* szName;
        int (*Read)();
        int nBefore;
        std::vector<STEP> Steps;
    };
    const RULE Rules[] = {
        {"preference 175", [] { return Get_User_Preference(175); }, 0, {{1974, 1}}},
        {"preference 46", [] { return Get_User_Preference(46); }, 2, {{2010, 3}}},
        {"preference 45", [] { return Get_User_Preference(45); }, 0, {{2013, 1}}},
        {"preference 174", [] { return Get_User_Preference(174); }, 0, {{1994, 1}}},
        {"preference 199", [] { return Get_User_Preference(199); }, 0, {{2015, 1}}},
        {"preference 88", [] { return Get_User_Preference(88); }, 15, {{2017, 10}}},
        {"preference 198", [] { return Get_User_Preference(198); }, 0, {{2016, 1}}},
        {"preference 200", [] { return Get_User_Preference(200); }, 2, {{1974, 1}, {1994, 0}, {2011, 1}}},
        {"preference 197", [] { return Get_User_Preference(197); }, 1, {{1974, 0}}},
        {"preference 202", [] { return Get_User_Preference(202); }, 2, {{1974, 1}, {1994, 0}}},
        // The fixture's league of two clubs keeps 16 games from 2021 (17 are
        // for 32 clubs).
        {"games", [] { return Get_Universe_Stat(GAMES_PER_SEASON); }, 12, {{1961, 14}, {1978, 16}}},
        {"wild cards", [] { return Get_Universe_Stat(WILD_CARD_TEAMS); }, 0,
         {{1970, 1}, {1978, 2}, {1990, 3}, {2002, 2}, {2020, 3}}},
        {"league flag A", [] { return Get_Universe_Word(INTER_LEAGUE_FINAL_WORD); }, 0, {{1966, 1}}},
        {"league flag B", [] { return Get_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD); }, 1, {{1990, 0}}},
    };
    std::set<int> Years;
    for (const RULE& Rule : Rules) {
        for (const STEP& Step : Rule.Steps) {
            Years.insert(Step.nYear - 1);
            Years.insert(Step.nYear);
        }
    }
    for (int nYear : Years) {
        Season(nYear, 0);
        Apply_Season_Rule_Changes();
        for (const RULE& Rule : Rules) {
            int nExpected = Rule.nBefore;
            for (const STEP& Step : Rule.Steps) {
                if (nYear >= Step.nYear)
                    nExpected = Step.nValue;
            }
            EXPECT_EQ(Rule.Read(), nExpected) << Rule.szName << " in " << nYear;
        }
    }

    // Past the first season the flags change only in the seasons of 1966
    // (A := 1) and 1990 (B := 0).
    Season(1965, 0);
    Apply_Season_Rule_Changes();
    Season(1965, 2);   // 1967
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Word(INTER_LEAGUE_FINAL_WORD), 0);
    Season(1965, 1);   // 1966
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Word(INTER_LEAGUE_FINAL_WORD), 1);
    Season(1989, 0);
    Apply_Season_Rule_Changes();
    Season(1988, 1);   // 1989
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD), 1);
    Season(1989, 1);   // 1990
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Word(SECOND_ROUND_DIVISION_RULE_WORD), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(SalaryCapTest, SeasonRollLeagueExchangeAndCap)
{
    // The 1970 season after the first one exchanges the leagues.
    Set_League_Abbreviation(0, "AFL");
    Set_League_Abbreviation(1, "NFL");
    Season(1969, 1);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_DIVISION), 5);
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_DIVISION), 1);

    // A capped league rolls into 2012: cap 123,000,000, inflation 547, 16
    // games; the per-game amount (224,800,000 / 16 + 370,000) x 547 / 1000.
    Season(2011, 1);
    Set_Universe_Stat(SALARY_CAP, 120000000);
    Set_Universe_Stat(INFLATION_FACTOR, 534);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 123000000);
    EXPECT_EQ(Get_Universe_Stat(INFLATION_FACTOR), 547);
    EXPECT_EQ(Get_Universe_Stat(LEAGUE_PER_GAME_AMOUNT), 7887740);

    // Owner mode with every slot empty: index and per-game amount 0, without
    // dividing by either.
    for (int t = 0; t < MAX_FRANCHISES; t++)
        Set_Team_Stat(t, TEAM_STAT_CONTROLLER, CONTROLLER_NOT_IN_USE);
    Set_User_Preference(PREF_OWNER_MODE, 1);
    Season(2023, 0);
    Apply_Season_Rule_Changes();
    EXPECT_EQ(Get_Universe_Stat(FINANCE_INDEX), 0);
    EXPECT_EQ(Get_Universe_Stat(LEAGUE_PER_GAME_AMOUNT), 0);
}

}  // namespace
