#include "shell/welcome_dialog.h"

#include "shell/commands.h"
#include "shell/owner_hall_of_fame.h"

namespace {

constexpr CONTROL_TEMPLATE WELCOME_CONTROLS[] = {
    {WELCOME_TEXT, CONTROL_LABEL, "Welcome to Vazarudu Kelvo.", {10, 10, 200, 30}},
    {WELCOME_NEW_GAME, CONTROL_BUTTON, "&New Game", {10, 64, 62, 16}},
    {WELCOME_RESUME_GAME, CONTROL_BUTTON, "&Resume Game", {79, 64, 62, 16}},
    {WELCOME_QUIT, CONTROL_BUTTON, "&Quit", {148, 64, 62, 16}, CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE WELCOME_TEMPLATE{WELCOME_DIALOG, "Welcome", 220, 90, 0, 0, 0, WELCOME_CONTROLS, "welcome"};
constexpr int WELCOME_USED_IDS[] = {WELCOME_NEW_GAME, WELCOME_RESUME_GAME, WELCOME_QUIT};
const DIALOG_REGISTRAR WELCOME_REGISTRAR(WELCOME_DIALOG, WELCOME_TEMPLATE, Welcome_Dialog_Proc, WELCOME_USED_IDS);

}  // namespace

void Welcome_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent != DIALOG_COMMAND)
        return;
    switch (nControl) {
    case WELCOME_NEW_GAME:
    case WELCOME_RESUME_GAME:
    case WELCOME_QUIT:
        Dialog.End(nControl);
        break;
    case DIALOG_CANCEL:
        Dialog.End(WELCOME_QUIT);
        break;
    default:
        break;
    }
}

namespace {

// The user asked for a hint at start-up (Did You Know?'s check box): it
// follows whatever the welcome dialog's choice opened.
void Show_Startup_Hint()
{
    if (Read_Show_Hint_At_Startup())
        Dispatch_Main_Command(CMD_DID_YOU_KNOW);
}

}  // namespace

int Show_Welcome_Dialog()
{
    const int nChoice = Do_Dialog(WELCOME_DIALOG, "Welcome", Welcome_Dialog_Proc);
    switch (nChoice) {
    case WELCOME_NEW_GAME:
        Dispatch_Main_Command(CMD_NEW_GAME);
        Show_Startup_Hint();
        return nChoice;
    case WELCOME_RESUME_GAME:
        Dispatch_Main_Command(CMD_RESUME_GAME);
        Show_Startup_Hint();
        return nChoice;
    default:
        Exit_Program();
        return WELCOME_QUIT;
    }
}
