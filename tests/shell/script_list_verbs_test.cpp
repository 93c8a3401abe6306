// The script's dialog verbs for lists: each line becomes the queued action
// of its dialog (select and open by text or @N, toggle, column by code,
// move-column, menu, radio), and a line with a word missing or out of shape
// stops the run naming it. Every case stops before the welcome dialog, so
// no league is needed.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/ui.h"
#include "shell/script_runner.h"
#include "test_support.h"

namespace {

class ScriptListVerbsTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"script_list_verbs"};

    void SetUp() override
    {
        ASSERT_TRUE(Scratch.Ready());
        ui::Reset();
        dialogs::Reset();
    }
    void TearDown() override
    {
        ui::Reset();
        dialogs::Reset();
    }

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

TEST_F(ScriptListVerbsTest, EachListVerbQueuesItsActionForItsDialog)
{
    // The last line is out of shape, so the run stops before anything opens
    // and the queued actions of the lines before it can be read back.
    const std::string Script =
        "dialog 114 select 1006 \"Ames, Al\"\n"
        "dialog 114 select 1006 @12\n"
        "dialog 114 open 1006 @0\n"
        "dialog 172 toggle 1001 \"Passing &Yards\"\n"
        "dialog 114 column 1006 12\n"
        "dialog 114 move-column 1006 12 0\n"
        "dialog 114 menu 1006 \"&Copy\"\n"
        "dialog 140 radio 1234\n"
        "dialog 114 column 1006\n";
    std::string Err;
    EXPECT_EQ(Run_Text(Script, Err), SCRIPT_EXIT_FAILED);
    EXPECT_EQ(Err.rfind("kelvo: script \"t\" line 9: dialog actions are: select CONTROL TEXT|@N, open CONTROL", 0), 0u)
        << Err;
    struct EXPECTED {
        int nDialog;
        int nKind;
        int nControl;
        std::string Text;
        int nValue;
        int nValue2;
    };
    const EXPECTED Expected[] = {
        {114, ACTION_SELECT, 1006, "Ames, Al", 0, 0},         {114, ACTION_SELECT, 1006, "", 12, 0},
        {114, ACTION_DOUBLE_CLICK, 1006, "", 0, 0},           {114, ACTION_COLUMN_CLICK, 1006, "", 12, 0},
        {114, ACTION_MOVE_COLUMN, 1006, "", 12, 0},           {114, ACTION_MENU, 1006, "&Copy", 0, 0},
        {172, ACTION_TOGGLE, 1001, "Passing &Yards", 0, 0},   {140, ACTION_RADIO, 1234, "", 0, 0},
    };
    for (const EXPECTED& E : Expected) {
        DIALOG_ACTION A;
        ASSERT_TRUE(dialogs::Take_Action(E.nDialog, A)) << E.nDialog;
        EXPECT_EQ(A.nKind, E.nKind);
        EXPECT_EQ(A.nControl, E.nControl);
        EXPECT_EQ(A.Text, E.Text);
        EXPECT_EQ(A.nValue, E.nValue);
        EXPECT_EQ(A.nValue2, E.nValue2);
    }
    EXPECT_EQ(dialogs::Pending_Actions(), 0u);
}

TEST_F(ScriptListVerbsTest, ALineOutOfShapeStopsTheRunNamingIt)
{
    const std::pair<const char*, const char*> Cases[] = {
        {"dialog 172 toggle 1001 @x\n", "line 1: toggle @N takes an entry number from 0"},
        {"dialog 114 open 1006 @-1\n", "line 1: open @N takes an entry number from 0"},
        {"dialog 114 column 1006 Overall\n", "line 1: dialog actions are:"},
        {"dialog 114 move-column 1006 12\n", "line 1: dialog actions are:"},
        {"dialog 114 move-column 1006 12 first\n", "line 1: dialog actions are:"},
        {"dialog 114 menu 1006\n", "line 1: dialog actions are:"},
        {"dialog 114 menu 1006 \"\"\n", "line 1: dialog actions are:"},
        {"dialog 114 toggle 1001 a b\n", "line 1: dialog actions are:"},
    };
    for (const auto& [szLine, szWhy] : Cases) {
        std::string Err;
        EXPECT_EQ(Run_Text(szLine, Err), SCRIPT_EXIT_FAILED) << szLine;
        EXPECT_NE(Err.find(szWhy), std::string::npos) << szLine << Err;
        EXPECT_EQ(Err.rfind("kelvo: script \"t\" line 1: ", 0), 0u) << Err;
        dialogs::Clear_Actions();
    }
}
