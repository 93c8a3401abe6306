// Small hand-written input files for the tests of the readers of outside
// files: written byte for byte (line ends, byte-order marks and UTF-8 as
// given), their folders made.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/ui.h"

inline void Write_Input_File(const std::string& Path, const std::string& Bytes)
{
    const std::filesystem::path P(Path);
    if (P.has_parent_path())
        std::filesystem::create_directories(P.parent_path());
    std::ofstream Out(P, std::ios::binary | std::ios::trunc);
    Out << Bytes;
    ASSERT_TRUE(Out.good()) << Path;
}

// The boxes shown since the last clear whose caption is szCaption.
inline int Count_Boxes(const char* szCaption)
{
    int n = 0;
    for (const SHOWN_BOX& Box : ui::Shown_Boxes())
        n += Box.Caption == szCaption ? 1 : 0;
    return n;
}
