// A player's photo names come from his statistics-database ID, and only an ID
// of 1-11 letters and digits may name a file.
#include <cstring>
#include <filesystem>
#include <fstream>

#include "league/league_fixture.h"
#include "season/downloads.h"
#include "test_support.h"

namespace {

class PhotoNamesTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"photo_names"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Use_Franchises(1);
    }

    static void Put(int nSlot, const char* szID, size_t nBytes)
    {
        Put_Player(0, nSlot, 10 + nSlot, POSITION_QB);
        std::memcpy(League.Team[0].Player[nSlot].szCorvelID, szID, nBytes);
    }
};

TEST_F(PhotoNamesTest, NamesNeedAPlainExternalId)
{
    Put(0, "AbleAn01", 9);
    Put(1, "", 1);
    Put(2, "ab/c", 5);
    Put(3, "..", 3);
    Put(4, "AB C", 5);
    Put(5, "ABCDEFGHIJK", 12);   // 11 characters: the longest ID

    char szName[64] = "x";
    EXPECT_EQ(Get_Photo_File_Name(0, 0, szName), 1);
    EXPECT_STREQ(szName, "Photos/Downloads/AbleAn01.jpg");
    EXPECT_EQ(Get_Stored_Photo_File_Name(0, 0, szName), 1);
    EXPECT_STREQ(szName, "Input/Stats/Players/AbleAn01.dat");
    EXPECT_EQ(Get_Photo_File_Name(0, 5, szName), 1);
    EXPECT_STREQ(szName, "Photos/Downloads/ABCDEFGHIJK.jpg");
    for (int s : {1, 2, 3, 4, 6}) {
        std::strcpy(szName, "x");
        EXPECT_EQ(Get_Photo_File_Name(0, s, szName), 0) << s;
        EXPECT_STREQ(szName, "") << s;
        std::strcpy(szName, "x");
        EXPECT_EQ(Get_Stored_Photo_File_Name(0, s, szName), 0) << s;
        EXPECT_STREQ(szName, "") << s;
    }
    // A buffer too small for the name gives no name rather than a cut one.
    char szSmall[12] = "x";
    EXPECT_EQ(Get_Photo_File_Name(0, 0, szSmall), 0);
    EXPECT_STREQ(szSmall, "");
}

TEST_F(PhotoNamesTest, APhotoIsCopiedOnceAndNeverOverAnExistingFile)
{
    Put(0, "AbleAn01", 9);
    Put(1, "BakeBo02", 9);
    EXPECT_EQ(Copy_Player_Photo(0, 0), 0);   // nothing stored yet
    std::filesystem::create_directories("Input/Stats/Players");
    std::ofstream("Input/Stats/Players/AbleAn01.dat") << "stored";
    EXPECT_EQ(Copy_Player_Photo(0, 0), 1);
    EXPECT_EQ(Read_Text_File("Photos/Downloads/AbleAn01.jpg"), "stored");
    std::ofstream("Input/Stats/Players/AbleAn01.dat") << "newer";
    EXPECT_EQ(Copy_Player_Photo(0, 0), 0);
    EXPECT_EQ(Read_Text_File("Photos/Downloads/AbleAn01.jpg"), "stored");
    // Every player of the teams in use, counted.
    std::ofstream("Input/Stats/Players/BakeBo02.dat") << "two";
    EXPECT_EQ(Copy_Downloaded_Photos(), 1);
    EXPECT_EQ(Read_Text_File("Photos/Downloads/BakeBo02.jpg"), "two");
}

}  // namespace
