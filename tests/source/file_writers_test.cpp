// The program's writers name no file they write directly: outside
// platform/files, a file written whole goes through a temporary that takes
// its name (files::Create_Temporary_File, files::Write_Whole_File) and an
// appended one through files::Open_File_To_Append, so that a kill never
// leaves part of a file under its name and no write goes through a link
// planted at it. What would open a final name to write is listed here.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The text with // comments blanked (string literals kept: a mode is one).
std::string Without_Line_Comments(const std::string& Text)
{
    std::string Out;
    std::istringstream In(Text);
    for (std::string Line; std::getline(In, Line);) {
        const size_t nFirst = Line.find_first_not_of(" \t");
        if (nFirst == std::string::npos || Line.compare(nFirst, 2, "//") != 0)
            Out += Line;
        Out += '\n';
    }
    return Out;
}

// The statements of a source that open a file by its name to write.
std::vector<std::string> Direct_Writes(const std::string& Code)
{
    // An open call whose mode writes ("w", "a" and their forms), a POSIX
    // open that creates without O_NOFOLLOW.
    static const std::regex MODE_OPEN(R"((Open_File(_In_Folder)?|fopen)\s*\([^;]*"[wa][+b]*"\s*\))");
    static const std::regex CREATING_OPEN(R"(::open\s*\([^;]*O_CREAT[^;]*;)");
    std::vector<std::string> Found;
    for (std::sregex_iterator It(Code.begin(), Code.end(), MODE_OPEN), End; It != End; ++It)
        Found.push_back(It->str());
    for (std::sregex_iterator It(Code.begin(), Code.end(), CREATING_OPEN), End; It != End; ++It)
        if (It->str().find("O_NOFOLLOW") == std::string::npos)
            Found.push_back(It->str());
    return Found;
}

}  // namespace

TEST(FileWritersTest, NoWriterOutsideThePlatformsFilesOpensAFinalNameToWrite)
{
    // The detector itself, on the forms it must catch and let pass.
    EXPECT_EQ(Direct_Writes("FILE* p = files::Open_File(szPath, \"wb\");").size(), 1u);
    EXPECT_EQ(Direct_Writes("files::Open_File_In_Folder(F, N,\n  \"a\");").size(), 1u);
    EXPECT_EQ(Direct_Writes("std::fopen(Path.c_str(), \"w+\");").size(), 1u);
    EXPECT_EQ(Direct_Writes("::open(szPath, O_WRONLY | O_CREAT, 0644);").size(), 1u);
    EXPECT_EQ(Direct_Writes("::open(szPath, O_WRONLY | O_CREAT | O_NOFOLLOW, 0644);").size(), 0u);
    EXPECT_EQ(Direct_Writes("files::Open_File(szPath, \"rb\");").size(), 0u);
    EXPECT_EQ(Direct_Writes("files::Open_File_To_Append(szPath);").size(), 0u);

    const char* szRoot = std::getenv("KELVO_SOURCE_DIR");
    ASSERT_NE(szRoot, nullptr);
    const fs::path Src = fs::path(szRoot) / "src";
    ASSERT_TRUE(fs::is_directory(Src)) << Src;
    size_t nSources = 0;
    for (const auto& Entry : fs::recursive_directory_iterator(Src)) {
        const std::string Extension = Entry.path().extension().string();
        if (!Entry.is_regular_file() || (Extension != ".cpp" && Extension != ".h"))
            continue;
        const std::string Relative = fs::relative(Entry.path(), Src).generic_string();
        // The one place that opens names itself, and makes the temporaries.
        if (Relative == "platform/files.cpp")
            continue;
        std::ifstream In(Entry.path(), std::ios::binary);
        std::stringstream Text;
        Text << In.rdbuf();
        ++nSources;
        for (const std::string& Statement : Direct_Writes(Without_Line_Comments(Text.str())))
            ADD_FAILURE() << Relative << " opens a final name to write: " << Statement;
    }
    EXPECT_GT(nSources, 100u);
}
