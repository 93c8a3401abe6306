#include "pages/draft_page.h"

#include "league/league_data.h"
#include "league/preferences.h"
#include "pages/page_layout.h"
#include "platform/shell_requests.h"

int Draft_Page_Hit_Round(int x, int y)
{
    for (int r = 1; r <= DRAFT_ROUNDS; ++r) {
        const PAGE_RECT Tab = Get_Draft_Round_Tab_Box(r);
        if (x >= Tab.nLeft && x < Tab.nRight && y >= Tab.nTop && y < Tab.nBottom)
            return r;
    }
    return 0;
}

void Draft_Page_Click(int x, int y, const CANVAS_RECT& rcArea)
{
    if (rcArea.Is_Empty() || x < rcArea.left || y < rcArea.top || x >= rcArea.right || y >= rcArea.bottom)
        return;
    // The page is painted scaled to the area (page_paint.h): back to design units.
    const int xDesign = static_cast<int>(static_cast<long long>(x - rcArea.left) * PAGE_DESIGN_WIDTH / rcArea.Width());
    const int yDesign = static_cast<int>(static_cast<long long>(y - rcArea.top) * PAGE_DESIGN_HEIGHT / rcArea.Height());
    const int nRound = Draft_Page_Hit_Round(xDesign, yDesign);
    if (nRound == 0 || nRound == Get_Draft_Page_Round())
        return;
    Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, nRound);
    Reset_Page_Cache();
    Request_Main_Window_Repaint();
}
