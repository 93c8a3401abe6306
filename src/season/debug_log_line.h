// The timing line of the debug log: how long the season's long steps take
// can be read from "debug.txt" without a profiler.
#pragma once

// Appends "%d,%s,%d,%d:%02d.%03d" to "debug.txt": the current year, the
// text, the local time as milliseconds within the hour, then its minute,
// second and millisecond.
void Write_Debug_Log_Line(const char* szText);
