// The default league's inputs (data/league, data/names, data/Input of the
// source tree) copied into the current folder, so a test can build the
// league in its scratch folder with Build_Default_League, or play its season
// starts.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>

#include "season/stat_file_layouts.h"

inline void Copy_Default_League_Inputs()
{
    namespace fs = std::filesystem;
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    const fs::path Data = fs::path(szSource != nullptr ? szSource : ".") / "data";
    for (const char* szFolder : {"league", "names", "Input"}) {
        if (!fs::exists(Data / szFolder))
            continue;
        std::error_code Error;
        fs::copy(Data / szFolder, szFolder, fs::copy_options::recursive, Error);
        ASSERT_FALSE(Error) << szFolder << ": " << Error.message();
    }
    // The files a season start and a new game read, as the build's fictional
    // history writes them for the default league's years: headers, no lines.
    std::error_code Error;
    fs::create_directories("Input/Stats", Error);
    for (const auto& [szFile, szHeader] :
         {std::pair{TEAM_RECORDS_CSV_FILE, TEAM_RECORDS_CSV_HEADER}, std::pair{PERSONNEL_CSV_FILE, PERSONNEL_CSV_HEADER}}) {
        if (fs::exists(szFile))
            continue;
        std::ofstream Out(szFile, std::ios::binary);
        Out << szHeader << '\n';
    }
}
