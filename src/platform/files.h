// File access. Code spells data paths as the design gives them
// ("Output\\Box-%02d-%03d.htm", "names\\first.txt"); every open goes through
// here, which turns backslashes into slashes and matches each component of the
// path case-insensitively against what exists, keeping new components as spelled.
#pragma once

#include <cstddef>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace files {
// The path as it exists on disk (or as spelled where nothing matches).
std::string Resolve_Path(const char* szPath);
// fopen on the resolved path. It never waits: a mode that reads ("r", "r+",
// "a+", "w+") opens a regular file only, and no mode opens a pipe or a
// socket (EINVAL) or a folder (EISDIR); a mode that only writes may open a
// device.
FILE* Open_File(const char* szPath, const char* szMode);
// fopen of szName in a folder that Resolve_Path has already given, the name
// taken as spelled: for a writer that makes many new files in one folder
// (the encyclopedia's pages), where matching every new name against the
// folder's entries would list the folder once per file. A name holding a
// slash is refused (ENOENT).
FILE* Open_File_In_Folder(const std::string& ResolvedFolder, const std::string& Name, const char* szMode);
bool File_Exists(const char* szPath);
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
bool Get_Modification_Time(const char* szPath, std::time_t& Time);
// The same to the nanosecond the file system keeps.
bool Get_Modification_Time(const char* szPath, std::time_t& Time, long& nNanoseconds);
std::string Get_Current_Folder();
bool Wildcard_Match(const char* szPattern, const char* szName);

// --- One program per data folder, and saves that replace a file whole ------

// The lock file of a data folder; the program holds it from start-up to exit.
constexpr const char* DATA_FOLDER_LOCK_FILE = "kelvo.lock";
// Takes an exclusive lock (flock) on szLockFile, creating it when missing, and
// keeps it until Release_Folder_Lock or the end of the process. 1 when taken,
// 0 when another open file holds it (another program on the folder), -1 when
// the file can neither be created nor opened (errno says why; a read-only
// folder, say), in which case there is nothing to lock.
int Take_Folder_Lock(const char* szLockFile);
void Release_Folder_Lock();

// Temporaries of a save are named ".kelvo-save-" and six characters of
// mkstemp, in the folder of the file they replace, so that a start-up can
// find exactly the ones a killed program left.
constexpr const char* TEMPORARY_FILE_PREFIX = ".kelvo-save-";
constexpr const char* TEMPORARY_FILE_PATTERN = ".kelvo-save-??????";
// Creates a new temporary of a unique name in the folder of szTarget and
// opens it for writing ("wb"); its path goes to Path. Null, with errno set,
// when it cannot be created. Its permissions are those of a file fopen makes.
FILE* Create_Temporary_File(const char* szTarget, std::string& Path);
// fsync of the folder that holds szPath, so that a rename in it lasts; false
// with errno set when it fails.
bool Sync_Folder_Of(const char* szPath);
// Removes the temporaries (TEMPORARY_FILE_PATTERN, regular files only) of a
// folder; the count removed.
int Remove_Temporary_Files(const char* szFolder);
}  // namespace files
