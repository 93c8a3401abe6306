// The script's `slide` verb moves a trackbar as a drag of its thumb does,
// and `press` on a radio button chooses it: the lines become the queued
// actions of their dialogs, which the real dialogs then carry out.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "editors/small_dialogs.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "shell/script_runner.h"
#include "test_support.h"

namespace {

constexpr int RADIO_DIALOG = 9931;
constexpr int FIRST_RADIO = 1;
constexpr int SECOND_RADIO = 2;
constexpr int LABEL = 3;
constexpr int CLOSE_BUTTON = 4;

std::vector<int> g_Clicked;

// Two radio buttons of one group, a label and a button that ends.
void Radio_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Check_Radio(FIRST_RADIO);
        Dialog.Set_Default_Button(CLOSE_BUTTON);
        return;
    }
    if (nEvent == DIALOG_COMMAND && Dialog.Event().nNotification == NOTIFY_CLICKED) {
        g_Clicked.push_back(nControl);
        if (nControl == CLOSE_BUTTON)
            Dialog.End(1);
    }
}

// Registered, as every dialog a script names must be.
constexpr CONTROL_TEMPLATE RADIO_CONTROLS[] = {
    {FIRST_RADIO, CONTROL_RADIO, "&First", {7, 7, 60, 10}, CS_GROUP},
    {SECOND_RADIO, CONTROL_RADIO, "&Second", {7, 20, 60, 10}},
    {LABEL, CONTROL_LABEL, "Choose", {7, 33, 60, 10}, CS_GROUP},
    {CLOSE_BUTTON, CONTROL_BUTTON, "Close", {7, 46, 60, 14}, CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE RADIO_TEMPLATE{RADIO_DIALOG, "Radio", 80, 70, 0, 0, 0, RADIO_CONTROLS, nullptr};
constexpr int RADIO_USED_IDS[] = {FIRST_RADIO, SECOND_RADIO, LABEL, CLOSE_BUTTON};
const DIALOG_REGISTRAR RADIO_REGISTRAR(RADIO_DIALOG, RADIO_TEMPLATE, Radio_Proc, RADIO_USED_IDS);

class ScriptSlideVerbsTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"script_slide_verbs"};

    void SetUp() override
    {
        ASSERT_TRUE(Scratch.Ready());
        ui::Reset();
        dialogs::Reset();
        g_Clicked.clear();
    }
    void TearDown() override
    {
        ui::Reset();
        dialogs::Reset();
    }

    // Runs the lines; the last is out of shape on purpose, so the run stops
    // before the welcome dialog and the actions stay queued.
    int Run_Text(const std::string& Text, std::string& Err)
    {
        FILE* pInput = fmemopen(const_cast<char*>(Text.data()), Text.size(), "r");
        EXPECT_NE(pInput, nullptr);
        ::testing::internal::CaptureStderr();
        const int nExit = Run_Script(pInput, "\"t\"");
        Err = ::testing::internal::GetCapturedStderr();
        std::fclose(pInput);
        return nExit;
    }
};

}  // namespace

TEST_F(ScriptSlideVerbsTest, SlideMovesTheStrokeTestersTrackbarsAndTheirThousandthsFollow)
{
    const std::string Script = "dialog 184 slide 41002 750\n"
                               "dialog 184 slide 41004 1005\n"
                               "dialog 184 slide 41003 -40\n"
                               "dialog 184 press 1\n"
                               "dialog 184 slide 41002\n";
    std::string Err;
    EXPECT_EQ(Run_Text(Script, Err), SCRIPT_EXIT_FAILED);
    EXPECT_EQ(Err.rfind("kelvo: script \"t\" line 5: dialog actions are:", 0), 0u) << Err;
    ASSERT_EQ(dialogs::Pending_Actions(), 4u);

    // The real dialog takes them: 750 thousandths read "0.750", 1005 read
    // "1.005"; -40 is held to the range's start, 0.
    EXPECT_EQ(Run_Stroke_Tester_Dialog(), 1);
    EXPECT_EQ(dialogs::Pending_Actions(), 0u);
    const DIALOG_RECORD& Record = dialogs::Records().back();
    EXPECT_EQ(Record.nDialogId, STROKE_TESTER_DIALOG);
    EXPECT_EQ(Record.Find(STROKE_FIRST_TRACKBAR)->nPosition, 750);
    EXPECT_EQ(Record.Find(STROKE_FIRST_VALUE)->Text, "0.750");
    EXPECT_EQ(Record.Find(STROKE_FIRST_TRACKBAR + 1)->nPosition, 0);
    EXPECT_EQ(Record.Find(STROKE_FIRST_VALUE + 1)->Text, "0.000");
    EXPECT_EQ(Record.Find(STROKE_FIRST_TRACKBAR + 2)->nPosition, 1005);
    EXPECT_EQ(Record.Find(STROKE_FIRST_VALUE + 2)->Text, "1.005");
    ASSERT_GE(Record.Lines.size(), 4u);
    EXPECT_EQ(Record.Lines[0], "track 41002 750");
    EXPECT_EQ(Record.Lines[3], "press 1");
}

TEST_F(ScriptSlideVerbsTest, SlideWithoutAWholeNumberStopsTheRunNamingIt)
{
    for (const char* szLine : {"dialog 184 slide 41002 half\n", "dialog 184 slide 41002 7 8\n",
                               "dialog 184 slide 41002 99999999999\n"}) {
        std::string Err;
        EXPECT_EQ(Run_Text(szLine, Err), SCRIPT_EXIT_FAILED) << szLine;
        EXPECT_EQ(Err.rfind("kelvo: script \"t\" line 1: dialog actions are:", 0), 0u) << Err;
        EXPECT_NE(Err.find("slide CONTROL N"), std::string::npos) << Err;
        EXPECT_EQ(dialogs::Pending_Actions(), 0u) << szLine;
    }
}

TEST_F(ScriptSlideVerbsTest, PressOnARadioButtonChoosesItAndTellsTheDialog)
{
    std::string Err;
    EXPECT_EQ(Run_Text("dialog 9931 press 2\ndialog 9931 press 4\nquit now\n", Err), SCRIPT_EXIT_FAILED);
    ASSERT_EQ(dialogs::Pending_Actions(), 2u);
    EXPECT_EQ(Do_Dialog(RADIO_DIALOG, "Radio", Radio_Proc), 1);
    const DIALOG_RECORD& Record = dialogs::Records().back();
    EXPECT_FALSE(Record.Find(FIRST_RADIO)->bChecked);
    EXPECT_TRUE(Record.Find(SECOND_RADIO)->bChecked);
    EXPECT_EQ(g_Clicked, (std::vector<int>{SECOND_RADIO, CLOSE_BUTTON}));
    EXPECT_EQ(Record.Lines[0], "press 2");

    // A label is still no button: refused, and the radio buttons stay.
    g_Clicked.clear();
    DIALOG_ACTION Press;
    Press.nKind = ACTION_PRESS;
    Press.nControl = LABEL;
    dialogs::Queue_Action(RADIO_DIALOG, Press);
    EXPECT_EQ(Do_Dialog(RADIO_DIALOG, "Radio", Radio_Proc), 1);
    EXPECT_EQ(dialogs::Last_Refusal(), "control 3 is no button");
    EXPECT_TRUE(dialogs::Records().back().Find(FIRST_RADIO)->bChecked);
    EXPECT_EQ(g_Clicked, (std::vector<int>{CLOSE_BUTTON}));
}
