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

namespace {

// The round whose tab lies at (x, y) of the painted area; 0 for none.
int Round_At(int x, int y, const CANVAS_RECT& rcArea)
{
    if (rcArea.Is_Empty() || x < rcArea.left || y < rcArea.top || x >= rcArea.right || y >= rcArea.bottom)
        return 0;
    // The page is painted scaled to the area (page_paint.h): back to design units.
    const int xDesign = static_cast<int>(static_cast<long long>(x - rcArea.left) * PAGE_DESIGN_WIDTH / rcArea.Width());
    const int yDesign = static_cast<int>(static_cast<long long>(y - rcArea.top) * PAGE_DESIGN_HEIGHT / rcArea.Height());
    return Draft_Page_Hit_Round(xDesign, yDesign);
}

}  // namespace

bool Is_Draft_Page_Hot_Spot(int x, int y, const CANVAS_RECT& rcArea)
{
    const int nRound = Round_At(x, y, rcArea);
    return nRound != 0 && nRound != Get_Draft_Page_Round();
}

void Draft_Page_Click(int x, int y, const CANVAS_RECT& rcArea)
{
    const int nRound = Round_At(x, y, rcArea);
    if (nRound == 0 || nRound == Get_Draft_Page_Round())
        return;
    Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, nRound);
    Reset_Page_Cache();
    Request_Main_Window_Repaint();
}

void Draft_Page_Next_Round()
{
    Set_User_Preference(PREF_DRAFT_PAGE_SCROLL, Get_Draft_Page_Round() % DRAFT_ROUNDS + 1);
    Reset_Page_Cache();
    Request_Main_Window_Repaint();
}
