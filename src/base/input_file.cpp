#include "base/input_file.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/text_utils.h"
#include "platform/files.h"

FILE* Open_Input_File(const char* szPath)
{
    if (szPath == nullptr || *szPath == '\0') {
        errno = ENOENT;
        return nullptr;
    }
    // Reading opens a regular file only, without waiting on a pipe.
    return files::Open_File(szPath, "rb");
}

std::string Input_Open_Problem(const char* szPath, int nError)
{
    const std::string Quoted = "\"" + files::Resolve_Path(szPath) + "\"";
    if (nError == ENOENT)
        return Quoted + " is not in the data folder";
    if (nError == EISDIR)
        return Quoted + " is a folder, not a file";
    return Quoted + " cannot be read (" + files::Error_Text(nError) + ")";
}

namespace {

// Letter case, blanks and underscores do not count in a header's names.
std::string Header_Key(const std::string& Cell)
{
    std::string Key;
    for (char c : Cell) {
        if (c == ' ' || c == '_' || c == '\t' || c == '\r')
            continue;
        Key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return Key;
}

// The first nCells cells of a header line (fewer when it has fewer).
std::vector<std::string> Header_Cells(const std::string& Line, int nCells)
{
    std::vector<std::string> Cells;
    size_t nStart = 0;
    while (static_cast<int>(Cells.size()) < nCells) {
        const size_t nComma = Line.find(',', nStart);
        Cells.push_back(Line.substr(nStart, nComma == std::string::npos ? std::string::npos : nComma - nStart));
        if (nComma == std::string::npos)
            break;
        nStart = nComma + 1;
    }
    return Cells;
}

}  // namespace

bool Check_Input_Table(FILE* pFile, const char* szHeader, int nHeaderCells, std::string& Problem, int* pLines)
{
    Problem.clear();
    if (pLines != nullptr)
        *pLines = 0;
    if (pFile == nullptr || szHeader == nullptr) {
        Problem = "the file is not open";
        return false;
    }
    std::rewind(pFile);
    // One pass over the bytes: the fields of each line counted by the
    // quoting rule of Pop_Input_Field, the first line kept for its header.
    constexpr size_t KEPT_HEADER = 4096;
    std::string Header;
    int nLine = 0;
    int nHeaderFields = 0;
    int nFields = 1;
    bool bFieldStart = true;
    bool bQuoted = false;      // inside a quoted field
    bool bQuoteSeen = false;   // a quote inside one: its end, or the first of two
    bool bBlank = true;        // nothing but a carriage return so far
    size_t nCharacter = 0;     // of the line, from 1
    size_t nNulAt = 0;         // the line's first NUL byte, from 1 (0: none)
    auto End_Line = [&](bool bLineEnd) {
        ++nLine;
        if (nLine == 1) {
            Header.erase(0, Byte_Order_Mark_Length(Header.c_str()));
            const std::vector<std::string> Expected = Header_Cells(szHeader, nHeaderCells);
            const std::vector<std::string> Found = Header_Cells(Header, nHeaderCells);
            bool bSame = Found.size() == Expected.size();
            for (size_t i = 0; bSame && i < Expected.size(); ++i)
                bSame = Header_Key(Found[i]) == Header_Key(Expected[i]);
            if (!bSame) {
                std::string Begin;
                for (const std::string& Cell : Expected)
                    Begin += (Begin.empty() ? "" : ",") + Cell;
                Problem = "line 1 is not the header of the file (it begins \"" + Begin + "\")";
                return false;
            }
            nHeaderFields = nFields;
        }
        if (nNulAt > 0) {
            // A reader's line would end there and lose the rest of it.
            Problem = "line " + std::to_string(nLine) + " holds a NUL byte at character " + std::to_string(nNulAt) +
                      " (a text file holds none)";
            return false;
        }
        if (nLine > 1 && !bBlank && nFields < nHeaderFields) {
            Problem = "line " + std::to_string(nLine) + " holds " + std::to_string(nFields) + " of the header's " +
                      std::to_string(nHeaderFields) + " fields" +
                      (bLineEnd ? "" : ": the file ends inside it (cut short)");
            return false;
        }
        nFields = 1;
        bFieldStart = true;
        bQuoted = false;
        bQuoteSeen = false;
        bBlank = true;
        nCharacter = 0;
        nNulAt = 0;
        return true;
    };
    char Buffer[65536];
    size_t nRead = 0;
    bool bOk = true;
    while (bOk && (nRead = std::fread(Buffer, 1, sizeof(Buffer), pFile)) > 0) {
        for (size_t i = 0; bOk && i < nRead; ++i) {
            const char c = Buffer[i];
            if (c == '\n') {
                bOk = End_Line(true);
                continue;
            }
            ++nCharacter;
            if (c == '\0' && nNulAt == 0)
                nNulAt = nCharacter;
            if (nLine == 0 && Header.size() < KEPT_HEADER)
                Header += c;
            if (c != '\r')
                bBlank = false;
            if (bQuoted) {
                if (bQuoteSeen) {
                    bQuoteSeen = false;
                    if (c == '"')
                        continue;   // a doubled quote stands for one
                    bQuoted = false; // the field's closing quote was the last
                } else {
                    if (c == '"')
                        bQuoteSeen = true;
                    continue;
                }
            }
            if (c == ',') {
                ++nFields;
                bFieldStart = true;
            } else {
                if (c == '"' && bFieldStart)
                    bQuoted = true;
                bFieldStart = false;
            }
        }
    }
    // A last line without its end still counts.
    if (bOk && !std::ferror(pFile) && !bBlank)
        bOk = End_Line(false);
    if (bOk && std::ferror(pFile)) {
        Problem = std::string("it could not be read to its end (") + files::Error_Text(errno) + ")";
        bOk = false;
    }
    if (bOk && nLine == 0) {
        Problem = "the file is empty";
        bOk = false;
    }
    std::rewind(pFile);
    if (pLines != nullptr)
        *pLines = nLine;
    return bOk;
}

namespace {

// The Windows-1252 byte of a code point, or 0 when it has none.
unsigned char Code_Point_To_1252(uint32_t c)
{
    static const uint16_t HIGH[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (int i = 0; i < 32; ++i)
        if (HIGH[i] != 0 && HIGH[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return 0;
}

// Decodes one UTF-8 sequence at p; its length, or 0 when malformed.
int Decode_Utf8(const unsigned char* p, uint32_t& c)
{
    c = 0;
    int n;
    if (p[0] < 0x80) {
        c = p[0];
        return 1;
    }
    if (p[0] >= 0xC2 && p[0] <= 0xDF) {
        n = 2;
        c = p[0] & 0x1F;
    } else if (p[0] >= 0xE0 && p[0] <= 0xEF) {
        n = 3;
        c = p[0] & 0x0F;
    } else if (p[0] >= 0xF0 && p[0] <= 0xF4) {
        n = 4;
        c = p[0] & 0x07;
    } else {
        return 0;
    }
    for (int i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    // Over-long forms, surrogates and code points past U+10FFFF are malformed.
    if ((n == 3 && c < 0x800) || (n == 4 && (c < 0x10000 || c > 0x10FFFF)) || (c >= 0xD800 && c <= 0xDFFF))
        return 0;
    return n;
}

} // namespace

void Convert_Utf8_Line_To_1252(char* szLine)
{
    if (szLine == nullptr)
        return;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(szLine);
    bool bMultiByte = false;
    for (size_t i = 0; p[i] != 0;) {
        uint32_t c = 0;
        int n = Decode_Utf8(p + i, c);
        if (n == 0)
            return; // not UTF-8: an 8-bit line, kept as it is
        bMultiByte = bMultiByte || n > 1;
        i += static_cast<size_t>(n);
    }
    if (!bMultiByte)
        return;
    size_t nOut = 0;
    for (size_t i = 0; p[i] != 0;) {
        uint32_t c = 0;
        int n = Decode_Utf8(p + i, c);
        if (n == 0)
            break;   // not met after the first pass; no code point is read undecoded
        unsigned char b = Code_Point_To_1252(c);
        szLine[nOut++] = static_cast<char>(b != 0 ? b : '?');
        i += static_cast<size_t>(n);
    }
    szLine[nOut] = '\0';
}

size_t Byte_Order_Mark_Length(const char* szText)
{
    if (szText == nullptr)
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(szText);
    return p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF ? 3 : 0;
}

void Drop_Byte_Order_Mark(char* szLine)
{
    const size_t nMark = Byte_Order_Mark_Length(szLine);
    if (nMark > 0)
        memmove(szLine, szLine + nMark, strlen(szLine + nMark) + 1);
}

int Read_Input_Line(const char* szName, char* szBuffer, size_t nSize, FILE* pFile)
{
    if (szBuffer == nullptr || nSize == 0)
        return Skip_Line(pFile);
    const bool bFirst = pFile != nullptr && ftell(pFile) == 0;
    const int nLimit = nSize > 1000000 ? 1000000 : static_cast<int>(nSize);
    int nEnd = Read_Line_Limit(szName, szBuffer, pFile, nLimit);
    size_t nLength = strlen(szBuffer);
    if (nLength > 0 && szBuffer[nLength - 1] == '\r')
        szBuffer[nLength - 1] = '\0'; // a CRLF file's last line without its LF
    if (bFirst)
        Drop_Byte_Order_Mark(szBuffer);
    Convert_Utf8_Line_To_1252(szBuffer);
    return nEnd;
}

int Pop_Input_Field(char* szField, size_t nSize, char* szLine, char cDelimiter)
{
    if (szLine == nullptr) {
        if (szField != nullptr && nSize > 0)
            szField[0] = '\0';
        return 1;
    }
    size_t nOut = 0;
    auto Put = [&](char c) {
        if (szField != nullptr && nOut + 1 < nSize)
            szField[nOut++] = c;
    };
    size_t i = 0;
    if (szLine[0] == '"') {
        // A quoted field: to the closing quote, a doubled quote standing for
        // one; what follows the closing quote up to the delimiter is kept.
        i = 1;
        for (;;) {
            char c = szLine[i];
            if (c == '\0')
                break;
            if (c == '"') {
                if (szLine[i + 1] == '"') {
                    Put('"');
                    i += 2;
                    continue;
                }
                ++i;
                break;
            }
            Put(c);
            ++i;
        }
    }
    while (szLine[i] != '\0' && szLine[i] != cDelimiter)
        Put(szLine[i++]);
    if (szField != nullptr && nSize > 0)
        szField[nOut] = '\0';
    if (szLine[i] == '\0') {
        szLine[0] = '\0';
        return 1;
    }
    memmove(szLine, szLine + i + 1, strlen(szLine + i + 1) + 1);
    return 0;
}

namespace {

long long Parse_Digits(const char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    bool bNegative = false;
    if (*p == '+' || *p == '-') {
        bNegative = *p == '-';
        ++p;
    }
    long long n = 0;
    while (*p >= '0' && *p <= '9') {
        if (n <= INPUT_NUMBER_LIMIT)
            n = n * 10 + (*p - '0');
        ++p;
    }
    if (n > INPUT_NUMBER_LIMIT)
        n = INPUT_NUMBER_LIMIT;
    return bNegative ? -n : n;
}

} // namespace

int Parse_Input_Int(const char* szField)
{
    if (szField == nullptr)
        return 0;
    return static_cast<int>(Parse_Digits(szField));
}

long long Parse_Input_Money(const char* szField)
{
    if (szField == nullptr)
        return 0;
    char szDigits[64];
    size_t n = 0;
    for (const char* p = szField; *p != '\0' && n + 1 < sizeof(szDigits); ++p)
        if (*p != '$' && *p != ',')
            szDigits[n++] = *p;
    szDigits[n] = '\0';
    return Parse_Digits(szDigits);
}

double Parse_Input_Decimal(const char* szField)
{
    if (szField == nullptr)
        return 0.0;
    while (*szField == ' ' || *szField == '\t')
        ++szField;
    // Only a field that starts like a number is read: strtod would also take
    // "inf", "nan" and hexadecimal forms.
    const char* p = szField;
    if (*p == '+' || *p == '-')
        ++p;
    if (!((*p >= '0' && *p <= '9') || (*p == '.' && p[1] >= '0' && p[1] <= '9')))
        return 0.0;
    if (*p == '0' && (p[1] == 'x' || p[1] == 'X'))
        return 0.0;
    double f = strtod(szField, nullptr);
    if (!std::isfinite(f))
        return 0.0;
    if (f > static_cast<double>(INPUT_NUMBER_LIMIT))
        return static_cast<double>(INPUT_NUMBER_LIMIT);
    if (f < -static_cast<double>(INPUT_NUMBER_LIMIT))
        return -static_cast<double>(INPUT_NUMBER_LIMIT);
    return f;
}

bool Is_Plain_External_Id(const char* szText)
{
    if (szText == nullptr)
        return false;
    size_t n = 0;
    for (; szText[n] != '\0'; ++n) {
        char c = szText[n];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    }
    return n >= 1 && n <= 11;
}

bool Is_Plain_File_Name_Part(const char* szText)
{
    if (szText == nullptr || *szText == '\0')
        return false;
    if (strstr(szText, "..") != nullptr)
        return false;
    for (const char* p = szText; *p != '\0'; ++p) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7F)
            return false;
    }
    return true;
}
