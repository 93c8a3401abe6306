// The stroke-path list and its hand-drawn rendering.
#include "platform/sketch.h"

#include <agg_conv_curve.h>
#include <agg_conv_dash.h>
#include <agg_conv_stroke.h>
#include <agg_conv_transform.h>
#include <agg_path_storage.h>
#include <agg_pixfmt_rgba.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_renderer_base.h>
#include <agg_renderer_scanline.h>
#include <agg_rendering_buffer.h>
#include <agg_scanline_u.h>
#include <agg_trans_affine.h>

#include <algorithm>
#include <cmath>

#include "platform/canvas_agg.h"

namespace {

constexpr size_t PATH_GROWTH = 32;
// The display generator's seed: every render starts from it, so a repaint
// draws the same strokes.
constexpr uint32_t JITTER_SEED = 0x2545F491u;
// The jitter, in tenths of a pixel, when the third setting leaves it 0.
constexpr int DEFAULT_JITTER_TENTHS = 3;

// The display generator of the hand-drawn look (xorshift32); the game's
// generator is never drawn from for pictures.
struct DISPLAY_RANDOM {
    uint32_t nState;
    explicit DISPLAY_RANDOM(uint32_t nSeed) : nState(nSeed ? nSeed : 1) {}
    uint32_t Next()
    {
        nState ^= nState << 13;
        nState ^= nState >> 17;
        nState ^= nState << 5;
        return nState;
    }
    // Uniform in [-1, 1).
    double Signed() { return (Next() >> 8) * (2.0 / 16777216.0) - 1.0; }
};

using BLENDER = agg::comp_op_adaptor_rgba_pre<agg::rgba8, agg::order_bgra>;
using CUSTOM_FORMAT = agg::pixfmt_custom_blend_rgba<BLENDER, agg::rendering_buffer>;
using CUSTOM_RENDERER = agg::renderer_base<CUSTOM_FORMAT>;

SKETCH_PATH Default_Path(uint32_t nColor)
{
    SKETCH_PATH Path;
    Path.nColor = nColor;
    Set_Default_Path_Style(Path.Style);
    return Path;
}

SKETCH_PATH* Current_Path(SKETCH_RECORD& List)
{
    if (List.nPathCount <= 0 || static_cast<size_t>(List.nPathCount) > List.Paths.size())
        return nullptr;
    return &List.Paths[static_cast<size_t>(List.nPathCount) - 1];
}

agg::line_cap_e Cap_Of(int32_t n)
{
    return n == 1 ? agg::square_cap : n == 2 ? agg::round_cap : agg::butt_cap;
}

agg::line_join_e Join_Of(int32_t n)
{
    switch (n) {
    case 1: return agg::miter_join_revert;
    case 2: return agg::round_join;
    case 3: return agg::bevel_join;
    default: return agg::miter_join;
    }
}

agg::inner_join_e Inner_Join_Of(int32_t n)
{
    switch (n) {
    case 1: return agg::inner_miter;
    case 2: return agg::inner_jag;
    case 3: return agg::inner_round;
    default: return agg::inner_bevel;
    }
}

// A path's vertices in drawing units, its curves kept as curves.
void Build_Path(const SKETCH_STORAGE& Storage, size_t nFirst, size_t nEnd, agg::path_storage& Out)
{
    for (size_t i = nFirst; i < nEnd; ++i) {
        const SKETCH_VERTEX& v = Storage.Vertices[i];
        if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.rx) || !std::isfinite(v.ry) ||
            !std::isfinite(v.fAngle))
            continue;
        switch (v.nCommand) {
        case SKETCH_MOVE_TO: Out.move_to(v.x, v.y); break;
        case SKETCH_LINE_TO: Out.line_to(v.x, v.y); break;
        case SKETCH_ARC_TO:
            if (Out.total_vertices() == 0)
                Out.move_to(v.x, v.y);
            else
                Out.arc_to(v.rx, v.ry, v.fAngle, v.bLargeArc, v.bSweep, v.x, v.y);
            break;
        case SKETCH_CLOSE: Out.close_polygon(); break;
        default: break;
        }
    }
}

// Flattens a vertex source into a new path storage (moves, lines, closes).
template <class SOURCE>
void Flatten(SOURCE& Source, agg::path_storage& Out)
{
    Source.rewind(0);
    double x, y;
    unsigned nCmd;
    while (!agg::is_stop(nCmd = Source.vertex(&x, &y))) {
        if (agg::is_move_to(nCmd))
            Out.move_to(x, y);
        else if (agg::is_vertex(nCmd))
            Out.line_to(x, y);
        else if (agg::is_close(nCmd))
            Out.close_polygon();
    }
}

// The wavy outline: the flattened path resampled every pixel and moved
// along its normal by a sine wave.
void Squiggle(const agg::path_storage& In, double fAmplitude, double fFrequency, double fWander,
              DISPLAY_RANDOM& Random, agg::path_storage& Out)
{
    constexpr double PI = 3.14159265358979323846;
    double fPhase = 0;
    double fPrevX = 0, fPrevY = 0, fStartX = 0, fStartY = 0;
    double fAmp = fAmplitude;
    auto Segment = [&](double x0, double y0, double x1, double y1) {
        double dx = x1 - x0, dy = y1 - y0;
        double fLength = std::hypot(dx, dy);
        if (fLength <= 0)
            return;
        double nx = -dy / fLength, ny = dx / fLength;
        int nSteps = static_cast<int>(std::clamp(std::ceil(fLength), 1.0, 4096.0));
        for (int k = 1; k <= nSteps; ++k) {
            double t = double(k) / nSteps;
            fPhase += fLength / nSteps;
            if (k % 4 == 0)
                fAmp = fAmplitude * (1.0 + fWander * Random.Signed());
            double fOffset = fAmp * std::sin(2 * PI * fFrequency * fPhase);
            Out.line_to(x0 + dx * t + nx * fOffset, y0 + dy * t + ny * fOffset);
        }
    };
    for (unsigned i = 0; i < In.total_vertices(); ++i) {
        double x, y;
        unsigned nCmd = In.vertex(i, &x, &y);
        if (agg::is_move_to(nCmd)) {
            Out.move_to(x, y);
            fPrevX = fStartX = x;
            fPrevY = fStartY = y;
        } else if (agg::is_vertex(nCmd)) {
            Segment(fPrevX, fPrevY, x, y);
            fPrevX = x;
            fPrevY = y;
        } else if (agg::is_close(nCmd)) {
            Segment(fPrevX, fPrevY, fStartX, fStartY);
            fPrevX = fStartX;
            fPrevY = fStartY;
        }
    }
}

template <class SOURCE>
void Rasterise(CANVAS& Canvas, SOURCE& Source, const PATH_STYLE& Style, agg::rgba8 Colour)
{
    agg::rendering_buffer Buffer(Canvas.Pixels(), static_cast<unsigned>(Canvas.Width()),
                                 static_cast<unsigned>(Canvas.Height()), Canvas.Stride());
    CUSTOM_FORMAT Format(Buffer, Style.nCompositing >= 0 && Style.nCompositing < agg::end_of_comp_op_e
                                     ? unsigned(Style.nCompositing)
                                     : unsigned(agg::comp_op_src_over));
    CUSTOM_RENDERER Base(Format);
    CANVAS_RECT rc = Canvas.Get_Clip();
    if (rc.Is_Empty())
        return;
    Base.clip_box(rc.left, rc.top, rc.right - 1, rc.bottom - 1);
    agg::rasterizer_scanline_aa<agg::rasterizer_sl_clip_dbl> Rasterizer;
    Rasterizer.clip_box(rc.left, rc.top, rc.right, rc.bottom);
    Rasterizer.filling_rule(Style.nFillingRule == 1 ? agg::fill_even_odd : agg::fill_non_zero);
    canvas_agg::Add_Path(Rasterizer, Source);
    agg::scanline_u8 Scanline;
    agg::render_scanlines_aa_solid(Rasterizer, Scanline, Base, Colour);
}

template <class SOURCE>
void Stroke(CANVAS& Canvas, SOURCE& Source, const PATH_STYLE& Style, double fWidth, agg::rgba8 Colour)
{
    agg::conv_stroke<SOURCE> Stroker(Source);
    Stroker.width(fWidth);
    Stroker.line_cap(Cap_Of(Style.nLineCap));
    Stroker.line_join(Join_Of(Style.nLineJoin));
    Stroker.inner_join(Inner_Join_Of(Style.nInnerJoin));
    Rasterise(Canvas, Stroker, Style, Colour);
}

}  // namespace

void Init_Path_Storage(SKETCH_STORAGE& Storage)
{
    Storage.Vertices.clear();
}

void Move_To(SKETCH_STORAGE& Storage, double x, double y)
{
    SKETCH_VERTEX v;
    v.x = x, v.y = y, v.nCommand = SKETCH_MOVE_TO;
    Storage.Vertices.push_back(v);
}

void Line_To(SKETCH_STORAGE& Storage, double x, double y)
{
    SKETCH_VERTEX v;
    v.x = x, v.y = y, v.nCommand = SKETCH_LINE_TO;
    Storage.Vertices.push_back(v);
}

void Arc_To(SKETCH_STORAGE& Storage, double rx, double ry, double fAngle, bool bLargeArc, bool bSweep, double x,
            double y)
{
    SKETCH_VERTEX v;
    v.x = x, v.y = y, v.rx = rx, v.ry = ry, v.fAngle = fAngle;
    v.bLargeArc = bLargeArc, v.bSweep = bSweep, v.nCommand = SKETCH_ARC_TO;
    Storage.Vertices.push_back(v);
}

void Close_Polygon(SKETCH_STORAGE& Storage)
{
    SKETCH_VERTEX v;
    v.nCommand = SKETCH_CLOSE;
    if (!Storage.Vertices.empty()) {
        v.x = Storage.Vertices.back().x;
        v.y = Storage.Vertices.back().y;
    }
    Storage.Vertices.push_back(v);
}

void Add_Path_Point(SKETCH_STORAGE& Storage, double x, double y, double rx, double ry)
{
    if (rx <= 0 || ry <= 0) {
        // A dot: a point the round cap of the stroke draws.
        Move_To(Storage, x, y);
        Line_To(Storage, x, y);
        return;
    }
    Move_To(Storage, x + rx, y);
    Arc_To(Storage, rx, ry, 0.0, false, true, x - rx, y);
    Arc_To(Storage, rx, ry, 0.0, false, true, x + rx, y);
    Close_Polygon(Storage);
}

void Set_Default_Path_Style(PATH_STYLE& Style)
{
    Style.nLineCap = 2;     // round
    Style.nLineJoin = 2;    // round
    Style.nInnerJoin = 0;   // bevel
    Style.nFillingRule = 0; // non-zero winding
    Style.nCompositing = 3; // source-over
}

void Init_Sketch_Record(SKETCH_RECORD& List)
{
    List = SKETCH_RECORD{};
}

void Free_Sketch_Buffers(SKETCH_RECORD& List)
{
    std::vector<SKETCH_PATH>().swap(List.Paths);
    std::vector<SKETCH_VERTEX>().swap(List.Storage.Vertices);
    List.nPathCount = 0;
}

int start_new_path(SKETCH_RECORD& List, int64_t nColor)
{
    if (List.nPathCount < 0 || static_cast<size_t>(List.nPathCount) > List.Paths.size())
        List.nPathCount = static_cast<int>(List.Paths.size());
    SKETCH_PATH Path;
    const SKETCH_PATH* pPrevious = Current_Path(List);
    if (nColor == -1 && pPrevious)
        Path = *pPrevious;
    else
        Path = Default_Path(nColor == -1 ? 0xFF000000u : static_cast<uint32_t>(nColor));
    Path.nFirstVertex = static_cast<int32_t>(List.Storage.Vertices.size());
    if (static_cast<size_t>(List.nPathCount) == List.Paths.size())
        List.Paths.resize(List.Paths.size() + PATH_GROWTH);
    List.Paths[static_cast<size_t>(List.nPathCount)] = Path;
    return List.nPathCount++;
}

void Set_Path_Width(SKETCH_RECORD& List, float fWidth)
{
    if (SKETCH_PATH* p = Current_Path(List))
        p->fWidth = fWidth;
}

void Set_Path_Fill(SKETCH_RECORD& List, uint32_t nFillColor)
{
    if (SKETCH_PATH* p = Current_Path(List)) {
        p->nColor2 = nFillColor;
        p->nFill = 1;
    }
}

void Squiggle_Path(SKETCH_RECORD& List, double fAmplitude, double fFrequency, double fWander)
{
    if (SKETCH_PATH* p = Current_Path(List)) {
        p->nShape = SKETCH_SHAPE_SQUIGGLE;
        p->fShape1 = static_cast<float>(fAmplitude);
        p->fShape2 = static_cast<float>(fFrequency);
        p->fShape3 = static_cast<float>(fWander);
    }
}

void Dot_Path(SKETCH_RECORD& List, double fDot, double fGap)
{
    if (SKETCH_PATH* p = Current_Path(List)) {
        p->nShape = SKETCH_SHAPE_DOTTED;
        p->fShape1 = static_cast<float>(fDot);
        p->fShape2 = static_cast<float>(fGap);
        p->fShape3 = 0;
    }
}

void Render_Sketch_Paths(CANVAS& Canvas, const SKETCH_RECORD& List, int x, int y, int nWidth, int nHeight,
                         double fRotation)
{
    if (Canvas.Is_Empty() || nWidth <= 0 || nHeight <= 0 || List.nPathCount <= 0)
        return;
    // Units to pixels: the view rectangle onto the drawing rectangle, else the scale.
    agg::trans_affine Transform;
    double fUnit;
    int nViewWidth = List.nViewRight - List.nViewLeft;
    int nViewHeight = List.nViewBottom - List.nViewTop;
    if (nViewWidth != 0 && nViewHeight != 0) {
        double sx = double(nWidth) / nViewWidth, sy = double(nHeight) / nViewHeight;
        Transform *= agg::trans_affine_translation(-List.nViewLeft, -List.nViewTop);
        Transform *= agg::trans_affine_scaling(sx, sy);
        fUnit = std::sqrt(std::fabs(sx * sy));
    } else {
        fUnit = List.fScale > 0 ? List.fScale : 1.0;
        Transform *= agg::trans_affine_scaling(fUnit);
    }
    Transform *= agg::trans_affine_translation(x, y);
    if (fRotation != 0) {
        double cx = x + nWidth / 2.0, cy = y + nHeight / 2.0;
        Transform *= agg::trans_affine_translation(-cx, -cy);
        Transform *= agg::trans_affine_rotation(fRotation);
        Transform *= agg::trans_affine_translation(cx, cy);
    }

    CANVAS_RECT rcOldClip = Canvas.Get_Clip();
    CANVAS_RECT rcClip{std::max(x, rcOldClip.left), std::max(y, rcOldClip.top),
                       std::min(x + nWidth, rcOldClip.right), std::min(y + nHeight, rcOldClip.bottom)};
    if (rcClip.Is_Empty())
        return;
    Canvas.Set_Clip(rcClip);

    bool bJitter = List.nSetting1 != 0;
    double fJitter = (List.nSetting3 > 0 ? List.nSetting3 : DEFAULT_JITTER_TENTHS) / 10.0;
    bool bOverride = (List.nOverrideColor >> 24) != 0;
    size_t nPaths = std::min(static_cast<size_t>(List.nPathCount), List.Paths.size());
    size_t nVertices = List.Storage.Vertices.size();
    for (size_t i = 0; i < nPaths; ++i) {
        const SKETCH_PATH& Path = List.Paths[i];
        size_t nFirst = static_cast<size_t>(std::max(Path.nFirstVertex, 0));
        size_t nEnd = i + 1 < nPaths ? static_cast<size_t>(std::max(List.Paths[i + 1].nFirstVertex, 0)) : nVertices;
        nEnd = std::min(nEnd, nVertices);
        if (nFirst >= nEnd)
            continue;
        DISPLAY_RANDOM Random(JITTER_SEED + static_cast<uint32_t>(List.nSetting2) * 0x9E3779B9u +
                              static_cast<uint32_t>(i) * 0x85EBCA6Bu);

        agg::path_storage Units;
        Build_Path(List.Storage, nFirst, nEnd, Units);
        agg::conv_curve<agg::path_storage> Curves(Units);
        agg::conv_transform<agg::conv_curve<agg::path_storage>> Placed(Curves, Transform);
        agg::path_storage Pixels;
        Flatten(Placed, Pixels);
        if (bJitter) {
            for (unsigned k = 0; k < Pixels.total_vertices(); ++k) {
                double vx, vy;
                if (agg::is_vertex(Pixels.vertex(k, &vx, &vy)))
                    Pixels.modify_vertex(k, vx + fJitter * Random.Signed(), vy + fJitter * Random.Signed());
            }
        }

        uint32_t nLine = bOverride ? List.nOverrideColor : Path.nColor;
        uint32_t nFill = bOverride ? List.nOverrideColor : ((Path.nColor2 >> 24) != 0 ? Path.nColor2 : Path.nColor);
        double fWidth = Path.fWidth * fUnit;
        if (Path.nFill)
            Rasterise(Canvas, Pixels, Path.Style, canvas_agg::Premultiplied(Argb_Color(nFill)));
        if (fWidth <= 0 || (nLine >> 24) == 0)
            continue;
        agg::rgba8 Line = canvas_agg::Premultiplied(Argb_Color(nLine));
        if (Path.nShape == SKETCH_SHAPE_SQUIGGLE) {
            agg::path_storage Wavy;
            Squiggle(Pixels, Path.fShape1 * fWidth, Path.fShape2, Path.fShape3, Random, Wavy);
            Stroke(Canvas, Wavy, Path.Style, fWidth, Line);
        } else if (Path.nShape == SKETCH_SHAPE_DOTTED && (Path.fShape1 + Path.fShape2) * fWidth >= 0.5) {
            agg::conv_dash<agg::path_storage> Dashes(Pixels);
            Dashes.add_dash(std::max(0.0, double(Path.fShape1)) * fWidth,
                            std::max(0.0, double(Path.fShape2)) * fWidth);
            Stroke(Canvas, Dashes, Path.Style, fWidth, Line);
        } else {
            Stroke(Canvas, Pixels, Path.Style, fWidth, Line);
        }
    }
    Canvas.Set_Clip(rcOldClip);
}
