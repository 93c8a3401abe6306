// Playbook files: exact-size images in and out, refused names and sizes,
// repairs of damaged files; the offensive systems that load them.

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "engine/offensive_systems.h"
#include "engine/playbook_files.h"
#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "league/preferences.h"
#include "league/team.h"
#include "platform/errors.h"
#include "test_support.h"

namespace {

class PlaybookFilesTest : public LeagueTest {
protected:
    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(m_Folder.Ready());
        Use_Franchises(4);
        for (int t = 0; t < 4; ++t)
            Build_Team_Default_Playbook(t);
        ::mkdir("playbooks", 0755);
        Reset_Error_Count();
    }

    static std::string Bytes_Of(const void* p, size_t n) { return std::string(static_cast<const char*>(p), n); }

    static void Write_Raw(const std::string& Path, const std::string& Bytes)
    {
        FILE* pFile = std::fopen(Path.c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        std::fwrite(Bytes.data(), 1, Bytes.size(), pFile);
        std::fclose(pFile);
    }

    // A default offensive image with marks in the carried bytes, the tallies,
    // the name and the selection flags.
    static std::string Marked_Offense()
    {
        OFFENSIVE_PLAYBOOK_AREA Area;
        std::memcpy(&Area, Get_Offensive_Playbook_Area(0), sizeof(Area));
        Area.Carried1[7] = 0x11;
        Area.nYards[12][3] = -45;
        Area.nFirstDowns[59][4] = 9;
        std::strcpy(Area.szName, "Marked");
        Area.bSelected[33] = 1;
        Area.Carried3[2043] = 0x77;
        return Bytes_Of(&Area, sizeof(Area));
    }

    SCRATCH_FOLDER m_Folder{"playbooks"};
};

TEST_F(PlaybookFilesTest, OffensiveFileRoundTripsByteForByte)
{
    const std::string Image = Marked_Offense();
    std::memcpy(Get_Offensive_Playbook_Area(2), Image.data(), Image.size());
    Set_User_Preference(PREF_CURRENT_TEAM, 2);
    Set_User_Preference(PREF_PLAYBOOK_EDITOR_FIRST, PLAYBOOK_OFFENSE);
    ASSERT_EQ(Write_Playbook_File("playbooks/Marked.opb"), PLAYBOOK_WRITE_OK);
    EXPECT_EQ(Read_Text_File("playbooks/Marked.opb"), Image);
    EXPECT_EQ(Read_Text_File("playbooks/Marked.opb.tmp", "none"), "none");

    ASSERT_TRUE(Load_Playbook_File(1, PLAYBOOK_OFFENSE, "Marked"));
    EXPECT_EQ(Bytes_Of(Get_Offensive_Playbook_Area(1), OFFENSIVE_PLAYBOOK_SIZE), Image);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(PlaybookFilesTest, DefensiveFileRoundTripsByteForByte)
{
    DEFENSIVE_PLAYBOOK_AREA& Area = *Get_Defensive_Playbook_Area(3);
    Area.nYards[29][5] = -3;
    Area.Carried[0] = 0x42;
    std::strcpy(Area.szName, "Three Four");
    const std::string Image = Bytes_Of(&Area, sizeof(Area));
    Set_User_Preference(PREF_CURRENT_TEAM, 3);
    Set_User_Preference(PREF_PLAYBOOK_EDITOR_FIRST, PLAYBOOK_DEFENSE);
    ASSERT_EQ(Write_Playbook_File("playbooks/3-4.dpb"), PLAYBOOK_WRITE_OK);
    EXPECT_EQ(Read_Text_File("playbooks/3-4.dpb").size(), 9516u);

    ASSERT_TRUE(Load_Playbook_File(0, PLAYBOOK_DEFENSE, "3-4"));
    EXPECT_EQ(Bytes_Of(Get_Defensive_Playbook_Area(0), DEFENSIVE_PLAYBOOK_SIZE), Image);
}

TEST_F(PlaybookFilesTest, FilesOfAnyOtherSizeAreRefusedWhole)
{
    const std::string Image = Marked_Offense();
    Write_Raw("playbooks/Short.opb", Image.substr(0, OFFENSIVE_PLAYBOOK_SIZE - 1));
    Write_Raw("playbooks/Long.opb", Image + "x");
    Write_Raw("playbooks/Empty.opb", "");
    Write_Raw("playbooks/Offense.dpb", Image);   // an offensive image named as a defence
    LEAGUE_SNAPSHOT Before;
    EXPECT_FALSE(Load_Playbook_File(1, PLAYBOOK_OFFENSE, "Short"));
    EXPECT_FALSE(Load_Playbook_File(1, PLAYBOOK_OFFENSE, "Long"));
    EXPECT_FALSE(Load_Playbook_File(1, PLAYBOOK_OFFENSE, "Empty"));
    EXPECT_FALSE(Load_Playbook_File(1, PLAYBOOK_DEFENSE, "Offense"));
    EXPECT_FALSE(Load_Playbook_File(1, PLAYBOOK_OFFENSE, "Missing"));
    EXPECT_TRUE(Before.Unchanged());
}

TEST_F(PlaybookFilesTest, UnsafeNamesAreRefused)
{
    ::mkdir("outside", 0755);
    Write_Raw("outside/Escape.opb", Marked_Offense());
    Write_Raw("playbooks/Fine.opb", Marked_Offense());
    LEAGUE_SNAPSHOT Before;
    for (const char* szName : {"../outside/Escape", "..", "a/b", "a\\b", "Fine\n", "", "Fi\x01ne"})
        EXPECT_FALSE(Load_Playbook_File(1, PLAYBOOK_OFFENSE, szName)) << szName;
    EXPECT_FALSE(Load_Playbook_File(1, PLAYBOOK_OFFENSE, nullptr));
    EXPECT_FALSE(Load_Playbook_File(1, 2, "Fine"));
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_FALSE(Delete_Playbook_File("../outside/Escape", PLAYBOOK_OFFENSE));
    EXPECT_NE(Read_Text_File("outside/Escape.opb", "gone"), "gone");

    EXPECT_TRUE(Is_Safe_Playbook_Name("Air Tarrow"));
    EXPECT_TRUE(Is_Safe_Playbook_Name(std::string(PLAYBOOK_FILE_NAME_LIMIT, 'a').c_str()));
    EXPECT_FALSE(Is_Safe_Playbook_Name(std::string(PLAYBOOK_FILE_NAME_LIMIT + 1, 'a').c_str()));
    char szPath[64];
    EXPECT_TRUE(Build_Playbook_File_Path("4-3", PLAYBOOK_DEFENSE, szPath, sizeof(szPath)));
    EXPECT_STREQ(szPath, "playbooks/4-3.dpb");
    EXPECT_FALSE(Build_Playbook_File_Path("4-3", PLAYBOOK_DEFENSE, szPath, 12));   // too small
    EXPECT_STREQ(szPath, "");
}

TEST_F(PlaybookFilesTest, TeamsNotInUseLoadIntoTheScratchArea)
{
    const std::string Image = Marked_Offense();
    Write_Raw("playbooks/Marked.opb", Image);
    LEAGUE_SNAPSHOT Before;
    ASSERT_TRUE(Load_Playbook_File(5, PLAYBOOK_OFFENSE, "Marked"));      // slot not in use
    EXPECT_TRUE(Before.Unchanged());
    EXPECT_EQ(Bytes_Of(Get_Offensive_Scratch_Area(), OFFENSIVE_PLAYBOOK_SIZE), Image);
    std::memset(Get_Offensive_Scratch_Area(), 0, OFFENSIVE_PLAYBOOK_SIZE);
    ASSERT_TRUE(Load_Playbook_File(255, PLAYBOOK_OFFENSE, "Marked"));
    EXPECT_EQ(Bytes_Of(Get_Offensive_Scratch_Area(), OFFENSIVE_PLAYBOOK_SIZE), Image);
    EXPECT_TRUE(Before.Unchanged());
    ASSERT_TRUE(Load_Playbook_File(38, PLAYBOOK_OFFENSE, "Marked"));     // a pool keeps its own
    EXPECT_EQ(Bytes_Of(Get_Offensive_Playbook_Area(38), OFFENSIVE_PLAYBOOK_SIZE), Image);

    int nCounts[48];
    Count_Scratch_Playbook_Formations(PLAYBOOK_OFFENSE, nCounts);
    // Built-in plays 0-53: Pro Set (3) holds 0-4, 10, 12, 13, 20-22, 31, 40, 41, 45 and 52.
    EXPECT_EQ(nCounts[3], 16);
    EXPECT_EQ(nCounts[18], 1);                                          // the pistol draw
}

TEST_F(PlaybookFilesTest, DamagedEntriesAreRepairedOnLoad)
{
    OFFENSIVE_PLAYBOOK_AREA Area;
    std::memcpy(&Area, Get_Offensive_Playbook_Area(0), sizeof(Area));
    std::memset(Area.Play[0].szName, 'A', PLAY_NAME_SIZE);       // no terminator
    Area.Play[0].nCarrier = 40;
    Area.Play[0].nRoute[2] = 57;
    Area.Play[0].nRunHole = 12;
    Area.Play[1].nFormation = 30;                                 // a defensive formation
    Area.Play[2].nType = 23;
    std::memset(Area.szNotes, 'n', PLAYBOOK_NOTES_SIZE);
    Write_Raw("playbooks/Damaged.opb", Bytes_Of(&Area, sizeof(Area)));

    ASSERT_TRUE(Load_Playbook_File(1, PLAYBOOK_OFFENSE, "Damaged"));
    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(1, 0, szName);
    EXPECT_EQ(std::string(szName), std::string(PLAY_NAME_SIZE - 1, 'A'));
    // Pro 21 Dive, a run from the Pro Set: its halfback (place 1) carries
    // again, the lost route reads as 0 and the lost hole as 2.
    EXPECT_EQ(Get_Offensive_Play_Carrier(1, 0), 1);
    EXPECT_EQ(Get_Offensive_Play_Route(1, 0, 2), 0);
    EXPECT_EQ(Get_Offensive_Play_Route(1, 0, 1), 13);             // the good ones stay
    EXPECT_EQ(Get_Offensive_Playbook_Area(1)->Play[0].nRunHole, 2);   // stored repaired
    // A play of no known formation or type is its built-in call again.
    EXPECT_EQ(std::memcmp(&Get_Offensive_Playbook_Area(1)->Play[1], &BUILT_IN_OFFENSIVE_PLAYS[1], sizeof(OFFENSIVE_PLAY)), 0);
    EXPECT_EQ(std::memcmp(&Get_Offensive_Playbook_Area(1)->Play[2], &BUILT_IN_OFFENSIVE_PLAYS[2], sizeof(OFFENSIVE_PLAY)), 0);
    EXPECT_TRUE(Is_Valid_Offensive_Play(1, 3));
    EXPECT_EQ(Get_Offensive_Playbook_Area(1)->szNotes[PLAYBOOK_NOTES_SIZE - 1], 0);
    EXPECT_NE(Read_Text_File(DEBUG_LOG_FILE).find(
                  "Playbook \"playbooks/Damaged.opb\": 4 plays or texts repaired into ones the game can run."),
              std::string::npos);

    DEFENSIVE_PLAYBOOK_AREA Defense;
    std::memcpy(&Defense, Get_Defensive_Playbook_Area(0), sizeof(Defense));
    Defense.Play[4].nResponsibility[10] = 19;
    Defense.Play[5].nFormation = 21;
    Write_Raw("playbooks/Damaged.dpb", Bytes_Of(&Defense, sizeof(Defense)));
    ASSERT_TRUE(Load_Playbook_File(1, PLAYBOOK_DEFENSE, "Damaged"));
    EXPECT_EQ(Get_Defensive_Play_Role(1, 4, 10), BUILT_IN_DEFENSIVE_PLAYS[4].nResponsibility[10]);
    EXPECT_EQ(Get_Defensive_Play_Formation(1, 5), BUILT_IN_DEFENSIVE_PLAYS[5].nFormation);
    EXPECT_TRUE(Is_Valid_Defensive_Play(1, 4));
    EXPECT_TRUE(Is_Valid_Defensive_Play(1, 5));
}

TEST_F(PlaybookFilesTest, WriteFailuresLeaveNothingBehind)
{
    Write_Raw("plain", "not a folder");
    Set_User_Preference(PREF_CURRENT_TEAM, 1);
    Set_User_Preference(PREF_PLAYBOOK_EDITOR_FIRST, PLAYBOOK_OFFENSE);
    int nError = 0;
    EXPECT_EQ(Write_Playbook_File("plain/Book.opb", &nError), PLAYBOOK_WRITE_OPEN_FAILED);
    EXPECT_EQ(nError, ENOTDIR);   // the system's cause goes to the caller
    EXPECT_EQ(Write_Playbook_File("playbooks/Fine.opb", &nError), PLAYBOOK_WRITE_OK);
    EXPECT_EQ(nError, 0);
    Write_Raw("playbooks/Keep.opb", "old");
    ::chmod("playbooks", 0555);
    const bool bEnforced = ::access("playbooks", W_OK) != 0;   // root ignores modes
    if (bEnforced) {
        EXPECT_EQ(Write_Playbook_File("playbooks/Keep.opb", &nError), PLAYBOOK_WRITE_OPEN_FAILED);
        EXPECT_EQ(nError, EACCES);
        EXPECT_EQ(Read_Text_File("playbooks/Keep.opb"), "old");
    }
    ::chmod("playbooks", 0755);
}

TEST_F(PlaybookFilesTest, SaveNamesAndListing)
{
    Set_Team_String("Hawks", 2, TEAM_STRING_NICKNAME);
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2017;
    Set_User_Preference(PREF_SEASON_INDEX, 2);
    char szName[64];
    Get_Default_Playbook_Save_Name(2, PLAYBOOK_OFFENSE, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Hawks-2019");
    Get_Default_Playbook_Save_Name(39, PLAYBOOK_OFFENSE, szName, sizeof(szName));
    EXPECT_STREQ(szName, "-2019");

    Set_User_Preference(PREF_CURRENT_TEAM, 2);
    Set_User_Preference(PREF_PLAYBOOK_EDITOR_FIRST, PLAYBOOK_DEFENSE);
    Set_Playbook_Name("A name that runs on past thirty-seven characters");
    Get_Default_Playbook_Save_Name(2, PLAYBOOK_DEFENSE, szName, sizeof(szName));
    EXPECT_STREQ(szName, "A name that runs on past thirty-seven");
    Get_Default_Playbook_Save_Name(2, PLAYBOOK_OFFENSE, szName, sizeof(szName));
    EXPECT_STREQ(szName, "Hawks-2019");

    Write_Raw("playbooks/West Coast.opb", "");
    Write_Raw("playbooks/Air Tarrow.OPB", "");
    Write_Raw("playbooks/4-3.dpb", "");
    const std::vector<std::string> Offense = List_Playbook_Files(PLAYBOOK_OFFENSE);
    ASSERT_EQ(Offense.size(), 2u);
    EXPECT_EQ(Offense[0], "Air Tarrow");
    EXPECT_EQ(Offense[1], "West Coast");
    EXPECT_TRUE(Delete_Playbook_File("4-3", PLAYBOOK_DEFENSE));
    EXPECT_TRUE(List_Playbook_Files(PLAYBOOK_DEFENSE).empty());
}

// ---------------------------------------------------------------------------
// Offensive systems

TEST(OffensiveSystemsTest, FormationFitReadsTheTables)
{
    EXPECT_EQ(Get_Offensive_Formation_System_Match(3, 18), 2000);   // "Pistol", Two Back
    EXPECT_EQ(Get_Offensive_Formation_System_Match(0, 1), 1750);    // "Strong 'I'", Default
    EXPECT_EQ(Get_Offensive_Formation_System_Match(1, 2), 200);
    EXPECT_EQ(Get_Offensive_Formation_System_Match(2, 21), 1200);   // "Wildcat"
    EXPECT_EQ(Get_Defensive_Formation_System_Match(1, 25), 1000);   // "3-4"
    EXPECT_EQ(Get_Defensive_Formation_System_Match(0, 28), 700);    // "5-2"
    EXPECT_EQ(Get_Defensive_Formation_System_Match(1, 36), 700);    // "Prevent"
    Reset_Error_Count();
    EXPECT_EQ(Get_Offensive_Formation_System_Match(2, 42), 750);    // kicks fit every system
    EXPECT_EQ(Get_Error_Count(), 0);
    EXPECT_EQ(Get_Offensive_Formation_System_Match(2, 39), 750);
    EXPECT_EQ(Get_Defensive_Formation_System_Match(0, 21), 500);
    EXPECT_EQ(Get_Error_Count(), 2);
    EXPECT_NE(std::string(Get_Recent_Errors()).find("Invalid formation in Get_Defensive_Formation_System_Match(0, [21])"),
              std::string::npos);
}

class SeasonPlaybooksTest : public PlaybookFilesTest {};

TEST_F(SeasonPlaybooksTest, EraAndSlotNameTheBook)
{
    EXPECT_STREQ(Get_Season_Offensive_Playbook_Name(10, 1955), "Old School");
    EXPECT_STREQ(Get_Season_Offensive_Playbook_Name(10, 1965), "Featured FB");
    EXPECT_STREQ(Get_Season_Offensive_Playbook_Name(10, 1990), "Two Back");          // code 3
    EXPECT_STREQ(Get_Season_Offensive_Playbook_Name(0, 1990), "Double Tight End");   // code 2
    EXPECT_STREQ(Get_Season_Offensive_Playbook_Name(3, 2005), "Default");            // 0 up to 2005
    EXPECT_STREQ(Get_Season_Offensive_Playbook_Name(3, 2006), "West Coast");         // then 1
    EXPECT_STREQ(Get_Season_Offensive_Playbook_Name(2, 2017), "Single Back");
    EXPECT_STREQ(Get_Season_Offensive_Playbook_Name(2, 2019), "Running QB");
    EXPECT_STREQ(Get_Season_Offensive_Playbook_Name(2, 2020), "Single Back");
    EXPECT_STREQ(Get_Season_Offensive_Playbook_Name(16, 2016), "Single Back");
    EXPECT_STREQ(Get_Season_Offensive_Playbook_Name(29, 2031), "Pocket Passer");
    EXPECT_STREQ(Get_Season_Offensive_Playbook_Name(34, 2019), "Running QB");        // plays as slot 2
    char szName[32];
    Get_Offensive_System_Playbook_Name(1, szName);
    EXPECT_STREQ(szName, "West Coast");
}

TEST_F(SeasonPlaybooksTest, EachTeamLoadsItsBookAndTakesItsSystem)
{
    // A West Coast book whose first play is renamed; team 3 plays system 1 in 2010.
    OFFENSIVE_PLAYBOOK_AREA Area;
    std::memcpy(&Area, Get_Offensive_Playbook_Area(0), sizeof(Area));
    std::strcpy(Area.Play[0].szName, "West Coast Dive");
    Write_Raw("playbooks/west coast.opb", Bytes_Of(&Area, sizeof(Area)));
    League.Universe.nStat[FIRST_SEASON_YEAR] = 2008;
    Set_User_Preference(PREF_SEASON_INDEX, 2);

    Set_Team_Offensive_System();
    char szName[PLAY_NAME_SIZE];
    Get_Offensive_Play_Name(3, 0, szName);
    EXPECT_STREQ(szName, "West Coast Dive");
    Get_Offensive_Play_Name(0, 0, szName);                    // "Double Tight End": no file
    EXPECT_STREQ(szName, "Pro 21 Dive");
    EXPECT_EQ(Get_Team_Stat(3, TEAM_STAT_OFFENSIVE_SYSTEM), 1);
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_OFFENSIVE_SYSTEM), 2);
    EXPECT_EQ(Get_Team_Default_Offensive_System(3), 1);
    EXPECT_EQ(Get_Team_Offensive_System_Match(3, 4), 1000);   // "Ace" in the West Coast
    EXPECT_EQ(Get_Team_Offensive_System_Match(255, 0), 1500); // system 0 for no team
}

}  // namespace
