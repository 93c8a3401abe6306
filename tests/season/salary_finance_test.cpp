// League-wide money passes: the payroll normaliser, the contract redraw,
// the repairs of absurd and rookie contracts, and the era's passer rating.
#include <gtest/gtest.h>

#include "league/league_structure.h"
#include "money_fixture.h"
#include "season/salary_finance.h"

namespace {

class SalaryFinanceTest : public MoneyTest {
protected:
    static int Vital(int t, int s, int n) { return Get_Player_Vital_Stat(t, s, n); }
};

// ---- The payroll normaliser ------------------------------------------------------

TEST_F(SalaryFinanceTest, PayrollsMeetNinetyPercentOfTheCapAndTheDifferenceIsCash)
{
    Use_Teams(2);
    League.Universe.nStat[SALARY_CAP] = 100000000;   // target 90,000 $K
    // Club 0: ten players of 2,000 a year and a bonus of 3,000 over 3 years:
    // 3,000 each on the payroll, 30,000 in all; ratio 3,000 per mille.
    for (int s = 0; s < 10; ++s) {
        Put_Priced_Player(0, s, 1 + s, POSITION_K, 1990, 5, 2000, 3);
        Set_Player_Vital_Stat(0, s, VITAL_SIGNING_BONUS, 3000);
    }
    // Club 1: payroll 0: its players get the minimum salary and bonus.
    Put_Priced_Player(1, 0, 20, POSITION_K, 1990, 2, 0, 3);
    // Slot 2 is not in use: left alone.
    Put_Priced_Player(2, 0, 30, POSITION_K, 1990, 2, 1234, 3);
    Set_Team_Financial_Stat(0, FINANCE_CASH, 5000000);
    Set_Team_Financial_Stat(2, FINANCE_CASH, 7);
    ASSERT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL), 30000);

    Update_Team_Financial_Stats();

    EXPECT_EQ(Vital(0, 0, VITAL_SALARY), 6000);
    EXPECT_EQ(Vital(0, 0, VITAL_SIGNING_BONUS), 9000);
    // Money is conserved: the payroll rose by exactly what the cash fell short of.
    EXPECT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL), 90000);
    EXPECT_EQ(Get_Team_Stored_Financial_Stat(0, FINANCE_CASH), 5000000 + 60000 * 1000);
    EXPECT_EQ(Vital(1, 0, VITAL_SALARY), 645);
    EXPECT_EQ(Vital(1, 0, VITAL_SIGNING_BONUS), 645);   // the bonus floor is the minimum salary
    EXPECT_EQ(Get_Team_Stored_Financial_Stat(1, FINANCE_CASH), 90000 * 1000);
    EXPECT_EQ(Vital(2, 0, VITAL_SALARY), 1234);
    EXPECT_EQ(Get_Team_Stored_Financial_Stat(2, FINANCE_CASH), 7);
}

TEST_F(SalaryFinanceTest, WithoutACapTheTargetIsTheInflatedBase)
{
    Use_Teams(1);
    League.Universe.nStat[INFLATION_FACTOR] = 1200;   // 225,000 x 1.2 = 270,000
    Update_Team_Financial_Stats();
    EXPECT_EQ(Get_Team_Stored_Financial_Stat(0, FINANCE_CASH), 270000 * 1000);
}

TEST_F(SalaryFinanceTest, ScaledAmountsRoundUpToFiveAboveTheMinimum)
{
    // 2035 at inflation 10: the minimum is 750 x 0.01 = 8; no cap: target
    // 2,250; payroll 11 + 10 + 2,229 = 2,250: ratio 1,000.
    Use_Teams(1);
    League.Universe.nStat[INFLATION_FACTOR] = 10;
    Set_User_Preference(PREF_SEASON_INDEX, 16);
    ASSERT_EQ(Get_Minimum_Salary(0), 8);
    Put_Priced_Player(0, 0, 1, POSITION_K, 2010, 0, 11, 2);
    Put_Priced_Player(0, 1, 2, POSITION_K, 2010, 0, 10, 2);
    Put_Priced_Player(0, 2, 3, POSITION_K, 2010, 0, 2229, 2);
    ASSERT_EQ(Get_Team_Financial_Stat(0, FINANCE_PAYROLL), 2250);
    Update_Team_Financial_Stats();
    EXPECT_EQ(Vital(0, 0, VITAL_SALARY), 15);
    EXPECT_EQ(Vital(0, 1, VITAL_SALARY), 10);
    EXPECT_EQ(Vital(0, 2, VITAL_SALARY), 2230);
    EXPECT_EQ(Vital(0, 0, VITAL_SIGNING_BONUS), 8);
}

// ---- The contract redraw ----------------------------------------------------------

TEST_F(SalaryFinanceTest, RedrawGivesYearsFromSeasonsNeverZeroOrNegative)
{
    Use_Teams(1);
    // College prospects sign for 4 years; seasons 8 leave 8 mod 4 = 0: 4.
    Put_Priced_Player(38, 0, 1, POSITION_QB, 2000, 8, 0, 0);
    Put_Priced_Player(38, 1, 2, POSITION_QB, 2000, 5, 0, 0);
    Put_Priced_Player(38, 2, 3, POSITION_QB, 2000, -2, 0, 0);   // negative seasons count as none
    for (int s = 0; s < 3; ++s)
        Update_Player_Computed_Value(38, s);
    EXPECT_EQ(Vital(38, 0, VITAL_CONTRACT_YEARS_LEFT), 4);
    EXPECT_EQ(Vital(38, 1, VITAL_CONTRACT_YEARS_LEFT), 1);
    EXPECT_EQ(Vital(38, 2, VITAL_CONTRACT_YEARS_LEFT), 4);
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(Vital(38, s, VITAL_CONTRACT_LENGTH), 4);
        EXPECT_GE(Vital(38, s, VITAL_SALARY), 495);
        EXPECT_EQ(Vital(38, s, VITAL_SIGNING_BONUS), Vital(38, s, VITAL_SALARY) * 4 / 3);
    }
}

TEST_F(SalaryFinanceTest, RedrawSkipsRatingsFilePlayersUnlessAll)
{
    Use_Teams(1);
    Put_Priced_Player(0, 0, 1, POSITION_QB, 1995, 3, 1, 9);
    Set_Player_Vital_Stat(0, 0, VITAL_FLAGS, 2);
    Put_Priced_Player(0, 1, 2, POSITION_QB, 1995, 3, 1, 9);
    Put_Priced_Player(37, 0, 3, POSITION_QB, 1950, 12, 1, 9);   // the hall of fame signs nothing
    Update_All_Player_Computed_Values(0);
    EXPECT_EQ(Vital(0, 0, VITAL_SALARY), 1);
    EXPECT_GE(Vital(0, 1, VITAL_SALARY), 720);
    EXPECT_LE(Vital(0, 1, VITAL_CONTRACT_LENGTH), 7);
    EXPECT_EQ(Vital(37, 0, VITAL_SALARY), 1);
    Update_All_Player_Computed_Values(1);
    EXPECT_GE(Vital(0, 0, VITAL_SALARY), 720);
}

// ---- Repairs ---------------------------------------------------------------------

TEST_F(SalaryFinanceTest, AbsurdSalaryBonusAndYearsAreRepaired)
{
    Use_Teams(1);
    Put_Priced_Player(0, 0, 1, POSITION_QB, 1995, 3, 500000, 3);       // absurd salary
    Put_Priced_Player(0, 1, 2, POSITION_QB, 1995, 3, 2000, 3);
    Set_Player_Vital_Stat(0, 1, VITAL_SIGNING_BONUS, -300000);          // absurd bonus
    Put_Priced_Player(0, 2, 3, POSITION_QB, 1995, 3, 2000, 300000);     // absurd bonus years
    Put_Priced_Player(0, 3, 4, POSITION_QB, 1995, 3, 219180, 3);        // at the limit: sound
    Repair_Absurd_Contracts();
    EXPECT_GE(Vital(0, 0, VITAL_SALARY), 720);
    EXPECT_LT(Vital(0, 0, VITAL_SALARY), ABSURD_CONTRACT_FIELD);
    EXPECT_GE(Vital(0, 1, VITAL_SIGNING_BONUS), 0);
    EXPECT_EQ(Vital(0, 1, VITAL_SALARY), 2000);
    EXPECT_GE(Vital(0, 2, VITAL_CONTRACT_LENGTH), 2);
    EXPECT_LE(Vital(0, 2, VITAL_CONTRACT_LENGTH), 7);
    EXPECT_LT(Vital(0, 2, VITAL_SALARY), ABSURD_CONTRACT_FIELD);
    EXPECT_EQ(Vital(0, 3, VITAL_SALARY), 219180);
}

TEST_F(SalaryFinanceTest, RookieContractYearsCountFromTheDraftYear)
{
    Use_Teams(2);
    Set_User_Preference(PREF_SEASON_INDEX, 4);   // 2023: draft year - 2019
    Put_Priced_Player(0, 0, 1, POSITION_QB, 2000, 1, 800, 2);
    Set_Player_Vital_Stat(0, 0, VITAL_DRAFTED_BY, 12022);
    EXPECT_TRUE(Update_Rookie_Contract(0, 0, 0));
    EXPECT_EQ(Vital(0, 0, VITAL_CONTRACT_LENGTH), 4);
    EXPECT_EQ(Vital(0, 0, VITAL_CONTRACT_YEARS_LEFT), 3);

    Set_User_Preference(PREF_SEASON_INDEX, 11);  // 2030: a 2029 pick has 3 years, not 10
    Put_Priced_Player(0, 1, 2, POSITION_QB, 2005, 1, 800, 2);
    Set_Player_Vital_Stat(0, 1, VITAL_DRAFTED_BY, 12029);
    EXPECT_TRUE(Update_Rookie_Contract(0, 1, 0));
    EXPECT_EQ(Vital(0, 1, VITAL_CONTRACT_YEARS_LEFT), 3);
    // A 2020 pick in 2030 has at least this year.
    Put_Priced_Player(0, 2, 3, POSITION_QB, 1998, 10, 800, 2);
    Set_Player_Vital_Stat(0, 2, VITAL_DRAFTED_BY, 12020);
    EXPECT_TRUE(Update_Rookie_Contract(0, 2, 0));
    EXPECT_EQ(Vital(0, 2, VITAL_CONTRACT_YEARS_LEFT), 1);
    // Drafted before 2020: nothing.
    Put_Priced_Player(0, 3, 4, POSITION_QB, 1995, 10, 800, 2);
    Set_Player_Vital_Stat(0, 3, VITAL_DRAFTED_BY, 12019);
    EXPECT_FALSE(Update_Rookie_Contract(0, 3, 0));
    EXPECT_EQ(Vital(0, 3, VITAL_CONTRACT_LENGTH), 2);
}

TEST_F(SalaryFinanceTest, CorruptSalariesAreRepairedToTheContractValue)
{
    Use_Teams(1);
    Put_Priced_Player(0, 0, 1, POSITION_QB, 1995, 3, 90000, 3);   // above 74,933
    Put_Priced_Player(0, 1, 2, POSITION_QB, 1995, 3, 2000, 3);
    const int nPrice = Get_Player_Contract_Value(0, 0, 0);
    ui::Queue_Answer(ID_YES);
    ui::Queue_Answer(ID_NO);
    Check_Fix_Salary_Data();
    EXPECT_EQ(Vital(0, 0, VITAL_SALARY), nPrice);
    EXPECT_EQ(Vital(0, 1, VITAL_SALARY), 2000);
}

// ---- Era figure -------------------------------------------------------------

TEST_F(SalaryFinanceTest, LeaguePasserRatingOf2019)
{
    // Averages of 2018 and 2019 (each itself a two-year mean of the table's
    // years 2017-2019): completion (642 + 645) / 2 = 643 from 641, 644, 646;
    // touchdowns (44 + 45) / 2 = 44 from 44, 45, 45; interceptions 24 from
    // 25, 24, 24; yards per completion (1,050 + 1,040) / 2 = 1,045 from
    // 1,055, 1,045, 1,035. v = round(643 x 1,045 / 1,000) = round(671.9) = 672;
    // 25 x (672 - 300) / 10 = 930;
    // (25 x 71 + 930 + 20 x 44 + 5 x 343) / 6 = 5,300 / 6 = 883.
    EXPECT_EQ(Get_League_Passer_Rating(), 883);
}

}  // namespace
