// What a user of the desktop window waits for, measured under an X server of
// the tool's own (Xvfb): start-up to the main window's first frame with the
// default league, each dialog built from its template until first drawn, a
// report list of 4,100 rows and 10 columns filled and shown again in a new
// order after a header click, and the processor time of an idle window whose
// news bar scrolls.
//
//   build/gui_measure [DATA_FOLDER]      (default: $KELVO_DATA, else the data folder beside it)

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "platform/dialog_template.h"
#include "platform/dialogs.h"
#include "platform/gtk/gtk_backend.h"
#include "platform/gtk/gtk_probe.h"
#include "platform/main_frame.h"
#include "platform/ui_services.h"
#include "scratch_folder.h"
#include "shell/startup.h"
#include "x_server.h"

namespace fs = std::filesystem;
using CLOCK = std::chrono::steady_clock;

namespace {

double Ms_Since(CLOCK::time_point t)
{
    return std::chrono::duration<double, std::milli>(CLOCK::now() - t).count();
}

// --- Dialogs from their templates -------------------------------------------

CLOCK::time_point g_Started;
double g_fShownMs = 0;
void Note_Shown(int nKind, int)
{
    if (nKind == gtk_probe::WINDOW_DIALOG)
        g_fShownMs = Ms_Since(g_Started);
}

void Plain_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_COMMAND && (nControl == 1 || nControl == 2))
        Dialog.End(nControl);
}

// --- The report list ---------------------------------------------------------

constexpr int LIST_DIALOG = 9950;
constexpr int LIST_CONTROL = 500;
constexpr int ROWS = 4100;
constexpr int COLUMNS = 10;
constexpr int REFILL_BUTTON = 501;
constexpr CONTROL_TEMPLATE LIST_CONTROLS[] = {
    {LIST_CONTROL, CONTROL_REPORT, "", {4, 4, 492, 280}},
    {REFILL_BUTTON, CONTROL_BUTTON, "&Refill", {390, 290, 50, 14}},
    {1, CONTROL_BUTTON, "OK", {446, 290, 50, 14}, CS_DEFAULT},
};
constexpr DIALOG_TEMPLATE LIST_TEMPLATE{LIST_DIALOG, "Players", 500, 310, 0, 0, 0, LIST_CONTROLS};

int g_nSortColumn = 0;
bool Less_By_Column(const DIALOG_ROW& a, const DIALOG_ROW& b, void*)
{
    return a.Cells[static_cast<size_t>(g_nSortColumn)] < b.Cells[static_cast<size_t>(g_nSortColumn)];
}

double g_fFillMs = 0;
void List_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT || (nEvent == DIALOG_COMMAND && nControl == REFILL_BUTTON)) {
        const auto t = CLOCK::now();
        Dialog.Clear_Rows(LIST_CONTROL);
        if (nEvent == DIALOG_INIT)
            for (int c = 0; c < COLUMNS; ++c)
                Dialog.Add_Column(LIST_CONTROL, c, "Column " + std::to_string(c), 46);
        char szCell[32];
        for (int r = 0; r < ROWS; ++r) {
            const int nRow = Dialog.Add_Row(LIST_CONTROL, r);
            for (int c = 0; c < COLUMNS; ++c) {
                // Numbers whose order differs from column to column.
                std::snprintf(szCell, sizeof(szCell), "%05d", (r * (c + 7) * 7919) % 99991);
                Dialog.Set_Cell(LIST_CONTROL, nRow, c, szCell);
            }
        }
        g_fFillMs = Ms_Since(t);
    } else if (nEvent == DIALOG_NOTIFY && Dialog.Event().nNotification == LIST_COLUMN_CLICK) {
        g_nSortColumn = Dialog.Event().nColumn;
        Dialog.Sort_Rows(LIST_CONTROL, Less_By_Column, nullptr);
    } else if (nEvent == DIALOG_COMMAND && nControl == 1) {
        Dialog.End(1);
    }
}
const DIALOG_REGISTRAR REGISTER_LIST(LIST_DIALOG, LIST_TEMPLATE, List_Proc, {});

// The player lists' shape: 4,100 rows keyed by team x 100 + slot with 18
// cells each, filled with drawing suspended and sorted by a comparator over
// the keys (a value per key computed once per sort, as the lists do).
constexpr int WIDE_DIALOG = 9951;
constexpr int WIDE_COLUMNS = 18;
constexpr DIALOG_TEMPLATE WIDE_TEMPLATE{WIDE_DIALOG, "All Players", 500, 310, 0, 0, 0, LIST_CONTROLS};
int Wide_Value(int64_t nKey, int nColumn)
{
    return static_cast<int>((nKey * (nColumn + 7) * 7919) % 99991);
}
std::vector<int> g_WideSortValues;
bool Less_By_Key_Value(int64_t a, int64_t b, void*)
{
    return g_WideSortValues[static_cast<size_t>(a)] < g_WideSortValues[static_cast<size_t>(b)];
}
double g_fWideFillMs = 0;
double g_fWideSortMs = 0;
void Wide_Proc(DIALOG& Dialog, int nEvent, int nControl)
{
    if (nEvent == DIALOG_INIT || (nEvent == DIALOG_COMMAND && nControl == REFILL_BUTTON)) {
        const auto t = CLOCK::now();
        Dialog.Begin_Update(LIST_CONTROL);
        Dialog.Clear_Rows(LIST_CONTROL);
        if (nEvent == DIALOG_INIT)
            for (int c = 0; c < WIDE_COLUMNS; ++c)
                Dialog.Add_Column(LIST_CONTROL, c, "Column " + std::to_string(c), 40, c == 0 ? COLUMN_LEFT : COLUMN_RIGHT);
        std::vector<std::string> Cells(WIDE_COLUMNS);
        for (int64_t nKey = 0; nKey < ROWS; ++nKey) {
            for (int c = 0; c < WIDE_COLUMNS; ++c)
                Cells[static_cast<size_t>(c)] = std::to_string(Wide_Value(nKey, c));
            Dialog.Add_Row(LIST_CONTROL, nKey, Cells);
        }
        Dialog.End_Update(LIST_CONTROL);
        g_fWideFillMs = Ms_Since(t);
    } else if (nEvent == DIALOG_NOTIFY && Dialog.Event().nNotification == LIST_COLUMN_CLICK) {
        const auto t = CLOCK::now();
        g_WideSortValues.resize(ROWS);
        for (int64_t nKey = 0; nKey < ROWS; ++nKey)
            g_WideSortValues[static_cast<size_t>(nKey)] = Wide_Value(nKey, Dialog.Event().nTag);
        Dialog.Sort_Rows_By_Key(LIST_CONTROL, Less_By_Key_Value, nullptr);
        g_fWideSortMs = Ms_Since(t);
    } else if (nEvent == DIALOG_COMMAND && nControl == 1) {
        Dialog.End(1);
    }
}
const DIALOG_REGISTRAR REGISTER_WIDE(WIDE_DIALOG, WIDE_TEMPLATE, Wide_Proc, {});

double g_fListShownMs = 0;
double g_fResortMs = 0;
double g_fRefillMs = 0;
void Time_Header_Click(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || (nDialogId != LIST_DIALOG && nDialogId != WIDE_DIALOG))
        return;
    g_fListShownMs = Ms_Since(g_Started);
    const int nDraws = gtk_probe::Draw_Count(nKind, nDialogId);
    const auto t = CLOCK::now();
    gtk_probe::Click_Header(nDialogId, LIST_CONTROL, 3);
    gtk_probe::Wait_Draw_After(nKind, nDialogId, nDraws);
    g_fResortMs = Ms_Since(t);
    // Filled again from the model and drawn.
    const int nDrawsBefore = gtk_probe::Draw_Count(nKind, nDialogId);
    const auto tFill = CLOCK::now();
    gtk_probe::Click_Button(nDialogId, REFILL_BUTTON);
    gtk_probe::Wait_Draw_After(nKind, nDialogId, nDrawsBefore);
    g_fRefillMs = Ms_Since(tFill);
}

// --- The news bar ------------------------------------------------------------

int g_nTickerOffset = 0;
void Paint_News(int nArea, CANVAS& Canvas)
{
    if (nArea != FRAME_NEWS_BAR)
        return;
    CANVAS_FONT Font;
    Font.fHeight = 13;
    const char* szText = "Buffalo 24, Denver 17 -- Miami 31, Boston 28 -- Leaders: passing yards, rushing yards";
    const double fWidth = Canvas.Width() + 600.0;
    const double x = Canvas.Width() - static_cast<double>(g_nTickerOffset % static_cast<int>(fWidth));
    Canvas.Draw_Text(Font, x, 17, szText, Rgb_Color(0x202020));
}

void Step_Ticker(int)
{
    g_nTickerOffset += 2;
    main_frame::Invalidate(FRAME_NEWS_BAR);
}

double Cpu_Seconds()
{
    rusage Usage;
    getrusage(RUSAGE_SELF, &Usage);
    return static_cast<double>(Usage.ru_utime.tv_sec + Usage.ru_stime.tv_sec) +
           static_cast<double>(Usage.ru_utime.tv_usec + Usage.ru_stime.tv_usec) / 1e6;
}

// The program itself: started with a display and no script, until its log
// says the line (the main window first drawn; the welcome dialog, shown
// over the main window with the league loaded, first drawn); -1 when it
// never says so.
double Program_Start_Up_Ms(const std::string& Program, const std::string& Data, const char* szLine)
{
    fs::remove(Data + "/debug.txt");
    // The copy is the program's data folder, whatever KELVO_DATA said here.
    std::vector<std::string> Environment;
    for (char** p = environ; *p != nullptr; ++p)
        if (std::strncmp(*p, "KELVO_DATA=", 11) != 0)
            Environment.emplace_back(*p);
    Environment.push_back("KELVO_DATA=" + Data);
    std::vector<char*> Env;
    for (std::string& Entry : Environment)
        Env.push_back(Entry.data());
    Env.push_back(nullptr);
    std::string Name = Program;
    std::string Flag = "IS_NOT_RANDOM";
    char* Args[] = {Name.data(), Flag.data(), nullptr};
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&Actions, 1, "/dev/null", O_WRONLY, 0);
    const auto t = CLOCK::now();
    pid_t nPid = -1;
    if (posix_spawn(&nPid, Program.c_str(), &Actions, nullptr, Args, Env.data()) != 0)
        return -1;
    posix_spawn_file_actions_destroy(&Actions);
    double fMs = -1;
    while (Ms_Since(t) < 20000 && fMs < 0) {
        std::ifstream Log(Data + "/debug.txt");
        std::stringstream Text;
        Text << Log.rdbuf();
        if (Text.str().find(szLine) != std::string::npos)
            fMs = Ms_Since(t);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(nPid, SIGTERM);
    int nStatus = 0;
    waitpid(nPid, &nStatus, 0);
    return fMs;
}

}  // namespace

int main(int argc, char** argv)
{
    // The data folder as the program finds it (KELVO_DATA, else the one
    // beside it), refused as the program refuses it, unless one is named.
    std::string Problem;
    const std::string Found = argc > 1 ? std::string(argv[1]) : Find_Data_Folder(argv[0], Problem);
    if (Found.empty() || !fs::is_directory(Found)) {
        std::fprintf(stderr, "gui_measure: %s\n",
                     Problem.empty() ? ("no data folder \"" + Found + "\"").c_str() : Problem.c_str());
        return 1;
    }
    const std::string Data = fs::absolute(Found).string();
    const std::string Program = fs::absolute(fs::path(argv[0]).parent_path() / "kelvo").string();
    X_SERVER Server;
    if (!Server.Start()) {
        std::fprintf(stderr, "gui_measure: %s\n", Server.Problem().c_str());
        return 1;
    }
    SCRATCH_FOLDER_CORE Work("gui_measure");
    std::error_code Error;
    fs::copy(Data, Work.Path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing, Error);
    if (Error || !Work.Ready()) {
        std::fprintf(stderr, "gui_measure: cannot copy %s\n", Data.c_str());
        return 1;
    }
    fs::remove(Work.Path() + "/ZrtFame.dat", Error);
    dialogs::Set_Unattended(true);

    // The program, from its start as a process.
    for (int i = 0; i < 3; ++i) {
        std::printf("the program started to its main window's first frame: %.1f ms\n",
                    Program_Start_Up_Ms(Program, Work.Path(), "Main window first drawn"));
        std::printf("the program started to the welcome dialog drawn over the loaded league: %.1f ms\n",
                    Program_Start_Up_Ms(Program, Work.Path(), "Dialog 100 first drawn"));
    }
    fs::remove(Work.Path() + "/ZrtFame.dat", Error);

    // Start-up here: the display, the flags, the league, the main window drawn.
    const auto tStart = CLOCK::now();
    char szProgram[] = "kelvo";
    char szFlag[] = "IS_NOT_RANDOM";
    char* Argv[] = {szProgram, szFlag, nullptr};
    int nArgc = 2;
    char** pArgv = Argv;
    if (!gtk_backend::Start(&nArgc, &pArgv) || !Start_Up(2, Argv)) {
        std::fprintf(stderr, "gui_measure: start-up failed\n");
        return 1;
    }
    gtk_probe::Wait_Drawn(gtk_probe::WINDOW_MAIN, 0, 10000);
    std::printf("start-up to the main window's first frame: %.1f ms\n", Ms_Since(tStart));

    // Every template: built and first drawn (the slowest of three runs each).
    gtk_probe::Set_Shown_Hook(Note_Shown);
    double fWorst = 0;
    for (int nId : Registered_Dialog_Ids()) {
        if (nId == LIST_DIALOG || nId == WIDE_DIALOG)
            continue;
        double fBest = 1e9;
        for (int i = 0; i < 3; ++i) {
            g_Started = CLOCK::now();
            Do_Dialog(nId, nullptr, Plain_Proc, nullptr);
            fBest = std::min(fBest, g_fShownMs);
        }
        std::printf("dialog %d built and first drawn: %.1f ms\n", nId, fBest);
        fWorst = std::max(fWorst, fBest);
    }
    std::printf("slowest dialog: %.1f ms\n", fWorst);

    // The report list.
    gtk_probe::Set_Shown_Hook(Time_Header_Click);
    g_Started = CLOCK::now();
    Do_Dialog(LIST_DIALOG);
    std::printf("report list %d x %d: the dialog with its list built, filled and first drawn %.1f ms; "
                "filled again (model %.1f ms) and drawn %.1f ms; new order shown after a header click %.1f ms\n",
                ROWS, COLUMNS, g_fListShownMs, g_fFillMs, g_fRefillMs, g_fResortMs);
    // The player lists' shape, the best of three runs.
    double fShown = 1e9, fRefill = 1e9, fResort = 1e9, fFill = 1e9, fSort = 1e9;
    for (int i = 0; i < 3; ++i) {
        g_Started = CLOCK::now();
        Do_Dialog(WIDE_DIALOG);
        fShown = std::min(fShown, g_fListShownMs);
        fRefill = std::min(fRefill, g_fRefillMs);
        fResort = std::min(fResort, g_fResortMs);
        fFill = std::min(fFill, g_fWideFillMs);
        fSort = std::min(fSort, g_fWideSortMs);
    }
    std::printf("player list %d x %d by key: built, filled and first drawn %.1f ms; filled again (model %.1f ms) "
                "and drawn %.1f ms; sorted by a header click (model %.1f ms) and drawn %.1f ms\n",
                ROWS, WIDE_COLUMNS, fShown, fFill, fRefill, fSort, fResort);
    gtk_probe::Set_Shown_Hook(nullptr);

    // An idle window whose ticker moves 2 pixels every 40 ms.
    MAIN_FRAME_HANDLERS Handlers = main_frame::Handlers();
    Handlers.pPaint = Paint_News;
    main_frame::Set_Handlers(&Handlers);
    main_frame::Set_Bars(STATUS_BAR_HEIGHT, true);
    Set_Timer(77, 40, Step_Ticker);
    gtk_probe::Run_For(500);
    const double fCpu = Cpu_Seconds();
    const auto tIdle = CLOCK::now();
    while (Ms_Since(tIdle) < 5000)
        Wait_For_Event(100);
    const double fUsed = Cpu_Seconds() - fCpu;
    std::printf("idle window with the ticker: %.2f %% of one core (%d ticker steps in 5 s)\n",
                100.0 * fUsed / (Ms_Since(tIdle) / 1000.0), g_nTickerOffset / 2);
    Kill_Timer(77);
    gtk_backend::Stop();
    return 0;
}
