// Scripted dialog actions the game-file dialog tests queue.
#pragma once

#include <string>

#include "platform/dialogs.h"

inline DIALOG_ACTION Set_Text(int nControl, const std::string& Text)
{
    DIALOG_ACTION Action;
    Action.nKind = ACTION_SET_TEXT;
    Action.nControl = nControl;
    Action.Text = Text;
    return Action;
}

inline DIALOG_ACTION Select(int nControl, const std::string& Text)
{
    DIALOG_ACTION Action;
    Action.nKind = ACTION_SELECT;
    Action.nControl = nControl;
    Action.Text = Text;
    return Action;
}
