// Draws the pictures of the "earth" skin with the canvas and writes them as
// PNG files under a data folder:
//   skin_maker DATA_FOLDER           writes skins/earth/...
//   skin_maker --check DATA_FOLDER   exit 1 unless each file there holds the
//                                    pixels drawn now
// Shapes only, no text: the pixels depend on the rasteriser alone.
#include <cmath>
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

// The game preview's grades: five star places, the first g of them gold
// stars and the rest pale outlines, so every grade shows the same width.
constexpr int STAR_PICTURE_WIDTH = 90;
constexpr int STAR_PICTURE_HEIGHT = 18;

CANVAS Matchup_Stars(int nGold)
{
    CANVAS Picture(STAR_PICTURE_WIDTH, STAR_PICTURE_HEIGHT);
    Picture.Fill_Rect(Picture.Bounds(), CANVAS_COLOR{0, 0, 0, 0});
    for (int i = 0; i < 5; ++i) {
        const double cx = 9 + 18 * i, cy = 9.5, rOuter = 8.5, rInner = 3.6;
        CANVAS_POINT Star[10];
        for (int k = 0; k < 10; ++k) {
            const double r = k % 2 == 0 ? rOuter : rInner;
            const double a = -1.5707963267948966 + k * 0.6283185307179586;
            Star[k] = CANVAS_POINT{cx + r * std::cos(a), cy + r * std::sin(a)};
        }
        if (i < nGold) {
            Picture.Fill_Polygon(Star, 10, GOLD);
            Picture.Draw_Polyline(Star, 10, 1.0, LEATHER, true);
        } else {
            Picture.Draw_Polyline(Star, 10, 1.0, Rgb_Color(0x9A9A8A), true);
        }
    }
    return Picture;
}

CANVAS Stars_1() { return Matchup_Stars(1); }
CANVAS Stars_2() { return Matchup_Stars(2); }
CANVAS Stars_3() { return Matchup_Stars(3); }
CANVAS Stars_4() { return Matchup_Stars(4); }
CANVAS Stars_5() { return Matchup_Stars(5); }

struct SKIN_FILE {
    const char* szName;
    CANVAS (*pDraw)();
};

const SKIN_FILE SKIN_FILES[] = {
    {SKIN_STATUS_BAR_LEFT, Status_Bar_Left},
    {SKIN_STATUS_BAR_RIGHT, Status_Bar_Right},
    {SKIN_PAGE_BACKGROUND, Page_Background},
    {SKIN_NEWS_BAR_BACKGROUND, News_Bar_Background},
    {"Dialogs\\Matchup\\stars_1.png", Stars_1},
    {"Dialogs\\Matchup\\stars_2.png", Stars_2},
    {"Dialogs\\Matchup\\stars_3.png", Stars_3},
    {"Dialogs\\Matchup\\stars_4.png", Stars_4},
    {"Dialogs\\Matchup\\stars_5.png", Stars_5},
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
