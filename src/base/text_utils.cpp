// Bounded copying, the CSV splitter, line readers and writers, and the
// case and padding helpers. Number and name texts are in number_text.cpp.

#include "base/text_utils.h"


#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "platform/resources.h"
#include "platform/ui.h"

namespace {

// Set the first time a line is cut, so the warning shows once per run.
bool g_bLineLimitWarned = false;

unsigned Pointer_Bits(const void* p)
{
    // The message shows the low 32 bits, enough to tell a null apart.
    return static_cast<unsigned>(reinterpret_cast<uintptr_t>(p));
}

// Reads one line: bytes up to a line feed (dropped) or the end of the file.
// A carriage return right before the line feed, or at the very end, is part
// of the line end. Keeps at most nKeep bytes in szBuffer (nKeep + 1 bytes of
// room) and counts the bytes of the line in nLength. Returns 1 when the end
// of the file was reached.
int Read_Raw_Line(FILE* pFile, char* szBuffer, int nKeep, long& nLength)
{
    int nStored = 0;
    nLength = 0;
    bool bEnd = false;
    for (;;) {
        int c = getc(pFile);
        if (c == EOF) {
            bEnd = true;
            break;
        }
        if (c == '\n')
            break;
        if (c == '\r') {
            int cNext = getc(pFile);
            if (cNext == '\n')
                break;
            if (cNext == EOF) {
                bEnd = true;
                break;
            }
            ungetc(cNext, pFile);
        }
        if (nStored < nKeep)
            szBuffer[nStored++] = static_cast<char>(c);
        nLength++;
    }
    szBuffer[nStored] = '\0';
    return bEnd ? 1 : 0;
}

}  // namespace

// ---------------------------------------------------------------------------
// Bounded copying

// Kept out of line: inlined by a link-time optimiser into a caller with a
// short literal source, GCC loses the strnlen bound and warns of a read past
// the literal that cannot happen.
[[gnu::noinline]] int safe_strncpy(char* szDst, const char* szSrc, int nSize)
{
    if (szDst == nullptr || szSrc == nullptr) {
        Report_Error("Null pointer in %s(0x%08X,0x%08X,%d)", __func__, Pointer_Bits(szDst), Pointer_Bits(szSrc),
                     nSize);
        return 0;
    }
    if (nSize < 1)
        return szSrc[0] != '\0' ? -1 : 0;
    size_t nRoom = static_cast<size_t>(nSize) - 1;
    size_t nLength = strnlen(szSrc, nRoom);
    // Decided before writing: the source may overlap the buffer.
    bool bCut = nLength == nRoom && szSrc[nLength] != '\0';
    memmove(szDst, szSrc, nLength);
    // Zero-fill the rest, so fixed record fields never keep stale bytes.
    memset(szDst + nLength, 0, static_cast<size_t>(nSize) - nLength);
    return bCut ? -1 : static_cast<int>(nLength);
}

void Copy_From_Record_Field(char* szOut, size_t nOutSize, const char* pField, size_t nFieldSize)
{
    if (szOut == nullptr || nOutSize == 0)
        return;
    size_t nLength = nFieldSize == 0 ? 0 : strnlen(pField, nFieldSize - 1);
    if (nLength > nOutSize - 1)
        nLength = nOutSize - 1;
    memcpy(szOut, pField, nLength);
    szOut[nLength] = '\0';
}

int safe_strncat(char* szDst, const char* szSrc, int nSize)
{
    if (szDst == nullptr || szSrc == nullptr) {
        // One message for both: the copy's, its name included.
        Report_Error("Null pointer in safe_strncpy(0x%08X,0x%08X,%d)", Pointer_Bits(szDst), Pointer_Bits(szSrc),
                     nSize);
        return 0;
    }
    if (nSize < 1)
        return 0;
    if (nSize == 4) {
        // A size of 4 is almost surely sizeof of a pointer: mark the text so
        // the mistake shows. "F**" and its terminator fill the 4 bytes.
        memcpy(szDst, "F**", 4);
        return 4;
    }
    size_t nRoom = static_cast<size_t>(nSize) - 1;
    size_t nLength = strnlen(szDst, static_cast<size_t>(nSize));
    if (nLength > nRoom)
        nLength = nRoom;   // no terminator within the buffer: cut there
    size_t nAdd = strnlen(szSrc, nRoom - nLength);
    memmove(szDst + nLength, szSrc, nAdd);
    nLength += nAdd;
    szDst[nLength] = '\0';
    if (static_cast<long>(nLength) >= static_cast<long>(nSize) - 2)
        Report_Error("Buffer filled in %s.  Str len %d", __func__, nSize - 1);
    return static_cast<int>(nLength);
}

int Format_Text_Bounded(char* szBuffer, int nSize, const char* szFormat, ...)
{
    if (szBuffer == nullptr || szFormat == nullptr || nSize < 1)
        return 0;
    va_list Args;
    va_start(Args, szFormat);
    int nWanted = vsnprintf(szBuffer, static_cast<size_t>(nSize), szFormat, Args);
    va_end(Args);
    szBuffer[nSize - 1] = '\0';
    if (nWanted < 0) {
        szBuffer[0] = '\0';
        return 0;
    }
    return nWanted < nSize ? nWanted : nSize - 1;
}

int Append_Formatted_Text(char* szBuffer, int nSize, const char* szFormat, ...)
{
    if (szBuffer == nullptr || szFormat == nullptr || nSize < 1)
        return 0;
    size_t nLength = strnlen(szBuffer, static_cast<size_t>(nSize));
    if (nLength >= static_cast<size_t>(nSize))
        return 0;
    size_t nRoom = static_cast<size_t>(nSize) - nLength;
    va_list Args;
    va_start(Args, szFormat);
    int nWanted = vsnprintf(szBuffer + nLength, nRoom, szFormat, Args);
    va_end(Args);
    szBuffer[nSize - 1] = '\0';
    // Like the bounded copy: -1 tells the caller the text was cut.
    if (nWanted < 0 || static_cast<size_t>(nWanted) >= nRoom)
        return -1;
    return nWanted;
}

// ---------------------------------------------------------------------------
// Splitting and lines

int Pop_Token_From_String(char* szToken, size_t nSize, char* szLine, char cDelimiter)
{
    if (szLine == nullptr) {
        if (szToken != nullptr && nSize > 0)
            szToken[0] = '\0';
        return 1;
    }
    char* pDelimiter = strchr(szLine, cDelimiter);
    // strchr finds the terminator itself for a NUL delimiter.
    if (cDelimiter == '\0')
        pDelimiter = nullptr;
    size_t nField = pDelimiter != nullptr ? static_cast<size_t>(pDelimiter - szLine) : strlen(szLine);
    if (szToken != nullptr) {
        if (nSize > 0) {
            size_t nKeep = nField < nSize - 1 ? nField : nSize - 1;
            memmove(szToken, szLine, nKeep);
            szToken[nKeep] = '\0';
        }
    }
    if (pDelimiter == nullptr) {
        szLine[0] = '\0';
        return 1;
    }
    memmove(szLine, pDelimiter + 1, strlen(pDelimiter + 1) + 1);
    return 0;
}

void Reset_Line_Limit_Warning()
{
    g_bLineLimitWarned = false;
}

int Read_Line_Limit(const char* szName, char* szBuffer, FILE* pFile, int nLimit)
{
    bool bCut = false;
    const int nEnd = Read_Line_Limit(szBuffer, pFile, nLimit, bCut);
    if (bCut && !g_bLineLimitWarned) {
        g_bLineLimitWarned = true;
        Show_Message_Box(Line_Limit_Warning(szName, nLimit).c_str(), __func__, BOX_OK | BOX_ICON_EXCLAMATION);
    }
    return nEnd;
}

int Read_Line_Limit(char* szBuffer, FILE* pFile, int nLimit, bool& bCut)
{
    bCut = false;
    if (szBuffer == nullptr || nLimit < 1) {
        // Nowhere to store: the line is still consumed.
        return Skip_Line(pFile);
    }
    if (pFile == nullptr) {
        szBuffer[0] = '\0';
        return 1;
    }
    long nLength = 0;
    const int nEnd = Read_Raw_Line(pFile, szBuffer, nLimit - 1, nLength);
    bCut = nLength > nLimit - 1;
    return nEnd;
}

std::string Line_Limit_Warning(const char* szName, int nLimit)
{
    char szText[TEXT_BUFFER_SIZE];
    Format_Text_Bounded(szText, sizeof(szText),
                        "Line too long in %s.\n\nLimit = %d characters.\n\nExtra character(s) ignored.",
                        szName != nullptr ? szName : "", nLimit);
    return szText;
}

int Read_Line_2048(char* szBuffer, size_t nSize, FILE* pFile)
{
    const size_t nLimit = nSize < TEXT_BUFFER_SIZE ? nSize : TEXT_BUFFER_SIZE;
    return Read_Line_Limit("'Filename Unknown'", szBuffer, pFile, static_cast<int>(nLimit));
}

int Read_Line(char* szBuffer, size_t nSize, FILE* pFile)
{
    if (szBuffer == nullptr || nSize == 0)
        return Skip_Line(pFile);
    if (pFile == nullptr) {
        szBuffer[0] = '\0';
        return 1;
    }
    long nLength = 0;
    const size_t nLimit = nSize < TEXT_BUFFER_SIZE ? nSize : TEXT_BUFFER_SIZE;
    return Read_Raw_Line(pFile, szBuffer, static_cast<int>(nLimit) - 1, nLength);
}

int Skip_Line(FILE* pFile)
{
    if (pFile == nullptr)
        return 1;
    for (;;) {
        int c = getc(pFile);
        if (c == EOF)
            return 1;
        if (c == '\n')
            return 0;
    }
}

int Count_Lines_In_File(const char* szPath)
{
    FILE* pFile = szPath != nullptr ? files::Open_File(szPath, "r") : nullptr;
    if (pFile == nullptr) {
        char szText[TEXT_BUFFER_SIZE];
        Format_Text_Bounded(szText, sizeof(szText), "Couldn't open file: \"%s\"\n\n%s", szPath != nullptr ? szPath : "",
                            Get_Error_Text());
        Show_Message_Box(szText, "File Error", BOX_OK | BOX_ICON_EXCLAMATION);
        return 0;
    }
    int nLines = 1;
    for (int c = getc(pFile); c != EOF; c = getc(pFile))
        if (c == '\n')
            nLines++;
    fclose(pFile);
    return nLines;
}

bool Append_Line_To_File(const char* szPath, const char* szText)
{
    if (szPath == nullptr || szPath[0] == '\0' || szText == nullptr)
        return false;
    FILE* pFile = files::Open_File_To_Append(szPath);
    if (pFile == nullptr)
        return false;
    // The line and its end in one write.
    std::string Line(szText);
    Line += '\n';
    errno = 0;
    fwrite(Line.data(), 1, Line.size(), pFile);
    // A full disk or a device that takes nothing shows at the close.
    return files::Close_Written_File(pFile);
}

bool Append_Formatted_Line_To_File(const char* szPath, const char* szFormat, ...)
{
    if (szFormat == nullptr)
        return false;
    char szText[TEXT_BUFFER_SIZE];
    va_list Args;
    va_start(Args, szFormat);
    int nWanted = vsnprintf(szText, sizeof(szText), szFormat, Args);
    va_end(Args);
    if (nWanted < 0)
        szText[0] = '\0';
    return Append_Line_To_File(szPath, szText);
}

const char* Get_Error_Text()
{
    // 80 is "truncated" in the runtime the file texts were written for; here
    // it keeps that meaning.
    if (errno == 80)
        return "String was truncated";
    return files::Error_Text(errno);
}

// ---------------------------------------------------------------------------
// Case, padding and editing

void Remove_Char_From_String(char* szText, char c)
{
    if (szText == nullptr || c == '\0')
        return;
    char* pOut = szText;
    for (const char* p = szText; *p != '\0'; p++)
        if (*p != c)
            *pOut++ = *p;
    *pOut = '\0';
}

char* Find_Text_No_Case(char* szText, const char* szPart)
{
    if (szText == nullptr || szPart == nullptr)
        return nullptr;
    size_t nPart = strlen(szPart);
    for (char* p = szText;; p++) {
        size_t i = 0;
        while (i < nPart && p[i] != '\0'
               && tolower(static_cast<unsigned char>(p[i])) == tolower(static_cast<unsigned char>(szPart[i])))
            i++;
        if (i == nPart)
            return p;
        if (*p == '\0')
            return nullptr;
    }
}

bool Is_Same_Text_No_Case(const char* szA, const char* szB)
{
    for (;; ++szA, ++szB) {
        unsigned char a = static_cast<unsigned char>(*szA);
        unsigned char b = static_cast<unsigned char>(*szB);
        if (a >= 'A' && a <= 'Z')
            a = static_cast<unsigned char>(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z')
            b = static_cast<unsigned char>(b - 'A' + 'a');
        if (a != b)
            return false;
        if (a == '\0')
            return true;
    }
}

void Swap_Texts(char* szA, size_t nSizeA, char* szB, size_t nSizeB)
{
    if (szA == nullptr || szB == nullptr || szA == szB || nSizeA == 0 || nSizeB == 0)
        return;
    std::string Hold(szA, strnlen(szA, nSizeA - 1));
    size_t nB = strnlen(szB, (nSizeA < nSizeB ? nSizeA : nSizeB) - 1);
    memmove(szA, szB, nB);
    szA[nB] = '\0';
    size_t nA = Hold.size() < nSizeB - 1 ? Hold.size() : nSizeB - 1;
    memcpy(szB, Hold.data(), nA);
    szB[nA] = '\0';
}

int Load_String_Text(int nId, char* szBuffer, size_t nSize)
{
    const size_t nLimit = nSize < TEXT_BUFFER_SIZE ? nSize : TEXT_BUFFER_SIZE;
    return Load_Resource_String(nId, szBuffer, static_cast<int>(nLimit));
}

namespace {

// Puts nBlanks blanks before the text, within a buffer of nSize bytes.
void Prefix_Blanks(char* szText, size_t nSize, long nBlanks)
{
    size_t nLength = strnlen(szText, nSize - 1);
    long nMost = static_cast<long>(nSize - 1 - nLength);
    if (nBlanks > nMost)
        nBlanks = nMost;
    if (nBlanks <= 0)
        return;
    memmove(szText + nBlanks, szText, nLength);
    szText[static_cast<size_t>(nBlanks) + nLength] = '\0';
    memset(szText, ' ', static_cast<size_t>(nBlanks));
}

}  // namespace

void Pad_Text_Left(char* szText, size_t nSize, int nWidth)
{
    if (szText == nullptr || nSize == 0)
        return;
    long nLength = static_cast<long>(strnlen(szText, nSize - 1));
    Prefix_Blanks(szText, nSize, static_cast<long>(nWidth) - nLength);
}


std::string Format_Year_Ranges(std::vector<int> Years)
{
    std::sort(Years.begin(), Years.end());
    std::string Text;
    for (size_t i = 0; i < Years.size();) {
        size_t j = i;
        while (j + 1 < Years.size() && Years[j + 1] == Years[j] + 1)
            ++j;
        if (!Text.empty())
            Text += ", ";
        Text += std::to_string(Years[i]);
        if (j > i)
            Text += "-" + std::to_string(Years[j]);
        i = j + 1;
    }
    return Text;
}
