// What the benchmark programs that build the default league share: where
// the program's data folder is, and the copy of its league inputs into the
// current (scratch) folder.
#pragma once

#include <filesystem>
#include <string>

#include <unistd.h>

namespace bench_data {

// The folder the running program lies in ("." when it cannot be told).
inline std::string Program_Folder()
{
    char szPath[4096];
    const ssize_t n = readlink("/proc/self/exe", szPath, sizeof(szPath) - 1);
    if (n <= 0)
        return ".";
    szPath[n] = '\0';
    return std::filesystem::path(szPath).parent_path().string();
}

// Copies league/, names/ and Input/ of the data folder into the current
// folder, where Build_Default_League reads them.
inline void Copy_League_Inputs(const std::string& Data)
{
    for (const char* szFolder : {"league", "names", "Input"}) {
        std::error_code Error;
        std::filesystem::copy(Data + "/" + szFolder, szFolder, std::filesystem::copy_options::recursive, Error);
    }
}

}  // namespace bench_data
