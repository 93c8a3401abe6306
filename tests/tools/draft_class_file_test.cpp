// Writing the draft class of a built league: the score rule, who is a rookie,
// the order, the overflow at 1,000 rookies, and failures that must keep the
// class a user already had.
#include <signal.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "league/league_fixture.h"
#include "league/player_stats.h"
#include "platform/files.h"
#include "platform/ui.h"
#include "season/player_value.h"
#include "test_support.h"
#include "tools/draft_class_file.h"

namespace {

constexpr int YEAR = 2010;
constexpr const char* CLASS_PATH = "databases/rookies-2010.dat";

class DraftClassFileTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"draft_class_file"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        ASSERT_TRUE(Scratch.Ready());
        Set_Universe_Stat(FIRST_SEASON_YEAR, YEAR);
    }

    // A rookie: no career games, every rating 70, his draft year unknown.
    static void Put_Rookie(int nTeam, int nSlot, int nID, int nPosition = POSITION_WR, int nCareer17 = 0)
    {
        Put_Player(nTeam, nSlot, nID, nPosition, 70.0f).nVital[VITAL_CAREER_GAMES_AND_STARTS] = nCareer17;
    }

    static std::vector<PLAYER> Read_Class()
    {
        std::vector<PLAYER> Records;
        const std::string Bytes = Read_Text_File(CLASS_PATH);
        if (Bytes.size() != DRAFT_CLASS_FILE_SIZE)
            return Records;
        Records.resize(DRAFT_CLASS_RECORDS);
        std::memcpy(static_cast<void*>(Records.data()), Bytes.data(), Bytes.size());
        return Records;
    }

    static std::vector<int> Class_IDs(const std::vector<PLAYER>& Records)
    {
        std::vector<int> IDs;
        for (const PLAYER& Record : Records) {
            if (Record.nVital[VITAL_PLAYER_ID] != 0)
                IDs.push_back(Record.nVital[VITAL_PLAYER_ID]);
        }
        return IDs;
    }
};

TEST(DraftClassScoreTest, ScoresAreClampedThenGetTheDraftYearBonus)
{
    EXPECT_EQ(Get_Draft_Class_Score(120.0f, POSITION_QB, 0), 250);          // 240 + 30 held to 250
    EXPECT_EQ(Get_Draft_Class_Score(120.0f, POSITION_QB, 32010), 300);      // + 50, year 2010 known
    EXPECT_EQ(Get_Draft_Class_Score(10.0f, POSITION_WR, 0), 0);             // 20 - 30 held to 0
    EXPECT_EQ(Get_Draft_Class_Score(10.0f, POSITION_WR, 2009), 50);
    EXPECT_EQ(Get_Draft_Class_Score(10.0f, POSITION_WR, 30000), 0);         // a team but no year
    EXPECT_EQ(Get_Draft_Class_Score(50.7f, POSITION_K, 0), 71);             // 101 truncated, - 30
    EXPECT_EQ(Get_Draft_Class_Score(50.0f, POSITION_QB, 0), 130);
    EXPECT_EQ(Get_Draft_Class_Score(1.0e30f, POSITION_QB, 0), 250);
    EXPECT_EQ(Get_Draft_Class_Score(-1.0e30f, POSITION_QB, 0), 0);
}

TEST_F(DraftClassFileTest, ALeagueWithoutRookiesWritesZeroRecordsAndCountsNone)
{
    Use_Franchises(2);
    Put_Player(0, 0, 11, POSITION_QB);
    League.Team[0].Player[0].nStat[2][0] = 1;   // one career game
    Put_Player(1, 4, 12, POSITION_WR);
    League.Team[1].Player[4].nVital[VITAL_FLAGS] = 1;   // left out of the class
    ASSERT_EQ(Write_Draft_Class_Database(), DRAFT_CLASS_WRITTEN);
    const std::string Bytes = Read_Text_File(CLASS_PATH);
    ASSERT_EQ(Bytes.size(), 756000u);
    EXPECT_EQ(Bytes, std::string(756000, '\0'));
    EXPECT_EQ(Read_Text_File(DRAFT_CLASS_LOG_FILE), "2010,0\n");
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

TEST_F(DraftClassFileTest, RookiesAreOrderedByScorePlusCareerValueKeepingScanOrderOnTies)
{
    Use_Franchises(3);
    Put_Rookie(0, 2, 101, POSITION_WR, 0);
    Put_Rookie(1, 0, 102, POSITION_WR, 5);
    Put_Rookie(1, 1, 103, POSITION_WR, 0);
    Put_Rookie(2, 5, 104, POSITION_WR, 5);
    Put_Rookie(2, 6, 105, POSITION_WR, 2);
    // A quarterback with a known draft year scores far above 127: his byte
    // holds 127, and he still ranks by the whole score.
    Put_Rookie(2, 9, 106, POSITION_QB, 0);
    League.Team[2].Player[9].nVital[VITAL_DRAFTED_BY] = 3 * 10000 + 2010;
    // Players with games, excluded ones, and franchises not in use are not rookies.
    Put_Player(0, 0, 107, POSITION_WR);
    League.Team[0].Player[0].nStat[2][0] = 1;
    Put_Rookie(0, 1, 108);
    League.Team[0].Player[1].nVital[VITAL_FLAGS] = 3;
    Put_Rookie(5, 0, 109);

    const float fPotential = Compute_Player_Potential(0, 2);
    const int nWideScore = std::clamp(static_cast<int>(fPotential * 2.0f) - 30, 0, 250);
    const int nQuarterbackScore = std::min(static_cast<int>(Compute_Player_Potential(2, 9) * 2.0f) + 30, 250) + 50;
    ASSERT_GT(nQuarterbackScore, nWideScore + 5);   // the quarterback leads whatever the receivers' values

    ASSERT_EQ(Write_Draft_Class_Database(), DRAFT_CLASS_WRITTEN);
    const std::vector<PLAYER> Records = Read_Class();
    ASSERT_EQ(Records.size(), 1000u);
    EXPECT_EQ(Class_IDs(Records), (std::vector<int>{106, 102, 104, 105, 101, 103}));
    // Byte statistic 5 is the draft score, held to 127 in the record and the league.
    EXPECT_EQ(Records[0].bStatHigh[1], 127);
    EXPECT_EQ(Get_Player_Byte_Stat(2, 9, 5), 127);
    EXPECT_EQ(Records[1].bStatHigh[1], std::min(nWideScore, 127));
    EXPECT_EQ(Get_Player_Byte_Stat(0, 1, 5), 0);   // not a rookie: untouched
    EXPECT_EQ(Read_Text_File(DRAFT_CLASS_LOG_FILE), "2010,6\n");
    // A second build of the year writes the class again and adds a line.
    ASSERT_EQ(Write_Draft_Class_Database(), DRAFT_CLASS_WRITTEN);
    EXPECT_EQ(Read_Text_File(DRAFT_CLASS_LOG_FILE), "2010,6\n2010,6\n");
}

// A class holds 1,000 rookies: exactly that many are written whole; one
// more writes nothing (a class cut at the thousandth would leave out the
// clubs scanned last) and keeps the class already there.
TEST_F(DraftClassFileTest, AThousandRookiesAreWrittenAndOneMoreWritesNothing)
{
    Use_Franchises(12);
    for (int t = 0; t < 10; ++t) {
        for (int s = 0; s < PLAYERS_PER_TEAM; ++s)
            Put_Rookie(t, s, 1 + t * 100 + s);
    }
    int nRookies = 0;
    ASSERT_EQ(Write_Draft_Class_Database(&nRookies), DRAFT_CLASS_WRITTEN);
    EXPECT_EQ(nRookies, 1000);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    const std::vector<PLAYER> Records = Read_Class();
    ASSERT_EQ(Records.size(), 1000u);
    const std::vector<int> IDs = Class_IDs(Records);
    ASSERT_EQ(IDs.size(), 1000u);
    // Equal rookies: in scan order.
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(IDs[size_t(i)], i + 1) << i;
    EXPECT_EQ(Read_Text_File(DRAFT_CLASS_LOG_FILE), "2010,1000\n");

    Put_Rookie(11, 0, 1101);
    errno = 0;
    EXPECT_EQ(Write_Draft_Class_Database(&nRookies), DRAFT_CLASS_OVERFLOW);
    EXPECT_EQ(nRookies, 1001);
    EXPECT_EQ(Class_IDs(Read_Class()).size(), 1000u);
    EXPECT_EQ(Read_Text_File(DRAFT_CLASS_LOG_FILE), "2010,1000\n");
    EXPECT_EQ(files::List_Folder("databases", files::TEMPORARY_FILE_PATTERN), std::vector<std::string>{});
}

// A write that fails part-way (here: the file size limit) keeps the class
// already there, leaves no temporary behind and logs no count.
TEST_F(DraftClassFileTest, AFailedWriteKeepsThePreviousClass)
{
    Use_Franchises(1);
    Put_Rookie(0, 0, 5);
    std::filesystem::create_directories("databases");
    const std::string Previous = "the class of an earlier build";
    {
        FILE* pFile = std::fopen(CLASS_PATH, "wb");
        ASSERT_NE(pFile, nullptr);
        std::fwrite(Previous.data(), 1, Previous.size(), pFile);
        std::fclose(pFile);
    }
    rlimit Saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Saved), 0);
    rlimit Small = Saved;
    Small.rlim_cur = 100000;
    void (*pOldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
    const int nResult = Write_Draft_Class_Database();
    setrlimit(RLIMIT_FSIZE, &Saved);
    signal(SIGXFSZ, pOldHandler);

    EXPECT_EQ(nResult, DRAFT_CLASS_WRITE_FAILED);
    EXPECT_EQ(Read_Text_File(CLASS_PATH), Previous);
    int nEntries = 0;
    for (const auto& Entry : std::filesystem::directory_iterator("databases")) {
        ++nEntries;
        EXPECT_EQ(Entry.path().filename().string(), "rookies-2010.dat");
    }
    EXPECT_EQ(nEntries, 1);
    EXPECT_FALSE(std::filesystem::exists(DRAFT_CLASS_LOG_FILE));

    // No folder to write in: nothing created, nothing logged.
    std::filesystem::remove_all("databases");
    { FILE* pFile = std::fopen("databases", "wb"); ASSERT_NE(pFile, nullptr); std::fclose(pFile); }
    EXPECT_EQ(Write_Draft_Class_Database(), DRAFT_CLASS_NOT_CREATED);
    EXPECT_FALSE(std::filesystem::exists(DRAFT_CLASS_LOG_FILE));
}

}  // namespace
