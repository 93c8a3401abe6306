#include "season/debug_log_line.h"

#include <chrono>
#include <ctime>

#include "base/text_utils.h"
#include "league/league_structure.h"
#include "platform/errors.h"

void Write_Debug_Log_Line(const char* szText)
{
    const auto Now = std::chrono::system_clock::now();
    const std::time_t Seconds = std::chrono::system_clock::to_time_t(Now);
    const int nMilliseconds = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Now.time_since_epoch()).count() % 1000);
    int nMinute = 0;
    int nSecond = 0;
    std::tm Local{};
    if (localtime_r(&Seconds, &Local) != nullptr) {
        nMinute = Local.tm_min;
        nSecond = Local.tm_sec;
    }
    Append_Formatted_Line_To_File(DEBUG_LOG_FILE, "%d,%s,%d,%d:%02d.%03d", Get_Current_Year(),
                                  szText != nullptr ? szText : "", (nMinute * 60 + nSecond) * 1000 + nMilliseconds,
                                  nMinute, nSecond, nMilliseconds);
}
