// The game preview and the Print dialog on the real widgets: a screenshot
// of the preview with its star grades and one of the Print dialog, and the
// print operation run unattended, which exports the file's pages as a PDF
// whose page count is the file's lines over the lines a page holds.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>

#include "editors/game_preview.h"
#include "editors/print_dialog.h"
#include "gui_support.h"
#include "league/league_data.h"
#include "league/league_fixture.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "test_support.h"
#include "xtest_input.h"

namespace fs = std::filesystem;

namespace {

std::string g_ShotName;
bool g_bShot = false;

void Capture(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || g_ShotName.empty() || g_bShot)
        return;
    g_bShot = gtk_probe::Screenshot(nKind, nDialogId, gui_support::Screenshot_Path(g_ShotName));
}

DIALOG_ACTION Act(int nKind, int nControl, const std::string& Text = std::string(), int nValue = 0)
{
    DIALOG_ACTION A;
    A.nKind = nKind;
    A.nControl = nControl;
    A.Text = Text;
    A.nValue = nValue;
    return A;
}

// Pages of a PDF: its page objects ("/Type /Page", not "/Pages").
int Count_Pdf_Pages(const std::string& Path)
{
    const std::string Text = Read_Text_File(Path);
    static const std::regex PAGE("/Type\\s*/Page[^s]");
    return static_cast<int>(std::distance(std::sregex_iterator(Text.begin(), Text.end(), PAGE), std::sregex_iterator()));
}

class GtkPreviewPrint : public LeagueTest {
protected:
    SCRATCH_FOLDER m_Folder{"gtk_preview_print"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(m_Folder.Ready());
        dialogs::Reset();
        services::Reset();
        std::error_code Error;
        fs::copy(std::string(KELVO_SOURCE_ROOT) + "/data/skins", "skins", fs::copy_options::recursive, Error);
        ASSERT_FALSE(Error) << Error.message();
        ::mkdir("Output", 0755);
    }
    void TearDown() override
    {
        gtk_probe::Set_Shown_Hook(nullptr);
        Set_Print_Export_File("");
        dialogs::Reset();
        ui::Reset();
    }
    void Shoot(const char* szName)
    {
        g_ShotName = szName;
        g_bShot = false;
        gtk_probe::Set_Shown_Hook(Capture);
    }
};

}  // namespace

TEST_F(GtkPreviewPrint, PreviewShowsItsStarsAndSimulatesUnanswered)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    Use_Franchises(32);
    for (int t = 0; t < 8; ++t)
        Build_Hand_Made_Club(t);
    League.Team[0].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
    Set_Regular_Season_Weeks(17);
    Set_Team_String("Harriers", 0, 2);
    Set_Team_String("Lamplighters", 20, 2);
    Set_User_Preference(PREF_CURRENT_WEEK, 2);
    ASSERT_TRUE(Schedule_Game(0, 20, 2, 6, 1300));
    Put_Game(0, 20, 0, 0, 0, 2, 0).nPointSpread = 1000 - 35;
    Set_Universe_Word(SIMULATION_STOP_DAY_WORD, 6);
    Set_Calendar_PBP_Flag(0, 2, 1);
    Shoot("dialog_game_preview");
    Run_Game_Preview(Get_Game_Record(0), 2);
    EXPECT_TRUE(g_bShot);
    ASSERT_EQ(dialogs::Records().size(), 1u);
    EXPECT_EQ(Get_Calendar_PBP_Flag(0, 2), 0);
    EXPECT_EQ(dialogs::Records().back().Find(PREVIEW_SIMULATE_ALL_BUTTON)->Text, "Simulate Until Week 7");
    // -35: the home club favoured.
    EXPECT_EQ(dialogs::Records().back().Find(PREVIEW_LINE_LABEL)->Text, "Harriers favored by 3.5 points");
}

TEST_F(GtkPreviewPrint, EnterPressesTheDefaultSimulateThisGame)
{
    REQUIRE_DESKTOP();
    ASSERT_TRUE(xtest::Available());
    Use_Franchises(32);
    for (int t = 0; t < 8; ++t)
        Build_Hand_Made_Club(t);
    League.Team[0].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
    Set_Regular_Season_Weeks(17);
    Set_User_Preference(PREF_CURRENT_WEEK, 2);
    ASSERT_TRUE(Schedule_Game(0, 20, 2, 6, 1300));
    Put_Game(0, 20, 0, 0, 0, 2, 0);
    Set_Calendar_PBP_Flag(0, 2, 1);
    // A person at the keyboard: the dialog shows, and Enter is pressed in it.
    static int s_nShown = 0;
    s_nShown = 0;
    const gui_support::ANSWERING_HOOK Hook([](int nKind, int nDialogId) {
        if (nKind != gtk_probe::WINDOW_DIALOG || nDialogId != GAME_PREVIEW_DIALOG)
            return;
        ++s_nShown;
        xtest::Focus(xtest::Dialog(GAME_PREVIEW_DIALOG));
        xtest::Key("Return");
        // Should Enter press nothing, Simulate All closes it after a while
        // (Escape cannot), and the test reads that.
        g_timeout_add_seconds(Test_Deadline(10), [](gpointer) -> gboolean {
            if (xtest::Dialog(GAME_PREVIEW_DIALOG) != nullptr)
                gtk_probe::Click_Button(GAME_PREVIEW_DIALOG, PREVIEW_SIMULATE_ALL_BUTTON);
            return G_SOURCE_REMOVE;
        }, nullptr);
    });
    dialogs::Set_Unattended(false);
    Run_Game_Preview(Get_Game_Record(0), 2);
    EXPECT_EQ(s_nShown, 1);
    ASSERT_FALSE(dialogs::Records().empty());
    // Simulate This Game: the game is not watched, and later previews still show.
    EXPECT_EQ(Get_Calendar_PBP_Flag(0, 2), 0);
    EXPECT_EQ(Get_User_Preference(PREF_SIMULATE_ALL_NO_PREVIEWS), 0);
}

TEST_F(GtkPreviewPrint, PrintExportsThePagesOfTheWrittenFile)
{
    REQUIRE_DESKTOP();
    dialogs::Set_Unattended(true);
    // 130 lines: 60 + 60 + 10.
    {
        FILE* pFile = std::fopen("Output/long.txt", "wb");
        ASSERT_NE(pFile, nullptr);
        for (int i = 0; i < 130; ++i)
            std::fprintf(pFile, "line\t%d\n", i);
        std::fclose(pFile);
    }
    // A link at the PDF's name is replaced, its target never made.
    ASSERT_EQ(::symlink("linked.pdf", "long.pdf"), 0);
    Set_Print_Export_File("long.pdf");
    EXPECT_TRUE(Print_Document("Output/long.txt"));
    EXPECT_EQ(Count_Pdf_Pages("long.pdf"), 3);
    EXPECT_FALSE(fs::exists(fs::symlink_status("linked.pdf")));
    EXPECT_FALSE(Print_Document("Output/missing.txt"));

    // Through the dialog: a written file printed, its pages as many as its
    // lines need.
    Use_Franchises(4);
    for (int s = 0; s < 70; ++s) {
        Put_Player(s % 4, s / 4, 100 + s, POSITION_QB);
        Set_Player_Stat(s % 4, s / 4, 0, STAT_GAMES_PLAYED, 1);
    }
    Set_Print_Export_File("stats.pdf");
    Shoot("dialog_print");
    dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_SELECT, PRINT_WHOSE_COMBO, "All Teams"));
    dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_SELECT, PRINT_FORMAT_COMBO, "Text (.txt)"));
    dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_SET_TEXT, PRINT_FILE_NAME_EDIT, "stats"));
    dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_CHECK, PRINT_TO_PRINTER_CHECK, "", 1));
    dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_PRESS, PRINT_BUTTON));
    dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_PRESS, PRINT_DONE_BUTTON));
    Do_Dialog(PRINT_DIALOG, "Print", Print_Stats_Dialog);
    EXPECT_TRUE(g_bShot);
    const std::string Text = Read_Text_File("Output/stats.txt");
    const int nLines = static_cast<int>(std::count(Text.begin(), Text.end(), '\n'));
    // 70 players and the heading: more than one page.
    EXPECT_GT(nLines, PRINT_LINES_PER_PAGE);
    EXPECT_EQ(Count_Pdf_Pages("stats.pdf"), (nLines + PRINT_LINES_PER_PAGE - 1) / PRINT_LINES_PER_PAGE);
}
