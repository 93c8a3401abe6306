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

TEST(FolderReadmesTest, EachFoldersReadmeNamesEveryFileItHoldsAndNoOther)
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr) << "KELVO_SOURCE_DIR names the source tree";
    const fs::path Root = fs::path(szSource) / "src";
    ASSERT_TRUE(fs::is_directory(Root)) << Root;
    int nFolders = 0;
    int nFiles = 0;
    for (const auto& Folder : fs::directory_iterator(Root)) {
        if (!Folder.is_directory())
            continue;
        const fs::path Readme = Folder.path() / "README.md";
        ASSERT_TRUE(fs::exists(Readme)) << Readme;
        ++nFolders;
        const std::set<std::string> Named = Named_Files(Read_Whole(Readme));
        std::set<std::string> Held;
        for (const auto& Entry : fs::recursive_directory_iterator(Folder.path())) {
            if (!Entry.is_regular_file() || !Is_Source(Entry.path()))
                continue;
            // A folder of its own with a README of its own (the desktop
            // backend) names its files there.
            const fs::path Relative = fs::relative(Entry.path(), Folder.path());
            if (Relative.has_parent_path() && fs::exists(Folder.path() / *Relative.begin() / "README.md"))
                continue;
            Held.insert(Relative.generic_string());
            ++nFiles;
        }
        for (const std::string& File : Held)
            EXPECT_TRUE(Named.count(File) != 0) << Readme << " does not name " << File;
        // A bare name is one of the folder's own files.
        for (const std::string& Name : Named) {
            if (Name.find('/') == std::string::npos) {
                EXPECT_TRUE(Held.count(Name) != 0) << Readme << " names " << Name << ", which is not there";
            }
        }
    }
    EXPECT_GE(nFolders, 13);
    EXPECT_GE(nFiles, 400);
}

}  // namespace
