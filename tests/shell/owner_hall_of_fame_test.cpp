// "ZrtFame.dat": its layout, the checks that find it damaged, the rebuild
// and the window rectangle kept in it.
#include <cstring>
#include <string>

#include "league/standings_keys.h"
#include "platform/ui.h"
#include "shell/owner_hall_of_fame.h"
#include "league/default_settings.h"
#include <string>
#include "test_support.h"

namespace {

class OwnerHallOfFameTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"fame"};
    void SetUp() override
    {
        ASSERT_TRUE(Scratch.Ready());
        LeagueTest::SetUp();
    }
};

void Write_Bytes(const std::string& Bytes)
{
    FILE* pFile = std::fopen("ZrtFame.dat", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fwrite(Bytes.data(), 1, Bytes.size(), pFile);
    std::fclose(pFile);
}

std::string Bytes_Of(const OWNER_HALL_OF_FAME& Fame)
{
    return std::string(reinterpret_cast<const char*>(&Fame), sizeof(Fame));
}

}  // namespace

TEST_F(OwnerHallOfFameTest, DefaultsAreSoundAndLaidOutAsDocumented)
{
    OWNER_HALL_OF_FAME Fame;
    Default_Owner_Hall_Of_Fame(Fame);
    EXPECT_EQ(Check_Owner_Hall_Of_Fame(Fame), "");
    const std::string Bytes = Bytes_Of(Fame);
    ASSERT_EQ(Bytes.size(), 23552u);
    // Version word 1 first, then no owners; the window 40,40 - 1064,760.
    const unsigned char Head[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(Bytes.data(), Head, 8), 0);
    int32_t Window[4];
    std::memcpy(Window, Bytes.data() + 76, sizeof(Window));
    EXPECT_EQ(Window[0], 40);
    EXPECT_EQ(Window[1], 40);
    EXPECT_EQ(Window[2], 1064);
    EXPECT_EQ(Window[3], 760);
    for (size_t i = 96; i < Bytes.size(); ++i)
        ASSERT_EQ(Bytes[i], '\0') << "byte " << i;
}

TEST_F(OwnerHallOfFameTest, ChecksFindEachKindOfDamage)
{
    struct CASE {
        const char* szName;
        void (*pDamage)(OWNER_HALL_OF_FAME&);
        const char* szProblem;
    };
    const CASE Cases[] = {
        {"version", [](OWNER_HALL_OF_FAME& F) { F.nVersion = 2; }, "its version word is 2, not 1"},
        {"negative count", [](OWNER_HALL_OF_FAME& F) { F.nOwners = -1; }, "it lists -1 owners"},
        {"count over", [](OWNER_HALL_OF_FAME& F) { F.nOwners = 144; }, "it lists 144 owners"},
        {"owner name", [](OWNER_HALL_OF_FAME& F) { std::memset(F.szLastOwner, 'a', 68); },
         "the last owner's name has no end"},
        {"path", [](OWNER_HALL_OF_FAME& F) { std::memset(F.szLastGamePath, 'a', 272); },
         "the last game's path has no end"},
        {"maximized", [](OWNER_HALL_OF_FAME& F) { F.bMaximized = 2; }, "the window's maximized flag is 2"},
        {"narrow window", [](OWNER_HALL_OF_FAME& F) { F.Window = {0, 0, 319, 600}; },
         "the window rectangle fits no screen"},
        {"far window", [](OWNER_HALL_OF_FAME& F) { F.Window = {0, 0, 40000, 600}; },
         "the window rectangle fits no screen"},
        {"record text", [](OWNER_HALL_OF_FAME& F) {
             F.nOwners = 3;
             std::memset(F.Owner[2].szTeam, 'x', 64);
         },
         "owner record 2 has a text without an end"},
    };
    for (const CASE& Case : Cases) {
        SCOPED_TRACE(Case.szName);
        OWNER_HALL_OF_FAME Fame;
        Default_Owner_Hall_Of_Fame(Fame);
        Case.pDamage(Fame);
        EXPECT_EQ(Check_Owner_Hall_Of_Fame(Fame), Case.szProblem);
    }
    // A record past the count is not read.
    OWNER_HALL_OF_FAME Fame;
    Default_Owner_Hall_Of_Fame(Fame);
    Fame.nOwners = 2;
    std::memset(Fame.Owner[2].szOwner, 'x', 64);
    EXPECT_EQ(Check_Owner_Hall_Of_Fame(Fame), "");
    // The smallest window taken.
    Fame.Window = {-100, -50, 220, 190};
    EXPECT_EQ(Check_Owner_Hall_Of_Fame(Fame), "");
}

TEST_F(OwnerHallOfFameTest, MissingShortOrDamagedFileIsRebuiltAndASoundOneKept)
{
    OWNER_HALL_OF_FAME Default;
    Default_Owner_Hall_Of_Fame(Default);
    OWNER_HALL_OF_FAME Fame;
    EXPECT_FALSE(Ensure_Owner_Hall_Of_Fame(Fame));   // missing
    EXPECT_EQ(Read_Text_File("ZrtFame.dat"), Bytes_Of(Default));

    OWNER_HALL_OF_FAME Sound = Default;
    std::strcpy(Sound.szLastOwner, "Pat");
    Sound.nOwners = 1;
    std::strcpy(Sound.Owner[0].szOwner, "Lee");
    Sound.Owner[0].nTitles = 2;
    Write_Bytes(Bytes_Of(Sound));
    EXPECT_TRUE(Ensure_Owner_Hall_Of_Fame(Fame));
    EXPECT_STREQ(Fame.szLastOwner, "Pat");
    EXPECT_EQ(Fame.Owner[0].nTitles, 2);
    EXPECT_EQ(Read_Text_File("ZrtFame.dat"), Bytes_Of(Sound));

    for (const std::string& Bad : {Bytes_Of(Sound).substr(0, 23551), Bytes_Of(Sound) + '\0', std::string()}) {
        Write_Bytes(Bad);
        EXPECT_FALSE(Ensure_Owner_Hall_Of_Fame(Fame)) << Bad.size();
        EXPECT_EQ(Read_Text_File("ZrtFame.dat"), Bytes_Of(Default));
    }
    OWNER_HALL_OF_FAME Damaged = Sound;
    Damaged.nOwners = 500;
    Write_Bytes(Bytes_Of(Damaged));
    EXPECT_FALSE(Ensure_Owner_Hall_Of_Fame(Fame));
    EXPECT_EQ(Fame.nOwners, 0);
    EXPECT_EQ(Read_Text_File("ZrtFame.dat"), Bytes_Of(Default));
    // The rebuild shows no box: the program goes on.
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(OwnerHallOfFameTest, WindowRectangleIsStoredAndTheRestKept)
{
    OWNER_HALL_OF_FAME Fame;
    Ensure_Owner_Hall_Of_Fame(Fame);
    // A saved game's path another program left in its field is kept.
    std::strcpy(Fame.szLastGamePath, "Demo Season.zrt");
    ASSERT_TRUE(Write_Owner_Hall_Of_Fame(&Fame));
    EXPECT_TRUE(Store_Main_Window_Rectangle(WINDOW_RECTANGLE{10, 20, 810, 620}, true));
    ASSERT_TRUE(Load_Owner_Hall_Of_Fame(Fame));
    EXPECT_EQ(Fame.Window.nLeft, 10);
    EXPECT_EQ(Fame.Window.nTop, 20);
    EXPECT_EQ(Fame.Window.nRight, 810);
    EXPECT_EQ(Fame.Window.nBottom, 620);
    EXPECT_EQ(Fame.bMaximized, 1);
    EXPECT_STREQ(Fame.szLastGamePath, "Demo Season.zrt");
    // A rectangle no screen holds is not stored.
    EXPECT_FALSE(Store_Main_Window_Rectangle(WINDOW_RECTANGLE{0, 0, 100, 100}, false));
    ASSERT_TRUE(Load_Owner_Hall_Of_Fame(Fame));
    EXPECT_EQ(Fame.Window.nRight, 810);
}

TEST_F(OwnerHallOfFameTest, ReadingAMissingFileSaysSoInAFileErrorBox)
{
    std::vector<unsigned char> Buffer(OWNER_HALL_OF_FAME_SIZE);
    EXPECT_FALSE(Read_Owner_Hall_Of_Fame(Buffer.data()));
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "File Error");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Could not open \"ZrtFame.dat\" for reading.");
}

namespace {

TEST_F(OwnerHallOfFameTest, TheLastOwnersNameIsKeptInTheFile)
{
    Install_Last_Owner_Name_Store();
    char szName[64] = "x";
    Read_Last_Owner_Name(szName, sizeof(szName));
    EXPECT_STREQ(szName, "");   // no file yet: no name
    Write_Last_Owner_Name("Pat Okafor");
    OWNER_HALL_OF_FAME Fame;
    ASSERT_TRUE(Load_Owner_Hall_Of_Fame(Fame));
    EXPECT_STREQ(Fame.szLastOwner, "Pat Okafor");
    Read_Last_Owner_Name(szName, sizeof(szName));
    EXPECT_STREQ(szName, "Pat Okafor");
    // A name longer than the field is cut, never spilled into the rectangle.
    const WINDOW_RECTANGLE Before = Fame.Window;
    Write_Last_Owner_Name(std::string(200, 'A').c_str());
    ASSERT_TRUE(Load_Owner_Hall_Of_Fame(Fame));
    EXPECT_EQ(std::string(Fame.szLastOwner), std::string(OWNER_FAME_NAME_SIZE - 1, 'A'));
    EXPECT_EQ(Fame.Window.nLeft, Before.nLeft);
    EXPECT_EQ(Fame.Window.nBottom, Before.nBottom);
    Install_Owner_Name_Store(nullptr);
}

}  // namespace
