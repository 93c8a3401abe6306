#include "pages/calendar_page.h"

#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "league/team.h"
#include "league/team_schedule.h"
#include "platform/shell_requests.h"
#include "season/timeline.h"

PAGE_RECT Get_Calendar_Watch_Box(const PAGE_RECT& Row)
{
    PAGE_RECT Box;
    Box.nLeft = Row.nLeft + 136;
    Box.nTop = Row.nTop + 3;
    Box.nRight = Row.nLeft + 148;
    Box.nBottom = Row.nTop + 15;
    return Box;
}

PAGE_RECT Get_Calendar_Watch_Hit_Box(const PAGE_RECT& Row)
{
    PAGE_RECT Box;
    Box.nLeft = Row.nLeft + 133;
    Box.nTop = Row.nTop;
    Box.nRight = Row.nLeft + 196;
    Box.nBottom = Row.nTop + 18;
    return Box;
}

bool Has_Calendar_Watch_Mark(int nTeam, int nWeek)
{
    if (nWeek < 0 || nWeek >= SCHEDULE_WEEKS || nWeek < Get_Current_Week() || !Is_Team_Slot_Used(nTeam))
        return false;
    if (Get_Team_Week_Home_Away(nTeam, nWeek) == WEEK_NO_GAME || !Is_Valid_Team(Get_Scheduled_Opponent(nTeam, nWeek)))
        return false;
    // A game already played is not watched again.
    const int nGame = Get_Team_Schedule_Stat(nTeam, nWeek, SCHEDULE_GAME_INDEX);
    const GAME* pGame = nGame >= 0 && nGame < NUMBER_OF_GAMES ? Get_Game_Record(nGame) : nullptr;
    return pGame == nullptr || pGame->nWeek != nWeek || !Is_Game_Record_Final(nGame);
}

namespace {

bool Inside(const PAGE_RECT& Box, int x, int y)
{
    return x >= Box.nLeft && x < Box.nRight && y >= Box.nTop && y < Box.nBottom;
}

}  // namespace

CALENDAR_HIT Calendar_Page_Hit(int x, int y)
{
    CALENDAR_HIT Hit;
    const PAGE_LAYOUT Layout = Layout_Calendar_Page();
    for (const PAGE_ROW& Row : Layout.Rows) {
        if (!Inside(Row.Box, x, y))
            continue;
        Hit.nWeek = Row.nGroup;
        Hit.bMark = Inside(Get_Calendar_Watch_Hit_Box(Row.Box), x, y) &&
                    Has_Calendar_Watch_Mark(Get_Calendar_Page_Team(), Row.nGroup);
        break;
    }
    return Hit;
}

void Calendar_Page_Click(int x, int y, const CANVAS_RECT& rcArea)
{
    if (rcArea.Is_Empty() || x < rcArea.left || y < rcArea.top || x >= rcArea.right || y >= rcArea.bottom)
        return;
    // The page is painted scaled to the area (page_paint.h): back to design units.
    const int xDesign = static_cast<int>(static_cast<long long>(x - rcArea.left) * PAGE_DESIGN_WIDTH / rcArea.Width());
    const int yDesign = static_cast<int>(static_cast<long long>(y - rcArea.top) * PAGE_DESIGN_HEIGHT / rcArea.Height());
    const CALENDAR_HIT Hit = Calendar_Page_Hit(xDesign, yDesign);
    if (Hit.nWeek < 0)
        return;
    if (Hit.bMark) {
        Toggle_Calendar_PBP_Flag(Get_Calendar_Page_Team(), Hit.nWeek);
        Request_Main_Window_Repaint();
        return;
    }
    const int nDay = Get_Current_Week();
    if (nDay != OFFSEASON_WEEK && Hit.nWeek >= nDay)
        Timeline_Advance_To_Week(nDay, Hit.nWeek);
}
