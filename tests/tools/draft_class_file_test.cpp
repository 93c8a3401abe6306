// Writing the draft class of a built league: the score rule, who is a rookie,
// the order, the overflow at 1,000 rookies, and failures that must keep the
// class a user already had.
#include <signal.h>
#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
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

// A build stages the class beside the one in use and puts it in place, with
// its log line, only when told: a class staged and then discarded leaves the
// class in use and the log as they were; one that cannot be staged or put in
// place names its year and the file, and keeps the class in use.
TEST_F(DraftClassFileTest, AStagedClassReplacesTheOneInUseOnlyWhenCommitted)
{
    namespace fs = std::filesystem;
    const std::string Staged = std::string(CLASS_PATH) + ".staged";
    EXPECT_EQ(Get_Draft_Class_Path(2010), CLASS_PATH);
    Use_Franchises(1);
    Put_Rookie(0, 0, 5);
    Put_Rookie(0, 1, 6);
    ASSERT_EQ(Write_Draft_Class_Database(), DRAFT_CLASS_WRITTEN);
    const std::string InUse = Read_Text_File(CLASS_PATH);
    ASSERT_EQ(Class_IDs(Read_Class()).size(), 2u);
    Put_Rookie(0, 2, 7);

    // Staged, then discarded: nothing of it stays.
    int nRookies = 0;
    std::string Problem;
    ASSERT_EQ(Stage_Draft_Class(&nRookies, Problem), DRAFT_CLASS_WRITTEN) << Problem;
    EXPECT_EQ(nRookies, 3);
    EXPECT_EQ(Problem, "");
    EXPECT_EQ(Read_Text_File(CLASS_PATH), InUse);
    EXPECT_EQ(fs::file_size(Staged), DRAFT_CLASS_FILE_SIZE);
    EXPECT_EQ(Read_Text_File(DRAFT_CLASS_LOG_FILE), "2010,2\n");
    EXPECT_TRUE(Discard_Draft_Class(YEAR));
    EXPECT_FALSE(fs::exists(Staged));
    EXPECT_FALSE(Discard_Draft_Class(YEAR));
    EXPECT_EQ(Read_Text_File(CLASS_PATH), InUse);

    // Staged, then committed: the new class is in place and logged.
    ASSERT_EQ(Stage_Draft_Class(&nRookies, Problem), DRAFT_CLASS_WRITTEN) << Problem;
    ASSERT_TRUE(Stage_Draft_Class_Log(YEAR, nRookies, Problem)) << Problem;
    EXPECT_EQ(Read_Text_File(DRAFT_CLASS_LOG_FILE), "2010,2\n");
    ASSERT_EQ(Commit_Draft_Class(YEAR, Problem), DRAFT_CLASS_WRITTEN) << Problem;
    EXPECT_EQ(Class_IDs(Read_Class()).size(), 3u);
    EXPECT_FALSE(fs::exists(Staged));
    EXPECT_EQ(Read_Text_File(DRAFT_CLASS_LOG_FILE), "2010,2\n2010,3\n");
    const std::string Three = Read_Text_File(CLASS_PATH);

    // A folder in the class's place would refuse the rename: found at the
    // staging, nothing is staged.
    Put_Rookie(0, 3, 8);
    fs::rename(CLASS_PATH, "kept.dat");
    ASSERT_TRUE(fs::create_directories(std::string(CLASS_PATH) + "/inside"));
    EXPECT_EQ(Stage_Draft_Class(&nRookies, Problem), DRAFT_CLASS_WRITE_FAILED);
    EXPECT_EQ(Problem, "the draft class of 2010 (\"databases/rookies-2010.dat\") could not be written (Is a directory)");
    EXPECT_FALSE(fs::exists(Staged));
    // Made a folder after the staging: the rename fails, the staged class
    // goes, and the problem names the file.
    fs::remove_all(CLASS_PATH);
    ASSERT_EQ(Stage_Draft_Class(&nRookies, Problem), DRAFT_CLASS_WRITTEN) << Problem;
    ASSERT_TRUE(Stage_Draft_Class_Log(YEAR, nRookies, Problem)) << Problem;
    ASSERT_TRUE(fs::create_directories(std::string(CLASS_PATH) + "/inside"));
    EXPECT_EQ(Commit_Draft_Class(YEAR, Problem), DRAFT_CLASS_WRITE_FAILED);
    EXPECT_EQ(Problem.rfind("the draft class of 2010 (\"databases/rookies-2010.dat\") could not be written (", 0), 0u)
        << Problem;
    EXPECT_FALSE(fs::exists(Staged));
    EXPECT_EQ(Read_Text_File(DRAFT_CLASS_LOG_FILE), "2010,2\n2010,3\n");
    fs::remove_all(CLASS_PATH);
    fs::rename("kept.dat", CLASS_PATH);
    // A folder at the staged name: the staged name is the file told.
    ASSERT_TRUE(fs::create_directories(Staged + "/inside"));
    EXPECT_NE(Stage_Draft_Class(&nRookies, Problem), DRAFT_CLASS_WRITTEN);
    EXPECT_EQ(Problem, "the draft class of 2010 (\"databases/rookies-2010.dat.staged\") could not be written (Is a "
                       "directory)");
    EXPECT_FALSE(Discard_Draft_Class(YEAR));
    EXPECT_TRUE(fs::is_directory(Staged));
    fs::remove_all(Staged);
    EXPECT_EQ(Read_Text_File(CLASS_PATH), Three);

    // The class is in place but its line cannot be logged.
    fs::remove(DRAFT_CLASS_LOG_FILE);
    ASSERT_TRUE(fs::create_directories(std::string(DRAFT_CLASS_LOG_FILE) + "/inside"));
    ASSERT_EQ(Stage_Draft_Class(&nRookies, Problem), DRAFT_CLASS_WRITTEN) << Problem;
    EXPECT_FALSE(Stage_Draft_Class_Log(YEAR, nRookies, Problem));
    EXPECT_EQ(Problem, "\"Draft-Class-Rookies.csv\" could not be written (Is a directory)");
    EXPECT_EQ(Commit_Draft_Class(YEAR, Problem), DRAFT_CLASS_WRITTEN) << Problem;
    EXPECT_EQ(Class_IDs(Read_Class()).size(), 4u);
    EXPECT_TRUE(ui::Shown_Boxes().empty());
}

// What a killed build staged is removed whole, whatever its year; nothing
// else of the folder is touched.
TEST_F(DraftClassFileTest, EveryStagedClassLeftBehindIsRemoved)
{
    namespace fs = std::filesystem;
    EXPECT_EQ(Discard_All_Staged_Draft_Classes(), 0);   // no folder yet
    fs::create_directories("databases/rookies-2012.dat.staged");
    for (const char* szName : {"databases/rookies-2010.dat.staged", "databases/rookies-2011.dat.staged",
                               "databases/rookies-2010.dat", "databases/universe-2010.dat",
                               "databases/other.staged", "databases/rookies-abc.dat.staged",
                               "databases/rookies-02010.dat.staged", "databases/rookies-2010 copy.dat.staged",
                               "Draft-Class-Rookies.csv.staged"})
        std::ofstream(szName) << "x";
    // The two classes and the staged log; names no build stages are kept.
    EXPECT_EQ(Discard_All_Staged_Draft_Classes(), 3);
    EXPECT_FALSE(fs::exists("Draft-Class-Rookies.csv.staged"));
    std::vector<std::string> Left;
    for (const auto& Entry : fs::directory_iterator("databases"))
        Left.push_back(Entry.path().filename().string());
    std::sort(Left.begin(), Left.end());
    EXPECT_EQ(Left, (std::vector<std::string>{"other.staged", "rookies-02010.dat.staged", "rookies-2010 copy.dat.staged",
                                              "rookies-2010.dat", "rookies-2012.dat.staged", "rookies-abc.dat.staged",
                                              "universe-2010.dat"}));
}

// The class log is written whole through a temporary: a last line cut short
// (a full disk, a kill) is ended before the new one, never continued, and a
// write that fails (here: the file size limit) leaves the log as it was.
TEST_F(DraftClassFileTest, TheLogIsWrittenWholeAndACutLastLineIsEndedFirst)
{
    Use_Franchises(1);
    Put_Rookie(0, 0, 5);
    std::ofstream(DRAFT_CLASS_LOG_FILE, std::ios::binary) << "2009,300\n2010,34";
    ASSERT_EQ(Write_Draft_Class_Database(), DRAFT_CLASS_WRITTEN);
    EXPECT_EQ(Read_Text_File(DRAFT_CLASS_LOG_FILE), "2009,300\n2010,34\n2010,1\n");

    // A log 4 bytes short of the limit: its next line does not fit. The class
    // (756,000 bytes) does.
    const std::string Long = std::string(799995, '#') + "\n";
    std::ofstream(DRAFT_CLASS_LOG_FILE, std::ios::binary | std::ios::trunc) << Long;
    rlimit Saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &Saved), 0);
    rlimit Small = Saved;
    Small.rlim_cur = 800000;
    void (*pOldHandler)(int) = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Small), 0);
    const int nResult = Write_Draft_Class_Database();
    setrlimit(RLIMIT_FSIZE, &Saved);
    signal(SIGXFSZ, pOldHandler);
    EXPECT_EQ(nResult, DRAFT_CLASS_LOG_FAILED);
    EXPECT_EQ(Read_Text_File(DRAFT_CLASS_LOG_FILE), Long);

    // A link at the log's name is replaced, never read through: the file it
    // leads to is not copied into the log, and stays as it was.
    SCRATCH_FOLDER Outside{"draft_class_log_outside", false};
    ASSERT_TRUE(Outside.Ready());
    const std::string Theirs = Outside.Path() + "/theirs.csv";
    std::ofstream(Theirs, std::ios::binary) << "1999,7\n";
    std::filesystem::remove(DRAFT_CLASS_LOG_FILE);
    std::filesystem::create_symlink(Theirs, DRAFT_CLASS_LOG_FILE);
    ASSERT_EQ(Write_Draft_Class_Database(), DRAFT_CLASS_WRITTEN);
    EXPECT_FALSE(std::filesystem::is_symlink(DRAFT_CLASS_LOG_FILE));
    EXPECT_EQ(Read_Text_File(DRAFT_CLASS_LOG_FILE), "2010,1\n");
    EXPECT_EQ(Read_Text_File(Theirs), "1999,7\n");
}

}  // namespace
