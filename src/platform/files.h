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
// fopen on the resolved path.
FILE* Open_File(const char* szPath, const char* szMode);
bool File_Exists(const char* szPath);
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
std::string Get_Current_Folder();
bool Wildcard_Match(const char* szPattern, const char* szName);
}  // namespace files
