// Steps of the drafts as the user takes them in the GUI tests, with real
// clicks and keys (xtest_input.h). Kept apart from gui_support.h, which many
// tests include without the X headers.
#pragma once

#include <gtk/gtk.h>

#include "editors/sortable_stats.h"
#include "xtest_input.h"

namespace gui_support {

// In the fantasy draft's list (Sortable Stats): the group list turned by
// keys to the players nobody has drafted yet (its last entry but one), then
// a click on the first of them. False when that row could not be clicked.
inline bool Click_First_Undrafted(int nDialogId)
{
    GtkWidget* pGroup = xtest::Control(nDialogId, IDC_SS_GROUP);
    xtest::Open_Combo(pGroup);
    xtest::Key("End");
    xtest::Key("Up");
    xtest::Key("Return");
    xtest::Wait_Combo_Closed(pGroup);
    xtest::Settle(100);
    GtkWidget* pList = xtest::Control(nDialogId, IDC_SS_LIST);
    int x = 0, y = 0;
    return xtest::Row_Point(pList, 0, x, y) && xtest::Click(pList, x, y);
}

}  // namespace gui_support
