#include "shell/status_bar.h"

#include <algorithm>
#include <cstdio>

#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/league_text.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league/team_logo.h"
#include "league/team_schedule.h"
#include "pages/page_layout.h"
#include "platform/errors.h"
#include "platform/pictures.h"
#include "platform/sketch.h"
#include "season/day_advance.h"
#include "season/draft_state.h"
#include "shell/main_window.h"

namespace {

bool g_bShown = false;
// The missing left picture last reported, so a repaint does not repeat it.
std::string g_MissingReported;

}  // namespace

void Create_Main_Status_Bar()
{
    g_bShown = true;
}

void Destroy_Main_Status_Bar()
{
    g_bShown = false;
}

bool Is_Status_Bar_Shown()
{
    return g_bShown;
}

void Reset_Status_Bar()
{
    g_bShown = false;
    g_MissingReported.clear();
}

// --- The timeline on the bar ------------------------------------------------

namespace {

// The band under the pictures (seen where a picture is missing): turf with
// a gold rule, as the skin's pictures are drawn.
constexpr uint32_t BAND_TOP_RGB = 0x495C35;
constexpr uint32_t BAND_BOTTOM_RGB = 0x2F3C25;
constexpr uint32_t BAND_LINE_RGB = 0xC8A24A;
constexpr uint32_t RECORD_RGB = 0xFFFFFF;
// The largest logo drawn in the corner; a larger one is shrunk to it.
constexpr int LOGO_MAX_SIZE = 96;
constexpr int LOGO_RIGHT_MARGIN = 8;
// The cells' frames: hand-drawn, a little inside the cell, over the text rows.
constexpr double FRAME_INSET = 4.0;
constexpr double FRAME_TOP = 6.0;
constexpr double FRAME_BOTTOM = 32.0;

const CANVAS* Left_Picture()
{
    const std::string Path = Get_Skin_File_Path(SKIN_STATUS_BAR_LEFT);
    const CANVAS* pLeft = Load_File_Into_Bitmap_Cache(Path.c_str());
    if (pLeft == nullptr && g_MissingReported != Path) {
        g_MissingReported = Path;
        Report_Error(TIMELINE_MISSING_PICTURE_FORMAT, Path.c_str());
    }
    return pLeft;
}

CANVAS_RECT Bar_Rect(const TIMELINE_BOX& Box, const CANVAS_RECT& rcBar)
{
    return CANVAS_RECT{rcBar.left + Box.nLeft, rcBar.top + Box.nTop, rcBar.left + Box.nRight,
                       rcBar.top + Box.nBottom};
}

void Draw_Cell_Frame(CANVAS& Canvas, const CANVAS_RECT& rcBar, const TIMELINE_BOX& Cell, int nCell, uint32_t nRgb)
{
    SKETCH_RECORD Sketch;
    Init_Sketch_Record(Sketch);
    // A light jitter of our own seed: the same frame at every paint.
    Sketch.nSetting1 = 1;
    Sketch.nSetting2 = 17 * (nCell + 1);
    Sketch.nSetting3 = 6;
    start_new_path(Sketch, 0xC0000000u | nRgb);
    Set_Path_Width(Sketch, 1.3f);
    const double l = Cell.nLeft + FRAME_INSET;
    const double r = Cell.nRight - FRAME_INSET;
    Move_To(Sketch.Storage, l, FRAME_TOP);
    Line_To(Sketch.Storage, r, FRAME_TOP + 0.5);
    Line_To(Sketch.Storage, r - 0.5, FRAME_BOTTOM);
    Line_To(Sketch.Storage, l + 0.5, FRAME_BOTTOM - 0.5);
    Line_To(Sketch.Storage, l, FRAME_TOP);
    Render_Sketch_Paths(Canvas, Sketch, rcBar.left, rcBar.top, rcBar.Width(), rcBar.Height(), 0.0);
    Free_Sketch_Buffers(Sketch);
}

int Status_Bar_Width()
{
    return Get_Main_Window_Areas().StatusBar.Width();
}

}  // namespace

TIMELINE_LAYOUT Get_Status_Bar_Timeline_Layout(int nWidth)
{
    const CANVAS* pLeft = Left_Picture();
    return Layout_Timeline(nWidth, pLeft != nullptr ? pLeft->Width() : 0);
}

void Paint_Status_Bar_Strip(CANVAS& Canvas, const CANVAS_RECT& rcBar)
{
    if (rcBar.Is_Empty())
        return;
    const CANVAS_RECT rcOld = Canvas.Get_Clip();
    Canvas.Set_Clip(rcBar);
    Canvas.Fill_Linear_Gradient(rcBar, Rgb_Color(BAND_TOP_RGB), Rgb_Color(BAND_BOTTOM_RGB), true);
    Canvas.Fill_Rect(CANVAS_RECT{rcBar.left, rcBar.top + 2, rcBar.right, rcBar.top + 3}, Rgb_Color(BAND_LINE_RGB));
    const TIMELINE_LAYOUT Layout = Get_Status_Bar_Timeline_Layout(rcBar.Width());
    if (!Layout.bLaidOut) {
        Canvas.Set_Clip(rcOld);
        return;
    }
    const std::string Right = Get_Skin_File_Path(SKIN_STATUS_BAR_RIGHT);
    if (rcBar.Width() > Layout.nLeftWidth)
        Draw_Cached_Image(Canvas, Right.c_str(),
                          CANVAS_RECT{rcBar.left + Layout.nLeftWidth, rcBar.top, rcBar.right, rcBar.bottom});
    Draw_Cached_Image(Canvas, Get_Skin_File_Path(SKIN_STATUS_BAR_LEFT).c_str(), rcBar.left, rcBar.top);

    const TIMELINE_VIEW View = Get_Timeline_View();
    const unsigned nFlags = TEXT_SINGLELINE | TEXT_VCENTER | TEXT_END_ELLIPSIS;
    const CANVAS_FONT Bold{FONT_FAMILY_SANS, 12.0, true, false};
    const CANVAS_FONT Cell{FONT_FAMILY_SANS_CONDENSED, 12.0, true, false};
    Draw_Text_In_Box(Canvas, View.Record.c_str(), Bar_Rect(TIMELINE_RECORD_BOX, rcBar), nFlags | TEXT_CENTER, false,
                     Bold, Rgb_Color(RECORD_RGB));
    Draw_Text_In_Box(Canvas, View.Label.c_str(), Bar_Rect(TIMELINE_LABEL_BOX, rcBar), nFlags | TEXT_LEFT, false, Bold,
                     Rgb_Color(View.nTextRgb));
    for (int i = 0; i < TIMELINE_CELLS; ++i) {
        const TIMELINE_CELL& C = View.Cells[i];
        if (C.Text.empty())
            continue;
        Draw_Cell_Frame(Canvas, rcBar, Get_Timeline_Cell_Box(Layout, i), i, C.nRgb);
        Draw_Text_In_Box(Canvas, C.Text.c_str(), Bar_Rect(Get_Timeline_Cell_Text_Box(Layout, i), rcBar),
                         nFlags | TEXT_CENTER, false, Cell, Rgb_Color(C.nRgb));
    }
    Canvas.Set_Clip(rcOld);
}

void Status_Bar_Click(int x, int y)
{
    if (!g_bShown)
        return;
    Timeline_Click(Get_Status_Bar_Timeline_Layout(Status_Bar_Width()), x, y);
}

bool Is_Status_Bar_Hot_Spot(int x, int y)
{
    return g_bShown && Is_Timeline_Hot_Spot(Get_Status_Bar_Timeline_Layout(Status_Bar_Width()), x, y);
}

bool Get_Timeline_Part_Point(int nPart, int& x, int& y)
{
    if (!g_bShown)
        return false;
    const TIMELINE_LAYOUT Layout = Get_Status_Bar_Timeline_Layout(Status_Bar_Width());
    TIMELINE_BOX Box;
    if (nPart == TIMELINE_PART_PAGE)
        Box = TIMELINE_PAGE_BOX;
    else if (nPart == TIMELINE_PART_LABEL)
        Box = TIMELINE_ADVANCE_BOX;
    else
        Box = Get_Timeline_Cell_Box(Layout, nPart);
    if (!Layout.bLaidOut || Box.nRight <= Box.nLeft)
        return false;
    x = (Box.nLeft + Box.nRight) / 2;
    y = (Box.nTop + std::min(Box.nBottom, STATUS_BAR_HEIGHT)) / 2;
    return true;
}

CANVAS_RECT Draw_Timeline_Team_Logo(CANVAS& Canvas, const CANVAS_RECT& rcPage)
{
    std::string Path;
    const int nTeam = Get_Selected_Team();
    if (rcPage.Is_Empty() || nTeam < 0 || nTeam >= MAX_FRANCHISES || !Is_Team_Slot_Used(nTeam) ||
        !Get_Team_Logo_File(nTeam, Path))
        return CANVAS_RECT{};
    const CANVAS* pLogo = Load_File_Into_Bitmap_Cache(Path.c_str());
    if (pLogo == nullptr || pLogo->Is_Empty())
        return CANVAS_RECT{};
    const double fShrink = std::min(1.0, static_cast<double>(LOGO_MAX_SIZE) / std::max(pLogo->Width(), pLogo->Height()));
    const int cx = static_cast<int>(pLogo->Width() * fShrink);
    const int cy = static_cast<int>(pLogo->Height() * fShrink);
    const CANVAS_RECT rcLogo{rcPage.right - LOGO_RIGHT_MARGIN - cx, rcPage.bottom - cy, rcPage.right - LOGO_RIGHT_MARGIN,
                             rcPage.bottom};
    Draw_Cached_Image(Canvas, Path.c_str(), rcLogo);
    return rcLogo;
}
