// The drawing services of the pages and dialogs: the application fonts with
// their use counts, the design space and its scaling to the client area,
// text in a box, noise fills, lines and label boxes.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/errors.h"

namespace {

// The 39 application fonts: heights in pixels of the design space.
struct APP_FONT_ROW {
    const char* szName;
    FONT_FAMILY nFamily;
    double fHeight;
    bool bBold;
    bool bItalic;
};
constexpr APP_FONT_ROW APP_FONT_TABLE[] = {
    {"Dialog", FONT_FAMILY_SANS_CONDENSED, 11, false, false},        // 0 the dialogs' controls
    {"Dialog Bold", FONT_FAMILY_SANS_CONDENSED, 11, true, false},    // 1 buttons
    {"Second Heading", FONT_FAMILY_SANS, 14, true, false},           // 2
    {"Status Bar", FONT_FAMILY_SANS_CONDENSED, 11, false, false},    // 3
    {"News Ticker", FONT_FAMILY_SANS, 13, true, false},              // 4
    {"Page Text", FONT_FAMILY_SERIF, 12, false, false},              // 5
    {"Page Bold", FONT_FAMILY_SERIF, 12, true, false},               // 6
    {"Page Small", FONT_FAMILY_SANS, 10, false, false},              // 7
    {"Page Title", FONT_FAMILY_SERIF, 30, true, false},              // 8 masthead
    {"Page Headline", FONT_FAMILY_SERIF, 20, true, false},           // 9
    {"Page Subhead", FONT_FAMILY_SERIF, 14, false, true},            // 10
    {"Table Text", FONT_FAMILY_SANS_CONDENSED, 11, false, false},    // 11
    {"Table Bold", FONT_FAMILY_SANS_CONDENSED, 11, true, false},     // 12
    {"Label", FONT_FAMILY_SANS, 11, false, false},                   // 13
    {"Diagram", FONT_FAMILY_SANS, 10, true, false},                  // 14
    {"Score", FONT_FAMILY_SANS, 24, true, false},                    // 15
    {"Mono", FONT_FAMILY_MONO, 11, false, false},                    // 16
    {"Sans 8", FONT_FAMILY_SANS, 8, false, false},                   // 17
    {"Sans 9", FONT_FAMILY_SANS, 9, false, false},                   // 18
    {"Sans 10", FONT_FAMILY_SANS, 10, false, false},                 // 19
    {"Sans 12", FONT_FAMILY_SANS, 12, false, false},                 // 20
    {"Sans 14", FONT_FAMILY_SANS, 14, false, false},                 // 21
    {"Sans Bold 10", FONT_FAMILY_SANS, 10, true, false},             // 22
    {"Sans Bold 12", FONT_FAMILY_SANS, 12, true, false},             // 23
    {"Sans Bold 16", FONT_FAMILY_SANS, 16, true, false},             // 24
    {"Sans Bold 20", FONT_FAMILY_SANS, 20, true, false},             // 25
    {"Sans Bold 28", FONT_FAMILY_SANS, 28, true, false},             // 26
    {"Serif 10", FONT_FAMILY_SERIF, 10, false, false},               // 27
    {"Serif 14", FONT_FAMILY_SERIF, 14, false, false},               // 28
    {"Serif Bold 16", FONT_FAMILY_SERIF, 16, true, false},           // 29
    {"Serif Bold 18", FONT_FAMILY_SERIF, 18, true, false},           // 30
    {"Serif Bold 24", FONT_FAMILY_SERIF, 24, true, false},           // 31
    {"Serif Bold 36", FONT_FAMILY_SERIF, 36, true, false},           // 32
    {"Condensed 9", FONT_FAMILY_SANS_CONDENSED, 9, false, false},    // 33
    {"Condensed 10", FONT_FAMILY_SANS_CONDENSED, 10, false, false},  // 34
    {"Condensed 12", FONT_FAMILY_SANS_CONDENSED, 12, false, false},  // 35
    {"Condensed Bold 9", FONT_FAMILY_SANS_CONDENSED, 9, true, false},    // 36
    {"Condensed Bold 10", FONT_FAMILY_SANS_CONDENSED, 10, true, false},  // 37
    {"Condensed Bold 12", FONT_FAMILY_SANS_CONDENSED, 12, true, false},  // 38
};
static_assert(std::size(APP_FONT_TABLE) == APP_FONT_COUNT);

APP_FONT g_AppFonts[APP_FONT_COUNT];
bool g_bAppFontsLoaded = false;

int g_nClientWidth = DESIGN_WIDTH;
int g_nClientHeight = DESIGN_HEIGHT;

bool Valid_Font_Index(int nFont, const char* szFunction)
{
    if (nFont >= 0 && nFont < APP_FONT_COUNT)
        return true;
    Report_Error("%s: no application font %d", szFunction, nFont);
    return false;
}

// Scales v by nTo / nFrom, truncated toward zero, without overflow.
int Scale_Value(int v, int nTo, int nFrom)
{
    return static_cast<int>(static_cast<int64_t>(v) * nTo / nFrom);
}

// The noise of one pixel: a small hash of ours (splitmix64) of the fill's
// seed and the pixel's place in the rectangle, so a clipped fill draws the
// same pixels as a whole one and the game's generator is never touched.
uint64_t Noise_Of(uint64_t nSeed, int dx, int dy)
{
    uint64_t z = nSeed + (uint64_t(uint32_t(dy)) << 32 | uint32_t(dx)) * 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// The text of a box split into lines: at "\n" unless single-line, and at
// spaces where a line would be wider than the box when wrapping.
std::vector<std::string> Split_Lines(const CANVAS_FONT& Font, const char* szText, unsigned nFlags, double fWidth)
{
    std::vector<std::string> Lines;
    std::string Text = szText;
    Text.erase(std::remove(Text.begin(), Text.end(), '\r'), Text.end());
    if (nFlags & TEXT_SINGLELINE) {
        std::replace(Text.begin(), Text.end(), '\n', ' ');
        Lines.push_back(Text);
        return Lines;
    }
    size_t nStart = 0;
    while (true) {
        size_t nEnd = Text.find('\n', nStart);
        std::string Paragraph = Text.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart);
        if (!(nFlags & TEXT_WORDBREAK)) {
            Lines.push_back(Paragraph);
        } else {
            // Greedy: words are added while the line fits; a word wider than
            // the box stands alone on its line.
            std::string Line;
            size_t i = 0;
            bool bAny = false;
            while (i <= Paragraph.size()) {
                size_t j = Paragraph.find(' ', i);
                if (j == std::string::npos)
                    j = Paragraph.size();
                std::string Word = Paragraph.substr(i, j - i);
                std::string Candidate = Line.empty() ? Word : Line + " " + Word;
                if (!Line.empty() && Measure_Text(Font, Candidate.c_str()) > fWidth) {
                    Lines.push_back(Line);
                    Line = Word;
                } else {
                    Line = Candidate;
                }
                bAny = true;
                i = j + 1;
            }
            if (bAny)
                Lines.push_back(Line);
        }
        if (nEnd == std::string::npos)
            break;
        nStart = nEnd + 1;
    }
    return Lines;
}

// Cuts a line that is too wide and ends it with "...": the longest start
// that fits with the dots (found by halving; widths grow with length).
std::string Fit_With_Ellipsis(const CANVAS_FONT& Font, const std::string& Line, double fWidth)
{
    if (Measure_Text(Font, Line.c_str()) <= fWidth)
        return Line;
    size_t nLow = 0, nHigh = Line.size();  // nLow fits (or is 0), nHigh does not
    while (nHigh - nLow > 1) {
        size_t nMid = (nLow + nHigh) / 2;
        if (Measure_Text(Font, (Line.substr(0, nMid) + "...").c_str()) <= fWidth)
            nLow = nMid;
        else
            nHigh = nMid;
    }
    return Line.substr(0, nLow) + "...";
}

}  // namespace

// --- The application fonts -------------------------------------------------

void Load_App_Fonts()
{
    for (int i = 0; i < APP_FONT_COUNT; ++i) {
        const APP_FONT_ROW& Row = APP_FONT_TABLE[i];
        g_AppFonts[i].Font = CANVAS_FONT{Row.nFamily, Row.fHeight, Row.bBold, Row.bItalic};
        g_AppFonts[i].szName = Row.szName;
        if (!g_bAppFontsLoaded)
            g_AppFonts[i].nUseCount = 0;
    }
    g_bAppFontsLoaded = true;
}

const APP_FONT& Get_App_Font(int nFont)
{
    if (!g_bAppFontsLoaded)
        Load_App_Fonts();
    if (!Valid_Font_Index(nFont, __func__))
        nFont = 0;
    return g_AppFonts[nFont];
}

const CANVAS_FONT& Use_App_Font(int nFont)
{
    if (!g_bAppFontsLoaded)
        Load_App_Fonts();
    if (!Valid_Font_Index(nFont, __func__))
        nFont = 0;
    ++g_AppFonts[nFont].nUseCount;
    return g_AppFonts[nFont].Font;
}

void Release_App_Font(int nFont)
{
    if (!g_bAppFontsLoaded)
        Load_App_Fonts();
    if (!Valid_Font_Index(nFont, __func__))
        return;
    if (--g_AppFonts[nFont].nUseCount < 0) {
        Report_Error("Font Error: Trying to free a font more times than it has been allocated.");
        g_AppFonts[nFont].nUseCount = 0;
    }
}

// --- The design space ------------------------------------------------------

void Set_Client_Size(int nWidth, int nHeight)
{
    if (nWidth <= 0 || nHeight <= 0)
        return;
    g_nClientWidth = nWidth;
    g_nClientHeight = nHeight;
}

int Get_Client_Width()
{
    return g_nClientWidth;
}

int Get_Client_Height()
{
    return g_nClientHeight;
}

void Enlarge_Rectangle(CANVAS_RECT& rc)
{
    rc.left = Scale_Value(rc.left, g_nClientWidth, DESIGN_WIDTH);
    rc.right = Scale_Value(rc.right, g_nClientWidth, DESIGN_WIDTH);
    rc.top = Scale_Value(rc.top, g_nClientHeight, DESIGN_HEIGHT);
    rc.bottom = Scale_Value(rc.bottom, g_nClientHeight, DESIGN_HEIGHT);
}

void Scale_Rectangle_To_Client(CANVAS_RECT& rc)
{
    Enlarge_Rectangle(rc);
}

double Get_Client_Scale()
{
    return double(g_nClientHeight) / DESIGN_HEIGHT;
}

// --- Drawing services ------------------------------------------------------

int Draw_Text_In_Box(CANVAS& Canvas, const char* szText, const CANVAS_RECT& rcBox, unsigned nFlags, bool bScale,
                     const CANVAS_FONT& Font, CANVAS_COLOR Colour)
{
    if (!szText || !*szText)
        return 0;
    CANVAS_RECT rc = rcBox;
    CANVAS_FONT Used = Font;
    if (bScale) {
        Enlarge_Rectangle(rc);
        Used.fHeight = Font.fHeight * Get_Client_Scale();
    }
    if (rc.Is_Empty())
        return 0;
    double fWidth = rc.Width();
    std::vector<std::string> Lines = Split_Lines(Used, szText, nFlags, fWidth);
    double fLine = Get_Line_Height(Used);
    double fAscent = Get_Font_Ascent(Used);
    double fTotal = fLine * static_cast<double>(Lines.size());
    double fTop = rc.top;
    if (nFlags & TEXT_VCENTER)
        fTop = rc.top + (rc.Height() - fTotal) / 2;
    else if (nFlags & TEXT_BOTTOM)
        fTop = rc.bottom - fTotal;
    fTop = std::floor(fTop);

    CANVAS_RECT rcOldClip = Canvas.Get_Clip();
    CANVAS_RECT rcClip{std::max(rc.left, rcOldClip.left), std::max(rc.top, rcOldClip.top),
                       std::min(rc.right, rcOldClip.right), std::min(rc.bottom, rcOldClip.bottom)};
    if (rcClip.Is_Empty())
        return static_cast<int>(std::ceil(fTotal));
    Canvas.Set_Clip(rcClip);
    for (size_t i = 0; i < Lines.size(); ++i) {
        std::string Line = (nFlags & TEXT_END_ELLIPSIS) ? Fit_With_Ellipsis(Used, Lines[i], fWidth) : Lines[i];
        double fBaseline = fTop + fLine * static_cast<double>(i) + fAscent;
        if (fBaseline - fAscent >= rc.bottom)
            break;
        double x = rc.left;
        if (nFlags & (TEXT_CENTER | TEXT_RIGHT)) {
            double fText = Measure_Text(Used, Line.c_str());
            x = (nFlags & TEXT_CENTER) ? rc.left + (fWidth - fText) / 2 : rc.right - fText;
        }
        Canvas.Draw_Text(Used, std::floor(x), std::round(fBaseline), Line.c_str(), Colour);
    }
    Canvas.Set_Clip(rcOldClip);
    return static_cast<int>(std::ceil(fTotal));
}

void Draw_Color_Noise(CANVAS& Canvas, const CANVAS_RECT& rc, CANVAS_COLOR Base, int nAmount)
{
    CANVAS_RECT rcClip = Canvas.Get_Clip();
    CANVAS_RECT rcDraw{std::max(rc.left, rcClip.left), std::max(rc.top, rcClip.top),
                       std::min(rc.right, rcClip.right), std::min(rc.bottom, rcClip.bottom)};
    if (rcDraw.Is_Empty())
        return;
    nAmount = std::clamp(nAmount, 0, 255);
    uint64_t nSeed = uint64_t(uint32_t(rc.left)) * 73856093u ^ uint64_t(uint32_t(rc.top)) * 19349663u ^
                     uint64_t(uint32_t(rc.right)) * 83492791u ^ uint64_t(uint32_t(rc.bottom)) * 2654435761u ^
                     (uint64_t(Base.r) << 16 | uint64_t(Base.g) << 8 | Base.b) << 40;
    uint64_t nSpan = static_cast<uint64_t>(2 * nAmount + 1);
    for (int y = rcDraw.top; y < rcDraw.bottom; ++y) {
        for (int x = rcDraw.left; x < rcDraw.right; ++x) {
            int d = static_cast<int>(Noise_Of(nSeed, x - rc.left, y - rc.top) % nSpan) - nAmount;
            CANVAS_COLOR c{uint8_t(std::clamp(Base.r + d, 0, 255)), uint8_t(std::clamp(Base.g + d, 0, 255)),
                           uint8_t(std::clamp(Base.b + d, 0, 255)), Base.a};
            if (c.a == 255) {
                uint8_t* p = Canvas.Row(y) + x * 4;
                p[0] = c.b, p[1] = c.g, p[2] = c.r, p[3] = 255;
            } else {
                Canvas.Fill_Rect(CANVAS_RECT{x, y, x + 1, y + 1}, c);
            }
        }
    }
}

void Draw_Absolute_Line(CANVAS& Canvas, const CANVAS_RECT& rc, CANVAS_COLOR Colour)
{
    // Level and upright lines fill whole pixels, the end point left out.
    if (rc.top == rc.bottom) {
        Canvas.Fill_Rect(CANVAS_RECT{std::min(rc.left, rc.right), rc.top, std::max(rc.left, rc.right), rc.top + 1},
                         Colour);
    } else if (rc.left == rc.right) {
        Canvas.Fill_Rect(CANVAS_RECT{rc.left, std::min(rc.top, rc.bottom), rc.left + 1, std::max(rc.top, rc.bottom)},
                         Colour);
    } else {
        Canvas.Draw_Line(rc.left + 0.5, rc.top + 0.5, rc.right + 0.5, rc.bottom + 0.5, 1.0, Colour);
    }
}

void Fill_Rectangle(CANVAS& Canvas, const CANVAS_RECT& rcDesign, CANVAS_COLOR Colour)
{
    CANVAS_RECT rc = rcDesign;
    Enlarge_Rectangle(rc);
    Canvas.Fill_Rect(rc, Colour);
}

void Draw_Label_Box(CANVAS& Canvas, const CANVAS_RECT& rc, const char* szText, const CANVAS_FONT& Font)
{
    Canvas.Fill_Rect(rc, Rgb_Color(0xAAAAAA));
    Draw_Text_In_Box(Canvas, szText, rc, TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLELINE | TEXT_END_ELLIPSIS, false,
                     Font, Rgb_Color(0x000000));
}
