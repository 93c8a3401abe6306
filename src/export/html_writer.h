// The buffered text writer: page text gathered in a 64 KB buffer and written
// to its file in large pieces; and the league names file.
#pragma once

#include <cstdio>
#include <string>

constexpr int HTML_WRITER_CAPACITY = 65536;

struct HTML_WRITER {
    std::string Path;          // the output file, set by the owner before opening
    std::string Temporary;     // what is written until the close renames it to Path
    FILE* pFile = nullptr;
    char* pBuffer = nullptr;   // HTML_WRITER_CAPACITY bytes, zero-filled
    int nCapacity = 0;
    int nFill = 0;             // bytes in the buffer
    int nLastFlush = 0;        // bytes written by the last flush
    int nError = 0;            // why the first flush that failed did (errno)
};

// Takes the buffer and opens a temporary beside Path for writing; 0 (nothing
// held) when either fails.
int Open_Html_Writer(HTML_WRITER* pWriter);
// Writes the buffer's bytes; 1, or 0 without a file (or when the write fails).
int Flush_Html_Writer(HTML_WRITER* pWriter);
// Flushes, closes and releases; 1 when every byte was written and the file
// took Path's place (replacing whatever stood there, a link too, never
// followed), else 0 (errno saying why) with an old file of Path as it was and
// the temporary removed.
int Close_Html_Writer(HTML_WRITER* pWriter);
// Appends the text (flushing first when it does not fit the room left); 0
// for no writer, no text, a text longer than the capacity or a failed flush.
int Append_Html_Text(HTML_WRITER* pWriter, const char* szText);
// The same with a line feed after the text.
int Append_Html_Line(HTML_WRITER* pWriter, const char* szText);
// printf-style into the room left; flushes once when it does not fit; 0 when
// even an empty buffer cannot hold it.
int Append_Html_Format(HTML_WRITER* pWriter, const char* szFormat, ...) __attribute__((format(printf, 2, 3)));
// The buffer becomes exactly the text (not written); 0 as Append_Html_Text.
int Set_Html_Text(HTML_WRITER* pWriter, const char* szText);
// A link to the player's page: format 1 "First Last", 2 "Last, First";
// "INVALID-PLAYER" for an empty slot and "UNKNOWN-FORMAT" for another format.
int Write_Html_Player_Link(HTML_WRITER* pWriter, int nTeam, int nSlot, int nFormat);

// The league names file "Vazarudu Stats\\2k6_league.txt" under the current
// folder: eleven lines appended (the first season's year, league 0 and its
// divisions 0-3, league 1 and its divisions 4-7). The folder is not made: a
// machine without it gets nothing. Returns 1 when written, 0 when there is
// no folder, -1 (errno saying why) when the lines could not be appended;
// the file then keeps its old bytes (the whole file is written anew).
constexpr const char* LEAGUE_NAMES_FILE = "Vazarudu Stats\\2k6_league.txt";
int Write_League_Names_File();
