#include "gamefile/game_dialogs.h"

// Stand-ins until the dialogs are in.
void Start_Game_Dialog_Proc(DIALOG& Dialog, int nEvent, int)
{
    if (nEvent == DIALOG_INIT)
        Dialog.End(DIALOG_CANCEL);
}

void Resume_Game_Dialog_Proc(DIALOG& Dialog, int nEvent, int)
{
    if (nEvent == DIALOG_INIT)
        Dialog.End(DIALOG_CANCEL);
}

void Save_Game_Dialog_Proc(DIALOG& Dialog, int nEvent, int)
{
    if (nEvent == DIALOG_INIT)
        Dialog.End(DIALOG_CANCEL);
}

int Save_Game_Command()
{
    return 0;
}

int Ask_Save_Changes()
{
    return 1;
}

int Save_Game_File()
{
    return 1;
}

void Report_Busy_Until_Day_Done(const char*, const char*) {}
