// The composite card grades worked by hand: the skill grades' blends, the
// value grade's constant per position family at ordinary ratings (every g'
// is 0 below a grade of 510), the salary grades with the starter's floor
// and the caps, the combination bonuses of both kinds and the card table.
#include <gtest/gtest.h>

#include "league/composite_grades.h"
#include "league/league_fixture.h"
#include "league/play_card_table.h"
#include "league/player_stats.h"
#include "test_support.h"

namespace {

class CompositeGradesTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
    }
};

TEST_F(CompositeGradesTest, SkillGradesBlendTheRatings)
{
    // Ratings 70 except the ones each case names.
    PLAYER& Back = Put_Player(0, 1, 101, POSITION_RB);
    Back.fRating[RATING_SPEED] = 80.0f;
    Back.fRating[RATING_QUICKNESS] = 60.0f;
    Back.fRating[RATING_POWER] = 77.0f;
    Back.fRating[RATING_RECEIVING] = 55.0f;
    Back.fRating[RATING_RUN_DEFENSE] = 50.0f;
    EXPECT_EQ(Get_Composite_Grade(0, 1, 402), 63);   // 0.45 x 80 + 0.45 x 60
    EXPECT_EQ(Get_Composite_Grade(0, 1, 403), 77);   // power
    EXPECT_EQ(Get_Composite_Grade(0, 1, 404), 55);   // receiving
    EXPECT_EQ(Get_Composite_Grade(0, 1, 405), 26);   // 5 + 7 + 7 + 7
    EXPECT_EQ(Get_Composite_Grade(0, 1, 406), 70);
    EXPECT_EQ(Get_Composite_Grade(0, 1, 407), 45);   // 0.9 x 50
    EXPECT_EQ(Get_Composite_Grade(0, 1, 410), 63);   // 0.9 x 70
    EXPECT_EQ(Get_Composite_Grade(0, 1, 399), 0);
    EXPECT_EQ(Get_Composite_Grade(0, 1, 411), 0);

    Put_Player(0, 2, 102, POSITION_TE);
    EXPECT_EQ(Get_Composite_Grade(0, 2, 402), 33);   // 63 - 30
    EXPECT_EQ(Get_Composite_Grade(0, 2, 403), 46);   // (70 + 70) / 3 = 46.67
    Put_Player(0, 3, 103, POSITION_WR);
    EXPECT_EQ(Get_Composite_Grade(0, 3, 402), 23);   // 63 - 40
    Put_Player(0, 4, 104, POSITION_G);
    EXPECT_EQ(Get_Composite_Grade(0, 4, 402), 21);   // 63 / 3
    EXPECT_EQ(Get_Composite_Grade(0, 4, 403), 18);   // 70 / 3.8 = 18.4
    EXPECT_EQ(Get_Composite_Grade(0, 4, 406), 35);   // 7 + 14 + 14
    Put_Player(0, 5, 105, POSITION_QB);
    EXPECT_EQ(Get_Composite_Grade(0, 5, 405), 70);   // accuracy
    EXPECT_EQ(Get_Composite_Grade(0, 5, 404), 26);
}

TEST_F(CompositeGradesTest, ValueGradesAreConstantsPerFamilyAtOrdinaryRatings)
{
    const int nExpected[POSITION_P + 1] = {721, 1600, 1600, 1600, 1121, 1024, 1024, 1024,
                                           536, 536,  536,  543,  543,  1600, 1600};
    for (int p = POSITION_QB; p <= POSITION_P; ++p) {
        Put_Player(0, 10 + p, 200 + p, p, 70.0f);
        Put_Player(1, 10 + p, 300 + p, p, 99.0f);   // grades up to 99: still every g' 0
        EXPECT_EQ(Get_Composite_Value_Grade(0, 10 + p), nExpected[p]) << "position " << p;
        EXPECT_EQ(Get_Composite_Value_Grade(1, 10 + p), nExpected[p]) << "position " << p;
        EXPECT_EQ(Get_Player_Stat(0, 10 + p, 0, 412), nExpected[p]) << "position " << p;
    }
    // A tackle of ratings 1,000: g' 50 for both blocking grades, S = 242,000,
    // V = 83,459, root 9,136, r = 13,704 + 43,925.
    Put_Player(0, 40, 400, POSITION_T, 1000.0f);
    EXPECT_EQ(Get_Composite_Value_Grade(0, 40), 57629);
    EXPECT_EQ(Get_Composite_Salary_Grade(0, 40), 12);   // beyond every limit, held at the tackle's cap
}

TEST_F(CompositeGradesTest, SalaryGradesAndTheStartersFloor)
{
    // Every ordinary value is below each position's first limit: grade 0,
    // the player in roster slot 0 at least 2, kickers and punters always 0.
    for (int p = POSITION_QB; p <= POSITION_P; ++p) {
        Put_Player(0, 0, 500, p);
        Put_Player(0, 7, 501, p);
        const int nSlotZero = p >= POSITION_K ? 0 : 2;
        EXPECT_EQ(Get_Composite_Salary_Grade(0, 0), nSlotZero) << "position " << p;
        EXPECT_EQ(Get_Composite_Salary_Grade(0, 7), 0) << "position " << p;
        EXPECT_EQ(Get_Player_Stat(0, 0, 0, 411), nSlotZero) << "position " << p;
    }
    // A back whose value lands exactly on a limit takes the next level: with
    // receiving 585 (g' 8) and power 825 (goal line, g' 32), S = 256 + 18,022
    // = 18,278, V = 6,203, the root of 6,203,000 rounds to 2,491, and r =
    // 3,736 + 3,264 = 7,000: not below the RB's limit 7,000, so below 8,000,
    // level 8 (not 5).
    PLAYER& Back = Put_Player(0, 3, 503, POSITION_RB);
    Back.fRating[RATING_RECEIVING] = 585.0f;
    Back.fRating[RATING_POWER] = 825.0f;
    EXPECT_EQ(Get_Composite_Value_Grade(0, 3), 7000);
    EXPECT_EQ(Get_Composite_Salary_Grade(0, 3), 8);
    Put_Player(0, 0, 502, POSITION_K);
    EXPECT_EQ(Get_Player_Stat(0, 0, 0, 411), 0);
    EXPECT_EQ(Get_Player_Stat(0, 0, 0, 412), 1600);
}

TEST_F(CompositeGradesTest, DefensiveCombinationBonuses)
{
    // Section 0: 407 with 410 5, alone 4; 410 alone 1; neither 0.
    EXPECT_EQ(Get_Grade_Combo_Bonus(0, 407, 410), 5);
    EXPECT_EQ(Get_Grade_Combo_Bonus(0, 410, 407), 5);
    EXPECT_EQ(Get_Grade_Combo_Bonus(0, 407, 408), 4);
    EXPECT_EQ(Get_Grade_Combo_Bonus(0, 409, 410), 1);
    EXPECT_EQ(Get_Grade_Combo_Bonus(0, 408, 409), 0);
    // Section 1: 5, 2, 3, 0.
    EXPECT_EQ(Get_Grade_Combo_Bonus(1, 407, 410), 5);
    EXPECT_EQ(Get_Grade_Combo_Bonus(1, 407, 0), 2);
    EXPECT_EQ(Get_Grade_Combo_Bonus(1, 0, 410), 3);
    EXPECT_EQ(Get_Grade_Combo_Bonus(1, 408, 409), 0);
    // Section 2: 409 with 410 7, alone 4; 410 alone 3.
    EXPECT_EQ(Get_Grade_Combo_Bonus(2, 409, 410), 7);
    EXPECT_EQ(Get_Grade_Combo_Bonus(2, 408, 409), 4);
    EXPECT_EQ(Get_Grade_Combo_Bonus(2, 410, 407), 3);
    EXPECT_EQ(Get_Grade_Combo_Bonus(2, 407, 408), 0);
    // Section 3: 409 with 408 7, alone 2; 408 alone 5.
    EXPECT_EQ(Get_Grade_Combo_Bonus(3, 408, 409), 7);
    EXPECT_EQ(Get_Grade_Combo_Bonus(3, 409, 410), 2);
    EXPECT_EQ(Get_Grade_Combo_Bonus(3, 408, 407), 5);
    EXPECT_EQ(Get_Grade_Combo_Bonus(3, 407, 410), 0);
    EXPECT_EQ(Get_Grade_Combo_Bonus(4, 407, 410), 0);
    EXPECT_EQ(Get_Grade_Combo_Bonus(-1, 407, 410), 0);
}

TEST_F(CompositeGradesTest, OffensiveCombinationBonuses)
{
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(0, 401, 403), 3);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(0, 401, 402), 1);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(0, 403, 400), 2);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(0, 402, 404), 0);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(1, 400, 402), 3);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(1, 401, 403), 0);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(2, 405, 404), 3);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(2, 406, 405), 1);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(2, 404, 400), 2);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(2, 400, 406), 0);
    // Section 3: base 3 with 406; with 405 the base is 5 (406) or 2; 400 adds 1.
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(3, 406, 404), 3);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(3, 405, 406), 5);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(3, 405, 404), 2);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(3, 405, 400), 3);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(3, 406, 400), 4);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(3, 400, 401), 1);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(3, 401, 402), 0);
    EXPECT_EQ(Get_Grade_Combo_Bonus_2(4, 405, 406), 0);
}

TEST_F(CompositeGradesTest, PlayTableFieldsAndNames)
{
    // Record 0: 0 7 401 0 407 410 401 7.
    const int nRecord0[9] = {1, 401, 0, 407, 410, 401, 7, 0, 0};
    for (int f = 0; f < 9; ++f)
        EXPECT_EQ(Get_Play_Table_Field(0, f), nRecord0[f]) << "field " << f;
    // Record 20: 2 7 405 400 410 0 -1 -1.
    const int nRecord20[9] = {1, 405, 400, 410, 0, -1, -1, 0, 2};
    for (int f = 0; f < 9; ++f)
        EXPECT_EQ(Get_Play_Table_Field(20, f), nRecord20[f]) << "field " << f;
    // Record 52: 1 3 402 0 407 0 402 4 (a field-goal card).
    const int nRecord52[9] = {0, 402, 0, 407, 0, 402, 4, 0, 1};
    for (int f = 0; f < 9; ++f)
        EXPECT_EQ(Get_Play_Table_Field(52, f), nRecord52[f]) << "field " << f;
    EXPECT_EQ(Get_Play_Table_Field(33, 8), 3);
    EXPECT_EQ(Get_Play_Table_Field(53, 6), 4);
    EXPECT_EQ(Get_Play_Table_Field(54, 8), 0);
    EXPECT_EQ(Get_Play_Table_Field(0, 9), 0);
    EXPECT_STREQ(Get_Composite_Grade_Name(400), "Pass Blocking");
    EXPECT_STREQ(Get_Composite_Grade_Name(407), "Run Defense");
    EXPECT_STREQ(Get_Composite_Grade_Name(412), "Value");
    EXPECT_STREQ(Get_Composite_Grade_Name(413), "");
    EXPECT_STREQ(Get_Card_Play_Type_Name(0), "Inside Run");
    EXPECT_STREQ(Get_Card_Play_Type_Name(3), "Long Pass");
    EXPECT_STREQ(Get_Card_Play_Type_Name(4), "");
}

}  // namespace
