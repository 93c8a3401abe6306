#include "shell/welcome_dialog.h"

#include "shell/commands.h"

void Welcome_Dialog_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT) {
        Dialog.Add(WELCOME_TEXT, CONTROL_LABEL, "Welcome to Vazarudu Kelvo.");
        Dialog.Add(WELCOME_NEW_GAME, CONTROL_BUTTON, "&New Game");
        Dialog.Add(WELCOME_RESUME_GAME, CONTROL_BUTTON, "&Resume Game");
        Dialog.Add(WELCOME_QUIT, CONTROL_BUTTON, "&Quit");
        Dialog.Set_Default_Button(WELCOME_QUIT);
        return;
    }
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

int Show_Welcome_Dialog()
{
    const int nChoice = Do_Dialog(WELCOME_DIALOG, "Welcome", Welcome_Dialog_Proc);
    switch (nChoice) {
    case WELCOME_NEW_GAME:
        Dispatch_Main_Command(CMD_NEW_GAME);
        return nChoice;
    case WELCOME_RESUME_GAME:
        Dispatch_Main_Command(CMD_RESUME_GAME);
        return nChoice;
    default:
        Exit_Program();
        return WELCOME_QUIT;
    }
}
