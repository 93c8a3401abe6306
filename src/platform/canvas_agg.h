// Inside the canvas only: the rasteriser's view of a canvas. Included by the
// platform's drawing sources, never by a header other folders include.
#pragma once

#include <agg_pixfmt_rgba.h>
#include <agg_rasterizer_scanline_aa.h>
#include <agg_renderer_base.h>
#include <agg_rendering_buffer.h>
#include <agg_scanline_u.h>

#include "platform/canvas.h"

namespace canvas_agg {

using PIXEL_FORMAT = agg::pixfmt_bgra32_pre;
using RENDERER = agg::renderer_base<PIXEL_FORMAT>;

// A straight colour premultiplied in AGG's rounding.
agg::rgba8 Premultiplied(CANVAS_COLOR Colour);

// The buffer, pixel format, renderer and rasteriser of one drawing call,
// clipped to the canvas's clip rectangle.
struct TARGET {
    explicit TARGET(CANVAS& Canvas);
    agg::rendering_buffer Buffer;
    PIXEL_FORMAT Format;
    RENDERER Base;
    agg::rasterizer_scanline_aa<agg::rasterizer_sl_clip_dbl> Rasterizer;
    agg::scanline_u8 Scanline;
};

// Adds a vertex source to a rasteriser (its own add_path leaves the
// coordinates of a closing command unset, which GCC warns of).
template <class RASTERIZER, class SOURCE>
void Add_Path(RASTERIZER& Rasterizer, SOURCE& Source)
{
    double x = 0, y = 0;
    unsigned nCmd;
    Source.rewind(0);
    while (!agg::is_stop(nCmd = Source.vertex(&x, &y)))
        Rasterizer.add_vertex(x, y, nCmd);
}

}  // namespace canvas_agg
