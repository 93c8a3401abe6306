// Putting a built year in place as one. A database build stages every file
// of the year beside the one in use (the 90 leader files, the draft class,
// the class log with the class's line, the ratings file, and the database
// itself as "databases/universe-<year>.dat.staged"), then writes a commit
// record "databases/universe-<year>.dat.commit" naming the database's size
// and checksum and what else is staged, renames the database in, then the
// rest, and removes the record. A kill anywhere in that leaves either no
// record (the year's files are all of the build before; the next start-up
// removes what was staged) or a record, which the next start-up finishes
// when the database in place is the one it names and discards otherwise.
//
// The record is a text of six lines, each a word and its values:
//   Kelvo database commit
//   year 2010
//   database <size in bytes> <CRC-32 of its bytes, decimal>
//   class <1 when the draft class is staged, else 0>
//   log <1 when the class log with its line is staged, else 0>
//   ratings <year of the staged ratings file, 0 for none>
// written whole through a temporary and synced, so it is there whole or not
// at all.
#pragma once

#include <cstdint>
#include <string>

struct BUILD_COMMIT {
    int nYear = 0;
    long long nDatabaseSize = 0;
    uint32_t nDatabaseChecksum = 0;
    bool bClass = false;
    bool bClassLog = false;
    int nRatingsYear = 0;
};

constexpr const char* BUILD_STAGED_SUFFIX = ".staged";
constexpr const char* BUILD_COMMIT_SUFFIX = ".commit";

// "databases/universe-<year>.dat.staged", where a build saves the database.
std::string Get_Staged_Database_Path(int nYear);
// "databases/universe-<year>.dat.commit"
std::string Get_Build_Commit_Path(int nYear);

// The size and CRC-32 of a regular file's bytes; false (errno) when it
// cannot be read.
bool Measure_Database_File(const char* szPath, long long& nSize, uint32_t& nChecksum);

// Writes the record of Commit.nYear whole and synced; false (errno) when it
// cannot.
bool Write_Build_Commit(const BUILD_COMMIT& Commit);
// Reads the record at szPath; false when there is none or it is not one
// whole (a line missing, a word or value not as written).
bool Read_Build_Commit(const char* szPath, BUILD_COMMIT& Commit);

// Renames the staged database of nYear over the one in use and syncs the
// folder; false (errno) when the rename fails.
bool Put_Staged_Database_In_Place(int nYear);

// What could not be put in place of a committed year, each naming the file
// and why ("" when it was).
struct BUILD_COMMIT_PROBLEMS {
    std::string Leaders;
    std::string Class;
    std::string Ratings;
};
// Renames in what the record names as staged, whatever is still staged of it
// (a file no longer staged was renamed in by a commit a kill cut short): the
// leader files, the class and then its log, the ratings file. What could not
// be renamed in is removed and told in Problems.
void Commit_Staged_Year(const BUILD_COMMIT& Commit, BUILD_COMMIT_PROBLEMS& Problems);

// Removes what a build of nYear staged (leader files, class and log, the
// ratings file of nRatingsYear when not 0, the database) and its record,
// each by its own name wherever its folder leads (a link to a folder outside
// the data folder included): the year's build put exactly those names there.
void Discard_Staged_Year(int nYear, int nRatingsYear);

// The start-up's part, in the data folder (the current folder), under its
// lock. For each commit record of a year, in the database folder wherever
// it leads (a link to a larger disk included): the commit is finished when
// the database in place has the size and checksum it names, else what the
// year staged is discarded; either way the record goes (one that cannot be
// read goes with what its year staged, its database left). A record to be
// finished one of whose files (the 90 leader files, the class and its log
// when staged, the ratings file) is neither in place nor staged where the
// start can see it (its folder a link to a disk not mounted), or one to be
// discarded whose staged files lie behind a link that leads nowhere, is
// kept, and with it what its year staged, for a later start. A folder or a
// symbolic link at a record's
// name is no record written: it is left, with what its year staged. Each is
// told in the debug log. The count of records handled.
int Finish_Interrupted_Build_Commits();
// Removes every file a build stages, of any year, that is still staged
// (after Finish_Interrupted_Build_Commits: what a build killed before its
// record left): only names a build gives, never a folder, and nothing in a
// folder that lies outside the data folder. Nothing of a year whose record's
// name is still taken (a record left unhandled) goes, nor the staged class
// log while any is; nothing at all while the database folder is a link that
// leads to no folder (a disk not mounted, whose records are not seen). The
// count removed.
int Discard_All_Staged_Build_Files();
