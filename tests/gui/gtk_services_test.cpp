// The services beside the windows on the desktop: the clipboard converts
// between the model's Windows-1252 and the desktop's UTF-8; a timer fires
// inside a dialog's nested loop, which sleeps until then; the blocking wait
// returns when its time is up.

#include <gtest/gtest.h>

#include <string>

#include "gui_support.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/ui.h"
#include "platform/ui_services.h"

namespace {

constexpr int TIMER_DIALOG = 9903;
constexpr CONTROL_TEMPLATE TIMER_CONTROLS[] = {
    {1, CONTROL_BUTTON, "OK", {10, 10, 50, 14}, CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE TIMER_TEMPLATE{TIMER_DIALOG, "Timer", 70, 34, 0, 0, 0, TIMER_CONTROLS};

int g_nTicks = 0;
void Timer_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Set_Timer(5, 20);
    } else if (nEvent == DIALOG_TIMER && nControl == 5) {
        // The third tick ends it: nobody presses anything.
        if (++g_nTicks == 3)
            Dialog.End(42);
    }
}
const DIALOG_REGISTRAR REGISTER_TIMER(TIMER_DIALOG, TIMER_TEMPLATE, Timer_Proc, {});

}  // namespace

TEST(GtkServices, TheClipboardCarriesWindows1252TextThroughUtf8)
{
    REQUIRE_DESKTOP();
    Set_Clipboard_Text("Caf\xE9 \x80" "5 \x96 Frost");
    std::string Text;
    ASSERT_TRUE(Get_Clipboard_Text(Text));
    EXPECT_EQ(Text, "Caf\xE9 \x80" "5 \x96 Frost");
}

TEST(GtkServices, ATimerFiresInsideADialogsNestedLoopAndTheWaitReturnsWhenItsTimeIsUp)
{
    REQUIRE_DESKTOP();
    // Attended: only the timer can end the dialog.
    dialogs::Set_Unattended(false);
    g_nTicks = 0;
    EXPECT_EQ(Do_Dialog(TIMER_DIALOG), 42);
    EXPECT_EQ(g_nTicks, 3);
    dialogs::Set_Unattended(true);

    // Each wait sleeps until an event or its time: a few calls cover 150 ms.
    // A wait that came back at once would take thousands.
    Pump_Messages();
    const uint64_t nBefore = Ui_Now();
    int nCalls = 0;
    while (Ui_Now() - nBefore < 150 && nCalls < 100000) {
        Wait_For_Event(150);
        ++nCalls;
    }
    EXPECT_GE(Ui_Now() - nBefore, 150u);
    EXPECT_LT(nCalls, 50);
}
