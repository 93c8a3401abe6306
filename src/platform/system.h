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

// The crash handler: on a fatal signal (SIGSEGV, SIGBUS, SIGFPE, SIGILL,
// SIGABRT) a short report is appended to Crash_Report_Name() in the current
// folder, then the signal takes its default course. The name is fixed when the
// handler is installed: "Crash-Vazarudu-Kelvo-%04d-%03d.txt" with the year and
// the day of the year (1-366).
void Install_Crash_Handler();
std::string Crash_Report_Name();
// Appends the report of signal nSignal (with the recent errors) to a file.
// Uses only calls that are safe inside a signal handler; false when the file
// cannot be written.
bool Write_Crash_Report(const char* szPath, int nSignal);
}  // namespace sys
