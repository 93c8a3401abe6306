// Salary tables and contract prices: the minimum salaries, the draft-slot
// money, the contract value step by step, the bonus demand, and the season
// figures they read. Figures worked by hand from the tables in the comments.
#include <gtest/gtest.h>

#include <cstdint>

#include "league/league_structure.h"
#include "league/player_stats.h"
#include "league/standings_keys.h"
#include "money_fixture.h"
#include "season/season_services.h"

namespace {

class SalaryTest : public MoneyTest {};

// ---- Minimum salaries -------------------------------------------------------------

TEST_F(SalaryTest, MinimumSalariesByYearAndSeasons)
{
    EXPECT_EQ(Get_Minimum_Salary(0), 495);    // 2019
    EXPECT_EQ(Get_Minimum_Salary(4), 805);
    EXPECT_EQ(Get_Minimum_Salary(7), 930);
    EXPECT_EQ(Get_Minimum_Salary(10), 1030);
    EXPECT_EQ(Get_Minimum_Salary(25), 1030);   // beyond 10 counts as 10
    EXPECT_EQ(Get_Minimum_Salary(-3), 495);    // below 0 counts as 0
    Set_User_Preference(PREF_SEASON_INDEX, 1);   // 2020
    EXPECT_EQ(Get_Minimum_Salary(9), 1050);
    Set_User_Preference(PREF_SEASON_INDEX, 11);  // 2030
    EXPECT_EQ(Get_Minimum_Salary(2), 1255);
    EXPECT_EQ(Get_Minimum_Salary(10), 1480);
}

TEST_F(SalaryTest, The2025RowFallsAfterSevenSeasonsAsTheLeagueSetIt)
{
    Set_User_Preference(PREF_SEASON_INDEX, 6);   // 2025
    EXPECT_EQ(Get_Minimum_Salary(7), 1255);
    EXPECT_EQ(Get_Minimum_Salary(8), 1165);
    EXPECT_EQ(Get_Minimum_Salary(10), 1165);
    EXPECT_EQ(Get_Minimum_Salary(0), 840);
}

TEST_F(SalaryTest, YearsOutsideTheTableInflateThe2023Row)
{
    League.Universe.nStat[INFLATION_FACTOR] = 1200;
    Set_User_Preference(PREF_SEASON_INDEX, -5);  // 2014
    EXPECT_EQ(Get_Minimum_Salary(0), 900);       // 750 x 1.2
    EXPECT_EQ(Get_Minimum_Salary(8), 1398);      // 1165 x 1.2
    Set_User_Preference(PREF_SEASON_INDEX, 12);  // 2031
    EXPECT_EQ(Get_Minimum_Salary(3), 1212);      // 1010 x 1.2
}

TEST_F(SalaryTest, PlayerMinimumReadsHisSeasonsAtLeastZero)
{
    Put_Priced_Player(1, 0, 1, POSITION_WR, 1995, 5, 900, 2);
    Put_Priced_Player(1, 1, 2, POSITION_WR, 1998, -2, 900, 2);
    EXPECT_EQ(Get_Player_Minimum_Salary(1, 0), 805);
    EXPECT_EQ(Get_Player_Minimum_Salary(1, 1), 495);
}

// ---- Draft-slot money -------------------------------------------------------------

TEST_F(SalaryTest, DraftSlotAnchorsOfThirtyTwoClubs)
{
    Use_Teams(32);
    // x 224.8 / 55, rounded: 833 -> 3,405; 6,675 -> 27,283.
    EXPECT_EQ(Get_Draft_Slot_Salary(0, 0), 3405);
    EXPECT_EQ(Get_Draft_Slot_Bonus(0, 0), 27283);
    // Pick 16 is the middle anchor: 417 -> 1,704; 2,195 -> 8,972.
    EXPECT_EQ(Get_Draft_Slot_Salary(0, 16), 1704);
    EXPECT_EQ(Get_Draft_Slot_Bonus(0, 16), 8972);
    // Pick 31: 417 - round(84 x 15 / 16) = 338 -> 1,381; 2,195 - 933 = 1,262 -> 5,158.
    EXPECT_EQ(Get_Draft_Slot_Salary(0, 31), 1381);
    EXPECT_EQ(Get_Draft_Slot_Bonus(0, 31), 5158);
    // Pick 8: 6,675 - round(4,480 x 8 / 16) = 4,435 -> 18,127.
    EXPECT_EQ(Get_Draft_Slot_Bonus(0, 8), 18127);
    // Round 4 pays 100 at the base level (409 now), under the rookie minimum.
    EXPECT_EQ(Get_Draft_Slot_Salary(4, 0), 495);
}

TEST_F(SalaryTest, DraftSlotsOutsideTheTableGiveTheMinimumAndNoBonus)
{
    Use_Teams(32);
    EXPECT_EQ(Get_Draft_Slot_Salary(7, 0), 495);
    EXPECT_EQ(Get_Draft_Slot_Salary(-1, 0), 495);
    EXPECT_EQ(Get_Draft_Slot_Salary(0, 32), 495);
    EXPECT_EQ(Get_Draft_Slot_Salary(0, -1), 495);
    EXPECT_EQ(Get_Draft_Slot_Bonus(7, 0), 0);
    EXPECT_EQ(Get_Draft_Slot_Bonus(0, 32), 0);
    EXPECT_EQ(Get_Draft_Slot_Bonus(2, -1), 0);
}

TEST_F(SalaryTest, DraftSlotMoneyFallsPickByPickAndRoundByRound)
{
    Use_Teams(32);
    for (int r = 0; r < 7; ++r) {
        for (int p = 1; p < 32; ++p) {
            EXPECT_LE(Get_Draft_Slot_Bonus(r, p), Get_Draft_Slot_Bonus(r, p - 1)) << r << " " << p;
            EXPECT_LE(Get_Draft_Slot_Salary(r, p), Get_Draft_Slot_Salary(r, p - 1)) << r << " " << p;
            EXPECT_GE(Get_Draft_Slot_Salary(r, p), Get_Minimum_Salary(0));
        }
        if (r > 0) {
            EXPECT_LE(Get_Draft_Slot_Bonus(r, 0), Get_Draft_Slot_Bonus(r - 1, 31)) << r;
        }
    }
}

// ---- Draft scores and the rookie bonus ------------------------------------------

TEST_F(SalaryTest, DraftScoreByteIsHeldWithinASignedByte)
{
    Put_Priced_Player(38, 0, 1, POSITION_QB, 2000, -1, 0, 0);
    Set_Player_Draft_Score(38, 0, 100);
    EXPECT_EQ(Get_Player_Draft_Score(38, 0), 100);
    Set_Player_Draft_Score(38, 0, 200);   // would wrap to -56
    EXPECT_EQ(Get_Player_Draft_Score(38, 0), 127);
    Set_Player_Draft_Score(38, 0, -300);
    EXPECT_EQ(Get_Player_Draft_Score(38, 0), -128);
    Set_Player_Draft_Score(38, 0, -7);
    EXPECT_EQ(Get_Player_Draft_Score(38, 0), -7);
}

TEST_F(SalaryTest, BestProspectGetsTheWholeSlotBonusOthersTheirShare)
{
    Use_Teams(32);
    Put_Priced_Player(38, 0, 1, POSITION_QB, 2000, -1, 0, 0, 80.0f);
    Put_Priced_Player(39, 0, 2, POSITION_QB, 2000, -1, 0, 0, 50.0f);
    const int nBest = Get_Max_College_Player_Score();
    // The scores are stored as the pools' predicted statistic 299.
    EXPECT_EQ(Get_Player_Draft_Score(38, 0), Get_Player_Stat(38, 0, 3, 299));
    EXPECT_EQ(Get_Player_Draft_Score(39, 0), Get_Player_Stat(39, 0, 3, 299));
    EXPECT_EQ(nBest, Get_Player_Draft_Score(38, 0));
    ASSERT_GT(Get_Player_Draft_Score(38, 0), Get_Player_Draft_Score(39, 0));
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);
    EXPECT_EQ(Get_Rookie_Signing_Bonus(38, 0), 27283);
    const int nOther = Get_Rookie_Signing_Bonus(39, 0);
    EXPECT_LT(nOther, 27283);
    EXPECT_GT(nOther, 0);
    // A pool player's bonus demand is his rookie bonus.
    EXPECT_EQ(Get_Salary_Above_Minimum(38, 0, 0), 27283);
}

TEST_F(SalaryTest, NoProspectsMeansNoRookieBonus)
{
    Use_Teams(32);
    Put_Priced_Player(FREE_AGENT_TEAM, 0, 1, POSITION_QB, 2000, 0, 0, 0);
    EXPECT_EQ(Get_Max_College_Player_Score(), 0);
    EXPECT_EQ(Get_Rookie_Signing_Bonus(FREE_AGENT_TEAM, 0), 0);
}

// ---- The contract value step by step ---------------------------------------------
//
// A receiver of 28 (age factor 95) with 3 seasons (minimum 720), alone at his
// position, paid 2,000 a year for 3 years: the market he is measured against
// is his own pay. Value 500: c = (500 x 95 + 50) / 100 = 475, at the current
// level m = (475 x 224.8 M + 27.5 M) / 55 M = 1,941; s = (1,941 + 2 x 2,000)
// / 3 = 1,980.

class ContractValueTest : public MoneyTest {
protected:
    void SetUp() override
    {
        MoneyTest::SetUp();
        Use_Teams(1);
        Put_Priced_Player(0, 0, 7, POSITION_WR, 1991, 3, 2000, 3);
    }
};

TEST_F(ContractValueTest, WithoutACapThePayrollLevelIsTwoThirds)
{
    // No cap: payroll level 0, s = (1,980 x 2,000 + 1,500) / 3,000 = 1,320.
    EXPECT_EQ(Get_League_Payroll_Ratio(), 0);
    EXPECT_EQ(Get_Player_Contract_Value(0, 0, 500), 1320);
    // Value 2,000: c = 1,900, m = 7,766, s = 3,922, then 2,615, up to 2,615.
    EXPECT_EQ(Get_Player_Contract_Value(0, 0, 2000), 2615);
}

TEST_F(ContractValueTest, SalaryDemandsScaleThePriceAndRoundUpToFive)
{
    Set_Salary_Demands(10);   // 1,320 x 1.1 = 1,452 -> 1,455
    EXPECT_EQ(Get_Player_Contract_Value(0, 0, 500), 1455);
    Set_Salary_Demands(-100);
    EXPECT_EQ(Get_Player_Contract_Value(0, 0, 500), 720);
    EXPECT_EQ(Get_Player_Contract_Value(0, 0, 5000), 720);
    EXPECT_EQ(Get_Salary_Above_Minimum(0, 0, 5000), 0);
    Set_Salary_Demands(250);   // held at +100
    EXPECT_EQ(Get_Salary_Demands(), 100);
}

TEST_F(ContractValueTest, VeteranFloorLiftsAValueUnderIt)
{
    // Value 100: c = 95 under the floor 300: 95 + (95 + 300) / 2 = 292;
    // m = 1,193, s = (1,193 + 4,000) / 3 = 1,731, then 1,154, up to 1,155.
    EXPECT_EQ(Get_Player_Contract_Value(0, 0, 100), 1155);
}

TEST_F(ContractValueTest, TheLowestValueAsksTheMinimum)
{
    // The lowest value Get_Player_Value gives (an old player's, held to the
    // int range): c = INT32_MIN x 95 / 100 = -2,040,109,465, under the floor
    // 300: c + (c + 300) / 2 is about -3.06 billion, below every salary, so
    // he asks the minimum of 3 seasons, 720, not a sum wrapped round to a
    // large positive one.
    EXPECT_EQ(Get_Player_Contract_Value(0, 0, INT32_MIN), 720);
    EXPECT_EQ(Get_Player_Contract_Value(0, 0, -1500000000), 720);
}

TEST_F(ContractValueTest, HoldoutOfALosingClubAsksMore)
{
    Set_Season_Record(0, 0, 2, 10, 0);
    Set_Player_Vital_Stat(0, 0, VITAL_INJURY, 185);
    // k = 35 x 10 - 100 x 2 + 1,250 = 1,400: c = 665, m = 2,718,
    // s = 2,239, then 1,493, up to 1,495.
    EXPECT_EQ(Get_Player_Contract_Value(0, 0, 500), 1495);
    Set_Season_Record(0, 0, 10, 2, 0);   // k = 320: no premium
    EXPECT_EQ(Get_Player_Contract_Value(0, 0, 500), 1320);
}

TEST_F(ContractValueTest, CapBringsThePayrollLevelAndTheSoftCapForAllButQuarterbacks)
{
    League.Universe.nStat[SALARY_CAP] = 25000000;
    // Room 25,000 - 2,000 = 23,000: R = 920 per mille, level (920,000 + 30) / 60 = 15,333.
    EXPECT_EQ(Get_League_Payroll_Ratio(), 15333);
    // s = (1,980 x 17,333 + 1,500) / 3,000 = 11,440; above a tenth of the cap
    // (2,500): 1,250 + 5,720 = 6,970.
    EXPECT_EQ(Get_Player_Contract_Value(0, 0, 500), 6970);
    // Bonus: e = 3,485 - 720 = 2,765; (17 x 2,765 + 9) / 18 = 2,611, down to the step of 100.
    EXPECT_EQ(Get_Salary_Above_Minimum(0, 0, 500), 2600);
    Set_Player_Vital_Stat(0, 0, VITAL_POSITION, POSITION_QB);
    EXPECT_EQ(Get_Player_Contract_Value(0, 0, 500), 11440);
}

TEST_F(ContractValueTest, BonusDemandWithoutACap)
{
    // Contract value 2,615: e = 1,307 - 720 = 587; (17 x 587 + 9) / 18 = 554 -> 500.
    EXPECT_EQ(Get_Salary_Above_Minimum(0, 0, 2000), 500);
    // Value 500: e = 660 - 720 < 0: no bonus.
    EXPECT_EQ(Get_Salary_Above_Minimum(0, 0, 500), 0);
}

TEST_F(ContractValueTest, TenYearOldAsksNoBonus)
{
    Set_Player_Vital_Stat(0, 0, VITAL_BIRTH_DATE, 20090101);
    EXPECT_EQ(Get_Salary_Above_Minimum(0, 0, 2000), 0);
}

TEST_F(ContractValueTest, FreeAgentAloneAtHisPositionIsPricedAtHisOwnLevel)
{
    Clear_Player(0, 0);
    Put_Priced_Player(FREE_AGENT_TEAM, 0, 8, POSITION_WR, 1991, 3, 0, 0);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    // Nobody alike on the franchises: the market is m itself, 1,941;
    // difficulty 0 leaves it; (1,941 x 2,000 + 1,500) / 3,000 = 1,294 -> 1,295.
    EXPECT_EQ(Get_Player_Contract_Value(FREE_AGENT_TEAM, 0, 500), 1295);
    Set_User_Preference(PREF_DIFFICULTY, 2);   // 1,941 x 12 / 10 = 2,329 (+5 rounding) -> 1,553 -> 1,555
    EXPECT_EQ(Get_Player_Contract_Value(FREE_AGENT_TEAM, 0, 500), 1555);
}

TEST_F(ContractValueTest, FreeAgentInTheSeasonAsksLessTheLaterItIs)
{
    Clear_Player(0, 0);
    Put_Priced_Player(FREE_AGENT_TEAM, 0, 8, POSITION_WR, 1991, 3, 0, 0);
    Set_Season_Playoff_Days(17);
    Set_User_Preference(PREF_CURRENT_WEEK, 5);
    // Value 2,000: c = 1,900, round(1,900 x 5 / 12) = 792, m = 3,237, then
    // (3,237 x 2,000 + 1,500) / 3,000 = 2,158, up to 2,160.
    EXPECT_EQ(Get_Player_Contract_Value(FREE_AGENT_TEAM, 0, 2000), 2160);
    // Value 500: c = 198, m = 809, then 539: under the minimum of 720.
    EXPECT_EQ(Get_Player_Contract_Value(FREE_AGENT_TEAM, 0, 500), 720);
}

TEST_F(ContractValueTest, MarketWeighsLikePlayersOnTheFranchises)
{
    // A second receiver of the same age and ratings paid 5,000 (weight 5 as
    // his own): the market is (5 x 2,000 + 5 x 5,000) / 10 = 3,500.
    Put_Priced_Player(0, 1, 9, POSITION_WR, 1991, 3, 5000, 3);
    EXPECT_EQ(Get_Market_Salary(0, 0, 1), 3500);
    // Twenty years older: weight 5 - 5 = 0, left out.
    Set_Player_Vital_Stat(0, 1, VITAL_BIRTH_DATE, 19710101);
    EXPECT_EQ(Get_Market_Salary(0, 0, 1), 2000);
    // A pool player is measured against the franchises only: nobody alike.
    Put_Priced_Player(38, 0, 10, POSITION_K, 1998, -1, 0, 0);
    EXPECT_EQ(Get_Market_Salary(38, 0, 1234), 1234);
}

// ---- Season figures ----------------------------------------------------------

TEST_F(SalaryTest, DraftPickCostsOfTheCoachesPicks)
{
    Use_Teams(2);
    Set_Draft_Order_Team(0, 0);
    Set_Draft_Order_Team(1, 1);
    for (int r = 0; r < 7; ++r) {
        Set_Draft_Pick_Owner(0, r, 0, r == 0 ? 0 : 1);
        Set_Draft_Pick_Owner(0, r, 1, r == 0 ? 0 : 1);
    }
    // Two clubs, half a round 1: pick 0 pays 3,405 + 27,283 / 4 = 6,820;
    // pick 1 the middle anchors, 1,704 + 8,972 / 4 = 2,243.
    EXPECT_EQ(Get_Team_Draft_Pick_Costs(0), 3405 + 6820 + 1704 + 2243);
    Set_Draft_Pick_Owner(0, 0, 0, 1);
    Set_Draft_Pick_Owner(0, 0, 1, 1);
    EXPECT_EQ(Get_Team_Draft_Pick_Costs(0), 0);
    EXPECT_EQ(Get_Team_Draft_Pick_Costs(36), 0);
}

}  // namespace
