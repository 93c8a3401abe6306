// The hand-drawn vector drawing of play diagrams and frames: a list of stroke
// paths, each with its colour, width, fill and shape, kept in one vertex
// storage, and rendered onto a canvas with a small jitter from a display
// generator of ours (never the game's), so a repaint gives the same picture.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/canvas.h"

// The commands of the vertex storage.
enum SKETCH_COMMAND : uint8_t {
    SKETCH_MOVE_TO = 1,
    SKETCH_LINE_TO = 2,
    SKETCH_ARC_TO = 3,   // an elliptical arc to (x, y): radii, rotation, flags
    SKETCH_CLOSE = 4
};

struct SKETCH_VERTEX {
    double x = 0, y = 0;
    // Arc-to only: the radii, the ellipse's rotation (radians), and the
    // large-arc and sweep flags.
    double rx = 0, ry = 0, fAngle = 0;
    uint8_t nCommand = SKETCH_MOVE_TO;
    bool bLargeArc = false;
    bool bSweep = false;
};

// The vertex storage: every path's vertices one after another.
struct SKETCH_STORAGE {
    std::vector<SKETCH_VERTEX> Vertices;
};
void Init_Path_Storage(SKETCH_STORAGE& Storage);
void Move_To(SKETCH_STORAGE& Storage, double x, double y);
void Line_To(SKETCH_STORAGE& Storage, double x, double y);
void Arc_To(SKETCH_STORAGE& Storage, double rx, double ry, double fAngle, bool bLargeArc, bool bSweep, double x,
            double y);
void Close_Polygon(SKETCH_STORAGE& Storage);
// A dot (rx = ry) or an ellipse centred on (x, y), as a closed path of two
// arcs.
void Add_Path_Point(SKETCH_STORAGE& Storage, double x, double y, double rx, double ry);

// The style of one path, five consecutive words in the rasteriser's
// numbering: line cap (0 butt, 1 square, 2 round), line join (0 miter,
// 1 miter-revert, 2 round, 3 bevel), inner join (0 bevel, 1 miter, 2 jag,
// 3 round), filling rule (0 non-zero, 1 even-odd) and compositing (3 is
// source-over; 0 clears, 1 copies).
struct PATH_STYLE {
    int32_t nLineCap = 0;
    int32_t nLineJoin = 0;
    int32_t nInnerJoin = 0;
    int32_t nFillingRule = 0;
    int32_t nCompositing = 0;
};
static_assert(sizeof(PATH_STYLE) == 20);
// Round cap, round join, bevel inner join, non-zero filling, source-over;
// the other fields of the record are left as they are.
void Set_Default_Path_Style(PATH_STYLE& Style);

// How a path's shape is drawn.
enum SKETCH_SHAPE : int32_t {
    SKETCH_SHAPE_LINE = 0,     // its vertices stroked as they are
    SKETCH_SHAPE_SQUIGGLE = 1, // a wavy outline (Squiggle_Path)
    SKETCH_SHAPE_DOTTED = 2    // drawn as dots (Dot_Path)
};

struct SKETCH_PATH {
    uint32_t nColor = 0xFF000000;   // 0xAARRGGBB: the outline
    uint32_t nColor2 = 0;           // 0xAARRGGBB: the fill (alpha 0: none)
    float fWidth = 1.0f;            // outline width in drawing units
    int32_t nFill = 0;              // 1: filled with nColor2 (or nColor when it has no alpha)
    int32_t nShape = SKETCH_SHAPE_LINE;
    PATH_STYLE Style;
    // Squiggle: amplitude in widths, waves per pixel, and how much the
    // amplitude wanders (0 none, 1 all of it); dots: the dot and gap lengths
    // in widths.
    float fShape1 = 0, fShape2 = 0, fShape3 = 0;
    int32_t nFirstVertex = 0;       // where its vertices start in the storage
};

// The list of paths.
struct SKETCH_RECORD {
    std::vector<SKETCH_PATH> Paths;  // grows by 32 entries when full
    int nPathCount = 0;
    SKETCH_STORAGE Storage;
    // When its alpha is not 0, drawn in place of every path's colours.
    uint32_t nOverrideColor = 0;
    // Pixels per drawing unit when no view rectangle is set (0: 1).
    float fScale = 0.0f;
    // The view rectangle in whole yards, mapped onto the drawing rectangle.
    int32_t nViewLeft = 0, nViewTop = 0, nViewRight = 0, nViewBottom = 0;
    // Rendering settings: jitter on (1) or off (0), the jitter's seed offset,
    // and the jitter's size in tenths of a pixel.
    int32_t nSetting1 = 0, nSetting2 = 0, nSetting3 = 0;
};

// Empties the record and sets its defaults (round caps and joins, black, width 1).
void Init_Sketch_Record(SKETCH_RECORD& List);
// Releases the list's buffers and resets its path count.
void Free_Sketch_Buffers(SKETCH_RECORD& List);
// Starts a new path (its vertices are those added to the storage from now
// on) in colour nColor (0xAARRGGBB) with the default attributes, or with
// every attribute of the previous path when nColor is -1. Returns the path's
// index.
int start_new_path(SKETCH_RECORD& List, int64_t nColor);
// Set the current (last started) path's outline width, and its fill colour
// (0xAARRGGBB, kept as its second colour; the path is then filled).
void Set_Path_Width(SKETCH_RECORD& List, float fWidth);
void Set_Path_Fill(SKETCH_RECORD& List, uint32_t nFillColor);
// The current path drawn as a wavy outline: amplitude in line widths, waves
// per pixel, and how much the amplitude wanders (0.75, 0.2, 0.25 are usual).
void Squiggle_Path(SKETCH_RECORD& List, double fAmplitude, double fFrequency, double fWander);
// The current path drawn as dots of fDot widths with gaps of fGap widths.
void Dot_Path(SKETCH_RECORD& List, double fDot, double fGap);

// Renders every path into the rectangle (x, y, nWidth, nHeight) of the
// canvas, clipped to it. The view rectangle (when set) maps onto it; else
// drawing units are scaled by fScale from (x, y). fRotation (radians) turns
// the drawing about the rectangle's centre.
void Render_Sketch_Paths(CANVAS& Canvas, const SKETCH_RECORD& List, int x, int y, int nWidth, int nHeight,
                         double fRotation);
