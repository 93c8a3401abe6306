// Play diagrams: one diagram at the play-calling size (a 150 x 100 design
// rectangle in a 1024 x 720 window, 200 x 142 pixels) and the page of ten
// that the play-calling area paints, offensive and defensive; and the
// building of one play's paths alone, without rendering.
#include <benchmark/benchmark.h>

#include "engine/play_diagrams.h"
#include "engine/playbooks.h"
#include "league/league_data.h"
#include "league/league_structure.h"
#include "league/team.h"

namespace {

constexpr int CLIENT_WIDTH = 1024;
constexpr int CLIENT_HEIGHT = 720;

void Set_Up_League()
{
    Zero_League_Data();
    Set_All_Teams_Controller(CONTROLLER_COMPUTER);
    Count_Teams();
    Build_Team_Default_Playbook(0);
    Set_Client_Size(CLIENT_WIDTH, CLIENT_HEIGHT);
    Load_App_Fonts();
}

CANVAS_RECT Page_Slot(int i)
{
    // Five across and two down in the lower half of the design space.
    return CANVAS_RECT{4 + (i % 5) * 152, 290 + (i / 5) * 104, 4 + (i % 5) * 152 + 150, 290 + (i / 5) * 104 + 100};
}

void BM_One_Diagram(benchmark::State& State)
{
    Set_Up_League();
    CANVAS Window(CLIENT_WIDTH, CLIENT_HEIGHT);
    int nKind = static_cast<int>(State.range(0));
    int nPlay = nKind == DIAGRAM_OFFENSE ? 40 : 24;  // a pass with play action; a four-deep zone
    Draw_Play_Diagram(Window, Page_Slot(0), 0, nPlay, FONT_DIAGRAM, nKind, false, true);
    for (auto _ : State) {
        Draw_Play_Diagram(Window, Page_Slot(0), 0, nPlay, FONT_DIAGRAM, nKind, false, true);
        benchmark::DoNotOptimize(Window.Pixels());
    }
}
BENCHMARK(BM_One_Diagram)->Arg(DIAGRAM_OFFENSE)->Arg(DIAGRAM_DEFENSE)->Unit(benchmark::kMillisecond);

void BM_Page_Of_Ten(benchmark::State& State)
{
    Set_Up_League();
    CANVAS Window(CLIENT_WIDTH, CLIENT_HEIGHT);
    int nKind = static_cast<int>(State.range(0));
    int nFirst = nKind == DIAGRAM_OFFENSE ? 20 : 10;
    for (auto _ : State) {
        for (int i = 0; i < 10; ++i)
            Draw_Play_Diagram(Window, Page_Slot(i), 0, nFirst + i, FONT_DIAGRAM, nKind, i % 2 == 1, true);
        benchmark::DoNotOptimize(Window.Pixels());
    }
}
BENCHMARK(BM_Page_Of_Ten)->Arg(DIAGRAM_OFFENSE)->Arg(DIAGRAM_DEFENSE)->Unit(benchmark::kMillisecond);

void BM_Build_Paths_Only(benchmark::State& State)
{
    Set_Up_League();
    SKETCH_RECORD Sketch;
    for (auto _ : State) {
        Set_Play_Diagram_View(Sketch, DIAGRAM_OFFENSE, 0, 40);
        Draw_Offensive_Routes(Sketch, 0, 40, false);
        Draw_Offense_Players(Sketch, Get_Offensive_Play_Formation(0, 40));
        benchmark::DoNotOptimize(Sketch.Storage.Vertices.data());
    }
}
BENCHMARK(BM_Build_Paths_Only)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
