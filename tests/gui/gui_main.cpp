// The GUI tests' main: ctest starts one process per test, and CI also runs
// them all in one process; either way the process has an X server of its
// own, started here before GTK, and each test a watchdog: alarm() fires even
// while no GLib loop runs, so a test stuck in a dialog fails instead of
// hanging the run. A warning or critical message of GTK, GDK, GLib or Pango
// while a test runs fails that test: a dialog that cannot fit its controls,
// or a call GTK refuses, shows there first.

#include <glib.h>
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "gui_support.h"
#include "test_deadlines.h"
#include "x_server.h"
#include "xtest_input.h"

namespace {

X_SERVER g_Server;
// Long enough for the slowest test on a busy machine (stretched for a slower
// build), below ctest's own limit, so the report is ours.
constexpr unsigned WATCHDOG_SECONDS = Test_Deadline(400);

void Watchdog(int)
{
    static const char szText[] = "\nGUI test watchdog: the test did not finish in time; stopped.\n";
    ssize_t n = ::write(2, szText, sizeof(szText) - 1);
    (void)n;
    if (g_Server.Pid() > 0)
        ::kill(g_Server.Pid(), SIGKILL);
    ::_exit(3);
}

// Every message of GLib and the libraries on it ends here (structured or
// not); it is printed as GLib would print it.
GLogWriterOutput On_Log(GLogLevelFlags nLevel, const GLogField* pFields, gsize nFields, gpointer pData)
{
    const GLogWriterOutput Result = g_log_writer_default(nLevel, pFields, nFields, pData);
    if ((nLevel & (G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_ERROR)) == 0)
        return Result;
    if (::testing::UnitTest::GetInstance()->current_test_info() == nullptr)
        return Result;
    std::string Domain, Message;
    for (gsize i = 0; i < nFields; ++i) {
        const std::string Key = pFields[i].key;
        const char* szValue = static_cast<const char*>(pFields[i].value);
        if (pFields[i].length >= 0 || szValue == nullptr)
            continue;   // binary fields: not text
        if (Key == "GLIB_DOMAIN")
            Domain = szValue;
        else if (Key == "MESSAGE")
            Message = szValue;
    }
    gui_support::Count_Toolkit_Warning();
    ADD_FAILURE() << "toolkit warning: " << Domain << ": " << Message;
    return Result;
}

bool Only_Listing(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0)
            return true;
    return false;
}

// Each test starts the watchdog afresh: a whole run in one process is many
// tests long.
class WATCHDOG_PER_TEST : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { ::alarm(WATCHDOG_SECONDS); }
};

}  // namespace

namespace xtest {
void Stop_Run(const std::string& Why)
{
    ADD_FAILURE() << Why;
    const ::testing::TestInfo* pTest = ::testing::UnitTest::GetInstance()->current_test_info();
    std::printf("[  FAILED  ] %s.%s: stopped at once\n", pTest != nullptr ? pTest->test_suite_name() : "?",
                pTest != nullptr ? pTest->name() : "?");
    std::fflush(nullptr);
    if (g_Server.Pid() > 0)
        ::kill(g_Server.Pid(), SIGKILL);
    ::_exit(1);
}
}  // namespace xtest

namespace gui_support {
const char* Server_Problem()
{
    static std::string Problem;
    Problem = g_Server.Problem();
    return Problem.c_str();
}
bool Server_Running()
{
    return g_Server.Running();
}
namespace {
int g_nToolkitWarnings = 0;
}
void Count_Toolkit_Warning()
{
    ++g_nToolkitWarnings;
}
int Toolkit_Warnings()
{
    return g_nToolkitWarnings;
}
}  // namespace gui_support

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    g_log_set_writer_func(On_Log, nullptr, nullptr);
    if (!Only_Listing(argc, argv)) {
        struct sigaction Action;
        std::memset(&Action, 0, sizeof(Action));
        Action.sa_handler = Watchdog;
        ::sigaction(SIGALRM, &Action, nullptr);
        ::alarm(WATCHDOG_SECONDS);
        ::testing::UnitTest::GetInstance()->listeners().Append(new WATCHDOG_PER_TEST);
        // A run on a screen of another size (the small screen's tests start
        // one: gtk_small_screen_test.cpp).
        if (const char* szScreen = std::getenv(gui_support::SCREEN_SIZE_VARIABLE);
            szScreen != nullptr && !g_Server.Set_Screen_Size(szScreen))
            std::fprintf(stderr, "%s=%s is no screen size; the tests run on the usual one\n",
                         gui_support::SCREEN_SIZE_VARIABLE, szScreen);
        if (!g_Server.Start())
            std::fprintf(stderr, "No X server for the GUI tests: %s\n", g_Server.Problem().c_str());
    }
    const int nResult = RUN_ALL_TESTS();
    g_Server.Stop();
    return nResult;
}
