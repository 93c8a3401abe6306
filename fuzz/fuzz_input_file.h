// The readers of data files open them by name in the current folder (the
// data folder), so a fuzz input is written to that name before each run:
// run the targets from a scratch folder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>

// Creates the folder when missing; aborts when it cannot.
inline void Make_Fuzz_Folder(const char* szFolder)
{
    struct stat Info;
    if (::stat(szFolder, &Info) == 0 && S_ISDIR(Info.st_mode))
        return;
    if (::mkdir(szFolder, 0755) != 0)
        std::abort();
}

// Replaces the file's contents by the input bytes; aborts when it cannot.
inline void Write_Fuzz_File(const char* szPath, const uint8_t* pData, size_t nSize)
{
    FILE* pFile = std::fopen(szPath, "wb");
    if (pFile == nullptr)
        std::abort();
    if (nSize > 0 && std::fwrite(pData, 1, nSize, pFile) != nSize)
        std::abort();
    if (std::fclose(pFile) != 0)
        std::abort();
}
