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
#include <string>

constexpr long long INPUT_NUMBER_LIMIT = 1000000000LL;

// Opens a file for reading through the platform's path rules (backslashes,
// letter case). nullptr, with errno saying why, when it does not exist
// (ENOENT), is a folder (EISDIR), is no regular file (EINVAL: a pipe is never
// waited on) or cannot be opened.
FILE* Open_Input_File(const char* szPath);
// Why an input could not be opened, for a message: "\"PATH\" is not in the
// data folder" (ENOENT), "... is a folder, not a file" (EISDIR), else
// "... cannot be read (the system's words)"; PATH as it exists on disk.
std::string Input_Open_Problem(const char* szPath, int nError);

// A table read whole before any line of it is used: line 1 must begin with
// the first nHeaderCells names of szHeader (letter case, blanks and
// underscores aside; 0 names: any header line), no later line that holds
// anything may have fewer fields than the header line (by the quoting rule
// below): such a line was cut short, often where a copy or download of the
// file ended; and no line may hold a NUL byte (a reader's line would end
// there). True when the table is sound; else false with Problem saying where
// and why ("line 7123 holds 45 of the header's 97 fields: the file ends
// inside it (cut short)", "line 1 is not the header of the file (it begins
// ...)", "line 5 holds a NUL byte at character 9 (a text file holds none)",
// "the file is empty"). The file is read from its start and rewound after;
// pLines receives the lines read.
bool Check_Input_Table(FILE* pFile, const char* szHeader, int nHeaderCells, std::string& Problem,
                       int* pLines = nullptr);

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

// The length of the UTF-8 byte-order mark (EF BB BF) that many editors put
// before a file's first line, at the start of szText: 3, else 0 (also for
// null). Every reader of a text file the user may have edited skips it.
size_t Byte_Order_Mark_Length(const char* szText);
// Removes that mark from the start of szLine (a file's first line), if any.
void Drop_Byte_Order_Mark(char* szLine);

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
