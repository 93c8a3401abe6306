// Options (147) run headless: every control filled from the preferences and
// the league's words, clamped to its combo, and stored back by "Done" only;
// Replay Mode by year and week; the skin applied before "Done".
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "editors/options_dialog.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "league/team_logo.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/shell_requests.h"
#include "platform/ui.h"
#include "season/player_development.h"
#include "test_support.h"
#include "editors/dialog_action.h"

namespace {

using editor_tests::Action;

class OptionsDialogTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        shell_requests::Reset();
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2019);
        Set_User_Preference(PREF_SEASON_INDEX, 0);
        Set_User_Preference(PREF_TEXT_SPEED, 300);
    }

    // Runs the dialog with the queued actions; "Done" when bDone.
    static const DIALOG_RECORD& Run(bool bDone = true)
    {
        if (bDone)
            dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_PRESS, OPT_DONE_BUTTON));
        Run_Options_Dialog();
        return dialogs::Records().back();
    }

    static int Selected(const DIALOG_RECORD& Record, int nId) { return Record.Find(nId)->nSelected; }
};

TEST_F(OptionsDialogTest, TextSpeedSelectsFiveLessHundredsClampedAndStoresItBack)
{
    // 250: 5 - 2 = 3, "Fast"; 0: "Instant"; 600: 5 - 6 held at 0, "Very Slow".
    const int Speeds[][2] = {{250, 3}, {0, 5}, {600, 0}};
    for (const auto& Case : Speeds) {
        Set_User_Preference(PREF_TEXT_SPEED, Case[0]);
        const DIALOG_RECORD& Record = Run();
        const DIALOG_CONTROL* pCombo = Record.Find(OPT_TEXT_SPEED_COMBO);
        ASSERT_EQ(pCombo->Items.size(), 6u);
        EXPECT_EQ(pCombo->nSelected, Case[1]) << Case[0];
        // "Done" stores (5 - selection) x 100: 250 comes back as 200.
        EXPECT_EQ(Get_User_Preference(PREF_TEXT_SPEED), (5 - Case[1]) * 100) << Case[0];
    }
    EXPECT_EQ(Run().Find(OPT_TEXT_SPEED_COMBO)->Items[0], "Very Slow");
}

TEST_F(OptionsDialogTest, ReversionEntriesAndStores)
{
    Set_Reversion_To_Mean(-30);
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_SELECT, OPT_REVERSION_COMBO, 13));
    const DIALOG_RECORD& Record = Run();
    const DIALOG_CONTROL* pCombo = Record.Find(OPT_REVERSION_COMBO);
    ASSERT_EQ(pCombo->Items.size(), 21u);
    EXPECT_EQ(pCombo->Items[7], "-30%");
    EXPECT_EQ(pCombo->Items[0], "-100%");
    EXPECT_EQ(pCombo->Items[20], "+100%");
    EXPECT_EQ(Get_Reversion_To_Mean(), 30);

    // Untouched, -30 opens on entry 7 and stays -30.
    Set_Reversion_To_Mean(-30);
    EXPECT_EQ(Selected(Run(), OPT_REVERSION_COMBO), 7);
    EXPECT_EQ(Get_Reversion_To_Mean(), -30);
}

TEST_F(OptionsDialogTest, StoredValuesOutsideTheCombosOpenClampedAndDoneStoresLegalValues)
{
    Set_Reversion_To_Mean(250);
    Set_User_Preference(PREF_DIFFICULTY, 9);
    Set_User_Preference(PREF_OWNER_MODE, -3);
    Set_User_Preference(PREF_AUTO_OFFENSE_CALLS, 7);
    const DIALOG_RECORD& Record = Run();
    EXPECT_EQ(Selected(Record, OPT_REVERSION_COMBO), 20);
    EXPECT_EQ(Selected(Record, OPT_TITLE_COMBO), 3);
    EXPECT_EQ(Selected(Record, OPT_FINANCIAL_COMBO), 0);
    EXPECT_EQ(Selected(Record, OPT_OFFENSE_CALLS_COMBO), 1);
    EXPECT_EQ(Get_Reversion_To_Mean(), 100);
    EXPECT_EQ(Get_User_Preference(PREF_DIFFICULTY), 3);
    EXPECT_EQ(Get_User_Preference(PREF_USER_TITLE), 3);
    EXPECT_EQ(Get_User_Preference(PREF_OWNER_MODE), 0);
    EXPECT_EQ(Get_User_Preference(PREF_AUTO_OFFENSE_CALLS), 1);
}

TEST_F(OptionsDialogTest, DifficultyLandsInBothPreferencesAndTheTitlesAreFour)
{
    Set_User_Preference(PREF_DIFFICULTY, 0);
    Set_User_Preference(PREF_USER_TITLE, 0);
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_SELECT, OPT_TITLE_COMBO, 0, "Head Coach"));
    const DIALOG_RECORD& Record = Run();
    EXPECT_EQ(Record.Find(OPT_TITLE_COMBO)->Items, (std::vector<std::string>{"Fan", "Coach", "Head Coach", "Kelvo"}));
    EXPECT_EQ(Get_User_Preference(PREF_DIFFICULTY), 2);
    EXPECT_EQ(Get_User_Preference(PREF_USER_TITLE), 2);
}

TEST_F(OptionsDialogTest, ChecksGoToTheirOwnPreferencesAndOnlyDoneStores)
{
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_CHECK, OPT_COMMISSIONER_CHECK, 1));
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_CHECK, OPT_FINANCES_CHECK, 1));
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_CHECK, OPT_DARK_TEXT_CHECK, 1));
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_CHECK, OPT_CLICK_AFTER_PLAY_CHECK, 1));
    Run();
    EXPECT_EQ(Get_User_Preference(PREF_COMMISSIONER_MODE), 1);
    EXPECT_EQ(Get_User_Preference(PREF_WRITE_MONEY_REPORT), 1);
    EXPECT_EQ(Get_User_Preference(PREF_WRITE_AWARDS_REPORT), 0);
    EXPECT_EQ(Get_User_Preference(PREF_DARK_PAGE_TEXT), 1);
    EXPECT_EQ(Get_User_Preference(PREF_PERFECT_SCOUTING), 0);
    EXPECT_EQ(Get_Universe_Word(CLICK_TO_CONTINUE_WORD), 1);

    // Escape does nothing: only "Done" closes, so a run nobody ends is
    // closed by its default button, "Done", after the unchecking.
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_CHECK, OPT_COMMISSIONER_CHECK, 0));
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_CANCEL, 0));
    const DIALOG_RECORD& Record = Run(false);
    EXPECT_EQ(Record.nResult, DIALOG_OK);
    EXPECT_EQ(Get_User_Preference(PREF_COMMISSIONER_MODE), 0);
}

TEST_F(OptionsDialogTest, ReplayModeFrom2023IsDisabledAndCleared)
{
    Set_User_Preference(PREF_SEASON_INDEX, 4);   // 2023
    Set_Universe_Word(REPLAY_MODE_WORD, 1);
    DIALOG Dialog(OPTIONS_DIALOG, "Options", Options_Dialog, nullptr);
    Dialog.Build_Registered();
    Init_Options_Dialog(Dialog);
    Show_Options_Explanations(Dialog);
    EXPECT_EQ(Get_Universe_Word(REPLAY_MODE_WORD), 0);
    EXPECT_FALSE(Dialog.Is_Enabled(OPT_REPLAY_MODE_CHECK));
    EXPECT_FALSE(Dialog.Is_Checked(OPT_REPLAY_MODE_CHECK));
    EXPECT_EQ(Dialog.Get_Text(OPT_REPLAY_TEXT), "'Replay Mode' is only available for historical seasons (1951 - 2022).");
    // The reversion shows while Replay Mode is off.
    EXPECT_TRUE(Dialog.Is_Visible(OPT_REVERSION_COMBO));

    // 2022 is still history.
    Set_User_Preference(PREF_SEASON_INDEX, 3);
    Set_Universe_Word(REPLAY_MODE_WORD, 1);
    DIALOG Before(OPTIONS_DIALOG, "Options", Options_Dialog, nullptr);
    Before.Build_Registered();
    Init_Options_Dialog(Before);
    EXPECT_TRUE(Before.Is_Enabled(OPT_REPLAY_MODE_CHECK));
    EXPECT_TRUE(Before.Is_Checked(OPT_REPLAY_MODE_CHECK));
    EXPECT_FALSE(Before.Is_Visible(OPT_REVERSION_COMBO));
    EXPECT_FALSE(Before.Is_Visible(OPT_REVERSION_LABEL));
}

TEST_F(OptionsDialogTest, ReplayModeSwitchedOnLoadsInWeekZeroAndAnnouncesLater)
{
    SCRATCH_FOLDER Scratch{"options"};
    Set_User_Preference(PREF_CURRENT_WEEK, 5);
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_CHECK, OPT_REPLAY_MODE_CHECK, 1));
    Run();
    EXPECT_EQ(Get_Universe_Word(REPLAY_MODE_WORD), 1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Season stats will be loaded at the beginning of the next season.");
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Replay Mode Enabled");

    // Left on: nothing is shown.
    ui::Clear_Shown_Boxes();
    Run();
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // Off, then on in week 0: the season's data load at once.
    Set_Universe_Word(REPLAY_MODE_WORD, 0);
    Set_User_Preference(PREF_CURRENT_WEEK, 0);
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_CHECK, OPT_REPLAY_MODE_CHECK, 1));
    Run();
    ASSERT_FALSE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "Season stats have been loaded for the current season.");

    // Switched off: cleared, nothing shown.
    ui::Clear_Shown_Boxes();
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_CHECK, OPT_REPLAY_MODE_CHECK, 0));
    Run();
    EXPECT_EQ(Get_Universe_Word(REPLAY_MODE_WORD), 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(OptionsDialogTest, NoSpecialToolButtonAndTheFinancialTextFollowsTheCombo)
{
    DIALOG Dialog(OPTIONS_DIALOG, "Options", Options_Dialog, nullptr);
    Dialog.Build_Registered();
    Init_Options_Dialog(Dialog);
    Show_Options_Explanations(Dialog);
    EXPECT_EQ(Dialog.Find(OPT_SPECIAL_TOOL_BUTTON), nullptr);
    EXPECT_EQ(Dialog.Get_Text(OPT_FINANCIAL_TEXT),
              "In 'General Manager Mode', the only limit on your personnel budget is the league salary cap.");
    Dialog.Set_Selected(OPT_FINANCIAL_COMBO, 1);
    Show_Options_Explanations(Dialog);
    EXPECT_EQ(Dialog.Get_Text(OPT_FINANCIAL_TEXT).rfind("'Owner Mode' requires you", 0), 0u);
}

TEST_F(OptionsDialogTest, ASkinChosenAppliesBeforeDone)
{
    SCRATCH_FOLDER Scratch{"options-skins"};
    files::Create_Folders("skins/earth");
    files::Create_Folders("skins/ice");
    Set_Skin_Name("earth");
    DIALOG Dialog(OPTIONS_DIALOG, "Options", Options_Dialog, nullptr);
    Dialog.Build_Registered();
    Init_Options_Dialog(Dialog);
    ASSERT_EQ(Dialog.Item_Count(OPT_SKIN_COMBO), 2);
    EXPECT_EQ(Dialog.Item_Text(OPT_SKIN_COMBO, 0), "Skin: earth");
    EXPECT_EQ(Dialog.Get_Selected(OPT_SKIN_COMBO), 0);
    Dialog.Set_Selected(OPT_SKIN_COMBO, 1);
    Apply_Skin_Choice(Dialog);
    // Before any "Done": the picture services and the league hold it.
    EXPECT_EQ(Get_Skin_Name(), "ice");
    EXPECT_EQ(shell_requests::Count(REQUEST_MAIN_WINDOW_REPAINT), 1);
    Set_Skin_Name("earth");
    Use_League_Skin();
    EXPECT_EQ(Get_Skin_Name(), "ice");
    Set_Skin_Name(DEFAULT_SKIN_NAME);
}

// The dialog stands on the skin's background: the paint area under every
// control is filled with the skin's colour, the average of its page
// background (a 2 x 2 picture of 10/20/30, 30/40/50, 50/60/70 and 70/80/90
// averages 40/50/60); a skin without one has the default colour.
TEST_F(OptionsDialogTest, TheDialogIsPaintedWithTheSkinsBackground)
{
    SCRATCH_FOLDER Scratch("options_skin");
    ASSERT_TRUE(Scratch.Ready());
    Set_Skin_Name(DEFAULT_SKIN_NAME);
    Clear_Bitmap_Cache();
    const CANVAS_COLOR Default = Get_Skin_Brush_Color();
    EXPECT_EQ(Default.r, DEFAULT_SKIN_BRUSH_COLOR.r);
    EXPECT_EQ(Default.g, DEFAULT_SKIN_BRUSH_COLOR.g);
    EXPECT_EQ(Default.b, DEFAULT_SKIN_BRUSH_COLOR.b);

    ASSERT_TRUE(files::Create_Folders("skins/earth/pages"));
    CANVAS Background(2, 2);
    Background.Fill_Rect(CANVAS_RECT{0, 0, 1, 1}, CANVAS_COLOR{10, 20, 30, 255});
    Background.Fill_Rect(CANVAS_RECT{1, 0, 2, 1}, CANVAS_COLOR{30, 40, 50, 255});
    Background.Fill_Rect(CANVAS_RECT{0, 1, 1, 2}, CANVAS_COLOR{50, 60, 70, 255});
    Background.Fill_Rect(CANVAS_RECT{1, 1, 2, 2}, CANVAS_COLOR{70, 80, 90, 255});
    ASSERT_TRUE(Write_Png_File("skins/earth/pages/background.png", Background));
    Clear_Bitmap_Cache();
    const CANVAS_COLOR Skin = Get_Skin_Brush_Color();
    EXPECT_EQ(Skin.r, 40);
    EXPECT_EQ(Skin.g, 50);
    EXPECT_EQ(Skin.b, 60);

    // The area is the first control (under all the others) and covers the dialog.
    const DIALOG_RECORD& Record = Run();
    const DIALOG_CONTROL* pArea = Record.Find(OPT_BACKGROUND_AREA);
    ASSERT_NE(pArea, nullptr);
    EXPECT_EQ(pArea->nKind, CONTROL_PAINT);
    EXPECT_NE(pArea->nStyle & CS_BACKGROUND, 0u);   // laid under the group boxes too
    DIALOG Dialog(OPTIONS_DIALOG, "Options", Options_Dialog, nullptr);
    Dialog.Build_Registered();
    ASSERT_FALSE(Dialog.Controls().empty());
    EXPECT_EQ(Dialog.Controls().front().nId, OPT_BACKGROUND_AREA);
    CANVAS Canvas(40, 30);
    UI_RECT Area;
    Area.cx = 40;
    Area.cy = 30;
    ASSERT_TRUE(Dialog.User_Paint(OPT_BACKGROUND_AREA, &Canvas, Area));
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{39, 29}, std::pair{20, 15}})
        EXPECT_EQ(Canvas.Get_Pixel(x, y), 0xFF28323Cu) << x << "," << y;
    Clear_Bitmap_Cache();
}

}  // namespace
