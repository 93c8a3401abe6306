// Painting the pages on the canvas: a page's layout scaled from the design
// space into an area of the canvas (x by width / 768, y by height / 507, as
// Enlarge_Rectangle scales), every stroke clipped to that area.
#pragma once

#include "pages/page_layout.h"
#include "platform/canvas.h"

// The newspaper's colours.
constexpr uint32_t PAGE_PAPER_RGB = 0xF6F2E7;
constexpr uint32_t PAGE_INK_RGB = 0x1C1B19;
constexpr uint32_t PAGE_SHADE_RGB = 0xE7E0CE;
constexpr uint32_t PAGE_GREY_INK_RGB = 0x5A5650;

// A design rectangle in the area's pixels.
CANVAS_RECT Scale_Page_Rect(const PAGE_RECT& Box, const CANVAS_RECT& rcArea);
// The font a kind of type is set in, for an area of that size.
CANVAS_FONT Page_Type_Font(int nType, const CANVAS_RECT& rcArea);

// Paints a layout into the area (clipped to it and to the canvas).
void Paint_Page_Layout(CANVAS& Canvas, const PAGE_LAYOUT& Layout, const CANVAS_RECT& rcArea);
// Lays out the page and paints it.
void Paint_Main_Page(CANVAS& Canvas, int nPage, const CANVAS_RECT& rcArea);

// The page-cache marker the game view reads: the page last painted, -1 after
// a reset (the next paint rebuilds what it caches).
int Get_Page_Cache_Marker();
void Set_Page_Cache_Marker(int nMarker);
