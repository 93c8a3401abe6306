// Modal dialogs headless: a procedure fills its controls, the queued actions
// reach it in order, the default button ends it when nothing more is
// queued, and an action that fits no control is refused and kept.
#include <gtest/gtest.h>

#include "platform/dialogs.h"

namespace {

struct SEEN {
    int nInits = 0;
    std::vector<int> Commands;
};

// A dialog of an edit (10), a combo (11) of three entries, a check box (12),
// and the buttons OK (1) and Cancel (2). OK ends it with 100 + the combo's
// selection when the edit holds text, else does nothing; Cancel ends it with 2.
void Test_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    SEEN& Seen = *static_cast<SEEN*>(Dialog.Param());
    if (nEvent == DIALOG_INIT) {
        ++Seen.nInits;
        Dialog.Add(10, CONTROL_EDIT);
        DIALOG_CONTROL& Combo = Dialog.Add(11, CONTROL_COMBO);
        Combo.Items = {"Alpha", "Beta", "Gamma"};
        Combo.nSelected = 0;
        Dialog.Add(12, CONTROL_CHECK);
        Dialog.Add(1, CONTROL_BUTTON, "&OK");
        Dialog.Add(2, CONTROL_BUTTON, "&Cancel");
        return;
    }
    if (nEvent != DIALOG_COMMAND)
        return;
    Seen.Commands.push_back(nControl);
    if (nControl == 1 && !Dialog.Get_Text(10).empty())
        Dialog.End(100 + Dialog.Get_Selected(11) + (Dialog.Is_Checked(12) ? 10 : 0));
    else if (nControl == 2)
        Dialog.End(DIALOG_CANCEL);
}

DIALOG_ACTION Action(int nKind, int nControl, const std::string& Text = "", int nValue = 0)
{
    DIALOG_ACTION A;
    A.nKind = nKind;
    A.nControl = nControl;
    A.Text = Text;
    A.nValue = nValue;
    return A;
}

TEST(DialogsTest, QueuedActionsReachTheProcedureAndTheDefaultButtonEndsIt)
{
    dialogs::Reset();
    SEEN Seen;
    dialogs::Queue_Action(7, Action(ACTION_SET_TEXT, 10, "Pat"));
    dialogs::Queue_Action(8, Action(ACTION_PRESS, 2));   // another dialog's: left alone
    dialogs::Queue_Action(7, Action(ACTION_SELECT, 11, "gamma"));
    dialogs::Queue_Action(7, Action(ACTION_CHECK, 12, "", 1));
    EXPECT_EQ(Do_Dialog(7, "Seven", Test_Proc, &Seen), 112);
    EXPECT_EQ(Seen.nInits, 1);
    EXPECT_EQ(Seen.Commands, (std::vector<int>{10, 11, 12, 1}));
    EXPECT_EQ(dialogs::Pending_Actions(), 1u);
    ASSERT_EQ(dialogs::Records().size(), 1u);
    const DIALOG_RECORD& R = dialogs::Records()[0];
    EXPECT_EQ(R.nDialogId, 7);
    EXPECT_EQ(R.Title, "Seven");
    EXPECT_EQ(R.nResult, 112);
    EXPECT_EQ(R.Lines, (std::vector<std::string>{"set 10 \"Pat\"", "select 11 \"Gamma\"", "check 12 1",
                                                 "press 1 (default)", "end 112"}));

    // Dialog 8 takes its own action: Cancel.
    SEEN Other;
    EXPECT_EQ(Do_Dialog(8, "Eight", Test_Proc, &Other), DIALOG_CANCEL);
    EXPECT_EQ(dialogs::Pending_Actions(), 0u);
}

TEST(DialogsTest, ADialogTheDefaultCannotEndIsCancelledAndBadActionsAreRefused)
{
    dialogs::Reset();
    SEEN Seen;
    // OK does nothing with an empty edit: Cancel closes the dialog.
    dialogs::Queue_Action(7, Action(ACTION_SELECT, 11, "Delta"));   // no such entry
    dialogs::Queue_Action(7, Action(ACTION_SET_TEXT, 11, "x"));     // a combo takes no text
    dialogs::Queue_Action(7, Action(ACTION_PRESS, 99));             // no such control
    EXPECT_EQ(Do_Dialog(7, "Seven", Test_Proc, &Seen), DIALOG_CANCEL);
    EXPECT_EQ(Seen.Commands, (std::vector<int>{1, 2}));
    EXPECT_EQ(dialogs::Last_Refusal(), "control 99 does not exist");
    const DIALOG_RECORD& R = dialogs::Records().back();
    ASSERT_EQ(R.Lines.size(), 6u);
    EXPECT_EQ(R.Lines[0], "refused: control 11 has no entry \"Delta\"");
    EXPECT_EQ(R.Lines[1], "refused: control 11 takes no text");
    EXPECT_EQ(R.Lines[3], "press 1 (default)");
    EXPECT_EQ(R.Lines[4], "press 2 (default)");
    dialogs::Clear_Refusal();
    EXPECT_TRUE(dialogs::Last_Refusal().empty());

    // A selection by index; a procedure of none gives Cancel.
    dialogs::Queue_Action(7, Action(ACTION_SET_TEXT, 10, "Pat"));
    dialogs::Queue_Action(7, Action(ACTION_SELECT, 11, "", 1));
    EXPECT_EQ(Do_Dialog(7, "Seven", Test_Proc, &Seen), 101);
    EXPECT_EQ(Do_Dialog(9, "None", nullptr), DIALOG_CANCEL);
}

}  // namespace
