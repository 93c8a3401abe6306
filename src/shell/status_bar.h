// The status bar: a 36-pixel band above the news bar that carries the
// season's timeline (season/timeline.h): the viewed club's record and its
// next game on the skin's left picture, then five cells for what comes
// next, drawn over the right picture stretched to the bar's right edge.
#pragma once

#include <cstddef>
#include <string>

#include "platform/canvas.h"
#include "platform/main_frame.h"   // STATUS_BAR_HEIGHT
#include "season/timeline.h"

// The two short labels of the current phase: "Round %d" / "Pick %d" in a
// fantasy draft, the year / "Amateur Draft" in the college draft, the year /
// "Offseason" after the season, else the year / the week's name. Each
// buffer holds nSize bytes; null is ignored.
void Format_Phase_Labels(char* szFirst, char* szSecond, size_t nSize);

void Create_Main_Status_Bar();
void Destroy_Main_Status_Bar();
bool Is_Status_Bar_Shown();
// Forgets the bar (and which missing picture was reported): the window gone.
void Reset_Status_Bar();

// --- The timeline on the bar ------------------------------------------------
// The strip's geometry for a bar nWidth pixels wide, from the width of the
// skin's left picture. Without that picture the strip is not laid out, and
// "Missing File: %s (required by Timeline.cpp for text placement)" is
// reported (once for each missing path).
TIMELINE_LAYOUT Get_Status_Bar_Timeline_Layout(int nWidth);
// Paints the bar into rcBar of the canvas: the band, the skin's pictures,
// the record, the label and the five cells with their hand-drawn frames.
void Paint_Status_Bar_Strip(CANVAS& Canvas, const CANVAS_RECT& rcBar);
// A click, and the cursor's question, at (x, y) in the bar's pixels; the
// bar's width is the main window's client width now, so a resized window
// hits the cells where they are drawn.
void Status_Bar_Click(int x, int y);
bool Is_Status_Bar_Hot_Spot(int x, int y);
// The middle of a part of the strip at the bar's width now, in the bar's
// pixels: TIMELINE_PART_PAGE, TIMELINE_PART_LABEL (the advance box) or cell
// 0-4. False when the bar is not shown or the strip is not laid out.
constexpr int TIMELINE_PART_PAGE = -2;
constexpr int TIMELINE_PART_LABEL = -1;
bool Get_Timeline_Part_Point(int nPart, int& x, int& y);
// The viewed club's logo in the bottom-right corner of the page area rcPage
// (8 pixels from its right edge, standing on the status bar); nothing when
// the club has no logo file. The rectangle drawn, empty when none.
CANVAS_RECT Draw_Timeline_Team_Logo(CANVAS& Canvas, const CANVAS_RECT& rcPage);
