// Play cards worked by hand: the value rule's steps and tables, each
// feedback text, the card bytes beside the name, the built-in card table,
// the default cards (Run Defense stored as 0), the deck count and the
// panel's procedures on a dialog of added controls.
#include <gtest/gtest.h>

#include <string>

#include "editors/play_cards.h"
#include "editors/playbook_editor.h"
#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "league/play_card_table.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "test_support.h"

namespace {

// Stored fields: scoring, off1, off2, def1, def2, bonus rating, position,
// value, kind. Offence 0 Pass Blocking .. 6 Red Zone, 7 none; defence 0 Run
// Defense, 1 Pass Rush, 2 Coverage, 3 Tackling, 4 none.
PLAY_CARD Card(int s, int o1, int o2, int d1, int d2, int r, int p, int k)
{
    PLAY_CARD C;
    const int f[9] = {s, o1, o2, d1, d2, r, p, 0, k};
    for (int i = 0; i < 9; ++i)
        C.nField[i] = f[i];
    return C;
}

std::string Feedback(const PLAY_CARD& C, int* pnValue = nullptr)
{
    int nValue = -99;
    std::string Text = Get_Play_Card_Feedback(C, &nValue);
    if (pnValue != nullptr)
        *pnValue = nValue;
    return Text;
}

const char* const LEGAL =
    "This is a legal play card.\n(Bonus value is determined by the program and cannot be changed.)";

class PlayCardsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        Use_Franchises(2);
        for (int t = 0; t < 2; ++t)
            Build_Team_Default_Playbook(t);
        Set_User_Preference(PREF_CURRENT_TEAM, 1);
        Set_User_Preference(PREF_PLAYBOOK_SIDE, 0);
        Set_User_Preference(PREF_PLAYBOOK_FOLDER, 0);
        Set_User_Preference(PREF_PLAYBOOK_PLAY, 0);
    }
};

TEST_F(PlayCardsTest, TheWorkedCardAndTheValueSteps)
{
    // Touchdown, Passing + Receiving against Coverage, short pass, bonus
    // Receiving on a wide receiver: O = 10 - 5, D = 14, combos 3 and 4:
    // margin 14 - 5 + 2 + 3 + 4 = 18; score (18 x 85 x 5 + 5) / 10 = 765.
    EXPECT_EQ(Get_Offensive_Grade_Pair_Value(405, 404, true), 10);
    EXPECT_EQ(Get_Offensive_Grade_Pair_Value(405, 404, false), 0);
    EXPECT_EQ(Get_Offensive_Combination_Bonus(CARD_KIND_SHORT_PASS, 405, 404), 3);
    EXPECT_EQ(Get_Defensive_Combination_Bonus(CARD_KIND_SHORT_PASS, 409, -1), 4);
    EXPECT_EQ(Get_Card_Position_Grade_Weight(4, 404), 85);
    EXPECT_EQ(Get_Card_Score_Value(765), 7);
    EXPECT_EQ(Compute_Play_Card_Bonus(CARD_KIND_SHORT_PASS, 7, 405, 404, 409, -1, 404, 4), 7);
    int nShown = 0;
    EXPECT_EQ(Feedback(Card(1, 5, 4, 2, 4, 4, 4, 2), &nShown), LEGAL);
    EXPECT_EQ(nShown, 7);

    // The steps' edges: exactly 1950 gives 20, 2999 gives 30.
    EXPECT_EQ(Get_Card_Score_Value(69), 0);
    EXPECT_EQ(Get_Card_Score_Value(70), 1);
    EXPECT_EQ(Get_Card_Score_Value(939), 8);
    EXPECT_EQ(Get_Card_Score_Value(940), 10);
    EXPECT_EQ(Get_Card_Score_Value(1949), 15);
    EXPECT_EQ(Get_Card_Score_Value(1950), 20);
    EXPECT_EQ(Get_Card_Score_Value(2748), 20);
    EXPECT_EQ(Get_Card_Score_Value(2749), 25);
    EXPECT_EQ(Get_Card_Score_Value(2998), 25);
    EXPECT_EQ(Get_Card_Score_Value(2999), 30);
    // Pass Blocking + Receiving (12) - 5 = 7 against Pass Rush + Coverage
    // (22), long pass: 22 - 7 + 2 + 1 + 7 = 25; bonus Pass Blocking on a
    // running back (130): (25 x 130 x 5 + 5) / 10 = 1625.
    EXPECT_EQ(Compute_Play_Card_Bonus(CARD_KIND_LONG_PASS, 7, 400, 404, 408, 409, 400, 1),
              Get_Card_Score_Value((25 * 130 * 5 + 5) / 10));
    EXPECT_EQ(Get_Card_Score_Value((25 * 130 * 5 + 5) / 10), 15);   // 1625
}

TEST_F(PlayCardsTest, ErrorsComeInTheirOrder)
{
    // Equal offences before anything else (the defences are equal too).
    EXPECT_EQ(Compute_Play_Card_Bonus(CARD_KIND_INSIDE_RUN, 3, 400, 400, 407, 407, -1, -1), -5);
    EXPECT_EQ(Compute_Play_Card_Bonus(CARD_KIND_INSIDE_RUN, 3, 400, 401, 407, 407, -1, -1), -6);

    // Field goal, outside run, Red Zone + Rushing (no pair: 12 + 5 + 3 = 20,
    // less 2 = 18, combo 3) against Pass Rush (11): 11 - 18 + 2 + 3 = -2.
    EXPECT_EQ(Compute_Play_Card_Bonus(CARD_KIND_OUTSIDE_RUN, 3, 406, 402, 408, -1, 406, 4), -1);
    // Red Zone + Run Blocking (22 - 2 = 20) against Coverage (14): -4.
    EXPECT_EQ(Compute_Play_Card_Bonus(CARD_KIND_OUTSIDE_RUN, 3, 406, 401, 409, -1, 406, 4), -2);
    // The same card as a touchdown: 22 - 5 = 17, against Pass Rush 11 - 17 + 2 = -4.
    EXPECT_EQ(Compute_Play_Card_Bonus(CARD_KIND_OUTSIDE_RUN, 7, 406, 401, 408, -1, 406, 4), -2);

    // Quarterback bonus on Pass Blocking (weight 0): Pass Blocking alone
    // (6 - 5 = 1) against Coverage, long pass: 14 - 1 + 2 + 1 + 2 = 18 > 0.
    EXPECT_EQ(Get_Card_Position_Grade_Weight(0, 400), 0);
    EXPECT_EQ(Compute_Play_Card_Bonus(CARD_KIND_LONG_PASS, 7, 400, -1, 409, -1, 400, 0), -4);
    int nShown = -1;
    EXPECT_EQ(Feedback(Card(1, 0, 7, 2, 4, 0, 0, 3), &nShown),
              "ERROR:\nThe bonus rating doesn't match the bonus position.");
    EXPECT_EQ(nShown, 0);
    // Weight -1 outside the tables.
    EXPECT_EQ(Get_Card_Position_Grade_Weight(8, 400), -1);
    EXPECT_EQ(Get_Card_Position_Grade_Weight(0, 407), -1);
}

TEST_F(PlayCardsTest, EveryFeedbackText)
{
    EXPECT_EQ(Feedback(Card(0, 6, 7, 0, 4, 6, 4, 3)), "ERROR:\n\"Red Zone\" can only be used for Touchdown plays.");
    EXPECT_EQ(Feedback(Card(0, 3, 7, 0, 4, 3, 4, 0)), "ERROR:\n\"Goal Line\" can only be used for Touchdown plays.");
    EXPECT_EQ(Feedback(Card(0, 3, 6, 0, 4, 3, 4, 0)), "ERROR:\n\"Red Zone\" can only be used for Touchdown plays.");
    EXPECT_EQ(Feedback(Card(1, 0, 7, 2, 4, 4, 4, 2)), "ERROR:\nThe bonus rating MUST match one of the offensive ratings.");
    // Field goal, Receiving + Run Blocking (8 + 7 + 3 = 18, less 2) against
    // Pass Rush alone, outside run: 11 - 16 + 2 = -3, and no second defender.
    EXPECT_EQ(Feedback(Card(0, 4, 1, 1, 4, 4, 4, 1)),
              "ERROR:\nThis play card is illegal as a field goal.\nTry adding a 2nd defensive rating or changing it to "
              "a touchdown.");
    EXPECT_EQ(Feedback(Card(1, 6, 1, 1, 4, 6, 4, 1)), "ERROR:\nThis play card is illegal.");
    EXPECT_EQ(Feedback(Card(1, 5, 4, 2, 4, 7, 4, 2)), "Enter a valid position and rating to calculate a rating bonus.");
    EXPECT_EQ(Feedback(Card(1, 0, 0, 2, 4, 0, 4, 2)), "ERROR:\nOffense #1 and Offense #2 must be different.");
    EXPECT_EQ(Feedback(Card(1, 5, 4, 2, 2, 4, 4, 2)), "ERROR:\nDefense #1 and Defense #2 must be different.");

    // Warnings keep the value. Run Blocking + Receiving against Pass Rush +
    // Tackling (19), touchdown, inside run: 19 - (18 - 5) + 2 + 1 + 1 = 10.
    int nShown = 0;
    EXPECT_EQ(Feedback(Card(1, 1, 4, 1, 3, 1, 4, 0), &nShown),
              "Warning:\nOffense #1 is for a running play and Offense #2 is for a passing play.");
    EXPECT_EQ(nShown, Get_Card_Score_Value((10 * 100 * 5 + 5) / 10));
    EXPECT_EQ(nShown, 5);   // 500
    EXPECT_EQ(Feedback(Card(1, 4, 1, 1, 3, 4, 4, 0)),
              "Warning:\nOffense #1 is for a passing play and Offense #2 is for a running play.");
    EXPECT_EQ(Feedback(Card(1, 2, 7, 2, 4, 2, 4, 1)),
              "Warning:\n\"Coverage\" should not be used to stop a running play.");
    EXPECT_EQ(Feedback(Card(1, 2, 7, 1, 4, 2, 4, 1)),
              "Warning:\n\"Pass Rush\" should not be used to stop a running play.");
    EXPECT_EQ(Feedback(Card(1, 4, 7, 0, 4, 4, 4, 2)),
              "Warning:\n\"Run Defense\" should not be used to stop a passing play.");
}

TEST_F(PlayCardsTest, TheCardTableAndItsNames)
{
    // Record 20: 2 7 405 400 410 0 -1 -1.
    EXPECT_EQ(Get_Play_Table_Field(20, PLAY_TABLE_TOUCHDOWN), 1);
    EXPECT_EQ(Get_Play_Table_Field(20, PLAY_TABLE_GRADE_1), 405);
    EXPECT_EQ(Get_Play_Table_Field(20, PLAY_TABLE_GRADE_2), 400);
    EXPECT_EQ(Get_Play_Table_Field(20, PLAY_TABLE_GRADE_3), 410);
    EXPECT_EQ(Get_Play_Table_Field(20, PLAY_TABLE_GRADE_4), 0);
    EXPECT_EQ(Get_Play_Table_Field(20, PLAY_TABLE_KEY_GRADE), -1);
    EXPECT_EQ(Get_Play_Table_Field(20, PLAY_TABLE_NUMBER), -1);
    EXPECT_EQ(Get_Play_Table_Field(20, PLAY_TABLE_SECTION), 2);
    EXPECT_EQ(Get_Play_Table_Field(20, 7), 0);
    // Record 52: 1 3 402 0 407 0 402 4; record 53: 1 7 401 0 407 410 401 4.
    EXPECT_EQ(Get_Play_Table_Field(52, PLAY_TABLE_TOUCHDOWN), 0);
    EXPECT_EQ(Get_Play_Table_Field(52, PLAY_TABLE_NUMBER), 4);
    EXPECT_EQ(Get_Play_Table_Field(53, PLAY_TABLE_GRADE_4), 410);
    EXPECT_EQ(Get_Play_Table_Field(30, PLAY_TABLE_SECTION), 3);
    EXPECT_EQ(Get_Play_Table_Field(54, PLAY_TABLE_SECTION), 0);
    EXPECT_EQ(Get_Play_Table_Field(-1, PLAY_TABLE_GRADE_1), 0);
    EXPECT_STREQ(Get_Composite_Grade_Name(400), "Pass Blocking");
    EXPECT_STREQ(Get_Composite_Grade_Name(407), "Run Defense");
    EXPECT_STREQ(Get_Composite_Grade_Name(412), "Value");
    EXPECT_STREQ(Get_Composite_Grade_Name(413), "");
    EXPECT_STREQ(Get_Card_Play_Type_Name(3), "Long Pass");
    EXPECT_STREQ(Get_Card_Play_Type_Name(4), "");
}

TEST_F(PlayCardsTest, DefaultCardsStoreRunDefenseAsZeroAndTheirValues)
{
    Load_Default_Play_Cards();   // the viewed club, 1
    // Play 0: touchdown, Run Blocking, none, Run Defense, Tackling, bonus
    // Run Blocking on a center, inside run. O = 7 - 5 = 2, D = 17, combos 1
    // and 5: margin 23; (23 x 117 x 5 + 5) / 10 = 1346: 12.
    const int nExpected[9] = {1, 1, 7, 0, 3, 1, 7, 12, 0};
    for (int f = 0; f < 9; ++f)
        EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 0, f), nExpected[f]) << f;
    // Play 4: Goal Line alone against Run Defense, quarterback: O = 1,
    // D = 13, combos 2 and 4: margin 20; (20 x 92 x 5 + 5) / 10 = 920: 8.
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 4, CARD_DEFENSE_1), 0);
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 4, CARD_DEFENSE_2), CARD_DEFENSE_NONE);
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 4, CARD_BONUS_VALUE), 8);
    // Play 20 has no bonus rating (-1 stored as none, position -1): -3.
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 20, CARD_BONUS_RATING), CARD_OFFENSE_NONE);
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 20, CARD_BONUS_POSITION), -1);
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 20, CARD_BONUS_VALUE), -3);
    // The other club is untouched, and the names still read.
    EXPECT_EQ(Get_Play_Card_Field(0, PLAYBOOK_OFFENSE, 0, CARD_BONUS_VALUE), 0);
    char szName[PLAY_NAME_SIZE];
    char szBuiltIn[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(1, 0, szName);
    Get_Offensive_Play_Name(255, 0, szBuiltIn);
    EXPECT_STREQ(szName, szBuiltIn);

    // A recompute after a change of grade: play 0 without Tackling keeps
    // Run Defense alone (13): margin 13 - 2 + 2 + 1 + 4 = 18; 1053: 10.
    Set_Play_Card_Field(1, PLAYBOOK_OFFENSE, 0, CARD_DEFENSE_2, CARD_DEFENSE_NONE);
    Recompute_Team_Play_Card_Bonuses(1);
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 0, CARD_BONUS_VALUE), 10);
}

TEST_F(PlayCardsTest, NamesNeverTouchTheCard)
{
    for (int f = 0; f < 9; ++f)
        ASSERT_TRUE(Set_Play_Card_Field(1, PLAYBOOK_DEFENSE, 3, f, f + 1));
    const std::string Sixty(60, 'x');
    ASSERT_TRUE(Set_Play_Name_Keeping_Card(1, PLAYBOOK_DEFENSE, 3, Sixty));
    char szName[PLAY_NAME_SIZE];
    Get_Defensive_Play_Name(1, 3, szName);
    EXPECT_EQ(std::string(szName), std::string(53, 'x'));
    for (int f = 0; f < 9; ++f)
        EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_DEFENSE, 3, f), f + 1) << f;
    EXPECT_EQ(Get_Defensive_Playbook_Area(1)->Play[3].szName[PLAY_NAME_SIZE - 1], 0);

    // Bad arguments are reported and change nothing.
    EXPECT_FALSE(Set_Play_Card_Field(1, PLAYBOOK_OFFENSE, 54, 0, 1));
    EXPECT_FALSE(Set_Play_Card_Field(1, PLAYBOOK_DEFENSE, 3, 9, 1));
    EXPECT_EQ(Get_Play_Card_Field(1, 2, 0, 0), 0);
    EXPECT_EQ(Errors_Reported(), 3);
}

TEST_F(PlayCardsTest, ThePanelShowsStoresAndCountsTheDeck)
{
    Load_Default_Play_Cards();
    Set_Card_Deck_Flag(1, 0, true);
    Set_Card_Deck_Flag(1, 7, true);
    Set_Card_Deck_Flag(1, 59, true);
    EXPECT_EQ(Count_Card_Deck_Plays(1), 3);
    EXPECT_EQ(Get_Offensive_Playbook_Area(1)->bSelected[59], 1);

    DIALOG Panel(PLAYBOOK_EDITOR_DIALOG, "Cards", nullptr, nullptr);
    Panel.Add(CARD_DECK_CHECK, CONTROL_CHECK);
    Fill_Play_Card_Controls(Panel);
    EXPECT_EQ(Panel.Item_Count(CARD_OFFENSE_2_COMBO), 8);
    EXPECT_EQ(Panel.Item_Text(CARD_OFFENSE_2_COMBO, 7), "None");
    EXPECT_EQ(Panel.Item_Count(CARD_DEFENSE_2_COMBO), 5);
    EXPECT_EQ(Panel.Item_Text(CARD_BONUS_POSITION_COMBO, 7), "Center");
    EXPECT_EQ(Panel.Item_Text(CARD_BONUS_VALUE_COMBO, 30), "+30");
    EXPECT_EQ(Panel.Item_Text(CARD_PLAY_KIND_COMBO, 1), "Outside Run");
    // Play 0 as stored; its value 12 and the deck "3 / 25" with its flag set.
    EXPECT_EQ(Panel.Get_Selected(CARD_DEFENSE_1_COMBO), 0);
    EXPECT_EQ(Panel.Get_Selected(CARD_BONUS_VALUE_COMBO), 12);
    EXPECT_EQ(Compute_Card_Bonus_From_Dialog(Panel), 12);
    EXPECT_EQ(Panel.Get_Text(CARD_FEEDBACK_TEXT), LEGAL);
    EXPECT_EQ(Panel.Get_Text(CARD_DECK_CHECK), "3 / 25");
    EXPECT_TRUE(Panel.Is_Checked(CARD_DECK_CHECK));

    // Tackling taken off: the value 10 as worked above, stored with the grade.
    Panel.Set_Selected(CARD_DEFENSE_2_COMBO, CARD_DEFENSE_NONE);
    Validate_Play_Card(Panel);
    EXPECT_EQ(Panel.Get_Selected(CARD_BONUS_VALUE_COMBO), 10);
    Store_Play_Card_Fields(Panel);
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 0, CARD_DEFENSE_2), CARD_DEFENSE_NONE);
    EXPECT_EQ(Get_Play_Card_Field(1, PLAYBOOK_OFFENSE, 0, CARD_BONUS_VALUE), 10);

    // The deck box unchecked clears the play's flag.
    Panel.Set_Checked(CARD_DECK_CHECK, false);
    Store_Card_Deck_Flag(Panel);
    EXPECT_FALSE(Get_Card_Deck_Flag(1, 0));
    EXPECT_EQ(Panel.Get_Text(CARD_DECK_CHECK), "2 / 25");

    Remove_Play_Card_Controls(Panel);
    EXPECT_EQ(Panel.Find(CARD_SCORING_COMBO), nullptr);
    EXPECT_EQ(Panel.Find(CARD_FEEDBACK_TEXT), nullptr);
    EXPECT_NE(Panel.Find(CARD_DECK_CHECK), nullptr);
}

}  // namespace
