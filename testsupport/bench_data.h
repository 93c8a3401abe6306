// What the benchmark programs that build the default league share: where
// the program's data folder is, and the copy of its league inputs into the
// current (scratch) folder.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// The options of the programs that play seasons of the default league:
// "--seasons N" and "--data DATA_FOLDER" (the data folder made absolute, as
// the programs move into a scratch folder). False, with the usage printed,
// for anything else.
inline bool Read_Season_Options(int argc, char** argv, int& nSeasons, std::string& Data)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seasons") == 0 && i + 1 < argc) {
            nSeasons = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--data") == 0 && i + 1 < argc) {
            Data = argv[++i];
        } else {
            std::fprintf(stderr, "usage: %s [--seasons N] [--data DATA_FOLDER]\n", argv[0]);
            return false;
        }
    }
    Data = std::filesystem::absolute(Data).string();
    return true;
}

}  // namespace bench_data
