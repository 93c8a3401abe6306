// The default league: its data files, the generator's determinism and the
// league a load of its file gives.

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "frontoffice/college_count.h"
#include "gamefile/game_file.h"
#include "league/cities.h"
#include "league/league_structure.h"
#include "league/player.h"
#include "league/preferences.h"
#include "league/team.h"
#include "schedule/schedule_driver.h"
#include "test_support.h"
#include "tools/default_league_inputs.h"
#include "tools/default_league/default_league.h"

namespace {

namespace fs = std::filesystem;

std::string Source_Data_Folder()
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    return std::string(szSource != nullptr ? szSource : ".") + "/data";
}

void Write_File(const std::string& Path, const std::string& Text)
{
    FILE* pFile = std::fopen(Path.c_str(), "wb");
    ASSERT_NE(pFile, nullptr) << Path;
    ASSERT_EQ(std::fwrite(Text.data(), 1, Text.size(), pFile), Text.size());
    ASSERT_EQ(std::fclose(pFile), 0);
}

// Line feeds, plus one for a last line without one: counted here apart from
// the generator's own count.
int Lines_Of(const std::string& Text)
{
    int n = 0;
    for (char c : Text)
        n += c == '\n';
    return n + (!Text.empty() && Text.back() != '\n' ? 1 : 0);
}

// Generates the league in a fresh scratch folder of its own and returns the
// file's bytes.
std::string Generate_In_Scratch(const char* szTag)
{
    SCRATCH_FOLDER Scratch(szTag);
    EXPECT_TRUE(Scratch.Ready());
    Copy_Default_League_Inputs();
    std::string Problem;
    EXPECT_TRUE(Write_Default_League(DEFAULT_LEAGUE_DATABASE, Problem)) << Problem;
    return Read_Text_File(DEFAULT_LEAGUE_DATABASE, "(none)");
}

// A starting line-up and a backup for it at every position (two at the
// line positions of two starters and so on); kickers and punters one.
constexpr int POSITION_MINIMUM[NUMBER_OF_POSITIONS] = {2, 2, 1, 2, 4, 3, 3, 2, 3, 3, 4, 3, 3, 1, 1};

class DefaultLeagueTest : public LeagueTest {};

}  // namespace

TEST(DefaultLeagueTables, RosterIsFiftyThreeWithStartersWithinIt)
{
    int nTotal = 0;
    for (int p = 0; p < NUMBER_OF_POSITIONS; ++p) {
        nTotal += DEFAULT_ROSTER[p];
        EXPECT_GE(DEFAULT_ROSTER[p], DEFAULT_STARTERS[p]) << p;
        EXPECT_GE(DEFAULT_ROSTER[p], POSITION_MINIMUM[p]) << p;
        // Never more than a new club's quota of the position.
        const int QUOTA[NUMBER_OF_POSITIONS] = {3, 4, 2, 4, 6, 4, 4, 2, 5, 4, 7, 5, 5, 1, 1};
        EXPECT_LE(DEFAULT_ROSTER[p], QUOTA[p]) << p;
    }
    EXPECT_EQ(nTotal, 53);
    EXPECT_EQ(DEFAULT_ROSTER_SIZE, 53);
}

TEST_F(DefaultLeagueTest, DataFilesReadWithTheirFigures)
{
    SCRATCH_FOLDER Scratch("default_league_files");
    ASSERT_TRUE(Scratch.Ready());
    Copy_Default_League_Inputs();
    std::vector<CITY_ROW> Cities;
    std::vector<FRANCHISE_ROW> Franchises;
    LEAGUE_SETTINGS_ROWS Settings;
    std::string Problem;
    ASSERT_TRUE(Read_Cities_File(DEFAULT_LEAGUE_CITIES_FILE, Cities, Problem)) << Problem;
    ASSERT_TRUE(Read_Franchises_File(DEFAULT_LEAGUE_FRANCHISES_FILE, Franchises, Problem)) << Problem;
    ASSERT_TRUE(Read_League_Settings_File(DEFAULT_LEAGUE_SETTINGS_FILE, Settings, Problem)) << Problem;

    // 30 cities: New York and Los Angeles hold two clubs each.
    EXPECT_EQ(Cities.size(), 30u);
    ASSERT_EQ(Franchises.size(), 32u);
    int nDivisionTeams[NUMBER_OF_DIVISIONS] = {};
    for (const FRANCHISE_ROW& Row : Franchises) {
        ++nDivisionTeams[Row.nDivision];
        ASSERT_LT(Row.nCity, static_cast<int>(Cities.size()));
        EXPECT_EQ(Cities[Row.nCity].Name, Row.City);
    }
    for (int d = 0; d < NUMBER_OF_DIVISIONS; ++d)
        EXPECT_EQ(nDivisionTeams[d], 4) << d;

    EXPECT_EQ(Settings.nFirstSeasonYear, 2019);
    EXPECT_EQ(Settings.nSalaryCap, 188200000);
    EXPECT_EQ(Settings.nGamesPerSeason, 16);
    // Six playoff clubs a league: four division winners and two wild cards.
    EXPECT_EQ(Settings.nWildCardTeams, 2);
    EXPECT_EQ(Settings.nPlayoffTeamsPerLeague, 4 + Settings.nWildCardTeams);
    // 188,200,000 x 1000 / 224,800,000 = 837.2.
    EXPECT_EQ(Settings.nInflationFactor, 837);
}

TEST_F(DefaultLeagueTest, FaultyDataFilesAreRefusedWithTheirLine)
{
    SCRATCH_FOLDER Scratch("default_league_faults");
    ASSERT_TRUE(Scratch.Ready());
    const std::string CityHeader =
        "name,population,region_population,growth,income,altitude,longitude,latitude,time_zone\n";
    const std::string TeamHeader = "abbreviation,city,nickname,stadium,division,city_index,capacity,year_built\n";
    std::vector<CITY_ROW> Cities;
    std::vector<FRANCHISE_ROW> Franchises;
    LEAGUE_SETTINGS_ROWS Settings;
    std::string Problem;

    // A CRLF file with a blank line reads; its figures come through.
    Write_File("c.csv", "name,population,region_population,growth,income,altitude,longitude,latitude,time_zone\r\n"
                        "\r\nDenver, 727211,2967239,40000,40000,5280,104990,39739,1\r\n");
    ASSERT_TRUE(Read_Cities_File("c.csv", Cities, Problem)) << Problem;
    ASSERT_EQ(Cities.size(), 1u);
    EXPECT_EQ(Cities[0].Name, "Denver");
    EXPECT_EQ(Cities[0].nPopulation, 727211);
    EXPECT_EQ(Cities[0].nAltitude, 5280);
    EXPECT_EQ(Cities[0].nTimeZone, 1);

    struct CASE {
        const char* szText;
        const char* szPart;
    };
    const CASE CITY_CASES[] = {
        {"name,population\nX,1\n", "line 1: the header must be"},
        {"Denver,1,2,3,4,5,6,7\n", "line 2: 8 fields, 9 expected"},
        {"Denver,1,2,3,4,5,6,7,4\n", "field 9 (\"4\") must be a whole number from 0 to 3"},
        {"Denver,1,2,3,4,5,6,7x,1\n", "field 8"},
        {"A Name Of Twenty Chars,1,2,3,4,5,6,7,1\n", "a city name has 1 to 19 characters"},
        {"Denver,1,2,3,4,5,6,7,1\n\nDenver,1,2,3,4,5,6,7,1\n", "line 4: the city \"Denver\" is listed twice"},
        {"", "lists no city"},
    };
    for (const CASE& Case : CITY_CASES) {
        SCOPED_TRACE(Case.szText);
        Write_File("c.csv", std::string(Case.szText).rfind("name,population\n", 0) == 0 ? Case.szText
                                                                                        : CityHeader + Case.szText);
        EXPECT_FALSE(Read_Cities_File("c.csv", Cities, Problem));
        EXPECT_NE(Problem.find(Case.szPart), std::string::npos) << Problem;
    }
    const CASE TEAM_CASES[] = {
        {"DEN,Denver,Peaks,Field,8,0,70000,2001\n", "division 0-7"},
        {"DEN,Denver,Peaks,Field,3,100,70000,2001\n", "city index 0-99"},
        {"DENV,Denver,Peaks,Field,3,0,70000,2001\n", "at most 3 characters"},
        {"DEN,Denver,,Field,3,0,70000,2001\n", "names have 1 to 31 characters"},
        {"DEN,Denver,Peaks,Field,3,0,70000,2001\nDEN,Denver,Pikes,Field,3,0,70000,2001\n",
         "line 3: the abbreviation \"DEN\" is used twice"},
    };
    for (const CASE& Case : TEAM_CASES) {
        SCOPED_TRACE(Case.szText);
        Write_File("f.csv", TeamHeader + Case.szText);
        EXPECT_FALSE(Read_Franchises_File("f.csv", Franchises, Problem));
        EXPECT_NE(Problem.find(Case.szPart), std::string::npos) << Problem;
    }
    const std::string Good = "setting,value\nfirst_season_year,2019\nsalary_cap,188200000\ngames_per_season,16\n"
                             "wild_card_teams,2\nplayoff_teams_per_league,6\ninflation_factor,837\nfree_agents,90\n"
                             "seed,7\n";
    Write_File("s.csv", Good);
    ASSERT_TRUE(Read_League_Settings_File("s.csv", Settings, Problem)) << Problem;
    EXPECT_EQ(Settings.nSeed, 7u);
    const CASE SETTING_CASES[] = {
        {"colour,red\n", "unknown setting \"colour\""},
        {"seed,8\n", "\"seed\" is set twice"},
        {"division_name_3,Twelve Chars\n", "a division name has at most 11 characters"},
    };
    for (const CASE& Case : SETTING_CASES) {
        SCOPED_TRACE(Case.szText);
        Write_File("s.csv", Good + Case.szText);
        EXPECT_FALSE(Read_League_Settings_File("s.csv", Settings, Problem));
        EXPECT_NE(Problem.find(Case.szPart), std::string::npos) << Problem;
    }
    std::string Long = Good;
    Long.replace(Long.find("games_per_season,16"), 19, "games_per_season,18");
    Write_File("s.csv", Long);
    EXPECT_FALSE(Read_League_Settings_File("s.csv", Settings, Problem));
    EXPECT_NE(Problem.find("line 4: \"games_per_season\" must be a whole number from 4 to 17"), std::string::npos)
        << Problem;
    Write_File("s.csv", "setting,value\nfirst_season_year,2019\n");
    EXPECT_FALSE(Read_League_Settings_File("s.csv", Settings, Problem));
    EXPECT_NE(Problem.find("does not set \"salary_cap\""), std::string::npos) << Problem;

    // A franchise whose city index names another city stops the build.
    ASSERT_EQ(::mkdir("league", 0777), 0);
    Write_File(DEFAULT_LEAGUE_CITIES_FILE, CityHeader + "Denver,1,2,3,4,5,6,7,1\nBoston,1,2,3,4,5,6,7,3\n");
    Write_File(DEFAULT_LEAGUE_FRANCHISES_FILE, TeamHeader + "DEN,Denver,Peaks,Field,3,1,70000,2001\n");
    Write_File(DEFAULT_LEAGUE_SETTINGS_FILE, Good);
    EXPECT_FALSE(Build_Default_League(Problem));
    EXPECT_NE(Problem.find("DEN names the city \"Denver\", which is not city 1"), std::string::npos) << Problem;
    // And a missing file says so.
    ASSERT_EQ(::unlink(DEFAULT_LEAGUE_SETTINGS_FILE), 0);
    EXPECT_FALSE(Write_Default_League(DEFAULT_LEAGUE_DATABASE, Problem));
    EXPECT_NE(Problem.find("\"league/settings-2019.csv\" cannot be read"), std::string::npos) << Problem;
    EXPECT_FALSE(files::File_Exists(DEFAULT_LEAGUE_DATABASE));
}

TEST(DefaultLeagueNames, NameFileLinesAreCountedWhateverTheEnding)
{
    SCRATCH_FOLDER Scratch("default_league_names");
    ASSERT_TRUE(Scratch.Ready());
    EXPECT_EQ(Count_Name_File_Lines("none.txt"), 0);
    Write_File("a.txt", "");
    EXPECT_EQ(Count_Name_File_Lines("a.txt"), 0);
    Write_File("a.txt", "Ann\nBea\n");
    EXPECT_EQ(Count_Name_File_Lines("a.txt"), 2);
    Write_File("a.txt", "Ann\nBea");
    EXPECT_EQ(Count_Name_File_Lines("a.txt"), 2);
    Write_File("a.txt", "Ann\r\nBea\r\nCid\r\n");
    EXPECT_EQ(Count_Name_File_Lines("a.txt"), 3);
}

// Two builds in two folders of different paths give the same bytes: nothing
// of the time, the folder or an earlier build enters the file. The build's
// own file, made by the generator program from the same data, is the same.
TEST_F(DefaultLeagueTest, SameBytesOnEveryBuildWhateverTheFolder)
{
    const std::string First = Generate_In_Scratch("default_league_a");
    // Something else in memory between the builds.
    Zero_League_Data();
    Set_User_Preference(PREF_SEASON_INDEX, 7);
    const std::string Second = Generate_In_Scratch("default_league_bb");
    ASSERT_GT(First.size(), 1000u);
    EXPECT_EQ(First.substr(0, 17), "RIRARUVAZAVIZ2101");
    EXPECT_TRUE(First == Second) << "the two builds differ";

    const std::string Built = Read_Text_File("../data/Databases/Universe-2019.dat", "(none)");
    if (Built != "(none)") {
        EXPECT_TRUE(Built == First) << "the build's file differs from a build here";
    }
}

TEST_F(DefaultLeagueTest, LoadedLeagueIsTheLeagueOf2019ReadyToPlay)
{
    SCRATCH_FOLDER Scratch("default_league_load");
    ASSERT_TRUE(Scratch.Ready());
    Copy_Default_League_Inputs();
    std::string Problem;
    ASSERT_TRUE(Write_Default_League(DEFAULT_LEAGUE_DATABASE, Problem)) << Problem;
    Zero_League_Data();
    ASSERT_EQ(Load_Universe_Database(DEFAULT_LEAGUE_DATABASE), 1);

    // The league of 2019 on day 0 with a complete schedule of 16 games.
    EXPECT_EQ(Get_Current_Year(), 2019);
    EXPECT_EQ(Get_Current_Week(), 0);
    EXPECT_EQ(Get_Universe_Stat(SALARY_CAP), 188200000);
    EXPECT_EQ(Get_Games_Per_Season(), 16);
    EXPECT_EQ(Get_Universe_Stat(WILD_CARD_TEAMS), 2);
    EXPECT_TRUE(Is_Schedule_Complete(16));
    EXPECT_EQ(Get_Universe_Word(FICTIONAL_PLAYERS_WORD), 1);
    EXPECT_EQ(Get_Universe_Word(FICTIONAL_ROOKIES_WORD), 1);
    EXPECT_EQ(Get_User_Preference(PREF_FIRST_NAME_LIST),
              Lines_Of(Read_Text_File(Source_Data_Folder() + "/names/first.txt")));
    EXPECT_EQ(Get_User_Preference(PREF_LAST_NAME_LIST),
              Lines_Of(Read_Text_File(Source_Data_Folder() + "/names/last.txt")));
    char szName[LEAGUE_NAME_SIZE];
    Get_League_Name(1, szName);
    EXPECT_STREQ(szName, "National");
    char szDivision[DIVISION_NAME_SIZE];
    Get_Division_Name(6, szDivision);
    EXPECT_STREQ(szDivision, "South");

    // The 32 franchises of the file, each with its names, division and city.
    ASSERT_EQ(Count_Teams(), 32);
    std::vector<FRANCHISE_ROW> Franchises;
    std::vector<CITY_ROW> Cities;
    ASSERT_TRUE(Read_Franchises_File(DEFAULT_LEAGUE_FRANCHISES_FILE, Franchises, Problem)) << Problem;
    ASSERT_TRUE(Read_Cities_File(DEFAULT_LEAGUE_CITIES_FILE, Cities, Problem)) << Problem;
    std::set<int> Found;
    for (const FRANCHISE_ROW& Row : Franchises) {
        SCOPED_TRACE(Row.Abbreviation);
        int nTeam = -1;
        for (int t = 0; t < Count_Teams(); ++t) {
            char szText[TEAM_STRING_SIZE];
            Get_Team_String(szText, t, TEAM_STRING_ABBREVIATION);
            if (Row.Abbreviation == szText)
                nTeam = t;
        }
        ASSERT_GE(nTeam, 0);
        Found.insert(nTeam);
        char szText[TEAM_STRING_SIZE];
        Get_Team_String(szText, nTeam, TEAM_STRING_CITY);
        EXPECT_EQ(Row.City, szText);
        Get_Team_String(szText, nTeam, TEAM_STRING_NICKNAME);
        EXPECT_EQ(Row.Nickname, szText);
        Get_Team_String(szText, nTeam, TEAM_STRING_STADIUM);
        EXPECT_EQ(Row.Stadium, szText);
        EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_STAT_DIVISION), Row.nDivision);
        EXPECT_EQ(Get_Team_Stadium_Stat(nTeam, STADIUM_STAT_CAPACITY), Row.nCapacity);
        char szCity[CITY_NAME_SIZE];
        Get_City_Name(Get_Team_Stat(nTeam, TEAM_STAT_CITY), szCity, sizeof szCity);
        EXPECT_EQ(Row.City, szCity);
        const CITY_ROW& City = Cities[Row.nCity];
        EXPECT_EQ(Get_Team_City_Stat(nTeam, CITY_STAT_ALTITUDE), City.nAltitude);
        EXPECT_EQ(Get_Team_City_Stat(nTeam, CITY_STAT_REGION_POPULATION), City.nRegionPopulation);
        EXPECT_EQ(Get_Team_Stat(nTeam, TEAM_STAT_TIME_ZONE), City.nTimeZone);
    }
    EXPECT_EQ(Found.size(), 32u);
    // Hand-checked row: Denver, a mile high, in the first league's West.
    for (int t = 0; t < Count_Teams(); ++t) {
        char szText[TEAM_STRING_SIZE];
        Get_Team_String(szText, t, TEAM_STRING_ABBREVIATION);
        if (std::string(szText) != "DEN")
            continue;
        EXPECT_EQ(Get_Team_City_Stat(t, CITY_STAT_ALTITUDE), 5280);
        EXPECT_EQ(Get_Team_Stat(t, TEAM_STAT_DIVISION), 3);
    }

    // Rosters: 53 players, every position at least at its minimum, ages
    // 21-35, every player fictional; IDs unique and not 0 league-wide.
    std::set<int> IDs;
    int nPlayers = 0;
    auto Check_Player = [&](int t, int s) {
        const int nID = Get_Player_ID(t, s);
        EXPECT_NE(nID, 0);
        EXPECT_TRUE(IDs.insert(nID).second) << "ID " << nID << " twice";
        EXPECT_EQ(Get_Player_Vital_Stat(t, s, VITAL_FLAGS) & 1, 1) << t << "/" << s;
        char szLast[PLAYER_LAST_NAME_SIZE];
        std::snprintf(szLast, sizeof szLast, "%s", League.Team[t].Player[s].szLastName);
        EXPECT_STRNE(szLast, "") << t << "/" << s;
        ++nPlayers;
    };
    for (int t = 0; t < Count_Teams(); ++t) {
        SCOPED_TRACE(t);
        EXPECT_EQ(Count_Team_Players(t), 53);
        for (int p = 0; p < NUMBER_OF_POSITIONS; ++p)
            EXPECT_GE(Count_Team_Position_Players(t, p), POSITION_MINIMUM[p]) << p;
        EXPECT_EQ(Count_Team_Position_Players(t, POSITION_K), 1);
        EXPECT_EQ(Count_Team_Position_Players(t, POSITION_P), 1);
        for (int s = 0; s < Count_Team_Players(t); ++s) {
            Check_Player(t, s);
            EXPECT_GE(Get_Player_Age(t, s), 21);
            EXPECT_LE(Get_Player_Age(t, s), 35);
            EXPECT_EQ(Get_Player_Vital_Stat(t, s, VITAL_SEASONS_PLAYED), std::max(0, Get_Player_Age(t, s) - 22));
            const float fOverall = Get_Player_Overall_Rating(t, s);
            EXPECT_GE(fOverall, 40.0f);
            EXPECT_LE(fOverall, 99.0f);
        }
    }
    // Free agents: the settings' 90.
    EXPECT_EQ(Find_Roster_End(FREE_AGENT_TEAM), 90);
    for (int s = 0; s < Find_Roster_End(FREE_AGENT_TEAM); ++s)
        Check_Player(FREE_AGENT_TEAM, s);
    // The college pools: a league of 32 drafts from (32 x 291 + 16) / 32 =
    // 291 prospects, every one a generated rookie of 21 to 24 (the pools keep
    // 18 and up, so none is dropped), and the three pools of 100 hold them all.
    const int nCollege = Count_College_Players();
    EXPECT_EQ(nCollege, 291);
    int nPooled = 0;
    for (int t = FIRST_DRAFT_POOL_TEAM; t <= LAST_DRAFT_POOL_TEAM; ++t) {
        for (int s = 0; s < Find_Roster_End(t); ++s) {
            Check_Player(t, s);
            EXPECT_GE(Get_Player_Age(t, s), 21) << t << "/" << s;
            EXPECT_LE(Get_Player_Age(t, s), 24) << t << "/" << s;
            ++nPooled;
        }
    }
    EXPECT_EQ(nPooled, 291);
    EXPECT_EQ(nPlayers, 32 * 53 + 90 + nCollege);
}
