// One reading rule for the text files a user or another program supplies
// (statistics tables, ratings files, the personnel and records files): such
// files are untrusted, may come from any editor, and must never overflow a
// number, a field or a record.
//
// - Only regular files are opened (a folder or a pipe named like an input
//   would read wrong or block).
// - Lines end with LF or CRLF; the last may lack its end; an over-long line
//   is cut with Read_Line_Limit's one warning.
// - A UTF-8 byte-order mark at the start of the file is dropped, and a line
//   that is valid UTF-8 holding multi-byte sequences is converted to
//   Windows-1252, the records' encoding, with "?" for what it cannot hold.
// - A field that begins with a double quote runs to its closing quote, and a
//   doubled quote inside stands for one ("$1,250,000" is one field); a quote
//   elsewhere is an ordinary character, so a height of 6'2" stays one field.
// - Numbers come from the leading sign and digits, held within
//   +-1,000,000,000; an empty or non-numeric field is 0; a decimal that is
//   not finite is 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

constexpr long long INPUT_NUMBER_LIMIT = 1000000000LL;

// Opens a file for reading through the platform's path rules (backslashes,
// letter case). nullptr when it does not exist, is not a regular file or
// cannot be opened.
FILE* Open_Input_File(const char* szPath);

// Reads one line as Read_Line_Limit does (nSize bytes at most, the warning
// naming szName), dropping a byte-order mark when the line is the file's
// first and converting a UTF-8 line to Windows-1252. Returns 1 when the end
// of the file was reached during this call, else 0; the line read may still
// hold text then (a last line without its end).
int Read_Input_Line(const char* szName, char* szBuffer, size_t nSize, FILE* pFile);
template <size_t N> int Read_Input_Line(const char* szName, char (&szBuffer)[N], FILE* pFile)
{
    return Read_Input_Line(szName, szBuffer, N, pFile);
}

// Converts a line in place when it is valid UTF-8 with at least one
// multi-byte sequence; any other line is left as it is (already 8-bit).
void Convert_Utf8_Line_To_1252(char* szLine);

// Moves the first field of szLine into szField (cut to nSize bytes) and
// removes it and its delimiter from szLine, with the quoting rule above.
// Returns 1 when it was the last field (szLine is then empty), else 0.
int Pop_Input_Field(char* szField, size_t nSize, char* szLine, char cDelimiter = ',');
template <size_t N> int Pop_Input_Field(char (&szField)[N], char* szLine, char cDelimiter = ',')
{
    return Pop_Input_Field(szField, N, szLine, cDelimiter);
}

// The whole number of a field's leading blanks, sign and digits, within
// +-INPUT_NUMBER_LIMIT; 0 for an empty or non-numeric field.
int Parse_Input_Int(const char* szField);
// The same, with every "$" and "," removed first ("$1,250,000" is
// 1250000), in 64 bits so money can be summed safely.
long long Parse_Input_Money(const char* szField);
// A decimal number (strtod rules after leading blanks), within
// +-INPUT_NUMBER_LIMIT; 0 for an empty, non-numeric or non-finite field.
double Parse_Input_Decimal(const char* szField);

// True for a text that may name a file: 1-11 letters and digits (an
// external player ID).
bool Is_Plain_External_Id(const char* szText);
// True when a text may be part of a file name: not empty, and no "/", "\\",
// ".." or control character.
bool Is_Plain_File_Name_Part(const char* szText);
