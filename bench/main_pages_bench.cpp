// The main window's pages painted into a 1024 x 720 canvas: the layout read
// from the league and every text, rule and shade drawn. The league is the
// default one (the build's data/Databases/Universe-2019.dat) five weeks into
// its season. The goal: a page under 10 ms.
//
//   build/bench_main_pages_bench [--benchmark_filter=...]

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/random.h"
#include "gamefile/game_file.h"
#include "pages/page_layout.h"
#include "pages/page_paint.h"
#include "platform/canvas.h"
#include "platform/ui.h"
#include "shell/main_window.h"
#include "shell/news_bar.h"
#include "shell/owner_hall_of_fame.h"
#include "shell/status_bar.h"

// season/day_advance.h and gamefile/game_file.h both name the automatic
// save's file, so only the one call of the day advance is declared here.
void Advance_Day(int nDays);

namespace {

// Loads the default league from the data folder beside the benchmark and
// plays five weeks; false when there is no league to load.
bool Prepare_League()
{
    static int nReady = -1;
    if (nReady >= 0)
        return nReady == 1;
    char szExe[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", szExe, sizeof(szExe) - 1);
    std::string Folder = n > 0 ? std::string(szExe, static_cast<size_t>(n)) : std::string(".");
    Folder = Folder.substr(0, Folder.find_last_of('/')) + "/data";
    if (chdir(Folder.c_str()) != 0 || !Load_Universe_Database("Databases/Universe-2019.dat")) {
        std::fprintf(stderr, "main_pages_bench: no league in %s\n", Folder.c_str());
        nReady = 0;
        return false;
    }
    Seed_Random_Numbers(12345);
    Advance_Day(5);
    ui::Reset();
    nReady = 1;
    return true;
}

void Paint_Page(benchmark::State& State, int nPage)
{
    if (!Prepare_League()) {
        State.SkipWithError("no league");
        return;
    }
    CANVAS Canvas(1024, 720);
    for (auto _ : State) {
        Paint_Main_Page(Canvas, nPage, Canvas.Bounds());
        benchmark::DoNotOptimize(Canvas.Pixels());
    }
}

void BM_Page_Front(benchmark::State& State) { Paint_Page(State, MAIN_PAGE_FRONT); }
void BM_Page_Standings(benchmark::State& State) { Paint_Page(State, MAIN_PAGE_STANDINGS); }
void BM_Page_Calendar(benchmark::State& State) { Paint_Page(State, MAIN_PAGE_CALENDAR); }
void BM_Page_Games(benchmark::State& State) { Paint_Page(State, MAIN_PAGE_GAMES); }
void BM_Page_Playoffs(benchmark::State& State) { Paint_Page(State, MAIN_PAGE_PLAYOFFS); }
void BM_Page_Champions(benchmark::State& State) { Paint_Page(State, MAIN_PAGE_CHAMPIONS); }
void BM_Page_Draft(benchmark::State& State) { Paint_Page(State, MAIN_PAGE_DRAFT); }

// The layout alone (the league read, nothing drawn).
void BM_Layout_Front(benchmark::State& State)
{
    if (!Prepare_League()) {
        State.SkipWithError("no league");
        return;
    }
    for (auto _ : State) {
        PAGE_LAYOUT Layout = Layout_Front_Page();
        benchmark::DoNotOptimize(Layout.Texts.data());
    }
}

// The news bar (1024 x 24) with the ticker part-way across, as each tick of
// its timer repaints it, and one tick with its repaint.
void BM_News_Bar_Tick(benchmark::State& State)
{
    if (!Prepare_League()) {
        State.SkipWithError("no league");
        return;
    }
    Create_Main_Window(WINDOW_RECTANGLE{0, 0, 1040, 820});
    Set_Main_Client_Size(1024, 720);
    Create_News_Bar();
    Start_Main_News_Ticker();
    for (int i = 0; i < 200; ++i)
        On_News_Ticker_Timer();
    CANVAS Canvas(1024, NEWS_BAR_HEIGHT);
    for (auto _ : State) {
        On_News_Ticker_Timer();
        Paint_News_Bar(Canvas, Canvas.Bounds());
        benchmark::DoNotOptimize(Canvas.Pixels());
    }
    Destroy_Main_Window();
}

void BM_Status_Bar(benchmark::State& State)
{
    if (!Prepare_League()) {
        State.SkipWithError("no league");
        return;
    }
    CANVAS Canvas(1024, STATUS_BAR_HEIGHT);
    for (auto _ : State) {
        Paint_Status_Bar(Canvas, Canvas.Bounds());
        benchmark::DoNotOptimize(Canvas.Pixels());
    }
}

BENCHMARK(BM_News_Bar_Tick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Status_Bar)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Page_Front)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Page_Standings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Page_Calendar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Page_Games)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Page_Playoffs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Page_Champions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Page_Draft)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Layout_Front)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
