#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/files.h"
#include "test_support.h"

namespace {

// Each test gets an empty folder (not entered: paths are given in full).
class FilesTest : public ::testing::Test {
protected:
    SCRATCH_FOLDER Scratch{"files", false};
    const std::string Root = Scratch.Path();

    void SetUp() override { ASSERT_TRUE(Scratch.Ready()); }
    void Write(const std::string& Path, const std::string& Text)
    {
        FILE* pFile = std::fopen(Path.c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        std::fwrite(Text.data(), 1, Text.size(), pFile);
        std::fclose(pFile);
    }
};

}  // namespace

TEST_F(FilesTest, ResolvesBackslashesAndCaseOfEachComponent)
{
    ASSERT_TRUE(files::Create_Folders((Root + "/Data/Names").c_str()));
    Write(Root + "/Data/Names/First.TXT", "John\n");

    EXPECT_EQ(files::Resolve_Path((Root + "\\data\\names\\first.txt").c_str()), Root + "/Data/Names/First.TXT");
    EXPECT_TRUE(files::File_Exists((Root + "/DATA/names/FIRST.txt").c_str()));
    std::vector<unsigned char> Data;
    ASSERT_TRUE(files::Read_Whole_File((Root + "\\data\\NAMES\\first.txt").c_str(), Data));
    EXPECT_EQ(std::string(Data.begin(), Data.end()), "John\n");

    // Components that do not exist keep their spelling, after the matched part.
    EXPECT_EQ(files::Resolve_Path((Root + "\\data\\Output\\Box-19-001.htm").c_str()),
              Root + "/Data/Output/Box-19-001.htm");
    // Creating folders resolves too: "data" is the existing "Data".
    ASSERT_TRUE(files::Create_Folders((Root + "/data").c_str()));
    EXPECT_EQ(files::Resolve_Path((Root + "/data").c_str()), Root + "/Data");
    // An exact match wins over a case-insensitive one.
    ASSERT_EQ(::mkdir((Root + "/data").c_str(), 0777), 0);
    EXPECT_EQ(files::Resolve_Path((Root + "/data").c_str()), Root + "/data");
}

TEST_F(FilesTest, CreatesFoldersAndWritesThroughResolvedPaths)
{
    ASSERT_TRUE(files::Create_Folders((Root + "/Output").c_str()));
    FILE* pFile = files::Open_File((Root + "\\output\\Report.txt").c_str(), "wb");
    ASSERT_NE(pFile, nullptr);
    std::fputs("line\n", pFile);
    std::fclose(pFile);
    EXPECT_TRUE(files::File_Exists((Root + "/Output/Report.txt").c_str()));

    EXPECT_TRUE(files::Rename_File((Root + "/output/report.txt").c_str(), (Root + "/Output/Moved.txt").c_str()));
    EXPECT_FALSE(files::File_Exists((Root + "/Output/Report.txt").c_str()));
    EXPECT_TRUE(files::Delete_File((Root + "/OUTPUT/moved.TXT").c_str()));
    EXPECT_FALSE(files::File_Exists((Root + "/Output/Moved.txt").c_str()));
    EXPECT_FALSE(files::Delete_File((Root + "/Output/Moved.txt").c_str()));

    // Bad arguments fail cleanly.
    EXPECT_EQ(files::Open_File(nullptr, "rb"), nullptr);
    EXPECT_EQ(files::Open_File("", "rb"), nullptr);
    std::vector<unsigned char> Missing{1, 2};
    EXPECT_FALSE(files::Read_Whole_File((Root + "/missing.bin").c_str(), Missing));
    EXPECT_TRUE(Missing.empty());
}

TEST_F(FilesTest, ListsFolderWithWildcardWithoutRegardToCase)
{
    Write(Root + "/Game One.zrt", "a");
    Write(Root + "/[Auto Save].ZRT", "b");
    Write(Root + "/notes.txt", "c");
    std::vector<std::string> Names = files::List_Folder(Root.c_str(), "*.zrt");
    std::sort(Names.begin(), Names.end());
    ASSERT_EQ(Names.size(), 2u);
    EXPECT_EQ(Names[0], "Game One.zrt");
    EXPECT_EQ(Names[1], "[Auto Save].ZRT");

    EXPECT_TRUE(files::Wildcard_Match("Box-?" "?-*.htm", "box-19-001.HTM"));
    EXPECT_FALSE(files::Wildcard_Match("Box-?" "?-*.htm", "Box-1-001.htm"));
    EXPECT_TRUE(files::Wildcard_Match("*", ""));
    EXPECT_FALSE(files::Wildcard_Match("a*b", "acbx"));
    EXPECT_TRUE(files::List_Folder((Root + "/none").c_str(), "*").empty());
}
