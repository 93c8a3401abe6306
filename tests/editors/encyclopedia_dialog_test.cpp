// View Encyclopedia (182) and Choose Export Folder (183): the settings file
// read as two lines, the defaults, the folder typed, the index opened, the
// long-name and unwritable-file messages and the chooser's path arithmetic.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "editors/encyclopedia_dialog.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
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

void Touch(const char* szPath)
{
    FILE* pFile = std::fopen(szPath, "w");
    ASSERT_NE(pFile, nullptr) << szPath;
    std::fclose(pFile);
}

class EncyclopediaDialogTest : public LeagueTest {
protected:
    SCRATCH_FOLDER m_Folder{"encyclopedia_dialog"};
    void SetUp() override
    {
        LeagueTest::SetUp();
        dialogs::Reset();
        std::filesystem::create_directories("HTML_Templates/CSS");
        std::filesystem::create_directories("input");
        Touch("HTML_Templates/CSS/blue.css");
        Touch("HTML_Templates/CSS/default.css");
        Touch("HTML_Templates/CSS/green.css");
    }
    static const DIALOG_RECORD& Run()
    {
        Do_Dialog(ENCYCLOPEDIA_DIALOG);
        return dialogs::Records().back();
    }
    static std::string Selected_Sheet(const DIALOG_RECORD& Record)
    {
        const DIALOG_CONTROL* pCombo = Record.Find(ENCYCLOPEDIA_STYLE_COMBO);
        return pCombo->nSelected >= 0 ? pCombo->Items[pCombo->nSelected] : std::string();
    }
};

TEST_F(EncyclopediaDialogTest, WithoutASettingsFileTheDefaultsShow)
{
    const DIALOG_RECORD& Record = Run();
    EXPECT_EQ(Record.Find(ENCYCLOPEDIA_FOLDER)->Text, "HTML_Export");
    EXPECT_EQ(Selected_Sheet(Record), "default.css");
    EXPECT_EQ(Record.Find(ENCYCLOPEDIA_STYLE_COMBO)->Items.size(), 3u);
    // Without style sheets the one entry names their absence.
    std::filesystem::remove_all("HTML_Templates/CSS");
    const DIALOG_RECORD& Empty = Run();
    EXPECT_EQ(Selected_Sheet(Empty), ".css not found!");
}

TEST_F(EncyclopediaDialogTest, SettingsAreTwoLinesSoAFolderWithBlanksReadsBackWhole)
{
    const char szText[] = "My Export Folder\r\ngreen.css\nignored";
    const ENCYCLOPEDIA_SETTINGS S = Parse_Encyclopedia_Settings(szText, std::strlen(szText));
    EXPECT_EQ(S.Folder, "My Export Folder");
    EXPECT_EQ(S.StyleSheet, "green.css");
    // A missing second line keeps its default; a line is cut at 2,047.
    const std::string Long(3000, 'a');
    const ENCYCLOPEDIA_SETTINGS L = Parse_Encyclopedia_Settings(Long.data(), Long.size());
    EXPECT_EQ(L.Folder.size(), 2047u);
    EXPECT_EQ(L.StyleSheet, "default.css");
    EXPECT_EQ(Parse_Encyclopedia_Settings(nullptr, 0).Folder, "HTML_Export");
    // An editor's byte-order mark is no part of the folder.
    const char szMarked[] = "\xEF\xBB\xBFMarked\n";
    EXPECT_EQ(Parse_Encyclopedia_Settings(szMarked, std::strlen(szMarked)).Folder, "Marked");
    EXPECT_EQ(Parse_Encyclopedia_Settings("\xEF\xBB", 2).Folder, "\xEF\xBB");
    // Through the dialog: saved by "View", read back by the next opening.
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_SET_TEXT, ENCYCLOPEDIA_FOLDER, "web pages/my league"));
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_SELECT, ENCYCLOPEDIA_STYLE_COMBO, "green.css"));
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_PRESS, ENCYCLOPEDIA_VIEW));
    Run();
    EXPECT_EQ(Read_Text_File("input/settings.ini"), "web pages/my league\ngreen.css");
    const DIALOG_RECORD& Again = Run();
    EXPECT_EQ(Again.Find(ENCYCLOPEDIA_FOLDER)->Text, "web pages/my league");
    EXPECT_EQ(Selected_Sheet(Again), "green.css");
}

TEST_F(EncyclopediaDialogTest, ATrailingSeparatorIsDroppedAndTheIndexInsideIsOpened)
{
    services::Reset();
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_SET_TEXT, ENCYCLOPEDIA_FOLDER, "site/"));
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_PRESS, ENCYCLOPEDIA_VIEW));
    Run();
    ASSERT_EQ(services::Opened_Documents().size(), 1u);
    EXPECT_EQ(services::Opened_Documents()[0], "site/index.htm");
    EXPECT_EQ(Get_Export_Folder(), "site");
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_SET_TEXT, ENCYCLOPEDIA_FOLDER, "old\\"));
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_PRESS, ENCYCLOPEDIA_VIEW));
    Run();
    ASSERT_EQ(services::Opened_Documents().size(), 2u);
    EXPECT_EQ(services::Opened_Documents()[1], "old/index.htm");
    // No program to show the site: a box says so, naming its index.
    ui::Clear_Shown_Boxes();
    services::Set_No_Document_Opener(true);
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_PRESS, ENCYCLOPEDIA_VIEW));
    Run();
    services::Set_No_Document_Opener(false);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "View Encyclopedia");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "No program could open " + std::filesystem::current_path().string() +
                                             "/old/index.htm: the desktop's opener (xdg-open) could not be started.");
    // A folder named from the root is named as it is, not under the current one.
    ui::Clear_Shown_Boxes();
    services::Set_No_Document_Opener(true);
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_SET_TEXT, ENCYCLOPEDIA_FOLDER, "/srv/league site"));
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_PRESS, ENCYCLOPEDIA_VIEW));
    Run();
    services::Set_No_Document_Opener(false);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "No program could open /srv/league site/index.htm: the desktop's opener (xdg-open) could not be "
              "started.");
}

TEST_F(EncyclopediaDialogTest, LongOrEmptyFoldersAreRefusedAndNothingOpens)
{
    services::Reset();
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_SET_TEXT, ENCYCLOPEDIA_FOLDER, std::string(101, 'f')));
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_PRESS, ENCYCLOPEDIA_VIEW));
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_SET_TEXT, ENCYCLOPEDIA_FOLDER, ""));
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_PRESS, ENCYCLOPEDIA_EXPORT_AND_VIEW));
    // Blanks alone are refused as the empty name is.
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_SET_TEXT, ENCYCLOPEDIA_FOLDER, "   "));
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_PRESS, ENCYCLOPEDIA_EXPORT_AND_VIEW));
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_SET_TEXT, ENCYCLOPEDIA_FOLDER, " \t "));
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_PRESS, ENCYCLOPEDIA_VIEW));
    Run();
    ASSERT_EQ(ui::Shown_Boxes().size(), 4u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Output directory name too long.");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "You must choose output dir.");
    EXPECT_EQ(ui::Shown_Boxes()[2].Text, "You must choose output dir.");
    EXPECT_EQ(ui::Shown_Boxes()[3].Text, "You must choose output dir.");
    EXPECT_FALSE(std::filesystem::exists("   "));
    EXPECT_TRUE(services::Opened_Documents().empty());
    EXPECT_FALSE(std::filesystem::exists("input/settings.ini"));
    // 100 characters are taken.
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_SET_TEXT, ENCYCLOPEDIA_FOLDER, std::string(100, 'f')));
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_PRESS, ENCYCLOPEDIA_VIEW));
    Run();
    EXPECT_EQ(services::Opened_Documents().size(), 1u);
}

TEST_F(EncyclopediaDialogTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheViewGoesOn)
{
    services::Reset();
    std::filesystem::remove_all("input");
    Touch("input");   // a file where the folder should be
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_PRESS, ENCYCLOPEDIA_VIEW));
    Run();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_NE(ui::Shown_Boxes()[0].Text.find("could not be saved"), std::string::npos);
    ASSERT_EQ(services::Opened_Documents().size(), 1u);
    EXPECT_EQ(services::Opened_Documents()[0], "HTML_Export/index.htm");
}

TEST_F(EncyclopediaDialogTest, TheChooserJoinsWithSlashesAndStaysAtTheRoot)
{
    EXPECT_EQ(Enter_Folder("/", ".."), "/");
    EXPECT_EQ(Enter_Folder("/home", ".."), "/");
    EXPECT_EQ(Enter_Folder("/home/user", ".."), "/home");
    EXPECT_EQ(Enter_Folder("/", "home"), "/home");
    EXPECT_EQ(Enter_Folder("/home", "user name"), "/home/user name");
    const std::vector<std::string> Roots = Get_Export_Folder_Roots();
    ASSERT_GE(Roots.size(), 2u);
    EXPECT_EQ(Roots.front(), "/");
    // Through the dialogs: choose "/", go up (stays), enter a folder, OK.
    std::filesystem::create_directories("pick/inner");
    dialogs::Queue_Action(ENCYCLOPEDIA_DIALOG, Act(ACTION_PRESS, ENCYCLOPEDIA_BROWSE));
    dialogs::Queue_Action(EXPORT_FOLDER_DIALOG, Act(ACTION_SELECT, EXPORT_ROOT_LIST, "/"));
    dialogs::Queue_Action(EXPORT_FOLDER_DIALOG, Act(ACTION_DOUBLE_CLICK, EXPORT_FOLDER_LIST, ".."));
    dialogs::Queue_Action(EXPORT_FOLDER_DIALOG, Act(ACTION_SELECT, EXPORT_ROOT_LIST, Roots.back()));
    dialogs::Queue_Action(EXPORT_FOLDER_DIALOG, Act(ACTION_DOUBLE_CLICK, EXPORT_FOLDER_LIST, "pick"));
    dialogs::Queue_Action(EXPORT_FOLDER_DIALOG, Act(ACTION_SELECT, EXPORT_FOLDER_LIST, "inner"));
    dialogs::Queue_Action(EXPORT_FOLDER_DIALOG, Act(ACTION_PRESS, DIALOG_OK));
    const DIALOG_RECORD& Record = Run();
    const DIALOG_RECORD& Chooser = dialogs::Records()[dialogs::Records().size() - 2];
    EXPECT_EQ(Chooser.nDialogId, EXPORT_FOLDER_DIALOG);
    EXPECT_EQ(Record.Find(ENCYCLOPEDIA_FOLDER)->Text, Roots.back() + "/pick/inner");
}

}  // namespace
