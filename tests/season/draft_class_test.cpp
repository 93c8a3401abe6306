// Reading a draft class into the college pools: which file, which records,
// records made sound before they reach the league, photos, and the missing
// and damaged files that leave the pools to generated rookies.
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "league/league_fixture.h"
#include "league/player_stats.h"
#include "league/season_lines.h"
#include "season/draft_class.h"
#include "season_cycle_fixture.h"
#include "test_support.h"

namespace {

class DraftClassTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"draft_class"};
    std::vector<PLAYER> Records = std::vector<PLAYER>(1000);

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        season_cycle::Build_League(2);   // the 2020 season: the class of 2021
        Forget_Missing_Draft_Class_Notice();
        std::memset(static_cast<void*>(Records.data()), 0, 756000);
        std::filesystem::create_directories("databases");
    }

    PLAYER& Record(int i, int nID, const char* szLast, int nPosition = POSITION_WR)
    {
        PLAYER& R = Records[size_t(i)];
        R.nVital[VITAL_PLAYER_ID] = nID;
        R.nVital[VITAL_POSITION] = nPosition;
        R.bStat[BYTE_STAT_DEPTH_SLOT] = static_cast<uint8_t>(nPosition);
        std::strncpy(R.szLastName, szLast, sizeof(R.szLastName) - 1);
        std::strncpy(R.szFirstName, "Rook", sizeof(R.szFirstName) - 1);
        for (float& f : R.fRating)
            f = 60.0f;
        return R;
    }

    void Write_Class(const char* szPath, size_t nBytes = 756000) const
    {
        std::string Bytes(reinterpret_cast<const char*>(Records.data()), 756000);
        Bytes.resize(nBytes, '\0');
        std::ofstream(szPath, std::ios::binary) << Bytes;
    }

    static std::string Last_Name(int nTeam, int nSlot)
    {
        char szName[64] = "";
        Get_Player_Last_Name(nTeam, nSlot, szName);
        return szName;
    }

    // The pool slot holding the last name, as "team/slot", or "" when none.
    static std::string Where_Is(const char* szLast)
    {
        for (int t = 0; t < TOTAL_NUMBER_OF_TEAMS; ++t) {
            for (int s = 0; s < PLAYERS_PER_TEAM; ++s) {
                if (Get_Player_ID(t, s) != 0 && Last_Name(t, s) == szLast)
                    return std::to_string(t) + "/" + std::to_string(s);
            }
        }
        return "";
    }
};

TEST_F(DraftClassTest, TheClassOfNextYearFillsThePoolsFromItsFirst300Records)
{
    char szPath[64];
    Get_Draft_Class_Database_Path(szPath, sizeof(szPath), 2019);
    EXPECT_STREQ(szPath, "databases/rookies-2020.dat");

    Record(0, 9001, "Alpha");
    Record(150, 9002, "Beta", POSITION_QB);
    Record(299, 9003, "Gamma");
    Record(300, 9004, "Delta");   // written, never read
    Record(999, 9005, "Omega");
    Record(1, 0, "Empty");        // an empty record clears its slot
    Write_Class("databases/rookies-2021.dat");
    // Whatever the pool held before in a slot an empty record lands on goes.
    Put_Player(38, 1, 555, POSITION_K);

    ASSERT_EQ(Load_Draft_Class_Database(), 1);
    EXPECT_EQ(Where_Is("Alpha"), "38/0");
    EXPECT_EQ(Where_Is("Beta"), "39/50");
    EXPECT_EQ(Where_Is("Gamma"), "40/99");
    EXPECT_EQ(Where_Is("Delta"), "");
    EXPECT_EQ(Where_Is("Omega"), "");
    EXPECT_EQ(Get_Player_ID(38, 1), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(39, 50, VITAL_POSITION), POSITION_QB);
    // Each one is a new player of this league: a new ID, no draft word, his
    // draft score from this league's rule, college seasons of his own.
    for (const auto& [t, s] : {std::pair{38, 0}, std::pair{39, 50}, std::pair{40, 99}}) {
        EXPECT_GT(Get_Player_ID(t, s), 0);
        EXPECT_NE(Get_Player_ID(t, s), 9001);
        EXPECT_EQ(Get_Player_Vital_Stat(t, s, VITAL_DRAFTED_BY), 0);
        EXPECT_EQ(Get_Player_Vital_Stat(t, s, VITAL_INJURY), -1);
        const int nScore = std::min(Get_Player_Stat(t, s, 2, 299), 127);
        EXPECT_EQ(static_cast<int8_t>(Get_Player_Byte_Stat(t, s, 5)), nScore);
    }
    EXPECT_NE(Get_Player_ID(38, 0), Get_Player_ID(39, 50));
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// The links of a class record index the season lines of the league that
// wrote it; in this league those lines belong to others and must survive.
TEST_F(DraftClassTest, RecordsAreMadeSoundBeforeTheyReachTheLeague)
{
    Stamp_Season_Line(5, 2018, 1, 0, 16);
    Stamp_Season_Line(6, 2019, 1, 0, 12);
    PLAYER& Linked = Record(0, 9001, "Linked");
    for (int32_t& n : Linked.nSeasonLink)
        n = -1;
    Linked.nSeasonLink[0] = 5;
    Linked.nSeasonLink[1] = 6;
    Linked.nCurrentLine = 6;
    PLAYER& Long = Record(1, 9002, "X");
    std::memset(Long.szLastName, 'L', sizeof(Long.szLastName));   // no end
    std::memset(Long.szCorvelID, 'c', sizeof(Long.szCorvelID));
    Long.fRating[RATING_SPEED] = std::numeric_limits<float>::quiet_NaN();
    Long.fRating[RATING_POWER] = std::numeric_limits<float>::infinity();
    Long.fRating[RATING_HANDS] = 5000.0f;
    Long.fRating[RATING_VISION] = -3.0f;
    Record(2, 9003, "NoPlace", 15);   // a position outside 0-14
    Record(3, 9004, "BadSlot").bStat[BYTE_STAT_DEPTH_SLOT] = 43;
    Record(4, 9005, "Receiver").bStat[BYTE_STAT_DEPTH_SLOT] = 16;   // right wide receiver
    Write_Class("databases/rookies-2021.dat");

    ASSERT_EQ(Load_Draft_Class_Database(), 1);
    EXPECT_FALSE(Is_Season_Line_Zero(5));
    EXPECT_FALSE(Is_Season_Line_Zero(6));
    EXPECT_EQ(League.SeasonLines[5][3], 16);
    EXPECT_EQ(League.SeasonLines[6][3], 12);
    const PLAYER& Rookie = League.Team[38].Player[0];
    for (int32_t nLink : Rookie.nSeasonLink) {
        EXPECT_NE(nLink, 5);
        EXPECT_NE(nLink, 6);
    }
    EXPECT_NE(Rookie.nCurrentLine, 5);
    EXPECT_NE(Rookie.nCurrentLine, 6);
    // The next pool set-up erases the rookie's lines: never the others'.
    Erase_Player_Season_Lines(38, 0);
    EXPECT_EQ(League.SeasonLines[5][3], 16);
    EXPECT_EQ(League.SeasonLines[6][3], 12);

    EXPECT_EQ(Last_Name(38, 1), std::string(19, 'L'));
    char szID[16] = "";
    Get_Player_Corvel_ID(38, 1, szID);
    EXPECT_EQ(std::string(szID), std::string(11, 'c'));
    const PLAYER& Stored = League.Team[38].Player[1];
    EXPECT_EQ(Stored.fRating[RATING_SPEED], Get_Default_Rating(RATING_SPEED));
    EXPECT_EQ(Stored.fRating[RATING_POWER], Get_Default_Rating(RATING_POWER));
    EXPECT_EQ(Stored.fRating[RATING_HANDS], Get_Default_Rating(RATING_HANDS));
    EXPECT_EQ(Stored.fRating[RATING_VISION], Get_Default_Rating(RATING_VISION));
    EXPECT_EQ(Stored.fRating[RATING_RECEIVING], 60.0f);

    EXPECT_EQ(Get_Player_ID(38, 2), 0);
    EXPECT_EQ(Get_Player_ID(38, 3), 0);
    EXPECT_NE(Get_Player_ID(38, 4), 0);
    EXPECT_EQ(Get_Player_Byte_Stat(38, 4, BYTE_STAT_DEPTH_SLOT), 16);
}

TEST_F(DraftClassTest, AStoredPhotoIsCopiedUnlessOneIsThereOrTheIdIsNoPlainName)
{
    std::strcpy(Record(0, 9001, "Pic").szCorvelID, "pic01");
    std::strcpy(Record(1, 9002, "Kept").szCorvelID, "kept01");
    std::strcpy(Record(2, 9003, "Odd").szCorvelID, "../x");
    Write_Class("databases/rookies-2021.dat");
    std::filesystem::create_directories("Input/Stats/Players");
    std::filesystem::create_directories("Photos/Downloads");
    std::ofstream("Input/Stats/Players/pic01.dat") << "photo one";
    std::ofstream("Input/Stats/Players/kept01.dat") << "photo two";
    std::ofstream("Photos/Downloads/kept01.jpg") << "the user's own";
    std::ofstream("Input/Stats/x.dat") << "outside";

    ASSERT_EQ(Load_Draft_Class_Database(), 1);
    EXPECT_EQ(Read_Text_File("Photos/Downloads/pic01.jpg"), "photo one");
    EXPECT_EQ(Read_Text_File("Photos/Downloads/kept01.jpg"), "the user's own");
    EXPECT_FALSE(std::filesystem::exists("Photos/x.jpg"));
    EXPECT_EQ(Where_Is("Odd"), "38/2");   // the player comes all the same
}

TEST_F(DraftClassTest, MissingOrDamagedClassesLeaveThePoolsToGeneratedRookies)
{
    Put_Player(38, 0, 444, POSITION_QB);
    // Missing, for a class year up to 2023: the box, nothing read.
    EXPECT_EQ(Load_Draft_Class_Database(), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Generating Random Rookies");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "databases/rookies-2021.dat not found. Generating random rookies.");
    EXPECT_EQ(Get_Player_ID(38, 0), 444);

    // One byte short or one too many: damaged, said so, nothing read.
    Record(0, 9001, "Short");
    for (size_t nBytes : {size_t(755999), size_t(756001), size_t(0)}) {
        ui::Reset();
        Write_Class("databases/rookies-2021.dat", nBytes);
        EXPECT_EQ(Load_Draft_Class_Database(), 0) << nBytes;
        ASSERT_EQ(ui::Shown_Boxes().size(), 1u) << nBytes;
        EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Generating Random Rookies");
        EXPECT_NE(ui::Shown_Boxes()[0].Text.find("databases/rookies-2021.dat is damaged"), std::string::npos)
            << ui::Shown_Boxes()[0].Text;
        EXPECT_EQ(Where_Is("Short"), "") << nBytes;
        EXPECT_EQ(Get_Player_ID(38, 0), 444);
    }
    // A folder of that name is no class either.
    ui::Reset();
    std::filesystem::remove("databases/rookies-2021.dat");
    std::filesystem::create_directories("databases/rookies-2021.dat");
    EXPECT_EQ(Load_Draft_Class_Database(), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_NE(ui::Shown_Boxes()[0].Text.find("damaged"), std::string::npos);

    // After 2023 no class was ever made: a missing one says nothing.
    ui::Reset();
    Set_Universe_Stat(FIRST_SEASON_YEAR, 2023);
    EXPECT_EQ(Load_Draft_Class_Database(), 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// A league built from one year's database misses every later class: the
// box shows once a run, never in a run with every club the computer's
// (Play Multiple Seasons, the simulator), and each miss is in the log.
TEST_F(DraftClassTest, AMissingClassIsToldOnceARunAndNeverToAnUnattendedRun)
{
    const std::string Line = "databases/rookies-2021.dat not found. Generating random rookies.";
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    EXPECT_EQ(Load_Draft_Class_Database(), 0);
    EXPECT_EQ(Load_Draft_Class_Database(), 0);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Count_Logged_Lines(Line), 2);

    // Attended: the first miss in a box, the next ones in the log only.
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    EXPECT_EQ(Load_Draft_Class_Database(), 0);
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Caption, "Generating Random Rookies");
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, Line);
    Set_User_Preference(PREF_SEASON_INDEX, 1);   // 2021: the class of 2022
    EXPECT_EQ(Load_Draft_Class_Database(), 0);
    EXPECT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(Count_Logged_Lines(Line), 3);

    // A damaged class is no miss: it is told each time, but to nobody in an
    // unattended run.
    Write_Class("databases/rookies-2022.dat", 100);
    EXPECT_EQ(Load_Draft_Class_Database(), 0);
    EXPECT_EQ(Load_Draft_Class_Database(), 0);
    EXPECT_EQ(ui::Shown_Boxes().size(), 3u);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    EXPECT_EQ(Load_Draft_Class_Database(), 0);
    EXPECT_EQ(ui::Shown_Boxes().size(), 3u);
}

}  // namespace
