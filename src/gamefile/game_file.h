// The game file: the whole league block saved as a short text head followed
// by 100 zlib streams, and loaded back with the repairs and rebuilds a loaded
// league needs. Saved games (".zrt", "[Auto Save].zrt") and league databases
// ("Databases/Universe-2019.dat", "databases/universe-%d.dat") are the same
// format.
//
// GAME_FILE, byte by byte:
//
//   offset  size  contents
//   0       13    "RIRARUVAZAVIZ" (no terminator)
//   13      4     version, four ASCII digits; written "2101"
//   17      4     four blanks
//   21      1     'C'
//   22      1     'c'
//   23      1     0 (terminator of the 23-character head text)
//   24      1     no defined value; written 0, never read
//   25      ...   100 blocks: uint32 little-endian length n, then n bytes
//                 forming one complete zlib stream. Blocks 0-98 hold 229,752
//                 bytes of the league block each, block 99 the last 229,824.
//
// The version value v of the four digits d0..d3 is 10 x (100 d0 + 10 d1 + d2),
// plus d3 only when that exceeds 2170: "2101" reads 2100, "2181" reads 2181.
// The versions this program reads: its own line up to its own 2100 (V21.00),
// and the older line from 2180 (V2.180) up to 8510 (V8.510), the newest
// version any of that line's load steps names; 4101 is refused with a box of
// its own. Any other value (a newer program's file, or a damaged head, such
// as "9999") is refused before its blocks are read.
//
// Saving never destroys the previous file: the data go to a new temporary
// file of a unique name in the same folder, which replaces the old file by a
// rename only when every byte was written, flushed, synced and closed; the
// folder is synced after the rename. Loading never leaves the league half
// overwritten: the file is read, checked and converted in a scratch block,
// and only a file that read cleanly replaces the league in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "season/day_advance.h"   // AUTO_SAVE_FILE, the name the day advance saves under

constexpr const char* GAME_FILE_TAG = "RIRARUVAZAVIZ";
constexpr size_t GAME_FILE_TAG_SIZE = 13;
constexpr int GAME_FILE_VERSION = 2101;              // the digits this program writes
constexpr size_t GAME_FILE_HEAD_SIZE = 25;           // bytes of the head written and read
constexpr size_t GAME_FILE_HEAD_TEXT_SIZE = 24;      // the head text with its terminator
constexpr int GAME_FILE_BLOCK_COUNT = 100;
constexpr size_t GAME_FILE_BLOCK_SIZE = 229752;      // blocks 0-98
constexpr size_t GAME_FILE_LAST_BLOCK_SIZE = 229824; // block 99
constexpr size_t GAME_FILE_READ_BUFFER_SIZE = 459505;// largest stored block, and most one block may yield
constexpr int GAME_FILE_SAVE_LEVEL = 6;
constexpr int GAME_FILE_AUTO_SAVE_LEVEL = 1;

constexpr const char* UNIVERSE_DATABASE_FORMAT = "databases/universe-%d.dat";

// Version values that choose the handling of a loaded file.
constexpr int OLDER_LINE_FIRST_VERSION = 2180;       // 2180-4100: old game layout
constexpr int OLDER_LINE_LAST_GAME_VERSION = 4100;
constexpr int UNSUPPORTED_VERSION = 4101;
constexpr int OLD_UNIVERSE_LAST_VERSION = 7799;      // 4102-7799: old universe layout
constexpr int CHECKSUM_FIRST_VERSION = 7800;         // stored checksum compared from here
constexpr int CURRENT_LINE_LAST_VERSION = 2100;      // the value of the digits this program writes
constexpr int OLDER_LINE_LAST_VERSION = 8510;        // the newest version of the older line known

// Save_Game results. The values are fixed: callers test for 0, 1 and 3.
constexpr int SAVE_GAME_OK = 0;              // the file holds the league
constexpr int SAVE_GAME_CANNOT_CREATE = 1;   // no path, or the file (or its temporary) cannot be created
constexpr int SAVE_GAME_WRITE_FAILED = 2;    // compression, writing, flushing or the rename failed
constexpr int SAVE_GAME_NO_MEMORY = 3;       // no compression buffer; the box was shown here

// ---------------------------------------------------------------------------
// Saving

// Writes the league block to szPath at level 6, or at level 1 without a
// progress window when szPath is exactly "[Auto Save].zrt". Each block is a
// standard zlib stream; several threads compress them when the machine has
// more than one processor, and the file is the same either way. The stored
// checksum (preference 98) is set to Compute_Game_Data_Checksum() for the
// file and keeps that value only when the save succeeds; on any failure it is
// put back and the previous file at szPath is left as it was. Returns one of
// the SAVE_GAME_* results; anything but 0 means nothing was saved.
int Save_Game(const char* szPath);

// The system's error code (errno) of the last Save_Game that failed, 0 after
// one that succeeded or when no system call failed (a compression failure):
// the cause a message names.
int Get_Last_Save_Error();
// The cause of the last Save_Game that failed, in words: the system's
// (strerror), "out of memory" when memory ran short (ENOMEM, or a compressor
// that could not be had), or that a block of the league did not compress
// into its room; "" after a save that succeeded.
std::string Get_Last_Save_Cause();

// Save_Game of "databases/universe-%d.dat" for the year; its SAVE_GAME_* result.
int Write_Universe_Database_File(int nYear);

// Formats the 23-character head text with "%s%04d%4s%c%c" ("RIRARUVAZAVIZ",
// 2101, "    ", 'C', 'c') into a buffer of at least GAME_FILE_HEAD_TEXT_SIZE
// bytes (a smaller one is cut and stays terminated). Returns the length.
int Format_Save_File_Header(char* szBuffer, size_t nBufferSize);

// ---------------------------------------------------------------------------
// Loading

// The one entry for loading any game file (start-up, new game, resume,
// tools). A file written as this program writes it is inflated by several
// threads; any other goes block by block through every check. On success the league holds the file, the loaded-league flag is set
// and the rebuilds have run; 1. On failure the "Read Error" box is shown,
// its text followed by the reason (Get_Last_Load_Failure, as a sentence),
// the main window goes to page 0 and the league in memory is the one that was
// there before; 0.
int Load_Universe_Database(const char* szPath);

// Reads, checks and converts the file, replaces the league with it and runs
// the repairs of its version. Nonzero on success; 0 on failure, after the
// boxes for a missing file, a wrong tag or version digits, version 4101 or
// no memory (a damaged block, a short file or a version this program does
// not know is reported by the caller). Every failure keeps its reason for
// Get_Last_Load_Failure and writes it to the log.
int Load_Game_File(const char* szPath);

// Why the last load failed, in words that follow "failed: " ("block 7 of
// 100 is damaged: ...", "its head names version V9.999, which this program
// does not know ..."); "" after a load that succeeded.
std::string Get_Last_Load_Failure();

// Whether a version value is one this program reads (above); 4101 counts,
// since it is known and refused by name.
bool Is_Known_Game_File_Version(int nVersion);

// Reads the blocks of an open file, positioned after the head, into
// pDestination (LEAGUE_DATA_SIZE bytes) until the block is full or 100
// blocks are read. Every length is checked against the buffer and against
// what the file still holds, and no block may yield more than 459,505 bytes
// or write past the end. A nonempty caption shows a progress window. 1 on
// success, 0 on failure; on failure pDestination holds partial data.
int Read_Game_Data_Blocks(FILE* pFile, void* pDestination, const char* szCaption);

// The version value of the four digits at szDigits, or -1 when any of them
// is not '0'-'9'.
int Parse_Game_File_Version(const char* szDigits);

// 1 after a successful load until the next load starts; a failed load
// leaves the flag as it was, since the league in memory is unchanged.
int Is_League_Loaded();


// ---------------------------------------------------------------------------
// Checksum and unsaved changes

// Adler-32 started at 0 over the 41 TEAM records (region offsets 2,480 to
// 4,716,167), plus 7,200, as a 32-bit unsigned sum. It is stored in saved
// files, so the formula stays as it is.
uint32_t Compute_Game_Data_Checksum();
// Preference 98.
int Get_Saved_Data_Checksum();
void Set_Saved_Data_Checksum(int nValue);

// A fingerprint of the whole league block, taken after every successful load
// and save. Has_League_Changed() says whether anything in the block differs
// from it (1) or not (0), the page the main window shows (preference 26)
// aside; this, not the stored checksum, decides whether there are unsaved
// changes.
void Remember_League_Fingerprint();
int Has_League_Changed();

// ---------------------------------------------------------------------------
// Texts of the region's first two fields

// Copies the path into the 256-byte field, cut to 255 bytes and zero-filled.
// Returns 1 when it fitted, 0 when it was cut (or null: stored empty).
int Set_Current_Game_Path(const char* szPath);
// Copies the field into szBuffer (cut to nBufferSize, always terminated).
void Get_Current_Game_Path(char* szBuffer, size_t nBufferSize);
// The same for the 64-byte text at offset 256.
int Set_Current_Game_Text(const char* szText);
