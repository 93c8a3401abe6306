// Options, Did You Know? and the stroke tester on the real widgets, driven
// by the same queued actions as headless; screenshots for people to look at.
// Play Multiple Seasons by real keys: Up and Down in its year field count
// the seasons as the arrows do.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editors/options_dialog.h"
#include "editors/small_dialogs.h"
#include "gui_support.h"
#include "league/league_data.h"
#include "league/preferences.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/ui.h"
#include "shell/commands.h"
#include "test_support.h"
#include "xtest_input.h"

namespace {

std::string g_ShotName;
bool g_bShot = false;
int g_nCaptionId = 0;
std::string g_Caption;

void Capture(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || g_ShotName.empty() || g_bShot)
        return;
    g_bShot = gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path(g_ShotName));
    char cMnemonic = 0;
    if (g_nCaptionId != 0)
        gtk_probe::Control_Caption(nDialogId, g_nCaptionId, g_Caption, cMnemonic);
}

DIALOG_ACTION Action(int nKind, int nControl = 0, int nValue = 0)
{
    DIALOG_ACTION A;
    A.nKind = nKind;
    A.nControl = nControl;
    A.nValue = nValue;
    return A;
}

class GtkSmallDialogs : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(m_Folder.Ready());
        dialogs::Reset();
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2019);
        Set_User_Preference(PREF_TEXT_SPEED, 250);
    }
    void TearDown() override
    {
        gtk_probe::Set_Shown_Hook(nullptr);
        dialogs::Reset();
        ui::Reset();
        Set_Skin_Name(DEFAULT_SKIN_NAME);
    }

    void Shoot(const char* szName, int nCaptionId)
    {
        g_ShotName = szName;
        g_bShot = false;
        g_nCaptionId = nCaptionId;
        g_Caption.clear();
        gtk_probe::Set_Shown_Hook(Capture);
    }

    SCRATCH_FOLDER m_Folder{"gtk_small_dialogs"};
};

}  // namespace

TEST_F(GtkSmallDialogs, OptionsShowsAndStoresLikeHeadless)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    files::Create_Folders("skins/earth");
    files::Create_Folders("skins/ice");
    Set_Skin_Name("earth");
    Shoot("dialog_options", OPT_REPLAY_TEXT);
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_SELECT, OPT_TITLE_COMBO, 3));
    dialogs::Queue_Action(OPTIONS_DIALOG, Action(ACTION_PRESS, OPT_DONE_BUTTON));
    EXPECT_EQ(Run_Options_Dialog(), DIALOG_OK);
    EXPECT_TRUE(g_bShot);
    EXPECT_EQ(g_Caption, "'Replay Mode' recalculates player ratings at the beginning of each season, using only that "
                         "season's historical statistics.");
    EXPECT_EQ(dialogs::Records().back().Find(OPT_TEXT_SPEED_COMBO)->nSelected, 3);
    EXPECT_EQ(Get_User_Preference(PREF_DIFFICULTY), 3);
    EXPECT_EQ(Get_User_Preference(PREF_TEXT_SPEED), 200);
}

TEST_F(GtkSmallDialogs, DidYouKnowAndTheStrokeTester)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    Shoot("dialog_did_you_know", HINT_SHOW_AT_STARTUP_CHECK);
    bool bShow = false;
    int nLast = -1;
    dialogs::Queue_Action(DID_YOU_KNOW_DIALOG, Action(ACTION_PRESS, HINT_NEXT_BUTTON));
    dialogs::Queue_Action(DID_YOU_KNOW_DIALOG, Action(ACTION_PRESS, HINT_OK_BUTTON));
    EXPECT_EQ(Run_Did_You_Know_Dialog(bShow, 0, &nLast), 1);
    EXPECT_TRUE(g_bShot);
    EXPECT_EQ(g_Caption, "Show hint at startup");
    EXPECT_EQ(nLast, 1);

    Shoot("dialog_stroke_tester", STROKE_FIRST_VALUE);
    dialogs::Queue_Action(STROKE_TESTER_DIALOG, Action(ACTION_TRACK, STROKE_FIRST_TRACKBAR, 2500));
    dialogs::Queue_Action(STROKE_TESTER_DIALOG, Action(ACTION_PRESS, STROKE_OK_BUTTON));
    EXPECT_EQ(Run_Stroke_Tester_Dialog(), 1);
    EXPECT_TRUE(g_bShot);
    EXPECT_EQ(g_Caption, "0.000");
    EXPECT_EQ(dialogs::Records().back().Find(STROKE_FIRST_VALUE)->Text, "2.500");
}

namespace {

std::vector<std::string> g_SeasonSteps;   // the year field and where the keyboard is, key after key

void Count_Seasons_By_Keys(int nKind, int nDialogId)
{
    if (nKind == gtk_probe::WINDOW_MESSAGE_BOX) {
        g_SeasonSteps.push_back("box " + gtk_probe::Window_Title(nKind));
        xtest::Key("Return");   // OK: the seasons are to be played
        return;
    }
    if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != PLAY_MULTIPLE_SEASONS_DIALOG)
        return;
    GtkWidget* pYear = xtest::Control(PLAY_MULTIPLE_SEASONS_DIALOG, PMS_LAST_YEAR_EDIT);
    const auto Step = [pYear](const std::string& Key) {
        xtest::Key(Key);
        g_SeasonSteps.push_back(Key + " " + gtk_entry_get_text(GTK_ENTRY(pYear)) + " " +
                                std::to_string(Get_User_Preference(PREF_SIMULATION_SEASONS)) +
                                (gtk_widget_is_focus(pYear) ? "" : " (left the field)"));
    };
    xtest::Click(pYear);
    for (const char* szKey : {"Up", "Up", "Up", "Down", "End", "9", "KP_Up", "KP_Down", "KP_Down"})
        Step(szKey);
    xtest::Key("Return");
}

}  // namespace

TEST_F(GtkSmallDialogs, PlayMultipleSeasonsCountsTheSeasonsByUpAndDownInItsYearField)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    g_SeasonSteps.clear();
    gtk_probe::Set_Shown_Hook(Count_Seasons_By_Keys);
    // 2019, five seasons: through 2023. Up three times, Down once: seven,
    // through 2025; a digit typed is put back; the keypad's arrows too.
    EXPECT_EQ(Do_Dialog(PLAY_MULTIPLE_SEASONS_DIALOG, "Play Multiple Seasons", Play_Multiple_Seasons_Dialog_Proc), 6);
    const std::vector<std::string> Expected{"Up 2024 6",   "Up 2025 7",      "Up 2026 8",      "Down 2025 7",
                                            "End 2025 7",  "9 2025 7",       "KP_Up 2026 8",   "KP_Down 2025 7",
                                            "KP_Down 2024 6", "box Play Multiple Seasons"};
    EXPECT_EQ(g_SeasonSteps, Expected);
    EXPECT_EQ(Get_User_Preference(PREF_SIMULATION_SEASONS), 6);
}
