// Common text routines: bounded copying and appending, the CSV field
// splitter, line readers and log-line writers, money and number text, number
// words, dates, and small case and padding helpers. Nothing here knows the
// league; the display names of league things are in league/league_text.h.
//
// They work on NUL-terminated 8-bit (Windows-1252) byte strings in buffers
// the caller supplies. Every routine that writes into a caller's buffer takes
// the buffer's size; the forms without one take an array, whose size the
// compiler passes on (a bare pointer does not compile with them).
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/errors.h"

constexpr int TEXT_BUFFER_SIZE = 2048;

// ---- Bounded copying ------------------------------------------------------

// Copies a text into a caller's buffer of nSize bytes, cut to fit. Only the
// text and its terminator are written.
void Put_Text(char* szBuffer, size_t nSize, const std::string& Text);
template <size_t N> void Put_Text(char (&szBuffer)[N], const std::string& Text)
{
    return Put_Text(szBuffer, N, Text);
}

// Copies at most nSize - 1 bytes and always terminates (nSize > 0); the rest
// of the nSize bytes is zero-filled, so a fixed record field keeps no stale
// bytes (nSize must therefore be the real size of szDst). Returns the number
// of bytes copied, or -1 when the source was cut. Null pointers are reported
// and give 0.
int safe_strncpy(char* szDst, const char* szSrc, int nSize);
// Reads a fixed record field of nFieldSize bytes, which may lack its
// terminator: copies at most nFieldSize - 1 bytes of it, cut to nOutSize - 1,
// into szOut and terminates. A null or empty buffer is left alone.
void Copy_From_Record_Field(char* szOut, size_t nOutSize, const char* pField, size_t nFieldSize);
// Appends within nSize - 1 bytes and terminates; returns the new length.
// Reports when the result fills the buffer. Null pointers: reported with
// safe_strncpy's message (its name included), 0.
int safe_strncat(char* szDst, const char* szSrc, int nSize);
// Formats at most nSize bytes; the last byte is always a terminator.
int Format_Text_Bounded(char* szBuffer, int nSize, const char* szFormat, ...) KELVO_PRINTF(3, 4);
// Formats at the end of the text already in the buffer, within nSize bytes.
// 0 when the buffer holds no terminator within nSize; else the formatter's
// result.
int Append_Formatted_Text(char* szBuffer, int nSize, const char* szFormat, ...) KELVO_PRINTF(3, 4);

// ---- Splitting and lines ----------------------------------------------------

// The CSV field splitter: moves the bytes of szLine up to the first cDelimiter
// into szToken (cut to its nSize bytes) and removes them and the one
// delimiter from szLine. Returns 1 when no delimiter was found (the last
// field; szLine is then empty), else 0. No quoting or trimming.
int Pop_Token_From_String(char* szToken, size_t nSize, char* szLine, char cDelimiter);
template <size_t N> int Pop_Token_From_String(char (&szToken)[N], char* szLine, char cDelimiter)
{
    return Pop_Token_From_String(szToken, N, szLine, cDelimiter);
}

// Years as ranges, in order: "1951-2005, 2012, 2014-2022" ("" for none).
std::string Format_Year_Ranges(std::vector<int> Years);

// Reads one line (to a line feed or the end of the file), keeps at most
// nLimit - 1 bytes without the line end (a CR before the LF is dropped too)
// and warns once per run when a line is longer. Returns 1 when the end of
// the file was reached during this call, else 0.
int Read_Line_Limit(const char* szName, char* szBuffer, FILE* pFile, int nLimit);
// The same without the warning: bCut says whether the line was longer (its
// rest dropped), for a caller that tells it in its own way.
int Read_Line_Limit(char* szBuffer, FILE* pFile, int nLimit, bool& bCut);
// The warning's text for a line of szName longer than nLimit - 1 bytes.
std::string Line_Limit_Warning(const char* szName, int nLimit);
// Lets the next over-long line warn again (for tests).
void Reset_Line_Limit_Warning();
// Read_Line_Limit("'Filename Unknown'", buffer, file, nSize), nSize held to
// at most 2,048.
int Read_Line_2048(char* szBuffer, size_t nSize, FILE* pFile);
template <size_t N> int Read_Line_2048(char (&szBuffer)[N], FILE* pFile)
{
    return Read_Line_2048(szBuffer, N, pFile);
}
// Reads a line into a buffer of nSize bytes, at most TEXT_BUFFER_SIZE of them
// used (extra bytes dropped); 0 for a line, 1 at the end of the file or when
// there is no file.
int Read_Line(char* szBuffer, size_t nSize, FILE* pFile);
template <size_t N> int Read_Line(char (&szBuffer)[N], FILE* pFile)
{
    return Read_Line(szBuffer, N, pFile);
}
// Drops bytes up to a line feed; 1 at the end of the file or for no file.
int Skip_Line(FILE* pFile);
// Line feeds + 1; 0 (after a "File Error" box) when the file cannot be opened.
int Count_Lines_In_File(const char* szPath);
// Appends the text and a line feed (files::Open_File_To_Append: a link at the
// name is replaced, never followed); false for an empty path, a missing text,
// a file that cannot be opened or a write or close that fails (errno says
// why), else true.
bool Append_Line_To_File(const char* szPath, const char* szText);
// Formats into 2,048 bytes, then as Append_Line_To_File.
bool Append_Formatted_Line_To_File(const char* szPath, const char* szFormat, ...) KELVO_PRINTF(2, 3);
// The runtime's text for the current error number (80: "String was truncated").
const char* Get_Error_Text();

// ---- Money and numbers --------------------------------------------------------

// The texts below are cut to the buffer's nSize bytes; only the text and its
// terminator are written.

// Thousands of dollars as "$999K", "$1.5M", "$250M", "$2.34B" (negative with a
// leading "-").
void Format_Money_Short(int nThousands, char* szBuffer, size_t nSize);
template <size_t N> void Format_Money_Short(int nThousands, char (&szBuffer)[N])
{
    return Format_Money_Short(nThousands, szBuffer, N);
}
// Format_Money_Short(dollars / 1,000).
void Format_Money_Dollars(int nDollars, char* szBuffer, size_t nSize);
template <size_t N> void Format_Money_Dollars(int nDollars, char (&szBuffer)[N])
{
    return Format_Money_Dollars(nDollars, szBuffer, N);
}
// Removes every "$" and "," in place, then converts to an integer.
int Parse_Money_Text(char* szText);
// "1,000,000"; a negative number keeps its sign before the first group.
void Format_Number_With_Commas(int n, char* szBuffer, size_t nSize);
template <size_t N> void Format_Number_With_Commas(int n, char (&szBuffer)[N])
{
    return Format_Number_With_Commas(n, szBuffer, N);
}
// "$" and the number with commas.
void Format_Dollars_With_Commas(int n, char* szBuffer, size_t nSize);
template <size_t N> void Format_Dollars_With_Commas(int n, char (&szBuffer)[N])
{
    return Format_Dollars_With_Commas(n, szBuffer, N);
}
// ".500" below 1,000, else "1.000".
void Format_Thousandths(int n, char* szBuffer, size_t nSize);
template <size_t N> void Format_Thousandths(int n, char (&szBuffer)[N])
{
    return Format_Thousandths(n, szBuffer, N);
}
// "1st", "2nd", "11th", "111th", "121st".
void Format_Ordinal(char* szBuffer, size_t nSize, int n);
template <size_t N> void Format_Ordinal(char (&szBuffer)[N], int n)
{
    return Format_Ordinal(szBuffer, N, n);
}
// "one thousand two hundred and thirty-four".
void Get_Cardinal_Words(char* szBuffer, size_t nSize, int n);
template <size_t N> void Get_Cardinal_Words(char (&szBuffer)[N], int n)
{
    return Get_Cardinal_Words(szBuffer, N, n);
}
// "one hundred and first".
void Get_Ordinal_Words(char* szBuffer, size_t nSize, int n);
template <size_t N> void Get_Ordinal_Words(char (&szBuffer)[N], int n)
{
    return Get_Ordinal_Words(szBuffer, N, n);
}

// ---- Dates --------------------------------------------------------------------

// "September 7" for a day number (0 = January 1, taken modulo 365).
void Format_Day_Of_Year(int nDay, char* szBuffer, size_t nSize);
template <size_t N> void Format_Day_Of_Year(int nDay, char (&szBuffer)[N])
{
    return Format_Day_Of_Year(nDay, szBuffer, N);
}
// "September 7, 2019".
void Format_Date_With_Year(int nDay, int nYear, char* szBuffer, size_t nSize);
template <size_t N> void Format_Date_With_Year(int nDay, int nYear, char (&szBuffer)[N])
{
    return Format_Date_With_Year(nDay, nYear, szBuffer, N);
}

// ---- Case, padding and editing (in place) ---------------------------------------

void Remove_Char_From_String(char* szText, char c);
// The first place where szPart occurs ignoring case, or nullptr; an empty
// part matches at the start.
char* Find_Text_No_Case(char* szText, const char* szPart);
// true when the texts are equal but for the case of ASCII letters (other bytes
// compare as they are); reads no further than the first difference.
bool Is_Same_Text_No_Case(const char* szA, const char* szB);
// Exchanges two texts, each cut to the other's buffer size.
void Swap_Texts(char* szA, size_t nSizeA, char* szB, size_t nSizeB);
template <size_t A, size_t B> void Swap_Texts(char (&szA)[A], char (&szB)[B])
{
    Swap_Texts(szA, A, szB, B);
}
// The string-table text into a buffer of nSize bytes (at most
// TEXT_BUFFER_SIZE are used); returns its length.
int Load_String_Text(int nId, char* szBuffer, size_t nSize);
template <size_t N> int Load_String_Text(int nId, char (&szBuffer)[N])
{
    return Load_String_Text(nId, szBuffer, N);
}
// Prefixes blanks until the text is nWidth long (within the nSize bytes).
void Pad_Text_Left(char* szText, size_t nSize, int nWidth);
template <size_t N> void Pad_Text_Left(char (&szText)[N], int nWidth)
{
    return Pad_Text_Left(szText, N, nWidth);
}
