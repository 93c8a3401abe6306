#include "pages/page_paint.h"

#include <algorithm>
#include <cmath>

namespace {

int g_nPageCacheMarker = -1;

CANVAS_RECT Intersect(const CANVAS_RECT& a, const CANVAS_RECT& b)
{
    CANVAS_RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                  std::min(a.bottom, b.bottom)};
    if (r.right < r.left)
        r.right = r.left;
    if (r.bottom < r.top)
        r.bottom = r.top;
    return r;
}

unsigned Align_Flags(int nAlign)
{
    const unsigned nBase = TEXT_SINGLELINE | TEXT_VCENTER | TEXT_END_ELLIPSIS;
    switch (nAlign) {
    case ALIGN_CENTRE:
        return nBase | TEXT_CENTER;
    case ALIGN_RIGHT:
        return nBase | TEXT_RIGHT;
    default:
        return nBase | TEXT_LEFT;
    }
}

}  // namespace

CANVAS_RECT Scale_Page_Rect(const PAGE_RECT& Box, const CANVAS_RECT& rcArea)
{
    const long long w = rcArea.Width();
    const long long h = rcArea.Height();
    CANVAS_RECT rc;
    rc.left = rcArea.left + static_cast<int>(Box.nLeft * w / PAGE_DESIGN_WIDTH);
    rc.right = rcArea.left + static_cast<int>(Box.nRight * w / PAGE_DESIGN_WIDTH);
    rc.top = rcArea.top + static_cast<int>(Box.nTop * h / PAGE_DESIGN_HEIGHT);
    rc.bottom = rcArea.top + static_cast<int>(Box.nBottom * h / PAGE_DESIGN_HEIGHT);
    return rc;
}

CANVAS_FONT Page_Type_Font(int nType, const CANVAS_RECT& rcArea)
{
    // Type grows with the smaller of the two scales, so a line set for the
    // design width still fits a narrower window.
    const double fScale = std::min(static_cast<double>(rcArea.Width()) / PAGE_DESIGN_WIDTH,
                                   static_cast<double>(rcArea.Height()) / PAGE_DESIGN_HEIGHT);
    CANVAS_FONT Font;
    switch (nType) {
    case TYPE_MASTHEAD:
        Font = CANVAS_FONT{FONT_FAMILY_SERIF, 28.0, true, false};
        break;
    case TYPE_HEADLINE:
        Font = CANVAS_FONT{FONT_FAMILY_SERIF, 20.0, true, false};
        break;
    case TYPE_SUBHEAD:
        Font = CANVAS_FONT{FONT_FAMILY_SERIF, 12.5, true, false};
        break;
    case TYPE_BODY_BOLD:
        Font = CANVAS_FONT{FONT_FAMILY_SANS_CONDENSED, 10.5, true, false};
        break;
    case TYPE_SMALL:
        Font = CANVAS_FONT{FONT_FAMILY_SANS_CONDENSED, 9.5, false, false};
        break;
    default:
        Font = CANVAS_FONT{FONT_FAMILY_SANS_CONDENSED, 10.5, false, false};
        break;
    }
    Font.fHeight = std::max(4.0, Font.fHeight * fScale);
    return Font;
}

void Paint_Page_Layout(CANVAS& Canvas, const PAGE_LAYOUT& Layout, const CANVAS_RECT& rcArea)
{
    const CANVAS_RECT rcClip = Intersect(rcArea, Canvas.Bounds());
    if (rcClip.Is_Empty())
        return;
    const CANVAS_RECT rcOldClip = Canvas.Get_Clip();
    Canvas.Set_Clip(rcClip);
    const double fScaleX = static_cast<double>(rcArea.Width()) / PAGE_DESIGN_WIDTH;
    const double fScaleY = static_cast<double>(rcArea.Height()) / PAGE_DESIGN_HEIGHT;
    Canvas.Fill_Rect(rcArea, Rgb_Color(PAGE_PAPER_RGB));
    for (const PAGE_RECT& Shade : Layout.Shades)
        Canvas.Fill_Rect(Scale_Page_Rect(Shade, rcArea), Rgb_Color(PAGE_SHADE_RGB));
    for (const PAGE_RULE& Rule : Layout.Rules) {
        CANVAS_RECT rc = Scale_Page_Rect(Rule.Line, rcArea);
        // Every rule of a weight is equally thick, and never thinner than a
        // pixel, whatever the scale.
        if (Rule.Line.Width() >= Rule.Line.Height())
            rc.bottom = rc.top + std::max(1, static_cast<int>(std::lround(Rule.nWeight * fScaleY)));
        else
            rc.right = rc.left + std::max(1, static_cast<int>(std::lround(Rule.nWeight * fScaleX)));
        Canvas.Fill_Rect(rc, Rgb_Color(PAGE_INK_RGB));
    }
    for (const PAGE_TEXT& Text : Layout.Texts) {
        const CANVAS_RECT rc = Intersect(Scale_Page_Rect(Text.Box, rcArea), rcClip);
        if (rc.Is_Empty() || Text.Text.empty())
            continue;
        const uint32_t nInk = Text.nType == TYPE_SMALL ? PAGE_GREY_INK_RGB : PAGE_INK_RGB;
        Draw_Text_In_Box(Canvas, Text.Text.c_str(), rc, Align_Flags(Text.nAlign), false,
                         Page_Type_Font(Text.nType, rcArea), Rgb_Color(nInk));
    }
    Canvas.Set_Clip(rcOldClip);
    g_nPageCacheMarker = Layout.nPage;
}

void Paint_Main_Page(CANVAS& Canvas, int nPage, const CANVAS_RECT& rcArea)
{
    Paint_Page_Layout(Canvas, Layout_Main_Page(nPage), rcArea);
}

int Get_Page_Cache_Marker()
{
    return g_nPageCacheMarker;
}

void Set_Page_Cache_Marker(int nMarker)
{
    g_nPageCacheMarker = nMarker;
}
