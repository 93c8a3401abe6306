// A club's logo file by its abbreviation (".png", else ".jpg", else ".gif"),
// and the game's skin handed to the picture services.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "league/league_data.h"
#include "league/team.h"
#include "league/team_logo.h"
#include "platform/files.h"
#include "platform/pictures.h"
#include "test_support.h"

namespace {

void Touch(const char* szPath)
{
    FILE* pFile = files::Open_File(szPath, "wb");
    ASSERT_NE(pFile, nullptr) << szPath;
    std::fclose(pFile);
}

class TeamLogoTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"team_logo"};
    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        files::Create_Folders("logos");
    }
    void TearDown() override { Set_Skin_Name(DEFAULT_SKIN_NAME); }
};

TEST_F(TeamLogoTest, TheFirstOfPngJpegAndGifThatExists)
{
    std::string Path;
    Set_Team_String("CHI", 3, TEAM_STRING_ABBREVIATION);
    EXPECT_FALSE(Get_Team_Logo_File(3, Path));
    EXPECT_EQ(Path, "logos\\CHI.png");  // the name a missing logo is reported by
    Touch("logos/CHI.gif");
    EXPECT_TRUE(Get_Team_Logo_File(3, Path));
    EXPECT_EQ(Path, "logos\\CHI.gif");
    Touch("logos/CHI.jpg");
    EXPECT_TRUE(Get_Team_Logo_File(3, Path));
    EXPECT_EQ(Path, "logos\\CHI.jpg");
    Touch("logos/chi.PNG");  // found whatever its case
    EXPECT_TRUE(Get_Team_Logo_File(3, Path));
    EXPECT_EQ(Path, "logos\\CHI.png");
    EXPECT_EQ(Errors_Reported(), 0);

    // No abbreviation, or one that would leave the logos folder: no file.
    Set_Team_String("", 4, TEAM_STRING_ABBREVIATION);
    EXPECT_FALSE(Get_Team_Logo_File(4, Path));
    EXPECT_EQ(Path, "");
    Set_Team_String("../x", 5, TEAM_STRING_ABBREVIATION);
    EXPECT_FALSE(Get_Team_Logo_File(5, Path));
    EXPECT_EQ(Path, "");
    // A team that does not exist is reported.
    EXPECT_FALSE(Get_Team_Logo_File(41, Path));
    EXPECT_EQ(Errors_Reported(), 1);
}

TEST_F(TeamLogoTest, TheGameSkinBecomesThePictureServicesSkin)
{
    std::memset(League.szSkinName, 0, sizeof(League.szSkinName));
    std::memcpy(League.szSkinName, "ice", 3);
    Use_League_Skin();
    EXPECT_EQ(Get_Skin_Name(), "ice");
    // No name, or one that fills its field without an end: the default skin.
    std::memset(League.szSkinName, 0, sizeof(League.szSkinName));
    Use_League_Skin();
    EXPECT_EQ(Get_Skin_Name(), DEFAULT_SKIN_NAME);
    Set_Skin_Name("ice");
    std::memset(League.szSkinName, 'x', sizeof(League.szSkinName));
    Use_League_Skin();
    EXPECT_EQ(Get_Skin_Name(), DEFAULT_SKIN_NAME);
}

}  // namespace
