// The city table: deleting keeps every franchise on its own city; the best
// free city; the accessors' checks; and the "Cities.txt" export and import.

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "league/cities.h"
#include "league/preferences.h"
#include "league/standings_keys.h"
#include "platform/save_failures.h"
#include "platform/ui.h"
#include "league/league_fixture.h"
#include "test_support.h"

namespace {

class CitiesTest : public LeagueTest {
protected:
    // "Cities.txt" lives in the current folder: give each test its own.
    SCRATCH_FOLDER Scratch{"cities"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Use_Franchises(0);
    }

    static void Make_City(int nCity, const char* szName, const int (&nStat)[CITY_STAT_COUNT])
    {
        std::memset(&League.City[nCity], 0, sizeof(CITY));
        std::strcpy(League.City[nCity].szName, szName);
        std::strcpy(League.City[nCity].szPhoto, "pic");
        for (int n = 0; n < CITY_STAT_COUNT; n++)
            League.City[nCity].nStat[n] = nStat[n];
    }

    static void Make_Named_City(int nCity, const char* szName, int nPopulation = 100000)
    {
        const int nStat[CITY_STAT_COUNT] = {nPopulation, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        Make_City(nCity, szName, nStat);
    }

    static void Use_Franchise(int nTeam, int nCity, const char* szCity = "Home", const char* szNickname = "Team")
    {
        League.Team[nTeam].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_COMPUTER;
        League.Team[nTeam].nTeamStat[TEAM_STAT_CITY] = nCity;
        std::strcpy(League.Team[nTeam].szString[TEAM_STRING_CITY], szCity);
        std::strcpy(League.Team[nTeam].szString[TEAM_STRING_NICKNAME], szNickname);
    }

    static std::string Name(int nCity) { return League.City[nCity].szName; }
    static std::string Team_City_Name(int nTeam) { return Name(League.Team[nTeam].nTeamStat[TEAM_STAT_CITY]); }

    static void Write_File(const char* szText)
    {
        FILE* pFile = std::fopen("Cities.txt", "wb");
        ASSERT_NE(pFile, nullptr);
        std::fputs(szText, pFile);
        std::fclose(pFile);
    }
};

TEST_F(CitiesTest, NamesAreCutToTheirFields)
{
    Make_Named_City(0, "Akron");
    std::memset(League.City[0].szName, 'x', sizeof(League.City[0].szName));
    Set_City_Name(0, "An Extremely Long City Name Indeed");
    EXPECT_EQ(Name(0), "An Extremely Long C");   // 19 characters
    EXPECT_EQ(League.City[0].szName[19], '\0');
    // A full field from outside has no terminator: readers stop at 19.
    std::memset(League.City[0].szName, 'Q', sizeof(League.City[0].szName));
    char szOut[64];
    Get_City_Name(0, szOut, sizeof(szOut));
    EXPECT_EQ(std::string(szOut), std::string(19, 'Q'));
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(CitiesTest, AccessorsRefuseBadIndexesWithoutWriting)
{
    Make_Named_City(0, "Akron");
    Use_Franchise(0, 0);
    Use_Franchise(1, 150);   // a corrupt city index
    const REFUSAL_CASE CASES[] = {
        {[] { return Set_City_Name(100, "X"), 0; }, 0, "Invalid nCity in Set_City_Name()"},
        {[] { return Set_City_Index_Stat(0, 10, 5), 0; }, 0, "Invalid nStat in Set_City_Stat()"},
        {[] { return Set_City_Stat(41, 0, 5), 0; }, 0, "nTeam out of bounds in Set_City_Stat([41],0,5)"},
        {[] { return Set_City_Stat(1, 0, 5), 0; }, 0, "Invalid nCity in Set_City_Stat()"},
        {[] { return Get_City_Stat(0, 10); }, 0, "nStat out of bounds in Get_City_Stat(0,[10])"},
        {[] { return Get_Team_City_Stat(1, 0); }, 0, "Team city [150]"},
        {[] { return Swap_Cities(0, 100), 0; }, 0, "nCity out of bounds in Swap_Cities(0,[100])"},
        {[] { return Clear_City(100), 0; }, 0, "nCity out of bounds in Clear_City([100])"},
    };
    Expect_Refusals(CASES);
}

TEST_F(CitiesTest, DeleteKeepsFranchisesOnTheirCitiesAndRefusesACityInUse)
{
    const char* szNames[] = {"Akron", "Boise", "Camden", "Dayton", "Eugene"};
    for (int c = 0; c < 5; c++)
        Make_Named_City(c, szNames[c]);
    Use_Franchise(0, 1);
    Use_Franchise(1, 3);
    Use_Franchise(2, 4);

    Set_User_Preference(PREF_CURRENT_CITY, 2);
    EXPECT_EQ(Delete_City(), 1);
    EXPECT_EQ(Count_Cities(), 4);
    EXPECT_EQ(Team_City_Name(0), "Boise");
    EXPECT_EQ(Team_City_Name(1), "Dayton");
    EXPECT_EQ(Team_City_Name(2), "Eugene");
    EXPECT_EQ(Errors_Reported(), 0);

    // Boise, now city 1, is team 0's: refused, no change.
    Set_User_Preference(PREF_CURRENT_CITY, 1);
    Count_Teams();   // the shared team count is stored before the snapshot
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Delete_City(), 0);
    EXPECT_TRUE(Before.Unchanged());

    // A current city beyond the table: refused, no change.
    Set_User_Preference(PREF_CURRENT_CITY, 150);
    LEAGUE_SNAPSHOT Before2;
    Errors_Reported();
    EXPECT_EQ(Delete_City(), 0);
    EXPECT_EQ(Errors_Reported(), 12);
    EXPECT_TRUE(Before2.Unchanged());
}

TEST_F(CitiesTest, BestFreeCityByMarketValue)
{
    // (population + market + 10 x growth) x (income + 25,000) / 50,000: 3,700,000
    Make_City(0, "Default", {1000000, 2500000, 20000, 25000, 0, 0, 0, 0, 0, 0});
    // 4,000,000
    Make_City(1, "Growing", {500000, 1000000, 100000, 55000, 0, 0, 0, 0, 0, 0});
    // 9,000,000 x 75,000 / 50,000 = 13,500,000, but a franchise plays there
    Make_City(2, "Taken", {9000000, 0, 0, 50000, 0, 0, 0, 0, 0, 0});
    Use_Franchise(0, 2);
    EXPECT_EQ(Find_Best_Free_City(), 1);
    // Figures at the ends of the int32 range do not overflow.
    Make_City(3, "Huge", {INT_MAX, INT_MAX, INT_MAX / 10, INT_MAX, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Find_Best_Free_City(), 3);

    // Half up: 25,000 / 50,000 gives 1; 24,999 / 50,000 gives 0, which never wins.
    League.Team[0].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE;
    std::memset(League.City, 0, sizeof(League.City));
    Make_City(0, "Small", {1, 0, 0, -1, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Find_Best_Free_City(), -1);
    Make_City(1, "Half", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Find_Best_Free_City(), 1);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(CitiesTest, ExportThenImportGivesTheSameTable)
{
    Make_City(0, "Zurich", {400000, 1300000, 9000, 60000, 1340, -8541, 47376, 3, 0, 0});
    Make_City(1, "Austin", {950000, 2300000, 40000, 31000, 489, 97743, 30267, 1, 0, 0});
    Make_City(2, "Washington, D.C.", {700000, 6300000, 15000, 45000, 0, 77036, 38907, 3, 0, 0});
    Make_City(3, "Boise", {235000, 750000, 12000, 27000, 2730, 116200, 43615, 2, 5, -6});
    Use_Franchise(0, 2);
    Use_Franchise(1, 0);
    Use_Franchise(2, 3);

    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Export_Cities(), 4);
    EXPECT_EQ(Read_Text_File("Cities.txt", "<missing>"),
              "Zurich,400000,1300000,9000,60000,1340,-8541,47376,3,0,0\n"
              "Austin,950000,2300000,40000,31000,489,97743,30267,1,0,0\n"
              "Washington  D.C.,700000,6300000,15000,45000,0,77036,38907,3,0,0\n"
              "Boise,235000,750000,12000,27000,2730,116200,43615,2,5,-6\n");

    CITY Saved[4];
    std::memcpy(Saved, League.City, sizeof(Saved));
    League.City[1].nStat[0] = 1;   // the import must replace whatever is there
    Make_Named_City(7, "Leftover");
    ui::Clear_Shown_Boxes();
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), 4);
    EXPECT_EQ(ui::Shown_Boxes().size(), 2u);   // no franchise moved

    // Sorted by name; photos are not in the file.
    const int nOrder[4] = {1, 3, 2, 0};   // Austin, Boise, Washington, Zurich
    EXPECT_EQ(Count_Cities(), 4);
    for (int c = 0; c < 4; c++) {
        std::string Expected = c == 2 ? "Washington  D.C." : Saved[nOrder[c]].szName;
        EXPECT_EQ(Name(c), Expected);
        EXPECT_STREQ(League.City[c].szPhoto, "");
        for (int n = 0; n < CITY_STAT_COUNT; n++)
            EXPECT_EQ(League.City[c].nStat[n], Saved[nOrder[c]].nStat[n]) << c << " " << n;
    }
    EXPECT_EQ(Team_City_Name(0), "Washington  D.C.");
    EXPECT_EQ(Team_City_Name(1), "Zurich");
    EXPECT_EQ(Team_City_Name(2), "Boise");
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(CitiesTest, ImportReadsWindowsLinesAndClampsNumbers)
{
    Write_File("Gamma,1e12,-5e12,123.9,-7.9,,x\r\n"
               ",9,9\r\n"
               "An Extremely Long City Name,5000\r\n"
               "Beta\r\n"
               "Alpha,1,2,3,4,5,6,7,8,9,10,11\r\n");
    ui::Queue_Answer(ID_YES);
    // A name without its figures ("Beta") is no city.
    EXPECT_EQ(Import_Cities(), 3);
    EXPECT_EQ(Count_Cities(), 3);
    EXPECT_EQ(Name(0), "Alpha");
    EXPECT_EQ(Name(1), "An Extremely Long C");
    EXPECT_EQ(Name(2), "Gamma");
    EXPECT_EQ(League.City[0].nStat[CITY_STAT_COUNT - 1], 10);   // extra fields dropped
    const int nGamma[CITY_STAT_COUNT] = {INT_MAX, INT_MIN, 123, -7, 0, 0, 0, 0, 0, 0};
    for (int n = 0; n < CITY_STAT_COUNT; n++)
        EXPECT_EQ(League.City[2].nStat[n], nGamma[n]) << n;
    EXPECT_EQ(Errors_Reported(), 0);
}

// A line that names a city but gives no population is skipped, and the
// closing box names it and says why; a blank line is no line to name.
TEST_F(CitiesTest, ImportNamesEachLineItSkipsInItsClosingBox)
{
    Write_File("Springfield,500000,1000000,1000,30000,0,90000,40000,2,0,0\n"
               "Boise\n"
               "Shelbyville,,2000000\n"
               "\n"
               "Capital City,700000\n"
               "Ogden,many,5\n");
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), 2);
    EXPECT_EQ(Count_Cities(), 2);
    EXPECT_EQ(Name(0), "Capital City");
    EXPECT_EQ(Name(1), "Springfield");
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[1].Caption, "City Import Complete");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text,
              "2 cities imported from \"Cities.txt\"\n\n"
              "3 lines skipped: a city's line needs its population after the name.\n"
              "line 2 (Boise): no population\n"
              "line 3 (Shelbyville): no population\n"
              "line 6 (Ogden): the population \"many\" is no number");

    // Past twenty skipped lines the rest are counted, not named; a file
    // with nothing skipped says nothing of it.
    std::string Text = "Tulsa,8\n";
    for (int i = 0; i < 23; i++)
        Text += "Town " + std::to_string(i) + "\n";
    Write_File(Text.c_str());
    ui::Clear_Shown_Boxes();
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), 1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    const std::string& Many = ui::Shown_Boxes()[1].Text;
    EXPECT_NE(Many.find("23 lines skipped"), std::string::npos) << Many;
    EXPECT_NE(Many.find("line 21 (Town 19): no population\n... and 3 more"), std::string::npos) << Many;
    EXPECT_EQ(Many.find("Town 20"), std::string::npos) << Many;
    Write_File("Omaha,7\n");
    ui::Clear_Shown_Boxes();
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), 1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "1 cities imported from \"Cities.txt\"");
}

// As an editor saves it: a byte-order mark first (no part of the first
// name), UTF-8 names (Windows-1252 again), and an 8-bit name as exported.
TEST_F(CitiesTest, ImportReadsAFileAnEditorSavedInUtf8)
{
    Write_File("\xEF\xBB\xBF" "Atlanta,1\r\nM\xC3\xBCnster,2\r\nZ\xFCrich,3\r\n");
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), 3);
    EXPECT_EQ(Name(0), "Atlanta");
    EXPECT_EQ(League.City[0].nStat[0], 1);
    EXPECT_EQ(Name(1), "M\xFCnster");
    EXPECT_EQ(Name(2), "Z\xFCrich");
    EXPECT_EQ(League.City[2].nStat[0], 3);
}

TEST_F(CitiesTest, ImportStopsAfterOneHundredLines)
{
    std::string Text;
    for (int i = 0; i < 105; i++)   // the last line has no line end
        Text += "City " + std::to_string(100 + i) + "," + std::to_string(i) + (i < 104 ? "\n" : "");
    Write_File(Text.c_str());
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), 100);
    EXPECT_EQ(Name(99), "City 199");

    // A short file whose last line has no line end.
    Write_File("Omaha,7\nTulsa,8");
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), 2);
    EXPECT_EQ(League.City[1].nStat[0], 8);
}

TEST_F(CitiesTest, ImportPutsFranchisesBackAndTellsAboutMoves)
{
    Make_Named_City(0, "Gone City");
    Make_Named_City(1, "Beta");
    Make_Named_City(2, "Lost");
    Make_Named_City(3, "Faraway");
    Use_Franchise(0, 1, "Beta", "Bats");
    Use_Franchise(1, 0, "Gone", "Ghosts");
    Use_Franchise(2, 3, "Far", "Foxes");
    Write_File("Beta,10\nGamma,3000\nAlpha,20\n");
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), 3);

    EXPECT_EQ(Team_City_Name(0), "Beta");    // found by name
    EXPECT_EQ(Team_City_Name(1), "Alpha");   // old index 0 still a city
    EXPECT_EQ(Team_City_Name(2), "Gamma");   // old index 3 gone: the best free city
    ASSERT_EQ(ui::Shown_Boxes().size(), 3u);
    EXPECT_NE(ui::Shown_Boxes()[2].Text.find("The Far Foxes now play in Gamma (was Faraway)."), std::string::npos);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(CitiesTest, ImportCancelledOrUnreadableChangesNothing)
{
    Make_Named_City(0, "Akron");
    Use_Franchise(0, 0);
    Write_File("Other,1\n");
    Count_Teams();
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Import_Cities(), -1);   // the default button is No
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_TRUE(Before.Unchanged());

    // A missing file changes nothing either.
    ASSERT_EQ(std::remove("Cities.txt"), 0);
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), -1);
    EXPECT_TRUE(Before.Unchanged());
}

// A file that gives no city (empty, one line of other text, a heading
// alone) or cannot be opened is refused with a box: the table and every
// club's city stay as they were, and a script's line fails on it.
TEST_F(CitiesTest, AnImportThatGivesNoCityIsRefusedAndChangesNothing)
{
    Make_Named_City(0, "Akron");
    Make_Named_City(1, "Boston");
    Use_Franchise(0, 1, "Boston", "Beans");
    Use_Franchise(1, 0, "Akron", "Acorns");
    Count_Teams();
    const std::string NoCity = "Import City Error|The city import file \"Cities.txt\" holds no city: the cities and "
                               "the franchises' homes are as they were. Each line of a city is its name, then its "
                               "figures, the population first, separated by commas, as Export writes them.";
    struct CASE {
        const char* szFile;   // null: no file
        std::string Box;
    };
    const CASE CASES[] = {
        {"", NoCity},
        {"this is not a list of cities\n", NoCity},
        {"City,Population,Metro Population\r\n\r\n", NoCity},
        {nullptr, "Import City Error|Unable to open the city import file \"Cities.txt\" (No such file or "
                  "directory)."},
    };
    for (const CASE& Case : CASES) {
        if (Case.szFile != nullptr)
            Write_File(Case.szFile);
        else
            std::remove("Cities.txt");
        LEAGUE_SNAPSHOT Before;
        const int nRefused = Count_Refused_Steps();
        ui::Clear_Shown_Boxes();
        ui::Queue_Answer(ID_YES);
        EXPECT_EQ(Import_Cities(), -1) << Case.Box;
        EXPECT_TRUE(Before.Unchanged()) << Case.Box;
        EXPECT_EQ(Team_City_Name(0), "Boston");
        EXPECT_EQ(Team_City_Name(1), "Akron");
        ASSERT_EQ(ui::Shown_Boxes().size(), 2u) << Case.Box;   // the question, then the refusal
        EXPECT_EQ(ui::Shown_Boxes()[1].Caption + "|" + ui::Shown_Boxes()[1].Text, Case.Box);
        EXPECT_EQ(Count_Refused_Steps(), nRefused + 1) << Case.Box;
    }
}

// The cities' file and the owners' file, each written where a link stands
// at the temporary name an earlier program wrote them under first: the
// linked file keeps its bytes and each file is one of its own.
TEST_F(CitiesTest, AFileReplacedWholeNeverWritesThroughALinkBesideIt)
{
    {
        FILE* pFile = std::fopen("linked.bin", "wb");
        ASSERT_NE(pFile, nullptr);
        std::fputs("the linked file", pFile);
        std::fclose(pFile);
    }
    ASSERT_EQ(::symlink("linked.bin", "Cities.txt.tmp"), 0);
    ASSERT_EQ(::symlink("linked.bin", "ZrtFame.dat.tmp"), 0);
    Make_Named_City(0, "Austin");
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Export_Cities(), 1);
    std::vector<unsigned char> Fame(OWNER_HALL_OF_FAME_SIZE, 7);
    EXPECT_TRUE(Write_Owner_Hall_Of_Fame(Fame.data()));

    EXPECT_EQ(Read_Text_File("linked.bin"), "the linked file");
    struct stat Info;
    ASSERT_EQ(::lstat("Cities.txt", &Info), 0);
    EXPECT_TRUE(S_ISREG(Info.st_mode));
    EXPECT_EQ(Read_Text_File("Cities.txt"), "Austin,100000,0,0,0,0,0,0,0,0,0\n");
    ASSERT_EQ(::lstat(OWNER_HALL_OF_FAME_FILE, &Info), 0);
    EXPECT_TRUE(S_ISREG(Info.st_mode));
    EXPECT_EQ(Info.st_size, OWNER_HALL_OF_FAME_SIZE);
}

}  // namespace
