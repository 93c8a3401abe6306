#include "platform/system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/errors.h"

namespace sys {

long Seconds_Since_1970()
{
    return static_cast<long>(std::time(nullptr));
}

uint32_t Tick_Count()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u);
}

std::string Local_Time_Text()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char szText[64];
    std::strftime(szText, sizeof(szText), "%a %b %e %H:%M:%S %Y", &local);
    return szText;
}

bool Debugger_Output_Enabled()
{
    const char* szValue = std::getenv("KELVO_DEBUG");
    return szValue != nullptr && szValue[0] != '\0' && std::strcmp(szValue, "0") != 0;
}

void Debugger_Output(const char* szText)
{
    if (szText == nullptr || !Debugger_Output_Enabled())
        return;
    std::fputs(szText, stderr);
    size_t n = std::strlen(szText);
    if (n == 0 || szText[n - 1] != '\n')
        std::fputc('\n', stderr);
}

bool Debugger_Attached()
{
    FILE* pFile = std::fopen("/proc/self/status", "r");
    if (pFile == nullptr)
        return false;
    char szLine[256];
    bool bAttached = false;
    while (std::fgets(szLine, sizeof(szLine), pFile) != nullptr) {
        if (std::strncmp(szLine, "TracerPid:", 10) == 0) {
            bAttached = std::atoi(szLine + 10) != 0;
            break;
        }
    }
    std::fclose(pFile);
    return bAttached;
}

void Break_Into_Debugger()
{
    // Without a debugger SIGTRAP would end the program: only stop when one listens.
    if (Debugger_Attached())
        std::raise(SIGTRAP);
}

namespace {

constexpr int CRASH_SIGNALS[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
// Fixed at installation: nothing inside the handler may allocate or format.
char g_szCrashReport[64];

const char* Signal_Name(int nSignal)
{
    switch (nSignal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGILL:
        return "SIGILL";
    case SIGABRT:
        return "SIGABRT";
    default:
        return "signal";
    }
}

void Write_Text(int nFile, const char* szText)
{
    size_t nLeft = std::strlen(szText);
    while (nLeft > 0) {
        ssize_t n = ::write(nFile, szText, nLeft);
        if (n <= 0)
            return;
        szText += n;
        nLeft -= static_cast<size_t>(n);
    }
}

void Crash_Handler(int nSignal)
{
    Write_Crash_Report(g_szCrashReport, nSignal);
    // The handler was reset on entry: the signal now ends the program.
    std::signal(nSignal, SIG_DFL);
    std::raise(nSignal);
}

}  // namespace

std::string Crash_Report_Name()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char szName[sizeof(g_szCrashReport)];
    std::snprintf(szName, sizeof(szName), "Crash-Vazarudu-Kelvo-%04d-%03d.txt", local.tm_year + 1900,
                  local.tm_yday + 1);
    return szName;
}

bool Write_Crash_Report(const char* szPath, int nSignal)
{
    if (szPath == nullptr || szPath[0] == '\0')
        return false;
    // Never through a link at the name (open and unlink are safe here): a
    // link is removed and the report made in its place.
    int nFile = ::open(szPath, O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (nFile < 0 && errno == ELOOP && ::unlink(szPath) == 0)
        nFile = ::open(szPath, O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (nFile < 0)
        return false;
    // The signal number by hand: snprintf is not safe here.
    char szNumber[16];
    int n = 0;
    unsigned nValue = nSignal < 0 ? 0u : static_cast<unsigned>(nSignal);
    char szDigits[16];
    do {
        szDigits[n++] = static_cast<char>('0' + nValue % 10);
        nValue /= 10;
    } while (nValue != 0 && n < 15);
    for (int i = 0; i < n; ++i)
        szNumber[i] = szDigits[n - 1 - i];
    szNumber[n] = '\0';
    Write_Text(nFile, PRODUCT_NAME);
    Write_Text(nFile, " stopped on signal ");
    Write_Text(nFile, szNumber);
    Write_Text(nFile, " (");
    Write_Text(nFile, Signal_Name(nSignal));
    Write_Text(nFile, ").\nRecent errors, newest first:\n");
    Write_Text(nFile, Get_Recent_Errors());
    Write_Text(nFile, "\n\n");
    ::close(nFile);
    return true;
}

void Install_Crash_Handler()
{
    std::string Name = Crash_Report_Name();
    std::snprintf(g_szCrashReport, sizeof(g_szCrashReport), "%s", Name.c_str());
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer's own report of a crash says more than ours.
    return;
#endif
    // Its own stack, so that a stack overflow can still be reported.
    static char AlternateStack[64 * 1024];
    stack_t Stack{};
    Stack.ss_sp = AlternateStack;
    Stack.ss_size = sizeof(AlternateStack);
    ::sigaltstack(&Stack, nullptr);
    struct sigaction Action {};
    Action.sa_handler = Crash_Handler;
    sigemptyset(&Action.sa_mask);
    Action.sa_flags = SA_RESETHAND | SA_ONSTACK;
    for (int nSignal : CRASH_SIGNALS)
        ::sigaction(nSignal, &Action, nullptr);
}

}  // namespace sys
