// Each folder of src/ has a README that names every one of its source files
// (a program's folder below it names its files with the folder in front), and
// names no file the folder no longer holds: the map a newcomer reads stays
// the tree that is there.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Read_Whole(const fs::path& Path)
{
    std::ifstream In(Path, std::ios::binary);
    std::stringstream Whole;
    Whole << In.rdbuf();
    return Whole.str();
}

bool Is_Source(const fs::path& Path)
{
    const std::string Extension = Path.extension().string();
    return Extension == ".cpp" || Extension == ".h";
}

// The names a README gives in backticks that look like source files.
std::set<std::string> Named_Files(const std::string& Text)
{
    std::set<std::string> Names;
    size_t nAt = 0;
    for (;;) {
        const size_t nOpen = Text.find('`', nAt);
        if (nOpen == std::string::npos)
            break;
        const size_t nClose = Text.find('`', nOpen + 1);
        if (nClose == std::string::npos)
            break;
        const std::string Name = Text.substr(nOpen + 1, nClose - nOpen - 1);
        if (Name.find(' ') == std::string::npos && Is_Source(fs::path(Name)))
            Names.insert(Name);
        nAt = nClose + 1;
    }
    return Names;
}

TEST(FolderReadmesTest, NamedFilesAreTheOnesInBackticks)
{
    const std::set<std::string> Names =
        Named_Files("- `a.h`, `a.cpp`: the a; `b.h` twice `b.h`, `not a file.cpp`, `c.txt`, `sub/d.cpp`");
    EXPECT_EQ(Names, (std::set<std::string>{"a.h", "a.cpp", "b.h", "sub/d.cpp"}));
}

// The files a README of Folder answers for: every source file below it but
// those of a folder further down with a README of its own, by their paths
// relative to Folder.
std::set<std::string> Files_Held(const fs::path& Folder)
{
    std::set<std::string> Held;
    for (auto Entry = fs::recursive_directory_iterator(Folder); Entry != fs::recursive_directory_iterator();
         ++Entry) {
        if (Entry->is_directory() && fs::exists(Entry->path() / "README.md")) {
            Entry.disable_recursion_pending();
            continue;
        }
        if (Entry->is_regular_file() && Is_Source(Entry->path()))
            Held.insert(fs::relative(Entry->path(), Folder).generic_string());
    }
    return Held;
}

TEST(FolderReadmesTest, EachFoldersReadmeNamesEveryFileItHoldsAndNoOther)
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr) << "KELVO_SOURCE_DIR names the source tree";
    const fs::path Root = fs::path(szSource) / "src";
    ASSERT_TRUE(fs::is_directory(Root)) << Root;
    // Every folder of src/ has a README; a folder further down may have one
    // of its own (the desktop backend), which then names its files.
    std::vector<fs::path> Folders;
    for (const auto& Folder : fs::directory_iterator(Root)) {
        if (!Folder.is_directory())
            continue;
        EXPECT_TRUE(fs::exists(Folder.path() / "README.md")) << Folder.path() << " has no README.md";
        Folders.push_back(Folder.path());
        for (const auto& Below : fs::recursive_directory_iterator(Folder.path()))
            if (Below.is_directory() && fs::exists(Below.path() / "README.md"))
                Folders.push_back(Below.path());
    }
    int nFiles = 0;
    int nNested = 0;
    for (const fs::path& Folder : Folders) {
        const fs::path Readme = Folder / "README.md";
        if (!fs::exists(Readme))
            continue;
        if (Folder.parent_path() != Root)
            ++nNested;
        const std::set<std::string> Named = Named_Files(Read_Whole(Readme));
        const std::set<std::string> Held = Files_Held(Folder);
        nFiles += static_cast<int>(Held.size());
        for (const std::string& File : Held)
            EXPECT_TRUE(Named.count(File) != 0) << Readme << " does not name " << File;
        // A bare name, or one in a folder below that has no README of its
        // own, is one of the files the README answers for.
        for (const std::string& Name : Named) {
            const fs::path First = *fs::path(Name).begin();
            const bool bOwn = Name.find('/') == std::string::npos ||
                              (fs::is_directory(Folder / First) && !fs::exists(Folder / First / "README.md"));
            if (bOwn) {
                EXPECT_TRUE(Held.count(Name) != 0) << Readme << " names " << Name << ", which is not there";
            }
        }
    }
    EXPECT_GE(Folders.size(), 14u);
    EXPECT_GE(nNested, 1) << "the desktop backend's folder has a README of its own";
    EXPECT_GE(nFiles, 400);
}

}  // namespace
