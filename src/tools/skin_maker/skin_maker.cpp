// Draws the pictures of the "earth" skin with the canvas and writes them as
// PNG files under a data folder:
//   skin_maker DATA_FOLDER           writes skins/earth/...
//   skin_maker --check DATA_FOLDER   exit 1 unless each file there holds the
//                                    pixels drawn now
// Shapes only, no text: the pixels depend on the rasteriser alone.
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/canvas.h"
#include "platform/files.h"
#include "platform/pictures.h"

namespace {

constexpr CANVAS_COLOR EARTH_DARK = Rgb_Color(0x2E3B24);   // field green, dark
constexpr CANVAS_COLOR EARTH_LIGHT = Rgb_Color(0x4F6339);
constexpr CANVAS_COLOR GOLD = Rgb_Color(0xC8A24A);
constexpr CANVAS_COLOR LEATHER = Rgb_Color(0x8A5A2B);
constexpr CANVAS_COLOR PAPER = Rgb_Color(0xF4EFE3);
constexpr CANVAS_COLOR INK = Rgb_Color(0x1F2A36);

// The status bar's band (36 pixels high): lighter at the top, drawn row by
// row, each row its own shade, inside a rounded outline.
void Fill_Status_Band(CANVAS& Picture, const CANVAS_RECT& rcBand, int nRadius)
{
    const int H = Picture.Height();
    for (int y = 0; y < H; ++y) {
        double t = double(y) / (H - 1);
        auto Channel = [t](uint8_t a, uint8_t b) { return uint8_t(a + (double(b) - a) * t + 0.5); };
        CANVAS_COLOR Row{Channel(EARTH_LIGHT.r, EARTH_DARK.r), Channel(EARTH_LIGHT.g, EARTH_DARK.g),
                         Channel(EARTH_LIGHT.b, EARTH_DARK.b), 255};
        Picture.Set_Clip(CANVAS_RECT{0, y, Picture.Width(), y + 1});
        Picture.Fill_Rounded_Rect(rcBand, nRadius, Row);
    }
    Picture.Reset_Clip();
}

// The left end of the status bar, under the timeline's record and label: a
// rounded cap, a dark scoreboard plate for the club's record (the plate is
// also the button that shows the season's page), a gold "play" mark before
// the label (the label plays one week), and the gold rule along the top.
CANVAS Status_Bar_Left()
{
    constexpr int W = 376, H = 36;
    CANVAS Picture(W, H);
    Fill_Status_Band(Picture, CANVAS_RECT{0, 0, W + 20, H}, 12);
    Picture.Fill_Rect(CANVAS_RECT{10, 2, W, 3}, GOLD);
    Picture.Fill_Rounded_Rect(CANVAS_RECT{4, 6, 78, 33}, 6, Rgb_Color(0x1A2314));
    Picture.Stroke_Rounded_Rect(CANVAS_RECT{4, 6, 78, 33}, 6, 1.0, GOLD);
    // The play mark: a gold triangle.
    const double px = 100, py = 19.5;
    const CANVAS_POINT Play[] = {{px, py - 7}, {px + 13, py}, {px, py + 7}};
    Picture.Fill_Polygon(Play, 3, GOLD);
    // A thin rule under the label.
    Picture.Fill_Rect(CANVAS_RECT{125, 31, 368, 32}, Rgb_Color(0x5E7346));
    return Picture;
}

// The band behind the timeline's cells, stretched from the left end to the
// bar's right edge: plain shaded turf and the gold rule, nothing that a
// stretch would distort.
CANVAS Status_Bar_Right()
{
    constexpr int W = 64, H = 36;
    CANVAS Picture(W, H);
    Fill_Status_Band(Picture, CANVAS_RECT{-20, 0, W + 20, H}, 0);
    Picture.Fill_Rect(CANVAS_RECT{0, 2, W, 3}, GOLD);
    return Picture;
}

// The page background: newsprint, a tile of gentle noise.
CANVAS Page_Background()
{
    CANVAS Picture(128, 128);
    Draw_Color_Noise(Picture, Picture.Bounds(), PAPER, 4);
    return Picture;
}

// The news bar (24 pixels high, stretched across): dark ink with a light rule.
CANVAS News_Bar_Background()
{
    CANVAS Picture(64, 24);
    Picture.Fill_Linear_Gradient(Picture.Bounds(), Rgb_Color(0x2B3A4A), INK, true);
    Picture.Fill_Rect(CANVAS_RECT{0, 0, 64, 1}, GOLD);
    return Picture;
}

struct SKIN_FILE {
    const char* szName;
    CANVAS (*pDraw)();
};

const SKIN_FILE SKIN_FILES[] = {
    {SKIN_STATUS_BAR_LEFT, Status_Bar_Left},
    {SKIN_STATUS_BAR_RIGHT, Status_Bar_Right},
    {SKIN_PAGE_BACKGROUND, Page_Background},
    {SKIN_NEWS_BAR_BACKGROUND, News_Bar_Background},
};

bool Same_Pixels(const CANVAS& a, const CANVAS& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return false;
    for (int y = 0; y < a.Height(); ++y)
        if (std::memcmp(a.Row(y), b.Row(y), size_t(a.Width()) * 4) != 0)
            return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    bool bCheck = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !bCheck) {
        std::fprintf(stderr, "usage: skin_maker [--check] DATA_FOLDER\n");
        return 2;
    }
    std::string Folder = argv[argc - 1];
    int nBad = 0;
    for (const SKIN_FILE& File : SKIN_FILES) {
        std::string Path = Folder + "/skins/" + DEFAULT_SKIN_NAME + "/" + File.szName;
        CANVAS Picture = File.pDraw();
        if (bCheck) {
            CANVAS Stored;
            if (!Read_Picture_File(Path.c_str(), Stored) || !Same_Pixels(Stored, Picture)) {
                std::fprintf(stderr, "skin_maker: %s is not what the maker draws\n", Path.c_str());
                ++nBad;
            }
            continue;
        }
        std::string Parent = files::Resolve_Path(Path.c_str());
        Parent = Parent.substr(0, Parent.rfind('/'));
        if (!files::Create_Folders(Parent.c_str()) || !Write_Png_File(Path.c_str(), Picture)) {
            std::fprintf(stderr, "skin_maker: cannot write %s\n", Path.c_str());
            ++nBad;
        }
    }
    return nBad == 0 ? 0 : 1;
}
