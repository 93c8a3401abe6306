// File access. Code spells data paths as the design gives them
// ("Output\\Box-%02d-%03d.htm", "names\\first.txt"); every open goes through
// here, which turns backslashes into slashes and matches each component of the
// path case-insensitively against what exists, keeping new components as spelled.
#pragma once

#include <cstddef>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace files {
// The path as it exists on disk (or as spelled where nothing matches).
std::string Resolve_Path(const char* szPath);
// fopen on the resolved path. It never waits: a mode that reads ("r", "r+",
// "a+", "w+") opens a regular file only, and no mode opens a pipe or a
// socket (EINVAL) or a folder (EISDIR); a mode that only writes may open a
// device. A mode that writes never follows a symbolic link at the name: the
// link is removed and a new file made in its place. (A file written whole
// goes through Create_Temporary_File or Write_Whole_File instead, an
// appended one through Open_File_To_Append.)
FILE* Open_File(const char* szPath, const char* szMode);
// Opens a file to append to ("ab"), making it when missing. A symbolic link
// standing at the name is never followed, so the lines never land wherever a
// planted link points nor make a dangling link's target: the link is removed
// and a new file takes its place, as a file replaced whole replaces it. A
// folder (EISDIR), a pipe or a socket (EINVAL) is refused, never waited on; a
// device standing at the name itself is the user's choice and is written.
// Null, with errno saying why, when it cannot be opened.
FILE* Open_File_To_Append(const char* szPath);
bool File_Exists(const char* szPath);
// True when anything at all stands under the name (a file, a folder, a pipe,
// a device, a dangling symbolic link): a reader that finds no regular file
// there can then say why, a writer that its old page is still in the way.
bool Entry_Exists(const char* szPath);
// The words for an error of the functions here: "not a regular file" for
// EINVAL (a pipe, a device or a socket where a file was expected), else the
// system's own; 0 reads as EIO, so a failure always has words.
const char* Error_Text(int nError);
// True when a relative path climbs out of the folder it is taken from: a
// ".." component that goes above where the path started ("../x", "a/../../x";
// backslashes count as slashes). An absolute path never does (it is the
// user's own choice); "a/../b" stays inside.
bool Climbs_Out_Of_Folder(const char* szPath);
bool Folder_Exists(const char* szPath);
bool Delete_File(const char* szPath);
bool Rename_File(const char* szFrom, const char* szTo);
// Creates every missing folder of the path (the whole path is a folder).
bool Create_Folders(const char* szPath);
// The most a whole-file read takes unless its caller states less (stored
// pictures and older files are far smaller).
constexpr size_t WHOLE_FILE_LIMIT = 64u << 20;
// Reads a whole regular file of at most nMaxBytes bytes. False, with Data
// empty and errno saying why, when it cannot: ENOENT (no such file), EISDIR
// (a folder), EINVAL (not a regular file: a pipe, a device, a socket, which
// could block or never end; none is even opened for long), EFBIG (longer than
// nMaxBytes), or the error of the open or read.
bool Read_Whole_File(const char* szPath, std::vector<unsigned char>& Data, size_t nMaxBytes = WHOLE_FILE_LIMIT);
// Names (not paths) of the entries of a folder matching a wildcard ("*.zrt").
std::vector<std::string> List_Folder(const char* szFolder, const char* szPattern);
// True when the folder, links resolved, is the current folder (the data
// folder) or lies inside it; false when it lies elsewhere (a link in the data
// folder to the user's other files) or does not exist.
bool Folder_Is_Inside_Current(const char* szFolder);
// True when a symbolic link stands at the name itself (dangling or not).
bool Is_Symbolic_Link(const char* szPath);
// Deletes every file of a folder whose name matches a wildcard and, when
// IsOurs is given, is one it owns; an entry of that name that is a folder is
// left alone, and so is every file of a folder that lies outside the current
// folder (Folder_Is_Inside_Current). The number deleted.
int Delete_Matching_Files(const char* szFolder, const char* szPattern,
                          const std::function<bool(const std::string& Name)>& IsOurs = nullptr);
bool Get_Modification_Time(const char* szPath, std::time_t& Time);
// The same to the nanosecond the file system keeps.
bool Get_Modification_Time(const char* szPath, std::time_t& Time, long& nNanoseconds);
// What tells a regular file's contents apart without reading them: two equal
// stamps of one path mean it was not written in between. A stamp whose file
// was written within the last seconds (bSettled false) vouches for nothing:
// a second write in the same tick of the file system's clock could leave it
// as it was.
struct FILE_STAMP {
    unsigned long long nDevice = 0;
    unsigned long long nInode = 0;
    long long nSize = 0;
    long long nModifiedSeconds = 0;
    long nModifiedNanoseconds = 0;
    long long nChangedSeconds = 0;
    long nChangedNanoseconds = 0;
    bool bSettled = false;
};
// The stamp of the regular file at the path; false (errno set) when there is
// none.
bool Get_File_Stamp(const char* szPath, FILE_STAMP& Stamp);
bool Same_File_Stamp(const FILE_STAMP& A, const FILE_STAMP& B);
std::string Get_Current_Folder();
bool Wildcard_Match(const char* szPattern, const char* szName);
// The files written through here (opened to write, or renamed into place)
// since the last Forget_Written_Files, as resolved, sorted; a file deleted or
// renamed away since is left out.
std::vector<std::string> Written_Files();
void Forget_Written_Files();

// --- One program per data folder, and saves that replace a file whole ------

// The lock file of a data folder; the program holds it from start-up to exit.
constexpr const char* DATA_FOLDER_LOCK_FILE = "kelvo.lock";
// Takes an exclusive lock (flock) on szLockFile, creating it when missing, and
// keeps it until Release_Folder_Lock or the end of the process. 1 when taken,
// 0 when another open file holds it (another program on the folder), -1 when
// the file can neither be created nor opened (errno says why; a read-only
// folder, say; ELOOP for a symbolic link, which is never followed), in which
// case there is nothing to lock.
int Take_Folder_Lock(const char* szLockFile);
void Release_Folder_Lock();

// A file replaced whole is written under a new temporary name beside it and
// renamed over it only once written and closed, so that a failure or a kill
// never leaves part of the new file under the name, and a link planted
// beside it is never written through. Temporaries are named ".kelvo-save-"
// and six characters of mkstemp, in the folder of the file they replace, so
// that a start-up can find exactly the ones a killed program left.
constexpr const char* TEMPORARY_FILE_PREFIX = ".kelvo-save-";
constexpr const char* TEMPORARY_FILE_PATTERN = ".kelvo-save-??????";
// Creates a new temporary of a unique name in the folder of szTarget (made
// with O_EXCL: a name already taken, by a link too, is never opened) and
// opens it for writing ("wb"); its path goes to Path. Null, with errno set,
// when it cannot be created. Its permissions are those of a file fopen makes.
// A device standing at szTarget itself (not a link to one: /dev/null named by
// the user) cannot be replaced by a file: it is opened and written directly,
// Path is its own, and Finish_Temporary_File only closes it.
FILE* Create_Temporary_File(const char* szTarget, std::string& Path);
// Ends what Create_Temporary_File began. pFile is closed whatever happens;
// when bWritten (every write of the caller went through) and the close
// succeeds, the temporary is renamed over szTarget, which then names the new
// file (a link that stood under the name is replaced, never followed). With
// bSynced the data reach the disk before the rename and the folder is synced
// after it, so that a crash leaves the old file or the new one. The results:
enum REPLACE_RESULT : int {
    REPLACE_DONE = 0,
    REPLACE_WRITE_FAILED = 1,    // a write, the flush, the sync or the close failed
    REPLACE_RENAME_FAILED = 2,   // the temporary could not take the name (a folder stands there)
};
// On a failure the temporary is removed, an old file of szTarget is as it
// was, and errno says why: for bWritten false, errno as the caller's failed
// write left it (the caller clears errno before writing; EIO when it is 0).
int Finish_Temporary_File(FILE* pFile, const std::string& Temporary, const char* szTarget, bool bWritten,
                          bool bSynced);
// fsync of the folder that holds szPath, so that a rename in it lasts; false
// with errno set when it fails.
bool Sync_Folder_Of(const char* szPath);
// Removes the temporaries (TEMPORARY_FILE_PATTERN, regular files only) of a
// folder; the count removed.
int Remove_Temporary_Files(const char* szFolder);

// --- Files written whole, failures told -------------------------------------

// fclose of a file that was written: false, with errno saying why, when a
// write before it failed (the stream's error flag: a full disk, a device that
// takes nothing; errno as that write left it, so clear errno before writing)
// or the close's own flush fails. The file is closed whatever happens.
bool Close_Written_File(FILE* pFile);
// Writes szPath whole through a temporary (Create_Temporary_File, then
// Finish_Temporary_File, with bSynced as given there): a failure never
// leaves part of the new file under the name and keeps an old file of the
// name as it was.
// False, with errno saying why, when the temporary cannot be made, written
// or closed, or the rename fails (a folder in the file's place).
bool Write_Whole_File(const char* szPath, const void* pData, size_t nBytes, bool bSynced = false);

// --- Relative names kept to the current folder through links ----------------

// True when a relative path, its symbolic links resolved as far as it exists
// (the rest taken as spelled), leads outside the current folder, itself
// resolved: "lnk/../x" with "lnk" a link to a folder elsewhere names a file
// beside that folder, whatever its text says. With bFollowLast false the
// last name is taken as spelled, for a file written in place of a link
// standing at its name (never through it). An absolute path never does (it
// is the user's own choice); a path the system cannot resolve either (a loop
// of links, a folder it may not search) is left to the open, which fails on
// it the same way.
bool Leads_Out_Of_Current_Folder(const char* szPath, bool bFollowLast);
}  // namespace files
