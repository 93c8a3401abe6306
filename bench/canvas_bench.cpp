// The canvas: a page painted at 1024 x 720 as the main window paints one
// (the paper tiled, a masthead, table stripes and rules, 200 lines of text
// in boxes, a few pictures), and its parts alone: text, shapes, pictures
// read, a play-diagram-sized sketch. Set KELVO_CANVAS_PAGE_PNG to a path to
// also write the painted page there, for a person to look at.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "platform/sketch.h"
#include "scratch_folder.h"

namespace {

constexpr int PAGE_WIDTH = 1024;
constexpr int PAGE_HEIGHT = 720;

// The pictures the page draws, written once into the scratch folder.
void Write_Pictures()
{
    files::Create_Folders("logos");
    CANVAS Paper(128, 128);
    Draw_Color_Noise(Paper, Paper.Bounds(), Rgb_Color(0xF4EFE3), 4);
    Write_Png_File("paper.png", Paper);
    const unsigned Colours[4] = {0x8A1C1C, 0x1C3F8A, 0x1C8A3A, 0x8A6A1C};
    for (int i = 0; i < 4; ++i) {
        CANVAS Logo(96, 96);
        Logo.Fill_Ellipse(48, 48, 44, 44, Rgb_Color(Colours[i]));
        Logo.Fill_Ellipse(48, 48, 30, 30, CANVAS_COLOR{255, 255, 255, 200});
        Write_Png_File(("logos\\Team" + std::to_string(i) + ".png").c_str(), Logo);
    }
}

void Paint_Page(CANVAS& Page)
{
    Set_Client_Size(PAGE_WIDTH, PAGE_HEIGHT);
    // The paper, tiled.
    for (int y = 0; y < PAGE_HEIGHT; y += 128)
        for (int x = 0; x < PAGE_WIDTH; x += 128)
            Draw_Cached_Image(Page, "paper.png", x, y);
    // The masthead and its rules.
    CANVAS_FONT Title = Get_App_Font(FONT_PAGE_TITLE).Font;
    Draw_Text_In_Box(Page, "The Kelvo Gazette", CANVAS_RECT{0, 4, DESIGN_WIDTH, 44}, TEXT_CENTER | TEXT_SINGLELINE,
                     true, Title, Rgb_Color(0x1F2A36));
    CANVAS_RECT rcRule{12, 46, DESIGN_WIDTH - 12, 47};
    Enlarge_Rectangle(rcRule);
    Page.Fill_Rect(rcRule, Rgb_Color(0x1F2A36));
    // Two tables of 40 rows and 5 columns: striped rows, 200 text boxes in all
    // (the first column a name, the others figures).
    CANVAS_FONT Text = Get_App_Font(FONT_TABLE_TEXT).Font;
    char szCell[64];
    int nLines = 0;
    for (int t = 0; t < 2; ++t) {
        int nLeft = 12 + t * 378;
        for (int r = 0; r < 20; ++r) {
            CANVAS_RECT rcRow{nLeft, 56 + r * 11, nLeft + 366, 56 + r * 11 + 11};
            if (r % 2 == 0) {
                CANVAS_RECT rcStripe = rcRow;
                Enlarge_Rectangle(rcStripe);
                Page.Fill_Rect(rcStripe, CANVAS_COLOR{31, 42, 54, 24});
            }
            for (int c = 0; c < 5; ++c) {
                CANVAS_RECT rcCell{rcRow.left + (c == 0 ? 0 : 130 + (c - 1) * 59), rcRow.top,
                                   rcRow.left + (c == 0 ? 126 : 130 + c * 59), rcRow.bottom};
                if (c == 0)
                    std::snprintf(szCell, sizeof(szCell), "Team Number %d of the League", t * 20 + r);
                else
                    std::snprintf(szCell, sizeof(szCell), "%d", (t * 20 + r) * 7 + c * 13);
                Draw_Text_In_Box(Page, szCell, rcCell,
                                 (c == 0 ? TEXT_LEFT : TEXT_RIGHT) | TEXT_VCENTER | TEXT_SINGLELINE | TEXT_END_ELLIPSIS,
                                 true, Text, Rgb_Color(0x111111));
                ++nLines;
            }
        }
    }
    // A rounded box with a gradient and four logos.
    CANVAS_RECT rcBox{12, 290, 756, 420};
    Enlarge_Rectangle(rcBox);
    Page.Fill_Linear_Gradient(rcBox, Rgb_Color(0xFFFFFF), Rgb_Color(0xE6DDC8), true);
    Page.Stroke_Rounded_Rect(rcBox, 8, 1.5, Rgb_Color(0x1F2A36));
    for (int i = 0; i < 4; ++i) {
        CANVAS_RECT rcLogo{40 + i * 180, 300, 40 + i * 180 + 110, 410};
        Enlarge_Rectangle(rcLogo);
        Draw_Cached_Image_Centered(Page, ("logos\\Team" + std::to_string(i) + ".png").c_str(), rcLogo);
    }
    // A paragraph of body text, wrapped.
    Draw_Text_In_Box(Page,
                     "Around the league: the home side held on in the fourth quarter after a long drive ended "
                     "at the goal line, and the visitors' late field goal fell short into the wind.",
                     CANVAS_RECT{12, 430, 756, 500}, TEXT_WORDBREAK, true, Get_App_Font(FONT_PAGE_TEXT).Font,
                     Rgb_Color(0x111111));
    benchmark::DoNotOptimize(nLines);
}

void BM_Page_Paint(benchmark::State& State)
{
    CANVAS Page(PAGE_WIDTH, PAGE_HEIGHT);
    Paint_Page(Page);  // the pictures read and the glyphs cached once, as in a running program
    for (auto _ : State) {
        Page.Clear(Rgb_Color(0xFFFFFF));
        Paint_Page(Page);
        benchmark::DoNotOptimize(Page.Pixels());
    }
}
BENCHMARK(BM_Page_Paint)->Unit(benchmark::kMillisecond);

void BM_Text_200_Lines(benchmark::State& State)
{
    CANVAS Page(PAGE_WIDTH, PAGE_HEIGHT);
    CANVAS_FONT Font = Get_App_Font(FONT_TABLE_TEXT).Font;
    for (auto _ : State) {
        for (int i = 0; i < 200; ++i)
            Page.Draw_Text(Font, 10 + (i / 50) * 250, 14 + (i % 50) * 14, "Team Number 17 of the League",
                           Rgb_Color(0));
        benchmark::DoNotOptimize(Page.Pixels());
    }
}
BENCHMARK(BM_Text_200_Lines)->Unit(benchmark::kMicrosecond);

void BM_Shapes(benchmark::State& State)
{
    CANVAS Page(PAGE_WIDTH, PAGE_HEIGHT);
    for (auto _ : State) {
        for (int i = 0; i < 50; ++i) {
            Page.Fill_Ellipse(100 + i * 15, 200, 30, 20, CANVAS_COLOR{200, 30, 30, 128});
            Page.Draw_Line(0, i * 14, 1024, 720 - i * 14, 1.5, Rgb_Color(0x203040));
            Page.Fill_Rounded_Rect(CANVAS_RECT{10 + i * 20, 400, 40 + i * 20, 440}, 6, Rgb_Color(0x406080));
        }
        benchmark::DoNotOptimize(Page.Pixels());
    }
}
BENCHMARK(BM_Shapes)->Unit(benchmark::kMicrosecond);

void BM_Read_Png_96(benchmark::State& State)
{
    std::vector<uint8_t> Data;
    files::Read_Whole_File("logos\\Team0.png", Data);
    CANVAS Picture;
    for (auto _ : State) {
        Decode_Picture(Data.data(), Data.size(), Picture);
        benchmark::DoNotOptimize(Picture.Pixels());
    }
}
BENCHMARK(BM_Read_Png_96)->Unit(benchmark::kMicrosecond);

void BM_Sketch_Diagram(benchmark::State& State)
{
    // A play diagram's worth: 22 players as dots, 11 routes of 4 legs.
    SKETCH_RECORD List;
    Init_Sketch_Record(List);
    List.nViewRight = 60;
    List.nViewBottom = 30;
    List.nSetting1 = 1;
    List.nSetting3 = 3;
    for (int i = 0; i < 22; ++i) {
        start_new_path(List, i < 11 ? 0xFF1C3F8A : 0xFF8A1C1C);
        Set_Path_Fill(List, 0xFFFFFFFF);
        Add_Path_Point(List.Storage, 5 + i * 2.4, i < 11 ? 16 : 13, 0.8, 0.8);
    }
    for (int i = 0; i < 11; ++i) {
        start_new_path(List, 0xFF1C3F8A);
        Set_Path_Width(List, 0.25f);
        if (i % 3 == 0)
            Squiggle_Path(List, 0.75, 0.2, 0.25);
        Move_To(List.Storage, 5 + i * 4.8, 16);
        for (int k = 1; k <= 4; ++k)
            Line_To(List.Storage, 5 + i * 4.8 + k * (i % 2 ? 2 : -2), 16 + k * 3.0);
    }
    CANVAS Canvas(480, 240);
    for (auto _ : State) {
        Render_Sketch_Paths(Canvas, List, 0, 0, 480, 240, 0.0);
        benchmark::DoNotOptimize(Canvas.Pixels());
    }
}
BENCHMARK(BM_Sketch_Diagram)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    const char* szSave = std::getenv("KELVO_CANVAS_PAGE_PNG");
    std::string SavePath;
    if (szSave && *szSave) {
        SavePath = szSave;
        if (SavePath[0] != '/') {
            char szHere[4096];
            if (getcwd(szHere, sizeof(szHere)))
                SavePath = std::string(szHere) + "/" + SavePath;
        }
    }
    SCRATCH_FOLDER_CORE Scratch("canvas_bench");
    if (!Scratch.Ready())
        return 1;
    Write_Pictures();
    if (!SavePath.empty()) {
        CANVAS Page(PAGE_WIDTH, PAGE_HEIGHT);
        Page.Clear(Rgb_Color(0xFFFFFF));
        Paint_Page(Page);
        if (!Write_Png_File(SavePath.c_str(), Page))
            std::fprintf(stderr, "cannot write %s\n", SavePath.c_str());
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
