// Modal dialogs headless: a procedure fills its controls, the queued actions
// reach it in order, the default button ends it when nothing more is
// queued, and an action that fits no control is refused and kept.
#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "platform/ui_backend.h"

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

// An offer's dialog: an edit (10), a check box (12), "Offer" (30) first in
// the row of buttons and "Decline" (2), the default. The procedure puts the
// keyboard where its parameter says (0: nowhere) and notes where it is when
// the first button is pressed.
struct OFFER_SEEN {
    int nSetFocus = 0;
    int nFocusAtPress = -1;
};

void Offer_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    OFFER_SEEN& Seen = *static_cast<OFFER_SEEN*>(Dialog.Param());
    if (nEvent == DIALOG_INIT) {
        Dialog.Add(10, CONTROL_EDIT);
        Dialog.Add(12, CONTROL_CHECK, "&Check");
        Dialog.Add(30, CONTROL_BUTTON, "&Offer");
        Dialog.Add(2, CONTROL_BUTTON, "&Decline");
        Dialog.Set_Default_Button(2);
        if (Seen.nSetFocus != 0)
            Dialog.Set_Focus(Seen.nSetFocus);
        return;
    }
    if (nEvent != DIALOG_COMMAND)
        return;
    if (Seen.nFocusAtPress < 0)
        Seen.nFocusAtPress = Dialog.Focus();
    Dialog.End(nControl == 30 ? 1 : 0);
}

int g_nFocusShown = -1;

TEST(DialogsTest, TheKeyboardOpensOnTheDefaultButtonRatherThanAnotherButton)
{
    dialogs::Reset();
    OFFER_SEEN Built;
    DIALOG Dialog(40, "Offer", Offer_Proc, &Built);
    Dialog.Send(DIALOG_INIT, 0);
    // A button other than the default gives way to it; any other control,
    // the default itself and nothing stay as they are.
    EXPECT_EQ(Dialog.Opening_Focus(30), 2);
    EXPECT_EQ(Dialog.Opening_Focus(2), 2);
    EXPECT_EQ(Dialog.Opening_Focus(10), 10);
    EXPECT_EQ(Dialog.Opening_Focus(12), 12);
    EXPECT_EQ(Dialog.Opening_Focus(0), 0);
    EXPECT_EQ(Dialog.Opening_Focus(77), 77);
    // A default that cannot be pressed takes nothing from the button.
    Dialog.Enable(2, false);
    EXPECT_EQ(Dialog.Opening_Focus(30), 30);
    Dialog.Enable(2, true);
    Dialog.Show(2, false);
    EXPECT_EQ(Dialog.Opening_Focus(30), 30);
    Dialog.Show(2, true);
    Dialog.Set_Default_Button(12);
    EXPECT_EQ(Dialog.Opening_Focus(30), 30);
    Dialog.Set_Default_Button(99);
    EXPECT_EQ(Dialog.Opening_Focus(30), 30);

    // A procedure that puts the keyboard on Offer opens with it on Decline,
    // headless and in a backend; one that puts it on the edit keeps it there.
    OFFER_SEEN Headless{30};
    EXPECT_EQ(Do_Dialog(40, "Offer", Offer_Proc, &Headless), 0);
    EXPECT_EQ(Headless.nFocusAtPress, 2);
    UI_BACKEND Backend;
    Backend.szName = "focus";
    Backend.Run_Dialog = [](DIALOG& Open) {
        g_nFocusShown = Open.Focus();
        Open.User_Press(Open.Focus() != 0 ? Open.Focus() : Open.Default_Button());
    };
    Install_Ui_Backend(&Backend);
    OFFER_SEEN Shown{30};
    g_nFocusShown = -1;
    const int nOffer = Do_Dialog(40, "Offer", Offer_Proc, &Shown);
    const int nOfferShown = g_nFocusShown;
    OFFER_SEEN Edit{10};
    g_nFocusShown = -1;
    Do_Dialog(40, "Offer", Offer_Proc, &Edit);
    const int nEditShown = g_nFocusShown;
    Install_Ui_Backend(nullptr);
    EXPECT_EQ(nOfferShown, 2);
    EXPECT_EQ(nOffer, 0);   // Enter on the button with the keyboard declines
    EXPECT_EQ(nEditShown, 10);
}

}  // namespace
