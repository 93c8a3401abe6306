// Play diagrams: route segments checked on their vertices against hand
// calculation (arrow heads, arches, hitch dots, block bars, mirrored and
// clamped routes, runs to the hole, blocks), the view of each kind, the
// caption, the tooltip, and whole diagrams checked on their pixels (the
// background and outline of each kind, the caption's colour, the digit label,
// the wiggles of a week). Every built-in play is drawn and written as a PNG
// into build/screenshots/diagrams/ for a person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/random.h"
#include "engine/play_diagrams.h"
#include "engine/playbook_records.h"
#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "platform/pictures.h"
#include "test_support.h"

namespace {

constexpr double EPS = 1e-6;

struct FOUND_VERTEX {
    int nPath = -1;
    SKETCH_VERTEX Vertex;
};

// The path a vertex index belongs to.
int Path_Of_Vertex(const SKETCH_RECORD& Sketch, size_t nVertex)
{
    int nPath = -1;
    for (int i = 0; i < Sketch.nPathCount; ++i)
        if (static_cast<size_t>(Sketch.Paths[static_cast<size_t>(i)].nFirstVertex) <= nVertex)
            nPath = i;
    return nPath;
}

// The first vertex with that command at (x, y), within fTolerance.
FOUND_VERTEX Find_Vertex(const SKETCH_RECORD& Sketch, int nCommand, double x, double y, double fTolerance = 1e-4)
{
    FOUND_VERTEX Found;
    for (size_t i = 0; i < Sketch.Storage.Vertices.size(); ++i) {
        const SKETCH_VERTEX& v = Sketch.Storage.Vertices[i];
        if (v.nCommand == nCommand && std::fabs(v.x - x) <= fTolerance && std::fabs(v.y - y) <= fTolerance) {
            Found.nPath = Path_Of_Vertex(Sketch, i);
            Found.Vertex = v;
            return Found;
        }
    }
    return Found;
}

// The vertices of one path.
std::vector<SKETCH_VERTEX> Path_Vertices(const SKETCH_RECORD& Sketch, int nPath)
{
    size_t nFirst = static_cast<size_t>(Sketch.Paths[static_cast<size_t>(nPath)].nFirstVertex);
    size_t nEnd = nPath + 1 < Sketch.nPathCount
                      ? static_cast<size_t>(Sketch.Paths[static_cast<size_t>(nPath) + 1].nFirstVertex)
                      : Sketch.Storage.Vertices.size();
    return std::vector<SKETCH_VERTEX>(Sketch.Storage.Vertices.begin() + static_cast<ptrdiff_t>(nFirst),
                                      Sketch.Storage.Vertices.begin() + static_cast<ptrdiff_t>(nEnd));
}

void Expect_Vertex(const SKETCH_VERTEX& v, int nCommand, double x, double y)
{
    EXPECT_EQ(v.nCommand, nCommand);
    EXPECT_NEAR(v.x, x, EPS);
    EXPECT_NEAR(v.y, y, EPS);
}

// A sketch with the offensive view and one yellow path of width 0.3.
void Fresh_Sketch(SKETCH_RECORD& Sketch)
{
    Init_Sketch_Record(Sketch);
    Sketch.nViewLeft = -18, Sketch.nViewTop = -9, Sketch.nViewRight = 18, Sketch.nViewBottom = 14;
    start_new_path(Sketch, DIAGRAM_YELLOW);
    Set_Path_Width(Sketch, 0.3f);
}

std::filesystem::path Screenshot_Folder()
{
    std::filesystem::path Folder = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "screenshots" /
                                   "diagrams";
    std::filesystem::create_directories(Folder);
    return Folder;
}

void Write_Screenshot(const CANVAS& Canvas, const std::string& Name)
{
    std::vector<uint8_t> Png;
    ASSERT_TRUE(Encode_Png(Canvas, Png));
    std::ofstream File(Screenshot_Folder() / Name, std::ios::binary);
    File.write(reinterpret_cast<const char*>(Png.data()), static_cast<std::streamsize>(Png.size()));
    EXPECT_TRUE(File.good()) << Name;
}

// 0xAARRGGBB of a premultiplied opaque pixel is its colour.
uint32_t Rgb_Of(uint32_t nPixel)
{
    return nPixel & 0x00FFFFFF;
}

bool Near_Colour(uint32_t nPixel, uint32_t nRgb, int nTolerance)
{
    for (int nShift : {0, 8, 16})
        if (std::abs(int((nPixel >> nShift) & 0xFF) - int((nRgb >> nShift) & 0xFF)) > nTolerance)
            return false;
    return (nPixel >> 24) == 0xFF;
}

// The yellow of the routes and players, where it covers the ground.
bool Is_Yellow_Ink(uint32_t nPixel)
{
    return ((nPixel >> 16) & 0xFF) > 0xC0 && ((nPixel >> 8) & 0xFF) > 0xC0 && (nPixel & 0xFF) < 0x90;
}

int Channel_Distance(uint32_t a, uint32_t b)
{
    int nMax = 0;
    for (int nShift : {0, 8, 16, 24})
        nMax = std::max(nMax, std::abs(int((a >> nShift) & 0xFF) - int((b >> nShift) & 0xFF)));
    return nMax;
}

class PlayDiagramTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Build_Team_Default_Playbook(0);
        Build_Team_Default_Playbook(1);
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        Set_Play_Diagram_Highlight_Slot(-1);
        Set_Highlighted_Game_Player(-1);
        Set_Play_Diagram_Game(nullptr);
        Load_App_Fonts();
    }
    void TearDown() override
    {
        Set_Play_Diagram_Game(nullptr);
        LeagueTest::TearDown();
    }

    static CANVAS Draw(int nTeam, int nPlay, int nKind, bool bAlternate = false, int nFont = FONT_DIAGRAM)
    {
        CANVAS Canvas(DIAGRAM_W + 20, DIAGRAM_H + 20);
        Draw_Play_Diagram(Canvas, CANVAS_RECT{10, 10, 10 + DIAGRAM_W, 10 + DIAGRAM_H}, nTeam, nPlay, nFont, nKind,
                          bAlternate, false);
        return Canvas;
    }
    static constexpr int DIAGRAM_W = 180;
    static constexpr int DIAGRAM_H = 120;
};

}  // namespace

// ---------------------------------------------------------------------------
// Build_Route_Path

TEST_F(PlayDiagramTest, ArrowedSegmentsStopShortAndTheTipSitsOnTheEnd)
{
    SKETCH_RECORD Sketch;
    // Up 2 yards with the plain head (0.8 by 0.4): d = 2.4, the line ends at
    // 1.6 / 2.4 of the way, 1.3333 yards up.
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, ARROW, 0.0, 0.0, 0.0, 2.0);
    ASSERT_EQ(Sketch.nPathCount, 3);  // the line, the head, the path the route goes on in
    std::vector<SKETCH_VERTEX> Line = Path_Vertices(Sketch, 0);
    ASSERT_EQ(Line.size(), 2u);
    Expect_Vertex(Line[0], SKETCH_MOVE_TO, 0.0, 0.0);
    Expect_Vertex(Line[1], SKETCH_LINE_TO, 0.0, 2.0 * 1.6 / 2.4);
    // The head, turned a quarter: the tip on (0, 2), the base 0.8 back, 0.4 either side.
    std::vector<SKETCH_VERTEX> Head = Path_Vertices(Sketch, 1);
    ASSERT_EQ(Head.size(), 4u);
    Expect_Vertex(Head[0], SKETCH_MOVE_TO, 0.0, 2.0);
    Expect_Vertex(Head[1], SKETCH_LINE_TO, -0.4, 1.2);
    Expect_Vertex(Head[2], SKETCH_LINE_TO, 0.4, 1.2);
    EXPECT_EQ(Head[3].nCommand, SKETCH_CLOSE);
    EXPECT_EQ(Sketch.Paths[1].nFill, 1);
    EXPECT_EQ(Sketch.Paths[1].nColor, DIAGRAM_YELLOW);
    EXPECT_EQ(Sketch.Paths[2].nFill, 0);
    EXPECT_FLOAT_EQ(Sketch.Paths[2].fWidth, 0.3f);
    EXPECT_TRUE(Path_Vertices(Sketch, 2).empty());

    // Leftward 2 yards with the large head (0.9 by 0.45): the line ends at
    // 2 - 2 x 1.5 / 2.4 = 0.75; the head points left.
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, LARGE_ARROW | LARGER_ARROW, 2.0, 0.0, 0.0, 0.0);
    Line = Path_Vertices(Sketch, 0);
    Expect_Vertex(Line[1], SKETCH_LINE_TO, 0.75, 0.0);
    Head = Path_Vertices(Sketch, 1);
    Expect_Vertex(Head[0], SKETCH_MOVE_TO, 0.0, 0.0);
    Expect_Vertex(Head[1], SKETCH_LINE_TO, 0.9, -0.45);
    Expect_Vertex(Head[2], SKETCH_LINE_TO, 0.9, 0.45);

    // The larger head (1.1 by 0.55) on a 3-4-5 diagonal: d = 6, the line ends
    // at 4.9 / 6 of the way; the base corners 1.1 back along (0.6, 0.8).
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, LARGER_ARROW, 0.0, 0.0, 3.0, 4.0);
    Line = Path_Vertices(Sketch, 0);
    Expect_Vertex(Line[1], SKETCH_LINE_TO, 3.0 * 4.9 / 6.0, 4.0 * 4.9 / 6.0);
    Head = Path_Vertices(Sketch, 1);
    Expect_Vertex(Head[0], SKETCH_MOVE_TO, 3.0, 4.0);
    // Back 1.1 along the line: (3 - 0.66, 4 - 0.88); across by 0.55 x (-0.8, 0.6).
    Expect_Vertex(Head[1], SKETCH_LINE_TO, 2.34 - 0.44, 3.12 + 0.33);
    Expect_Vertex(Head[2], SKETCH_LINE_TO, 2.34 + 0.44, 3.12 - 0.33);

    // A second segment from where the pen stands adds no move.
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, 0, 0.0, 0.0, 0.0, 3.0);
    Build_Route_Path(Sketch, 0, 0.0, 3.0, 4.0, 3.0);
    Line = Path_Vertices(Sketch, 0);
    ASSERT_EQ(Line.size(), 3u);
    Expect_Vertex(Line[2], SKETCH_LINE_TO, 4.0, 3.0);
}

TEST_F(PlayDiagramTest, ArchesAndEqualEndsGetNoArrowOrHitchButKeepTheirMarks)
{
    SKETCH_RECORD Sketch;
    // A top arch leftward over 4 yards: radius 2, bulge 4 / 3.5 x 1.15, sweep 1.
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, TOP_SEMI | ARROW | HITCH | WIGGLE, 0.0, 1.0, -4.0, 1.0);
    ASSERT_EQ(Sketch.nPathCount, 1);
    std::vector<SKETCH_VERTEX> Arch = Path_Vertices(Sketch, 0);
    ASSERT_EQ(Arch.size(), 2u);
    Expect_Vertex(Arch[0], SKETCH_MOVE_TO, 0.0, 1.0);
    Expect_Vertex(Arch[1], SKETCH_ARC_TO, -4.0, 1.0);
    EXPECT_NEAR(Arch[1].rx, 2.0, EPS);
    EXPECT_NEAR(Arch[1].ry, 4.0 / 3.5 * 1.15, EPS);
    EXPECT_TRUE(Arch[1].bSweep);
    EXPECT_FALSE(Arch[1].bLargeArc);
    EXPECT_EQ(Sketch.Paths[0].nShape, SKETCH_SHAPE_SQUIGGLE);
    EXPECT_FLOAT_EQ(Sketch.Paths[0].fShape1, 0.75f);

    // The same arch run rightward sweeps the other way (so it bulges the same way).
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, TOP_SEMI, -4.0, 1.0, 0.0, 1.0);
    EXPECT_FALSE(Path_Vertices(Sketch, 0)[1].bSweep);

    // A bottom arch well inside the view keeps the bulge 7 / 3.5 = 2.
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, BOTTOM_SEMI, 0.0, -2.0, 7.0, -2.0);
    Arch = Path_Vertices(Sketch, 0);
    EXPECT_NEAR(Arch[1].ry, 2.0, EPS);
    EXPECT_TRUE(Arch[1].bSweep);  // 0, reversed by the rightward run
    // Near the view's bottom (smallest y -9, plus 2 = -7 > -8.5 + 1): |-8.5 - -7| = 1.5.
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, BOTTOM_SEMI | DOTTED_LINE, 0.0, -8.5, -3.5, -8.5);
    Arch = Path_Vertices(Sketch, 0);
    EXPECT_NEAR(Arch[1].ry, 1.5, EPS);
    EXPECT_FALSE(Arch[1].bSweep);
    EXPECT_EQ(Sketch.Paths[0].nShape, SKETCH_SHAPE_DOTTED);

    // Equal ends: no line, no head, no hitch; the dots and the block bar stay.
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, ARROW | HITCH | DOTTED_LINE | BLOCK, 1.0, 1.0, 1.0, 1.0);
    ASSERT_EQ(Sketch.nPathCount, 1);
    EXPECT_EQ(Sketch.Paths[0].nShape, SKETCH_SHAPE_DOTTED);
    std::vector<SKETCH_VERTEX> Bar = Path_Vertices(Sketch, 0);
    ASSERT_EQ(Bar.size(), 4u);
    Expect_Vertex(Bar[0], SKETCH_MOVE_TO, 1.0, 1.0);
    Expect_Vertex(Bar[1], SKETCH_LINE_TO, 0.5, 1.05);
    Expect_Vertex(Bar[2], SKETCH_MOVE_TO, 1.0, 1.0);
    Expect_Vertex(Bar[3], SKETCH_LINE_TO, 1.5, 1.05);

    // A skipped line: nothing but its wiggle.
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, SKIP_LINE | ARROW | WIGGLE, 0.0, 0.0, 0.0, 5.0);
    EXPECT_EQ(Sketch.nPathCount, 1);
    EXPECT_TRUE(Sketch.Storage.Vertices.empty());
    EXPECT_EQ(Sketch.Paths[0].nShape, SKETCH_SHAPE_SQUIGGLE);

    // A new path starts before the segment, with the previous path's attributes.
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, 0, 0.0, 0.0, 0.0, 2.0);
    Build_Route_Path(Sketch, NEW_PATH, 0.0, 2.0, 2.0, 2.0);
    ASSERT_EQ(Sketch.nPathCount, 2);
    std::vector<SKETCH_VERTEX> Second = Path_Vertices(Sketch, 1);
    ASSERT_EQ(Second.size(), 2u);  // an empty path's pen is at (0, 0): it moves first
    Expect_Vertex(Second[0], SKETCH_MOVE_TO, 0.0, 2.0);
    EXPECT_FLOAT_EQ(Sketch.Paths[1].fWidth, 0.3f);
}

TEST_F(PlayDiagramTest, HitchDotsAndBlockBars)
{
    SKETCH_RECORD Sketch;
    // A hitch: a dot of the line's width (0.3) in its colour about a black one 0.18 smaller.
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, HITCH, 0.0, 0.0, 0.0, 3.0);
    ASSERT_EQ(Sketch.nPathCount, 4);
    EXPECT_EQ(Sketch.Paths[1].nColor, DIAGRAM_YELLOW);
    EXPECT_EQ(Sketch.Paths[1].nFill, 1);
    std::vector<SKETCH_VERTEX> Ring = Path_Vertices(Sketch, 1);
    ASSERT_FALSE(Ring.empty());
    Expect_Vertex(Ring[0], SKETCH_MOVE_TO, 0.3, 3.0);
    EXPECT_NEAR(Ring[1].rx, 0.3, 1e-6);
    EXPECT_EQ(Sketch.Paths[2].nColor, DIAGRAM_BLACK);
    EXPECT_EQ(Sketch.Paths[2].nFill, 1);
    std::vector<SKETCH_VERTEX> Centre = Path_Vertices(Sketch, 2);
    ASSERT_FALSE(Centre.empty());
    Expect_Vertex(Centre[0], SKETCH_MOVE_TO, 0.12, 3.0);
    EXPECT_NEAR(Centre[1].rx, 0.12, 1e-6);

    struct BAR_CASE {
        double fx, fy, tx, ty;
        double ax, ay, bx, by;
    };
    const BAR_CASE Cases[] = {
        {0, 5, 0, 3, -0.5, 2.95, 0.5, 2.95},        // straight down: 0.05 beyond, downward
        {0, 0, 0, 3, -0.5, 3.05, 0.5, 3.05},        // straight up
        {0, 0, 3, 0, 3, -0.5, 3, 0.5},              // level
        {2, 2, 0, 0, -0.35, 0.35, 0.35, -0.35},     // left and down
        {2, 0, 0, 2, -0.35, 1.65, 0.35, 2.35},      // left and up
        {0, 2, 2, 0, 1.65, -0.35, 2.35, 0.35},      // right and down
        {0, 0, 2, 2, 1.65, 2.35, 2.35, 1.65},       // right and up
    };
    for (const BAR_CASE& c : Cases) {
        Fresh_Sketch(Sketch);
        Build_Route_Path(Sketch, BLOCK, c.fx, c.fy, c.tx, c.ty);
        std::vector<SKETCH_VERTEX> v = Path_Vertices(Sketch, 0);
        ASSERT_EQ(v.size(), 5u);
        Expect_Vertex(v[1], SKETCH_LINE_TO, c.tx, c.ty);
        Expect_Vertex(v[2], SKETCH_LINE_TO, c.ax, c.ay);
        Expect_Vertex(v[3], SKETCH_MOVE_TO, c.tx, c.ty);
        Expect_Vertex(v[4], SKETCH_LINE_TO, c.bx, c.by);
    }
}

TEST_F(PlayDiagramTest, InsaneLinesAreRefused)
{
    SKETCH_RECORD Sketch;
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, 0, 0.0, 0.0, 60000.0, 80000.0);
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Last_Error_Contains("Refusing to add insane line length of: 374.165739"));
    // Only the move to the start was added.
    ASSERT_EQ(Sketch.Storage.Vertices.size(), 1u);
    Build_Route_Path(Sketch, 0, 0.0, 0.0, std::nan(""), 1.0);
    EXPECT_EQ(Errors_Reported(), 1);
    // 100,000 exactly is still drawn.
    Fresh_Sketch(Sketch);
    Build_Route_Path(Sketch, 0, 0.0, 0.0, 50000.0, 50000.0);
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Sketch.Storage.Vertices.size(), 2u);
}

// ---------------------------------------------------------------------------
// Routes of whole plays

TEST_F(PlayDiagramTest, ReceiversRoutesMirrorOnTheLeftAndClampAtSeventeen)
{
    // "Pro 21 Dive" (Pro Set): the split end (receiver 4, place 5) stands at
    // (-12, 0), the flanker (receiver 3, place 4) at (12, -1). Both run the
    // quick out (0, 3) then (9, 3).
    ASSERT_TRUE(Set_Offensive_Play_Route(0, 0, 4, 1));
    ASSERT_TRUE(Set_Offensive_Play_Route(0, 0, 3, 1));
    SKETCH_RECORD Sketch;
    Set_Play_Diagram_View(Sketch, DIAGRAM_OFFENSE, 0, 0);
    Draw_Offensive_Routes(Sketch, 0, 0, false);
    EXPECT_EQ(Errors_Reported(), 0);
    // Left: up to (-12, 3), then out to -21, clamped to -17; the large head (not
    // the primary): length 5, d = 6, the line ends 5.1 / 6 of the way: -16.25.
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_MOVE_TO, -12.0, 0.0).nPath, 0);
    FOUND_VERTEX Up = Find_Vertex(Sketch, SKETCH_LINE_TO, -12.0, 3.0);
    ASSERT_GE(Up.nPath, 0);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, -16.25, 3.0).nPath, 0);
    FOUND_VERTEX Tip = Find_Vertex(Sketch, SKETCH_MOVE_TO, -17.0, 3.0);
    ASSERT_GE(Tip.nPath, 0);
    std::vector<SKETCH_VERTEX> Head = Path_Vertices(Sketch, Tip.nPath);
    Expect_Vertex(Head[1], SKETCH_LINE_TO, -16.1, 3.0 - 0.45);
    EXPECT_FLOAT_EQ(Sketch.Paths[static_cast<size_t>(Up.nPath)].fWidth, 0.3f);
    // Right: (12, 2), then to 21 clamped to 17, the line ending at 16.25.
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, 12.0, 2.0).nPath, 0);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, 16.25, 2.0).nPath, 0);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_MOVE_TO, 17.0, 2.0).nPath, 0);
    EXPECT_LT(Find_Vertex(Sketch, SKETCH_LINE_TO, 21.0, 2.0).nPath, 0);
}

TEST_F(PlayDiagramTest, TheCarrierRunsToTheHoleAndTheLineBlocks)
{
    // "Pro 21 Dive": the halfback (place 1, the carrier) at (2, -5) runs route
    // 54 to hole 1 (x -1). k = (-5 + 1.6) / 3.4 = -1, [Y] = -5: first to
    // (-1, -5 + (3 + 3) / 6) = (-1, -4); then on to (-1, 4.7) with the
    // larger head: the line ends 1.1 / 1.2 short of it, at 4.7 - 0.916667.
    SKETCH_RECORD Sketch;
    Set_Play_Diagram_View(Sketch, DIAGRAM_OFFENSE, 0, 0);
    Draw_Offensive_Routes(Sketch, 0, 0, false);
    FOUND_VERTEX Start = Find_Vertex(Sketch, SKETCH_MOVE_TO, 2.0, -5.0);
    ASSERT_GE(Start.nPath, 0);
    const SKETCH_PATH& Run = Sketch.Paths[static_cast<size_t>(Start.nPath)];
    EXPECT_EQ(Run.nColor, DIAGRAM_PRIMARY);
    EXPECT_FLOAT_EQ(Run.fWidth, 0.45f);
    std::vector<SKETCH_VERTEX> v = Path_Vertices(Sketch, Start.nPath);
    ASSERT_EQ(v.size(), 3u);
    Expect_Vertex(v[1], SKETCH_LINE_TO, -1.0, -4.0);
    Expect_Vertex(v[2], SKETCH_LINE_TO, -1.0, 4.7 - 1.1 / 1.2);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_MOVE_TO, -1.0, 4.7).nPath, 0);

    // The right tackle (slot 10, (4, 0)) drive-blocks away from the hole
    // (-1 < 4): to (5, 2), and the bar from (4.6, 2.2) to (5.4, 1.8).
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, 5.0, 2.0).nPath, 0);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_MOVE_TO, 4.6, 2.2).nPath, 0);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, 5.4, 1.8).nPath, 0);
    // The left tackle (-4, 0): hole x -1 > -4, so to (-5, 2).
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, -5.0, 2.0).nPath, 0);

    // "Pro 20 Blast": the fullback (place 2, (-2, -5)) leads through hole 0
    // (x 1, a running play: o = 0.35): to (1.35, -5 + 2.4), on to (1.35, 2.2),
    // and a block to (1 + 1.05, 3.0). The halfback aims 0.35 inside the hole:
    // T = 0.65, k = -1: to (0.65, -5 + (1.35 + 3) / 6).
    Set_Play_Diagram_View(Sketch, DIAGRAM_OFFENSE, 0, 1);
    Draw_Offensive_Routes(Sketch, 0, 1, false);
    FOUND_VERTEX Lead = Find_Vertex(Sketch, SKETCH_MOVE_TO, -2.0, -5.0);
    ASSERT_GE(Lead.nPath, 0);
    v = Path_Vertices(Sketch, Lead.nPath);
    ASSERT_GE(v.size(), 6u);
    Expect_Vertex(v[1], SKETCH_LINE_TO, 1.35, -2.6);
    Expect_Vertex(v[2], SKETCH_LINE_TO, 1.35, 2.2);
    Expect_Vertex(v[3], SKETCH_LINE_TO, 2.05, 3.0);
    // Its bar: a diagonal moving right and up, c = 0.35.
    Expect_Vertex(v[4], SKETCH_LINE_TO, 1.70, 3.35);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, 0.65, -5.0 + 4.35 / 6.0).nPath, 0);

    // A pass block of the right tackle on "Pro 262 Hover" (a pass): from
    // (4.001, 0) to (4 + 4/6, 1 + 0.41 x 2 / 6), the bar 0.4 either way across
    // and 0.2333 along.
    Set_Play_Diagram_View(Sketch, DIAGRAM_OFFENSE, 0, 20);
    Draw_Offensive_Routes(Sketch, 0, 20, false);
    FOUND_VERTEX Block = Find_Vertex(Sketch, SKETCH_MOVE_TO, 4.001, 0.0);
    ASSERT_GE(Block.nPath, 0);
    v = Path_Vertices(Sketch, Block.nPath);
    ASSERT_EQ(v.size(), 4u);
    double X2 = 4.0 + 4.0 / 6.0, Y2 = 1.0 + 0.41 * 2.0 / 6.0;
    Expect_Vertex(v[1], SKETCH_LINE_TO, X2, Y2);
    Expect_Vertex(v[2], SKETCH_MOVE_TO, X2 - 0.4, Y2 + 0.35 * 4.0 / 6.0);
    Expect_Vertex(v[3], SKETCH_LINE_TO, X2 + 0.4, Y2 - 0.35 * 4.0 / 6.0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayDiagramTest, DefendersRoutesZonesAndSpots)
{
    // "4-3 Contain" (the 4-3: ends at (-6, 2) and (6, 2), linebackers at
    // (-5, 6), (0, 6), (5, 6), corners at (-13, 3) and (13, 3), safeties at
    // (-4, 12) and (4, 12)). The left end rushes (0, -3), mirrored: to
    // (-6, -1), the plain head: the line ends 2.8 / 3.6 of the 3 yards down.
    SKETCH_RECORD Sketch;
    Set_Play_Diagram_View(Sketch, DIAGRAM_DEFENSE, 0, 3);
    Draw_Defensive_Routes(Sketch, 0, 3);
    Draw_Zone_Marks(Sketch, 0, 3);
    Draw_Defense_Players(Sketch, 0, 3);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, -6.0, 2.0 - 3.0 * 2.8 / 3.6).nPath, 0);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_MOVE_TO, -6.0, -1.0).nPath, 0);
    // The middle linebacker (x 0, not mirrored) contains left, then right:
    // (-2, 6) with its line ending at -1.3333, then (2, 6) ending at -2 + 4 x 4 / 4.8.
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, -2.0 * 1.6 / 2.4, 6.0).nPath, 0);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, -2.0 + 4.0 * 4.0 / 4.8, 6.0).nPath, 0);
    // Two short zones split the 40 yards in three: drops at -6.6667 and 6.6667, 9 deep;
    // the zone marks 3.5 across about them.
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, -40.0 / 3 + 20.0 / 3, 9.0).nPath, 0);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, 20.0 / 3, 9.0).nPath, 0);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_MOVE_TO, -20.0 / 3 + 3.5, 9.0).nPath, 0);
    // Two deep safeties: to (-6.6667, 15) and (6.6667, 15).
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, -20.0 / 3, 15.0).nPath, 0);

    // The left corner made a deep zone stands 3 deep: drawn at 11.25; three
    // deep now: drops at -10, 0 (half a yard shallower) and 10.
    ASSERT_TRUE(Set_Defensive_Play_Role(0, 3, 7, RESPONSIBILITY_DEEP_ZONE));
    // The left end on a strongside stunt: an arch to (5.7 - 6, 2), never
    // mirrored, then down to (-0.3, 0).
    ASSERT_TRUE(Set_Defensive_Play_Role(0, 3, 0, 4));
    Set_Play_Diagram_View(Sketch, DIAGRAM_DEFENSE, 0, 3);
    Draw_Defensive_Routes(Sketch, 0, 3);
    Draw_Defense_Players(Sketch, 0, 3);
    FOUND_VERTEX Corner = Find_Vertex(Sketch, SKETCH_MOVE_TO, -13.0, 11.25);
    ASSERT_GE(Corner.nPath, 0);
    std::vector<SKETCH_VERTEX> v = Path_Vertices(Sketch, Corner.nPath);
    ASSERT_EQ(v.size(), 2u);
    Expect_Vertex(v[1], SKETCH_LINE_TO, -10.0, 15.0);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, 0.0, 14.5).nPath, 0);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_LINE_TO, 10.0, 15.0).nPath, 0);
    EXPECT_GE(Find_Vertex(Sketch, SKETCH_MOVE_TO, -13.6, 11.25).nPath, 0);  // his circle
    FOUND_VERTEX Arch = Find_Vertex(Sketch, SKETCH_ARC_TO, -0.3, 2.0);
    ASSERT_GE(Arch.nPath, 0);
    EXPECT_NEAR(Arch.Vertex.rx, 5.7 / 2, EPS);
    EXPECT_NEAR(Arch.Vertex.ry, 5.7 / 3.5 * 1.15, EPS);
    EXPECT_LT(Find_Vertex(Sketch, SKETCH_ARC_TO, -11.7, 2.0).nPath, 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlayDiagramTest, ViewsOfTheKinds)
{
    SKETCH_RECORD Sketch;
    struct VIEW_CASE {
        int nKind, nPlay;
        int l, t, r, b;
    };
    const VIEW_CASE Cases[] = {
        {DIAGRAM_OFFENSE, 0, -18, -9, 18, 14},   // a dive
        {DIAGRAM_OFFENSE, 54, -18, -13, 18, 10}, // the kneel-down
        {DIAGRAM_OFFENSE, 52, -18, -13, 18, 10}, // an end around
        {DIAGRAM_OFFENSE, 58, -18, -13, 18, 10}, // the punt formation
        {DIAGRAM_OFFENSE, 59, -18, -13, 18, 10}, // the field-goal formation
        {DIAGRAM_DEFENSE, 0, -17, -5, 17, 17},
        {DIAGRAM_KICK, 0, -18, -9, 18, 14},
    };
    for (const VIEW_CASE& c : Cases) {
        Sketch.nOverrideColor = 0xFF123456;
        EXPECT_EQ(Set_Play_Diagram_View(Sketch, c.nKind, 0, c.nPlay), 1);
        EXPECT_EQ(Sketch.nViewLeft, c.l) << c.nPlay;
        EXPECT_EQ(Sketch.nViewTop, c.t) << c.nPlay;
        EXPECT_EQ(Sketch.nViewRight, c.r) << c.nPlay;
        EXPECT_EQ(Sketch.nViewBottom, c.b) << c.nPlay;
        EXPECT_EQ(Sketch.nSetting1, 1);
        EXPECT_EQ(Sketch.nSetting2, 0);
        EXPECT_EQ(Sketch.nSetting3, 3);
        EXPECT_EQ(Sketch.nOverrideColor, 0u);  // the whole record was zeroed
        EXPECT_EQ(Sketch.nPathCount, 1);
        EXPECT_TRUE(Sketch.Storage.Vertices.empty());
    }
}

TEST_F(PlayDiagramTest, CaptionsAndTooltips)
{
    char szText[2048];
    GAME Game{};
    Set_Play_Diagram_Game(&Game);
    Game.nDown = 3;  // fourth down
    Get_Play_Diagram_Caption(0, HARD_CODED_FIELD_GOAL_PLAY, DIAGRAM_OFFENSE, szText, sizeof(szText));
    EXPECT_STREQ(szText, "Field Goal");
    Game.nDown = CONVERSION_ATTEMPT;
    Get_Play_Diagram_Caption(0, HARD_CODED_FIELD_GOAL_PLAY, DIAGRAM_OFFENSE, szText, sizeof(szText));
    EXPECT_STREQ(szText, "Extra Point");
    Get_Play_Diagram_Caption(0, HARD_CODED_PUNT_PLAY, DIAGRAM_OFFENSE, szText, sizeof(szText));
    EXPECT_STREQ(szText, "Punt");
    Get_Play_Diagram_Caption(0, 3, DIAGRAM_DEFENSE, szText, sizeof(szText));
    EXPECT_STREQ(szText, "4-3 Contain");
    Get_Play_Diagram_Caption(0, 11, DIAGRAM_KICK, szText, sizeof(szText));  // kick play 11 mod 10
    EXPECT_STREQ(szText, "Squib Kick");
    // Any case of the name turns at a conversion.
    OFFENSIVE_PLAYBOOK_AREA* pArea = Get_Offensive_Playbook_Area(0);
    ASSERT_NE(pArea, nullptr);
    std::strcpy(pArea->Play[3].szName, "FIELD GOAL");
    Get_Play_Diagram_Caption(0, 3, DIAGRAM_OFFENSE, szText, sizeof(szText));
    EXPECT_STREQ(szText, "Extra Point");
    Set_Play_Diagram_Game(nullptr);
    Get_Play_Diagram_Caption(0, 3, DIAGRAM_OFFENSE, szText, sizeof(szText));
    EXPECT_STREQ(szText, "FIELD GOAL");

    // "Ace 782 Curl": primary receiver 3 runs "(2) Slant", 4 to 9 yards.
    Show_Route_Tooltip(szText, sizeof(szText), 0, 36, false);
    EXPECT_STREQ(szText, "Primary Route: 4-9 Yards");
    Show_Route_Tooltip(szText, sizeof(szText), 0, 36, true);
    EXPECT_STREQ(szText, "Primary Route:\n4-9 Yards");
    // "Spread 2-3-Flare": the flare runs in the backfield.
    Show_Route_Tooltip(szText, sizeof(szText), 0, 28, false);
    EXPECT_STREQ(szText, "Primary Route: Backfield");
    // A run has none.
    Show_Route_Tooltip(szText, sizeof(szText), 0, 0, false);
    EXPECT_STREQ(szText, "");
    EXPECT_EQ(Errors_Reported(), 0);
}

// ---------------------------------------------------------------------------
// Whole diagrams on the pixels

TEST_F(PlayDiagramTest, BackgroundsOutlinesCaptionsAndTheDigitLabel)
{
    const int nPlays[3] = {0, 3, 0};
    for (int nKind = 0; nKind < 3; ++nKind) {
        for (bool bAlternate : {false, true}) {
            CANVAS Canvas = Draw(0, nPlays[nKind], nKind, bAlternate);
            uint32_t nBackground = bAlternate ? DIAGRAM_BACKGROUND_ALTERNATE[nKind] : DIAGRAM_BACKGROUND[nKind];
            // A corner far from any mark: the noisy ground within 2 of the colour.
            uint32_t nPixel = Canvas.Get_Pixel(13, 12);
            EXPECT_TRUE(Near_Colour(nPixel, nBackground, 2)) << nKind << " " << std::hex << nPixel;
            // The outline on all four edges, the corners included.
            for (auto [x, y] : {std::pair{10, 10}, std::pair{10 + DIAGRAM_W - 1, 10}, std::pair{10, 60},
                                std::pair{10 + DIAGRAM_W - 1, 10 + DIAGRAM_H - 1}, std::pair{80, 10 + DIAGRAM_H - 1}})
                EXPECT_EQ(Rgb_Of(Canvas.Get_Pixel(x, y)), DIAGRAM_OUTLINE) << nKind << " " << x << "," << y;
            // Nothing outside the rectangle.
            EXPECT_EQ(Canvas.Get_Pixel(9, 9), 0u);
            EXPECT_EQ(Canvas.Get_Pixel(10 + DIAGRAM_W, 60), 0u);
        }
        // The caption: where the drawings with and without a font differ, the
        // inked stems are the kind's caption colour.
        CANVAS With = Draw(0, nPlays[nKind], nKind, false, FONT_DIAGRAM);
        CANVAS Without = Draw(0, nPlays[nKind], nKind, false, -1);
        int nDiffering = 0, nCaptionColour = 0;
        for (int y = 0; y < With.Height(); ++y)
            for (int x = 0; x < With.Width(); ++x)
                if (With.Get_Pixel(x, y) != Without.Get_Pixel(x, y)) {
                    ++nDiffering;
                    EXPECT_GE(y, 10 + DIAGRAM_H - 13);  // only in the caption's strip
                    if (Rgb_Of(With.Get_Pixel(x, y)) == DIAGRAM_CAPTION_COLOUR[nKind])
                        ++nCaptionColour;
                }
        EXPECT_GT(nDiffering, 20) << nKind;
        EXPECT_GT(nCaptionColour, 3) << nKind;
    }

    // The digit label only on the plays of a user-run club: play 9 reads "0".
    const CANVAS_RECT rcLabel{10 + DIAGRAM_W - 9, 10 + DIAGRAM_H - 10, 10 + DIAGRAM_W - 1, 10 + DIAGRAM_H - 2};
    CANVAS Computer = Draw(0, 9, DIAGRAM_OFFENSE);
    EXPECT_NE(Rgb_Of(Computer.Get_Pixel(rcLabel.left, rcLabel.top)), 0xAAAAAAu);
    League.Team[0].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_USER;
    CANVAS User = Draw(0, 9, DIAGRAM_OFFENSE);
    Write_Screenshot(User, "label-of-a-user-club.png");
    CANVAS Expected = User;
    CANVAS_FONT LabelFont;
    LabelFont.fHeight = 8.0;
    LabelFont.bBold = true;
    Draw_Label_Box(Expected, rcLabel, "0", LabelFont);
    int nDark = 0;
    for (int y = rcLabel.top; y < rcLabel.bottom; ++y)
        for (int x = rcLabel.left; x < rcLabel.right; ++x) {
            EXPECT_EQ(User.Get_Pixel(x, y), Expected.Get_Pixel(x, y)) << x << "," << y;
            if (Rgb_Of(User.Get_Pixel(x, y)) < 0x404040)
                ++nDark;
        }
    EXPECT_EQ(Rgb_Of(User.Get_Pixel(rcLabel.left, rcLabel.top)), 0xAAAAAAu);
    EXPECT_GT(nDark, 2);
    // Drawn with "1" instead, the box differs.
    Draw_Label_Box(Expected, rcLabel, "1", LabelFont);
    bool bDiffers = false;
    for (int y = rcLabel.top; y < rcLabel.bottom; ++y)
        for (int x = rcLabel.left; x < rcLabel.right; ++x)
            bDiffers = bDiffers || User.Get_Pixel(x, y) != Expected.Get_Pixel(x, y);
    EXPECT_TRUE(bDiffers);
    // With every club run by the computer, no label.
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    CANVAS AllComputer = Draw(0, 9, DIAGRAM_OFFENSE);
    EXPECT_NE(Rgb_Of(AllComputer.Get_Pixel(rcLabel.left, rcLabel.top)), 0xAAAAAAu);
    // An empty play slot draws nothing but its label.
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    Get_Offensive_Playbook_Area(0)->Play[9].szName[0] = '\0';
    CANVAS Empty = Draw(0, 9, DIAGRAM_OFFENSE);
    EXPECT_EQ(Empty.Get_Pixel(13, 12), 0u);
    EXPECT_EQ(Rgb_Of(Empty.Get_Pixel(rcLabel.left, rcLabel.top)), 0xAAAAAAu);
}

TEST_F(PlayDiagramTest, TheSameWeekGivesTheSamePixelsTheNextOtherWiggles)
{
    EXPECT_EQ(Get_Play_Diagram_Seed(3, 1), (300u + 1) * 100 + 7 * 5 + 249);
    Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
    EXPECT_EQ(Get_Play_Diagram_Seed(3, 1), (300u + 1) * 100 + 104);
    Set_User_Preference(PREF_CURRENT_WEEK, 5);

    // "Pro 24 Off Tackle" and "Tampa 2 React": drawn twice, other diagrams between.
    for (auto [nPlay, nKind] : {std::pair{10, DIAGRAM_OFFENSE}, std::pair{0, DIAGRAM_DEFENSE}}) {
        CANVAS First = Draw(0, nPlay, nKind);
        Draw(1, 40, DIAGRAM_OFFENSE);
        CANVAS Second = Draw(0, nPlay, nKind);
        ASSERT_EQ(std::memcmp(First.Pixels(), Second.Pixels(), static_cast<size_t>(First.Stride()) * First.Height()),
                  0);
        Set_User_Preference(PREF_CURRENT_WEEK, 6);
        CANVAS NextWeek = Draw(0, nPlay, nKind);
        Set_User_Preference(PREF_CURRENT_WEEK, 5);
        // The routes and players themselves wiggle otherwise, not only the field's marks.
        int nInkMoved = 0;
        for (int y = 0; y < First.Height(); ++y)
            for (int x = 0; x < First.Width(); ++x) {
                uint32_t a = First.Get_Pixel(x, y), b = NextWeek.Get_Pixel(x, y);
                if ((Is_Yellow_Ink(a) || Is_Yellow_Ink(b)) && Channel_Distance(a, b) > 60)
                    ++nInkMoved;
            }
        EXPECT_GT(nInkMoved, 20) << nPlay;
    }
}

TEST_F(PlayDiagramTest, EveryBuiltInPlayDrawsAndDrawingChangesNoGame)
{
    Seed_Random_Numbers(4357);
    uint32_t nExpectedDraw;
    {
        Seed_Random_Numbers(4357);
        nExpectedDraw = Generate_Random_Number();
        Seed_Random_Numbers(4357);
    }
    LEAGUE_SNAPSHOT Before;
    int nDrawn = 0;
    auto Draw_All = [&](int nKind, int nCount, const char* szPrefix) {
        for (int nPlay = 0; nPlay < nCount; ++nPlay) {
            bool bValid = nKind == DIAGRAM_OFFENSE   ? Is_Valid_Offensive_Play(0, nPlay)
                          : nKind == DIAGRAM_DEFENSE ? Is_Valid_Defensive_Play(0, nPlay)
                                                     : Is_Valid_Kick_Play(nPlay);
            if (!bValid)
                continue;
            CANVAS Canvas = Draw(0, nPlay, nKind);
            EXPECT_EQ(Get_Error_Count(), 0) << szPrefix << nPlay << ": " << Get_Recent_Errors();
            // Some of the picture is route or player: yellow-ish ink.
            int nInk = 0;
            for (int y = 10; y < 10 + DIAGRAM_H; ++y)
                for (int x = 10; x < 10 + DIAGRAM_W; ++x) {
                    uint32_t p = Canvas.Get_Pixel(x, y);
                    if (((p >> 16) & 0xFF) > 0xC0 && ((p >> 8) & 0xFF) > 0xC0)
                        ++nInk;
                }
            EXPECT_GT(nInk, 100) << szPrefix << nPlay;
            char szName[64];
            std::snprintf(szName, sizeof(szName), "%s-%02d.png", szPrefix, nPlay);
            Write_Screenshot(Canvas, szName);
            ++nDrawn;
        }
    };
    Draw_All(DIAGRAM_OFFENSE, OFFENSIVE_PLAY_COUNT, "offense");
    Draw_All(DIAGRAM_DEFENSE, DEFENSIVE_PLAY_COUNT, "defense");
    Draw_All(DIAGRAM_KICK, KICK_PLAY_COUNT, "kick");
    EXPECT_EQ(nDrawn, 60 + 30 + 4);
    EXPECT_EQ(Get_Error_Count(), 0);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Generate_Random_Number(), nExpectedDraw);

    // A page of ten at the play-calling size, alternating backgrounds, for a person.
    CANVAS Page(5 * 150 + 12, 2 * 104 + 6);
    for (int i = 0; i < 10; ++i) {
        CANVAS_RECT rc{2 + (i % 5) * 152, 2 + (i / 5) * 106, 2 + (i % 5) * 152 + 150, 2 + (i / 5) * 106 + 104};
        Draw_Play_Diagram(Page, rc, 0, 20 + i, FONT_DIAGRAM, DIAGRAM_OFFENSE, i % 2 == 1, false);
    }
    Write_Screenshot(Page, "page-of-ten.png");
}
