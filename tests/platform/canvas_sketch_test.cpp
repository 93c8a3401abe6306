// The stroke-path list: its defaults, its growth by 32, the attributes a new
// path keeps, and its rendering inside its rectangle, the same on every
// repaint, with the override colour and the dotted and wavy shapes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "platform/canvas.h"
#include "platform/sketch.h"

namespace {

bool Ink_Outside(const CANVAS& Canvas, const CANVAS_RECT& rc)
{
    for (int y = 0; y < Canvas.Height(); ++y)
        for (int x = 0; x < Canvas.Width(); ++x)
            if ((x < rc.left || x >= rc.right || y < rc.top || y >= rc.bottom) && Canvas.Get_Pixel(x, y) != 0)
                return true;
    return false;
}

double Covered_Area(const CANVAS& Canvas)
{
    double fSum = 0;
    for (int y = 0; y < Canvas.Height(); ++y)
        for (int x = 0; x < Canvas.Width(); ++x)
            fSum += (Canvas.Get_Pixel(x, y) >> 24) / 255.0;
    return fSum;
}

// A square from (1, 1) to (9, 9) yards in a view of 10 x 10 yards.
void Square_List(SKETCH_RECORD& List)
{
    Init_Sketch_Record(List);
    List.nViewRight = 10;
    List.nViewBottom = 10;
    List.nSetting1 = 1;  // the hand-drawn jitter, as the play diagrams set it
    List.nSetting2 = 0;
    List.nSetting3 = 3;
    start_new_path(List, 0xFF000000);
    Set_Path_Width(List, 0.25f);
    Move_To(List.Storage, 1, 1);
    Line_To(List.Storage, 9, 1);
    Line_To(List.Storage, 9, 9);
    Line_To(List.Storage, 1, 9);
    Close_Polygon(List.Storage);
}

TEST(CanvasSketchTest, DefaultStyleSetsItsFiveWordsAndNothingElse)
{
    PATH_STYLE Style;
    Style.nLineCap = Style.nLineJoin = Style.nInnerJoin = Style.nFillingRule = Style.nCompositing = 9;
    Set_Default_Path_Style(Style);
    EXPECT_EQ(Style.nLineCap, 2);      // round
    EXPECT_EQ(Style.nLineJoin, 2);     // round
    EXPECT_EQ(Style.nInnerJoin, 0);    // bevel
    EXPECT_EQ(Style.nFillingRule, 0);  // non-zero
    EXPECT_EQ(Style.nCompositing, 3);  // source-over

    // Every new path starts with it; the path's other fields are its own.
    SKETCH_RECORD List;
    Init_Sketch_Record(List);
    start_new_path(List, 0x80FF0000);
    const SKETCH_PATH& Path = List.Paths[0];
    EXPECT_EQ(Path.Style.nLineCap, 2);
    EXPECT_EQ(Path.Style.nCompositing, 3);
    EXPECT_EQ(Path.nColor, 0x80FF0000u);
    EXPECT_EQ(Path.nFill, 0);
    EXPECT_EQ(Path.nShape, SKETCH_SHAPE_LINE);
}

TEST(CanvasSketchTest, PathsGrowByThirtyTwoAndMinusOneKeepsThePreviousAttributes)
{
    SKETCH_RECORD List;
    Init_Sketch_Record(List);
    EXPECT_EQ(List.nPathCount, 0);
    EXPECT_EQ(start_new_path(List, 0xFF0000FF), 0);
    EXPECT_EQ(List.Paths.size(), 32u);
    Set_Path_Width(List, 3.0f);
    Set_Path_Fill(List, 0xFF00FF00);
    Dot_Path(List, 1.0, 1.5);
    Move_To(List.Storage, 0, 0);
    Line_To(List.Storage, 5, 5);

    // -1: every attribute of the previous path, its vertices starting anew.
    EXPECT_EQ(start_new_path(List, -1), 1);
    const SKETCH_PATH& Copy = List.Paths[1];
    EXPECT_EQ(Copy.nColor, 0xFF0000FFu);
    EXPECT_FLOAT_EQ(Copy.fWidth, 3.0f);
    EXPECT_EQ(Copy.nFill, 1);
    EXPECT_EQ(Copy.nColor2, 0xFF00FF00u);
    EXPECT_EQ(Copy.nShape, SKETCH_SHAPE_DOTTED);
    EXPECT_FLOAT_EQ(Copy.fShape1, 1.0f);
    EXPECT_FLOAT_EQ(Copy.fShape2, 1.5f);
    EXPECT_EQ(Copy.nFirstVertex, 2);
    // A colour: the defaults again.
    start_new_path(List, 0xFF123456);
    EXPECT_FLOAT_EQ(List.Paths[2].fWidth, 1.0f);
    EXPECT_EQ(List.Paths[2].nShape, SKETCH_SHAPE_LINE);
    Squiggle_Path(List, 0.75, 0.2, 0.25);
    EXPECT_EQ(List.Paths[2].nShape, SKETCH_SHAPE_SQUIGGLE);

    for (int i = 3; i < 33; ++i)
        start_new_path(List, -1);
    EXPECT_EQ(List.nPathCount, 33);
    EXPECT_EQ(List.Paths.size(), 64u);

    Free_Sketch_Buffers(List);
    EXPECT_EQ(List.nPathCount, 0);
    EXPECT_EQ(List.Paths.capacity(), 0u);
    EXPECT_EQ(List.Storage.Vertices.capacity(), 0u);
    // Attributes asked for with no path started change nothing and crash nothing.
    Set_Path_Width(List, 2.0f);
    Squiggle_Path(List, 1, 1, 1);
    EXPECT_EQ(List.nPathCount, 0);
}

TEST(CanvasSketchTest, ADotOrAnEllipseIsAddedAsAClosedShape)
{
    SKETCH_STORAGE Storage;
    Init_Path_Storage(Storage);
    Add_Path_Point(Storage, 10, 20, 3, 2);
    ASSERT_EQ(Storage.Vertices.size(), 4u);
    EXPECT_EQ(Storage.Vertices[0].nCommand, SKETCH_MOVE_TO);
    EXPECT_DOUBLE_EQ(Storage.Vertices[0].x, 13);
    EXPECT_EQ(Storage.Vertices[1].nCommand, SKETCH_ARC_TO);
    EXPECT_DOUBLE_EQ(Storage.Vertices[1].x, 7);
    EXPECT_EQ(Storage.Vertices[3].nCommand, SKETCH_CLOSE);
    Add_Path_Point(Storage, 1, 1, 0, 0);  // a dot: a point for the round cap
    EXPECT_EQ(Storage.Vertices.size(), 6u);

    // Filled, an ellipse of radii 6 and 4 pixels covers pi x 24 = 75.4.
    SKETCH_RECORD List;
    Init_Sketch_Record(List);
    start_new_path(List, 0xFF000000);
    Set_Path_Width(List, 0);
    Set_Path_Fill(List, 0xFF000000);
    Add_Path_Point(List.Storage, 10, 10, 6, 4);
    CANVAS Canvas(20, 20);
    Render_Sketch_Paths(Canvas, List, 0, 0, 20, 20, 0.0);
    EXPECT_NEAR(Covered_Area(Canvas), 75.4, 1.0);
}

TEST(CanvasSketchTest, RenderingStaysInsideItsRectangleAndRepeatsOnEveryRepaint)
{
    SKETCH_RECORD List;
    Square_List(List);
    // The 10-yard view onto 40 x 40 pixels at (20, 20): 4 pixels a yard, the
    // square's sides at x = 24 and 56, one pixel wide.
    CANVAS First(100, 100);
    Render_Sketch_Paths(First, List, 20, 20, 40, 40, 0.0);
    EXPECT_FALSE(Ink_Outside(First, CANVAS_RECT{20, 20, 60, 60}));
    EXPECT_NE(First.Get_Pixel(24, 40) | First.Get_Pixel(23, 40) | First.Get_Pixel(25, 40), 0u);
    EXPECT_NE(First.Get_Pixel(56, 40) | First.Get_Pixel(55, 40) | First.Get_Pixel(57, 40), 0u);
    EXPECT_EQ(First.Get_Pixel(40, 40), 0u);  // hollow
    // Its outline is about 4 x 32 pixels long and one wide.
    EXPECT_NEAR(Covered_Area(First), 128.0, 20.0);

    // A repaint draws the same pixels.
    CANVAS Second(100, 100);
    Render_Sketch_Paths(Second, List, 20, 20, 40, 40, 0.0);
    EXPECT_EQ(std::memcmp(First.Pixels(), Second.Pixels(), 100 * 100 * 4), 0);
    // Another jitter seed draws another hand; no jitter, a third.
    List.nSetting2 = 1;
    CANVAS Other(100, 100);
    Render_Sketch_Paths(Other, List, 20, 20, 40, 40, 0.0);
    EXPECT_NE(std::memcmp(First.Pixels(), Other.Pixels(), 100 * 100 * 4), 0);
    List.nSetting1 = 0;
    CANVAS Plain(100, 100);
    Render_Sketch_Paths(Plain, List, 20, 20, 40, 40, 0.0);
    EXPECT_NE(std::memcmp(First.Pixels(), Plain.Pixels(), 100 * 100 * 4), 0);
    // Unjittered, the top side at y = 24 is exactly one pixel row: 24 is
    // its centre line, so rows 23 and 24 share it half and half.
    EXPECT_EQ(Plain.Get_Pixel(40, 23) >> 24, 128u);
    EXPECT_EQ(Plain.Get_Pixel(40, 24) >> 24, 128u);

    // A drawing that reaches past its view is cut at the rectangle: a line
    // from yard 5 to yard 25 across a 10-yard view.
    start_new_path(List, -1);
    Move_To(List.Storage, 5, 5);
    Line_To(List.Storage, 25, 5);
    CANVAS Cut(100, 100);
    Render_Sketch_Paths(Cut, List, 20, 20, 20, 20, 0.0);
    EXPECT_FALSE(Ink_Outside(Cut, CANVAS_RECT{20, 20, 40, 40}));
    EXPECT_NE(Cut.Get_Pixel(39, 30), 0u);  // up to the edge
    // No view rectangle: units scaled by the record's scale from (x, y).
    List.nViewRight = List.nViewBottom = 0;
    List.fScale = 2.0f;
    CANVAS Scaled(100, 100);
    Render_Sketch_Paths(Scaled, List, 10, 10, 80, 80, 0.0);
    EXPECT_NE(Scaled.Get_Pixel(12, 15) | Scaled.Get_Pixel(11, 15), 0u);  // x = 10 + 2 x 1
    EXPECT_NE(Scaled.Get_Pixel(59, 20) | Scaled.Get_Pixel(59, 19), 0u);  // the line ends at 10 + 2 x 25
    EXPECT_FALSE(Ink_Outside(Scaled, CANVAS_RECT{10, 10, 62, 30}));
}

TEST(CanvasSketchTest, OverrideColourDotsAndSquiggles)
{
    SKETCH_RECORD List;
    Square_List(List);
    List.nSetting1 = 0;
    List.nOverrideColor = 0xFF00FF00;
    CANVAS Green(60, 60);
    Render_Sketch_Paths(Green, List, 0, 0, 40, 40, 0.0);
    int nInk = 0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            uint32_t p = Green.Get_Pixel(x, y);
            nInk += p != 0;
            EXPECT_EQ(p & 0x00FF00FF, 0u) << x << "," << y;  // no red, no blue
        }
    }
    EXPECT_GT(nInk, 50);
    // An override with alpha 0 leaves the path's own black.
    List.nOverrideColor = 0x0000FF00;
    CANVAS Black(60, 60);
    Render_Sketch_Paths(Black, List, 0, 0, 40, 40, 0.0);
    EXPECT_EQ(Black.Get_Pixel(20, 4) & 0x00FFFFFF, 0u);
    EXPECT_GT(Black.Get_Pixel(20, 4) >> 24, 0u);

    // A dotted line along y = 10, 2 pixels wide, dots of 2 and gaps of 3
    // pixels: some pixels of the row are left clear between the dots.
    SKETCH_RECORD Dots;
    Init_Sketch_Record(Dots);
    start_new_path(Dots, 0xFF000000);
    Set_Path_Width(Dots, 2.0f);
    Dot_Path(Dots, 1.0, 1.5);
    Move_To(Dots.Storage, 5, 10);
    Line_To(Dots.Storage, 55, 10);
    CANVAS Dotted(60, 20), Solid(60, 20);
    Render_Sketch_Paths(Dotted, Dots, 0, 0, 60, 20, 0.0);
    Dots.Paths[0].nShape = SKETCH_SHAPE_LINE;
    Render_Sketch_Paths(Solid, Dots, 0, 0, 60, 20, 0.0);
    int nClear = 0;
    for (int x = 10; x < 50; ++x)
        nClear += Dotted.Get_Pixel(x, 10) == 0;
    EXPECT_GT(nClear, 5);
    EXPECT_LT(Covered_Area(Dotted), Covered_Area(Solid) * 0.8);

    // A squiggle of amplitude 0.75 widths (3 pixels at width 4) leaves the
    // straight line's rows.
    Squiggle_Path(Dots, 0.75, 0.1, 0.0);
    Set_Path_Width(Dots, 4.0f);
    CANVAS Wavy(60, 20);
    Render_Sketch_Paths(Wavy, Dots, 0, 0, 60, 20, 0.0);
    bool bFar = false;
    for (int x = 0; x < 60; ++x)
        bFar = bFar || (Wavy.Get_Pixel(x, 14) >> 24) > 128 || (Wavy.Get_Pixel(x, 5) >> 24) > 128;
    EXPECT_TRUE(bFar);
    // Half a turn about the rectangle's centre puts the line at y = 10 still.
    Dots.Paths[0].nShape = SKETCH_SHAPE_LINE;
    CANVAS Turned(60, 20);
    Render_Sketch_Paths(Turned, Dots, 0, 0, 60, 20, 3.14159265358979323846);
    EXPECT_GT(Turned.Get_Pixel(30, 10) >> 24, 128u);
    EXPECT_EQ(Turned.Get_Pixel(30, 2), 0u);

    // Vertices that are not numbers are left out, not drawn as anything.
    SKETCH_RECORD Bad;
    Init_Sketch_Record(Bad);
    start_new_path(Bad, 0xFF000000);
    Move_To(Bad.Storage, 0, 0);
    Line_To(Bad.Storage, 1e300, -1e300);
    Line_To(Bad.Storage, std::nan(""), 5);
    CANVAS Safe(10, 10);
    Render_Sketch_Paths(Safe, Bad, 0, 0, 10, 10, 0.0);
    EXPECT_FALSE(Ink_Outside(Safe, CANVAS_RECT{0, 0, 10, 10}));
}

}  // namespace
