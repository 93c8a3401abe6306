#include "platform/errors.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "platform/files.h"
#include "platform/system.h"
#include "platform/ui.h"

namespace {

char g_szRecentErrors[ERROR_TEXT_SIZE];
int g_nErrorCount = 0;
unsigned g_nStartupFlags = 0;
bool g_bErrorBoxesOn = true;
bool g_bInsideReport = false;
bool g_bTerminalNotices = false;

// Truncation is the intent wherever text of any length is put into a line.
void Format_Into(char* szBuffer, size_t nSize, const char* szFormat, ...) KELVO_PRINTF(3, 4);
void Format_Into(char* szBuffer, size_t nSize, const char* szFormat, ...)
{
    va_list args;
    va_start(args, szFormat);
    std::vsnprintf(szBuffer, nSize, szFormat, args);
    va_end(args);
}

bool g_bLogFileOn = true;

// The log of the current folder, or of Folder when one is given.
void Append_Log_Line(const char* szLine, const std::string& Folder = std::string())
{
    if (!g_bLogFileOn)
        return;
    const std::string Path = Folder.empty() ? std::string(DEBUG_LOG_FILE) : Folder + "/" + DEBUG_LOG_FILE;
    FILE* pFile = files::Open_File_To_Append(Path.c_str());
    if (pFile == nullptr)
        return;
    std::fputs(szLine, pFile);
    std::fputc('\n', pFile);
    std::fclose(pFile);
}

// Newest line first; older text moves back and falls off the end.
void Remember_Error(const char* szLine)
{
    char szOld[ERROR_TEXT_SIZE];
    std::memcpy(szOld, g_szRecentErrors, sizeof(szOld));
    Format_Into(g_szRecentErrors, sizeof(g_szRecentErrors), "%s\n%s", szLine, szOld);
}

// The caller's text and the log line that carries it: "<seconds> " + tag +
// text + end.
struct STAMPED_LINE {
    char szText[ERROR_TEXT_SIZE];
    char szLine[ERROR_TEXT_SIZE];
};

void Stamp_Line(STAMPED_LINE& Out, const char* szTag, const char* szEnd, const char* szFormat, va_list args)
{
    if (szFormat != nullptr)
        std::vsnprintf(Out.szText, sizeof(Out.szText), szFormat, args);
    else
        Out.szText[0] = '\0';
    Format_Into(Out.szLine, sizeof(Out.szLine), "%ld %s%s%s", sys::Seconds_Since_1970(), szTag, Out.szText, szEnd);
}

// One message said again and again (the same words, whatever its numbers)
// is written LOG_REPEATS_WRITTEN times in a row; the rest are only counted,
// and the count is written as "... N more" when another message comes or the
// program ends. A loop that reports on every pass cannot fill the disk. The
// count goes into the log that holds the repeated lines, even when the
// current folder has changed since (a test's or a benchmark's scratch
// folder); a log whose folder is gone gets nothing.
constexpr int LOG_REPEATS_WRITTEN = 5;
std::mutex g_LogRepeatLock;   // lines may come from the saver's threads too
std::string g_LastLogShape;
long long g_nLastLogRepeats = 0;     // times in a row, the first included
long long g_nLogRepeatsUnwritten = 0;
std::string g_LogRepeatFolder;       // the current folder of the first repeat counted

// The text with every run of digits as one '#'.
std::string Log_Shape(const char* szTag, const char* szText)
{
    std::string Shape(szTag);
    bool bInDigits = false;
    for (const char* p = szText; *p != '\0'; ++p) {
        const bool bDigit = std::isdigit(static_cast<unsigned char>(*p)) != 0;
        if (!bDigit)
            Shape += *p;
        else if (!bInDigits)
            Shape += '#';
        bInDigits = bDigit;
    }
    return Shape;
}

// "1,234,567"
std::string Grouped(long long n)
{
    std::string Digits = std::to_string(n);
    std::string Text;
    for (size_t i = 0; i < Digits.size(); ++i) {
        if (i > 0 && (Digits.size() - i) % 3 == 0)
            Text += ',';
        Text += Digits[i];
    }
    return Text;
}

void Write_Unwritten_Repeats_Locked()
{
    if (g_nLogRepeatsUnwritten == 0)
        return;
    char szLine[128];
    Format_Into(szLine, sizeof(szLine), "%ld ... %s more", sys::Seconds_Since_1970(),
                Grouped(g_nLogRepeatsUnwritten).c_str());
    g_nLogRepeatsUnwritten = 0;
    // The log of the current folder by its usual name, as every other line.
    const bool bHere = g_LogRepeatFolder.empty() || g_LogRepeatFolder == files::Get_Current_Folder();
    Append_Log_Line(szLine, bHere ? std::string() : g_LogRepeatFolder);
    sys::Debugger_Output(szLine);
}

void Write_Unwritten_Repeats()
{
    std::lock_guard<std::mutex> Guard(g_LogRepeatLock);
    Write_Unwritten_Repeats_Locked();
}

// True when the line is to be written (not a repeat past the limit).
bool Count_Log_Line(const char* szTag, const char* szText)
{
    static const bool bAtExit = std::atexit(Write_Unwritten_Repeats) == 0;
    (void)bAtExit;
    std::string Shape = Log_Shape(szTag, szText);
    std::lock_guard<std::mutex> Guard(g_LogRepeatLock);
    if (Shape == g_LastLogShape) {
        if (++g_nLastLogRepeats <= LOG_REPEATS_WRITTEN)
            return true;
        if (g_nLogRepeatsUnwritten++ == 0)
            g_LogRepeatFolder = files::Get_Current_Folder();
        return false;
    }
    Write_Unwritten_Repeats_Locked();
    g_LastLogShape = std::move(Shape);
    g_nLastLogRepeats = 1;
    return true;
}

// Stamps the caller's text and writes the line to the log file and the
// debugger (a repeat past the limit only counted).
void Log_Stamped_Line(STAMPED_LINE& Out, const char* szTag, const char* szFormat, va_list args)
{
    Stamp_Line(Out, szTag, "", szFormat, args);
    if (!Count_Log_Line(szTag, Out.szText))
        return;
    Append_Log_Line(Out.szLine);
    sys::Debugger_Output(Out.szLine);
}

}  // namespace

void Set_Debug_Log_File(bool bOn)
{
    g_bLogFileOn = bOn;
}

int Report_Error(const char* szFormat, ...)
{
    STAMPED_LINE Stamped;
    va_list args;
    va_start(args, szFormat);
    Log_Stamped_Line(Stamped, "ERROR: ", szFormat, args);
    va_end(args);
    Remember_Error(Stamped.szLine);
    ++g_nErrorCount;

    // A box can itself run code that reports; never stack boxes.
    if ((g_nStartupFlags & FLAG_SHOW_SYSTEM_ERRORS) && g_bErrorBoxesOn && !g_bInsideReport) {
        g_bInsideReport = true;
        char szQuestion[ERROR_TEXT_SIZE];
        Format_Into(szQuestion, sizeof(szQuestion), "%s\n\nENTER DEBUGGER?\n(Cancel to stop showing errors)",
                    Stamped.szText);
        int nAnswer = Show_Message_Box(szQuestion, "System Error!",
                                       BOX_YESNOCANCEL | BOX_DEFAULT_SECOND | BOX_TASKMODAL | BOX_ICON_EXCLAMATION);
        if (nAnswer == ID_YES)
            sys::Break_Into_Debugger();
        else if (nAnswer == ID_CANCEL)
            g_bErrorBoxesOn = false;
        g_bInsideReport = false;
    }
    return -1;
}

void Write_Debug_Log(const char* szFormat, ...)
{
    STAMPED_LINE Stamped;
    va_list args;
    va_start(args, szFormat);
    Log_Stamped_Line(Stamped, "", szFormat, args);
    va_end(args);
}

void Write_Notice(const char* szFormat, ...)
{
    STAMPED_LINE Stamped;
    va_list args;
    va_start(args, szFormat);
    Log_Stamped_Line(Stamped, "", szFormat, args);
    va_end(args);
    if (g_bTerminalNotices)
        std::fprintf(stderr, "kelvo: %s\n", Stamped.szText);
}

void Set_Terminal_Notices(bool bOn)
{
    g_bTerminalNotices = bOn;
}

static void Debug_Output_Formatted(const char* szFormat, va_list args)
{
    STAMPED_LINE Stamped;
    Stamp_Line(Stamped, "Debug: ", "\n", szFormat, args);
    sys::Debugger_Output(Stamped.szLine);
}

int Debug_Message(unsigned nMask, const char* szFormat, ...)
{
    // Only the debug channels: IS_NOT_RANDOM and SHOW_SYSTEM_ERRORS open none.
    if ((nMask & g_nStartupFlags & STARTUP_DEBUG_FLAGS) == 0)
        return 0;
    va_list args;
    va_start(args, szFormat);
    Debug_Output_Formatted(szFormat, args);
    va_end(args);
    return 0;
}

int Debug_Printf(const char* szFormat, ...)
{
    va_list args;
    va_start(args, szFormat);
    Debug_Output_Formatted(szFormat, args);
    va_end(args);
    return 0;
}

const char* Get_Recent_Errors()
{
    return g_szRecentErrors;
}

void Clear_Recent_Errors()
{
    std::memset(g_szRecentErrors, 0, sizeof(g_szRecentErrors));
}

int Get_Error_Count()
{
    return g_nErrorCount;
}

void Reset_Error_Count()
{
    g_nErrorCount = 0;
    // A new start for the repeat count too (tests begin each in a new folder).
    std::lock_guard<std::mutex> Guard(g_LogRepeatLock);
    g_LastLogShape.clear();
    g_nLastLogRepeats = 0;
    g_nLogRepeatsUnwritten = 0;
}

unsigned Get_Startup_Flags()
{
    return g_nStartupFlags;
}

void Set_Startup_Flags(unsigned nFlags)
{
    g_nStartupFlags = nFlags;
    g_bErrorBoxesOn = true;
}

unsigned Parse_Startup_Flags(const char* szText)
{
    static const struct {
        const char* szName;
        unsigned nFlag;
    } FLAG_NAMES[] = {
        {"IS_NOT_RANDOM", FLAG_IS_NOT_RANDOM},
        {"SHOW_SYSTEM_ERRORS", FLAG_SHOW_SYSTEM_ERRORS},
        {"DTXT_PBPDIAGRAM", FLAG_DTXT_PBPDIAGRAM},
        {"DTXT_PBPSELECTOR", FLAG_DTXT_PBPSELECTOR},
        {"DTXT_AGG", FLAG_DTXT_AGG},
    };
    unsigned nFlags = 0;
    if (szText == nullptr)
        return 0;
    // Whole words only, separated by anything that cannot be part of a flag name.
    const char* p = szText;
    while (*p != '\0') {
        while (*p != '\0' && !(std::isalnum(static_cast<unsigned char>(*p)) || *p == '_'))
            ++p;
        const char* szStart = p;
        while (*p != '\0' && (std::isalnum(static_cast<unsigned char>(*p)) || *p == '_'))
            ++p;
        size_t nLength = static_cast<size_t>(p - szStart);
        for (const auto& Entry : FLAG_NAMES) {
            if (nLength == std::strlen(Entry.szName) && std::strncmp(szStart, Entry.szName, nLength) == 0)
                nFlags |= Entry.nFlag;
        }
    }
    return nFlags;
}
