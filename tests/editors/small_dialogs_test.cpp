// Database Notes (164), Injury Contingency (158) and Did You Know? (156) run
// headless through their real procedures.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editors/city_editor.h"
#include "editors/small_dialogs.h"
#include "league/database_notes.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/errors.h"
#include "test_support.h"
#include "editors/dialog_action.h"

namespace {

using editor_tests::Action;

class SmallDialogsTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
    }
};

TEST_F(SmallDialogsTest, AFiveHundredCharacterNoteIsStoredWholeAndCancelKeepsTheOld)
{
    // 500 characters: "0123456789" fifty times, the last one a '9'.
    std::string Note;
    for (int i = 0; i < 50; ++i)
        Note += "0123456789";
    ASSERT_EQ(Note.size(), 500u);
    dialogs::Queue_Action(DATABASE_NOTES_DIALOG, Action(ACTION_SET_TEXT, NOTES_EDIT, 0, Note));
    dialogs::Queue_Action(DATABASE_NOTES_DIALOG, Action(ACTION_PRESS, NOTES_DONE_BUTTON));
    EXPECT_EQ(Run_Database_Notes_Dialog(), DIALOG_OK);
    EXPECT_EQ(Get_Database_Notes(), Note);
    EXPECT_EQ(Get_Database_Notes().back(), '9');

    // The edit takes no more than 500: a 501st character is not kept.
    dialogs::Queue_Action(DATABASE_NOTES_DIALOG, Action(ACTION_SET_TEXT, NOTES_EDIT, 0, Note + "X"));
    dialogs::Queue_Action(DATABASE_NOTES_DIALOG, Action(ACTION_PRESS, NOTES_DONE_BUTTON));
    Run_Database_Notes_Dialog();
    EXPECT_EQ(Get_Database_Notes(), Note);

    // The dialog opens on what is stored; Cancel changes nothing.
    dialogs::Queue_Action(DATABASE_NOTES_DIALOG, Action(ACTION_SET_TEXT, NOTES_EDIT, 0, "other"));
    dialogs::Queue_Action(DATABASE_NOTES_DIALOG, Action(ACTION_PRESS, NOTES_CANCEL_BUTTON));
    EXPECT_EQ(Run_Database_Notes_Dialog(), DIALOG_CANCEL);
    EXPECT_EQ(Get_Database_Notes(), Note);
    EXPECT_EQ(dialogs::Records().back().Find(NOTES_EDIT)->Text, "other");
    EXPECT_EQ(dialogs::Records().back().Find(NOTES_EDIT)->nTextLimit, 500);
}

TEST_F(SmallDialogsTest, InjuryContingencyZeroOpensOffWithFourAndTheStopIsSigned)
{
    // 0 opens unchecked with 4, the edit disabled; OK stores -4.
    Set_User_Preference(PREF_INJURY_CONTINGENCY, 0);
    dialogs::Queue_Action(INJURY_CONTINGENCY_DIALOG, Action(ACTION_PRESS, INJURY_OK_BUTTON));
    EXPECT_EQ(Run_Injury_Contingency_Dialog(), 1);
    const DIALOG_RECORD& Record = dialogs::Records().back();
    EXPECT_FALSE(Record.Find(INJURY_STOP_CHECK)->bChecked);
    EXPECT_EQ(Record.Find(INJURY_WEEKS_EDIT)->Text, "4");
    EXPECT_FALSE(Record.Find(INJURY_WEEKS_EDIT)->bEnabled);
    EXPECT_EQ(Get_User_Preference(PREF_INJURY_CONTINGENCY), -4);

    // Checked with 0 typed: at least one week.
    Set_User_Preference(PREF_INJURY_CONTINGENCY, 0);
    dialogs::Queue_Action(INJURY_CONTINGENCY_DIALOG, Action(ACTION_CHECK, INJURY_STOP_CHECK, 1));
    dialogs::Queue_Action(INJURY_CONTINGENCY_DIALOG, Action(ACTION_SET_TEXT, INJURY_WEEKS_EDIT, 0, "0"));
    dialogs::Queue_Action(INJURY_CONTINGENCY_DIALOG, Action(ACTION_PRESS, INJURY_OK_BUTTON));
    Run_Injury_Contingency_Dialog();
    EXPECT_EQ(Get_User_Preference(PREF_INJURY_CONTINGENCY), 1);

    // A stop of 6 opens checked; unchecked it is kept as -6.
    Set_User_Preference(PREF_INJURY_CONTINGENCY, 6);
    dialogs::Queue_Action(INJURY_CONTINGENCY_DIALOG, Action(ACTION_CHECK, INJURY_STOP_CHECK, 0));
    dialogs::Queue_Action(INJURY_CONTINGENCY_DIALOG, Action(ACTION_PRESS, INJURY_OK_BUTTON));
    Run_Injury_Contingency_Dialog();
    EXPECT_TRUE(dialogs::Records().back().Find(INJURY_STOP_CHECK)->bChecked == false);
    EXPECT_EQ(Get_User_Preference(PREF_INJURY_CONTINGENCY), -6);

    // Cancel stores nothing (the 0 read as -4 is stored on opening).
    Set_User_Preference(PREF_INJURY_CONTINGENCY, 3);
    dialogs::Queue_Action(INJURY_CONTINGENCY_DIALOG, Action(ACTION_SET_TEXT, INJURY_WEEKS_EDIT, 0, "9"));
    dialogs::Queue_Action(INJURY_CONTINGENCY_DIALOG, Action(ACTION_PRESS, INJURY_CANCEL_BUTTON));
    EXPECT_EQ(Run_Injury_Contingency_Dialog(), 0);
    EXPECT_EQ(Get_User_Preference(PREF_INJURY_CONTINGENCY), 3);
}

TEST_F(SmallDialogsTest, TheFourHintsAndAnIndexOutsideThemGivesTheFirst)
{
    char szHint[HINT_TEXT_SIZE];
    Get_Hint_Text(2, szHint);
    EXPECT_STREQ(szHint, "Fans love cheap food.");
    Get_Hint_Text(0, szHint);
    // The longest, 164 characters, fits with its terminator; it sends the
    // player to the menu Find Players is on.
    EXPECT_EQ(std::strlen(szHint), 164u);
    EXPECT_LT(std::strlen(szHint), HINT_TEXT_SIZE);
    EXPECT_NE(std::string(szHint).find("'Find Players' utility in the Team menu"), std::string::npos);
    EXPECT_NE(std::string(szHint).find("team.Paying"), std::string::npos);
    Get_Hint_Text(3, szHint);
    EXPECT_STREQ(szHint, "Using the Hint button in the trade dialogue will let you in on the needs of the computer's team.");
    EXPECT_EQ(Errors_Reported(), 0);
    Get_Hint_Text(4, szHint);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_EQ(std::string(szHint).rfind("You can use the 'Find Players'", 0), 0u);
}

TEST_F(SmallDialogsTest, NextHintWrapsAndTheStartupChoiceComesBack)
{
    bool bShow = false;
    int nLast = -1;
    for (int i = 0; i < 3; ++i)
        dialogs::Queue_Action(DID_YOU_KNOW_DIALOG, Action(ACTION_PRESS, HINT_NEXT_BUTTON));
    dialogs::Queue_Action(DID_YOU_KNOW_DIALOG, Action(ACTION_CHECK, HINT_SHOW_AT_STARTUP_CHECK, 1));
    dialogs::Queue_Action(DID_YOU_KNOW_DIALOG, Action(ACTION_PRESS, HINT_OK_BUTTON));
    EXPECT_EQ(Run_Did_You_Know_Dialog(bShow, 2, &nLast), 1);
    // 2, 3, 0, 1.
    EXPECT_EQ(nLast, 1);
    EXPECT_TRUE(bShow);
    const DIALOG_RECORD& Record = dialogs::Records().back();
    EXPECT_EQ(Record.Find(HINT_TEXT_LIST)->Text.rfind("At the beginning of each season", 0), 0u);

    // Opened with the box checked, unchecked it comes back off.
    dialogs::Queue_Action(DID_YOU_KNOW_DIALOG, Action(ACTION_CHECK, HINT_SHOW_AT_STARTUP_CHECK, 0));
    dialogs::Queue_Action(DID_YOU_KNOW_DIALOG, Action(ACTION_PRESS, HINT_OK_BUTTON));
    Run_Did_You_Know_Dialog(bShow, -1, &nLast);
    EXPECT_FALSE(bShow);
    EXPECT_EQ(nLast, 3);
    EXPECT_EQ(dialogs::Records().back().Find(HINT_TEXT_LIST)->Text.rfind("Using the Hint", 0), 0u);
}

TEST_F(SmallDialogsTest, StrokeTesterShowsThousandthsAndDrawsItsStroke)
{
    EXPECT_EQ(Format_Thousandths(1234), "1.234");
    EXPECT_EQ(Format_Thousandths(5), "0.005");
    EXPECT_EQ(Format_Thousandths(3000), "3.000");

    dialogs::Queue_Action(STROKE_TESTER_DIALOG, Action(ACTION_TRACK, STROKE_FIRST_TRACKBAR, 750));
    dialogs::Queue_Action(STROKE_TESTER_DIALOG, Action(ACTION_TRACK, STROKE_FIRST_TRACKBAR + 2, 1005));
    dialogs::Queue_Action(STROKE_TESTER_DIALOG, Action(ACTION_PRESS, STROKE_OK_BUTTON));
    EXPECT_EQ(Run_Stroke_Tester_Dialog(), 1);
    const DIALOG_RECORD& Record = dialogs::Records().back();
    EXPECT_EQ(Record.Find(STROKE_FIRST_VALUE)->Text, "0.750");
    EXPECT_EQ(Record.Find(STROKE_FIRST_VALUE + 1)->Text, "0.000");
    EXPECT_EQ(Record.Find(STROKE_FIRST_VALUE + 2)->Text, "1.005");
    EXPECT_EQ(Record.Find(STROKE_FIRST_TRACKBAR)->nMax, 5000);
    EXPECT_EQ(Record.Find(STROKE_FIRST_TRACKBAR + 1)->nMax, 3000);
    EXPECT_EQ(Record.Find(STROKE_FIRST_TRACKBAR + 2)->nMax, 2000);

    // The stroke starts at the square's corner in blue; the far corner stays empty.
    DIALOG Dialog(STROKE_TESTER_DIALOG, "AGG Tester", Stroke_Tester_Dialog, nullptr);
    Dialog.Build_Registered();
    CANVAS Canvas(100, 100);
    UI_RECT Area;
    Area.cx = 100;
    Area.cy = 100;
    ASSERT_TRUE(Dialog.User_Paint(STROKE_AREA, &Canvas, Area));
    int nBlue = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            nBlue += (Canvas.Get_Pixel(x, y) & 0xFF) != 0 && ((Canvas.Get_Pixel(x, y) >> 16) & 0xFF) == 0;
    EXPECT_GT(nBlue, 10);
    EXPECT_EQ(Canvas.Get_Pixel(99, 99), 0u);
}

}  // namespace
