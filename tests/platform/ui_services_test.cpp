// The clipboard, documents and help pages headless: what was asked is
// recorded, a missing help page gives one box naming it.
#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "platform/ui.h"
#include "platform/ui_services.h"
#include "test_support.h"

namespace {

class UiServicesTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"ui_services"};
    void SetUp() override
    {
        ASSERT_TRUE(Scratch.Ready());
        ui::Reset();
        services::Reset();
    }
    void TearDown() override
    {
        ui::Reset();
        services::Reset();
    }
};

}  // namespace

TEST_F(UiServicesTest, ClipboardAndDocumentsAreRecordedHeadless)
{
    std::string Text = "left";
    EXPECT_FALSE(Get_Clipboard_Text(Text));
    EXPECT_EQ(Text, "");
    Set_Clipboard_Text("Ren\xE9\tQB");
    EXPECT_TRUE(Get_Clipboard_Text(Text));
    EXPECT_EQ(Text, "Ren\xE9\tQB");
    Set_Clipboard_Text("second");
    EXPECT_TRUE(Get_Clipboard_Text(Text));
    EXPECT_EQ(Text, "second");

    EXPECT_TRUE(Open_Document("Output/index.htm"));
    EXPECT_FALSE(Open_Document(""));
    EXPECT_EQ(services::Opened_Documents(), (std::vector<std::string>{"Output/index.htm", ""}));
    EXPECT_FALSE(Spawn_Document_Opener(""));
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // The cursor and the headless text width (6 pixels a byte).
    EXPECT_EQ(Get_App_Cursor(), UI_CURSOR_ARROW);
    Set_App_Cursor(UI_CURSOR_WAIT);
    EXPECT_EQ(Get_App_Cursor(), UI_CURSOR_WAIT);
    Set_App_Cursor(7);
    EXPECT_EQ(Get_App_Cursor(), UI_CURSOR_ARROW);
    EXPECT_EQ(Ui_Text_Width("Salary"), 36);
    EXPECT_EQ(Ui_Text_Width(""), 0);
}

TEST_F(UiServicesTest, HelpPagesOpenFromTheHelpFolderAndAMissingOneIsNamed)
{
    EXPECT_EQ(Help_Page_Path("resume"), "Help/resume.htm");
    ASSERT_TRUE(files::Create_Folders("help"));
    FILE* pPage = std::fopen("help/Resume.htm", "wb");
    ASSERT_NE(pPage, nullptr);
    std::fputs("<html></html>\n", pPage);
    std::fclose(pPage);
    // Found whatever the case of its folder and file.
    EXPECT_TRUE(Open_Help_Page("resume"));
    ASSERT_EQ(services::Opened_Documents().size(), 1u);
    EXPECT_EQ(services::Opened_Documents()[0], "file://" + Scratch.Path() + "/help/Resume.htm");

    EXPECT_FALSE(Open_Help_Page("options"));
    EXPECT_FALSE(Open_Help_Page("../resume"));   // only a page of the Help folder
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Help");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "The help page \"Help/options.htm\" is missing.");
    // A dialog's page: the template's name, else a registered one, else dialog<id>.
    Register_Help_Page(4242, "resume");
    EXPECT_TRUE(Open_Help_Page(4242));
    EXPECT_FALSE(Open_Help_Page(4243));
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "The help page \"Help/dialog4243.htm\" is missing.");
    EXPECT_EQ(services::Help_Pages_Opened(),
              (std::vector<std::string>{"resume", "options", "../resume", "resume", "dialog4243"}));
    // A page that is there but no program can show: a box says so, naming it.
    services::Set_No_Document_Opener(true);
    EXPECT_FALSE(Open_Help_Page("resume"));
    EXPECT_EQ(ui::Shown_Boxes().back().Caption, "Help");
    EXPECT_EQ(ui::Shown_Boxes().back().Text, "No program could open file://" + Scratch.Path() +
                                                 "/help/Resume.htm: the desktop's opener (xdg-open) could not be "
                                                 "started.");
    services::Set_No_Document_Opener(false);
}
