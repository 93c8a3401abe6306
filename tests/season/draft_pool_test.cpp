// The draft pool's set-up, its tuning files, the draft order, forfeits and
// the draft's money.
#include <algorithm>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/random.h"
#include "frontoffice/college_count.h"
#include "league/standings_keys.h"
#include "league/team_finance_stats.h"
#include "season/college_draft.h"
#include "season/draft_pool.h"
#include "season/draft_state.h"
#include "season_cycle_fixture.h"
#include "test_support.h"

namespace {

using season_cycle::Build_League;
using season_cycle::Find_ID;
using season_cycle::Put_Signed_Player;

class DraftPoolTest : public LeagueTest {
protected:
    SCRATCH_FOLDER Scratch{"draft_pool"};

    void SetUp() override
    {
        LeagueTest::SetUp();
        std::filesystem::create_directories("Input");
        std::filesystem::create_directories("Output");
        Build_League(2);
        Set_User_Preference(PREF_SEASON_INDEX, 1);   // season year 2021
        Set_User_Preference(PREF_CURRENT_WEEK, OFFSEASON_WEEK);
        Set_Universe_Stat(INFLATION_FACTOR, 1000);
        Forget_Tuning_File_Notices();
    }

    static void Write_File(const char* szPath, const std::string& Text)
    {
        std::ofstream File(szPath, std::ios::binary);
        File << Text;
    }

    static int Count_Boxes(const char* szCaption)
    {
        int n = 0;
        for (const auto& Box : ui::Shown_Boxes())
            n += Box.Caption == szCaption ? 1 : 0;
        return n;
    }
};

TEST_F(DraftPoolTest, PoolTargetFollowsTheFranchiseCount)
{
    EXPECT_EQ(Get_Draft_Pool_Target(32), 291);   // (32 x 291 + 16) / 32
    EXPECT_EQ(Get_Draft_Pool_Target(30), 273);   // 8746 / 32 = 273.3
    EXPECT_EQ(Get_Draft_Pool_Target(28), 255);   // 8164 / 32 = 255.1
    EXPECT_EQ(Get_Draft_Pool_Target(36), 291);   // 327 held at 291
    EXPECT_EQ(Get_Draft_Pool_Target(0), 0);
}

TEST_F(DraftPoolTest, PositionDrawsFollowTheWeightsTotal127)
{
    // Draw values of each position, QB .. P: 0-6, 7-13, 14-18, 19-25,
    // 26-37, 38-47, 48-57, 58-62, 63-73, 74-83, 84-99, 100-110, 111-121,
    // 122-124, 125-127.
    const int Last[15] = {6, 13, 18, 25, 37, 47, 57, 62, 73, 83, 99, 110, 121, 124, 127};
    int nFirst = 0;
    for (int q = 0; q < 15; ++q) {
        for (int r = nFirst; r <= Last[q]; ++r)
            EXPECT_EQ(Get_Draft_Position_For_Draw(r), q) << "draw " << r;
        nFirst = Last[q] + 1;
    }
    // Over r = trunc(127 u), u below 1: QB and RB 7 of 127, P 2.
    int Count[15] = {};
    for (int r = 0; r < 127; ++r)
        ++Count[Get_Draft_Position_For_Draw(r)];
    const int Weight[15] = {7, 7, 5, 7, 12, 10, 10, 5, 11, 10, 16, 11, 11, 3, 2};
    for (int q = 0; q < 15; ++q)
        EXPECT_EQ(Count[q], Weight[q]) << q;
    Seed_Random_Numbers(7);
    for (int i = 0; i < 2000; ++i) {
        const int q = Pick_Draft_Position();
        ASSERT_GE(q, 0);
        ASSERT_LE(q, 14);
    }
}

TEST_F(DraftPoolTest, PoolsFillToTheTargetForEachLeagueSize)
{
    for (const int nTeams : {32, 30, 28}) {
        Build_League(nTeams);
        Set_User_Preference(PREF_SEASON_INDEX, 3);   // 2023: no class file is looked for
        Seed_Random_Numbers(static_cast<uint32_t>(nTeams));
        Prepare_Draft_Pool();
        const int nTarget = Get_Draft_Pool_Target(nTeams);
        EXPECT_EQ(Count_College_Players(), nTarget) << nTeams;
        EXPECT_EQ(Count_Team_Players(38), 100);
        EXPECT_EQ(Count_Team_Players(39), 100);
        EXPECT_EQ(Count_Team_Players(40), nTarget - 200);
        // Unique, non-zero IDs; the positions of the table.
        for (int k = 0; k < nTarget; ++k) {
            int t = 0, s = 0;
            ASSERT_TRUE(Find_College_Player_Slot(k, &t, &s));
            EXPECT_NE(Get_Player_ID(t, s), 0);
            EXPECT_GE(Get_Player_Vital_Stat(t, s, VITAL_POSITION), 0);
            EXPECT_LE(Get_Player_Vital_Stat(t, s, VITAL_POSITION), 14);
            EXPECT_EQ(Find_ID(Get_Player_ID(t, s)).nTeam, t);
        }
    }
}

TEST_F(DraftPoolTest, OverallLadderRunsFrom82Towards60)
{
    Build_League(32);
    Seed_Random_Numbers(11);
    Prepare_Draft_Pool();   // the display order is by overall (preference 84 is 0)
    const int n = Count_College_Players();
    ASSERT_EQ(n, 291);
    for (int i = 0; i < n; ++i) {
        int t = 0, s = 0;
        ASSERT_TRUE(Find_College_Player_Slot(i, &t, &s));
        const float fTarget = 82.0f - 22.0f * static_cast<float>(i) / static_cast<float>(n);
        EXPECT_NEAR(Get_Player_Overall_Rating(t, s), fTarget, 1.0f) << "prospect " << i;
    }
}

TEST_F(DraftPoolTest, ProspectsUnder18AreDroppedAndThePoolsClosed)
{
    // Season year 2021: born 2004 is 17, born 2003 is 18.
    Put_Signed_Player(38, 0, 41, POSITION_WR, 70.0f, 2004, 0);
    Put_Signed_Player(38, 1, 42, POSITION_WR, 60.0f, 2003, 0);
    Put_Signed_Player(38, 2, 43, POSITION_WR, 50.0f, 2005, 0);
    Put_Signed_Player(39, 0, 44, POSITION_WR, 55.0f, 2000, 0);
    Finish_Draft_Pool();
    EXPECT_EQ(Count_College_Players(), 2);
    EXPECT_FALSE(Find_ID(41).Found());
    EXPECT_FALSE(Find_ID(43).Found());
    // Ranked 41 (70), 42 (60), 44 (55), 43 (50) over the pools first; the two
    // left close up in pool 38.
    EXPECT_EQ(Find_ID(42).nTeam, 38);
    EXPECT_EQ(Find_ID(42).nSlot, 0);
    EXPECT_EQ(Find_ID(44).nTeam, 38);
    EXPECT_EQ(Find_ID(44).nSlot, 1);
    EXPECT_EQ(Count_Team_Players(39), 0);
}

TEST_F(DraftPoolTest, SortPutsRealProspectsFirstAndKeepsTiesInOrder)
{
    Put_Signed_Player(38, 0, 41, POSITION_WR, 60.0f, 2000, 0);
    Put_Signed_Player(38, 1, 42, POSITION_WR, 80.0f, 2000, 0);
    Put_Signed_Player(38, 2, 43, POSITION_WR, 60.0f, 2000, 0);
    Put_Signed_Player(39, 0, 44, POSITION_WR, 90.0f, 2000, 0);
    Set_Player_Vital_Stat(39, 0, VITAL_FLAGS, 1);   // fictional
    Sort_College_Players(1, COLLEGE_SORT_OVERALL);
    EXPECT_EQ(Get_Player_ID(38, 0), 42);
    EXPECT_EQ(Get_Player_ID(38, 1), 41);
    EXPECT_EQ(Get_Player_ID(38, 2), 43);
    EXPECT_EQ(Get_Player_ID(39, 0), 44);
    Sort_College_Players(0, COLLEGE_SORT_OVERALL);
    EXPECT_EQ(Get_Player_ID(38, 0), 44);
    EXPECT_EQ(Get_Player_ID(38, 1), 42);
    EXPECT_EQ(Get_Player_ID(38, 2), 41);
    EXPECT_EQ(Get_Player_ID(39, 0), 43);
}

TEST_F(DraftPoolTest, DraftTalentReaderTakesThreeFieldsALine)
{
    // Marked as UTF-8 by its editor: the mark is no part of the first value.
    Write_File("Input/DraftTalent.txt",
               "\xEF\xBB\xBF" "1,2,3\n 12abc, -7 ,+3,99,100\n\n,5\n100,-100,4\r\n-0,x,7\r\n6,7,8\n1,1,1\n2,2,2\n3,3,3\n");
    for (int q = 0; q < 15; ++q)
        for (int c = 0; c < 3; ++c)
            Set_Draft_Talent(c, q, 55);
    Load_Draft_Talent();
    const int Want[15][3] = {{1, 2, 3},    {12, -7, 3}, {0, 0, 0}, {0, 5, 0}, {100, -100, 4},
                             {0, 0, 7},    {6, 7, 8},   {1, 1, 1}, {2, 2, 2}, {3, 3, 3},
                             {0, 0, 0},    {0, 0, 0},   {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
    for (int q = 0; q < 15; ++q)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(Get_Draft_Talent(c, q), Want[q][c]) << q << "," << c;
    EXPECT_EQ(Count_Boxes("Missing File"), 0);
    EXPECT_EQ(Count_Boxes("Bad File"), 0);
}

// A value the generator cannot use (beyond -100..100 for the talent,
// -100..100 for the strategy) refuses the whole file: the box names the
// file and the line, and the table stays as it was.
TEST_F(DraftPoolTest, TuningValuesBeyondTheirRangeRefuseTheWholeFile)
{
    Write_File("Input/DraftTalent.txt", "1,2,3\n4,5,6\n0,0,0\n0,0,0\n99999,0,0\n");
    Set_Draft_Talent(0, 0, 55);
    Load_Draft_Talent();
    ASSERT_EQ(Count_Boxes("Bad File"), 1);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Input/DraftTalent.txt, line 5: 99999 is outside -100 to 100; the file is not used.");
    EXPECT_EQ(Get_Draft_Talent(0, 0), 55);
    EXPECT_EQ(Get_Draft_Talent(0, 1), 0);

    Write_File("Input/DraftTalent.txt", "0,-101,0\n");
    Load_Draft_Talent();
    ASSERT_EQ(Count_Boxes("Bad File"), 2);
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "Input/DraftTalent.txt, line 1: -101 is outside -100 to 100; the file is not used.");
    EXPECT_EQ(Get_Draft_Talent(1, 0), 0);

    Write_File("Input/DraftStrategy.txt", "100\n-100\n-101\n");
    Set_Draft_Strategy(0, 7);
    Load_Draft_Strategy();
    ASSERT_EQ(Count_Boxes("Bad File"), 3);
    EXPECT_EQ(ui::Shown_Boxes()[2].Text,
              "Input/DraftStrategy.txt, line 3: -101 is outside -100 to 100; the file is not used.");
    EXPECT_EQ(Get_Draft_Strategy(0), 7);
}

// A value past the int range is quoted as the file writes it, and a pipe in
// place of the file is told as no regular file, not as missing.
TEST_F(DraftPoolTest, TuningFilesQuoteTheValueAsWrittenAndSayWhyTheyCannotBeRead)
{
    Write_File("Input/DraftTalent.txt", "0,0,0\n0, 2147483648,0\n");
    Set_Draft_Talent(0, 0, 55);
    Load_Draft_Talent();
    ASSERT_EQ(Count_Boxes("Bad File"), 1);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text,
              "Input/DraftTalent.txt, line 2: 2147483648 is outside -100 to 100; the file is not used.");
    EXPECT_EQ(Get_Draft_Talent(0, 0), 55);

    std::filesystem::remove("Input/DraftStrategy.txt");
    ASSERT_EQ(::mkfifo("Input/DraftStrategy.txt", 0644), 0);
    Set_Draft_Strategy(0, 7);
    Load_Draft_Strategy();
    ASSERT_EQ(Count_Boxes("File Error"), 1);
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "Input/DraftStrategy.txt file cannot be read (not a regular file).");
    EXPECT_EQ(Count_Boxes("Missing File"), 0);
    EXPECT_EQ(Get_Draft_Strategy(0), 7);
}

// Each draft reads the files again; a fault already told goes to the log
// only, so a run of many seasons shows it once. Another fault is told.
TEST_F(DraftPoolTest, ATuningFilesFaultIsToldOnceARun)
{
    Write_File("Input/DraftStrategy.txt", "10\n200\n");
    const std::string Text = "Input/DraftStrategy.txt, line 2: 200 is outside -100 to 100; the file is not used.";
    Set_Draft_Strategy(0, 7);
    for (int nDraft = 0; nDraft < 3; ++nDraft)
        Load_Draft_Strategy();
    ASSERT_EQ(Count_Boxes("Bad File"), 1);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, Text);
    EXPECT_EQ(Get_Draft_Strategy(0), 7);
    EXPECT_EQ(Count_Logged_Lines(Text), 3);
    Write_File("Input/DraftStrategy.txt", "-300\n");
    Load_Draft_Strategy();
    ASSERT_EQ(Count_Boxes("Bad File"), 2);
    EXPECT_EQ(ui::Shown_Boxes()[1].Text,
              "Input/DraftStrategy.txt, line 1: -300 is outside -100 to 100; the file is not used.");
    // The talent file's fault is its own.
    Write_File("Input/DraftTalent.txt", "0,0,0\n0,0,200\n");
    Load_Draft_Talent();
    Load_Draft_Talent();
    EXPECT_EQ(Count_Boxes("Bad File"), 3);
    // Missing, told once too.
    std::filesystem::remove("Input/DraftTalent.txt");
    Load_Draft_Talent();
    Load_Draft_Talent();
    EXPECT_EQ(Count_Boxes("Missing File"), 1);
}

// Play Multiple Seasons and the simulator run with every club the
// computer's: a refused file stops them with no box, its line is in the log,
// and the box is shown once the user plays again.
TEST_F(DraftPoolTest, AnUnattendedRunTellsATuningFilesFaultOnlyInTheLog)
{
    Write_File("Input/DraftStrategy.txt", "10\n200\n");
    const std::string Text = "Input/DraftStrategy.txt, line 2: 200 is outside -100 to 100; the file is not used.";
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Load_Draft_Strategy();
    Load_Draft_Strategy();
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Count_Logged_Lines(Text), 2);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    Load_Draft_Strategy();
    Load_Draft_Strategy();
    ASSERT_EQ(Count_Boxes("Bad File"), 1);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, Text);

    // A line of a megabyte is cut (its first field still read) and told the
    // same way: in the log only while the run is unattended, then once in a
    // box.
    ui::Clear_Shown_Boxes();
    Write_File("Input/DraftStrategy.txt", "7" + std::string(1 << 20, ' ') + "\n-5\n");
    Set_Draft_Strategy(0, 0);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 1);
    Load_Draft_Strategy();
    Load_Draft_Strategy();
    EXPECT_TRUE(ui::Shown_Boxes().empty());
    EXPECT_EQ(Get_Draft_Strategy(0), 7);
    EXPECT_EQ(Get_Draft_Strategy(1), -5);
    const std::string Long = "Line too long in Input/DraftStrategy.txt. Limit = 2048 characters. Extra character(s) "
                             "ignored.";
    EXPECT_EQ(Count_Logged_Lines(Long), 2);
    Set_User_Preference(PREF_ALL_COMPUTER_TEAMS, 0);
    Load_Draft_Strategy();
    Load_Draft_Strategy();
    ASSERT_EQ(ui::Shown_Boxes().size(), 1u);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Line too long in Input/DraftStrategy.txt.\n\nLimit = 2048 characters.\n\n"
                                         "Extra character(s) ignored.");
}

TEST_F(DraftPoolTest, ALongLineKeepsItsFirstFieldsAndTheNextLineFollows)
{
    Write_File("Input/DraftTalent.txt", "4,5,6," + std::string(5000, '9') + "\n7,8,9\n");
    Load_Draft_Talent();
    EXPECT_EQ(Get_Draft_Talent(0, 0), 4);
    EXPECT_EQ(Get_Draft_Talent(2, 0), 6);
    EXPECT_EQ(Get_Draft_Talent(0, 1), 7);
    EXPECT_EQ(Get_Draft_Talent(2, 1), 9);
}

TEST_F(DraftPoolTest, MissingFilesShowTheBoxAndKeepTheTables)
{
    Set_Draft_Talent(1, 3, 40);
    Set_Draft_Strategy(4, -20);
    Load_Draft_Talent();
    Load_Draft_Strategy();
    ASSERT_EQ(Count_Boxes("Missing File"), 2);
    EXPECT_EQ(ui::Shown_Boxes()[0].Text, "Input/DraftTalent.txt file is missing.");
    EXPECT_EQ(ui::Shown_Boxes()[1].Text, "Input/DraftStrategy.txt file is missing.");
    EXPECT_EQ(Get_Draft_Talent(1, 3), 40);
    EXPECT_EQ(Get_Draft_Strategy(4), -20);
}

TEST_F(DraftPoolTest, DraftStrategyReaderTakesTheFirstFieldOfFifteenLines)
{
    Write_File("Input/DraftStrategy.txt", "\xEF\xBB\xBF" "10,ignored\r\n-100\r\n 25 percent\r\n");
    Set_Draft_Strategy(14, 9);
    Load_Draft_Strategy();
    EXPECT_EQ(Get_Draft_Strategy(0), 10);
    EXPECT_EQ(Get_Draft_Strategy(1), -100);
    EXPECT_EQ(Get_Draft_Strategy(2), 25);
    EXPECT_EQ(Get_Draft_Strategy(14), 0);
}

TEST_F(DraftPoolTest, ShippedTuningFilesAreNeutral)
{
    const char* szSource = std::getenv("KELVO_SOURCE_DIR");
    ASSERT_NE(szSource, nullptr);
    for (const char* szName : {"DraftTalent.txt", "DraftStrategy.txt"}) {
        const std::string Text = Read_Text_File((std::string(szSource) + "/data/Input/" + szName).c_str());
        EXPECT_EQ(std::count(Text.begin(), Text.end(), '\n'), 15) << szName;
    }
}

TEST_F(DraftPoolTest, DraftOrderKeysByTierRecordAndPlace)
{
    Build_League(4);
    // Season index 1 in the off-season: the keys read year 0.
    auto Record = [](int t, int w, int l, int nPlace) {
        Set_Team_Yearly_Char(t, 0, YEARLY_WINS, w);
        Set_Team_Yearly_Char(t, 0, YEARLY_LOSSES, l);
        Set_Team_Yearly_Int(t, 0, 2, nPlace);
    };
    Record(0, 10, 7, 5);
    Record(1, 6, 11, 20);
    Record(2, 6, 11, 21);
    Record(3, 12, 5, 2);
    for (int nSlot = 0; nSlot < PLAYOFF_SLOTS; ++nSlot)
        Set_Playoff_Team(nSlot, NO_TEAM);
    // Out of the playoffs (tier 0): ((6 x 100) - (10 - 7)) x 100 + 5 = 59705.
    EXPECT_EQ(Get_Team_Draft_Sort_Key(0), 59705);
    EXPECT_EQ(Get_Team_Draft_Sort_Key(1), 60520);
    EXPECT_EQ(Get_Team_Draft_Sort_Key(2), 60521);
    EXPECT_EQ(Get_Team_Draft_Sort_Key(3), 59302);
    // Tiers: champion 5, final 4, third round 3, second 2, first 1.
    Set_Playoff_Team(3, 3);
    EXPECT_EQ(Get_Team_Draft_Sort_Key(3), 49302);
    Set_Playoff_Team(17, 3);
    EXPECT_EQ(Get_Team_Draft_Sort_Key(3), 39302);
    Set_Playoff_Team(25, 3);
    EXPECT_EQ(Get_Team_Draft_Sort_Key(3), 29302);
    Set_Playoff_Team(29, 3);
    EXPECT_EQ(Get_Team_Draft_Sort_Key(3), 19302);
    Set_Playoff_Team(30, 3);
    EXPECT_EQ(Get_Team_Draft_Sort_Key(3), 9302);
    // Worst record first; equal tier and record: the worse place first.
    Set_Draft_Order();
    EXPECT_EQ(Get_Draft_Order_Team(0), 2);
    EXPECT_EQ(Get_Draft_Order_Team(1), 1);
    EXPECT_EQ(Get_Draft_Order_Team(2), 0);
    EXPECT_EQ(Get_Draft_Order_Team(3), 3);
}

TEST_F(DraftPoolTest, ProvisionalKeysComeFromTheFinishCode)
{
    Build_League(5);
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    const int Codes[5] = {8, 7, 6, 5, 1};
    for (int t = 0; t < 5; ++t) {
        Set_Team_Yearly_Int(t, 1, 3, Codes[t]);
        Set_Team_Yearly_Int(t, 1, 2, t);
    }
    EXPECT_EQ(Get_Team_Provisional_Draft_Key(0), 0);
    EXPECT_EQ(Get_Team_Provisional_Draft_Key(1), 101);
    EXPECT_EQ(Get_Team_Provisional_Draft_Key(2), 202);
    EXPECT_EQ(Get_Team_Provisional_Draft_Key(3), 303);
    EXPECT_EQ(Get_Team_Provisional_Draft_Key(4), 404);
    Sort_Draft_Order_By_Record();
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(Get_Draft_Order_Team(p), 4 - p);
    EXPECT_EQ(Get_Team_Draft_Slot(0), 4);
    EXPECT_EQ(Find_Team_In_Draft_Order(7), 5);   // absent: the team count
}

TEST_F(DraftPoolTest, EqualKeysKeepTheLowerTeamFirst)
{
    Build_League(3);
    for (int t = 0; t < 3; ++t)
        Set_Team_Yearly_Int(t, 1, 2, t == 1 ? 9 : 4);
    Set_User_Preference(PREF_CURRENT_WEEK, 3);
    Sort_Draft_Order_By_Record();
    EXPECT_EQ(Get_Draft_Order_Team(0), 1);
    EXPECT_EQ(Get_Draft_Order_Team(1), 0);
    EXPECT_EQ(Get_Draft_Order_Team(2), 2);
}

TEST_F(DraftPoolTest, ForfeitIsRecordedAndFoundAgain)
{
    Build_League(32);
    Set_User_Preference(PREF_DRAFT_ROUND, 2);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 4);
    Record_Forfeited_Draft_Pick(17);
    // Overall pick 2 x 32 + 4 + 1 = 69 in 2021.
    EXPECT_EQ(Get_Draft_Result_Word(0), (2021 * 1000 + 69) * 100 + 17);
    EXPECT_EQ(Find_Team_Draft_Record(2021, 69), 17);
    EXPECT_EQ(Find_Team_Draft_Record(2021, 70), NO_TEAM);
    EXPECT_EQ(Find_Team_Draft_Record(2020, 69), NO_TEAM);
    // A full table records nothing more.
    for (int i = 1; i < DRAFT_RESULT_WORDS; ++i)
        Set_Draft_Result_Word(i, (2000 * 1000 + i) * 100 + 1);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 5);
    Record_Forfeited_Draft_Pick(3);
    EXPECT_EQ(Find_Team_Draft_Record(2021, 70), NO_TEAM);
    EXPECT_EQ(Find_Team_Draft_Record(2000, 299), 1);
}

TEST_F(DraftPoolTest, ForfeitedPickInTheDraftIsRecordedAndPasses)
{
    Set_Draft_Order_Team(0, 0);
    Set_Draft_Order_Team(1, 1);
    Set_Draft_Pick_Owner(0, 0, 0, 128 + 0);
    Set_Draft_Pick_Owner(0, 0, 1, 1);
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);
    Put_Signed_Player(38, 0, 41, POSITION_WR, 70.0f, 2000, 0);
    Advance_Draft_Pick();
    EXPECT_EQ(Find_ID(41).nTeam, 38);
    EXPECT_EQ(Find_Team_Draft_Record(2021, 1), 0);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_PICKS_MADE), 1);
}

TEST_F(DraftPoolTest, PicksHeldByTheHallOrThePoolsPassWithALogLine)
{
    Set_Draft_Order_Team(0, 0);
    Set_Draft_Order_Team(1, 1);
    Set_Draft_Pick_Owner(0, 0, 0, 37);
    Set_Draft_Pick_Owner(0, 0, 1, 39);
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);
    Put_Signed_Player(38, 0, 41, POSITION_WR, 70.0f, 2000, 0);
    Advance_Draft_Pick();
    Advance_Draft_Pick();
    EXPECT_EQ(Find_ID(41).nTeam, 38);
    EXPECT_EQ(Count_Team_Players(37), 0);
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), 1);
    const std::string Log = Read_Text_File("debug.txt");
    EXPECT_NE(Log.find("held by team slot 37 passes"), std::string::npos);
    EXPECT_NE(Log.find("held by team slot 39 passes"), std::string::npos);
    EXPECT_EQ(Errors_Reported(), 0);
}

TEST_F(DraftPoolTest, BonusScalesWithCashAndCashStaysInItsBounds)
{
    EXPECT_EQ(Scale_Draft_Bonus_For_Cash(1000, 1000), 1000);
    EXPECT_EQ(Scale_Draft_Bonus_For_Cash(1000, 1500), 1050);   // x 10500 / 10000
    EXPECT_EQ(Scale_Draft_Bonus_For_Cash(333, 1001), 333);     // 333.03
    EXPECT_EQ(Get_Cash_After_Draft_Bonus(5000000, 2000), 3000000);
    EXPECT_EQ(Get_Cash_After_Draft_Bonus(-99000000, 5000), -100000000);
    // 500,000,000 - 3,000,000,000 does not fit 32 bits: the floor, not a wrap.
    EXPECT_EQ(Get_Cash_After_Draft_Bonus(500000000, 3000000), -100000000);
    EXPECT_EQ(Get_Cash_After_Draft_Bonus(999999000, -5000), 1000000000);
}

TEST_F(DraftPoolTest, EarlyComputerPicksLowerThePositionsStrategy)
{
    Set_Draft_Order_Team(0, 0);
    Set_Draft_Order_Team(1, 1);
    for (int r = 0; r < DRAFT_ROUNDS; ++r)
        for (int t = 0; t < 2; ++t)
            Set_Draft_Pick_Owner(0, r, t, t);
    Set_User_Preference(PREF_DRAFT_ROUND, 3);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 1);
    Put_Signed_Player(38, 0, 41, POSITION_WR, 70.0f, 2000, 0);
    Put_Signed_Player(38, 1, 42, POSITION_WR, 70.0f, 2000, 0);
    Set_Draft_Strategy(POSITION_WR, 5);
    Advance_Draft_Pick();   // round 4: lowered
    EXPECT_EQ(Get_Draft_Strategy(POSITION_WR), 4);
    Advance_Draft_Pick();   // round 5: not
    EXPECT_EQ(Get_Draft_Strategy(POSITION_WR), 4);
    EXPECT_EQ(Count_College_Players(), 0);
}

TEST_F(DraftPoolTest, SevenRoundsEndTheDraftAndTheReportHasEveryRound)
{
    Set_Draft_Order_Team(0, 0);
    Set_Draft_Order_Team(1, 1);
    for (int r = 0; r < DRAFT_ROUNDS; ++r)
        for (int t = 0; t < 2; ++t)
            Set_Draft_Pick_Owner(0, r, t, t);
    for (int s = 0; s < 20; ++s)
        Put_Signed_Player(38, s, 100 + s, POSITION_WR, 50.0f + s, 2000, 0);
    Set_User_Preference(PREF_DRAFT_ROUND, 0);
    Set_User_Preference(PREF_DRAFT_PICKS_MADE, 0);
    Start_Draft_Report();
    Begin_College_Draft();
    int nDrafted = 0;
    for (int nID = 100; nID < 120; ++nID) {
        const auto Where = Find_ID(nID);
        if (Where.Found() && Get_Player_Vital_Stat(Where.nTeam, Where.nSlot, VITAL_DRAFTED_BY) % 10000 == 2021)
            ++nDrafted;
    }
    EXPECT_EQ(nDrafted, 14);   // 7 rounds x 2 clubs; the rest left in the pool
    EXPECT_EQ(Get_User_Preference(PREF_DRAFT_ROUND), DRAFT_OVER_ROUND);
    EXPECT_EQ(Get_Current_Week(), 0);
    const std::string Report = Read_Text_File("Output/College-Draft-2021.txt", "missing");
    EXPECT_EQ(Report.rfind("\n               2021 COLLEGE DRAFT\n\n================= First ROUND =================\n", 0),
              0u);
    EXPECT_NE(Report.find("================= Seventh ROUND ================="), std::string::npos);
    EXPECT_EQ(Report.find("Eighth"), std::string::npos);
    EXPECT_EQ(std::count(Report.begin(), Report.end(), '('), 14);
    EXPECT_EQ(Count_Boxes("College Draft"), 0);   // not ended by an empty pool
}

TEST_F(DraftPoolTest, PickOwnersResetToTheirOwnClubs)
{
    Build_League(3);
    Set_Draft_Pick_Owner(2, 6, 1, 0);
    Reset_All_Draft_Picks();
    for (int d = 0; d < 3; ++d)
        for (int r = 0; r < 7; ++r)
            for (int t = 0; t < 3; ++t)
                EXPECT_EQ(Get_Draft_Pick_Owner(d, r, t), t);
}

}  // namespace
