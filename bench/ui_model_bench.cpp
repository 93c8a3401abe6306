// The dialog model with what a user waits for: a report list of 4,100 rows
// and 10 columns filled, then put in a new order after a header click (the
// caller's sort by one column, as the player lists do); and a template of
// every kind of control built into a dialog.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace {

constexpr int ROWS = 4100;
constexpr int COLUMNS = 10;
constexpr int LIST = 10;

constexpr CONTROL_TEMPLATE CONTROLS[] = {
    {LIST, CONTROL_REPORT, "", {5, 5, 390, 250}, CS_ANCHOR_LEFT | CS_ANCHOR_TOP | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
    {1, CONTROL_BUTTON, "&OK", {290, 262, 50, 16}, CS_DEFAULT | CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
    {2, CONTROL_BUTTON, "&Cancel", {345, 262, 50, 16}, CS_ANCHOR_RIGHT | CS_ANCHOR_BOTTOM},
};
constexpr DIALOG_TEMPLATE LIST_TEMPLATE{900, "Players", 400, 284, DS_RESIZABLE, 300, 200, CONTROLS};

void Nothing(DIALOG&, int, int) {}

// Row r's cell in column c: numbers that sort differently in each column.
std::string Cell_Text(int r, int c)
{
    return std::to_string((r * (c + 7) * 2654435761u) % 100000u);
}

void Fill(DIALOG& Dialog)
{
    Dialog.Clear_Rows(LIST);
    for (int r = 0; r < ROWS; ++r) {
        const int nRow = Dialog.Add_Row(LIST, r);
        for (int c = 0; c < COLUMNS; ++c)
            Dialog.Set_Cell(LIST, nRow, c, Cell_Text(r, c));
    }
}

bool By_Number(const DIALOG_ROW& a, const DIALOG_ROW& b, void* pColumn)
{
    const int c = *static_cast<int*>(pColumn);
    return std::stoi(a.Cells[c]) < std::stoi(b.Cells[c]);
}

void Make_Columns(DIALOG& Dialog)
{
    Dialog.Build(LIST_TEMPLATE);
    for (int c = 0; c < COLUMNS; ++c)
        Dialog.Add_Column(LIST, c, "Column " + std::to_string(c), 60);
}

void BM_FillReportList(benchmark::State& State)
{
    DIALOG Dialog(900, "", Nothing, nullptr);
    Make_Columns(Dialog);
    for (auto _ : State) {
        Fill(Dialog);
        benchmark::DoNotOptimize(Dialog.Row_Count(LIST));
    }
    State.SetItemsProcessed(State.iterations() * ROWS);
}
BENCHMARK(BM_FillReportList)->Unit(benchmark::kMillisecond);

void BM_SortReportListAfterHeaderClick(benchmark::State& State)
{
    DIALOG Dialog(900, "", Nothing, nullptr);
    Make_Columns(Dialog);
    Fill(Dialog);
    int nColumn = 0;
    for (auto _ : State) {
        nColumn = (nColumn + 1) % COLUMNS;
        Dialog.Sort_Rows(LIST, By_Number, &nColumn);
        benchmark::DoNotOptimize(Dialog.Row_Data(LIST, 0));
    }
}
BENCHMARK(BM_SortReportListAfterHeaderClick)->Unit(benchmark::kMillisecond);

// The player lists' shape: 4,100 rows keyed by team x 100 + slot with 18
// cells each, filled with drawing suspended, then sorted by a comparator
// over the keys (one value per key, computed once per sort).
constexpr int WIDE_COLUMNS = 18;

int Wide_Value(int64_t nKey, int nColumn)
{
    return static_cast<int>((static_cast<uint64_t>(nKey) * static_cast<uint64_t>(nColumn + 7) * 2654435761u) % 100000u);
}

void Fill_Wide(DIALOG& Dialog)
{
    Dialog.Begin_Update(LIST);
    Dialog.Clear_Rows(LIST);
    std::vector<std::string> Cells(WIDE_COLUMNS);
    for (int nTeam = 0; nTeam < 41; ++nTeam) {
        for (int nSlot = 0; nSlot < 100; ++nSlot) {
            const int64_t nKey = nTeam * 100 + nSlot;
            for (int c = 0; c < WIDE_COLUMNS; ++c)
                Cells[static_cast<size_t>(c)] = std::to_string(Wide_Value(nKey, c));
            Dialog.Add_Row(LIST, nKey, Cells);
        }
    }
    Dialog.End_Update(LIST);
}

void Make_Wide_Columns(DIALOG& Dialog)
{
    Dialog.Build(LIST_TEMPLATE);
    for (int c = 0; c < WIDE_COLUMNS; ++c)
        Dialog.Add_Column(LIST, c, "Column " + std::to_string(c), 40, c == 0 ? COLUMN_LEFT : COLUMN_RIGHT);
}

void BM_FillPlayerList4100x18(benchmark::State& State)
{
    DIALOG Dialog(900, "", Nothing, nullptr);
    Make_Wide_Columns(Dialog);
    for (auto _ : State) {
        Fill_Wide(Dialog);
        benchmark::DoNotOptimize(Dialog.Row_Count(LIST));
    }
    State.SetItemsProcessed(State.iterations() * ROWS);
}
BENCHMARK(BM_FillPlayerList4100x18)->Unit(benchmark::kMillisecond);

std::vector<int> g_SortValues(4100);
bool By_Key_Value(int64_t a, int64_t b, void*)
{
    return g_SortValues[static_cast<size_t>(a)] < g_SortValues[static_cast<size_t>(b)];
}

void BM_SortPlayerList4100x18ByKey(benchmark::State& State)
{
    DIALOG Dialog(900, "", Nothing, nullptr);
    Make_Wide_Columns(Dialog);
    Fill_Wide(Dialog);
    int nColumn = 0;
    for (auto _ : State) {
        nColumn = (nColumn + 1) % WIDE_COLUMNS;
        for (int64_t nKey = 0; nKey < 4100; ++nKey)
            g_SortValues[static_cast<size_t>(nKey)] = Wide_Value(nKey, nColumn);
        Dialog.Sort_Rows_By_Key(LIST, By_Key_Value, nullptr);
        benchmark::DoNotOptimize(Dialog.Row_Data(LIST, 0));
    }
}
BENCHMARK(BM_SortPlayerList4100x18ByKey)->Unit(benchmark::kMillisecond);

void BM_BuildDialogFromTemplate(benchmark::State& State)
{
    for (auto _ : State) {
        DIALOG Dialog(900, "", Nothing, nullptr);
        Dialog.Build(LIST_TEMPLATE);
        benchmark::DoNotOptimize(Dialog.Controls().size());
    }
}
BENCHMARK(BM_BuildDialogFromTemplate)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
