// A queued dialog action, as the editors' tests write them: the kind, the
// control, and a number or a text where the kind takes one.
#pragma once

#include <string>

#include "platform/dialogs.h"

namespace editor_tests {

inline DIALOG_ACTION Action(int nKind, int nControl, int nValue = 0, const std::string& Text = std::string())
{
    DIALOG_ACTION A;
    A.nKind = nKind;
    A.nControl = nControl;
    A.nValue = nValue;
    A.Text = Text;
    return A;
}

}  // namespace editor_tests
