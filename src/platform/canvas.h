// The canvas: the drawing surface of a window, a page or a picture. A 32-bit
// premultiplied pixel buffer in the byte order blue, green, red, alpha (the
// bytes of a cairo ARGB32 surface on a little-endian machine), drawn with
// anti-aliasing. Text goes through FreeType with the DejaVu fonts; pictures
// are read from PNG and JPEG files and written as PNG (pictures.h).
//
// The canvas keeps no drawing state beyond its clip rectangle: every call
// names its colour, width and font.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A colour with straight (not premultiplied) alpha; the canvas premultiplies.
struct CANVAS_COLOR {
    uint8_t r = 0, g = 0, b = 0, a = 255;
};
// An opaque colour from 0xRRGGBB.
constexpr CANVAS_COLOR Rgb_Color(uint32_t nRGB)
{
    return CANVAS_COLOR{uint8_t(nRGB >> 16), uint8_t(nRGB >> 8), uint8_t(nRGB), 255};
}
// A colour from 0xAARRGGBB (alpha in the top byte).
constexpr CANVAS_COLOR Argb_Color(uint32_t nARGB)
{
    return CANVAS_COLOR{uint8_t(nARGB >> 16), uint8_t(nARGB >> 8), uint8_t(nARGB), uint8_t(nARGB >> 24)};
}

// A rectangle in whole pixels; right and bottom lie just outside it.
struct CANVAS_RECT {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Is_Empty() const { return right <= left || bottom <= top; }
    bool operator==(const CANVAS_RECT&) const = default;
};

struct CANVAS_POINT {
    double x = 0, y = 0;
};

// The type faces; a missing one falls back to the next that exists
// (Condensed and Serif to Sans, Sans to Mono), with one notice in the log.
enum FONT_FAMILY : int {
    FONT_FAMILY_SANS = 0,
    FONT_FAMILY_SANS_CONDENSED = 1,
    FONT_FAMILY_SERIF = 2,
    FONT_FAMILY_MONO = 3,
    FONT_FAMILY_COUNT = 4
};

// A font: its face, its height in pixels (the em size) and its style.
struct CANVAS_FONT {
    FONT_FAMILY nFamily = FONT_FAMILY_SANS;
    double fHeight = 13.0;
    bool bBold = false;
    bool bItalic = false;
};

class CANVAS {
public:
    CANVAS() = default;
    // A canvas of its own, every byte 0 (transparent).
    CANVAS(int nWidth, int nHeight);
    // A canvas over memory it does not own (a window's surface): nStride
    // bytes from one row to the next, at least 4 x nWidth.
    CANVAS(uint8_t* pPixels, int nWidth, int nHeight, int nStride);
    // A copy owns a copy of the pixels (a wrapping canvas's copy wraps the
    // same memory); a move takes the buffer along.
    CANVAS(const CANVAS& Other);
    CANVAS& operator=(const CANVAS& Other);
    CANVAS(CANVAS&& Other) noexcept;
    CANVAS& operator=(CANVAS&& Other) noexcept;
    ~CANVAS() = default;

    // Gives the canvas a buffer of its own of that size, every byte 0.
    // Sizes are bounded (MAX_SIDE); false, and an empty canvas, beyond them.
    bool Resize(int nWidth, int nHeight);
    static constexpr int MAX_SIDE = 16384;

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    int Stride() const { return m_nStride; }
    bool Is_Empty() const { return m_nWidth <= 0 || m_nHeight <= 0; }
    uint8_t* Pixels() { return m_pPixels; }
    const uint8_t* Pixels() const { return m_pPixels; }
    uint8_t* Row(int y) { return m_pPixels + static_cast<ptrdiff_t>(y) * m_nStride; }
    const uint8_t* Row(int y) const { return m_pPixels + static_cast<ptrdiff_t>(y) * m_nStride; }
    // The premultiplied pixel at (x, y) as 0xAARRGGBB; 0 outside the canvas.
    uint32_t Get_Pixel(int x, int y) const;
    CANVAS_RECT Bounds() const { return CANVAS_RECT{0, 0, m_nWidth, m_nHeight}; }

    // Drawing is clipped to this rectangle (always inside the canvas).
    void Set_Clip(const CANVAS_RECT& rcClip);
    void Reset_Clip();
    CANVAS_RECT Get_Clip() const { return m_rcClip; }

    // --- Shapes (source-over, anti-aliased; coordinates in pixels, a pixel's
    // centre at +0.5) ---
    void Clear(CANVAS_COLOR Colour);  // sets every pixel in the clip (no blending)
    void Fill_Rect(const CANVAS_RECT& rc, CANVAS_COLOR Colour);
    void Stroke_Rect(const CANVAS_RECT& rc, double fWidth, CANVAS_COLOR Colour);
    void Draw_Line(double x1, double y1, double x2, double y2, double fWidth, CANVAS_COLOR Colour);
    void Draw_Polyline(const CANVAS_POINT* pPoints, int nCount, double fWidth, CANVAS_COLOR Colour, bool bClosed);
    void Fill_Polygon(const CANVAS_POINT* pPoints, int nCount, CANVAS_COLOR Colour);
    void Fill_Ellipse(double cx, double cy, double rx, double ry, CANVAS_COLOR Colour);
    void Stroke_Ellipse(double cx, double cy, double rx, double ry, double fWidth, CANVAS_COLOR Colour);
    void Fill_Rounded_Rect(const CANVAS_RECT& rc, double fRadius, CANVAS_COLOR Colour);
    void Stroke_Rounded_Rect(const CANVAS_RECT& rc, double fRadius, double fWidth, CANVAS_COLOR Colour);
    // A cubic Bezier curve from p0 through the control points p1, p2 to p3.
    void Stroke_Bezier(CANVAS_POINT p0, CANVAS_POINT p1, CANVAS_POINT p2, CANVAS_POINT p3, double fWidth,
                       CANVAS_COLOR Colour);
    // A linear gradient across the rectangle: From at the top (or left when
    // not bVertical), To at the bottom (or right).
    void Fill_Linear_Gradient(const CANVAS_RECT& rc, CANVAS_COLOR From, CANVAS_COLOR To, bool bVertical);
    // A radial gradient over the rectangle: Inner at (cx, cy), Outer at
    // fRadius and beyond.
    void Fill_Radial_Gradient(const CANVAS_RECT& rc, double cx, double cy, double fRadius, CANVAS_COLOR Inner,
                              CANVAS_COLOR Outer);

    // --- Pictures ---
    // Draws another canvas (premultiplied) with its top-left corner at (x, y),
    // source-over.
    void Draw_Canvas(const CANVAS& Source, int x, int y);
    // Draws another canvas scaled into the rectangle (bilinear), source-over.
    void Draw_Canvas_Scaled(const CANVAS& Source, const CANVAS_RECT& rcDest);

    // --- Text (Windows-1252 bytes) ---
    // Draws the text with its baseline starting at (x, y); returns its advance.
    double Draw_Text(const CANVAS_FONT& Font, double x, double y, const char* szText, CANVAS_COLOR Colour,
                     size_t nLength = SIZE_MAX);

private:
    std::vector<uint8_t> m_Owned;
    uint8_t* m_pPixels = nullptr;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nStride = 0;
    CANVAS_RECT m_rcClip;
};

// --- Text measurement (Windows-1252 bytes) ---------------------------------

// The advance of the text in pixels, kerning included.
double Measure_Text(const CANVAS_FONT& Font, const char* szText, size_t nLength = SIZE_MAX);
// The distance from one baseline to the next, and the ascent and descent
// (both positive) of the font.
double Get_Line_Height(const CANVAS_FONT& Font);
double Get_Font_Ascent(const CANVAS_FONT& Font);
double Get_Font_Descent(const CANVAS_FONT& Font);
// The Unicode code point of a Windows-1252 byte (the five bytes it leaves
// undefined map to themselves).
uint32_t Windows_1252_To_Code_Point(uint8_t c);
// The font file a family and style resolve to ("" when no DejaVu font exists).
std::string Get_Font_File(FONT_FAMILY nFamily, bool bBold, bool bItalic);
// Where the fonts are looked for (default "/usr/share/fonts/truetype/dejavu");
// tests point it elsewhere to see the fallback.
void Set_Font_Folder(const char* szFolder);

// --- The application fonts -------------------------------------------------

constexpr int APP_FONT_COUNT = 39;
// Named entries of the table; the rest are page sizes of their families.
enum APP_FONT_ID : int {
    FONT_DIALOG = 0,          // the dialogs' controls
    FONT_DIALOG_BOLD = 1,     // the dialogs' buttons
    FONT_SECOND_HEADING = 2,  // a dialog's second heading
    FONT_STATUS_BAR = 3,
    FONT_NEWS_TICKER = 4,
    FONT_PAGE_TEXT = 5,       // body text of a page
    FONT_PAGE_BOLD = 6,
    FONT_PAGE_SMALL = 7,
    FONT_PAGE_TITLE = 8,      // a page's masthead
    FONT_PAGE_HEADLINE = 9,
    FONT_PAGE_SUBHEAD = 10,
    FONT_TABLE_TEXT = 11,     // tables of a page (condensed)
    FONT_TABLE_BOLD = 12,
    FONT_LABEL = 13,          // label boxes
    FONT_DIAGRAM = 14,        // play diagrams
    FONT_SCORE = 15,          // big score figures
    FONT_MONO = 16
};

// One application font: its description, a short name, and how many users
// hold it.
struct APP_FONT {
    CANVAS_FONT Font;
    const char* szName = "";
    int nUseCount = 0;
};

// Builds the table of the 39 fonts (use counts 0); again, it keeps the counts.
void Load_App_Fonts();
// The font of an index (clamped into the table); takes one use.
const CANVAS_FONT& Use_App_Font(int nFont);
// The entry, without taking a use (a bad index reports and gives entry 0).
const APP_FONT& Get_App_Font(int nFont);
// Gives back one use. Below zero: "Font Error: Trying to free a font more
// times than it has been allocated." through Report_Error and the count 0.
void Release_App_Font(int nFont);

// --- The design space ------------------------------------------------------

// Pages are laid out in a 768 x 507 space and scaled to the client area.
constexpr int DESIGN_WIDTH = 768;
constexpr int DESIGN_HEIGHT = 507;
// The main window's client size, set by the window (default the design size).
void Set_Client_Size(int nWidth, int nHeight);
int Get_Client_Width();
int Get_Client_Height();
// Scales a rectangle in place from the design space to the client area:
// x x width / 768 and y x height / 507, each truncated.
void Enlarge_Rectangle(CANVAS_RECT& rc);
void Scale_Rectangle_To_Client(CANVAS_RECT& rc);
// The vertical scale (client height / 507), for font heights.
double Get_Client_Scale();

// --- Drawing services of the pages and dialogs -----------------------------

// Flags of Draw_Text_In_Box (the values of the classic text-drawing flags).
enum TEXT_FLAGS : unsigned {
    TEXT_LEFT = 0x0000,
    TEXT_CENTER = 0x0001,
    TEXT_RIGHT = 0x0002,
    TEXT_VCENTER = 0x0004,   // single line: centred vertically
    TEXT_BOTTOM = 0x0008,    // single line: on the bottom edge
    TEXT_WORDBREAK = 0x0010, // wraps at spaces (and "\n")
    TEXT_SINGLELINE = 0x0020,
    TEXT_END_ELLIPSIS = 0x8000  // a line too long ends in "..."
};

// Draws text into a box, clipped to it. With bScale the box is a design
// rectangle (scaled like Enlarge_Rectangle) and the font height scales with
// it. Returns the height of the text drawn, in pixels; on an empty canvas it
// draws nothing and only measures.
int Draw_Text_In_Box(CANVAS& Canvas, const char* szText, const CANVAS_RECT& rcBox, unsigned nFlags, bool bScale,
                     const CANVAS_FONT& Font, CANVAS_COLOR Colour = Rgb_Color(0x000000));
// A noisy fill around a colour: each pixel's channels move by one amount in
// -nAmount..nAmount from a small hash of ours of the rectangle, the colour
// and the pixel's place, so the same call gives the same pixels.
void Draw_Color_Noise(CANVAS& Canvas, const CANVAS_RECT& rc, CANVAS_COLOR Base, int nAmount);
// A one-pixel line from (left, top) to (right, bottom).
void Draw_Absolute_Line(CANVAS& Canvas, const CANVAS_RECT& rc, CANVAS_COLOR Colour);
// A filled design rectangle, scaled to the client area first.
void Fill_Rectangle(CANVAS& Canvas, const CANVAS_RECT& rcDesign, CANVAS_COLOR Colour);
// A grey (0xAAAAAA) box with the text centred in black.
void Draw_Label_Box(CANVAS& Canvas, const CANVAS_RECT& rc, const char* szText,
                    const CANVAS_FONT& Font = CANVAS_FONT{});
