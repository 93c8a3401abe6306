// What the GUI tests share: the desktop backend started on the test's own X
// server (gui_main.cpp starts one per test process), screenshots written for
// people to look at, and small helpers.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "league/human_teams.h"
#include "league/league_data.h"
#include "pages/page_layout.h"
#include "platform/dialogs.h"
#include "platform/gtk/gtk_backend.h"
#include "platform/gtk/gtk_probe.h"
#include "platform/ui.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "test_deadlines.h"
#include "test_support.h"
#include "x_server.h"

namespace gui_support {
// The environment variable that gives the tests' screen another size
// ("1024x600"); gui_main.cpp reads it before it starts the X server.
inline constexpr const char* SCREEN_SIZE_VARIABLE = "KELVO_GUI_SCREEN";
const char* Server_Problem();
bool Server_Running();
// How many warnings GTK, GDK, GLib or Pango gave while tests ran (each also
// fails its test: gui_main.cpp).
void Count_Toolkit_Warning();
int Toolkit_Warnings();

// Starts the desktop backend; false when there is no display, after
// recording a failure under CI (where the GUI tests must run) or a skip.
inline bool Start_Desktop()
{
    if (!Server_Running()) {
        if (X_SERVER::Must_Have_Server())
            ADD_FAILURE() << "No X server for the GUI tests: " << Server_Problem();
        return false;
    }
    if (!gtk_backend::Start(nullptr, nullptr)) {
        if (X_SERVER::Must_Have_Server())
            ADD_FAILURE() << "The display did not open";
        return false;
    }
    return true;
}

// The folder of the screenshots (build/screenshots), made when missing.
inline std::string Screenshot_Path(const std::string& Name)
{
#ifdef KELVO_SCREENSHOT_FOLDER
    const std::string Folder = KELVO_SCREENSHOT_FOLDER;
#else
    const std::string Folder = "screenshots";
#endif
    std::error_code Error;
    std::filesystem::create_directories(Folder, Error);
    return Folder + "/" + Name + ".png";
}

// The data as built copied into a test's scratch folder, so that the
// program starts as on a fresh install.
inline ::testing::AssertionResult Copy_Fresh_Data(const std::string& Built, const std::string& Scratch)
{
    std::error_code Error;
    std::filesystem::copy(Built, Scratch,
                          std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing,
                          Error);
    if (Error)
        return ::testing::AssertionFailure() << "copying " << Built << ": " << Error.message();
    return ::testing::AssertionSuccess();
}

// The data as the build made it, which the program never writes to (the
// folder beside the program is the user's, with saves of its own).
inline std::string Built_Data()
{
    return KELVO_BUILT_DATA_PATH;
}

// A fresh copy of the built league in the test's scratch folder, with the
// program's dialogs answered without a person until the test says otherwise.
inline ::testing::AssertionResult Prepare_League(const SCRATCH_FOLDER& Data)
{
    if (!Data.Ready())
        return ::testing::AssertionFailure() << "the scratch folder is not ready";
    ::testing::AssertionResult Copied = Copy_Fresh_Data(Built_Data(), Data.Path());
    if (!Copied)
        return Copied;
    dialogs::Set_Unattended(true);
    return ::testing::AssertionSuccess();
}

// Starts the program on the league in the current folder, its random numbers
// seeded the same on every run.
inline bool Start_Not_Random()
{
    static char szProgram[] = "kelvo";
    static char szFlag[] = "IS_NOT_RANDOM";
    static char* Argv[] = {szProgram, szFlag, nullptr};
    return Start_Up(2, Argv);
}

// The program as its main starts it on a fresh league (pSave: how the
// window's requests save a game), its window drawn, and from then on a person
// at the keyboard: the game waits, boxes wait.
inline ::testing::AssertionResult Start_Attended(const SCRATCH_FOLDER& Data, int (*pSave)(const char* szPath))
{
    ::testing::AssertionResult Prepared = Prepare_League(Data);
    if (!Prepared)
        return Prepared;
    Install_Main_Window_Requests(pSave);
    if (!Start_Not_Random())
        return ::testing::AssertionFailure() << "the program did not start";
    if (!gtk_probe::Wait_Drawn(gtk_probe::WINDOW_MAIN))
        return ::testing::AssertionFailure() << "the main window was not drawn";
    dialogs::Set_Unattended(false);
    ui::Clear_Shown_Boxes();
    return ::testing::AssertionSuccess();
}

// The test named, run again by this program in a process of its own (with
// an X server of its own), the environment's variable set as Setting
// ("NAME=value") says; its standard output and error kept in the file Log,
// and read back into *pOutput when asked for. Waited for at most nWaitMs,
// then stopped as its watchdog would stop it. Success when it passed.
inline ::testing::AssertionResult Run_Test_Alone(const std::string& Test, const std::string& Setting,
                                                 const std::string& Log, int nWaitMs, std::string* pOutput = nullptr)
{
    const std::string Filter = "--gtest_filter=" + Test;
    const char* Arguments[] = {"kelvo_gui_tests", Filter.c_str(), "--gtest_color=no", nullptr};
    const std::string Name = Setting.substr(0, Setting.find('=') + 1);
    std::vector<std::string> Environment;
    for (char** p = environ; *p != nullptr; ++p)
        if (std::strncmp(*p, Name.c_str(), Name.size()) != 0)
            Environment.push_back(*p);
    Environment.push_back(Setting);
    std::vector<char*> Pointers;
    for (std::string& Entry : Environment)
        Pointers.push_back(Entry.data());
    Pointers.push_back(nullptr);
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&Actions, 1, Log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&Actions, 1, 2);
    pid_t nPid = -1;
    const int nSpawn = ::posix_spawn(&nPid, "/proc/self/exe", &Actions, nullptr, const_cast<char* const*>(Arguments),
                                     Pointers.data());
    posix_spawn_file_actions_destroy(&Actions);
    if (nSpawn != 0)
        return ::testing::AssertionFailure() << "the run of " << Test << " did not start: " << std::strerror(nSpawn);
    // Waited for within this test's own watchdog: a run that takes too long
    // gets its watchdog's signal, which stops its X server too.
    int nStatus = 0;
    bool bEnded = false;
    for (int nWaited = 0; nWaited < nWaitMs && !bEnded; nWaited += 100) {
        bEnded = ::waitpid(nPid, &nStatus, WNOHANG) == nPid;
        if (!bEnded)
            ::usleep(100 * 1000);
    }
    if (!bEnded) {
        ::kill(nPid, SIGALRM);
        while (::waitpid(nPid, &nStatus, 0) < 0 && errno == EINTR) {
        }
    }
    std::ifstream In(Log);
    std::stringstream Output;
    Output << In.rdbuf();
    if (pOutput != nullptr)
        *pOutput = Output.str();
    const bool bPassed = WIFEXITED(nStatus) && WEXITSTATUS(nStatus) == 0 &&
                         Output.str().find("[  PASSED  ] 1 test") != std::string::npos;
    if (!bPassed)
        return ::testing::AssertionFailure() << "the run of " << Test << " failed:\n" << Output.str();
    return ::testing::AssertionSuccess();
}

// The first club a person runs, -1 when none.
inline int First_User_Team()
{
    for (int nTeam = 0; nTeam < MAX_FRANCHISES; ++nTeam)
        if (Is_Human_Team(nTeam))
            return nTeam;
    return -1;
}

// A page's title and texts, one a line, for looking things up in.
inline std::string Page_Text(const PAGE_LAYOUT& Layout)
{
    std::string All = Layout.Title;
    for (const PAGE_TEXT& Text : Layout.Texts)
        All += "\n" + Text.Text;
    return All;
}

inline bool Contains(const std::string& Text, const std::string& Part)
{
    return Text.find(Part) != std::string::npos;
}

// How long a test waits for what it checks (seconds, for a busy machine and
// a slower build; the wait ends as soon as it holds).
constexpr int WAIT_MS = Test_Deadline(30000);

// The windows the answering hook below has been called for since it was set.
inline int g_nAnswered = 0;
inline gtk_probe::SHOWN_HOOK g_pAnswer = nullptr;
inline void Count_And_Answer(int nKind, int nDialogId)
{
    ++g_nAnswered;
    if (g_pAnswer != nullptr)
        g_pAnswer(nKind, nDialogId);
}

// Runs the loop until the answering hook has been called for at least
// nWindows windows (dialogs, boxes, popups) since it was set and no dialog
// or box is open any more: what a key or click opened has been answered
// and closed, however slowly the machine got there.
inline bool Wait_Answered(int nWindows = 1, int nMs = WAIT_MS)
{
    return gtk_probe::Wait_Until([nWindows] { return g_nAnswered >= nWindows && !gtk_probe::Modal_Open(); }, nMs);
}

// Someone answering the modal windows for as long as this lives: the shown
// hook is set; afterwards it is taken off and the dialogs run unattended again,
// so the next test starts with no one at the keyboard.
class ANSWERING_HOOK {
public:
    explicit ANSWERING_HOOK(gtk_probe::SHOWN_HOOK pAnswer)
    {
        g_nAnswered = 0;
        g_pAnswer = pAnswer;
        gtk_probe::Set_Shown_Hook(Count_And_Answer);
    }
    ~ANSWERING_HOOK()
    {
        gtk_probe::Set_Shown_Hook(nullptr);
        g_pAnswer = nullptr;
        dialogs::Set_Unattended(true);
    }
    ANSWERING_HOOK(const ANSWERING_HOOK&) = delete;
    ANSWERING_HOOK& operator=(const ANSWERING_HOOK&) = delete;
};

// Screenshots of the named dialogs, each written the first time it shows. A
// shown hook is a plain function, so the names and marks live here.
inline std::map<int, std::string> g_ShotNames;
inline std::map<int, bool> g_ShotWritten;

inline void Capture_Named_Dialog(int nKind, int nDialogId)
{
    if (nKind != gtk_probe::WINDOW_DIALOG || g_ShotNames.count(nDialogId) == 0 || g_ShotWritten[nDialogId])
        return;
    g_ShotWritten[nDialogId] = gtk_probe::Screenshot(nKind, nDialogId, Screenshot_Path(g_ShotNames[nDialogId]));
}
}  // namespace gui_support

// Skips the test without a display, or fails it under CI=true.
#define REQUIRE_DESKTOP()                                                                                   \
    do {                                                                                                    \
        if (!gui_support::Start_Desktop()) {                                                                \
            if (!X_SERVER::Must_Have_Server())                                                              \
                GTEST_SKIP() << "no X server: " << gui_support::Server_Problem();                           \
            return;                                                                                         \
        }                                                                                                   \
    } while (0)
