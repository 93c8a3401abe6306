// The city table: adding, deleting, swapping, compacting and sorting keep
// every franchise on its own city; the best free city; the accessors'
// checks; and the "Cities.txt" export and import.

#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "league/cities.h"
#include "league/league_structure.h"
#include "league/preferences.h"
#include "league/team.h"
#include "league_fixture.h"
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

TEST_F(CitiesTest, AddFillsDefaultsAndRefusesAFullTable)
{
    Make_Named_City(0, "Akron");
    EXPECT_EQ(Add_City(), 1);
    EXPECT_EQ(Name(1), "New City");
    EXPECT_STREQ(League.City[1].szPhoto, "Default");
    const int nDefault[CITY_STAT_COUNT] = {1000000, 2500000, 20000, 25000, 0, 114000, 42000, 3, 0, 0};
    for (int n = 0; n < CITY_STAT_COUNT; n++)
        EXPECT_EQ(Get_City_Stat(1, n), nDefault[n]) << n;
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_CITY), 1);

    for (int c = 2; c < NUMBER_OF_CITIES; c++)
        Make_Named_City(c, "Somewhere");
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Add_City(), -1);
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(CitiesTest, NamesAndPhotosAreCutToTheirFields)
{
    Make_Named_City(0, "Akron");
    std::memset(League.City[0].szName, 'x', sizeof(League.City[0].szName));
    Set_City_Name(0, "An Extremely Long City Name Indeed");
    EXPECT_EQ(Name(0), "An Extremely Long C");   // 19 characters
    EXPECT_EQ(League.City[0].szName[19], '\0');
    Set_City_Photo(0, "a_picture_name_too_long.jpg");
    EXPECT_STREQ(League.City[0].szPhoto, "a_picture_n");

    // A full field from outside has no terminator: readers stop at 19.
    std::memset(League.City[0].szName, 'Q', sizeof(League.City[0].szName));
    char szOut[64];
    Get_City_Name(0, szOut, sizeof(szOut));
    EXPECT_EQ(std::string(szOut), std::string(19, 'Q'));
    char szSmall[5];
    Get_City_Name(0, szSmall, sizeof(szSmall));
    EXPECT_STREQ(szSmall, "QQQQ");

    EXPECT_EQ(Is_City_Named(100), 0);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(CitiesTest, AccessorsRefuseBadIndexesWithoutWriting)
{
    Make_Named_City(0, "Akron");
    Use_Franchise(0, 0);
    Use_Franchise(1, 150);   // a corrupt city index
    LEAGUE_SNAPSHOT Before;
    const struct {
        int (*Call)();
        const char* szText;
    } Case[] = {
        {[] { return Set_City_Name(100, "X"), 0; }, "Invalid nCity in Set_City_Name()"},
        {[] { return Set_City_Photo(-1, "X"), 0; }, "Invalid nCity in Set_City_Photo()"},
        {[] { return Set_City_Index_Stat(100, 0, 5), 0; }, "Invalid nCity in Set_City_Stat()"},
        {[] { return Set_City_Index_Stat(0, 10, 5), 0; }, "Invalid nStat in Set_City_Stat()"},
        {[] { return Set_City_Stat(41, 0, 5), 0; }, "nTeam out of bounds in Set_City_Stat([41],0,5)"},
        {[] { return Set_City_Stat(1, 0, 5), 0; }, "Invalid nCity in Set_City_Stat()"},
        {[] { return Set_City_Stat(0, -1, 5), 0; }, "Invalid nStat in Set_City_Stat()"},
        {[] { return Get_City_Stat(0, 10); }, "nStat out of bounds in Get_City_Stat(0,[10])"},
        {[] { return Get_City_Stat(-3, 0); }, "nCity out of bounds in Get_City_Stat([-3],0)"},
        {[] { return Get_Team_City_Stat(41, 0); }, "nTeam out of bounds in Get_Team_City_Stat([41],0)"},
        {[] { return Get_Team_City_Stat(0, 12); }, "nStat out of bounds in Get_Team_City_Stat(0,[12])"},
        {[] { return Get_Team_City_Stat(1, 0); }, "Team city [150]"},
        {[] { return Swap_Cities(0, 100), 0; }, "nCity out of bounds in Swap_Cities(0,[100])"},
        {[] { return Clear_City(100), 0; }, "nCity out of bounds in Clear_City([100])"},
    };
    for (const auto& c : Case) {
        EXPECT_EQ(c.Call(), 0) << c.szText;
        EXPECT_TRUE(Errors_Reported() == 1 && Last_Error_Contains(c.szText)) << c.szText;
    }
    Set_City_Stat(NO_TEAM, 0, 5);   // setters ignore NO_TEAM silently
    EXPECT_EQ(Errors_Reported(), 0);
    EXPECT_EQ(Is_City_Named(101), 0);   // reported without a message of its own
    EXPECT_EQ(Errors_Reported(), 1);
    EXPECT_TRUE(Before.Unchanged());

    // The good paths.
    Set_City_Stat(0, CITY_STAT_ALTITUDE, 5280);
    EXPECT_EQ(Get_Team_City_Stat(0, CITY_STAT_ALTITUDE), 5280);
}

TEST_F(CitiesTest, DeleteKeepsFranchisesOnTheirCities)
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
    EXPECT_EQ(League.Team[1].nTeamStat[TEAM_STAT_CITY], 2);
    // The editor stays on the same place, now the next city.
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_CITY), 2);
    EXPECT_EQ(League.City[4].szName[0], '\0');

    // Deleting the last city moves the editor's city back by one.
    Make_Named_City(4, "Fresno");
    Set_User_Preference(PREF_CURRENT_CITY, 4);
    EXPECT_EQ(Delete_City(), 1);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_CITY), 3);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(CitiesTest, DeleteRefusesACityInUse)
{
    Make_Named_City(0, "Akron");
    Make_Named_City(1, "Boise");
    Use_Franchise(0, 1, "Boise", "Spuds");
    Set_User_Preference(PREF_CURRENT_CITY, 1);
    Count_Teams();   // the shared team count is stored before the snapshot
    LEAGUE_SNAPSHOT Before;
    EXPECT_EQ(Delete_City(), 0);
    EXPECT_TRUE(Before.Unchanged());
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Can't Erase City");
    EXPECT_NE(ui::Shown_Boxes()[0].Text.find("Boise Spuds"), std::string::npos);

    // A franchise slot not in use does not hold a city.
    League.Team[0].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE;
    EXPECT_EQ(Delete_City(), 1);
    EXPECT_EQ(Count_Cities(), 1);

    // A current city beyond the table: the three setters' messages, no change.
    Set_User_Preference(PREF_CURRENT_CITY, 150);
    LEAGUE_SNAPSHOT Before2;
    Errors_Reported();
    EXPECT_EQ(Delete_City(), 0);
    EXPECT_EQ(Errors_Reported(), 12);
    EXPECT_TRUE(Last_Error_Contains("Invalid nCity in Set_City_Stat()"));
    EXPECT_TRUE(Before2.Unchanged());
}

TEST_F(CitiesTest, SwapCompactAndSortCarryFranchisesAndTheEditorCity)
{
    Make_Named_City(0, "Zeta");
    Make_Named_City(1, "Yuma");
    Make_Named_City(3, "alpha");   // entry 2 is a hole
    Make_Named_City(4, "Boston");
    Use_Franchise(0, 0);
    Use_Franchise(1, 3);
    Use_Franchise(2, 4);
    Set_User_Preference(PREF_CURRENT_CITY, 1);

    Swap_Cities(0, 1);
    EXPECT_EQ(Name(0), "Yuma");
    EXPECT_EQ(League.Team[0].nTeamStat[TEAM_STAT_CITY], 1);
    EXPECT_EQ(Get_User_Preference(PREF_CURRENT_CITY), 0);

    Compact_Cities();
    EXPECT_EQ(Count_Cities(), 4);
    Sort_Cities();
    // Byte order: upper case before lower case.
    const char* szSorted[] = {"Boston", "Yuma", "Zeta", "alpha"};
    for (int c = 0; c < 4; c++)
        EXPECT_EQ(Name(c), szSorted[c]);
    EXPECT_EQ(Team_City_Name(0), "Zeta");
    EXPECT_EQ(Team_City_Name(1), "alpha");
    EXPECT_EQ(Team_City_Name(2), "Boston");
    EXPECT_EQ(Name(Get_User_Preference(PREF_CURRENT_CITY)), "Yuma");
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(CitiesTest, BestFreeCityByMarketValue)
{
    EXPECT_EQ(Find_Best_Free_City(), -1);   // no city at all

    // (population + market + 10 x growth) x (income + 25,000) / 50,000: 3,700,000
    Make_City(0, "Default", {1000000, 2500000, 20000, 25000, 0, 0, 0, 0, 0, 0});
    // 4,000,000
    Make_City(1, "Growing", {500000, 1000000, 100000, 55000, 0, 0, 0, 0, 0, 0});
    // 9,000,000 x 75,000 / 50,000 = 13,500,000, but a franchise plays there
    Make_City(2, "Taken", {9000000, 0, 0, 50000, 0, 0, 0, 0, 0, 0});
    Use_Franchise(0, 2);
    EXPECT_EQ(Find_Best_Free_City(), 1);

    // A tie keeps the first.
    Make_City(3, "Twin", {500000, 1000000, 100000, 55000, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Find_Best_Free_City(), 1);

    // Figures at the ends of the int32 range do not overflow.
    Make_City(4, "Huge", {INT_MAX, INT_MAX, INT_MAX / 10, INT_MAX, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Find_Best_Free_City(), 4);
    Use_Franchise(1, 4);
    Use_Franchise(2, 1);
    Use_Franchise(3, 3);
    EXPECT_EQ(Find_Best_Free_City(), 0);
    Use_Franchise(4, 0);
    EXPECT_EQ(Find_Best_Free_City(), -1);   // every city is taken

    // Half up: 25,000 / 50,000 gives 1; 24,999 / 50,000 gives 0, which never wins.
    for (int t = 0; t < 5; t++)
        League.Team[t].nTeamStat[TEAM_STAT_CONTROLLER] = CONTROLLER_NOT_IN_USE;
    std::memset(League.City, 0, sizeof(League.City));
    Make_City(0, "Small", {1, 0, 0, -1, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Find_Best_Free_City(), -1);
    Make_City(1, "Half", {1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Find_Best_Free_City(), 1);
    Make_City(2, "Negative", {-5000000, 0, 0, 25000, 0, 0, 0, 0, 0, 0});
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
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Confirm City Export");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Do you want to export the current cities to the file \"Cities.txt\"?");
    EXPECT_EQ(ui::Shown_Boxes()[0].Style & (BOX_BUTTON_MASK | BOX_DEFAULT_SECOND), BOX_YESNO | BOX_DEFAULT_SECOND);
    EXPECT_EQ(ui::Shown_Boxes()[1].Caption, "City Export Complete");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "4 cities exported to \"Cities.txt\"");
    EXPECT_EQ(Read_Text_File("Cities.txt", "<missing>"),
              "Zurich,400000,1300000,9000,60000,1340,-8541,47376,3,0,0\n"
              "Austin,950000,2300000,40000,31000,489,97743,30267,1,0,0\n"
              "Washington  D.C.,700000,6300000,15000,45000,0,77036,38907,3,0,0\n"
              "Boise,235000,750000,12000,27000,2730,116200,43615,2,5,-6\n");
    EXPECT_EQ(Read_Text_File("Cities.txt.tmp", "<missing>"), "<missing>");

    CITY Saved[4];
    std::memcpy(Saved, League.City, sizeof(Saved));
    League.City[1].nStat[0] = 1;   // the import must replace whatever is there
    Make_Named_City(7, "Leftover");
    ui::Clear_Shown_Boxes();
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), 4);
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);   // no franchise moved
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Confirm City Import");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Do you want to import the current cities to the file \"Cities.txt\"?\n\n"
                                         "This will erase all current cities and stats.");
    EXPECT_NE(ui::Shown_Boxes()[0].Style & BOX_DEFAULT_SECOND, 0u);
    EXPECT_EQ(ui::Shown_Boxes()[1].Caption, "City Import Complete");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "4 cities imported from \"Cities.txt\"");

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
    EXPECT_EQ(Import_Cities(), 4);
    EXPECT_EQ(Name(1), "An Extremely Long C");
    EXPECT_EQ(Name(3), "Gamma");
    for (int n = 0; n < CITY_STAT_COUNT; n++)
        EXPECT_EQ(League.City[0].nStat[n], n + 1);
    EXPECT_EQ(League.City[1].nStat[0], 5000);
    EXPECT_EQ(League.City[1].nStat[1], 0);
    const int nGamma[CITY_STAT_COUNT] = {INT_MAX, INT_MIN, 123, -7, 0, 0, 0, 0, 0, 0};
    for (int n = 0; n < CITY_STAT_COUNT; n++)
        EXPECT_EQ(League.City[3].nStat[n], nGamma[n]) << n;
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(CitiesTest, ImportStopsAfterOneHundredLines)
{
    std::string Text;
    char szLine[64];
    for (int i = 0; i < 105; i++) {
        std::snprintf(szLine, sizeof(szLine), "City %03d,%d", i, i);
        Text += szLine;
        if (i < 104)
            Text += "\n";   // the last line has no line end
    }
    Write_File(Text.c_str());
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), 100);
    EXPECT_EQ(Name(99), "City 099");

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
    const SHOWN_BOX& Moves = ui::Shown_Boxes()[2];
    EXPECT_EQ(Moves.Caption, "Franchises Moved");
    EXPECT_NE(Moves.Text.find("The Gone Ghosts now play in Alpha (was Gone City)."), std::string::npos);
    EXPECT_NE(Moves.Text.find("The Far Foxes now play in Gamma (was Faraway)."), std::string::npos);
    EXPECT_EQ(Moves.Text.find("Bats"), std::string::npos);
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

    ASSERT_EQ(std::remove("Cities.txt"), 0);
    ui::Clear_Shown_Boxes();
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), -1);
    ASSERT_EQ(ui::Shown_Boxes().size(), 2u);
    EXPECT_EQ(ui::Shown_Boxes()[1].Caption, "Import City Error");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "Unable to open the city import file \"Cities.txt\".");
    EXPECT_TRUE(Before.Unchanged());

    // A file that cannot be read (here a folder of that name) changes nothing.
    ASSERT_EQ(mkdir("Cities.txt", 0700), 0);
    ui::Queue_Answer(ID_YES);
    EXPECT_EQ(Import_Cities(), -1);
    EXPECT_EQ(ui::Shown_Boxes().back().Caption, "Import City Error");
    EXPECT_TRUE(Before.Unchanged());
    ASSERT_EQ(rmdir("Cities.txt"), 0);

    // Export: No writes nothing.
    ui::Clear_Shown_Boxes();
    EXPECT_EQ(Export_Cities(), -1);
    EXPECT_EQ(Read_Text_File("Cities.txt", "<missing>"), "<missing>");
}

}  // namespace
