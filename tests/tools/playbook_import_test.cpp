// A built season's playbooks: the defensive fronts by slot and year, the
// running-quarterback years, and books named after the franchise and year.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "engine/playbooks.h"
#include "league/league_fixture.h"
#include "test_support.h"
#include "tools/playbook_import.h"

namespace {

constexpr const char* NICKNAMES[] = {"Bears", "Lions", "Hawks", "Owls"};

class PlaybookImportTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"playbook_import"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        std::filesystem::create_directories("playbooks");
        Set_Universe_Stat(FIRST_SEASON_YEAR, 2019);
        Use_Teams(4);
    }

    static void Use_Teams(int nTeams)
    {
        Use_Franchises(nTeams);
        for (int t = 0; t < nTeams; ++t) {
            Set_Team_String(t < 4 ? NICKNAMES[t] : ("Club" + std::to_string(t)).c_str(), t, TEAM_STRING_NICKNAME);
            // The default book carries the stored name along: clear it.
            Build_Team_Default_Playbook(t);
            Get_Offensive_Playbook_Area(t)->szName[0] = '\0';
            Get_Defensive_Playbook_Area(t)->szName[0] = '\0';
        }
    }

    // A sound book file whose stored name marks it.
    static void Write_Book(const char* szFile, const char* szMark)
    {
        const bool bOffence = std::strstr(szFile, ".opb") != nullptr;
        std::string Bytes;
        if (bOffence) {
            OFFENSIVE_PLAYBOOK_AREA Area;
            std::memcpy(&Area, Get_Offensive_Playbook_Area(0), sizeof(Area));
            std::snprintf(Area.szName, sizeof(Area.szName), "%s", szMark);
            Bytes.assign(reinterpret_cast<const char*>(&Area), sizeof(Area));
        } else {
            DEFENSIVE_PLAYBOOK_AREA Area;
            std::memcpy(&Area, Get_Defensive_Playbook_Area(0), sizeof(Area));
            std::snprintf(Area.szName, sizeof(Area.szName), "%s", szMark);
            Bytes.assign(reinterpret_cast<const char*>(&Area), sizeof(Area));
        }
        FILE* pFile = std::fopen((std::string("playbooks/") + szFile).c_str(), "wb");
        ASSERT_NE(pFile, nullptr);
        std::fwrite(Bytes.data(), 1, Bytes.size(), pFile);
        std::fclose(pFile);
    }

    static std::string Offence(int t) { return Get_Offensive_Playbook_Area(t)->szName; }
    static std::string Defence(int t) { return Get_Defensive_Playbook_Area(t)->szName; }
};

TEST(DefensiveFrontTest, FrontsFollowTheSlotAndTheYearFrom2016)
{
    char szFront[8] = "x";
    EXPECT_EQ(Get_Defensive_Front_Name(szFront, 0, 2015), 0);
    EXPECT_STREQ(szFront, "");
    EXPECT_EQ(Get_Defensive_Front_Name(szFront, 0, 2016), 1);
    EXPECT_STREQ(szFront, "3-4");
    Get_Defensive_Front_Name(szFront, 0, 2017);
    EXPECT_STREQ(szFront, "3-4");
    Get_Defensive_Front_Name(szFront, 0, 2018);
    EXPECT_STREQ(szFront, "4-3");
    Get_Defensive_Front_Name(szFront, 0, 2030);   // the 2018 column
    EXPECT_STREQ(szFront, "4-3");
    Get_Defensive_Front_Name(szFront, 5, 2017);
    EXPECT_STREQ(szFront, "4-3");
    Get_Defensive_Front_Name(szFront, 5, 2019);
    EXPECT_STREQ(szFront, "3-4");
    Get_Defensive_Front_Name(szFront, 17, 2016);
    EXPECT_STREQ(szFront, "4-3");
    Get_Defensive_Front_Name(szFront, 17, 2018);
    EXPECT_STREQ(szFront, "3-4");
    Get_Defensive_Front_Name(szFront, 27, 2022);
    EXPECT_STREQ(szFront, "4-3");
    Get_Defensive_Front_Name(szFront, 31, 2016);
    EXPECT_STREQ(szFront, "3-4");
    EXPECT_EQ(Get_Defensive_Front_Name(szFront, 32, 2019), 0);
    EXPECT_EQ(Get_Defensive_Front_Name(szFront, -1, 2019), 0);
}

TEST_F(PlaybookImportTest, BooksNamedAfterTheYearComeFirstThenTheNickname)
{
    Write_Book("2019-Bears.opb", "YearBears");
    Write_Book("Bears.opb", "PlainBears");
    Write_Book("Lions.opb", "PlainLions");
    Write_Book("2018-Lions.opb", "LastYearLions");
    Write_Book("Hawks.dpb", "HawkDefence");
    const std::string OwlsOffence = Offence(3);

    const PLAYBOOK_IMPORT_COUNTS Counts = Load_Playbooks(1);
    EXPECT_EQ(Counts.nOffensive, 2);
    EXPECT_EQ(Counts.nDefensive, 1);
    EXPECT_EQ(Offence(0), "YearBears");
    EXPECT_EQ(Offence(1), "PlainLions");
    EXPECT_EQ(Defence(2), "HawkDefence");
    EXPECT_EQ(Offence(3), OwlsOffence);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Import Playbooks");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "2 Offensive Playbooks loaded.\n\n1 Defensive Playbooks loaded.");
    EXPECT_EQ(ui::Progress().Title, "Loading Playbooks...");
    EXPECT_EQ(ui::Progress().Steps, 8);
    EXPECT_EQ(ui::Progress().Position, 8);
    EXPECT_FALSE(ui::Progress().Open);

    // Without bShow nothing is shown.
    ui::Reset();
    const PLAYBOOK_IMPORT_COUNTS Quiet = Load_Playbooks(0);
    EXPECT_EQ(Quiet.nOffensive, 2);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(ui::Progress().TimesOpened, 0);
}

// A damaged book is named in the box (the Advanced Tools button shows it),
// as the script's line names it; its club keeps the book it had.
TEST_F(PlaybookImportTest, TheBoxNamesTheDamagedBooksItSkipped)
{
    Write_Book("Lions.opb", "PlainLions");
    std::FILE* pFile = std::fopen("playbooks/Bears.opb", "wb");
    ASSERT_NE(pFile, nullptr);
    std::fputs("cut short", pFile);
    std::fclose(pFile);
    std::filesystem::create_directories("playbooks/2019-Hawks.dpb");
    const std::string BearsOffence = Offence(0);

    const PLAYBOOK_IMPORT_COUNTS Counts = Load_Playbooks(1);
    ASSERT_EQ(Counts.Refused.size(), 2u);
    EXPECT_EQ(Offence(0), BearsOffence);
    EXPECT_EQ(Offence(1), "PlainLions");
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Import Playbooks");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "1 Offensive Playbooks loaded.\n\n0 Defensive Playbooks loaded.\n\nThese files are not a whole "
              "playbook and did not load; each club keeps the playbook it had:\n" +
                  Counts.Refused[0] + " (" + Counts.Problems[0] + ")\n" + Counts.Refused[1] + " (" +
                  Counts.Problems[1] + ")");
    EXPECT_NE(Counts.Refused[0].find("Bears.opb"), std::string::npos) << Counts.Refused[0];
    EXPECT_NE(Counts.Refused[1].find("2019-Hawks.dpb"), std::string::npos) << Counts.Refused[1];
}

TEST_F(PlaybookImportTest, TheBuilderStepSetsFrontsFrom2016AndRunningBooksIn2013To2015)
{
    Use_Teams(30);
    Write_Book("3-4.dpb", "ThreeFour");
    Write_Book("4-3.dpb", "FourThree");
    Write_Book("Running-QB.opb", "RunningQB");
    Write_Book("2015-Bears.opb", "Bears2015");

    Set_Universe_Stat(FIRST_SEASON_YEAR, 2016);
    Set_Team_Stat(1, TEAM_STAT_DEFENSE_ALIGNMENT, 1);
    Assign_Database_Playbooks();
    EXPECT_EQ(Defence(0), "ThreeFour");
    EXPECT_EQ(Get_Team_Stat(0, TEAM_STAT_DEFENSE_ALIGNMENT), 1);
    EXPECT_EQ(Defence(1), "FourThree");
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_DEFENSE_ALIGNMENT), 0);
    EXPECT_NE(Offence(4), "RunningQB");
    EXPECT_NE(Offence(0), "Bears2015");
    EXPECT_TRUE(ui::Shown_Boxes().empty());

    // 2015: no fronts, the running book for slots 4, 28 and 27 (31 is not in
    // use), the year's own book last.
    Use_Teams(30);
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2015);
    Set_Team_Stat(1, TEAM_STAT_DEFENSE_ALIGNMENT, 1);
    Assign_Database_Playbooks();
    EXPECT_EQ(Get_Team_Stat(1, TEAM_STAT_DEFENSE_ALIGNMENT), 1);
    EXPECT_NE(Defence(0), "ThreeFour");
    for (int t : {4, 27, 28})
        EXPECT_EQ(Offence(t), "RunningQB") << t;
    for (int t : {1, 3, 5, 26, 29})
        EXPECT_NE(Offence(t), "RunningQB") << t;
    EXPECT_EQ(Offence(0), "Bears2015");

    // 2012: neither.
    Use_Teams(30);
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2012);
    Assign_Database_Playbooks();
    EXPECT_NE(Offence(4), "RunningQB");
}

}  // namespace
