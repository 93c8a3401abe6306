// Time, dates and the debugger output.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace sys {
// Seconds since 1970.
long Seconds_Since_1970();
// A monotonic millisecond count.
uint32_t Tick_Count();
// The local date and time as text ("Sun Dec  6 21:11:13 2026").
std::string Local_Time_Text();
// Debugger output: stderr when KELVO_DEBUG is set, else nothing.
void Debugger_Output(const char* szText);
bool Debugger_Output_Enabled();
// Whether a debugger is attached to this process.
bool Debugger_Attached();
// Stops in the debugger when one is attached; otherwise nothing.
void Break_Into_Debugger();
}  // namespace sys
