// The real-franchise tables: indexes by abbreviation and year, colours, model
// clubs, helmet and logo names, the shuffle of the fantasy draft and its
// table's bounds.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "base/random.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "season/downloads.h"
#include "season/fantasy_draft.h"
#include "season/franchise_tables.h"
#include "test_support.h"

namespace {

class FranchiseTablesTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        Use_Franchises(2);
        Set_Year(2019);
    }

    static void Set_Year(int nYear)
    {
        League.Universe.nStat[FIRST_SEASON_YEAR] = nYear;
        Set_User_Preference(PREF_SEASON_INDEX, 0);
    }

    static void Name_Club(int nTeam, const char* szAbbreviation, const char* szNickname)
    {
        Set_Team_String(szAbbreviation, nTeam, TEAM_STRING_ABBREVIATION);
        Set_Team_String(szNickname, nTeam, TEAM_STRING_NICKNAME);
    }
};

TEST_F(FranchiseTablesTest, IndexByAbbreviationAndYear)
{
    for (int nYear : {1950, 1983, 2020})
        EXPECT_EQ(Get_Franchise_Index_In_Year("LAR", nYear), 16) << nYear;
    EXPECT_EQ(Get_Franchise_Index_In_Year("OAK", 2000), 16);   // before the row of 23
    EXPECT_EQ(Get_Franchise_Index_In_Year("BAL", 1983), 13);
    EXPECT_EQ(Get_Franchise_Index_In_Year("BAL", 1984), 2);
    EXPECT_EQ(Get_Franchise_Index_In_Year("STL", 1987), 0);
    EXPECT_EQ(Get_Franchise_Index_In_Year("STL", 1988), UNKNOWN_FRANCHISE_INDEX);
    EXPECT_EQ(Get_Franchise_Index_In_Year("PHX", 2019), 0);
    EXPECT_EQ(Get_Franchise_Index_In_Year("sea", 2019), 28);   // case does not matter
    EXPECT_EQ(Get_Franchise_Index_In_Year("ARZ", 2019), 0);
    EXPECT_EQ(Get_Franchise_Index_In_Year("WAS", 2019), 31);
    EXPECT_EQ(Get_Franchise_Index_In_Year("NE", 2019), 19);
    // Codes of no row: the fictional league's own, and nothing.
    for (const char* szCode : {"BOS", "NYE", "SFS", "XYZ", "", "NEW"})
        EXPECT_EQ(Get_Franchise_Index_In_Year(szCode, 2019), 26) << szCode;
    EXPECT_EQ(Get_Franchise_Index_In_Year(nullptr, 2019), 26);
    // The league's own year: first season + season index.
    Set_Year(1983);
    EXPECT_EQ(Get_Franchise_Index("BAL"), 13);
    Set_User_Preference(PREF_SEASON_INDEX, 1);
    EXPECT_EQ(Get_Franchise_Index("BAL"), 2);
}

TEST_F(FranchiseTablesTest, InfoColoursAndModelClubs)
{
    char szText[32] = "x";
    Get_Franchise_Info(0, szText);
    EXPECT_STREQ(szText, "ARZ");
    Get_Franchise_Info(16, szText);
    EXPECT_STREQ(szText, "LA");
    Get_Franchise_Info(31, szText);
    EXPECT_STREQ(szText, "WAS");
    for (int n : {32, 99, -1}) {
        std::strcpy(szText, "x");
        Get_Franchise_Info(n, szText);
        EXPECT_STREQ(szText, "") << n;
    }
    EXPECT_EQ(Get_Franchise_Color(0), 0x43279Bu);
    EXPECT_EQ(Get_Franchise_Color(15), 0x3200B2u);
    EXPECT_EQ(Get_Franchise_Color(16), 0x000000u);
    EXPECT_EQ(Get_Franchise_Color(28), 0x28BE69u);
    EXPECT_EQ(Get_Franchise_Color(31), 0x413177u);
    EXPECT_EQ(Get_Franchise_Color(-3), 0x43279Bu);   // clamped
    EXPECT_EQ(Get_Franchise_Color(40), 0x413177u);
    Get_Model_Team_Nickname(2, szText);
    EXPECT_STREQ(szText, "Patriots");
    Get_Model_Team_Nickname(3, szText);
    EXPECT_STREQ(szText, "Vikings");
    Get_Model_Team_Nickname(16, szText);
    EXPECT_STREQ(szText, "49ers");
    Get_Model_Team_Nickname(22, szText);
    EXPECT_STREQ(szText, "Redskins");
    Get_Model_Team_Nickname(25, szText);
    EXPECT_STREQ(szText, "Saints");
    Get_Model_Team_Nickname(26, szText);
    EXPECT_STREQ(szText, "Colts");
    for (int n : {32, -1}) {
        std::strcpy(szText, "x");
        Get_Model_Team_Nickname(n, szText);
        EXPECT_STREQ(szText, "") << n;
    }
}

TEST_F(FranchiseTablesTest, HelmetAndLogoNames)
{
    Name_Club(0, "SEA", "Seahawks");
    Name_Club(1, "BOS", "Harbormen");
    char szPath[96];
    Get_Helmet_Image_Path(szPath, 0, 0);
    EXPECT_STREQ(szPath, "Tolvaren//Helmets//Helmet-28.png");
    Get_Helmet_Image_Path(szPath, 0, 1);
    EXPECT_STREQ(szPath, "Tolvaren//Helmets//Helmet-28a.png");
    Get_Helmet_Image_Path(szPath, 1, 0);
    EXPECT_STREQ(szPath, "Tolvaren//Helmets//Helmet-26.png");

    EXPECT_EQ(Get_Stored_Logo_File_Name(0, szPath), 1);
    EXPECT_STREQ(szPath, "Input/Stats/Historical/282019.gz");
    EXPECT_EQ(Get_Stored_Logo_File_Name(1, szPath), 0);   // a fictional nickname has no logo
    EXPECT_STREQ(szPath, "");
    // The Raiders move from 24 to 16 in 2021; the year is capped at 2023.
    Name_Club(0, "LV", "Raiders");
    Set_Year(2020);
    EXPECT_EQ(Get_Stored_Logo_File_Name(0, szPath), 1);
    EXPECT_STREQ(szPath, "Input/Stats/Historical/242020.gz");
    Set_Year(2030);
    EXPECT_EQ(Get_Stored_Logo_File_Name(0, szPath), 1);
    EXPECT_STREQ(szPath, "Input/Stats/Historical/162023.gz");
    // Before 1963 the Oilers end as the Jets (23 in the earlier list).
    Name_Club(0, "HOU", "Oilers");
    Set_Year(1962);
    EXPECT_EQ(Get_Stored_Logo_File_Name(0, szPath), 1);
    EXPECT_STREQ(szPath, "Input/Stats/Historical/231962.gz");

    SCRATCH_FOLDER Scratch{"logo_names"};
    ASSERT_TRUE(Scratch.Ready());
    Name_Club(0, "SEA", "Seahawks");
    Set_Year(2019);
    EXPECT_EQ(Get_Logo_File_Name(0, szPath), 0);
    EXPECT_STREQ(szPath, "Logos/Downloads/SEA-2019.png");   // written either way
    std::filesystem::create_directories("Input/Stats/Historical");
    std::ofstream("Input/Stats/Historical/282019.gz") << "logo";
    std::ofstream("Input/Stats/Historical/282018.gz") << "older";
    EXPECT_EQ(Copy_Downloaded_Logos(), 1);   // the fictional club gets none
    EXPECT_EQ(Get_Logo_File_Name(0, szPath), 1);
    EXPECT_EQ(Read_Text_File("Logos/Downloads/SEA-2019.png"), "logo");
    // A logo in place is kept.
    std::ofstream("Input/Stats/Historical/282019.gz") << "newer";
    EXPECT_EQ(Copy_Downloaded_Logos(), 0);
    EXPECT_EQ(Read_Text_File("Logos/Downloads/SEA-2019.png"), "logo");
    // An abbreviation that is no plain file name names no file.
    Name_Club(0, "../X", "Seahawks");
    EXPECT_EQ(Get_Logo_File_Name(0, szPath), 0);
    EXPECT_STREQ(szPath, "");
    EXPECT_EQ(Copy_Downloaded_Logos(), 0);
    EXPECT_FALSE(std::filesystem::exists("Logos/X-2019.png"));
}

TEST_F(FranchiseTablesTest, ShuffleFromAFixedSeed)
{
    // Four draws of seed 77, each a fraction u of 2^32; place i swaps with
    // place i + trunc(u x (4 - i)).
    Seed_Random_Numbers(77);
    double u[4];
    for (double& f : u)
        f = Random_Word_To_Fraction(Generate_Random_Number());
    std::vector<int> Expected = {0, 1, 2, 3};
    for (int i = 0; i < 4; ++i)
        std::swap(Expected[i], Expected[i + static_cast<int>(u[i] * (4 - i))]);

    Seed_Random_Numbers(77);
    int nIndex[4] = {9, 9, 9, 9};
    Shuffle_Index_Array(nIndex, 4);
    EXPECT_EQ(std::vector<int>(nIndex, nIndex + 4), Expected);
    // The last place always swaps with itself, so its draw is taken but moves nothing.
    const uint32_t nAfter = Generate_Random_Number();
    Seed_Random_Numbers(77);
    for (int i = 0; i < 4; ++i)
        Generate_Random_Number();
    EXPECT_EQ(nAfter, Generate_Random_Number());

    // n of 0 or less leaves the array alone and draws nothing.
    int nUntouched[3] = {7, 8, 9};
    Seed_Random_Numbers(5);
    Shuffle_Index_Array(nUntouched, 0);
    Shuffle_Index_Array(nUntouched, -2);
    EXPECT_EQ(std::vector<int>(nUntouched, nUntouched + 3), (std::vector<int>{7, 8, 9}));
    const uint32_t nNext = Generate_Random_Number();
    Seed_Random_Numbers(5);
    EXPECT_EQ(Generate_Random_Number(), nNext);

    // 36 places: a permutation.
    int nMany[36];
    Shuffle_Index_Array(nMany, 36);
    std::vector<int> Sorted(nMany, nMany + 36);
    std::sort(Sorted.begin(), Sorted.end());
    for (int i = 0; i < 36; ++i)
        EXPECT_EQ(Sorted[i], i);
}

TEST_F(FranchiseTablesTest, FantasyDraftCellsAreBoundsChecked)
{
    FANTASY_DRAFT_STATE State{};
    State.nPicked[0][0] = 11;
    State.nPicked[99][35] = 4242;
    State.nPicked[3][7] = -1;
    Set_Fantasy_Draft_State(State);
    EXPECT_EQ(Get_Fantasy_Draft_Cell(0, 0), 11);
    EXPECT_EQ(Get_Fantasy_Draft_Cell(99, 35), 4242);
    EXPECT_EQ(Get_Fantasy_Draft_Cell(3, 7), -1);
    EXPECT_EQ(Errors_Reported(), 0);
    for (auto [r, t] : {std::pair{-1, 0}, std::pair{100, 0}, std::pair{0, 36}, std::pair{0, -1}}) {
        EXPECT_EQ(Get_Fantasy_Draft_Cell(r, t), 0) << r << "," << t;
        EXPECT_EQ(Errors_Reported(), 1) << r << "," << t;
    }
}

}  // namespace
