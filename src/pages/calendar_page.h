// The Calendar page's clicks: a week's watch mark marks its game to be
// watched in the window (or no longer), and a click on a week not yet
// played moves the season on to it through the timeline's jump, with the
// same questions the status bar's cells ask.
#pragma once

#include "pages/page_layout.h"
#include "platform/canvas.h"

// The watch mark of a week's row (design units): a small box right of the
// week's name, with "Watch" beside it.
PAGE_RECT Get_Calendar_Watch_Box(const PAGE_RECT& Row);
// The part of the row a click on the mark lands in: the box and its word.
PAGE_RECT Get_Calendar_Watch_Hit_Box(const PAGE_RECT& Row);
// Whether week w of the club shows a watch mark: a game against a club, not
// over yet, on the current day or later.
bool Has_Calendar_Watch_Mark(int nTeam, int nWeek);

// What a click at (x, y) of the design space lands on: a week's row (-1
// none) and whether on its watch mark.
struct CALENDAR_HIT {
    int nWeek = -1;
    bool bMark = false;
};
CALENDAR_HIT Calendar_Page_Hit(int x, int y);
// A click at (x, y) in the pixels of rcArea, where the page is painted: the
// mark toggles the game's watch flag (stored on the home club's entry), a
// week not yet played is jumped to (Timeline_Advance_To_Week from the
// current day). Anything else does nothing.
void Calendar_Page_Click(int x, int y, const CANVAS_RECT& rcArea);
