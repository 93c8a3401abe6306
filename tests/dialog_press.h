// The headless driver's action that presses a button, for the dialog tests.
#pragma once

#include "platform/dialogs.h"

inline DIALOG_ACTION Press(int nControl)
{
    DIALOG_ACTION Action;
    Action.nKind = ACTION_PRESS;
    Action.nControl = nControl;
    return Action;
}
