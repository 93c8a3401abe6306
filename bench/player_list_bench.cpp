// The player list headless: the "All Active Players" list of the default
// league (every player of the clubs in use and the free agents, 1,786 in the
// 2019 league) with
// 18 columns, Overall, Peak and Stat Line among them, filled and sorted by
// a header click; and a list of all 4,100 keys. The model's share of what
// the desktop list costs (the goal on GTK: fill and sort under 50 ms).
//
//   build/bench_player_list_bench [--benchmark_filter=...]

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>

#include "editors/player_list_view.h"
#include "gamefile/game_file.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/player_stats.h"
#include "platform/dialogs.h"
#include "platform/ui.h"

namespace {

constexpr int LIST = 100;
constexpr int COLUMNS[18] = {0, 1, 2, 3, 4, 15, 11, 91, 96, 5, 8, 6, 12, 13, 9, 10, 92, 22};

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
        std::fprintf(stderr, "player_list_bench: no league in %s\n", Folder.c_str());
        nReady = 0;
        return false;
    }
    ui::Reset();
    nReady = 1;
    return true;
}

// A stat line as the front office's summary reads it: a few statistics of
// the period written out.
std::string Bench_Stat_Line(int nTeam, int nSlot)
{
    char szLine[96];
    std::snprintf(szLine, sizeof(szLine), "%d G, %d yds, %d TD", Get_Player_Stat(nTeam, nSlot, 0, STAT_GAMES_PLAYED),
                  Get_Player_Stat(nTeam, nSlot, 0, STAT_PASSING_YARDS), Get_Player_Stat(nTeam, nSlot, 0, STAT_PASSING_TOUCHDOWNS));
    return szLine;
}

void Noop_Proc(DIALOG&, int, int) {}

struct BENCH_LIST {
    DIALOG Host{9902, "Players", Noop_Proc, nullptr};
    PLAYER_LIST_VIEW View;
    BENCH_LIST()
    {
        Host.Add(LIST, CONTROL_REPORT, "", UI_RECT{0, 0, 600, 300});
        Attach_Player_List_View(View, Host, LIST, "LVD_Roster");
        View.nColumnCount = 18;
        for (int i = 0; i < 18; ++i)
            View.ColumnCodes[i] = COLUMNS[i];
        Rebuild_Listview_Columns(View);
    }
};

void Fill_And_Sort(benchmark::State& State, bool bAllKeys)
{
    if (!Prepare_League()) {
        State.SkipWithError("no league");
        return;
    }
    Set_Player_Stat_Line_Formatter(Bench_Stat_Line);
    BENCH_LIST List;
    const int nOverall = List.Host.Find_Column(LIST, 3);
    int nRows = 0;
    for (auto _ : State) {
        Init_Player_List_View(List.View);
        for (int t = 0; t < (bAllKeys ? 41 : 37); ++t) {
            if (!bAllKeys && !Is_Team_Slot_Used(t))
                continue;
            for (int s = 0; s < 100; ++s)
                if (bAllKeys || Is_Player_Slot_Used(t, s))
                    Add_Player_List_Row(List.View, t, s);
        }
        Fill_Player_List(List.View);
        Set_List_Sort_Column(List.View, 3 + 1 == List.View.nSortColumn ? -4 : 4);
        Sort_Player_List(List.View);
        nRows = List.Host.Row_Count(LIST);
        benchmark::DoNotOptimize(nRows);
    }
    (void)nOverall;
    State.counters["rows"] = nRows;
    Set_Player_Stat_Line_Formatter(nullptr);
}

void BM_All_Active_Players_Fill_And_Sort(benchmark::State& State) { Fill_And_Sort(State, false); }
void BM_Full_4100_Keys_Fill_And_Sort(benchmark::State& State) { Fill_And_Sort(State, true); }

// A header click alone on the filled list: new sort values, then the sort.
void BM_All_Active_Players_Header_Click(benchmark::State& State)
{
    if (!Prepare_League()) {
        State.SkipWithError("no league");
        return;
    }
    BENCH_LIST List;
    for (int t = 0; t < 37; ++t)
        if (Is_Team_Slot_Used(t))
            for (int s = 0; s < 100; ++s)
                if (Is_Player_Slot_Used(t, s))
                    Add_Player_List_Row(List.View, t, s);
    Fill_Player_List(List.View);
    const int Codes[2] = {4, 3};
    int i = 0;
    for (auto _ : State) {
        Set_List_Sort_Column(List.View, Codes[i++ % 2] + 1);
        Sort_Player_List(List.View);
    }
    State.counters["rows"] = List.Host.Row_Count(LIST);
}

}  // namespace

BENCHMARK(BM_All_Active_Players_Fill_And_Sort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Full_4100_Keys_Fill_And_Sort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_All_Active_Players_Header_Click)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
