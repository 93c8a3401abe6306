// The player card during a fantasy draft: its Draft button makes the pick
// of the user's club on the clock.
#include <gtest/gtest.h>

#include "league/player.h"
#include "league/preferences.h"
#include "pages/player_card.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"
#include "season/season_cycle_fixture.h"
#include "dialog_press.h"
#include "test_support.h"

namespace {

class PlayerCardDraftTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"player_card_draft"};

    // Two clubs of three players, club 0 the user's and first on the clock.
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
        season_cycle::Build_League(2, 1);
        Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
        for (int t = 0; t < 2; ++t)
            for (int s = 0; s < 3; ++s) {
                season_cycle::Put_Signed_Player(t, s, 100 * (t + 1) + s, s, 60.0f + s, 1995, 2);
                Set_Player_First_Name(t, s, "Al");
                Set_Player_Last_Name(t, s, "Bee");
            }
    }
    void TearDown() override { dialogs::Reset(); }
};

TEST_F(PlayerCardDraftTest, NoDraftButtonWithoutADraft)
{
    EXPECT_EQ(Show_Scouting_Report(1, 2), 1);
    EXPECT_EQ(dialogs::Records().back().Find(CARD_FANTASY_DRAFT), nullptr);
}

TEST_F(PlayerCardDraftTest, DraftTakesThePlayerForTheUsersClubOnTheClock)
{
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_REPEAT, 0);
    ASSERT_EQ(Get_Fantasy_Draft_Club_On_The_Clock(), 0);
    dialogs::Queue_Action(PLAYER_CARD_DIALOG, Press(CARD_FANTASY_DRAFT));
    EXPECT_EQ(Show_Scouting_Report(1, 2), 1);
    EXPECT_EQ(dialogs::Last_Refusal(), "");
    const DIALOG_CONTROL* pButton = dialogs::Records().back().Find(CARD_FANTASY_DRAFT);
    ASSERT_NE(pButton, nullptr);
    EXPECT_EQ(pButton->Text, "&Draft");
    EXPECT_EQ(Get_Player_Drafted_By(1, 2), 0);
    FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    EXPECT_EQ(State.nPicked[0][0], 202);
    // Club 1 picked after it and the user is on the clock again.
    EXPECT_NE(State.nPicked[0][1], 0);
    EXPECT_EQ(Get_Fantasy_Draft_Club_On_The_Clock(), 0);
    // A drafted player's card offers no pick.
    dialogs::Queue_Action(PLAYER_CARD_DIALOG, Press(CARD_FANTASY_DRAFT));
    Show_Scouting_Report(1, 2);
    EXPECT_NE(dialogs::Last_Refusal(), "");
    EXPECT_FALSE(dialogs::Records().back().Find(CARD_FANTASY_DRAFT)->bEnabled);
    dialogs::Clear_Refusal();
    ui::Queue_Answer(ID_CANCEL);
    Confirm_End_Fantasy_Draft();
}

}  // namespace
