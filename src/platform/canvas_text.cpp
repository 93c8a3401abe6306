// Text on the canvas: the DejaVu fonts through AGG's FreeType engine, glyphs
// kept in its cache, Windows-1252 bytes turned into code points.
#include <agg_font_cache_manager.h>
#include <agg_font_freetype.h>
#include <agg_renderer_scanline.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "platform/canvas.h"
#include "platform/canvas_agg.h"
#include "platform/errors.h"
#include "platform/files.h"

namespace {

using FONT_ENGINE = agg::font_engine_freetype_int32;
using FONT_MANAGER = agg::font_cache_manager<FONT_ENGINE>;

constexpr const char* DEFAULT_FONT_FOLDER = "/usr/share/fonts/truetype/dejavu";

// The file stems of each family: regular, bold, italic, bold italic.
struct FAMILY_FILES {
    const char* szName;
    const char* szStyle[4];
};
constexpr FAMILY_FILES FAMILY_TABLE[FONT_FAMILY_COUNT] = {
    {"DejaVu Sans", {"DejaVuSans", "DejaVuSans-Bold", "DejaVuSans-Oblique", "DejaVuSans-BoldOblique"}},
    {"DejaVu Sans Condensed",
     {"DejaVuSansCondensed", "DejaVuSansCondensed-Bold", "DejaVuSansCondensed-Oblique",
      "DejaVuSansCondensed-BoldOblique"}},
    {"DejaVu Serif", {"DejaVuSerif", "DejaVuSerif-Bold", "DejaVuSerif-Italic", "DejaVuSerif-BoldItalic"}},
    {"DejaVu Sans Mono",
     {"DejaVuSansMono", "DejaVuSansMono-Bold", "DejaVuSansMono-Oblique", "DejaVuSansMono-BoldOblique"}},
};
// Where each family falls back to, in order.
constexpr FONT_FAMILY FALLBACK_TABLE[FONT_FAMILY_COUNT][FONT_FAMILY_COUNT] = {
    {FONT_FAMILY_SANS, FONT_FAMILY_SANS_CONDENSED, FONT_FAMILY_SERIF, FONT_FAMILY_MONO},
    {FONT_FAMILY_SANS_CONDENSED, FONT_FAMILY_SANS, FONT_FAMILY_SERIF, FONT_FAMILY_MONO},
    {FONT_FAMILY_SERIF, FONT_FAMILY_SANS, FONT_FAMILY_SANS_CONDENSED, FONT_FAMILY_MONO},
    {FONT_FAMILY_MONO, FONT_FAMILY_SANS, FONT_FAMILY_SANS_CONDENSED, FONT_FAMILY_SERIF},
};

// Code points of the bytes 0x80-0x9F; the undefined five map to themselves.
constexpr uint16_t CP1252_HIGH[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// A face's ascent, descent and line distance per pixel of em height, from
// its own metrics (the engine scales its ascent to the em).
struct FACE_METRICS {
    double fAscent = 0.8;
    double fDescent = 0.2;
    double fLine = 1.2;
};

struct FONT_STATE {
    FONT_ENGINE Engine;
    FONT_MANAGER Manager{Engine, 64};  // the fonts whose glyphs stay cached
    std::string Folder = DEFAULT_FONT_FOLDER;
    // Resolved files by family and style (index family x 4 + style).
    std::map<int, std::string> Resolved;
    std::map<std::string, FACE_METRICS> Metrics;
    std::set<std::string> Unreadable;  // font files FreeType refused: told once
    std::string LoadedFile;
    double fLoadedHeight = -1;
    bool bLoaded = false;
};

FONT_STATE& State()
{
    static FONT_STATE s_State;
    return s_State;
}

int Style_Index(bool bBold, bool bItalic)
{
    return (bBold ? 1 : 0) + (bItalic ? 2 : 0);
}

std::string File_Of(const std::string& Folder, const char* szStem)
{
    return Folder + "/" + szStem + ".ttf";
}

// The height the engine is asked for: at least one pixel, at most 1,000.
double Bounded_Height(double fHeight)
{
    if (!(fHeight >= 1.0))
        return 1.0;
    return fHeight > 1000.0 ? 1000.0 : fHeight;
}

// Makes the font current in the engine; false when no font file exists.
bool Select_Font(const CANVAS_FONT& Font)
{
    FONT_STATE& s = State();
    std::string File = Get_Font_File(Font.nFamily, Font.bBold, Font.bItalic);
    if (File.empty())
        return false;
    double fHeight = Bounded_Height(Font.fHeight);
    if (s.bLoaded && File == s.LoadedFile && fHeight == s.fLoadedHeight)
        return true;
    if (File != s.LoadedFile || !s.bLoaded) {
        if (s.Unreadable.count(File) || !s.Engine.load_font(File.c_str(), 0, agg::glyph_ren_agg_gray8)) {
            if (s.Unreadable.insert(File).second)
                Write_Debug_Log("Could not load the font \"%s\": its text is not drawn", File.c_str());
            s.bLoaded = false;
            s.LoadedFile.clear();
            return false;
        }
        s.Engine.flip_y(true);
        s.Engine.hinting(true);
    }
    s.Engine.height(fHeight);
    s.LoadedFile = File;
    s.fLoadedHeight = fHeight;
    s.bLoaded = true;
    return true;
}

FACE_METRICS Read_Face_Metrics(const std::string& File)
{
    FACE_METRICS Metrics;
    FT_Library pLibrary = nullptr;
    if (FT_Init_FreeType(&pLibrary) != 0)
        return Metrics;
    FT_Face pFace = nullptr;
    if (FT_New_Face(pLibrary, File.c_str(), 0, &pFace) == 0) {
        if (pFace->units_per_EM > 0 && pFace->ascender > 0) {
            double fEm = pFace->units_per_EM;
            Metrics.fAscent = pFace->ascender / fEm;
            Metrics.fDescent = std::fabs(double(pFace->descender)) / fEm;
            Metrics.fLine = std::max(double(pFace->height) / fEm, Metrics.fAscent + Metrics.fDescent);
        }
        FT_Done_Face(pFace);
    }
    FT_Done_FreeType(pLibrary);
    return Metrics;
}

// The metrics of the face a font resolves to (the fallback's without one).
FACE_METRICS Metrics_Of(const CANVAS_FONT& Font)
{
    FONT_STATE& s = State();
    std::string File = Get_Font_File(Font.nFamily, Font.bBold, Font.bItalic);
    if (File.empty())
        return FACE_METRICS{};
    auto Found = s.Metrics.find(File);
    if (Found == s.Metrics.end())
        Found = s.Metrics.emplace(File, Read_Face_Metrics(File)).first;
    return Found->second;
}

size_t Length_Of(const char* szText, size_t nLength)
{
    if (!szText)
        return 0;
    return nLength == SIZE_MAX ? std::strlen(szText) : strnlen(szText, nLength);
}

}  // namespace

uint32_t Windows_1252_To_Code_Point(uint8_t c)
{
    if (c >= 0x80 && c <= 0x9F)
        return CP1252_HIGH[c - 0x80];
    return c;
}

void Set_Font_Folder(const char* szFolder)
{
    FONT_STATE& s = State();
    s.Folder = (szFolder && *szFolder) ? szFolder : DEFAULT_FONT_FOLDER;
    s.Resolved.clear();
    s.Metrics.clear();
    s.Unreadable.clear();
    s.bLoaded = false;
    s.LoadedFile.clear();
}

std::string Get_Font_File(FONT_FAMILY nFamily, bool bBold, bool bItalic)
{
    FONT_STATE& s = State();
    if (nFamily < 0 || nFamily >= FONT_FAMILY_COUNT)
        nFamily = FONT_FAMILY_SANS;
    int nStyle = Style_Index(bBold, bItalic);
    int nKey = nFamily * 4 + nStyle;
    auto Found = s.Resolved.find(nKey);
    if (Found != s.Resolved.end())
        return Found->second;
    std::string File;
    for (FONT_FAMILY nTry : FALLBACK_TABLE[nFamily]) {
        // The style asked for, then the family's regular face.
        for (int nTryStyle : {nStyle, 0}) {
            std::string Candidate = File_Of(s.Folder, FAMILY_TABLE[nTry].szStyle[nTryStyle]);
            if (files::File_Exists(Candidate.c_str())) {
                File = Candidate;
                break;
            }
        }
        if (!File.empty())
            break;
    }
    std::string Wanted = File_Of(s.Folder, FAMILY_TABLE[nFamily].szStyle[nStyle]);
    if (File.empty())
        Write_Debug_Log("Font \"%s\" is missing and no DejaVu font was found: text is not drawn", Wanted.c_str());
    else if (File != Wanted)
        Write_Debug_Log("Font \"%s\" is missing; using \"%s\"", Wanted.c_str(), File.c_str());
    s.Resolved[nKey] = File;
    return File;
}

double Measure_Text(const CANVAS_FONT& Font, const char* szText, size_t nLength)
{
    size_t n = Length_Of(szText, nLength);
    if (n == 0)
        return 0.0;
    if (!Select_Font(Font))
        return 0.6 * Bounded_Height(Font.fHeight) * static_cast<double>(n);  // keeps layouts sane without fonts
    FONT_STATE& s = State();
    s.Manager.reset_last_glyph();
    double x = 0, y = 0;
    for (size_t i = 0; i < n; ++i) {
        if (uint8_t(szText[i]) < 0x20)
            continue;  // control characters take no room
        const agg::glyph_cache* pGlyph = s.Manager.glyph(Windows_1252_To_Code_Point(uint8_t(szText[i])));
        if (!pGlyph)
            continue;
        s.Manager.add_kerning(&x, &y);
        x += pGlyph->advance_x;
    }
    return x;
}

double Get_Font_Ascent(const CANVAS_FONT& Font)
{
    return Metrics_Of(Font).fAscent * Bounded_Height(Font.fHeight);
}

double Get_Font_Descent(const CANVAS_FONT& Font)
{
    return Metrics_Of(Font).fDescent * Bounded_Height(Font.fHeight);
}

double Get_Line_Height(const CANVAS_FONT& Font)
{
    return std::ceil(Metrics_Of(Font).fLine * Bounded_Height(Font.fHeight));
}

double CANVAS::Draw_Text(const CANVAS_FONT& Font, double x, double y, const char* szText, CANVAS_COLOR Colour,
                         size_t nLength)
{
    size_t n = Length_Of(szText, nLength);
    if (n == 0 || !Select_Font(Font))
        return 0.0;
    FONT_STATE& s = State();
    bool bDraw = !Is_Empty() && Colour.a != 0 && !Get_Clip().Is_Empty();
    canvas_agg::TARGET Target(*this);
    agg::renderer_scanline_aa_solid<canvas_agg::RENDERER> Solid(Target.Base);
    Solid.color(canvas_agg::Premultiplied(Colour));
    s.Manager.reset_last_glyph();
    double fStart = x;
    for (size_t i = 0; i < n; ++i) {
        if (uint8_t(szText[i]) < 0x20)
            continue;  // control characters are not drawn (no missing-glyph boxes)
        const agg::glyph_cache* pGlyph = s.Manager.glyph(Windows_1252_To_Code_Point(uint8_t(szText[i])));
        if (!pGlyph)
            continue;
        s.Manager.add_kerning(&x, &y);
        // A glyph without ink (a space) is stored with bounds that overflow
        // when moved to the pen's place: it is only advanced over.
        if (bDraw && pGlyph->data_type == agg::glyph_data_gray8 && pGlyph->data_size > 0 &&
            pGlyph->bounds.x1 <= pGlyph->bounds.x2 && pGlyph->bounds.y1 <= pGlyph->bounds.y2) {
            s.Manager.init_embedded_adaptors(pGlyph, x, y);
            agg::render_scanlines(s.Manager.gray8_adaptor(), s.Manager.gray8_scanline(), Solid);
        }
        x += pGlyph->advance_x;
        y += pGlyph->advance_y;
    }
    return x - fStart;
}
