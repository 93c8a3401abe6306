// Queued actions as a script gives them: each acts once or not at all. A
// dialog with an action it could never take does none of them; a refusal
// ends the dialog with Cancel; a dialog still open after its actions is
// closed by Cancel, not by its default. A box that would confirm a loss is
// declined when nobody answered it, and the file layer knows what was written.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "test_support.h"

namespace {

constexpr int EDIT = 10;
constexpr int LIST = 11;
constexpr int PRINT = 12;   // does its work and leaves the dialog open

struct SEEN {
    std::vector<int> Commands;
    int nPrints = 0;
    std::vector<std::string> Saved;   // the names OK saved
};

// An edit, a list of two entries, Print, OK and Cancel. OK with an empty
// edit shows a box and stays open (a name refused); with text it "saves"
// the text and ends with 1. Cancel ends with 2.
void Save_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    SEEN& Seen = *static_cast<SEEN*>(Dialog.Param());
    if (nEvent == DIALOG_INIT) {
        Dialog.Add(EDIT, CONTROL_EDIT).nTextLimit = 8;
        Dialog.Add(LIST, CONTROL_LIST).Items = {"North", "South"};
        Dialog.Add(PRINT, CONTROL_BUTTON, "&Print");
        Dialog.Add(DIALOG_OK, CONTROL_BUTTON, "&Save");
        Dialog.Add(DIALOG_CANCEL, CONTROL_BUTTON, "&Cancel");
        return;
    }
    if (nEvent != DIALOG_COMMAND)
        return;
    Seen.Commands.push_back(nControl);
    if (nControl == PRINT) {
        ++Seen.nPrints;
    } else if (nControl == DIALOG_OK) {
        if (Dialog.Get_Text(EDIT).empty()) {
            Show_Message_Box("Please type a name.", "Invalid Name", BOX_OK);
            return;
        }
        Seen.Saved.push_back(Dialog.Get_Text(EDIT));
        Dialog.End(DIALOG_OK);
    } else if (nControl == DIALOG_CANCEL) {
        Dialog.End(DIALOG_CANCEL);
    }
}

DIALOG_ACTION Act(int nKind, int nControl, const std::string& Text = "", int nValue = 0)
{
    DIALOG_ACTION A;
    A.nKind = nKind;
    A.nControl = nControl;
    A.Text = Text;
    A.nValue = nValue;
    return A;
}

class DialogActOnceTest : public ::testing::Test {
protected:
    SEEN Seen;

    void SetUp() override
    {
        dialogs::Reset();
        ui::Reset();
        dialogs::Set_Actions_Act_Once(true);
    }
    void TearDown() override
    {
        dialogs::Reset();
        ui::Reset();
    }

    const DIALOG_RECORD& Run(const std::vector<DIALOG_ACTION>& Actions)
    {
        for (const DIALOG_ACTION& A : Actions)
            dialogs::Queue_Action(7, A);
        Do_Dialog(7, "Save", Save_Proc, &Seen);
        return dialogs::Records().back();
    }
};

}  // namespace

TEST_F(DialogActOnceTest, AnActionTheDialogCouldNeverTakeStopsEveryActionOfItBeforeAnyActs)
{
    struct CASE {
        DIALOG_ACTION Bad;
        const char* szWhy;
    };
    const CASE Cases[] = {
        {Act(ACTION_SET_TEXT, 13, "Copy"), "control 13 does not exist"},
        {Act(ACTION_PRESS, 3), "control 3 does not exist"},
        {Act(ACTION_CHECK, EDIT, "", 1), "control 10 is no check box"},
        {Act(ACTION_SET_TEXT, EDIT, "Longer than eight"), "control 10 takes at most 8 characters"},
        {Act(ACTION_SET_TEXT, EDIT, "Mi\nne"), "control 10 takes one line"},
    };
    for (const CASE& Case : Cases) {
        SCOPED_TRACE(Case.szWhy);
        Seen = SEEN();
        dialogs::Queue_Action(8, Act(ACTION_PRESS, DIALOG_OK));   // another dialog's: kept
        // The good actions before it would save "Mine".
        const DIALOG_RECORD& R = Run({Act(ACTION_SET_TEXT, EDIT, "Mine"), Case.Bad, Act(ACTION_PRESS, DIALOG_OK)});
        EXPECT_EQ(R.nResult, DIALOG_CANCEL);
        EXPECT_TRUE(Seen.Saved.empty());
        EXPECT_EQ(Seen.Commands, std::vector<int>{DIALOG_CANCEL});
        const std::vector<std::string> Lines{"not carried out: set 10 \"Mine\"",
                                             std::string("refused: ") + Case.szWhy, "not carried out: press 1",
                                             "press 2 (refused)", "end 2"};
        EXPECT_EQ(R.Lines, Lines);
        EXPECT_EQ(dialogs::Last_Refusal(), Case.szWhy);
        EXPECT_EQ(dialogs::Pending_Actions(), 1u);
        dialogs::Clear_Actions();
    }
}

TEST_F(DialogActOnceTest, ARefusalWhileTheDialogRunsEndsItWithCancelAndDropsTheRest)
{
    // The entry is looked for when the action comes: the press before it has
    // acted, the save after it never does.
    const DIALOG_RECORD& R = Run({Act(ACTION_SET_TEXT, EDIT, "Mine"), Act(ACTION_PRESS, PRINT),
                                  Act(ACTION_SELECT, LIST, "East"), Act(ACTION_PRESS, DIALOG_OK)});
    EXPECT_EQ(R.nResult, DIALOG_CANCEL);
    EXPECT_TRUE(Seen.Saved.empty());
    EXPECT_EQ(Seen.nPrints, 1);
    const std::vector<std::string> Lines{"set 10 \"Mine\"", "press 12", "refused: control 11 has no entry \"East\"",
                                         "not carried out: press 1", "press 2 (refused)", "end 2"};
    EXPECT_EQ(R.Lines, Lines);
    EXPECT_EQ(dialogs::Pending_Actions(), 0u);
}

TEST_F(DialogActOnceTest, ADialogLeftOpenAfterItsActionsIsCancelledNotGivenItsDefault)
{
    // Print acts once: the default (Save) is not pressed after it.
    const DIALOG_RECORD& R = Run({Act(ACTION_SET_TEXT, EDIT, "Mine"), Act(ACTION_PRESS, PRINT)});
    EXPECT_EQ(Seen.nPrints, 1);
    EXPECT_TRUE(Seen.Saved.empty());
    EXPECT_EQ(R.Lines, (std::vector<std::string>{"set 10 \"Mine\"", "press 12", "press 2 (left open)", "end 2"}));

    // A refused name shows its box once: no second press of the default.
    Seen = SEEN();
    const DIALOG_RECORD& Refused = Run({Act(ACTION_PRESS, DIALOG_OK)});
    EXPECT_EQ(Refused.Lines, (std::vector<std::string>{"press 1", "press 2 (left open)", "end 2"}));
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Invalid Name");

    // A dialog given no action still takes its default.
    Seen = SEEN();
    dialogs::Queue_Action(7, Act(ACTION_SET_TEXT, EDIT, "Mine"));
    dialogs::Queue_Action(7, Act(ACTION_PRESS, DIALOG_OK));
    Do_Dialog(7, "Save", Save_Proc, &Seen);
    Do_Dialog(7, "Save", Save_Proc, &Seen);
    EXPECT_EQ(dialogs::Records().back().Lines, (std::vector<std::string>{"press 1 (default)", "press 2 (default)", "end 2"}));
    EXPECT_EQ(Seen.Saved, std::vector<std::string>{"Mine"});
}

TEST_F(DialogActOnceTest, OutsideAScriptARefusalIsOnlyKeptAndTheDefaultEndsTheDialog)
{
    dialogs::Set_Actions_Act_Once(false);
    const DIALOG_RECORD& R = Run({Act(ACTION_SET_TEXT, EDIT, "Mine"), Act(ACTION_PRESS, 3)});
    EXPECT_EQ(R.Lines, (std::vector<std::string>{"set 10 \"Mine\"", "refused: control 3 does not exist",
                                                 "press 1 (default)", "end 1"}));
    EXPECT_EQ(Seen.Saved, std::vector<std::string>{"Mine"});
}

TEST(UnattendedBoxTest, ABoxThatWouldConfirmALossIsDeclinedUnlessAnAnswerWasQueued)
{
    ui::Reset();
    ASSERT_TRUE(dialogs::Unattended());
    EXPECT_EQ(Show_Message_Box("Overwrite?", "Filename in use", BOX_OKCANCEL | BOX_UNATTENDED_DECLINES), ID_CANCEL);
    EXPECT_TRUE(ui::Shown_Boxes().back().bDeclinedUnattended);
    EXPECT_EQ(Show_Message_Box("Replace?", "Question", BOX_YESNO | BOX_UNATTENDED_DECLINES), ID_NO);
    ui::Queue_Answer(ID_OK);
    EXPECT_EQ(Show_Message_Box("Overwrite?", "Filename in use", BOX_OKCANCEL | BOX_UNATTENDED_DECLINES), ID_OK);
    EXPECT_FALSE(ui::Shown_Boxes().back().bDeclinedUnattended);
    // Other boxes keep their default.
    EXPECT_EQ(Show_Message_Box("Go on?", "Question", BOX_OKCANCEL), ID_OK);
    ui::Reset();
}

TEST(WrittenFilesTest, TheFilesOpenedToWriteOrRenamedIntoPlaceAreKnownUntilForgotten)
{
    SCRATCH_FOLDER Scratch{"written_files"};
    ASSERT_TRUE(Scratch.Ready());
    files::Forget_Written_Files();
    ASSERT_TRUE(files::Create_Folders("Out"));
    for (const char* szName : {"Out\\a.txt", "b.txt", "c.txt"}) {
        FILE* pFile = files::Open_File(szName, "wb");
        ASSERT_NE(pFile, nullptr);
        std::fclose(pFile);
    }
    // Read only: not written.
    FILE* pRead = files::Open_File("b.txt", "rb");
    ASSERT_NE(pRead, nullptr);
    std::fclose(pRead);
    files::Forget_Written_Files();
    FILE* pFile = files::Open_File("Out\\a.txt", "ab");
    ASSERT_NE(pFile, nullptr);
    std::fclose(pFile);
    pRead = files::Open_File("c.txt", "rb");
    ASSERT_NE(pRead, nullptr);
    std::fclose(pRead);
    ASSERT_TRUE(files::Write_Whole_File("d.txt", "x", 1));
    ASSERT_TRUE(files::Rename_File("d.txt", "e.txt"));
    EXPECT_EQ(files::Written_Files(), (std::vector<std::string>{"Out/a.txt", "e.txt"}));
    ASSERT_TRUE(files::Delete_File("e.txt"));
    EXPECT_EQ(files::Written_Files(), std::vector<std::string>{"Out/a.txt"});
    files::Forget_Written_Files();
    EXPECT_TRUE(files::Written_Files().empty());
}
