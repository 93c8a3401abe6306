// The canvas's pixels and shapes, rasterised by AGG onto premultiplied BGRA.
#include "platform/canvas.h"

#include <agg_basics.h>
#include <agg_conv_curve.h>
#include <agg_conv_stroke.h>
#include <agg_curves.h>
#include <agg_ellipse.h>
#include <agg_path_storage.h>
#include <agg_pixfmt_rgba.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_renderer_base.h>
#include <agg_renderer_scanline.h>
#include <agg_rendering_buffer.h>
#include <agg_rounded_rect.h>
#include <agg_scanline_u.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/canvas_agg.h"

namespace canvas_agg {

agg::rgba8 Premultiplied(CANVAS_COLOR Colour)
{
    agg::rgba8 c(Colour.r, Colour.g, Colour.b, Colour.a);
    c.premultiply();
    return c;
}

TARGET::TARGET(CANVAS& Canvas)
    : Buffer(Canvas.Pixels(), static_cast<unsigned>(Canvas.Width()), static_cast<unsigned>(Canvas.Height()),
             Canvas.Stride()),
      Format(Buffer), Base(Format)
{
    CANVAS_RECT rc = Canvas.Get_Clip();
    if (rc.Is_Empty())
        Base.clip_box(1, 1, 0, 0);  // nothing drawn
    else
        Base.clip_box(rc.left, rc.top, rc.right - 1, rc.bottom - 1);
    Rasterizer.clip_box(rc.left, rc.top, rc.right, rc.bottom);
}

}  // namespace canvas_agg

using canvas_agg::Premultiplied;
using canvas_agg::TARGET;

namespace {

template <class SOURCE>
void Fill_Source(CANVAS& Canvas, SOURCE& Source, CANVAS_COLOR Colour)
{
    if (Canvas.Is_Empty() || Colour.a == 0)
        return;
    TARGET Target(Canvas);
    canvas_agg::Add_Path(Target.Rasterizer, Source);
    agg::render_scanlines_aa_solid(Target.Rasterizer, Target.Scanline, Target.Base, Premultiplied(Colour));
}

template <class SOURCE>
void Stroke_Source(CANVAS& Canvas, SOURCE& Source, double fWidth, CANVAS_COLOR Colour)
{
    if (fWidth <= 0)
        return;
    agg::conv_stroke<SOURCE> Stroke(Source);
    Stroke.width(fWidth);
    Stroke.line_cap(agg::butt_cap);
    Stroke.line_join(agg::miter_join);
    Fill_Source(Canvas, Stroke, Colour);
}

bool Valid_Size(int nWidth, int nHeight)
{
    return nWidth > 0 && nHeight > 0 && nWidth <= CANVAS::MAX_SIDE && nHeight <= CANVAS::MAX_SIDE;
}

// p + q - p x a, in AGG's exact rounding of x / 255.
inline uint8_t Multiply(unsigned a, unsigned b)
{
    unsigned t = a * b + 128;
    return static_cast<uint8_t>(((t >> 8) + t) >> 8);
}

inline void Blend_Premultiplied(uint8_t* p, unsigned b, unsigned g, unsigned r, unsigned a)
{
    if (a == 255) {
        p[0] = uint8_t(b), p[1] = uint8_t(g), p[2] = uint8_t(r), p[3] = 255;
        return;
    }
    if (a == 0 && b == 0 && g == 0 && r == 0)
        return;
    p[0] = uint8_t(p[0] + b - Multiply(p[0], a));
    p[1] = uint8_t(p[1] + g - Multiply(p[1], a));
    p[2] = uint8_t(p[2] + r - Multiply(p[2], a));
    p[3] = uint8_t(p[3] + a - Multiply(p[3], a));
}

}  // namespace

CANVAS::CANVAS(int nWidth, int nHeight)
{
    Resize(nWidth, nHeight);
}

CANVAS::CANVAS(uint8_t* pPixels, int nWidth, int nHeight, int nStride)
{
    if (pPixels && Valid_Size(nWidth, nHeight) && nStride >= nWidth * 4) {
        m_pPixels = pPixels;
        m_nWidth = nWidth;
        m_nHeight = nHeight;
        m_nStride = nStride;
    }
    Reset_Clip();
}

CANVAS::CANVAS(const CANVAS& Other)
{
    *this = Other;
}

CANVAS& CANVAS::operator=(const CANVAS& Other)
{
    if (this == &Other)
        return *this;
    m_Owned = Other.m_Owned;
    m_pPixels = Other.m_Owned.empty() ? Other.m_pPixels : m_Owned.data();
    m_nWidth = Other.m_nWidth;
    m_nHeight = Other.m_nHeight;
    m_nStride = Other.m_nStride;
    m_rcClip = Other.m_rcClip;
    return *this;
}

CANVAS::CANVAS(CANVAS&& Other) noexcept
{
    *this = std::move(Other);
}

CANVAS& CANVAS::operator=(CANVAS&& Other) noexcept
{
    if (this == &Other)
        return *this;
    bool bOwned = !Other.m_Owned.empty();
    m_Owned = std::move(Other.m_Owned);
    m_pPixels = bOwned ? m_Owned.data() : Other.m_pPixels;
    m_nWidth = Other.m_nWidth;
    m_nHeight = Other.m_nHeight;
    m_nStride = Other.m_nStride;
    m_rcClip = Other.m_rcClip;
    Other.m_Owned.clear();
    Other.m_pPixels = nullptr;
    Other.m_nWidth = Other.m_nHeight = Other.m_nStride = 0;
    Other.m_rcClip = CANVAS_RECT{};
    return *this;
}

bool CANVAS::Resize(int nWidth, int nHeight)
{
    m_Owned.clear();
    m_pPixels = nullptr;
    m_nWidth = m_nHeight = m_nStride = 0;
    bool bOk = Valid_Size(nWidth, nHeight);
    if (bOk) {
        m_Owned.assign(static_cast<size_t>(nWidth) * 4 * static_cast<size_t>(nHeight), 0);
        m_pPixels = m_Owned.data();
        m_nWidth = nWidth;
        m_nHeight = nHeight;
        m_nStride = nWidth * 4;
    }
    Reset_Clip();
    return bOk;
}

uint32_t CANVAS::Get_Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return 0;
    const uint8_t* p = Row(y) + x * 4;
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

void CANVAS::Set_Clip(const CANVAS_RECT& rcClip)
{
    m_rcClip.left = std::clamp(rcClip.left, 0, m_nWidth);
    m_rcClip.top = std::clamp(rcClip.top, 0, m_nHeight);
    m_rcClip.right = std::clamp(rcClip.right, m_rcClip.left, m_nWidth);
    m_rcClip.bottom = std::clamp(rcClip.bottom, m_rcClip.top, m_nHeight);
}

void CANVAS::Reset_Clip()
{
    m_rcClip = CANVAS_RECT{0, 0, m_nWidth, m_nHeight};
}

void CANVAS::Clear(CANVAS_COLOR Colour)
{
    if (Is_Empty() || m_rcClip.Is_Empty())
        return;
    TARGET Target(*this);
    Target.Base.copy_bar(m_rcClip.left, m_rcClip.top, m_rcClip.right - 1, m_rcClip.bottom - 1,
                         Premultiplied(Colour));
}

void CANVAS::Fill_Rect(const CANVAS_RECT& rc, CANVAS_COLOR Colour)
{
    if (Is_Empty() || rc.Is_Empty() || Colour.a == 0)
        return;
    TARGET Target(*this);
    Target.Base.blend_bar(rc.left, rc.top, rc.right - 1, rc.bottom - 1, Premultiplied(Colour), agg::cover_full);
}

void CANVAS::Stroke_Rect(const CANVAS_RECT& rc, double fWidth, CANVAS_COLOR Colour)
{
    if (rc.Is_Empty())
        return;
    double h = fWidth / 2;
    agg::path_storage Path;
    Path.move_to(rc.left + h, rc.top + h);
    Path.line_to(rc.right - h, rc.top + h);
    Path.line_to(rc.right - h, rc.bottom - h);
    Path.line_to(rc.left + h, rc.bottom - h);
    Path.close_polygon();
    Stroke_Source(*this, Path, fWidth, Colour);
}

void CANVAS::Draw_Line(double x1, double y1, double x2, double y2, double fWidth, CANVAS_COLOR Colour)
{
    agg::path_storage Path;
    Path.move_to(x1, y1);
    Path.line_to(x2, y2);
    Stroke_Source(*this, Path, fWidth, Colour);
}

void CANVAS::Draw_Polyline(const CANVAS_POINT* pPoints, int nCount, double fWidth, CANVAS_COLOR Colour, bool bClosed)
{
    if (!pPoints || nCount < 2)
        return;
    agg::path_storage Path;
    Path.move_to(pPoints[0].x, pPoints[0].y);
    for (int i = 1; i < nCount; ++i)
        Path.line_to(pPoints[i].x, pPoints[i].y);
    if (bClosed)
        Path.close_polygon();
    Stroke_Source(*this, Path, fWidth, Colour);
}

void CANVAS::Fill_Polygon(const CANVAS_POINT* pPoints, int nCount, CANVAS_COLOR Colour)
{
    if (!pPoints || nCount < 3)
        return;
    agg::path_storage Path;
    Path.move_to(pPoints[0].x, pPoints[0].y);
    for (int i = 1; i < nCount; ++i)
        Path.line_to(pPoints[i].x, pPoints[i].y);
    Path.close_polygon();
    Fill_Source(*this, Path, Colour);
}

void CANVAS::Fill_Ellipse(double cx, double cy, double rx, double ry, CANVAS_COLOR Colour)
{
    if (rx <= 0 || ry <= 0)
        return;
    agg::ellipse Ellipse(cx, cy, rx, ry);
    Ellipse.approximation_scale(4.0);  // round even when small
    Fill_Source(*this, Ellipse, Colour);
}

void CANVAS::Stroke_Ellipse(double cx, double cy, double rx, double ry, double fWidth, CANVAS_COLOR Colour)
{
    if (rx <= 0 || ry <= 0)
        return;
    agg::ellipse Ellipse(cx, cy, rx, ry);
    Ellipse.approximation_scale(4.0);
    Stroke_Source(*this, Ellipse, fWidth, Colour);
}

void CANVAS::Fill_Rounded_Rect(const CANVAS_RECT& rc, double fRadius, CANVAS_COLOR Colour)
{
    if (rc.Is_Empty())
        return;
    double r = std::clamp(fRadius, 0.0, std::min(rc.Width(), rc.Height()) / 2.0);
    agg::rounded_rect Shape(rc.left, rc.top, rc.right, rc.bottom, r);
    Shape.normalize_radius();
    Shape.approximation_scale(4.0);  // smooth corners even at small radii
    Fill_Source(*this, Shape, Colour);
}

void CANVAS::Stroke_Rounded_Rect(const CANVAS_RECT& rc, double fRadius, double fWidth, CANVAS_COLOR Colour)
{
    if (rc.Is_Empty())
        return;
    double h = fWidth / 2;
    double r = std::clamp(fRadius, 0.0, std::max(0.0, std::min(rc.Width(), rc.Height()) / 2.0 - h));
    agg::rounded_rect Shape(rc.left + h, rc.top + h, rc.right - h, rc.bottom - h, r);
    Shape.normalize_radius();
    Shape.approximation_scale(4.0);
    Stroke_Source(*this, Shape, fWidth, Colour);
}

void CANVAS::Stroke_Bezier(CANVAS_POINT p0, CANVAS_POINT p1, CANVAS_POINT p2, CANVAS_POINT p3, double fWidth,
                           CANVAS_COLOR Colour)
{
    agg::path_storage Path;
    Path.move_to(p0.x, p0.y);
    Path.curve4(p1.x, p1.y, p2.x, p2.y, p3.x, p3.y);
    agg::conv_curve<agg::path_storage> Curve(Path);
    Stroke_Source(*this, Curve, fWidth, Colour);
}

namespace {

CANVAS_COLOR Mix(CANVAS_COLOR a, CANVAS_COLOR b, double t)
{
    auto Channel = [t](uint8_t x, uint8_t y) {
        return static_cast<uint8_t>(std::lround(x + (double(y) - double(x)) * t));
    };
    return CANVAS_COLOR{Channel(a.r, b.r), Channel(a.g, b.g), Channel(a.b, b.b), Channel(a.a, b.a)};
}

CANVAS_RECT Intersect(const CANVAS_RECT& a, const CANVAS_RECT& b)
{
    CANVAS_RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                  std::min(a.bottom, b.bottom)};
    if (r.Is_Empty())
        return CANVAS_RECT{};
    return r;
}

}  // namespace

void CANVAS::Fill_Linear_Gradient(const CANVAS_RECT& rc, CANVAS_COLOR From, CANVAS_COLOR To, bool bVertical)
{
    CANVAS_RECT rcDraw = Intersect(rc, m_rcClip);
    if (rcDraw.Is_Empty())
        return;
    int nSpan = bVertical ? rc.Height() : rc.Width();
    TARGET Target(*this);
    if (bVertical) {
        for (int y = rcDraw.top; y < rcDraw.bottom; ++y) {
            double t = nSpan > 1 ? double(y - rc.top) / (nSpan - 1) : 0.0;
            Target.Base.blend_hline(rcDraw.left, y, rcDraw.right - 1, Premultiplied(Mix(From, To, t)),
                                    agg::cover_full);
        }
    } else {
        for (int x = rcDraw.left; x < rcDraw.right; ++x) {
            double t = nSpan > 1 ? double(x - rc.left) / (nSpan - 1) : 0.0;
            Target.Base.blend_vline(x, rcDraw.top, rcDraw.bottom - 1, Premultiplied(Mix(From, To, t)),
                                    agg::cover_full);
        }
    }
}

void CANVAS::Fill_Radial_Gradient(const CANVAS_RECT& rc, double cx, double cy, double fRadius, CANVAS_COLOR Inner,
                                  CANVAS_COLOR Outer)
{
    CANVAS_RECT rcDraw = Intersect(rc, m_rcClip);
    if (rcDraw.Is_Empty())
        return;
    for (int y = rcDraw.top; y < rcDraw.bottom; ++y) {
        uint8_t* p = Row(y) + rcDraw.left * 4;
        for (int x = rcDraw.left; x < rcDraw.right; ++x, p += 4) {
            double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            double t = fRadius > 0 ? std::min(d / fRadius, 1.0) : 1.0;
            agg::rgba8 c = Premultiplied(Mix(Inner, Outer, t));
            Blend_Premultiplied(p, c.b, c.g, c.r, c.a);
        }
    }
}

void CANVAS::Draw_Canvas(const CANVAS& Source, int x, int y)
{
    if (Is_Empty() || Source.Is_Empty())
        return;
    CANVAS_RECT rcDraw = Intersect(CANVAS_RECT{x, y, x + Source.Width(), y + Source.Height()}, m_rcClip);
    for (int ty = rcDraw.top; ty < rcDraw.bottom; ++ty) {
        const uint8_t* s = Source.Row(ty - y) + (rcDraw.left - x) * 4;
        uint8_t* d = Row(ty) + rcDraw.left * 4;
        for (int tx = rcDraw.left; tx < rcDraw.right; ++tx, s += 4, d += 4)
            Blend_Premultiplied(d, s[0], s[1], s[2], s[3]);
    }
}

void CANVAS::Draw_Canvas_Scaled(const CANVAS& Source, const CANVAS_RECT& rcDest)
{
    if (Is_Empty() || Source.Is_Empty() || rcDest.Is_Empty())
        return;
    if (rcDest.Width() == Source.Width() && rcDest.Height() == Source.Height()) {
        Draw_Canvas(Source, rcDest.left, rcDest.top);
        return;
    }
    CANVAS_RECT rcDraw = Intersect(rcDest, m_rcClip);
    if (rcDraw.Is_Empty())
        return;
    double fScaleX = double(Source.Width()) / rcDest.Width();
    double fScaleY = double(Source.Height()) / rcDest.Height();
    int nMaxX = Source.Width() - 1, nMaxY = Source.Height() - 1;
    for (int ty = rcDraw.top; ty < rcDraw.bottom; ++ty) {
        double sy = std::clamp((ty - rcDest.top + 0.5) * fScaleY - 0.5, 0.0, double(nMaxY));
        int y0 = static_cast<int>(sy);
        int y1 = std::min(y0 + 1, nMaxY);
        double fy = sy - y0;
        uint8_t* d = Row(ty) + rcDraw.left * 4;
        for (int tx = rcDraw.left; tx < rcDraw.right; ++tx, d += 4) {
            double sx = std::clamp((tx - rcDest.left + 0.5) * fScaleX - 0.5, 0.0, double(nMaxX));
            int x0 = static_cast<int>(sx);
            int x1 = std::min(x0 + 1, nMaxX);
            double fx = sx - x0;
            const uint8_t* a = Source.Row(y0) + x0 * 4;
            const uint8_t* b = Source.Row(y0) + x1 * 4;
            const uint8_t* c = Source.Row(y1) + x0 * 4;
            const uint8_t* e = Source.Row(y1) + x1 * 4;
            unsigned v[4];
            for (int k = 0; k < 4; ++k) {
                double top = a[k] + (b[k] - a[k]) * fx;
                double bottom = c[k] + (e[k] - c[k]) * fx;
                v[k] = static_cast<unsigned>(std::lround(top + (bottom - top) * fy));
            }
            // Interpolated premultiplied channels never exceed alpha but may by rounding.
            v[0] = std::min(v[0], v[3]), v[1] = std::min(v[1], v[3]), v[2] = std::min(v[2], v[3]);
            Blend_Premultiplied(d, v[0], v[1], v[2], v[3]);
        }
    }
}
