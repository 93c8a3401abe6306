// The default league's inputs (data/league, data/names, data/Input of the
// source tree) copied into the current folder, so a test can build the
// league in its scratch folder with Build_Default_League.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

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
}
