// Writing the draft class of a built league: "databases/rookies-%d.dat" (the
// league's first-season year) holds exactly 1,000 player records of 756 bytes,
// the year's rookies best first and all-zero records behind them, with no
// head. A game that reaches that year's draft fills its college pools from
// the first 300 (Load_Draft_Class_Database, season/draft_class.h).
#pragma once

#include <cstddef>
#include <string>

constexpr int DRAFT_CLASS_RECORDS = 1000;
constexpr const char* DRAFT_CLASS_FOLDER = "databases";
constexpr size_t DRAFT_CLASS_FILE_SIZE = 756000;
// One line "year,rookies" per class written; the file only grows. It is
// rewritten whole through a temporary, so a failed write leaves it as it was,
// and a last line without its line end (cut by an earlier failure) is ended
// before the new one.
constexpr const char* DRAFT_CLASS_LOG_FILE = "Draft-Class-Rookies.csv";

enum DRAFT_CLASS_WRITE_RESULT : int {
    DRAFT_CLASS_WRITTEN = 0,
    DRAFT_CLASS_NOT_CREATED = 1,   // no file could be made in "databases"
    DRAFT_CLASS_WRITE_FAILED = 2,  // the write failed; a previous class is kept
    DRAFT_CLASS_LOG_FAILED = 3,    // the class was written, its line of the log file not
    DRAFT_CLASS_OVERFLOW = 4,      // more rookies than the file holds: nothing written
};

// The draft score a rookie is ranked by: twice his potential, truncated;
// +30 for a quarterback, -30 for anyone else; held to 0-250; +50 when the
// year of his draft word (vital stat 13 mod 10,000) is known. 0-300.
int Get_Draft_Class_Score(float fPotential, int nPosition, int nDraftWord);

// Gathers the rookies (no career games, bit 0 of vital stat 24 clear) of the
// franchises in use in slot order, stores each one's score held to 127 as his
// draft-score byte, and writes them ordered by score + vital stat 17 (equal
// keys in the order met). More than 1,000 rookies (a league most of whose
// players have no past: a seasons file cut short) write nothing and give
// DRAFT_CLASS_OVERFLOW; *pRookies (when given) is the count either way. The
// file replaces the old one only once written whole, so a failed write keeps
// the previous class. On success "year,count" is appended to the log file. A
// failure leaves errno saying why.
int Write_Draft_Class_Database(int* pRookies = nullptr);

// "databases/rookies-<year>.dat"
std::string Get_Draft_Class_Path(int nYear);

// A database build puts a year's class in place only together with its
// database: the class is staged beside the one in use, under its name
// followed by DRAFT_CLASS_STAGED_SUFFIX, and renamed in, its line logged,
// once the database is written; a year refused before that discards it, so
// the class in use stays with the database it came with.
constexpr const char* DRAFT_CLASS_STAGED_SUFFIX = ".staged";
// Write_Draft_Class_Database to the staged name, without the log line. On a
// failure (DRAFT_CLASS_NOT_CREATED, DRAFT_CLASS_WRITE_FAILED; the latter also
// for a folder standing at the class's own name, which would refuse the
// rename) Problem names the year and the file that could not be written, and
// why: "the draft class of 2010 ("Databases/rookies-2010.dat.staged") could
// not be written (No space left on device)"; nothing staged is left. Shows
// no box.
int Stage_Draft_Class(int* pRookies, std::string& Problem);
// Writes the log as it is to stand with the class's line "year,nRookies"
// beside the one in use, under its name followed by
// DRAFT_CLASS_STAGED_SUFFIX, for Commit_Draft_Class to rename in: the line is
// then in the log once, however often a commit cut short is finished. false
// when the log cannot be read or the staged one written (Problem naming the
// file and why: "\"Draft-Class-Rookies.csv\" could not be written (Is a
// directory)"); nothing staged is left.
bool Stage_Draft_Class_Log(int nYear, int nRookies, std::string& Problem);
// Renames the staged class of nYear over the one in use, then the staged log
// over the log. DRAFT_CLASS_WRITTEN; DRAFT_CLASS_WRITE_FAILED when the
// class's rename failed (the staged class and log removed, the class in use
// and the log kept); DRAFT_CLASS_LOG_FAILED when the class is in place but
// its line not. Problem says which file and why. A class or log no longer
// staged is taken as renamed in already (by a commit a kill cut short).
int Commit_Draft_Class(int nYear, std::string& Problem);
// Removes the staged class of nYear and the staged log; true when there was
// a class. A folder at a staged name is left. The class goes by its name
// wherever the class folder leads (a link to a larger disk): the build of
// nYear, or its commit record, put exactly that name there.
bool Discard_Draft_Class(int nYear);
// Whether a file name is that of a staged class: "rookies-<year>.dat" as
// Get_Draft_Class_Path gives it, the year in digits, then
// DRAFT_CLASS_STAGED_SUFFIX; case aside, as names are resolved.
bool Is_Staged_Draft_Class_Name(const std::string& Name);
// Removes every staged class in the class folder that Is_Staged_Draft_Class_Name
// takes, and the staged log (what a build killed before its database was
// written leaves); the count removed. A folder at a staged name is left,
// nothing is removed when the class folder lies outside the data folder (a
// link to elsewhere: it may hold another data folder's build), nor the
// class of a year pKeepYear (when given) keeps, nor with bKeepLog the log.
int Discard_All_Staged_Draft_Classes(bool (*pKeepYear)(int nYear) = nullptr, bool bKeepLog = false);
