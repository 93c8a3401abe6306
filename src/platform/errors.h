// Error reporting and the debug log ("debug.txt").
//
// Every accessor reports a bad argument through Report_Error and then
// returns its own failure value; nothing throws.
#pragma once

#include <cstdarg>
#include <cstddef>

#if defined(__GNUC__)
#define KELVO_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define KELVO_PRINTF(fmt, args)
#endif

constexpr size_t ERROR_TEXT_SIZE = 2048;
constexpr const char* DEBUG_LOG_FILE = "debug.txt";
constexpr const char* PRODUCT_NAME = "Vazarudu Kelvo";

// Formats into 2,048 bytes (truncating), appends "%ld ERROR: %s" to
// "debug.txt", sends the line to the debugger output, keeps it at the head of
// the recent-errors buffer and, with "SHOW_SYSTEM_ERRORS", asks in the
// "System Error!" box. Always returns -1.
int Report_Error(const char* szFormat, ...) KELVO_PRINTF(1, 2);

// Appends "%ld %s" to "debug.txt" and to the debugger output. Every line of
// the log (errors and notices too) is written at most five times in a row
// with the same words (numbers aside); further repeats are counted and
// written as one "%ld ... N more" line ("... 4,999,990 more") before the next
// other line, or at exit.
void Write_Debug_Log(const char* szFormat, ...) KELVO_PRINTF(1, 2);
// Whether log lines go to "debug.txt" (on unless turned off): a program that
// was refused its data folder writes nothing into it.
void Set_Debug_Log_File(bool bOn);

// A check of outside input that failed (a damaged file, an ignored start-up
// word): appended as "%ld %s" to "debug.txt" and the debugger output, as
// Write_Debug_Log does, and printed as "kelvo: %s" on stderr once terminal
// notices are on. The program turns them on; tests and fuzz targets leave
// them off.
void Write_Notice(const char* szFormat, ...) KELVO_PRINTF(1, 2);
void Set_Terminal_Notices(bool bOn);

// "%ld Debug: %s\n" to the debugger output only, when nMask shares a bit with
// the start-up debug flags (STARTUP_DEBUG_FLAGS that are set). Returns 0.
int Debug_Message(unsigned nMask, const char* szFormat, ...) KELVO_PRINTF(2, 3);

// "%ld Debug: %s\n" to the debugger output only. Returns 0.
int Debug_Printf(const char* szFormat, ...) KELVO_PRINTF(1, 2);

// The recent-errors buffer: the newest line first, lines separated by '\n'.
const char* Get_Recent_Errors();
void Clear_Recent_Errors();

// Count of Report_Error calls since the last reset (tests read it). The
// reset forgets the log's repeat count too, without writing it.
int Get_Error_Count();
void Reset_Error_Count();

// Start-up flags ("IS_NOT_RANDOM", "SHOW_SYSTEM_ERRORS", "DTXT_PBPDIAGRAM",
// "DTXT_PBPSELECTOR", "DTXT_AGG"). The three debug flags are the channels
// Debug_Message masks name: the play-diagram code logs on 0x10000 and, when
// the play selector draws, on 0x30000.
enum STARTUP_FLAG : unsigned {
    FLAG_IS_NOT_RANDOM = 1u << 0,
    FLAG_SHOW_SYSTEM_ERRORS = 1u << 1,
    FLAG_DTXT_PBPDIAGRAM = 0x10000u,
    FLAG_DTXT_PBPSELECTOR = 0x20000u,
    FLAG_DTXT_AGG = 0x40000u,
};
constexpr unsigned STARTUP_DEBUG_FLAGS = FLAG_DTXT_PBPDIAGRAM | FLAG_DTXT_PBPSELECTOR | FLAG_DTXT_AGG;
unsigned Get_Startup_Flags();
void Set_Startup_Flags(unsigned nFlags);
// Reads the flag words out of a text (command line or "CommandLine.txt").
unsigned Parse_Startup_Flags(const char* szText);
