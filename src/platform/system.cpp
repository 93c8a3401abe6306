#include "platform/system.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

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

}  // namespace sys
