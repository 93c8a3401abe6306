// The main window's draft commands: the fantasy-draft item that starts a
// draft through its dialog and, relabelled, ends it; End Draft for the
// college draft; the window's own message that carries the fantasy draft
// from pick to pick; Start Draft for the off-season's draft left waiting.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "editors/fantasy_draft_dialog.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/draft_teams.h"
#include "season/fantasy_draft.h"
#include "season/season_cycle_fixture.h"
#include "shell/commands.h"
#include "shell/draft_commands.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/owner_hall_of_fame.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;
using season_cycle::Find_ID;
using season_cycle::Put_Signed_Player;

int Count_Boxes(const std::string& Caption)
{
    int n = 0;
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        n += Box.Caption == Caption ? 1 : 0;
    return n;
}

class DraftCommandsTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"draft_commands"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        std::filesystem::create_directories("Output");
        Install_Main_Window_Requests(nullptr);
        Create_Main_Window(WINDOW_RECTANGLE{0, 0, 800, 600});
        Load_Accelerator_Table(MAIN_ACCELERATOR_TABLE);
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
    }
    void TearDown() override
    {
        Dispatch_User_Messages(100000);
        dialogs::Reset();
        Destroy_Main_Window();
        Install_Shell_Handler(nullptr);
    }

    // Three clubs, club 0 the user's, four players each.
    static void Build_Fantasy_League()
    {
        Build_League(3, 1);
        Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
        for (int t = 0; t < 3; ++t)
            for (int s = 0; s < 4; ++s) {
                Put_Signed_Player(t, s, 1000 * (t + 1) + s, s, 50.0f + 5 * s + t, 1994, 2);
                Set_Player_First_Name(t, s, "First");
                Set_Player_Last_Name(t, s, "Last");
            }
        Build_Main_Menu();
    }

    static std::string Label(int nId)
    {
        const MAIN_MENU_ITEM* pItem = Find_Main_Menu_Item(nId);
        return pItem != nullptr ? pItem->Text : "(none)";
    }
};

TEST_F(DraftCommandsTest, DialogModesFollowItsRadioButtons)
{
    struct CASE {
        int nFirst;
        int nLater;
        int nWantFirst;
        int nWantLater;
    };
    const CASE CASES[] = {
        {FANTASY_FIRST_RANDOM, FANTASY_LATER_REVERSE_BUTTON, 1, 7},
        {FANTASY_FIRST_CASH, FANTASY_LATER_REPEAT_BUTTON, 2, 6},
        {FANTASY_FIRST_REVENUE, FANTASY_LATER_SNAKE_BUTTON, 3, 5},
        {FANTASY_FIRST_ALPHABETICAL, FANTASY_LATER_RANDOM_BUTTON, 4, 1},
    };
    for (const CASE& Case : CASES) {
        DIALOG Dialog(START_FANTASY_DRAFT_DIALOG, "", Start_Fantasy_Draft_Dialog, nullptr);
        Start_Fantasy_Draft_Dialog(Dialog, DIALOG_INIT, 0);
        Dialog.Check_Radio(Case.nFirst);
        Dialog.Check_Radio(Case.nLater);
        EXPECT_EQ(Get_Fantasy_First_Round_Choice(Dialog), Case.nWantFirst) << Case.nFirst;
        EXPECT_EQ(Get_Fantasy_Later_Round_Choice(Dialog), Case.nWantLater) << Case.nLater;
    }
    // Nothing checked: random, then the first round reversed.
    DIALOG Dialog(START_FANTASY_DRAFT_DIALOG, "", Start_Fantasy_Draft_Dialog, nullptr);
    Dialog.Build_Registered();
    EXPECT_EQ(Get_Fantasy_First_Round_Choice(Dialog), 1);
    EXPECT_EQ(Get_Fantasy_Later_Round_Choice(Dialog), 7);
    // Opened, the dialog shows what an untouched one gives.
    Start_Fantasy_Draft_Dialog(Dialog, DIALOG_INIT, 0);
    EXPECT_TRUE(Dialog.Is_Checked(FANTASY_FIRST_RANDOM));
    EXPECT_TRUE(Dialog.Is_Checked(FANTASY_LATER_REVERSE_BUTTON));
    EXPECT_FALSE(Dialog.Is_Checked(FANTASY_ANNOUNCE_PICKS));
    EXPECT_EQ(Dialog.Find(FANTASY_LATER_SNAKE_BUTTON)->Text, "&Snake (Alternate 'Reverse' and 'Repeat')");
    EXPECT_EQ(Dialog.Find(FANTASY_ANNOUNCE_PICKS)->Text, "Announce Each &Draft Pick");
}

TEST_F(DraftCommandsTest, FantasyDraftItemStartsADraftAndIsRelabelledWhileItRuns)
{
    Build_Fantasy_League();
    EXPECT_EQ(Label(CMD_FANTASY_DRAFT), "&Fantasy Draft...");
    EXPECT_EQ(Label(CMD_COLLEGE_DRAFT), "College &Draft...");
    // Cancel in the dialog: no draft.
    dialogs::Queue_Action(START_FANTASY_DRAFT_DIALOG, DIALOG_ACTION{ACTION_PRESS, DIALOG_CANCEL, "", 0, 0});
    ASSERT_TRUE(Choose_Main_Menu_Item(CMD_FANTASY_DRAFT));
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
    // Alphabetical, repeated, announced: club 0 (the user's) is on the clock.
    dialogs::Queue_Action(START_FANTASY_DRAFT_DIALOG, DIALOG_ACTION{ACTION_RADIO, FANTASY_FIRST_ALPHABETICAL, "", 0, 0});
    dialogs::Queue_Action(START_FANTASY_DRAFT_DIALOG, DIALOG_ACTION{ACTION_RADIO, FANTASY_LATER_REPEAT_BUTTON, "", 0, 0});
    dialogs::Queue_Action(START_FANTASY_DRAFT_DIALOG, DIALOG_ACTION{ACTION_CHECK, FANTASY_ANNOUNCE_PICKS, "", 1, 0});
    ASSERT_TRUE(Choose_Main_Menu_Item(CMD_FANTASY_DRAFT));
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 1);
    EXPECT_EQ(Get_User_Preference(PREF_FANTASY_ANNOUNCE), 1);
    FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    EXPECT_EQ(State.nFirstRoundMode, 4);
    EXPECT_EQ(State.nLaterRoundMode, 6);
    EXPECT_EQ(Get_Fantasy_Draft_Club_On_The_Clock(), 0);
    EXPECT_EQ(Count_Boxes("Round 1 / Pick 1"), 1);
    EXPECT_EQ(Label(CMD_FANTASY_DRAFT), "End &Fantasy Draft...");
    EXPECT_EQ(Label(CMD_COLLEGE_DRAFT), "&Draft Picks...");
    EXPECT_EQ(Find_Main_Menu_Item(CMD_COLLEGE_DRAFT)->Accelerator, "Ctrl+C");
    EXPECT_NE(std::string(Get_Main_Window_Title()).find("Fantasy Draft"), std::string::npos);
    // The name a script gives either label reaches the item.
    EXPECT_EQ(Find_Main_Command_Id("End Fantasy Draft..."), CMD_FANTASY_DRAFT);
    EXPECT_EQ(Find_Main_Command_Id("Fantasy Draft"), CMD_FANTASY_DRAFT);
}

TEST_F(DraftCommandsTest, PicksGoOnThroughTheWindowsMessageOneAtATime)
{
    Build_Fantasy_League();
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_REPEAT, 0);
    EXPECT_FALSE(Is_User_Message_Posted());   // the user is asked first
    ASSERT_TRUE(Record_Fantasy_Draft_Pick(1, 3, 0));
    EXPECT_TRUE(Is_User_Message_Posted());
    FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    EXPECT_EQ(State.nPick, 1);   // club 1 has not picked yet
    // One message, one pick (club 1's), the next posted.
    EXPECT_EQ(Dispatch_User_Messages(1), 1);
    Get_Fantasy_Draft_State(&State);
    EXPECT_EQ(State.nPick, 2);
    EXPECT_TRUE(Is_User_Message_Posted());
    // Club 2 picks and posts once more; that message asks the user, and
    // nothing more is posted.
    EXPECT_EQ(Dispatch_User_Messages(100), 2);
    EXPECT_FALSE(Is_User_Message_Posted());
    Get_Fantasy_Draft_State(&State);
    EXPECT_EQ(State.nRound, 1);
    EXPECT_EQ(State.nPick, 0);
    EXPECT_EQ(Count_Boxes("Round 2 / Pick 1"), 1);
    EXPECT_EQ(Dispatch_User_Messages(100), 0);
}

TEST_F(DraftCommandsTest, EndFantasyDraftYesFinishesItForEveryoneAndPlayersMove)
{
    Build_Fantasy_League();
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_REPEAT, 0);
    ASSERT_TRUE(Record_Fantasy_Draft_Pick(2, 3, 0));   // the user takes club 2's best
    ui::Queue_Answer(ID_YES);
    ASSERT_TRUE(Choose_Main_Menu_Item(CMD_FANTASY_DRAFT));
    ASSERT_EQ(Count_Boxes("End Fantasy Draft"), 1);
    Dispatch_User_Messages(1000);
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
    EXPECT_EQ(Find_ID(3003).nTeam, 0);
    for (int t = 0; t < 3; ++t)
        EXPECT_EQ(Count_Team_Players(t), 4) << t;
    EXPECT_EQ(Count_Boxes("Fantasy Draft Complete"), 0);
    EXPECT_EQ(Label(CMD_FANTASY_DRAFT), "&Fantasy Draft...");
    EXPECT_EQ(Label(CMD_COLLEGE_DRAFT), "College &Draft...");
}

TEST_F(DraftCommandsTest, EndFantasyDraftCancelUndoesEveryPickAndNoKeepsIt)
{
    Build_Fantasy_League();
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_REPEAT, 0);
    ASSERT_TRUE(Record_Fantasy_Draft_Pick(2, 3, 0));
    Dispatch_User_Messages(1000);
    ui::Queue_Answer(ID_NO);
    ASSERT_TRUE(Choose_Main_Menu_Item(CMD_FANTASY_DRAFT));
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 1);
    EXPECT_EQ(Get_Player_Drafted_By(2, 3), 0);
    ui::Queue_Answer(ID_CANCEL);
    ASSERT_TRUE(Choose_Main_Menu_Item(CMD_FANTASY_DRAFT));
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
    for (int t = 0; t < 3; ++t)
        for (int s = 0; s < 4; ++s) {
            EXPECT_EQ(Get_Player_ID(t, s), 1000 * (t + 1) + s);
            EXPECT_EQ(Get_Player_Drafted_By(t, s), NO_TEAM);
        }
    EXPECT_EQ(Label(CMD_FANTASY_DRAFT), "&Fantasy Draft...");
}

// A game saved while a computer club was on the clock picks up again once
// loaded: the window's message is posted and makes that pick.
TEST_F(DraftCommandsTest, ALoadedDraftGoesOnFromThePickOnTheClock)
{
    Build_Fantasy_League();
    Start_Fantasy_Draft(FANTASY_ORDER_ALPHABETICAL, FANTASY_LATER_REPEAT, 0);
    ASSERT_FALSE(Is_User_Message_Posted());
    // As a game saved between two picks loads: club 1 on the clock.
    FANTASY_DRAFT_STATE State;
    Get_Fantasy_Draft_State(&State);
    State.nPick = 1;
    Set_Fantasy_Draft_State(State);
    Resume_Fantasy_Draft_After_Load();
    EXPECT_TRUE(Is_User_Message_Posted());
    // Clubs 1 and 2 pick; the user is asked for round 2.
    Dispatch_User_Messages(100);
    Get_Fantasy_Draft_State(&State);
    EXPECT_EQ(State.nRound, 1);
    EXPECT_EQ(State.nPick, 0);
    EXPECT_NE(State.nPicked[0][1], 0);
    EXPECT_NE(State.nPicked[0][2], 0);
    EXPECT_EQ(Count_Boxes("Round 2 / Pick 1"), 1);
    // Without a draft nothing is posted.
    ui::Queue_Answer(ID_CANCEL);
    Confirm_End_Fantasy_Draft();
    Resume_Fantasy_Draft_After_Load();
    EXPECT_FALSE(Is_User_Message_Posted());
}

// The college draft of two clubs, club 1 the user's and first on the
// clock, one prospect in the pools.
class EndDraftCommandTest : public DraftCommandsTest {
protected:
    void SetUp() override
    {
        DraftCommandsTest::SetUp();
        Build_League(2);
        Set_User_Preference(PREF_SEASON_INDEX, 1);
        Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
        Set_Draft_Order_Team(0, 1);
        Set_Draft_Order_Team(1, 0);
        for (int r = 0; r < 7; ++r)
            for (int t = 0; t < 2; ++t)
                Set_Draft_Pick_Owner(0, r, t, t);
        Set_User_Preference(PREF_DRAFT_ROUND, 0);
        Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);
        Set_Team_Stat(1, TEAM_STAT_CONTROLLER, CONTROLLER_USER);
        Put_Signed_Player(38, 0, 41, POSITION_WR, 60.0f, 2000, 0);
        Put_Signed_Player(38, 1, 42, POSITION_WR, 70.0f, 2000, 0);
        Build_Main_Menu();
    }
};

TEST_F(EndDraftCommandTest, EndDraftIsLiveOnlyDuringTheCollegeDraft)
{
    ASSERT_NE(Find_Main_Menu_Item(CMD_END_DRAFT), nullptr);
    EXPECT_EQ(Find_Main_Menu_Item(CMD_END_DRAFT)->Text, "&End Draft...");
    EXPECT_TRUE(Find_Main_Menu_Item(CMD_END_DRAFT)->bEnabled);
    Set_User_Preference(PREF_DRAFT_ROUND, 7);
    Build_Main_Menu();
    EXPECT_FALSE(Find_Main_Menu_Item(CMD_END_DRAFT)->bEnabled);
    EXPECT_FALSE(Choose_Main_Menu_Item(CMD_END_DRAFT));
    EXPECT_EQ(Count_Boxes("End College Draft?"), 0);
}

// The fantasy draft asked for from the menu while the college draft is
// under way (day 100, round 0) is refused, and nobody moves.
TEST_F(EndDraftCommandTest, AFantasyDraftCannotStartDuringTheCollegeDraft)
{
    ui::Reset();
    Fantasy_Draft_Command();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Fantasy Draft");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Can't start a Fantasy Draft during the College Draft.");
    EXPECT_EQ(Get_Universe_Stat(FANTASY_DRAFT_RUNNING), 0);
    EXPECT_EQ(Find_ID(41).nTeam, 38);
    EXPECT_EQ(Find_ID(42).nTeam, 38);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 0);
}

TEST_F(EndDraftCommandTest, NoLeavesTheDraftYesPicksForEveryClubTheUsersToo)
{
    ui::Queue_Answer(ID_NO);
    ASSERT_TRUE(Choose_Main_Menu_Item(CMD_END_DRAFT));
    ASSERT_EQ(Count_Boxes("End College Draft?"), 1);
    EXPECT_EQ(ui::Shown_Boxes().back().Text,
              "Ending the Draft will cause the computer to make all remaining draft picks. Are you sure?");
    EXPECT_EQ(ui::Shown_Boxes().back().Style & BOX_BUTTON_MASK, BOX_YESNO);
    EXPECT_EQ(Find_ID(41).nTeam, 38);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 0);

    ui::Queue_Answer(ID_YES);
    ASSERT_TRUE(Choose_Main_Menu_Item(CMD_END_DRAFT));
    // Club 1 (the user's) picks first and takes the better one; club 0 the other.
    EXPECT_EQ(Find_ID(42).nTeam, 1);
    EXPECT_EQ(Find_ID(41).nTeam, 0);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 7);
    EXPECT_FALSE(Find_Main_Menu_Item(CMD_END_DRAFT)->bEnabled);
}

// The off-season of two clubs, both the user's, after "Begin College
// Draft?" was answered No: the draft waits to be started, two prospects in
// the pools.
class StartDraftCommandTest : public DraftCommandsTest {
protected:
    void SetUp() override
    {
        DraftCommandsTest::SetUp();
        Build_League(2, 2);
        Set_User_Preference(PREF_SEASON_INDEX, 1);
        Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
        for (int r = 0; r < 7; ++r)
            for (int t = 0; t < 2; ++t)
                Set_Draft_Pick_Owner(0, r, t, t);
        Put_Signed_Player(38, 0, 41, POSITION_WR, 60.0f, 2000, 0);
        Put_Signed_Player(38, 1, 42, POSITION_WR, 70.0f, 2000, 0);
        Build_Main_Menu();
    }

    static bool Live(int nId)
    {
        const MAIN_MENU_ITEM* pItem = Find_Main_Menu_Item(nId);
        return pItem != nullptr && pItem->bEnabled;
    }
};

TEST_F(StartDraftCommandTest, StartDraftIsLiveOnlyWhileTheDraftWaits)
{
    ASSERT_NE(Find_Main_Menu_Item(CMD_START_DRAFT), nullptr);
    EXPECT_EQ(Find_Main_Menu_Item(CMD_START_DRAFT)->Text, "Start D&raft");
    EXPECT_TRUE(Live(CMD_START_DRAFT));
    // Day 100 moves nothing on: the week commands are greyed, and their keys
    // do nothing; Play Multiple Seasons and Stop stay.
    for (int nId : {CMD_PLAY_ONE_WEEK, CMD_PLAY_ONE_MONTH, CMD_PLAY_HALF_SEASON, CMD_PLAY_TRADING_DEADLINE,
                    CMD_PLAY_THROUGH_PLAYOFFS})
        EXPECT_FALSE(Live(nId)) << nId;
    EXPECT_TRUE(Live(CMD_PLAY_MULTIPLE_SEASONS));
    EXPECT_TRUE(Live(CMD_STOP_SIMULATION));
    EXPECT_EQ(Press_Main_Window_Key("Ctrl+1"), 0);
    EXPECT_FALSE(Live(CMD_END_DRAFT));

    // A draft under way: nothing to start, End Draft instead.
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    Build_Main_Menu();
    EXPECT_FALSE(Live(CMD_START_DRAFT));
    EXPECT_TRUE(Live(CMD_END_DRAFT));
    EXPECT_FALSE(Choose_Main_Menu_Item(CMD_START_DRAFT));
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 0);

    // The season under way (round 7, prospects in the pools all season).
    Set_User_Preference(PREF_DRAFT_ROUND, 7);
    Set_User_Preference(PREF_CURRENT_WEEK, 5);
    Build_Main_Menu();
    EXPECT_FALSE(Live(CMD_START_DRAFT));
    EXPECT_TRUE(Live(CMD_PLAY_ONE_WEEK));
    EXPECT_TRUE(Live(CMD_PLAY_THROUGH_PLAYOFFS));

    // Day 100 with empty pools: no draft to hold.
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    Clear_Player(38, 0);
    Clear_Player(38, 1);
    Build_Main_Menu();
    EXPECT_FALSE(Live(CMD_START_DRAFT));
    EXPECT_TRUE(Live(CMD_PLAY_ONE_WEEK));
}

TEST_F(StartDraftCommandTest, StartDraftRunsTheDraftToTheUsersFirstPick)
{
    ASSERT_TRUE(Choose_Main_Menu_Item(CMD_START_DRAFT));
    // Both clubs are the user's: the first pick is his, and the draft waits
    // for it with nobody drafted.
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 0);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PICKS_MADE), 0);
    ASSERT_EQ(Count_Boxes("Round 1: Pick #1"), 1);
    EXPECT_NE(ui::Shown_Boxes().back().Text.find(": Make your draft pick."), std::string::npos);
    EXPECT_EQ(Find_ID(41).nTeam, 38);
    EXPECT_EQ(Find_ID(42).nTeam, 38);
    // The menu follows: the draft is under way.
    EXPECT_FALSE(Live(CMD_START_DRAFT));
    EXPECT_TRUE(Live(CMD_END_DRAFT));
    EXPECT_TRUE(Live(CMD_PLAY_ONE_WEEK));
}

TEST_F(StartDraftCommandTest, AScriptsStartDraftWithNoDraftWaitingIsRefused)
{
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 1);
    // Dispatched as a script does, past the menu.
    ASSERT_TRUE(Dispatch_Main_Command(CMD_START_DRAFT));
    ASSERT_EQ(Count_Boxes("College Draft"), 1);
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "No College Draft is waiting to be started.");
    // The draft under way is not begun again.
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 0);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PICKS_MADE), 1);
    EXPECT_EQ(Count_Boxes("Round 1: Pick #1"), 0);
}

}  // namespace
