#include <gtest/gtest.h>

#include "platform/ui.h"

class UiTest : public ::testing::Test {
protected:
    void SetUp() override { ui::Reset(); }
};

TEST_F(UiTest, BoxesTakeTheirDefaultButtonWhenNobodyAnswers)
{
    EXPECT_EQ(Show_Message_Box("t", "c", BOX_OK), ID_OK);
    EXPECT_EQ(Show_Message_Box("t", "c", BOX_OKCANCEL), ID_OK);
    EXPECT_EQ(Show_Message_Box("t", "c", BOX_OKCANCEL | BOX_DEFAULT_SECOND), ID_CANCEL);
    EXPECT_EQ(Show_Message_Box("t", "c", BOX_YESNO), ID_YES);
    EXPECT_EQ(Show_Message_Box("t", "c", BOX_YESNO | BOX_DEFAULT_SECOND), ID_NO);
    EXPECT_EQ(Show_Message_Box("t", "c", BOX_YESNOCANCEL | BOX_DEFAULT_SECOND), ID_NO);
    EXPECT_EQ(Show_Message_Box("t", "c", BOX_YESNOCANCEL | BOX_DEFAULT_THIRD), ID_CANCEL);
    ASSERT_EQ(ui::Shown_Boxes().size(), 7u);
    EXPECT_EQ(ui::Shown_Boxes()[2].Result, ID_CANCEL);
}

TEST_F(UiTest, QueuedAnswersAreTakenInOrderAndRecorded)
{
    ui::Queue_Answer(ID_NO);
    ui::Queue_Answer(ID_CANCEL);
    EXPECT_EQ(Show_Message_Box("first", "One", BOX_YESNO), ID_NO);
    EXPECT_EQ(Show_Message_Box("second", "Two", BOX_OKCANCEL), ID_CANCEL);
    // The queue is empty again: back to the default.
    EXPECT_EQ(Show_Message_Box("third", "Three", BOX_YESNO), ID_YES);
    // An answer the box has no button for cannot be clicked: it declines
    // what the box asks (Cancel, else No), never confirms it.
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Show_Message_Box("fourth", "Four", BOX_OK), ID_OK);
    ui::Queue_Answer(ID_OK);
    EXPECT_EQ(Show_Message_Box("fifth", "Five", BOX_YESNOCANCEL), ID_CANCEL);
    ui::Queue_Answer(ID_OK);
    EXPECT_EQ(Show_Message_Box("sixth", "Six", BOX_YESNO), ID_NO);
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Show_Message_Box("seventh", "Seven", BOX_OKCANCEL), ID_CANCEL);

    const auto& Boxes = ui::Shown_Boxes();
    ASSERT_EQ(Boxes.size(), 7u);
    EXPECT_EQ(Boxes[0].Caption, "One");
    EXPECT_EQ(Boxes[0].Text, "first");
    EXPECT_EQ(Boxes[1].Result, ID_CANCEL);
}

TEST_F(UiTest, FormattedMessagesTruncateAndNeverTreatDataAsFormat)
{
    std::string Long(5000, 'x');
    Show_Formatted_Message("Cap", "%s", Long.c_str());
    Quick_Message("%d%%", 50);
    std::string Data = "100%s %n %d";
    Show_Formatted_Message("Data", "%s", Data.c_str());
    const auto& Boxes = ui::Shown_Boxes();
    ASSERT_EQ(Boxes.size(), 3u);
    EXPECT_EQ(Boxes[0].Text.size(), 2047u);
    EXPECT_EQ(Boxes[1].Caption, "Quick Message");
    EXPECT_EQ(Boxes[1].Text, "50%");
    EXPECT_EQ(Boxes[2].Text, Data);
    EXPECT_EQ(Boxes[0].Style & BOX_BUTTON_MASK, BOX_OK);
}

TEST_F(UiTest, UserMessageDialogMapsButtons)
{
    EXPECT_EQ(User_Message_Dialog("T", "x", 0, "Keep", "Drop", "Cancel"), ID_YES);
    ui::Queue_Answer(ID_NO);
    EXPECT_EQ(User_Message_Dialog("T", "x", 0, "Keep", "Drop", "Cancel"), ID_NO);
    ui::Queue_Answer(ID_CANCEL);
    EXPECT_EQ(User_Message_Dialog("T", "x", 0, "Keep", "Drop", "Cancel"), ID_CANCEL);
    // No third button: a Cancel answer cannot be given.
    ui::Queue_Answer(ID_CANCEL);
    EXPECT_EQ(User_Message_Dialog("T", "x", 0, "Keep", "Drop", nullptr), ID_YES);
    EXPECT_EQ(ui::Shown_Boxes()[0].Buttons[1], "Drop");
}

TEST_F(UiTest, ProgressWindowIsSingleAndNeverStepsPastItsEnd)
{
    EXPECT_EQ(Open_Progress_Window("Loading...", 5), 1);
    EXPECT_EQ(Open_Progress_Window("Another", 3), 0);
    EXPECT_EQ(ui::Progress().Title, "Loading...");
    Step_Progress_Window(0);
    Step_Progress_Window(-3);
    EXPECT_EQ(ui::Progress().Position, 0);
    Step_Progress_Window(2);
    EXPECT_EQ(ui::Progress().Position, 2);
    Step_Progress_Window(10);
    EXPECT_EQ(ui::Progress().Position, 5);
    Set_Progress_Text("half");
    EXPECT_EQ(ui::Progress().Text, "half");
    Close_Progress_Window();
    EXPECT_FALSE(ui::Progress().Open);
    Step_Progress_Window(1);
    EXPECT_EQ(ui::Progress().Position, 5);
    EXPECT_EQ(Open_Progress_Window("Again", 2), 1);
    EXPECT_EQ(ui::Progress().Position, 0);
    EXPECT_EQ(ui::Progress().TimesOpened, 2);
    Close_Progress_Window();
}

TEST_F(UiTest, EachBoxNamesItsButtonsForTheBackend)
{
    auto Labels = [](const SHOWN_BOX& Box) {
        std::string Text;
        for (const BOX_BUTTON& Button : Message_Box_Buttons(Box))
            Text += Button.Label + "=" + std::to_string(Button.nResult) + " ";
        return Text;
    };
    EXPECT_EQ(Labels(SHOWN_BOX{"c", "t", BOX_OK | BOX_ICON_INFORMATION, 0, {}}), "&OK=1 ");
    EXPECT_EQ(Labels(SHOWN_BOX{"c", "t", BOX_OKCANCEL, 0, {}}), "&OK=1 &Cancel=2 ");
    EXPECT_EQ(Labels(SHOWN_BOX{"c", "t", BOX_YESNOCANCEL, 0, {}}), "&Yes=6 &No=7 &Cancel=2 ");
    EXPECT_EQ(Labels(SHOWN_BOX{"c", "t", BOX_YESNO | BOX_DEFAULT_SECOND, 0, {}}), "&Yes=6 &No=7 ");
    // The caller's labels: an empty one is no button.
    EXPECT_EQ(Labels(SHOWN_BOX{"c", "t", 0, 0, {"Add Team", "Abort", ""}}), "Add Team=6 Abort=7 ");
    EXPECT_EQ(Labels(SHOWN_BOX{"c", "t", 0, 0, {"Erase", "", "Keep"}}), "Erase=6 Keep=2 ");
}
