#include "pages/score_boxes.h"

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "league/game_record.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/preferences.h"
#include "league/team.h"
#include "pages/page_paint.h"
#include "platform/pictures.h"
#include "season/day_advance.h"
#include "season/draft_state.h"
#include "season/fantasy_draft.h"

namespace {

constexpr int CORNER_LEFT = 668;
constexpr int CORNER_RIGHT = 760;
constexpr int CORNER_TOP = 25;
constexpr int CORNER_MIDDLE = 39;
constexpr int CORNER_BOTTOM = 54;
constexpr int LEADERS_RAISE = 11;   // the Leaders page's box: y 14-43
// The names sit a little in from the box's sides.
constexpr int CORNER_INSET = 3;
// A club whose nickname reads this is named by its city in the box.
constexpr const char* GENERIC_NICKNAME = "Vazarudu Team";

SCORE_BOX g_ScoreBox;

bool Is_Franchise(int nTeam)
{
    return nTeam >= 0 && nTeam < MAX_FRANCHISES;
}

// Application font 5 at the page's scale (the smaller of the two, as the
// page's own type).
CANVAS_FONT Corner_Font(const CANVAS_RECT& rcArea)
{
    Load_App_Fonts();
    CANVAS_FONT Font = Get_App_Font(FONT_PAGE_TEXT).Font;
    const double fScale = std::min(static_cast<double>(rcArea.Width()) / PAGE_DESIGN_WIDTH,
                                   static_cast<double>(rcArea.Height()) / PAGE_DESIGN_HEIGHT);
    Font.fHeight = std::max(4.0, Font.fHeight * fScale);
    return Font;
}

// The box's ground: no page has a background picture under it, so the
// rectangle is filled.
void Fill_Corner_Box(CANVAS& Canvas, const CANVAS_RECT& rcArea, bool bLeadersPage)
{
    Canvas.Fill_Rect(Scale_Page_Rect(Get_Corner_Box_Rect(bLeadersPage), rcArea),
                     Rgb_Color(Get_Corner_Box_Colours().nPlate));
}

void Draw_Line_Text(CANVAS& Canvas, const CANVAS_RECT& rcArea, bool bLeadersPage, int nLine, const char* szText,
                    unsigned nAlign, uint32_t nColour)
{
    Draw_Text_In_Box(Canvas, szText, Get_Corner_Line_Text_Rect(rcArea, bLeadersPage, nLine),
                     TEXT_SINGLELINE | TEXT_VCENTER | TEXT_END_ELLIPSIS | nAlign, false, Corner_Font(rcArea),
                     Rgb_Color(nColour));
}

}  // namespace

bool Is_Corner_Box_Page(int nPage)
{
    return nPage == MAIN_PAGE_STANDINGS || nPage == MAIN_PAGE_CALENDAR;
}

PAGE_RECT Get_Corner_Box_Rect(bool bLeadersPage)
{
    const int nRaise = bLeadersPage ? LEADERS_RAISE : 0;
    return PAGE_RECT{CORNER_LEFT, CORNER_TOP - nRaise, CORNER_RIGHT, CORNER_BOTTOM - nRaise};
}

PAGE_RECT Get_Corner_Box_Line(bool bLeadersPage, int nLine)
{
    const int nRaise = bLeadersPage ? LEADERS_RAISE : 0;
    if (nLine == 0)
        return PAGE_RECT{CORNER_LEFT, CORNER_TOP - nRaise, CORNER_RIGHT, CORNER_MIDDLE - nRaise};
    return PAGE_RECT{CORNER_LEFT, CORNER_MIDDLE - nRaise, CORNER_RIGHT, CORNER_BOTTOM - nRaise};
}

CANVAS_RECT Get_Corner_Line_Text_Rect(const CANVAS_RECT& rcArea, bool bLeadersPage, int nLine)
{
    PAGE_RECT Line = Get_Corner_Box_Line(bLeadersPage, nLine);
    Line.nLeft += CORNER_INSET;
    Line.nRight -= CORNER_INSET;
    return Scale_Page_Rect(Line, rcArea);
}

CANVAS_FONT Get_Date_Box_Font(const CANVAS_RECT& rcArea, bool bLeadersPage, int nLine, const char* szText)
{
    CANVAS_FONT Font = Corner_Font(rcArea);
    if (szText == nullptr)
        return Font;
    // Rendered widths do not follow the height exactly (hinting, rounding):
    // scale by the overflow, then step down until the text fits.
    constexpr double SMALLEST_HEIGHT = 3.0;
    const double fRoom = Get_Corner_Line_Text_Rect(rcArea, bLeadersPage, nLine).Width();
    for (int i = 0; i < 16 && Font.fHeight > SMALLEST_HEIGHT; ++i) {
        const double fWidth = Measure_Text(Font, szText);
        if (fWidth <= fRoom)
            break;
        Font.fHeight = std::max(SMALLEST_HEIGHT, Font.fHeight * std::min(fRoom / fWidth, 0.97));
    }
    return Font;
}

bool Is_Skin_Ice_Or_Fire()
{
    const std::string Skin = Get_Skin_Name();
    return strcasecmp(Skin.c_str(), "ice") == 0 || strcasecmp(Skin.c_str(), "fire") == 0;
}

CORNER_BOX_COLOURS Get_Corner_Box_Colours()
{
    CORNER_BOX_COLOURS Colours;
    if (Is_Skin_Ice_Or_Fire()) {
        Colours.nFirst = CORNER_SKIN_FIRST;
        Colours.nSecond = CORNER_SKIN_SECOND;
    } else if (Get_User_Preference(PREF_DARK_PAGE_TEXT) != 0) {
        Colours.nFirst = CORNER_DARK_FIRST;
        Colours.nSecond = CORNER_DARK_SECOND;
        Colours.nPlate = PAGE_PAPER_RGB;
    }
    return Colours;
}

void Format_Phase_Labels(char* szFirst, char* szSecond, size_t nSize)
{
    if (szFirst == nullptr || szSecond == nullptr || nSize == 0)
        return;
    const int nYear = Get_Current_Year();
    if (Get_Universe_Stat(FANTASY_DRAFT_RUNNING) >= 1) {
        // The fantasy draft keeps its own round and pick; the college
        // draft's preferences hold last spring's draft.
        int nRound = 0;
        int nPick = 0;
        Get_Fantasy_Draft_Round_And_Pick(&nRound, &nPick);
        std::snprintf(szFirst, nSize, "Round %d", nRound + 1);
        std::snprintf(szSecond, nSize, "Pick %d", nPick + 1);
        return;
    }
    std::snprintf(szFirst, nSize, "%d", nYear);
    if (Is_College_Draft_Running())
        std::snprintf(szSecond, nSize, "Amateur Draft");
    else if (Get_Current_Week() >= OFFSEASON_WEEK)
        std::snprintf(szSecond, nSize, "Offseason");
    else
        Get_Week_Name(-1, szSecond, nSize);
}

void Record_Game_Score_Box(const GAME* pGame)
{
    if (pGame == nullptr || !Is_Franchise(pGame->nAwayTeam) || !Is_Franchise(pGame->nHomeTeam) ||
        pGame->nAwayTeam == pGame->nHomeTeam) {
        g_ScoreBox.bShown = false;
        return;
    }
    g_ScoreBox.bShown = true;
    g_ScoreBox.nTeam[GAME_SIDE_AWAY] = pGame->nAwayTeam;
    g_ScoreBox.nTeam[GAME_SIDE_HOME] = pGame->nHomeTeam;
    g_ScoreBox.nScore[GAME_SIDE_AWAY] = pGame->nScore[GAME_SIDE_AWAY];
    g_ScoreBox.nScore[GAME_SIDE_HOME] = pGame->nScore[GAME_SIDE_HOME];
}

const SCORE_BOX& Get_Score_Box()
{
    return g_ScoreBox;
}

void Clear_Game_Score_Box()
{
    g_ScoreBox = SCORE_BOX{};
}

std::string Get_Score_Box_Team_Name(int nTeam)
{
    if (!Is_Valid_Team(nTeam))
        return "";
    char szName[64];
    Get_Team_String(szName, nTeam, TEAM_STRING_NICKNAME);
    if (std::strcmp(szName, GENERIC_NICKNAME) == 0)
        Get_Team_String(szName, nTeam, TEAM_STRING_CITY);
    return szName;
}

bool Is_Score_Box_Shown()
{
    if (!g_ScoreBox.bShown)
        return false;
    return Get_User_Preference(PREF_SIMULATION_RUNNING) != 0 || Get_Universe_Word(DAY_ADVANCE_BUSY_WORD) != 0 ||
           Is_Simulation_In_Progress();
}

void Paint_Game_Score_Box(CANVAS& Canvas, const CANVAS_RECT& rcArea, bool bLeadersPage)
{
    const CORNER_BOX_COLOURS Colours = Get_Corner_Box_Colours();
    Fill_Corner_Box(Canvas, rcArea, bLeadersPage);
    for (int nSide = GAME_SIDE_AWAY; nSide <= GAME_SIDE_HOME; ++nSide) {
        const uint32_t nColour = nSide == GAME_SIDE_AWAY ? Colours.nFirst : Colours.nSecond;
        char szScore[16];
        std::snprintf(szScore, sizeof(szScore), "%d", g_ScoreBox.nScore[nSide]);
        // The score first, so a long name ends in "..." short of it.
        const CANVAS_FONT Font = Corner_Font(rcArea);
        const int nScoreWidth = static_cast<int>(Measure_Text(Font, szScore)) + 4;
        Draw_Line_Text(Canvas, rcArea, bLeadersPage, nSide, szScore, TEXT_RIGHT, nColour);
        PAGE_RECT Line = Get_Corner_Box_Line(bLeadersPage, nSide);
        CANVAS_RECT rcName = Scale_Page_Rect(Line, rcArea);
        rcName.left += CORNER_INSET * rcArea.Width() / PAGE_DESIGN_WIDTH;
        rcName.right = std::max(rcName.left, rcName.right - CORNER_INSET * rcArea.Width() / PAGE_DESIGN_WIDTH -
                                                 nScoreWidth);
        const std::string Name = Get_Score_Box_Team_Name(g_ScoreBox.nTeam[nSide]);
        Draw_Text_In_Box(Canvas, Name.c_str(), rcName, TEXT_SINGLELINE | TEXT_VCENTER | TEXT_END_ELLIPSIS | TEXT_LEFT,
                         false, Font, Rgb_Color(nColour));
    }
}

void Draw_Season_Date_Box(CANVAS& Canvas, const CANVAS_RECT& rcArea, bool bLeadersPage)
{
    const CORNER_BOX_COLOURS Colours = Get_Corner_Box_Colours();
    char szFirst[64];
    char szSecond[64];
    Format_Phase_Labels(szFirst, szSecond, sizeof(szFirst));
    Fill_Corner_Box(Canvas, rcArea, bLeadersPage);
    // A long label ("Conference Championship") is set smaller, not cut: the
    // box keeps its size.
    const char* const LABELS[2] = {szFirst, szSecond};
    const uint32_t COLOURS[2] = {Colours.nFirst, Colours.nSecond};
    for (int nLine = 0; nLine < 2; ++nLine)
        Draw_Text_In_Box(Canvas, LABELS[nLine], Get_Corner_Line_Text_Rect(rcArea, bLeadersPage, nLine),
                         TEXT_SINGLELINE | TEXT_VCENTER | TEXT_END_ELLIPSIS | TEXT_CENTER, false,
                         Get_Date_Box_Font(rcArea, bLeadersPage, nLine, LABELS[nLine]), Rgb_Color(COLOURS[nLine]));
}

void Paint_Corner_Boxes(CANVAS& Canvas, const CANVAS_RECT& rcArea, int nPage)
{
    if (!Is_Corner_Box_Page(nPage) || rcArea.Is_Empty())
        return;
    const CANVAS_RECT rcOldClip = Canvas.Get_Clip();
    Canvas.Set_Clip(rcArea);
    if (Is_Score_Box_Shown())
        Paint_Game_Score_Box(Canvas, rcArea, false);
    else
        Draw_Season_Date_Box(Canvas, rcArea, false);
    Canvas.Set_Clip(rcOldClip);
}
