// The Playbook Editor run headless through its real procedure, on a league
// of three clubs with legal rosters and the default playbooks; every value
// worked by hand from the built-in plays and the formation catalogue:
// Pro Set (3): QB, RB, FB, TE, WR1, WR2, LT, LG, C, RG, RT;
// Ace (4): QB, RB, TE2, TE1, WR1, WR2, line; 4-3 (22): DE, DT, DT, DE, LB x 3,
// CB, CB, S, S; Prevent (36): DE, DT, DE, LB, CB, CB, CB, ...
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include "editors/dialog_action.h"
#include "editors/play_cards.h"
#include "editors/playbook_dialogs.h"
#include "editors/playbook_editor.h"
#include "engine/game_lineups.h"
#include "engine/playbook_files.h"
#include "engine/playbooks.h"
#include "frontoffice/depth_chart.h"
#include "gamefile/game_file.h"
#include "league/player.h"
#include "pages/player_card.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "season/season_cycle_fixture.h"
#include "shell/commands.h"
#include "test_support.h"

namespace {

constexpr int TEAM = 1;
constexpr int PRO_SET = 3;
constexpr int PREVENT = 36;
constexpr int FOUR_THREE = 22;
constexpr int ACE_28_SWEEP = 14;          // folder 1, play 4: Ace, sweep, carrier RB, hole 8
constexpr int PRO_48_END_AROUND = 52;     // folder 5, play 2: Pro, end around, carrier TE (place 3)
constexpr int PRO_262_HOVER = 20;         // folder 2, play 0: Pro, pass, primary WR2 (place 5)

// The combo of defensive slot 0-10.
int SLOT_COMBO_OF(int nSlot)
{
    constexpr int COMBOS[11] = {1402, 1392, 1393, 1394, 1395, 1396, 1397, 1398, 1399, 1400, 1401};
    return COMBOS[nSlot];
}

class PlaybookEditorTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(m_Folder.Ready());
        dialogs::Reset();
        Reset_Playbook_Editor_Advice();
        season_cycle::Build_League(3, 1);
        for (int t = 0; t < 3; ++t) {
            season_cycle::Fill_Legal_Club(t, 45, 1000 + 100 * t, 60.0f);
            for (int s = 0; s < 45; ++s) {
                char szLast[16];
                std::snprintf(szLast, sizeof(szLast), "Player%02d", s);
                Set_Player_First_Name(t, s, "Bo");
                Set_Player_Last_Name(t, s, szLast);
            }
            for (int u = 0; u < 3; ++u)
                Auto_Set_Depth_Chart(t, u, 0);
            Build_Team_Default_Playbook(t);
            Build_Formation_Depth_Chart(t, 0);
        }
        Set_User_Preference(PREF_CURRENT_TEAM, TEAM);
        Go_To(0, 0, 0);
    }
    void TearDown() override
    {
        m_pDialog.reset();
        dialogs::Reset();
        ui::Reset();
    }

    static void Go_To(int nSide, int nFolder, int nPlay)
    {
        Set_User_Preference(PREF_PLAYBOOK_SIDE, nSide);
        Set_User_Preference(PREF_PLAYBOOK_FOLDER, nFolder);
        Set_User_Preference(PREF_PLAYBOOK_PLAY, nPlay);
    }

    // Opens the editor as the runner does, on a play of the side.
    DIALOG& Open(int nSide, int nPlay)
    {
        Go_To(nSide, nPlay / 10, nPlay % 10);
        m_pDialog = std::make_unique<DIALOG>(PLAYBOOK_EDITOR_DIALOG, "Playbook Editor", Playbook_Editor_Dialog, nullptr);
        m_pDialog->Send(DIALOG_INIT, 0);
        return *m_pDialog;
    }

    static OFFENSIVE_PLAY& Offense(int nPlay) { return Get_Offensive_Playbook_Area(TEAM)->Play[nPlay]; }
    static DEFENSIVE_PLAY& Defense(int nPlay) { return Get_Defensive_Playbook_Area(TEAM)->Play[nPlay]; }

    SCRATCH_FOLDER m_Folder{"playbook_editor"};
    std::unique_ptr<DIALOG> m_pDialog;
};

TEST_F(PlaybookEditorTest, SweepsAndEndAroundsRunOutside)
{
    DIALOG& D = Open(PLAYBOOK_OFFENSE, ACE_28_SWEEP);
    EXPECT_EQ(D.Get_Text(PBE_CARRIER_COMBO + PBE_LABEL_OFFSET), "Ball Carrier");
    EXPECT_EQ(D.Get_Selected(PBE_RUSH_HOLE_COMBO), 8);
    // Hole 3 is odd: at least 7. Hole 8 stays 8.
    ASSERT_TRUE(D.User_Select(PBE_RUSH_HOLE_COMBO, 3));
    EXPECT_EQ(Offense(ACE_28_SWEEP).nRunHole, 7);
    EXPECT_EQ(D.Get_Selected(PBE_RUSH_HOLE_COMBO), 7);
    ASSERT_TRUE(D.User_Select(PBE_RUSH_HOLE_COMBO, 8));
    EXPECT_EQ(Offense(ACE_28_SWEEP).nRunHole, 8);
    ASSERT_TRUE(D.User_Select(PBE_RUSH_HOLE_COMBO, 0));
    EXPECT_EQ(Offense(ACE_28_SWEEP).nRunHole, 6);

    // The end around: hole 2 becomes 6.
    ASSERT_TRUE(D.User_Select(PBE_FOLDER_COMBO, 5));
    ASSERT_TRUE(D.User_Select(PBE_PLAY_COMBO, 2));
    EXPECT_EQ(Get_Playbook_Editor_Play(), PRO_48_END_AROUND);
    ASSERT_TRUE(D.User_Select(PBE_RUSH_HOLE_COMBO, 2));
    EXPECT_EQ(Offense(PRO_48_END_AROUND).nRunHole, 6);
    ASSERT_TRUE(D.User_Select(PBE_RUSH_HOLE_COMBO, 3));
    EXPECT_EQ(Offense(PRO_48_END_AROUND).nRunHole, 7);
}

TEST_F(PlaybookEditorTest, AReceiverCarryingTheBallRunsTheHandoffRoute)
{
    DIALOG& D = Open(PLAYBOOK_OFFENSE, ACE_28_SWEEP);
    EXPECT_FALSE(D.Is_Enabled(PBE_ROUTE_COMBO_FIRST));       // the running back carries
    EXPECT_EQ(D.Item_Count(PBE_ROUTE_COMBO_FIRST), 57);
    EXPECT_EQ(D.Item_Count(PBE_ROUTE_COMBO_FIRST + 1), 43);
    // Receiver 2 (the second tight end) takes the ball: route 54, combo
    // disabled; the running back's 54 is no route of a receiver: 0.
    ASSERT_TRUE(D.User_Select(PBE_CARRIER_COMBO, 2));
    EXPECT_EQ(Offense(ACE_28_SWEEP).nCarrier, 3);
    EXPECT_EQ(Offense(ACE_28_SWEEP).nRoute[1], 54);
    EXPECT_EQ(Offense(ACE_28_SWEEP).nRoute[0], 0);
    EXPECT_FALSE(D.Is_Enabled(PBE_ROUTE_COMBO_FIRST + 1));
    EXPECT_TRUE(D.Is_Enabled(PBE_ROUTE_COMBO_FIRST));
    EXPECT_EQ(D.Get_Selected(PBE_ROUTE_COMBO_FIRST + 1), 54);

    // On an end around the carrier runs 45.
    ASSERT_TRUE(D.User_Select(PBE_FOLDER_COMBO, 5));
    ASSERT_TRUE(D.User_Select(PBE_PLAY_COMBO, 2));
    ASSERT_TRUE(D.User_Select(PBE_CARRIER_COMBO, 2));
    EXPECT_EQ(Offense(PRO_48_END_AROUND).nRoute[1], 45);
    EXPECT_FALSE(D.Is_Enabled(PBE_ROUTE_COMBO_FIRST + 1));
}

TEST_F(PlaybookEditorTest, RouteSteppingSkipsRefusedRoutesAndWraps)
{
    // Wide receivers refuse kinds 1, 3 and 4: 41 "Run Block" (3) up gives
    // 42; down from 41: 40 (1), 39 (1), 38 (1), 37 (1), 36 (4), then 35.
    EXPECT_EQ(Step_Route_For_Slot(4, 41, 1), 42);
    EXPECT_EQ(Step_Route_For_Slot(4, 41, -1), 35);
    EXPECT_EQ(Step_Route_For_Slot(4, 9, -1), 9);           // allowed: kept
    EXPECT_EQ(Step_Route_For_Slot(3, 12, 0), 10);          // TE: 12, 11 (1) down to 10 (4)
    EXPECT_EQ(Step_Route_For_Slot(1, 41, 1), 42);          // RB refuses 3
    EXPECT_EQ(Step_Route_For_Slot(3, 41, 1), 41);          // TE keeps 3: refuses 1 and 2 only
    EXPECT_EQ(Step_Route_For_Slot(0, 41, 1), 41);          // a passer keeps any route
    EXPECT_EQ(Step_Route_For_Slot(4, -1, 1), 0);           // no route: stepped into the table
    // Modulo 43: up from 42 is 0, down from 0 is 42.
    EXPECT_EQ(Next_Route_Step(42, 1), 0);
    EXPECT_EQ(Next_Route_Step(0, -1), 42);
    EXPECT_EQ(Next_Route_Step(0, 0), 42);                  // a direction below 1 goes down

    // Through the dialog: Pro Set receiver 4 (WR1) picks "[Not Available]"
    // 41 from route 21, upward: 42.
    DIALOG& D = Open(PLAYBOOK_OFFENSE, 13);   // Pro 27 Pitch: routes 54, 14, 42, 21, 26
    EXPECT_EQ(D.Item_Text(PBE_ROUTE_COMBO_FIRST + 3, 41), "[Not Available]");
    EXPECT_EQ(D.Item_Text(PBE_ROUTE_COMBO_FIRST + 3, 42), "Downfield Block");
    ASSERT_TRUE(D.User_Select(PBE_ROUTE_COMBO_FIRST + 3, 41));
    EXPECT_EQ(Offense(13).nRoute[3], 42);
    EXPECT_EQ(Get_Highlighted_Play_Slot(), 4);
    // From 42 down to 39 (refused): 35.
    ASSERT_TRUE(D.User_Select(PBE_ROUTE_COMBO_FIRST + 3, 39));
    EXPECT_EQ(Offense(13).nRoute[3], 35);
}

TEST_F(PlaybookEditorTest, DefendersAreRemappedInTheFirstFiveSlotsOnly)
{
    DIALOG& D = Open(PLAYBOOK_DEFENSE, 0);
    // The formation combo lists 22-38; Prevent is entry 14.
    EXPECT_EQ(D.Item_Count(PBE_FORMATION_COMBO), 17);
    ASSERT_TRUE(D.User_Select(PBE_FORMATION_COMBO, PREVENT - 22));
    ASSERT_EQ(Defense(0).nFormation, PREVENT);
    // A cornerback stands in slot 4: "Inside Rush" is not his, and after
    // any change of the play he holds "Corner Blitz".
    Defense(0).nResponsibility[4] = 2;
    Defense(0).nResponsibility[9] = 8;
    ASSERT_TRUE(D.User_Select(SLOT_COMBO_OF(9), 9));
    EXPECT_EQ(Defense(0).nResponsibility[4], 3);
    EXPECT_EQ(Defense(0).nResponsibility[9], 9);
    EXPECT_EQ(Get_Highlighted_Play_Slot(), 9);
    EXPECT_EQ(D.Item_Text(PBE_ROUTE_COMBO_FIRST + 1, 2), "[Not Available]");   // slot 4's combo
    EXPECT_EQ(D.Item_Text(PBE_ROUTE_COMBO_FIRST + 1, 3), "Corner Blitz");

    // In the 4-3 a cornerback stands in slot 7: "Outside Rush" picked there
    // is stored as picked.
    ASSERT_TRUE(D.User_Select(PBE_FORMATION_COMBO, FOUR_THREE - 22));
    EXPECT_EQ(D.Item_Text(SLOT_COMBO_OF(7), 1), "[Not Available]");
    ASSERT_TRUE(D.User_Select(SLOT_COMBO_OF(7), 1));
    EXPECT_EQ(Defense(0).nResponsibility[7], 1);
    // A defensive end's "Corner Blitz" in slot 0 becomes "Inside Rush".
    ASSERT_TRUE(D.User_Select(PBE_CARRIER_COMBO, 3));
    EXPECT_EQ(Defense(0).nResponsibility[0], 2);
    EXPECT_FALSE(D.Is_Visible(PBE_PLAY_TYPE_COMBO));
    EXPECT_EQ(D.Get_Text(PBE_VIEW_BUTTON), "View Defense");
    EXPECT_EQ(D.Get_Text(PBE_LOAD_BUTTON), "Load Defense Playbook");
    EXPECT_EQ(D.Get_Text(PBE_SAVE_BUTTON), "Save Defense Playbook");
}

TEST_F(PlaybookEditorTest, TheQuarterbackIsNoReceiverAndNoSelectionChangesNothing)
{
    DIALOG& D = Open(PLAYBOOK_OFFENSE, PRO_262_HOVER);
    EXPECT_EQ(D.Get_Text(PBE_CARRIER_COMBO + PBE_LABEL_OFFSET), "Primary Receiver");
    const OFFENSIVE_PLAY Before = Offense(PRO_262_HOVER);
    ASSERT_TRUE(D.User_Select(PBE_CARRIER_COMBO, 0));
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "The Quarterback cannot be the Primary Receiver.");
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Invalid Selection");
    EXPECT_EQ(std::memcmp(&Before, &Offense(PRO_262_HOVER), sizeof(Before)), 0);
    EXPECT_EQ(D.Get_Selected(PBE_CARRIER_COMBO), 5);   // shown as stored again

    // A change without a selection is ignored.
    D.Set_Selected(PBE_FORMATION_COMBO, -1);
    Apply_Playbook_Combo_Change(D, TEAM, PBE_FORMATION_COMBO);
    EXPECT_EQ(std::memcmp(&Before, &Offense(PRO_262_HOVER), sizeof(Before)), 0);

    // A primary receiver without a receiving route gives way to the next
    // one that has one: receiver 5 (WR2) picks "Pass Block" (kind 1, refused
    // to a receiver), stepped up past 40 (1) and 41 (3) to 42 "Downfield
    // Block", no receiving route: the primary goes round to receiver 1
    // ("Over").
    ASSERT_TRUE(D.User_Select(PBE_ROUTE_COMBO_FIRST + 4, 39));
    EXPECT_EQ(Offense(PRO_262_HOVER).nRoute[4], 42);
    EXPECT_EQ(Offense(PRO_262_HOVER).nCarrier, 2);
}

TEST_F(PlaybookEditorTest, FoldersPlaysAndTheirPreferences)
{
    DIALOG& D = Open(PLAYBOOK_OFFENSE, 0);
    EXPECT_EQ(D.Item_Count(PBE_FOLDER_COMBO), 9);
    EXPECT_EQ(D.Item_Text(PBE_FOLDER_COMBO, 0).rfind("Offense: ", 0), 0u);
    EXPECT_EQ(D.Item_Text(PBE_FOLDER_COMBO, 6).rfind("Defense: ", 0), 0u);
    EXPECT_EQ(D.Item_Count(PBE_PLAY_COMBO), 10);
    EXPECT_EQ(D.Item_Text(PBE_PLAY_COMBO, 0), "Pro 21 Dive");
    ASSERT_TRUE(D.User_Select(PBE_FOLDER_COMBO, 5));
    EXPECT_EQ(D.Item_Count(PBE_PLAY_COMBO), 4);
    EXPECT_EQ(D.Item_Text(PBE_PLAY_COMBO, 3), "Gun 59 End Around");
    ASSERT_TRUE(D.User_Select(PBE_FOLDER_COMBO, 7));
    ASSERT_TRUE(D.User_Select(PBE_PLAY_COMBO, 3));
    EXPECT_EQ(Get_User_Preference(PREF_PLAYBOOK_SIDE), 1);
    EXPECT_EQ(Get_User_Preference(PREF_PLAYBOOK_FOLDER), 1);
    EXPECT_EQ(Get_User_Preference(PREF_PLAYBOOK_PLAY), 3);
    EXPECT_EQ(Get_Playbook_Editor_Play(), 13);
    // A play of a bigger folder asked for in folder 5 is its last.
    Go_To(PLAYBOOK_OFFENSE, 5, 9);
    EXPECT_EQ(Get_Playbook_Editor_Play(), 53);
}

TEST_F(PlaybookEditorTest, SlotLabelsNameThePlayersAndTheirPlaces)
{
    const int nLeftTackle = Get_Playbook_Slot_Player(TEAM, PRO_SET, 6);
    const int nRightGuard = Get_Playbook_Slot_Player(TEAM, PRO_SET, 9);
    ASSERT_GE(nLeftTackle, 0);
    ASSERT_GE(nRightGuard, 0);
    Set_Player_Last_Name(TEAM, nRightGuard, "Longfellowes");   // 12 characters: no initial
    char szLeft[16];
    Get_Player_Last_Name(TEAM, nLeftTackle, szLeft);
    Build_Formation_Depth_Chart(TEAM, 0);
    EXPECT_EQ(Format_Formation_Slot_Label(TEAM, PRO_SET, 6), std::string("B. ") + szLeft + " (LT)");
    EXPECT_EQ(Format_Formation_Slot_Label(TEAM, PRO_SET, 9), "Longfellowes (RG)");
    EXPECT_NE(Format_Formation_Slot_Label(TEAM, PRO_SET, 3).find(" (TE)"), std::string::npos);
    EXPECT_NE(Format_Formation_Slot_Label(TEAM, PRO_SET, 4).find(" (WR1)"), std::string::npos);
    EXPECT_NE(Format_Formation_Slot_Label(TEAM, PRO_SET, 5).find(" (WR2)"), std::string::npos);
    EXPECT_EQ(Count_Formation_Position_Slots(PRO_SET, 4), 2);
    EXPECT_EQ(Count_Formation_Position_Slots(FOUR_THREE, 10), 3);

    DIALOG& D = Open(PLAYBOOK_OFFENSE, 0);
    EXPECT_EQ(D.Get_Text(PBE_ROUTE_COMBO_FIRST + 3 + PBE_LABEL_OFFSET), Format_Formation_Slot_Label(TEAM, PRO_SET, 4));
    EXPECT_EQ(D.Item_Text(PBE_CARRIER_COMBO, 1), Format_Formation_Slot_Label(TEAM, PRO_SET, 1));
    EXPECT_TRUE(D.Is_Visible(Get_Number_Button_Id(8)));    // 1286: the passer
    EXPECT_FALSE(D.Is_Visible(Get_Number_Button_Id(0)));   // 1277: hidden on offence
    EXPECT_EQ(Get_Number_Button_Slot(1286), 0);
    EXPECT_EQ(Get_Number_Button_Slot(1280), 1);
    EXPECT_EQ(Get_Number_Button_Slot(1291), 10);
    EXPECT_EQ(Get_Number_Button_Slot(1277), -1);
    // The number button of receiver 1 opens the running back's card.
    ASSERT_TRUE(D.User_Press(1280));
    ASSERT_EQ(dialogs::Records().size(), 1u);
    EXPECT_EQ(dialogs::Records()[0].nDialogId, PLAYER_CARD_DIALOG);
    EXPECT_TRUE(ui::Shown_Boxes().empty());   // no "Scouting Error": a player was found
    EXPECT_EQ(Get_Offensive_Folder_Name(TEAM, 5), Get_Playbook_Folder_Name(TEAM, 5));
    EXPECT_EQ(Get_Defensive_Folder_Name(TEAM, 1), Get_Playbook_Folder_Name(TEAM, 7));
    EXPECT_EQ(Get_Defensive_Folder_Name(TEAM, 3), "");
    EXPECT_EQ(Get_Play_Name(TEAM, PLAYBOOK_OFFENSE, 59), "Field Goal");
    EXPECT_EQ(Get_Playbook_Editor_Control_Index(1401), 10);
    EXPECT_EQ(Get_Playbook_Editor_Control_Index(1403), -1);
    EXPECT_EQ(Errors_Reported(), 1);
}

TEST_F(PlaybookEditorTest, ResultBoxesFromHandMadeTallies)
{
    OFFENSIVE_PLAYBOOK_AREA* pOffense = Get_Offensive_Playbook_Area(TEAM);
    // Play 0 overall: 4 plays, 22 yards, 2 first downs, 1 touchdown.
    pOffense->nPlays[0][0] = 4;
    pOffense->nYards[0][0] = 22;
    pOffense->nFirstDowns[0][0] = 2;
    pOffense->nTouchdowns[0][0] = 1;
    // On third down: one play of -3 yards, a sack and a turnover.
    pOffense->nPlays[0][1] = 1;
    pOffense->nYards[0][1] = -3;
    pOffense->nSacks[0][1] = 1;
    pOffense->nTurnovers[0][1] = 1;
    DIALOG& D = Open(PLAYBOOK_OFFENSE, 0);
    EXPECT_EQ(D.Get_Text(1239),
              "Overall\n(4 Plays)\n5.5 Yards/Play\nFirst Down: 50%\nTouchdown: 25%\nTurnover: 0%\nSack: 0%");
    EXPECT_EQ(D.Get_Text(1240),
              "3rd Down\n(1 Play)\n-3.0 Yards/Play\nFirst Down: 0%\nTouchdown: 0%\nTurnover: 100%\nSack: 100%");
    EXPECT_EQ(D.Get_Text(1241), "<4 To Go\n(0 Plays)");
    EXPECT_EQ(D.Get_Text(1243), "vs. Blitz\n(0 Plays)");
    EXPECT_EQ(D.Get_Text(1244), "");   // a running play has no primary route
    EXPECT_TRUE(D.Is_Enabled(PBE_CLEAR_BUTTON));

    // Defence play 2 against short passes: 2 plays, 9 yards, a touchdown.
    DEFENSIVE_PLAYBOOK_AREA* pDefense = Get_Defensive_Playbook_Area(TEAM);
    pDefense->nPlays[2][3] = 2;
    pDefense->nYards[2][3] = 9;
    pDefense->nTouchdowns[2][3] = 1;
    DIALOG& E = Open(PLAYBOOK_DEFENSE, 2);
    const std::string Box = E.Get_Text(1242);
    const std::string Head =
        "Versus\nShort Passes\n(2 Plays)\n4.5 Yards/Play\nFirst Down: 0%\nTouchdown: 50%\nTurnover: 0%\nSack: 0%\n\nRating: ";
    ASSERT_EQ(Box.substr(0, Head.size()), Head);
    const std::string Word = Box.substr(Head.size());
    EXPECT_TRUE(Word == "Weak" || Word == "Shaky" || Word == "Sound" || Word == "Strong" || Word == "Dominant") << Word;
    EXPECT_EQ(E.Get_Text(1239).rfind("Versus\nInside Rushes\n(0 Plays)\n\n\n\n\n\n\nRating: ", 0), 0u);
}

TEST_F(PlaybookEditorTest, OnlyTheSecondClearAsksAboutThePlaybook)
{
    OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(TEAM);
    DIALOG& D = Open(PLAYBOOK_OFFENSE, 0);
    for (int nPress = 1; nPress <= 3; ++nPress) {
        pArea->nPlays[0][0] = 3;
        pArea->nPlays[7][2] = 5;
        Refresh_Playbook_Editor(D);
        ASSERT_TRUE(D.Is_Enabled(PBE_CLEAR_BUTTON)) << nPress;
        ui::Queue_Answer(ID_YES);
        ASSERT_TRUE(D.User_Press(PBE_CLEAR_BUTTON));
        EXPECT_EQ(pArea->nPlays[0][0], 0) << nPress;
        if (nPress == 2) {
            ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
            EXPECT_EQ(ui::Shown_Boxes()[0].Text,
                      "Would you like to delete ALL play result data contained in this offensive playbook");
            EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Clear Play Result Data");
            EXPECT_EQ(pArea->nPlays[7][2], 0);
        } else {
            EXPECT_EQ(ui::Shown_Boxes().size(), nPress == 1 ? 0u : 1u) << nPress;
            EXPECT_EQ(pArea->nPlays[7][2], 5) << nPress;
            ui::Clear_Answers();
        }
        EXPECT_FALSE(D.Is_Enabled(PBE_CLEAR_BUTTON));
    }
}

TEST_F(PlaybookEditorTest, EditsAreKeptAndNamesLeaveTheCardAlone)
{
    for (int f = 0; f < 9; ++f)
        Set_Play_Card_Field(TEAM, PLAYBOOK_OFFENSE, 1, f, 10 + f);
    DIALOG& D = Open(PLAYBOOK_OFFENSE, 1);
    const std::string Sixty(60, 'N');
    ASSERT_TRUE(D.User_Set_Text(PBE_PLAY_NAME_EDIT, Sixty));
    ASSERT_TRUE(D.User_Set_Text(PBE_DESCRIPTION_EDIT, "Blast behind the fullback."));
    ASSERT_TRUE(D.User_Set_Text(PBE_FOLDER_EDIT, ""));
    ASSERT_TRUE(D.User_Set_Text(PBE_NOTES_EDIT, "Run first."));
    ASSERT_TRUE(D.User_Select(PBE_FORMATION_COMBO, 0));   // 'I' Formation
    ASSERT_TRUE(D.User_Press(PBE_DONE_BUTTON));
    EXPECT_TRUE(D.Ended());
    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(TEAM, 1, szName);
    EXPECT_EQ(std::string(szName), std::string(53, 'N'));
    for (int f = 0; f < 9; ++f)
        EXPECT_EQ(Get_Play_Card_Field(TEAM, PLAYBOOK_OFFENSE, 1, f), 10 + f) << f;
    EXPECT_EQ(Get_Playbook_Folder_Name(TEAM, 0), "Unnamed Folder");
    EXPECT_EQ(Get_Playbook_Notes(TEAM, PLAYBOOK_OFFENSE), "Run first.");
    EXPECT_EQ(Offense(1).nFormation, 0);
    EXPECT_STREQ(Offense(1).szDescription, "Blast behind the fullback.");

    // Cancel keeps nothing typed since.
    DIALOG& E = Open(PLAYBOOK_OFFENSE, 1);
    ASSERT_TRUE(E.User_Set_Text(PBE_PLAY_NAME_EDIT, "Lost"));
    ASSERT_TRUE(E.User_Press(DIALOG_CANCEL));
    Get_Offensive_Play_Name(TEAM, 1, szName);
    EXPECT_EQ(std::string(szName), std::string(53, 'N'));

    // The file round trip: the side shown (preference 170) written, the
    // play changed, the file read back.
    const OFFENSIVE_PLAYBOOK_AREA Saved = *Get_Offensive_Playbook_Area(TEAM);
    ASSERT_EQ(::mkdir("playbooks", 0755) == 0 || errno == EEXIST, true);
    ASSERT_EQ(Write_Playbook_File("playbooks/edited.opb"), PLAYBOOK_WRITE_OK);
    Offense(1).nFormation = 5;
    Set_Play_Name_Keeping_Card(TEAM, PLAYBOOK_OFFENSE, 1, "Other");
    ASSERT_TRUE(Load_Playbook_File(TEAM, PLAYBOOK_OFFENSE, "edited"));
    EXPECT_EQ(std::memcmp(&Saved, Get_Offensive_Playbook_Area(TEAM), sizeof(Saved)), 0);

    // Saved with the game and resumed.
    ASSERT_EQ(Save_Game("edited.zrt"), 0);
    Zero_League_Data();
    ASSERT_EQ(Load_Game_File("edited.zrt") != 0, true);
    EXPECT_EQ(std::memcmp(Saved.Play, Get_Offensive_Playbook_Area(TEAM)->Play, sizeof(Saved.Play)), 0);
    EXPECT_EQ(Get_Playbook_Notes(TEAM, PLAYBOOK_OFFENSE), "Run first.");
}

// A play and a folder renamed, then the book saved: the Play and Folder
// drop-downs name them as the diagram does, before the editor is reopened.
// Clearing the result data keeps a name typed too.
TEST_F(PlaybookEditorTest, RenamedPlaysAndFoldersAreNamedInTheirDropDowns)
{
    Get_Offensive_Playbook_Area(TEAM)->nPlays[12][0] = 3;
    DIALOG& D = Open(PLAYBOOK_OFFENSE, 12);
    ASSERT_TRUE(D.User_Set_Text(PBE_PLAY_NAME_EDIT, "Renamed Off-Tackle"));
    ASSERT_TRUE(D.User_Set_Text(PBE_FOLDER_EDIT, "My Runs"));
    dialogs::Queue_Action(SAVE_PLAYBOOK_DIALOG, editor_tests::Action(ACTION_CANCEL, 0));
    ASSERT_TRUE(D.User_Press(PBE_SAVE_BUTTON));
    EXPECT_EQ(D.Item_Text(PBE_PLAY_COMBO, 2), "Renamed Off-Tackle");
    EXPECT_EQ(D.Get_Selected(PBE_PLAY_COMBO), 2);
    EXPECT_EQ(D.Item_Text(PBE_FOLDER_COMBO, 1), "Offense: My Runs");
    EXPECT_EQ(D.Get_Text(PBE_PLAY_NAME_EDIT), "Renamed Off-Tackle");
    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(TEAM, 12, szName);
    EXPECT_STREQ(szName, "Renamed Off-Tackle");

    ASSERT_TRUE(D.User_Set_Text(PBE_PLAY_NAME_EDIT, "Cleared"));
    ASSERT_TRUE(D.User_Press(PBE_CLEAR_BUTTON));
    EXPECT_EQ(D.Item_Text(PBE_PLAY_COMBO, 2), "Cleared");
    EXPECT_EQ(D.Get_Text(PBE_PLAY_NAME_EDIT), "Cleared");
    EXPECT_FALSE(Play_Has_Result_Data(TEAM, PLAYBOOK_OFFENSE, 12));
}

TEST_F(PlaybookEditorTest, TheMenuCommandOpensTheEditorAndTheAdviceComesOnce)
{
    Get_Offensive_Playbook_Area(TEAM)->nPlays[0][0] = 2;
    dialogs::Queue_Action(PLAYBOOK_EDITOR_DIALOG, editor_tests::Action(ACTION_SELECT, PBE_RUSH_HOLE_COMBO, 5));
    dialogs::Queue_Action(PLAYBOOK_EDITOR_DIALOG, editor_tests::Action(ACTION_SELECT, PBE_RUSH_HOLE_COMBO, 3));
    dialogs::Queue_Action(PLAYBOOK_EDITOR_DIALOG, editor_tests::Action(ACTION_PRESS, PBE_DONE_BUTTON, 0));
    ASSERT_TRUE(Dispatch_Main_Command(CMD_PLAYBOOK_EDITOR));
    ASSERT_EQ(dialogs::Records().size(), 1u);
    EXPECT_EQ(dialogs::Records()[0].nDialogId, PLAYBOOK_EDITOR_DIALOG);
    EXPECT_EQ(dialogs::Records()[0].Title, "Playbook Editor");
    EXPECT_EQ(Offense(0).nRunHole, 3);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Playbook Editor");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text.rfind("For maximum accuracy, we recommend clearing the result data", 0), 0u);
    EXPECT_EQ(Get_Highlighted_Play_Slot(), -1);
}

TEST_F(PlaybookEditorTest, TextsFocusAndTheInitializerLine)
{
    EXPECT_STREQ(Get_Rushing_Hole_Name(0), "0 (C/RG)");
    EXPECT_STREQ(Get_Rushing_Hole_Name(9), "9 (Far Outside Left)");
    EXPECT_STREQ(Get_Rushing_Hole_Name(10), "");
    EXPECT_STREQ(Get_Offense_Situation_Name(2), "<4 To Go");
    EXPECT_STREQ(Get_Defense_Kind_Name(5), "Long Passes");
    EXPECT_EQ(Adjust_Defensive_Role_For_Position(9, 13), 9);    // DT: Man-To-Man -> Short Zone
    EXPECT_EQ(Adjust_Defensive_Role_For_Position(12, 3), 1);    // S: Corner Blitz -> Outside Rush
    EXPECT_EQ(Adjust_Defensive_Role_For_Position(10, 3), 3);    // LB keeps a blitz

    // Focus or a drop-down of a receiver's combo only moves the highlight.
    DIALOG& D = Open(PLAYBOOK_OFFENSE, 0);
    const OFFENSIVE_PLAY Before = Offense(0);
    ASSERT_TRUE(D.User_Focus(PBE_ROUTE_COMBO_FIRST + 2));
    EXPECT_EQ(Get_Highlighted_Play_Slot(), 3);
    ASSERT_TRUE(D.User_Drop_Down(PBE_ROUTE_COMBO_FIRST + 4));
    EXPECT_EQ(Get_Highlighted_Play_Slot(), 5);
    ASSERT_TRUE(D.User_Focus(PBE_FORMATION_COMBO));
    EXPECT_EQ(Get_Highlighted_Play_Slot(), -1);
    EXPECT_EQ(std::memcmp(&Before, &Offense(0), sizeof(Before)), 0);

    // Quotes and backslashes in a name are escaped.
    Set_Play_Name_Keeping_Card(TEAM, PLAYBOOK_DEFENSE, 0, "Say \"Hi\"\\");
    std::snprintf(Defense(0).szDescription, PLAY_DESCRIPTION_SIZE, "d");
    for (int s = 0; s < 11; ++s)
        Defense(0).nResponsibility[s] = s;
    Defense(0).nFormation = 22;
    EXPECT_EQ(Format_Play_Initializer_Line(PLAYBOOK_DEFENSE, TEAM, 0),
              "{\"Say \\\"Hi\\\"\\\\\",22,{0,1,2,3,4,5,6,7,8,9,10},\"d\"},");
    EXPECT_EQ(Format_Play_Initializer_Line(PLAYBOOK_OFFENSE, TEAM, 0),
              "{\"Pro 21 Dive\",3,0,0,0,0,2,1,{54,13,7,42,8},\"Basic halfback run up the middle.\"},");
}

int g_nViewedTeam = -1;
int g_nViewedSide = -1;
void Offense_View(int nTeam)
{
    g_nViewedTeam = nTeam;
    g_nViewedSide = 0;
}
void Defense_View(int nTeam)
{
    g_nViewedTeam = nTeam;
    g_nViewedSide = 1;
}

TEST_F(PlaybookEditorTest, ViewOpensTheSidesViewAndLoadWorksOnTheSideShown)
{
    DIALOG& D = Open(PLAYBOOK_DEFENSE, 4);
    ASSERT_TRUE(D.User_Press(PBE_VIEW_BUTTON));   // no view installed: nothing happens
    EXPECT_EQ(g_nViewedTeam, -1);
    Set_Playbook_View_Hooks(Offense_View, Defense_View);
    ASSERT_TRUE(D.User_Press(PBE_VIEW_BUTTON));
    EXPECT_EQ(g_nViewedTeam, TEAM);
    EXPECT_EQ(g_nViewedSide, 1);
    ASSERT_TRUE(D.User_Select(PBE_FOLDER_COMBO, 0));
    ASSERT_TRUE(D.User_Press(PBE_VIEW_BUTTON));
    EXPECT_EQ(g_nViewedSide, 0);
    Set_Playbook_View_Hooks(nullptr, nullptr);

    // Load from the defensive side opens the Load Playbook dialog on the
    // defence (preference 170 is the editor's side).
    ASSERT_TRUE(D.User_Select(PBE_FOLDER_COMBO, 8));
    dialogs::Queue_Action(LOAD_PLAYBOOK_DIALOG, editor_tests::Action(ACTION_CANCEL, 0));
    ASSERT_TRUE(D.User_Press(PBE_LOAD_BUTTON));
    ASSERT_EQ(dialogs::Records().size(), 1u);
    EXPECT_EQ(dialogs::Records()[0].nDialogId, LOAD_PLAYBOOK_DIALOG);
    EXPECT_EQ(Get_User_Preference(PREF_PLAYBOOK_SIDE), 1);
    EXPECT_EQ(Get_User_Preference(PREF_PLAYBOOK_FOLDER), 2);
}

}  // namespace
