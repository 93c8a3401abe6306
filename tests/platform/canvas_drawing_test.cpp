// The canvas's pixels: exact bytes of fills, premultiplication, clipping,
// anti-aliased shapes by their covered area, the design-space scaling, the
// application fonts' use counts, and text measured and kept inside its box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/canvas.h"
#include "platform/errors.h"
#include "test_support.h"

namespace {

// The canvas's coverage in whole pixels: the sum of alpha / 255.
double Covered_Area(const CANVAS& Canvas)
{
    double fSum = 0;
    for (int y = 0; y < Canvas.Height(); ++y)
        for (int x = 0; x < Canvas.Width(); ++x)
            fSum += (Canvas.Get_Pixel(x, y) >> 24) / 255.0;
    return fSum;
}

// Whether any pixel outside rc is not transparent.
bool Ink_Outside(const CANVAS& Canvas, const CANVAS_RECT& rc)
{
    for (int y = 0; y < Canvas.Height(); ++y)
        for (int x = 0; x < Canvas.Width(); ++x)
            if ((x < rc.left || x >= rc.right || y < rc.top || y >= rc.bottom) && Canvas.Get_Pixel(x, y) != 0)
                return true;
    return false;
}

int Ink_Count(const CANVAS& Canvas)
{
    int n = 0;
    for (int y = 0; y < Canvas.Height(); ++y)
        for (int x = 0; x < Canvas.Width(); ++x)
            n += Canvas.Get_Pixel(x, y) != 0;
    return n;
}

class CanvasDrawingTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"canvas"};
    void SetUp() override
    {
        ASSERT_TRUE(Scratch.Ready());
        Reset_Error_Count();
        Clear_Recent_Errors();
        Set_Client_Size(DESIGN_WIDTH, DESIGN_HEIGHT);
    }
    void TearDown() override
    {
        Set_Client_Size(DESIGN_WIDTH, DESIGN_HEIGHT);
        Set_Font_Folder(nullptr);
    }
};

TEST_F(CanvasDrawingTest, FilledRectangleHasExactBytesInBlueGreenRedAlphaOrder)
{
    CANVAS Canvas(4, 3);
    ASSERT_EQ(Canvas.Stride(), 16);
    Canvas.Fill_Rect(CANVAS_RECT{1, 1, 3, 2}, Rgb_Color(0x336699));
    const uint8_t* pRow1 = Canvas.Row(1);
    const uint8_t Expected[16] = {0, 0, 0, 0, 0x99, 0x66, 0x33, 0xFF, 0x99, 0x66, 0x33, 0xFF, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(pRow1, Expected, 16), 0);
    // Rows 0 and 2 stay transparent.
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(Canvas.Get_Pixel(x, 0), 0u);
        EXPECT_EQ(Canvas.Get_Pixel(x, 2), 0u);
    }
    EXPECT_EQ(Canvas.Get_Pixel(2, 1), 0xFF336699u);
    EXPECT_EQ(Canvas.Get_Pixel(-1, 0), 0u);
    EXPECT_EQ(Canvas.Get_Pixel(4, 0), 0u);
}

TEST_F(CanvasDrawingTest, TranslucentColoursArePremultipliedAndBlendedSourceOver)
{
    // Red at alpha 128 on nothing: 255 x 128 / 255 = 128.
    CANVAS Canvas(2, 1);
    Canvas.Fill_Rect(CANVAS_RECT{0, 0, 1, 1}, CANVAS_COLOR{255, 0, 0, 128});
    EXPECT_EQ(Canvas.Get_Pixel(0, 0), 0x80800000u);
    // (128, 64, 32) at alpha 64: 128 x 64 / 255 = 32.1, 64 x 64 / 255 = 16.1,
    // 32 x 64 / 255 = 8.0.
    Canvas.Fill_Rect(CANVAS_RECT{1, 0, 2, 1}, CANVAS_COLOR{128, 64, 32, 64});
    EXPECT_EQ(Canvas.Get_Pixel(1, 0), 0x40201008u);

    // The same red over opaque white: red 128 + 255 - 255 x 128 / 255 = 255,
    // green and blue 0 + 255 - 128 = 127, alpha 255.
    CANVAS White(1, 1);
    White.Clear(Rgb_Color(0xFFFFFF));
    White.Fill_Rect(CANVAS_RECT{0, 0, 1, 1}, CANVAS_COLOR{255, 0, 0, 128});
    EXPECT_EQ(White.Get_Pixel(0, 0), 0xFFFF7F7Fu);
    // A fully transparent colour changes nothing.
    White.Fill_Rect(CANVAS_RECT{0, 0, 1, 1}, CANVAS_COLOR{0, 0, 0, 0});
    EXPECT_EQ(White.Get_Pixel(0, 0), 0xFFFF7F7Fu);
}

TEST_F(CanvasDrawingTest, DrawingStaysInsideTheClipAndWrappedMemoryKeepsItsPadding)
{
    // 4 x 2 pixels in rows of 24 bytes: the 8 bytes after each row are not ours.
    std::vector<uint8_t> Memory(48, 0xEE);
    CANVAS Canvas(Memory.data(), 4, 2, 24);
    ASSERT_EQ(Canvas.Width(), 4);
    Canvas.Set_Clip(CANVAS_RECT{1, 0, 3, 5});  // cut down to the canvas
    EXPECT_EQ(Canvas.Get_Clip(), (CANVAS_RECT{1, 0, 3, 2}));
    Canvas.Fill_Rect(CANVAS_RECT{-10, -10, 100, 100}, Rgb_Color(0x0000FF));
    Canvas.Fill_Ellipse(2, 1, 50, 50, Rgb_Color(0x0000FF));
    for (int y = 0; y < 2; ++y) {
        EXPECT_EQ(Canvas.Get_Pixel(0, y), 0xEEEEEEEEu) << y;
        EXPECT_EQ(Canvas.Get_Pixel(1, y), 0xFF0000FFu) << y;
        EXPECT_EQ(Canvas.Get_Pixel(2, y), 0xFF0000FFu) << y;
        EXPECT_EQ(Canvas.Get_Pixel(3, y), 0xEEEEEEEEu) << y;
        for (int i = 16; i < 24; ++i)
            EXPECT_EQ(Memory[size_t(y) * 24 + size_t(i)], 0xEE) << y << " " << i;
    }
    // A wrap with a stride shorter than a row, or no memory, is an empty canvas.
    EXPECT_TRUE(CANVAS(Memory.data(), 4, 2, 12).Is_Empty());
    EXPECT_TRUE(CANVAS(nullptr, 4, 2, 16).Is_Empty());
    // Sizes are bounded.
    CANVAS Huge;
    EXPECT_FALSE(Huge.Resize(CANVAS::MAX_SIDE + 1, 1));
    EXPECT_TRUE(Huge.Is_Empty());
    EXPECT_FALSE(Huge.Resize(0, 5));
}

TEST_F(CanvasDrawingTest, CopiesOwnTheirPixelsAndMovesTakeThem)
{
    CANVAS Original(2, 2);
    Original.Fill_Rect(CANVAS_RECT{0, 0, 1, 1}, Rgb_Color(0x112233));
    CANVAS Copy = Original;
    EXPECT_NE(Copy.Pixels(), Original.Pixels());
    Copy.Fill_Rect(CANVAS_RECT{1, 1, 2, 2}, Rgb_Color(0x445566));
    EXPECT_EQ(Original.Get_Pixel(1, 1), 0u);
    EXPECT_EQ(Copy.Get_Pixel(0, 0), 0xFF112233u);
    CANVAS Assigned(7, 7);
    Assigned = Copy;
    EXPECT_EQ(Assigned.Width(), 2);
    EXPECT_EQ(Assigned.Get_Pixel(1, 1), 0xFF445566u);
    Assigned.Clear(Rgb_Color(0));
    EXPECT_EQ(Copy.Get_Pixel(1, 1), 0xFF445566u);

    const uint8_t* pBuffer = Copy.Pixels();
    CANVAS Moved = std::move(Copy);
    EXPECT_EQ(Moved.Pixels(), pBuffer);
    EXPECT_EQ(Moved.Get_Pixel(1, 1), 0xFF445566u);
    EXPECT_TRUE(Copy.Is_Empty());  // NOLINT: the moved-from canvas is empty

    // A wrapping canvas's copy wraps the same memory.
    uint8_t Memory[16] = {};
    CANVAS Wrap(Memory, 2, 2, 8);
    CANVAS WrapCopy = Wrap;
    EXPECT_EQ(WrapCopy.Pixels(), Memory);
}

TEST_F(CanvasDrawingTest, ShapesCoverTheirAreaWithAntiAliasedEdges)
{
    // A circle of radius 5: pi x 25 = 78.54 pixels.
    CANVAS Circle(20, 20);
    Circle.Fill_Ellipse(10, 10, 5, 5, Rgb_Color(0x000000));
    EXPECT_NEAR(Covered_Area(Circle), 78.54, 1.0);
    EXPECT_EQ(Circle.Get_Pixel(10, 10), 0xFF000000u);
    EXPECT_EQ(Circle.Get_Pixel(0, 0), 0u);
    // Its rim is partly covered: the pixel from (14, 12) to (15, 13) has its
    // near corner 4.5 from the centre and its far corner 5.8.
    uint32_t nRim = Circle.Get_Pixel(14, 12) >> 24;
    EXPECT_GT(nRim, 0u);
    EXPECT_LT(nRim, 255u);

    // A right triangle with legs of 10: 50 pixels.
    CANVAS Triangle(12, 12);
    CANVAS_POINT Points[3] = {{0, 0}, {10, 0}, {0, 10}};
    Triangle.Fill_Polygon(Points, 3, Rgb_Color(0x000000));
    EXPECT_NEAR(Covered_Area(Triangle), 50.0, 0.5);

    // A line 2 wide along y = 5 from x = 0 to 10 fills rows 4 and 5 exactly.
    CANVAS Line(12, 10);
    Line.Draw_Line(0, 5, 10, 5, 2.0, Rgb_Color(0x000000));
    EXPECT_NEAR(Covered_Area(Line), 20.0, 0.1);
    EXPECT_EQ(Line.Get_Pixel(5, 4) >> 24, 255u);
    EXPECT_EQ(Line.Get_Pixel(5, 5) >> 24, 255u);
    EXPECT_EQ(Line.Get_Pixel(5, 3), 0u);
    EXPECT_EQ(Line.Get_Pixel(5, 6), 0u);

    // A 20 x 20 rounded rectangle of radius 6 lacks (4 - pi) x 36 = 30.9
    // pixels at its four corners.
    CANVAS Rounded(20, 20);
    Rounded.Fill_Rounded_Rect(CANVAS_RECT{0, 0, 20, 20}, 6, Rgb_Color(0x000000));
    EXPECT_NEAR(Covered_Area(Rounded), 400.0 - 30.9, 1.5);
    EXPECT_EQ(Rounded.Get_Pixel(0, 0), 0u);
    EXPECT_EQ(Rounded.Get_Pixel(10, 10), 0xFF000000u);

    // Outlines: a 10 x 10 frame one pixel wide inside its rectangle covers
    // 100 - 64 = 36 pixels exactly; the same square as a closed polyline
    // along the pixel centres too; a ring of radii 5.5 and 4.5 covers
    // pi x (30.25 - 20.25) = 31.4.
    CANVAS Frame(12, 12);
    Frame.Stroke_Rect(CANVAS_RECT{0, 0, 10, 10}, 1.0, Rgb_Color(0x000000));
    EXPECT_NEAR(Covered_Area(Frame), 36.0, 0.01);
    EXPECT_EQ(Frame.Get_Pixel(0, 5), 0xFF000000u);
    EXPECT_EQ(Frame.Get_Pixel(5, 5), 0u);
    EXPECT_EQ(Frame.Get_Pixel(10, 5), 0u);
    CANVAS Polyline(12, 12);
    CANVAS_POINT Square[4] = {{0.5, 0.5}, {9.5, 0.5}, {9.5, 9.5}, {0.5, 9.5}};
    Polyline.Draw_Polyline(Square, 4, 1.0, Rgb_Color(0x000000), true);
    EXPECT_NEAR(Covered_Area(Polyline), 36.0, 0.01);
    CANVAS Ring(20, 20);
    Ring.Stroke_Ellipse(10, 10, 5, 5, 1.0, Rgb_Color(0x000000));
    EXPECT_NEAR(Covered_Area(Ring), 31.4, 1.0);
    EXPECT_EQ(Ring.Get_Pixel(10, 10), 0u);

    // A Bezier curve from (0, 10) to (40, 10) pulled up by its control points
    // stays between them and touches the middle column near y = 10 - 0.75 x 8.
    CANVAS Curve(41, 20);
    Curve.Stroke_Bezier({0, 10}, {10, 2}, {30, 2}, {40, 10}, 1.0, Rgb_Color(0x000000));
    EXPECT_GT(Curve.Get_Pixel(20, 3) >> 24, 100u);
    EXPECT_EQ(Curve.Get_Pixel(20, 10), 0u);
    EXPECT_FALSE(Ink_Outside(Curve, CANVAS_RECT{0, 1, 41, 12}));
}

TEST_F(CanvasDrawingTest, GradientsRunFromTheirFirstColourToTheirSecond)
{
    // Three rows from black to white: 0, 127.5 (rounded to 128), 255.
    CANVAS Canvas(2, 3);
    Canvas.Fill_Linear_Gradient(CANVAS_RECT{0, 0, 2, 3}, Rgb_Color(0x000000), Rgb_Color(0xFFFFFF), true);
    EXPECT_EQ(Canvas.Get_Pixel(1, 0), 0xFF000000u);
    EXPECT_EQ(Canvas.Get_Pixel(1, 1), 0xFF808080u);
    EXPECT_EQ(Canvas.Get_Pixel(1, 2), 0xFFFFFFFFu);
    // Across: the left column red, the right blue.
    CANVAS Across(2, 1);
    Across.Fill_Linear_Gradient(CANVAS_RECT{0, 0, 2, 1}, Rgb_Color(0xFF0000), Rgb_Color(0x0000FF), false);
    EXPECT_EQ(Across.Get_Pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(Across.Get_Pixel(1, 0), 0xFF0000FFu);
    // Radial: the inner colour at the centre, the outer beyond the radius.
    CANVAS Radial(21, 21);
    Radial.Fill_Radial_Gradient(Radial.Bounds(), 10.5, 10.5, 8, Rgb_Color(0xFFFFFF), Rgb_Color(0x000000));
    EXPECT_EQ(Radial.Get_Pixel(10, 10), 0xFFFFFFFFu);
    EXPECT_EQ(Radial.Get_Pixel(0, 0), 0xFF000000u);
}

TEST_F(CanvasDrawingTest, PicturesAreDrawnSourceOverAndScaled)
{
    CANVAS Picture(2, 2);
    Picture.Fill_Rect(CANVAS_RECT{0, 0, 1, 2}, Rgb_Color(0xFF0000));
    Picture.Fill_Rect(CANVAS_RECT{1, 0, 2, 2}, CANVAS_COLOR{0, 0, 255, 128});
    CANVAS Page(4, 4);
    Page.Clear(Rgb_Color(0xFFFFFF));
    Page.Draw_Canvas(Picture, 2, 2);
    EXPECT_EQ(Page.Get_Pixel(1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(Page.Get_Pixel(2, 2), 0xFFFF0000u);
    // Blue at 128 over white: blue 128 + 255 - 128 = 255, red and green 127.
    EXPECT_EQ(Page.Get_Pixel(3, 3), 0xFF7F7FFFu);
    // Partly outside: only the part inside is drawn, nothing crashes.
    Page.Draw_Canvas(Picture, -1, -1);
    EXPECT_EQ(Page.Get_Pixel(0, 0), 0xFF7F7FFFu);

    // Doubled: each pixel becomes a 2 x 2 block away from the seam.
    CANVAS Solid(2, 1);
    Solid.Fill_Rect(CANVAS_RECT{0, 0, 1, 1}, Rgb_Color(0x000000));
    Solid.Fill_Rect(CANVAS_RECT{1, 0, 2, 1}, Rgb_Color(0xFFFFFF));
    CANVAS Big(8, 4);
    Big.Draw_Canvas_Scaled(Solid, CANVAS_RECT{0, 0, 8, 4});
    EXPECT_EQ(Big.Get_Pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(Big.Get_Pixel(7, 3), 0xFFFFFFFFu);
    uint32_t nMiddle = Big.Get_Pixel(4, 1) & 0xFF;
    EXPECT_GT(nMiddle, 0u);
    EXPECT_LT(nMiddle, 255u);
}

TEST_F(CanvasDrawingTest, DesignRectanglesScaleToTheClientArea)
{
    CANVAS_RECT rc{10, 20, 100, 200};
    Enlarge_Rectangle(rc);
    EXPECT_EQ(rc, (CANVAS_RECT{10, 20, 100, 200}));  // the design size itself

    Set_Client_Size(1536, 1014);  // twice the design space
    rc = CANVAS_RECT{10, 20, 100, 200};
    Enlarge_Rectangle(rc);
    EXPECT_EQ(rc, (CANVAS_RECT{20, 40, 200, 400}));
    EXPECT_DOUBLE_EQ(Get_Client_Scale(), 2.0);

    // 1024 x 720: 100 x 1024 / 768 = 133.3 and 100 x 720 / 507 = 142.0, both
    // truncated; the design space's corner is the client's.
    Set_Client_Size(1024, 720);
    rc = CANVAS_RECT{100, 100, DESIGN_WIDTH, DESIGN_HEIGHT};
    Scale_Rectangle_To_Client(rc);
    EXPECT_EQ(rc, (CANVAS_RECT{133, 142, 1024, 720}));
    // Filled at that size: {0, 0, 6, 1} becomes {0, 0, 8, 1}.
    CANVAS Canvas(10, 3);
    Fill_Rectangle(Canvas, CANVAS_RECT{0, 0, 6, 1}, Rgb_Color(0x00FF00));
    EXPECT_EQ(Canvas.Get_Pixel(7, 0), 0xFF00FF00u);
    EXPECT_EQ(Canvas.Get_Pixel(8, 0), 0u);
    EXPECT_EQ(Canvas.Get_Pixel(0, 1), 0u);
    // A client size of nothing is ignored.
    Set_Client_Size(0, 500);
    EXPECT_EQ(Get_Client_Width(), 1024);
    EXPECT_EQ(Get_Client_Height(), 720);
}

TEST_F(CanvasDrawingTest, ApplicationFontsCountTheirUsesAndReportOverRelease)
{
    Load_App_Fonts();
    for (int i = 0; i < APP_FONT_COUNT; ++i) {
        EXPECT_GT(Get_App_Font(i).Font.fHeight, 0.0) << i;
        EXPECT_STRNE(Get_App_Font(i).szName, "") << i;
    }
    int nBefore = Get_App_Font(FONT_PAGE_TEXT).nUseCount;
    const CANVAS_FONT& Font = Use_App_Font(FONT_PAGE_TEXT);
    EXPECT_EQ(Font.nFamily, FONT_FAMILY_SERIF);
    EXPECT_EQ(Get_App_Font(FONT_PAGE_TEXT).nUseCount, nBefore + 1);
    Load_App_Fonts();  // loading again keeps the counts
    EXPECT_EQ(Get_App_Font(FONT_PAGE_TEXT).nUseCount, nBefore + 1);
    for (int i = 0; i <= nBefore; ++i)
        Release_App_Font(FONT_PAGE_TEXT);
    EXPECT_EQ(Get_App_Font(FONT_PAGE_TEXT).nUseCount, 0);
    EXPECT_EQ(Get_Error_Count(), 0);

    // One release too many: the error, and the count back at 0.
    Release_App_Font(FONT_PAGE_TEXT);
    EXPECT_EQ(Get_Error_Count(), 1);
    EXPECT_NE(std::string(Get_Recent_Errors())
                  .find("Font Error: Trying to free a font more times than it has been allocated."),
              std::string::npos);
    EXPECT_EQ(Get_App_Font(FONT_PAGE_TEXT).nUseCount, 0);

    // A font that is not in the table is reported, not read.
    Release_App_Font(APP_FONT_COUNT);
    Use_App_Font(-1);
    EXPECT_EQ(Get_Error_Count(), 3);
}

TEST_F(CanvasDrawingTest, TextIsMeasuredAndDrawnInsideItsBox)
{
    CANVAS_FONT Font{FONT_FAMILY_SANS, 20, false, false};
    double fHello = Measure_Text(Font, "Hello");
    EXPECT_GT(fHello, 20.0);
    EXPECT_LT(fHello, 5 * 20.0);
    EXPECT_EQ(Measure_Text(Font, ""), 0.0);
    EXPECT_EQ(Measure_Text(Font, nullptr), 0.0);
    EXPECT_LT(Measure_Text(Font, "iiii"), Measure_Text(Font, "WWWW"));
    // A length bounds the text measured.
    EXPECT_DOUBLE_EQ(Measure_Text(Font, "Hello world", 5), fHello);
    // A line is taller than the em and shorter than twice it.
    EXPECT_GT(Get_Line_Height(Font), 20.0);
    EXPECT_LT(Get_Line_Height(Font), 40.0);

    CANVAS Canvas(200, 60);
    CANVAS_RECT rcBox{10, 10, 110, 40};
    int nHeight = Draw_Text_In_Box(Canvas, "A long headline that cannot fit in a hundred pixels", rcBox,
                                   TEXT_LEFT | TEXT_SINGLELINE, false, Font);
    EXPECT_EQ(nHeight, static_cast<int>(Get_Line_Height(Font)));
    EXPECT_GT(Ink_Count(Canvas), 100);
    EXPECT_FALSE(Ink_Outside(Canvas, rcBox));

    // Centred: the ink's left and right margins inside the box agree.
    CANVAS Centred(200, 40);
    Draw_Text_In_Box(Centred, "IIII", CANVAS_RECT{0, 0, 200, 40}, TEXT_CENTER | TEXT_VCENTER, false, Font);
    int nLeft = 200, nRight = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            if (Centred.Get_Pixel(x, y) >> 24 > 128)
                nLeft = std::min(nLeft, x), nRight = std::max(nRight, x);
    ASSERT_GE(nRight, nLeft);
    EXPECT_NEAR(nLeft, 199 - nRight, 4);
}

TEST_F(CanvasDrawingTest, TextBoxesWrapAtSpacesAndScaleWithTheClient)
{
    CANVAS_FONT Font{FONT_FAMILY_SANS, 12, false, false};
    int nLine = static_cast<int>(Get_Line_Height(Font));
    CANVAS Canvas(300, 200);
    double fWord = Measure_Text(Font, "word");
    double fSpace = Measure_Text(Font, "word word") - 2 * fWord;
    // A box just wide enough for two words: six words make three lines.
    int nWidth = static_cast<int>(std::ceil(2 * fWord + fSpace)) + 1;
    EXPECT_EQ(Draw_Text_In_Box(Canvas, "word word word word word word", CANVAS_RECT{0, 0, nWidth, 200},
                               TEXT_WORDBREAK, false, Font),
              3 * nLine);
    // A line end starts a new line with or without wrapping; one line alone
    // when single-line.
    EXPECT_EQ(Draw_Text_In_Box(Canvas, "one\ntwo", CANVAS_RECT{0, 0, 300, 200}, TEXT_LEFT, false, Font), 2 * nLine);
    EXPECT_EQ(Draw_Text_In_Box(Canvas, "one\ntwo", CANVAS_RECT{0, 0, 300, 200}, TEXT_SINGLELINE, false, Font), nLine);
    // An empty canvas only measures.
    CANVAS Nothing;
    EXPECT_EQ(Draw_Text_In_Box(Nothing, "one\ntwo\nthree", CANVAS_RECT{0, 0, 300, 200}, TEXT_LEFT, false, Font),
              3 * nLine);

    // Scaled: the design box {0, 0, 100, 30} is {0, 0, 200, 60} at twice the
    // design size, and the font doubles: the ink of a 14-pixel line (at most
    // 17 pixels tall) reaches past row 20, but stays inside the scaled box.
    Set_Client_Size(1536, 1014);
    CANVAS Scaled(300, 100);
    CANVAS_FONT Big{FONT_FAMILY_SANS, 14, true, false};
    Draw_Text_In_Box(Scaled, "Wg", CANVAS_RECT{0, 0, 100, 30}, TEXT_LEFT, true, Big);
    EXPECT_FALSE(Ink_Outside(Scaled, CANVAS_RECT{0, 0, 200, 60}));
    bool bLow = false;
    for (int x = 0; x < 200 && !bLow; ++x)
        for (int y = 20; y < 60 && !bLow; ++y)
            bLow = Scaled.Get_Pixel(x, y) != 0;
    EXPECT_TRUE(bLow);

    // The end ellipsis keeps the text's ink left of the box's right edge
    // and draws the dots there.
    Set_Client_Size(DESIGN_WIDTH, DESIGN_HEIGHT);
    CANVAS Cut(100, 20);
    Draw_Text_In_Box(Cut, "WWWWWWWWWWWWWWWWWWWW", CANVAS_RECT{0, 0, 60, 20}, TEXT_SINGLELINE | TEXT_END_ELLIPSIS,
                     false, Font);
    EXPECT_FALSE(Ink_Outside(Cut, CANVAS_RECT{0, 0, 60, 20}));
    double fDots = Measure_Text(Font, "...");
    int nLastInk = -1;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            if (Cut.Get_Pixel(x, y) != 0)
                nLastInk = std::max(nLastInk, x);
    EXPECT_GT(nLastInk, 60 - 2 * fDots);
}

TEST_F(CanvasDrawingTest, WindowsTextBytesBecomeTheirCodePoints)
{
    EXPECT_EQ(Windows_1252_To_Code_Point('A'), 0x41u);
    EXPECT_EQ(Windows_1252_To_Code_Point(0x80), 0x20ACu);  // euro sign
    EXPECT_EQ(Windows_1252_To_Code_Point(0x96), 0x2013u);  // en dash
    EXPECT_EQ(Windows_1252_To_Code_Point(0x9F), 0x0178u);  // Y with diaeresis
    EXPECT_EQ(Windows_1252_To_Code_Point(0x81), 0x81u);    // undefined: itself
    EXPECT_EQ(Windows_1252_To_Code_Point(0xE9), 0xE9u);    // e acute
    // Control characters take no room and draw nothing.
    CANVAS_FONT Small{FONT_FAMILY_SANS, 12, false, false};
    EXPECT_EQ(Measure_Text(Small, "a\tb"), Measure_Text(Small, "ab"));
    CANVAS Blank(30, 20);
    Blank.Draw_Text(Small, 2, 15, "\t\x01", Rgb_Color(0));
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(Blank.Get_Pixel(x, y), 0u);
    // An en dash is drawn as a dash, not as a missing-glyph box: narrower
    // than an M and wider than nothing.
    CANVAS_FONT Font{FONT_FAMILY_SANS, 20, false, false};
    double fDash = Measure_Text(Font, "\x96");
    EXPECT_GT(fDash, 0.0);
    EXPECT_LT(fDash, Measure_Text(Font, "M"));
}

TEST_F(CanvasDrawingTest, AMissingFontFallsBackToTheNextFamilyWithOneNotice)
{
    // A font folder holding only the plain sans face.
    namespace fs = std::filesystem;
    std::string Folder = Scratch.Path() + "/fonts";
    fs::create_directories(Folder);
    std::error_code Error;
    fs::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", Folder + "/DejaVuSans.ttf", Error);
    ASSERT_FALSE(Error) << Error.message();
    Set_Font_Folder(Folder.c_str());
    EXPECT_EQ(Get_Font_File(FONT_FAMILY_SERIF, false, false), Folder + "/DejaVuSans.ttf");
    EXPECT_EQ(Get_Font_File(FONT_FAMILY_SERIF, false, false), Folder + "/DejaVuSans.ttf");
    EXPECT_EQ(Get_Font_File(FONT_FAMILY_SANS, false, false), Folder + "/DejaVuSans.ttf");
    CANVAS_FONT Serif{FONT_FAMILY_SERIF, 16, false, false};
    EXPECT_GT(Measure_Text(Serif, "Serif"), 0.0);
    std::vector<std::string> Lines = Read_Debug_Log_Lines(true);
    int nNotices = 0;
    for (const std::string& Line : Lines)
        nNotices += Line.find("DejaVuSerif.ttf\" is missing") != std::string::npos;
    EXPECT_EQ(nNotices, 1);

    // A font file that is no font: told once, its text not drawn, widths sane.
    {
        FILE* pFile = std::fopen((Folder + "/DejaVuSans-Bold.ttf").c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        std::fputs("not a font", pFile);
        std::fclose(pFile);
        CANVAS_FONT Bold{FONT_FAMILY_SANS, 16, true, false};
        CANVAS Canvas(50, 20);
        EXPECT_EQ(Canvas.Draw_Text(Bold, 0, 15, "text", Rgb_Color(0)), 0.0);
        EXPECT_EQ(Canvas.Draw_Text(Bold, 0, 15, "text", Rgb_Color(0)), 0.0);
        EXPECT_GT(Measure_Text(Bold, "text"), 0.0);
        EXPECT_EQ(Ink_Count(Canvas), 0);
        int nTold = 0;
        for (const std::string& Line : Read_Debug_Log_Lines(true))
            nTold += Line.find("Could not load the font") != std::string::npos;
        EXPECT_EQ(nTold, 1);
        // The plain face still draws.
        EXPECT_GT(Canvas.Draw_Text(Serif, 0, 15, "text", Rgb_Color(0)), 0.0);
    }

    // No font at all: nothing drawn, nothing crashes, widths still sane.
    Set_Font_Folder((Scratch.Path() + "/none").c_str());
    EXPECT_EQ(Get_Font_File(FONT_FAMILY_SANS, true, false), "");
    CANVAS Canvas(50, 20);
    EXPECT_EQ(Canvas.Draw_Text(Serif, 0, 15, "text", Rgb_Color(0)), 0.0);
    EXPECT_EQ(Ink_Count(Canvas), 0);
    EXPECT_GT(Measure_Text(Serif, "text"), 0.0);
}

TEST_F(CanvasDrawingTest, NoiseLinesAndLabelBoxes)
{
    // Noise: every channel within the amount of the base, the same pixels on
    // a second call, the base itself at amount 0.
    CANVAS First(16, 8), Second(16, 8);
    CANVAS_COLOR Base = Rgb_Color(0x808080);
    Draw_Color_Noise(First, First.Bounds(), Base, 10);
    Draw_Color_Noise(Second, Second.Bounds(), Base, 10);
    EXPECT_EQ(std::memcmp(First.Pixels(), Second.Pixels(), size_t(16 * 4 * 8)), 0);
    bool bVaried = false;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            uint32_t p = First.Get_Pixel(x, y);
            int r = int(p >> 16 & 0xFF), g = int(p >> 8 & 0xFF), b = int(p & 0xFF);
            EXPECT_EQ(p >> 24, 255u);
            EXPECT_LE(std::abs(r - 128), 10);
            EXPECT_TRUE(r == g && g == b);  // one amount for all three channels
            bVaried = bVaried || r != 128;
        }
    }
    EXPECT_TRUE(bVaried);
    CANVAS Flat(4, 4);
    Draw_Color_Noise(Flat, Flat.Bounds(), Base, 0);
    EXPECT_EQ(Flat.Get_Pixel(3, 3), 0xFF808080u);
    // Clipped noise draws the same pixels as unclipped noise where it draws.
    CANVAS Clipped(16, 8);
    Clipped.Set_Clip(CANVAS_RECT{5, 3, 9, 6});
    Draw_Color_Noise(Clipped, Clipped.Bounds(), Base, 10);
    EXPECT_EQ(Clipped.Get_Pixel(6, 4), First.Get_Pixel(6, 4));
    EXPECT_EQ(Clipped.Get_Pixel(0, 0), 0u);

    // A level line from x 2 to 7 on row 3 fills 2..6, the end point left out.
    CANVAS Lines(10, 10);
    Draw_Absolute_Line(Lines, CANVAS_RECT{2, 3, 7, 3}, Rgb_Color(0xFF0000));
    EXPECT_EQ(Lines.Get_Pixel(2, 3), 0xFFFF0000u);
    EXPECT_EQ(Lines.Get_Pixel(6, 3), 0xFFFF0000u);
    EXPECT_EQ(Lines.Get_Pixel(7, 3), 0u);
    EXPECT_EQ(Lines.Get_Pixel(4, 2), 0u);
    Draw_Absolute_Line(Lines, CANVAS_RECT{8, 1, 8, 4}, Rgb_Color(0x00FF00));
    EXPECT_EQ(Lines.Get_Pixel(8, 1), 0xFF00FF00u);
    EXPECT_EQ(Lines.Get_Pixel(8, 3), 0xFF00FF00u);
    EXPECT_EQ(Lines.Get_Pixel(8, 4), 0u);

    // The label box: grey at its corners, black text in its middle.
    CANVAS Label(120, 24);
    Draw_Label_Box(Label, CANVAS_RECT{0, 0, 120, 24}, "HOME", CANVAS_FONT{FONT_FAMILY_SANS, 14, true, false});
    EXPECT_EQ(Label.Get_Pixel(0, 0), 0xFFAAAAAAu);
    EXPECT_EQ(Label.Get_Pixel(119, 23), 0xFFAAAAAAu);
    int nDark = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 120; ++x)
            nDark += (Label.Get_Pixel(x, y) & 0xFF) < 0x40;
    EXPECT_GT(nDark, 20);
    // ... and none of it in the outer thirds.
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 30; ++x)
            EXPECT_EQ(Label.Get_Pixel(x, y), 0xFFAAAAAAu) << x << "," << y;
}

}  // namespace
