// The game view in a 1024 x 676 page area (the default window's): one
// diagram at the play-calling size (a 142 x 112 design slot, 189 x 149
// pixels), the page of ten the calling area draws, a watched play's 11
// frames at the fastest animation (each frame a whole repaint of the view,
// as the window paints it, and the waits the frames ask for at the fastest
// interval, 1 ms), and the rest of a watched game after Finish Game (the
// game fast-forwarded to its end with the view's hooks installed), beside
// the same game nobody watches.
#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "../tests/engine/game_fixture.h"
#include "engine/narration.h"
#include "engine/play_diagrams.h"
#include "engine/watched_game.h"
#include "league/preferences.h"
#include "league/team_schedule.h"
#include "pages/game_view.h"
#include "pages/page_paint.h"
#include "pages/score_boxes.h"

namespace {

using namespace game_fixture;

constexpr int AREA_WIDTH = 1024;
constexpr int AREA_HEIGHT = 676;
const CANVAS_RECT AREA{0, 0, AREA_WIDTH, AREA_HEIGHT};
constexpr int FASTEST_INTERVAL_MS = 1;   // max(2 x preference 173, 1) with 173 at 0

void Set_Up_League()
{
    Build_Two_Team_League(11);
    Set_Client_Size(AREA_WIDTH, AREA_HEIGHT);
    Load_App_Fonts();
    Set_User_Preference(PREF_MAIN_PAGE, MAIN_PAGE_GAMES);
}

void BM_Call_Diagram(benchmark::State& State)
{
    Set_Up_League();
    CANVAS Canvas(AREA_WIDTH, AREA_HEIGHT);
    const int nKind = static_cast<int>(State.range(0));
    const int nPlay = nKind == DIAGRAM_OFFENSE ? 40 : (nKind == DIAGRAM_DEFENSE ? 24 : 3);
    const CANVAS_RECT rc = Get_Game_View_Hot_Spot(AREA, 0);
    for (auto _ : State) {
        Draw_Play_Diagram(Canvas, rc, AWAY_TEAM, nPlay, FONT_DIAGRAM, nKind, false, false);
        benchmark::DoNotOptimize(Canvas.Pixels());
    }
    State.counters["width"] = rc.Width();
    State.counters["height"] = rc.Height();
}
BENCHMARK(BM_Call_Diagram)->Arg(DIAGRAM_OFFENSE)->Arg(DIAGRAM_DEFENSE)->Arg(DIAGRAM_KICK)->Unit(benchmark::kMillisecond);

void BM_Call_Page_Of_Ten(benchmark::State& State)
{
    Set_Up_League();
    CANVAS Canvas(AREA_WIDTH, AREA_HEIGHT);
    const int nKind = static_cast<int>(State.range(0));
    const int nFirst = nKind == DIAGRAM_OFFENSE ? 20 : (nKind == DIAGRAM_DEFENSE ? 10 : 0);
    for (auto _ : State) {
        for (int i = 0; i < GAME_VIEW_DIAGRAMS; ++i)
            Draw_Play_Diagram(Canvas, Get_Game_View_Hot_Spot(AREA, i), AWAY_TEAM, nFirst + i, FONT_DIAGRAM, nKind,
                              false, false);
        benchmark::DoNotOptimize(Canvas.Pixels());
    }
}
BENCHMARK(BM_Call_Page_Of_Ten)->Arg(DIAGRAM_OFFENSE)->Arg(DIAGRAM_DEFENSE)->Arg(DIAGRAM_KICK)
    ->Unit(benchmark::kMillisecond);

// Game record 0 played, shown by preference 34, its last play given eight
// sentences to tell.
void Set_Up_Shown_Game()
{
    Set_Up_League();
    Play_Fixture_Game(1);
    Set_User_Preference(PREF_SHOWN_GAME, 0);
    GAME* pGame = &League.Game[0];
    const int VARIANTS[] = {0, 1, 2, 16};
    for (int i = 0; i < 8; ++i) {
        pGame->CurrentPlay.Narration[i].bEvent = NARRATE_END_OF_PERIOD;
        pGame->CurrentPlay.Narration[i].bVariant = static_cast<uint8_t>(VARIANTS[i % 4]);
        Render_Play_Commentary(pGame, i);
    }
}

void BM_Watched_Play_Frames(benchmark::State& State)
{
    Set_Up_Shown_Game();
    CANVAS Canvas(AREA_WIDTH, AREA_HEIGHT);
    Paint_Game_View(Canvas, AREA);   // the calling area's picture made once
    int nWaits = 0;
    for (auto _ : State) {
        for (int nFrame = 0; nFrame <= GAME_VIEW_LAST_FRAME; ++nFrame) {
            const int nWait = Show_Play_Text_Frame(nFrame, false);
            Paint_Game_View(Canvas, AREA);
            nWaits += nWait;
            if (nWait > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(nWait * FASTEST_INTERVAL_MS));
        }
        Show_Play_Text_Frame(-1, true);
        Paint_Game_View(Canvas, AREA);
        benchmark::DoNotOptimize(Canvas.Pixels());
    }
    State.counters["intervals_waited"] = static_cast<double>(nWaits) / static_cast<double>(State.iterations());
}
BENCHMARK(BM_Watched_Play_Frames)->Unit(benchmark::kMillisecond);

// One repaint of the view with its diagrams kept.
void BM_Game_View_Repaint(benchmark::State& State)
{
    Set_Up_Shown_Game();
    CANVAS Canvas(AREA_WIDTH, AREA_HEIGHT);
    Paint_Game_View(Canvas, AREA);
    for (auto _ : State) {
        Paint_Game_View(Canvas, AREA);
        benchmark::DoNotOptimize(Canvas.Pixels());
    }
}
BENCHMARK(BM_Game_View_Repaint)->Unit(benchmark::kMillisecond);

int g_nRepaints = 0;

void Play_Rest_Of_Game(benchmark::State& State, bool bWatched)
{
    Set_Up_League();
    WATCHED_GAME_VIEW View;
    View.pfnPaintPlayTextBox = [](int nFrame, bool bFinal) { return Show_Play_Text_Frame(nFrame, bFinal); };
    View.pfnRepaint = [] { ++g_nRepaints; };
    View.pfnDrawScoreBox = [](const GAME* pGame) { Record_Game_Score_Box(pGame); };
    Install_Watched_Game_View(bWatched ? &View : nullptr);
    Set_Calendar_PBP_Flag(AWAY_TEAM, FIXTURE_WEEK, bWatched ? 1 : 0);
    uint32_t nSeed = 1;
    g_nRepaints = 0;
    for (auto _ : State) {
        // Finish Game from the first quarter: the fast-forward target is
        // the quarter + 10.
        Set_User_Preference(PREF_ANIMATION_MODE, bWatched ? 11 : 0);
        benchmark::DoNotOptimize(Play_Fixture_Game(nSeed++));
    }
    Install_Watched_Game_View(nullptr);
    Set_Calendar_PBP_Flag(AWAY_TEAM, FIXTURE_WEEK, 0);
    Set_User_Preference(PREF_ANIMATION_MODE, 0);
    State.counters["repaints_per_game"] = static_cast<double>(g_nRepaints) / static_cast<double>(State.iterations());
}

void BM_Rest_Of_Game_After_Finish(benchmark::State& State) { Play_Rest_Of_Game(State, true); }
void BM_Same_Game_Unwatched(benchmark::State& State) { Play_Rest_Of_Game(State, false); }
BENCHMARK(BM_Rest_Of_Game_After_Finish)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Same_Game_Unwatched)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
