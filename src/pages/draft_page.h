// The Draft page's clicks and key: a round's tab shows that round's picks,
// and the page's key turns to the next round.
#pragma once

#include "platform/canvas.h"

// The round whose tab lies at (x, y) of the design space; 0 for none.
int Draft_Page_Hit_Round(int x, int y);
// Whether (x, y) in the pixels of rcArea lies on a round's tab other than
// the round shown: where a click would do something.
bool Is_Draft_Page_Hot_Spot(int x, int y, const CANVAS_RECT& rcArea);
// A click at (x, y) in the pixels of rcArea, where the page is painted: a
// round's tab makes it the round shown (preference 38) and repaints the
// page. Anything else does nothing.
void Draft_Page_Click(int x, int y, const CANVAS_RECT& rcArea);
// The page's key pressed while the page is shown: the next round's picks,
// after the last round the first again, so the keyboard reaches every tab.
void Draft_Page_Next_Round();
