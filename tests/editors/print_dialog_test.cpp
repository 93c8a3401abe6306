// The Print dialog, driven headless: the file's name and folder, refused
// names, the boxes, the printing and viewing that follow only a written
// file, the sort list of each section, the stored choices, and the paging
// of a printed text file.

#include <sys/stat.h>

#include <string>

#include "editors/print_dialog.h"
#include "league/league_fixture.h"
#include "league/player_stats.h"
#include "league/preferences.h"
#include "league/stat_codes.h"
#include "platform/dialogs.h"
#include "platform/save_failures.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "shell/commands.h"
#include "test_support.h"

namespace {

DIALOG_ACTION Act(int nKind, int nControl, const std::string& Text = std::string(), int nValue = 0)
{
    DIALOG_ACTION A;
    A.nKind = nKind;
    A.nControl = nControl;
    A.Text = Text;
    A.nValue = nValue;
    return A;
}

bool Exists(const std::string& Path)
{
    struct stat Info;
    return ::stat(Path.c_str(), &Info) == 0;
}

class PrintDialogTest : public LeagueTest {
protected:
    SCRATCH_FOLDER m_Folder{"print"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(m_Folder.Ready());
        dialogs::Reset();
        services::Reset();
        Use_Franchises(4);
        Put_Player(0, 0, 101, POSITION_QB);
        Set_Player_Stat(0, 0, 0, STAT_GAMES_PLAYED, 5);
        ::mkdir("Output", 0755);
    }
    void TearDown() override
    {
        dialogs::Reset();
        services::Reset();
        ui::Reset();
    }

    // Runs the dialog: the name typed, the format chosen, the checks set,
    // "&Print" pressed, then "&Done".
    void Print(const std::string& Name, const std::string& Format, bool bPrinter = false, bool bView = false)
    {
        ui::Clear_Shown_Boxes();
        dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_SET_TEXT, PRINT_FILE_NAME_EDIT, Name));
        dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_SELECT, PRINT_FORMAT_COMBO, Format));
        dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_CHECK, PRINT_TO_PRINTER_CHECK, "", bPrinter));
        dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_CHECK, PRINT_VIEW_CHECK, "", bView));
        dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_PRESS, PRINT_BUTTON));
        dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_PRESS, PRINT_DONE_BUTTON));
        EXPECT_TRUE(Dispatch_Main_Command(CMD_PRINT));
        EXPECT_EQ(dialogs::Pending_Actions(), 0u);
    }
    static std::string Last_Box(std::string* pCaption = nullptr)
    {
        if (ui::Shown_Boxes().empty())
            return std::string();
        if (pCaption != nullptr)
            *pCaption = ui::Shown_Boxes().back().Caption;
        return ui::Shown_Boxes().back().Text;
    }
};

TEST_F(PrintDialogTest, NamesTheFileInOutputWithTheFormatsExtension)
{
    Print("stats", "Comma-delimited (.csv)");
    EXPECT_TRUE(Exists("Output/stats.csv"));
    std::string Caption;
    EXPECT_EQ(Last_Box(&Caption), "Player statistics successfully written to Output/stats.csv");
    EXPECT_EQ(Caption, "Output Results");
    EXPECT_EQ(Get_User_Preference(76), 1);
    // A typed extension is kept, the format's added.
    Print("stats.txt", "Tab-delmited (.xls)");
    EXPECT_TRUE(Exists("Output/stats.txt.xls"));
    EXPECT_FALSE(Exists("Output/stats.txt"));
    EXPECT_EQ(Get_User_Preference(76), 0);
    EXPECT_TRUE(services::Printed_Documents().empty());
    EXPECT_TRUE(services::Opened_Documents().empty());
}

TEST_F(PrintDialogTest, EmptyAndPathNamesAreRefusedAndNothingWritten)
{
    Print("", "Text (.txt)", true, true);
    std::string Caption;
    EXPECT_EQ(Last_Box(&Caption),
              "You need to enter a filename to output the stats. (You should omit the file extension).");
    EXPECT_EQ(Caption, "No Filename");
    for (const char* szName : {"../x", "a/b", "a\\b", "tab\there"}) {
        Print(szName, "Text (.txt)", true, true);
        EXPECT_EQ(ui::Shown_Boxes().size(), 1u) << szName;
        Last_Box(&Caption);
        EXPECT_EQ(Caption, "Bad Filename") << szName;
    }
    EXPECT_FALSE(Exists("x.txt"));
    EXPECT_FALSE(Exists("Output/a"));
    EXPECT_FALSE(Exists("a"));
    EXPECT_TRUE(services::Printed_Documents().empty());
    EXPECT_TRUE(services::Opened_Documents().empty());
}

// A write that fails says why, neither prints nor opens, and counts as a
// failed save, so that a script line that pressed Print fails.
TEST_F(PrintDialogTest, FailedWriteNeitherPrintsNorOpensAndCountsAsFailed)
{
    // A folder of the file's name cannot be replaced by the file.
    ::mkdir("Output/busy.htm", 0755);
    const int nFailed = Count_Failed_Saves();
    Print("busy", "HTML (.htm)", true, true);
    EXPECT_EQ(Last_Box(), "Unable to write to file Output/busy.htm. It is possible that the drive is full, or the file "
                          "is in use. (Is a directory)");
    EXPECT_TRUE(services::Printed_Documents().empty());
    EXPECT_TRUE(services::Opened_Documents().empty());
    EXPECT_EQ(Count_Failed_Saves(), nFailed + 1);
}

TEST_F(PrintDialogTest, WrittenFileIsPrintedAndViewedWhenAsked)
{
    Print("roster", "Text (.txt)", false, true);
    ASSERT_EQ(services::Opened_Documents().size(), 1u);
    EXPECT_EQ(services::Opened_Documents()[0], "Output/roster.txt");
    EXPECT_TRUE(services::Printed_Documents().empty());
    Print("roster", "Text (.txt)", true, false);
    ASSERT_EQ(services::Printed_Documents().size(), 1u);
    EXPECT_EQ(services::Printed_Documents()[0], "Output/roster.txt");
    EXPECT_EQ(services::Opened_Documents().size(), 1u);
}

TEST_F(PrintDialogTest, SectionRefillsTheSortListAndChoicesAreKept)
{
    Set_User_Preference(73, 2);   // kicking
    Set_User_Preference(74, 9);   // never restored
    dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_SELECT, PRINT_SORT_COMBO, "Field Goals 30-39"));
    dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_SELECT, PRINT_SECTION_COMBO, "Defense"));
    dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_SELECT, PRINT_PERIOD_COMBO, "Career"));
    dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_SET_TEXT, PRINT_FILE_NAME_EDIT, "d"));
    dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_PRESS, PRINT_BUTTON));
    dialogs::Queue_Action(PRINT_DIALOG, Act(ACTION_PRESS, PRINT_DONE_BUTTON));
    Do_Dialog(PRINT_DIALOG, "Print", Print_Stats_Dialog);
    const DIALOG_RECORD& Record = dialogs::Records().back();
    const DIALOG_CONTROL* pSort = Record.Find(PRINT_SORT_COMBO);
    ASSERT_EQ(pSort->Items.size(), 17u);
    EXPECT_EQ(pSort->Items[2], "Tackles");
    EXPECT_EQ(pSort->Items[9], "");
    EXPECT_EQ(pSort->nSelected, 0);
    // Four clubs, one league, "All Teams".
    const DIALOG_CONTROL* pWhose = Record.Find(PRINT_WHOSE_COMBO);
    EXPECT_EQ(pWhose->Items.back(), "All Teams");
    EXPECT_EQ(Get_User_Preference(73), 1);
    EXPECT_EQ(Get_User_Preference(72), 2);
    EXPECT_EQ(Get_User_Preference(74), 0);
    EXPECT_EQ(Record.nResult, 0);
}

TEST(PrintPaging, LinesCutIntoPagesWithTabsExpanded)
{
    const auto Pages = Paginate_Text_For_Print("a\tb\r\nccccccccc\td\n\n3\n4\n5", 2);
    ASSERT_EQ(Pages.size(), 3u);
    EXPECT_EQ(Pages[0][0], "a       b");
    EXPECT_EQ(Pages[0][1], "ccccccccc       d");
    EXPECT_EQ(Pages[1][0], "");
    EXPECT_EQ(Pages[1][1], "3");
    EXPECT_EQ(Pages[2].size(), 2u);
    EXPECT_EQ(Pages[2][1], "5");
    EXPECT_EQ(Paginate_Text_For_Print("", 60).size(), 1u);
    EXPECT_EQ(Paginate_Text_For_Print("x\n", 0).size(), 1u);
    EXPECT_EQ(Paginate_Text_For_Print(std::string(120, '\n'), 60).size(), 2u);
    EXPECT_EQ(Paginate_Text_For_Print(std::string(121, '\n'), 60).size(), 3u);
}

}  // namespace
