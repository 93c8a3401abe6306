// Steps of the drafts as the user takes them in the GUI tests, with real
// clicks and keys (xtest_input.h). Kept apart from gui_support.h, which many
// tests include without the X headers.
#pragma once

#include <gtk/gtk.h>

#include "editors/sortable_stats.h"
#include "season/fantasy_draft.h"
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

// How far the fantasy draft has come: the pick on the clock counted from
// the first; -1 when no draft is under way.
inline int Fantasy_Draft_Progress()
{
    int nRound = 0, nPick = 0;
    if (!Get_Fantasy_Draft_Round_And_Pick(&nRound, &nPick))
        return -1;
    return nRound * FANTASY_DRAFT_TEAMS + nPick;
}

// Runs the loop until Done() holds while the computer's clubs make their
// fantasy-draft picks, one per turn of the loop: a busy machine makes the
// picks slow, never stops them, so the wait gives up only when Done() has
// not come and no pick has been made for nStillMs. Whether Done() holds.
template <class DONE>
inline bool Wait_Through_Fantasy_Picks(DONE Done, int nStillMs = xtest::WAIT_MS)
{
    for (;;) {
        const int nProgress = Fantasy_Draft_Progress();
        const bool bMoved = xtest::Wait_Until([&] { return Done() || Fantasy_Draft_Progress() != nProgress; }, nStillMs);
        if (Done())
            return true;
        if (!bMoved)
            return false;
    }
}

}  // namespace gui_support
